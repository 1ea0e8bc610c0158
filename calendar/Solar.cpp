// Time scales and solar astronomy: ephemeris correction, obliquity, equation of time,
// nutation, aberration, apparent solar longitude, mean sidereal time, and the solar events
// (true noon, moments of depression, dawn, dusk, sunrise, sunset).
//
// Every function is pure. Intermediates are long double; moments and angles handed from one
// function to the next are double. What nearby moments share (a year's ephemeris correction,
// the series about a grid day, a moment's declination) is kept in the caller's SolarState.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <tuple>

#include "calendar/Gregorian.h"
#include "calendar/Location.h"
#include "calendar/ProtoDate.h"
#include "calendar/SolarSeries.h"
#include "calendar/SolarState.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {

namespace {

// a[0] + a[1] x + a[2] x^2 + ..., coefficients in increasing powers.
template <size_t N>
long double Poly(long double x, const std::array<long double, N>& a) {
    long double sum = 0.0L;
    for (size_t i = N; i-- > 0;)
        sum = sum * x + a[i];
    return sum;
}

constexpr long double DaysPerJulianCentury = 36525.0L;
constexpr long double SecondsPerDay = 86400.0L;
constexpr long double InverseTwoPi = 0.15915494309189533577L;  // 1 / (2 pi)
constexpr long double EarthRadiusMeters = 6372000.0L;

// Ephemeris correction: polynomials in centuries since 1900 (result in days) and in years
// (result in seconds).
constexpr std::array<long double, 8> Correction1900s = {
    -0.00002L, 0.000297L, 0.025184L, -0.181133L, 0.55304L, -0.861938L, 0.677066L, -0.212591L};
constexpr std::array<long double, 11> Correction1800s = {
    -0.000009L, 0.003844L,  0.083563L,  0.865736L,  4.867575L, 15.845535L,
    31.332267L, 38.291999L, 28.316289L, 11.636204L, 2.043794L};
constexpr std::array<long double, 4> Correction1700sSeconds = {8.118780842L, -0.05092142L,
                                                               0.003336121L, -0.0000266484L};
constexpr std::array<long double, 3> Correction1600sSeconds = {196.58333L, -4.0675L, 0.0219167L};

// Periodic terms of the solar longitude: amplitude, phase [deg], rate [deg / Julian century].
struct SolarTerm {
    int X;
    double Y;
    double Z;
};
constexpr SolarTerm SolarLongitudeTerms[] = {
    {403406, 270.54861, 0.9287892},
    {195207, 340.19128, 35999.1376958},
    {119433, 63.91854, 35999.4089666},
    {112392, 331.2622, 35998.7287385},
    {3891, 317.843, 71998.20261},
    {2819, 86.631, 71998.4403},
    {1721, 240.052, 36000.35726},
    {660, 310.26, 71997.4812},
    {350, 247.23, 32964.4678},
    {334, 260.87, -19.441},
    {314, 297.82, 445267.1117},
    {268, 343.14, 45036.884},
    {242, 166.79, 3.1008},
    {234, 81.53, 22518.4434},
    {158, 3.5, -19.9739},
    {132, 132.75, 65928.9345},
    {129, 182.95, 9038.0293},
    {114, 162.03, 3034.7684},
    {99, 29.8, 33718.148},
    {93, 266.4, 3034.448},
    {86, 249.2, -2280.773},
    {78, 157.6, 29929.992},
    {72, 257.8, 31556.493},
    {68, 185.1, 149.588},
    {64, 69.9, 9037.75},
    {46, 8, 107997.405},
    {38, 197.1, -4444.176},
    {37, 250.4, 151.771},
    {32, 65.3, 67555.316},
    {29, 162.7, 31556.08},
    {28, 341.5, -4561.54},
    {27, 291.6, 107996.706},
    {27, 98.5, 1221.655},
    {25, 146.7, 62894.167},
    {24, 110, 31437.369},
    {21, 5.2, 14578.298},
    {21, 342.6, -31931.757},
    {20, 230.9, 34777.243},
    {18, 256.1, 1221.999},
    {17, 45.3, 62894.511},
    {14, 242.9, -4442.039},
    {13, 115.2, 107997.909},
    {13, 151.8, 119.066},
    {13, 285.3, 16859.071},
    {12, 53.3, -4.578},
    {10, 126.6, 26895.292},
    {10, 205.7, -39.127},
    {10, 85.9, 12297.536},
    {10, 146.1, 90073.778},
};
static_assert(std::size(SolarLongitudeTerms) == 49, "row lost or duplicated");
constexpr size_t SolarTermCount = std::size(SolarLongitudeTerms);

constexpr long double RadiansPerDegree = 0.017453292519943295769236907684886127L;

// Sine and cosine of D radians for |D| <= 0.18 by their Taylor polynomials (through D^13 and
// D^14). The first term left out is below |D|^15 / 15! <= 5e-24 for the sine and
// |D|^16 / 16! <= 6e-26 for the cosine, far below the 5.4e-20 of a long double's last place
// near 1; what remains is the rounding of a dozen products.
void SinCosSmall(long double d, long double& sine, long double& cosine) {
    // Coefficients in powers of d^2: (-1)^k / (2k+1)! and (-1)^k / (2k)!.
    constexpr long double S3 = -1.0L / 6, S5 = 1.0L / 120, S7 = -1.0L / 5040, S9 = 1.0L / 362880,
                          S11 = -1.0L / 39916800, S13 = 1.0L / 6227020800;
    constexpr long double C2 = -1.0L / 2, C4 = 1.0L / 24, C6 = -1.0L / 720, C8 = 1.0L / 40320,
                          C10 = -1.0L / 3628800, C12 = 1.0L / 479001600, C14 = -1.0L / 87178291200;
    const long double u = d * d;
    sine = d + d * u * (S3 + u * (S5 + u * (S7 + u * (S9 + u * (S11 + u * S13)))));
    cosine = 1 + u * (C2 + u * (C4 + u * (C6 + u * (C8 + u * (C10 + u * (C12 + u * C14))))));
}

// The angles of the solar longitude terms at C Julian centuries, degrees.
std::array<long double, SolarTermCount> SolarTermAngles(long double c) {
    std::array<long double, SolarTermCount> angles;
    for (size_t i = 0; i < SolarTermCount; ++i)
        angles[i] = SolarLongitudeTerms[i].Y + SolarLongitudeTerms[i].Z * c;
    return angles;
}

// The arguments of nutation and aberration, the obliquity and the sun's mean longitude (the
// longitude without its periodic terms) at C Julian centuries, degrees.
long double NutationFirstAngle(long double c) {
    return Poly(c, std::array{124.90L, -1934.134L, 0.002063L});
}
long double NutationSecondAngle(long double c) {
    return Poly(c, std::array{201.11L, 72001.5377L, 0.00057L});
}
long double AberrationAngle(long double c) {
    return 177.63L + 35999.01848L * c;
}
// The obliquity's change since J2000 in centuries, degrees.
const std::array<long double, 4>& ObliquityTerms() {
    static const std::array<long double, 4> terms = {0.0L, TProtoDate::Angle(0, 0, -46.815),
                                                     TProtoDate::Angle(0, 0, -0.00059),
                                                     TProtoDate::Angle(0, 0, 0.001813)};
    return terms;
}
double ObliquityAt(long double c) {
    static const long double atJ2000 = TProtoDate::Angle(23, 26, 21.448);
    return static_cast<double>(atJ2000 + Poly(c, ObliquityTerms()));
}
long double MeanSolarLongitude(long double c) {
    return 282.7771834L + 36000.76953744L * c;
}

// Every angle of the sun's apparent longitude and declination at C Julian centuries: the 49
// terms, then the rest. The mean longitude is reduced to [0, 360) so that a longitude near it
// differs from it by a few degrees.
struct SolarAngle {
    static constexpr size_t NutationFirst = SolarTermCount, NutationSecond = SolarTermCount + 1,
                            Aberration = SolarTermCount + 2, Obliquity = SolarTermCount + 3,
                            MeanLongitude = SolarTermCount + 4, Count = SolarTermCount + 5;
};
std::array<long double, SolarAngle::Count> SolarAngles(long double c) {
    std::array<long double, SolarAngle::Count> angles{};
    const std::array<long double, SolarTermCount> terms = SolarTermAngles(c);
    std::copy(terms.begin(), terms.end(), angles.begin());
    angles[SolarAngle::NutationFirst] = NutationFirstAngle(c);
    angles[SolarAngle::NutationSecond] = NutationSecondAngle(c);
    angles[SolarAngle::Aberration] = AberrationAngle(c);
    angles[SolarAngle::Obliquity] = ObliquityAt(c);
    angles[SolarAngle::MeanLongitude] = TProtoDate::Mod360(MeanSolarLongitude(c));
    return angles;
}

// The angles of the equation of time at C Julian centuries, degrees: twice the sun's mean
// longitude, its mean anomaly and half the obliquity. The formula also takes the sines of
// twice the first two.
struct EquationAngles {
    static constexpr size_t TwoLambda = 0, Anomaly = 1, HalfObliquity = 2;
};
constexpr std::array MeanLongitudeTerms = {280.46645L, 36000.76983L, 0.0003032L};
constexpr std::array MeanAnomalyTerms = {357.5291L, 35999.0503L, -0.0001559L, -0.00000048L};
constexpr std::array EccentricityTerms = {0.016708617L, -0.000042037L, -0.0000001236L};
std::array<long double, 3> EquationOfTimeAngles(long double c) {
    const long double lambda = Poly(c, MeanLongitudeTerms);
    const long double anomaly = Poly(c, MeanAnomalyTerms);
    return {2 * lambda, anomaly, ObliquityAt(c) / 2.0L};
}

// The last few values of a pure function, kept in a SolarState: the moments, days and angles
// a run of days asks for repeat within a row and from row to row. Pure values of their keys,
// they cannot go stale.
template <typename Key, typename Value, int Slots>
class RecentValues {
  public:
    const Value* Find(const Key& key) const {
        for (int i = 0; i < used_; ++i)
            if (keys_[i] == key)
                return &values_[i];
        return nullptr;
    }
    const Value& Put(const Key& key, const Value& value) {
        const int slot = next_;
        next_ = (next_ + 1) % Slots;
        used_ = std::max(used_, next_ == 0 ? Slots : next_);
        keys_[slot] = key;
        values_[slot] = value;
        return values_[slot];
    }

