// Floor arithmetic, degree trigonometry, name lookup and the class references of the date
// classes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/Gregorian.h"
#include "calendar/Julian.h"
#include "calendar/ProtoDate.h"
#include "platform/Errors.h"

using namespace orvandel;
using P = TProtoDate;

namespace {
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();
}  // namespace

TEST(FloorArithmetic, RoundsTowardMinusInfinity) {
    struct Case {
        const char* name;
        long double x;
        int64_t expected;
    };
    const Case cases[] = {
        {"positive fraction", 2.7L, 2},
        {"just below an integer", 2.999L, 2},
        {"negative fraction", -0.5L, -1},
        {"negative integer stays", -1.0L, -1},
        {"just below zero", -1e-300L, -1},
        {"largest 64-bit value", 9223372036854775807.0L, std::numeric_limits<int64_t>::max()},
        {"smallest 64-bit value", -9223372036854775808.0L, std::numeric_limits<int64_t>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(P::FloorInt(c.x), c.expected);
    }
}

TEST(FloorArithmetic, FloorIntWithoutAnIntegerPartIsInvalid) {
    EXPECT_THROW(P::FloorInt(9223372036854775808.0L), EInvalidOp);
    EXPECT_THROW(P::FloorInt(-1e30L), EInvalidOp);
    EXPECT_THROW(P::FloorInt(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
    EXPECT_THROW(P::FloorInt(std::numeric_limits<long double>::infinity()), EInvalidOp);
}

TEST(FloorArithmetic, QuotientModuloAndAdjustedMod) {
    struct Case {
        const char* name;
        int32_t x, y;
        int32_t quotient, modulo, adjusted;
    };
    const Case cases[] = {
        {"negative dividend", -1, 4, -1, 3, 3},
        {"negative divisor takes its sign", 7, -3, -3, -2, -2},
        {"days before a 400-year cycle", -365, 146097, -1, 145732, 145732},
        {"last day of a 400-year cycle", 146096, 146097, 0, 146096, 146096},
        {"zero gives the divisor", 0, 7, 0, 0, 7},
        {"multiple gives the divisor", 7, 7, 1, 0, 7},
        {"one past a multiple", 8, 7, 1, 1, 1},
        {"month 13 is month 1", 13, 12, 1, 1, 1},
        {"month 0 is month 12", 0, 12, 0, 0, 12},
        {"smallest 32-bit value", Int32Min, 7, -306783379, 5, 5},
        {"largest 32-bit value", Int32Max, 146097, 14699, 3844, 3844},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(P::Quotient(c.x, c.y), c.quotient);
        EXPECT_EQ(P::IntQuotient(c.x, c.y), c.quotient);
        EXPECT_EQ(P::Modulo(c.x, c.y), c.modulo);
        if (c.y > 0) {
            EXPECT_EQ(P::AdjustedMod(c.x, c.y), c.adjusted);
        }
    }
}

TEST(FloorArithmetic, ResultsBeyond32BitsRaise) {
    EXPECT_THROW(P::Quotient(4294967296.0L, 1), ERangeError);
    EXPECT_THROW(P::Quotient(Int32Min, -1), ERangeError);
    EXPECT_THROW(P::IntQuotient(Int32Min, -1), ERangeError);
    EXPECT_THROW(P::IntQuotient(std::numeric_limits<int64_t>::min(), -1), EIntOverflow);
    EXPECT_EQ(P::IntQuotient(-4294967296, 2), Int32Min);
    // Int32Min mod -1 is 0, but Int32Min / -1 has no 32-bit quotient: the 64-bit steps keep
    // it exact.
    EXPECT_EQ(P::Modulo(Int32Min, -1), 0);
    EXPECT_THROW(P::AdjustedMod(5, Int32Min), EIntOverflow);
    EXPECT_EQ(P::Difference(10, 3), -7);
    EXPECT_THROW(P::Difference(-1, Int32Max), EIntOverflow);
    EXPECT_THROW(P::Difference(1, Int32Min), EIntOverflow);
}

TEST(FloorArithmetic, DivisionByZeroRaisesInsteadOfWrapping) {
    EXPECT_THROW(P::Quotient(1, 0), EInvalidOp);
    EXPECT_THROW(P::IntQuotient(1, 0), EInvalidOp);
    EXPECT_THROW(P::Modulo(1, 0), EInvalidOp);
    EXPECT_THROW(P::RealMod(1, 0), EInvalidOp);
}

TEST(Angles, RealModAndMod360) {
    EXPECT_DOUBLE_EQ(static_cast<double>(P::RealMod(-90, 360)), 270.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(P::Mod360(725)), 5.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(P::Mod360(-0.5)), 359.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(P::Mod360(360)), 0.0);
}

TEST(Angles, AngleFromParts) {
    struct Case {
        const char* name;
        double d, m, s, expected;
    };
    const Case cases[] = {
        {"degrees and minutes", 34, 4, 0, 34.0 + 4.0 / 60},
        {"minutes only", 0, 50, 0, 50.0 / 60},
        {"mean obliquity at J2000", 23, 26, 21.448, 23.439291111111111},
        {"small negative angle in the seconds", 0, 0, -46.815, -46.815 / 3600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(P::Angle(c.d, c.m, c.s), c.expected, 1e-14);
    }
}

TEST(Angles, ArcTangentQuadrants) {
    struct Case {
        const char* name;
        double x;
        int quadrant;
        double expected;
    };
    const Case cases[] = {
        {"first quadrant", 1, 1, 45},    {"third quadrant", 1, 3, 225},
        {"fourth quadrant", -1, 4, 315}, {"second quadrant", -1, 2, 135},
        {"zero, first", 0, 1, 0},        {"zero, second", 0, 2, 180},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(static_cast<double>(P::ArcTanDeg(c.x, c.quadrant)), c.expected, 1e-12);
    }
}

TEST(Angles, SineAndCosineInEveryQuadrantAndForLargeAngles) {
    struct Case {
        const char* name;
        long double degrees;
        double sine, cosine;
    };
    const double h = std::sqrt(0.5);
    const double s60 = std::sqrt(3.0) / 2;
    const Case cases[] = {
        {"zero", 0, 0, 1},
        {"30 degrees", 30, 0.5, s60},
        {"right angle", 90, 1, 0},
        {"second quadrant", 135, h, -h},
        {"straight angle", 180, 0, -1},
        {"third quadrant", 225, -h, -h},
        {"three quarters", 270, -1, 0},
        {"fourth quadrant", 300, -s60, 0.5},
        {"negative, fourth quadrant", -45, -h, h},
        {"negative, past a turn", -390, -0.5, s60},
        {"2777 turns and 330 degrees", 1000050, -0.5, s60},
        {"negative, thousands of turns", -1000050, 0.5, s60},
        {"2^53 degrees, 32 past a turn", 9007199254740992.0L, 0.5299192642332049,
         0.848048096156426},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(static_cast<double>(P::SinDeg(c.degrees)), c.sine, 1e-15);
        EXPECT_NEAR(static_cast<double>(P::CosDeg(c.degrees)), c.cosine, 1e-15);
        long double sine = 0;
        long double cosine = 0;
        P::SinCosDeg(c.degrees, sine, cosine);
        EXPECT_EQ(sine, P::SinDeg(c.degrees));
        EXPECT_EQ(cosine, P::CosDeg(c.degrees));
    }
    EXPECT_TRUE(std::isnan(P::SinDeg(std::numeric_limits<long double>::infinity())));
    EXPECT_TRUE(std::isnan(P::CosDeg(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(Angles, TangentAndInverses) {
    EXPECT_NEAR(static_cast<double>(P::TanDeg(45)), 1.0, 1e-17);
    EXPECT_NEAR(static_cast<double>(P::TanDeg(-765)), -1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(P::ArcSinDeg(0.5)), 30.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(P::ArcCosDeg(-1)), 180.0, 1e-15);
    EXPECT_THROW(P::ArcSinDeg(1.0000001L), EInvalidOp);
    EXPECT_THROW(P::ArcCosDeg(-1.5L), EInvalidOp);
    EXPECT_THROW(P::ArcSinDeg(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
}

TEST(Names, DayAndMonthNamesWrapAround) {
    struct Case {
        const char* name;
        bool day;
        int32_t n;
        const char* expected;
    };
    const Case cases[] = {
        {"fixed date 1", true, 1, "Monday"},
        {"1 January 2000", true, 730120, "Saturday"},
        {"weekday 0", true, 0, "Sunday"},
        {"negative fixed date", true, -1, "Saturday"},
        {"largest fixed date with a successor", true, Int32Max - 1, "Sunday"},
        {"December", false, 12, "December"},
        {"month 13", false, 13, "January"},
        {"month 0", false, 0, "December"},
        {"month -11", false, -11, "January"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.day ? P::DayName(c.n, DayNames) : P::MonthName(c.n, MonthNames), c.expected);
    }
    EXPECT_THROW(P::DayName(Int32Max, DayNames), EIntOverflow);
    EXPECT_THROW(P::NameFromNumber(1, std::span<const std::string_view>()), ERangeError);
}

TEST(DateClasses, ClassReferencesFormTheTree) {
    EXPECT_TRUE(TGregorian::Class.InheritsFrom(TProtoDate::Class));
    EXPECT_TRUE(TJulian::Class.InheritsFrom(TStandardDate::Class));
    EXPECT_TRUE(TStandardDate::Class.InheritsFrom(TDate::Class));
    EXPECT_TRUE(TGregorian::Class.InheritsFrom(TGregorian::Class));
    EXPECT_FALSE(TGregorian::Class.InheritsFrom(TJulian::Class));
    EXPECT_FALSE(TStandardDate::Class.InheritsFrom(TGregorian::Class));
    EXPECT_EQ(TProtoDate::Class.VisibilityLocation, nullptr);
    bool (*const libraryCriterion)(int32_t, const TLocation&, SolarState&) =
        &TProtoDate::VisibleCrescent;
    EXPECT_EQ(TGregorian::Class.VisibleCrescent, libraryCriterion);

    const TJulian julian;
    const TProtoDate& asRoot = julian;
    EXPECT_EQ(&asRoot.ClassType(), &TJulian::Class);
    EXPECT_STREQ(asRoot.ClassType().Name, "TJulian");
}

TEST(DateClasses, AbstractSlotsRaise) {
    TDate date;
    const int32_t values[] = {2000, 1, 1};
    EXPECT_THROW(date.SetFixed(1), EAbstractError);
    EXPECT_THROW(date.SetFields(values), EAbstractError);
    EXPECT_THROW(date.GetFixed(), EAbstractError);
    EXPECT_THROW(date.ToString(), EAbstractError);
    EXPECT_THROW(date.ToLongString(), EAbstractError);
    EXPECT_THROW(date.FieldsEqual(&date), EAbstractError);
    EXPECT_FALSE(date.Equals(nullptr));
}
