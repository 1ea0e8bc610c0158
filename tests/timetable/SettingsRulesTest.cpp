// The rules the window and the command share: the runs of days, the place's name, the settings'
// zone and the place's own clock, and the tables of prayers and formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "platform/DateTime.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Prayers.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableClock.h"
#include "timetable/TableFormats.h"
#include "timetable/TableText.h"
#include "timetable/Timetable.h"

namespace orvandel {
namespace {

int32_t FixedOf(int year, int month, int day) {
    return FixedFromDateTime(EncodeDate(year, month, day));
}

TEST(DayRuns, CivilDatesWeeksAndMonths) {
    EXPECT_EQ(CivilFixedRange.Min, FixedOf(1, 1, 1));
    EXPECT_EQ(CivilFixedRange.Max, FixedOf(9999, 12, 31));
    struct Row {
        const char* Name;
        TDayRun Run;
        bool Fits;
    };
    const int32_t last = CivilFixedRange.Max;
    const Row fits[] = {
        {"first day", {1, 1}, true},
        {"day before it", {0, 1}, false},
        {"last day", {last, 1}, true},
        {"past the last", {last, 2}, false},
        {"ten days to the end", {last - 9, 10}, true},
        {"eleven days", {last - 9, 11}, false},
        {"no day", {last, 0}, true},
        {"negative count", {1, -1}, false},
    };
    for (const Row& row : fits) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Run.Fits(), row.Fits);
    }

    struct CalendarRow {
        int Year, Month, Day;
        TDayRun Week, Month_;
    };
    const CalendarRow calendar[] = {
        // A Wednesday: the week from Saturday the 6th; April has 30 days.
        {2024, 4, 10, {FixedOf(2024, 4, 6), 7}, {FixedOf(2024, 4, 1), 30}},
        // A Saturday starts its own week; a leap February.
        {2024, 2, 24, {FixedOf(2024, 2, 24), 7}, {FixedOf(2024, 2, 1), 29}},
        // A Friday ends its week; a common February.
        {2023, 2, 10, {FixedOf(2023, 2, 4), 7}, {FixedOf(2023, 2, 1), 28}},
        // The last Friday of the calendar.
        {9999, 12, 31, {FixedOf(9999, 12, 25), 7}, {FixedOf(9999, 12, 1), 31}},
    };
    for (const CalendarRow& row : calendar) {
        SCOPED_TRACE(IsoDateText(FixedOf(row.Year, row.Month, row.Day)));
        const TDateTime date = EncodeDate(row.Year, row.Month, row.Day) + 0.75;  // evening
        EXPECT_EQ(WeekRun(date).First, row.Week.First);
        EXPECT_EQ(WeekRun(date).Count, row.Week.Count);
        EXPECT_EQ(MonthRun(date).First, row.Month_.First);
        EXPECT_EQ(MonthRun(date).Count, row.Month_.Count);
        EXPECT_TRUE(WeekRun(date).Fits());
    }
    // 1 January 1 is a Monday: its week starts two days before the calendar.
    EXPECT_FALSE(WeekRun(EncodeDate(1, 1, 1)).Fits());
}