  private:
    std::array<Key, Slots> keys_{};
    std::array<Value, Slots> values_{};
    int used_ = 0;
    int next_ = 0;
};

// Grid points lie every Spacing whole days of dynamical time since J2000. The grid point of C
// Julian centuries is the nearest one, or nothing for NaN, infinite or far values: the days of
// every 32-bit fixed date are far below 2^40.
template <int Spacing>
std::optional<int64_t> GridDay(long double c) {
    const long double days = c * DaysPerJulianCentury;
    if (!(std::fabs(days) < 1099511627776.0L))
        return std::nullopt;
    return Spacing * static_cast<int64_t>(std::floor(days / Spacing + 0.5L));
}

// Grid points lie eight days apart: an angle turns by at most four days from its point. The
// fastest angle turned by SinCosSmall is the second nutation argument (72001.5377
// deg/century): 7.89 deg; the mean longitude turns by 3.94 deg plus at most 2 deg of periodic
// terms to the apparent longitude. Both stay within SinCosSmall's range. (The equation of
// time and the longitude's series take power series about their grid points instead.)
constexpr int EquationGridSpacing = 8;
constexpr int SolarGridSpacing = 8;
constexpr double TurnLimitRadians = 0.18;
static_assert(72001.5377 * SolarGridSpacing / 2 / 36525 * 0.0174533 < TurnLimitRadians);
static_assert((36000.77 * SolarGridSpacing / 2 / 36525 + 2.0) * 0.0174533 < TurnLimitRadians);

// The angles AnglesAt gives at one grid day, with their sines and cosines.
template <size_t N>
struct GridPoint {
    int64_t Day = 0;
    std::array<long double, N> Angle{};  // degrees
    std::array<long double, N> Sine{};
    std::array<long double, N> Cosine{};
};

// The grid point of Day for AnglesAt.
template <auto AnglesAt>
auto GridPointAt(int64_t day) {
    constexpr size_t N = std::tuple_size_v<decltype(AnglesAt(0.0L))>;
    GridPoint<N> point;
    point.Day = day;
    point.Angle = AnglesAt(static_cast<long double>(day) / DaysPerJulianCentury);
    for (size_t i = 0; i < N; ++i)
        TProtoDate::SinCosDeg(point.Angle[i], point.Sine[i], point.Cosine[i]);
    return point;
}

// Sine and cosine of the grid point's angle I turned by Turn degrees:
// sin(a + d) = sin a cos d + cos a sin d.
template <size_t N>
void TurnedBy(const GridPoint<N>& point, size_t i, long double turn, long double& sine,
              long double& cosine) {
    long double sinRest;
    long double cosRest;
    SinCosSmall(turn * RadiansPerDegree, sinRest, cosRest);
    sine = point.Sine[i] * cosRest + point.Cosine[i] * sinRest;
    cosine = point.Cosine[i] * cosRest - point.Sine[i] * sinRest;
}

// Sine and cosine of Angle degrees, the grid point's angle I evaluated at a moment of its day.
// The turn is the difference of two nearby numbers, so it is exact and a + d is Angle itself.
template <size_t N>
void TurnedSinCos(const GridPoint<N>& point, size_t i, long double angle, long double& sine,
                  long double& cosine) {
    TurnedBy(point, i, angle - point.Angle[i], sine, cosine);
}

template <size_t N>
long double TurnedSine(const GridPoint<N>& point, size_t i, long double angle) {
    long double sine;
    long double cosine;  // inlined away where unused
    TurnedSinCos(point, i, angle, sine, cosine);
    return sine;
}

template <size_t N>
long double TurnedCosine(const GridPoint<N>& point, size_t i, long double angle) {
    long double sine;  // inlined away where unused
    long double cosine;
    TurnedSinCos(point, i, angle, sine, cosine);
    return cosine;
}

using SolarGridPoint = GridPoint<SolarAngle::Count>;

// ---- Power series in the centuries u from a grid point ----
// Up to four days from its grid point the equation of time's fastest angle, four times the
// mean longitude, turns by 0.276 rad: the first power left out, 0.276^13 / 13! = 8e-18 of that
// term's 1.5e-4 days, adds 1.3e-21 days.
constexpr size_t PowerTerms = 13;
using PowerSeries = std::array<long double, PowerTerms>;

// P(c0 + u) - P(c0) for the polynomial P (coefficients in increasing powers of c): the turn of
// an angle from its value at the grid point. A Taylor shift by synthetic division.
template <size_t N>
PowerSeries TurnSeries(const std::array<long double, N>& p, long double c0) {
    static_assert(N <= PowerTerms);
    std::array<long double, N> a = p;
    for (size_t k = 0; k < N; ++k)
        for (size_t i = N - 1; i-- > k;)
            a[i] += c0 * a[i + 1];
    PowerSeries turn{};
    std::copy(a.begin() + 1, a.end(), turn.begin() + 1);
    return turn;
}

// P(c0 + u) in full.
template <size_t N>
PowerSeries ShiftedSeries(const std::array<long double, N>& p, long double c0) {
    PowerSeries shifted = TurnSeries(p, c0);
    shifted[0] = Poly(c0, p);
    return shifted;
}

PowerSeries Scaled(PowerSeries a, long double factor) {
    for (long double& x : a)
        x *= factor;
    return a;
}

PowerSeries Product(const PowerSeries& a, const PowerSeries& b) {
    PowerSeries product{};
    for (size_t i = 0; i < PowerTerms; ++i)
        for (size_t j = 0; i + j < PowerTerms; ++j)
            product[i + j] += a[i] * b[j];
    return product;
}

// Sine and cosine of a + t(u) for an angle a given by its sine and cosine and a turn t in
// degrees: s = sin t and c = cos t follow from s' = c t' and c' = -s t'.
void SinCosSeries(long double sinA, long double cosA, const PowerSeries& turnDegrees,
                  PowerSeries& sine, PowerSeries& cosine) {
    const PowerSeries t = Scaled(turnDegrees, RadiansPerDegree);
    PowerSeries s{};
    PowerSeries c{};
    c[0] = 1.0L;
    for (size_t k = 1; k < PowerTerms; ++k) {
        long double ds = 0.0L;
        long double dc = 0.0L;
        for (size_t j = 1; j <= k; ++j) {
            ds += static_cast<long double>(j) * t[j] * c[k - j];
            dc -= static_cast<long double>(j) * t[j] * s[k - j];
        }
        s[k] = ds / static_cast<long double>(k);
        c[k] = dc / static_cast<long double>(k);
    }
    for (size_t k = 0; k < PowerTerms; ++k) {
        sine[k] = sinA * c[k] + cosA * s[k];
        cosine[k] = cosA * c[k] - sinA * s[k];
    }
}

// A / B for B with a non-zero constant term.
PowerSeries Quotient(const PowerSeries& a, const PowerSeries& b) {
    PowerSeries q{};
    for (size_t k = 0; k < PowerTerms; ++k) {
        long double rest = a[k];
        for (size_t j = 1; j <= k; ++j)
            rest -= b[j] * q[k - j];
        q[k] = rest / b[0];
    }
    return q;
}

// The periodic sum of the solar longitude about a grid day as a polynomial in the centuries u
// from it: sum_i X_i sin(a_i + w_i u) = sum_k u^k / k! sum_i X_i w_i^k sin(a_i + k pi / 2),
// with a_i a term's angle at the grid day and w_i its rate in radians per century. Up to four
// days from the grid day the fastest term turns by 0.851 rad; the first power left out adds
// less than 1e-18 to the sum (in units of 1e-7 radian), far below its last place.
constexpr size_t SeriesDegree = 20;
constexpr double SeriesRemainder = [] {
    double worst = 0.0;
    for (const SolarTerm& term : SolarLongitudeTerms) {
        const double turn =
            (term.Z < 0 ? -term.Z : term.Z) * SolarGridSpacing / 2 / 36525 * 0.017453292519943295;
        double bound = term.X;
        for (size_t k = 1; k <= SeriesDegree + 1; ++k)
            bound *= turn / static_cast<double>(k);
        worst = std::max(worst, bound);
    }
    return worst;
}();
static_assert(SeriesRemainder < 1e-18, "raise SeriesDegree");
struct SeriesPolynomial {
    long double Center = 0.0L;  // the grid day, in Julian centuries
    std::array<long double, SeriesDegree + 1> Coefficients{};
};

SeriesPolynomial SeriesAbout(const SolarGridPoint& point) {
    SeriesPolynomial series;
    series.Center = static_cast<long double>(point.Day) / DaysPerJulianCentury;
    for (size_t i = 0; i < SolarTermCount; ++i) {
        const long double rate = SolarLongitudeTerms[i].Z * RadiansPerDegree;
        // X w^k / k! times sin, cos, -sin, -cos of the angle for k = 0, 1, 2, 3, ...
        const long double derivatives[4] = {point.Sine[i], point.Cosine[i], -point.Sine[i],
                                            -point.Cosine[i]};
        // A power whose share within four days of the grid day stays below 1e-21 ends the term:
        // the slow terms need only the first few.
        const long double largestTurn =
            std::fabs(rate) * SolarGridSpacing / 2 / DaysPerJulianCentury;
        long double factor = SolarLongitudeTerms[i].X;
        long double share = factor;
        for (size_t k = 0; k <= SeriesDegree && share >= 1e-21L; ++k) {
            series.Coefficients[k] += factor * derivatives[k % 4];
            factor *= rate / static_cast<long double>(k + 1);
            share *= largestTurn / static_cast<long double>(k + 1);
        }
    }
    return series;
}

long double SeriesOnGrid(long double c, const SeriesPolynomial& series) {
    return Poly(c - series.Center, series.Coefficients);
}

// A grid day of the sun's longitude: its angles and the polynomial of the periodic sum.
struct SolarGrid {
    SolarGridPoint Point;
    SeriesPolynomial Series;
};

SolarGrid SolarGridAt(int64_t day) {
    SolarGrid grid;
    grid.Point = GridPointAt<SolarAngles>(day);
    grid.Series = SeriesAbout(grid.Point);
    return grid;
}

// The equation of time of E days, at most half a day either way.
double ClampedEquation(long double e) {
    return static_cast<double>(
        TProtoDate::Sign(static_cast<double>(e)) *
        std::min(std::fabs(e), static_cast<long double>(TProtoDate::HoursToDays(12))));
}

// The equation of time about a grid point as a power series in the centuries u from it, in
// days: the same formula as the direct evaluation, y sin 2L - 2 e sin M + 4 e y sin M cos 2L
// - y^2 / 2 sin 4L - 5/4 e^2 sin 2M over 2 pi, with every quantity a series.
struct EquationSeries {
    long double Center = 0.0L;  // the grid day, in Julian centuries
    PowerSeries Days{};
};

EquationSeries EquationAbout(const GridPoint<3>& point) {
    EquationSeries series;
    const long double c0 = static_cast<long double>(point.Day) / DaysPerJulianCentury;
    series.Center = c0;
    using A = EquationAngles;
    const auto sinAndCos = [&](size_t angle, const PowerSeries& turn, PowerSeries& sine,
                               PowerSeries& cosine) {
        SinCosSeries(point.Sine[angle], point.Cosine[angle], turn, sine, cosine);
    };
    PowerSeries sin2Lambda, cos2Lambda, sinAnomaly, cosAnomaly, sinHalf, cosHalf;
    sinAndCos(A::TwoLambda, Scaled(TurnSeries(MeanLongitudeTerms, c0), 2), sin2Lambda, cos2Lambda);
    sinAndCos(A::Anomaly, TurnSeries(MeanAnomalyTerms, c0), sinAnomaly, cosAnomaly);
    sinAndCos(A::HalfObliquity, Scaled(TurnSeries(ObliquityTerms(), c0), 0.5L), sinHalf, cosHalf);
    const PowerSeries tanHalf = Quotient(sinHalf, cosHalf);
    const PowerSeries y = Product(tanHalf, tanHalf);
    const PowerSeries ecc = ShiftedSeries(EccentricityTerms, c0);
    const PowerSeries sin4Lambda = Scaled(Product(sin2Lambda, cos2Lambda), 2);
    const PowerSeries sin2Anomaly = Scaled(Product(sinAnomaly, cosAnomaly), 2);
    const PowerSeries eccSinAnomaly = Product(ecc, sinAnomaly);
    const PowerSeries parts[] = {
        Product(y, sin2Lambda),
        Scaled(eccSinAnomaly, -2),
        Scaled(Product(Product(eccSinAnomaly, y), cos2Lambda), 4),
        Scaled(Product(Product(y, y), sin4Lambda), -0.5L),
        Scaled(Product(Product(ecc, ecc), sin2Anomaly), -1.25L),
    };
    for (const PowerSeries& part : parts)
        for (size_t k = 0; k < PowerTerms; ++k)
            series.Days[k] += part[k];
    series.Days = Scaled(series.Days, InverseTwoPi);
    return series;
}

// The sun's apparent longitude, degrees in [0, 360), at C Julian centuries on the grid day
// of C's day.
double SolarLongitudeOnGrid(long double c, const SolarGrid& grid) {
    const SolarGridPoint& point = grid.Point;
    const long double sum = SeriesOnGrid(c, grid.Series);
    // Nutation and aberration enter as doubles, as their own functions give them.
    const auto nutation = static_cast<double>(
        -0.004778L * TurnedSine(point, SolarAngle::NutationFirst, NutationFirstAngle(c)) -
        0.0003667L * TurnedSine(point, SolarAngle::NutationSecond, NutationSecondAngle(c)));
    const auto aberration = static_cast<double>(
        0.0000974L * TurnedCosine(point, SolarAngle::Aberration, AberrationAngle(c)) - 0.005575L);
    // The last factor is 180 / pi * 1e-7.
    const long double lambda = MeanSolarLongitude(c) + 0.000005729577951308232L * sum;
    return static_cast<double>(TProtoDate::Mod360(lambda + aberration + nutation));
}

// Sine and cosine of a longitude in [0, 360) on the grid point of its moment: it lies within
// 6 degrees of the point's mean longitude (four days' motion, the equation of the centre,
// nutation and aberration), possibly on the other side of 0.
void LongitudeSinCos(double longitude, const SolarGridPoint& point, long double& sine,
                     long double& cosine) {
    const long double mean = point.Angle[SolarAngle::MeanLongitude];
    long double turn = longitude - mean;
    if (mean >= 180 && longitude < 180)
        turn = longitude + (360.0L - mean);
    else if (mean < 180 && longitude >= 180)
        turn = (longitude - 360.0L) - mean;
    if (std::fabs(turn) <= 8.0L)
        TurnedBy(point, SolarAngle::MeanLongitude, turn, sine, cosine);
    else
        TProtoDate::SinCosDeg(longitude, sine, cosine);
}

// The solar quantities at C Julian centuries (dynamical time) since J2000, so that one
// moment's quantities share one C.
double NutationAt(long double c) {
    return static_cast<double>(-0.004778L * TProtoDate::SinDeg(NutationFirstAngle(c)) -
                               0.0003667L * TProtoDate::SinDeg(NutationSecondAngle(c)));
}

double AberrationAt(long double c) {
    return static_cast<double>(0.0000974L * TProtoDate::CosDeg(AberrationAngle(c)) - 0.005575L);
}

// The days of one Gregorian year and its ephemeris correction: every moment of a year has
// the same correction, and the solar functions ask for it several times per moment.
struct YearCorrection {
    int32_t First = 1;  // fixed date of 1 January
    int32_t End = 1;    // fixed date of 1 January of the next year; empty while First == End
    double Days = 0.0;
};

// The sun's declination at U moment T as the depression formula needs it.
struct SunDeclination {
    long double Tan;
    long double Cos;
};

}  // namespace

