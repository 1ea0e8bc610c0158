// The clock a timetable is read on: zones on the days their clocks change against tzdata
// (tests/data/zone_transitions.csv), summer time against fixed zones, a catalogue city on its
// own zone, and the instants of the times on a fixed clock.
#include "timetable/TableClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calendar/Gregorian.h"
#include "tests/timetable/TableTestSupport.h"
#include "timetable/CalcMethods.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Prayers.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableText.h"
#include "timetable/TableWriters.h"

namespace orvandel {
namespace {

using test::ClockedRun;
using test::RunOnClock;

constexpr int32_t UnixEpochFixed = 719163;  // fixed date of 1970-01-01

// Coordinates with the command's default method for them, on a zone the clock replaces.
TimetableSettings Coordinates(double latitude, double longitude) {
    return test::PlaceSettings(latitude, longitude, 0, MuslimWorldLeague);
}

struct Transition {
    long long Utc;
    int Before, After;  // offsets, seconds east
};

// tests/data/zone_transitions.csv: each zone's changes of offset as Python's zoneinfo reads
// them.
std::map<std::string, std::vector<Transition>> ZoneTransitions() {
    std::map<std::string, std::vector<Transition>> transitions;
    std::ifstream in(std::string(ORVANDEL_TEST_DATA) + "/zone_transitions.csv");
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        const std::vector<std::string> f = test::Split(line, ',');
        if (f.size() != 4u) {
            ADD_FAILURE() << "zone_transitions.csv: " << line;
            continue;
        }
        transitions[f[0]].push_back({test::ReadIso(f[1]).Utc, std::stoi(f[2]), std::stoi(f[3])});
    }
    return transitions;
}

// London, New York, Sydney and Santiago around their changes of clock in 2024, 2025, 2050 and
// 2100: every time's offset is the one tzdata gives at its instant, every shown time is the
// clock's reading at that instant, and each row's clock is its noon's. Readings of the clock
// around each change: the hour a change forward skips is read on the offset before it, the
// hour a change back repeats is its earlier pass.
TEST(TableClock, OffsetsOnTheDaysTheClocksChangeAreThoseOfTzdata) {
    const std::map<std::string, std::vector<Transition>> transitions = ZoneTransitions();
    struct Place {
        const char* Zone;
        double Latitude, Longitude;
    };
    const Place places[] = {{"Europe/London", 51.5074, -0.1278},
                            {"America/New_York", 40.7128, -74.006},
                            {"Australia/Sydney", -33.8688, 151.2093},
                            {"America/Santiago", -33.4489, -70.6693}};
    int checked = 0;
    for (const Place& place : places) {
        ASSERT_EQ(transitions.count(place.Zone), 1u) << place.Zone;
        const std::vector<Transition>& list = transitions.at(place.Zone);
        ASSERT_EQ(list.size(), 8u) << place.Zone;
        const auto offsetAt = [&](long long utc) {
            int offset = list.front().Before;
            for (const Transition& t : list) {
                if (utc >= t.Utc) {
                    offset = t.After;
                }
            }
            return offset;
        };
        const TableClock clock = TableClock::Zone(place.Zone);
        for (const Transition& change : list) {
            // From two days before the local date of the change to two days after.
            const auto localDay = static_cast<int32_t>((change.Utc + change.After) / 86400);
            const int32_t first = UnixEpochFixed + localDay - 2;
            SCOPED_TRACE(std::string(place.Zone) + " change at " + std::to_string(change.Utc));
            const ClockedRun run =
                RunOnClock(Coordinates(place.Latitude, place.Longitude), clock, first, 5);
            ASSERT_EQ(run.Rows.size(), 5u);
            std::set<int> offsetsSeen;
            for (size_t r = 0; r < run.Rows.size(); ++r) {
                const TimetableDay& day = run.Rows[r];
                const RowTimes& times = run.Times[r];
                for (size_t p = 0; p < 6; ++p) {
                    SCOPED_TRACE(IsoDateTime(times.Utc[p], times.OffsetAt[p]));
                    ASSERT_TRUE(day.Occurs[p]);
                    EXPECT_EQ(times.OffsetAt[p], offsetAt(times.Utc[p]));
                    const long long shownSeconds = 60LL * day.ShownMinutes[p];
                    const long long reading = times.Utc[p] + times.OffsetAt[p];
                    EXPECT_EQ(((reading - shownSeconds) % 86400 + 86400) % 86400, 0)
                        << "shown " << day.ShownMinutes[p] << " min";
                    offsetsSeen.insert(times.OffsetAt[p]);
                    ++checked;
                }
                // Dhuhr lies near 12:00, where the row's clock is read.
                EXPECT_EQ(times.Offset, times.OffsetAt[2]);
            }
            EXPECT_EQ(offsetsSeen, (std::set<int>{change.Before, change.After}));

            // Readings of the clock: an hour before the change, within the hour it skips or
            // repeats, and just after that hour.
            const long long gapStart = change.Utc + std::min(change.Before, change.After);
            const long long gapEnd = change.Utc + std::max(change.Before, change.After);
            const bool forward = change.After > change.Before;
            EXPECT_FALSE(clock.Skips(gapStart - 3600));
            EXPECT_EQ(clock.UtcOf(gapStart - 3600), gapStart - 3600 - change.Before);
            EXPECT_EQ(clock.Skips((gapStart + gapEnd) / 2), forward);
            EXPECT_EQ(clock.UtcOf((gapStart + gapEnd) / 2),
                      (gapStart + gapEnd) / 2 - change.Before);
            EXPECT_FALSE(clock.Skips(gapEnd));
            EXPECT_EQ(clock.UtcOf(gapEnd), gapEnd - change.After);
        }
    }
    EXPECT_EQ(checked, 4 * 8 * 5 * 6);
}

// The README's Berlin run over 2025: every summer-time day shows the times of a fixed zone of
// +2 h and every other day those of +1 h. Against +1 h the summer times are an hour later:
// exactly for the calendar astronomy (Shrook to Maghrib); the high-latitude routine behind
// Fajr and Isha reads the sun at an hour that depends on the zone it is given, which moves its
// times by 4 s on average (10 s at most), so there about one minute in fifteen differs by one.
TEST(TableClock, BerlinSummerTimeIsAnHourLaterThanTheFixedZone) {
    const TimetableSettings berlin = Coordinates(52.52, 13.405);
    const int32_t first = FixedFromGregorian(2025, 1, 1);
    const ClockedRun zone = RunOnClock(berlin, TableClock::Zone("Europe/Berlin"), first, 365);
    TimetableEngine engine;
    TimetableSettings fixed = berlin;
    fixed.GmtHours = 1;
    const std::vector<TimetableDay> winter = engine.ComputeDays(fixed, first, 365);
    fixed.GmtHours = 2;
    const std::vector<TimetableDay> summer = engine.ComputeDays(fixed, first, 365);
    ASSERT_EQ(zone.Rows.size(), 365u);
    int summerDays = 0;
    int minutesOff = 0;
    for (size_t d = 0; d < 365; ++d) {
        SCOPED_TRACE(IsoDateTime(SecondsOfFixed(zone.Rows[d].Fixed), 0).substr(0, 10));
        const bool isSummer = zone.Times[d].Offset == 7200;
        summerDays += isSummer;
        EXPECT_TRUE(isSummer || zone.Times[d].Offset == 3600) << zone.Times[d].Offset;
        const TimetableDay& same = isSummer ? summer[d] : winter[d];
        EXPECT_EQ(zone.Rows[d].TimeTexts, same.TimeTexts);
        for (size_t p = 0; p < 6; ++p) {
            const int later = zone.Rows[d].ShownMinutes[p] - winter[d].ShownMinutes[p];
            if (p == 0 || p == 5) {
                minutesOff += later != (isSummer ? 60 : 0);
                EXPECT_LE(std::abs(later - (isSummer ? 60 : 0)), 1) << "prayer " << p;
            } else {
                EXPECT_EQ(later, isSummer ? 60 : 0) << "prayer " << p;
            }
        }
    }
    EXPECT_EQ(summerDays, 210);  // 30 March to 25 October
    EXPECT_LT(minutesOff, 2 * 210 / 10);
}

// A catalogue city on its own zone: the clock of each row is the zone's at that date, and the
// row's times are those of a fixed zone of that offset.
TEST(TableClock, ACityIsOnItsOwnClock) {
    struct Row {
        const char* City;  // or nullptr for the coordinates below
        int Year, Month, Day;
        int Offset;  // seconds east, from the zone's rules
    };
    const Row rows[] = {
        {"London", 2026, 7, 1, 3600},  {"London", 2026, 1, 15, 0},
        {"Sydney", 2026, 7, 1, 36000}, {"Sydney", 2026, 1, 15, 39600},
        {"Mecca", 2026, 7, 1, 10800},  {"New York", 2026, 7, 1, -14400},
        {nullptr, 2040, 7, 1, -3600},  // 59 N, 51.7 W on America/Nuuk
    };
    TimetableEngine engine;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.City != nullptr ? row.City : "America/Nuuk");
        TimetableSettings settings = Coordinates(59, -51.7);
        std::string zone = "America/Nuuk";
        if (row.City != nullptr) {
            const TCityEntry* city = FindCityByCaption(row.City);
            ASSERT_NE(city, nullptr);
            ApplyCity(settings, *city);
            zone = std::string(city->IanaZone);
        }
        const int32_t day = FixedFromGregorian(row.Year, static_cast<uint16_t>(row.Month),
                                               static_cast<uint16_t>(row.Day));
        const ClockedRun run = RunOnClock(settings, TableClock::Zone(zone), day, 1);
        ASSERT_EQ(run.Times.size(), 1u);
        EXPECT_EQ(run.Times[0].Offset, row.Offset);
        TimetableSettings fixed = settings;
        fixed.ZoneOffsetSeconds = row.Offset;
        EXPECT_EQ(run.Rows[0].TimeTexts, engine.ComputeDays(fixed, day, 1).at(0).TimeTexts);
    }
}

