#!/usr/bin/env bash
# The real program under a window manager with the accessibility bus on, walked by
# accessibility_walk.py as a screen reader would. Screenshots are left in the output folder.
#
# usage: gui_accessibility.sh LEDGORA_BINARY OUTPUT_FOLDER
# needs: Xvfb, openbox, xdotool, dbus-run-session, at-spi2-core and python3-pyatspi; skips
# without them.
set -uo pipefail
ledgora="$1"
out="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb openbox xdotool dbus-run-session import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 0; }
done
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 0; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 0; }
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${LEDGORA_A11Y_BUS:-}" ]; then
    LEDGORA_A11Y_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi
rm -rf "$out"
mkdir -p "$out"
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x900x24 -nolisten tcp 2>/dev/null)
read -r -t 20 display <&3 || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
cleanup() { pkill -P $$ 2>/dev/null; }
trap cleanup EXIT
openbox >/dev/null 2>&1 &
"$launcher" --launch-immediately >/dev/null 2>&1 &
sleep 1
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES="ledgora.screens=true" LANG=C LEDGORA_COMPROBACIONES=1
"$ledgora" --demo "$out/libro.db" >"$out/ledgora.out" 2>"$out/ledgora.log" &
pid=$!
for n in $(seq 1 100); do
    grep -q "shown ledgora::FrmABMCuentas" "$out/ledgora.log" && break
    sleep 0.1
done
window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | tail -1)
xdotool windowactivate --sync "$window" 2>/dev/null
/usr/bin/python3 "$here/accessibility_walk.py" "$pid" "$out"