// The values a SolarState keeps: the year last asked, the last few grid days (shared, so that
// one in use stays valid when a later day replaces it here), the declination at the last few
// moments and functions of the latitude and depression angles.
struct SolarState::Memory {
    YearCorrection Year;
    RecentValues<int64_t, std::shared_ptr<const SolarGrid>, 4> SolarGrids;
    RecentValues<int64_t, std::shared_ptr<const EquationSeries>, 4> EquationGrids;
    RecentValues<double, SunDeclination, 8> Declinations;
    RecentValues<uint64_t, long double, 8> Tangents, Sines, Cosines;
};

SolarState::SolarState() : memory_(std::make_unique<Memory>()) {}

SolarState::~SolarState() = default;

namespace {

using Memory = SolarState::Memory;

// The ephemeris correction of U moment T in days. Last holds the year asked last and is
// replaced by T's year.
double CorrectionDays(double T, YearCorrection& last) {
    // The whole day of T in double arithmetic first: the common case is a day of the year
    // asked last.
    const double day = std::floor(T);
    if (day >= last.First && day < last.End)
        return last.Days;
    const int32_t fixed = NarrowToInt32(TProtoDate::FloorInt(T), "EphemerisCorrection");
    // The proleptic Gregorian year of the calendar's own arithmetic: a universal-time moment of
    // an event on 1 January 1 or 31 December 9999 may fall in year 0 or 10000.
    const int32_t year = TGregorian::GregorianYearFromFixed(fixed);
    const long double c =
        static_cast<long double>(FixedFromGregorian(year, 7, 1) - FixedFromGregorian(1900, 1, 1)) /
        DaysPerJulianCentury;
    long double result;
    if (year >= 1988 && year <= 2019) {
        result = (year - 1933) / SecondsPerDay;
    } else if (year >= 1900 && year <= 1987) {
        result = Poly(c, Correction1900s);
    } else if (year >= 1800 && year <= 1899) {
        result = Poly(c, Correction1800s);
    } else if (year >= 1700 && year <= 1799) {
        result = Poly(year - 1700, Correction1700sSeconds) / SecondsPerDay;
    } else if (year >= 1620 && year <= 1699) {
        result = Poly(year - 1600, Correction1600sSeconds) / SecondsPerDay;
    } else {
        // Days from 1 January 1810 to noon of 1 January of the year; |x| < 2.2e9 for every
        // 32-bit fixed date.
        const long double x = static_cast<long double>(TProtoDate::HoursToDays(12)) +
                              (FixedFromGregorian(year, 1, 1) - FixedFromGregorian(1810, 1, 1));
        result = (x * x / 41048480.0L - 15.0L) / SecondsPerDay;
    }
    // Kept for the years of the calendar's dates, whose bounds have fixed dates.
    if (year >= 1 && year <= 9999)
        last = {FixedFromGregorian(year, 1, 1), FixedFromGregorian(year + 1, 1, 1),
                static_cast<double>(result)};
    return static_cast<double>(result);
}

// Julian centuries of dynamical time since J2000 at U moment T.
double CenturiesAt(double T, YearCorrection& year) {
    const auto dynamical =
        static_cast<double>(T + static_cast<long double>(CorrectionDays(T, year)));
    return static_cast<double>((static_cast<long double>(dynamical) - J2000()) /
                               DaysPerJulianCentury);
}

std::shared_ptr<const SolarGrid> SolarGridOf(int64_t day, Memory& memory) {
    if (const std::shared_ptr<const SolarGrid>* known = memory.SolarGrids.Find(day))
        return *known;
    return memory.SolarGrids.Put(day, std::make_shared<const SolarGrid>(SolarGridAt(day)));
}

std::shared_ptr<const EquationSeries> EquationSeriesOf(int64_t day, Memory& memory) {
    if (const std::shared_ptr<const EquationSeries>* known = memory.EquationGrids.Find(day))
        return *known;
    return memory.EquationGrids.Put(day, std::make_shared<const EquationSeries>(EquationAbout(
                                             GridPointAt<EquationOfTimeAngles>(day))));
}

double EquationOfTimeIn(double T, Memory& memory) {
    const long double c = CenturiesAt(T, memory.Year);
    const std::optional<int64_t> day = GridDay<EquationGridSpacing>(c);
    if (!day)
        return solar::EquationOfTimeDirect(T);
    const std::shared_ptr<const EquationSeries> series = EquationSeriesOf(*day, memory);
    return ClampedEquation(Poly(c - series->Center, series->Days));
}

double LocalFromApparentIn(double T, Memory& memory) {
    return static_cast<double>(static_cast<long double>(T) - EquationOfTimeIn(T, memory));
}

double SolarLongitudeIn(double T, Memory& memory) {
    const long double c = CenturiesAt(T, memory.Year);
    if (const std::optional<int64_t> day = GridDay<SolarGridSpacing>(c))
        return SolarLongitudeOnGrid(c, *SolarGridOf(*day, memory));
    const long double sum = solar::SolarLongitudeSeriesDirect(c);
    // The last factor is 180 / pi * 1e-7.
    const long double lambda = MeanSolarLongitude(c) + 0.000005729577951308232L * sum;
    return static_cast<double>(TProtoDate::Mod360(lambda + AberrationAt(c) + NutationAt(c)));
}

// F(X) for the last few X asked, kept in Recent: the latitude and the depression angles of the
// solar events (rise and set, dawn, dusk) stay the same over a run of days, beside one new
// angle a day for the afternoon prayer. Keys compare bit for bit (-0 is not 0).
template <long double (*F)(long double)>
long double Remembered(RecentValues<uint64_t, long double, 8>& recent, double x) {
    const auto key = std::bit_cast<uint64_t>(x);
    if (const long double* known = recent.Find(key))
        return *known;
    return recent.Put(key, F(x));
}

// The sun's declination at U moment T as the depression formula needs it. Sunrise and dawn
// try the same first moment of the day, and so do sunset, dusk and the afternoon prayer, so
// the last few moments are kept and not evaluated again.
SunDeclination DeclinationAt(double t, Memory& memory) {
    if (const SunDeclination* known = memory.Declinations.Find(t))
        return *known;
    using P = TProtoDate;
    SunDeclination value;
    const long double c = CenturiesAt(t, memory.Year);
    if (const std::optional<int64_t> day = GridDay<SolarGridSpacing>(c)) {
        // sin(declination) = sin(obliquity) sin(longitude); its cosine is positive.
        const std::shared_ptr<const SolarGrid> grid = SolarGridOf(*day, memory);
        const SolarGridPoint& point = grid->Point;
        long double sinLongitude;
        long double cosLongitude;
        LongitudeSinCos(SolarLongitudeOnGrid(c, *grid), point, sinLongitude, cosLongitude);
        const long double sine =
            TurnedSine(point, SolarAngle::Obliquity, ObliquityAt(c)) * sinLongitude;
        const long double cosine = std::sqrt(1.0L - sine * sine);
        value = {sine / cosine, cosine};
    } else {
        const long double declination =
            P::ArcSinDeg(P::SinDeg(P::Obliquity(t)) * P::SinDeg(P::SolarLongitude(t)));
        long double sine;
        long double cosine;
        P::SinCosDeg(declination, sine, cosine);
        value = {P::TanDeg(declination), cosine};
    }
    return memory.Declinations.Put(t, value);
}

// The L moment of depression Alpha near Approx, or nothing when the sun never reaches Alpha
// that day (|S| > 1, or S undefined for a NaN latitude or angle). Other failures (a moment
// before fixed date 1, ...) are raised.
std::optional<double> EvaluateDepression(double Approx, const TLocation& L, double Alpha,
                                         bool Early, Memory& memory) {
    using P = TProtoDate;
    const double t = P::UniversalFromLocal(Approx, L);
    const SunDeclination declination = DeclinationAt(t, memory);
    const long double s = Remembered<P::TanDeg>(memory.Tangents, L.Latitude) * declination.Tan +
                          Remembered<P::SinDeg>(memory.Sines, Alpha) /
                              (declination.Cos * Remembered<P::CosDeg>(memory.Cosines, L.Latitude));
    if (!(std::fabs(s) <= 1.0L))
        return std::nullopt;
    // The hour angle of the event as a day fraction in [-0.5, 0.5).
    const long double offset = P::RealMod(P::ArcSinDeg(s) / P::AsDegrees(360) + 0.5L, 1) - 0.5L;
    // The day of Approx: FloorInt's value, and its error for NaN and huge values, without its
    // slow conversion.
    const long double day = std::fabs(Approx) < 9.2e18
                                ? std::floor(Approx)
                                : static_cast<long double>(P::FloorInt(Approx));
    const long double m = day + (Early ? 0.25L - offset : 0.75L + offset);
    return LocalFromApparentIn(static_cast<double>(m), memory);
}

// S moment of true noon of Date at L.
double MiddayIn(int32_t Date, const TLocation& L, Memory& memory) {
    using P = TProtoDate;
    return P::StandardFromLocal(LocalFromApparentIn(Date + P::HoursToDays(12), memory), L);
}

double MomentOfDepressionIn(double Approx, const TLocation& L, double Alpha, bool Early,
                            Memory& memory) {
    if (const std::optional<double> moment = EvaluateDepression(Approx, L, Alpha, Early, memory))
        return *moment;
    throw EInvalidOp("Bogus time");
}

// 0.0 for every failure: the sun never reaching Alpha, or any error raised on the way (a
// moment before fixed date 1, a floating-point fault, ...).
double TryMomentOfDepressionIn(double Approx, const TLocation& L, double Alpha, bool Early,
                               Memory& memory) {
    try {
        return EvaluateDepression(Approx, L, Alpha, Early, memory).value_or(0.0);
    } catch (const std::exception&) {
        return 0.0;
    }
}

}  // namespace

