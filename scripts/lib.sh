# Shared by scripts/run, scripts/test and scripts/bench: installs what the build needs and
# configures/builds a tree. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"
# Compiler cache keyed on paths relative to the checkout, so clones and worktrees share it.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"

# Debian packages, by purpose. Building and running the programs (scripts/run): compiler and
# build tools, the libraries, the ephemeris files, the time-zone data, the gazetteer (libgeonames
# with its data and translations, and GLib, read at build time only: the build writes the towns,
# their names in the window's languages and GLib's transliteration into a source of its own), the window's font, and the tools the build itself runs (rsvg-convert for
# the icons, help2man for a manual page, lupdate and lrelease with their CMake functions for the
# translations). The window's translations take Qt's own translations for the standard dialogs
# and the Noto UI faces for the Arabic and Bengali scripts.
# "name>=version" asks for at least that version: the catalogue's offsets follow the time-zone
# data of 2026f (Morocco on UTC+0 from 20 September 2026, British Columbia on UTC-7 from
# 1 November 2026), and the tests compare them with the installed data.
RUN_PACKAGES=(build-essential cmake pkg-config ccache
              qt6-base-dev libswe-dev swe-basic-data swe-standard-data
              libcli11-dev nlohmann-json3-dev libgeonames-dev libgeonames-common libglib2.0-dev
              "tzdata>=2026f" fonts-liberation2
              librsvg2-bin help2man
              qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-noto-ui-core)
# The Debian package (scripts/package, and a test that builds it): Debian's build tools and
# lintian, which checks the package.
PACKAGE_PACKAGES=(dpkg-dev debhelper lintian)
# The tests (scripts/test): GoogleTest and GoogleMock, libical to read back the iCalendar
# output, a virtual X server for the start/quit test, the validators of the installed desktop
# files and manual pages, pdftotext to read the crash report printed to a PDF file, and the
# package tools. For what assistive technology reads: Qt's private headers (the window's tests
# switch the offscreen platform's accessibility on), and for reading the window through the
# accessibility bus a session bus (dbus-run-session), the AT-SPI bus launcher and registry, and
# the system Python's pyatspi.
TEST_PACKAGES=(libgtest-dev libgmock-dev libical-dev python3
               xvfb xauth x11-utils
               qt6-base-private-dev dbus at-spi2-core python3-pyatspi
               desktop-file-utils appstream man-db poppler-utils
               "${PACKAGE_PACKAGES[@]}")
# The benchmarks (scripts/bench): Google Benchmark, the independent prayer-time library they
# compare against, perf for profiles, and Python for the comparison script.
BENCH_PACKAGES=(libbenchmark-dev libitl-dev linux-perf python3)

# unsatisfied_packages <package[>=version]...>: prints the names of the packages that are not
# installed or older than the version asked for, one per line.
unsatisfied_packages() {
    local wanted p min
    for wanted in "$@"; do
        p="${wanted%%>=*}"
        min=""
        [ "$p" != "$wanted" ] && min="${wanted#*>=}"
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$p"
        elif [ -n "$min" ] &&
            dpkg --compare-versions "$(dpkg-query -W -f='${Version}' "$p")" lt "$min"; then
            echo "$p"
        fi
    done
}

# ensure_packages <package[>=version]...>: installs (or upgrades) those of the packages that
# are missing or older than the version asked for. The package lists are refreshed when the
# first try fails or leaves a package too old (a new machine's lists may predate the update).
ensure_packages() {
    local missing=()
    mapfile -t missing < <(unsatisfied_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    local line="apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing or outdated Debian packages. Run as root:"
        echo "  sudo apt-get update && sudo $line"
        exit 1
    fi
    echo ">> installing: ${missing[*]}"
    if DEBIAN_FRONTEND=noninteractive $line; then
        mapfile -t missing < <(unsatisfied_packages "$@")
        [ ${#missing[@]} -eq 0 ] && return 0
    fi
    DEBIAN_FRONTEND=noninteractive apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    mapfile -t missing < <(unsatisfied_packages "$@")
    if [ ${#missing[@]} -ne 0 ]; then
        echo "These Debian packages are still missing or older than needed: ${missing[*]}" >&2
        exit 1
    fi
}

# configure_and_build <build-dir> <cmake args...>
configure_and_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
    cmake --build "$dir" --parallel "$JOBS"
}
