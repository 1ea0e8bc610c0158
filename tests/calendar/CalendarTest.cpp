// The Gregorian and Julian calendars, the platform-calendar date, their text forms, equality
// and the errors they raise.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>

#include "calendar/Gregorian.h"
#include "calendar/Julian.h"
#include "platform/Errors.h"

using namespace orvandel;

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();

struct Ymd {
    int32_t y, m, d;
    bool operator==(const Ymd&) const = default;
};

Ymd FieldsOf(const TStandardDate& date) {
    return {date.Year, date.Month, date.Day};
}

template <typename Date>
Date Make(int32_t y, int32_t m, int32_t d) {
    Date date;
    const int32_t values[] = {y, m, d};
    date.SetFields(values);
    return date;
}

}  // namespace

TEST(Gregorian, FixedFromGregorianKnownDates) {
    struct Case {
        const char* name;
        int32_t y;
        uint16_t m, d;
        int32_t fixed;
    };
    const Case cases[] = {
        {"epoch", 1, 1, 1, 1},
        {"1 January 2000", 2000, 1, 1, 730120},
        {"12 November 1945", 1945, 11, 12, 710347},
        {"leap day 2000", 2000, 2, 29, 730179},
        {"after a leap February", 2000, 3, 1, 730180},
        {"1900-03-01 after a common February", 1900, 3, 1, 693655},
        {"year 0 is leap", 0, 12, 30, -1},
        {"start of year 0", 0, 1, 1, -365},
        {"month 13 runs into the next year", 1999, 13, 1, 730120},
        {"day 0 is the last of the month before", 2000, 3, 0, 730179},
        {"month 0 is December before", 2000, 0, 1, 730089},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FixedFromGregorian(c.y, c.m, c.d), c.fixed);
    }
}

