// The Julian calendar on the fixed-date scale. Year -1 (1 B.C.E.) directly precedes year 1.
#include "calendar/Julian.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calendar/Gregorian.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {

namespace {

// Operation and field names for error messages.
constexpr std::string_view OpSetFixed = "TJulian.SetFixed";
constexpr std::string_view OpFixedFrom = "FixedFromJulian";
constexpr std::string_view FieldMonth = "month";
constexpr std::string_view FieldDay = "day";

}  // namespace

const TDateClass TJulian::Class = {"TJulian", &TStandardDate::Class, &TProtoDate::VisibleCrescent,
                                   nullptr};

int32_t JulianEpoch() {
    static const int32_t value = FixedFromGregorian(0, 12, 30);  // -1
    return value;
}

int32_t FixedFromJulian(int32_t Year, uint16_t Month, uint16_t Day) {
    using P = TProtoDate;
    const int32_t correction = Month <= 2 ? 0 : TJulian::JulianLeapYear(Year) ? -1 : -2;
    // Year -1 directly precedes year 1. The sum is formed in 64 bits (every term lies within
    // +-2^40); only the result must fit 32 bits.
    const int64_t y1 = (Year < 0 ? int64_t{Year} + 1 : int64_t{Year}) - 1;  // [-2^31, 2^31 - 2]
    const int64_t result = (int64_t{JulianEpoch()} - 1) + 365 * y1 + P::IntQuotient(y1, 4) +
                           P::IntQuotient(367 * int32_t{Month} - 362, 12)  // [-31, 2004248]
                           + correction + Day;
    return FixedFromSum(result, OpFixedFrom, Year, Month, Day);
}

bool TJulian::JulianLeapYear(int32_t Year) {
    return Modulo(Year, 4) == (Year > 0 ? 0 : 3);
}

void TJulian::SetFixed(int32_t Fixed) {
    const int32_t sinceEpoch = CheckedSub<int32_t>(Fixed, JulianEpoch(), OpSetFixed);
    const int32_t fourfold = CheckedMul<int32_t>(4, sinceEpoch, OpSetFixed);
    const int32_t approx = IntQuotient(CheckedAdd<int32_t>(fourfold, 1464, OpSetFixed), 1461);
    Year = approx <= 0 ? approx - 1 : approx;  // approx lies in [-1470003, 1470004]
    const int32_t priorDays = CheckedSub<int32_t>(Fixed, FixedFromJulian(Year, 1, 1), OpSetFixed);
    const int32_t correction = Fixed < FixedFromJulian(Year, 3, 1) ? 0
                               : JulianLeapYear(Year)              ? 1
                                                                   : 2;
    // priorDays + correction lies in [0, 367].
    Month = IntQuotient(12 * (priorDays + correction) + 373, 367);
    Day = Fixed - FixedFromJulian(Year, FieldToWord(Month, OpSetFixed, FieldMonth), 1) + 1;
}

int32_t TJulian::GetFixed() const {
    return FixedFromJulian(Year, FieldToWord(Month, OpFixedFrom, FieldMonth),
                           FieldToWord(Day, OpFixedFrom, FieldDay));
}

std::string TJulian::ToLongString() const {
    const std::string monthName = MonthName(Month, MonthNames);
    const long long year = std::llabs(static_cast<long long>(Year));  // no overflow at -2^31
    char text[96];
    std::snprintf(text, sizeof text, "%d %s %lld %s", Day, monthName.c_str(), year,
                  std::string(EraNames[Year < 0 ? 1 : 0]).c_str());
    return text;
}

bool TJulian::Equals(const TProtoDate* Other) const {
    if (Other == nullptr || !Other->ClassType().InheritsFrom(TJulian::Class))
        return false;
    return FieldsEqual(Other);
}

}  // namespace orvandel
