#pragma once
// Small Gregorian date functions used by the daylight-saving rule of TTvkLocation. Dates are
// date serials (whole days since 30 December 1899).

#include <cstdint>

#include "platform/DateTime.h"

namespace orvandel {

// The Gregorian rule: divisible by 4, except centuries not divisible by 400.
bool IsLeapYear(int32_t Year);
// Days of Month (1..12) in Year: 28 to 31; 0 for any month outside 1..12.
int32_t DaysInMonth(int32_t Month, int32_t Year);
// 1 = Monday ... 7 = Sunday, for the day containing T.
int32_t IsoDayOfWeek(TDateTime T);
// The serial of the Week-th Weekday (1 = Monday ... 7 = Sunday) of Month in Year. Week 1 to 4
// counts from the start of the month (1 = first); week 0 is the last such weekday of the
// month and week -1 the one a week before it. EConvertError when Month/Year is not a month of
// years 1 to 9999.
int32_t NthWeekdayOfMonth(int32_t Week, int32_t Weekday, int32_t Month, int32_t Year);

}  // namespace orvandel
