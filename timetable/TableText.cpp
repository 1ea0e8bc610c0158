#include "timetable/TableText.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "timetable/CalcMethods.h"

namespace orvandel {

std::string PrayerName(int prayer) {
    return std::string(PrayerHeaderText(prayer).substr(1));
}

std::string DegreesText(double value, char positive, char negative) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f %c", std::fabs(value),
                  value < 0 ? negative : positive);
    return buffer;
}

std::string CoordinatesName(double latitude, double longitude) {
    return DegreesText(latitude, 'N', 'S') + "  " + DegreesText(longitude, 'E', 'W');
}

std::string ZoneText(int gmtHours, int gmtMinutes) {
    const int minutes = ZoneOffsetMinutes(gmtHours, gmtMinutes);
    const int magnitude = std::abs(minutes);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "GMT %c%d:%02d", minutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return buffer;
}

std::string MethodName(int index) {
    if (index >= 0 && index < CalcMethodCount()) {
        return std::string(CalcMethods()[static_cast<size_t>(index)].Caption);
    }
    return "method " + std::to_string(index);
}

std::string TwelveHourTime(int minutes) {
    const int ofDay = (minutes % 1440 + 1440) % 1440;  // [0, 1439]
    const int hour = ofDay / 60;                       // [0, 23]
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, ofDay % 60,
                  hour < 12 ? "AM" : "PM");
    return buffer;
}

std::string DataTimeText(const TimetableSettings& settings, const TimetableDay& day, int prayer) {
    const auto p = static_cast<size_t>(prayer);
    if (settings.TwelveHours && !settings.SunsetBased) {
        return TwelveHourTime(day.ShownMinutes[p]);
    }
    const std::string& text = day.TimeTexts[p];
    return text.empty() || text.front() != ' ' ? text : text.substr(1);
}

std::string PlaceLine(const TimetableSettings& settings, std::string_view placeName,
                      std::string_view clockName) {
    std::string line = placeName.empty() ? std::string() : std::string(placeName) + "  ";
    line += CoordinatesName(settings.Latitude, settings.Longitude) + "  ";
    line += clockName.empty() ? ZoneText(settings.GmtHours, settings.GmtMinutes)
                              : "zone " + std::string(clockName);
    return line + "  elevation " + std::to_string(settings.Elevation) + " m";
}

std::string OptionsLine(const TimetableSettings& settings, bool seconds) {
    const TimetableSettings& s = settings;
    return MethodName(s.CalcMethod) + ", Asr " + (s.Juristic == 0 ? "Standard" : "Hanafi") +
           (s.AddSafetyTime ? ", safety time added" : ", no safety time") +
           (s.RoundMinutes ? ", nearest minute" : ", minutes truncated") +
           (seconds         ? ", times with seconds"
            : s.TwelveHours ? ", 12-hour clock"
                            : ", 24-hour clock") +
           (s.SunsetBased ? ", sunset based" : "");
}

}  // namespace orvandel
