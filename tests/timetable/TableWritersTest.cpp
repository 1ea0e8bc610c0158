// The timetable as data: csv, json and iCalendar written from computed rows, read back with
// std::chrono, nlohmann::json and libical, and checked against the published Umm al-Qura dates,
// the minutes the rows show and each other.
#include "timetable/TableWriters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "calendar/Gregorian.h"
#include "platform/Errors.h"
#include "tests/timetable/TableTestSupport.h"
#include "timetable/CityCatalogue.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableText.h"

namespace orvandel {
namespace {

using test::ClockedRun;
using test::CsvRows;
using test::PlaceSettings;
using test::ReadIcal;
using test::ReadIso;
using test::RunOnClock;
using test::Split;

constexpr int MeccaOffset = 3 * 3600;                           // seconds east
const int32_t MeccaWeekStart = FixedFromGregorian(2024, 4, 6);  // a Saturday

// The week of 6 to 12 April 2024 in the published Umm al-Qura calendar.
struct HijriDate {
    int Day, Month;
    const char* Text;
};
constexpr HijriDate MeccaWeekHijri[7] = {
    {27, 9, "27 Ramadan 1445"}, {28, 9, "28 Ramadan 1445"}, {29, 9, "29 Ramadan 1445"},
    {30, 9, "30 Ramadan 1445"}, {1, 10, "1 Shawwal 1445"},  {2, 10, "2 Shawwal 1445"},
    {3, 10, "3 Shawwal 1445"},
};
constexpr const char* Weekdays[7] = {"Saturday",  "Sunday",   "Monday", "Tuesday",
                                     "Wednesday", "Thursday", "Friday"};
constexpr const char* TimeKeys[6] = {"fajr", "shrook", "dhuhr", "asr", "maghrib", "isha"};

// Mecca as the catalogue has it, on the 24-hour clock, the week of 10 April 2024.
TableOutputOptions MeccaOptions() {
    TableOutputOptions options;
    ApplyCity(options.Settings, DefaultCity());
    options.Settings.Date = EncodeDate(2024, 4, 10);
    options.Settings.TwelveHours = false;
    options.Settings.RightToLeft = false;
    options.Settings.CivilDateTexts = false;
    options.PlaceName = std::string(DefaultCity().Caption);
    return options;
}

ClockedRun MeccaWeek(const TableOutputOptions& options) {
    return RunOnClock(options.Settings, TableClock::Fixed(MeccaOffset), MeccaWeekStart, 7,
                      options.Seconds);
}

// A time field as seconds after the row's midnight on the 24-hour clock: "4:35" or "24:15",
// "4:35:07" with seconds, "4:35 AM" or "12:15 AM" on the 12-hour clock; nullopt for any other
// text.
std::optional<int> FieldSeconds(const std::string& text, bool meridiem, bool seconds) {
    static const std::regex plain(R"((\d{1,2}):([0-5]\d)())");
    static const std::regex withSeconds(R"((\d{1,2}):([0-5]\d):([0-5]\d))");
    static const std::regex twelve(R"((1[0-2]|[1-9]):([0-5]\d)() (AM|PM))");
    static const std::regex twelveWithSeconds(R"((1[0-2]|[1-9]):([0-5]\d):([0-5]\d) (AM|PM))");
    std::smatch m;
    const std::regex& form = meridiem ? (seconds ? twelveWithSeconds : twelve)
                                      : (seconds ? withSeconds : plain);
    if (!std::regex_match(text, m, form)) {
        return std::nullopt;
    }
    int hours = std::stoi(m[1]);
    if (meridiem) {
        hours = hours % 12 + (m[4] == "PM" ? 12 : 0);
    }
    return (hours * 60 + std::stoi(m[2])) * 60 + (seconds ? std::stoi(m[3]) : 0);
}

// Each row's date, weekday and Hijri date, its times in the form asked for and in order, and
// its clock, in the csv and in the json alike.
TEST(TableWriters, CsvAndJsonHoldEachRowsDatesTimesAndClock) {
    struct Variant {
        const char* Name;
        bool TwelveHours, Seconds, SunsetBased;
    };
    const Variant variants[] = {
        {"24-hour clock", false, false, false},
        {"12-hour clock with AM and PM", true, false, false},
        {"seconds, truncated", false, true, false},
        {"seconds on the 12-hour clock with AM and PM", true, true, false},
        {"sunset-based counts: no half of the day", true, false, true},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.Name);
        TableOutputOptions options = MeccaOptions();
        options.Settings.TwelveHours = v.TwelveHours;
        options.Settings.SunsetBased = v.SunsetBased;
        options.Seconds = v.Seconds;
        const ClockedRun run = MeccaWeek(options);
        const std::string csv = RenderCsv(options, run.Rows, run.Times);
        ASSERT_EQ(Split(csv, '\n').size(), 8u) << csv;
        EXPECT_EQ(Split(csv, '\n')[0],
                  "date,weekday,hijri_day,hijri_month,hijri_year,fajr,shrook,dhuhr,asr,maghrib,"
                  "isha,utc_offset");
        const auto rows = CsvRows(csv);
        const auto json = nlohmann::ordered_json::parse(RenderJson(options, run.Rows, run.Times));
        ASSERT_TRUE(json.is_array());
        ASSERT_EQ(json.size(), 7u);
        for (size_t r = 0; r < 7; ++r) {
            const std::vector<std::string>& f = rows[r];
            const TimetableDay& day = run.Rows[r];
            ASSERT_EQ(f.size(), 12u) << csv;
            char date[16];
            std::snprintf(date, sizeof date, "2024-04-%02zu", 6 + r);
            SCOPED_TRACE(date);
            EXPECT_EQ(f[0], date);
            EXPECT_EQ(f[1], Weekdays[r]);
            EXPECT_EQ(f[2], std::to_string(MeccaWeekHijri[r].Day));
            EXPECT_EQ(f[3], std::to_string(MeccaWeekHijri[r].Month));
            EXPECT_EQ(f[4], "1445");
            EXPECT_EQ(f[11], "+03:00");
            int previous = -1;
            for (size_t p = 0; p < 6; ++p) {
                const std::string& text = f[5 + p];
                const bool meridiem = v.TwelveHours && !v.SunsetBased;
                const std::optional<int> seconds = FieldSeconds(text, meridiem, v.Seconds);
                ASSERT_TRUE(seconds.has_value()) << TimeKeys[p] << " '" << text << "'";
                if (v.SunsetBased) {
                    continue;  // counts from sunset, checked below
                }
                // The minute the row shows; with seconds, the unrounded time truncated.
                EXPECT_EQ(*seconds / 60, day.ShownMinutes[p]) << text;
                if (v.Seconds) {
                    const double exact = day.Hours[p] * 3600.0;
                    EXPECT_LE(*seconds, exact + 1e-6) << text;
                    EXPECT_GT(*seconds, exact - 1.0) << text;
                }
                EXPECT_GT(*seconds, previous) << TimeKeys[p] << " " << text;
                previous = *seconds;
            }
            if (v.SunsetBased) {
                EXPECT_EQ(f[9], "12:00");
                EXPECT_EQ(f[10], MeccaWeekHijri[r].Month == 9 ? "2:00" : "1:30");
            }
            // The json row: the csv's fields under the same names, Hijri fields as numbers.
            const nlohmann::ordered_json& object = json[r];
            std::vector<std::string> keys;
            for (const auto& item : object.items()) {
                keys.push_back(item.key());
            }
            EXPECT_EQ(keys, (std::vector<std::string>{"date", "weekday", "hijri_day", "hijri_month",
                                                      "hijri_year", "fajr", "shrook", "dhuhr",
                                                      "asr", "maghrib", "isha", "utc_offset"}));
            EXPECT_EQ(object["date"].get<std::string>(), f[0]);
            EXPECT_EQ(object["weekday"].get<std::string>(), f[1]);
            EXPECT_EQ(object["hijri_day"], MeccaWeekHijri[r].Day);
            EXPECT_EQ(object["hijri_month"], MeccaWeekHijri[r].Month);
            EXPECT_EQ(object["hijri_year"], 1445);
            for (size_t p = 0; p < 6; ++p) {
                EXPECT_EQ(object[TimeKeys[p]].get<std::string>(), f[5 + p]);
            }
            EXPECT_EQ(object["utc_offset"].get<std::string>(), f[11]);
        }
        // Fajr of 10 April before five in the morning.
        if (!v.SunsetBased) {
            EXPECT_TRUE(rows[4][5].starts_with("4:")) << rows[4][5];
        }
    }

