#pragma once
// Time zones of the system's database: the binary zone files of /usr/share/zoneinfo (TZif,
// versions 1 to 4) and the POSIX TZ rules ("CET-1CEST,M3.5.0,M10.5.0/3") that end them and
// that the TZ variable may hold. Every count, index and offset of a file is checked against the
// file before it is used: a file that is not a valid zone is refused with an error naming it,
// never read past its end and never half believed. Instants are whole seconds since
// 1970-01-01 00:00 UTC; offsets are seconds east of UTC.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Errors.h"

namespace orvandel {

// A zone file that cannot be read as a zone (damaged, truncated, empty, unreadable), or a
// missing database folder: a fault of the installation, not of the name asked for. The
// message names the file.
class EZoneFileError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A name the database does not hold or whose file there holds no zone, or a TZ value that is
// neither a zone nor a rule: bad input. The message says what was wrong, without repeating the
// name.
class EUnknownZone : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// The folder of the zone database: TZDIR when it is set and not empty, else
// /usr/share/zoneinfo.
std::string ZoneDatabaseFolder();

// The proleptic Gregorian year of the day (UTC) that contains `seconds` after 1970-01-01 00:00
// UTC: -1 lies in 1969. Instants beyond about 30000 years from 1970 answer the year at that
// limit (the zone rules repeat every 400 years; such instants are no dates).
int YearOfSeconds(int64_t seconds);

// The text with every control character written as \xHH, so that it shows on one line.
std::string EscapeControls(std::string_view text);

// The abbreviations a POSIX TZ rule names, without the <> of quoted ones: the standard and
// the daylight-saving one joined by "/" ("GMT/BST" for "GMT0BST,M3.5.0/1,M10.5.0"), the one
// abbreviation of a rule without daylight saving ("+03" for "<+03>-3"); empty for a text that
// TimeZoneRules::FromPosixRule refuses.
std::string PosixRuleAbbreviations(std::string_view text);

class TimeZoneRules {
public:
    struct Change {
        int64_t Utc;        // the first second on the new offset
        int Before, After;  // offsets
    };

    // The zone `name` of the database ("Europe/Berlin"). EUnknownZone for a name that is not a
    // relative path of letters, digits and _+-/, that the database does not hold, or whose file
    // does not begin as a zone file does (the database's text files, such as leapseconds);
    // EZoneFileError for a missing database folder or a zone file that is damaged or cut short.
    static std::shared_ptr<const TimeZoneRules> FromDatabase(std::string_view name);
    // The zone file at `path`. EZoneFileError, naming the path, when it is missing, not a
    // regular file, larger than 1 MiB or not a valid zone.
    static std::shared_ptr<const TimeZoneRules> FromFile(const std::string& path);
    // The zone of a file's bytes; `source` names the file in errors.
    static std::shared_ptr<const TimeZoneRules> FromBytes(std::string_view bytes,
                                                          const std::string& source);
    // A POSIX TZ rule: std offset [dst [offset] [,start[/time],end[/time]]], names alphabetic
    // or in <>, offsets [+-]hh[:mm[:ss]] west of UTC with hours 0..24, rule times with hours
    // -167..167; a rule missing after a dst name is the US one (M3.2.0,M11.1.0). EUnknownZone
    // for any other text.
    static std::shared_ptr<const TimeZoneRules> FromPosixRule(std::string_view text);

    // The clock of this computer as the C library finds it, with a name to show: TZ when it
    // is set (empty: UTC; ":name" or "name" a zone of the database, "/path" or ":/path" a
    // zone file, otherwise a POSIX rule), else /etc/localtime (named after the database zone
    // it links to), else UTC. EUnknownZone for a TZ value that is neither; EZoneFileError for
    // a damaged file.
    struct SystemZone {
        std::shared_ptr<const TimeZoneRules> Rules;
        std::string Name;
    };
    static SystemZone System();

    // The offset in force at `utc`.
    int OffsetAt(int64_t utc) const;
    // The standard offset at `utc`: the offset in force without daylight saving (the offset of
    // the latest standard-time period at or before `utc`, else of the first one after).
    int StandardOffsetAt(int64_t utc) const;
    // Every change of the offset in [from, to), in order.
    std::vector<Change> Changes(int64_t from, int64_t to) const;

    struct PosixRule;
    struct Period {
        int Offset;
        bool IsDst;
    };
    TimeZoneRules(std::vector<int64_t> transitions, std::vector<Period> periods,
                  Period initial, std::shared_ptr<const PosixRule> rule);
    ~TimeZoneRules();

private:
    const Period& PeriodAt(int64_t utc) const;

    std::vector<int64_t> transitions_;  // strictly increasing
    std::vector<Period> periods_;       // the period that starts at each transition
    Period initial_;                    // before the first transition
    std::shared_ptr<const PosixRule> rule_;  // after the last transition; null: the last period
};

}  // namespace orvandel