// The place is named after the city it came from while the settings hold the city's
// coordinates to the fields' four decimals.
TEST(PlaceName, CityWhileTheFieldsHoldItsCoordinates) {
    const TCityEntry& mecca = *FindCityByCaption("Mecca");
    struct Row {
        const char* Name;
        const TCityEntry* City;
        double LatitudeShift;  // degrees
        const char* Text;
        bool IsCity;
    };
    const Row rows[] = {
        {"the city", &mecca, 0.0, "Mecca", true},
        {"within the fields' rounding", &mecca, 4e-5, "Mecca", true},
        {"moved by a field's step", &mecca, 1e-4, "21.4201 N  39.8300 E", false},
        {"no city", nullptr, 0.0, "21.4200 N  39.8300 E", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TimetableSettings settings;
        ApplyCity(settings, mecca);
        settings.Latitude += row.LatitudeShift;
        const TPlaceName name = PlaceNameOf(settings, row.City);
        EXPECT_EQ(name.Text, row.Text);
        EXPECT_EQ(name.IsCity, row.IsCity);
    }
}

// The zone of the fields: the minutes take the sign of the hours; seconds of a zone database
// replace the fields. The hours the astronomy takes agree with the seconds.
TEST(SettingsZone, FieldsOrSecondsAsSecondsAndHours) {
    struct Row {
        int Hours, Minutes;
        std::optional<int> Seconds;
        int ExpectedSeconds;
    };
    // The last row: a local mean time with seconds.
    const Row rows[] = {
        {3, 0, {}, 10800},     {-3, 30, {}, -12600}, {5, 45, {}, 20700},   {0, 30, {}, 1800},
        {-25, 59, {}, -93540}, {3, 0, -1800, -1800}, {0, 0, 20764, 20764},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.Hours) + ":" + std::to_string(row.Minutes));
        TimetableSettings settings;
        settings.GmtHours = row.Hours;
        settings.GmtMinutes = row.Minutes;
        settings.ZoneOffsetSeconds = row.Seconds;
        EXPECT_EQ(SettingsZoneSeconds(settings), row.ExpectedSeconds);
        EXPECT_EQ(SettingsClock(settings).OffsetAt(0), row.ExpectedSeconds);
        EXPECT_NEAR(SettingsZoneHours(settings) * 3600.0, row.ExpectedSeconds, 1e-9);
    }
}

// The latitude limit narrows with the elevation; the highest elevation at a latitude is the
// last whose limit holds it.
TEST(SettingsRules, LatitudeLimitAndHighestElevation) {
    struct Row {
        int Elevation;
        double Limit;  // degrees
    };
    for (const Row row : {Row{0, 65.7273}, Row{300, 65.1714}, Row{9999, 62.5196}}) {
        EXPECT_DOUBLE_EQ(LatitudeRangeAt(row.Elevation).Max, row.Limit) << row.Elevation;
        EXPECT_DOUBLE_EQ(LatitudeRangeAt(row.Elevation).Min, -row.Limit) << row.Elevation;
    }
    for (const double latitude : {0.0, 60.0, 62.6, 65.0, -65.5, 65.7273}) {
        SCOPED_TRACE(latitude);
        const int highest = HighestElevationAt(latitude);
        ASSERT_TRUE(ElevationRange.Contains(highest));
        EXPECT_TRUE(LatitudeRangeAt(highest).Contains(latitude));
        if (highest < ElevationRange.Max) {
            EXPECT_FALSE(LatitudeRangeAt(highest + 1).Contains(latitude));
        }
    }
    EXPECT_EQ(HighestElevationAt(60.0), ElevationRange.Max);
    EXPECT_EQ(HighestElevationAt(65.7273), 0);
    EXPECT_EQ(HighestElevationAt(65.7274), -1);
}

