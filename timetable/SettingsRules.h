#pragma once
// The rules of the settings that the window's controls and the command's options both follow:
// the ranges of the numeric fields, the limits of a run of days, what choosing a catalogue city
// or a method sets, and the clock that sunset-based counts force.

#include <cstdint>
#include <string>

#include "timetable/CityCatalogue.h"
#include "timetable/Timetable.h"

namespace orvandel {

// The values a numeric field accepts, both ends included.
template <typename T>
struct TFieldRange {
    T Min;
    T Max;
    constexpr bool Contains(T value) const { return value >= Min && value <= Max; }
};

// The latitudes where the sun rises and sets on every day of the year: at local midnight of
// the June solstice (the December one in the south) the sun's centre stands 90 - latitude -
// obliquity below the horizon, and it rises and sets while that exceeds the 50' of refraction
// (34') and semi-diameter (16') that the calendar astronomy's sunrise and sunset take. With the
// obliquity of J2000, 23 deg 26' 21.448", that is 90 - 23.4392911 - 0.8333333 = 65.7273756 deg,
// written here down to the fields' four decimals. The obliquity shrinks by 0.013 deg a
// century, so at the limit itself the sun sets on the solstice from 2000 on; in years long
// before (65.47 deg in year 1) a day near the solstice can lack its sunrise or sunset, and its
// times are marked as not occurring (TimetableDay::Occurs). Above sea level the dip of the
// horizon deepens the sunset and lowers the limit: LatitudeRangeAt.
inline constexpr double ObliquityJ2000 = 23.4392911;     // degrees, 23 deg 26' 21.448"
inline constexpr double SunriseLatitudeLimit = 65.7273;  // degrees, at sea level
inline constexpr TFieldRange<double> LatitudeRange{-SunriseLatitudeLimit, SunriseLatitudeLimit};
inline constexpr TFieldRange<double> LongitudeRange{-180.0, 180.0};  // degrees, east positive
inline constexpr TFieldRange<int> ZoneHoursRange{-25, 25};           // the zone's hours field
inline constexpr TFieldRange<int> ZoneMinutesRange{0, 59};           // the zone's minutes field
inline constexpr TFieldRange<int> ElevationRange{0, 9999};           // metres

inline constexpr TFieldRange<int> RunDaysRange{1, 3660};  // days of one run (ten years)
inline constexpr TFieldRange<int> AdjustMinutesRange{-60, 60};  // the user's minutes on a time
inline constexpr TFieldRange<int> HijriAdjustRange{-2, 2};      // days the Hijri date moves
// The civil dates every row can show: years 1 to 9999, as fixed dates.
inline constexpr TFieldRange<int32_t> CivilFixedRange{1, 3652059};  // 0001-01-01..9999-12-31

// A run of consecutive days: its first fixed date and its length.
struct TDayRun {
    int32_t First = 0;
    int Count = 0;
    // Whether every day of the run lies within CivilFixedRange.
    constexpr bool Fits() const {
        return CivilFixedRange.Contains(First) && Count >= 0 &&
               Count - 1 <= CivilFixedRange.Max - First;
    }
};
// The week, Saturday to Friday, and the civil month that hold the day of `date`. The week of
// 1 January 1 starts before it and does not fit.
TDayRun WeekRun(TDateTime date);
TDayRun MonthRun(TDateTime date);

// "-60..60", "0..9999": the range as help and messages write it (%g for a decimal).
std::string RangeText(TFieldRange<double> range);
std::string RangeText(TFieldRange<int> range);

// The latitudes where the sun rises and sets every day seen from `elevation` metres (within
// ElevationRange): 90 - ObliquityJ2000 less the calendar astronomy's sunset depression there,
// cut to four decimals; LatitudeRange at 0 m, -65.1714..65.1714 at 300 m, -62.5196..62.5196 at
// 9999 m.
TFieldRange<double> LatitudeRangeAt(int elevation);
// The highest elevation of ElevationRange whose LatitudeRangeAt holds `latitude`; -1 for none.
int HighestElevationAt(double latitude);
// Why a latitude beyond LatitudeRangeAt(elevation) is refused: "latitude outside
// -65.7273..65.7273, beyond which the sun does not rise or set on some days", with "at 300 m"
// after the range above sea level.
std::string LatitudeLimitText(int elevation = 0);

// Choosing a catalogue city: its place, zone fields (and no zone of seconds), elevation and
// methods replace those of the settings; every other setting stays.
void ApplyCity(TimetableSettings& settings, const TCityEntry& city);

// Choosing calculation method `index` by itself, for a place that has no methods of its own:
// the method and its default juristic method. ERangeError for an index outside the table.
void ApplyMethod(TimetableSettings& settings, int index);

// Sunset-based counts are shown on the 12-hour clock only: with SunsetBased set, TwelveHours is
// set too. Returns whether the clock is forced, so that a control for it cannot be changed.
bool ApplySunsetBasedClock(TimetableSettings& settings);

}  // namespace orvandel
