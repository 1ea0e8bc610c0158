#include "timetable/SettingsRules.h"

#include <cmath>
#include <cstdio>

#include "calendar/ProtoDate.h"

namespace orvandel {

std::string RangeText(TFieldRange<double> range) {
    char text[64];
    std::snprintf(text, sizeof text, "%g..%g", range.Min, range.Max);
    return text;
}

std::string RangeText(TFieldRange<int> range) {
    return std::to_string(range.Min) + ".." + std::to_string(range.Max);
}

TFieldRange<double> LatitudeRangeAt(int elevation) {
    const double limit = 90.0 - ObliquityJ2000 - TProtoDate::RiseSetDepression(elevation);
    const double cut = std::floor(limit * 1e4) / 1e4;  // the fields' four decimals
    return {-cut, cut};
}

int HighestElevationAt(double latitude) {
    // The range narrows as the elevation grows: the last elevation whose range holds it.
    int low = ElevationRange.Min - 1, high = ElevationRange.Max;  // [low, high] holds the answer
    while (low < high) {
        const int middle = high - (high - low) / 2;
        if (LatitudeRangeAt(middle).Contains(latitude)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

std::string LatitudeLimitText(int elevation) {
    return "latitude outside " + RangeText(LatitudeRangeAt(elevation)) +
           (elevation > 0 ? " at " + std::to_string(elevation) + " m" : std::string()) +
           ", beyond which the sun does not rise or set on some days";
}

void ApplyCity(TimetableSettings& settings, const TCityEntry& city) {
    settings.Latitude = city.Latitude;
    settings.Longitude = city.Longitude;
    settings.GmtHours = city.GmtHours;
    settings.GmtMinutes = city.GmtMinutes;
    settings.ZoneOffsetSeconds.reset();  // it would override the city's zone fields
    settings.Elevation = city.Elevation;
    settings.CalcMethod = city.CalcMethod;
    settings.Juristic = city.Juristic;
}

void ApplyMethod(TimetableSettings& settings, int index) {
    settings.CalcMethod = index;
    settings.Juristic = CalcMethodAt(index, "ApplyMethod").DefaultJuristic;
}

TDayRun WeekRun(TDateTime date) {
    return {static_cast<int32_t>(WeekStartSerial(date) + DateDelta), 7};
}

TDayRun MonthRun(TDateTime date) {
    const TCivilDate civil = DecodeDate(date);
    int length = 28;
    while (length < 31 && IsValidDate(civil.Year, civil.Month, length + 1)) {
        ++length;
    }
    return {FixedFromDateTime(EncodeDate(civil.Year, civil.Month, 1)), length};
}

bool ApplySunsetBasedClock(TimetableSettings& settings) {
    settings.TwelveHours = settings.TwelveHours || settings.SunsetBased;
    return settings.SunsetBased;
}

}  // namespace orvandel
