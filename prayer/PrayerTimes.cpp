#include "prayer/PrayerTimes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace orvandel::prayer {

namespace {

constexpr double DegToRad = 0.017453292519943295;        // rad per degree
constexpr double HoursPerRadian = 3.819718634205488;     // 12 / pi: hours of hour angle per rad
constexpr double FifteenPi = 47.1238898038469;           // 15 pi: hours = rad * 180 / this
constexpr double FixedObliquityRad = 0.409138046482128;  // 23.441884 deg * 0.017453292
// The mean elements below (longitude 279.6966778 deg, anomaly 358.47583 deg, eccentricity
// 0.01675104, obliquity 23.452294 deg) belong to this epoch; counting T from another one puts
// the sun's longitude 0.77 deg behind and its declination up to 0.3 deg off.
constexpr double ElementsEpoch = 2415020.0;  // Julian day of 1900 January 0.5
constexpr double DaysPerJulianCentury = 36525.0;

// The rising altitude differs in its last digit between the two routines that use it.
constexpr double SolarDayHorizonDeg = -0.833333;  // SolarDay: six 3s
constexpr double PrayerHorizonDeg = -0.83333;     // horizon corrections: five 3s

constexpr double HighLatitudeRad = 0.83776;     // 48.0001 deg: the night-fraction rule
constexpr double CorrectionLatitudeRad = 0.79;  // horizon corrections only below this
constexpr double ThresholdSlope = 1.3369;       // per rad of the Fajr angle
constexpr double ThresholdIntercept = 0.45;
constexpr double EarthRadiusM = 6378140.0;  // metres
constexpr double AsrFallbackHours = 3.5;    // Asr half-arc where the altitude is missed
constexpr double ShortestDayHours = 1.0;    // days this short or shorter are extreme
constexpr double LongestDayHours = 23.0;    // days this long or longer are extreme
constexpr double KeplerTolerance = 1e-9;    // rad
constexpr int KeplerNewtonSteps = 50;       // the sun's eccentricity needs 3; e = 0.97 needs 8
constexpr int KeplerBisectionSteps = 200;
constexpr double NoNightHours = 1e-9;  // reference nights shorter than this have no shares

// Brings degrees into 0..360 the way "subtract 360 while above 360, add 360 while below 0"
// does, bit for bit (a whole multiple of 360 above 360 ends at 360), without a loop whose
// length grows with the distance from the epoch.
double ReduceDegrees(double degrees) {
    if (degrees > 360.0) {
        degrees = std::fmod(degrees, 360.0);  // exact, like repeated subtraction
        if (degrees == 0.0) {
            degrees = 360.0;
        }
    } else if (degrees < 0.0) {
        degrees = std::fmod(degrees, 360.0);  // exact, in (-360, 0]
        // The last step of repeated addition: a whole multiple of 360 ends at 0.
        degrees = degrees == 0.0 ? 0.0 : degrees + 360.0;
    }
    return degrees;
}

// Arc cosine clamped into -1..1, so an altitude the sun never reaches gives 0 or pi instead
// of NaN.
double ClampedArcCos(double c) {
    return std::acos(std::clamp(c, -1.0, 1.0));
}

// The hour-angle formula at one latitude and declination [rad].
struct HourAngle {
    double sinLatitude, cosLatitude, sinDeclination, cosDeclination;

    HourAngle(double latitudeRad, double declinationRad)
        : sinLatitude(std::sin(latitudeRad)),
          cosLatitude(std::cos(latitudeRad)),
          sinDeclination(std::sin(declinationRad)),
          cosDeclination(std::cos(declinationRad)) {}

    // Cosine of the hour angle at which the sun stands at altitude [rad]; outside -1..1 when
    // the sun never reaches it.
    double C(double altitudeRad) const {
        return (std::sin(altitudeRad) - sinLatitude * sinDeclination) /
               (cosLatitude * cosDeclination);
    }
    // Hours from the transit to the altitude, 0..12.
    double H(double altitudeRad) const { return HoursPerRadian * ClampedArcCos(C(altitudeRad)); }
};

// How far the horizon of an observer elevationM metres up lies below the astronomical one
// [rad]. A place at or below sea level has no such dip.
double HorizonDip(double elevationM) {
    if (!(elevationM > 0.0)) {
        return 0.0;
    }
    return std::numbers::pi / 2 - std::asin(EarthRadiusM / (EarthRadiusM + elevationM));
}

// Hours by which a raised horizon moves sunset later (and sunrise earlier), at the hour-angle
// formula of the place's true latitude.
double ElevationCorrection(const HourAngle& sun, double elevationM) {
    if (elevationM == 0.0) {
        return 0.0;
    }
    const double h0 = ClampedArcCos(sun.C(PrayerHorizonDeg * DegToRad));
    const double hDip = ClampedArcCos(sun.C(PrayerHorizonDeg * DegToRad + HorizonDip(elevationM)));
    return HoursPerRadian * (h0 - hDip);
}

double Threshold(const PrayerParameters& p) {
    return ThresholdSlope * p[FajrAngle] + ThresholdIntercept;
}

// The reference latitude with the sign of the place: the southern hemisphere takes its own.
double SignedReference(const PrayerParameters& p) {
    const double magnitude = std::fabs(p[ReferenceLatitude]);
    return p[LatitudeRad] >= 0.0 ? magnitude : -magnitude;
}

}  // namespace

