#include <gtest/gtest.h>

#include "Classes/DateFunctions.h"
#include "platform/DateTime.h"

using namespace orvandel;

TEST(DateFunctions, DaysInMonth) {
    struct Row {
        const char* name;
        int32_t month, year, days;
    };
    const Row rows[] = {
        {"January", 1, 2023, 31},       {"April", 4, 2023, 30},
        {"December", 12, 2023, 31},     {"February 2000, divisible by 400", 2, 2000, 29},
        {"February 2004", 2, 2004, 29}, {"February 1900, a century", 2, 1900, 28},
        {"February 2006", 2, 2006, 28}, {"month 0", 0, 2024, 0},
        {"month 13", 13, 2024, 0},      {"negative month", -1, 2024, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(DaysInMonth(r.month, r.year), r.days);
    }
}

TEST(DateFunctions, NthWeekdayOfMonth) {
    struct Row {
        const char* name;
        int32_t week, weekday, month, year;
        int y, m, d;
    };
    const Row rows[] = {
        {"last Sunday of March 2024", 0, 7, 3, 2024, 2024, 3, 31},
        {"Sunday before the last, March 2024", -1, 7, 3, 2024, 2024, 3, 24},
        {"first Sunday of April 2024", 1, 7, 4, 2024, 2024, 4, 7},
        {"fourth Sunday of April 2024", 4, 7, 4, 2024, 2024, 4, 28},
        {"first Monday when the month starts on it", 1, 1, 4, 2024, 2024, 4, 1},
        {"last Sunday of October 2024", 0, 7, 10, 2024, 2024, 10, 27},
        {"last Tuesday of a leap February", 0, 2, 2, 2024, 2024, 2, 27},
        {"last Sunday when the month ends on it", 0, 7, 6, 2024, 2024, 6, 30},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const int32_t got = NthWeekdayOfMonth(r.week, r.weekday, r.month, r.year);
        EXPECT_EQ(got, EncodeDate(r.y, r.m, r.d));
        EXPECT_EQ(IsoDayOfWeek(got), r.weekday);
    }
}

TEST(DateFunctions, IsoWeekdayRunsMondayToSundayAlsoBefore1900) {
    const double monday = EncodeDate(2024, 4, 8);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(IsoDayOfWeek(monday + i + 0.9), i + 1);
    EXPECT_EQ(IsoDayOfWeek(EncodeDate(1850, 1, 1)), 2);  // a Tuesday
    EXPECT_EQ(IsoDayOfWeek(-1.25), 4);                   // Thursday 28 December 1899
}
