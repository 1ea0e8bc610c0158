// The Umm al-Qura calendar.
#include "calendar/SaudiIslamic.h"

#include "Classes/UmAlQuraDepartures.h"
#include "Classes/cTvkLocation.h"
#include "calendar/Location.h"
#include "platform/CheckedInt.h"
#include "platform/DateTime.h"

namespace orvandel {

namespace {

constexpr double MaxPhase = 25.0;  // degrees, exclusive

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
    const TSkyEvent sun = source.EventOnDay(BodySun, EventSet, eve, false, true);
    // Without a sunset there is no evening to judge: the ephemeris failed.
    if (sun.IsEmpty())
        return false;
    const double sunset = sun.Time + DateDelta;  // standard-time moment
    // Conjunction must have happened before sunset.
    if (!PhaseInWindow(LunarPhase(UniversalFromStandard(sunset, L))))
        return false;

    const TSkyEvent moon = source.EventOnDay(BodyMoon, EventSet, eve, false, true);
    if (moon.IsEmpty())
        return false;  // no moonset on that local day
    const double moonset = moon.Time + DateDelta;
    return sunset < moonset;
}

int32_t FixedFromUmAlQura(int32_t Year, int32_t Month, int32_t Day) noexcept {
    return FixedFromCrescentMonths(TSaudiIslamic::Class, TSaudiIslamic::VisibilityLocation(), Year,
                                   Month, Day);
}

int32_t TSaudiIslamic::GetFixed() const {
    return FixedFromUmAlQura(Year, Month, Day);
}

}  // namespace orvandel
