#!/usr/bin/env bash
# Starts the window program under a virtual X server, waits until its window is mapped (the
# first table is computed before that), checks that it reads the ephemeris files of
# <ephemeris-folder>, asks it to quit with SIGTERM as a session manager would (or with the
# signal named, e.g. HUP as when its terminal goes away), and checks that
# it ends with exit code 0 and without a sanitizer or crash report. The window must carry the
# program's icon, and the class ORVANDEL_WM_CLASS when that is set. The signal HUP-ignored
# starts the program with SIGHUP ignored, as `nohup` does, checks that it still ignores
# SIGHUP once its window is shown, and then asks it to quit with SIGTERM.
# Usage: start_quit.sh <Orvandel> <ephemeris-folder> [lsan-suppressions] [signal]
# Exit status: 0 passed, 1 failed, 77 skipped (no xvfb-run or xwininfo).
set -uo pipefail

program=$1
ephedir=$2
suppressions=${3:-}
signal=${4:-TERM}

if [ -z "${ORVANDEL_TEST_UNDER_XVFB:-}" ]; then
    for tool in xvfb-run xwininfo xprop; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (Debian packages xvfb, x11-utils)"
            exit 77
        fi
    done
    # xvfb-run -a takes the first display number without a lock file, from 99 unless told:
    # two runs at once (other checkouts on the same machine) could both take 99, and one
    # program would then talk to the other's server. Each run starts its search elsewhere.
    ORVANDEL_TEST_UNDER_XVFB=1 exec xvfb-run -a -n $((100 + $$ % 800)) "$0" "$@"
fi

source "$(dirname "${BASH_SOURCE[0]}")/quit_program.sh"
unset QT_QPA_PLATFORM  # the real X11 platform, not the offscreen one the unit tests use
if [ -n "$suppressions" ]; then
    export LSAN_OPTIONS="suppressions=$suppressions:${LSAN_OPTIONS:-}"
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT

if [ "$signal" = HUP-ignored ]; then
    (trap '' HUP && exec "$program") 2>"$log" &
else
    "$program" 2>"$log" &
fi
pid=$!

fail() {
    echo "FAIL: $*"
    kill -KILL "$pid" 2>/dev/null
    echo "--- standard error of $program:"
    cat "$log"
    exit 1
}

title="Tovrek   -   Orvandel"
shown=""
for _ in $(seq 1 300); do  # 30 s at most
    info=$(xwininfo -name "$title" 2>/dev/null)
    if grep -q "IsViewable" <<<"$info"; then
        shown=yes
        break
    fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window was shown"
    sleep 0.1
done
[ -n "$shown" ] || fail "no window \"$title\" was shown within 30 s"
grep -q "Width: 792" <<<"$info" && grep -q "Height: 520" <<<"$info" ||
    fail "the window is not 792 x 520: $info"

# The icon the window gives the window manager, in several sizes, and its class. xprop reads
# no more than about 500 kB of a property unless told: the icon of every size is larger, and
# the theme's order (the installed program's icon comes from the hicolor theme) may put a
# small size after the 256 px one.
properties=$(xprop -len 16777216 -name "$title" _NET_WM_ICON WM_CLASS 2>&1)
for size in 16 32 48; do
    grep -q "Icon ($size x $size)" <<<"$properties" ||
        fail "the window has no $size px icon: $(grep -v '^ ' <<<"$properties")"
done
if [ -n "${ORVANDEL_WM_CLASS:-}" ]; then
    grep -qE "^WM_CLASS\(STRING\) = \"[^\"]*\", \"$ORVANDEL_WM_CLASS\"$" <<<"$properties" ||
        fail "the window's class is not $ORVANDEL_WM_CLASS: $(grep WM_CLASS <<<"$properties")"
fi

# The first table was computed with the moon file of the expected folder, which the library
# keeps open until it is closed at shutdown.
open_files=$(ls -l "/proc/$pid/fd" 2>/dev/null)
grep -q -- "-> $ephedir/semo_18.se1" <<<"$open_files" ||
    fail "the program has no $ephedir/semo_18.se1 open: $open_files"

if [ "$signal" = HUP-ignored ]; then
    # Bit 0 of the masks is SIGHUP: ignored, and no handler of the program's own.
    ignored=$(awk '/^SigIgn:/ { print $2 }' "/proc/$pid/status")
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status")
    (( (0x$ignored & 1) == 1 && (0x$caught & 1) == 0 )) ||
        fail "SIGHUP is no longer ignored (SigIgn $ignored, SigCgt $caught)"
    signal=TERM
fi
quit_program "$pid" "$signal" "$log"
echo "PASS: $program started, showed its window, read $ephedir and quit on SIG$signal with exit code 0"
