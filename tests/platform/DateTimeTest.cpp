#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "platform/CheckedInt.h"
#include "platform/DateTime.h"
#include "platform/Errors.h"

using namespace orvandel;

TEST(DateSerial, DayIsTheFloorAlsoBefore1900) {
    // -1.25 is 18:00 on 28 December 1899, not a moment of 29 December.
    EXPECT_EQ(SerialDay(-1.25), -2);
    EXPECT_DOUBLE_EQ(SerialTime(-1.25), 0.75);
    EXPECT_EQ(FixedFromDateTime(-1.25), DateDelta - 2);
    EXPECT_EQ(DecodeDate(-1.25), (TCivilDate{1899, 12, 28}));
    EXPECT_EQ(DayOfWeek(-1.25), 5);  // Thursday
    const TTimeStamp stamp = DateTimeToTimeStamp(-1.25);
    EXPECT_EQ(stamp.Date, DateDelta - 2);
    EXPECT_EQ(stamp.Time, MSecsPerDay * 3 / 4);
    EXPECT_DOUBLE_EQ(TimeStampToDateTime(stamp), -1.25);
}

TEST(DateSerial, FixedDateConversionsTrapOverflow) {
    EXPECT_EQ(FixedFromDateTime(0.0), 693594);
    EXPECT_EQ(DateTimeFromFixed(730120), 36526.0);  // 1 January 2000
    EXPECT_THROW(DateTimeFromFixed(std::numeric_limits<int32_t>::min()), EIntOverflow);
    EXPECT_THROW(FixedFromDateTime(2147483647.0), EIntOverflow);
    EXPECT_THROW(FixedFromDateTime(std::numeric_limits<double>::quiet_NaN()), EConvertError);
}

struct CivilCase {
    const char* name;
    int y, m, d;
    double serial;
};

TEST(DateSerial, EncodeDecodeKnownDates) {
    const CivilCase cases[] = {
        {"serial epoch", 1899, 12, 30, 0.0},
        {"first day of year 1", 1, 1, 1, -693593.0},
        {"last day of year 9999", 9999, 12, 31, 2958465.0},
        {"leap day 2024", 2024, 2, 29, 45351.0},
        {"1 January 2000", 2000, 1, 1, 36526.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial);
        EXPECT_EQ(DecodeDate(c.serial + 0.999), (TCivilDate{c.y, c.m, c.d}));
    }
}

TEST(DateSerial, InvalidDatesRaiseConvertError) {
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(0, 12, 31), EConvertError);
    EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
    EXPECT_THROW(DecodeDate(-693594.0), EConvertError);
    EXPECT_THROW(TimeStampToDateTime({0, 0}), EConvertError);
}

TEST(DateSerial, WeekdayStepsByOneOverCenturies) {
    int previous = DayOfWeek(-700000.0);
    for (double day = -699999.0; day <= 3000000.0; day += 1.0) {
        const int weekday = DayOfWeek(day);
        ASSERT_EQ(weekday, previous % 7 + 1) << "serial " << day;
        previous = weekday;
    }
    EXPECT_EQ(DayOfWeek(0.0), 7);  // 30 December 1899 was a Saturday
}

TEST(DateSerial, FormatUsesTheGivenTokens) {
    const TDateTime date = EncodeDate(2024, 4, 5) + 0.5;
    const std::string text = FormatDateTime("dd-mm-yyyy d/m/yy", date);
    EXPECT_EQ(text, "05-04-2024 5/4/24");
    EXPECT_EQ(FormatDateTime("dd-mm-yyyy yy", EncodeDate(622, 7, 19)), "19-07-0622 22");
    EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(1, 1, 1)), "0001");
    EXPECT_EQ(FormatDateTime("ddd", date), ShortDayName(6));
    EXPECT_EQ(FormatDateTime("mmm", date), ShortMonthName(4));
}

TEST(CheckedInt, RaisesInsteadOfWrapping) {
    EXPECT_EQ(CheckedAdd<int32_t>(2, 3), 5);
    EXPECT_THROW(CheckedAdd<int32_t>(INT32_MAX, 1), EIntOverflow);
    EXPECT_THROW(CheckedSub<int32_t>(INT32_MIN, 1), EIntOverflow);
    EXPECT_THROW(CheckedMul<int32_t>(365, 6000000), EIntOverflow);
    EXPECT_THROW(NarrowToInt32(int64_t{1} << 31), ERangeError);
    EXPECT_EQ(NarrowToInt32(-(int64_t{1} << 31)), INT32_MIN);
    EXPECT_THROW(CheckRange(70000, 0, 65535, "month"), ERangeError);
}

// Now is the system clock's reading on the local clock: it lies between two readings taken
// around it.
TEST(Clock, NowIsTheSystemClockOnTheLocalClock) {
    const TDateTime before = LocalDateTimeOf(SystemClockNow());
    const TDateTime now = Now();
    const TDateTime after = LocalDateTimeOf(SystemClockNow());
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}

// Readings after 2262, where a count of nanoseconds leaves 64 bits, keep their date.
TEST(Clock, ReadingsConvertWithoutOverflowInEveryYear) {
    const char* const savedZone = std::getenv("TZ");
    const std::string saved = savedZone ? savedZone : "";
    setenv("TZ", "UTC0", 1);
    tzset();
    struct Row {
        TUnixTime Reading;
        TDateTime Serial;
    };
    const Row rows[] = {
        {{0, 0}, 25569.0},                                   // 1 January 1970
        {{10413835200, 500}, 146099.5 + 0.5 / 86400},        // 1 January 2300, 12:00:00.5
        {{253402300799, 0}, 2958465.0 + 86399.0 / 86400.0},  // 31 December 9999, 23:59:59
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reading.Seconds);
        EXPECT_NEAR(LocalDateTimeOf(row.Reading), row.Serial, 1e-9);
    }
    EXPECT_THROW(LocalDateTimeOf({253402300800, 0}), EConvertError);  // 1 January 10000
    if (savedZone) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    EXPECT_GE(SystemClockNow().Seconds, 1700000000);  // after November 2023
}
