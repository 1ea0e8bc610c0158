// The Julian calendar on the fixed-date scale. Year -1 (1 B.C.E.) directly precedes year 1.
#include "calendar/Julian.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/Gregorian.h"
#include "platform/CheckedInt.h"

namespace orvandel {

namespace {

int32_t Add(int32_t a, int32_t b) {
    return CheckedAdd<int32_t>(a, b, "FixedFromJulian");
}

}  // namespace

const TDateClass TJulian::Class = {"TJulian", &TStandardDate::Class, &TProtoDate::VisibleCrescent,
                                   nullptr};

int32_t JulianEpoch() {
    static const int32_t value = FixedFromGregorian(0, 12, 30);  // -1
    return value;
}

int32_t FixedFromJulian(int32_t Year, uint16_t Month, uint16_t Day) {
    const int32_t y = Year < 0 ? Year + 1 : Year;  // no year 0
    const int32_t correction = Month <= 2 ? 0 : TJulian::JulianLeapYear(Year) ? -1 : -2;
    const int32_t y1 = CheckedSub<int32_t>(y, 1, "FixedFromJulian");
    int32_t result = Add(JulianEpoch() - 1, CheckedMul<int32_t>(365, y1, "FixedFromJulian"));
    result = Add(result, TProtoDate::Quotient(y1, 4));
    // 367 * Month - 362 lies in [-362, 24050983] for a 16-bit month.
    result = Add(result, TProtoDate::Quotient(367 * int32_t{Month} - 362, 12));
    result = Add(result, correction);
    return Add(result, Day);
}

bool TJulian::JulianLeapYear(int32_t Year) {
    return Modulo(Year, 4) == (Year > 0 ? 0 : 3);
}

void TJulian::SetFixed(int32_t Fixed) {
    const int32_t sinceEpoch = CheckedSub<int32_t>(Fixed, JulianEpoch(), "TJulian.SetFixed");
    const int32_t fourfold = CheckedMul<int32_t>(4, sinceEpoch, "TJulian.SetFixed");
    const int32_t approx = Quotient(CheckedAdd<int32_t>(fourfold, 1464, "TJulian.SetFixed"), 1461);
    Year = approx <= 0 ? approx - 1 : approx;  // approx lies in [-1470003, 1470004]
    const int32_t priorDays =
        CheckedSub<int32_t>(Fixed, FixedFromJulian(Year, 1, 1), "TJulian.SetFixed");
    const int32_t correction = Fixed < FixedFromJulian(Year, 3, 1) ? 0
                               : JulianLeapYear(Year)              ? 1
                                                                   : 2;
    // priorDays + correction lies in [0, 367].
    Month = Quotient(12 * (priorDays + correction) + 373, 367);
    Day = Fixed - FixedFromJulian(Year, FieldToWord(Month, "TJulian.SetFixed", "month"), 1) + 1;
}

int32_t TJulian::GetFixed() const {
    return FixedFromJulian(Year, FieldToWord(Month, "FixedFromJulian", "month"),
                           FieldToWord(Day, "FixedFromJulian", "day"));
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
