#pragma once
// The Umm al-Qura calendar of Saudi Arabia: a month begins on day D when, on the evening
// before D at the Umm al-Qura reference place in Mecca, the moon is past conjunction and sets
// after the sun. Every month start is computed from the sunset and moonset of the ephemeris
// library, apart from the few evenings on which the published calendar departs from the rule.
// Fields, month numbering, names and text form are those of TObservationalIslamic.

#include <cstdint>
#include <vector>

#include "calendar/ObservationalIslamic.h"

namespace orvandel {

class TLocation;
class SolarState;

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

// How far an ephemeris answer for the Umm al-Qura reference place lies from the calendar
// library's own sun and moon, which need no data files: minutes of time, positive when the
// ephemeris's event is the later. SunsetDisagreement takes the sunset of the evening of fixed
// date Eve as a standard-time moment (fixed-date scale), and compares it with
// TProtoDate::Sunset without the dip of the horizon; MoonsetDisagreement takes the moonset of
// an evening on which the moon is less than 25 degrees east of the sun the same way, and
// turns the library's moon's altitude then, less the altitude of a setting moon (its parallax
// less refraction and semi-diameter), into minutes at the rate the moon sets at Mecca (within
// 9 per cent). SunsetDisagreement is infinity when the library has no sunset that day.
double SunsetDisagreement(int32_t Eve, double Sunset);
double SunsetDisagreement(int32_t Eve, double Sunset, SolarState& State);
double MoonsetDisagreement(double Moonset);
double MoonsetDisagreement(double Moonset, SolarState& State);

// The Umm al-Qura criterion's answers, kept by day for a caller that converts many nearby
// dates: their crescent searches judge many of the same evenings again. An answer depends on
// the evening and on the ephemeris source alone, so the kept answers are dropped as soon as the
// source changes (a new start-up, or a source given up for a wrong answer): none outlives the
// source that gave it. One object serves one thread at a time.
class UmAlQuraAnswers {
  public:
    // TSaudiIslamic::VisibleCrescent, answered from the kept answers when the evening was
    // judged before on the same source. A raise keeps nothing.
    bool VisibleCrescent(int32_t Date, const TLocation& Location, SolarState& Solar);

  private:
    struct TAnswer {
        int32_t Day;
        bool Visible;
    };
    // By increasing day. A run's searches move forward in time, so most new evenings go at or
    // near the end.
    std::vector<TAnswer> byDay_;
    uint64_t source_ = 0;  // EphemerisSourceChanges() when byDay_ was last checked
};

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
    // degrees; the moon must set strictly after the sun that evening. Each setting is checked
    // against the calendar's own sun and moon (SunsetDisagreement, MoonsetDisagreement): a
    // missing one (the sun sets every day at Mecca, and a moon past conjunction by less than
    // 25 degrees sets within hours of it) or one further off than the two sources differ on
    // good files (a sunset by 0.5 minutes, a moonset by 2 minutes near 2000, more in distant
    // centuries) gives the ephemeris source up (EphemerisSourceFailed) and judges the evening
    // again on the next. EIntOverflow when Date - 1 has no date serial; ERangeError when the
    // evening passes the first phase test but lies outside the dates the ephemeris covers
    // (EphemerisRange); EInvalidOp when the last source too gives a setting that fails the
    // check.
    // A crescent search passes the solar state it holds over the days it tries; the overload
    // without one starts from an empty state.
    static bool VisibleCrescent(int32_t Date, const TLocation& Location);
    static bool VisibleCrescent(int32_t Date, const TLocation& Location, SolarState& State);
    // TIslamic::MeccaLocation(). The criterion ignores its place, so this changes no result.
    static const TLocation& VisibilityLocation();

    using TObservationalIslamic::TrySetFixed;
    // As TrySetFixed, for a caller converting a run of nearby dates: the search uses the solar
    // state Solar and asks the criterion through Answers, both held over the run.
    bool TrySetFixed(int32_t Fixed, SolarState& Solar, UmAlQuraAnswers& Answers) noexcept;
};

}  // namespace orvandel
