#pragma once
// fn_Ephemeris: the one place that starts, uses and closes the Swiss Ephemeris library.
//
// Start-up lists the sources of the current run in the order they are tried (the JPL file or
// the library's own files in the data folder, then in the fallback folder, then the library's
// built-in theory) and checks them for the years around 2000. Every other block of 600 years
// (the span of one pair of the library's files) takes, when a date first needs it, the first
// source that answers there and passes a check, so that a damaged or missing file costs only
// its own years. Every library call of the program goes through the thin wrappers below, which
// point the library at the source of the dates they compute for, pass its flag and the shared
// error buffer, and start the library with the default folder if nobody started it.
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
// degree of the stored values, and the library's own files must also answer in the middle of
// their years (2100). A choice that fails gives way to the next source, in this order: the
// library's own files in Folder (after a failed de406.eph), the same choice in FallbackFolder
// (only when Folder holds files), the built-in theory; EphemerisNotice then says which source
// failed, why, and which one is used for 1800 to 2399. A folder path the library cannot hold
// (over 242 bytes) fails the check. The other blocks of years are not looked at here: see
// EphemerisRangeToward. When the library was already started it is closed first, so files
// added since then count.
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
// The folder of the source in use (see EphemerisFlag; empty before the first start-up).
std::filesystem::path EphemerisFolder();

// One line for the user, a sentence for each time a source gave way to another: what failed
// (the files missing from a folder, the file the library names as damaged), the reason, and
// what is used instead for those years. Each block of years is said at most once, when a date
// first needs it. Empty when every source looked at so far was the first of its years (or
// before the first start-up).
std::string EphemerisNotice();

// Gives up the source of the latest computation, for the blocks of years that computation read,
// after it gave an answer that cannot be right, and falls back for those years to the next
// source of the current start-up that answers there and passes its check. EphemerisNotice then
// ends with a sentence naming the source given up (for the library's own files, those of the
// years concerned), Reason (what it answered: "gave no sunset at ...") and the source used
// instead. Returns false, once for those years, when no later source passes (the library then
// stays on the source in use there), and at once after that.
bool EphemerisSourceFailed(const std::string& Reason);
// How many times a source was chosen for years whose answers a caller may have kept (each
// start-up and each fallback counts one). The first choice for other years, and moving between
// the sources of different years, change nothing that was answered, and do not count.
uint64_t EphemerisSourceChanges();

// The universal Julian days inside which some source answers: from the first to the last day
// of the contiguous run around the year 2000 of blocks of 600 years that a source serves (the
// library's own files of the block, the part of it that the JPL file or the built-in theory,
// years -3000 to 3000, covers). Kept one day inside each end.
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
// whole range. A block of years is looked at (the sources tried in order, each read and
// computed with once) only here, in EphemerisRange and in the wrappers that compute for it,
// not at start-up; a source that gives way there is named in EphemerisNotice.
TEphemerisRange EphemerisRangeToward(double FromJdUt, double ToJdUt);

// The ephemeris-selection flag (1, 2 or 4) of the source in use: that of the latest
// computation, or the start-up's choice before any; starts the library with the default folder
// when it has not been started.
int32_t EphemerisFlag();
// The shared error buffer the library writes its messages into (EphemerisErrorSize bytes).
// Its text never reaches the user.
char* EphemerisError();
std::string EphemerisErrorText();

// ---- Wrappers: each starts the library if needed ----
// EphemerisRiseTrans and EphemerisCalcUt first point the library at the source of the days
// they read: the first source that serves all of them (for a rise or set, the two days after
// JdUt), else the first that serves JdUt, else the start-up's choice.

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
// EphemerisFlag (then that of the source of JdUt) means the library fell back to another
// ephemeris or failed.
int32_t EphemerisCalcUt(double JdUt, int32_t Body, std::array<double, 6>& Out);
// Azimuth, true altitude and apparent altitude [deg] of an ecliptic position (longitude,
// latitude, distance) at the universal Julian day JdUt seen from Position, with pressure and
// temperature 0.
std::array<double, 3> EphemerisAzAlt(double JdUt, const TGeoPosition& Position,
                                     const std::array<double, 3>& Ecliptic);

}  // namespace orvandel
