// The arithmetic Islamic calendar and the afternoon-prayer time.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <vector>

#include "calendar/Gregorian.h"
#include "calendar/Islamic.h"
#include "calendar/Location.h"
#include "calendar/ObservationalIslamic.h"
#include "platform/Errors.h"

namespace orvandel {
namespace {

TEST(TIslamic, KnownDatesAndTheirLongText) {
    const struct {
        const char* Name;
        int32_t Fixed, Year, Month, Day;
        const char* LongText;  // nullptr: not checked
    } rows[] = {
        {"epoch, a Friday", 227015, 1, 1, 1, "yaum al-jum`a, 1 Muharram 1 A.H."},
        {"year 0 has 354 days", 227014, 0, 12, 29, nullptr},
        {"24 September 2006", 732578, 1427, 9, 1, nullptr},
        {"20 January 2007", 732696, 1428, 1, 1, nullptr},
        {"1 January 2000", 730120, 1420, 9, 24, nullptr},
        {"6 December 2026, a Sunday", 739956, 1448, 6, 25, "yaum al-ahad, 25 Jumada II 1448 A.H."},
        {"10 April 2024, apostrophe", 738986, 1445, 10, 1, "yaum al-arba`a', 1 Shawwal 1445 A.H."},
        {"fixed date 1, a negative year", 1, -640, 5, 18, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TIslamic date;
        date.SetFixed(row.Fixed);
        EXPECT_EQ(date.Year, row.Year);
        EXPECT_EQ(date.Month, row.Month);
        EXPECT_EQ(date.Day, row.Day);
        EXPECT_EQ(FixedFromIslamic(row.Year, row.Month, row.Day), row.Fixed);
        if (row.LongText) {
            EXPECT_EQ(date.ToLongString(), row.LongText);
        }
    }
    // Month numbers outside 1..12 wrap in the text (the weekday still comes from the date).
    TIslamic odd;
    odd.SetFields(std::vector<int32_t>{1445, 13, 1});
    EXPECT_EQ(odd.ToLongString(), "yaum al-ithnayna, 1 Muharram 1445 A.H.");
    odd.Month = 0;
    EXPECT_EQ(odd.ToLongString(), "yaum al-ithnayna, 1 Dhu al-Hijja 1445 A.H.");
}

// Every day from fixed date 1 to 1,000,000 (years -640 to 2182): the round trip holds, and
// consecutive days step through months of 30 and 29 days, Dhu al-Hijja having 30 in the
// eleven long years of each 30-year cycle.
TEST(TIslamic, SweepOfAMillionDays) {
    TIslamic previous;
    previous.SetFixed(1);
    int failures = 0;
    for (int32_t f = 2; f <= 1000000 && failures < 10; ++f) {
        TIslamic date;
        date.SetFixed(f);
        bool ok = date.GetFixed() == f;
        if (date.Day == 1) {
            const bool longYear = TProtoDate::Modulo(14 + 11 * previous.Year, 30) < 11;
            const int32_t length =
                previous.Month % 2 == 1 || (previous.Month == 12 && longYear) ? 30 : 29;
            ok = ok && previous.Day == length && date.Month == previous.Month % 12 + 1 &&
                 date.Year == previous.Year + (previous.Month == 12 ? 1 : 0);
        } else {
            ok = ok && date.Day == previous.Day + 1 && date.Month == previous.Month &&
                 date.Year == previous.Year;
        }
        if (!ok && ++failures)
            ADD_FAILURE() << "fixed " << f << ": " << date.Year << "/" << date.Month << "/"
                          << date.Day << " after " << previous.Year << "/" << previous.Month << "/"
                          << previous.Day;
        previous = date;
    }
    EXPECT_EQ(previous.Year, 2182);
}

TEST(TIslamic, OverflowEqualsAndMecca) {
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    EXPECT_THROW(FixedFromIslamic(max, 1, 1), EIntOverflow);
    TIslamic date;
    EXPECT_THROW(date.SetFixed(max), EIntOverflow);

    TIslamic arithmetic;
    TObservationalIslamic observational;
    TGregorian gregorian;
    for (TStandardDate* d :
         std::initializer_list<TStandardDate*>{&arithmetic, &observational, &gregorian})
        d->SetFields(std::vector<int32_t>{1445, 9, 1});
    EXPECT_TRUE(arithmetic.Equals(&observational));
    EXPECT_TRUE(observational.Equals(&arithmetic));
    EXPECT_FALSE(arithmetic.Equals(&gregorian));
    EXPECT_FALSE(arithmetic.Equals(nullptr));

    EXPECT_EQ(&TIslamic::MeccaLocation(), &TIslamic::MeccaLocation());
    EXPECT_NEAR(TIslamic::MeccaLocation().Longitude, 39.823333333333, 1e-9);
}

// At the afternoon-prayer moment a vertical object's shadow is its noon shadow plus
// ShadowFactor times its height: cot(altitude) = cot(noon altitude) + ShadowFactor. The sun's
// altitudes come from the Swiss Ephemeris, independent of our solar theory.
TEST(Asr, ShadowLengthAtTheMomentFound) {
    const struct {
        const char* Name;
        TLocation Location;
        int32_t Date;
    } rows[] = {
        {"Mecca, June solstice, sun near the zenith", TIslamic::MeccaLocation(), 739058},
        {"Mecca, December", TIslamic::MeccaLocation(), 739241},
        {"default place, January", DefaultLocation(), 738895},
        {"Oslo, March", TLocation("Oslo", 59.91, 10.75, 0, 1), 738970},
        {"Cape Town, July", TLocation("Cape Town", -33.92, 18.42, 0, 2), 739080},
    };
    const auto cotSunAltitude = [](double universal, const TLocation& L) {
        const double julianDay = universal + 1721424.5;
        double sun[6], horizon[3], geo[3] = {L.Longitude, L.Latitude, L.Elevation};
        char error[AS_MAXCH];
        EXPECT_GE(swe_calc_ut(julianDay, SE_SUN, SEFLG_MOSEPH | SEFLG_EQUATORIAL, sun, error), 0);
        swe_azalt(julianDay, SE_EQU2HOR, geo, 0, 0, sun, horizon);
        return 1 / std::tan(horizon[1] * std::numbers::pi / 180);  // true altitude
    };
    double worst = 0;
    for (const auto& row : rows) {
        const TLocation& L = row.Location;
        double previous = TProtoDate::UniversalFromStandard(TProtoDate::Midday(row.Date, L), L);
        const double cotNoon = cotSunAltitude(previous, L);
        for (int factor : {1, 2}) {
            const double asr = TIslamic::Asr(row.Date, L, factor);
            ASSERT_GT(asr, 0) << row.Name;
            const double universal = TProtoDate::UniversalFromStandard(asr, L);
            EXPECT_GT(universal, previous) << row.Name << ", factor " << factor;
            previous = universal;
            const double error = cotSunAltitude(universal, L) - cotNoon - factor;
            EXPECT_NEAR(error, 0, 0.01) << row.Name << ", factor " << factor;
            worst = std::max(worst, std::abs(error));
        }
    }
    swe_close();
    std::printf("Asr: worst shadow-length error %.5f object heights\n", worst);
}

}  // namespace
}  // namespace orvandel
