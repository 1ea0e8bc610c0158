#include "timetable/CalcMethods.h"

#include <cmath>
#include <string>

#include "platform/Errors.h"
#include "timetable/KeyedRows.h"

namespace orvandel {

const TCalcMethod& CalcMethodAt(int index, std::string_view context) {
    if (index < 0 || index >= CalcMethodCount()) {
        throw ERangeError(std::string(context) + ": calculation method " + std::to_string(index) +
                          " outside 0.." + std::to_string(CalcMethodCount() - 1));
    }
    return CalcMethodTable[static_cast<size_t>(index)];
}

namespace {

// The committee's four seasonal values at one latitude: 75 minutes plus these minutes per
// 55 degrees of latitude (the committee's "Fajr and Isha" tables; Isha by the general shafaq).
struct SeasonalCoefficients {
    double A, B, C, D;  // minutes per 55 degrees
};
constexpr SeasonalCoefficients FajrSeasons{28.65, 19.44, 32.74, 48.10};
constexpr SeasonalCoefficients IshaSeasons{25.60, 2.05, -9.21, 6.14};
constexpr double SeasonalBaseMinutes = 75.0;
constexpr double SeasonalLatitudeDegrees = 55.0;

}  // namespace

double SeasonalTwilightMinutes(bool fajr, double latitude, int dayOfYear, bool leapYear) {
    const SeasonalCoefficients& k = fajr ? FajrSeasons : IshaSeasons;
    const double share = std::fabs(latitude) / SeasonalLatitudeDegrees;
    const double a = SeasonalBaseMinutes + k.A * share;
    const double b = SeasonalBaseMinutes + k.B * share;
    const double c = SeasonalBaseMinutes + k.C * share;
    const double d = SeasonalBaseMinutes + k.D * share;
    // Days since the winter solstice: 21 December in the north, 21 June in the south.
    const int yearDays = leapYear ? 366 : 365;
    int days = latitude >= 0 ? dayOfYear + 10 : dayOfYear - (leapYear ? 173 : 172);
    if (days >= yearDays) {
        days -= yearDays;
    }
    if (days < 0) {
        days += yearDays;
    }  // [0, yearDays)
    const double t = days;
    if (t < 91) {
        return a + (b - a) / 91.0 * t;
    }
    if (t < 137) {
        return b + (c - b) / 46.0 * (t - 91);
    }
    if (t < 183) {
        return c + (d - c) / 46.0 * (t - 137);
    }
    if (t < 229) {
        return d + (c - d) / 46.0 * (t - 183);
    }
    if (t < 275) {
        return c + (b - c) / 46.0 * (t - 229);
    }
    return b + (a - b) / 91.0 * (t - 275);
}

int MethodForCountry(std::string_view country) {
    for (const TCountryMethod& row : CountryMethods) {
        if (EqualsIgnoringCase(row.Country, country)) {
            return row.Method;
        }
    }
    return MuslimWorldLeague;
}

}  // namespace orvandel
