#!/usr/bin/env python3
"""Reads the Orvandel window of the process given as argument through the accessibility bus,
as a screen reader does, and checks what it reads: the timetable is a table of 7 days by 6
prayers whose cells are the shown times ("4:46 AM", the window starts on the 12-hour clock),
headed by the days and the prayers, with today's row selected; the numeric fields are named by
their labels; the date field reads today's date; the city list holds its groups and the open
group's cities, Mecca chosen. Exit status 0 when all holds, 1 with the reason otherwise.

Run with the C locale's names of days and months (LC_ALL=C.UTF-8), as the program is."""

import datetime
import re
import sys
import time

import pyatspi

TRIES = 300  # bounded polls of the bus, 0.1 s apart: 30 s at most
TIME = re.compile(r"^(1[0-2]|[1-9]):[0-5][0-9] [AP]M$")
# Right to left, as the window starts.
PRAYERS = ["Isha", "Maghrib", "Asr", "Dhuhr", "Shrook", "Fajr"]
FIELDS = ["Latitude", "Longitude", "GMT hours", "GMT minutes", "Elevation"]
DAY_HEADER = re.compile(
    r"^(Saturday|Sunday|Monday|Tuesday|Wednesday|Thursday|Friday) [0-9]{1,2} "
    r"(January|February|March|April|May|June|July|August|September|October|November|"
    r"December) [0-9]{4}, ")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def descendants(accessible):
    """The accessible and everything under it, depth first."""
    yield accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from descendants(child)


def application(pid):
    """The application of process `pid` once it is on the bus, else None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that left the bus meanwhile
            continue
    return None


def timetable(app):
    """The window's timetable once it holds a computed week, else None."""
    for accessible in descendants(app):
        if accessible.getRole() == pyatspi.ROLE_TABLE and accessible.name == "Prayer times":
            table = accessible.queryTable()
            first = table.getAccessibleAt(0, 0)
            return accessible if first is not None and first.name else None
    return None


def poll(what, read):
    """Asks `read` until it gives something, at most TRIES times."""
    for _ in range(TRIES):
        found = read()
        if found is not None:
            return found
        time.sleep(0.1)
    raise Failure(f"no {what} on the accessibility bus within {TRIES / 10:.0f} s")


def long_date(day):
    return f"{day:%A} {day.day} {day:%B %Y}"


def check_table(accessible, today_texts):
    table = accessible.queryTable()
    check(table.nRows == 7 and table.nColumns == 6,
          f"the table has {table.nRows} rows and {table.nColumns} columns, not 7 and 6")
    headers = [table.getColumnHeader(column).name for column in range(6)]
    check(headers == PRAYERS, f"the column headers read {headers}")
    times = 0
    for row in range(7):
        header = table.getRowHeader(row).name
        check(DAY_HEADER.match(header), f"row {row}'s header reads {header!r}")
        check(header == table.getRowDescription(row),
              f"row {row}'s header {header!r} and description differ")
        for column in range(6):
            name = table.getAccessibleAt(row, column).name
            check(TIME.match(name), f"the time of row {row}, column {column} reads {name!r}")
            morning = PRAYERS[column] in ("Fajr", "Shrook")
            check(name.endswith("AM") == morning,
                  f"{PRAYERS[column]} of row {row} reads {name!r}")
            times += 1
    selected = list(table.getSelectedRows())
    check(len(selected) == 1, f"the selected rows are {selected}")
    chosen = table.getRowHeader(selected[0]).name.split(",")[0]
    check(chosen in today_texts, f"the chosen row is {chosen!r}, not today {today_texts}")
    return times


def check_fields(app):
    names = {}
    for accessible in descendants(app):
        if accessible.getRole() == pyatspi.ROLE_SPIN_BUTTON:
            names[accessible.name] = accessible
    for field in FIELDS:
        check(field in names, f"no field named {field!r}; the spin buttons read {sorted(names)}")
    return len(FIELDS)


def check_date(app, today_texts):
    for accessible in descendants(app):
        if accessible.name == "Date" and accessible.getRole() == pyatspi.ROLE_TEXT:
            text = accessible.queryText()
            shown = text.getText(0, text.characterCount)
            check(shown in today_texts, f"the date field reads {shown!r}, not {today_texts}")
            return
    raise Failure("no text field named 'Date'")


def check_cities(app):
    for accessible in descendants(app):
        if accessible.getRole() != pyatspi.ROLE_LIST:
            continue
        groups = [accessible.getChildAtIndex(g) for g in range(accessible.childCount)]
        cities = [(group.getChildAtIndex(c), group.name) for group in groups
                  for c in range(group.childCount)]
        chosen = [city.name for city, _ in cities
                  if city.getState().contains(pyatspi.STATE_SELECTED)]
        if any(city.name == "Mecca" for city, _ in cities):
            check(len(groups) > 1 and len(cities) > 1,
                  f"the city list reads {len(groups)} groups and {len(cities)} cities")
            check(chosen == ["Mecca"], f"the chosen cities are {chosen}")
            return len(groups), len(cities)
    raise Failure("no list with the city Mecca")


def main():
    pid = int(sys.argv[1])
    app = poll("application of process %d" % pid, lambda: application(pid))
    table = poll("timetable with its times", lambda: timetable(app))
    # The program read the clock at its start; a test run across midnight sees either day.
    today_texts = {long_date(datetime.date.today()),
                   long_date(datetime.date.today() - datetime.timedelta(days=1))}
    times = check_table(table, today_texts)
    fields = check_fields(app)
    check_date(app, today_texts)
    groups, cities = check_cities(app)
    print(f"read {times} times with 7 days and 6 prayers as headers, {fields} named fields, "
          f"the date, {groups} city groups and {cities} cities of the open group")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
