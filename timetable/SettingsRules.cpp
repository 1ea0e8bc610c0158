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

std::string LatitudeLimitText() {
    return "latitude outside " + RangeText(LatitudeRange) +
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
