#include "tools/OrvandelTableCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <tuple>
#include <vector>

#include "OrvandelVersion.h"
#include "ephemeris/fn_Ephemeris.h"
#include "places/Gazetteer.h"
#include "platform/Errors.h"
#include "platform/TimeZone.h"
#include "timetable/CalcMethods.h"
#include "timetable/CityCatalogue.h"
#include "timetable/KeyedRows.h"
#include "timetable/Prayers.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableClock.h"
#include "timetable/TableFormats.h"
#include "timetable/TableText.h"

namespace orvandel::table {
namespace {

constexpr std::string_view Program = "orvandel-table";
constexpr int MaxAlarmMinutes = 1440;  // a reminder at most a day ahead

// The text as it may appear inside a one-line message: quoted, control characters escaped.
std::string Quoted(std::string_view text) {
    return "'" + EscapeControls(text) + "'";
}

[[noreturn]] void Reject(std::string_view option, std::string_view text, std::string_view why) {
    throw EUsageError(std::string(Program) + ": " + std::string(option) + " " + Quoted(text) +
                      ": " + std::string(why));
}

// "2024-04-10" for a day of years 1..9999, else "a day outside years 1..9999".
std::string IsoDateOfSerial(TDateTime day) {
    try {
        return IsoDateText(FixedFromDateTime(day));
    } catch (const EPlatformError&) {
        return "a day outside years 1..9999";
    }
}

[[noreturn]] void RejectOption(std::string_view option, std::string_view why) {
    throw EUsageError(std::string(Program) + ": " + std::string(option) + ": " + std::string(why));
}

std::string Lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// The index of the row of `rows` (a table of the core) whose key `text` names, in any case.
template <typename Rows>
int KeyIndex(std::string_view option, std::string_view text, const Rows& rows) {
    const int index = IndexOfKey(rows, text);
    if (index < 0) {
        Reject(option, text, "not one of " + JoinedKeys(rows, "|"));
    }
    return index;
}

// Removes a leading "-" or the typographic minus U+2212 and says whether there was one.
bool StripMinusSign(std::string_view& text) {
    constexpr std::string_view typographicMinus = "\xE2\x88\x92";
    if (text.starts_with('-')) {
        text.remove_prefix(1);
        return true;
    }
    if (text.starts_with(typographicMinus)) {
        text.remove_prefix(typographicMinus.size());
        return true;
    }
    return false;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number of at most 9 digits.
int DigitsValue(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A whole number of at most 4 digits with an optional sign ("+2", "-1", "3"); none for any
// other text.
std::optional<int> SignedWhole(std::string_view text) {
    const bool negative = StripMinusSign(text);
    if (!negative && text.starts_with('+')) {
        text.remove_prefix(1);
    }
    if (!AllDigits(text) || text.size() > 4) {
        return std::nullopt;
    }
    return negative ? -DigitsValue(text) : DigitsValue(text);
}

double RangedDecimal(std::string_view option, std::string_view text, TFieldRange<double> range,
                     std::string_view what) {
    const double value = ParseDecimal(option, text);
    if (!range.Contains(value)) {
        Reject(option, text, std::string(what) + " outside " + RangeText(range));
    }
    return value;
}

// A whole number low..high written in decimal digits (leading zeros allowed).
int RangedWhole(std::string_view option, std::string_view text, int low, int high) {
    if (!AllDigits(text)) {
        Reject(option, text, "not a whole number");
    }
    const std::string_view significant =
        text.substr(std::min(text.find_first_not_of('0'), text.size()));
    const int value = significant.size() > 9 ? -1 : DigitsValue(significant);
    if (value < low || value > high) {
        Reject(option, text, "outside " + std::to_string(low) + ".." + std::to_string(high));
    }
    return value;
}

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// The clock of --tz: a zone of the system's database, "auto" for the city's zone or "local" for
// the computer's own clock. A damaged zone file or a missing database is no bad input: its
// EZoneFileError passes on.
TableClock ResolveTimeZone(const std::string& text, bool zoneGiven, const TCityEntry* city) {
    if (zoneGiven) {
        Reject("--tz", text, "--tz and --zone exclude each other");
    }
    const std::string key = Lower(text);
    if (key == "local") {
        try {
            return TableClock::System();
        } catch (const EUnknownZone& e) {
            const char* tz = std::getenv("TZ");
            Reject("--tz", text, "TZ " + Quoted(tz != nullptr ? tz : "") + ": " + e.what());
        }
    }
    std::string name = text;
    if (key == "auto") {
        if (city == nullptr) {
            Reject("--tz", text, "auto needs --city or --place");
        }
        name = std::string(city->IanaZone);
    }
    try {
        return TableClock::Zone(name);
    } catch (const EUnknownZone& e) {
        Reject("--tz", name, e.what());
    }
}

// The help's last part; the limits it names are those of the checks.
std::string HelpFooter() {
    const std::string days =
        std::to_string(RunDaysRange.Min) + " to " + std::to_string(RunDaysRange.Max);
    // clang-format off
    return "\nWithout --city or coordinates the place is Mecca. --city applies the catalogue entry\n"
        "as the window does; options given explicitly override it. --method defaults to the\n"
        "city's method, and to mwl for --lat/--lon/--zone without --city.\n"
        "--date gives the week, Saturday to Friday, containing that date (default today);\n"
        "--from/--days gives N consecutive days (" + days + ") from that date; --from alone gives\n"
        "7 days, --days alone starts today.\n"
        "--place finds any town of 15,000 people or more by name: the most populous of the\n"
        "best matches, narrowed by a country code, country or region after a comma\n"
        "('Birmingham, US', 'Springfield, Illinois'), on its zone's clock, at elevation 0,\n"
        "with its country's method. --places lists the matches, one a line, tab-separated:\n"
        "name, region, country, country code, latitude, longitude, zone.\n"
        "Clocks: --city shows the times on the city's own clock (its IANA zone, daylight saving\n"
        "included), also with --lat/--lon; --zone gives a fixed offset from GMT instead (with\n"
        "--city or with --lat/--lon); Mecca without --city keeps its fixed offset, +3.\n"
        "--tz gives an IANA zone (Europe/London), auto (the city's zone) or local (TZ: a zone,\n"
        "a POSIX rule or a file; else /etc/localtime): each time is the wall-clock reading at\n"
        "its instant; each day's astronomy runs on the zone's offset at 12:00 that day.\n"
        "--next prints the next of the six times after now, or after --at on the place's clock;\n"
        "a reading the clock skips is bad input, one it shows twice is the first.\n"
        "--12h writes csv and json times with AM or PM. --iso-times writes the instants as\n"
        "date-times with their offsets, --iso-times=utc in UTC (2026-03-29T03:47:00Z).\n"
        "--format ics: one event of 15 minutes per time, with the Hijri date, the method and\n"
        "the place in its description; --events keeps only the times named, --alarm adds a\n"
        "reminder before each; a new import of the same days replaces the events.\n"
        "Defaults: safety time added, minutes truncated, 24-hour clock, text format.\n"
        "Exit status: 0 done, 1 error in the computation or a damaged time-zone database, 2 bad\n"
        "input.\n";
    // clang-format on
}

// The next time: its row, its prayer and the instant it follows.
struct TNextTime {
    TimetableDay Day;
    RowTimes Times;
    Prayer Which;
    int64_t After;  // the moment asked about, seconds since 1970 UTC
};

// The first of the six times after now or after --at.
TNextTime FindNext(const TableRequest& request, int64_t nowUtc) {
    const TableClock& clock = request.Clock;
    TimetableEngine engine;
    const int64_t after =
        request.HasAt ? clock.UtcOf(SecondsOfFixed(request.AtFixed) + 60LL * request.AtMinute)
                      : nowUtc;
    // The rows from the day before the local date to the day after: a Fajr of tomorrow's row
    // may fall this evening, an Isha of yesterday's row after this midnight.
    const int32_t today = FixedOfSeconds(after + clock.OffsetAt(after));
    const int32_t first = std::max(today - 1, CivilFixedRange.Min);
    const int32_t last = std::min(today + 2, CivilFixedRange.Max);
    std::vector<RowTimes> times;
    const std::vector<TimetableDay> rows = ComputeClockedDays(
        engine, request.Settings, clock, first, last - first + 1, request.Seconds, times);
    std::optional<TNextTime> best;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (const TPrayerInfo& prayer : Prayers) {
            const int64_t at = times[r].Utc[prayer.Index];
            if (rows[r].Occurs[prayer.Index] && at > after &&
                (!best || at < best->Times.Utc[best->Which])) {
                best = TNextTime{rows[r], times[r], prayer.Index, after};
            }
        }
    }
    if (!best) {
        if (last == CivilFixedRange.Max) {
            throw ERangeError(
                "no prayer time follows before the end of 9999-12-31, where the "
                "computed range ends");
        }
        throw ERangeError("no prayer time follows within two days");
    }
    return *best;
}

// "Asr 15:42 (in 1 h 05 min)", on the 12-hour clock "Asr 3:42 PM (in 1 h 05 min)".
std::string NextAsText(const TableRequest& request, const TNextTime& next) {
    const Prayer p = next.Which;
    const int64_t minutesLeft = (next.Times.Utc[p] - next.After) / 60;
    const CivilTime wall = CivilFromSeconds(next.Times.Utc[p] + next.Times.OffsetAt[p]);
    std::string clockText;
    if (request.Settings.TwelveHours) {
        clockText =
            TwelveHourClock(3600LL * wall.Hour + 60 * wall.Minute + wall.Second, request.Seconds);
    } else {
        char text[32];
        if (request.Seconds) {
            std::snprintf(text, sizeof text, "%d:%02d:%02d", wall.Hour, wall.Minute, wall.Second);
        } else {
            std::snprintf(text, sizeof text, "%d:%02d", wall.Hour, wall.Minute);
        }
        clockText = text;
    }
    char left[48];
    if (minutesLeft >= 60) {
        std::snprintf(left, sizeof left, "in %lld h %02lld min",
                      static_cast<long long>(minutesLeft / 60),
                      static_cast<long long>(minutesLeft % 60));
    } else {
        std::snprintf(left, sizeof left, "in %lld min", static_cast<long long>(minutesLeft));
    }
    return std::string(Prayers[p].NextName) + " " + clockText + " (" + left + ")\n";
}

// {"name", "time", "minutes_left"}.
std::string NextAsJson(const TNextTime& next) {
    const Prayer p = next.Which;
    const std::string name(Prayers[p].NextName);
    nlohmann::ordered_json object;
    object["name"] = name;
    object["time"] = EventIsoDateTime(name, next.Day, next.Times.Utc[p], next.Times.OffsetAt[p]);
    object["minutes_left"] = (next.Times.Utc[p] - next.After) / 60;
    return object.dump() + "\n";
}

// --next in the request's format: each format that answers it has its form here.
std::string RunNext(const TableRequest& request, int64_t nowUtc) {
    const TNextTime next = FindNext(request, nowUtc);
    switch (request.Format) {
        case OutputFormat::Text:
            return NextAsText(request, next);
        case OutputFormat::Json:
            return NextAsJson(next);
        case OutputFormat::Csv:
        case OutputFormat::Ics:
            break;  // the arguments refuse --next with these
    }
    throw EInvalidOp("--next has no form in --format " +
                     std::string(FormatRow(request.Format).Key));
}

}  // namespace

double ParseDecimal(std::string_view option, std::string_view text) {
    std::string_view body = text;
    bool negative = StripMinusSign(body);
    if (!negative && !body.empty() && body.front() == '+') {
        body.remove_prefix(1);
    }
    const bool wellFormed =
        std::all_of(body.begin(), body.end(),
                    [](char c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
        std::any_of(body.begin(), body.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        std::count(body.begin(), body.end(), '.') <= 1;
    if (!wellFormed) {
        Reject(option, text, "not a number");
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range && end == body.data() + body.size()) {
        // Beyond the range of a double: a whole part with a digit other than 0 is too large
        // (infinity, which every range refuses), else the number is too small to be told from 0.
        const std::string_view whole = body.substr(0, body.find('.'));
        value = whole.find_first_not_of('0') == std::string_view::npos
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != body.data() + body.size() || !std::isfinite(value)) {
        Reject(option, text, "not a number");
    }
    return negative ? -value : value;
}

std::pair<int, int> ParseZone(std::string_view text) {
    constexpr std::string_view option = "--zone";
    std::string_view rest = text;
    const bool negative = StripMinusSign(rest);
    if (!negative && !rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
    }
    const size_t separator = rest.find_first_of(":.");
    const std::string_view hoursText = rest.substr(0, separator);
    const std::string_view tailText =
        separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
    if (!AllDigits(hoursText) || hoursText.size() > 3 ||
        (separator != std::string_view::npos && (!AllDigits(tailText) || tailText.size() > 9))) {
        Reject(option, text, "not a zone such as 3, +4, 5.5, 5:30 or -3:30");
    }
    const int hours = DigitsValue(hoursText);
    if (!ZoneHoursRange.Contains(negative ? -hours : hours)) {
        Reject(option, text, "zone hours outside " + RangeText(ZoneHoursRange));
    }
    int minutes = 0;
    if (separator != std::string_view::npos && rest[separator] == ':') {
        minutes = DigitsValue(tailText);
        if (tailText.size() > 2 || !ZoneMinutesRange.Contains(minutes)) {
            Reject(option, text, "zone minutes outside " + RangeText(ZoneMinutesRange));
        }
    } else if (separator != std::string_view::npos) {
        // Decimal hours: the fraction must be a whole number of minutes (5.5, 5.75).
        long long numerator = DigitsValue(tailText);
        long long denominator = 1;
        for (size_t i = 0; i < tailText.size(); ++i) {
            denominator *= 10;  // [10, 1e9]
        }
        if (numerator * 60 % denominator != 0) {
            Reject(option, text, "zone is not a whole number of minutes");
        }
        minutes = static_cast<int>(numerator * 60 / denominator);  // [0, 59]
    }
    if (negative && hours == 0 && minutes != 0) {
        Reject(option, text, "a zone between -1 and 0 hours cannot be expressed");
    }
    return {negative ? -hours : hours, minutes};
}

TDateTime ParseIsoDate(std::string_view option, std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2))) {
        Reject(option, text, "not a date YYYY-MM-DD");
    }
    const int year = DigitsValue(text.substr(0, 4));
    const int month = DigitsValue(text.substr(5, 2));
    const int day = DigitsValue(text.substr(8, 2));
    if (!IsValidDate(year, month, day)) {
        Reject(option, text, "no such date in years 1..9999");
    }
    return EncodeDate(year, month, day);
}

std::pair<int32_t, int> ParseDateTimeOfDay(std::string_view option, std::string_view text) {
    if (text.size() != 16 || (text[10] != ' ' && text[10] != 'T') || text[13] != ':' ||
        !AllDigits(text.substr(11, 2)) || !AllDigits(text.substr(14, 2))) {
        Reject(option, text, "not a date and time YYYY-MM-DD HH:MM");
    }
    const int hour = DigitsValue(text.substr(11, 2));
    const int minute = DigitsValue(text.substr(14, 2));
    if (hour > 23 || minute > 59) {
        Reject(option, text, "no such time of day");
    }
    TDateTime date = 0.0;
    try {
        date = ParseIsoDate(option, text.substr(0, 10));
    } catch (const EUsageError&) {
        Reject(option, text, "no such date in years 1..9999");
    }
    return {FixedFromDateTime(date), hour * 60 + minute};
}

int ParseDayCount(std::string_view text) {
    return RangedWhole("--days", text, RunDaysRange.Min, RunDaysRange.Max);
}

int ParseAlarmMinutes(std::string_view text) {
    return RangedWhole("--alarm", text, 0, MaxAlarmMinutes);
}

namespace {

// "fajr, shrook (or sunrise), dhuhr, asr, maghrib, isha": what --events takes.
std::string EventNames() {
    std::string names;
    for (const TPrayerInfo& prayer : Prayers) {
        names += (names.empty() ? "" : ", ") + std::string(prayer.Key);
        if (const std::string next = Lower(prayer.NextName); next != prayer.Key) {
            names += " (or " + next + ")";
        }
    }
    return names;
}

}  // namespace

std::array<bool, 6> ParseEventList(std::string_view text) {
    std::array<bool, 6> chosen{};
    std::string_view rest = text;
    while (true) {
        const size_t comma = rest.find(',');
        const std::string name = Lower(rest.substr(0, comma));
        const TPrayerInfo* found = FindPrayer(name);
        if (found == nullptr) {
            Reject("--events", text,
                   (name.empty() ? std::string("an empty name") : Quoted(name)) +
                       " is not one of " + EventNames());
        }
        chosen[found->Index] = true;
        if (comma == std::string_view::npos) {
            return chosen;
        }
        rest.remove_prefix(comma + 1);
    }
}

int ParseHijriAdjust(std::string_view text) {
    const std::optional<int> days = SignedWhole(text);
    if (!days || !HijriAdjustRange.Contains(*days)) {
        Reject("--hijri-adjust", text,
               "not a whole number of days in " + RangeText(HijriAdjustRange));
    }
    return *days;
}

std::array<int, 6> ParseAdjustments(std::string_view text) {
    constexpr std::string_view option = "--adjust";
    std::array<int, 6> minutes{};
    std::array<bool, 6> named{};
    std::string_view rest = text;
    while (true) {
        const std::string_view item = rest.substr(0, rest.find(','));
        const size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            Reject(option, text, Quoted(item) + " is not NAME=MINUTES (fajr=+2)");
        }
        const std::string name = Lower(item.substr(0, equals));
        const TPrayerInfo* prayer = FindPrayer(name);
        if (prayer == nullptr) {
            Reject(option, text, Quoted(name) + " is not one of " + EventNames());
        }
        if (named[prayer->Index]) {
            Reject(option, text, std::string(prayer->Key) + " is named twice");
        }
        const std::optional<int> value = SignedWhole(item.substr(equals + 1));
        if (!value || !AdjustMinutesRange.Contains(*value)) {
            Reject(
                option, text,
                Quoted(item) + ": minutes not a whole number in " + RangeText(AdjustMinutesRange));
        }
        named[prayer->Index] = true;
        minutes[prayer->Index] = *value;
        if (item.size() == rest.size()) {
            return minutes;
        }
        rest.remove_prefix(item.size() + 1);
    }
}

namespace {

// The arguments as given: every option's text or flag, and the option itself, which says
// whether it was given.
struct TArguments {
    std::string City, Place, Places, Lat, Lon, Zone, Tz, Elevation, Method, Asr, Date, From, Days,
        Format, At, IsoTimes, Alarm, Events, Adjust, HijriAdjust, HighLat;
    bool Safety = false, NoSafety = false, Nearest = false, Twelve = false, Sunset = false,
         Seconds = false, ListCities = false, Next = false;
    CLI::Option *CityOption, *PlaceOption, *PlacesOption, *LatOption, *ZoneOption, *TzOption,
        *ElevationOption, *MethodOption, *AsrOption, *SafetyFlag, *DateOption, *FromOption,
        *DaysOption, *FormatOption, *IsoTimesFlag, *AlarmOption, *EventsOption, *AtOption,
        *AdjustOption, *HijriAdjustOption, *HighLatOption;
};

// The options, their help and their relations; the choices of --method, --asr, --format and
// --events are the keys of the core's tables.
void DeclareOptions(CLI::App& app, TArguments& a) {
    a.CityOption =
        app.add_option("--city", a.City, "a catalogue city, any case")->type_name("NAME");
    a.LatOption =
        app.add_option("--lat", a.Lat, "latitude, degrees north, " + RangeText(LatitudeRange))
            ->type_name("DEG");
    auto* lonOption =
        app.add_option("--lon", a.Lon, "longitude, degrees east, " + RangeText(LongitudeRange))
            ->type_name("DEG");
    a.ZoneOption = app.add_option("--zone", a.Zone, "offset from GMT: 3, +4, 5.5, 5:30, -3:30")
                       ->type_name("ZONE");
    a.LatOption->needs(lonOption);
    lonOption->needs(a.LatOption);
    a.PlaceOption =
        app.add_option("--place", a.Place, "a town of the gazetteer: NAME or NAME, COUNTRY|REGION")
            ->type_name("TEXT")
            ->excludes(a.CityOption)
            ->excludes(a.LatOption)
            ->excludes(lonOption);
    a.PlacesOption =
        app.add_option("--places", a.Places, "list the gazetteer's towns that TEXT names")
            ->type_name("TEXT");
    a.TzOption = app.add_option("--tz", a.Tz, "IANA time zone, auto (the city's) or local")
                     ->type_name("ZONE");
    a.ElevationOption =
        app.add_option("--elevation", a.Elevation, "metres, " + RangeText(ElevationRange))
            ->type_name("M");
    // The keys in the text, where the help and the manual page can break their line.
    a.MethodOption = app.add_option("--method", a.Method,
                                    "calculation method: " + JoinedKeys(CalcMethodTable, ", "))
                         ->type_name("KEY");
    a.AsrOption = app.add_option("--asr", a.Asr, "juristic method of Asr")
                      ->type_name(JoinedKeys(JuristicMethods, "|"));
    a.SafetyFlag = app.add_flag("--safety", a.Safety, "add the safety time (default)");
    auto* noSafetyFlag = app.add_flag("--no-safety", a.NoSafety, "no safety time");
    a.SafetyFlag->excludes(noSafetyFlag);
    app.add_flag("--nearest-minute", a.Nearest, "round to the nearest minute, not truncate");
    app.add_flag("--12h", a.Twelve, "12-hour clock");
    app.add_flag("--sunset-based", a.Sunset, "times counted from sunset (sunset is 12:00)");
    a.HighLatOption = app.add_option("--high-lat", a.HighLat,
                                     "Fajr and Isha where twilight is long (default rule48)")
                          ->type_name(JoinedKeys(HighLatitudeRules, "|"));
    a.AdjustOption =
        app.add_option("--adjust", a.Adjust,
                       "minutes added to times, " + RangeText(AdjustMinutesRange) + " each")
            ->type_name("fajr=+2,isha=-1");
    a.HijriAdjustOption =
        app.add_option("--hijri-adjust", a.HijriAdjust,
                       "days the Hijri date moves, " + RangeText(HijriAdjustRange))
            ->type_name("N");
    a.DateOption =
        app.add_option("--date", a.Date, "the week containing this date")->type_name("YYYY-MM-DD");
    a.FromOption =
        app.add_option("--from", a.From, "first of a run of days")->type_name("YYYY-MM-DD");
    a.DaysOption = app.add_option("--days", a.Days, "number of days, " + RangeText(RunDaysRange))
                       ->type_name("N");
    a.DateOption->excludes(a.FromOption)->excludes(a.DaysOption);
    a.FormatOption = app.add_option("--format", a.Format, "output format")
                         ->type_name(JoinedKeys(OutputFormats, "|"));
    app.add_flag("--seconds", a.Seconds, "times as H:MM:SS from the unrounded hours");
    app.add_flag("--list-cities", a.ListCities, "print the catalogue, group by group");
    a.IsoTimesFlag = app.add_flag("--iso-times{local}", a.IsoTimes,
                                  "times as ISO 8601 date-times with their offsets; "
                                  "--iso-times=utc: the instants in UTC");
    a.AlarmOption = app.add_option("--alarm", a.Alarm,
                                   "ics: a reminder this many minutes before, 0.." +
                                       std::to_string(MaxAlarmMinutes))
                        ->type_name("MINUTES");
    a.EventsOption =
        app.add_option("--events", a.Events, "ics: only these of the six, comma-separated")
            ->type_name(JoinedKeys(Prayers, ","));
    app.add_flag("--next", a.Next, "the next prayer time after now (or --at)");
    a.AtOption = app.add_option("--at", a.At, "the moment for --next, on the place's clock")
                     ->type_name("\"YYYY-MM-DD HH:MM\"");
    app.set_version_flag("--version", std::string(Program) + " " + std::string(ProgramVersion),
                         "print the name and the version");
}

// The display options: safety time, rounding, clock, sunset-based counts, seconds, ISO times.
void ApplyDisplay(const TArguments& a, TableRequest& request) {
    TimetableSettings& s = request.Settings;
    // Either flag may carry a value: --safety=false adds no safety time, --no-safety=false adds
    // it.
    s.AddSafetyTime = *a.SafetyFlag ? a.Safety : !a.NoSafety;
    s.RoundMinutes = a.Nearest;
    s.TwelveHours = a.Twelve;
    s.RightToLeft = false;
    s.SunsetBased = a.Sunset;
    ApplySunsetBasedClock(s);
    request.Seconds = a.Seconds;
    request.ListCities = a.ListCities;
    if (*a.AdjustOption) {
        s.AdjustMinutes = ParseAdjustments(a.Adjust);
    }
    if (*a.HijriAdjustOption) {
        s.HijriAdjustDays = ParseHijriAdjust(a.HijriAdjust);
    }
    if (*a.HighLatOption) {
        s.HighLatRule =
            static_cast<HighLatitudeRule>(KeyIndex("--high-lat", a.HighLat, HighLatitudeRules));
    }
    if (*a.IsoTimesFlag) {
        const std::string mode = Lower(a.IsoTimes);
        if (mode != "local" && mode != "utc") {
            Reject("--iso-times", a.IsoTimes, "not one of local|utc");
        }
        request.IsoTimes = true;
        request.IsoTimesUtc = mode == "utc";
    }
    request.Next = a.Next;
}

// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\r\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

// The catalogue city --city names (blanks at either end ignored); an unknown name is refused
// with the cities it may mean.
const TCityEntry& FindCity(const std::string& text) {
    if (const TCityEntry* city = FindCityByCaption(TrimBlanks(text))) {
        return *city;
    }
    std::string near;
    for (const TCityEntry* city : CitiesNear(text)) {
        near += (near.empty() ? "; did you mean " : " or ") + std::string(city->Caption);
    }
    Reject("--city", text,
           "unknown city" + near + (near.empty() ? "" : "?") +
               " (see --list-cities, or --place for any town)");
}

// The gazetteer's places that `text` names, best first; none is refused with the nearest names.
std::vector<const TPlace*> FindPlaces(std::string_view option, const std::string& text) {
    if (FoldedName(text.substr(0, text.find(','))).empty()) {
        Reject(option, text, "no name of a place");
    }
    const TGazetteer& gazetteer = TGazetteer::Installed();
    std::vector<const TPlace*> places = gazetteer.Search(text);
    if (places.empty()) {
        std::string nearest;
        for (const TPlace* place : gazetteer.Nearest(text, 3)) {
            nearest += (nearest.empty() ? "" : "; ") + place->Caption;
        }
        Reject(option, text, "no town of the gazetteer has that name; nearest: " + nearest);
    }
    return places;
}

// --places: the matches, one a line, tab-separated.
std::string PlacesListText(const std::string& text) {
    std::string lines;
    for (const TPlace* place : FindPlaces("--places", text)) {
        char coordinates[64];
        std::snprintf(coordinates, sizeof coordinates, "%.5f\t%.5f", place->Latitude,
                      place->Longitude);
        lines += place->Name + '\t' + place->Region + '\t' + place->Country + '\t' +
                 place->CountryCode + '\t' + coordinates + '\t' + place->Zone + '\n';
    }
    return lines;
}

// The place: --city applies the catalogue entry as the window does, --place the gazetteer's
// place in the same form (kept in `found`); --lat/--lon, --zone and --elevation override it;
// without any the place is the default city without its clock. Returns the city or place.
const TCityEntry* ApplyPlace(const TArguments& a, TableRequest& request, TDateTime today,
                             std::optional<TCityEntry>& found) {
    TimetableSettings& s = request.Settings;
    const TCityEntry* city = nullptr;
    if (*a.CityOption) {
        city = &FindCity(a.City);
    }
    if (*a.PlaceOption) {
        const TPlace& place = *FindPlaces("--place", a.Place).front();
        try {
            found = PlaceEntry(place, FixedFromDateTime(std::floor(today)));
        } catch (const EUnknownZone& e) {
            Reject("--place", a.Place, e.what());
        }
        if (!LatitudeRange.Contains(found->Latitude)) {
            char latitude[32];
            std::snprintf(latitude, sizeof latitude, "%.4f", found->Latitude);
            Reject("--place", a.Place,
                   place.Caption + " lies at " + latitude + ": " + LatitudeLimitText());
        }
        city = &*found;
    }
    const bool coordinates = a.LatOption->count() > 0;
    const TCityEntry* base = city != nullptr ? city : (coordinates ? nullptr : &DefaultCity());
    if (base != nullptr) {
        ApplyCity(s, *base);
    } else {
        s.Elevation = 0;
        ApplyMethod(s, MuslimWorldLeague);
    }
    if (coordinates) {
        s.Latitude = ParseDecimal("--lat", a.Lat);
        if (!LatitudeRange.Contains(s.Latitude)) {
            Reject("--lat", a.Lat, LatitudeLimitText());
        }
        s.Longitude = RangedDecimal("--lon", a.Lon, LongitudeRange, "longitude");
        if (!*a.ZoneOption && !*a.TzOption && city == nullptr) {
            Reject("--lat", a.Lat, "needs --zone, --tz or --city");
        }
    }
    if (*a.ZoneOption) {
        if (!coordinates && city == nullptr) {
            Reject("--zone", a.Zone, "needs --lat and --lon, or --city");
        }
        // A fixed offset in place of the city's clock or with coordinates.
        std::tie(s.GmtHours, s.GmtMinutes) = ParseZone(a.Zone);
    }
    if (*a.ElevationOption) {
        // The elevation field holds whole metres; a typed fraction is rounded.
        s.Elevation = static_cast<int>(std::nearbyint(RangedDecimal(
            "--elevation", a.Elevation, {ElevationRange.Min, ElevationRange.Max}, "elevation")));
    }
    if (!LatitudeRangeAt(s.Elevation).Contains(s.Latitude)) {
        // The dip of the horizon seen from a height lowers the latitude limit.
        if (coordinates) {
            Reject("--lat", a.Lat, LatitudeLimitText(s.Elevation));
        }
        Reject("--elevation", a.Elevation, LatitudeLimitText(s.Elevation));
    }
    const TPlaceName name = PlaceNameOf(s, base);
    request.PlaceName = name.Text;
    request.PlaceIsCity = name.IsCity;
    // A place of its own coordinates has no methods but those asked for.
    if (*a.MethodOption) {
        const int method = KeyIndex("--method", a.Method, CalcMethodTable);
        if (base == nullptr) {
            ApplyMethod(s, method);
        } else {
            s.CalcMethod = method;
        }
    }
    if (*a.AsrOption) {
        s.Juristic = KeyIndex("--asr", a.Asr, JuristicMethods);
    }
    return city;
}

// The format, and whether it can hold sunset-based counts.
void ApplyFormat(const TArguments& a, TableRequest& request) {
    if (*a.FormatOption) {
        request.Format = static_cast<OutputFormat>(KeyIndex("--format", a.Format, OutputFormats));
    }
    const TOutputFormat& format = FormatRow(request.Format);
    if (!format.SunsetCounts && a.Sunset) {
        Reject("--format", a.Format, std::string(format.Key) + " cannot hold sunset-based times");
    }
}

// The options that only some formats can hold.
void ApplyFormatOptions(const TArguments& a, TableRequest& request) {
    const TOutputFormat& format = FormatRow(request.Format);
    const auto formatsWithout = [](bool TOutputFormat::*capability) {
        return "--format " + FormatKeysWhere(capability, false, " or ");
    };
    if (!format.Seconds && a.Seconds) {
        RejectOption("--seconds",
                     "cannot be combined with " + formatsWithout(&TOutputFormat::Seconds));
    }
    if (*a.AlarmOption || *a.EventsOption) {
        if (!format.ChosenEvents) {
            RejectOption(
                *a.AlarmOption ? "--alarm" : "--events",
                "needs --format " + FormatKeysWhere(&TOutputFormat::ChosenEvents, true, " or "));
        }
        if (*a.AlarmOption) {
            request.AlarmMinutes = ParseAlarmMinutes(a.Alarm);
        }
        if (*a.EventsOption) {
            request.Events = ParseEventList(a.Events);
        }
    }
    if (request.IsoTimes && (!format.IsoTimes || a.Sunset)) {
        RejectOption("--iso-times", "cannot be combined with " +
                                        formatsWithout(&TOutputFormat::IsoTimes) +
                                        " or --sunset-based");
    }
    if (request.Next &&
        (*a.DateOption || *a.FromOption || *a.DaysOption || a.Sunset || !format.NextTime)) {
        RejectOption("--next",
                     "cannot be combined with --date, --from, --days, --sunset-based or " +
                         formatsWithout(&TOutputFormat::NextTime));
    }
}

// The clock: --tz, else a city's own zone (also where --lat/--lon move the place), unless
// --zone asks for a fixed offset; else the fixed offset of the settings.
void ApplyClock(const TArguments& a, TableRequest& request, const TCityEntry* city,
                const TCityEntry* base) {
    if (*a.TzOption) {
        request.Clock = ResolveTimeZone(a.Tz, a.ZoneOption->count() > 0, base);
        request.TimeZone = EscapeControls(request.Clock.Name());
        return;
    }
    std::optional<TableClock> zone;
    if (!*a.ZoneOption) {
        try {
            // Without the computer's zone the week is not read.
            zone = PlaceZone(request.Settings, city, false, 0);
        } catch (const EUnknownZone& e) {
            Reject("--tz", city->IanaZone, e.what());
        }
    }
    request.Clock = zone ? *zone : SettingsClock(request.Settings);
    request.TimeZone = EscapeControls(request.Clock.Name());
}

// An ISO 8601 date-time holds an offset of 00:00 to 23:59 (and seconds); a clock a day or more
// from UTC (--zone 25, a TZ rule of -24) can only be written in UTC. Refused where a time would
// be written on such a clock: the rows' days with --iso-times, --next's days in json.
void CheckIsoOffsets(const TableRequest& request) {
    const bool localIso = request.IsoTimes && !request.IsoTimesUtc;
    const bool nextIso = request.Next && request.Format == OutputFormat::Json;
    if (!localIso && !nextIso) {
        return;
    }
    constexpr int64_t day = 86400;  // seconds
    // --next reads the days around its moment: --at's, else today's.
    const int32_t nextDay =
        request.HasAt ? request.AtFixed : FixedFromDateTime(request.Settings.Date);
    const int32_t first = (request.Next ? nextDay : request.FirstFixed) - 1;
    const int32_t last = request.Next ? first + 4 : request.FirstFixed + request.DayCount;
    std::vector<int> offsets = {request.Clock.OffsetAt(SecondsOfFixed(first))};
    for (const TimeZoneRules::Change& change :
         request.Clock.Changes(SecondsOfFixed(first) - day, SecondsOfFixed(last) + day)) {
        offsets.push_back(change.After);
    }
    for (const int offset : offsets) {
        if (offset <= -day || offset >= day) {
            const std::string why = "the clock's offset " + OffsetText(offset) +
                                    " has no ISO 8601 form (-23:59 to +23:59)";
            if (localIso) {
                RejectOption("--iso-times", why + "; --iso-times=utc writes the instants in UTC");
            }
            RejectOption("--next --format json", why);
        }
    }
}

// --next's moment and the days to compute: --at, --from/--days, or the week of --date or of
// today.
void ApplyDays(const TArguments& a, TableRequest& request, TDateTime today) {
    TimetableSettings& s = request.Settings;
    if (*a.AtOption && !a.Next) {
        Reject("--at", a.At, "needs --next");
    }
    if (*a.AtOption) {
        request.HasAt = true;
        std::tie(request.AtFixed, request.AtMinute) = ParseDateTimeOfDay("--at", a.At);
        if (request.Clock.Skips(SecondsOfFixed(request.AtFixed) + 60LL * request.AtMinute)) {
            Reject("--at", a.At,
                   "does not exist on the clock of " + request.TimeZone +
                       " (the clocks go forward over it)");
        }
    }
    if (*a.FromOption || *a.DaysOption) {
        request.WeekMode = false;
        s.Date = *a.FromOption ? ParseIsoDate("--from", a.From) : std::floor(today);
        request.FirstFixed = FixedFromDateTime(s.Date);
        request.DayCount = *a.DaysOption ? ParseDayCount(a.Days) : 7;
        if (!TDayRun{request.FirstFixed, request.DayCount}.Fits()) {
            Reject("--days", *a.DaysOption ? a.Days : std::string("7"), "runs past 9999-12-31");
        }
    } else if (a.Next) {
        // The rows of --next follow its moment, clipped to years 1..9999.
        s.Date = std::floor(today);
    } else {
        s.Date = *a.DateOption ? ParseIsoDate("--date", a.Date) : std::floor(today);
        const TDayRun week = WeekRun(s.Date);
        if (!week.Fits()) {
            if (!*a.DateOption) {
                RejectOption("today's date by the clock (" + IsoDateOfSerial(s.Date) + ")",
                             "its week (Saturday to Friday) leaves years 1..9999; give --date");
            }
            Reject("--date", a.Date, "its week (Saturday to Friday) leaves years 1..9999");
        }
        request.FirstFixed = week.First;
        request.DayCount = week.Count;
        request.MarkedRow = FixedFromDateTime(s.Date) - week.First;
    }
    CheckIsoOffsets(request);
}

}  // namespace

TableRequest ParseTableArguments(int argc, const char* const* argv, TDateTime today) {
    CLI::App app{"Prayer times of one week (Saturday to Friday) or of a run of days.",
                 std::string(Program)};
    app.footer(HelpFooter());
    TArguments arguments;
    DeclareOptions(app, arguments);
    TableRequest request;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        request.Help = true;
        request.HelpText = app.help();
        return request;
    } catch (const CLI::CallForVersion& e) {
        request.Help = true;
        request.HelpText = std::string(e.what()) + "\n";
        return request;
    } catch (const CLI::ParseError& e) {
        throw EUsageError(std::string(Program) + ": " + OneLine(e.what()));
    }
    ApplyDisplay(arguments, request);
    if (*arguments.PlacesOption) {
        request.PlacesText = PlacesListText(arguments.Places);
    }
    std::optional<TCityEntry> place;
    const TCityEntry* city = ApplyPlace(arguments, request, today, place);
    const TCityEntry* base =
        city != nullptr ? city : (*arguments.LatOption ? nullptr : &DefaultCity());
    ApplyFormat(arguments, request);
    ApplyClock(arguments, request, city, base);
    ApplyFormatOptions(arguments, request);
    ApplyDays(arguments, request, today);
    return request;
}

int RunTableCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const std::function<void()>& beforeComputing,
                    const std::function<TUnixTime()>& clock) {
    TableRequest request;
    int64_t nowUtc = 0;
    try {
        const TUnixTime now = clock();
        nowUtc = now.Seconds;
        request = ParseTableArguments(argc, argv, LocalDateTimeOf(now));
    } catch (const EUsageError& e) {
        err << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        // Not the input: the installation (a damaged time-zone file, a missing database).
        err << Program << ": " << OneLine(e.what()) << '\n';
        return 1;
    }
    std::string text;
    std::vector<std::string> warnings;  // one line each on `err`
    try {
        if (request.Help) {
            text = request.HelpText;
        } else if (request.ListCities) {
            text = CityListText();
        } else if (!request.PlacesText.empty()) {
            text = request.PlacesText;
        } else {
            if (beforeComputing)
                beforeComputing();
            if (request.Next) {
                text = RunNext(request, nowUtc);
            } else {
                request.StampUtc = nowUtc;
                std::vector<TimetableDay> rows;
                text = RenderRun(request.Format, request, request.Clock,
                                 {request.FirstFixed, request.DayCount}, &rows);
                warnings.push_back(MissingHijriDates(rows));
            }
            warnings.insert(warnings.begin(), EphemerisNotice());
        }
    } catch (const std::exception& e) {
        err << Program << ": " << OneLine(e.what()) << '\n';
        return 1;
    }
    out << text;
    out.flush();
    if (!out) {
        err << Program << ": cannot write the output\n";
        return 1;
    }
    // After the output, so that a run that fails still says one line only.
    for (const std::string& warning : warnings)
        if (!warning.empty())
            err << Program << ": warning: " << warning << '\n';
    return 0;
}

}  // namespace orvandel::table