// On a fixed clock each time's instant is its shown minute on its own date read on the clock's
// offset, and the clock's offset is that of every time: for the week as the window computes it
// and for a run of days alike. Zones with minutes, one between -1 h and 0, one of a local mean
// time with seconds, and a night whose Isha falls after midnight.
TEST(TableClock, AFixedClockGivesEveryTimeItsInstant) {
    struct Row {
        const char* Name;
        double Latitude, Longitude;
        int GmtHours, GmtMinutes;
        std::optional<int> ZoneSeconds;
        int Year, Month, Day;
    };
    const Row rows[] = {
        {"Mecca, +3:00", 21.42, 39.83, 3, 0, std::nullopt, 2024, 4, 10},
        {"St. John's, -3:30", 47.56, -52.71, -3, 30, std::nullopt, 2024, 6, 21},
        {"Kathmandu, +5:45", 27.7, 85.32, 5, 45, std::nullopt, 2024, 12, 21},
        {"-0:30 in seconds", 10, -8, 0, 0, -1800, 2024, 9, 4},
        {"Berlin's local mean time, +0:53:28", 52.52, 13.405, 0, 0, 3208, 1880, 6, 21},
        {"Bordeaux, +2:00, Isha after midnight", 44.84, -0.58, 2, 0, std::nullopt, 2024, 6, 21},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TimetableSettings settings = Coordinates(row.Latitude, row.Longitude);
        settings.GmtHours = row.GmtHours;
        settings.GmtMinutes = row.GmtMinutes;
        settings.ZoneOffsetSeconds = row.ZoneSeconds;
        settings.Date =
            EncodeDate(row.Year, static_cast<uint16_t>(row.Month), static_cast<uint16_t>(row.Day));
        const int offset =
            row.ZoneSeconds.value_or(60 * ZoneOffsetMinutes(row.GmtHours, row.GmtMinutes));
        const TableClock clock = TableClock::Fixed(offset);
        TimetableEngine engine;
        std::vector<RowTimes> weekTimes, dayTimes;
        const Timetable week = ComputeClockedWeek(engine, settings, clock, weekTimes);
        const std::vector<TimetableDay> days =
            ComputeClockedDays(engine, settings, clock, week.Days[0].Fixed, 7, false, dayTimes);
        const struct {
            const char* Name;
            std::vector<TimetableDay> Rows;
            const std::vector<RowTimes>& Times;
        } sources[] = {{"ComputeClockedWeek", {week.Days.begin(), week.Days.end()}, weekTimes},
                       {"ComputeClockedDays", days, dayTimes}};
        for (const auto& source : sources) {
            SCOPED_TRACE(source.Name);
            ASSERT_EQ(source.Times.size(), 7u);
            int checked = 0, wrong = 0;
            std::string firstWrong;
            for (size_t r = 0; r < 7; ++r) {
                const TimetableDay& day = source.Rows[r];
                const RowTimes& times = source.Times[r];
                EXPECT_EQ(times.Offset, offset);
                for (size_t p = 0; p < 6; ++p) {
                    if (!day.Occurs[p]) {
                        continue;
                    }
                    ++checked;
                    const int64_t instant =
                        SecondsOfFixed(day.Fixed) + 60LL * day.EventMinutes[p] - offset;
                    if (times.Utc[p] != instant || times.OffsetAt[p] != offset) {
                        if (++wrong == 1) {
                            firstWrong = "row " + std::to_string(r) + " prayer " +
                                         std::to_string(p) + ": Utc " +
                                         std::to_string(times.Utc[p]) + ", expected " +
                                         std::to_string(instant) + "; offset " +
                                         std::to_string(times.OffsetAt[p]);
                        }
                    }
                }
            }
            EXPECT_GE(checked, 30);
            EXPECT_EQ(wrong, 0) << "first: " << firstWrong;
        }
    }
}