// ---- Time scales ----

double TProtoDate::StandardFromUniversal(double T, const TLocation& L) {
    return static_cast<double>(T + static_cast<long double>(L.Zone) / 24.0L);
}

double TProtoDate::UniversalFromStandard(double T, const TLocation& L) {
    return static_cast<double>(T - static_cast<long double>(L.Zone) / 24.0L);
}

double TProtoDate::UniversalFromLocal(double T, const TLocation& L) {
    return static_cast<double>(T - static_cast<long double>(L.Longitude) / AsDegrees(360));
}

double TProtoDate::StandardFromLocal(double T, const TLocation& L) {
    return StandardFromUniversal(UniversalFromLocal(T, L), L);
}

double TProtoDate::LocalFromApparent(double T) {
    Memory memory;
    return LocalFromApparentIn(T, memory);
}

double TProtoDate::EphemerisCorrection(double T) {
    YearCorrection year;
    return CorrectionDays(T, year);
}

double TProtoDate::DynamicalFromUniversal(double T) {
    return static_cast<double>(T + static_cast<long double>(EphemerisCorrection(T)));
}

double TProtoDate::JulianCenturies(double T) {
    YearCorrection year;
    return CenturiesAt(T, year);
}

double TProtoDate::JulianCenturies(double T, SolarState& State) {
    return CenturiesAt(T, State.Remembered().Year);
}

