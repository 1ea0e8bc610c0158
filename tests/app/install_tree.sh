#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks what a desktop expects of it: the
# two programs in bin, their manual pages, the menu entry, the metainfo and the icons (which
# check_installed.sh validates in depth). The installed
# orvandel-table must print a week; the installed window, when built, must start and quit
# under a virtual X server with the packaged ephemeris files (start_quit.sh).
# Usage: install_tree.sh <build-dir> <ephemeris-folder> <with-window: ON|OFF> [lsan-suppressions]
set -uo pipefail

build=$1
ephedir=$2
with_window=$3
suppressions=${4:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

entry=share/applications/org.example.orvandel.desktop
pieces=(bin/orvandel-table share/man/man1/orvandel-table.1)
if [ "$with_window" = ON ]; then
    pieces=(bin/Orvandel share/man/man1/Orvandel.1 "$entry"
            share/metainfo/org.example.orvandel.metainfo.xml
            share/icons/hicolor/scalable/apps/orvandel.svg
            share/icons/hicolor/48x48/apps/orvandel.png "${pieces[@]}")
fi
for piece in "${pieces[@]}"; do
    [ -f "$prefix/$piece" ] || fail "$piece is not installed"
done
for program in bin/Orvandel bin/orvandel-table; do
    [ -f "$prefix/$program" ] && { [ -x "$prefix/$program" ] || fail "$program is not executable"; }
done
if [ "$with_window" = ON ]; then
    grep -qx "Exec=Orvandel" "$prefix/$entry" || fail "the menu entry does not start Orvandel"
fi

# The week of Wednesday 10 April 2024 at Mecca: Saturday 6 to Friday 12 April, the chosen
# day marked, and 1 Shawwal 1445 on that Wednesday.
table=$(cd "$prefix" && "$prefix/bin/orvandel-table" --city Mecca --date 2024-04-10) ||
    fail "the installed orvandel-table failed"
rows=$(grep -oE "^[ *] (Sat|Sun|Mon|Tue|Wed|Thu|Fri) [0-9]{2}-Apr-2024 " <<<"$table" |
       cut -c3-17 | tr '\n' ',')
[ "$rows" = "Sat 06-Apr-2024,Sun 07-Apr-2024,Mon 08-Apr-2024,Tue 09-Apr-2024,Wed 10-Apr-2024,Thu 11-Apr-2024,Fri 12-Apr-2024," ] ||
    fail "the installed orvandel-table did not print the week: $table"
grep -qE "^\* Wed 10-Apr-2024  1 Shawwal 1445 " <<<"$table" ||
    fail "the chosen day is not marked with its Hijri date: $table"

# The command reads the time-zone database itself: the installation holds no library of its
# own for it to load.
private=$(find "$prefix" -name '*.so*')
[ -z "$private" ] || fail "the installation holds shared libraries: $private"

if [ "$with_window" = ON ]; then
    # The window must carry the class the menu entry expects, so that docks match the two.
    ORVANDEL_WM_CLASS=$(sed -n 's/^StartupWMClass=//p' "$prefix/$entry") \
        "$here/start_quit.sh" "$prefix/bin/Orvandel" "$ephedir" "$suppressions"
    case $? in
        0) ;;
        77) echo "(the installed window was not started: no virtual X server here)" ;;
        *) fail "the installed Orvandel did not start and quit cleanly" ;;
    esac
fi
echo "PASS: installed into a temporary prefix: ${pieces[*]}; the installed orvandel-table printed a week"