// Clocks far ahead of the place's mean time, past the date line (+13, +13:45, +14 at 157 to
// 176 degrees west), and one far behind it on a fixed offset: over a year, every time of a row
// falls on the row's own date on the clock shown (its ISO date-time; the iCalendar event is
// the same instant). Samoa left out 30 December 2011: that row has no time that happens; the days around
// it are on their own dates.
TEST(TableClock, EveryRowsTimesFallOnItsOwnDatePastTheDateLine) {
    struct Row {
        const char* Name;
        double Latitude, Longitude;
        const char* Zone;  // nullptr: the fixed offset of GmtHours
        int GmtHours;
        int Year, Month, Day, Count;
    };
    const Row rows[] = {
        {"Kiritimati, +14", 1.87, -157.4, "Pacific/Kiritimati", 0, 2024, 1, 1, 366},
        {"Tonga, +13", -21.14, -175.2, "Pacific/Tongatapu", 0, 2024, 1, 1, 366},
        {"Samoa, +13 and +14", -13.83, -171.76, "Pacific/Apia", 0, 2020, 7, 1, 366},
        {"Chatham, +13:45 and +12:45", -43.95, -176.56, "Pacific/Chatham", 0, 2024, 1, 1, 366},
        {"Samoa over its skipped day", -13.83, -171.76, "Pacific/Apia", 0, 2011, 12, 1, 62},
        {"a fixed -12 at 170 degrees east", -15.0, 170.0, nullptr, -12, 2024, 1, 1, 366},
    };
    const int32_t skipped = FixedFromDateTime(EncodeDate(2011, 12, 30));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TimetableSettings settings = Coordinates(row.Latitude, row.Longitude);
        settings.GmtHours = row.GmtHours;
        const TableClock clock =
            row.Zone != nullptr ? TableClock::Zone(row.Zone) : SettingsClock(settings);
        const int32_t first = FixedFromDateTime(EncodeDate(row.Year, row.Month, row.Day));
        const ClockedRun run = RunOnClock(settings, clock, first, row.Count);
        TableOutputOptions iso;
        iso.Settings = settings;
        iso.IsoTimes = true;
        int checked = 0;
        for (size_t r = 0; r < run.Rows.size(); ++r) {
            const TimetableDay& day = run.Rows[r];
            const std::string date = IsoDateText(day.Fixed);
            if (day.Fixed == skipped && row.Zone != nullptr) {
                EXPECT_EQ(std::count(day.Occurs.begin(), day.Occurs.end(), true), 0) << date;
                continue;
            }
            for (const TPrayerInfo& prayer : Prayers) {
                ASSERT_TRUE(day.Occurs[prayer.Index]) << date << " " << prayer.Name;
                const std::string time =
                    TimeField(iso, day, run.Times[r], static_cast<int>(prayer.Index), true);
                EXPECT_EQ(time.substr(0, 10), date) << prayer.Name << " " << time;
                ++checked;
            }
        }
        EXPECT_GT(checked, 6 * (row.Count - 1) - 1);
    }
}

}  // namespace
}  // namespace orvandel