// ---- Solar quantities ----

double TProtoDate::Obliquity(double T) {
    return ObliquityAt(JulianCenturies(T));
}

double TProtoDate::Obliquity(double T, SolarState& State) {
    return ObliquityAt(CenturiesAt(T, State.Remembered().Year));
}

double TProtoDate::EquationOfTime(double T) {
    Memory memory;
    return EquationOfTimeIn(T, memory);
}

double solar::EquationOfTimeDirect(double T) {
    using P = TProtoDate;
    const long double c = P::JulianCenturies(T);
    const std::array<long double, 3> angles = EquationOfTimeAngles(c);
    using A = EquationAngles;
    long double sin2Lambda;
    long double cos2Lambda;
    P::SinCosDeg(angles[A::TwoLambda], sin2Lambda, cos2Lambda);
    const long double sinAnomaly = P::SinDeg(angles[A::Anomaly]);
    const long double sin4Lambda = P::SinDeg(2 * angles[A::TwoLambda]);
    const long double sin2Anomaly = P::SinDeg(2 * angles[A::Anomaly]);
    const long double tanHalf = P::TanDeg(angles[A::HalfObliquity]);
    const long double ecc = Poly(c, EccentricityTerms);
    const long double y = tanHalf * tanHalf;
    return ClampedEquation(InverseTwoPi *
                           (y * sin2Lambda - 2 * ecc * sinAnomaly +
                            4 * ecc * y * sinAnomaly * cos2Lambda - 0.5L * y * y * sin4Lambda -
                            1.25L * ecc * ecc * sin2Anomaly));
}