    // A row whose Hijri date could not be computed has empty csv fields and json nulls.
    const TableOutputOptions options = MeccaOptions();
    ClockedRun run = MeccaWeek(options);
    run.Rows[2].HijriValid = false;
    EXPECT_EQ(Split(RenderCsv(options, run.Rows, run.Times), '\n')[3].substr(0, 21),
              "2024-04-08,Monday,,,,");
    const auto json = nlohmann::json::parse(RenderJson(options, run.Rows, run.Times));
    EXPECT_TRUE(json[2]["hijri_day"].is_null());
    EXPECT_TRUE(json[2]["hijri_month"].is_null());
    EXPECT_TRUE(json[2]["hijri_year"].is_null());
    EXPECT_EQ(json[3]["hijri_day"], 30);
}

// One time as a data field: with seconds, and on the 12-hour clock at the edges of its halves
// and for times on another date than the row's.
TEST(TableWriters, FormsOfOneTime) {
    const struct {
        const char* Name;
        double Hours;
        const char* Text;
    } withSeconds[] = {
        {"beyond 24 h, not wrapped", 24.25, "24:15:00"},
        {"an exact minute whatever its last bit", 4 + 35.0 / 60, "4:35:00"},
        {"seconds truncated", 4 + 59.0 / 60 + 59.9 / 3600, "4:59:59"},
        {"before midnight, signed", -0.5, "-0:30:00"},
        {"less than a second before midnight, no sign", -0.0001, "0:00:00"},
        {"midnight", 0.0, "0:00:00"},
    };
    for (const auto& row : withSeconds) {
        EXPECT_EQ(FormatHoursWithSeconds(row.Hours), row.Text) << row.Name;
    }
    // The text table's 12-hour form keeps its hours 0 to 12.
    EXPECT_EQ(FormatHoursWithSeconds(13.5, true), "1:30:00");
    EXPECT_EQ(FormatHoursWithSeconds(0.25, true), "0:15:00");
    EXPECT_EQ(FormatHoursWithSeconds(24.25, true), "12:15:00");
    const std::pair<long long, const char*> twelveWithSeconds[] = {
        {0, "12:00:00 AM"}, {47166, "1:06:06 PM"}, {43199, "11:59:59 AM"},
        {-1, "11:59:59 PM"}, {86400 + 61, "12:01:01 AM"},
    };
    for (const auto& [seconds, text] : twelveWithSeconds) {
        EXPECT_EQ(TwelveHourClock(seconds, true), text) << seconds;
    }
    EXPECT_THROW(FormatHoursWithSeconds(std::nan("")), EInvalidOp);
    const std::pair<int, const char*> twelveHours[] = {
        {0, "12:00 AM"},   {59, "12:59 AM"},  {719, "11:59 AM"},  {720, "12:00 PM"},
        {779, "12:59 PM"}, {780, "1:00 PM"},  {1439, "11:59 PM"}, {1455, "12:15 AM"},
        {-30, "11:30 PM"}, {1500, "1:00 AM"},
    };
    for (const auto& [minutes, text] : twelveHours) {
        EXPECT_EQ(TwelveHourTime(minutes), text) << minutes;
    }
}

// Local ISO date-times, the same instants in UTC and the iCalendar events name one instant per
// time, the wall-clock reading of the time the table shows: over a year at Bordeaux on the
// Paris clock (summer time, and an Isha after midnight in June), and for weeks of far years on
// fixed clocks.
TEST(TableWriters, IsoTimesAndIcsNameTheSameInstants) {
    const TimetableSettings mecca = PlaceSettings(21.42, 39.83, 3, UmmAlQura);
    TimetableSettings bangkok = mecca;
    ApplyCity(bangkok, *FindCityByCaption("Bangkok"));
    struct Run {
        const char* Name;
        TimetableSettings Settings;
        TableClock Clock;
        int32_t First;
        int Count;
        bool Seconds;
        bool CrossesMidnight;  // some time falls on another date than its row
    };
    const Run runs[] = {
        {"Bordeaux on the Paris clock through 2024",
         PlaceSettings(44.84, -0.58, 0, MuslimWorldLeague), TableClock::Zone("Europe/Paris"),
         FixedFromGregorian(2024, 1, 1), 366, false, true},
        {"Mecca in 3001", mecca, TableClock::Fixed(3 * 3600), FixedFromGregorian(3001, 1, 1), 7,
         false, false},
        {"Mecca at the end of 9999, with seconds", mecca, TableClock::Fixed(3 * 3600),
         FixedFromGregorian(9999, 12, 25), 7, true, false},
        {"Bangkok from 1 January 1", bangkok, TableClock::Fixed(7 * 3600),
         FixedFromGregorian(1, 1, 1), 7, false, false},
        {"47.3 N with Fajr the evening before", PlaceSettings(47.3, 40, 2, EgyptianSurvey),
         TableClock::Fixed(2 * 3600), FixedFromGregorian(2024, 6, 10), 20, false, true},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.Name);
        TableOutputOptions options;
        options.Settings = run.Settings;
        options.Seconds = run.Seconds;
        options.PlaceName = "place";
        const ClockedRun rows =
            RunOnClock(run.Settings, run.Clock, run.First, run.Count, run.Seconds);
        const auto shown = CsvRows(RenderCsv(options, rows.Rows, rows.Times));
        const test::IcalCalendar ics =
            ReadIcal(RenderIcs(options, rows.Rows, rows.Times, 1712750400));
        options.IsoTimes = true;
        const auto local = CsvRows(RenderCsv(options, rows.Rows, rows.Times));
        options.IsoTimesUtc = true;
        const auto utc = CsvRows(RenderCsv(options, rows.Rows, rows.Times));
        ASSERT_EQ(local.size(), static_cast<size_t>(run.Count));
        ASSERT_EQ(utc.size(), local.size());
        ASSERT_EQ(shown.size(), local.size());
        std::map<std::string, long long> instants;  // "20240621-isha" -> instant
        int crossings = 0;                          // local dates other than the row's
        for (size_t r = 0; r < local.size(); ++r) {
            const TimetableDay& day = rows.Rows[r];
            ASSERT_EQ(local[r].size(), 12u);
            ASSERT_EQ(utc[r].size(), 12u);
            EXPECT_EQ(utc[r][11], local[r][11]);  // the row's clock stays
            if (day.Occurs[2]) {
                // Dhuhr lies near 12:00, where the row's clock is read.
                EXPECT_EQ(local[r][11], local[r][7].substr(19)) << local[r][0];
            }
            const long long rowMidnight = test::CivilSeconds(
                std::stoi(local[r][0].substr(0, 4)),
                static_cast<unsigned>(std::stoi(local[r][0].substr(5, 2))),
                static_cast<unsigned>(std::stoi(local[r][0].substr(8, 2))), 0, 0, 0);
            for (size_t p = 0; p < 6; ++p) {
                SCOPED_TRACE(local[r][0] + " " + TimeKeys[p]);
                if (!day.Occurs[p]) {
                    EXPECT_EQ(local[r][5 + p], "");
                    EXPECT_EQ(utc[r][5 + p], "");
                    continue;
                }
                const test::IsoInstant inLocal = ReadIso(local[r][5 + p]);
                const test::IsoInstant inUtc = ReadIso(utc[r][5 + p]);
                ASSERT_TRUE(inLocal.Valid) << local[r][5 + p];
                ASSERT_TRUE(inUtc.Valid && utc[r][5 + p].back() == 'Z') << utc[r][5 + p];
                EXPECT_EQ(inUtc.Utc, inLocal.Utc);
                EXPECT_EQ(inLocal.Offset, run.Clock.OffsetAt(inLocal.Utc));
                // The reading of the clock at the instant is the time the table shows, on the
                // date of its event.
                const int shownSeconds = run.Seconds ? *FieldSeconds(shown[r][5 + p], false, true)
                                                     : 60 * test::ClockMinutes(shown[r][5 + p]);
                EXPECT_EQ(((inLocal.Local - shownSeconds) % 86400 + 86400) % 86400, 0)
                    << local[r][5 + p] << " shown " << shown[r][5 + p];
                const long long sinceMidnight = inLocal.Local - rowMidnight;
                const long long localDay =
                    sinceMidnight >= 0 ? sinceMidnight / 86400 : -((86399 - sinceMidnight) / 86400);
                EXPECT_EQ(localDay, day.DayOffset[p]) << local[r][5 + p];
                crossings += localDay != 0;
                std::string key = local[r][0];
                key.erase(std::remove(key.begin(), key.end(), '-'), key.end());
                key += std::string("-") + TimeKeys[p];
                instants[key] = inLocal.Utc;
            }
        }
        EXPECT_EQ(crossings > 0, run.CrossesMidnight) << crossings;
        ASSERT_TRUE(ics.Parsed);
        EXPECT_EQ(ics.Errors, 0);
        EXPECT_EQ(ics.Events.size(), instants.size());
        for (const test::IcalEvent& event : ics.Events) {
            const std::string key = event.Uid.substr(0, event.Uid.find('-', 9));
            ASSERT_TRUE(instants.count(key)) << event.Uid;
            EXPECT_TRUE(event.StartIsUtc) << event.Uid;
            EXPECT_EQ(event.Start, instants[key]) << event.Uid;
        }
    }
}

