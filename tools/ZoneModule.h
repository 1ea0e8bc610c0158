#pragma once
// The interface of orvandel-zones.so, the module that reads the system's time-zone database.
// orvandel-table loads it only when a zone is asked for, so that a run on a fixed offset loads
// no C++ library at all. The interface is plain C: the command carries its own C++ runtime and
// the module uses the system's, so no C++ object or exception may cross between the two. Every
// function catches what the library throws and reports it in its result; messages are written
// NUL-terminated into the caller's buffer, cut to its size.

#include <stddef.h>
#include <stdint.h>

// Only these functions leave the module.
#define ORVANDEL_ZONE_API __attribute__((visibility("default")))

extern "C" {

// A zone of the database, with the rule for the times after its last recorded change.
struct OrvandelZone;

enum OrvandelZoneStatus {
    OrvandelZoneOk = 0,
    OrvandelZoneUnknown = 1,  // the database knows no zone of that name
    OrvandelZoneNoRule = 2,   // past the last recorded change, and the zone's rule is unreadable
    OrvandelZoneFailed = 3,   // anything else; the message says what
};

// Finds the zone `name`; on success *zone is a zone to give back with orvandel_zone_close.
ORVANDEL_ZONE_API int orvandel_zone_open(const char* name, OrvandelZone** zone, char* error,
                                         size_t errorSize);
ORVANDEL_ZONE_API void orvandel_zone_close(OrvandelZone* zone);
// The zone's own name in the database (a link's target name for a link).
ORVANDEL_ZONE_API int orvandel_zone_name(const OrvandelZone* zone, char* name, size_t nameSize,
                                         char* error, size_t errorSize);
// The offset in force at `utc` (seconds since 1970-01-01 00:00 UTC), seconds east of UTC.
ORVANDEL_ZONE_API int orvandel_zone_offset(const OrvandelZone* zone, int64_t utc, int* offset,
                                           char* error, size_t errorSize);
// The name of the zone /etc/localtime names.
ORVANDEL_ZONE_API int orvandel_zone_system(char* name, size_t nameSize, char* error,
                                           size_t errorSize);

// The module's file name, found through the command's library search path.
#define ORVANDEL_ZONE_MODULE "orvandel-zones.so"
// The folder of the system's time-zone database that the module reads.
#define ORVANDEL_ZONE_FOLDER "/usr/share/zoneinfo/"
}
