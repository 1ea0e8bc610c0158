#pragma once
// TProtoDate: the abstract root of the date classes, and the class functions that need no
// instance (floor arithmetic, degree trigonometry, name lookup, time scales, solar and lunar
// astronomy).
//
// Fixed date: a 32-bit day count, day 1 = Monday 1 January 1 (proleptic Gregorian).
// Moment: a double day count on the same scale whose fraction is the time of day; each
// operation says on which clock (universal, standard, local mean, apparent) it is read.
// Angles are degrees, lengths metres, zones hours east of Greenwich. Intermediate real
// arithmetic runs in long double (80-bit here); values passed between operations are double.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace orvandel {

class TLocation;
class TProtoDate;
class SolarState;

// A class reference: what a date class answers without an instance. Every date class has one
// (`TGregorian::Class`, ...) and returns it from `ClassType()`. `PhasisOnOrBefore` invoked for a
// class reference runs that class's crescent criterion.
struct TDateClass {
    const char* Name;
    const TDateClass* Parent;  // nullptr for TProtoDate
    // The crescent criterion of the class: visible on the eve of Date at Location. A search
    // passes the one solar state it holds over all the days it tries.
    bool (*VisibleCrescent)(int32_t Date, const TLocation& Location, SolarState& State);
    // The place of the class's criterion; nullptr for classes that have no such place
    // (those above TObservationalIslamic).
    const TLocation& (*VisibilityLocation)();
    // True for a criterion that holds only on the first evening or two of a month. The
    // crescent search then asks whether the month has begun by Date (some day from Mean - 2 to
    // Date passes) instead of whether Date itself passes.
    bool CriterionHoldsOnlyAtMonthStart = false;

    // True when this class is `other` or descends from it.
    bool InheritsFrom(const TDateClass& other) const;
};

class TProtoDate {
  public:
    static const TDateClass Class;

    TProtoDate() = default;
    virtual ~TProtoDate() = default;
    TProtoDate(const TProtoDate&) = default;
    TProtoDate& operator=(const TProtoDate&) = default;

    virtual const TDateClass& ClassType() const { return Class; }

    // Virtual slots. In TProtoDate and TDate every slot but Equals raises EAbstractError.
    virtual bool FieldsEqual(const TProtoDate* Other) const;  // slot 0
    virtual void SetFixed(int32_t Fixed);                     // slot 2
    virtual void SetFields(std::span<const int32_t> Values);  // slot 3
    virtual int32_t GetFixed() const;                         // slot 4
    virtual std::string ToString() const;                     // slot 5
    virtual std::string ToLongString() const;                 // slot 6
    // Slot 7: false for nullptr or an object that is not a TProtoDate, else FieldsEqual.
    virtual bool Equals(const TProtoDate* Other) const;

    // ---- Floor arithmetic (never truncation toward zero) ----
    // Integer part toward minus infinity. FloorInt(-0.5) = -1.
    static int64_t FloorInt(long double X);
    // FloorInt(X / Y) in extended precision; ERangeError when it does not fit 32 bits.
    static int32_t Quotient(long double X, long double Y);
    // Quotient for integer operands, in exact integer arithmetic (the same value, cheaper);
    // ERangeError when it does not fit 32 bits, EInvalidOp for Y = 0.
    static int32_t IntQuotient(int64_t X, int64_t Y);
    // X - Y * FloorInt(X / Y), sign of Y; EIntOverflow / ERangeError on overflow.
    static int32_t Modulo(int32_t X, int32_t Y);
    // X - Y * FloorInt(X / Y). RealMod(-90, 360) = 270.
    static long double RealMod(long double X, long double Y);
    // Y + Modulo(X, -Y): for Y > 0 a value in 1..Y.
    static int32_t AdjustedMod(int32_t X, int32_t Y);
    // Date2 - Date1; EIntOverflow on overflow.
    static int32_t Difference(int32_t Date1, int32_t Date2);
    // -1, 0 or 1.
    static int Sign(double X);

    // ---- Units and angles ----
    static double HoursToDays(double X) { return X / 24.0; }
    static double AsMeters(double X) { return X; }
    static double AsDegrees(double X) { return X; }
    // ((S / 60) + M) / 60 + D degrees; the parts are not sign-combined.
    static double Angle(double D, double M, double S);
    // RealMod(X, 360), in [0, 360).
    static long double Mod360(long double X);
    static long double SinDeg(long double X);
    static long double CosDeg(long double X);
    // Both at once, each equal to SinDeg(X) and CosDeg(X).
    static void SinCosDeg(long double X, long double& Sine, long double& Cosine);
    static long double TanDeg(long double X);
    // Degrees; an argument outside [-1, 1] raises EInvalidOp.
    static long double ArcSinDeg(long double X);
    static long double ArcCosDeg(long double X);
    // Arctangent of X in degrees, moved into the quadrant given (1 to 4); result in [0, 360).
    static long double ArcTanDeg(long double X, int Quadrant);

    // ---- Names ----
    // Names[AdjustedMod(N, Count) - 1]; ERangeError for an empty table.
    static std::string NameFromNumber(int32_t N, std::span<const std::string_view> Names);
    // NameFromNumber(N + 1, Names): with a Sunday-first table N may be a weekday or fixed date.
    static std::string DayName(int32_t N, std::span<const std::string_view> Names);
    // NameFromNumber(N, Names): month 1 is the first name, 13 the first again.
    static std::string MonthName(int32_t N, std::span<const std::string_view> Names);