// The iCalendar file of the Mecca week: one event of a quarter of an hour per time, at the
// time the table shows, named and described, in lines of at most 75 octets ended by CRLF.
TEST(TableWriters, IcsIsACalendarWithOneEventPerPrayerAndDay) {
    const TableOutputOptions options = MeccaOptions();
    const ClockedRun run = MeccaWeek(options);
    const std::string text = RenderIcs(options, run.Rows, run.Times, 1712750400);
    size_t lines = 0;
    for (const std::string& line : Split(text, '\n')) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r') << "line " << lines;
        EXPECT_LE(line.size() - 1, 75u) << line;
        ++lines;
    }
    EXPECT_GT(lines, 42u * 6);
    const test::IcalCalendar calendar = ReadIcal(text);
    ASSERT_TRUE(calendar.Parsed);
    EXPECT_EQ(calendar.Errors, 0);
    EXPECT_TRUE(calendar.Conforms);
    // The calendar's name, under the standard's property and the one most programs read.
    EXPECT_EQ(calendar.Properties.at("NAME"), "Prayer times (Mecca)");
    EXPECT_EQ(calendar.Properties.at("X-WR-CALNAME"), "Prayer times (Mecca)");
    ASSERT_EQ(calendar.Events.size(), 42u);
    std::set<std::string> uids;
    for (size_t i = 0; i < calendar.Events.size(); ++i) {
        const test::IcalEvent& event = calendar.Events[i];
        const size_t r = i / 6, p = i % 6;
        SCOPED_TRACE(event.Uid);
        uids.insert(event.Uid);
        EXPECT_EQ(event.Summary, PrayerName(static_cast<int>(p)));
        EXPECT_TRUE(event.StartIsUtc);
        EXPECT_EQ(event.Start, test::CivilSeconds(2024, 4, static_cast<unsigned>(6 + r), 0, 0, 0) +
                                   60LL * run.Rows[r].ShownMinutes[p] - MeccaOffset);
        EXPECT_EQ(event.End - event.Start, 15 * 60);
        EXPECT_EQ(event.Stamp, "20240410T120000Z");
        EXPECT_TRUE(event.Transparent);  // free time: a prayer does not block the calendar
        EXPECT_EQ(event.Description, std::string(MeccaWeekHijri[r].Text) +
                                         " AH\nUmm Al-Qura, Asr Standard\nMecca, 21.4200 N  "
                                         "39.8300 E");
        EXPECT_EQ(event.Location, "Mecca");
        EXPECT_FALSE(event.HasAlarm);
    }
    EXPECT_EQ(uids.size(), 42u);
}

