# Shared by the project's scripts: installs what is missing and builds.
# Sourced, not run.

LEDGORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LEDGORA_PACKAGES=(build-essential cmake qt6-base-dev libgl1-mesa-dev libsqlite3-dev sqlite3
                  fonts-dejavu-core fonts-urw-base35 poppler-utils)

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
