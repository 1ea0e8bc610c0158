// The Umm al-Qura calendar.
#include "calendar/SaudiIslamic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "Classes/UmAlQuraDepartures.h"
#include "Classes/cTvkLocation.h"
#include "calendar/Location.h"
#include "calendar/SolarState.h"
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

constexpr double MinutesPerDay = 1440.0;
// The ephemeris sets the sun when its upper limb, refracted, touches the sea-level horizon: the
// centre 50' below it, without the dip of the horizon that TProtoDate::Sunset adds for the
// place's height.
constexpr double SunsetDepression = 50.0 / 60.0;  // degrees
// The same for the moon: the geocentric altitude of its centre at moonset, its horizontal
// parallax (0.90 to 1.02 degrees) less refraction and semi-diameter; the mean over AH 1 to 1500.
constexpr double MoonsetAltitude = 0.168;  // degrees
// The furthest an ephemeris's setting may lie from the calendar's own. Measured on the
// library's own files over every evening the rule judges from AH 1 to 1500, the sunsets differ
// by -0.03 to +0.14 minutes, the moonsets by -0.77 to +0.48; the built-in theory gives the
// same. The lunar theory drifts away from the ephemeris's after 2100 (moonsets -6.7 minutes by
// the year 5400), so the moonset's tolerance widens with the square of the centuries from 2000.
constexpr double SunsetToleranceMinutes = 0.5;
constexpr double MoonsetToleranceMinutes = 2.0;  // near 2000
constexpr double MoonsetDriftMinutes = 0.008;    // per century squared
constexpr double DaysPerJulianCentury = 36525.0;

double MoonsetTolerance(double moment) {
    const double centuries = (moment - J2000()) / DaysPerJulianCentury;
    return MoonsetToleranceMinutes + MoonsetDriftMinutes * centuries * centuries;
}

// How fast the moon's altitude falls as it sets at Mecca: 0.190 to 0.228 degrees a minute over
// AH 1 to 1500, by its declination; the mean turns an altitude into minutes within 9 per cent.
constexpr double MoonsetRate = 0.209;  // degrees per minute
// A moon past conjunction by less than 25 degrees sets at most about two hours before the sun:
// a "moonset" long before sunset is the moon rising in the morning.
constexpr double EarliestMoonsetBeforeSunset = 6.0 / 24;  // days

}  // namespace

double SunsetDisagreement(int32_t Eve, double Sunset) {
    SolarState state;
    return SunsetDisagreement(Eve, Sunset, state);
}

double SunsetDisagreement(int32_t Eve, double Sunset, SolarState& State) {
    const double own =
        TProtoDate::Dusk(Eve, UmAlQuraSource().AstronomyLocation, SunsetDepression, State);
    if (own == 0.0)
        return HUGE_VAL;
    return (Sunset - own) * MinutesPerDay;
}

double MoonsetDisagreement(double Moonset) {
    SolarState state;
    return MoonsetDisagreement(Moonset, state);
}

double MoonsetDisagreement(double Moonset, SolarState& State) {
    const TLocation& L = UmAlQuraSource().AstronomyLocation;
    const double altitude =
        TProtoDate::LunarAltitude(TProtoDate::UniversalFromStandard(Moonset, L), L, State);
    // The own moon, still (altitude - MoonsetAltitude) above the setting altitude, sets that
    // much later at the rate of setting.
    return -(altitude - MoonsetAltitude) / MoonsetRate;
}

namespace {

// "1881-10-19 16:05" of a standard-time moment at the reference place.
std::string MeccaTimeText(double moment) {
    const TDateTime serial = moment - DateDelta;
    const TCivilDate date = DecodeDate(serial);
    const auto minutes = static_cast<int>(std::floor(SerialTime(serial) * MinutesPerDay));
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.Year, date.Month, date.Day,
                  minutes / 60, minutes % 60);
    return text;
}

// The fault of a setting that lies `off` minutes from the calendar's own, when that is more
// than `tolerance`; empty otherwise.
std::string SettingFault(const char* what, double moment, double off, double tolerance) {
    if (std::fabs(off) <= tolerance)
        return {};
    char text[160];
    if (std::isfinite(off)) {
        std::snprintf(text, sizeof text, "%.1f minutes from the calendar's own (%.1f allowed)",
                      std::fabs(off), tolerance);
    } else {
        std::snprintf(text, sizeof text, "when the calendar's own has no such setting near it");
    }
    return std::string("gave the ") + what + " at Mecca as " + MeccaTimeText(moment) + ", " + text;
}

