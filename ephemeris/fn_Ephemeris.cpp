#include "ephemeris/fn_Ephemeris.h"

#include <swephexp.h>

#include <cstdlib>
#include <cstring>
#include <system_error>

#ifndef ORVANDEL_SWE_EPHEDIR
#error "ORVANDEL_SWE_EPHEDIR must name the packaged ephemeris folder"
#endif

namespace orvandel {

static_assert(EphemerisErrorSize == AS_MAXCH, "the library writes up to AS_MAXCH bytes");
static_assert(EphemerisJpl == SEFLG_JPLEPH && EphemerisSwiss == SEFLG_SWIEPH &&
                  EphemerisBuiltIn == SEFLG_MOSEPH,
              "flag values are the library's");

const std::array<std::string_view, 10> BodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto",
};

const std::array<std::string_view, 11> EventNames = {
    "conjunction", "lower conjunction", "upper conjunction", "opposition",
    "near",        "max. elon. east",   "max. elon. west",   "furthest from",
    "closest to",  "highest in sky",    "lowest in sky",
};

namespace {

// The library copies a data path only when it is at most AS_MAXCH - 1 - 13 bytes long and
// otherwise silently uses its compiled-in search path.
constexpr std::size_t MaxFolderBytes = AS_MAXCH - 1 - 13;

// Trivially constructed, so usable before and after any other static object.
bool started = false;
int32_t flag = EphemerisBuiltIn;
char errorBuffer[EphemerisErrorSize] = {};
uint64_t callCount = 0;

std::filesystem::path& CurrentFolder() {
    static std::filesystem::path folder;
    return folder;
}

bool FileExists(const std::filesystem::path& folder, std::string_view name) {
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / name, ec);
}

void EnsureStarted() {
    if (!started)
        StartEphemeris();
}

// Every wrapper: start on first use, count the call.
void BeforeCall() {
    EnsureStarted();
    ++callCount;
}

}  // namespace

std::filesystem::path PackagedEphemerisFolder() {
    return ORVANDEL_SWE_EPHEDIR;
}

std::filesystem::path DefaultEphemerisFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path beside = exe.parent_path() / "ephemeris" / "data";
        if (FileExists(beside, JplFileName) || FileExists(beside, PlanetFileName) ||
            FileExists(beside, MoonFileName))
            return beside;
    }
    return PackagedEphemerisFolder();
}

void StartEphemeris(const std::filesystem::path& Folder) {
    if (started)
        swe_close();
    // The library prefers SE_EPHE_PATH to the folder passed; the program takes no settings
    // from the environment, so the variable must not steer it.
    unsetenv("SE_EPHE_PATH");
    const std::string folderText = Folder.string();
    swe_set_ephe_path(folderText.c_str());
    swe_set_jpl_file(std::string(JplFileName).c_str());
    if (folderText.size() > MaxFolderBytes)
        flag = EphemerisBuiltIn;  // the library does not look in this folder
    else if (FileExists(Folder, JplFileName))
        flag = EphemerisJpl;
    else if (FileExists(Folder, PlanetFileName) && FileExists(Folder, MoonFileName))
        flag = EphemerisSwiss;
    else
        flag = EphemerisBuiltIn;
    std::memset(errorBuffer, 0, sizeof errorBuffer);
    CurrentFolder() = Folder;
    started = true;
}

void StartEphemeris() {
    StartEphemeris(DefaultEphemerisFolder());
}

void StopEphemeris() {
    if (!started)
        return;
    swe_close();
    started = false;
}

bool EphemerisStarted() {
    return started;
}

std::filesystem::path EphemerisFolder() {
    return CurrentFolder();
}

int32_t EphemerisFlag() {
    EnsureStarted();
    return flag;
}

char* EphemerisError() {
    return errorBuffer;
}

std::string EphemerisErrorText() {
    return std::string(errorBuffer, strnlen(errorBuffer, sizeof errorBuffer));
}

uint64_t EphemerisCallCount() {
    return callCount;
}

double EphemerisJulDay(int Year, int Month, int Day, double Hour) {
    BeforeCall();
    return swe_julday(Year, Month, Day, Hour, SE_GREG_CAL);
}

TJulDayParts EphemerisRevJul(double JulianDay) {
    BeforeCall();
    TJulDayParts parts{};
    swe_revjul(JulianDay, SE_GREG_CAL, &parts.Year, &parts.Month, &parts.Day, &parts.Hour);
    return parts;
}

int32_t EphemerisRiseTrans(double JdUt, int32_t Body, int32_t EventFlags,
                           const TGeoPosition& Position, double& EventJd) {
    BeforeCall();
    // The library may write a star's full name back into the star-name argument; an empty
    // name of this size selects the body number and leaves room for any such write.
    char starName[AS_MAXCH] = {};
    double geopos[3] = {Position[0], Position[1], Position[2]};
    // tret has room for the ten values some event kinds return.
    double tret[10] = {};
    const int32_t result =
        swe_rise_trans(JdUt, Body, starName, flag, EventFlags, geopos, 0.0, 0.0, tret, errorBuffer);
    EventJd = tret[0];
    return result;
}

int32_t EphemerisCalcUt(double JdUt, int32_t Body, std::array<double, 6>& Out) {
    BeforeCall();
    return swe_calc_ut(JdUt, Body, flag, Out.data(), errorBuffer);
}

std::array<double, 3> EphemerisAzAlt(double JdUt, const TGeoPosition& Position,
                                     const std::array<double, 3>& Ecliptic) {
    BeforeCall();
    double geopos[3] = {Position[0], Position[1], Position[2]};
    double xin[3] = {Ecliptic[0], Ecliptic[1], Ecliptic[2]};
    double xaz[3] = {};
    swe_azalt(JdUt, SE_ECL2HOR, geopos, 0.0, 0.0, xin, xaz);
    return {xaz[0], xaz[1], xaz[2]};
}

}  // namespace orvandel
