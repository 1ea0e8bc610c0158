#pragma once
// The arithmetic (tabular) Islamic calendar: twelve months of alternately 30 and 29 days, and
// eleven 355-day years in every 30 years, counted from 1 Muharram 1 A.H. (fixed date 227015).
// Also the unit's Islamic name tables, the shared Mecca location and the afternoon-prayer time.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/StandardDate.h"

namespace orvandel {

class TLocation;

// Weekday names, index 0 = Sunday (transliterations keep their grave accents and apostrophes).
inline constexpr std::array<std::string_view, 7> IslamicDayNames = {
    "yaum al-ahad",  "yaum al-ithnayna", "yaum ath-thalatha'", "yaum al-arba`a'",
    "yaum al-hamis", "yaum al-jum`a",    "yaum as-sabt"};
// Month names, index 0 = month 1 (Muharram).
inline constexpr std::array<std::string_view, 12> IslamicMonthNames = {
    "Muharram", "Safar",   "Rabi I",  "Rabi II", "Jumada I",     "Jumada II",
    "Rajab",    "Sha`ban", "Ramadan", "Shawwal", "Dhu al-Qa`da", "Dhu al-Hijja"};

// Fixed date of 1 Muharram 1 A.H., Julian 16 July 622 C.E. (227015, a Friday); computed once on
// first use.
int32_t IslamicEpoch();

// Fixed date of an arithmetic Islamic date. Nothing is validated: day 30 of a 29-day month is
// the first of the next month, and years 0 and below count backwards. EIntOverflow when an
// intermediate leaves 32 bits.
int32_t FixedFromIslamic(int32_t Year, int32_t Month, int32_t Day);

class TIslamic : public TStandardDate {
  public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }

    // Year, Month and Day of the fixed date, each stored as soon as it is known; EIntOverflow
    // (after the fields already stored) when an intermediate leaves 32 bits.
    void SetFixed(int32_t Fixed) override;
    int32_t GetFixed() const override;
    // "yaum al-jum`a, 1 Muharram 1 A.H.": the weekday of GetFixed, Day, the month name (month
    // numbers outside 1..12 wrap) and Year.
    std::string ToLongString() const override;
    // True for a TIslamic (or descendant) with the same Year, Month and Day.
    bool Equals(const TProtoDate* Other) const override;

    // IslamicEpoch().
    static int32_t Epoch();
    // The shared place "Mecca, Saudi Arabia": 21 deg 25' 24" N, 39 deg 49' 24" E, 1000 m, zone
    // +3. Created on the first call; every call returns the same object.
    static const TLocation& MeccaLocation();
    // Standard-time moment on Date at Location at which the afternoon prayer begins: the sun's
    // altitude at which a vertical object's shadow equals its noon shadow plus ShadowFactor
    // times its height (1 standard, 2 Hanafi). 0.0 when the sun does not reach that altitude in
    // the afternoon; EInvalidOp("Bogus time") as Dusk raises it.
    static double Asr(int32_t Date, const TLocation& Location, int32_t ShadowFactor);
    static double Asr(int32_t Date, const TLocation& Location, int32_t ShadowFactor,
                      SolarState& State);
};

}  // namespace orvandel
