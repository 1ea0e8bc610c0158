#!/usr/bin/env bash
# Reads the window through the accessibility bus, as a screen reader does: starts a virtual X
# server, a session bus and the AT-SPI bus launcher (which starts the accessibility bus and its
# registry), then the window program with its bridge to that bus switched on, and lets
# read_accessibility.py find the program on the bus and check what it reads: the timetable's
# 42 times with their days and prayers, the numeric fields by their labels, the date, the city
# list. Then asks the program to quit and checks that it ends with exit code 0 and without a
# sanitizer report.
# Usage: accessibility_bus.sh <Orvandel> [lsan-suppressions]
# Exit status: 0 passed, 1 failed, 77 skipped (xvfb-run, dbus-run-session, the AT-SPI bus
# launcher or pyatspi is not installed).
set -uo pipefail

program=$1
suppressions=${2:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
# pyatspi is a Debian package of the system's Python; an interpreter earlier on the PATH (a
# virtual environment, pyenv) does not see it.
python=/usr/bin/python3

if [ -z "${ORVANDEL_TEST_UNDER_XVFB:-}" ]; then
    missing=()
    command -v xvfb-run >/dev/null || missing+=("xvfb-run (xvfb)")
    command -v dbus-run-session >/dev/null || missing+=("dbus-run-session (dbus)")
    command -v dbus-send >/dev/null || missing+=("dbus-send (dbus)")
    [ -x "$launcher" ] || missing+=("$launcher (at-spi2-core)")
    { [ -x "$python" ] && "$python" -c "import pyatspi" 2>/dev/null; } ||
        missing+=("pyatspi for $python (python3-pyatspi)")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "SKIP: not installed: ${missing[*]}"
        exit 77
    fi
    # A display of its own (see start_quit.sh) and a session bus of its own, which ends with
    # the test and takes the accessibility bus with it.
    ORVANDEL_TEST_UNDER_XVFB=1 exec xvfb-run -a -n $((100 + $$ % 800)) \
        dbus-run-session -- "$0" "$@"
fi

source "$here/quit_program.sh"
unset QT_QPA_PLATFORM  # the real X11 platform, whose bridge talks to the accessibility bus
if [ -n "$suppressions" ]; then
    export LSAN_OPTIONS="suppressions=$suppressions:${LSAN_OPTIONS:-}"
fi
log=$(mktemp)
pid=""
launcher_pid=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
    rm -f "$log"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    if [ -n "$pid" ]; then
        echo "--- standard error of $program:"
        cat "$log"
    fi
    exit 1
}

"$launcher" --launch-immediately --a11y=1 &
launcher_pid=$!
address=""
for _ in $(seq 1 100); do  # 10 s at most
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
    [ -n "$address" ] && break
    kill -0 "$launcher_pid" 2>/dev/null || fail "the AT-SPI bus launcher ended"
    sleep 0.1
done
[ -n "$address" ] || fail "the AT-SPI bus launcher gave no bus address within 10 s"

# The names of days and months the checks expect.
LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$log" &
pid=$!

LC_ALL=C.UTF-8 "$python" "$here/read_accessibility.py" "$pid" || fail "read_accessibility.py failed"

quit_program "$pid" TERM "$log"
pid=""
echo "PASS: $program read through the accessibility bus and quit with exit code 0"
