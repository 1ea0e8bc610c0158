#pragma once
// The writers of computed rows: the aligned text table, CSV, JSON and an iCalendar file,
// written alike by orvandel-table and by the window's Save as (TableFormats names them). Every
// writer returns the whole text, so that nothing is written when a later row fails.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "timetable/TableClock.h"
#include "timetable/Timetable.h"

namespace orvandel {

// What the writers need besides the rows.
struct TableOutputOptions {
    TimetableSettings Settings;  // place, methods and options; Date is the chosen day
    std::string PlaceName;       // the city's caption, or the coordinates as text
    bool PlaceIsCity = true;     // false when the coordinates alone name the place
    bool Seconds = false;        // times as H:MM:SS from the unrounded hours
    // The time zone the times are shown on, as shown ("Europe/London"); empty for the fixed
    // zone of Settings.
    std::string TimeZone;
    bool IsoTimes = false;     // times as local ISO 8601 date-times with their offsets
    bool IsoTimesUtc = false;  // with IsoTimes: the instants in UTC ("...Z") instead
    // The iCalendar file: which of the six times become events (index p, 0 Fajr ... 5 Isha),
    // and a reminder that many minutes before each event (none when empty).
    std::array<bool, 6> Events{true, true, true, true, true, true};
    std::optional<int> AlarmMinutes;
    int MarkedRow = -1;    // the text table: the row (index into the rows) marked "*", -1 none
    int64_t StampUtc = 0;  // the iCalendar file's DTSTAMP, seconds since 1970 UTC
};

// Decimal hours as "H:MM:SS", seconds truncated, hours not wrapped (24.25 -> "24:15:00"), or
// with `twelveHours` the hour in the table's 12-hour form (13.5 -> "1:30:00"); a negative time
// gets a leading "-". A value within a microsecond below a whole second counts as that second,
// so that 4 + 35/60 shows 4:35:00 whatever its last bit. EInvalidOp for NaN or infinity.
std::string FormatHoursWithSeconds(double hours, bool twelveHours = false);
// The time of prayer p (0 Fajr ... 5 Isha) of a row as the table shows it: the window's Latin
// line without its leading blank ("4:35", "24:15"), or H:MM:SS (24-hour) when `seconds`.
std::string ShownTime(const TimetableDay& day, int prayer, bool seconds);
// Time p of a row as a field: the time as shown, or with IsoTimes the date-time of its
// instant (on the wall clock with its offset, or in UTC), empty for an event that does not
// happen. `dataForm` (csv, json) writes a time of the 12-hour clock with AM or PM
// (DataTimeText, and "1:46:06 PM" with Seconds); the text table keeps the window's form
// ("1:46", "1:46:06").
std::string TimeField(const TableOutputOptions& options, const TimetableDay& day,
                      const RowTimes& times, int prayer, bool dataForm);

// "Saturday" ... "Friday" of a row; "2024-04-10" of a row.
std::string_view EnglishWeekday(const TimetableDay& day);
std::string IsoDate(const TimetableDay& day);

// Each writer takes the rows and, for each row, where its times lie (ComputeClockedDays).

// The aligned table: the place line and the options line, then a header and one line per row
// (the locale's civil date, the Hijri date, the six times); the row options.MarkedRow starts
// with "*". Widths count characters, not bytes, so that a month name with an umlaut keeps the
// columns aligned.
std::string RenderText(const TableOutputOptions& options, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times);

// Header line date,weekday,hijri_day,hijri_month,hijri_year,fajr,shrook,dhuhr,asr,maghrib,isha,
// utc_offset then one line per row; the Hijri fields are empty where the conversion did not
// complete; utc_offset ("+01:00") is the row's clock, the offset at its day's 12:00.
std::string RenderCsv(const TableOutputOptions& options, std::span<const TimetableDay> rows,
                      std::span<const RowTimes> times);
// An array of objects with the csv's fields; Hijri fields are numbers (null where the
// conversion did not complete), times and utc_offset strings.
std::string RenderJson(const TableOutputOptions& options, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times);

// The local ISO 8601 date-time of an event of `day` (IsoDateTime); ERangeError naming it
// ("Isha of 9999-12-31") when its local date lies outside years 0..9999, which the form cannot
// hold.
std::string EventIsoDateTime(std::string_view name, const TimetableDay& day, int64_t utc,
                             int offset);
// The same instant in UTC, "2026-03-29T03:47:00Z"; ERangeError naming the UTC date-time.
std::string EventUtcDateTime(std::string_view name, const TimetableDay& day, int64_t utc);

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
// An iCalendar object named after the place: one VEVENT of 15 minutes per chosen prayer and
// row whose event happens, SUMMARY the prayer's name, DTSTART the instant of the time in UTC
// (on the event's own date), the Hijri date, method and place in DESCRIPTION, free time, a UID
// that depends only on the row's day, the prayer and the place, DTSTAMP `stampUtc`, and the
// reminder when asked for. EInvalidOp for sunset-based rows (their times are not clock times)
// and ERangeError, naming the time, for an instant outside years 0..9999 in UTC (an evening of
// 31 December 9999 west of Greenwich).
std::string RenderIcs(const TableOutputOptions& options, std::span<const TimetableDay> rows,
                      std::span<const RowTimes> times, int64_t stampUtc);

}  // namespace orvandel
