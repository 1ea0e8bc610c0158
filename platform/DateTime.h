#pragma once
// The civil date-time services the core takes from the platform: the date serial, its time
// stamp, Gregorian encode/decode for years 1 to 9999, the weekday, the clock and the locale's
// date texts.
//
// A date serial (TDateTime) is a real count of days since 30 December 1899 whose fraction is
// the time of day. It is a plain real count: the day that contains a serial is its floor and
// the time of day is what lies above that floor, also before 1900 (-1.25 is 28 December 1899,
// 18:00).

#include <cstdint>
#include <string>
#include <string_view>

namespace orvandel {

using TDateTime = double;

constexpr int32_t DateDelta = 693594;      // fixed date of serial 0 (30 December 1899)
constexpr int32_t MSecsPerDay = 86400000;  // milliseconds per day

// The platform's time stamp: the fixed date of the day and the milliseconds into it.
struct TTimeStamp {
    int32_t Time;  // [0, 86399999] ms since midnight
    int32_t Date;  // fixed date (day 1 = 1 January 1)
};

struct TCivilDate {
    int Year;   // [1, 9999]
    int Month;  // [1, 12]
    int Day;    // [1, 31]
    bool operator==(const TCivilDate&) const = default;
};

// The day that contains a serial (its floor). EConvertError for NaN, infinities and serials
// beyond the 64-bit day range.
int64_t SerialDay(TDateTime value);
// The time of day of a serial as a fraction in [0, 1).
double SerialTime(TDateTime value);

// Fixed date of the day containing `value`: floor(value) + 693594. EIntOverflow when the
// result leaves 32 bits.
int32_t FixedFromDateTime(TDateTime value);
// Serial of 00:00 of a fixed date: fixed - 693594. EIntOverflow when that leaves 32 bits.
TDateTime DateTimeFromFixed(int32_t fixed);

// Time stamp of a serial (floor day, milliseconds rounded to the nearest). EConvertError when
// the day lies outside the 32-bit fixed-date range.
TTimeStamp DateTimeToTimeStamp(TDateTime value);
// Serial of a time stamp. EConvertError when Date <= 0 or Time lies outside a day.
TDateTime TimeStampToDateTime(const TTimeStamp& stamp);

// Whether year/month/day is a real proleptic Gregorian date in years 1 to 9999.
bool IsValidDate(int64_t year, int64_t month, int64_t day);
// Serial of 00:00 of a Gregorian date. EConvertError for a date that does not exist or lies
// outside years 1 to 9999.
TDateTime EncodeDate(int64_t year, int64_t month, int64_t day);
// Gregorian date of the day containing `value`. EConvertError outside years 1 to 9999.
TCivilDate DecodeDate(TDateTime value);
// Weekday of the day containing `value`: 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

// A reading of the system clock: whole seconds since 1 January 1970 00:00 UTC and the
// milliseconds into that second. Read as seconds, since a count of nanoseconds leaves 64 bits
// in the year 2262.
struct TUnixTime {
    int64_t Seconds;
    int32_t Milliseconds;  // [0, 999]
};
TUnixTime SystemClockNow();
// The local date serial of a clock reading, in the zone of the environment (TZ). EConvertError
// when the local date lies outside years 1 to 9999 or the platform cannot convert it.
TDateTime LocalDateTimeOf(const TUnixTime& time);

// The local date and time now: the system clock on the environment's zone. Code that tests
// fix the present moment for takes a clock from its caller instead.
TDateTime Now();

// The user's locale abbreviations: weekday 1 = Sunday ... 7 = Saturday; month 1 ... 12.
std::string ShortDayName(int weekday);
std::string ShortMonthName(int month);
// The user's locale short date text of the day containing `value`.
std::string ShortDateText(TDateTime value);
// Formats a serial with the tokens d, dd, ddd, dddd, m, mm, mmm, mmmm, yy, yyyy (day, month
// and year, the three- and four-letter forms as the locale's abbreviated and full names);
// any other character is copied; "yyyy" always has four digits ("0622"). Example:
// "ddd dd-mmm-yyyy" -> "Sat 13-Apr-2024".
std::string FormatDateTime(std::string_view format, TDateTime value);

}  // namespace orvandel