double TProtoDate::Nutation(double T) {
    return NutationAt(JulianCenturies(T));
}

double TProtoDate::Nutation(double T, SolarState& State) {
    return NutationAt(JulianCenturies(T, State));
}

double TProtoDate::Aberration(double T) {
    return AberrationAt(JulianCenturies(T));
}

long double solar::SolarLongitudeSeriesDirect(long double C) {
    long double sum = 0.0L;
    for (const SolarTerm& term : SolarLongitudeTerms)
        sum += term.X * TProtoDate::SinDeg(term.Y + term.Z * C);
    return sum;
}

// The sum's polynomial about the nearest grid point.
long double solar::SolarLongitudeSeries(long double C) {
    const std::optional<int64_t> day = GridDay<SolarGridSpacing>(C);
    if (!day)
        return SolarLongitudeSeriesDirect(C);
    return SeriesOnGrid(C, SeriesAbout(GridPointAt<SolarAngles>(*day)));
}

double TProtoDate::SolarLongitude(double T) {
    Memory memory;
    return SolarLongitudeIn(T, memory);
}

double TProtoDate::SolarLongitude(double T, SolarState& State) {
    return SolarLongitudeIn(T, State.Remembered());
}

double TProtoDate::SiderealFromMoment(double T) {
    const long double c = (static_cast<long double>(T) - J2000()) / DaysPerJulianCentury;
    // The linear coefficient is 36525 * 360.98564736629 degrees per century.
    const long double sidereal =
        Poly(c, std::array{280.46061837L, 13185000.770053742L, 0.000387933L, 1.0L / 38710000.0L});
    return static_cast<double>(Mod360(sidereal));
}

