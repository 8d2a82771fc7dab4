#!/usr/bin/env bash
# One person's morning with the real program, keys only, under a window manager: the ledger
# brought in from the old system with --import, then a bank statement chosen in the file dialog
# (in the ledger's own folder) and applied, a movement deleted and brought back from the bin,
# F12, Ctrl+Z, a movement typed and one edited, a schedule typed and its occurrences entered,
# the forecast and its printed preview, the balance's chart, the listing previewed. After
# every step another process looks at the ledger: the change is there and nothing is held (the file's write lock
# is free; the server has no session idle in a transaction). At the end the program is killed
# with SIGKILL: everything it had shown as saved is still there, and the audit trail verifies.
# Screenshots are left in the output folder.
#
# usage: gui_journey.sh LEDGORA_BINARY OUTPUT_FOLDER server|file
# needs: Xvfb, openbox, xdotool, and psql with LEDGORA_TEST_PG (the server's URI) or sqlite3;
# skips without them.
set -uo pipefail
ledgora="$1"
out="$2"
kind="$3"
database=ledgora_journey
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/gui_common.sh"

first=$(date +%Y-%m-01)
day() { date -d "$first + $1 days" +"$2"; }
mkdir -p "$out/anterior"
printf 'CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC\r\n001,2024-01-15,Banco,Banco Uno,,\r\n' \
    >"$out/anterior/BANCNT.csv"
printf 'CONSTNRO,CONSTDSC,CONSTTIP\r\n1,Cobros,C\r\n7,Gastos bancarios,D\r\n' >"$out/anterior/BANCON.csv"
{
    printf 'CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB\r\n'
    printf '001,1,%s,1,Saldo anterior,0,0,1000,0\r\n' "$(day 0 %F)"
    printf '001,2,%s,1,Cobro factura 7,100,0,0,0\r\n' "$(day 0 %F)"
    printf '001,3,%s,7,Pago proveedor,0,50,0,0\r\n' "$(day 1 %F)"
    printf '001,4,%s,7,Seguro local,0,20,0,0\r\n' "$(day 2 %F)"
} >"$out/anterior/BANMOV.csv"
"$ledgora" --import "$out/anterior" "$address" >"$out/import.out" 2>&1 ||
    fail "--import: $(cat "$out/import.out")"

# The bank's Norma 43 statement of the month, in the ledger's folder: the credit of 100.00 and
# the debit of 50.00 the ledger expects, and a commission of 12.50 it does not.
record() { printf '%-80s\n' "$1"; }
n43="$out/extracto.n43"
{
    record "11210000010200012345$(day 0 %y%m%d)$(day 27 %y%m%d)2000000001000009783EMPRESA DEMO SL"
    record "22    0001$(day 0 %y%m%d)$(day 0 %y%m%d)02001200000000010000"
    record "22    0001$(day 1 %y%m%d)$(day 1 %y%m%d)02001100000000005000"
    record "22    0001$(day 2 %y%m%d)$(day 2 %y%m%d)02001100000000001250"
    record "3321000001020001234500002000000000062500000100000000010000200000000103750978"
    record "88999999999999999999000005"
} >"$n43"

log="$out/ledgora.log"
"$ledgora" "$address" >"$out/ledgora.out" 2>"$log" &
pid=$!
pids+=("$pid")
wait_screen "$log" FrmABMCuentas
keys_to "$pid" xdotool key Return
wait_screen "$log" FrmBNKMain
sleep 0.5

messages() { grep -c 'message "' "$log"; }
# Presses ENTER on every message box that appears within a second and a half: Yes on a
# question, OK on a notice.
answer() {
    local seen="$1" n
    for n in $(seq 1 15); do
        if [ "$(messages)" -gt "$seen" ]; then
            sleep 0.3
            keys_to "$pid" xdotool key Return
            seen=$((seen + 1))
        fi
        sleep 0.1
    done
}
# After a step: the account's movements and the audit rows as another process finds them, and
# nothing held.
state() { sql "SELECT count(*) FROM BANMOV WHERE CNTSTNRO = '001'"; }
audit() { sql "SELECT count(*) FROM BANAUD"; }
held() {
    if [ "$kind" = server ]; then
        [ "$(sql "SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() AND state LIKE 'idle in transaction%'")" != 0 ]
    else
        ! sql "BEGIN IMMEDIATE; ROLLBACK;" >/dev/null 2>&1
    fi
}
audited=$(audit)
check() {
    local step="$1" movements="$2" now
    now=$(state)
    [ "$now" = "$movements" ] || fail "$step: another process finds $now movements, not $movements"
    held && fail "$step: the ledger is held after the step"
    [ "$(audit)" -gt "$audited" ] || fail "$step: no audit row was written"
    audited=$(audit)
    echo "$step: $now movements, $audited audit rows, nothing held"
}

# F9: the dialog goes to the ledger's folder, shows it, and takes the statement; the bank
# account is linked to the current one; F10 applies.
keys_to "$pid" xdotool key F9
sleep 1
keys_to "$pid" xdotool type --delay 20 "$out"
xdotool key Return
sleep 1.5
import -window root "$out/dialog.png" 2>/dev/null
xdotool type --delay 20 "extracto.n43"
xdotool key Return
sleep 1
keys_to "$pid" xdotool key Return # "¿A qué cuenta pertenece el extracto …?": 001
wait_screen "$log" FrmConciliacion
sleep 0.5
import -window root "$out/reconciliation.png" 2>/dev/null
before=$(messages)
keys_to "$pid" xdotool key F10
answer "$before"
grep -q 'Conciliación aplicada: 2 casados, 1 nuevo, 0 ya importados' "$log" || fail "the statement was not applied"
check "F9 and F10" 5