// The Umm al-Qura rule on the evening of fixed date EveFixed (date serial Eve), from the
// ephemeris's sunset and moonset, each checked against the calendar library's own sun and
// moon. Empty, with Fault saying what the ephemeris gave, when an answer the rule needs is
// missing or lies further from the calendar's own than the two sources ever differ.
std::optional<bool> JudgeEvening(const TTvkLocation& source, int32_t eveFixed, TDateTime eve,
                                 SolarState& solar, std::string& fault) {
    const TLocation& L = source.AstronomyLocation;
    // Only the times of the two settings decide, not where the bodies stand.
    const TSkyEvent sun = source.EventOnDay(BodySun, EventSet, eve, false, true, false);
    // The sun sets every day at Mecca.
    if (sun.IsEmpty()) {
        fault = "gave no sunset at Mecca on " + MeccaTimeText(eve + DateDelta).substr(0, 10);
        return std::nullopt;
    }
    const double sunset = sun.Time + DateDelta;  // standard-time moment
    fault = SettingFault("sunset", sunset, SunsetDisagreement(eveFixed, sunset, solar),
                         SunsetToleranceMinutes);
    if (!fault.empty())
        return std::nullopt;
    // Conjunction must have happened before sunset.
    if (!PhaseInWindow(TProtoDate::LunarPhase(TProtoDate::UniversalFromStandard(sunset, L), solar)))
        return false;

    // The moon, less than 25 degrees from the sun, sets within hours of it: always that day.
    const TSkyEvent moon = source.EventOnDay(BodyMoon, EventSet, eve, false, true, false);
    if (moon.IsEmpty()) {
        fault = "gave no moonset at Mecca on " + MeccaTimeText(eve + DateDelta).substr(0, 10);
        return std::nullopt;
    }
    const double moonset = moon.Time + DateDelta;
    if (moonset < sunset - EarliestMoonsetBeforeSunset) {
        fault = "gave the moonset at Mecca as " + MeccaTimeText(moonset) + ", in the morning";
        return std::nullopt;
    }
    fault = SettingFault("moonset", moonset, MoonsetDisagreement(moonset, solar),
                         MoonsetTolerance(moonset));
    if (!fault.empty())
        return std::nullopt;
    return sunset < moonset;
}

}  // namespace

constinit const TDateClass TSaudiIslamic::Class = {
    "TSaudiIslamic", &TObservationalIslamic::Class, &TSaudiIslamic::VisibleCrescent,
    &TSaudiIslamic::VisibilityLocation, /*CriterionHoldsOnlyAtMonthStart=*/true};

const TLocation& TSaudiIslamic::VisibilityLocation() {
    return TIslamic::MeccaLocation();
}

bool TSaudiIslamic::VisibleCrescent(int32_t Date, const TLocation& Location) {
    SolarState state;
    return VisibleCrescent(Date, Location, state);
}

bool TSaudiIslamic::VisibleCrescent(int32_t Date, const TLocation&, SolarState& State) {
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
    if (!PhaseInWindow(LunarPhase(UniversalFromStandard(Date, L), State)))
        return false;

    const int32_t eveFixed = CheckedSub(Date, 1, "TSaudiIslamic.VisibleCrescent");
    const TDateTime eve = DateTimeFromFixed(eveFixed);
    const double eveJd = JulianDayOfMeccaMidnight(eveFixed, L);
    for (;;) {
        // An evening the ephemeris does not cover cannot be judged. Answering false would let
        // the search run on through hundreds of days, or take a later evening for the month's
        // start: raise instead, which ends the conversion.
        if (!EphemerisRangeToward(eveJd, eveJd + EveningSearchDays)
                 .Covers(eveJd, eveJd + EveningSearchDays))
            throw ERangeError("TSaudiIslamic.VisibleCrescent: the evening before fixed date " +
                              std::to_string(Date) +
                              " lies outside the dates the ephemeris covers");
        std::string fault;
        if (const std::optional<bool> visible = JudgeEvening(source, eveFixed, eve, State, fault))
            return *visible;
        // The source gave an answer that cannot be right: judge the evening again on the next.
        if (!EphemerisSourceFailed(fault))
            throw EInvalidOp("TSaudiIslamic.VisibleCrescent: the ephemeris " + fault +
                             ", and no other source is left");
    }
}

bool UmAlQuraAnswers::VisibleCrescent(int32_t Date, const TLocation& Location,
                                      SolarState& Solar) {
    // An answer judged while its evening gave the source up, on the next source, is kept under
    // the source before and so dropped with the others at the next question.
    const uint64_t source = EphemerisSourceChanges();
    if (source != source_) {
        byDay_.clear();
        source_ = source;
    }
    const auto at = std::lower_bound(byDay_.begin(), byDay_.end(), Date,
                                     [](const TAnswer& a, int32_t day) { return a.Day < day; });
    if (at != byDay_.end() && at->Day == Date)
        return at->Visible;
    const bool visible = TSaudiIslamic::VisibleCrescent(Date, Location, Solar);
    byDay_.insert(at, {Date, visible});
    return visible;
}

bool TSaudiIslamic::TrySetFixed(int32_t Fixed, SolarState& Solar,
                                UmAlQuraAnswers& Answers) noexcept {
    try {
        const auto kept = [&Answers](int32_t Date, const TLocation& L, SolarState& State) {
            return Answers.VisibleCrescent(Date, L, State);
        };
        SetFromMonthStart(Fixed, PhasisOnOrBefore(Class, Fixed, VisibilityLocation(), Solar, kept));
        return true;
    } catch (...) {
        return false;
    }
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
