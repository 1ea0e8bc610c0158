#include "timetable/TableText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "calendar/Gregorian.h"
#include "calendar/Islamic.h"
#include "timetable/CalcMethods.h"
#include "timetable/Prayers.h"

namespace orvandel {

std::string PrayerName(int prayer) {
    return std::string(PrayerAt(prayer).Name);
}

std::string_view WithoutLeadingBlank(std::string_view text) {
    return text.starts_with(' ') ? text.substr(1) : text;
}

std::string IsoDateText(int32_t fixed) {
    const TCivilDate date = DecodeDate(DateTimeFromFixed(fixed));
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

std::string MonthYearText(TDateTime date) {
    const TCivilDate civil = DecodeDate(date);
    return std::string(MonthNames[static_cast<size_t>(civil.Month - 1)]) + " " +
           std::to_string(civil.Year);
}

TPlaceName PlaceNameOf(const TimetableSettings& settings, const TCityEntry* city) {
    if (city != nullptr && std::fabs(city->Latitude - settings.Latitude) < 5e-5 &&
        std::fabs(city->Longitude - settings.Longitude) < 5e-5) {
        return {std::string(city->Caption), true};
    }
    return {CoordinatesName(settings.Latitude, settings.Longitude), false};
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
    return TwelveHourClock(60LL * minutes, false);
}

std::string TwelveHourClock(long long seconds, bool withSeconds) {
    constexpr long long day = 86400;
    const long long ofDay = (seconds % day + day) % day;  // [0, 86399]
    const long long hour = ofDay / 3600;                  // [0, 23]
    char buffer[24];
    if (withSeconds) {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld %s",
                      hour % 12 == 0 ? 12 : hour % 12, ofDay / 60 % 60, ofDay % 60,
                      hour < 12 ? "AM" : "PM");
    } else {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld %s", hour % 12 == 0 ? 12 : hour % 12,
                      ofDay / 60 % 60, hour < 12 ? "AM" : "PM");
    }
    return buffer;
}

std::string DataTimeText(const TimetableSettings& settings, const TimetableDay& day, int prayer) {
    const auto p = static_cast<size_t>(prayer);
    if (settings.TwelveHours && !settings.SunsetBased) {
        return TwelveHourTime(day.ShownMinutes[p]);
    }
    return std::string(WithoutLeadingBlank(day.TimeTexts[p]));
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
    std::string line = MethodName(s.CalcMethod) + ", Asr " +
                       std::string(JuristicOf(s.Juristic).Caption) +
                       (s.AddSafetyTime ? ", safety time added" : ", no safety time") +
                       (s.RoundMinutes ? ", nearest minute" : ", minutes truncated") +
                       (seconds         ? ", times with seconds"
                        : s.TwelveHours ? ", 12-hour clock"
                                        : ", 24-hour clock") +
                       (s.SunsetBased ? ", sunset based" : "");
    if (s.HighLatRule != HighLatitudeRule::Rule48) {
        line += ", ";
        line += HighLatitudeRules[static_cast<size_t>(s.HighLatRule)].Caption;
    }
    if (const std::string adjustments = AdjustmentsText(s); !adjustments.empty()) {
        line += ", ";
        line += adjustments;
    }
    return line;
}

std::string AdjustmentsText(const TimetableSettings& settings) {
    std::string text;
    const auto add = [&text](std::string_view what, int value, std::string_view unit) {
        if (!text.empty()) {
            text += ", ";
        }
        text += what;
        text += value > 0 ? " +" : " ";
        text += std::to_string(value);
        text += unit;
    };
    for (const TPrayerInfo& prayer : Prayers) {
        if (const int minutes = settings.AdjustMinutes[prayer.Index]; minutes != 0) {
            add(prayer.Name, minutes, " min");
        }
    }
    if (const int days = settings.HijriAdjustDays; days != 0) {
        add("Hijri date", days, std::abs(days) == 1 ? " day" : " days");
    }
    return text;
}

size_t TextWidth(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a continuation byte
    }));
}

std::string PadRight(std::string_view text, size_t width) {
    std::string result(text);
    const size_t shown = TextWidth(text);
    if (shown < width) {
        result.append(width - shown, ' ');
    }
    return result;
}

std::string PadLeft(std::string_view text, size_t width) {
    std::string result;
    const size_t shown = TextWidth(text);
    if (shown < width) {
        result.append(width - shown, ' ');
    }
    result.append(text);
    return result;
}

std::string CityListText() {
    std::string out;
    for (const TCityGroupInfo& group : CityGroups()) {
        out += std::string(group.Caption) + '\n';
        for (const TCityEntry& city : CityCatalogue()) {
            if (city.Group != group.Group || !city.Visible) {
                continue;
            }
            out += "  " + PadRight(city.Caption, 14) +
                   PadLeft(DegreesText(city.Latitude, 'N', 'S'), 10) + "  " +
                   PadLeft(DegreesText(city.Longitude, 'E', 'W'), 10) + "  " +
                   PadRight(ZoneText(city.GmtHours, city.GmtMinutes), 11) + "  " +
                   MethodName(city.CalcMethod) + '\n';
        }
    }
    return out;
}

std::string MissingHijriDates(std::span<const TimetableDay> rows) {
    constexpr int MaxRuns = 8;
    std::string list;
    int runs = 0, daysLeft = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TimetableDay& day = rows[i];
        if (day.HijriValid || day.Fixed < IslamicEpoch())
            continue;
        std::size_t last = i;  // the run of consecutive days without a date
        while (last + 1 < rows.size() && !rows[last + 1].HijriValid &&
               rows[last + 1].Fixed == rows[last].Fixed + 1)
            ++last;
        if (runs < MaxRuns) {
            list += (runs > 0 ? ", " : "") + IsoDateText(day.Fixed);
            if (last > i)
                list += " to " + IsoDateText(rows[last].Fixed);
        } else {
            daysLeft += static_cast<int>(last - i + 1);
        }
        ++runs;
        i = last;
    }
    if (list.empty())
        return {};
    if (daysLeft > 0)
        list += " and " + std::to_string(daysLeft) + (daysLeft == 1 ? " day more" : " days more");
    return "no Hijri date could be computed for " + list;
}

}  // namespace orvandel
