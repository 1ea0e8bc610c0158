#include "ephemeris/fn_Ephemeris.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <vector>

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

namespace fs = std::filesystem;

// The library copies a data path only when it is at most AS_MAXCH - 1 - 13 bytes long and
// otherwise silently uses its compiled-in search path.
constexpr std::size_t MaxFolderBytes = AS_MAXCH - 1 - 13;

// The start-up check: the Sun's and the Moon's geocentric ecliptic longitude at 1 January
// 2000, 12:00 universal time, as the library's own files give them. The JPL file and the
// built-in theory agree within 0.0001 degree; a damaged file gives an error or nonsense.
constexpr double CheckJdUt = 2451545.0;
constexpr double CheckSunLongitude = 280.368919;   // degrees
constexpr double CheckMoonLongitude = 223.323751;  // degrees
constexpr double CheckTolerance = 0.01;            // degrees

// The built-in theory answers from 28 February -3001 to 29 April 3003 (terrestrial time).
constexpr double BuiltInFirstJdTt = 625000.5;
constexpr double BuiltInLastJdTt = 2818000.5;

// The library's own files cover 600 years each and are named after their first century:
// sepl_18.se1 (planets) and semo_18.se1 (Moon) hold 1800 to 2399. The library picks the file
// from the calendar year of the date (Julian calendar before 15 October 1582), so a file is
// used exactly inside its block of years, even where its data reach a little further.
constexpr int BlockYears = 600;
constexpr int CheckedBlockYear = 1800;  // the block of sepl_18.se1 and semo_18.se1
constexpr int LowestBlockYear = 0;      // the program's years run from 1 ...
constexpr int HighestBlockYear = 9600;  // ... to 9999
constexpr double GregorianReformJd = 2299160.5;

// The range kept inside each end, so that an event search starting inside stays inside.
constexpr double RangeMargin = 1.0;  // days

struct TSpan {
    double First;
    double Last;
};

// Trivially constructed, so usable before and after any other static object.
bool started = false;
int32_t flag = EphemerisBuiltIn;
char errorBuffer[EphemerisErrorSize] = {};
TEphemerisRange range{};

// The library's own files are probed block by block only as far as a date asked for needs
// (each probe reads two files and computes with them): the run of good blocks found so far
// around the checked one (terrestrial time), and the next blocks to try on either side.
struct TSwissRun {
    bool Active = false;  // the source is the library's own files
    fs::path Folder;
    TSpan Span{0.0, 0.0};
    int NextLaterYear = 0;    // past HighestBlockYear when nothing later is left to try
    int NextEarlierYear = 0;  // below LowestBlockYear when nothing earlier is left to try
};
TSwissRun swissRun;

// The sources of the current start-up in the order they are tried, and the one in use.
struct TSource {
    fs::path Folder;
    int32_t Flag;
};
std::vector<TSource>& Sources() {
    static std::vector<TSource> sources;
    return sources;
}
std::size_t chosenSource = 0;
uint64_t sourceChanges = 0;
bool lastSourceFailed = false;  // the source in use failed and none was left to take its place

fs::path& CurrentFolder() {
    static fs::path folder;
    return folder;
}

std::string& CurrentNotice() {
    static std::string notice;
    return notice;
}

bool FileExists(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    return fs::is_regular_file(folder / name, ec);
}

// The flag the files present in Folder ask for.
int32_t FlagOfFiles(const fs::path& folder) {
    if (FileExists(folder, JplFileName))
        return EphemerisJpl;
    if (FileExists(folder, PlanetFileName) && FileExists(folder, MoonFileName))
        return EphemerisSwiss;
    return EphemerisBuiltIn;
}

