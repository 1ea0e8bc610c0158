#pragma once

// The stand-alone prayer-time routine: one civil date, one place, six times in decimal hours on
// the clock of the place's zone. It carries its own Julian day, a low-precision sun (mean
// elements, Kepler's equation, the equation of time) and the hour-angle formula, and needs no
// other part of the program.
//
// High latitudes: at 48 degrees and beyond, Fajr and Isha move to a fraction-of-the-night rule
// when the twilight angle is nearly or never reached; a day whose sun does not rise, or that
// lasts 1 hour or less or 23 hours or more, is computed at the reference latitude instead.
//
// The routine never throws and, for finite parameters and years within +-200000, never returns
// NaN: wherever an arc-cosine argument leaves -1..1 it is clamped into -1..1 (see PrayerTimes).

#include <array>
#include <cstddef>

namespace orvandel::prayer {

// The parameter block, read by position. Angles in radians, times in hours, heights in metres.
using PrayerParameters = std::array<double, 11>;
enum ParameterSlot : size_t {
    SafetyOffset = 0,       // hours added to Dhuhr, Asr, Maghrib and to hour-angle Fajr/Isha
    LongitudeRad = 1,       // radians, east positive
    LatitudeRad = 2,        // radians, north positive
    EveningElevation = 3,   // metres above the western horizon (Maghrib, Isha); 0 for none
    MorningElevation = 4,   // metres above the eastern horizon (Shrook, Fajr); 0 for none
    ZoneOffset = 5,         // hours east of Greenwich; the clock of every result
    FajrAngle = 6,          // radians, positive: the sun's depression at Fajr
    IshaAngle = 7,          // radians, positive; 0 puts Isha IshaInterval after Maghrib
    AsrShadow = 8,          // shadow factor: 1 standard, 2 Hanafi
    ReferenceLatitude = 9,  // radians; its magnitude is the substitute latitude
    IshaInterval = 10       // hours from Maghrib to Isha, used only when IshaAngle is 0
};

// Results numbered 1 (Fajr) to 6 (Isha); index 0 is unused.
using PrayerResults = std::array<double, 7>;
enum PrayerNumber : size_t { Fajr = 1, Shrook = 2, Dhuhr = 3, Asr = 4, Maghrib = 5, Isha = 6 };

// Julian day number of 0 h of a civil date, Gregorian rule for every year. January and
// February count as months 13 and 14 of the year before. Any int arguments are accepted;
// out-of-range months and days extrapolate linearly.
double JulianDay(int Year, int Month, int Day);

// Eccentric anomaly [rad] for an eccentricity in 0 <= e < 1 and a mean anomaly [rad] of any
// size, by Newton's method started at the mean anomaly. Near e = 1 that iteration can wander;
// after a bounded number of steps the root is then found by bisection, so the call always ends
// and always satisfies Kepler's equation for |e| < 1. Other eccentricities end in bounded time
// with an unspecified result.
double SolveKepler(double Eccentricity, double MeanAnomaly);

// The sun on one civil date at one place.
struct TSolarDay {
    double Sunrise, Transit, Sunset;  // hours, zone clock; sunrise = transit - half-day
    double Declination;               // rad, at local midnight
    bool NoRise;                      // the sun stays below -0.833333 deg all day
    double EquationOfTime;            // hours; transit = 12 + zone - longitude hours - this
};

// Sunrise, transit and sunset for the altitude -0.833333 deg. Where the sun never rises the
// no-rise flag is set and sunrise = sunset = transit; where it never sets, sunrise and sunset
// lie 12 hours either side of the transit. LongitudeRad east positive, LatitudeRad north
// positive, ZoneOffset in hours east of Greenwich.
TSolarDay SolarDay(int Year, int Month, int Day, double LongitudeRad, double LatitudeRad,
                   double ZoneOffset);

// Whether PrayerTimes computes the day at the reference latitude: the sun does not rise, or
// the day lasts 1 hour or less or 23 hours or more.
bool IsExtremeDay(const TSolarDay& Sun);
// Shares of the night, measured at the reference latitude (taken with the sign of the place's
// latitude) on the given date: Isha = (Isha - sunset) / night, Fajr = (sunrise - Fajr) / night.
// The safety offset widens both. Where the reference day has no night at all (a reference
// latitude inside the polar circle in its summer) both fractions are 0.
struct TNightFractions {
    double Isha, Fajr;
};
TNightFractions NightFractions(int Year, int Month, int Day, const PrayerParameters& Parameters);

// Fills Times[Fajr] .. Times[Isha] in hours after local midnight on the zone clock; Times[0] is
// left alone and Parameters is never changed. Results are not wrapped into 0..24: an Isha after
// midnight is 24 or more, a Fajr before it negative.
//
// Where the sun never sinks as deep as the Fajr or Isha angle, the clamped arc-cosine puts that
// time at the sun's lowest point (transit -/+ 12 h); where it never rises as high as an angle
// asked for, at the transit. Negative elevations (below sea level) lower no horizon and give no
// correction.
void PrayerTimes(int Year, int Month, int Day, const PrayerParameters& Parameters,
                 PrayerResults& Times);

}  // namespace orvandel::prayer