// A city's own zone while the fields hold its offset; else, where asked, the computer's zone
// while the fields hold any offset it uses that year (Dublin's GMT although its database
// standard is +1); and whether the zone can change what the week shows.
TEST(PlaceClock, CityZoneOrComputerZoneAndWhetherItMatters) {
    const char* savedTz = std::getenv("TZ");
    const std::string saved = savedTz != nullptr ? savedTz : "";
    struct Row {
        const char* Name;
        const char* City;  // nullptr: typed by hand at Mecca's coordinates
        int GmtHours;
        bool FollowSystem;
        const char* Tz;    // the computer's zone
        int Month;         // of 2024; the week of the 6th
        const char* Zone;  // expected zone name, "" for none
        bool Matters;
    };
    const char* berlin = "Europe/Berlin";
    const Row rows[] = {
        {"London on its offset", "London", 0, false, berlin, 4, "Europe/London", true},
        {"London on another offset", "London", 1, false, berlin, 4, "", false},
        {"London on another offset, computer's zone", "London", 1, true, berlin, 4, berlin, true},
        {"Mecca on its offset", "Mecca", 3, false, berlin, 4, "Asia/Riyadh", false},
        {"typed, the computer's standard offset", nullptr, 1, true, berlin, 4, berlin, true},
        {"typed, the computer's summer offset", nullptr, 2, true, berlin, 1, berlin, true},
        {"typed, not asked to follow", nullptr, 1, false, berlin, 4, "", false},
        {"typed, an offset the computer never uses", nullptr, 3, true, berlin, 4, "", false},
        {"typed GMT 0 at Dublin in July", nullptr, 0, true, "Europe/Dublin", 7, "Europe/Dublin",
         true},
        {"typed GMT 0 at Dublin in January", nullptr, 0, true, "Europe/Dublin", 1, "Europe/Dublin",
         true},
        {"typed GMT 1 at Dublin", nullptr, 1, true, "Europe/Dublin", 7, "Europe/Dublin", true},
        {"typed GMT 0 at London in July", nullptr, 0, true, "Europe/London", 7, "Europe/London",
         true},
        {"typed 10 at Sydney in July", nullptr, 10, true, "Australia/Sydney", 7, "Australia/Sydney",
         true},
        {"typed 11 at Sydney in July", nullptr, 11, true, "Australia/Sydney", 7, "Australia/Sydney",
         true},
        {"typed 9 at Sydney: fixed", nullptr, 9, true, "Australia/Sydney", 7, "", false},
        {"typed 3 at Riyadh, no daylight saving", nullptr, 3, true, "Asia/Riyadh", 7, "Asia/Riyadh",
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        setenv("TZ", row.Tz, 1);
        const int32_t first = WeekRun(EncodeDate(2024, row.Month, 6)).First;
        TimetableSettings settings;
        const TCityEntry* city = row.City != nullptr ? FindCityByCaption(row.City) : nullptr;
        ApplyCity(settings, city != nullptr ? *city : DefaultCity());
        settings.GmtHours = row.GmtHours;
        const std::optional<TableClock> zone = PlaceZone(settings, city, row.FollowSystem, first);
        EXPECT_EQ(zone ? zone->Name() : std::string(), row.Zone);
        EXPECT_EQ(zone && ZoneMatters(*zone, SettingsZoneSeconds(settings), first), row.Matters);
    }
    if (savedTz != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
}

TEST(Prayers, KeysNamesAndTheSunriseOfNext) {
    std::set<std::string_view> keys;
    for (const TPrayerInfo& prayer : Prayers) {
        EXPECT_TRUE(keys.insert(prayer.Key).second) << prayer.Key;
        EXPECT_EQ(PrayerName(static_cast<int>(prayer.Index)), prayer.Name);
        EXPECT_EQ(FindPrayer(prayer.Key), &prayer);
    }
    struct Row {
        const char* Text;
        const TPrayerInfo* Found;
    };
    const Row rows[] = {{"SHROOK", &Prayers[Shrook]},
                        {"Sunrise", &Prayers[Shrook]},
                        {"sunrise", &Prayers[Shrook]},
                        {"Isha", &Prayers[Isha]},
                        {"", nullptr},
                        {"noon", nullptr},
                        {"fajr ", nullptr}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(FindPrayer(row.Text), row.Found);
    }
    EXPECT_THROW(PrayerAt(6), ERangeError);
    EXPECT_THROW(PrayerAt(-1), ERangeError);
}

// Every format has a key of its own; every format Save as offers names a file type with its
// extension; a run written in a format carries the civil date texts where the format writes
// them.
TEST(OutputFormats, KeysFilesAndDates) {
    TableOutputOptions options;
    ApplyCity(options.Settings, DefaultCity());
    options.PlaceName = "Mecca";
    const TableClock clock = SettingsClock(options.Settings);
    std::set<std::string_view> keys;
    for (const TOutputFormat& format : OutputFormats) {
        SCOPED_TRACE(std::string(format.Key));
        EXPECT_TRUE(keys.insert(format.Key).second);
        if (!format.Caption.empty()) {
            EXPECT_NE(format.FileFilter.find("(*." + std::string(format.Extension) + ")"),
                      std::string_view::npos);
        }
        std::vector<TimetableDay> rows;
        const std::string text =
            RenderRun(format.Format, options, clock, {FixedOf(2024, 4, 10), 2}, &rows);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].CivilDateText.empty(), !format.LocaleDates);
        if (format.LocaleDates) {
            EXPECT_NE(text.find(rows[0].CivilDateText), std::string::npos);
        } else {  // the ISO date, in iCalendar without its dashes
            EXPECT_TRUE(text.find("2024-04-10") != std::string::npos ||
                        text.find("20240410") != std::string::npos);
        }
    }
    EXPECT_EQ(FormatKeysWhere(&TOutputFormat::ChosenEvents, true, " or "), "ics");
    EXPECT_EQ(FormatKeysWhere(&TOutputFormat::NextTime, false, " or "), "csv or ics");
}

