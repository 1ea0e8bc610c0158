#!/usr/bin/env python3
"""Checks the offset changes of the time-zone reader against Python's zoneinfo.

Usage: zone_sweep.py CHANGES START END
CHANGES holds, per zone, a line "zone NAME OFFSET" (the reader's offset at START) and then one
line "UTC BEFORE AFTER" per change in [START, END). Every change is checked on both sides, and
zoneinfo's own changes, found by sampling every six days and bisecting to the second, must each
be one of the listed changes. Prints one line per disagreement and a last line
"zones Z changes C disagreements D".
"""
import datetime
import sys
import zoneinfo

STEP = 6 * 86400


def offset(zone, t):
    return int(datetime.datetime.fromtimestamp(t, zone).utcoffset().total_seconds())


def main():
    path, start, end = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    zones = []  # (name, offset at start, {utc: (before, after)})
    for line in open(path):
        fields = line.split()
        if fields[0] == 'zone':
            zones.append((fields[1], int(fields[2]), {}))
        else:
            utc, before, after = map(int, fields)
            zones[-1][2][utc] = (before, after)
    bad = 0
    checked = 0

    def disagree(text):
        nonlocal bad
        bad += 1
        print(text)

    for name, first, changes in zones:
        zone = zoneinfo.ZoneInfo(name)
        if offset(zone, start) != first:
            disagree(f'{name} at {start}: reader {first}, zoneinfo {offset(zone, start)}')
        for utc, (before, after) in sorted(changes.items()):
            checked += 1
            seen = (offset(zone, utc - 1), offset(zone, utc))
            if seen != (before, after):
                disagree(f'{name} at {utc}: reader {before}->{after}, zoneinfo {seen[0]}->{seen[1]}')
        previous_t, previous = start, offset(zone, start)
        t = start
        while t < end:
            t = min(t + STEP, end)
            now = offset(zone, t)
            if now != previous:
                low, high = previous_t, t  # offset(low) == previous, offset(high) != previous
                while high - low > 1:
                    middle = (low + high) // 2
                    if offset(zone, middle) == previous:
                        low = middle
                    else:
                        high = middle
                if high not in changes:
                    disagree(f'{name}: zoneinfo changes at {high} '
                             f'({previous}->{offset(zone, high)}), the reader does not')
            previous_t, previous = t, now
    print(f'zones {len(zones)} changes {checked} disagreements {bad}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
