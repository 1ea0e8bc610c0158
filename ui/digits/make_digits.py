#!/usr/bin/env python3
"""Writes the 30 digit images of the timetable (Arabic-Indic digits 0-9, a colon and a minus
sign, and the Eastern Arabic-Indic 4, 5 and 6 of Persian and Urdu, black and red) as 10 x 16 RGBA PNG files next to this script. Run once after changing a glyph and commit
the PNG files: the program loads them as Qt resources and never draws them itself.

Every glyph keeps its ink inside pixel rows 2 to 12; '#' is ink, '.' is transparent.
"""
import os
import struct
import zlib

WIDTH, HEIGHT = 10, 16
BLANK = "." * WIDTH

# Rows 2..12 of each glyph (11 rows); rows 0, 1, 13, 14, 15 stay empty.
GLYPHS = {
    0: [BLANK] * 5 + [  # a small diamond, rows 7..10
        "....##....",
        "...####...",
        "...####...",
        "....##....",
    ] + [BLANK] * 2,
    1: [
        "...##.....",
        "...###....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
    ],
    2: [
        "...##...##",
        "...##..##.",
        "...######.",
        "...####...",
        "...##.....",
        "...##.....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
    ],
    3: [
        "..#..#..#.",
        "..#..#..#.",
        "..##.##.#.",
        "..######..",
        "..##......",
        "..##......",
        "...##.....",
        "...##.....",
        "...##.....",
        "...##.....",
        "...##.....",
    ],
    4: [
        "....####..",
        "...##.....",
        "..##......",
        "..##......",
        "...##.....",
        "....###...",
        "...##.....",
        "..##......",
        "..##......",
        "...###....",
        "....#####.",
    ],
    5: [BLANK] * 2 + [  # a rounded loop, rows 4..11
        "....##....",
        "...####...",
        "..##..##..",
        "..##..##..",
        ".##....##.",
        ".##....##.",
        ".##....##.",
        "..######..",
    ] + [BLANK],
    6: [
        "..######..",
        "......##..",
        "......##..",
        ".....##...",
        ".....##...",
        ".....##...",
        ".....##...",
        ".....##...",
        ".....##...",
        ".....##...",
        ".....##...",
    ],
    7: [
        "##......##",
        ".##....##.",
        ".##....##.",
        "..##..##..",
        "..##..##..",
        "..##..##..",
        "...####...",
        "...####...",
        "...####...",
        "....##....",
        "....##....",
    ],
    8: [
        "....##....",
        "....##....",
        "...####...",
        "...####...",
        "...####...",
        "..##..##..",
        "..##..##..",
        "..##..##..",
        ".##....##.",
        ".##....##.",
        "##......##",
    ],
    9: [
        "...####...",
        "..##..##..",
        "..##..##..",
        "..##..##..",
        "...#####..",
        "......##..",
        "......##..",
        "......##..",
        "......##..",
        "......##..",
        "......##..",
    ],
    10: [BLANK] * 3 + [  # the colon: two 1 x 2 dots in column 4, rows 5-6 and 11-12
        "....#.....",
        "....#.....",
    ] + [BLANK] * 4 + [
        "....#.....",
        "....#.....",
    ],
    11: [BLANK] * 5 + [  # the minus sign: a bar of 6 x 2 pixels, rows 7-8
        "..######..",
        "..######..",
    ] + [BLANK] * 4,
}

# The Eastern Arabic-Indic forms that Persian and Urdu write for four, five and six (U+06F4 to
# U+06F6); their other digits are those above. Written as <colour>_eastern_<digit>.png.
EASTERN_GLYPHS = {
    4: [  # a stem, and at its top right a hook open to the right
        ".##..####.",
        ".##.##....",
        ".##.##....",
        ".##..#####",
        ".#######..",
        ".##.......",
        ".##.......",
        ".##.......",
        ".##.......",
        ".##.......",
        ".##.......",
    ],
    5: [BLANK] + [  # a heart upside down: a point at the top, two lobes at the foot, rows 3..11
        "....##....",
        "...####...",
        "..##..##..",
        ".##....##.",
        ".##....##.",
        ".##....##.",
        ".##.##.##.",
        "..##..##..",
    ] + [BLANK] * 2,
    6: [  # a hook open to the right at the top, the stroke down to the left
        "....####..",
        "...##.....",
        "...##.....",
        "....##..##",
        ".....####.",
        "......##..",
        ".....##...",
        "....##....",
        "...##.....",
        "..##......",
        ".##.......",
    ],
}

COLOURS = {"black": (0, 0, 0), "red": (255, 0, 0)}


def png_bytes(rows, colour):
    """An 8-bit RGBA PNG of the glyph: ink opaque in `colour`, everything else transparent."""
    raw = bytearray()
    for line in rows:
        raw.append(0)  # filter type None
        for ch in line:
            raw.extend((*colour, 255) if ch == "#" else (0, 0, 0, 0))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for glyphs, form in ((GLYPHS, ""), (EASTERN_GLYPHS, "eastern_")):
        for index, middle in glyphs.items():
            assert len(middle) == 11 and all(len(r) == WIDTH for r in middle), index
            rows = [BLANK, BLANK] + middle + [BLANK] * 3
            assert len(rows) == HEIGHT
            for name, colour in COLOURS.items():
                with open(os.path.join(here, f"{name}_{form}{index}.png"), "wb") as out:
                    out.write(png_bytes(rows, colour))


if __name__ == "__main__":
    main()
