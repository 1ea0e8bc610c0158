#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Classes/cTvkLocation.h"
#include "calendar/ProtoDate.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/DateTime.h"

using namespace orvandel;
namespace fs = std::filesystem;

namespace {

constexpr double Minute = 1.0 / 1440;  // days
constexpr double Second = 1.0 / 86400;

double At(int y, int m, int d, int hour, int minute) {
    return EncodeDate(y, m, d) + (hour + minute / 60.0) / 24.0;
}

// Last Sunday of March to last Sunday of October, zone +1; or, southern, first Sunday of
// October to first Sunday of April.
TTvkLocation RulePlace(bool southern = false) {
    TTvkLocation place;
    place.Zone = 1.0;
    place.HasDaylightSaving = true;
    place.DstStartWeekday = place.DstEndWeekday = 6;
    place.DstStartWeek = place.DstEndWeek = southern ? 1 : 0;
    place.DstStartMonth = southern ? 9 : 2;
    place.DstEndMonth = southern ? 3 : 9;
    return place;
}

template <typename F>
TTvkLocation Changed(F change) {
    TTvkLocation place = RulePlace();
    change(place);
    return place;
}

}  // namespace

TEST(DaylightSaving, RulesAndGuards) {
    struct Row {
        const char* name;
        TTvkLocation place;
        bool atTwo;
        double t;
        bool expected;
    };
    const double july = At(2024, 7, 15, 12, 0);
    const Row rows[] = {
        {"July", RulePlace(), true, july, true},
        {"January", RulePlace(), true, At(2024, 1, 15, 12, 0), false},
        {"31 March 01:59", RulePlace(), true, At(2024, 3, 31, 1, 59), false},
        {"31 March 02:00", RulePlace(), true, At(2024, 3, 31, 2, 0), true},
        {"27 October 01:59", RulePlace(), true, At(2024, 10, 27, 1, 59), true},
        {"27 October 02:00", RulePlace(), true, At(2024, 10, 27, 2, 0), false},
        {"change-over at midnight", RulePlace(), false, At(2024, 3, 31, 0, 0), true},
        {"southern January", RulePlace(true), true, At(2024, 1, 15, 12, 0), true},
        {"southern July", RulePlace(true), true, july, false},
        {"week code 5 ends on 20 October", Changed([](auto& p) { p.DstEndWeek = 5; }), true,
         At(2024, 10, 22, 12, 0), false},
        {"switched off", Changed([](auto& p) { p.DaylightSavingOff = true; }), true, july, false},
        {"no daylight saving", Changed([](auto& p) { p.HasDaylightSaving = false; }), true, july,
         false},
        {"week code 6", Changed([](auto& p) { p.DstStartWeek = 6; }), true, july, false},
        {"weekday code 7", Changed([](auto& p) { p.DstEndWeekday = 7; }), true, july, false},
        {"month code 12", Changed([](auto& p) { p.DstStartMonth = 12; }), true, july, false},
        {"no year after 9999", RulePlace(), true, At(9999, 12, 1, 0, 0), false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.place.IsDaylightSaving(r.atTwo, r.t), r.expected) << r.name;
}

TEST(DaylightSaving, ZoneConversions) {
    const TTvkLocation& mecca = UmAlQuraSource();
    const TTvkLocation europe = RulePlace();
    const double july = At(2024, 7, 15, 12, 0), january = At(2024, 1, 15, 12, 0);
    EXPECT_DOUBLE_EQ(mecca.LocalToUniversal(false, july), july - 3.0 / 24);
    EXPECT_DOUBLE_EQ(mecca.UniversalToLocal(false, july), july + 3.0 / 24);
    EXPECT_EQ(mecca.LocalToUniversal(true, july), july);
    EXPECT_DOUBLE_EQ(europe.LocalToUniversal(false, july), july - 2.0 / 24);
    EXPECT_DOUBLE_EQ(europe.UniversalToLocal(false, july), july + 2.0 / 24);
    EXPECT_DOUBLE_EQ(europe.UniversalToLocal(false, january), january + 1.0 / 24);
    // 0 stands for no event and is never shifted, whatever the zone.
    EXPECT_EQ(mecca.UniversalToLocal(false, 0.0), 0.0);
    EXPECT_EQ(europe.UniversalToLocal(false, 0.0), 0.0);
}

TEST(SkyEvents, MeccaSunsetAgreesWithTheCalendarAstronomy) {
    // Two independent theories (the calendar library's, horizon without dip, and the
    // ephemeris) should agree to about a minute, also for 1850 and 2450, outside
    // sepl_18.se1. Any moment of the day names the whole day, also before 1900.
    const TTvkLocation& mecca = UmAlQuraSource();
    EXPECT_EQ(mecca.Name, "Mecca, Saudi Arabia");
    EXPECT_EQ(mecca.Elevation, 421);
    EXPECT_EQ(mecca.AstronomyLocation.Zone, 3.0);
    const TLocation flat("Mecca", mecca.Latitude, mecca.Longitude, 0.0, mecca.Zone);
    const int days[][3] = {{1850, 1, 1},  {1899, 12, 29}, {2006, 6, 25}, {2024, 4, 9},
                           {2024, 12, 1}, {2063, 1, 29},  {2450, 7, 1}};
    double worst = 0.0;
    for (const auto& d : days) {
        const double day = EncodeDate(d[0], d[1], d[2]);
        SCOPED_TRACE(FormatDateTime("yyyy-mm-dd", day));
        const TSkyEvent sunset = mecca.EventOnDay(BodySun, EventSet, day + 0.3, false, true);
        ASSERT_FALSE(sunset.IsEmpty());
        const double reference = TProtoDate::Sunset(FixedFromDateTime(day), flat) - DateDelta;
        worst = std::max(worst, std::fabs(sunset.Time - reference));
        EXPECT_NEAR(sunset.Time, reference, 1.5 * Minute);
        // The upper limb touches the apparent horizon; refraction lifts the sun.
        EXPECT_NEAR(sunset.ApparentAltitude, -0.25, 0.1);
        EXPECT_LT(sunset.TrueAltitude, sunset.ApparentAltitude);
    }
    std::printf("worst Mecca sunset difference to the calendar astronomy: %.1f s\n", worst * 86400);
}

TEST(SkyEvents, EventOnDayKeepsOnlyEventsOfThatDay) {
    const TTvkLocation& mecca = UmAlQuraSource();
    // The moon sets at 23:47 on 13 April 2024 and next at 00:42 on 15 April: none on the 14th.
    const double day13 = EncodeDate(2024, 4, 13), day14 = day13 + 1, day15 = day13 + 2;
    EXPECT_NEAR(mecca.EventOnDay(BodyMoon, EventSet, day13, false, true).Time,
                day13 + (23 + 47 / 60.0) / 24, 2 * Minute);
    EXPECT_TRUE(mecca.EventOnDay(BodyMoon, EventSet, day14, false, true).IsEmpty());
    const TSkyEvent next = mecca.ComputeEvent(BodyMoon, EventSet, day14, false);
    EXPECT_EQ(std::floor(next.Time), day15);
    EXPECT_NEAR(next.Time, mecca.EventOnDay(BodyMoon, EventSet, day15, false, true).Time, Second);

    // Started late, ComputeEvent goes on to the next day's sunset; EventOnDay from the same
    // moment rejects it, and for the whole day finds that day's.
    const double late = At(2024, 4, 9, 20, 0);
    EXPECT_NEAR(mecca.ComputeEvent(BodySun, EventSet, late, false).Time, At(2024, 4, 10, 18, 39),
                2 * Minute);
    EXPECT_TRUE(mecca.EventOnDay(BodySun, EventSet, late, false, false).IsEmpty());
    EXPECT_NEAR(mecca.EventOnDay(BodySun, EventSet, late, false, true).Time, At(2024, 4, 9, 18, 38),
                2 * Minute);
    // Asked in universal time, the same instant three hours earlier.
    EXPECT_NEAR(mecca.ComputeEvent(BodySun, EventSet, late - 3.0 / 24, true).Time,
                At(2024, 4, 10, 15, 39), 2 * Minute);
}

TEST(SkyEvents, BadInputGivesTheEmptyRecordAndLeavesLaterEventsAlone) {
    const TTvkLocation& mecca = UmAlQuraSource();
    const double day = EncodeDate(2024, 4, 9);
    const TSkyEvent sunset = mecca.EventOnDay(BodySun, EventSet, day, false, true);
    ASSERT_FALSE(sunset.IsEmpty());
    for (uint8_t kind : {4, 31, 255})
        EXPECT_TRUE(mecca.ComputeEvent(BodySun, kind, day, false).IsEmpty());
    EXPECT_TRUE(mecca.ComputeEvent(BodySun, EventSet, 3.0e6, false).IsEmpty());  // year 10000
    EXPECT_TRUE(mecca.ComputePosition(BodySun, false, std::nan(""), false).IsEmpty());
    EXPECT_EQ(mecca.EventOnDay(BodySun, EventSet, day, false, true), sunset);
}

TEST(SkyEvents, FlagMismatchGivesTheEmptyRecord) {
    // The files of 1200 to 2399 and nothing behind them: once the files of 1200 are gone after
    // they were found good, the library answers 1750 on its built-in theory instead of the
    // files asked for.
    std::string pattern = (fs::temp_directory_path() / "orvandel-tvk-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    for (const char* name : {"sepl_12.se1", "semo_12.se1", "sepl_18.se1", "semo_18.se1"})
        fs::create_symlink(PackagedEphemerisFolder() / name, fs::path(pattern) / name);
    StartEphemeris(pattern, pattern);
    ASSERT_EQ(EphemerisFlag(), EphemerisSwiss);
    const TTvkLocation& mecca = UmAlQuraSource();
    for (const bool gone : {false, true}) {
        for (const char* name : {"sepl_12.se1", "semo_12.se1"})
            if (gone)
                fs::remove(fs::path(pattern) / name);
        for (const double day : {EncodeDate(1750, 4, 9), EncodeDate(2024, 4, 9)}) {
            const bool covered = !gone || day > EncodeDate(1800, 1, 1);
            EXPECT_EQ(mecca.EventOnDay(BodySun, EventSet, day, false, true).IsEmpty(), !covered);
            EXPECT_EQ(mecca.ComputeEvent(BodyMoon, EventSet, day, false).IsEmpty(), !covered);
            EXPECT_EQ(mecca.ComputePosition(BodySun, false, day + 0.5, false).IsEmpty(), !covered);
        }
    }
    StartEphemeris();
    fs::remove_all(pattern);
}
