#include "tools/OrvandelTableOutput.h"

#include <libical/ical.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <string_view>

#include "calendar/Islamic.h"
#include "platform/Errors.h"
#include "timetable/CityCatalogue.h"

namespace orvandel::table {
namespace {

constexpr std::array<std::string_view, 7> EnglishDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 6> CsvTimeFields = {"fajr", "shrook",  "dhuhr",
                                                           "asr",  "maghrib", "isha"};
constexpr std::array<std::string_view, 5> CalcMethodNames = {
    "Muslim World League", "Egyptian General Authority of Survey",
    "Karachi Islamic Sciences University", "Umm Al-Qura", "ISNA"};

constexpr long long SecondsPerDay = 86400;

// Seconds since the row's midnight of a time in decimal hours, toward minus infinity. A value
// within a microsecond of a whole second counts as that second: the hours carry rounding
// noise of about 1e-11 s, which must not turn 4:35:00 into 4:34:59.
long long FloorSeconds(double hours) {
    if (!std::isfinite(hours)) {
        throw EInvalidOp("orvandel-table: time " + std::to_string(hours) + " h is not a number");
    }
    double seconds = hours * 3600.0;
    const double nearest = std::round(seconds);
    if (std::fabs(seconds - nearest) < 1e-6) {
        seconds = nearest;
    }
    return static_cast<long long>(std::floor(seconds));
}

std::string Digits2(long long value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02lld", value);
    return buffer;
}

std::string DegreesText(double value, char positive, char negative) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f %c", std::fabs(value),
                  value < 0 ? negative : positive);
    return buffer;
}

std::string MethodName(int index) {
    if (index >= 0 && index < static_cast<int>(CalcMethodNames.size())) {
        return std::string(CalcMethodNames[static_cast<size_t>(index)]);
    }
    return "method " + std::to_string(index);
}

std::string PrayerName(int prayer) {
    std::string_view header = PrayerHeaderText(prayer);
    return std::string(header.substr(1));  // without the leading blank
}

// The columns a UTF-8 text takes in a terminal, counted as characters: a locale's month name
// with an umlaut takes three columns for its four bytes.
size_t TextWidth(std::string_view text) {
    // Every character of UTF-8 has exactly one byte that is not a continuation byte 10xxxxxx.
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
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

// "21.4200N-39.8300E": the place part of the events' UIDs.
std::string PlaceKey(const TimetableSettings& settings) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f%c-%.4f%c", std::fabs(settings.Latitude),
                  settings.Latitude < 0 ? 'S' : 'N', std::fabs(settings.Longitude),
                  settings.Longitude < 0 ? 'W' : 'E');
    return buffer;
}

struct IcalComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
struct MallocDeleter {
    void operator()(char* text) const { std::free(text); }
};

}  // namespace

std::string FormatHoursWithSeconds(double hours) {
    const long long total = FloorSeconds(std::fabs(hours));  // seconds of |hours|, truncated
    std::string text = hours < 0 && total != 0 ? "-" : "";
    text += std::to_string(total / 3600);
    text += ':' + Digits2(total / 60 % 60) + ':' + Digits2(total % 60);
    return text;
}

std::string ShownTime(const TimetableDay& day, int prayer, bool seconds) {
    const auto p = static_cast<size_t>(prayer);
    if (seconds) {
        return FormatHoursWithSeconds(day.Hours[p]);
    }
    const std::string& text = day.TimeTexts[p];
    return text.empty() || text.front() != ' ' ? text : text.substr(1);
}

std::string EnglishWeekday(const TimetableDay& day) {
    return std::string(EnglishDayNames[static_cast<size_t>(DayOfWeek(day.Serial) - 1)]);
}

std::string IsoDate(const TimetableDay& day) {
    const TCivilDate date = DecodeDate(day.Serial);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return buffer;
}

std::string ZoneText(int gmtHours, int gmtMinutes) {
    const int minutes = ZoneOffsetMinutes(gmtHours, gmtMinutes);
    const int magnitude = std::abs(minutes);
    return std::string("GMT ") + (minutes < 0 ? "-" : "+") + std::to_string(magnitude / 60) + ":" +
           Digits2(magnitude % 60);
}

std::string RenderText(const TableRequest& request, std::span<const TimetableDay> rows,
                       int markedRow) {
    const TimetableSettings& s = request.Settings;
    std::string out =
        (request.PlaceIsCity ? request.PlaceName + "  " : std::string()) +
        DegreesText(s.Latitude, 'N', 'S') + "  " + DegreesText(s.Longitude, 'E', 'W') + "  " +
        ZoneText(s.GmtHours, s.GmtMinutes) + "  elevation " + std::to_string(s.Elevation) + " m\n";
    out += MethodName(s.CalcMethod) + ", Asr " + (s.Juristic == 0 ? "Standard" : "Hanafi") +
           (s.AddSafetyTime ? ", safety time added" : ", no safety time") +
           (s.RoundMinutes ? ", nearest minute" : ", minutes truncated") +
           (request.Seconds ? ", times with seconds"
            : s.TwelveHours ? ", 12-hour clock"
                            : ", 24-hour clock") +
           (s.SunsetBased ? ", sunset based" : "") + "\n\n";

    size_t dateWidth = 4;   // "Date"
    size_t hijriWidth = 5;  // "Hijri"
    std::array<size_t, 6> timeWidth{};
    for (int p = 0; p < 6; ++p) {
        timeWidth[static_cast<size_t>(p)] = TextWidth(PrayerName(p));
    }
    for (const TimetableDay& day : rows) {
        dateWidth = std::max(dateWidth, TextWidth(day.CivilDateText));
        hijriWidth = std::max(hijriWidth, TextWidth(day.HijriDateText));
        for (int p = 0; p < 6; ++p) {
            auto& w = timeWidth[static_cast<size_t>(p)];
            w = std::max(w, TextWidth(ShownTime(day, p, request.Seconds)));
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
            out += "  " +
                   PadLeft(ShownTime(day, p, request.Seconds), timeWidth[static_cast<size_t>(p)]);
        }
        out += '\n';
    }
    return out;
}

