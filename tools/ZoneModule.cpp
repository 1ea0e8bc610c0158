// orvandel-zones.so: the system's time-zone database behind a plain C interface. Built as C++17
// for the POSIX-rule reader (PosixZoneRule.cpp).
#include "tools/ZoneModule.h"

#include <date/tz.h>

#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "tools/PosixZoneRule.h"

struct OrvandelZone {
    const date::time_zone* Zone = nullptr;
    int64_t RuleFrom = 0;  // start of the last recorded period
    std::shared_ptr<const orvandel::table::PosixZoneRule> Rule;
};

namespace {

// Copies `text` into `buffer`, cut to its size, always NUL-terminated.
int Put(const std::string& text, char* buffer, size_t size, int status) {
    if (buffer != nullptr && size > 0) {
        const size_t n = text.size() < size - 1 ? text.size() : size - 1;
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }
    return status;
}

// The POSIX TZ string on the last line of a zone's file, empty when there is none.
std::string FooterOf(const std::string& zoneName) {
    std::ifstream in(ORVANDEL_ZONE_FOLDER + zoneName, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (data.size() < 2 || data.back() != '\n') {
        return {};
    }
    const size_t start = data.rfind('\n', data.size() - 2);
    return start == std::string::npos ? std::string()
                                      : data.substr(start + 1, data.size() - start - 2);
}

// A name into the caller's buffer whole, or a failure when it does not fit.
int PutName(const std::string& text, char* name, size_t nameSize, char* error, size_t errorSize) {
    if (text.size() >= nameSize) {
        return Put("the zone's name is longer than " + std::to_string(nameSize - 1) + " bytes",
                   error, errorSize, OrvandelZoneFailed);
    }
    return Put(text, name, nameSize, OrvandelZoneOk);
}

// Runs `body`, turning anything it throws into a failure with its message: nothing thrown
// leaves the module.
template <typename Body>
int Guarded(char* error, size_t errorSize, Body body) {
    try {
        return body();
    } catch (const std::exception& e) {
        return Put(e.what(), error, errorSize, OrvandelZoneFailed);
    } catch (...) {
        return Put("the time-zone library failed", error, errorSize, OrvandelZoneFailed);
    }
}

}  // namespace

int orvandel_zone_open(const char* name, OrvandelZone** zone, char* error, size_t errorSize) {
    *zone = nullptr;
    return Guarded(error, errorSize, [&] {
        auto opened = std::make_unique<OrvandelZone>();
        try {
            opened->Zone = date::locate_zone(name);
        } catch (const std::exception& e) {
            return Put(e.what(), error, errorSize, OrvandelZoneUnknown);
        }
        // The last period the file records reaches to the library's end of time; from its start
        // on the zone's rule decides.
        const date::sys_info last =
            opened->Zone->get_info(date::sys_days{date::year{9999} / 12 / 31});
        opened->RuleFrom = last.begin.time_since_epoch().count();
        opened->Rule = orvandel::table::PosixZoneRule::Parse(FooterOf(opened->Zone->name()));
        *zone = opened.release();
        return static_cast<int>(OrvandelZoneOk);
    });
}

void orvandel_zone_close(OrvandelZone* zone) {
    delete zone;
}

int orvandel_zone_name(const OrvandelZone* zone, char* name, size_t nameSize, char* error,
                       size_t errorSize) {
    return Guarded(error, errorSize,
                   [&] { return PutName(zone->Zone->name(), name, nameSize, error, errorSize); });
}

int orvandel_zone_offset(const OrvandelZone* zone, int64_t utc, int* offset, char* error,
                         size_t errorSize) {
    return Guarded(error, errorSize, [&] {
        if (utc >= zone->RuleFrom) {
            if (!zone->Rule) {
                return static_cast<int>(OrvandelZoneNoRule);
            }
            *offset = zone->Rule->OffsetAt(utc);
            return static_cast<int>(OrvandelZoneOk);
        }
        const date::sys_seconds instant{std::chrono::seconds{utc}};
        *offset = static_cast<int>(zone->Zone->get_info(instant).offset.count());
        return static_cast<int>(OrvandelZoneOk);
    });
}

int orvandel_zone_system(char* name, size_t nameSize, char* error, size_t errorSize) {
    return Guarded(error, errorSize, [&] {
        return PutName(date::current_zone()->name(), name, nameSize, error, errorSize);
    });
}
