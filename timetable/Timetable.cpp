// The week's recompute: one parameter block per recompute, then for every row the civil date,
// the Umm al-Qura date and the six times from the calendar astronomy (Shrook, Maghrib, Asr,
// and Fajr and Isha below 48 degrees) and from PrayerTimes (Fajr and Isha at 48 degrees and
// beyond), each turned into the window's texts.

#include "timetable/Timetable.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <exception>
#include <mutex>
#include <numbers>
#include <optional>
#include <string>
#include <thread>

#include "calendar/Gregorian.h"
#include "calendar/Islamic.h"
#include "calendar/Location.h"
#include "calendar/ProtoDate.h"
#include "calendar/SaudiIslamic.h"
#include "calendar/SolarState.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"
#include "platform/HelperThreads.h"
#include "prayer/PrayerTimes.h"
#include "timetable/Prayers.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableText.h"

namespace orvandel {
namespace {

namespace pt = prayer;

constexpr double SafetyOffsetHours = 0.016383;                 // 58.9788 s
constexpr double RadiansPerDegree = 0.017453292519943295;      // pi / 180
constexpr double HighLatitudeRad = 0.83776;                    // 48.0001 deg
constexpr double ReferenceLatitudeRad = std::numbers::pi / 4;  // 45 deg
constexpr int Ramadan = 9;
// From this latitude the Moonsighting Committee takes a seventh of the night for Fajr and Isha
// in place of the twilight angle, its seasonal minutes still bounding them.
constexpr double SeventhOfNightLatitudeDegrees = 55.0;
constexpr const char* LocationName = "Current UI Location";

// Runs at least this long are computed on more than one thread, in blocks of at most
// MaxRowsPerBlock rows, at least two blocks per thread. A week is quicker on one thread than
// with a thread started and joined for it.
constexpr int ParallelRunDays = 32;
constexpr int MaxRowsPerBlock = 16;
// Runs at least this long take the locale's names once for all their civil dates.
constexpr int NamesTakenOnceDays = 32;

// The time of day of a moment as a fraction in [0, 1): Frac(2.75) = 0.75, Frac(-0.25) = 0.75.
// A zone far west of the longitude puts the events of fixed date 1 before moment 0.
double Frac(double x) {
    return x - std::floor(x);
}

// The time of day of the moment halfway between a and b. Formed in extended precision, so that
// where both fall on the same day it is the mean of their times of day to well below a
// microsecond.
double Midpoint(double a, double b) {
    const long double middle = (static_cast<long double>(a) + b) / 2.0L;
    return static_cast<double>(middle - std::floor(middle));
}

// Dawn and Dusk answer 0.0 when no trial approximation succeeds, but their final refinement
// can still raise "Bogus time" on ordinary settings (a 19.5 deg Fajr at 47.6 N in early July).
// For the table such an event does not occur, exactly like the 0.0: the row shows the safety
// offset alone instead of the whole week failing.
double DawnOrNone(int32_t fixed, const TLocation& location, double alpha, SolarState& solar) {
    try {
        return TProtoDate::Dawn(fixed, location, alpha, solar);
    } catch (const EInvalidOp&) {
        return 0.0;
    }
}

double DuskOrNone(int32_t fixed, const TLocation& location, double alpha, SolarState& solar) {
    try {
        return TProtoDate::Dusk(fixed, location, alpha, solar);
    } catch (const EInvalidOp&) {
        return 0.0;
    }
}

// Whole minutes of a minute count >= 0: to the nearest (halves to the even number) or
// truncated. A count within 1e-9 minute of a multiple of half a minute is taken as that
// multiple: the hours carry rounding noise of about 1e-13 minute, which must not turn an exact
// 29.5 into 29.4999... or 35 into 34.999...
long long WholeMinutes(double minutes, bool nearest) {
    const double halves = std::round(minutes * 2.0);
    if (std::fabs(minutes * 2.0 - halves) < 2e-9) {
        minutes = halves / 2.0;
    }
    const double below = std::floor(minutes);
    if (!nearest) {
        return static_cast<long long>(below);
    }
    const double excess = minutes - below;
    const auto whole = static_cast<long long>(below);
    if (excess > 0.5) {
        return whole + 1;
    }
    if (excess < 0.5) {
        return whole;
    }
    return whole % 2 == 0 ? whole : whole + 1;
}

// A time in decimal hours split into the clock's hour and minute: the hour truncated, the
// minute rounded as chosen, minute 60 carried into the hour. A negative time (possible from
// PrayerTimes at 48 degrees and beyond with a zone far from the longitude) is split by its
// magnitude and keeps its sign, so that it reads "-0:30" rather than "0:-30".
struct ClockTime {
    bool Negative;
    long long Hour;    // >= 0, not wrapped: 24.25 h gives 24
    long long Minute;  // [0, 59]
};

ClockTime SplitHours(double hours, bool nearest) {
    if (!std::isfinite(hours)) {
        throw EInvalidOp("FormatTimeText: time " + std::to_string(hours) + " is not a number");
    }
    if (std::fabs(hours) > 1e6) {
        throw ERangeError("FormatTimeText: time " + std::to_string(hours) +
                          " h outside -1000000..1000000");
    }
    const double magnitude = std::fabs(hours);
    long long hour = static_cast<long long>(std::trunc(magnitude));
    long long minute = WholeMinutes(Frac(magnitude) * 60.0, nearest);
    if (minute > 59) {
        minute -= 60;
        hour += 1;
    }
    return {hours < 0 && (hour != 0 || minute != 0), hour, minute};
}

constexpr int MinutesPerDay = 1440;

// The shown minute of an event `hours` after the row's midnight, counted from that midnight
// with its date: the minute rounding applies to the time of day on the event's own date, so
// that a time before midnight is truncated toward the earlier minute like any other.
int EventMinutesOf(double hours, bool nearest) {
    if (!std::isfinite(hours) || std::fabs(hours) > 1e6) {
        return ShownMinutesOf(hours, nearest);  // raises the error of the texts
    }
    const double days = std::floor(hours / 24.0);
    const ClockTime clock = SplitHours(hours - 24.0 * days, nearest);  // [0:00, 24:00]
    const long long minutes =
        static_cast<long long>(days) * MinutesPerDay + clock.Hour * 60 + clock.Minute;
    return NarrowToInt32(minutes, "EventMinutesOf");
}

// The parameter block of one recompute.
pt::PrayerParameters ParameterBlock(const TimetableSettings& settings, const TCalcMethod& method,
                                    double zoneOffset) {
    pt::PrayerParameters block{};
    block[pt::SafetyOffset] = settings.AddSafetyTime ? SafetyOffsetHours : 0.0;
    block[pt::EveningElevation] = 0.0;
    block[pt::MorningElevation] = 0.0;
    block[pt::ZoneOffset] = zoneOffset;
    block[pt::FajrAngle] = method.FajrDegrees * RadiansPerDegree;
    block[pt::IshaAngle] = method.IshaDegrees * RadiansPerDegree;
    block[pt::AsrShadow] = JuristicOf(settings.Juristic).ShadowFactor;
    block[pt::ReferenceLatitude] = ReferenceLatitudeRad;
    block[pt::IshaInterval] = method.IshaIntervalHours;
    block[pt::LongitudeRad] = settings.Longitude * RadiansPerDegree;
    block[pt::LatitudeRad] = settings.Latitude * RadiansPerDegree;
    return block;
}

// The month of the last completed Umm al-Qura conversion of a run. The crescent search is by
// far the dearest step of a row, and an Umm al-Qura month has 29 or 30 days: so days 1 to 29
// of a month follow its first converted day by counting, and only day 30, a day before the
// known month or a later month is converted in full. A run of a year then makes about 25
// searches instead of 366, with the same dates.
struct KnownMonth {
    bool Known = false;
    int32_t Start = 0;  // fixed date of day 1
    int32_t Year = 0, Month = 0;
};

// Everything one recompute holds fixed for its rows: read by every thread, changed by none.
struct RowContext {
    const TimetableSettings& Settings;
    const TCalcMethod& Method;
    TLocation Location;  // the place, on the settings' zone
    pt::PrayerParameters Parameters;
    double SafetyOffset;  // hours
    // Fajr and Isha from PrayerTimes (48.0001 degrees and beyond, under the 48-degree rule,
    // for a method without its own seasonal bounds).
    bool HighLatitude;
    // The days by which the zone's date runs ahead of the place's solar day (SolarDaysBehind).
    int32_t SolarDaysBehind;
    // The locale's names taken once for a long run instead of twice per row; none for a short
    // one.
    std::optional<TCivilDateNames> DateNames;
};

// How many days the zone's date runs ahead of the place's mean solar day: 0 while the zone
// lies within 12 hours of the place's mean time, as every zone near its longitude does. A zone
// further ahead (+14 at 157 degrees west, +13 at 172 degrees west) reads on its date D the
// events of the place's solar day D - 1, one further behind on its date D those of D + 1: the
// astronomy of a row of date D is that of the solar day D minus these days, so that every
// time of the row falls on its own date on the zone's clock.
int32_t SolarDaysBehind(double zoneHours, double longitude) {
    const double lead = zoneHours - longitude / 15.0;  // hours ahead of mean solar time
    if (std::fabs(lead) <= 12.0) {
        return 0;
    }
    const auto days = static_cast<int32_t>(std::ceil((std::fabs(lead) - 12.0) / 24.0));
    return lead > 0 ? days : -days;
}

RowContext StartRecompute(const TimetableSettings& settings) {
    const TCalcMethod& method = CalcMethodAt(settings.CalcMethod, "RefreshTimetable");
    const double zoneOffset = SettingsZoneHours(settings);
    const pt::PrayerParameters block = ParameterBlock(settings, method, zoneOffset);
    return RowContext{settings,
                      method,
                      TLocation(LocationName, settings.Latitude, settings.Longitude,
                                settings.Elevation, zoneOffset),
                      block,
                      block[pt::SafetyOffset],
                      settings.HighLatRule == HighLatitudeRule::Rule48 &&
                          method.Twilight != TwilightRule::Seasonal &&
                          !(std::fabs(block[pt::LatitudeRad]) < HighLatitudeRad),
                      SolarDaysBehind(zoneOffset, settings.Longitude),
                      {}};
}

std::string HijriMonthText(int32_t month, int32_t year) {
    return TProtoDate::MonthName(month, IslamicMonthNames) + " " + std::to_string(year);
}

}  // namespace

std::string FormatTimeText(double hours, bool roundMinutes, bool twelveHours) {
    const ClockTime clock = SplitHours(hours, roundMinutes);
    // " -h:mm", written directly: twelve of these per row.
    char buffer[32] = {' ', '-'};
    char* end = buffer + (clock.Negative ? 2 : 1);
    end = std::to_chars(end, buffer + sizeof buffer - 3,
                        twelveHours ? TwelveHourForm(clock.Hour) : clock.Hour)
              .ptr;
    *end++ = ':';
    *end++ = static_cast<char>('0' + clock.Minute / 10);
    *end++ = static_cast<char>('0' + clock.Minute % 10);
    return std::string(buffer, end);
}

int ShownMinutesOf(double hours, bool roundMinutes) {
    const ClockTime clock = SplitHours(hours, roundMinutes);
    const long long minutes = clock.Hour * 60 + clock.Minute;
    return NarrowToInt32(clock.Negative ? -minutes : minutes, "ShownMinutesOf");
}

long long TwelveHourForm(long long hour) {
    return hour > 12 ? (hour - 1) % 12 + 1 : hour;
}

int ZoneOffsetMinutes(int gmtHours, int gmtMinutes) {
    const int sign = gmtHours >= 0 ? 1 : -1;
    return CheckedAdd(CheckedMul(gmtHours, 60), CheckedMul(sign, gmtMinutes));
}

int SettingsZoneSeconds(const TimetableSettings& settings) {
    return settings.ZoneOffsetSeconds.value_or(
        CheckedMul(60, ZoneOffsetMinutes(settings.GmtHours, settings.GmtMinutes)));
}

double SettingsZoneHours(const TimetableSettings& settings) {
    if (settings.ZoneOffsetSeconds) {
        return *settings.ZoneOffsetSeconds / 3600.0;
    }
    return settings.GmtHours + (settings.GmtHours >= 0 ? 1 : -1) * settings.GmtMinutes / 60.0;
}

void CheckHijriMonth(int32_t Fixed, int32_t Year, int32_t Month, int32_t Day,
                     const std::optional<THijriMonth>& Previous) {
    const auto fail = [&](const std::string& what) {
        throw EInvalidOp("Umm al-Qura date of " + IsoDateText(Fixed) + ": " + what +
                         "; a Hijri month has 29 or 30 days");
    };
    if (Day < 1 || Day > 30) {
        fail("the crescent search gives day " + std::to_string(Day) + " of " +
             HijriMonthText(Month, Year));
    }
    if (Previous &&
        int64_t{Year} * 12 + Month == int64_t{Previous->Year} * 12 + Previous->Month + 1) {
        const int64_t length = int64_t{Fixed} - (Day - 1) - Previous->Start;
        if (length != 29 && length != 30) {
            fail(HijriMonthText(Previous->Month, Previous->Year) + " would have " +
                 std::to_string(length) + " days");
        }
    }
}

namespace {

// The row's Hijri date: the Umm al-Qura date of the fixed date `fixed` (the row's, moved by
// the user's Hijri adjustment), by counting within the month known from the run's last
// conversion, else by a conversion of its own. A conversion that does not complete gives no
// date (its date object, left partly updated, is dropped with it). The crescent search uses
// the solar state of this thread and the criterion's answers of the run.
void SetHijriDate(KnownMonth& month, int32_t fixed, TimetableDay& day, SolarState& solar,
                  UmAlQuraAnswers& crescents) {
    const int32_t offset = fixed - month.Start;  // day of month - 1 when known
    TSaudiIslamic converted;
    if (month.Known && offset >= 0 && offset < 29) {
        day.HijriValid = true;
        day.HijriYear = month.Year;
        day.HijriMonth = month.Month;
        day.HijriDay = offset + 1;
    } else if (UmAlQuraMayConvert(fixed) && converted.TrySetFixed(fixed, solar, crescents) &&
               converted.Year >= 1) {
        // Before 1 Muharram 1 (16 July 622) the conversion counts years 0 and below, which no
        // Hijri date has.
        CheckHijriMonth(fixed, converted.Year, converted.Month, converted.Day,
                        month.Known ? std::optional<THijriMonth>(
                                          THijriMonth{month.Year, month.Month, month.Start})
                                    : std::nullopt);
        day.HijriValid = true;
        day.HijriYear = converted.Year;
        day.HijriMonth = converted.Month;
        day.HijriDay = converted.Day;
        month = {day.HijriDay >= 1 && day.HijriDay <= 30, fixed - (day.HijriDay - 1), day.HijriYear,
                 day.HijriMonth};
    } else {
        day.HijriValid = false;
        day.HijriYear = day.HijriMonth = day.HijriDay = 0;
        month.Known = false;
    }
    if (day.HijriValid) {
        day.HijriDateText = std::to_string(day.HijriDay) + " " +
                            TProtoDate::MonthName(day.HijriMonth, IslamicMonthNames) + " " +
                            std::to_string(day.HijriYear);
    } else {
        day.HijriDateText.clear();
    }
}

// The moments of one row's events and the high-latitude routine's times: the astronomy of a
// row, which needs nothing of its Hijri date.
struct RowEvents {
    int32_t DaysBehind = 0;  // the row's date less its solar day's
    double Sunrise = 0.0, Sunset = 0.0, AsrMoment = 0.0;
    double Dawn = 0.0, Dusk = 0.0;  // below 48 degrees; no Dusk where Isha follows Maghrib
    double MaghribDusk = 0.0;       // where the method's Maghrib is by angle
    pt::PrayerResults Results{};    // at 48 degrees and beyond
    // At 48 degrees and beyond: the routine computed the day at the reference latitude, and
    // the shares of the night it takes where the twilight angle is not reached.
    bool ExtremeDay = false;
    pt::TNightFractions Fractions{};
};

// A row with its date serial and fixed date.
TimetableDay StartRow(int64_t serialDay) {
    TimetableDay day;
    day.Serial = static_cast<TDateTime>(serialDay);
    day.Fixed = FixedFromDateTime(day.Serial);  // EIntOverflow beyond 32 bits
    return day;
}

// The civil date text and the astronomy of a started row; reads only what the recompute holds
// fixed, so rows may be computed on several threads at once, also while the Hijri dates are
// found. Each thread passes its own solar state from row to row.
RowEvents ComputeEvents(const RowContext& context, TimetableDay& day, SolarState& solar) {
    const TLocation& location = context.Location;
    if (!context.Settings.CivilDateTexts) {
        DecodeDate(day.Serial);  // EConvertError outside years 1..9999, as the text would raise
    } else {
        day.CivilDateText = context.DateNames ? CivilDateText(day.Serial, *context.DateNames)
                                              : CivilDateText(day.Serial);
    }

    // The solar day whose events fall on the row's date on the zone's clock. The calendar's
    // first and last days have none beyond them: there the row keeps its own solar day.
    RowEvents events{};
    const int32_t behind = day.Fixed - context.SolarDaysBehind;
    events.DaysBehind = CivilFixedRange.Contains(behind) ? context.SolarDaysBehind : 0;
    const int32_t solarDay = day.Fixed - events.DaysBehind;
    // Fajr and Isha of PrayerTimes are used at 48 degrees and beyond only.
    if (context.HighLatitude) {
        // EConvertError outside years 1..9999.
        const TCivilDate civil = DecodeDate(day.Serial - events.DaysBehind);
        const pt::PrayerParameters& p = context.Parameters;
        pt::PrayerTimes(civil.Year, civil.Month, civil.Day, p, events.Results);
        events.ExtremeDay =
            pt::IsExtremeDay(pt::SolarDay(civil.Year, civil.Month, civil.Day, p[pt::LongitudeRad],
                                          p[pt::LatitudeRad], p[pt::ZoneOffset]));
        if (events.ExtremeDay) {
            events.Fractions =
                pt::NightFractions(civil.Year, p[pt::LatitudeRad] >= 0.0 ? 6 : 12, 21, p);
        }
    }
    events.Sunrise = TProtoDate::Sunrise(solarDay, location, solar);
    events.Sunset = TProtoDate::Sunset(solarDay, location, solar);
    const auto shadow = static_cast<int32_t>(std::trunc(context.Parameters[pt::AsrShadow]));
    events.AsrMoment = TIslamic::Asr(solarDay, location, shadow, solar);
    if (context.Method.MaghribByAngle()) {
        events.MaghribDusk = DuskOrNone(solarDay, location, context.Method.MaghribDegrees, solar);
    }
    if (!context.HighLatitude) {
        events.Dawn = DawnOrNone(solarDay, location, context.Method.FajrDegrees, solar);
        if (!context.Method.IshaFollowsMaghrib()) {
            events.Dusk = DuskOrNone(solarDay, location, context.Method.IshaDegrees, solar);
        }
    }
    return events;
}

// Hours after the row's midnight of an event at `moment`, with the safety offset; a time
// without its event (moment 0.0) keeps the hours of its text, `shown`.
double EventHoursOf(const TimetableDay& day, double moment, double shown, double safety) {
    return moment != 0.0 ? 24.0 * (moment - day.Fixed) + safety : shown;
}

// Shrook, Dhuhr, Asr and Maghrib of a row, from the calendar astronomy at every latitude.
void SetSunTimes(const RowEvents& events, double safety, TimetableDay& day) {
    const double sunrise = events.Sunrise;
    const double sunset = events.Sunset;
    const double asr = events.AsrMoment;
    std::array<double, 6>& t = day.Hours;
    std::array<double, 6>& e = day.EventHours;
    std::array<bool, 6>& occurs = day.Occurs;
    t[Shrook] = 24.0 * Frac(sunrise) + safety;
    t[Maghrib] = 24.0 * Frac(sunset) + safety;
    t[Asr] = 24.0 * Frac(asr) + safety;
    // Dhuhr is the midpoint of the two moments, not of their clock times: where the zone lies
    // far from the longitude, sunrise and sunset fall on different sides of midnight.
    t[Dhuhr] = sunrise != 0.0 && sunset != 0.0 ? 24.0 * Midpoint(sunrise, sunset) + safety
                                               : (t[Maghrib] + t[Shrook]) / 2.0;
    occurs[Shrook] = sunrise != 0.0;
    occurs[Maghrib] = sunset != 0.0;
    occurs[Asr] = asr != 0.0;
    occurs[Dhuhr] = occurs[Shrook] && occurs[Maghrib];

    e[Shrook] = EventHoursOf(day, sunrise, t[Shrook], safety);
    e[Maghrib] = EventHoursOf(day, sunset, t[Maghrib], safety);
    e[Asr] = EventHoursOf(day, asr, t[Asr], safety);
    e[Dhuhr] = occurs[Dhuhr] ? (e[Shrook] + e[Maghrib]) / 2.0 : t[Dhuhr];
}

// Maghrib at the method's angle below the horizon in place of sunset, where it has one.
// Dhuhr stays the midpoint of sunrise and sunset.
void SetMaghribByAngle(const RowEvents& events, double safety, TimetableDay& day) {
    const double dusk = events.MaghribDusk;
    day.Hours[Maghrib] = 24.0 * Frac(dusk) + safety;
    day.Occurs[Maghrib] = dusk != 0.0;
    day.EventHours[Maghrib] = EventHoursOf(day, dusk, day.Hours[Maghrib], safety);
}

// The time of day of event hours after the row's midnight: 24.2 gives 0.2, -0.2 gives 23.8.
double TimeOfDay(double hours) {
    return hours - 24.0 * std::floor(hours / 24.0);
}

// Time `p` at `hours` after the row's midnight, on the clock and as its event.
void SetTimeAt(Prayer p, double hours, TimetableDay& day) {
    day.EventHours[p] = hours;
    day.Hours[p] = TimeOfDay(hours);
    day.Occurs[p] = true;
}

// Fajr no earlier than `limit` and Isha no later than `limit` (event hours after the row's
// midnight); a Fajr or Isha that does not occur takes the limit.
void KeepFajrFrom(double limit, TimetableDay& day) {
    if (!day.Occurs[Fajr] || day.EventHours[Fajr] < limit) {
        SetTimeAt(Fajr, limit, day);
    }
}
void KeepIshaUntil(double limit, TimetableDay& day) {
    if (!day.Occurs[Isha] || day.EventHours[Isha] > limit) {
        SetTimeAt(Isha, limit, day);
    }
}

// The Moonsighting Committee's bounds: Fajr no earlier and Isha no later than the seasonal
// minutes from sunrise and sunset; from 55 degrees on, a seventh of the night from them in
// place of the twilight angle. A day without sunrise or sunset keeps its times.
void KeepWithinSeasons(const RowContext& context, TimetableDay& day, bool isha) {
    const std::array<double, 6>& e = day.EventHours;
    if (!day.Occurs[Shrook] || !day.Occurs[Maghrib]) {
        return;
    }
    const double latitude = context.Settings.Latitude;
    if (std::fabs(latitude) >= SeventhOfNightLatitudeDegrees) {
        const double night = 24.0 - (e[Maghrib] - e[Shrook]);  // hours
        SetTimeAt(Fajr, e[Shrook] - night / 7.0, day);
        if (isha) {
            SetTimeAt(Isha, e[Maghrib] + night / 7.0, day);
        }
    }
    const int32_t solarDay = day.Fixed;
    const int32_t year = TGregorian::GregorianYearFromFixed(solarDay);
    const int dayOfYear = static_cast<int>(solarDay - FixedFromGregorian(year, 1, 1)) + 1;
    const bool leap = TGregorian::GregorianLeapYear(year);
    KeepFajrFrom(e[Shrook] - SeasonalTwilightMinutes(true, latitude, dayOfYear, leap) / 60.0, day);
    if (isha) {
        KeepIshaUntil(e[Maghrib] + SeasonalTwilightMinutes(false, latitude, dayOfYear, leap) / 60.0,
                      day);
    }
}

// The share of the night (sunset to the next sunrise) within which a rule other than Rule48
// keeps Fajr from sunrise and Isha from sunset: a half, a seventh, or angle / 60.
double NightShare(HighLatitudeRule rule, double angleDegrees) {
    switch (rule) {
        case HighLatitudeRule::Middle:
            return 0.5;
        case HighLatitudeRule::Seventh:
            return 1.0 / 7.0;
        case HighLatitudeRule::Angle:
            return angleDegrees / 60.0;
        case HighLatitudeRule::Rule48:
            break;
    }
    throw EInvalidOp("NightShare: the 48-degree rule limits no time by the night");
}

// Fajr no earlier than its share of the night before sunrise, and (with `isha`) Isha no later
// than its share after sunset; a dawn or dusk that does not occur takes that limit. A day
// without sunrise or sunset has no night to share and keeps its times.
void LimitToShareOfNight(const RowContext& context, TimetableDay& day, bool isha) {
    const std::array<double, 6>& e = day.EventHours;
    if (!day.Occurs[Shrook] || !day.Occurs[Maghrib]) {
        return;
    }
    const HighLatitudeRule rule = context.Settings.HighLatRule;
    const double night = 24.0 - (e[Maghrib] - e[Shrook]);  // hours
    KeepFajrFrom(e[Shrook] - NightShare(rule, context.Method.FajrDegrees) * night, day);
    if (isha) {
        KeepIshaUntil(e[Maghrib] + NightShare(rule, context.Method.IshaDegrees) * night, day);
    }
}

// Fajr and Isha of a row whose Maghrib is set: from the calendar astronomy below 48 degrees,
// from the high-latitude routine beyond; Isha at the method's interval after Maghrib (longer
// in Ramadan) where the method says so.
void SetFajrAndIsha(const RowContext& context, const RowEvents& events, TimetableDay& day) {
    const double safety = context.SafetyOffset;
    std::array<double, 6>& t = day.Hours;
    std::array<double, 6>& e = day.EventHours;
    std::array<bool, 6>& occurs = day.Occurs;
    const bool ishaAfterMaghrib = context.Method.IshaFollowsMaghrib();
    const double ishaInterval = day.HijriValid && day.HijriMonth == Ramadan
                                    ? context.Method.RamadanIshaIntervalHours
                                    : context.Method.IshaIntervalHours;
    const double intervalIsha = t[Maghrib] + ishaInterval;
    if (context.HighLatitude) {
        // The high-latitude routine always answers a time (by the night fraction where the
        // twilight angle is not reached), in hours from the row's midnight that may pass 24
        // or fall below 0.
        // Its hours count from the midnight of the solar day's date.
        const pt::PrayerResults& results = events.Results;
        const double solarDayHours = -24.0 * events.DaysBehind;
        t[Fajr] = results[pt::Fajr] + solarDayHours;
        t[Isha] = ishaAfterMaghrib ? intervalIsha : results[pt::Isha] + solarDayHours;
        occurs[Isha] = !ishaAfterMaghrib || occurs[Maghrib];
        e[Fajr] = t[Fajr];
        e[Isha] = ishaAfterMaghrib ? e[Maghrib] + ishaInterval : t[Isha];
        if (events.ExtremeDay && occurs[Shrook] && occurs[Maghrib]) {
            // The routine takes a day of 23 hours or more at the reference latitude, whose
            // night is not this place's: its Fajr can fall after the sunrise shown (65.6 to
            // 65.73 degrees near the solstice). Where the place's own sun rises and sets, Fajr
            // and Isha take the routine's shares of the place's own night instead, as the
            // routine does on a day whose twilight never ends. Its sunrise carries no safety
            // offset; the shares do.
            const double night = 24.0 - (e[Maghrib] - e[Shrook]);  // hours
            t[Fajr] = e[Fajr] = e[Shrook] - safety - night * events.Fractions.Fajr;
            if (!ishaAfterMaghrib) {
                t[Isha] = e[Isha] = e[Maghrib] - safety + night * events.Fractions.Isha;
            }
        }
        return;
    }
    t[Fajr] = 24.0 * Frac(events.Dawn) + safety;
    occurs[Fajr] = events.Dawn != 0.0;
    e[Fajr] = EventHoursOf(day, events.Dawn, t[Fajr], safety);
    if (ishaAfterMaghrib) {
        t[Isha] = intervalIsha;
        occurs[Isha] = occurs[Maghrib];
        e[Isha] = e[Maghrib] + ishaInterval;
    } else {
        t[Isha] = 24.0 * Frac(events.Dusk) + safety;
        occurs[Isha] = events.Dusk != 0.0;
        e[Isha] = EventHoursOf(day, events.Dusk, t[Isha], safety);
    }
    if (context.Method.Twilight == TwilightRule::Seasonal) {
        KeepWithinSeasons(context, day, !ishaAfterMaghrib);
    }
    if (context.Settings.HighLatRule != HighLatitudeRule::Rule48) {
        LimitToShareOfNight(context, day, !ishaAfterMaghrib);
    }
    // A dawn just before midnight on the evening before that the safety time or the rounding
    // carries to midnight is shown at 0:00 of the row's own day, where its event lies, not as
    // 24:00.
    if (ShownMinutesOf(t[Fajr], context.Settings.RoundMinutes) >= MinutesPerDay) {
        t[Fajr] -= 24.0;
    }
}

// Minutes on each time that occurs, on the clock and on its event alike: the method's own,
// its rounding, then the user's.
template <typename Minutes>
void AddMinutes(const std::array<Minutes, 6>& minutes, TimetableDay& day) {
    for (const Prayer p : {Fajr, Shrook, Dhuhr, Asr, Maghrib, Isha}) {
        if (minutes[p] != 0 && day.Occurs[p]) {
            day.Hours[p] += minutes[p] / 60.0;
            day.EventHours[p] += minutes[p] / 60.0;
        }
    }
}

// Sunset-based counting: every time counted from sunset, which becomes 12:00.
void CountFromSunset(std::array<double, 6>& t) {
    for (const Prayer p : {Fajr, Shrook, Dhuhr, Asr, Isha}) {
        t[p] = t[p] - t[Maghrib] + 12.0;
        if (t[p] >= 13.0) {
            t[p] -= 12.0;
        }
        if (t[p] < 0.0) {
            t[p] += 12.0;
        }
    }
    t[Maghrib] = 12.0;
}

// The times and their texts from the row's events, once its Hijri date is known (the Umm
// al-Qura Isha depends on the month).
void FinishRow(const RowContext& context, const RowEvents& events, TimetableDay& day) {
    const TimetableSettings& settings = context.Settings;
    SetSunTimes(events, context.SafetyOffset, day);
    if (context.Method.MaghribByAngle()) {
        SetMaghribByAngle(events, context.SafetyOffset, day);
    }
    SetFajrAndIsha(context, events, day);
    AddMinutes(context.Method.Minutes, day);
    if (context.Method.RoundsToNearest) {
        std::array<double, 6> halfMinuteEarlier{};
        halfMinuteEarlier.fill(-0.5);
        AddMinutes(halfMinuteEarlier, day);
    }
    AddMinutes(settings.AdjustMinutes, day);
    if (settings.SunsetBased) {
        CountFromSunset(day.Hours);
    }
    for (const Prayer p : {Fajr, Shrook, Dhuhr, Asr, Maghrib, Isha}) {
        day.EventMinutes[p] = EventMinutesOf(day.EventHours[p], settings.RoundMinutes);
        day.DayOffset[p] = TProtoDate::IntQuotient(day.EventMinutes[p], MinutesPerDay);
        day.ShownMinutes[p] = ShownMinutesOf(day.Hours[p], settings.RoundMinutes);
        day.TimeTexts[p] =
            FormatTimeText(day.Hours[p], settings.RoundMinutes, settings.TwelveHours);
        day.GridTexts[p] = FormatTimeText(day.Hours[p], settings.RoundMinutes, true);
    }
}

// The rows' days from the date serial day `firstSerial`. A day without a fixed date ends the
// run there; its error goes to `stopped`, to be raised once the rows before it are done, as a
// computation row by row would have met it.
std::vector<TimetableDay> StartRows(int64_t firstSerial, int count, std::exception_ptr& stopped) {
    std::vector<TimetableDay> days;
    days.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        try {
            days.push_back(StartRow(firstSerial + i));
        } catch (...) {
            stopped = std::current_exception();
            break;
        }
    }
    return days;
}

// The Umm al-Qura dates of the rows, in order and on this thread: they use the ephemeris
// library, whose state is global, and the month found for one row serves the next. Within one
// recompute an evening's answer cannot change, so the searches of the run share the
// criterion's answers. A source of the ephemeris given up on the way may have answered some
// evenings already: then the dates are found again, from the source used instead (the answers
// it gave are dropped with it).
void SetHijriDates(std::vector<TimetableDay>& days, int adjustDays, SolarState& solar) {
    UmAlQuraAnswers crescents;
    for (;;) {
        const uint64_t sources = EphemerisSourceChanges();
        KnownMonth month;
        for (TimetableDay& day : days) {
            SetHijriDate(month, day.Fixed + adjustDays, day, solar, crescents);
        }
        if (EphemerisSourceChanges() == sources) {
            return;
        }
    }
}

// The astronomy of a run's rows, shared out a block of rows at a time: each block stops at its
// first error, which it keeps with its row.
class EventBlocks {
  public:
    struct Failure {
        int Row = INT_MAX;  // the first row that failed
        std::exception_ptr Error;
    };

