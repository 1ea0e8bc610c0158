#pragma once
// The rules of the settings that the window's controls and the command's options both follow:
// the ranges of the numeric fields, what choosing a catalogue city sets, and the clock that
// sunset-based counts force.

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

inline constexpr TFieldRange<double> LatitudeRange{-60.0, 60.0};     // degrees, north positive
inline constexpr TFieldRange<double> LongitudeRange{-180.0, 180.0};  // degrees, east positive
inline constexpr TFieldRange<int> ZoneHoursRange{-25, 25};           // the zone's hours field
inline constexpr TFieldRange<int> ZoneMinutesRange{0, 59};           // the zone's minutes field
inline constexpr TFieldRange<int> ElevationRange{0, 9999};           // metres

// "-60..60", "0..9999": the range as help and messages write it (%g for a decimal).
std::string RangeText(TFieldRange<double> range);
std::string RangeText(TFieldRange<int> range);

// Choosing a catalogue city: its place, zone fields, elevation and methods replace those of the
// settings; every other setting stays.
void ApplyCity(TimetableSettings& settings, const TCityEntry& city);

// Sunset-based counts are shown on the 12-hour clock only: with SunsetBased set, TwelveHours is
// set too. Returns whether the clock is forced, so that a control for it cannot be changed.
bool ApplySunsetBasedClock(TimetableSettings& settings);

}  // namespace orvandel
