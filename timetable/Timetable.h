#pragma once
// The week's timetable, computed from the settings that the window's controls hold. No widgets:
// the window copies the result into its grids, and orvandel-table prints it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"
#include "timetable/CalcMethods.h"

namespace orvandel {

// What the recompute reads from the controls.
struct TimetableSettings {
    TDateTime Date = 0.0;    // chosen date, may carry a time of day
    double Latitude = 0.0;   // degrees, north positive
    double Longitude = 0.0;  // degrees, east positive
    int GmtHours = 0;        // rounded value of the hours field
    int GmtMinutes = 0;      // rounded value of the minutes field, 0..59
    // When set, the zone in seconds east of Greenwich in place of the two fields (a zone of the
    // command's time-zone database: any number of seconds, also between -1 h and 0).
    std::optional<int> ZoneOffsetSeconds;
    int Elevation = 0;           // metres
    int CalcMethod = UmmAlQura;  // index into CalcMethods()
    int Juristic = 0;            // 0 Standard (shadow 1), any other Hanafi (shadow 2)
    bool AddSafetyTime = true;
    bool RoundMinutes = false;
    bool TwelveHours = true;
    bool RightToLeft = true;
    bool SunsetBased = false;
    // Minutes the user adds to each time (index p, 0 Fajr ... 5 Isha), after the method's own:
    // a mosque's published minutes. AdjustMinutesRange each; a time that does not occur stays.
    std::array<int, 6> AdjustMinutes{};
    // How Fajr and Isha are found where the twilight is long (HighLatitudeRule).
    HighLatitudeRule HighLatRule = HighLatitudeRule::Rule48;
    // Days by which the shown Hijri date moves (HijriAdjustRange), where the month begins by
    // local sighting a day or two from Umm al-Qura: row D shows the Umm al-Qura date of D + N.
    int HijriAdjustDays = 0;
    // Whether each day gets its CivilDateText (the locale's names); an output that writes the
    // date itself leaves it empty.
    bool CivilDateTexts = true;
};

// One day of the table. Index p of the per-prayer arrays is the prayer (0 Fajr ... 5 Isha).
struct TimetableDay {
    int32_t Fixed = 0;          // fixed date of the day
    TDateTime Serial = 0.0;     // date serial of 00:00 of the day
    std::string CivilDateText;  // "ddd dd-mmm-yyyy" in the locale's abbreviations
    bool HijriValid = false;    // the Umm al-Qura conversion completed
    int HijriYear = 0, HijriMonth = 0, HijriDay = 0;
    std::string HijriDateText;  // "%d %s %d", empty when !HijriValid
    // t1..t6 in decimal hours on the zone clock after every adjustment (safety offset,
    // sunset-based counting), not rounded to the minute and not wrapped.
    std::array<double, 6> Hours{};
    std::array<std::string, 6> TimeTexts;  // " h:mm", hour following TwelveHours
    std::array<std::string, 6> GridTexts;  // " h:mm", hour always in 12-hour form
    // The shown time as minutes after the row's midnight on the 24-hour clock, after the
    // minute rounding and the carry of minute 60 (24:15 is 1455); negative for a time before
    // the row's midnight.
    std::array<int, 6> ShownMinutes{};
    // Each time's event on the zone clock with its date: hours after the row's midnight, not
    // wrapped, so that an Isha at 00:12 the next morning is 24.2 here (its text reads 0:12
    // below 48 degrees, 24:12 beyond) and a Fajr at 23:49 the evening before is -0.18.
    // Unrounded and before the sunset-based counting; every adjustment else included.
    std::array<double, 6> EventHours{};
    // The shown minute of each event counted from the row's midnight, date included: the
    // minute rounding of the texts applied to the event's time of day on its own date
    // (23:59.6 rounded is 00:00 of the next day). An Isha at 00:12 the next morning is 1452.
    std::array<int, 6> EventMinutes{};
    // The date on which each shown time falls: -1 the previous day, 0 the row's day, +1 the
    // next day (floor of EventMinutes / 1440).
    std::array<int, 6> DayOffset{};
    // False where the event behind a time does not happen that day (no dawn, sunrise, sunset,
    // dusk or Asr moment; Dhuhr needs both sunrise and sunset; an Isha after Maghrib needs the
    // sunset). The table still shows such a time as the safety offset alone, e.g. 0:00; its
    // EventHours are those of the text and its DayOffset is 0.
    std::array<bool, 6> Occurs{true, true, true, true, true, true};
};

// The zone offset of the hours and minutes fields in whole minutes east of Greenwich:
// 60 * H + Sign(H) * Mi with Sign(0) = +1, so the minutes take the sign of the hours and a zone
// between -1 h and 0 cannot be expressed. H = -3, Mi = 30 gives -210.
int ZoneOffsetMinutes(int gmtHours, int gmtMinutes);
// The settings' zone in seconds east of Greenwich: ZoneOffsetSeconds when set, else the
// fields' 60 * ZoneOffsetMinutes.
int SettingsZoneSeconds(const TimetableSettings& settings);
// The same zone in hours, as the astronomy takes it: ZoneOffsetSeconds / 3600, or from the
// fields H + Sign(H) * Mi / 60 (which for some odd minutes differs by a bit of the last place
// from the seconds divided by 3600, and is what every computed time has used).
double SettingsZoneHours(const TimetableSettings& settings);

// One time in decimal hours as the table shows it, " h:mm". The hour is the truncated hours,
// not wrapped (24.25 h gives 24:15); the minute is the fraction's minutes truncated or, with
// roundMinutes, rounded to the nearest with halves to even; minute 60 carries into the hour.
// A minute count within 1e-9 of a whole or half minute counts as exactly that, so that the
// noise of a double such as 4 + 29.5 / 60 cannot move the rounding. With twelveHours the hour
// takes 12-hour form (13 -> 1, 24 -> 12, 25 -> 1; 0 to 12 stay). A negative time keeps its
// sign in front of the hour (" -0:30"). EInvalidOp for NaN or infinity.
std::string FormatTimeText(double hours, bool roundMinutes, bool twelveHours);
// An hour count (>= 0) in the table's 12-hour form: 13 -> 1, 24 -> 12, 25 -> 1; 0 to 12 stay.
long long TwelveHourForm(long long hour);
// The shown time of FormatTimeText as minutes after midnight on the 24-hour clock
// (24.25 h -> 1455), negative for a negative time.
int ShownMinutesOf(double hours, bool roundMinutes);

// The date serial day of the Saturday that starts the week (Saturday to Friday) holding the day
// of `date`, its floor: a time of day (also before 1899, where the serial is negative) changes
// nothing.
int64_t WeekStartSerial(TDateTime date);

// The short day and month names of the user's locale, taken once for the dates of a long run.
struct TCivilDateNames {
    std::array<std::string, 7> Days;     // Sunday first
    std::array<std::string, 12> Months;  // January first
    // The locale's names now; an error of ShortDayName or ShortMonthName propagates.
    static TCivilDateNames OfLocale();
};
// "Sat 06-Apr-2024": the civil date of the day of `date` with the locale's short day and month
// names, the day in two digits and the year in four. EConvertError outside years 1..9999.
std::string CivilDateText(TDateTime date);
// The same text with the names taken before.
std::string CivilDateText(TDateTime date, const TCivilDateNames& names);

// The whole display data of one recompute.
struct Timetable {
    // By grid column: each prayer's name after a blank, " Fajr" ... " Isha", or reversed.
    std::array<std::string, 6> HeaderTexts;
    bool DateColumnOnRight = false;    // ColCities at the right of the grid
    int CurrentDayRow = 0;             // 1..7, the chosen date's row
    std::array<TimetableDay, 7> Days;  // rows 1..7
    // Grid column of prayer p (0 Fajr ... 5 Isha).
    int ColumnOf(int prayer) const { return DateColumnOnRight ? 5 - prayer : prayer; }
};

// An Umm al-Qura month: its year, its month (1..12) and the fixed date of its day 1.
struct THijriMonth {
    int32_t Year = 0, Month = 0, Start = 0;
};
// An Umm al-Qura month has 29 or 30 days. EInvalidOp naming the civil date of Fixed when the
// date found for it (Year, Month, Day) is not day 1 to 30 of its month, or when its month
// follows Previous (the month known before it, if any) after other than 29 or 30 days: the
// crescent search went wrong, and no date of it may be shown.
void CheckHijriMonth(int32_t Fixed, int32_t Year, int32_t Month, int32_t Day,
                     const std::optional<THijriMonth>& Previous);

// Computes timetables. Holds nothing between calls: each recompute's place, parameters and
// Umm al-Qura dates live in that call.
class TimetableEngine {
  public:
    // The week, Saturday to Friday, that contains the day of settings.Date (its floor: a time
    // of day changes nothing). Fajr and Isha come from the calendar astronomy below 48.0001
    // degrees of latitude and from PrayerTimes beyond; a dawn or dusk that does not occur, or
    // whose final refinement fails ("Bogus time"), gives the safety offset alone. Each time
    // carries the date on which its event falls (TimetableDay::EventHours, EventMinutes,
    // DayOffset). A zone more than 12 hours from the place's mean time (+14 at 157 degrees
    // west) reads the astronomy of the solar day before or after the row's date, so that the
    // row's times fall on its own date. A row whose Umm al-Qura conversion does not complete has HijriValid false
    // and no Hijri text. Errors of the astronomy propagate: EConvertError for a row outside
    // years 1 to 9999, ERangeError for a calculation method outside CalcMethods(), EInvalidOp
    // for an Umm al-Qura month found to have other than 29 or 30 days. The Hijri dates come
    // from the ephemeris source in use when they are done: a source given up on the way
    // (EphemerisSourceFailed) answers none of them.
    Timetable ComputeWeek(const TimetableSettings& settings) const;
    // The week of settings.Date without its rows: the headers, the date column's side and the
    // chosen day's row; `firstSerial` receives the date serial day of its Saturday.
    static Timetable WeekFrame(const TimetableSettings& settings, int64_t& firstSerial);
    // `count` (>= 0) consecutive days from the fixed date `firstFixed`, each row exactly as the
    // week would show it; settings.Date is not used. ERangeError for a negative count; errors
    // as ComputeWeek.
    std::vector<TimetableDay> ComputeDays(const TimetableSettings& settings, int32_t firstFixed,
                                          int count) const;
};

}  // namespace orvandel