// The user's minutes move their time, on the clock and as an event, by exactly that many
// minutes and touch no other; the user's days move the Hijri date by that many days. Both are
// named wherever the outputs say how the times were computed.
TEST(UserAdjustments, MinutesMoveTheirTimeAndDaysTheHijriDate) {
    TimetableSettings plain;
    ApplyCity(plain, DefaultCity());
    plain.CivilDateTexts = false;
    TimetableEngine engine;
    const int32_t first = FixedOf(2024, 3, 1);  // Shaban to Shawwal 1445
    constexpr int days = 60;
    const std::vector<TimetableDay> before = engine.ComputeDays(plain, first, days + 2);
    struct Row {
        Prayer Which;
        int Minutes;
    };
    for (const Row row : {Row{Fajr, 2}, Row{Shrook, -60}, Row{Asr, 60}, Row{Isha, -1}}) {
        SCOPED_TRACE(std::string(Prayers[row.Which].Name) + " " + std::to_string(row.Minutes));
        TimetableSettings adjusted = plain;
        adjusted.AdjustMinutes[row.Which] = row.Minutes;
        const std::vector<TimetableDay> after = engine.ComputeDays(adjusted, first, days);
        for (int d = 0; d < days; ++d) {
            for (const TPrayerInfo& prayer : Prayers) {
                const int moved = prayer.Index == row.Which ? row.Minutes : 0;
                const TimetableDay& a = after[static_cast<size_t>(d)];
                const TimetableDay& b = before[static_cast<size_t>(d)];
                EXPECT_EQ(a.ShownMinutes[prayer.Index], b.ShownMinutes[prayer.Index] + moved);
                EXPECT_EQ(a.EventMinutes[prayer.Index], b.EventMinutes[prayer.Index] + moved);
            }
        }
        EXPECT_NE(OptionsLine(adjusted, false)
                      .find(std::string(Prayers[row.Which].Name) + " " +
                            (row.Minutes > 0 ? "+" : "") + std::to_string(row.Minutes) + " min"),
                  std::string::npos)
            << OptionsLine(adjusted, false);
    }
    for (const int shift : {-2, -1, 1, 2}) {
        SCOPED_TRACE("Hijri date " + std::to_string(shift));
        TimetableSettings adjusted = plain;
        adjusted.HijriAdjustDays = shift;
        const std::vector<TimetableDay> after = engine.ComputeDays(adjusted, first + 2, days - 4);
        for (size_t d = 0; d < after.size(); ++d) {
            const TimetableDay& moved = before[d + 2 + static_cast<size_t>(shift)];
            EXPECT_EQ(after[d].HijriDateText, moved.HijriDateText);
            for (const Prayer p : {Fajr, Shrook, Dhuhr, Asr, Maghrib}) {
                EXPECT_EQ(after[d].ShownMinutes[p], before[d + 2].ShownMinutes[p]);
            }
            // Umm al-Qura's Isha follows Maghrib by 2 hours in the Ramadan of the shown date.
            EXPECT_EQ(after[d].ShownMinutes[Isha] - after[d].ShownMinutes[Maghrib],
                      after[d].HijriMonth == 9 ? 120 : 90)
                << after[d].HijriDateText;
        }
        EXPECT_NE(OptionsLine(adjusted, false).find("Hijri date"), std::string::npos);
    }
    // The calendar's events say so in their description.
    TableOutputOptions options;
    options.Settings = plain;
    options.Settings.AdjustMinutes[Fajr] = 2;
    options.Settings.HijriAdjustDays = -1;
    options.PlaceName = "Mecca";
    const std::string ics =
        RenderRun(OutputFormat::Ics, options, SettingsClock(options.Settings), {first, 1});
    EXPECT_NE(ics.find("Asr Standard\\, Fajr +2 min\\,"), std::string::npos) << ics;
    EXPECT_NE(ics.find("Hijri date -1 day\\n"), std::string::npos) << ics;  // after a fold
    EXPECT_EQ(AdjustmentsText(plain), "");
    EXPECT_EQ(OptionsLine(plain, false),
              "Umm Al-Qura, Asr Standard, safety time added, minutes truncated, 12-hour clock");
}

