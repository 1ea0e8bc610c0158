// The Umm al-Qura calendar.
#include "calendar/SaudiIslamic.h"

#include "Classes/UmAlQuraDepartures.h"
#include "Classes/cTvkLocation.h"
#include "calendar/Location.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/CheckedInt.h"
#include "platform/DateTime.h"
#include "platform/Errors.h"

namespace orvandel {

namespace {

constexpr double MaxPhase = 25.0;  // degrees, exclusive

constexpr double JulianDayOfFixedZero = 1721424.5;  // 00:00 universal time of fixed date 0
// An evening's sunset and moonset are searched from 00:00 Mecca time of its day; the moonset
// may come up to a day after the sunset.
constexpr double EveningSearchDays = 2.0;
// The evenings a conversion of a fixed date may judge: the crescent search looks back at
// most about two months, and a little ahead.
constexpr int32_t SearchDaysBefore = 62;
constexpr int32_t SearchDaysAfter = 2;

// Universal Julian day of 00:00 Mecca standard time of fixed date Day.
double JulianDayOfMeccaMidnight(int64_t day, const TLocation& mecca) {
    return static_cast<double>(day) + JulianDayOfFixedZero - mecca.Zone / 24.0;
}

// The phase window of the criterion: past conjunction, by less than 25 degrees.
bool PhaseInWindow(double phase) {
    return phase > 0.0 && phase < MaxPhase;
}

}  // namespace

constinit const TDateClass TSaudiIslamic::Class = {
    "TSaudiIslamic", &TObservationalIslamic::Class, &TSaudiIslamic::VisibleCrescent,
    &TSaudiIslamic::VisibilityLocation, /*CriterionHoldsOnlyAtMonthStart=*/true};

const TLocation& TSaudiIslamic::VisibilityLocation() {
    return TIslamic::MeccaLocation();
}

bool TSaudiIslamic::VisibleCrescent(int32_t Date, const TLocation&) {
    switch (PublishedDeparture(Date)) {
        case TMonthStartDeparture::NeverBegins:
            return false;
        case TMonthStartDeparture::AlwaysBegins:
            return true;
        case TMonthStartDeparture::None:
            break;
    }
    const TTvkLocation& source = UmAlQuraSource();
    const TLocation& L = source.AstronomyLocation;

    // Cheap test first: most days are far from conjunction and need no ephemeris call.
    if (!PhaseInWindow(LunarPhase(UniversalFromStandard(Date, L))))
        return false;

    const TDateTime eve = DateTimeFromFixed(CheckedSub(Date, 1, "TSaudiIslamic.VisibleCrescent"));
    // An evening the ephemeris does not cover cannot be judged. Answering false would let the
    // search run on through hundreds of days, or take a later evening for the month's start:
    // raise instead, which ends the conversion.
    const double eveJd = JulianDayOfMeccaMidnight(int64_t{Date} - 1, L);
    if (!EphemerisRangeToward(eveJd, eveJd + EveningSearchDays)
             .Covers(eveJd, eveJd + EveningSearchDays))
        throw ERangeError("TSaudiIslamic.VisibleCrescent: the evening before fixed date " +
                          std::to_string(Date) + " lies outside the dates the ephemeris covers");
    // Only the times of the two settings decide, not where the bodies stand.
    const TSkyEvent sun = source.EventOnDay(BodySun, EventSet, eve, false, true, false);
    // Without a sunset there is no evening to judge: the ephemeris failed.
    if (sun.IsEmpty())
        return false;
    const double sunset = sun.Time + DateDelta;  // standard-time moment
    // Conjunction must have happened before sunset.
    if (!PhaseInWindow(LunarPhase(UniversalFromStandard(sunset, L))))
        return false;

    const TSkyEvent moon = source.EventOnDay(BodyMoon, EventSet, eve, false, true, false);
    if (moon.IsEmpty())
        return false;  // no moonset on that local day
    const double moonset = moon.Time + DateDelta;
    return sunset < moonset;
}

bool UmAlQuraMayConvert(int32_t Fixed) noexcept {
    const TLocation& mecca = UmAlQuraSource().AstronomyLocation;
    const double first = JulianDayOfMeccaMidnight(int64_t{Fixed} - SearchDaysBefore, mecca);
    const double last = JulianDayOfMeccaMidnight(int64_t{Fixed} + SearchDaysAfter, mecca);
    const TEphemerisRange range = EphemerisRangeToward(first, last + EveningSearchDays);
    return last >= range.First && first + EveningSearchDays <= range.Last;
}

int32_t FixedFromUmAlQura(int32_t Year, int32_t Month, int32_t Day) noexcept {
    return FixedFromCrescentMonths(TSaudiIslamic::Class, TSaudiIslamic::VisibilityLocation(), Year,
                                   Month, Day);
}

int32_t TSaudiIslamic::GetFixed() const {
    return FixedFromUmAlQura(Year, Month, Day);
}

}  // namespace orvandel
