// Position of the moon: the periodic-term tables against an independent high-precision
// evaluation, and the whole series against the Swiss Ephemeris.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calendar/Location.h"
#include "calendar/ProtoDate.h"

namespace orvandel {
namespace {

using P = TProtoDate;

// Angular difference folded into [-180, 180).
double AngleDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

// Reference values from a 40-digit evaluation of the same series (tests/data/README.md,
// "Lunar series"). Moments are universal time on the fixed-date scale; degrees. At one of the
// five moments or another, every row of both tables moves the result by at least 2.6e-7 degree
// per unit of its amplitude, so the 1e-7 tolerance catches a mistyped last digit.
struct LunarReferenceRow {
    const char* Name;
    double T, Longitude, Latitude, Phase;
};
constexpr LunarReferenceRow LunarReference[] = {
    {"1992-04-12 00:00, latitude south", 727300.0, 133.176937202477, 356.770206365598,
     110.836543119705},
    {"J2000", 730120.5, 223.32425644257, 5.17136161829225, 302.955128419796},
    {"2024-04-08 18:00, before new moon", 738984.75, 19.193887198846, 0.330462177740259,
     359.806743686954},
    {"2024-04-08 21:00, after new moon", 738984.875, 21.0671807510417, 0.503466269840096,
     1.557168352488},
    {"2040-09-27 06:00", 745000.25, 84.3296334033545, 2.44467124064218, 259.584226790781},
};

TEST(LunarPosition, MatchesIndependentEvaluationOfTheSeries) {
    double worst = 0;
    const auto check = [&](double actual, double expected, const char* what) {
        EXPECT_NEAR(actual, expected, 1e-7) << what;
        worst = std::max(worst, std::abs(actual - expected));
    };
    for (const auto& row : LunarReference) {
        SCOPED_TRACE(row.Name);
        check(P::LunarLongitude(row.T), row.Longitude, "longitude");
        check(P::LunarLatitude(row.T), row.Latitude, "latitude");
        check(P::LunarPhase(row.T), row.Phase, "phase");
    }
    check(P::LunarAltitude(J2000(), DefaultLocation()), 17.3257766139752, "altitude at J2000");
    std::printf("lunar series: worst error against the reference %.3g deg\n", worst);
}

// The truncated series is good to about 10 arcseconds in longitude and 4 in latitude, and
// nutation here has its two largest terms only; tolerances allow for both. The ephemeris is
// read at our own dynamical time, so that the two time-scale models do not enter.
TEST(LunarPosition, AgreesWithTheSwissEphemerisOver1950To2050) {
    constexpr double fixedToJulianDay = 1721424.5;
    double worstLon = 0, worstLat = 0, worstPhase = 0;
    for (double t = 711859.0; t < 748384.0; t += 7.3) {  // 1950-01-02 to 2050-01-02
        const double julianEphemerisDay = P::DynamicalFromUniversal(t) + fixedToJulianDay;
        double moon[6], sun[6];
        char error[AS_MAXCH];
        ASSERT_GE(swe_calc(julianEphemerisDay, SE_MOON, SEFLG_MOSEPH, moon, error), 0) << error;
        ASSERT_GE(swe_calc(julianEphemerisDay, SE_SUN, SEFLG_MOSEPH, sun, error), 0) << error;
        worstLon = std::max(worstLon, std::abs(AngleDiff(P::LunarLongitude(t), moon[0])));
        worstLat = std::max(worstLat, std::abs(AngleDiff(P::LunarLatitude(t), moon[1])));
        worstPhase = std::max(worstPhase, std::abs(AngleDiff(P::LunarPhase(t), moon[0] - sun[0])));
    }
    swe_close();
    std::printf(
        "against the Swiss Ephemeris: worst longitude %.5f, latitude %.5f, phase %.5f deg\n",
        worstLon, worstLat, worstPhase);
    EXPECT_LT(worstLon, 0.008);
    EXPECT_LT(worstLat, 0.003);
    EXPECT_LT(worstPhase, 0.008);
}

}  // namespace
}  // namespace orvandel
