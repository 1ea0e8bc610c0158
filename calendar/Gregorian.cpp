// The proleptic Gregorian calendar on the fixed-date scale. Every step divides with Quotient
// and Modulo (floor semantics, right for negative years) and traps 32-bit overflow.
#include "calendar/Gregorian.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {

namespace {

// Operation and field names for error messages.
constexpr std::string_view OpYearFromFixed = "GregorianYearFromFixed";
constexpr std::string_view OpSetFixed = "TGregorian.SetFixed";
constexpr std::string_view OpFixedFrom = "FixedFromGregorian";
constexpr std::string_view FieldMonth = "month";
constexpr std::string_view FieldDay = "day";

constexpr int32_t GregorianEpoch = 1;  // fixed date of 1 January 1

}  // namespace

const TDateClass TGregorian::Class = {"TGregorian", &TStandardDate::Class,
                                      &TProtoDate::VisibleCrescent, nullptr};

int32_t FixedFromGregorian(int32_t Year, uint16_t Month, uint16_t Day) {
    using P = TProtoDate;
    const int32_t correction = Month <= 2 ? 0 : TGregorian::GregorianLeapYear(Year) ? -1 : -2;
    // The sum is formed in 64 bits (every term lies within +-2^40), so a date whose fixed date
    // fits 32 bits never fails on a partial sum; only the result is checked.
    const int64_t y1 = int64_t{Year} - 1;  // [-2^31 - 1, 2^31 - 2]
    const int64_t result = (GregorianEpoch - 1) + 365 * y1 + P::IntQuotient(y1, 4) -
                           P::IntQuotient(y1, 100) + P::IntQuotient(y1, 400) +
                           P::IntQuotient(367 * int32_t{Month} - 362, 12)  // [-31, 2004248]
                           + correction + Day;
    return FixedFromSum(result, OpFixedFrom, Year, Month, Day);
}

bool TGregorian::GregorianLeapYear(int32_t Year) {
    if (Modulo(Year, 4) != 0)
        return false;
    const int32_t r = Modulo(Year, 400);  // [0, 399]
    return r != 100 && r != 200 && r != 300;
}

int32_t TGregorian::GregorianYearFromFixed(int32_t Fixed) {
    const int32_t d0 = CheckedSub<int32_t>(Fixed, GregorianEpoch, OpYearFromFixed);
    const int32_t n400 = IntQuotient(d0, 146097);
    const int32_t d1 = Modulo(d0, 146097);        // [0, 146096]
    const int32_t n100 = IntQuotient(d1, 36524);  // [0, 4]
    const int32_t d2 = Modulo(d1, 36524);         // [0, 36523]
    const int32_t n4 = IntQuotient(d2, 1461);     // [0, 24]
    const int32_t d3 = Modulo(d2, 1461);          // [0, 1460]
    const int32_t n1 = IntQuotient(d3, 365);      // [0, 4]
    // n400 lies in [-14700, 14698], so 400 * n400 fits; the sum below adds at most 399.
    const int32_t y = 400 * n400 + 100 * n100 + 4 * n4 + n1;
    if (n100 == 4 || n1 == 4)
        return y;  // 31 December of a leap year that ends a cycle
    return CheckedAdd<int32_t>(y, 1, OpYearFromFixed);
}

void TGregorian::SetFixed(int32_t Fixed) {
    Year = GregorianYearFromFixed(Fixed);
    const int32_t priorDays =
        CheckedSub<int32_t>(Fixed, FixedFromGregorian(Year, 1, 1), OpSetFixed);
    static constexpr int32_t MarchCorrection[2] = {2, 1};  // common year, leap year
    const int32_t correction = Fixed < FixedFromGregorian(Year, 3, 1)
                                   ? 0
                                   : MarchCorrection[GregorianLeapYear(Year) ? 1 : 0];
    // priorDays + correction lies in [0, 367].
    Month = IntQuotient(12 * (priorDays + correction) + 373, 367);
    const int32_t first = FixedFromGregorian(Year, FieldToWord(Month, OpSetFixed, FieldMonth), 1);
    Day = Fixed - first + 1;  // [1, 31]
}

int32_t TGregorian::GetFixed() const {
    return FixedFromGregorian(Year, FieldToWord(Month, OpFixedFrom, FieldMonth),
                              FieldToWord(Day, OpFixedFrom, FieldDay));
}

std::string TGregorian::ToLongString() const {
    const std::string dayName = DayName(GetFixed(), DayNames);
    const std::string monthName = MonthName(Month, MonthNames);
    char text[96];
    std::snprintf(text, sizeof text, "%s, %d %s %d", dayName.c_str(), Day, monthName.c_str(), Year);
    return text;
}

bool TGregorian::Equals(const TProtoDate* Other) const {
    if (Other == nullptr || !Other->ClassType().InheritsFrom(TGregorian::Class))
        return false;
    return FieldsEqual(Other);
}

}  // namespace orvandel
