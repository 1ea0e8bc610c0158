#pragma once
// TTvkLocation: an observer's place with its civil-time rules (standard offset and a yearly
// daylight-saving rule), which computes rise, set and transit events and sky positions through
// the ephemeris library. Civil times are date serials (days since 30 December 1899); the
// library works in Julian day numbers.
//
// The unit also owns UmAlQuraSource, the Mecca reference place whose sunset and moonset
// decide each month start of the Umm al-Qura calendar.

#include <cstdint>
#include <string>

#include "calendar/Location.h"
#include "platform/DateTime.h"

namespace orvandel {

// One rise, set or position result. All four fields 0 means no result.
struct TSkyEvent {
    TDateTime Time = 0.0;           // date serial of the event, local or universal as asked
    double Azimuth = 0.0;           // degrees, as the library gives it
    double TrueAltitude = 0.0;      // degrees, without refraction
    double ApparentAltitude = 0.0;  // degrees, with refraction

    bool IsEmpty() const {
        return Time == 0.0 && Azimuth == 0.0 && TrueAltitude == 0.0 && ApparentAltitude == 0.0;
    }
    bool operator==(const TSkyEvent&) const = default;
};

// Event kinds k = 0..3, passed to the library as the flag 2^k.
constexpr uint8_t EventRise = 0;
constexpr uint8_t EventSet = 1;
constexpr uint8_t EventUpperTransit = 2;
constexpr uint8_t EventLowerTransit = 3;
// Body numbers of the library.
constexpr int32_t BodySun = 0;
constexpr int32_t BodyMoon = 1;

class TTvkLocation {
  public:
    // Mirror of the coordinates; whoever sets the coordinates copies them here.
    TLocation PrimaryLocation;
    std::string Description;  // what the place is used for
    std::string Name;         // display name
    double Latitude = 0.0;    // degrees, north positive
    double Longitude = 0.0;   // degrees, east positive
    double Zone = 0.0;        // standard-time offset from universal time, hours, east positive
    int32_t Elevation = 0;    // metres above sea level
    // Daylight-saving rule. Week codes: 0 = last, 1..4 = first..fourth, 5 = the one before
    // the last. Weekday codes 0 = Monday ... 6 = Sunday. Month codes 0 = January ... 11.
    int32_t DstStartWeek = 0;
    int32_t DstStartWeekday = 0;
    int32_t DstStartMonth = 0;
    int32_t DstEndWeek = 0;
    int32_t DstEndWeekday = 0;
    int32_t DstEndMonth = 0;
    bool HasDaylightSaving = false;
    // Mirror of the coordinates read by the calendar library's astronomy.
    TLocation AstronomyLocation;
    bool DaylightSavingOff = false;  // true: daylight saving never applies
    bool NoRefraction = false;       // adds 512 to the library's rise/set flags
    bool NauticalTwilight = false;   // adds 2048 to the library's rise/set flags
    uint8_t DiscMode = 0;            // 1 adds 256, 2 adds 1024; 0 adds nothing

    // Whether local time T falls in daylight saving. The change-over is at 02:00 of the
    // change-over day when AtTwoOClock, else at 00:00. False when DaylightSavingOff, when the
    // place has no daylight saving, when any rule code is out of range, or when T or the year
    // after it lies outside years 1 to 9999. Never raises.
    bool IsDaylightSaving(bool AtTwoOClock, TDateTime T) const;
    // T unchanged when IsUniversal; otherwise T - (Zone + d) / 24 with d = 1 in daylight
    // saving (at T) and 0 otherwise.
    TDateTime LocalToUniversal(bool IsUniversal, TDateTime T) const;
    // T unchanged when IsUniversal or when T is 0 (no event); otherwise T + (Zone + d) / 24
    // with d = 1 when T + Zone / 24 falls in daylight saving.
    TDateTime UniversalToLocal(bool IsUniversal, TDateTime T) const;

    // The first event of EventKind (0 rise, 1 set, 2 upper transit, 3 lower transit) of Body
    // after moment T (local, or universal when IsUniversal), with the body's position at it;
    // Time is given on the same clock as T. Never raises: any library failure, any answer on
    // another ephemeris than EphemerisFlag, an event kind outside 0..3 and any date outside
    // years 1 to 9999 give the empty record. Without WithPosition the position fields stay 0
    // (one ephemeris computation less, for callers that need only the time).
    TSkyEvent ComputeEvent(int32_t Body, uint8_t EventKind, TDateTime T, bool IsUniversal,
                           bool WithPosition = true) const;
    // The event of that kind on the civil day of Day (local, or universal when IsUniversal),
    // searched from 00:00 of Day when WholeDay (else from Day itself). The empty record when
    // the first event after that start falls on another civil day or is missing. Days before
    // 30 December 1899 are taken by their floor. Never raises.
    TSkyEvent EventOnDay(int32_t Body, uint8_t EventKind, TDateTime Day, bool IsUniversal,
                         bool WholeDay, bool WithPosition = true) const;
    // Azimuth, true and apparent altitude of Body at moment T: T is a universal Julian day
    // when IsJulianDay, else a date serial (local, or universal when IsUniversal). Time of
    // the result is 0. Never raises; failures give the empty record.
    TSkyEvent ComputePosition(int32_t Body, bool IsUniversal, double T, bool IsJulianDay) const;
};

// Creates UmAlQuraSource ("Um al Quara Calendar Source", "Mecca, Saudi Arabia", 21.4256 N,
// 39.8378 E, zone +3 h, 421 m, no daylight saving) unless it exists.
void CreateUmAlQuraSource();
// The Mecca reference place of the Umm al-Qura calendar; created on first use if nobody
// called CreateUmAlQuraSource. Never changed after creation. Callers never free it.
const TTvkLocation& UmAlQuraSource();

// Start-up and shut-down of the unit: the program calls StartObserverLocations after
// StartEphemeris and StopObserverLocations before StopEphemeris.
void StartObserverLocations();
void StopObserverLocations();

}  // namespace orvandel
