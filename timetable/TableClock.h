#pragma once
// The clock on which a timetable is read: a fixed offset from GMT (the zone fields) or a time
// zone of the system's database (a city's IANA zone, the computer's own), with its daylight
// saving. Shared by the window and orvandel-table.
// Instants are whole seconds since 1970-01-01 00:00 UTC; the calendar of every date is the
// proleptic Gregorian one of the calendar library, for any year.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TimeZone.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Timetable.h"

namespace orvandel {

// A date and time of day on some clock.
struct CivilTime {
    int32_t Year;
    int Month, Day;            // 1..12, 1..31
    int Hour, Minute, Second;  // 0..23, 0..59, 0..59
};

// The date and time `seconds` after 1970-01-01 00:00 on the same clock.
CivilTime CivilFromSeconds(int64_t seconds);
// Seconds after 1970-01-01 00:00 of 00:00 of a fixed date (day 1 = 1 January of year 1).
int64_t SecondsOfFixed(int32_t fixed);
// The fixed date of the day that contains `seconds` after 1970-01-01 00:00.
int32_t FixedOfSeconds(int64_t seconds);
// "2025-07-01T04:47:00+01:00": the wall-clock reading at `utc` on a clock `offset` seconds east
// of UTC. An offset with seconds (the local mean times of the 19th century) is written
// +HH:MM:SS.
std::string IsoDateTime(int64_t utc, int offset);
// "+01:00", "-03:30", "+00:00"; +HH:MM:SS when the offset has seconds.
std::string OffsetText(int offset);
// Seconds of a time in decimal hours, toward minus infinity. A value within a microsecond of a
// whole second counts as that second: the hours carry rounding noise of about 1e-11 s, which
// must not turn 4:35:00 into 4:34:59. EInvalidOp for NaN or infinity.
long long FloorSeconds(double hours);

class TableClock {
  public:
    // A fixed offset, in seconds east of UTC.
    static TableClock Fixed(int offset);
    // A zone of the system's database ("Europe/Berlin"). EUnknownZone for a name the database
    // does not hold, EZoneFileError for a damaged file or a missing database.
    static TableClock Zone(std::string_view name);
    // The computer's own clock (TimeZoneRules::System), named by its zone or TZ value.
    static TableClock System();

    bool IsZone() const { return rules_ != nullptr; }
    // The zone's name, empty for a fixed offset.
    const std::string& Name() const { return name_; }
    // The offset in force at an instant, seconds east of UTC.
    int OffsetAt(int64_t utc) const { return rules_ ? rules_->OffsetAt(utc) : offset_; }
    // The offset without daylight saving at an instant.
    int StandardOffsetAt(int64_t utc) const {
        return rules_ ? rules_->StandardOffsetAt(utc) : offset_;
    }
    // Every change of the offset in [from, to); none on a fixed offset.
    std::vector<TimeZoneRules::Change> Changes(int64_t from, int64_t to) const {
        return rules_ ? rules_->Changes(from, to) : std::vector<TimeZoneRules::Change>{};
    }
    // Whether the reading `local` is one the clock skips (the hour a change forward passes
    // over).
    bool Skips(int64_t local) const;
    // The instant at which the clock reads `local` (seconds after 1970-01-01 00:00 on the
    // clock). A reading that occurs twice (the hour after a change back) is the earlier; a
    // reading that a change forward skips is taken on the offset before the change (02:30
    // becomes 03:30 on the new clock).
    int64_t UtcOf(int64_t local) const;
    // The offset in force at 12:00 of the fixed date on this clock.
    int OffsetAtNoon(int32_t fixed) const;

  private:
    std::shared_ptr<const TimeZoneRules> rules_;
    std::string name_;
    int offset_ = 0;
};

// The fixed clock of the settings' own zone (SettingsZoneSeconds).
TableClock SettingsClock(const TimetableSettings& settings);

// The place's own clock in the week that starts on the fixed date `first`: the zone of `city`
// (the catalogue city the place came from) while the settings hold its offset; else, with
// `followSystem`, the computer's zone where the settings hold any offset it uses in the civil
// year of that week (a place typed by hand near the user: GMT 0 at Dublin, whose database
// writes its winter as a negative daylight saving from a standard +1, and at London; 10 or 11
// at Sydney); else none, the settings' fixed offset. Errors of the zone database pass on
// (EUnknownZone, EZoneFileError).
std::optional<TableClock> PlaceZone(const TimetableSettings& settings, const TCityEntry* city,
                                    bool followSystem, int32_t first);
// Whether `zone` reads `offset` (seconds east of UTC) at some instant of the civil year that
// holds the fixed date, from its local 1 January to the next.
bool UsesOffsetInYear(const TableClock& zone, int offset, int32_t fixed);
// Whether reading the week from `first` on `zone` can differ from its fixed `offset`: the zone
// changes its clock within half a year of the week, or differs from the offset during it (a
// local mean time of old).
bool ZoneMatters(const TableClock& zone, int offset, int32_t first);

// Where the times of one row lie: the row's own clock and, for each time, the instant of the
// shown time (the minute, or the second with `seconds`) and the clock's offset there.
struct RowTimes {
    int Offset = 0;                 // the row's clock: the offset at its day's 12:00
    std::array<int64_t, 6> Utc{};   // instant of each time; meaningful where the event occurs
    std::array<int, 6> OffsetAt{};  // the clock's offset at each instant
};

// `count` days from the fixed date `firstFixed` on the clock. The astronomy of each day runs on
// the offset in force at its 12:00 (settings' zone fields are replaced), so a day's times are
// those of a fixed zone of that day; a time whose instant lies on the other side of a change
// of the clock (only an event after midnight on the night of a change) is then moved by the
// change, so that every shown time is the wall-clock reading at its instant. Sunset-based
// rows keep their counts. A date the clock leaves out altogether (Samoa's 30 December 2011)
// keeps its row, with no time that occurs. `times` receives one entry per row.
std::vector<TimetableDay> ComputeClockedDays(TimetableEngine& engine,
                                             const TimetableSettings& settings,
                                             const TableClock& clock, int32_t firstFixed, int count,
                                             bool seconds, std::vector<RowTimes>& times);

// The week of settings.Date as TimetableEngine::ComputeWeek gives it, every row on the clock as
// ComputeClockedDays computes it; `times` receives each row's clock and the instants of its
// times, on a fixed clock as on a zone.
Timetable ComputeClockedWeek(TimetableEngine& engine, const TimetableSettings& settings,
                             const TableClock& clock, std::vector<RowTimes>& times);

}  // namespace orvandel
