#!/usr/bin/env bash
# Builds the Debian package with scripts/package (which fails when lintian reports an error or
# a warning) and checks the package: its version is the project's, its dependencies name the
# ephemeris data, the time-zone data and the shared libraries the programs load, every program
# has its manual page and every page its program, the menu entry, metainfo and icons are where
# Debian puts them, and nothing lies outside /usr. The checkout must be left as it was.
# Usage: package.sh <source-dir> <output-dir> <version> <desktop-id>
# Exit status: 0 passed, 1 failed, 77 skipped (Debian's package tools are not installed).
set -uo pipefail

source_dir=$1
out=$2
version=$3
id=$4

for tool in dpkg-buildpackage dh lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages dpkg-dev, debhelper, lintian)"
        exit 77
    fi
done
fail() {
    echo "FAIL: $*"
    exit 1
}

git_status() { git -C "$source_dir" status --porcelain --ignored=no 2>/dev/null; }
before=$(git_status)
mkdir -p "$out"
log="$out/package.log"
if ! "$source_dir/scripts/package" "$out" >"$log" 2>&1; then
    tail -n 60 "$log"
    fail "scripts/package failed (whole log: $log)"
fi
[ "$(git_status)" = "$before" ] || fail "building the package changed the checkout: $(git_status)"

debs=("$out"/orvandel_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single orvandel_${version}_*.deb in $out"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
    fail "the package's version is $(dpkg-deb -f "$deb" Version), the project's $version"
depends=$(dpkg-deb -f "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for package in swe-basic-data swe-standard-data tzdata libswe2.0 libqt6widgets6; do
    grep -qx "$package" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
# The towns are compiled in: nothing of libgeonames or GLib is loaded at run time.
for package in libgeonames0 libgeonames-common libglib2.0-0; do
    ! grep -qx "$package" <<<"$depends" || fail "the package depends on $package: $depends"
done
built_using=$(dpkg-deb -f "$deb" Built-Using)
grep -qE '(^|, )geonames \(= ' <<<"$built_using" ||
    fail "the package does not name the libgeonames source its towns came from: $built_using"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||')
outside=$(grep -v '^usr/' <<<"$files")
[ -z "$outside" ] || fail "files outside /usr: $outside"
for file in usr/bin/Orvandel usr/bin/orvandel-table \
            "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            usr/share/icons/hicolor/scalable/apps/orvandel.svg \
            usr/share/icons/hicolor/48x48/apps/orvandel.png \
            usr/share/doc/orvandel/copyright usr/share/doc/orvandel/changelog.gz; do
    grep -qx "$file" <<<"$files" || fail "the package lacks $file"
done
programs=$(sed -n 's|^usr/bin/||p' <<<"$files" | sort)
pages=$(sed -n 's|^usr/share/man/man1/\(.*\)\.1\.gz$|\1|p' <<<"$files" | sort)
[ "$programs" = "$pages" ] ||
    fail "programs and manual pages differ: programs $(echo $programs), pages $(echo $pages)"

echo "PASS: $(basename "$deb") built, lintian reports nothing; programs with their pages:" \
     $programs
