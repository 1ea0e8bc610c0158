#pragma once
// The observational Islamic calendar: each month begins on the day after the first evening on
// which the new crescent is judged visible. Same fields, names and long text as TIslamic; the
// conversions go through the crescent search. A descendant changes only its class's crescent
// criterion and visibility place (TDateClass::VisibleCrescent / VisibilityLocation).

#include <cstdint>

#include "calendar/Islamic.h"

namespace orvandel {

class TLocation;

// Fixed date of an observational Islamic date: the month starts at the first crescent found,
// with the library's own criterion (TProtoDate) at DefaultLocation, by a search from the
// middle of the mean month; Day counts from there (not validated). Returns 0 when anything on
// the way raises: a caller cannot tell that from a real fixed date 0.
int32_t FixedFromObservationalIslamic(int32_t Year, int32_t Month, int32_t Day) noexcept;

// The same conversion with the months begun by class K's criterion at L (the search runs
// K.VisibleCrescent); 0 when anything on the way raises.
int32_t FixedFromCrescentMonths(const TDateClass& K, const TLocation& L, int32_t Year,
                                int32_t Month, int32_t Day) noexcept;

class TObservationalIslamic : public TIslamic {
  public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }

    // TrySetFixed with the result dropped (the virtual slot has no result). Never raises.
    void SetFixed(int32_t Fixed) override;
    // FixedFromObservationalIslamic(Year, Month, Day); 0 on failure.
    int32_t GetFixed() const override;

    // The place of this class's criterion: DefaultLocation. Descendants name their own place in
    // their TDateClass.
    static const TLocation& VisibilityLocation();

    // Sets Year, Month and Day from Fixed with the crescent criterion and the place of the
    // object's class (ClassType()). Never raises. Returns true when the conversion completed;
    // false when an error stopped it, in which case the fields stored before the error (in the
    // order Year, Month, Day) keep their new values and the others their old ones. A failed
    // crescent search (no evening with the sun far enough below the horizon, or no crescent in
    // 400 days) stores nothing.
    bool TrySetFixed(int32_t Fixed) noexcept;
    // As TrySetFixed, with Location in place of the class's place. The caller keeps Location.
    bool SetFixedAt(int32_t Fixed, const TLocation& Location) noexcept;

  protected:
    // Year, Month and Day of Fixed in the month that began on fixed date Crescent (the day the
    // crescent search found); raises EIntOverflow as the integer steps do.
    void SetFromMonthStart(int32_t Fixed, int32_t Crescent);
};

}  // namespace orvandel
