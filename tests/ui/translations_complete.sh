#!/usr/bin/env bash
# translations_complete.sh LRELEASE FOLDER: every orvandel_*.ts in FOLDER compiles with every
# text translated: lrelease reports no unfinished and no untranslated text. A text added to the
# window since the last translation fails here until `update_translations` and a translator
# have run. Every translation keeps its source's placeholders (%1, %2): one lost or added would
# show the wrong value or a bare "%2".
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
python3 - "$folder"/orvandel_*.ts <<'PY' || status=1
import re
import sys
import xml.etree.ElementTree as ET

wrong = 0
for path in sys.argv[1:]:
    for message in ET.parse(path).getroot().iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        forms = [f.text or "" for f in translation.findall("numerusform")] or [translation.text or ""]
        for text in forms:
            if sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", source)):
                print(f"{path}: {source!r} -> {text!r} changes the placeholders", file=sys.stderr)
                wrong += 1
sys.exit(1 if wrong else 0)
PY
exit "$status"
