#include <gtest/gtest.h>

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

// Central European rule: last Sunday of March to last Sunday of October, zone +1.
TTvkLocation EuropeanPlace() {
    TTvkLocation place;
    place.Zone = 1.0;
    place.HasDaylightSaving = true;
    place.DstStartWeek = 0;
    place.DstStartWeekday = 6;
    place.DstStartMonth = 2;
    place.DstEndWeek = 0;
    place.DstEndWeekday = 6;
    place.DstEndMonth = 9;
    return place;
}

// Southern rule: first Sunday of October to first Sunday of April.
TTvkLocation SouthernPlace() {
    TTvkLocation place = EuropeanPlace();
    place.Zone = 10.0;
    place.DstStartWeek = 1;
    place.DstStartMonth = 9;
    place.DstEndWeek = 1;
    place.DstEndMonth = 3;
    return place;
}

// Restarts the library on a temporary folder for one test, and on the default folder after.
class TempEphemerisFolder {
  public:
    TempEphemerisFolder() {
        std::string pattern = (fs::temp_directory_path() / "orvandel-tvk-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempEphemerisFolder() {
        StartEphemeris();
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    void Touch(const char* name) const { std::ofstream(path_ / name).put('\0'); }
    void Start() const { StartEphemeris(path_); }

  private:
    fs::path path_;
};

}  // namespace

TEST(DaylightSaving, RulesAndGuards) {
    TTvkLocation off = EuropeanPlace();
    off.DaylightSavingOff = true;
    TTvkLocation none = EuropeanPlace();
    none.HasDaylightSaving = false;
    TTvkLocation badWeek = EuropeanPlace();
    badWeek.DstStartWeek = 6;
    TTvkLocation badWeekday = EuropeanPlace();
    badWeekday.DstEndWeekday = 7;
    TTvkLocation badMonth = EuropeanPlace();
    badMonth.DstStartMonth = 12;
    TTvkLocation beforeLast = EuropeanPlace();
    beforeLast.DstEndWeek = 5;  // the Sunday before the last: 20 October 2024

    struct Row {
        const char* name;
        TTvkLocation place;
        bool atTwo;
        double t;
        bool expected;
    };
    const Row rows[] = {
        {"July", EuropeanPlace(), true, At(2024, 7, 15, 12, 0), true},
        {"January", EuropeanPlace(), true, At(2024, 1, 15, 12, 0), false},
        {"31 March 01:59", EuropeanPlace(), true, At(2024, 3, 31, 1, 59), false},
        {"31 March 02:00", EuropeanPlace(), true, At(2024, 3, 31, 2, 0), true},
        {"27 October 01:59", EuropeanPlace(), true, At(2024, 10, 27, 1, 59), true},
        {"27 October 02:00", EuropeanPlace(), true, At(2024, 10, 27, 2, 0), false},
        {"change-over at midnight", EuropeanPlace(), false, At(2024, 3, 31, 0, 0), true},
        {"30 March, change-over at midnight", EuropeanPlace(), false, At(2024, 3, 30, 23, 59),
         false},
        {"southern January", SouthernPlace(), true, At(2024, 1, 15, 12, 0), true},
        {"southern July", SouthernPlace(), true, At(2024, 7, 15, 12, 0), false},
        {"southern late December", SouthernPlace(), true, At(2024, 12, 31, 23, 0), true},
        {"week code 5 ends a week earlier", beforeLast, true, At(2024, 10, 22, 12, 0), false},
        {"week code 5, before its end", beforeLast, true, At(2024, 10, 20, 1, 0), true},
        {"switched off", off, true, At(2024, 7, 15, 12, 0), false},
        {"no daylight saving", none, true, At(2024, 7, 15, 12, 0), false},
        {"week code 6", badWeek, true, At(2024, 7, 15, 12, 0), false},
        {"weekday code 7", badWeekday, true, At(2024, 7, 15, 12, 0), false},
        {"month code 12", badMonth, true, At(2024, 7, 15, 12, 0), false},
        {"last weeks of year 9999, no next year", EuropeanPlace(), true, At(9999, 12, 1, 0, 0),
         false},
        {"serial before year 1", EuropeanPlace(), true, -700000.0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.place.IsDaylightSaving(r.atTwo, r.t), r.expected);
    }
}

TEST(DaylightSaving, ZoneConversions) {
    const TTvkLocation& mecca = UmAlQuraSource();
    const double t = At(2024, 7, 15, 12, 0);
    EXPECT_DOUBLE_EQ(mecca.LocalToUniversal(false, t), t - 3.0 / 24);
    EXPECT_DOUBLE_EQ(mecca.UniversalToLocal(false, t), t + 3.0 / 24);
    EXPECT_EQ(mecca.LocalToUniversal(true, t), t);
    EXPECT_EQ(mecca.UniversalToLocal(true, t), t);

    const TTvkLocation europe = EuropeanPlace();
    EXPECT_DOUBLE_EQ(europe.LocalToUniversal(false, t), t - 2.0 / 24);
    EXPECT_DOUBLE_EQ(europe.UniversalToLocal(false, t), t + 2.0 / 24);
    const double winter = At(2024, 1, 15, 12, 0);
    EXPECT_DOUBLE_EQ(europe.UniversalToLocal(false, europe.LocalToUniversal(false, winter)),
                     winter);

    // 0 stands for no event and is never shifted, whatever the zone.
    EXPECT_EQ(mecca.UniversalToLocal(false, 0.0), 0.0);
    EXPECT_EQ(europe.UniversalToLocal(false, 0.0), 0.0);
    EXPECT_EQ(SouthernPlace().UniversalToLocal(false, 0.0), 0.0);
}

TEST(UmAlQuraSourcePlace, ValuesAndMirrors) {
    const TTvkLocation& mecca = UmAlQuraSource();
    EXPECT_EQ(&mecca, &UmAlQuraSource());
    CreateUmAlQuraSource();  // a second creation changes nothing
    EXPECT_EQ(&mecca, &UmAlQuraSource());
    EXPECT_EQ(mecca.Description, "Um al Quara Calendar Source");
    EXPECT_EQ(mecca.Name, "Mecca, Saudi Arabia");
    EXPECT_EQ(mecca.Latitude, 21.4256);
    EXPECT_EQ(mecca.Longitude, 39.8378);
    EXPECT_EQ(mecca.Zone, 3.0);
    EXPECT_EQ(mecca.Elevation, 421);
    EXPECT_TRUE(mecca.DaylightSavingOff);
    EXPECT_FALSE(mecca.HasDaylightSaving);
    for (const TLocation* mirror : {&mecca.PrimaryLocation, &mecca.AstronomyLocation}) {
        EXPECT_EQ(mirror->Latitude, 21.4256);
        EXPECT_EQ(mirror->Longitude, 39.8378);
        EXPECT_EQ(mirror->Elevation, 421.0);
        EXPECT_EQ(mirror->Zone, 3.0);
    }
}

TEST(SkyEvents, SunsetAtMeccaAgreesWithTheCalendarAstronomy) {
    // The calendar library's sunset (its own solar theory, horizon without dip) and the
    // ephemeris's sunset are independent; they should agree to about a minute, also on the
    // library's files for other centuries (1850 and 2450 lie outside sepl_18.se1).
    const TTvkLocation& mecca = UmAlQuraSource();
    const TLocation flat("Mecca at sea level", mecca.Latitude, mecca.Longitude, 0.0, mecca.Zone);
    const int days[][3] = {{1850, 1, 1},  {1899, 12, 29}, {2006, 6, 25}, {2024, 4, 9},
                           {2024, 12, 1}, {2063, 1, 29},  {2450, 7, 1}};
    double worst = 0.0;
    for (const auto& d : days) {
        SCOPED_TRACE(FormatDateTime("yyyy-mm-dd", EncodeDate(d[0], d[1], d[2])));
        const double day = EncodeDate(d[0], d[1], d[2]);
        // Any moment of the day names the whole day, also before 1900.
        const TSkyEvent sunset = mecca.EventOnDay(BodySun, EventSet, day + 0.3, false, true);
        ASSERT_FALSE(sunset.IsEmpty());
        EXPECT_EQ(std::floor(sunset.Time), day);
        const double reference =
            TProtoDate::Sunset(FixedFromDateTime(day), flat) - DateDelta;  // standard time
        worst = std::max(worst, std::fabs(sunset.Time - reference));
        EXPECT_NEAR(sunset.Time, reference, 1.5 * Minute);
        // At sunset the sun's upper limb touches the apparent horizon; refraction lifts it.
        EXPECT_NEAR(sunset.ApparentAltitude, -0.25, 0.1);
        EXPECT_LT(sunset.TrueAltitude, sunset.ApparentAltitude);
    }
    std::printf("worst sunset difference against the calendar astronomy: %.1f s\n", worst * 86400);
}

TEST(SkyEvents, EventOnDayKeepsOnlyEventsOfThatDay) {
    const TTvkLocation& mecca = UmAlQuraSource();
    // The moon sets at 23:47 on 13 April 2024 and next at 00:42 on 15 April: none on the 14th.
    const double day13 = EncodeDate(2024, 4, 13), day14 = day13 + 1, day15 = day13 + 2;
    const TSkyEvent on13 = mecca.EventOnDay(BodyMoon, EventSet, day13, false, true);
    EXPECT_NEAR(on13.Time, day13 + (23 + 47 / 60.0) / 24, 2 * Minute);
    EXPECT_TRUE(mecca.EventOnDay(BodyMoon, EventSet, day14, false, true).IsEmpty());
    const TSkyEvent next = mecca.ComputeEvent(BodyMoon, EventSet, day14, false);
    EXPECT_EQ(std::floor(next.Time), day15);
    EXPECT_NEAR(next.Time, mecca.EventOnDay(BodyMoon, EventSet, day15, false, true).Time, Second);

    // Started late in the day, ComputeEvent goes on to the next day's sunset; EventOnDay
    // searching from the same moment rejects it.
    const double late = At(2024, 4, 9, 20, 0);
    const TSkyEvent tomorrow = mecca.ComputeEvent(BodySun, EventSet, late, false);
    EXPECT_NEAR(tomorrow.Time, At(2024, 4, 10, 18, 39), 2 * Minute);
    EXPECT_TRUE(mecca.EventOnDay(BodySun, EventSet, late, false, false).IsEmpty());
    EXPECT_FALSE(mecca.EventOnDay(BodySun, EventSet, late, false, true).IsEmpty());

    // Universal and local requests name the same instant.
    const TSkyEvent local = mecca.ComputeEvent(BodySun, EventSet, EncodeDate(2024, 4, 9), false);
    const TSkyEvent universal =
        mecca.ComputeEvent(BodySun, EventSet, EncodeDate(2024, 4, 9) - 3.0 / 24, true);
    EXPECT_NEAR(local.Time - 3.0 / 24, universal.Time, Second / 1000);
}

TEST(SkyEvents, OneEventCostsSixLibraryCallsAndBadKindsNone) {
    const TTvkLocation& mecca = UmAlQuraSource();
    const uint64_t before = EphemerisCallCount();
    EXPECT_FALSE(
        mecca.EventOnDay(BodySun, EventSet, EncodeDate(2024, 4, 9), false, true).IsEmpty());
    EXPECT_EQ(EphemerisCallCount() - before, 6u);
    for (uint8_t kind : {uint8_t{4}, uint8_t{31}, uint8_t{255}})
        EXPECT_TRUE(mecca.ComputeEvent(BodySun, kind, EncodeDate(2024, 4, 9), false).IsEmpty());
    EXPECT_EQ(EphemerisCallCount() - before, 6u);
    // Serials outside years 1 to 9999 give the empty record, not an error.
    EXPECT_TRUE(mecca.ComputeEvent(BodySun, EventSet, 3.0e6, false).IsEmpty());
    EXPECT_TRUE(mecca.ComputePosition(BodySun, false, std::nan(""), false).IsEmpty());
}

TEST(SkyEvents, PositionFromSerialOrJulianDay) {
    const TTvkLocation& mecca = UmAlQuraSource();
    const TSkyEvent sunset =
        mecca.EventOnDay(BodySun, EventSet, EncodeDate(2024, 4, 9), false, true);
    // Local serial of the sunset -> universal 12:00-based Julian day.
    const double jd = 2460409.5 + (sunset.Time - 3.0 / 24 - EncodeDate(2024, 4, 9));
    const TSkyEvent bySerial = mecca.ComputePosition(BodySun, false, sunset.Time, false);
    const TSkyEvent byJd = mecca.ComputePosition(BodySun, false, jd, true);
    EXPECT_EQ(bySerial.Time, 0.0);
    EXPECT_NEAR(bySerial.ApparentAltitude, sunset.ApparentAltitude, 1e-3);
    EXPECT_NEAR(byJd.ApparentAltitude, sunset.ApparentAltitude, 1e-3);
    EXPECT_NEAR(byJd.Azimuth, sunset.Azimuth, 1e-3);
}

TEST(SkyEvents, FlagMismatchGivesTheEmptyRecord) {
    // de406.eph present but unreadable: flag 1 is asked for and the library answers on
    // another ephemeris.
    TempEphemerisFolder folder;
    folder.Touch("de406.eph");
    folder.Start();
    ASSERT_EQ(EphemerisFlag(), EphemerisJpl);
    const TTvkLocation& mecca = UmAlQuraSource();
    const double day = EncodeDate(2024, 4, 9);
    EXPECT_TRUE(mecca.EventOnDay(BodySun, EventSet, day, false, true).IsEmpty());
    EXPECT_TRUE(mecca.ComputeEvent(BodyMoon, EventSet, day, false).IsEmpty());
    EXPECT_TRUE(mecca.ComputePosition(BodySun, false, day + 0.5, false).IsEmpty());
}

TEST(SkyEvents, BuiltInEphemerisStillComputesEvents) {
    const TTvkLocation& mecca = UmAlQuraSource();
    const double day = EncodeDate(2024, 4, 9);
    const TSkyEvent onFiles = mecca.EventOnDay(BodyMoon, EventSet, day, false, true);
    ASSERT_EQ(EphemerisFlag(), EphemerisSwiss);
    TempEphemerisFolder folder;
    folder.Start();
    ASSERT_EQ(EphemerisFlag(), EphemerisBuiltIn);
    const TSkyEvent builtIn = mecca.EventOnDay(BodyMoon, EventSet, day, false, true);
    ASSERT_FALSE(builtIn.IsEmpty());
    EXPECT_NEAR(builtIn.Time, onFiles.Time, 2 * Second);
}