TEST(Gregorian, SetFixedAndYearFromFixed) {
    struct Case {
        const char* name;
        int32_t fixed;
        Ymd fields;
    };
    const Case cases[] = {
        {"day 0", 0, {0, 12, 31}},
        {"day -1", -1, {0, 12, 30}},
        {"last day of year -1", -366, {-1, 12, 31}},
        {"first day of the reform", 577736, {1582, 10, 15}},
        {"end of a 400-year cycle", 146097, {400, 12, 31}},
        {"end of a 4-year cycle", 1461, {4, 12, 31}},
        {"last day of 1999", 730119, {1999, 12, 31}},
        {"leap day 2024", 738945, {2024, 2, 29}},
        {"largest fixed date", Int32Max, {5879611, 7, 11}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TGregorian date;
        date.SetFixed(c.fixed);
        EXPECT_EQ(FieldsOf(date), c.fields);
        EXPECT_EQ(date.GetFixed(), c.fixed);
        EXPECT_EQ(TGregorian::GregorianYearFromFixed(c.fixed), c.fields.y);
    }
}

TEST(Gregorian, LeapYears) {
    struct Case {
        int32_t year;
        bool leap;
    };
    const Case cases[] = {{2000, true}, {1900, false}, {2024, true},  {2023, false},
                          {0, true},    {-4, true},    {-100, false}, {-400, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(TGregorian::GregorianLeapYear(c.year), c.leap);
    }
}

TEST(Julian, FixedFromJulianAndSetFixed) {
    EXPECT_EQ(JulianEpoch(), -1);
    struct Case {
        const char* name;
        int32_t fixed;
        Ymd fields;
    };
    const Case cases[] = {
        {"Gregorian epoch", 1, {1, 1, 3}},
        {"day 0", 0, {1, 1, 2}},
        {"Julian epoch", -1, {1, 1, 1}},
        {"1 B.C.E. precedes 1 C.E.", -367, {-1, 1, 1}},
        {"early in 1 B.C.E.", -365, {-1, 1, 3}},
        {"eve of the reform", 577735, {1582, 10, 4}},
        {"12 November 1945 (Gregorian)", 710347, {1945, 10, 30}},
        {"leap day of a year the Gregorian rule skips", 693667, {1900, 2, 29}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TJulian date;
        date.SetFixed(c.fixed);
        EXPECT_EQ(FieldsOf(date), c.fields);
        EXPECT_EQ(FixedFromJulian(c.fields.y, c.fields.m, c.fields.d), c.fixed);
    }
}

TEST(Julian, LeapYears) {
    struct Case {
        int32_t year;
        bool leap;
    };
    const Case cases[] = {{4, true},   {1900, true}, {-1, true}, {-5, true},
                          {-4, false}, {0, false},   {3, false}, {-2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(TJulian::JulianLeapYear(c.year), c.leap);
    }
}

TEST(TextForms, LongStrings) {
    struct Case {
        const char* name;
        std::string text;
        const char* expected;
    };
    TGregorian g2000, g1, gNeg;
    g2000.SetFixed(730120);
    g1.SetFixed(1);
    gNeg.SetFixed(-366);
    TJulian j1;
    j1.SetFixed(1);
    const Case cases[] = {
        {"Gregorian 2000", g2000.ToLongString(), "Saturday, 1 January 2000"},
        {"Gregorian epoch", g1.ToLongString(), "Monday, 1 January 1"},
        {"Gregorian year -1", gNeg.ToLongString(), "Friday, 31 December -1"},
        {"Julian C.E.", j1.ToLongString(), "3 January 1 C.E."},
        {"Julian B.C.E.", Make<TJulian>(-44, 3, 15).ToLongString(), "15 March 44 B.C.E."},
        {"Julian year at the 32-bit limit", Make<TJulian>(Int32Min, 1, 1).ToLongString(),
         "1 January 2147483648 B.C.E."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.text, c.expected);
    }
    // The plain date and the Julian date both show their fields in the locale's short format.
    const auto plain = Make<TStandardDate>(2000, 1, 1);
    EXPECT_EQ(plain.ToLongString(), plain.ToString());
    EXPECT_EQ(Make<TJulian>(2000, 1, 1).ToString(), plain.ToString());
    EXPECT_THROW(Make<TJulian>(1900, 2, 29).ToString(), EConvertError);
}

TEST(Equality, ClassTestThenFields) {
    const auto greg = Make<TGregorian>(2000, 1, 1);
    const auto greg2 = Make<TGregorian>(2000, 1, 1);
    const auto gregOther = Make<TGregorian>(2000, 1, 2);
    const auto jul = Make<TJulian>(2000, 1, 1);
    const auto plain = Make<TStandardDate>(2000, 1, 1);
    struct Case {
        const char* name;
        const TProtoDate& receiver;
        const TProtoDate* other;
        bool expected;
    };
    const Case cases[] = {
        {"nil argument", greg, nullptr, false},
        {"same calendar, same fields", greg, &greg2, true},
        {"same calendar, other day", greg, &gregOther, false},
        {"Gregorian receiver, Julian argument", greg, &jul, false},
        {"Julian receiver, Gregorian argument", jul, &greg, false},
        {"plain receiver accepts a Gregorian", plain, &greg, true},
        {"Gregorian receiver refuses a plain date", greg, &plain, false},
        {"plain receiver, nil argument", plain, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.receiver.Equals(c.other), c.expected);
    }
}

TEST(StandardDate, ConvertsThroughThePlatformCalendar) {
    TStandardDate date;
    date.SetFixed(730120);
    EXPECT_EQ(FieldsOf(date), (Ymd{2000, 1, 1}));
    EXPECT_EQ(date.GetFixed(), 730120);
    date.SetFixed(1);
    EXPECT_EQ(FieldsOf(date), (Ymd{1, 1, 1}));
    EXPECT_EQ(YearFromFixed(1), 1);
    EXPECT_EQ(YearFromFixed(3652059), 9999);  // 31 December 9999
    EXPECT_EQ(YearOfDateTime(-0.5), 1899);    // 29 December 1899, 12:00

    EXPECT_THROW(date.SetFixed(0), EConvertError);
    EXPECT_THROW(YearFromFixed(0), EConvertError);
    EXPECT_THROW(YearFromFixed(3652060), EConvertError);
    EXPECT_THROW(Make<TStandardDate>(10000, 1, 1).GetFixed(), EConvertError);
    EXPECT_THROW(Make<TStandardDate>(2023, 2, 29).AsDateTime(), EConvertError);
}

TEST(StandardDate, FieldsOutside16BitsAreRangeErrors) {
    EXPECT_THROW(Make<TStandardDate>(70000, 1, 1).AsDateTime(), ERangeError);
    EXPECT_THROW(Make<TStandardDate>(2000, 1, -1).AsDateTime(), ERangeError);
    // SetDateTime checks the fields it is about to replace.
    auto date = Make<TStandardDate>(2000, 70000, 1);
    EXPECT_THROW(date.SetFixed(730120), ERangeError);
    EXPECT_EQ(FieldsOf(date), (Ymd{2000, 70000, 1}));
}

TEST(StandardDate, SetFieldsStoresUpToTheMissingElement) {
    auto date = Make<TGregorian>(1, 2, 3);
    const int32_t two[] = {2024, 6};
    EXPECT_THROW(date.SetFields(two), ERangeError);
    EXPECT_EQ(FieldsOf(date), (Ymd{2024, 6, 3}));
    const int32_t four[] = {2024, 6, 21, 99};
    date.SetFields(four);
    EXPECT_EQ(FieldsOf(date), (Ymd{2024, 6, 21}));
}

TEST(Overflow, MonthsAndDaysMustFit16Bits) {
    try {
        Make<TGregorian>(2000, 70000, 1).GetFixed();
        ADD_FAILURE() << "no error";
    } catch (const ERangeError& e) {
        EXPECT_STREQ(e.what(), "FixedFromGregorian: month 70000 outside 0..65535");
    }
    EXPECT_THROW(Make<TGregorian>(2000, 1, 65536).GetFixed(), ERangeError);
    EXPECT_THROW(Make<TJulian>(2000, -1, 1).GetFixed(), ERangeError);
    EXPECT_EQ(Make<TGregorian>(2000, 1, 65535).GetFixed(), 730120 + 65534);
}

TEST(Overflow, YearsBeyondThe32BitDayRangeRaise) {
    EXPECT_THROW(FixedFromGregorian(6000000, 1, 1), EIntOverflow);
    EXPECT_THROW(FixedFromGregorian(-6000000, 1, 1), EIntOverflow);
    EXPECT_THROW(FixedFromGregorian(Int32Min, 1, 1), EIntOverflow);
    EXPECT_THROW(FixedFromJulian(6000000, 1, 1), EIntOverflow);
    EXPECT_THROW(FixedFromJulian(Int32Min, 1, 1), EIntOverflow);
    EXPECT_THROW(FixedFromGregorian(5879611, 7, 12), EIntOverflow);  // one past the last day

    TGregorian g;
    EXPECT_THROW(g.SetFixed(Int32Min), EIntOverflow);
    TJulian j;
    EXPECT_THROW(j.SetFixed(600000000), EIntOverflow);  // 4 * (Fixed - epoch) leaves 32 bits
    EXPECT_THROW(j.SetFixed(-600000000), EIntOverflow);
    j.SetFixed(500000000);
    EXPECT_EQ(j.GetFixed(), 500000000);
}

// Every day from -1,000,000 to 4,000,000 (years -2737 to 10952): both calendars convert back
// to the same fixed date, the Gregorian fields agree with std::chrono, the Julian fields step
// to the next day of an independently written Julian calendar, and the weekday number
// (0 = Sunday) steps by one in step with std::chrono.
TEST(CalendarSweep, EveryDayRoundTripsAndStepsByOneDay) {
    using namespace std::chrono;
    constexpr int32_t First = -1000000;
    constexpr int32_t Last = 4000000;
    constexpr int32_t UnixEpochFixed = 719163;  // 1 January 1970

    auto julianLeap = [](int32_t year) {
        const int32_t astronomical = year < 0 ? year + 1 : year;
        return astronomical % 4 == 0;
    };
    auto julianNext = [&](Ymd d) {
        static constexpr int32_t Length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const int32_t length = Length[d.m - 1] + (d.m == 2 && julianLeap(d.y) ? 1 : 0);
        if (d.d < length)
            return Ymd{d.y, d.m, d.d + 1};
        if (d.m < 12)
            return Ymd{d.y, d.m + 1, 1};
        return Ymd{d.y == -1 ? 1 : d.y + 1, 1, 1};
    };

    TGregorian g;
    TJulian j;
    j.SetFixed(First - 1);
    Ymd julian = FieldsOf(j);
    unsigned weekday =
        std::chrono::weekday{sys_days{days{First - 1 - UnixEpochFixed}}}.c_encoding();

    int64_t failures = 0;
    std::string first;
    auto fail = [&](int32_t fixed, const char* what) {
        if (failures++ == 0)
            first = std::string(what) + " at fixed date " + std::to_string(fixed);
    };
    for (int32_t fixed = First; fixed <= Last; ++fixed) {
        g.SetFixed(fixed);
        if (g.GetFixed() != fixed)
            fail(fixed, "Gregorian round trip");
        const year_month_day civil{sys_days{days{fixed - UnixEpochFixed}}};
        if (FieldsOf(g) !=
            Ymd{int(civil.year()), int(unsigned(civil.month())), int(unsigned(civil.day()))})
            fail(fixed, "Gregorian fields");

        j.SetFixed(fixed);
        if (j.GetFixed() != fixed)
            fail(fixed, "Julian round trip");
        julian = julianNext(julian);
        if (FieldsOf(j) != julian)
            fail(fixed, "Julian successor");

        weekday = (weekday + 1) % 7;
        if (TProtoDate::Modulo(fixed, 7) != static_cast<int32_t>(weekday))
            fail(fixed, "weekday");
    }
    EXPECT_EQ(failures, 0) << "first: " << first;
}
