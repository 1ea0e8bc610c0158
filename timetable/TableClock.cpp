#include "timetable/TableClock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/Gregorian.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {
namespace {

constexpr int64_t SecondsPerDay = 86400;
constexpr int32_t UnixEpochFixed = 719163;  // fixed date of 1970-01-01

}  // namespace

CivilTime CivilFromSeconds(int64_t seconds) {
    const int64_t days = TProtoDate::IntQuotient(seconds, SecondsPerDay);
    const auto secondOfDay = static_cast<int>(seconds - days * SecondsPerDay);  // [0, 86399]
    TGregorian date;
    date.SetFixed(NarrowToInt32(days + UnixEpochFixed, "CivilFromSeconds"));
    return {date.Year,       date.Month, date.Day, secondOfDay / 3600, secondOfDay / 60 % 60,
            secondOfDay % 60};
}

int64_t SecondsOfFixed(int32_t fixed) {
    return (static_cast<int64_t>(fixed) - UnixEpochFixed) * SecondsPerDay;
}

int32_t FixedOfSeconds(int64_t seconds) {
    return NarrowToInt32(TProtoDate::IntQuotient(seconds, SecondsPerDay) + int64_t{UnixEpochFixed},
                         "FixedOfSeconds");
}

std::string OffsetText(int offset) {
    const int magnitude = std::abs(offset);
    char buffer[16];
    if (magnitude % 60 != 0) {
        std::snprintf(buffer, sizeof buffer, "%c%02d:%02d:%02d", offset < 0 ? '-' : '+',
                      magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    } else {
        std::snprintf(buffer, sizeof buffer, "%c%02d:%02d", offset < 0 ? '-' : '+',
                      magnitude / 3600, magnitude / 60 % 60);
    }
    return buffer;
}

long long FloorSeconds(double hours) {
    if (!std::isfinite(hours)) {
        throw EInvalidOp("time " + std::to_string(hours) + " h is not a number");
    }
    double seconds = hours * 3600.0;
    const double nearest = std::round(seconds);
    if (std::fabs(seconds - nearest) < 1e-6) {
        seconds = nearest;
    }
    return static_cast<long long>(std::floor(seconds));
}

std::string IsoDateTime(int64_t utc, int offset) {
    const CivilTime t = CivilFromSeconds(utc + offset);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second);
    return buffer + OffsetText(offset);
}

TableClock TableClock::Fixed(int offset) {
    TableClock clock;
    clock.offset_ = offset;
    return clock;
}

TableClock TableClock::Zone(std::string_view name) {
    TableClock clock;
    clock.rules_ = TimeZoneRules::FromDatabase(name);
    clock.name_ = std::string(name);
    return clock;
}

TableClock TableClock::System() {
    TimeZoneRules::SystemZone zone = TimeZoneRules::System();
    TableClock clock;
    clock.rules_ = std::move(zone.Rules);
    clock.name_ = std::move(zone.Name);
    return clock;
}

bool TableClock::Skips(int64_t local) const {
    if (!rules_) {
        return false;
    }
    for (int64_t probe : {local - SecondsPerDay, local + SecondsPerDay}) {
        const int offset = OffsetAt(probe);
        if (OffsetAt(local - offset) == offset) {
            return false;
        }
    }
    return true;
}

int64_t TableClock::UtcOf(int64_t local) const {
    // The offsets a day before and a day after cover every change (none lasts a day); an
    // offset fits when the clock has it at the instant it gives.
    const int before = OffsetAt(local - SecondsPerDay);
    const int after = OffsetAt(local + SecondsPerDay);
    const int64_t early = local - before;
    const int64_t late = local - after;
    const bool earlyFits = OffsetAt(early) == before;
    const bool lateFits = OffsetAt(late) == after;
    if (earlyFits && lateFits) {
        return std::min(early, late);
    }
    if (lateFits) {
        return late;
    }
    return early;  // fits, or the reading falls in a gap: read on the offset before it
}

int TableClock::OffsetAtNoon(int32_t fixed) const {
    return OffsetAt(UtcOf(SecondsOfFixed(fixed) + SecondsPerDay / 2));
}

namespace {

// Whether the clock reads no time at all on the fixed date: a change forward of a whole day.
bool SkipsDay(const TableClock& clock, int32_t fixed) {
    const int64_t midnight = SecondsOfFixed(fixed);
    return clock.Skips(midnight) && clock.Skips(midnight + SecondsPerDay - 1);
}

}  // namespace

