# What the tests that run the real program in windows share: sourced, not run. Starts Xvfb and
# openbox, ends them (and every program started here) when the script ends, and gives the
# helpers below. Needs `kind` (file or server) set; sets `address` and `sql`.
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
# A fresh ledger: a file in the output folder, or a database of its own on the server.
if [ "$kind" = server ]; then
    address="${LEDGORA_TEST_PG/\/postgres\?//$database?}"
    sql() { psql "$address" -X -A -t -q -F '|' -c "$1"; }
    psql "$LEDGORA_TEST_PG" -X -q -c "DROP DATABASE IF EXISTS $database" \
        -c "CREATE DATABASE $database" 2>/dev/null || fail "cannot create the test database"
else
    address="$out/libro.db"
    sql() { sqlite3 -cmd ".timeout 0" "$address" "$1"; }
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
# Waits until a copy's log says the screen is shown (the given number of times).
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
