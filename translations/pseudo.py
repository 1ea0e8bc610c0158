#!/usr/bin/env python3
"""Writes a pseudo translation of the window for the caption tests: every text of the given
.ts file translated into its English source with its a, e and o accented (á, é, ó), and, from 40 characters on, put in brackets ("[Thé répórt cóuld nót bé writtén tó %1.]"), so that a window under
it shows at a glance any text that bypasses the translations, and any caption that a longer
text would cut. The window has a fixed size whose top row leaves a few pixels per caption: the
accents and brackets are all the lengthening it takes, and translations keep to about the
English lengths there.

    pseudo.py SOURCE.ts OUTPUT.ts

Placeholders (%1, %n), line breaks and the file filters' patterns stay as they are. The texts
that are data rather than words keep their meaning: the language code (eo), the direction
(LTR) and Qt's date formats.
"""
import re
import sys
import xml.etree.ElementTree as ET

# Accents that keep a letter's width (and its kerning) in the window's face, so that the test
# measures the texts, not the accents: a text with a plain a, e or o left is no translation.
ACCENTED = str.maketrans("aeo", "áéó")
# Kept whole: placeholders, file patterns in parentheses, line breaks.
KEPT = re.compile(r"(%n|%\d|\([^)]*\*[^)]*\)|\n)")
DATA = {"en": "eo", "QT_LAYOUT_DIRECTION": "LTR"}


def pseudo(text):
    if text in DATA:
        return DATA[text]
    if re.fullmatch(r"[dMy\-. ,]+", text):  # a date format
        return text
    parts = KEPT.split(text)
    out = "".join(p if KEPT.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    # The window's captions have a few pixels each to spare: only sentences get brackets.
    return out if len(text) < 40 else "[" + out + "]"


def main(source, output):
    root = ET.parse(source).getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        text = message.find("source").text or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if forms:
            for form in forms[:1]:
                form.text = pseudo(text)
            for form in forms[1:]:
                translation.remove(form)
        else:
            translation.text = pseudo(text)
    with open(output, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(ET.tostring(root, encoding="unicode"))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
