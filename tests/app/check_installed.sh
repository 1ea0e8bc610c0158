#!/usr/bin/env bash
# Checks one aspect of an installed tree with the validator a Debian desktop uses, and fails
# on anything the validator reports.
# Usage: check_installed.sh <check> <prefix> <desktop-id> [argument]
#   desktop   the menu entry passes desktop-file-validate without a message; its icon is in the
#             hicolor theme as SVG and as PNGs of every size, each PNG as large as its folder says
#   metainfo  the AppStream metainfo passes appstreamcli validate (pedantic, offline) without a
#             message, and names the installed menu entry as the program to launch
#   man       every manual page renders with man --warnings without a warning; orvandel-table(1)
#             lists every option of orvandel-table --help, the exit status and each example
#             line of the README given as argument, and that README is installed in the
#             package's documentation folder, where the window's footer link finds it
#   zones     the installed orvandel-table reads the system's time-zone database: a summer day
#             in Europe/Berlin is on +02:00
#   translations  the window's compiled translations (at least eight) are installed where the
#             program looks for them, and the menu entry and the metainfo carry each language's
#             name and summary
#   version   orvandel-table --version prints "orvandel-table <argument>" and exits with 0; the
#             metainfo's newest release and the manual pages name the same version
set -uo pipefail

check=$1
prefix=$2
id=$3
argument=${4:-}

fail() {
    echo "FAIL: $*"
    exit 1
}
need() {  # need <program> <Debian package>
    command -v "$1" >/dev/null || fail "$1 is not installed (Debian package $2)"
}

entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
man1="$prefix/share/man/man1"
table="$prefix/bin/orvandel-table"

case $check in
desktop)
    need desktop-file-validate desktop-file-utils
    [ -f "$entry" ] || fail "$entry is not installed"
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed: $report"
    [ -z "$report" ] || fail "desktop-file-validate reports: $report"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -n "$icon" ] || fail "the menu entry names no icon"
    hicolor="$prefix/share/icons/hicolor"
    grep -q "<svg" "$hicolor/scalable/apps/$icon.svg" 2>/dev/null ||
        fail "no SVG icon $hicolor/scalable/apps/$icon.svg"
    for size in 16 24 32 48 64 128 256; do
        png="$hicolor/${size}x${size}/apps/$icon.png"
        [ -f "$png" ] || fail "$png is not installed"
        # A PNG starts with its 8-byte signature and the IHDR chunk: width and height, 4 bytes
        # each, big-endian, from byte 16.
        read -r -a header < <(od -An -tu1 -N24 "$png" | tr -s ' \n' '  ')
        signature="${header[*]:0:8}"
        [ "$signature" = "137 80 78 71 13 10 26 10" ] || fail "$png is no PNG"
        width=$(( (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19] ))
        height=$(( (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23] ))
        [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
            fail "$png is $width x $height px, not $size x $size"
    done
    echo "PASS: $entry validates without a message; icon $icon as SVG and PNGs of 16 to 256 px"
    ;;
metainfo)
    need appstreamcli appstream
    [ -f "$metainfo" ] || fail "$metainfo is not installed"
    report=$(appstreamcli validate --no-net --pedantic --strict "$metainfo" 2>&1) ||
        fail "appstreamcli validate failed: $report"
    issues=$(grep -E '^[EWIP]: ' <<<"$report")
    [ -z "$issues" ] || fail "appstreamcli validate reports: $issues"
    grep -q "<id>$id</id>" "$metainfo" || fail "the component id is not $id"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -f "$prefix/share/applications/$launchable" ] ||
        fail "the launchable \"$launchable\" is not an installed menu entry"
    echo "PASS: $metainfo validates without a message and launches $launchable"
    ;;
translations)
    folder="$prefix/share/orvandel/translations"
    languages=$(find "$folder" -name 'orvandel_*.qm' -printf '%f\n' 2>/dev/null |
        sed 's/^orvandel_\(.*\)\.qm$/\1/' | sort)
    [ "$(wc -w <<<"$languages")" -ge 8 ] || fail "fewer than 8 translations in $folder: $languages"
    for language in $languages; do
        grep -q "^GenericName\[$language\]=" "$entry" || fail "$entry has no GenericName[$language]"
        grep -q "^Comment\[$language\]=" "$entry" || fail "$entry has no Comment[$language]"
        grep -q "<summary xml:lang=\"$language\">" "$metainfo" ||
            fail "$metainfo has no summary in $language"
    done
    # The menu names the program in Arabic script too, where "Orvandel" would stand alone.
    grep -q "^Name\[ar\]=" "$entry" || fail "$entry has no Name[ar]"
    echo "PASS: translations installed and named in the menu entry and metainfo:" $languages
    ;;
man)
    need man man-db
    cmp -s "$argument" "$prefix/share/doc/orvandel/README.md" ||
        fail "the README is not installed as $prefix/share/doc/orvandel/README.md"
    pages=("$man1"/*.1)
    [ -f "$man1/orvandel-table.1" ] || fail "orvandel-table.1 is not installed in $man1"
    for page in "${pages[@]}"; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man --warnings on $(basename "$page"): $warnings"
    done
    text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man1/orvandel-table.1" 2>/dev/null)
    [ -n "$text" ] || fail "orvandel-table.1 renders empty"
    help=$("$table" --help) || fail "orvandel-table --help failed"
    options=$(grep -oE '(^|[ ,])--[a-z0-9][a-z0-9-]*' <<<"$help" | tr -d ' ,' | sort -u)
    [ -n "$options" ] || fail "orvandel-table --help lists no option"
    for option in $options; do
        grep -qe "$option" <<<"$text" || fail "orvandel-table(1) does not list $option"
    done
    grep -q "^EXIT STATUS" <<<"$text" || fail "orvandel-table(1) has no EXIT STATUS section"
    examples=$(sed -n 's/^    \(orvandel-table --.*\)$/\1/p' "$argument")
    [ -n "$examples" ] || fail "no example in $argument"
    while IFS= read -r example; do
        grep -qF -- "$example" <<<"$text" || fail "orvandel-table(1) lacks the example: $example"
    done <<<"$examples"
    echo "PASS: ${#pages[@]} manual pages render without a warning; orvandel-table(1) lists" \
         "$(wc -w <<<"$options") options, the exit status and $(wc -l <<<"$examples") examples"
    ;;
version)
    printed=$("$table" --version) || fail "orvandel-table --version exited with $?"
    [ "$printed" = "orvandel-table $argument" ] ||
        fail "orvandel-table --version printed \"$printed\", not \"orvandel-table $argument\""
    if [ -f "$metainfo" ]; then
        release=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
        [ "$release" = "$argument" ] || fail "the metainfo's newest release is $release"
    fi
    for page in "$man1"/*.1; do
        grep -q "^\.TH .*$argument" "$page" || fail "$(basename "$page") does not name $argument"
    done
    echo "PASS: orvandel-table --version printed \"$printed\"; metainfo and manual pages agree"
    ;;
zones)
    row=$("$table" --lat 52.52 --lon 13.405 --tz Europe/Berlin --from 2024-07-10 --days 1 \
          --format csv) || fail "orvandel-table --tz Europe/Berlin exited with $?: $row"
    grep -q "^2024-07-10,.*,+02:00$" <<<"$row" || fail "no summer-time row for Berlin: $row"
    echo "PASS: the installed orvandel-table read Europe/Berlin: $(tail -1 <<<"$row")"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