    EventBlocks(RowContext& context, std::vector<TimetableDay>& days, int threads)
        : context_(context),
          days_(days),
          rows_(static_cast<int>(days.size())),
          rowsPerBlock_(std::clamp(rows_ / (2 * threads), 1, MaxRowsPerBlock)),
          blockCount_((rows_ + rowsPerBlock_ - 1) / rowsPerBlock_),
          failures_(static_cast<size_t>(blockCount_)),
          events_(static_cast<size_t>(rows_)) {}

    // Takes blocks until none is left; called by every thread, each with its own solar state.
    void Compute(SolarState& solar) {
        if (rows_ >= NamesTakenOnceDays && context_.Settings.CivilDateTexts) {
            std::call_once(namesTaken_, [this] { TakeNames(); });
        }
        for (int block = next_++; block < blockCount_; block = next_++) {
            const int end = std::min(rows_, (block + 1) * rowsPerBlock_);
            for (int i = block * rowsPerBlock_; i < end; ++i) {
                try {
                    events_[static_cast<size_t>(i)] =
                        ComputeEvents(context_, days_[static_cast<size_t>(i)], solar);
                } catch (...) {
                    failures_[static_cast<size_t>(block)] = {i, std::current_exception()};
                    break;
                }
            }
        }
    }

    // Each row's times and texts, in order; the earliest failing row's error is raised, as in
    // a computation row by row.
    void Finish() const {
        for (int block = 0; block < blockCount_; ++block) {
            const Failure& failure = failures_[static_cast<size_t>(block)];
            const int end = std::min({rows_, (block + 1) * rowsPerBlock_, failure.Row});
            for (int i = block * rowsPerBlock_; i < end; ++i) {
                FinishRow(context_, events_[static_cast<size_t>(i)], days_[static_cast<size_t>(i)]);
            }
            if (failure.Error) {
                std::rethrow_exception(failure.Error);
            }
        }
    }