double JulianDay(int Year, int Month, int Day) {
    // 64-bit so that no int argument can overflow; "integer part" is truncation toward zero.
    std::int64_t year = Year;
    std::int64_t month = Month;
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const std::int64_t a = year / 100;     // |a| < 2.2e7
    const std::int64_t b = 2 - a + a / 4;  // Gregorian correction, |b| < 1.7e7
    return std::trunc(365.25 * static_cast<double>(year + 4716)) +
           std::trunc(30.6001 * static_cast<double>(month + 1)) + static_cast<double>(Day) +
           static_cast<double>(b) - 1524.5;
}

double SolveKepler(double Eccentricity, double MeanAnomaly) {
    const double e = Eccentricity;
    const double m = MeanAnomaly;
    double k = m;
    double correction = 1.0;
    for (int step = 0; step < KeplerNewtonSteps && std::fabs(correction) > KeplerTolerance;
         ++step) {
        correction = k - e * std::sin(k) - m;
        k -= correction / (1.0 - e * std::cos(k));
    }
    if (std::fabs(correction) <= KeplerTolerance || !(std::fabs(e) < 1.0)) {
        return k;
    }
    // Newton did not settle (eccentricities near 1). For |e| < 1, k - e sin k rises strictly,
    // and the root lies within |e| of the mean anomaly: bisect that bracket.
    double low = m - std::fabs(e);
    double high = m + std::fabs(e);
    for (int step = 0; step < KeplerBisectionSteps; ++step) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) {
            break;  // the bracket is down to adjacent doubles
        }
        if (middle - e * std::sin(middle) - m < 0.0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return low + (high - low) / 2;
}

TSolarDay SolarDay(int Year, int Month, int Day, double LongitudeRad, double LatitudeRad,
                   double ZoneOffset) {
    const double jd = JulianDay(Year, Month, Day);
    // Julian centuries from the elements' epoch to local midnight, in universal time.
    const double t = (jd - ZoneOffset / 24.0 - ElementsEpoch) / DaysPerJulianCentury;

    const double meanLongitude =
        ReduceDegrees(279.6966778 + 36000.76892 * t + 0.0003025 * t * t) * DegToRad;
    const double meanAnomaly =
        ReduceDegrees(358.47583 + 35999.04975 * t - 0.000150 * t * t - 0.0000033 * t * t * t) *
        DegToRad;
    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t * t;
    const double obliquity =
        (23.452294 - 0.0130125 * t - 0.00000164 * t * t + 0.000000503 * t * t * t) * DegToRad;
    const double y = std::pow(std::tan(obliquity / 2), 2);

    const double l = meanLongitude;
    const double m = meanAnomaly;
    const double equationRad = y * std::sin(2 * l) - 2 * e * std::sin(m) +
                               4 * e * y * std::sin(m) * std::cos(2 * l) -
                               0.5 * y * y * std::sin(4 * l) - 1.25 * e * e * std::sin(2 * m);
    const double equationHours = equationRad * 180.0 / FifteenPi;

    const double k = SolveKepler(e, m);
    const double trueAnomaly = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(k / 2));
    const double trueLongitude = l + trueAnomaly - m;
    // The ecliptic latitude is taken as 0; the fixed obliquity, not the one above, places the
    // sun in declination.
    const double declination = std::asin(std::sin(FixedObliquityRad) * std::sin(trueLongitude));

    TSolarDay day{};
    day.Declination = declination;
    day.EquationOfTime = equationHours;
    day.Transit = 12.0 + ZoneOffset - LongitudeRad * HoursPerRadian - equationHours;

    double c = HourAngle(LatitudeRad, declination).C(SolarDayHorizonDeg * DegToRad);
    if (c > 1.0) {
        day.NoRise = true;
        c = 1.0;
    }
    const double halfDay = HoursPerRadian * ClampedArcCos(c);  // 12 h where the sun never sets
    day.Sunrise = day.Transit - halfDay;
    day.Sunset = day.Transit + halfDay;
    return day;
}

bool IsExtremeDay(const TSolarDay& Sun) {
    const double dayLength = std::fabs(Sun.Sunset - Sun.Sunrise);
    return Sun.NoRise || dayLength <= ShortestDayHours || dayLength >= LongestDayHours;
}

