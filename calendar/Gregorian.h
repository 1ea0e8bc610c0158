#pragma once
// The proleptic Gregorian calendar.

#include <array>
#include <string_view>

#include "calendar/StandardDate.h"

namespace orvandel {

inline constexpr std::array<std::string_view, 7> DayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Fixed date of a Gregorian date; nothing is validated (month 13 runs into the next year).
// EIntOverflow when the result leaves 32 bits.
int32_t FixedFromGregorian(int32_t Year, uint16_t Month, uint16_t Day);

class TGregorian : public TStandardDate {
public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }

    static bool GregorianLeapYear(int32_t Year);
    static int32_t GregorianYearFromFixed(int32_t Fixed);

    void SetFixed(int32_t Fixed) override;
    int32_t GetFixed() const override;
    // "Saturday, 1 January 2000".
    std::string ToLongString() const override;
    bool Equals(const TProtoDate* Other) const override;
};

}  // namespace orvandel
