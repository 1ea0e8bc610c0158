#include "timetable/TableWriters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

#include "calendar/Gregorian.h"
#include "platform/Errors.h"
#include "timetable/CalcMethods.h"
#include "timetable/Prayers.h"
#include "timetable/TableText.h"

namespace orvandel {
namespace {

std::string Digits2(long long value) {
    if (value >= 0 && value < 100) {  // every use but a bad one: one per time of a row
        return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld", value);
    return buffer;
}

// A UTF-8 continuation byte (10xxxxxx): every character has exactly one byte that is not.
bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The bytes of the well-formed UTF-8 character at the start of `text` (1 to 4), or 0 when it
// does not begin with one (a stray continuation byte, an overlong form, a surrogate, a code
// point beyond U+10FFFF or a character cut short).
size_t Utf8CharLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (size_t i = 2; i < length; ++i) {
        if (!IsUtf8Continuation(text[i])) {
            return 0;
        }
    }
    return length;
}

// Every event lasts a quarter of an hour: a calendar program then draws it as a short block
// at its time, about as long as the prayer, that never reaches into the next time (the
// closest two times, Dhuhr and Asr at 60 degrees in December, lie 51 minutes apart). Without
// an end some programs draw an hour and others nothing.
constexpr std::string_view EventDuration = "DURATION:PT15M";

// "21.4200N-39.8300E": the place part of the events' UIDs.
std::string PlaceKey(const TimetableSettings& settings) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f%c-%.4f%c", std::fabs(settings.Latitude),
                  settings.Latitude < 0 ? 'S' : 'N', std::fabs(settings.Longitude),
                  settings.Longitude < 0 ? 'W' : 'E');
    return buffer;
}

}  // namespace

std::string TimeField(const TableOutputOptions& request, const TimetableDay& day,
                      const RowTimes& times, int prayer, bool withMeridiem) {
    const auto p = static_cast<size_t>(prayer);
    const TimetableSettings& settings = request.Settings;
    if (!request.IsoTimes && !request.Seconds) {
        return withMeridiem ? DataTimeText(settings, day, prayer) : ShownTime(day, prayer, false);
    }
    if (!request.IsoTimes) {
        // With seconds, on the clock the settings ask for: AM or PM in the data forms.
        if (withMeridiem && settings.TwelveHours && !settings.SunsetBased) {
            return TwelveHourClock(FloorSeconds(day.Hours[p]), true);
        }
        return FormatHoursWithSeconds(day.Hours[p], settings.TwelveHours);
    }
    if (!day.Occurs[p]) {
        return {};
    }
    if (request.IsoTimesUtc) {
        return EventUtcDateTime(PrayerName(prayer), day, times.Utc[p]);
    }
    return EventIsoDateTime(PrayerName(prayer), day, times.Utc[p], times.OffsetAt[p]);
}

std::string FormatHoursWithSeconds(double hours, bool twelveHours) {
    const long long total = FloorSeconds(std::fabs(hours));  // seconds of |hours|, truncated
    std::string text = hours < 0 && total != 0 ? "-" : "";
    text += std::to_string(twelveHours ? TwelveHourForm(total / 3600) : total / 3600);
    text += ':' + Digits2(total / 60 % 60) + ':' + Digits2(total % 60);
    return text;
}

std::string ShownTime(const TimetableDay& day, int prayer, bool seconds) {
    const auto p = static_cast<size_t>(prayer);
    if (seconds) {
        return FormatHoursWithSeconds(day.Hours[p]);
    }
    return std::string(WithoutLeadingBlank(day.TimeTexts[p]));
}

namespace {

// The date-time of an event `offset` seconds east of UTC; ERangeError naming the event and,
// as `form` ("local", "UTC"), the date-time its year cannot hold.
std::string CheckedDateTime(std::string_view name, const TimetableDay& day, int64_t utc, int offset,
                            std::string_view form) {
    const CivilTime local = CivilFromSeconds(utc + offset);
    if (local.Year < 0 || local.Year > 9999) {
        throw ERangeError(std::string(name) + " of " + IsoDate(day) + ": the " + std::string(form) +
                          " date-time " + std::to_string(local.Year) + "-" + Digits2(local.Month) +
                          "-" + Digits2(local.Day) + "T" + Digits2(local.Hour) + ":" +
                          Digits2(local.Minute) + " has no four-digit year");
    }
    return IsoDateTime(utc, offset);
}

}  // namespace

std::string EventIsoDateTime(std::string_view name, const TimetableDay& day, int64_t utc,
                             int offset) {
    return CheckedDateTime(name, day, utc, offset, "local");
}

std::string EventUtcDateTime(std::string_view name, const TimetableDay& day, int64_t utc) {
    const std::string text = CheckedDateTime(name, day, utc, 0, "UTC");
    return text.substr(0, text.size() - 6) + "Z";  // in place of "+00:00"
}

