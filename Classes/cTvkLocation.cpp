#include "Classes/cTvkLocation.h"

#include <array>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "Classes/DateFunctions.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {

namespace {

constexpr double HoursPerDay = 24.0;
constexpr double TwoOClock = 1.0 / 12.0;  // days

// Raised inside the guarded blocks when the library answers on another ephemeris than the
// one asked for; the blocks turn it into the empty record.
class EEphemerisMismatch : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void CheckLibraryFlag(int32_t returned) {
    if (returned != EphemerisFlag())
        throw EEphemerisMismatch("ephemeris flag " + std::to_string(returned) + " instead of " +
                                 std::to_string(EphemerisFlag()) + ": " + EphemerisErrorText());
}

// Julian day of a universal date serial, from its Gregorian date and hour of day.
double JulianDayOfSerial(TDateTime u) {
    const TCivilDate date = DecodeDate(u);  // EConvertError outside years 1 to 9999
    return EphemerisJulDay(date.Year, date.Month, date.Day, SerialTime(u) * HoursPerDay);
}

std::unique_ptr<TTvkLocation>& UmAlQuraSlot() {
    static std::unique_ptr<TTvkLocation> source;
    return source;
}

}  // namespace

bool TTvkLocation::IsDaylightSaving(bool AtTwoOClock, TDateTime T) const {
    if (DaylightSavingOff || !HasDaylightSaving)
        return false;
    const auto inRange = [](int32_t v, int32_t hi) { return v >= 0 && v <= hi; };
    if (!inRange(DstStartWeek, 5) || !inRange(DstEndWeek, 5) || !inRange(DstStartWeekday, 6) ||
        !inRange(DstEndWeekday, 6) || !inRange(DstStartMonth, 11) || !inRange(DstEndMonth, 11))
        return false;
    const double offset = AtTwoOClock ? TwoOClock : 0.0;
    try {
        const int32_t year = DecodeDate(T).Year;
        // The next change-over of one kind at or after T: this year's when it is later than
        // T, else next year's.
        const auto next = [&](int32_t week, int32_t weekday, int32_t month) {
            const int32_t w = week == 5 ? -1 : week;
            double at = NthWeekdayOfMonth(w, weekday + 1, month + 1, year) + offset;
            if (at <= T)
                at = NthWeekdayOfMonth(w, weekday + 1, month + 1, year + 1) + offset;
            return at;
        };
        const double start = next(DstStartWeek, DstStartWeekday, DstStartMonth);
        const double end = next(DstEndWeek, DstEndWeekday, DstEndMonth);
        // Daylight saving is on exactly when it ends before it next starts; this holds for
        // either hemisphere.
        return end < start;
    } catch (const EPlatformError&) {
        return false;  // T or the year after it is outside years 1 to 9999
    }
}

TDateTime TTvkLocation::LocalToUniversal(bool IsUniversal, TDateTime T) const {
    if (IsUniversal)
        return T;
    const double d = IsDaylightSaving(true, T) ? 1.0 : 0.0;
    return T - (Zone + d) / HoursPerDay;
}

TDateTime TTvkLocation::UniversalToLocal(bool IsUniversal, TDateTime T) const {
    if (IsUniversal || T == 0.0)
        return T;
    const double d = IsDaylightSaving(true, T + Zone / HoursPerDay) ? 1.0 : 0.0;
    return T + (Zone + d) / HoursPerDay;
}