std::vector<TimetableDay> ComputeClockedDays(TimetableEngine& engine,
                                             const TimetableSettings& settings,
                                             const TableClock& clock, int32_t firstFixed, int count,
                                             bool seconds, std::vector<RowTimes>& times) {
    std::vector<TimetableDay> rows;
    times.assign(static_cast<size_t>(std::max(count, 0)), RowTimes{});
    if (!clock.IsZone()) {
        rows = engine.ComputeDays(settings, firstFixed, count);
        for (RowTimes& t : times) {
            t.Offset = clock.OffsetAt(0);
        }
    } else {
        for (int i = 0; i < count; ++i) {
            times[static_cast<size_t>(i)].Offset = clock.OffsetAtNoon(firstFixed + i);
        }
        // Runs of days on one offset are computed together.
        rows.reserve(times.size());
        for (int start = 0; start < count;) {
            const int offset = times[static_cast<size_t>(start)].Offset;
            int end = start + 1;
            while (end < count && times[static_cast<size_t>(end)].Offset == offset) {
                ++end;
            }
            TimetableSettings part = settings;
            part.ZoneOffsetSeconds = offset;
            const std::vector<TimetableDay> run =
                engine.ComputeDays(part, firstFixed + start, end - start);
            rows.insert(rows.end(), run.begin(), run.end());
            start = end;
        }
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        TimetableDay& day = rows[r];
        RowTimes& t = times[r];
        if (SkipsDay(clock, day.Fixed)) {
            // A date the clock leaves out (Samoa's 30 December 2011): none of the row's times
            // happens on it. The row keeps the times the day would have had on its offset.
            day.Occurs.fill(false);
        }
        for (size_t p = 0; p < 6; ++p) {
            const int64_t local =
                seconds ? FloorSeconds(day.EventHours[p]) : 60LL * day.EventMinutes[p];
            t.Utc[p] = SecondsOfFixed(day.Fixed) + local - t.Offset;
            t.OffsetAt[p] = clock.OffsetAt(t.Utc[p]);
            if (t.OffsetAt[p] != t.Offset && day.Occurs[p] && !settings.SunsetBased) {
                // The wall clock at the instant differs from the row's: the time moves by the
                // change.
                const double hours = day.Hours[p] + (t.OffsetAt[p] - t.Offset) / 3600.0;
                day.Hours[p] = hours;
                day.ShownMinutes[p] = ShownMinutesOf(hours, settings.RoundMinutes);
                day.TimeTexts[p] =
                    FormatTimeText(hours, settings.RoundMinutes, settings.TwelveHours);
                day.GridTexts[p] = FormatTimeText(hours, settings.RoundMinutes, true);
            }
        }
    }
    return rows;
}

Timetable ComputeClockedWeek(TimetableEngine& engine, const TimetableSettings& settings,
                             const TableClock& clock, std::vector<RowTimes>& times) {
    int64_t firstSerial = 0;
    Timetable table = TimetableEngine::WeekFrame(settings, firstSerial);
    std::vector<TimetableDay> days = ComputeClockedDays(
        engine, settings, clock, NarrowToInt32(firstSerial + DateDelta, "ComputeClockedWeek"), 7,
        false, times);
    std::move(days.begin(), days.end(), table.Days.begin());
    return table;
}

TableClock SettingsClock(const TimetableSettings& settings) {
    return TableClock::Fixed(SettingsZoneSeconds(settings));
}

std::optional<TableClock> PlaceZone(const TimetableSettings& settings, const TCityEntry* city,
                                    bool followSystem, int32_t first) {
    const int fixed = SettingsZoneSeconds(settings);
    if (city != nullptr && 60 * ZoneOffsetMinutes(city->GmtHours, city->GmtMinutes) == fixed) {
        return TableClock::Zone(city->IanaZone);
    }
    if (followSystem) {
        TableClock system = TableClock::System();
        if (UsesOffsetInYear(system, fixed, first + 3)) {
            return system;
        }
    }
    return std::nullopt;
}

bool UsesOffsetInYear(const TableClock& zone, int offset, int32_t fixed) {
    const int32_t year = CivilFromSeconds(SecondsOfFixed(fixed)).Year;
    const int64_t from = zone.UtcOf(SecondsOfFixed(FixedFromGregorian(year, 1, 1)));
    const int64_t to = zone.UtcOf(SecondsOfFixed(
        FixedFromGregorian(NarrowToInt32(int64_t{year} + 1, "UsesOffsetInYear"), 1, 1)));
    if (zone.OffsetAt(from) == offset) {
        return true;
    }
    const std::vector<TimeZoneRules::Change> changes = zone.Changes(from, to);
    return std::any_of(changes.begin(), changes.end(),
                       [offset](const TimeZoneRules::Change& c) { return c.After == offset; });
}

bool ZoneMatters(const TableClock& zone, int offset, int32_t first) {
    if (!zone.Changes(SecondsOfFixed(first) - 183 * SecondsPerDay,
                      SecondsOfFixed(first) + 190 * SecondsPerDay)
             .empty()) {
        return true;
    }
    for (int d = 0; d < 7; ++d) {
        if (zone.OffsetAtNoon(first + d) != offset) {
            return true;
        }
    }
    return false;
}

}  // namespace orvandel
