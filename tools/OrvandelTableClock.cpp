#include "tools/OrvandelTableClock.h"

#include <dlfcn.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/Gregorian.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"
#include "tools/OrvandelTableOutput.h"
#include "tools/ZoneModule.h"

namespace orvandel::table {
namespace {

constexpr int64_t SecondsPerDay = 86400;
constexpr int32_t UnixEpochFixed = 719163;                     // fixed date of 1970-01-01
constexpr std::string_view ZoneFolder = ORVANDEL_ZONE_FOLDER;  // the module's database

// The time-zone module's functions, loaded on the first call and kept for the whole process. A
// module that cannot be loaded is an error of the installation, reported as such (not as an
// unknown zone); the next call tries again.
struct ZoneModule {
    decltype(&orvandel_zone_open) Open;
    decltype(&orvandel_zone_close) Close;
    decltype(&orvandel_zone_name) Name;
    decltype(&orvandel_zone_offset) Offset;
    decltype(&orvandel_zone_system) System;
};

template <typename Function>
void Bind(void* handle, const char* symbol, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, symbol));
    if (function == nullptr) {
        throw std::runtime_error(
            std::string("the time-zone module " ORVANDEL_ZONE_MODULE " lacks ") + symbol);
    }
}

// The folders the dynamic loader searches for the program's own libraries, its run path first.
std::vector<std::string> ProgramSearchPath() {
    std::vector<std::string> folders;
    void* program = dlopen(nullptr, RTLD_LAZY);
    Dl_serinfo size{};
    if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) {
        return folders;
    }
    const auto storage = std::make_unique<max_align_t[]>(size.dls_size / sizeof(max_align_t) + 1);
    auto* info = reinterpret_cast<Dl_serinfo*>(storage.get());
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, info) == 0 &&
        dlinfo(program, RTLD_DI_SERINFO, info) == 0) {
        for (unsigned i = 0; i < info->dls_cnt; ++i) {
            folders.emplace_back(info->dls_serpath[i].dls_name);
        }
    }
    return folders;
}

ZoneModule LoadZoneModule() {
    void* handle = dlopen(ORVANDEL_ZONE_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        const std::string message = "cannot load the time-zone module " ORVANDEL_ZONE_MODULE " (" +
                                    std::string(reason != nullptr ? reason : "no reason given") +
                                    ")";
        // A loader that stands between the program and the C library's dlopen (as the address
        // sanitizer's does) makes the search start from its own run path: the program's folders
        // are then tried by name.
        for (const std::string& folder : ProgramSearchPath()) {
            handle = dlopen((folder + "/" ORVANDEL_ZONE_MODULE).c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle != nullptr) {
                break;
            }
        }
        if (handle == nullptr) {
            throw std::runtime_error(message);
        }
    }
    ZoneModule module{};
    Bind(handle, "orvandel_zone_open", module.Open);
    Bind(handle, "orvandel_zone_close", module.Close);
    Bind(handle, "orvandel_zone_name", module.Name);
    Bind(handle, "orvandel_zone_offset", module.Offset);
    Bind(handle, "orvandel_zone_system", module.System);
    return module;
}

const ZoneModule& Zones() {
    static const ZoneModule module = LoadZoneModule();
    return module;
}

// Room for a zone's name and for the module's messages.
constexpr size_t TextSize = 512;

}  // namespace

// The module's zone, given back when the last clock on it goes.
struct TableClock::Rules {
    explicit Rules(OrvandelZone* zone) : Zone(zone) {}
    ~Rules() { Zones().Close(Zone); }
    Rules(const Rules&) = delete;
    Rules& operator=(const Rules&) = delete;
    OrvandelZone* Zone;
};

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
    const ZoneModule& zones = Zones();
    OrvandelZone* zone = nullptr;
    char error[TextSize] = {};
    const int status = zones.Open(std::string(name).c_str(), &zone, error, sizeof error);
    if (status == OrvandelZoneUnknown) {
        throw std::invalid_argument("unknown time zone");
    }
    if (status != OrvandelZoneOk) {
        throw std::runtime_error(error);
    }
    TableClock clock;
    clock.rules_ = std::make_shared<const Rules>(zone);
    clock.name_ = std::string(name);
    return clock;
}

std::string TableClock::SystemZoneName() {
    const ZoneModule& zones = Zones();
    char text[TextSize] = {};
    char error[TextSize] = {};
    const char* tz = std::getenv("TZ");
    if (tz != nullptr && *tz != '\0') {
        std::string_view name = tz;
        if (name.starts_with(':')) {
            name.remove_prefix(1);
        }
        if (name.starts_with(ZoneFolder)) {
            name.remove_prefix(ZoneFolder.size());
        }
        OrvandelZone* zone = nullptr;
        int status = zones.Open(std::string(name).c_str(), &zone, error, sizeof error);
        if (status == OrvandelZoneOk) {
            status = zones.Name(zone, text, sizeof text, error, sizeof error);
            zones.Close(zone);
        }
        if (status != OrvandelZoneOk) {
            throw std::invalid_argument("TZ '" + std::string(tz) +
                                        "' names no zone of the system's database");
        }
        return text;
    }
    if (zones.System(text, sizeof text, error, sizeof error) != OrvandelZoneOk) {
        throw std::invalid_argument(std::string("the system's zone is unknown: ") + error);
    }
    return text;
}

int TableClock::OffsetAt(int64_t utc) const {
    if (!rules_) {
        return offset_;
    }
    int offset = 0;
    char error[TextSize] = {};
    switch (Zones().Offset(rules_->Zone, utc, &offset, error, sizeof error)) {
        case OrvandelZoneOk:
            return offset;
        case OrvandelZoneNoRule:
            throw ERangeError("the time-zone library cannot read the rule of " + name_ +
                              " for the years after its last recorded change");
        default:
            throw std::runtime_error(error);
    }
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

}  // namespace orvandel::table