// The rules other than the 48-degree one keep Fajr within its share of the night before
// sunrise and Isha within its share after sunset (to the minute), at London and Oslo over a
// year, and take those limits where the twilight never ends. A seventh of the night moves the
// two times smoothly, by at most 3 minutes from one day to the next on a fixed clock, where
// the 48-degree rule jumps between its two branches. The rules are named in the options line.
TEST(HighLatitudeRules, FajrAndIshaWithinTheirShareOfTheNight) {
    struct Place {
        const char* Name;
        double Latitude, Longitude;
        int GmtHours;
    };
    const Place places[] = {{"London", 51.5, -0.1167, 0}, {"Oslo", 59.91, 10.75, 1}};
    TimetableEngine engine;
    const int32_t first = FixedOf(2027, 1, 1);
    constexpr int days = 365;
    for (const Place& place : places) {
        for (const THighLatitudeRule& rule : HighLatitudeRules) {
            SCOPED_TRACE(std::string(place.Name) + " " + std::string(rule.Key));
            TimetableSettings settings;
            settings.Latitude = place.Latitude;
            settings.Longitude = place.Longitude;
            settings.GmtHours = place.GmtHours;
            ApplyMethod(settings, MuslimWorldLeague);
            settings.CivilDateTexts = false;
            settings.HighLatRule = rule.Rule;
            const std::vector<TimetableDay> rows = engine.ComputeDays(settings, first, days);
            const double fajrShare = rule.Rule == HighLatitudeRule::Middle    ? 0.5
                                     : rule.Rule == HighLatitudeRule::Seventh ? 1.0 / 7
                                                                              : 18.0 / 60;
            const double ishaShare = rule.Rule == HighLatitudeRule::Angle ? 17.0 / 60 : fajrShare;
            int largest = 0;
            for (size_t d = 0; d < rows.size(); ++d) {
                const TimetableDay& day = rows[d];
                ASSERT_TRUE(day.Occurs[Fajr] && day.Occurs[Isha]);
                if (d > 0) {
                    for (const Prayer p : {Fajr, Isha}) {
                        largest = std::max(
                            largest, std::abs(day.EventMinutes[p] - rows[d - 1].EventMinutes[p]));
                    }
                }
                if (rule.Rule == HighLatitudeRule::Rule48) {
                    continue;
                }
                const double night =
                    24 * 60 - (day.EventMinutes[Maghrib] - day.EventMinutes[Shrook]);
                EXPECT_LE(day.EventMinutes[Shrook] - day.EventMinutes[Fajr], fajrShare * night + 1)
                    << IsoDateText(day.Fixed);
                EXPECT_LE(day.EventMinutes[Isha] - day.EventMinutes[Maghrib], ishaShare * night + 1)
                    << IsoDateText(day.Fixed);
            }
            if (rule.Rule == HighLatitudeRule::Rule48) {
                if (place.Latitude < 55) {
                    EXPECT_GT(largest, 10);  // the switch between its branches in May and August
                }
                EXPECT_EQ(OptionsLine(settings, false).find("high latitudes"), std::string::npos);
            } else {
                EXPECT_NE(OptionsLine(settings, false).find(std::string(rule.Caption)),
                          std::string::npos);
            }
            if (rule.Rule == HighLatitudeRule::Seventh) {
                EXPECT_LE(largest, 3);
            }
            std::printf("%s %s: largest move from one day to the next %d min\n", place.Name,
                        std::string(rule.Key).c_str(), largest);
        }
    }
}

}  // namespace
}  // namespace orvandel
