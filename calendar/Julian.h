#pragma once
// The Julian calendar; negative years are years before the common era (no year 0).

#include <array>
#include <string_view>

#include "calendar/StandardDate.h"

namespace orvandel {

inline constexpr std::array<std::string_view, 2> EraNames = {"C.E.", "B.C.E."};

// Fixed date of Julian 1 January 1 (-1); computed once on first use.
int32_t JulianEpoch();

// Fixed date of a Julian date; EIntOverflow when the result leaves 32 bits.
int32_t FixedFromJulian(int32_t Year, uint16_t Month, uint16_t Day);

class TJulian : public TStandardDate {
public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }

    static bool JulianLeapYear(int32_t Year);
    // Marks a year of the common era; returns Year unchanged.
    static int32_t CommonEra(int32_t Year) { return Year; }

    void SetFixed(int32_t Fixed) override;
    int32_t GetFixed() const override;
    // "15 March 44 B.C.E."
    std::string ToLongString() const override;
    bool Equals(const TProtoDate* Other) const override;
};

}  // namespace orvandel
