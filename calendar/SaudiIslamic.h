#pragma once
// The Umm al-Qura calendar of Saudi Arabia: a month begins on day D when, on the evening
// before D at the Umm al-Qura reference place in Mecca, the moon is past conjunction and sets
// after the sun. Every month start is computed from the sunset and moonset of the ephemeris
// library, apart from the few evenings on which the published calendar departs from the rule.
// Fields, month numbering, names and text form are those of TObservationalIslamic.

#include <cstdint>

#include "calendar/ObservationalIslamic.h"

namespace orvandel {

class TLocation;

// Fixed date of an Umm al-Qura date: the month starts at the first evening that passes the
// Umm al-Qura criterion, searched from the middle of the mean month; Day counts from there
// (not validated). Returns 0 when anything on the way raises or the search finds no month
// start.
int32_t FixedFromUmAlQura(int32_t Year, int32_t Month, int32_t Day) noexcept;

// False when the ephemeris covers none of the evenings that a conversion of Fixed may judge
// (about two months before it to two days after it): such a conversion cannot complete, and
// is better not tried, since its search would run through hundreds of days in vain. True does
// not promise success: a conversion that needs an evening outside the covered dates fails.
bool UmAlQuraMayConvert(int32_t Fixed) noexcept;

class TSaudiIslamic final : public TObservationalIslamic {
  public:
    // Criterion TSaudiIslamic::VisibleCrescent, place MeccaLocation, and a criterion that
    // holds only at a month's start (the crescent search then asks whether the month has
    // begun by the date rather than whether the date itself passes).
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }

    // FixedFromUmAlQura(Year, Month, Day): the back conversion follows the same rule as
    // SetFixed, so that GetFixed after SetFixed(f) gives f. 0 on failure.
    int32_t GetFixed() const override;

    // The Umm al-Qura criterion for the day Date that would begin a month (its eve is the
    // evening of Date - 1), always at UmAlQuraSource; Location is not used. In order: the
    // published departures decide their days; the lunar phase at 00:00 Mecca standard time of
    // Date must lie strictly between 0 and 25 degrees (no ephemeris call is made otherwise);
    // the sunset of Date - 1 must exist and the phase at it lie strictly between 0 and 25
    // degrees; the moon must set strictly after the sun that evening. A missing sunset or
    // moonset (the ephemeris failed, or the moon does not set that day) gives false.
    // EIntOverflow when Date - 1 has no date serial; ERangeError when the evening passes the
    // first phase test but lies outside the dates the ephemeris covers (EphemerisRange).
    static bool VisibleCrescent(int32_t Date, const TLocation& Location);
    // TIslamic::MeccaLocation(). The criterion ignores its place, so this changes no result.
    static const TLocation& VisibilityLocation();
};

}  // namespace orvandel