before=$(messages)
keys_to "$pid" xdotool key Delete
answer "$before"
check "DELETE" 4

before=$(messages)
keys_to "$pid" xdotool key F8
wait_screen "$log" FrmPapelera
sleep 0.5
import -window root "$out/bin.png" 2>/dev/null
keys_to "$pid" xdotool key Return
answer "$before"
keys_to "$pid" xdotool key Escape
sleep 0.5
check "F8 and ENTER" 5

keys_to "$pid" xdotool key F12
sleep 0.8
check "F12" 5

before=$(messages)
keys_to "$pid" xdotool key ctrl+z
answer "$before"
check "Ctrl+Z" 5

# A movement typed whole: date, concept, description as proposed, 30, the status, "Agregar".
keys_to "$pid" xdotool key Insert
wait_screen "$log" FrmConceptos
keys_to "$pid" xdotool key Return Return Return
xdotool type --delay 20 "30"
xdotool key Return Return Return
sleep 0.8
import -window root "$out/entry.png" 2>/dev/null
keys_to "$pid" xdotool key Escape
sleep 0.5
check "INSERT" 6

# ENTER edits the selected movement: to its amount, 45, "Guardar".
keys_to "$pid" xdotool key Return
wait_screen "$log" FrmModConcepto
keys_to "$pid" xdotool key Return Return
xdotool type --delay 20 "45"
xdotool key Return Return
sleep 0.8
check "ENTER" 6

# F7: a monthly income typed whole from today on; its occurrences due in the next 30 days
# are entered as pending movements at once, each with its fingerprint.
keys_to "$pid" xdotool key F7
wait_screen "$log" FrmPeriodicos
keys_to "$pid" xdotool key Insert
sleep 0.3
keys_to "$pid" xdotool key Return Down Return
xdotool type --delay 20 "Alquiler cobrado"
xdotool key Return
xdotool type --delay 20 "250"
xdotool key Return Return Return Return Return Return Return Return Return
sleep 1
import -window root "$out/schedules.png" 2>/dev/null
keys_to "$pid" xdotool key Escape
sleep 0.5
[ "$(sql "SELECT count(*) FROM BANPER")" = 1 ] || fail "F7: the schedule was not stored"
entered=$(sql "SELECT count(*) FROM BANOCU")
[ "$entered" -ge 1 ] || fail "F7: no occurrence was entered"
check "F7" $((6 + entered))

# F5: the forecast of the account, its chart and its table; Alt+P previews it printed. F4: the
# realised balance of the interval.
keys_to "$pid" xdotool key F5
wait_screen "$log" FrmPrevision
sleep 0.8
import -window root "$out/forecast.png" 2>/dev/null
keys_to "$pid" xdotool key alt+p
sleep 2
import -window root "$out/forecast_preview.png" 2>/dev/null
keys_to "$pid" xdotool key Escape
sleep 0.5
keys_to "$pid" xdotool key Escape
sleep 0.3
keys_to "$pid" xdotool key F4
wait_screen "$log" FrmGraficoSaldo
sleep 0.8
import -window root "$out/balance.png" 2>/dev/null
keys_to "$pid" xdotool key Escape
sleep 0.5
held && fail "F5 and F4: the ledger is held after the forecast"

keys_to "$pid" xdotool key alt+p
sleep 2
import -window root "$out/preview.png" 2>/dev/null
keys_to "$pid" xdotool key Escape
sleep 0.5
held && fail "Alt+P: the ledger is held after the preview"
import -window root "$out/main.png" 2>/dev/null

# Killed where it stands: nothing the screen showed as saved is lost.
shown=$(sql "SELECT count(*) || '|' || sum(MOVDLAAC) || '|' || sum(MOVDLADE) || '|' || sum(MOVDLACR) || '|' || sum(MOVDLDEB) FROM BANMOV WHERE CNTSTNRO = '001'")
kill -9 "$pid"
wait "$pid" 2>/dev/null
after=$(sql "SELECT count(*) || '|' || sum(MOVDLAAC) || '|' || sum(MOVDLADE) || '|' || sum(MOVDLACR) || '|' || sum(MOVDLDEB) FROM BANMOV WHERE CNTSTNRO = '001'")
[ "$after" = "$shown" ] || fail "after SIGKILL the ledger holds $after, not $shown"
[ "$(audit)" = "$audited" ] || fail "after SIGKILL the audit trail holds $(audit) rows, not $audited"
totals=$(sql "SELECT TOMDLAAC || '|' || TOMDLADE || '|' || TOMDLACR || '|' || TOMDLDEB FROM BANCNT WHERE CNTSTNRO = '001'")
[ "$totals" = "${after#*|}" ] || fail "the account's totals $totals differ from the sums ${after#*|}"
if [ "$kind" = file ]; then
    [ "$(sql "PRAGMA integrity_check")" = ok ] || fail "the file is damaged"
fi
"$ledgora" --verify "$address" >"$out/verify.out" 2>&1 || fail "--verify: $(cat "$out/verify.out")"
grep -h "ledgora-test" "$out"/*.log "$out"/*.out && fail "a password was shown"
echo "after SIGKILL: $after, $(cat "$out/verify.out")"
echo "1 passed, 0 failed"
