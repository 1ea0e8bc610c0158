// Lunar astronomy (position, phase, altitude) and the search for the first evening on which
// the new crescent is seen.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "calendar/Location.h"
#include "calendar/ProtoDate.h"
#include "calendar/SolarState.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {
namespace {

constexpr long double MeanSynodicMonth = 29.530588853L;  // days
constexpr double CrescentDuskDepression = 4.5;           // degrees of the sun below the horizon
constexpr int MaxDaysSearched = 400;  // crescent search: more than thirteen lunations

// One periodic term: multipliers of the elongation D, the solar anomaly M, the lunar anomaly M'
// and the argument of latitude F, and the amplitude V in millionths of a degree.
struct LunarLongitudeTerm {
    int D;
    int M;
    int MPrime;
    int F;
    int V;  // 1e-6 degree
};
struct LunarLatitudeTerm {
    int D;
    int M;
    int MPrime;
    int F;
    double V;  // 1e-6 degree
};

// clang-format off
// Periodic terms of the lunar longitude, summed in this order.
constexpr LunarLongitudeTerm LunarLongitudeTerms[] = {
    { 0,  0,  1,  0,   6288774},
    { 2,  0, -1,  0,   1274027},
    { 2,  0,  0,  0,    658314},
    { 0,  0,  2,  0,    213618},
    { 0,  1,  0,  0,   -185116},
    { 0,  0,  0,  2,   -114332},
    { 2,  0, -2,  0,     58793},
    { 2, -1, -1,  0,     57066},
    { 2,  0,  1,  0,     53322},
    { 2, -1,  0,  0,     45758},
    { 0,  1, -1,  0,    -40923},
    { 1,  0,  0,  0,    -34720},
    { 0,  1,  1,  0,    -30383},
    { 2,  0,  0, -2,     15327},
    { 0,  0,  1,  2,    -12528},
    { 0,  0,  1, -2,     10980},
    { 4,  0, -1,  0,     10675},
    { 0,  0,  3,  0,     10034},
    { 4,  0, -2,  0,      8548},
    { 2,  1, -1,  0,     -7888},
    { 2,  1,  0,  0,     -6766},
    { 1,  0, -1,  0,     -5163},
    { 1,  1,  0,  0,      4987},
    { 2, -1,  1,  0,      4036},
    { 2,  0,  2,  0,      3994},
    { 4,  0,  0,  0,      3861},
    { 2,  0, -3,  0,      3665},
    { 0,  1, -2,  0,     -2689},
    { 2,  0, -1,  2,     -2602},
    { 2, -1, -2,  0,      2390},
    { 1,  0,  1,  0,     -2348},
    { 2, -2,  0,  0,      2236},
    { 0,  1,  2,  0,     -2120},
    { 0,  2,  0,  0,     -2069},
    { 2, -2, -1,  0,      2048},
    { 2,  0,  1, -2,     -1773},
    { 2,  0,  0,  2,     -1595},
    { 4, -1, -1,  0,      1215},
    { 0,  0,  2,  2,     -1110},
    { 3,  0, -1,  0,      -892},
    { 2,  1,  1,  0,      -810},
    { 4, -1, -2,  0,       759},
    { 0,  2, -1,  0,      -713},
    { 2,  2, -1,  0,      -700},
    { 2,  1, -2,  0,       691},
    { 2, -1,  0, -2,       596},
    { 4,  0,  1,  0,       549},
    { 0,  0,  4,  0,       537},
    { 4, -1,  0,  0,       520},
    { 1,  0, -2,  0,      -487},
    { 2,  1,  0, -2,      -399},
    { 0,  0,  2, -2,      -381},
    { 1,  1,  1,  0,       351},
    { 3,  0, -2,  0,      -340},
    { 4,  0, -3,  0,       330},
    { 2, -1,  2,  0,       327},
    { 0,  2,  1,  0,      -323},
    { 1,  1, -1,  0,       299},
    { 2,  0,  3,  0,       294},
};
static_assert(std::size(LunarLongitudeTerms) == 59, "row lost or duplicated");

// Periodic terms of the lunar latitude, summed in this order.
constexpr LunarLatitudeTerm LunarLatitudeTerms[] = {
    { 0,  0,  0,  1, 5128122.0},
    { 0,  0,  1,  1,  280602.0},
    { 0,  0,  1, -1,  277693.0},
    { 2,  0,  0, -1,  173237.0},
    { 2,  0, -1,  1,   55413.0},
    { 2,  0, -1, -1,   46271.0},
    { 2,  0,  0,  1,   32573.0},
    { 0,  0,  2,  1,   17198.0},
    { 2,  0,  1, -1,    9266.0},
    { 0,  0,  2, -1,    8822.0},
    { 2, -1,  0, -1,    8216.0},
    { 2,  0, -2, -1,    4324.0},
    { 2,  0,  1,  1,    4200.0},
    { 2,  1,  0, -1,   -3359.0},
    { 2, -1, -1,  1,    2463.0},
    { 2, -1,  0,  1,    2211.0},
    { 2, -1, -1, -1,    2065.0},
    { 0,  1, -1, -1,   -1870.0},
    { 4,  0, -1, -1,    1828.0},
    { 0,  1,  0,  1,   -1794.0},
    { 0,  0,  0,  3,   -1749.0},
    { 0,  1, -1,  1,   -1565.0},
    { 1,  0,  0,  1,   -1491.0},
    { 0,  1,  1,  1,   -1475.0},
    { 0,  1,  1, -1,   -1410.0},
    { 0,  1,  0, -1,   -1344.0},
    { 1,  0,  0, -1,   -1335.0},
    { 0,  0,  3,  1,    1107.0},
    { 4,  0,  0, -1,    1021.0},
    { 4,  0, -1,  1,     833.0},
    { 0,  0,  1, -3,     777.0},
    { 4,  0, -2,  1,     671.0},
    { 2,  0,  0, -3,     607.0},
    { 2,  0,  2, -1,     596.0},
    { 2, -1,  1, -1,     491.0},
    { 2,  0, -2,  1,    -451.0},
    { 0,  0,  3, -1,     439.0},
    { 2,  0,  2,  1,     422.0},
    { 2,  0, -3, -1,     421.0},
    { 2,  1, -1,  1,    -366.0},
    { 2,  1,  0,  1,    -351.0},
    { 4,  0,  0,  1,     331.0},
    { 2, -1,  1,  1,     315.0},
    { 2, -2,  0, -1,     302.0},
    { 0,  0,  1,  3,    -283.0},
    { 2,  1,  1, -1,    -229.0},
    { 1,  1,  0, -1,     223.0},
    { 1,  1,  0,  1,     223.0},
    { 0,  1, -2, -1,    -220.0},
    { 2,  1, -1, -1,    -220.0},
    { 1,  0,  1,  1,    -185.0},
    { 2, -1, -2, -1,     181.0},
    { 0,  1,  2,  1,    -177.0},
    { 4,  0, -2, -1,     176.0},
    { 4, -1, -1, -1,     166.0},
    { 1,  0,  1, -1,    -164.0},
    { 4,  0,  1, -1,     132.0},
    { 1,  0, -2, -1,    -119.0},
    { 4, -1,  0, -1,     115.0},
    { 2, -2,  0,  1,     107.0},
};
static_assert(std::size(LunarLatitudeTerms) == 60, "row lost or duplicated");
// clang-format on

// Polynomial a0 + a1 x + a2 x^2 + ... (coefficients in increasing powers), in extended precision.
template <std::size_t N>
long double Poly(long double x, const long double (&a)[N]) {
    long double result = 0.0L;
    for (std::size_t i = N; i-- > 0;)
        result = result * x + a[i];
    return result;
}

// Reciprocal coefficients are the doubles nearest to the quotients.
constexpr double Inverse(double x) {
    return 1.0 / x;
}

// Fundamental arguments of the lunar theory at C Julian centuries from J2000 (dynamical time):
// angles in degrees reduced into [0, 360), E the eccentricity factor (about 1, not reduced).
struct FundamentalArguments {
    long double LPrime;  // mean lunar longitude
    long double D;       // lunar elongation
    long double M;       // solar anomaly
    long double MPrime;  // lunar anomaly
    long double F;       // argument of latitude
    long double E;       // eccentricity of the earth's orbit, as a factor
};

FundamentalArguments ArgumentsAt(long double c) {
    static constexpr long double lPrime[] = {218.3164591L, 481267.88134236L, -0.0013268L,
                                             Inverse(538841.0), -Inverse(65194000.0)};
    static constexpr long double d[] = {297.8502042L, 445267.1115168L, -0.00163L, Inverse(545868.0),
                                        -Inverse(113065000.0)};
    static constexpr long double m[] = {357.5291092L, 35999.0502909L, -0.0001536L,
                                        Inverse(24490000.0)};
    static constexpr long double mPrime[] = {134.9634114L, 477198.8676313L, 0.008997L,
                                             Inverse(69699.0), -Inverse(14712000.0)};
    static constexpr long double f[] = {93.2720993L, 483202.0175273L, -0.0034029L,
                                        -Inverse(3526000.0), Inverse(863310000.0)};
    static constexpr long double e[] = {1.0L, -0.002516L, -0.0000074L};
    return {TProtoDate::Mod360(Poly(c, lPrime)), TProtoDate::Mod360(Poly(c, d)),
            TProtoDate::Mod360(Poly(c, m)),      TProtoDate::Mod360(Poly(c, mPrime)),
            TProtoDate::Mod360(Poly(c, f)),      Poly(c, e)};
}

// E^|m|: the solar-anomaly terms shrink with the eccentricity of the earth's orbit.
long double EccentricityFactor(const FundamentalArguments& a, int m) {
    switch (m < 0 ? -m : m) {
        case 0:
            return 1.0L;
        case 1:
            return a.E;
        default:
            return a.E * a.E;
    }
}

// Sum of V * E^|m| * sin(d D + m M + m' M' + f F) over the rows, in table order.
template <typename Term, std::size_t N>
long double SumOfTerms(const Term (&terms)[N], const FundamentalArguments& a) {
    long double sum = 0.0L;
    for (const Term& t : terms)
        sum += t.V * EccentricityFactor(a, t.M) *
               TProtoDate::SinDeg(t.D * a.D + t.M * a.M + t.MPrime * a.MPrime + t.F * a.F);
    return sum;
}

// An angle reduced into [0, 360) in extended precision can round up to 360 when narrowed to
// double; keep the narrowed value inside [0, 360) as well.
double NarrowAngle(long double degrees) {
    const double result = static_cast<double>(degrees);
    return result >= 360.0 ? 0.0 : result;
}

// Altitude of the moon's centre above the horizon of L at U moment T, from its ecliptic
// longitude Lambda and latitude Beta and the obliquity Obliquity at T; degrees in [-180, 180),
// no parallax or refraction.
double AltitudeOf(double T, const TLocation& L, long double lambda, long double beta,
                  double obliquity) {
    using P = TProtoDate;
    const long double phi = L.Latitude;
    const long double psi = L.Longitude;
    const long double eps = obliquity;
    // Right ascension, in the quadrant of Lambda (1 to 4).
    const int quadrant = P::Quotient(lambda, P::AsDegrees(90)) + 1;
    const long double alpha = P::ArcTanDeg(
        (P::SinDeg(lambda) * P::CosDeg(eps) - P::TanDeg(beta) * P::SinDeg(eps)) / P::CosDeg(lambda),
        quadrant);
    const long double delta = P::ArcSinDeg(P::SinDeg(beta) * P::CosDeg(eps) +
                                           P::CosDeg(beta) * P::SinDeg(eps) * P::SinDeg(lambda));
    const long double hourAngle = P::RealMod(P::SiderealFromMoment(T) + psi - alpha, 360);
    // Rounding can push the sine a hair past 1 with the moon in the zenith.
    const long double altitude =
        P::ArcSinDeg(std::clamp(P::SinDeg(phi) * P::SinDeg(delta) +
                                    P::CosDeg(phi) * P::CosDeg(delta) * P::CosDeg(hourAngle),
                                -1.0L, 1.0L));
    return static_cast<double>(P::RealMod(P::AsDegrees(180) + altitude, 360) - P::AsDegrees(180));
}

std::string DateClassName(const TDateClass& K) {
    return K.Name ? K.Name : "(unnamed class)";
}

}  // namespace