  private:
    // The first thread at work takes the names of a long run's civil dates, the others wait.
    // Should that fail, each row formats its own date and meets the failure itself.
    void TakeNames() {
        try {
            context_.DateNames = TCivilDateNames::OfLocale();
        } catch (...) {
            context_.DateNames.reset();
        }
    }

    RowContext& context_;
    std::vector<TimetableDay>& days_;
    const int rows_;
    const int rowsPerBlock_;
    const int blockCount_;
    std::vector<Failure> failures_;
    std::vector<RowEvents> events_;
    std::atomic<int> next_{0};
    std::once_flag namesTaken_;
};

// `count` rows from the date serial day `firstSerial`: the Umm al-Qura dates in order on this
// thread, the times of a long run on several threads. The astronomy of every row needs no
// Hijri date: it is shared out among one thread per core while this thread finds the dates,
// and this thread joins in once they are known and takes every block left, also all of them
// should the system start no helper.
std::vector<TimetableDay> ComputeRows(const TimetableSettings& settings, int64_t firstSerial,
                                      int count) {
    RowContext context = StartRecompute(settings);
    std::exception_ptr stopped;
    std::vector<TimetableDay> days = StartRows(firstSerial, count, stopped);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const int threads = static_cast<int>(days.size()) >= ParallelRunDays
                            ? static_cast<int>(std::min(cores, 8u))
                            : 1;
    EventBlocks blocks(context, days, threads);
    {
        const HelperThreads helpers(threads - 1, [&] {
            SolarState solar;
            blocks.Compute(solar);
        });
        // This thread's, for the crescent searches of the dates and then for its rows: both
        // ask for the sun on the days of the run.
        SolarState solar;
        SetHijriDates(days, settings.HijriAdjustDays, solar);
        blocks.Compute(solar);
    }  // joins the helpers
    blocks.Finish();
    if (stopped) {
        std::rethrow_exception(stopped);
    }
    return days;
}

// The civil date text of `date` from its day and month names.
std::string SpellCivilDate(const TCivilDate& civil, std::string_view dayName,
                           std::string_view monthName) {
    const auto digit = [](int value) { return static_cast<char>('0' + value % 10); };
    std::string text(dayName);
    text += ' ';
    text += digit(civil.Day / 10);
    text += digit(civil.Day);
    text += '-';
    text += monthName;
    text += '-';
    for (const int scale : {1000, 100, 10, 1}) {
        text += digit(civil.Year / scale);
    }
    return text;
}

}  // namespace