// The library's message on one line, single-spaced, without the blanks around it.
std::string OneLine(const char* text) {
    std::string line;
    for (const char* c = text; c < text + AS_MAXCH && *c != '\0'; ++c) {
        const char ch = (*c == '\n' || *c == '\r') ? ' ' : *c;
        if (ch != ' ' || (!line.empty() && line.back() != ' '))
            line += ch;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string Degrees(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

// Empty when both bodies come back on SourceFlag and near the stored longitudes; else why not.
std::string CheckKnownPositions(int32_t sourceFlag) {
    struct Reference {
        int32_t body;
        const char* name;
        double longitude;
    };
    for (const Reference& ref : {Reference{SE_SUN, "Sun", CheckSunLongitude},
                                 Reference{SE_MOON, "Moon", CheckMoonLongitude}}) {
        char error[AS_MAXCH] = {};
        double xx[6] = {};
        const int32_t answered = swe_calc_ut(CheckJdUt, ref.body, sourceFlag, xx, error);
        if (answered != sourceFlag) {
            const std::string message = OneLine(error);
            if (answered < 0)
                return message.empty() ? "the library reports an error" : message;
            // The library fell back on its own; its message names the last step only.
            const char* used = answered == EphemerisJpl     ? "the JPL file"
                               : answered == EphemerisSwiss ? "its own files"
                                                            : "its built-in theory";
            return std::string("the library could not use it and answered from ") + used +
                   (message.empty() ? "" : ": " + message);
        }
        const double off = std::fabs(std::remainder(xx[0] - ref.longitude, 360.0));
        if (!(off <= CheckTolerance))
            return std::string("the ") + ref.name + "'s longitude on 2000-01-01 at 12:00 UT is " +
                   Degrees(xx[0]) + " degrees, not " + Degrees(ref.longitude);
    }
    return {};
}

// "sepl_18.se1" for the planet file of the block starting in 1800.
std::string BlockFileName(std::string_view stem, int startYear) {
    char name[32];
    std::snprintf(name, sizeof name, "%.*s_%02d.se1", static_cast<int>(stem.size()), stem.data(),
                  startYear / 100);
    return name;
}

// Terrestrial-time Julian day of 1 January of Year in the calendar the library files by.
double YearStartJd(int year) {
    const double gregorian = swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
    return gregorian >= GregorianReformJd ? gregorian : swe_julday(year, 1, 1, 0.0, SE_JUL_CAL);
}

// Whether an ecliptic position is one the body can have: a damaged file that still answers
// gives values far off.
bool Plausible(int32_t body, const double (&xx)[6]) {
    const auto within = [](double v, double lo, double hi) { return v >= lo && v <= hi; };
    if (!within(xx[0], 0.0, 360.0))
        return false;
    if (body == SE_SUN)
        return within(xx[1], -0.01, 0.01) && within(xx[2], 0.98, 1.02);  // degrees, AU
    return within(xx[1], -5.5, 5.5) && within(xx[2], 0.0023, 0.0028);
}

// Sets the library's data folder and, unless `keepFilesOpen`, the JPL file name. Setting the
// folder opens the library's own files there (the library reads its Moon file's ephemeris
// number); naming the JPL file closes every file again. Left open, the library's own files are
// read once at start-up.
void PointLibraryAt(const std::string& folderText, bool keepFilesOpen = false) {
    swe_set_ephe_path(folderText.c_str());
    if (!keepFilesOpen)
        swe_set_jpl_file(std::string(JplFileName).c_str());
}

// The days the library's own files of the block starting in StartYear serve (terrestrial
// time), after one computation of the Sun and the Moon in the middle of the block; none when
// a file is missing or the computation fails.
std::optional<TSpan> ProbeBlock(const fs::path& folder, int startYear) {
    if (!FileExists(folder, BlockFileName("sepl", startYear)) ||
        !FileExists(folder, BlockFileName("semo", startYear)))
        return std::nullopt;
    const double middle = YearStartJd(startYear + BlockYears / 2);
    for (const int32_t body : {SE_SUN, SE_MOON}) {
        char error[AS_MAXCH] = {};
        double xx[6] = {};
        if (swe_calc(middle, body, SEFLG_SWIEPH, xx, error) != SEFLG_SWIEPH ||
            !Plausible(body, xx)) {
            // After reading a damaged file the library fails on good files too, until it is
            // closed.
            swe_close();
            PointLibraryAt(folder.string());
            return std::nullopt;
        }
    }
    TSpan span{YearStartJd(startYear), YearStartJd(startYear + BlockYears)};
    for (const int file : {0, 1}) {  // the planet file, the Moon file
        double first = 0.0, last = 0.0;
        int denum = 0;
        if (swe_get_current_file_data(file, &first, &last, &denum) == nullptr)
            return std::nullopt;
        span.First = std::max(span.First, first);
        span.Last = std::min(span.Last, last);
    }
    if (!(span.First < span.Last))
        return std::nullopt;
    return span;
}

// Universal time of a terrestrial-time Julian day.
double UniversalOf(double jdTt) {
    return jdTt - swe_deltat(jdTt);
}

// The range of a span of terrestrial-time days, kept inside each end.
TEphemerisRange RangeOf(const TSpan& span) {
    return {UniversalOf(span.First) + RangeMargin, UniversalOf(span.Last) - RangeMargin};
}

// Extends the run of the library's own files block by block towards the universal days
// [FromJdUt, ToJdUt], as far as good blocks join on: the range then equals the whole run's
// wherever the whole run reaches those days.
void ExtendSwissRunToward(double fromJdUt, double toJdUt) {
    if (!swissRun.Active)
        return;
    while (range.Last < toJdUt && swissRun.NextLaterYear <= HighestBlockYear) {
        const std::optional<TSpan> next = ProbeBlock(swissRun.Folder, swissRun.NextLaterYear);
        if (!next || next->First > swissRun.Span.Last) {
            swissRun.NextLaterYear = HighestBlockYear + 1;
            break;
        }
        swissRun.Span.Last = next->Last;
        swissRun.NextLaterYear += BlockYears;
        range = RangeOf(swissRun.Span);
    }
    while (range.First > fromJdUt && swissRun.NextEarlierYear >= LowestBlockYear) {
        const std::optional<TSpan> previous = ProbeBlock(swissRun.Folder, swissRun.NextEarlierYear);
        if (!previous || previous->Last < swissRun.Span.First) {
            swissRun.NextEarlierYear = LowestBlockYear - 1;
            break;
        }
        swissRun.Span.First = previous->First;
        swissRun.NextEarlierYear -= BlockYears;
        range = RangeOf(swissRun.Span);
    }
}

// The days the JPL file covers, as the library reports them after the check.
std::optional<TSpan> JplSpan() {
    double first = 0.0, last = 0.0;
    int denum = 0;
    if (swe_get_current_file_data(0, &first, &last, &denum) == nullptr || !(first < last))
        return std::nullopt;
    return TSpan{first, last};
}

// Points the library at one source and checks it; on success sets `flag` and `range`. Empty
// when the source passed, else the reason it did not.
std::string TrySource(const fs::path& folder, int32_t sourceFlag) {
    const std::string folderText = folder.string();
    if (sourceFlag != EphemerisBuiltIn && folderText.size() > MaxFolderBytes)
        return "the folder's path is longer than " + std::to_string(MaxFolderBytes) + " bytes";
    swissRun = {};
    PointLibraryAt(folderText, sourceFlag == EphemerisSwiss);
    std::string reason = CheckKnownPositions(sourceFlag);
    if (!reason.empty() && sourceFlag == EphemerisSwiss) {
        // A damaged file read when the folder was set leaves the library failing on good files
        // too: the check is repeated from closed files, so that the reason names the file at
        // fault.
        PointLibraryAt(folderText);
        reason = CheckKnownPositions(sourceFlag);
    }
    if (!reason.empty())
        return reason;
    std::optional<TSpan> span;
    switch (sourceFlag) {
        case EphemerisJpl:
            span = JplSpan();
            break;
        case EphemerisSwiss:
            // The checked block must pass; the blocks around it are probed when asked for.
            span = ProbeBlock(folder, CheckedBlockYear);
            if (span)
                swissRun = {true, folder, *span, CheckedBlockYear + BlockYears,
                            CheckedBlockYear - BlockYears};
            break;
        default:
            span = TSpan{BuiltInFirstJdTt, BuiltInLastJdTt};
            break;
    }
    if (!span)
        return "the library reports no usable date range for it";
    flag = sourceFlag;
    range = RangeOf(*span);
    return {};
}

std::string SourceText(const fs::path& folder, int32_t sourceFlag) {
    switch (sourceFlag) {
        case EphemerisJpl:
            return std::string(JplFileName) + " in " + folder.string();
        case EphemerisSwiss:
            return std::string(PlanetFileName) + " and " + std::string(MoonFileName) + " in " +
                   folder.string();
        default:
            return "the built-in theory of the ephemeris library";
    }
}

void EnsureStarted() {
    if (!started)
        StartEphemeris();
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

void StartEphemeris(const std::filesystem::path& Folder,
                    const std::filesystem::path& FallbackFolder) {
    if (started)
        swe_close();
    // The library prefers SE_EPHE_PATH to the folder passed; the program takes no settings
    // from the environment, so the variable must not steer it.
    unsetenv("SE_EPHE_PATH");

    std::vector<TSource>& sources = Sources();
    sources.clear();
    const auto addFilesOf = [&sources](const fs::path& folder) {
        const int32_t files = FlagOfFiles(folder);
        if (files == EphemerisBuiltIn)
            return;
        sources.push_back({folder, files});
        // A failing de406.eph gives way to the library's own files beside it.
        if (files == EphemerisJpl && FileExists(folder, PlanetFileName) &&
            FileExists(folder, MoonFileName))
            sources.push_back({folder, EphemerisSwiss});
    };
    addFilesOf(Folder);
    if (!sources.empty() && FallbackFolder != Folder)
        addFilesOf(FallbackFolder);
    sources.push_back({Folder, EphemerisBuiltIn});

    std::string firstFailure;
    std::size_t chosen = 0;
    for (; chosen < sources.size(); ++chosen) {
        const std::string reason = TrySource(sources[chosen].Folder, sources[chosen].Flag);
        if (reason.empty())
            break;
        if (chosen == 0)
            firstFailure = reason;
        swe_close();
    }
    std::string& notice = CurrentNotice();
    notice.clear();
    if (chosen == sources.size()) {
        // Not even the built-in theory answers: nothing will compute, and the user hears why.
        chosen = sources.size() - 1;
        flag = EphemerisBuiltIn;
        range = {};
        swissRun = {};
        notice = "Ephemeris: no source passed the start-up check (" + firstFailure +
                 "); no Hijri date can be computed.";
    } else if (chosen > 0) {
        notice = "Ephemeris: " + SourceText(sources[0].Folder, sources[0].Flag) +
                 " failed the start-up check (" + firstFailure + "); using " +
                 SourceText(sources[chosen].Folder, sources[chosen].Flag) + " instead.";
    }
    std::memset(errorBuffer, 0, sizeof errorBuffer);
    CurrentFolder() = sources[chosen].Folder;
    chosenSource = chosen;
    ++sourceChanges;
    lastSourceFailed = false;
    started = true;
}

bool EphemerisSourceFailed(const std::string& Reason) {
    EnsureStarted();
    if (lastSourceFailed)
        return false;  // said once
    std::vector<TSource>& sources = Sources();
    const TSource failed = sources[chosenSource];
    std::string& notice = CurrentNotice();
    if (!notice.empty())
        notice += ' ';
    notice += "Ephemeris: " + SourceText(failed.Folder, failed.Flag) +
              " failed the check of its answers (it " + Reason + ")";
    swe_close();
    for (std::size_t next = chosenSource + 1; next < sources.size(); ++next) {
        if (TrySource(sources[next].Folder, sources[next].Flag).empty()) {
            notice +=
                "; using " + SourceText(sources[next].Folder, sources[next].Flag) + " instead.";
            std::memset(errorBuffer, 0, sizeof errorBuffer);
            CurrentFolder() = sources[next].Folder;
            chosenSource = next;
            ++sourceChanges;
            return true;
        }
        swe_close();
    }
    // Nothing is left to fall back on: the library stays on the last source, whose answers the
    // caller no longer believes.
    notice += "; no other source is left.";
    lastSourceFailed = true;
    // Back to the source in use, for the answers that still pass.
    TrySource(failed.Folder, failed.Flag);
    return false;
}

uint64_t EphemerisSourceChanges() {
    return sourceChanges;
}

void StartEphemeris(const std::filesystem::path& Folder) {
    StartEphemeris(Folder, PackagedEphemerisFolder());
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

std::string EphemerisNotice() {
    return CurrentNotice();
}

TEphemerisRange EphemerisRange() {
    EnsureStarted();
    ExtendSwissRunToward(-HUGE_VAL, HUGE_VAL);
    return range;
}

TEphemerisRange EphemerisRangeToward(double FromJdUt, double ToJdUt) {
    EnsureStarted();
    ExtendSwissRunToward(FromJdUt, ToJdUt);
    return range;
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

double EphemerisJulDay(int Year, int Month, int Day, double Hour) {
    EnsureStarted();
    return swe_julday(Year, Month, Day, Hour, SE_GREG_CAL);
}

TJulDayParts EphemerisRevJul(double JulianDay) {
    EnsureStarted();
    TJulDayParts parts{};
    swe_revjul(JulianDay, SE_GREG_CAL, &parts.Year, &parts.Month, &parts.Day, &parts.Hour);
    return parts;
}

int32_t EphemerisRiseTrans(double JdUt, int32_t Body, int32_t EventFlags,
                           const TGeoPosition& Position, double& EventJd) {
    EnsureStarted();
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
    EnsureStarted();
    return swe_calc_ut(JdUt, Body, flag, Out.data(), errorBuffer);
}

std::array<double, 3> EphemerisAzAlt(double JdUt, const TGeoPosition& Position,
                                     const std::array<double, 3>& Ecliptic) {
    EnsureStarted();
    double geopos[3] = {Position[0], Position[1], Position[2]};
    double xin[3] = {Ecliptic[0], Ecliptic[1], Ecliptic[2]};
    double xaz[3] = {};
    swe_azalt(JdUt, SE_ECL2HOR, geopos, 0.0, 0.0, xin, xaz);
    return {xaz[0], xaz[1], xaz[2]};
}

}  // namespace orvandel
