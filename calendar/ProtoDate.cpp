// TProtoDate: class references, the abstract slots, floor arithmetic, degree trigonometry and
// name lookup. The time scales and the solar astronomy live in Solar.cpp.
#include "calendar/ProtoDate.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "calendar/Gregorian.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;
constexpr long double RadiansPerDegree = Pi / 180.0L;
constexpr long double DegreesPerRadian = 180.0L / Pi;

[[noreturn]] void Abstract(const TProtoDate& self, const char* slot) {
    throw EAbstractError(std::string(slot) + ": abstract in " + self.ClassType().Name);
}

std::string ToText(long double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", x);
    return text;
}

}  // namespace

bool TDateClass::InheritsFrom(const TDateClass& other) const {
    for (const TDateClass* k = this; k != nullptr; k = k->Parent)
        if (k == &other)
            return true;
    return false;
}

const TDateClass TProtoDate::Class = {"TProtoDate", nullptr, &TProtoDate::VisibleCrescent, nullptr};

// ---- Abstract slots ----

bool TProtoDate::FieldsEqual(const TProtoDate*) const {
    Abstract(*this, "FieldsEqual");
}
void TProtoDate::SetFixed(int32_t) {
    Abstract(*this, "SetFixed");
}
void TProtoDate::SetFields(std::span<const int32_t>) {
    Abstract(*this, "SetFields");
}
int32_t TProtoDate::GetFixed() const {
    Abstract(*this, "GetFixed");
}
std::string TProtoDate::ToString() const {
    Abstract(*this, "ToString");
}
std::string TProtoDate::ToLongString() const {
    Abstract(*this, "ToLongString");
}

bool TProtoDate::Equals(const TProtoDate* Other) const {
    if (Other == nullptr || !Other->ClassType().InheritsFrom(TProtoDate::Class))
        return false;
    return FieldsEqual(Other);
}

// ---- Floor arithmetic ----

int64_t TProtoDate::FloorInt(long double X) {
    // Beyond +-2^63 (and for NaN) there is no 64-bit integer part; converting would be
    // undefined behaviour, so it is an invalid operation.
    constexpr long double Limit = 9223372036854775808.0L;  // 2^63
    if (!(X >= -Limit && X < Limit))
        throw EInvalidOp("FloorInt: " + ToText(X) + " has no 64-bit integer part");
    const int64_t toward0 = static_cast<int64_t>(X);
    return X < static_cast<long double>(toward0) ? toward0 - 1 : toward0;
}

int32_t TProtoDate::Quotient(long double X, long double Y) {
    static constexpr std::string_view Op = "Quotient";
    return NarrowToInt32(FloorInt(X / Y), Op);
}

namespace {

// Floor of X / Y; Y must not be 0, and not -1 with X = Int64Min. Operands that fit 32 bits
// use the 32-bit divide, several times faster than the 64-bit one on common processors.
int64_t FloorDivide(int64_t x, int64_t y) {
    int64_t q;
    if (x >= INT32_MIN && x <= INT32_MAX && y >= INT32_MIN && y <= INT32_MAX && y != -1)
        q = static_cast<int32_t>(x) / static_cast<int32_t>(y);
    else
        q = x / y;
    const int64_t r = x - q * y;  // (-|y|, |y|), sign of x
    return (r != 0 && (r < 0) != (y < 0)) ? q - 1 : q;
}

}  // namespace

int32_t TProtoDate::IntQuotient(int64_t X, int64_t Y) {
    static constexpr std::string_view Op = "Quotient";
    if (Y == 0)
        throw EInvalidOp("Quotient: " + std::to_string(X) + " divided by zero");
    if (Y == -1)  // the only divisor whose quotient can leave 64 bits
        return NarrowToInt32(CheckedSub<int64_t>(0, X, Op), Op);
    return NarrowToInt32(FloorDivide(X, Y), Op);
}