// ---- Solar events ----

double TProtoDate::Midday(int32_t Date, const TLocation& L) {
    Memory memory;
    return MiddayIn(Date, L, memory);
}

double TProtoDate::Midday(int32_t Date, const TLocation& L, SolarState& State) {
    return MiddayIn(Date, L, State.Remembered());
}

double TProtoDate::MomentOfDepression(double Approx, const TLocation& L, double Alpha, bool Early) {
    Memory memory;
    return MomentOfDepressionIn(Approx, L, Alpha, Early, memory);
}

double TProtoDate::TryMomentOfDepression(double Approx, const TLocation& L, double Alpha,
                                         bool Early) {
    Memory memory;
    return TryMomentOfDepressionIn(Approx, L, Alpha, Early, memory);
}

double TProtoDate::Dawn(int32_t Date, const TLocation& L, double Alpha) {
    SolarState state;
    return Dawn(Date, L, Alpha, state);
}

double TProtoDate::Dawn(int32_t Date, const TLocation& L, double Alpha, SolarState& State) {
    Memory& memory = State.Remembered();
    double a = TryMomentOfDepressionIn(Date + 0.25, L, Alpha, true, memory);
    if (a == 0.0)
        a = TryMomentOfDepressionIn(Date, L, Alpha, true, memory);
    if (a == 0.0)
        a = TryMomentOfDepressionIn(Date + 0.45, L, Alpha, true, memory);
    if (a > 0.0)
        return StandardFromLocal(MomentOfDepressionIn(a, L, Alpha, true, memory), L);
    return 0.0;
}

