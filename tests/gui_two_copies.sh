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
skip() {
    echo "SKIP: $*"
    exit 0
}
fail() {
    echo "FAIL: $*"
    exit 1
}
tools=(Xvfb openbox xdotool)
if [ "$kind" = server ]; then
    [ -n "${LEDGORA_TEST_PG:-}" ] || skip "no test server (LEDGORA_TEST_PG)"
    tools+=(psql)
else
    tools+=(sqlite3)
fi
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
rm -rf "$out"
mkdir -p "$out"
rounds=4
if [ "$kind" = server ]; then
    database=ledgora_two_copies
    address="${LEDGORA_TEST_PG/\/postgres\?//$database?}"
    sql() { psql "$address" -X -A -t -q -c "$1"; }
    numbered="string_agg(MOVINNRO::text, ',' ORDER BY MOVINNRO)"
    psql "$LEDGORA_TEST_PG" -X -q -c "DROP DATABASE IF EXISTS $database" \
        -c "CREATE DATABASE $database" 2>/dev/null || fail "cannot create the test database"
else
    address="$out/libro.db"
    sql() { sqlite3 "$address" "$1"; }
    numbered="group_concat(MOVINNRO, ',')"
fi

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x900x24 -nolisten tcp 2>/dev/null)
read -r -t 20 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    pkill -P $$ 2>/dev/null
}
trap cleanup EXIT
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export QT_LOGGING_RULES="ledgora.screens=true" LEDGORA_COMPROBACIONES=1
unset QT_QPA_PLATFORM
# Waits until a copy's log says the screen is shown.
wait_screen() {
    local log="$1" screen="$2" n
    for n in $(seq 1 100); do
        [ "$(grep -c "shown ledgora::$screen" "$log")" -ge "${3:-1}" ] && return 0
        sleep 0.1
    done
    fail "$screen did not open ($log): $(tail -3 "$log")"
}
# Gives a copy's topmost window the keyboard, then types.
keys_to() {
    local pid="$1"
    shift
    local window n
    # The screen says it is shown before the window manager has mapped it on a busy machine.
    for n in $(seq 1 50); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window of process $pid"
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 0.2
    "$@"
}

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
# One movement: concept (as proposed), description, amount, status, Agregar. The first copy
# leaves it pending; the second chooses the realised status. When the other copy took the
# number meanwhile, the person is told; ENTER closes the message and ENTER on Agregar, still
# focused, stores the movement under the next number.
enter() {
    local pid="$1" log="$2" text="$3" amount="$4" status="$5" before
    before=$(taken "$log")
    keys_to "$pid" xdotool key Return type --delay 20 "$text"
    xdotool key Return type --delay 20 "$amount"
    xdotool key Return
    [ "$status" = realised ] && xdotool key Down
    xdotool key Return Return
    sleep 1
    if [ "$(taken "$log")" -gt "$before" ]; then
        xdotool key Return
        sleep 0.3
        keys_to "$pid" xdotool key Return
        sleep 1
    fi
}

for round in $(seq 1 "$rounds"); do
    enter "$first" "$out/primera.log" "Primera copia $round" 101 pending
    enter "$second" "$out/segunda.log" "Segunda copia $round" 1002 realised
    if [ "$round" -eq 2 ]; then
        import -window root "$out/before-restart.png" 2>/dev/null
        if [ "$kind" = server ] && [ -n "${LEDGORA_TEST_PG_CTL:-}" ]; then
            sh -c "$LEDGORA_TEST_PG_CTL restart" || fail "the server did not restart"
        fi
    fi
done
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