TNightFractions NightFractions(int Year, int Month, int Day, const PrayerParameters& Parameters) {
    const PrayerParameters& p = Parameters;
    const double latitude = SignedReference(p);
    const TSolarDay ref = SolarDay(Year, Month, Day, p[LongitudeRad], latitude, p[ZoneOffset]);
    const HourAngle sun(latitude, ref.Declination);
    const double night = 24.0 - (ref.Sunset - ref.Sunrise);

    const double fajr = ref.Transit - sun.H(-p[FajrAngle]) - p[SafetyOffset];
    const double isha = p[IshaAngle] != 0.0 ? ref.Transit + sun.H(-p[IshaAngle]) + p[SafetyOffset]
                                            : ref.Sunset + p[IshaInterval];
    if (!(night > NoNightHours)) {
        // A reference day of 24 hours has no night to share out; dividing would give
        // infinities or NaN.
        return {0.0, 0.0};
    }
    return {(isha - ref.Sunset) / night, (ref.Sunrise - fajr) / night};
}

void PrayerTimes(int Year, int Month, int Day, const PrayerParameters& Parameters,
                 PrayerResults& Times) {
    const PrayerParameters& p = Parameters;
    const double trueLatitude = p[LatitudeRad];
    const double safety = p[SafetyOffset];

    TSolarDay sun = SolarDay(Year, Month, Day, p[LongitudeRad], trueLatitude, p[ZoneOffset]);

    // Raised horizons, judged at the true latitude before any substitution.
    double eveningCorrection = 0.0;  // cW, hours
    double morningCorrection = 0.0;  // cE, hours
    if (!sun.NoRise && std::fabs(trueLatitude) < CorrectionLatitudeRad &&
        (p[EveningElevation] != 0.0 || p[MorningElevation] != 0.0)) {
        const HourAngle place(trueLatitude, sun.Declination);
        eveningCorrection = ElevationCorrection(place, p[EveningElevation]);
        morningCorrection = ElevationCorrection(place, p[MorningElevation]);
    }

    // An extreme day is computed at the reference latitude; only the two 48-degree tests below
    // keep the true latitude.
    double latitude = trueLatitude;
    if (IsExtremeDay(sun)) {
        latitude = SignedReference(p);
        const TSolarDay substitute =
            SolarDay(Year, Month, Day, p[LongitudeRad], latitude, p[ZoneOffset]);
        sun.Sunrise = substitute.Sunrise;
        sun.Transit = substitute.Transit;
        sun.Sunset = substitute.Sunset;
        sun.Declination = substitute.Declination;
    }
    const HourAngle place(latitude, sun.Declination);

    Times[Shrook] = sun.Sunrise - morningCorrection;
    Times[Dhuhr] = sun.Transit + safety;
    Times[Maghrib] = sun.Sunset + eveningCorrection + safety;

    const double shadow = p[AsrShadow] + std::tan(std::fabs(sun.Declination - latitude));
    const double asrAltitude = std::atan(1.0 / shadow);
    const double asrHalfArc =
        std::fabs(place.C(asrAltitude)) > 1.0 ? AsrFallbackHours : place.H(asrAltitude);
    Times[Asr] = sun.Transit + asrHalfArc + safety;

    const double night = 24.0 - (sun.Sunset - sun.Sunrise);
    const bool highLatitude = !(std::fabs(trueLatitude) < HighLatitudeRad);
    TNightFractions fractions{0.0, 0.0};
    if (highLatitude) {
        // The shares of the night are measured on the solstice of the place's hemisphere.
        fractions = NightFractions(Year, trueLatitude >= 0.0 ? 6 : 12, 21, p);
    }
    // At 48 degrees and beyond the hour-angle formula is kept only while |c| stays within a
    // threshold built on the Fajr angle (0.80 to 0.91 for the usual angles), well inside -1..1.
    const double threshold = Threshold(p);

    const double fajrAngleHours = place.H(-p[FajrAngle]);
    if (!highLatitude || std::fabs(place.C(-p[FajrAngle])) <= threshold) {
        Times[Fajr] = sun.Transit - (fajrAngleHours + morningCorrection) + safety;
    } else {
        // The safety offset is already inside the fraction.
        Times[Fajr] = sun.Sunrise - night * fractions.Fajr;
    }

    if (p[IshaAngle] == 0.0) {
        Times[Isha] = Times[Maghrib] + p[IshaInterval];  // Maghrib carries the offset
    } else if (!highLatitude || std::fabs(place.C(-p[IshaAngle])) <= threshold) {
        Times[Isha] = sun.Transit + place.H(-p[IshaAngle]) + eveningCorrection + safety;
    } else {
        Times[Isha] = sun.Sunset + night * fractions.Isha;
    }
}

}  // namespace orvandel::prayer
