#!/usr/bin/env bash
# Two people on one ledger, as they would work: two copies of the real program, each in its
# own window under a window manager, typing movements into the same account with the keyboard
# alone, taking turns. On a PostgreSQL server the server is restarted halfway under both.
# Afterwards every movement is stored exactly once, numbered 1 to N, and the account's totals
# equal the sums of its movements. Screenshots are left in the output folder.
#
# usage: gui_two_copies.sh LEDGORA_BINARY OUTPUT_FOLDER server|file
# needs: Xvfb, openbox, xdotool, and psql with LEDGORA_TEST_PG (the server's URI) or sqlite3;
# skips without them. LEDGORA_TEST_PG_CTL, when set, is the pg_ctl command line that restarts
# the server with "restart" added.
set -uo pipefail
ledgora="$1"
out="$2"
kind="$3"
rounds=4
database=ledgora_two_copies
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/gui_common.sh"
if [ "$kind" = server ]; then
    numbered="string_agg(MOVINNRO::text, ',' ORDER BY MOVINNRO)"
else
    numbered="group_concat(MOVINNRO, ',')"
fi

start_copy() {
    local name="$1" extra="$2"
    # shellcheck disable=SC2086
    "$ledgora" $extra "$address" >"$out/$name.out" 2>"$out/$name.log" &
    local pid=$!
    pids+=("$pid")
    wait_screen "$out/$name.log" FrmABMCuentas
    # The third account of the example ledger has no movements: down twice, ENTER chooses it.
    keys_to "$pid" xdotool key Down Down Return
    wait_screen "$out/$name.log" FrmBNKMain
    sleep 0.5
    keys_to "$pid" xdotool key Insert
    wait_screen "$out/$name.log" FrmConceptos
    # The entry screen opens on the date: ENTER takes it and moves to the concept.
    keys_to "$pid" xdotool key Return
    started="$pid"
}

start_copy primera --demo
first="$started"
start_copy segunda ""
second="$started"

taken() { grep -c "message \"Otra persona grabó" "$1"; }
# The other copy's listing follows each movement stored: its log says how many it lists.
follows() {
    local log="$1" count="$2" n
    for n in $(seq 1 20); do
        grep -q "listing followed \"003\" $count movements" "$log" && return 0
        sleep 0.05
    done
    fail "the other copy did not list movement $count within a second ($log)"
}
# One movement: concept (as proposed), description, amount, status, Agregar. The first copy
# leaves it pending; the second chooses the realised status. The number is taken when the
# movement is saved, so taking turns never meets a number taken meanwhile.
fill() {
    local pid="$1" text="$2" amount="$3" status="$4"
    keys_to "$pid" xdotool key Return type --delay 20 "$text"
    xdotool key Return type --delay 20 "$amount"
    xdotool key Return
    [ "$status" = realised ] && xdotool key Down
    xdotool key Return
}
stored=0
enter() {
    local pid="$1" text="$2" amount="$3" status="$4" other_log="$5"
    fill "$pid" "$text" "$amount" "$status"
    xdotool key Return
    stored=$((stored + 1))
    follows "$other_log" "$stored"
}

for round in $(seq 1 "$rounds"); do
    enter "$first" "Primera copia $round" 101 pending "$out/segunda.log"
    enter "$second" "Segunda copia $round" 1002 realised "$out/primera.log"
    if [ "$round" -eq 2 ]; then
        import -window root "$out/before-restart.png" 2>/dev/null
        if [ "$kind" = server ] && [ -n "${LEDGORA_TEST_PG_CTL:-}" ]; then
            sh -c "$LEDGORA_TEST_PG_CTL restart" || fail "the server did not restart"
        fi
    fi
done
# The true race: both movements typed, then Agregar pressed in both copies at once.
rounds=$((rounds + 1))
fill "$first" "Primera copia $rounds" 101 pending
fill "$second" "Segunda copia $rounds" 1002 realised
keys_to "$first" xdotool key Return
keys_to "$second" xdotool key Return
sleep 1.5
[ "$(taken "$out/primera.log")$(taken "$out/segunda.log")" = 00 ] ||
    fail "a copy was told another person took its number"
import -window root "$out/after.png" 2>/dev/null

expected=$((2 * rounds))
stored=$(sql "SELECT count(*) FROM BANMOV WHERE CNTSTNRO = '003'")
numbers=$(sql "SELECT $numbered FROM (SELECT MOVINNRO FROM BANMOV WHERE CNTSTNRO = '003' ORDER BY MOVINNRO) m")
texts=$(sql "SELECT count(DISTINCT MOVSTCPT) FROM BANMOV WHERE CNTSTNRO = '003'")
totals=$(sql "SELECT TOMDLAAC || '|' || TOMDLADE || '|' || TOMDLACR || '|' || TOMDLDEB FROM BANCNT WHERE CNTSTNRO = '003'")
sums=$(sql "SELECT COALESCE(SUM(MOVDLAAC),0) || '|' || COALESCE(SUM(MOVDLADE),0) || '|' || COALESCE(SUM(MOVDLACR),0) || '|' || COALESCE(SUM(MOVDLDEB),0) FROM BANMOV WHERE CNTSTNRO = '003'")
echo "stored $stored movements, numbers $numbers, totals $totals, sums $sums"
[ "$stored" = "$expected" ] || fail "expected $expected movements, found $stored"
[ "$texts" = "$expected" ] || fail "some movement was stored twice or lost ($texts distinct)"
[ "$numbers" = "$(seq -s, 1 "$expected")" ] || fail "numbers are not 1 to $expected: $numbers"
[ "$totals" = "$sums" ] || fail "the account's totals $totals differ from the sums $sums"
[ "$sums" = "$((101 * 10000 * rounds))|0|$((1002 * 10000 * rounds))|0" ] || fail "sums $sums"
grep -h "ledgora-test" "$out"/*.log "$out"/*.out && fail "a password was shown"
echo "1 passed, 0 failed"
