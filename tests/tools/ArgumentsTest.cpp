// Reading orvandel-table's arguments: the value parsers and the request they build.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "timetable/CalcMethods.h"
#include "timetable/TableFormats.h"
#include "timetable/TableText.h"
#include "tools/OrvandelTableCommand.h"

namespace orvandel::table {
namespace {

TableRequest Parse(std::vector<std::string> args, TDateTime today = EncodeDate(2024, 4, 10)) {
    args.insert(args.begin(), "orvandel-table");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    return ParseTableArguments(static_cast<int>(argv.size()), argv.data(), today);
}

TEST(TableArguments, ZoneForms) {
    struct Row {
        const char* Text;
        int Hours, Minutes;
    };
    const Row rows[] = {
        {"3", 3, 0},
        {"+4", 4, 0},
        {"5.5", 5, 30},
        {"5:30", 5, 30},
        {"-3:30", -3, 30},
        {"-5.5", -5, 30},
        {"5.75", 5, 45},
        {"0:30", 0, 30},
        {"-0:00", 0, 0},
        {"-25", -25, 0},
        {"25:59", 25, 59},
        {"12:5", 12, 5},
        {"+0.5", 0, 30},
        {"5.50", 5, 30},
        {"\xE2\x88\x92"
         "3:30",
         -3, 30},  // typographic minus
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Text);
        const auto [hours, minutes] = ParseZone(row.Text);
        EXPECT_EQ(hours, row.Hours);
        EXPECT_EQ(minutes, row.Minutes);
    }
    for (const char* bad : {"26", "-26", "5:60", "5:7x", "abc", "", "5.33", "-0:30", "-0.5", "+-3",
                            "5:", ":30", "1e1", "5:300", "3 ", "nan", "--3", "-+3"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseZone(bad), EUsageError);
    }
}

TEST(TableArguments, Numbers) {
    EXPECT_DOUBLE_EQ(ParseDecimal("--lat", "21.42"), 21.42);
    EXPECT_DOUBLE_EQ(ParseDecimal("--lat", "-33.5"), -33.5);
    EXPECT_DOUBLE_EQ(ParseDecimal("--lat", "+4"), 4.0);
    EXPECT_DOUBLE_EQ(ParseDecimal("--lat", ".5"), 0.5);
    // More digits than a double holds: the nearest value, 0 or beyond every range.
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string huge(400, '9');
    EXPECT_EQ(ParseDecimal("--lat", tiny), 0.0);
    EXPECT_EQ(ParseDecimal("--lat", "-" + tiny), 0.0);
    EXPECT_EQ(ParseDecimal("--lat", "000" + huge + ".5"), HUGE_VAL);
    EXPECT_EQ(ParseDecimal("--lat", "-" + huge), -HUGE_VAL);
    EXPECT_DOUBLE_EQ(ParseDecimal("--lat", "21.42" + std::string(400, '0')), 21.42);
    EXPECT_EQ(Parse({"--lat", tiny, "--lon", "0", "--zone", "0"}).Settings.Latitude, 0.0);
    try {
        Parse({"--lat", huge, "--lon", "0", "--zone", "0"});
        ADD_FAILURE() << "a latitude of 400 nines was taken";
    } catch (const EUsageError& e) {
        EXPECT_NE(std::string(e.what()).find("outside -65.7273..65.7273"), std::string::npos)
            << e.what();
    }
    for (const char* bad : {"nan", "inf", "-inf", "1e3", "12abc", "", "-", "+", "1.2.3", "0x10",
                            " 1", "1,5", "--1", "1e400"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseDecimal("--lat", bad), EUsageError);
    }
    EXPECT_EQ(ParseDayCount("1"), 1);
    EXPECT_EQ(ParseDayCount("3660"), 3660);
    EXPECT_EQ(ParseDayCount("0007"), 7);
    for (const char* bad : {"0", "3661", "2.5", "-1", "+3", "abc", "", "99999999999999999999"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseDayCount(bad), EUsageError);
    }
    EXPECT_EQ(ParseAlarmMinutes("0"), 0);
    EXPECT_EQ(ParseAlarmMinutes("015"), 15);
    EXPECT_EQ(ParseAlarmMinutes("1440"), 1440);
    for (const char* bad : {"1441", "-5", "2.5", "ten", "", "4294967306"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseAlarmMinutes(bad), EUsageError);
    }
}

TEST(TableArguments, EventLists) {
    using Chosen = std::array<bool, 6>;
    const struct {
        const char* Text;
        Chosen Events;  // Fajr, Shrook, Dhuhr, Asr, Maghrib, Isha
    } rows[] = {
        {"fajr", {true, false, false, false, false, false}},
        {"ISHA,fajr", {true, false, false, false, false, true}},
        {"sunrise,Maghrib,maghrib", {false, true, false, false, true, false}},
        {"fajr,shrook,dhuhr,asr,maghrib,isha", {true, true, true, true, true, true}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(ParseEventList(row.Text), row.Events);
    }
    for (const char* bad : {"", "fajr,", ",isha", "fajr,,isha", "tahajjud", "fajr isha"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseEventList(bad), EUsageError);
    }
    const TableRequest ics = Parse({"--format", "ics", "--events", "asr", "--alarm", "10"});
    EXPECT_EQ(ics.Events, (Chosen{false, false, false, true, false, false}));
    EXPECT_EQ(ics.AlarmMinutes, 10);
    EXPECT_EQ(Parse({"--format", "ics"}).Events, Chosen({true, true, true, true, true, true}));
    EXPECT_FALSE(Parse({"--format", "ics"}).AlarmMinutes.has_value());
}

TEST(TableArguments, Dates) {
    EXPECT_EQ(ParseIsoDate("--date", "2024-02-29"), EncodeDate(2024, 2, 29));
    EXPECT_EQ(ParseIsoDate("--date", "0001-01-01"), EncodeDate(1, 1, 1));
    EXPECT_EQ(ParseIsoDate("--date", "9999-12-31"), EncodeDate(9999, 12, 31));
    for (const char* bad : {"2023-02-29", "0000-01-01", "2024-13-01", "2024-04-31", "2024-4-10",
                            "10000-01-01", "2024/04/10", "2024-04-10x", "", "-024-04-10"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseIsoDate("--date", bad), EUsageError);
    }
    const std::pair<int32_t, int> at = ParseDateTimeOfDay("--at", "2025-06-01 23:59");
    EXPECT_EQ(at.first, FixedFromDateTime(EncodeDate(2025, 6, 1)));
    EXPECT_EQ(at.second, 23 * 60 + 59);
    EXPECT_EQ(ParseDateTimeOfDay("--at", "0001-01-01T00:00").second, 0);
    for (const char* bad :
         {"2025-06-01", "2025-06-01 24:00", "2025-06-01 12:60", "2025-06-01 9:30",
          "2025-02-30 10:00", "2025-06-01 10:00:00", "2025-06-01_10:00", "tomorrow"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseDateTimeOfDay("--at", bad), EUsageError);
    }
}

TEST(TableArguments, DefaultsAreMeccaThisWeekAndTheWindowsOptions) {
    const TableRequest r = Parse({}, EncodeDate(2024, 4, 10) + 0.75);
    EXPECT_EQ(r.PlaceName, "Mecca");
    EXPECT_TRUE(r.PlaceIsCity);
    EXPECT_DOUBLE_EQ(r.Settings.Latitude, 21.42);
    EXPECT_EQ(r.Settings.GmtHours, 3);
    EXPECT_EQ(r.Settings.CalcMethod, UmmAlQura);
    EXPECT_EQ(r.Settings.Juristic, 0);
    EXPECT_TRUE(r.Settings.AddSafetyTime);
    EXPECT_FALSE(r.Settings.RoundMinutes);
    EXPECT_FALSE(r.Settings.TwelveHours);
    EXPECT_FALSE(r.Settings.SunsetBased);
    EXPECT_TRUE(r.WeekMode);
    EXPECT_EQ(r.Settings.Date, EncodeDate(2024, 4, 10));
    EXPECT_EQ(r.Format, OutputFormat::Text);
    EXPECT_FALSE(r.Seconds);
}

TEST(TableArguments, CityThenExplicitOptionsOverrideIt) {
    const TableRequest ny = Parse({"--city", "new york"});
    EXPECT_EQ(ny.PlaceName, "New York");
    EXPECT_EQ(ny.Settings.CalcMethod, Isna);
    EXPECT_EQ(ny.Settings.GmtHours, -5);

    const TableRequest r =
        Parse({"--city", "MECCA", "--method", "mwl", "--asr", "Hanafi", "--elevation", "12.6",
               "--no-safety", "--nearest-minute", "--12h", "--format", "csv", "--seconds"});
    EXPECT_EQ(r.Settings.CalcMethod, MuslimWorldLeague);
    EXPECT_EQ(r.Settings.Juristic, 1);
    EXPECT_EQ(r.Settings.Elevation, 13);
    EXPECT_FALSE(r.Settings.AddSafetyTime);
    EXPECT_TRUE(r.Settings.RoundMinutes);
    EXPECT_TRUE(r.Settings.TwelveHours);
    EXPECT_EQ(r.Format, OutputFormat::Csv);
    EXPECT_TRUE(r.Seconds);

    // Coordinates with a city replace its place; the city's method stays unless given.
    const TableRequest moved =
        Parse({"--city", "Riyadh", "--lat", "10", "--lon", "20", "--zone", "1"});
    EXPECT_DOUBLE_EQ(moved.Settings.Latitude, 10.0);
    EXPECT_EQ(moved.Settings.CalcMethod, UmmAlQura);
    EXPECT_FALSE(moved.PlaceIsCity);
}

// Every method of the core's table is reachable by its key in any case, and the outputs name it
// by its caption.
TEST(TableArguments, EveryMethodKeySelectsItsRow) {
    for (int i = 0; i < CalcMethodCount(); ++i) {
        const TCalcMethod& method = CalcMethods()[static_cast<size_t>(i)];
        std::string key(method.Key);
        key[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
        const TableRequest r =
            Parse({"--lat", "10", "--lon", "20", "--zone", "1", "--method", key});
        EXPECT_EQ(r.Settings.CalcMethod, i) << key;
        EXPECT_TRUE(OptionsLine(r.Settings, false).starts_with(std::string(method.Caption) + ", "))
            << OptionsLine(r.Settings, false);
        // A place of its own coordinates takes the method's Asr, unless --asr names one.
        EXPECT_EQ(r.Settings.Juristic, method.DefaultJuristic) << key;
        EXPECT_EQ(
            Parse({"--lat", "10", "--lon", "20", "--zone", "1", "--asr", "hanafi", "--method", key})
                .Settings.Juristic,
            1)
            << key;
    }
}

// Each format takes the options its row says it can hold, and refuses the others.
TEST(TableArguments, EachFormatTakesWhatItsRowCanHold) {
    struct Option {
        bool TOutputFormat::*Capability;
        std::vector<std::string> Args;
    };
    const Option options[] = {
        {&TOutputFormat::SunsetCounts, {"--sunset-based"}},
        {&TOutputFormat::Seconds, {"--seconds"}},
        {&TOutputFormat::IsoTimes, {"--iso-times"}},
        {&TOutputFormat::ChosenEvents, {"--alarm", "5"}},
        {&TOutputFormat::ChosenEvents, {"--events", "fajr"}},
        {&TOutputFormat::NextTime, {"--next"}},
    };
    for (const TOutputFormat& format : OutputFormats) {
        for (const Option& option : options) {
            std::vector<std::string> args = {"--format", std::string(format.Key)};
            args.insert(args.end(), option.Args.begin(), option.Args.end());
            SCOPED_TRACE(args[1] + " " + args[2]);
            if (format.*option.Capability) {
                EXPECT_EQ(Parse(args).Format, format.Format);
            } else {
                EXPECT_THROW(Parse(args), EUsageError);
            }
        }
    }
}

TEST(TableArguments, CoordinatesDefaultToMuslimWorldLeague) {
    const TableRequest r = Parse({"--lat", "-33.8833", "--lon", "151.2167", "--zone=-3:30"});
    EXPECT_DOUBLE_EQ(r.Settings.Latitude, -33.8833);
    EXPECT_DOUBLE_EQ(r.Settings.Longitude, 151.2167);
    EXPECT_EQ(r.Settings.GmtHours, -3);
    EXPECT_EQ(r.Settings.GmtMinutes, 30);
    EXPECT_EQ(r.Settings.CalcMethod, MuslimWorldLeague);
    EXPECT_EQ(r.Settings.Elevation, 0);
    EXPECT_FALSE(r.PlaceIsCity);
    // A negative number after an option is its value, not an option.
    EXPECT_DOUBLE_EQ(Parse({"--lat", "-12.5", "--lon", "-77", "--zone", "-5"}).Settings.Latitude,
                     -12.5);
}

// A value given to either safety flag is honoured.
TEST(TableArguments, SafetyFlagsTakeAValue) {
    const struct {
        const char* Arg;
        bool Added;
    } rows[] = {
        {"--safety", true},      {"--safety=true", true},     {"--safety=false", false},
        {"--safety=0", false},   {"--safety=1", true},        {"--no-safety", false},
        {"--no-safety=0", true}, {"--no-safety=false", true}, {"--nearest-minute", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Arg);
        EXPECT_EQ(Parse({row.Arg}).Settings.AddSafetyTime, row.Added);
    }
    EXPECT_THROW(Parse({"--safety=maybe"}), EUsageError);
}

// --tz names a zone of the system's database; auto takes the city's zone, and coordinates
// need either --zone or --tz. A city is on its own zone, also where --lat/--lon move the place;
// --zone gives a fixed offset instead.
TEST(TableArguments, TimeZones) {
    const struct {
        std::vector<std::string> Args;
        const char* Zone;  // empty: the fixed offset of the zone fields
    } rows[] = {
        {{"--tz", "Europe/London"}, "Europe/London"},
        {{"--city", "New York", "--tz", "auto"}, "America/New_York"},
        {{"--tz", "AUTO"}, "Asia/Riyadh"},  // Mecca, the default place
        {{"--lat", "52.52", "--lon", "13.405", "--tz", "Europe/Berlin"}, "Europe/Berlin"},
        {{}, ""},
        {{"--city", "London"}, "Europe/London"},
        {{"--city", "Sydney"}, "Australia/Sydney"},
        {{"--city", "London", "--lat", "51.6", "--lon", "-0.3"}, "Europe/London"},
        {{"--city", "London", "--zone", "0"}, ""},
        {{"--lat", "52.52", "--lon", "13.405", "--zone", "1"}, ""},
        {{"--place", "Leeds"}, "Europe/London"},
        {{"--place", "Birmingham, US"}, "America/Chicago"},
        {{"--place", "Leeds", "--tz", "auto"}, "Europe/London"},
        {{"--place", "Leeds", "--zone", "0"}, ""},
    };
    for (const auto& row : rows) {
        const TableRequest r = Parse(row.Args);
        EXPECT_EQ(r.TimeZone, row.Zone) << testing::PrintToString(row.Args);
        EXPECT_EQ(r.Clock.IsZone(), *row.Zone != '\0') << testing::PrintToString(row.Args);
    }
    EXPECT_FALSE(Parse({"--lat", "52.52", "--lon", "13.405", "--tz", "Europe/Berlin"}).PlaceIsCity);

    // local: TZ when it is set, else /etc/localtime.
    const char* saved = std::getenv("TZ");
    const std::string savedValue = saved != nullptr ? saved : "";
    setenv("TZ", ":America/Santiago", 1);
    EXPECT_EQ(Parse({"--tz", "local"}).TimeZone, "America/Santiago");
    setenv("TZ", "Nowhere/Atlantis", 1);
    EXPECT_THROW(Parse({"--tz", "local"}), EUsageError);
    // A rule a day ahead of UTC reads, but its offset has no ISO 8601 form.
    setenv("TZ", "XXX-24", 1);
    EXPECT_EQ(Parse({"--tz", "local"}).Clock.OffsetAt(0), 86400);
    EXPECT_THROW(Parse({"--tz", "local", "--iso-times"}), EUsageError);
    EXPECT_TRUE(Parse({"--tz", "local", "--iso-times=utc"}).IsoTimesUtc);
    unsetenv("TZ");
    EXPECT_FALSE(Parse({"--tz", "local"}).TimeZone.empty());
    if (saved != nullptr) {
        setenv("TZ", savedValue.c_str(), 1);
    }
}

TEST(TableArguments, SunsetBasedShowsATwelveHourClock) {
    const TableRequest r = Parse({"--sunset-based"});
    EXPECT_TRUE(r.Settings.SunsetBased);
    EXPECT_TRUE(r.Settings.TwelveHours);
}

TEST(TableArguments, RunsOfDays) {
    const TableRequest from = Parse({"--from", "2024-01-01", "--days", "366"});
    EXPECT_FALSE(from.WeekMode);
    EXPECT_EQ(from.FirstFixed, FixedFromDateTime(EncodeDate(2024, 1, 1)));
    EXPECT_EQ(from.DayCount, 366);

    const TableRequest days = Parse({"--days", "3660"}, EncodeDate(2024, 4, 10) + 0.5);
    EXPECT_EQ(days.FirstFixed, FixedFromDateTime(EncodeDate(2024, 4, 10)));
    EXPECT_EQ(days.DayCount, 3660);

    EXPECT_EQ(Parse({"--from", "2024-01-01"}).DayCount, 7);
    EXPECT_EQ(Parse({"--from", "9999-12-01", "--days", "31"}).DayCount, 31);
    EXPECT_THROW(Parse({"--from", "9999-12-01", "--days", "32"}), EUsageError);
    // The week of 1 January 1 begins in year 0; the week ending 31 December 9999 is whole.
    EXPECT_THROW(Parse({"--date", "0001-01-01"}), EUsageError);
    EXPECT_TRUE(Parse({"--date", "9999-12-31"}).WeekMode);
    // A clock on the first day: --next needs no week, and the week's refusal names the clock.
    EXPECT_TRUE(Parse({"--next"}, EncodeDate(1, 1, 1)).Next);
    try {
        Parse({}, EncodeDate(1, 1, 1) + 0.5);
        ADD_FAILURE() << "the week of 0001-01-01 was accepted";
    } catch (const EUsageError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("clock (0001-01-01)"), std::string::npos) << message;
        EXPECT_EQ(message.find("--date"), message.find("give --date") + 5) << message;
    }
}

// --adjust takes the names of --events with signed or unsigned minutes; --hijri-adjust a
// signed number of days. Each refuses what lies outside its range, naming it.
TEST(TableArguments, UserAdjustments) {
    struct Row {
        const char* Text;
        std::array<int, 6> Minutes;
    };
    const Row rows[] = {
        {"fajr=+2", {2, 0, 0, 0, 0, 0}},
        {"fajr=2,isha=-1", {2, 0, 0, 0, 0, -1}},
        {"Sunrise=-60,ASR=60", {0, -60, 0, 60, 0, 0}},
        {"maghrib=\xE2\x88\x92" "3", {0, 0, 0, 0, -3, 0}},  // typographic minus
        {"dhuhr=0", {0, 0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(ParseAdjustments(row.Text), row.Minutes);
        EXPECT_EQ(Parse({"--adjust", row.Text}).Settings.AdjustMinutes, row.Minutes);
    }
    for (const char* bad : {"fajr=+61", "isha=-61", "dusk=1", "fajr", "fajr=", "fajr=1,fajr=2",
                            "fajr=1,", "fajr=1.5", "=2", "fajr=+-2", "fajr=99999"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseAdjustments(bad), EUsageError);
    }
    const std::pair<const char*, int> days[] = {{"1", 1}, {"+2", 2}, {"-2", -2}, {"0", 0}};
    for (const auto& [text, value] : days) {
        EXPECT_EQ(ParseHijriAdjust(text), value) << text;
        EXPECT_EQ(Parse({"--hijri-adjust", text}).Settings.HijriAdjustDays, value) << text;
    }
    for (const char* bad : {"3", "-3", "x", "", "1.0", "++1"}) {
        EXPECT_THROW(ParseHijriAdjust(bad), EUsageError) << bad;
    }
    EXPECT_EQ(Parse({}).Settings.AdjustMinutes, (std::array<int, 6>{}));
    EXPECT_EQ(Parse({}).Settings.HijriAdjustDays, 0);
}

TEST(TableArguments, HelpIsNotAnError) {
    const TableRequest r = Parse({"--help"});
    EXPECT_TRUE(r.Help);
    EXPECT_NE(r.HelpText.find("--list-cities"), std::string::npos);
}

}  // namespace
}  // namespace orvandel::table