namespace {

// The moon's longitude at c Julian centuries from J2000, given the nutation then.
double LunarLongitudeAt(long double c, double nutation) {
    using P = TProtoDate;
    const FundamentalArguments a = ArgumentsAt(c);
    const long double correction =
        P::AsDegrees(1) / 1000000.0L * SumOfTerms(LunarLongitudeTerms, a);
    const long double venus = P::AsDegrees(3958) / 1000000.0L * P::SinDeg(119.75L + 131.849L * c);
    const long double jupiter = P::AsDegrees(318) / 1000000.0L * P::SinDeg(53.09L + 479264.29L * c);
    const long double flatEarth = P::AsDegrees(1962) / 1000000.0L * P::SinDeg(a.LPrime - a.F);
    return NarrowAngle(P::Mod360(a.LPrime + correction + venus + jupiter + flatEarth + nutation));
}

}  // namespace

double TProtoDate::LunarLongitude(double T) {
    return LunarLongitudeAt(JulianCenturies(T), Nutation(T));
}

double TProtoDate::LunarLongitude(double T, SolarState& State) {
    return LunarLongitudeAt(JulianCenturies(T, State), Nutation(T, State));
}

namespace {

// The moon's latitude at c Julian centuries from J2000.
double LunarLatitudeAt(long double c) {
    using P = TProtoDate;
    const FundamentalArguments a = ArgumentsAt(c);
    const long double latitude = P::AsDegrees(1) / 1000000.0L * SumOfTerms(LunarLatitudeTerms, a);
    const long double venusArgument = P::AsDegrees(119.75) + 131.849L * c;
    const long double venus = P::AsDegrees(175) / 1000000.0L *
                              (P::SinDeg(venusArgument + a.F) + P::SinDeg(venusArgument - a.F));
    const long double flatEarth = P::AsDegrees(-2235) / 1000000.0L * P::SinDeg(a.LPrime) +
                                  P::AsDegrees(127) / 1000000.0L * P::SinDeg(a.LPrime - a.MPrime) +
                                  P::AsDegrees(-115) / 1000000.0L * P::SinDeg(a.LPrime + a.MPrime);
    const long double extra = P::AsDegrees(382) / 1000000.0L *
                              P::SinDeg(P::AsDegrees(481266.484) * c + P::AsDegrees(313.45));
    // Reduced into [0, 360): users take its sine, cosine or tangent only.
    return NarrowAngle(P::Mod360(latitude + venus + flatEarth + extra));
}

}  // namespace