// Another file names the same events again, also when it keeps only some of them, at another
// moment; each kept event then carries its reminder. A time whose event does not happen gets
// no event: at 47.6 N the Egyptian 19.5 deg dawn does not happen around 3 July 2024.
TEST(TableWriters, IcsKeepsTheChosenEventsThatHappenWithTheirReminders) {
    const TableOutputOptions mecca = MeccaOptions();
    const ClockedRun meccaWeek = MeccaWeek(mecca);
    std::set<std::string> meccaUids;
    for (const test::IcalEvent& event :
         ReadIcal(RenderIcs(mecca, meccaWeek.Rows, meccaWeek.Times, 0)).Events) {
        meccaUids.insert(event.Uid);
    }
    ASSERT_EQ(meccaUids.size(), 42u);
    TableOutputOptions north = mecca;
    north.Settings.Latitude = 47.6;
    north.Settings.Longitude = 0.0;
    north.Settings.GmtHours = 0;
    north.Settings.CalcMethod = EgyptianSurvey;
    north.PlaceName = "47.6000 N  0.0000 E";
    north.PlaceIsCity = false;
    const ClockedRun northWeek =
        RunOnClock(north.Settings, TableClock::Fixed(0), FixedFromGregorian(2024, 6, 29), 7);

    using Chosen = std::array<bool, 6>;  // Fajr, Shrook, Dhuhr, Asr, Maghrib, Isha
    constexpr Chosen all{true, true, true, true, true, true};
    constexpr Chosen maghrib{false, false, false, false, true, false};
    constexpr Chosen shrook{false, true, false, false, false, false};
    constexpr Chosen fajrAndIsha{true, false, false, false, false, true};
    struct Row {
        const char* Name;
        bool North;
        Chosen Events;
        std::optional<int> AlarmMinutes;
        int64_t Stamp;
        const char* StampText;
    };
    const Row rows[] = {
        {"all, a year later", false, all, std::nullopt, 1744286400, "20250410T120000Z"},
        {"Maghrib, ten minutes ahead", false, maghrib, 10, 1712750400, "20240410T120000Z"},
        {"Shrook, at the time", false, shrook, 0, 0, "19700101T000000Z"},
        {"Fajr and Isha, a day ahead", false, fajrAndIsha, 1440, 0, "19700101T000000Z"},
        {"47.6 N without some dawns", true, all, std::nullopt, 0, "19700101T000000Z"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TableOutputOptions options = row.North ? north : mecca;
        options.Events = row.Events;
        options.AlarmMinutes = row.AlarmMinutes;
        const ClockedRun& run = row.North ? northWeek : meccaWeek;
        const test::IcalCalendar calendar =
            ReadIcal(RenderIcs(options, run.Rows, run.Times, row.Stamp));
        ASSERT_TRUE(calendar.Parsed);
        EXPECT_EQ(calendar.Errors, 0);
        EXPECT_TRUE(calendar.Conforms);
        size_t expected = 0;
        int missing = 0;
        std::set<std::string> withoutEvent;  // "20240703-fajr"
        for (const TimetableDay& day : run.Rows) {
            for (size_t p = 0; p < 6; ++p) {
                expected += day.Occurs[p] && row.Events[p];
                missing += !day.Occurs[p];
                if (!day.Occurs[p]) {
                    std::string date = IsoDate(day);
                    date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
                    withoutEvent.insert(date + "-" + TimeKeys[p]);
                }
            }
        }
        EXPECT_EQ(missing > 0, row.North);
        EXPECT_EQ(calendar.Events.size(), expected);
        for (const test::IcalEvent& event : calendar.Events) {
            SCOPED_TRACE(event.Uid);
            EXPECT_EQ(event.Stamp, row.StampText);
            const auto p =
                static_cast<size_t>(std::find(std::begin(TimeKeys), std::end(TimeKeys),
                                              event.Uid.substr(9, event.Uid.find('-', 9) - 9)) -
                                    std::begin(TimeKeys));
            ASSERT_LT(p, 6u);
            EXPECT_TRUE(row.Events[p]);
            EXPECT_EQ(event.Summary, PrayerName(static_cast<int>(p)));
            EXPECT_EQ(withoutEvent.count(event.Uid.substr(0, event.Uid.find('-', 9))), 0u);
            if (!row.North) {
                EXPECT_EQ(meccaUids.count(event.Uid), 1u);
            }
            ASSERT_EQ(event.HasAlarm, row.AlarmMinutes.has_value());
            if (event.HasAlarm) {
                EXPECT_TRUE(event.AlarmDisplays);
                EXPECT_EQ(event.AlarmTrigger, -60 * *row.AlarmMinutes);
                EXPECT_EQ(event.AlarmDescription, event.Summary);
            }
        }
    }
}

// The iCalendar forms: TEXT escaped, lines folded at 75 octets between UTF-8 characters, UTC
// date-times of four-digit years.
TEST(TableWriters, IcalendarTextIsEscapedAndFolded) {
    const struct {
        const char* Name;
        std::string Text, Escaped;
    } texts[] = {
        {"separators and line breaks", "Dhuhr, Asr; a\\b\nc", "Dhuhr\\, Asr\\; a\\\\b\\nc"},
        {"control characters but tab dropped", std::string("a\0b\x01\x1f\r\x7f\tc", 9), "ab\tc"},
        {"well-formed UTF-8 kept, each stray byte replaced",
         "\xD8\xA7 \x80 \xC0\xAF \xED\xA0\x80 \xF0\x9F\x95\x8C \xE2\x80",
         "\xD8\xA7 \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD "
         "\xF0\x9F\x95\x8C \xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& row : texts) {
        EXPECT_EQ(EscapeIcalText(row.Text), row.Escaped) << row.Name;
    }
    const std::pair<int64_t, const char*> instants[] = {
        {0, "19700101T000000Z"},
        {32503680000LL, "30000101T000000Z"},
        {253402300799LL, "99991231T235959Z"},
        {-62135596800LL - 7200, "00001231T220000Z"},  // year 0: early on 1 January 1 in the east
        {253402300800LL, nullptr},                    // year 10000
    };
    for (const auto& [utc, text] : instants) {
        if (text == nullptr) {
            EXPECT_THROW(IcalUtcDateTime(utc), ERangeError) << utc;
        } else {
            EXPECT_EQ(IcalUtcDateTime(utc), text) << utc;
        }
    }
    const std::string lines[] = {"SUMMARY:short", "LOCATION:" + std::string(200, 'x'),
                                 "LOCATION:" + std::string(65, 'a') + "\xD8\xA7\xD9\x84" +
                                     std::string(3, 'b') + "\xE2\x80\x94\xF0\x9F\x95\x8C" +
                                     std::string(80, 'c')};
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 20));
        const std::string folded = IcalContentLine(line);
        std::string unfolded;
        for (const std::string& physical : Split(folded, '\n')) {
            ASSERT_FALSE(physical.empty());
            ASSERT_EQ(physical.back(), '\r');
            EXPECT_LE(physical.size() - 1, 75u);
            // No physical line begins inside a UTF-8 character.
            const std::string body = unfolded.empty() ? physical : physical.substr(1);
            EXPECT_NE(static_cast<unsigned char>(body.front()) & 0xC0, 0x80);
            unfolded += body.substr(0, body.size() - 1);
        }
        EXPECT_EQ(unfolded, line);
    }
}