TSkyEvent TTvkLocation::ComputeEvent(int32_t Body, uint8_t EventKind, TDateTime T, bool IsUniversal,
                                     bool WithPosition) const {
    try {
        CheckRange(EventKind, 0, 3, "ComputeEvent: event kind");
        const TGeoPosition geopos = {Longitude, Latitude, static_cast<double>(Elevation)};
        const TDateTime u = LocalToUniversal(IsUniversal, T);
        const double jd = JulianDayOfSerial(u);
        int32_t flags = 1 << EventKind;
        if (NoRefraction)
            flags += 512;
        if (NauticalTwilight)
            flags += 2048;
        if (DiscMode == 1)
            flags += 256;
        if (DiscMode == 2)
            flags += 1024;

        double eventJd = 0.0;
        // A negative answer (error, or a body that never rises or sets that way) leaves no
        // event time to use.
        if (EphemerisRiseTrans(jd, Body, flags, geopos, eventJd) < 0)
            return {};
        std::array<double, 6> xx{};
        CheckLibraryFlag(EphemerisCalcUt(eventJd, Body, xx));
        const TSkyEvent pos =
            WithPosition ? ComputePosition(Body, IsUniversal, eventJd, true) : TSkyEvent{};

        const TJulDayParts parts = EphemerisRevJul(eventJd);
        CheckRange(parts.Year, 0, 65535, "ComputeEvent: year");
        CheckRange(parts.Month, 0, 65535, "ComputeEvent: month");
        CheckRange(parts.Day, 0, 65535, "ComputeEvent: day");
        TSkyEvent event;
        event.Time = UniversalToLocal(
            IsUniversal, EncodeDate(parts.Year, parts.Month, parts.Day) + parts.Hour / HoursPerDay);
        event.Azimuth = pos.Azimuth;
        event.TrueAltitude = pos.TrueAltitude;
        event.ApparentAltitude = pos.ApparentAltitude;
        return event;
    } catch (...) {
        return {};
    }
}

TSkyEvent TTvkLocation::EventOnDay(int32_t Body, uint8_t EventKind, TDateTime Day, bool IsUniversal,
                                   bool WholeDay, bool WithPosition) const {
    try {
        // The civil day is the floor of the serial, also before 1900 where truncation toward
        // zero would name the following day.
        if (WholeDay)
            Day = std::floor(Day);
        const TDateTime u = LocalToUniversal(IsUniversal, Day);
        TSkyEvent event = ComputeEvent(Body, EventKind, u, true, WithPosition);
        event.Time = UniversalToLocal(IsUniversal, event.Time);
        if (event.IsEmpty() || SerialDay(event.Time) != SerialDay(Day))
            return {};
        return event;
    } catch (...) {
        return {};
    }
}

TSkyEvent TTvkLocation::ComputePosition(int32_t Body, bool IsUniversal, double T,
                                        bool IsJulianDay) const {
    try {
        const TGeoPosition geopos = {Longitude, Latitude, static_cast<double>(Elevation)};
        const double jd = IsJulianDay ? T : JulianDayOfSerial(LocalToUniversal(IsUniversal, T));
        std::array<double, 6> xx{};
        CheckLibraryFlag(EphemerisCalcUt(jd, Body, xx));
        const std::array<double, 3> xaz = EphemerisAzAlt(jd, geopos, {xx[0], xx[1], xx[2]});
        TSkyEvent position;
        position.Azimuth = xaz[0];
        position.TrueAltitude = xaz[1];
        position.ApparentAltitude = xaz[2];
        return position;
    } catch (...) {
        return {};
    }
}

void CreateUmAlQuraSource() {
    std::unique_ptr<TTvkLocation>& slot = UmAlQuraSlot();
    if (slot)
        return;
    auto source = std::make_unique<TTvkLocation>();
    source->Description = "Um al Quara Calendar Source";
    source->Name = "Mecca, Saudi Arabia";
    source->Latitude = 21.4256;   // degrees north
    source->Longitude = 39.8378;  // degrees east
    source->Zone = 3.0;           // hours
    source->Elevation = 421;      // metres
    source->HasDaylightSaving = false;
    source->DaylightSavingOff = true;
    // Never used, since daylight saving is off: last Tuesday of February for both ends.
    source->DstStartWeek = 0;
    source->DstStartWeekday = 1;
    source->DstStartMonth = 1;
    source->DstEndWeek = 0;
    source->DstEndWeekday = 1;
    source->DstEndMonth = 1;
    const TLocation mirror("", source->Latitude, source->Longitude,
                           static_cast<double>(source->Elevation), source->Zone);
    source->PrimaryLocation = mirror;
    source->AstronomyLocation = mirror;
    slot = std::move(source);
}

const TTvkLocation& UmAlQuraSource() {
    CreateUmAlQuraSource();
    return *UmAlQuraSlot();
}

void StartObserverLocations() {
    CreateUmAlQuraSource();
}

void StopObserverLocations() {
    UmAlQuraSlot().reset();
}

}  // namespace orvandel
