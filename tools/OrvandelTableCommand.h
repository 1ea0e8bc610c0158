#pragma once
// orvandel-table: the timetable of a week or of a run of days in a terminal, a script, a
// spreadsheet or a calendar application. This unit reads the arguments into a request and runs
// it through the core (settings, clock, rows, the format's writer); main() only starts and
// stops the ephemeris around RunTableCommand.

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/DateTime.h"
#include "timetable/TableClock.h"
#include "timetable/TableFormats.h"
#include "timetable/TableWriters.h"
#include "timetable/Timetable.h"

namespace orvandel::table {

// Bad input: an unknown city, option or value, a missing value, a value outside its range.
// The message is one line that names the bad value. The command exits with 2.
class EUsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Everything the arguments ask for: what the writers need (the settings, the place and the
// forms of the times) and what to compute.
struct TableRequest : TableOutputOptions {
    bool WeekMode = true;    // the week of Settings.Date, else DayCount days from FirstFixed
    int32_t FirstFixed = 0;  // fixed date of the first day (range mode)
    int DayCount = 7;        // RunDaysRange (range mode)
    OutputFormat Format = OutputFormat::Text;
    // The clock the times are shown on: --tz, or the city's zone, else the fixed zone of
    // Settings. TimeZone holds a zone's name as shown, control characters escaped.
    TableClock Clock;
    bool Next = false;    // only the next time after now or after At
    bool HasAt = false;   // --at given: At is a reading of the place's clock
    int32_t AtFixed = 0;  // its fixed date
    int AtMinute = 0;     // its minute of the day, 0..1439
    bool ListCities = false;
    std::string PlacesText;  // --places: the matching towns, one a line
    bool Help = false;     // --help or --version: print HelpText alone
    std::string HelpText;  // filled when Help is set
};

// Reads argv (argv[0] is the program name). `today` is the serial of the default date.
// EUsageError for every bad input; nothing is printed.
TableRequest ParseTableArguments(int argc, const char* const* argv, TDateTime today);

// ---- Value parsers, each throwing EUsageError with a message naming the option and text ----

// A decimal number such as 21.42, -33.5 or +4; inf, nan and trailing text are refused. Digits
// too many for a double give the nearest: 0 for 0.000...01, infinity for 999...9, so that a
// range check names them as outside.
double ParseDecimal(std::string_view option, std::string_view text);
// A zone as hours and minutes fields: "3", "+4", "5.5", "5:30", "-3:30". The minutes take the
// sign of the text; hours -25..25, minutes 0..59 and whole. A negative zone above -1 h
// ("-0:30") is refused, since the fields cannot express it.
std::pair<int, int> ParseZone(std::string_view text);
// "YYYY-MM-DD", a real date of years 1..9999; the serial of its 00:00.
TDateTime ParseIsoDate(std::string_view option, std::string_view text);
// A whole number of days in RunDaysRange.
int ParseDayCount(std::string_view text);
// --alarm: a whole number of minutes 0..1440 (a day).
int ParseAlarmMinutes(std::string_view text);
// --events: a comma-separated list of fajr, shrook (or sunrise), dhuhr, asr, maghrib, isha in
// any case and order; at least one. Index p is set for each prayer named.
std::array<bool, 6> ParseEventList(std::string_view text);
// --adjust: a comma-separated list of NAME=MINUTES with the names of --events and a whole
// number of minutes in AdjustMinutesRange, signed or not ("fajr=+2,isha=-1"); each name at
// most once. The minutes by prayer, 0 for those not named.
std::array<int, 6> ParseAdjustments(std::string_view text);
// --hijri-adjust: a whole number of days in HijriAdjustRange, signed or not.
int ParseHijriAdjust(std::string_view text);
// "YYYY-MM-DD HH:MM" (or with a T between date and time), a real date of years 1..9999 and a
// time 00:00..23:59: its fixed date and minute of the day.
std::pair<int32_t, int> ParseDateTimeOfDay(std::string_view option, std::string_view text);

// Runs the command with the present moment read from `clock` (today is its local date).
// Writes the complete output to `out` only when
// everything succeeded. Returns 0 on success (and for --help, --version, --list-cities), 2 after a
// bad input and 1 after an error in the computation; each error is one line on `err`. A computed
// table may add warning lines on `err` ("orvandel-table: warning: ..."): the ephemeris
// start-up notice (EphemerisNotice) and the dates whose Hijri date could not be computed,
// written after the output. `beforeComputing`, when given, is called once before anything is
// computed (not for --help, --version, --list-cities or a bad input): the program starts the
// ephemeris there.
int RunTableCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const std::function<void()>& beforeComputing = {},
                    const std::function<TUnixTime()>& clock = SystemClockNow);

}  // namespace orvandel::table