TCivilDateNames TCivilDateNames::OfLocale() {
    TCivilDateNames names;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        names.Days[static_cast<size_t>(weekday - 1)] = ShortDayName(weekday);
    }
    for (int month = 1; month <= 12; ++month) {
        names.Months[static_cast<size_t>(month - 1)] = ShortMonthName(month);
    }
    return names;
}

std::string CivilDateText(TDateTime date) {
    const TCivilDate civil = DecodeDate(date);  // EConvertError outside years 1..9999
    return SpellCivilDate(civil, ShortDayName(DayOfWeek(date)), ShortMonthName(civil.Month));
}

std::string CivilDateText(TDateTime date, const TCivilDateNames& names) {
    const TCivilDate civil = DecodeDate(date);  // EConvertError outside years 1..9999
    return SpellCivilDate(civil, names.Days[static_cast<size_t>(DayOfWeek(date) - 1)],
                          names.Months[static_cast<size_t>(civil.Month - 1)]);
}

int64_t WeekStartSerial(TDateTime date) {
    const int dow = DayOfWeek(date);  // 1 Sunday ... 7 Saturday
    return SerialDay(date) - (dow == 7 ? 0 : dow);
}

Timetable TimetableEngine::WeekFrame(const TimetableSettings& settings, int64_t& firstSerial) {
    Timetable table;
    table.DateColumnOnRight = settings.RightToLeft;
    for (const TPrayerInfo& prayer : Prayers) {
        std::string& header =
            table.HeaderTexts[static_cast<size_t>(table.ColumnOf(static_cast<int>(prayer.Index)))];
        header = ' ';
        header += prayer.Name;
    }

    firstSerial = WeekStartSerial(settings.Date);
    table.CurrentDayRow = static_cast<int>(SerialDay(settings.Date) - firstSerial) + 1;  // [1, 7]
    return table;
}

Timetable TimetableEngine::ComputeWeek(const TimetableSettings& settings) const {
    int64_t firstSerial = 0;
    Timetable table = WeekFrame(settings, firstSerial);
    std::vector<TimetableDay> days = ComputeRows(settings, firstSerial, 7);
    std::move(days.begin(), days.end(), table.Days.begin());
    return table;
}

std::vector<TimetableDay> TimetableEngine::ComputeDays(const TimetableSettings& settings,
                                                       int32_t firstFixed, int count) const {
    if (count < 0) {
        throw ERangeError("ComputeDays: count " + std::to_string(count) + " is negative");
    }
    return ComputeRows(settings, static_cast<int64_t>(firstFixed) - DateDelta, count);
}

}  // namespace orvandel
