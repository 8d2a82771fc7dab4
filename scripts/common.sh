# Shared by the project's scripts: installs what is missing and builds.
# Sourced, not run.

LEDGORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LEDGORA_PACKAGES=(build-essential cmake qt6-base-dev libgl1-mesa-dev libsqlite3-dev sqlite3 libpq-dev
                  fonts-dejavu-core fonts-urw-base35 poppler-utils qt6-translations-l10n
                  qt6-tools-dev qt6-l10n-tools)
# The tests and the benchmark also run the shared ledger against a real PostgreSQL server.
LEDGORA_SERVER_PACKAGES=(postgresql postgresql-client)
# The tests that run the real program in windows, typed into as a person would.
LEDGORA_DESKTOP_PACKAGES=(xvfb openbox xdotool imagemagick at-spi2-core python3-pyatspi dbus)
# The tests also check that every source file is laid out as .clang-format says.
LEDGORA_TOOL_PACKAGES=(clang-format)

# Installs, from Debian's packages, those of the given packages that are not installed yet.
ledgora_ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Configures and builds into the given folder of the checkout; extra arguments go to CMake.
ledgora_build() {
    local dir="$1"
    shift
    cmake -S "$LEDGORA_ROOT" -B "$LEDGORA_ROOT/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$LEDGORA_ROOT/$dir" -j"$(nproc)"
}

# Starts a throwaway PostgreSQL cluster in a temporary folder, owned by an unprivileged user
# and listening only on a Unix socket there, and exports its URI as LEDGORA_TEST_PG and, as
# LEDGORA_TEST_PG_CTL, the pg_ctl command line (as the server's user) that restarts, stops or
# starts it with the action added ("restart", "stop", "start"). The caller stops it with
# ledgora_stop_test_server (from an EXIT trap).
ledgora_start_test_server() {
    local bin
    bin="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"
    [ -x "$bin/initdb" ] || { echo "PostgreSQL's server programs are not installed" >&2; return 1; }
    LEDGORA_PG_DIR="$(mktemp -d /tmp/ledgora-pg.XXXXXX)"
    chmod 755 "$LEDGORA_PG_DIR"
    local as=""
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$LEDGORA_PG_DIR"
        as="runuser -u nobody --"
    fi
    printf 'ledgora-test\n' >"$LEDGORA_PG_DIR/pw"
    chmod 644 "$LEDGORA_PG_DIR/pw"
    (cd "$LEDGORA_PG_DIR" && $as "$bin/initdb" -D "$LEDGORA_PG_DIR/data" -U ledgora \
        --pwfile="$LEDGORA_PG_DIR/pw" -A scram-sha-256 -E UTF8 --locale=C.UTF-8 >/dev/null)
    export LEDGORA_TEST_PG_CTL="cd $LEDGORA_PG_DIR && $as $bin/pg_ctl -D $LEDGORA_PG_DIR/data -w -s \
-l $LEDGORA_PG_DIR/log -o \"-c listen_addresses='' -k $LEDGORA_PG_DIR -c fsync=off -c max_connections=60\""
    sh -c "$LEDGORA_TEST_PG_CTL start"
    export LEDGORA_TEST_PG="postgresql://ledgora:ledgora-test@/postgres?host=$LEDGORA_PG_DIR"
}

ledgora_stop_test_server() {
    [ -n "${LEDGORA_PG_DIR:-}" ] || return 0
    sh -c "$LEDGORA_TEST_PG_CTL -m immediate stop" || true
    rm -rf "$LEDGORA_PG_DIR"
    LEDGORA_PG_DIR=""
}
