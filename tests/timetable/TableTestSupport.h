#pragma once
// Shared by the tests of the timetable's clock and writers and by the command's tests: rows
// computed on a clock, and readers of what the writers write (csv fields, ISO 8601 date-times,
// iCalendar events) that use std::chrono and libical rather than the library's own calendar
// arithmetic.

#include <libical/ical.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "timetable/CalcMethods.h"
#include "timetable/SettingsRules.h"
#include "timetable/TableClock.h"
#include "timetable/Timetable.h"

namespace orvandel::test {

inline std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    return parts;
}

// The rows of a csv text without its header, each split into fields (an empty last field
// kept).
inline std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    const std::vector<std::string> lines = Split(csv, '\n');
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> fields = Split(lines[i], ',');
        if (!lines[i].empty() && lines[i].back() == ',') {
            fields.push_back("");
        }
        rows.push_back(fields);
    }
    return rows;
}

// Minutes of a clock reading "4:46", "24:10" or "-0:41".
inline int ClockMinutes(const std::string& text) {
    const size_t colon = text.find(':');
    const int hours = std::stoi(text.substr(0, colon));
    const int minutes = std::stoi(text.substr(colon + 1, 2));
    return text.front() == '-' ? hours * 60 - minutes : hours * 60 + minutes;
}

// Seconds since 1970-01-01 00:00 of a date and time of day on the same clock.
inline long long CivilSeconds(int year, unsigned month, unsigned day, int hour, int minute,
                              int second) {
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    return static_cast<long long>(std::chrono::sys_days{date}.time_since_epoch().count()) * 86400 +
           hour * 3600 + minute * 60 + second;
}

struct IsoInstant {
    long long Utc = 0;    // seconds since 1970-01-01 00:00 UTC
    int Offset = 0;       // seconds east
    long long Local = 0;  // the wall-clock reading, seconds since 1970-01-01 00:00 on the clock
    bool Valid = false;
};

// "2025-03-30T04:46:00+01:00" or "2025-03-30T03:46:00Z"; not Valid for any other text.
inline IsoInstant ReadIso(const std::string& text) {
    IsoInstant instant;
    if ((text.size() != 25 && text.size() != 20) || text[4] != '-' || text[10] != 'T') {
        return instant;
    }
    const auto number = [&](size_t at, size_t length) {
        return std::stoi(text.substr(at, length));
    };
    const std::chrono::year_month_day date{std::chrono::year{number(0, 4)},
                                           std::chrono::month{static_cast<unsigned>(number(5, 2))},
                                           std::chrono::day{static_cast<unsigned>(number(8, 2))}};
    if (!date.ok()) {
        return instant;
    }
    instant.Local = CivilSeconds(number(0, 4), static_cast<unsigned>(number(5, 2)),
                                 static_cast<unsigned>(number(8, 2)), number(11, 2), number(14, 2),
                                 number(17, 2));
    if (text.size() == 25) {
        instant.Offset = (text[19] == '-' ? -1 : 1) * (number(20, 2) * 3600 + number(23, 2) * 60);
    } else if (text.back() != 'Z') {
        return instant;
    }
    instant.Utc = instant.Local - instant.Offset;
    instant.Valid = true;
    return instant;
}

// A place on a fixed zone of whole hours with a calculation method and its default Asr rule,
// on the 24-hour clock and without the locale's date texts, as the data outputs read it.
inline TimetableSettings PlaceSettings(double latitude, double longitude, int gmtHours,
                                       int method) {
    TimetableSettings s;
    s.Latitude = latitude;
    s.Longitude = longitude;
    s.GmtHours = gmtHours;
    ApplyMethod(s, method);
    s.TwelveHours = false;
    s.CivilDateTexts = false;
    return s;
}

// Rows of `count` days from the fixed date `first` on a clock, with where their times lie.
struct ClockedRun {
    std::vector<TimetableDay> Rows;
    std::vector<RowTimes> Times;
};

inline ClockedRun RunOnClock(const TimetableSettings& settings, const TableClock& clock,
                             int32_t first, int count, bool seconds = false) {
    TimetableEngine engine;
    ClockedRun run;
    run.Rows = ComputeClockedDays(engine, settings, clock, first, count, seconds, run.Times);
    return run;
}

// ---- iCalendar, read back by libical ----

struct IcalEvent {
    std::string Uid, Summary, Description, Location, Stamp;
    long long Start = 0, End = 0;  // seconds since 1970-01-01 00:00 UTC
    bool StartIsUtc = false;
    bool Transparent = false;
    bool HasAlarm = false;
    bool AlarmDisplays = false;
    int AlarmTrigger = 0;  // seconds relative to the start
    std::string AlarmDescription;
};

struct IcalCalendar {
    bool Parsed = false;
    int Errors = 0;                                 // libical's error properties
    bool Conforms = false;                          // icalrestriction_check
    std::map<std::string, std::string> Properties;  // of the calendar, by name
    std::vector<IcalEvent> Events;
};

inline long long IcalSeconds(const icaltimetype& t) {
    return CivilSeconds(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day),
                        t.hour, t.minute, t.second);
}

inline IcalCalendar ReadIcal(const std::string& ics) {
    struct Deleter {
        void operator()(icalcomponent* c) const { icalcomponent_free(c); }
    };
    IcalCalendar result;
    std::unique_ptr<icalcomponent, Deleter> calendar(icalparser_parse_string(ics.c_str()));
    if (calendar == nullptr || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT) {
        return result;
    }
    result.Parsed = true;
    result.Errors = icalcomponent_count_errors(calendar.get());
    result.Conforms = icalrestriction_check(calendar.get()) == 1;
    for (icalproperty* p = icalcomponent_get_first_property(calendar.get(), ICAL_ANY_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(calendar.get(), ICAL_ANY_PROPERTY)) {
        result.Properties[icalproperty_isa(p) == ICAL_X_PROPERTY
                              ? icalproperty_get_x_name(p)
                              : icalproperty_get_property_name(p)] =
            icalproperty_get_value_as_string(p);
    }
    const auto text = [](const char* value) { return std::string(value != nullptr ? value : ""); };
    for (icalcomponent* e =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         e != nullptr;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        IcalEvent event;
        event.Uid = text(icalcomponent_get_uid(e));
        event.Summary = text(icalcomponent_get_summary(e));
        event.Description = text(icalcomponent_get_description(e));
        event.Location = text(icalcomponent_get_location(e));
        event.Stamp = icaltime_as_ical_string(icalcomponent_get_dtstamp(e));
        const icaltimetype start = icalcomponent_get_dtstart(e);
        event.StartIsUtc = icaltime_is_utc(start);
        event.Start = IcalSeconds(start);
        event.End = IcalSeconds(icalcomponent_get_dtend(e));
        const icalproperty* transp = icalcomponent_get_first_property(e, ICAL_TRANSP_PROPERTY);
        event.Transparent =
            transp != nullptr && icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT;
        if (icalcomponent* alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT)) {
            event.HasAlarm = true;
            event.AlarmDisplays = icalproperty_get_action(icalcomponent_get_first_property(
                                      alarm, ICAL_ACTION_PROPERTY)) == ICAL_ACTION_DISPLAY;
            event.AlarmTrigger =
                icaldurationtype_as_int(icalproperty_get_trigger(icalcomponent_get_first_property(
                                                                     alarm, ICAL_TRIGGER_PROPERTY))
                                            .duration);
            event.AlarmDescription = text(icalcomponent_get_description(alarm));
        }
        result.Events.push_back(event);
    }
    return result;
}

}  // namespace orvandel::test