int32_t TProtoDate::Modulo(int32_t X, int32_t Y) {
    if (Y == 0)
        throw EInvalidOp("Modulo: " + std::to_string(X) + " divided by zero");
    // Floor division of the 64-bit operands: for 32-bit X and Y it gives the same quotient as
    // the floor of the extended-precision X / Y (whose rounding error, below 2^-33, cannot
    // cross an integer), including Int32Min / -1, and it is cheap on the calendar's hot path.
    const int64_t x = X;
    const int64_t y = Y;
    return static_cast<int32_t>(x - y * FloorDivide(x, y));  // (-|Y|, |Y|), sign of Y
}

long double TProtoDate::RealMod(long double X, long double Y) {
    const long double quotient = X / Y;
    // The common quotients in [0, 2) take the same arithmetic without FloorInt's conversion.
    if (quotient >= 0 && quotient < 2)
        return X - Y * static_cast<long double>(quotient >= 1);
    return X - Y * static_cast<long double>(FloorInt(quotient));
}

int32_t TProtoDate::AdjustedMod(int32_t X, int32_t Y) {
    static constexpr std::string_view Op = "AdjustedMod";
    const int32_t negY = CheckedSub<int32_t>(0, Y, Op);
    return CheckedAdd<int32_t>(Y, Modulo(X, negY), Op);
}

int32_t TProtoDate::Difference(int32_t Date1, int32_t Date2) {
    return CheckedSub<int32_t>(Date2, Date1, "Difference");
}

int TProtoDate::Sign(double X) {
    if (X < 0)
        return -1;
    if (X > 0)
        return 1;
    return 0;
}

// ---- Units and angles ----

double TProtoDate::Angle(double D, double M, double S) {
    return static_cast<double>((static_cast<long double>(S) / 60.0L + M) / 60.0L + D);
}

long double TProtoDate::Mod360(long double X) {
    return RealMod(X, 360.0L);
}

namespace {

// trunc(X) as an int for |X| < 5, by comparisons.
int TruncateSmall(long double x) {
    if (x >= 0)
        return (x >= 1) + (x >= 2) + (x >= 3) + (x >= 4);
    return -((x <= -1) + (x <= -2) + (x <= -3) + (x <= -4));
}

// X reduced to (-360, 360) with the sign of X, the value fmod(X, 360) gives, without the
// library call. For |X| < 2^52 the whole turns are counted in double (whose conversion to an
// integer needs no change of the x87 rounding mode, unlike the extended one), at most one
// off; X - 360 q is exact (both terms are multiples of X's last place and the difference is
// smaller than X), and one step of 360 gives fmod's exact result.
long double ReduceTurns(long double x) {
    constexpr long double Limit = 4503599627370496.0L;  // 2^52
    if (!(std::fabs(x) < Limit))
        return std::fmod(x, 360.0L);  // large, infinite or NaN
    const auto turns = static_cast<int64_t>(static_cast<double>(x * (1.0L / 360.0L)));
    long double r = x - 360.0L * static_cast<long double>(turns);
    if (x >= 0) {
        if (r < 0)
            r += 360.0L;
        else if (r >= 360.0L)
            r -= 360.0L;
    } else {
        if (r > 0)
            r -= 360.0L;
        else if (r <= -360.0L)
            r += 360.0L;
    }
    return r == 0 ? std::copysign(0.0L, x) : r;
}

// The angle of X degrees as a quarter turn (0..3) plus a remainder in radians within
// +-pi/4. The angle is reduced in degrees (exactly) and only the remainder is turned into
// radians: the solar series passes angles of 10^6 degrees and more, and the library's
// reduction of large radian arguments is several times slower and no more accurate.
struct QuarterTurn {
    int Quarter;
    long double Radians;
};

QuarterTurn SplitQuarter(long double x) {
    const long double turn = ReduceTurns(x);  // (-360, 360), exact
    // Nearest quarter turn, [-4, 4]; rounding half away from zero is as good as any here.
    const int quarter = TruncateSmall(turn / 90.0L + (turn < 0 ? -0.5L : 0.5L));
    return {quarter & 3, (turn - 90.0L * quarter) * RadiansPerDegree};  // [-pi/4, pi/4]
}

// Sine and cosine of the angle q quarter turns plus t radians, from those of t.
void RotateByQuarters(int q, long double sinT, long double cosT, long double& sine,
                      long double& cosine) {
    switch (q) {
        case 0:
            sine = sinT;
            cosine = cosT;
            return;
        case 1:
            sine = cosT;
            cosine = -sinT;
            return;
        case 2:
            sine = -sinT;
            cosine = -cosT;
            return;
        default:
            sine = -cosT;
            cosine = sinT;
            return;
    }
}

// Sine (Cosine = false) or cosine of X degrees.
long double SinOrCosDeg(long double x, bool cosine) {
    if (std::isnan(x) || std::isinf(x))
        return std::numeric_limits<long double>::quiet_NaN();
    const QuarterTurn a = SplitQuarter(x);
    const int octant = (a.Quarter + (cosine ? 1 : 0)) & 3;  // 0..3
    switch (octant) {
        case 0:
            return std::sin(a.Radians);
        case 1:
            return std::cos(a.Radians);
        case 2:
            return -std::sin(a.Radians);
        default:
            return -std::cos(a.Radians);
    }
}

}  // namespace