    // ---- Time scales (T a moment; U universal, S standard, L local mean, A apparent) ----
    static double StandardFromUniversal(double T, const TLocation& L);  // U -> S
    static double UniversalFromStandard(double T, const TLocation& L);  // S -> U
    static double UniversalFromLocal(double T, const TLocation& L);     // L -> U
    static double StandardFromLocal(double T, const TLocation& L);      // L -> S
    static double LocalFromApparent(double T);                          // A -> L
    // Dynamical minus universal time at U moment T, in days, for any moment whose day fits 32
    // bits (ERangeError beyond); the year is the proleptic Gregorian one, also before year 1.
    static double EphemerisCorrection(double T);
    static double DynamicalFromUniversal(double T);
    // Julian centuries of dynamical time since J2000.
    static double JulianCenturies(double T);
    static double JulianCenturies(double T, SolarState& State);

    // ---- Solar quantities at U moment T ----
    // A function given a SolarState takes what it needs from the state and leaves there what
    // it computes; the value is the same with or without one.
    static double Obliquity(double T);       // degrees
    static double EquationOfTime(double T);  // days, |result| <= 0.5
    static double Nutation(double T);        // degrees
    static double Nutation(double T, SolarState& State);
    static double Aberration(double T);      // degrees
    static double SolarLongitude(double T);  // degrees in [0, 360)
    static double Obliquity(double T, SolarState& State);
    static double SolarLongitude(double T, SolarState& State);
    static double SiderealFromMoment(double T);  // degrees in [0, 360)

    // ---- Solar events ----
    // S moment of true noon of Date at L.
    static double Midday(int32_t Date, const TLocation& L);
    static double Midday(int32_t Date, const TLocation& L, SolarState& State);
    // L moment at which the sun stands Alpha degrees below the horizon, morning (Early) or
    // evening, on the day of the L moment Approx. Raises EInvalidOp("Bogus time") when the
    // sun never reaches Alpha that day.
    static double MomentOfDepression(double Approx, const TLocation& L, double Alpha, bool Early);
    // As MomentOfDepression, but 0.0 instead of any error.
    static double TryMomentOfDepression(double Approx, const TLocation& L, double Alpha,
                                        bool Early);
    // S moments of the morning / evening depression Alpha on Date, or 0.0 when no trial
    // approximation succeeds. The final refinement may raise EInvalidOp("Bogus time").
    static double Dawn(int32_t Date, const TLocation& L, double Alpha);
    static double Dusk(int32_t Date, const TLocation& L, double Alpha);
    static double Dawn(int32_t Date, const TLocation& L, double Alpha, SolarState& State);
    static double Dusk(int32_t Date, const TLocation& L, double Alpha, SolarState& State);
    // The depression of the sun's centre at sunrise and sunset, in degrees: 50' of refraction
    // and semi-diameter plus the dip of the horizon seen from Elevation metres (below sea level
    // counts as 0 m).
    static double RiseSetDepression(double Elevation);
    // S moments of sunrise and sunset (RiseSetDepression of the location's elevation), or 0.0.
    static double Sunrise(int32_t Date, const TLocation& L);
    static double Sunset(int32_t Date, const TLocation& L);
    static double Sunrise(int32_t Date, const TLocation& L, SolarState& State);
    static double Sunset(int32_t Date, const TLocation& L, SolarState& State);

    // ---- Lunar quantities at U moment T ----
    static double LunarLongitude(double T);                     // degrees in [0, 360)
    static double LunarLatitude(double T);                      // degrees reduced into [0, 360)
    static double LunarPhase(double T);                         // degrees in [0, 360), 0 = new moon
    static double LunarAltitude(double T, const TLocation& L);  // degrees in [-180, 180)
    // The same with the solar state of a search, which keeps the year's ephemeris correction
    // and the sun's grid days between nearby moments.
    static double LunarLongitude(double T, SolarState& State);
    static double LunarPhase(double T, SolarState& State);
    static double LunarAltitude(double T, const TLocation& L, SolarState& State);

    // The library's crescent criterion: visible on the eve of Date at L.
    static bool VisibleCrescent(int32_t Date, const TLocation& L);
    static bool VisibleCrescent(int32_t Date, const TLocation& L, SolarState& State);
    // First day from the search start whose eve passes K's criterion (see Lunar.cpp). The
    // search passes one solar state to every day it tries: State, held by a caller that runs
    // several searches and solar computations of nearby days, or one of its own.
    static int32_t PhasisOnOrBefore(const TDateClass& K, int32_t Date, const TLocation& L);
    static int32_t PhasisOnOrBefore(const TDateClass& K, int32_t Date, const TLocation& L,
                                    SolarState& State);
    // The same search with Visible in place of K's criterion, for a caller that keeps the
    // criterion's answers; K names the class in errors and says whether its criterion holds
    // only at a month's start.
    using TCrescentCriterion =
        std::function<bool(int32_t Date, const TLocation& L, SolarState& State)>;
    static int32_t PhasisOnOrBefore(const TDateClass& K, int32_t Date, const TLocation& L,
                                    SolarState& State, const TCrescentCriterion& Visible);
};

// Noon of 1 January 2000 on the fixed-date scale (730120.5); computed once on first use.
double J2000();

}  // namespace orvandel
