#include "tools/OrvandelTableOutput.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

#include "calendar/Islamic.h"
#include "platform/Errors.h"
#include "timetable/CityCatalogue.h"
#include "timetable/TableClock.h"
#include "timetable/TableText.h"

namespace orvandel::table {
namespace {

// The columns a UTF-8 text takes in a terminal, counted as characters: a locale's month name
// with an umlaut takes three columns for its four bytes.
size_t TextWidth(std::string_view text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) {
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

}  // namespace

std::string RenderText(const TableRequest& request, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times, int markedRow) {
    std::string out =
        PlaceLine(request.Settings, request.PlaceIsCity ? request.PlaceName : std::string(),
                  request.TimeZone) +
        "\n" + OptionsLine(request.Settings, request.Seconds) + "\n\n";

    size_t dateWidth = 4;   // "Date"
    size_t hijriWidth = 5;  // "Hijri"
    std::array<size_t, 6> timeWidth{};
    for (int p = 0; p < 6; ++p) {
        timeWidth[static_cast<size_t>(p)] = TextWidth(PrayerName(p));
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        dateWidth = std::max(dateWidth, TextWidth(day.CivilDateText));
        hijriWidth = std::max(hijriWidth, TextWidth(day.HijriDateText));
        for (int p = 0; p < 6; ++p) {
            auto& w = timeWidth[static_cast<size_t>(p)];
            w = std::max(w, TextWidth(TimeField(request, day, times[r], p, false)));
        }
    }

    out += "  " + PadRight("Date", dateWidth) + "  " + PadRight("Hijri", hijriWidth);
    for (int p = 0; p < 6; ++p) {
        out += "  " + PadLeft(PrayerName(p), timeWidth[static_cast<size_t>(p)]);
    }
    out += '\n';
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        out += static_cast<int>(r) == markedRow ? "* " : "  ";
        out +=
            PadRight(day.CivilDateText, dateWidth) + "  " + PadRight(day.HijriDateText, hijriWidth);
        for (int p = 0; p < 6; ++p) {
            out += "  " + PadLeft(TimeField(request, day, times[r], p, false),
                                  timeWidth[static_cast<size_t>(p)]);
        }
        out += '\n';
    }
    return out;
}

std::string RenderCityList() {
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
            list += (runs > 0 ? ", " : "") + IsoDate(day);
            if (last > i)
                list += " to " + IsoDate(rows[last]);
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

}  // namespace orvandel::table
