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

constexpr const char* ZoneFolder = "/usr/share/zoneinfo/";  // the library's database

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
    std::ifstream in(ZoneFolder + zoneName, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (data.size() < 2 || data.back() != '\n') {
        return {};
    }
    const size_t start = data.rfind('\n', data.size() - 2);
    return start == std::string::npos ? std::string()
                                      : data.substr(start + 1, data.size() - start - 2);
}

}  // namespace

int orvandel_zone_open(const char* name, OrvandelZone** zone, char* error, size_t errorSize) {
    *zone = nullptr;
    try {
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
        return OrvandelZoneOk;
    } catch (const std::exception& e) {
        return Put(e.what(), error, errorSize, OrvandelZoneFailed);
    } catch (...) {
        return Put("the time-zone library failed", error, errorSize, OrvandelZoneFailed);
    }
}

void orvandel_zone_close(OrvandelZone* zone) {
    delete zone;
}

int orvandel_zone_name(const OrvandelZone* zone, char* name, size_t nameSize, char* error,
                       size_t errorSize) {
    const std::string& text = zone->Zone->name();
    if (text.size() >= nameSize) {
        return Put("the zone's name is longer than " + std::to_string(nameSize - 1) + " bytes",
                   error, errorSize, OrvandelZoneFailed);
    }
    return Put(text, name, nameSize, OrvandelZoneOk);
}

int orvandel_zone_offset(const OrvandelZone* zone, int64_t utc, int* offset, char* error,
                         size_t errorSize) {
    try {
        if (utc >= zone->RuleFrom) {
            if (!zone->Rule) {
                return OrvandelZoneNoRule;
            }
            *offset = zone->Rule->OffsetAt(utc);
            return OrvandelZoneOk;
        }
        const date::sys_seconds instant{std::chrono::seconds{utc}};
        *offset = static_cast<int>(zone->Zone->get_info(instant).offset.count());
        return OrvandelZoneOk;
    } catch (const std::exception& e) {
        return Put(e.what(), error, errorSize, OrvandelZoneFailed);
    } catch (...) {
        return Put("the time-zone library failed", error, errorSize, OrvandelZoneFailed);
    }
}

int orvandel_zone_system(char* name, size_t nameSize, char* error, size_t errorSize) {
    try {
        const std::string text = date::current_zone()->name();
        if (text.size() >= nameSize) {
            return Put("the zone's name is longer than " + std::to_string(nameSize - 1) + " bytes",
                       error, errorSize, OrvandelZoneFailed);
        }
        return Put(text, name, nameSize, OrvandelZoneOk);
    } catch (const std::exception& e) {
        return Put(e.what(), error, errorSize, OrvandelZoneFailed);
    } catch (...) {
        return Put("the time-zone library failed", error, errorSize, OrvandelZoneFailed);
    }
}