long double TProtoDate::SinDeg(long double X) {
    return SinOrCosDeg(X, false);
}
long double TProtoDate::CosDeg(long double X) {
    return SinOrCosDeg(X, true);
}
void TProtoDate::SinCosDeg(long double X, long double& Sine, long double& Cosine) {
    if (std::isnan(X) || std::isinf(X)) {
        Sine = Cosine = std::numeric_limits<long double>::quiet_NaN();
        return;
    }
    const QuarterTurn a = SplitQuarter(X);
    long double sinT;
    long double cosT;
    ::sincosl(a.Radians, &sinT, &cosT);  // the same kernels as sinl and cosl
    RotateByQuarters(a.Quarter, sinT, cosT, Sine, Cosine);
}
long double TProtoDate::TanDeg(long double X) {
    return std::tan(ReduceTurns(X) * RadiansPerDegree);
}

long double TProtoDate::ArcSinDeg(long double X) {
    if (!(std::fabs(X) <= 1.0L))
        throw EInvalidOp("ArcSinDeg: " + ToText(X) + " outside -1..1");
    return std::asin(X) * DegreesPerRadian;
}

long double TProtoDate::ArcCosDeg(long double X) {
    if (!(std::fabs(X) <= 1.0L))
        throw EInvalidOp("ArcCosDeg: " + ToText(X) + " outside -1..1");
    return std::acos(X) * DegreesPerRadian;
}

long double TProtoDate::ArcTanDeg(long double X, int Quadrant) {
    const long double a = std::atan(X) * DegreesPerRadian;  // (-90, 90)
    if (Quadrant == 1 || Quadrant == 4)
        return RealMod(a, 360.0L);
    return RealMod(a + 180.0L, 360.0L);
}

// ---- Names ----

std::string TProtoDate::NameFromNumber(int32_t N, std::span<const std::string_view> Names) {
    if (Names.empty())
        throw ERangeError("NameFromNumber: empty name table");
    const int32_t count = NarrowToInt32(static_cast<int64_t>(Names.size()), "NameFromNumber");
    const int32_t index = AdjustedMod(N, count) - 1;  // [0, count - 1]
    return std::string(Names[static_cast<size_t>(index)]);
}

std::string TProtoDate::DayName(int32_t N, std::span<const std::string_view> Names) {
    return NameFromNumber(CheckedAdd<int32_t>(N, 1, "DayName"), Names);
}

std::string TProtoDate::MonthName(int32_t N, std::span<const std::string_view> Names) {
    return NameFromNumber(N, Names);
}

// ---- Epoch ----

double J2000() {
    static const double value = FixedFromGregorian(2000, 1, 1) + TProtoDate::HoursToDays(12);
    return value;
}

}  // namespace orvandel