std::string RenderCsv(const TableRequest& request, std::span<const TimetableDay> rows) {
    std::string out = "date,weekday,hijri_day,hijri_month,hijri_year";
    for (std::string_view field : CsvTimeFields) {
        out += ',';
        out += field;
    }
    out += '\n';
    for (const TimetableDay& day : rows) {
        out += IsoDate(day) + ',' + EnglishWeekday(day) + ',';
        if (day.HijriValid) {
            out += std::to_string(day.HijriDay) + ',' + std::to_string(day.HijriMonth) + ',' +
                   std::to_string(day.HijriYear);
        } else {
            out += ",,";
        }
        for (int p = 0; p < 6; ++p) {
            out += ',' + ShownTime(day, p, request.Seconds);
        }
        out += '\n';
    }
    return out;
}

std::string RenderJson(const TableRequest& request, std::span<const TimetableDay> rows) {
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        nlohmann::ordered_json row;
        row["date"] = IsoDate(day);
        row["weekday"] = EnglishWeekday(day);
        if (day.HijriValid) {
            row["hijri_day"] = day.HijriDay;
            row["hijri_month"] = day.HijriMonth;
            row["hijri_year"] = day.HijriYear;
        } else {
            row["hijri_day"] = nullptr;
            row["hijri_month"] = nullptr;
            row["hijri_year"] = nullptr;
        }
        for (int p = 0; p < 6; ++p) {
            row[std::string(CsvTimeFields[static_cast<size_t>(p)])] =
                ShownTime(day, p, request.Seconds);
        }
        out += r == 0 ? "\n  " : ",\n  ";
        out += row.dump();
    }
    out += "\n]\n";
    return out;
}

std::string RenderIcs(const TableRequest& request, std::span<const TimetableDay> rows,
                      const std::string& stampUtc) {
    const TimetableSettings& s = request.Settings;
    if (s.SunsetBased) {
        throw EInvalidOp("orvandel-table: sunset-based times are not clock times");
    }
    const long long zoneSeconds = 60LL * ZoneOffsetMinutes(s.GmtHours, s.GmtMinutes);
    const int32_t lastFixed = FixedFromDateTime(EncodeDate(9999, 12, 31));
    const icaltimetype stamp = icaltime_from_string(stampUtc.c_str());
    const std::string placeKey = PlaceKey(s);

    std::string out =
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "PRODID:-//Orvandel//orvandel-table//EN\r\n"
        "CALSCALE:GREGORIAN\r\n";
    for (const TimetableDay& day : rows) {
        const std::string isoDate = IsoDate(day);
        const std::string compactDate =
            isoDate.substr(0, 4) + isoDate.substr(5, 2) + isoDate.substr(8, 2);
        for (int p = 0; p < 6; ++p) {
            const auto pi = static_cast<size_t>(p);
            if (!day.Occurs[pi]) {
                continue;  // no calendar event for a time that does not happen that day
            }
            // The event's own date and time: an Isha at 00:12 the next morning is 24:12.
            const long long local =
                request.Seconds ? FloorSeconds(day.EventHours[pi]) : 60LL * day.EventMinutes[pi];
            const long long utc =
                static_cast<long long>(day.Fixed) * SecondsPerDay + local - zoneSeconds;
            const long long utcFixed =
                utc >= 0 ? utc / SecondsPerDay : -((-utc + SecondsPerDay - 1) / SecondsPerDay);
            const long long secondOfDay = utc - utcFixed * SecondsPerDay;  // [0, 86399]
            if (utcFixed < 1 || utcFixed > lastFixed) {
                throw ERangeError("orvandel-table: " + PrayerName(p) + " of " + isoDate +
                                  " falls outside years 1..9999 in UTC");
            }
            const TCivilDate utcDate =
                DecodeDate(DateTimeFromFixed(static_cast<int32_t>(utcFixed)));

            icaltimetype start = icaltime_null_time();
            start.year = utcDate.Year;
            start.month = utcDate.Month;
            start.day = utcDate.Day;
            start.hour = static_cast<int>(secondOfDay / 3600);
            start.minute = static_cast<int>(secondOfDay / 60 % 60);
            start.second = static_cast<int>(secondOfDay % 60);
            start.is_date = 0;
            start.zone = icaltimezone_get_utc_timezone();

            std::string name = PrayerName(p);
            std::string uid = compactDate + "-" + name + "-" + placeKey + "@orvandel";
            std::transform(uid.begin(), uid.end(), uid.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

            std::unique_ptr<icalcomponent, IcalComponentDeleter> event(icalcomponent_new_vevent());
            icalcomponent_add_property(event.get(), icalproperty_new_uid(uid.c_str()));
            icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(stamp));
            icalcomponent_add_property(event.get(), icalproperty_new_dtstart(start));
            icalcomponent_add_property(event.get(), icalproperty_new_summary(name.c_str()));
            icalcomponent_add_property(event.get(),
                                       icalproperty_new_location(request.PlaceName.c_str()));
            icalcomponent_add_property(event.get(),
                                       icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
            std::unique_ptr<char, MallocDeleter> text(icalcomponent_as_ical_string_r(event.get()));
            out += text.get();
        }
    }
    out += "END:VCALENDAR\r\n";
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