double TProtoDate::LunarLatitude(double T) {
    return LunarLatitudeAt(JulianCenturies(T));
}

double TProtoDate::LunarPhase(double T) {
    return NarrowAngle(Mod360(static_cast<long double>(LunarLongitude(T)) - SolarLongitude(T)));
}

double TProtoDate::LunarPhase(double T, SolarState& State) {
    return NarrowAngle(
        Mod360(static_cast<long double>(LunarLongitude(T, State)) - SolarLongitude(T, State)));
}

double TProtoDate::LunarAltitude(double T, const TLocation& L) {
    return AltitudeOf(T, L, LunarLongitude(T), LunarLatitude(T), Obliquity(T));
}

double TProtoDate::LunarAltitude(double T, const TLocation& L, SolarState& State) {
    return AltitudeOf(T, L, LunarLongitude(T, State), LunarLatitudeAt(JulianCenturies(T, State)),
                      Obliquity(T, State));
}

bool TProtoDate::VisibleCrescent(int32_t Date, const TLocation& L) {
    SolarState state;
    return VisibleCrescent(Date, L, state);
}

bool TProtoDate::VisibleCrescent(int32_t Date, const TLocation& L, SolarState& State) {
    const int32_t eve = CheckedSub<int32_t>(Date, 1, "VisibleCrescent: day before the date");
    const double dusk = Dusk(eve, L, AsDegrees(CrescentDuskDepression), State);
    if (dusk == 0.0)
        throw EConvertError("VisibleCrescent: the sun does not reach " +
                            std::to_string(CrescentDuskDepression) +
                            " degrees below the horizon on the evening of fixed date " +
                            std::to_string(eve) + " at \"" + L.Name + "\"");
    const double T = UniversalFromStandard(dusk, L);

    // The tests stop at the first that fails; each later one needs more of the moon's position.
    const long double lambda = LunarLongitude(T, State);
    const long double phase = NarrowAngle(Mod360(lambda - SolarLongitude(T, State)));
    if (!(phase > 0) || !(phase < 90))
        return false;
    const long double beta = LunarLatitudeAt(JulianCenturies(T, State));
    const long double arcOfLight = ArcCosDeg(CosDeg(beta) * CosDeg(phase));
    if (!(arcOfLight >= AsDegrees(10.6)) || !(arcOfLight <= AsDegrees(90)))
        return false;
    return AltitudeOf(T, L, lambda, beta, Obliquity(T, State)) > AsDegrees(4.1);
}

