// The arithmetic Islamic calendar, the Mecca location and the afternoon-prayer time.
#include "calendar/Islamic.h"

#include <algorithm>

#include "calendar/Julian.h"
#include "calendar/Location.h"
#include "calendar/SolarState.h"
#include "platform/CheckedInt.h"

namespace orvandel {

constinit const TDateClass TIslamic::Class = {"TIslamic", &TStandardDate::Class,
                                              &TProtoDate::VisibleCrescent, nullptr};

int32_t IslamicEpoch() {
    static const int32_t epoch = FixedFromJulian(TJulian::CommonEra(622), 7, 16);
    return epoch;
}

int32_t FixedFromIslamic(int32_t Year, int32_t Month, int32_t Day) {
    constexpr const char* what = "FixedFromIslamic";
    // Days before the month within its year: 0, 30, 59, ..., 325 for months 1 to 12.
    const int32_t monthDays =
        CheckedAdd(CheckedMul(29, CheckedSub(Month, 1, what), what),
                   TProtoDate::Quotient(CheckedSub(CheckedMul(6, Month, what), 1, what), 11), what);
    // Days before the year: 354 a year plus the leap days of the 30-year cycle.
    const int32_t yearDays =
        CheckedAdd(CheckedMul(354, CheckedSub(Year, 1, what), what),
                   TProtoDate::Quotient(CheckedAdd(CheckedMul(11, Year, what), 3, what), 30), what);
    int32_t fixed = CheckedAdd(Day, monthDays, what);
    fixed = CheckedAdd(fixed, yearDays, what);
    fixed = CheckedAdd(fixed, IslamicEpoch(), what);
    return CheckedSub(fixed, 1, what);
}

void TIslamic::SetFixed(int32_t Fixed) {
    constexpr const char* what = "TIslamic.SetFixed";
    const int32_t elapsedDays = CheckedSub(Fixed, IslamicEpoch(), what);
    Year = Quotient(CheckedAdd(CheckedMul(30, elapsedDays, what), 10646, what), 10631);
    const int32_t dayOfYear = CheckedSub(Fixed, FixedFromIslamic(Year, 1, 1), what);  // 0..354
    Month = Quotient(CheckedAdd(CheckedMul(11, dayOfYear, what), 330, what), 325);
    Day = CheckedAdd(CheckedSub(Fixed, FixedFromIslamic(Year, Month, 1), what), 1, what);
}

int32_t TIslamic::GetFixed() const {
    return FixedFromIslamic(Year, Month, Day);
}

std::string TIslamic::ToLongString() const {
    return DayName(GetFixed(), IslamicDayNames) + ", " + std::to_string(Day) + " " +
           MonthName(Month, IslamicMonthNames) + " " + std::to_string(Year) + " A.H.";
}

bool TIslamic::Equals(const TProtoDate* Other) const {
    return Other != nullptr && Other->ClassType().InheritsFrom(TIslamic::Class) &&
           FieldsEqual(Other);
}

int32_t TIslamic::Epoch() {
    return IslamicEpoch();
}

const TLocation& TIslamic::MeccaLocation() {
    static const TLocation mecca("Mecca, Saudi Arabia", Angle(21, 25, 24), Angle(39, 49, 24),
                                 AsMeters(1000), 3);
    return mecca;
}

double TIslamic::Asr(int32_t Date, const TLocation& Location, int32_t ShadowFactor) {
    SolarState state;
    return Asr(Date, Location, ShadowFactor, state);
}

double TIslamic::Asr(int32_t Date, const TLocation& Location, int32_t ShadowFactor,
                     SolarState& State) {
    const double noon = UniversalFromStandard(Midday(Date, Location, State), Location);
    const long double phi = Location.Latitude;
    const long double delta =
        ArcSinDeg(SinDeg(Obliquity(noon, State)) * SinDeg(SolarLongitude(noon, State)));
    // Noon altitude. The argument is cos(phi - delta), which rounding can push a hair past 1
    // when the sun passes through the zenith.
    const long double noonAltitude = ArcSinDeg(
        std::clamp(SinDeg(phi) * SinDeg(delta) + CosDeg(phi) * CosDeg(delta), -1.0L, 1.0L));
    // Altitude at which the shadow is the noon shadow plus ShadowFactor times the height.
    const long double tanNoon = TanDeg(noonAltitude);
    const long double altitude = ArcTanDeg(tanNoon / (ShadowFactor * tanNoon + 1), 1);
    // A negative depression: the moment in the afternoon at which the sun stands that high.
    return Dusk(Date, Location, static_cast<double>(-altitude), State);
}

}  // namespace orvandel