// A writer that cannot hold a time refuses the whole output, naming the time.
TEST(TableWriters, TimesAFormCannotHoldAreRefusedByName) {
    const int32_t lastDay = FixedFromGregorian(9999, 12, 31);
    enum class Error { Range, InvalidOp };
    struct Row {
        const char* Name;
        std::function<std::string()> Write;
        Error Expected;
        const char* Names;
    };
    const Row rows[] = {
        {"an evening of 31 December 9999 west of Greenwich lies in 10000 in UTC",
         [&] {
             TableOutputOptions options;
             options.Settings = PlaceSettings(40, -120, -8, MuslimWorldLeague);
             const ClockedRun run =
                 RunOnClock(options.Settings, TableClock::Fixed(-8 * 3600), lastDay, 1);
             return RenderIcs(options, run.Rows, run.Times, 0);
         },
         Error::Range, "Maghrib of 9999-12-31"},
        {"a local date-time of year 10000",
         [&] {
             TableOutputOptions options;
             // Twelve hours ahead of the place's mean time: the afternoon's times fall on the
             // next date.
             options.Settings = PlaceSettings(0, -15, 11, MuslimWorldLeague);
             options.IsoTimes = true;
             const ClockedRun run =
                 RunOnClock(options.Settings, TableClock::Fixed(11 * 3600), lastDay, 1);
             return RenderCsv(options, run.Rows, run.Times);
         },
         Error::Range, "Dhuhr of 9999-12-31: the local date-time 10000-01-01T00:02"},
        {"sunset-based counts are no clock times",
         [&] {
             TableOutputOptions options = MeccaOptions();
             options.Settings.SunsetBased = true;
             const ClockedRun run = MeccaWeek(options);
             return RenderIcs(options, run.Rows, run.Times, 0);
         },
         Error::InvalidOp, "sunset-based"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        try {
            row.Write();
            ADD_FAILURE() << "written";
        } catch (const ERangeError& e) {
            EXPECT_EQ(row.Expected, Error::Range);
            EXPECT_NE(std::string(e.what()).find(row.Names), std::string::npos) << e.what();
        } catch (const EInvalidOp& e) {
            EXPECT_EQ(row.Expected, Error::InvalidOp);
            EXPECT_NE(std::string(e.what()).find(row.Names), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace orvandel
