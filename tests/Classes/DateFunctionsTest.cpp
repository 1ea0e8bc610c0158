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
        {"February 2000", 2, 2000, 29}, {"February 2004", 2, 2004, 29},
        {"February 1900", 2, 1900, 28}, {"February 2006", 2, 2006, 28},
        {"month 0", 0, 2024, 0},        {"month 13", 13, 2024, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(DaysInMonth(r.month, r.year), r.days) << r.name;
}

TEST(DateFunctions, NthWeekdayOfMonth) {
    struct Row {
        const char* name;
        int32_t week, weekday, month, year, day;  // expected day of that month
    };
    const Row rows[] = {
        {"last Sunday of March 2024", 0, 7, 3, 2024, 31},
        {"Sunday before the last, March 2024", -1, 7, 3, 2024, 24},
        {"first Sunday of April 2024", 1, 7, 4, 2024, 7},
        {"fourth Sunday of April 2024", 4, 7, 4, 2024, 28},
        {"first Monday, on the 1st", 1, 1, 4, 2024, 1},
        {"last Tuesday of a leap February", 0, 2, 2, 2024, 27},
        {"last Sunday, on the last day", 0, 7, 6, 2024, 30},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const int32_t got = NthWeekdayOfMonth(r.week, r.weekday, r.month, r.year);
        EXPECT_EQ(got, EncodeDate(r.year, r.month, r.day));
        EXPECT_EQ(IsoDayOfWeek(got), r.weekday);
    }
    EXPECT_EQ(IsoDayOfWeek(-1.25), 4);  // Thursday 28 December 1899: the floor's weekday
}
