#pragma once
// The rule of an IANA zone for the times after the last change its file records: the POSIX TZ
// string that ends the zone's file in the system's database ("CET-1CEST,M3.5.0,M10.5.0/3"),
// read by the time-zone library's own reader of such strings. The database's files list the
// changes up to 2037; this rule carries every zone on to year 9999.

#include <cstdint>
#include <memory>
#include <string>

namespace orvandel::table {

class PosixZoneRule {
  public:
    // The rule of the text, or nullptr when the library cannot read it (a change at an hour
    // outside 0..24, as in the Greenland zones).
    static std::shared_ptr<const PosixZoneRule> Parse(const std::string& text);
    virtual ~PosixZoneRule() = default;
    // The offset at an instant (seconds since 1970-01-01 00:00 UTC), seconds east of UTC.
    virtual int OffsetAt(int64_t utc) const = 0;
};

}  // namespace orvandel::table
