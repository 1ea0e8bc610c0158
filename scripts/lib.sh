# Shared by scripts/run, scripts/test and scripts/bench: installs what the build needs and
# configures/builds a tree. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"
# Compiler cache keyed on paths relative to the checkout, so clones and worktrees share it.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"

PACKAGES=(build-essential cmake pkg-config ccache
          qt6-base-dev libswe-dev swe-basic-data swe-standard-data
          libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev libical-dev
          libhowardhinnant-date-dev tzdata
          xvfb xauth x11-utils fonts-liberation2)

ensure_packages() {
    local missing=()
    local p
    for p in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local line="apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        echo ">> installing: ${missing[*]}"
        if ! DEBIAN_FRONTEND=noninteractive $line; then
            DEBIAN_FRONTEND=noninteractive apt-get update
            DEBIAN_FRONTEND=noninteractive $line
        fi
    else
        echo "Missing Debian packages. Run as root:"
        echo "  sudo $line"
        exit 1
    fi
}

# configure_and_build <build-dir> <cmake args...>
configure_and_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
    cmake --build "$dir" --parallel "$JOBS"
}