double TProtoDate::Dusk(int32_t Date, const TLocation& L, double Alpha) {
    SolarState state;
    return Dusk(Date, L, Alpha, state);
}

double TProtoDate::Dusk(int32_t Date, const TLocation& L, double Alpha, SolarState& State) {
    Memory& memory = State.Remembered();
    double a = TryMomentOfDepressionIn(Date + 0.75, L, Alpha, false, memory);
    if (a == 0.0) {
        a = TryMomentOfDepressionIn(Date + 0.99, L, Alpha, false, memory);
        if (a == 0.0) {
            a = TryMomentOfDepressionIn(Date + 0.5, L, Alpha, false, memory);
        } else if (std::trunc(a) > Date) {
            // The late trial ran into the next day: try from the start of Date instead.
            a = TryMomentOfDepressionIn(Date, L, Alpha, false, memory);
        }
    }
    if (a > 0.0)
        return StandardFromLocal(MomentOfDepressionIn(a, L, Alpha, false, memory), L);
    return 0.0;
}

double TProtoDate::RiseSetDepression(double Elevation) {
    const long double h = std::max(Elevation, 0.0);
    const long double r = AsMeters(EarthRadiusMeters);
    const long double dip = ArcCosDeg(r / (r + h));
    return static_cast<double>(Angle(0, 50, 0) + dip);
}

double TProtoDate::Sunrise(int32_t Date, const TLocation& L) {
    return Dawn(Date, L, RiseSetDepression(L.Elevation));
}

double TProtoDate::Sunrise(int32_t Date, const TLocation& L, SolarState& State) {
    return Dawn(Date, L, RiseSetDepression(L.Elevation), State);
}

double TProtoDate::Sunset(int32_t Date, const TLocation& L) {
    return Dusk(Date, L, RiseSetDepression(L.Elevation));
}

double TProtoDate::Sunset(int32_t Date, const TLocation& L, SolarState& State) {
    return Dusk(Date, L, RiseSetDepression(L.Elevation), State);
}

}  // namespace orvandel