// The search runs from a start day Tau upward and answers the first day whose eve passes K's
// criterion. Tau is two days before the mean new moon of the lunation in progress at Date, or
// thirty days earlier when that lunation's month has not begun by Date (the crescent not yet
// seen within three days of the new moon, or first seen only after Date). At most
// MaxDaysSearched days are tried in all.
int32_t TProtoDate::PhasisOnOrBefore(const TDateClass& K, int32_t Date, const TLocation& L) {
    SolarState state;
    return PhasisOnOrBefore(K, Date, L, state);
}

int32_t TProtoDate::PhasisOnOrBefore(const TDateClass& K, int32_t Date, const TLocation& L,
                                     SolarState& State) {
    if (K.VisibleCrescent == nullptr)
        throw EInvalidOp("PhasisOnOrBefore: class " + DateClassName(K) +
                         " has no crescent criterion");
    return PhasisOnOrBefore(K, Date, L, State, K.VisibleCrescent);
}

int32_t TProtoDate::PhasisOnOrBefore(const TDateClass& K, int32_t Date, const TLocation& L,
                                     SolarState& State, const TCrescentCriterion& Visible) {
    // Days since the mean new moon, from the phase at midnight (universal time) of Date.
    const long double phase = LunarPhase(Date, State);
    const int64_t age = FloorInt(phase / AsDegrees(360) * MeanSynodicMonth);  // 0..29
    const int32_t mean = NarrowToInt32(int64_t{Date} - age, "PhasisOnOrBefore: mean new moon");
    const auto day = [&](int64_t offset) {
        return NarrowToInt32(int64_t{mean} + offset, "PhasisOnOrBefore: search day");
    };

    int daysTried = 0;
    // The first day from `from` to `last` on whose eve K's criterion holds, or `last` + 1 when
    // there is none.
    const auto scan = [&](int32_t from, int64_t last) -> int64_t {
        for (int64_t d = from; d <= last; ++d) {
            if (daysTried == MaxDaysSearched)
                throw EInvalidOp("PhasisOnOrBefore: no evening from fixed date " +
                                 std::to_string(from) + " to " + std::to_string(d - 1) +
                                 " passes the crescent test of " + DateClassName(K) + " at \"" +
                                 L.Name + "\" (searched from fixed date " + std::to_string(Date) +
                                 "; gave up after " + std::to_string(MaxDaysSearched) + " days)");
            ++daysTried;
            if (Visible(NarrowToInt32(d, "PhasisOnOrBefore: search day"), L, State))
                return d;
        }
        return last + 1;
    };
    constexpr int64_t unbounded = INT64_MAX - 1;
    // The month that began with the previous lunation's crescent is still running at Date.
    const auto previousMonth = [&]() -> int32_t {
        const int64_t found = scan(day(-30), Date);
        if (found > Date)
            throw EInvalidOp("PhasisOnOrBefore: no evening from fixed date " +
                             std::to_string(day(-30)) + " to " + std::to_string(Date) +
                             " passes the crescent test of " + DateClassName(K) + " at \"" +
                             L.Name + "\", so no month is known to be running on fixed date " +
                             std::to_string(Date));
        return static_cast<int32_t>(found);
    };

    if (int64_t{Date} - mean <= 3) {
        bool monthBegun = false;
        if (K.CriterionHoldsOnlyAtMonthStart) {
            // Such a criterion fails again a day or two into the month: look for the month's
            // first evening among the days from Mean - 2 to Date. The first one found is also
            // what a search from Mean - 2 would return.
            for (int64_t d = day(-2); d <= Date; ++d)
                if (Visible(static_cast<int32_t>(d), L, State))
                    return static_cast<int32_t>(d);
        } else {
            monthBegun = Visible(Date, L, State);
        }
        if (!monthBegun)
            return previousMonth();
    }
    const int64_t found = scan(day(-2), unbounded);
    if (found <= Date)
        return static_cast<int32_t>(found);
    // This lunation's crescent is first seen after Date (late visibility at high latitude): the
    // month in progress at Date is the previous one, not a month that has not begun yet.
    return previousMonth();
}

}  // namespace orvandel