std::string_view EnglishWeekday(const TimetableDay& day) {
    return DayNames[static_cast<size_t>(DayOfWeek(day.Serial) - 1)];
}

std::string IsoDate(const TimetableDay& day) {
    return IsoDateText(day.Fixed);
}

std::string RenderText(const TableOutputOptions& options, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times) {
    std::string out =
        PlaceLine(options.Settings, options.PlaceIsCity ? options.PlaceName : std::string(),
                  options.TimeZone) +
        "\n" + OptionsLine(options.Settings, options.Seconds) + "\n\n";

    size_t dateWidth = 4;   // "Date"
    size_t hijriWidth = 5;  // "Hijri"
    std::array<size_t, PrayerCount> timeWidth{};
    for (const TPrayerInfo& prayer : Prayers) {
        timeWidth[prayer.Index] = TextWidth(prayer.Name);
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        dateWidth = std::max(dateWidth, TextWidth(day.CivilDateText));
        hijriWidth = std::max(hijriWidth, TextWidth(day.HijriDateText));
        for (const TPrayerInfo& prayer : Prayers) {
            size_t& width = timeWidth[prayer.Index];
            width =
                std::max(width, TextWidth(TimeField(options, day, times[r], prayer.Index, false)));
        }
    }

    out += "  " + PadRight("Date", dateWidth) + "  " + PadRight("Hijri", hijriWidth);
    for (const TPrayerInfo& prayer : Prayers) {
        out += "  " + PadLeft(prayer.Name, timeWidth[prayer.Index]);
    }
    out += '\n';
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        out += static_cast<int>(r) == options.MarkedRow ? "* " : "  ";
        out +=
            PadRight(day.CivilDateText, dateWidth) + "  " + PadRight(day.HijriDateText, hijriWidth);
        for (const TPrayerInfo& prayer : Prayers) {
            out += "  " + PadLeft(TimeField(options, day, times[r], prayer.Index, false),
                                  timeWidth[prayer.Index]);
        }
        out += '\n';
    }
    return out;
}

std::string RenderCsv(const TableOutputOptions& request, std::span<const TimetableDay> rows,
                      std::span<const RowTimes> times) {
    std::string out = "date,weekday,hijri_day,hijri_month,hijri_year";
    for (const TPrayerInfo& prayer : Prayers) {
        out += ',';
        out += prayer.Key;
    }
    out += ",utc_offset\n";
    out.reserve(out.size() + rows.size() * 96);  // a row with seconds and ISO times fits
    // Appended piece by piece; a run of rows on one offset writes its text once.
    std::optional<int> offset;
    std::string offsetText;
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        out += IsoDate(day);
        out += ',';
        out += EnglishWeekday(day);
        out += ',';
        if (day.HijriValid) {
            for (const int value : {day.HijriDay, day.HijriMonth}) {
                out += std::to_string(value);
                out += ',';
            }
            out += std::to_string(day.HijriYear);
        } else {
            out += ",,";
        }
        for (int p = 0; p < 6; ++p) {
            out += ',';
            out += TimeField(request, day, times[r], p, true);
        }
        if (offset != times[r].Offset) {
            offset = times[r].Offset;
            offsetText = OffsetText(*offset);
        }
        out += ',';
        out += offsetText;
        out += '\n';
    }
    return out;
}

std::string RenderJson(const TableOutputOptions& request, std::span<const TimetableDay> rows,
                       std::span<const RowTimes> times) {
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
            row[std::string(Prayers[static_cast<size_t>(p)].Key)] =
                TimeField(request, day, times[r], p, true);
        }
        row["utc_offset"] = OffsetText(times[r].Offset);
        out += r == 0 ? "\n  " : ",\n  ";
        out += row.dump();
    }
    out += "\n]\n";
    return out;
}

std::string EscapeIcalText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const size_t length = Utf8CharLength(text.substr(i));
        if (length == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD for a byte that begins no UTF-8 character
            ++i;
            continue;
        }
        switch (c) {
            case '\\':
            case ';':
            case ',':
                out += '\\';
                out += c;
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += c;
                break;
            default:
                // Other control characters have no place in a TEXT value.
                if (length > 1 || (static_cast<unsigned char>(c) >= 0x20 && c != '\x7f')) {
                    out.append(text.substr(i, length));
                }
        }
        i += length;
    }
    return out;
}

std::string IcalContentLine(std::string_view line) {
    constexpr size_t maxOctets = 75;  // per physical line, without the CRLF
    std::string out;
    size_t width = 0;  // octets on the current physical line
    for (size_t i = 0; i < line.size();) {
        // One character stays on one line; a byte that begins none counts as one.
        const size_t length = std::max<size_t>(Utf8CharLength(line.substr(i)), 1);
        if (width + length > maxOctets) {
            out += "\r\n ";
            width = 1;  // the blank that continues the line
        }
        out.append(line.substr(i, length));
        width += length;
        i += length;
    }
    return out + "\r\n";
}

