#!/usr/bin/env bash
# translations_complete.sh LRELEASE FOLDER: every orvandel_*.ts in FOLDER compiles with every
# text translated: lrelease reports no unfinished and no untranslated text. A text added to the
# window since the last translation fails here until `update_translations` and a translator
# have run.
set -euo pipefail
lrelease="$1"
folder="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
count=0
status=0
for ts in "$folder"/orvandel_*.ts; do
    report="$("$lrelease" "$ts" -qm "$out/$(basename "$ts" .ts).qm" 2>&1)"
    echo "$(basename "$ts"): $(echo "$report" | grep -E 'Generated|Ignored' | tr '\n' ' ')"
    if ! echo "$report" | grep -Eq 'finished and 0 unfinished'; then
        echo "  has unfinished texts" >&2
        status=1
    fi
    if echo "$report" | grep -q 'untranslated'; then
        echo "  has untranslated texts" >&2
        status=1
    fi
    count=$((count + 1))
done
[ "$count" -ge 8 ] || { echo "only $count translations in $folder" >&2; exit 1; }
exit "$status"
