#include "timetable/SettingsRules.h"

#include <cstdio>

namespace orvandel {

std::string RangeText(TFieldRange<double> range) {
    char text[64];
    std::snprintf(text, sizeof text, "%g..%g", range.Min, range.Max);
    return text;
}

std::string RangeText(TFieldRange<int> range) {
    return std::to_string(range.Min) + ".." + std::to_string(range.Max);
}

void ApplyCity(TimetableSettings& settings, const TCityEntry& city) {
    settings.Latitude = city.Latitude;
    settings.Longitude = city.Longitude;
    settings.GmtHours = city.GmtHours;
    settings.GmtMinutes = city.GmtMinutes;
    settings.Elevation = city.Elevation;
    settings.CalcMethod = city.CalcMethod;
    settings.Juristic = city.Juristic;
}

bool ApplySunsetBasedClock(TimetableSettings& settings) {
    settings.TwelveHours = settings.TwelveHours || settings.SunsetBased;
    return settings.SunsetBased;
}

}  // namespace orvandel