std::string IcalUtcDateTime(int64_t utc) {
    // Four digits: year 0 (1 BC of the proleptic calendar, where an early event of 1 January 1
    // east of Greenwich lies in UTC) to 9999.
    const CivilTime t = CivilFromSeconds(utc);
    if (t.Year < 0 || t.Year > 9999) {
        throw ERangeError("the UTC date-time " + std::to_string(t.Year) + "-" +
                          std::to_string(t.Month) + "-" + std::to_string(t.Day) +
                          " has no four-digit year");
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02dZ", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second);
    return buffer;
}

namespace {

// "Umm Al-Qura, Asr Standard" and the user's adjustments when any.
std::string MethodAndAdjustments(const TimetableSettings& settings) {
    std::string text = MethodName(settings.CalcMethod);
    text += ", Asr ";
    text += JuristicOf(settings.Juristic).Caption;
    if (const std::string adjustments = AdjustmentsText(settings); !adjustments.empty()) {
        text += ", ";
        text += adjustments;
    }
    return text;
}

}  // namespace

std::string RenderIcs(const TableOutputOptions& request, std::span<const TimetableDay> rows,
                      std::span<const RowTimes> times, int64_t stampUtc) {
    const TimetableSettings& s = request.Settings;
    if (s.SunsetBased) {
        throw EInvalidOp("sunset-based times are not clock times");
    }
    const std::string stamp = IcalUtcDateTime(stampUtc);
    const std::string placeKey = PlaceKey(s);
    const std::string location = EscapeIcalText(request.PlaceName);
    // What every event's description says after its Hijri date: the method and the place.
    const std::string methodAndPlace =
        MethodAndAdjustments(s) + "\n" +
        (request.PlaceIsCity ? request.PlaceName + ", " + CoordinatesName(s.Latitude, s.Longitude)
                             : request.PlaceName);
    const std::string calendarName = EscapeIcalText("Prayer times (" + request.PlaceName + ")");
    std::string alarm;
    if (request.AlarmMinutes) {
        const int minutes = *request.AlarmMinutes;
        alarm = IcalContentLine("BEGIN:VALARM") + IcalContentLine("ACTION:DISPLAY") +
                IcalContentLine(minutes == 0 ? std::string("TRIGGER:PT0S")
                                             : "TRIGGER:-PT" + std::to_string(minutes) + "M");
    }

    std::string out = IcalContentLine("BEGIN:VCALENDAR") + IcalContentLine("VERSION:2.0") +
                      IcalContentLine("PRODID:-//Orvandel//orvandel-table//EN") +
                      IcalContentLine("CALSCALE:GREGORIAN") +
                      IcalContentLine("NAME:" + calendarName) +
                      IcalContentLine("X-WR-CALNAME:" + calendarName);
    for (size_t r = 0; r < rows.size(); ++r) {
        const TimetableDay& day = rows[r];
        const std::string isoDate = IsoDate(day);
        const std::string compactDate =
            isoDate.substr(0, 4) + isoDate.substr(5, 2) + isoDate.substr(8, 2);
        const std::string description = EscapeIcalText(
            (day.HijriValid ? day.HijriDateText + " AH" : std::string("no Hijri date")) + "\n" +
            methodAndPlace);
        for (int p = 0; p < 6; ++p) {
            const auto pi = static_cast<size_t>(p);
            if (!day.Occurs[pi] || !request.Events[pi]) {
                continue;  // no calendar event for a time that does not happen that day
            }
            const std::string name = PrayerName(p);
            std::string uid = compactDate + "-" + name + "-" + placeKey + "@orvandel";
            std::transform(uid.begin(), uid.end(), uid.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            out += IcalContentLine("BEGIN:VEVENT");
            out += IcalContentLine("UID:" + uid);
            out += IcalContentLine("DTSTAMP:" + stamp);
            std::string start;
            try {
                start = IcalUtcDateTime(times[r].Utc[pi]);
            } catch (const ERangeError& e) {
                throw ERangeError(name + " of " + isoDate + ": " + e.what());
            }
            out += IcalContentLine("DTSTART:" + start);
            out += IcalContentLine(EventDuration);
            out += IcalContentLine("SUMMARY:" + EscapeIcalText(name));
            out += IcalContentLine("DESCRIPTION:" + description);
            out += IcalContentLine("LOCATION:" + location);
            out += IcalContentLine("TRANSP:TRANSPARENT");
            if (!alarm.empty()) {
                out += alarm + IcalContentLine("DESCRIPTION:" + EscapeIcalText(name)) +
                       IcalContentLine("END:VALARM");
            }
            out += IcalContentLine("END:VEVENT");
        }
    }
    out += IcalContentLine("END:VCALENDAR");
    return out;
}

}  // namespace orvandel
