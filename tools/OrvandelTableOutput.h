#pragma once
// Rendering of computed timetable rows for orvandel-table: an aligned text table, CSV, JSON
// and an iCalendar file, plus the list of catalogue cities. Every renderer returns the whole
// text, so that nothing reaches the terminal when a later row fails.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "timetable/Timetable.h"
#include "timetable/TableClock.h"
#include "tools/OrvandelTableCommand.h"

namespace orvandel::table {

// Decimal hours as "H:MM:SS", seconds truncated, hours not wrapped (24.25 -> "24:15:00");
// a negative time gets a leading "-". A value within a microsecond below a whole second counts
// as that second, so that 4 + 35/60 shows 4:35:00 whatever its last bit. EInvalidOp for NaN
// or infinity.
std::string FormatHoursWithSeconds(double hours);

// The time of prayer p (0 Fajr ... 5 Isha) of a row as the csv, json and text outputs show
// it: the window's Latin line without its leading blank ("4:35", "24:15"), or H:MM:SS when
// `seconds`.
std::string ShownTime(const TimetableDay& day, int prayer, bool seconds);

// "Saturday" ... "Friday" of a row; "2024-04-10" of a row.
std::string_view EnglishWeekday(const TimetableDay& day);
std::string IsoDate(const TimetableDay& day);

// Each renderer takes the rows and, for each row, where its times lie (ComputeClockedDays).
// With request.IsoTimes every time is the wall-clock date-time of its instant with its offset
// (2025-07-01T04:47:00+01:00), empty for an event that does not happen.

// The aligned table: a heading with the place, the zone and the options, then one line per
// row. The row `markedRow` (index into rows, or -1 for none) starts with "*".
std::string RenderText(const TableRequest& request, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times, int markedRow);
// Header line date,weekday,hijri_day,hijri_month,hijri_year,fajr,shrook,dhuhr,asr,maghrib,isha,
// utc_offset then one line per row; the Hijri fields are empty where the conversion did not
// complete; utc_offset ("+01:00") is the row's clock, the offset at its day's 12:00.
std::string RenderCsv(const TableRequest& request, std::span<const TimetableDay> rows,
                      std::span<const RowTimes> times);
// An array of objects with the csv's fields; Hijri fields are numbers (null where the
// conversion did not complete), times and utc_offset strings.
std::string RenderJson(const TableRequest& request, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times);

// The local ISO 8601 date-time of an event of `day` (IsoDateTime); ERangeError naming it
// ("Isha of 9999-12-31") when its local date lies outside years 0..9999, which the form cannot
// hold.
std::string EventIsoDateTime(std::string_view name, const TimetableDay& day, int64_t utc,
                             int offset);

// iCalendar text: a TEXT value with backslash, semicolon and comma escaped, line breaks
// written as \n, every other control character but tab (0x00-0x1f, 0x7f) dropped and each byte
// that begins no well-formed UTF-8 character replaced by U+FFFD; one content line ended by CRLF
// and folded so that no physical line exceeds 75 octets, never inside a UTF-8 character; a UTC
// DATE-TIME "YYYYMMDDTHHMMSSZ" of an instant (seconds since 1970-01-01 00:00 UTC), ERangeError
// outside years 0..9999 (year 0 holds the UTC instants of early events of 1 January 1 east of
// Greenwich).
std::string EscapeIcalText(std::string_view text);
std::string IcalContentLine(std::string_view line);
std::string IcalUtcDateTime(int64_t utc);
// An iCalendar object: one VEVENT per prayer and row whose event happens, SUMMARY the prayer's
// name, DTSTART the instant of the time in UTC (on the event's own date), a UID that depends
// only on the row's day, the prayer and the place, DTSTAMP `stampUtc`. EInvalidOp for
// sunset-based rows (their times are not clock times) and ERangeError, naming the time, for an
// instant outside years 0..9999 in UTC (an evening of 31 December 9999 west of Greenwich).
std::string RenderIcs(const TableRequest& request, std::span<const TimetableDay> rows,
                      std::span<const RowTimes> times, int64_t stampUtc);

// The visible catalogue, group by group, one city per line with its coordinates, zone and
// calculation method.
std::string RenderCityList();

// The warning for the rows from the Hijri epoch on whose Hijri date could not be computed:
// "no Hijri date could be computed for 5500-01-01 to 5500-03-09, 5600-01-01", consecutive
// days joined into runs, at most 8 runs and then how many days more; empty when there are
// none. Rows before the epoch have no Hijri date to compute.
std::string MissingHijriDates(std::span<const TimetableDay> rows);

}  // namespace orvandel::table
