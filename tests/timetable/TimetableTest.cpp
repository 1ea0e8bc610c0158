#include "timetable/Timetable.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "calendar/Gregorian.h"
#include "calendar/Location.h"
#include "calendar/ProtoDate.h"
#include "platform/DateTime.h"
#include "platform/Errors.h"
#include "prayer/PrayerTimes.h"
#include "tests/support/ThreadsRefused.h"
#include "timetable/CityCatalogue.h"
#include "timetable/SettingsRules.h"

namespace orvandel {
namespace {

constexpr double Safety = 0.016383;  // hours

TimetableSettings Place(double latitude, double longitude, int gmtHours, int gmtMinutes, int method,
                        TDateTime date) {
    TimetableSettings s;
    s.Date = date;
    s.Latitude = latitude;
    s.Longitude = longitude;
    s.GmtHours = gmtHours;
    s.GmtMinutes = gmtMinutes;
    s.CalcMethod = method;
    return s;
}

TimetableSettings Mecca(TDateTime date) {
    return Place(21.42, 39.83, 3, 0, UmmAlQura, date);
}

const TimetableDay& RowOf(const Timetable& table, TDateTime day) {
    for (const TimetableDay& row : table.Days) {
        if (row.Serial == day) {
            return row;
        }
    }
    ADD_FAILURE() << "day not in the week";
    return table.Days[0];
}

// ---- Texts of one time ----

TEST(TimetableTimeText, RoundingTwelveHourFormsAndCarry) {
    struct Row {
        const char* Name;
        double Hours;
        bool Nearest;
        bool Twelve;
        const char* Expected;
    };
    const Row rows[] = {
        {"29.5 minutes round to 30", 4 + 29.5 / 60, true, false, " 4:30"},
        {"30.5 minutes round to even 30", 4 + 30.5 / 60, true, false, " 4:30"},
        {"31.5 minutes round to even 32", 4 + 31.5 / 60, true, false, " 4:32"},
        {"59.6 minutes round into the next hour", 4 + 59.6 / 60, true, false, " 5:00"},
        {"59.6 minutes truncated", 4 + 59.6 / 60, false, false, " 4:59"},
        {"an exact 35 minutes truncated stays 35", 4 + 35.0 / 60, false, false, " 4:35"},
        {"13 h in 12-hour form", 13.0, false, true, " 1:00"},
        {"24 h in 12-hour form", 24.0, false, true, " 12:00"},
        {"25 h in 12-hour form", 25.0, false, true, " 1:00"},
        {"half past midnight stays 0:30", 0.5, false, true, " 0:30"},
        {"half past noon stays 12:30", 12.5, false, true, " 12:30"},
        {"24.25 h is not wrapped", 24.25, false, false, " 24:15"},
        {"24.25 h in 12-hour form", 24.25, false, true, " 12:15"},
        {"23:59.6 rounds to 24:00", 23 + 59.6 / 60, true, false, " 24:00"},
        {"30 s past a minute with safety shows the next", 4 + 0.5 / 60 + Safety, false, false,
         " 4:01"},
        {"safety alone, truncated", Safety, false, false, " 0:00"},
        {"safety alone, nearest", Safety, true, false, " 0:01"},
        {"a negative time keeps its sign in front", -0.5, false, false, " -0:30"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatTimeText(row.Hours, row.Nearest, row.Twelve), row.Expected) << row.Name;
    }
    EXPECT_EQ(ShownMinutesOf(24.25, false), 1455);
    EXPECT_EQ(ShownMinutesOf(4 + 59.6 / 60, true), 300);
    EXPECT_EQ(ShownMinutesOf(-0.5, false), -30);
    EXPECT_THROW(FormatTimeText(std::nan(""), false, false), EInvalidOp);
}

// Every half minute of 31 hours, built two ways whose doubles land on either side of the
// exact value: the rounding must see the exact half every time.
TEST(TimetableTimeText, EveryHalfMinuteRoundsAsAnExactHalf) {
    int failures = 0;
    for (int hour = 0; hour <= 30; ++hour) {
        for (int halves = 0; halves < 120; ++halves) {
            const double minutes = halves / 2.0;
            const int truncated = halves / 2;
            const int nearest =
                halves % 2 == 0 ? truncated : (truncated % 2 == 0 ? truncated : truncated + 1);
            for (double hours : {hour + minutes / 60.0, (hour * 60.0 + minutes) / 60.0}) {
                const int expectedNearest = hour * 60 + nearest;
                const int expectedTruncated = hour * 60 + truncated;
                if (ShownMinutesOf(hours, true) != expectedNearest ||
                    ShownMinutesOf(hours, false) != expectedTruncated) {
                    if (++failures <= 5) {
                        ADD_FAILURE() << hour << " h " << minutes << " min";
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(TimetableZone, MinutesTakeTheSignOfTheHours) {
    EXPECT_EQ(ZoneOffsetMinutes(0, 30), 30);
    EXPECT_EQ(ZoneOffsetMinutes(-3, 30), -210);
    EXPECT_EQ(ZoneOffsetMinutes(5, 30), 330);
    EXPECT_EQ(ZoneOffsetMinutes(-5, 0), -300);
}

// ---- The week ----

TEST(TimetableWeek, SaturdayStartsTheWeekAndTimeOfDayChangesNothing) {
    struct Row {
        const char* Name;
        TDateTime Date;
        int ExpectedRow;
    };
    const TDateTime saturday = EncodeDate(2024, 4, 6);
    const Row rows[] = {
        {"Saturday is row 1", saturday, 1},
        {"Sunday is row 2", saturday + 1, 2},
        {"Wednesday late evening is row 5", saturday + 4 + 0.999, 5},
        {"Friday is row 7, not the start of a week", saturday + 6, 7},
        {"Friday 23:00 is still row 7", saturday + 6 + 23.0 / 24, 7},
        {"the epoch Saturday 30-Dec-1899", 0.0, 1},
        {"Thursday 28-Dec-1899 18:00 (negative serial)", -1.25, 6},
    };
    TimetableEngine engine;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TimetableSettings settings = Mecca(row.Date);
        const Timetable table = engine.ComputeWeek(settings);
        EXPECT_EQ(table.CurrentDayRow, row.ExpectedRow);
        EXPECT_EQ(table.Days[0].Serial, std::floor(row.Date) - (row.ExpectedRow - 1));
        EXPECT_EQ(DayOfWeek(table.Days[0].Serial), 7);  // Saturday
        for (int r = 1; r < 7; ++r) {
            EXPECT_EQ(table.Days[r].Serial, table.Days[0].Serial + r);
            EXPECT_EQ(table.Days[r].Fixed, FixedFromDateTime(table.Days[r].Serial));
        }
    }
}

TEST(TimetableWeek, HeadersFollowTheReadingDirection) {
    TimetableEngine engine;
    TimetableSettings settings = Mecca(EncodeDate(2024, 4, 10));
    settings.RightToLeft = false;
    settings.TwelveHours = false;
    const Timetable ltr = engine.ComputeWeek(settings);
    const std::array<std::string, 6> leftToRight = {" Fajr", " Shrook",  " Dhuhr",
                                                    " Asr",  " Maghrib", " Isha"};
    EXPECT_EQ(ltr.HeaderTexts, leftToRight);
    EXPECT_FALSE(ltr.DateColumnOnRight);

    settings.RightToLeft = true;
    const Timetable rtl = engine.ComputeWeek(settings);
    const std::array<std::string, 6> rightToLeft = {" Isha",  " Maghrib", " Asr",
                                                    " Dhuhr", " Shrook",  " Fajr"};
    EXPECT_EQ(rtl.HeaderTexts, rightToLeft);
    EXPECT_TRUE(rtl.DateColumnOnRight);
    EXPECT_EQ(rtl.ColumnOf(0), 5);
    // The reading direction moves columns only; every row keeps its texts by prayer.
    for (size_t r = 0; r < 7; ++r) {
        EXPECT_EQ(rtl.Days[r].TimeTexts, ltr.Days[r].TimeTexts);
    }
    // TimeTexts follow the 12-hour option (off here: Maghrib " 18:.."); grid cells always
    // show 12-hour hours.
    EXPECT_EQ(ltr.Days[0].TimeTexts[4].substr(0, 3), " 18");
    EXPECT_EQ(ltr.Days[0].GridTexts[4].substr(0, 3), " 6:");
}

// Umm al-Qura dates as the published calendar has them; before 1 Muharram 1 no Hijri date.
TEST(TimetableWeek, UmmAlQuraDatesOfTheEpochAndOf1445) {
    TimetableEngine engine;
    const std::vector<TimetableDay> epoch =
        engine.ComputeDays(Mecca(0), FixedFromDateTime(EncodeDate(622, 7, 16)), 3);
    EXPECT_FALSE(epoch[0].HijriValid);
    EXPECT_EQ(epoch[0].HijriDateText, "");
    EXPECT_EQ(epoch[1].HijriDateText, "");
    EXPECT_EQ(epoch[2].HijriDateText, "1 Muharram 1");
    EXPECT_TRUE(engine.ComputeDays(Mecca(0), FixedFromDateTime(EncodeDate(1, 1, 1)), 1)[0]
                    .HijriDateText.empty());

    const Timetable march = engine.ComputeWeek(Mecca(EncodeDate(2024, 3, 11)));
    const TimetableDay& firstOfRamadan = RowOf(march, EncodeDate(2024, 3, 11));
    EXPECT_TRUE(firstOfRamadan.HijriValid);
    EXPECT_EQ(firstOfRamadan.HijriDateText, "1 Ramadan 1445");
    EXPECT_EQ(RowOf(march, EncodeDate(2024, 3, 10)).HijriDateText, "29 Sha`ban 1445");

    const Timetable april = engine.ComputeWeek(Mecca(EncodeDate(2024, 4, 10)));
    EXPECT_EQ(RowOf(april, EncodeDate(2024, 4, 9)).HijriDateText, "30 Ramadan 1445");
    EXPECT_EQ(RowOf(april, EncodeDate(2024, 4, 10)).HijriDateText, "1 Shawwal 1445");
    EXPECT_EQ(RowOf(april, EncodeDate(2024, 4, 10)).HijriMonth, 10);
}

// Under Umm Al-Qura Isha is Maghrib + 1.5 h, + 2 h in Ramadan, at every latitude, and
// Maghrib already carries the safety offset.
TEST(TimetableWeek, UmmAlQuraIshaFollowsMaghribLongerInRamadan) {
    TimetableEngine engine;
    for (double latitude : {21.42, 55.6667}) {
        SCOPED_TRACE(latitude);
        const Timetable table =
            engine.ComputeWeek(Place(latitude, 39.83, 3, 0, UmmAlQura, EncodeDate(2024, 3, 11)));
        int ramadanRows = 0;
        for (const TimetableDay& day : table.Days) {
            ASSERT_TRUE(day.HijriValid);
            const bool ramadan = day.HijriMonth == 9;
            ramadanRows += ramadan;
            EXPECT_NEAR(day.Hours[5] - day.Hours[4], ramadan ? 2.0 : 1.5, 1e-12)
                << day.CivilDateText;
        }
        EXPECT_EQ(ramadanRows, 5);  // Monday 11 to Friday 15 March
    }
}

// Below 48 degrees the safety offset is added once to each of Fajr, Shrook, Asr, Maghrib and
// Isha; Dhuhr, their midpoint, carries it once too.
TEST(TimetableWeek, SafetyOffsetIsCarriedOnceByEveryTime) {
    TimetableEngine engine;
    for (int method : {MuslimWorldLeague, UmmAlQura}) {
        SCOPED_TRACE(method);
        TimetableSettings settings = Place(30.05, 31.25, 2, 0, method, EncodeDate(2024, 9, 4));
        settings.AddSafetyTime = false;
        const Timetable bare = engine.ComputeWeek(settings);
        settings.AddSafetyTime = true;
        const Timetable safe = engine.ComputeWeek(settings);
        for (size_t r = 0; r < 7; ++r) {
            for (size_t p = 0; p < 6; ++p) {
                EXPECT_NEAR(safe.Days[r].Hours[p] - bare.Days[r].Hours[p], Safety, 1e-9)
                    << "row " << r << " prayer " << p;
            }
        }
    }
}

// A zone of H = 0, Mi = 30 is +0.5 h; H = -3, Mi = 30 is -3.5 h. Every time moves by the zone.
TEST(TimetableWeek, ZonesWithMinutesMoveEveryTime) {
    struct Row {
        const char* Name;
        int Hours, Minutes;
        int ReferenceHours;
        double ShiftHours;  // against the reference zone
    };
    const Row rows[] = {
        {"0 h 30 min is half an hour east", 0, 30, 0, 0.5},
        {"-3 h 30 min is half an hour west of -3 h", -3, 30, -3, -0.5},
    };
    TimetableEngine engine;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TDateTime date = EncodeDate(2024, 9, 4);
        const Timetable shifted =
            engine.ComputeWeek(Place(0.0, -45.0, row.Hours, row.Minutes, MuslimWorldLeague, date));
        const Timetable reference =
            engine.ComputeWeek(Place(0.0, -45.0, row.ReferenceHours, 0, MuslimWorldLeague, date));
        for (size_t p = 0; p < 6; ++p) {
            EXPECT_NEAR(shifted.Days[3].Hours[p] - reference.Days[3].Hours[p], row.ShiftHours, 1e-6)
                << "prayer " << p;
        }
    }
}

// Egyptian Fajr (19.5 deg) at 47.9 N around the solstice: the sun never sinks that far, Dawn
// answers 0.0 and the time is the safety offset alone.
TEST(TimetableWeek, MissingDawnShowsMidnightOrOneMinuteWithSafetyAndRounding) {
    struct Row {
        const char* Name;
        bool Safety, Nearest;
        const char* Expected;
    };
    const Row rows[] = {
        {"no safety", false, false, " 0:00"},
        {"safety, truncated", true, false, " 0:00"},
        {"no safety, nearest", false, true, " 0:00"},
        {"safety and nearest minute", true, true, " 0:01"},
    };
    TimetableEngine engine;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TimetableSettings settings =
            Place(47.9, 0.0, 0, 0, EgyptianSurvey, EncodeDate(2024, 6, 21));
        settings.AddSafetyTime = row.Safety;
        settings.RoundMinutes = row.Nearest;
        const Timetable table = engine.ComputeWeek(settings);
        const TimetableDay& day = RowOf(table, EncodeDate(2024, 6, 21));
        EXPECT_DOUBLE_EQ(day.Hours[0], row.Safety ? Safety : 0.0);
        EXPECT_EQ(day.TimeTexts[0], row.Expected);
        EXPECT_EQ(day.GridTexts[0], row.Expected);
        EXPECT_GT(day.Hours[5], 22.0);  // Isha at 17.5 deg still occurs
    }
}

// Dawn's final refinement raises "Bogus time" for the Egyptian Fajr at 47.6 N, 0 E on
// 3 July 2024 although the sun nearly reaches 19.5 deg. The week must still be computed, with
// that Fajr treated as not occurring.
TEST(TimetableWeek, DawnRaisingBogusTimeCountsAsNotOccurring) {
    const TDateTime date = EncodeDate(2024, 7, 3);
    const TLocation place("probe", 47.6, 0.0, 0.0, 0.0);
    EXPECT_THROW(TProtoDate::Dawn(FixedFromDateTime(date), place, 19.5), EInvalidOp);

    TimetableEngine engine;
    Timetable table;
    ASSERT_NO_THROW(table = engine.ComputeWeek(Place(47.6, 0.0, 0, 0, EgyptianSurvey, date)));
    const TimetableDay& day = RowOf(table, date);
    EXPECT_DOUBLE_EQ(day.Hours[0], Safety);
    EXPECT_EQ(day.TimeTexts[0], " 0:00");
    EXPECT_FALSE(day.Occurs[0]);
    EXPECT_GT(day.Hours[1], 4.0);  // the other times of the row are there
    for (size_t p = 1; p < 6; ++p)
        EXPECT_TRUE(day.Occurs[p]) << "prayer " << p;
}

// Beyond the polar circle nothing of the solar day happens in December: sunrise, sunset, Dhuhr
// between them and the Umm Al-Qura Isha after the sunset are all marked as not occurring.
TEST(TimetableWeek, TimesWithoutTheirEventAreMarked) {
    TimetableEngine engine;
    TimetableSettings settings = Place(59.9, 10.75, 1, 0, UmmAlQura, EncodeDate(2024, 12, 21));
    const Timetable oslo = engine.ComputeWeek(settings);
    for (const TimetableDay& day : oslo.Days) {
        for (size_t p = 0; p < 6; ++p)
            EXPECT_TRUE(day.Occurs[p]) << day.CivilDateText << p;
    }
    settings.Latitude = 70.0;
    settings.Longitude = 20.0;
    const Timetable week = engine.ComputeWeek(settings);
    const TimetableDay& polar = RowOf(week, settings.Date);
    EXPECT_FALSE(polar.Occurs[1]);
    EXPECT_FALSE(polar.Occurs[2]);
    EXPECT_FALSE(polar.Occurs[4]);
    EXPECT_FALSE(polar.Occurs[5]);
    EXPECT_TRUE(polar.Occurs[0]);  // the high-latitude routine always places Fajr
}

TEST(TimetableWeek, SunsetBasedCountsFromSunsetAtNoon) {
    TimetableEngine engine;
    TimetableSettings settings = Mecca(EncodeDate(2024, 4, 10));
    settings.TwelveHours = false;
    const Timetable clock = engine.ComputeWeek(settings);
    settings.SunsetBased = true;
    const Timetable sunset = engine.ComputeWeek(settings);
    for (size_t r = 0; r < 7; ++r) {
        const TimetableDay& c = clock.Days[r];
        const TimetableDay& s = sunset.Days[r];
        SCOPED_TRACE(c.CivilDateText);
        EXPECT_EQ(s.Hours[4], 12.0);
        EXPECT_EQ(s.TimeTexts[4], " 12:00");
        EXPECT_EQ(s.TimeTexts[5], c.HijriMonth == 9 ? " 2:00" : " 1:30");
        for (size_t p : {0u, 1u, 2u, 3u, 5u}) {
            // Same instant counted from sunset: differs from the clock time by a whole number
            // of half days and lies in 0..13 h.
            const double halfDays = (s.Hours[p] - (c.Hours[p] - c.Hours[4] + 12.0)) / 12.0;
            EXPECT_NEAR(halfDays, std::round(halfDays), 1e-9) << "prayer " << p;
            EXPECT_GE(s.Hours[p], 0.0);
            EXPECT_LT(s.Hours[p], 13.0);
        }
    }
    // The hour after sunset reads 12:xx; a time up to 12 h before sunset keeps its count, one
    // earlier than that moves on by 12 h.
    struct Row {
        const char* Name;
        TimetableSettings Settings;
        size_t Prayer;
        double Low, High;  // hours counted from sunset at 12:00
    };
    const Row rows[] = {
        {"Singapore, ISNA, 20 March 2024: Isha 57 min after sunset",
         Place(1.2931, 103.8558, 8, 0, Isna, EncodeDate(2024, 3, 20)), 5, 12.0, 13.0},
        {"Mecca, 15 October 2024: Shrook 11 h 40 min before sunset",
         Mecca(EncodeDate(2024, 10, 15)), 1, 0.0, 1.0},
        {"Mecca, 21 December 2024: Fajr 12 h 14 min before sunset", Mecca(EncodeDate(2024, 12, 21)),
         0, 11.0, 12.0},
    };
    for (Row row : rows) {
        row.Settings.SunsetBased = true;
        const double hours =
            RowOf(engine.ComputeWeek(row.Settings), row.Settings.Date).Hours[row.Prayer];
        EXPECT_GE(hours, row.Low) << row.Name;
        EXPECT_LT(hours, row.High) << row.Name;
    }
}

// At 48 degrees and beyond Fajr and Isha come from PrayerTimes; up to 48.0001 deg from the
// calendar astronomy.
TEST(TimetableWeek, FajrAndIshaSwitchSourceAt48Degrees) {
    struct Row {
        const char* Name;
        double Latitude;
        bool FromPrayerTimes;
    };
    const Row rows[] = {
        {"48.0 deg is still calendar astronomy", 48.0, false},
        {"48.0002 deg uses PrayerTimes", 48.0002, true},
    };
    TimetableEngine engine;
    const TDateTime date = EncodeDate(2024, 11, 20);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const Timetable table =
            engine.ComputeWeek(Place(row.Latitude, 10.0, 1, 0, MuslimWorldLeague, date));
        const TimetableDay& day = RowOf(table, date);
        prayer::PrayerParameters block{};
        block[prayer::SafetyOffset] = Safety;
        block[prayer::LongitudeRad] = 10.0 * 0.017453292519943295;
        block[prayer::LatitudeRad] = row.Latitude * 0.017453292519943295;
        block[prayer::ZoneOffset] = 1.0;
        block[prayer::FajrAngle] = 18.0 * 0.017453292519943295;
        block[prayer::IshaAngle] = 17.0 * 0.017453292519943295;
        block[prayer::AsrShadow] = 1.0;
        block[prayer::ReferenceLatitude] = 0.7853981633974483;
        prayer::PrayerResults results{};
        prayer::PrayerTimes(2024, 11, 20, block, results);
        EXPECT_EQ(day.Hours[0] == results[prayer::Fajr], row.FromPrayerTimes);
        EXPECT_EQ(day.Hours[5] == results[prayer::Isha], row.FromPrayerTimes);
        // Wherever they come from, the two sources agree to a few minutes at these places.
        EXPECT_NEAR(day.Hours[0], results[prayer::Fajr], 0.2);
    }
}

// Each method's twilight angles and both Asr rules against the sun of another ephemeris
// (tests/data/README.md). Half a degree of angle moves Fajr or Isha by 2.5 to 3 minutes, an
// Asr rule by most of an hour: half a minute's tolerance pins both.
TEST(TimetableWeek, MethodAnglesAndAsrAgreeWithAnotherEphemeris) {
    struct Row {
        const char* Name;
        double Latitude, Longitude;
        int GmtHours, Method, Juristic;
        int Y, M, D;
        double Fajr, Asr, Isha;  // hours on the zone clock; Isha 0: Maghrib + 1.5 h
    };
    const Row rows[] = {
        {"Muslim World League, Istanbul", 41.0186, 28.9647, 3, MuslimWorldLeague, 0, 2025, 1, 15,
         6.82887, 15.69027, 19.53921},
        {"Egyptian, Cairo", 30.05, 31.25, 2, EgyptianSurvey, 0, 2025, 1, 15, 5.34162, 14.96596,
         18.65158},
        {"Karachi, Islamabad", 33.6667, 73.1667, 5, KarachiUniversity, 0, 2025, 1, 15, 5.73776,
         15.04665, 18.82465},
        {"Karachi Hanafi, Islamabad", 33.6667, 73.1667, 5, KarachiUniversity, 1, 2025, 1, 15,
         5.73776, 15.73523, 18.82465},
        {"Umm Al-Qura, Mecca", 21.42, 39.83, 3, UmmAlQura, 0, 2025, 1, 15, 5.67670, 15.62901, 0},
        {"ISNA, Chicago", 41.8858, -87.6229, -6, Isna, 0, 2025, 1, 15, 5.89348, 14.42681, 18.11420},
        {"ISNA Hanafi, Chicago in June", 41.8858, -87.6229, -6, Isna, 1, 2025, 6, 15, 2.52154,
         17.12701, 21.18531},
    };
    TimetableEngine engine;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TDateTime date = EncodeDate(row.Y, row.M, row.D);
        TimetableSettings settings =
            Place(row.Latitude, row.Longitude, row.GmtHours, 0, row.Method, date);
        settings.Juristic = row.Juristic;
        settings.AddSafetyTime = false;
        const Timetable table = engine.ComputeWeek(settings);
        const TimetableDay& day = RowOf(table, date);
        constexpr double halfMinute = 0.5 / 60;
        EXPECT_NEAR(day.Hours[0], row.Fajr, halfMinute);
        EXPECT_NEAR(day.Hours[3], row.Asr, halfMinute);
        EXPECT_NEAR(day.Hours[5], row.Isha == 0 ? day.Hours[4] + 1.5 : row.Isha, halfMinute);
    }
}

// Near year 9999 the Umm al-Qura search cannot complete. Those rows show no Hijri date, not
// the date left in the engine's calendar object by an earlier row.
TEST(TimetableWeek, IncompleteHijriConversionShowsNoDate) {
    // Beyond the ephemeris files (from the year 5400) no conversion can complete.
    TimetableEngine engine;
    engine.ComputeWeek(Mecca(EncodeDate(2024, 4, 10)));
    for (const TDateTime date : {EncodeDate(5500, 1, 1), EncodeDate(9999, 12, 31)}) {
        const Timetable table = engine.ComputeWeek(Mecca(date));
        for (const TimetableDay& day : table.Days) {
            SCOPED_TRACE(day.CivilDateText);
            EXPECT_FALSE(day.HijriValid);
            EXPECT_EQ(day.HijriDateText, "");
            EXPECT_EQ(day.HijriMonth, 0);
            EXPECT_NEAR(day.Hours[5] - day.Hours[4], 1.5, 1e-12);  // not taken for Ramadan
        }
    }
}

// Every catalogue place computes the first and last days the command and the window accept,
// where the universal time of an event lies in year 0 or 10000, and ordinary days. Dhuhr, the
// midpoint of the sunrise and sunset moments, is the mean of Shrook and Maghrib as shown and
// lies by true noon; the same holds for zones a day away from the longitude, where sunrise and
// sunset fall on different sides of midnight.
TEST(TimetableDays, EveryPlaceComputesTheFirstAndLastDaysWithDhuhrAtNoon) {
    struct Run {
        int Year, Month, Day;
        int Count;
    };
    const Run runs[] = {{1, 1, 1, 12}, {2024, 6, 21, 1}, {2024, 12, 21, 1}, {9999, 12, 25, 7}};
    std::vector<TimetableSettings> places;
    for (const TCityEntry& city : CityCatalogue()) {
        TimetableSettings s = Place(city.Latitude, city.Longitude, city.GmtHours, city.GmtMinutes,
                                    city.CalcMethod, 0);
        s.Elevation = city.Elevation;
        places.push_back(s);
    }
    places.push_back(Place(30, 179, -25, 0, MuslimWorldLeague, 0));
    places.push_back(Place(30, -179, 25, 0, MuslimWorldLeague, 0));
    places.push_back(Place(-36.87, 174.77, 12, 0, MuslimWorldLeague, 0));
    TimetableEngine engine;
    for (const TimetableSettings& settings : places) {
        const TLocation location("place", settings.Latitude, settings.Longitude, settings.Elevation,
                                 ZoneOffsetMinutes(settings.GmtHours, settings.GmtMinutes) / 60.0);
        for (const Run& run : runs) {
            const int32_t first = FixedFromGregorian(run.Year, run.Month, run.Day);
            std::vector<TimetableDay> days;
            ASSERT_NO_THROW(days = engine.ComputeDays(settings, first, run.Count))
                << settings.Latitude << " " << settings.Longitude << " " << run.Year;
            for (const TimetableDay& day : days) {
                SCOPED_TRACE(std::to_string(settings.Latitude) + " " +
                             std::to_string(settings.Longitude) + " " + day.CivilDateText);
                // The sun's times, without the minutes and the rounding of the method.
                const TCalcMethod& method = CalcMethodAt(settings.CalcMethod, "test");
                std::array<double, 6> sun = day.Hours;
                for (size_t p = 0; p < 6; ++p) {
                    sun[p] -= (method.Minutes[p] - (method.RoundsToNearest ? 0.5 : 0.0)) / 60;
                }
                for (size_t p = 1; p <= 4; ++p) {
                    EXPECT_TRUE(day.Occurs[p]) << p;
                    EXPECT_GE(sun[p], Safety) << p;
                    EXPECT_LT(sun[p], 24 + Safety) << p;
                }
                const double mean = (sun[1] + sun[4]) / 2;
                if (std::fabs(settings.GmtHours) < 24 && method.Minutes == TMethodMinutes{} &&
                    !method.RoundsToNearest && !method.MaghribByAngle()) {
                    EXPECT_EQ(day.ShownMinutes[2], ShownMinutesOf(mean, settings.RoundMinutes));
                }
                const double noon = TProtoDate::Midday(day.Fixed, location);
                const double fromNoon =
                    std::remainder(sun[2] - Safety - 24 * (noon - std::floor(noon)), 24);
                EXPECT_LT(std::fabs(fromNoon), 1.0 / 60);
            }
        }
    }
}

// ---- Times that cross midnight ----

// Each time carries the date of its event. The rows of the short summer nights are where a
// dawn or dusk crosses local midnight.
TEST(TimetableEventDates, TimesAcrossMidnightCarryTheirDate) {
    struct Row {
        const char* Name;
        double Latitude, Longitude;
        int Zone, Method;
        TDateTime Date;
        size_t Prayer;
        const char* Text;  // the window's text
        int DayOffset;
        int EventMinutes;  // from the row's midnight
    };
    // A Fajr of 19 degrees (Morocco's) reaches back to midnight in June from 47 degrees.
    const int fajr19 = CalcMethodIndexOf("morocco");
    const Row rows[] = {
        {"Bordeaux Isha at 00:12 the next morning", 44.84, -0.58, 2, MuslimWorldLeague,
         EncodeDate(2024, 6, 21), 5, " 0:12", 1, 1440 + 12},
        {"Fajr at 23:49 the evening before", 47.3, 40.0, 2, fajr19, EncodeDate(2024, 6, 21), 0,
         " 23:49", -1, -11},
        {"Budapest Fajr before midnight plus safety: 00:00 of the day", 47.5, 19.04, 1, fajr19,
         EncodeDate(2024, 6, 19), 0, " 0:00", 0, 0},
        {"Budapest Fajr after midnight", 47.5, 19.04, 1, fajr19, EncodeDate(2024, 6, 18), 0,
         " 0:02", 0, 2},
        {"Isha of PrayerTimes past 24:00 at 50 N", 50.0, -0.58, 2, MuslimWorldLeague,
         EncodeDate(2024, 6, 21), 5, " 24:23", 1, 1440 + 23},
        // The text truncates the magnitude (-0:41.x to -0:41); on its own date the event is
        // 23:18.x, truncated to 23:18 like any time.
        {"negative Fajr of PrayerTimes at 55 N", 55.0, 45.0, 1, MuslimWorldLeague,
         EncodeDate(2024, 6, 21), 0, " -0:41", -1, -42},
    };
    TimetableEngine engine;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TimetableSettings settings =
            Place(row.Latitude, row.Longitude, row.Zone, 0, row.Method, row.Date);
        settings.TwelveHours = false;
        const TimetableDay day = engine.ComputeDays(settings, FixedFromDateTime(row.Date), 1).at(0);
        EXPECT_EQ(day.TimeTexts[row.Prayer], row.Text);
        EXPECT_EQ(day.DayOffset[row.Prayer], row.DayOffset);
        EXPECT_EQ(day.EventMinutes[row.Prayer], row.EventMinutes);
    }
}

// Around the June solstice, from 44 to 49 degrees (both sources of Fajr and Isha), every
// method: in every row the events follow each other, and from row to row each event moves by
// about a day, so that no night loses its Fajr or Isha to a neighbouring row or gets two.
TEST(TimetableEventDates, SummerNightsKeepTheirEventsInOrder) {
    struct Meridian {
        double Longitude;
        int Zone;
    };
    const Meridian meridians[] = {{19.04, 1}, {40.0, 2}, {-0.58, 2}};
    TimetableEngine engine;
    const int32_t first = FixedFromDateTime(EncodeDate(2024, 5, 25));
    constexpr int days = 60;
    int crossings = 0;  // events on another date than their row, to show the scan reaches them
    for (int method = 0; method < 5; ++method) {
        for (double latitude = 44.0; latitude <= 49.0; latitude += 0.5) {
            for (const Meridian& place : meridians) {
                SCOPED_TRACE(testing::Message() << "method " << method << " latitude " << latitude
                                                << " longitude " << place.Longitude);
                const std::vector<TimetableDay> run = engine.ComputeDays(
                    Place(latitude, place.Longitude, place.Zone, 0, method, 0.0), first, days);
                for (size_t r = 0; r < run.size(); ++r) {
                    const TimetableDay& day = run[r];
                    double previous = -1e9;
                    for (size_t p = 0; p < 6; ++p) {
                        if (!day.Occurs[p])
                            continue;
                        crossings += day.DayOffset[p] != 0;
                        EXPECT_LT(previous, day.EventHours[p]) << day.CivilDateText << " " << p;
                        previous = day.EventHours[p];
                        if (r == 0 || !run[r - 1].Occurs[p])
                            continue;
                        const double step = day.EventHours[p] + 24.0 - run[r - 1].EventHours[p];
                        EXPECT_NEAR(step, 24.0, 0.25) << day.CivilDateText << " " << p;
                    }
                }
            }
        }
    }
    EXPECT_GT(crossings, 100);
}

// The latitude limit is 90 degrees less the obliquity of J2000 and the sunset's depression
// (50' and the dip of the horizon from the elevation), cut to four decimals; there the calendar
// astronomy's sun rises and sets on the days around both solstices of 2000 to 2100, and 0.02
// degree beyond it the sun of 2026 does not set on the June solstice.
TEST(TimetableDays, LatitudeLimitIsWhereTheSunStillRisesAndSets) {
    const double seaLevel = 90.0 - TProtoDate::Obliquity(J2000()) - 50.0 / 60.0;
    EXPECT_LE(SunriseLatitudeLimit, seaLevel);
    EXPECT_GT(SunriseLatitudeLimit, seaLevel - 1e-4);
    EXPECT_EQ(LatitudeRangeAt(0).Max, SunriseLatitudeLimit);
    for (const int elevation : {0, 300, 2000, 9999}) {
        SCOPED_TRACE(elevation);
        const double limit = LatitudeRangeAt(elevation).Max;
        for (int year = 2000; year <= 2100; year += 4) {
            for (const int month : {6, 12}) {
                for (int day = 19; day <= 23; ++day) {
                    const int32_t fixed = FixedFromGregorian(year, month, day);
                    for (const double latitude : {limit, -limit}) {
                        const TLocation place("limit", latitude, 0.0, elevation, 0.0);
                        EXPECT_NE(TProtoDate::Sunrise(fixed, place), 0.0) << year << month << day;
                        EXPECT_NE(TProtoDate::Sunset(fixed, place), 0.0) << year << month << day;
                    }
                }
            }
        }
        const TLocation beyond("beyond", limit + 0.02, 0.0, elevation, 0.0);
        EXPECT_EQ(TProtoDate::Sunset(FixedFromGregorian(2026, 6, 21), beyond), 0.0);
    }
}

// Every day of 2026 from 60 degrees north to the latitude limit (tests/data/sun_year_north.csv):
// Shrook and Maghrib happen and lie within a minute of an accurate sun's, and under each
// high-latitude rule Fajr and Isha are placed, before sunrise and after sunset, or marked as not
// occurring; never a crash. Prints each place's worst difference.
TEST(TimetableDays, SunriseAndSunsetUpToTheLatitudeLimitOverAYear) {
    struct Reference {
        double Latitude = 0, Longitude = 0;
        int Zone = 0;
        std::vector<std::array<double, 2>> Hours;  // Shrook, Maghrib of each day of 2026
    };
    std::map<std::string, Reference> places;
    std::ifstream in(std::string(ORVANDEL_TEST_DATA) + "/sun_year_north.csv");
    ASSERT_TRUE(in) << "sun_year_north.csv";
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        char name[32];
        double latitude, longitude, shrook, maghrib;
        int zone, y, m, d;
        ASSERT_EQ(std::sscanf(line.c_str(), "%31[^,],%lf,%lf,%d,%d-%d-%d,%lf,%lf", name, &latitude,
                              &longitude, &zone, &y, &m, &d, &shrook, &maghrib),
                  9)
            << line;
        Reference& place = places[name];
        place = {latitude, longitude, zone, std::move(place.Hours)};
        place.Hours.push_back({shrook, maghrib});
    }
    ASSERT_EQ(places.size(), 5u);
    TimetableEngine engine;
    const int32_t first = FixedFromGregorian(2026, 1, 1);
    for (const auto& [name, place] : places) {
        SCOPED_TRACE(name);
        ASSERT_EQ(place.Hours.size(), 365u);
        EXPECT_TRUE(LatitudeRange.Contains(place.Latitude));
        double worst = 0.0;
        int fajrMarked = 0, ishaMarked = 0;
        for (const THighLatitudeRule& rule : HighLatitudeRules) {
            TimetableSettings settings =
                Place(place.Latitude, place.Longitude, place.Zone, 0, MuslimWorldLeague, 0.0);
            settings.AddSafetyTime = false;
            settings.HighLatRule = rule.Rule;
            std::vector<TimetableDay> run;
            ASSERT_NO_THROW(run = engine.ComputeDays(settings, first, 365)) << rule.Key;
            for (size_t r = 0; r < run.size(); ++r) {
                const TimetableDay& day = run[r];
                ASSERT_TRUE(day.Occurs[1] && day.Occurs[4]) << rule.Key << " " << day.CivilDateText;
                for (size_t i = 0; i < 2; ++i) {
                    const double minutes =
                        (day.EventHours[i == 0 ? 1 : 4] - place.Hours[r][i]) * 60;
                    EXPECT_LE(std::fabs(minutes), 1.0)
                        << day.CivilDateText << (i ? " Maghrib" : " Shrook");
                    worst = std::fabs(minutes) > std::fabs(worst) ? minutes : worst;
                }
                for (size_t p = 0; p < 6; ++p) {
                    EXPECT_TRUE(std::isfinite(day.EventHours[p])) << rule.Key << day.CivilDateText;
                }
                if (day.Occurs[0]) {
                    EXPECT_LT(day.EventHours[0], day.EventHours[1])
                        << rule.Key << day.CivilDateText;
                    EXPECT_GT(day.EventHours[0], day.EventHours[4] - 24)
                        << rule.Key << day.CivilDateText;
                } else {
                    ++fajrMarked;
                }
                if (day.Occurs[5]) {
                    EXPECT_GT(day.EventHours[5], day.EventHours[4])
                        << rule.Key << day.CivilDateText;
                    EXPECT_LT(day.EventHours[5], day.EventHours[1] + 24)
                        << rule.Key << day.CivilDateText;
                } else {
                    ++ishaMarked;
                }
            }
        }
        std::printf(
            "%s (%.4f N), 2026: Shrook and Maghrib worst %+.2f min; Fajr marked as not "
            "occurring on %d, Isha on %d of 4 x 365 days\n",
            name.c_str(), place.Latitude, worst, fajrMarked, ishaMarked);
    }
}

// ---- Runs of days ----

void ExpectSameRow(const TimetableDay& a, const TimetableDay& b) {
    EXPECT_EQ(a.Fixed, b.Fixed);
    EXPECT_EQ(a.CivilDateText, b.CivilDateText);
    EXPECT_EQ(a.HijriValid, b.HijriValid);
    EXPECT_EQ(a.HijriDateText, b.HijriDateText);
    EXPECT_EQ(a.HijriYear, b.HijriYear);
    EXPECT_EQ(a.HijriMonth, b.HijriMonth);
    EXPECT_EQ(a.HijriDay, b.HijriDay);
    EXPECT_EQ(a.Hours, b.Hours);
    EXPECT_EQ(a.TimeTexts, b.TimeTexts);
    EXPECT_EQ(a.GridTexts, b.GridTexts);
    EXPECT_EQ(a.ShownMinutes, b.ShownMinutes);
    EXPECT_EQ(a.EventMinutes, b.EventMinutes);
    EXPECT_EQ(a.EventHours, b.EventHours);
    EXPECT_EQ(a.Occurs, b.Occurs);
}

// A run finds each month's start once, counts the days after it, keeps the crescent
// criterion's answers for later searches and computes the times on several threads. Every row
// must be what computing that day on its own gives: ten years at each of five places (the
// Hijri date, the high-latitude rule at Oslo, the southern hemisphere, a zone of -3:30), each
// calculation method for two of the years, Hanafi Asr for every other method. A day alone
// costs a whole crescent search, so the days alone are every 17th day, and at Mecca also the
// last and first day of every Hijri month.
TEST(TimetableDays, RunsOfTenYearsEqualEveryDayComputedAlone) {
    struct PlaceRow {
        const char* name;
        double latitude, longitude;
        int gmtHours, gmtMinutes;
    };
    const PlaceRow places[] = {
        {"Mecca", 21.42, 39.83, 3, 0},         {"London", 51.51, -0.13, 0, 0},
        {"Oslo", 59.91, 10.75, 1, 0},          {"Wellington", -41.29, 174.78, 12, 0},
        {"St. John's", 47.56, -52.71, -3, 30},
    };
    constexpr int RunDays = 731;  // two years per method, ten in all
    const int32_t first = FixedFromDateTime(EncodeDate(2020, 1, 1));
    int place = 0;
    for (const PlaceRow& p : places) {
        SCOPED_TRACE(p.name);
        TimetableEngine run;
        TimetableEngine alone;
        for (int method = 0; method < 5; ++method) {
            TimetableSettings settings =
                Place(p.latitude, p.longitude, p.gmtHours, p.gmtMinutes, method, 0.0);
            settings.Juristic = method % 2;
            const int32_t from = first + method * RunDays;
            const std::vector<TimetableDay> days = run.ComputeDays(settings, from, RunDays);
            ASSERT_EQ(days.size(), static_cast<size_t>(RunDays));
            for (int i = 0; i < RunDays; ++i) {
                const TimetableDay& day = days[static_cast<size_t>(i)];
                const bool monthEnds =
                    place == 0 &&
                    (day.HijriDay == 1 ||
                     (i + 1 < RunDays && days[static_cast<size_t>(i) + 1].HijriDay == 1));
                if (i % 17 != place && !monthEnds) {
                    continue;
                }
                SCOPED_TRACE(day.CivilDateText);
                EXPECT_EQ(day.CivilDateText, FormatDateTime("ddd dd-mmm-yyyy", day.Serial));
                const std::vector<TimetableDay> single = alone.ComputeDays(settings, from + i, 1);
                ASSERT_EQ(single.size(), 1u);
                ExpectSameRow(day, single[0]);
            }
            // Consecutive days count up within a month and restart at 1 after day 29 or 30.
            for (size_t i = 1; i < days.size(); ++i) {
                const TimetableDay& a = days[i - 1];
                const TimetableDay& b = days[i];
                if (b.HijriDay == 1) {
                    EXPECT_TRUE(a.HijriDay == 29 || a.HijriDay == 30) << b.CivilDateText;
                    EXPECT_EQ(b.HijriMonth, a.HijriMonth % 12 + 1) << b.CivilDateText;
                } else {
                    EXPECT_EQ(b.HijriDay, a.HijriDay + 1) << b.CivilDateText;
                    EXPECT_EQ(b.HijriMonth, a.HijriMonth) << b.CivilDateText;
                }
            }
        }
        ++place;
    }
}

// When the system refuses every helper thread, a run long enough to share out among threads is
// computed on the calling thread alone, with the same rows.
TEST(TimetableDaysDeathTest, RunWithoutHelperThreadsEqualsTheSharedRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const TimetableSettings settings = Place(59.91, 10.75, 1, 0, 0, 0.0);
    const int32_t first = FixedFromDateTime(EncodeDate(2024, 1, 1));
    const std::vector<TimetableDay> shared = TimetableEngine().ComputeDays(settings, first, 366);
    EXPECT_EXIT(
        {
            if (!test::RefuseNewThreads())
                std::_Exit(2);  // threads still start: nothing would be shown
            const std::vector<TimetableDay> alone =
                TimetableEngine().ComputeDays(settings, first, 366);
            for (size_t i = 0; i < shared.size(); ++i)
                ExpectSameRow(shared[i], alone.at(i));
            std::_Exit(alone.size() == shared.size() && !::testing::Test::HasFailure() ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(TimetableDays, WeekRowsEqualTheSameDaysOfARun) {
    TimetableEngine engine;
    const TimetableSettings settings = Mecca(EncodeDate(2024, 4, 10));
    const Timetable week = engine.ComputeWeek(settings);
    const std::vector<TimetableDay> days = engine.ComputeDays(settings, week.Days[0].Fixed, 7);
    for (size_t r = 0; r < 7; ++r) {
        ExpectSameRow(week.Days[r], days[r]);
    }
    EXPECT_TRUE(engine.ComputeDays(settings, week.Days[0].Fixed, 0).empty());
    EXPECT_THROW(engine.ComputeDays(settings, week.Days[0].Fixed, -1), ERangeError);
}

}  // namespace
}  // namespace orvandel
