#pragma once
// fn_Ephemeris: the one place that starts, uses and closes the Swiss Ephemeris library.
//
// Start-up sets the library's data folder and JPL file name and chooses, once, which of the
// library's ephemerides every computation asks for (`EphemerisFlag`). Every library call of
// the program goes through the thin wrappers below, which pass that flag and the shared error
// buffer, start the library with the default folder if nobody started it, and count the calls.
//
// The library keeps global state: everything here is for one thread (the user-interface
// thread) only.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvandel {

// Values of EphemerisFlag: the library's ephemeris-selection bits.
constexpr int32_t EphemerisJpl = 1;      // JPL file "de406.eph" in the data folder
constexpr int32_t EphemerisSwiss = 2;    // the library's own files sepl_*.se1 / semo_*.se1
constexpr int32_t EphemerisBuiltIn = 4;  // the built-in theory, which needs no files

// The files whose presence decides the flag.
constexpr std::string_view JplFileName = "de406.eph";
constexpr std::string_view PlanetFileName = "sepl_18.se1";
constexpr std::string_view MoonFileName = "semo_18.se1";

// Size of the library's error-text buffer, terminating zero included.
constexpr std::size_t EphemerisErrorSize = 256;

// Body names indexed by the library's body number (0 = Sun, 1 = Moon, ... 9 = Pluto).
extern const std::array<std::string_view, 10> BodyNames;
// Event names, index 0 to 10. Nothing in the program displays them.
extern const std::array<std::string_view, 11> EventNames;

// Starts (or restarts) the library on Folder. First, in this order: clears the environment
// variable SE_EPHE_PATH, which the library would otherwise prefer to the folder given; sets the
// data folder; sets the JPL file name "de406.eph"; chooses flag 1 when de406.eph exists in
// Folder, else 2 when both sepl_18.se1 and semo_18.se1 exist, else 4. A missing folder or
// missing files only lower the choice, silently.
// Then the choice is checked with one known computation: the Sun's and the Moon's longitude at
// 1 January 2000, 12:00 universal time, must come back on the flag asked for and within 0.01
// degree of the stored values. A choice that fails gives way to the next source, in this
// order: the library's own files in Folder (after a failed de406.eph), the same choice in
// FallbackFolder, the built-in theory; EphemerisNotice then says which source failed, why, and
// which one is used. A folder path the library cannot hold (over 242 bytes) fails the check.
// Finally the range of dates that the chosen source covers is taken (EphemerisRange; for the
// library's own files the blocks beyond the checked one are probed on demand). When the
// library was already started it is closed first, so files added since then count.
void StartEphemeris(const std::filesystem::path& Folder,
                    const std::filesystem::path& FallbackFolder);
// StartEphemeris(Folder, PackagedEphemerisFolder()).
void StartEphemeris(const std::filesystem::path& Folder);
// StartEphemeris(DefaultEphemerisFolder()).
void StartEphemeris();
// Closes the library (swe_close) when it was started. Must be the last library call of the
// program; a later wrapper call starts the library again with the default folder.
void StopEphemeris();
bool EphemerisStarted();

// The data folder at run time: "ephemeris/data" beside the executable when it holds any of
// de406.eph, sepl_18.se1 or semo_18.se1, else the packaged folder fixed at build time.
std::filesystem::path DefaultEphemerisFolder();
// The packaged data folder fixed at build time (/usr/share/libswe/ephe on Debian).
std::filesystem::path PackagedEphemerisFolder();
// The folder of the current start-up (empty before the first).
std::filesystem::path EphemerisFolder();

// One line for the user when the first choice of the current start-up failed its check and
// another source is used: what failed, the library's reason, and what is used instead. Empty
// when the first choice passed (or before the first start-up).
std::string EphemerisNotice();

// Gives up the source in use after it gave an answer that cannot be right, and falls back to
// the next source of the current start-up that passes the start-up check (the library's own
// files after de406.eph, the same choice in the fallback folder, the built-in theory).
// EphemerisNotice then ends with a sentence naming the source given up, Reason (what it
// answered: "gave no sunset at ...") and the source used instead. Returns false, once, when no
// later source passes (the library then stays on the source in use), and at once after that.
bool EphemerisSourceFailed(const std::string& Reason);
// How many times a source was chosen (each start-up and each fallback counts one): answers
// kept from before a change may come from the source given up.
uint64_t EphemerisSourceChanges();

// The universal Julian days inside which the current source answers: from the first to the
// last day of the contiguous run of data files around the year 2000 that pass a check (for the
// library's own files, blocks of 600 years, each file computed once at start-up), of the JPL
// file, or of the built-in theory (years -3000 to 3000). Kept one day inside each end.
struct TEphemerisRange {
    double First = 0.0;
    double Last = 0.0;
    // Whether [FromJdUt, ToJdUt] lies inside the range.
    bool Covers(double FromJdUt, double ToJdUt) const {
        return FromJdUt >= First && ToJdUt <= Last;
    }
};
// Starts the library with the default folder when it has not been started.
TEphemerisRange EphemerisRange();
// The range as far as the universal days [FromJdUt, ToJdUt] need it: where the whole range
// reaches into those days, the answer reaches as far; elsewhere it may stop short of the
// whole range. The library's own files are probed (read and computed with) only here and in
// EphemerisRange, block by block, not at start-up.
TEphemerisRange EphemerisRangeToward(double FromJdUt, double ToJdUt);

// The ephemeris-selection flag of the current start-up (1, 2 or 4); starts the library with
// the default folder when it has not been started.
int32_t EphemerisFlag();
// The shared error buffer the library writes its messages into (EphemerisErrorSize bytes).
// Its text never reaches the user.
char* EphemerisError();
std::string EphemerisErrorText();

// ---- Wrappers: each starts the library if needed ----

// Julian day number (universal time) of a Gregorian date and hour [0, 24) of universal time.
double EphemerisJulDay(int Year, int Month, int Day, double Hour);
// The Gregorian date and hour [0, 24) of a Julian day number.
struct TJulDayParts {
    int Year;
    int Month;
    int Day;
    double Hour;
};
TJulDayParts EphemerisRevJul(double JulianDay);
// Observer position in the library's order: longitude [deg, east +], latitude [deg, north +],
// height [m].
using TGeoPosition = std::array<double, 3>;
// The first event of EventFlags (1 rise, 2 set, 4 upper transit, 8 lower transit, plus option
// bits 256, 512, 1024, 2048) of Body after the universal Julian day JdUt, seen from Position
// with pressure and temperature 0; the event's universal Julian day goes to EventJd. Returns
// the library's answer: 0 found, -2 the body does not rise or set that way, -1 error (text in
// EphemerisError).
int32_t EphemerisRiseTrans(double JdUt, int32_t Body, int32_t EventFlags,
                           const TGeoPosition& Position, double& EventJd);
// Ecliptic longitude, latitude [deg] and distance [AU] of Body at the universal Julian day
// JdUt, asked with EphemerisFlag, into Out[0..2] (Out[3..5] are the speeds the library adds).
// Returns the flag the library actually used, or -1 on error. A result that differs from
// EphemerisFlag means the library fell back to another ephemeris or failed.
int32_t EphemerisCalcUt(double JdUt, int32_t Body, std::array<double, 6>& Out);
// Azimuth, true altitude and apparent altitude [deg] of an ecliptic position (longitude,
// latitude, distance) at the universal Julian day JdUt seen from Position, with pressure and
// temperature 0.
std::array<double, 3> EphemerisAzAlt(double JdUt, const TGeoPosition& Position,
                                     const std::array<double, 3>& Ecliptic);

}  // namespace orvandel
