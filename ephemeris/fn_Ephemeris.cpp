#include "ephemeris/fn_Ephemeris.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>
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

// Sources answer block by block of 600 years. The library's own files cover 600 years each
// and are named after their first century: sepl_18.se1 (planets) and semo_18.se1 (Moon) hold
// 1800 to 2399. The library picks the file from the calendar year of the date (Julian
// calendar before 15 October 1582), so a file is used exactly inside its block of years, even
// where its data reach a little further.
constexpr int BlockYears = 600;
constexpr int FirstBlockYear = -3600;   // the block where the built-in theory begins
constexpr int CheckedBlockYear = 1800;  // the block of sepl_18.se1 and semo_18.se1
// The library's own files are looked for from the block of year 0 to that of 9999: the
// program's years run from 1 to 9999.
constexpr int LowestFileYear = 0;
constexpr int HighestFileYear = 9600;
constexpr std::size_t BlockCount = (HighestFileYear - FirstBlockYear) / BlockYears + 1;  // 23
constexpr std::size_t CheckedBlock = (CheckedBlockYear - FirstBlockYear) / BlockYears;   // 9
constexpr double GregorianReformJd = 2299160.5;

// The range kept inside each end, so that an event search starting inside stays inside.
constexpr double RangeMargin = 1.0;  // days
// The days after its start that a rise or set search may read: the sun and the moon rise and
// set within about a day at Mecca, the one place whose events the program asks for.
constexpr double RiseSearchDays = 2.0;

constexpr std::size_t NoSource = static_cast<std::size_t>(-1);

struct TSpan {
    double First;
    double Last;
};

// What one source does for one block of years.
enum class TBlockKind : uint8_t {
    Untried,  // not looked at yet
    Serves,   // answers for Span
    Outside,  // the source does not reach these years, or its failure was said before
    Missing,  // Files are not in the source's folder
    Failed,   // Files failed a check, for Reason
};

struct TBlock {
    TBlockKind Kind = TBlockKind::Untried;
    TSpan Span{0.0, 0.0};            // Serves: the terrestrial days answered (kept when given up)
    std::vector<std::string> Files;  // Missing, Failed: the files at fault
    std::string Reason;              // Failed
};

// A source: the JPL file, the library's own files of a folder, or the built-in theory.
struct TSource {
    TSource(fs::path folder, int32_t flag) : Folder(std::move(folder)), Flag(flag) {}
    fs::path Folder;
    int32_t Flag;
    // The JPL file and the built-in theory are checked once for all their years.
    bool Checked = false;
    std::string Failure;       // why the check failed; empty when it passed
    bool FailureSaid = false;  // the notice has named the failure
    TSpan Span{0.0, 0.0};      // the terrestrial days the check found answered
    std::array<TBlock, BlockCount> Blocks{};
};

// Everything the current start-up chose and found out since. The library keeps global state,
// and so does its one binding: one object, for one thread.
struct TSession {
    std::vector<TSource> Sources;      // in the order they are tried for every block
    std::size_t StartUp = 0;           // the source chosen by the start-up check
    std::size_t InUse = 0;             // the source of the latest computation
    std::size_t PointedAt = NoSource;  // the source the library is set up for, if any
    // The terrestrial days the latest computation read (the start-up check's before any).
    TSpan LastWindow{CheckJdUt, CheckJdUt};
    bool NothingPassed = false;                // no source passed the start-up check
    std::array<bool, BlockCount> Surveyed{};   // the first source that serves it was looked for
    std::array<bool, BlockCount> Exhausted{};  // every source gave wrong answers there
    // The run of days around the start-up check that some source serves, as far as it has
    // been looked at (terrestrial time), and whether each end is final.
    bool CoverageKnown = false;
    TSpan Covered{0.0, 0.0};
    bool LaterDone = false;
    bool EarlierDone = false;
    TEphemerisRange Range{};
    std::string Notice;
};

TSession& Session() {
    static TSession session;
    return session;
}

// Trivially constructed, so usable before and after any other static object.
bool started = false;
uint64_t sourceChanges = 0;
char errorBuffer[EphemerisErrorSize] = {};

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

// "sepl_18.se1" for the planet file of the block starting in 1800, "seplm06.se1" for -600.
std::string BlockFileName(std::string_view stem, int startYear) {
    char name[32];
    std::snprintf(name, sizeof name, "%.*s%c%02d.se1", static_cast<int>(stem.size()), stem.data(),
                  startYear < 0 ? 'm' : '_', std::abs(startYear) / 100);
    return name;
}

int BlockStartYear(std::size_t block) {
    return FirstBlockYear + BlockYears * static_cast<int>(block);
}

// "a", "a and b", "a, b and c".
std::string JoinNames(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

// Terrestrial-time Julian day of 1 January of Year in the calendar the library files by.
double YearStartJd(int year) {
    const double gregorian = swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
    return gregorian >= GregorianReformJd ? gregorian : swe_julday(year, 1, 1, 0.0, SE_JUL_CAL);
}

// The terrestrial Julian day on which each block begins; the last one ends the last block.
const std::array<double, BlockCount + 1>& BlockStarts() {
    static const std::array<double, BlockCount + 1> starts = [] {
        std::array<double, BlockCount + 1> jd{};
        for (std::size_t block = 0; block < jd.size(); ++block)
            jd[block] = YearStartJd(BlockStartYear(block));
        return jd;
    }();
    return starts;
}

// The block that holds the terrestrial day JdTt; none before the first or after the last.
std::optional<std::size_t> BlockOf(double jdTt) {
    const std::array<double, BlockCount + 1>& starts = BlockStarts();
    const auto after = std::upper_bound(starts.begin(), starts.end(), jdTt);  // end for NaN
    if (after == starts.begin() || after == starts.end())
        return std::nullopt;
    return static_cast<std::size_t>(after - starts.begin() - 1);
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

// Points the library at source Index unless it points there already.
void PointAt(std::size_t index) {
    TSession& session = Session();
    if (session.PointedAt == index)
        return;
    const TSource& source = session.Sources[index];
    PointLibraryAt(source.Folder.string(), source.Flag == EphemerisSwiss);
    session.PointedAt = index;
}

// After reading a damaged file the library fails on good files too, until it is closed.
void CloseLibrary() {
    swe_close();
    Session().PointedAt = NoSource;
}

// The files of the block starting in StartYear that the library's message names, when it names
// one of the two alone; else both.
std::vector<std::string> FilesAtFault(const std::string& message, int startYear) {
    const std::string planet = BlockFileName("sepl", startYear);
    const std::string moon = BlockFileName("semo", startYear);
    const bool planetNamed = message.find(planet) != std::string::npos;
    const bool moonNamed = message.find(moon) != std::string::npos;
    if (planetNamed != moonNamed)
        return {planetNamed ? planet : moon};
    return {planet, moon};
}

// The days the library's own files of the block starting in StartYear serve (terrestrial
// time), after one computation of the Sun and the Moon in the middle of the block, with the
// library pointed at their folder; else none, and Reason says why.
std::optional<TSpan> ProbeBlock(int startYear, std::string& reason) {
    const double middle = YearStartJd(startYear + BlockYears / 2);
    for (const int32_t body : {SE_SUN, SE_MOON}) {
        char error[AS_MAXCH] = {};
        double xx[6] = {};
        const int32_t answered = swe_calc(middle, body, SEFLG_SWIEPH, xx, error);
        if (answered != SEFLG_SWIEPH) {
            reason = OneLine(error);
            if (reason.empty())
                reason = "the library reports an error";
            return std::nullopt;
        }
        if (!Plausible(body, xx)) {
            reason = "the " + std::string(BodyNames[static_cast<std::size_t>(body)]) +
                     "'s position in the middle of its years is one it cannot have";
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
    if (!(span.First < span.Last)) {
        reason = "the library reports no usable date range for it";
        return std::nullopt;
    }
    return span;
}

// The days the JPL file covers, as the library reports them after the check.
std::optional<TSpan> JplSpan() {
    double first = 0.0, last = 0.0;
    int denum = 0;
    if (swe_get_current_file_data(0, &first, &last, &denum) == nullptr || !(first < last))
        return std::nullopt;
    return TSpan{first, last};
}

std::string FolderTooLong() {
    return "the folder's path is longer than " + std::to_string(MaxFolderBytes) + " bytes";
}

// Checks the JPL file or the built-in theory of source Index once for all its years: the known
// positions, then the days it covers.
void CheckWholeSource(std::size_t index) {
    TSource& source = Session().Sources[index];
    source.Checked = true;
    if (source.Flag == EphemerisJpl && source.Folder.string().size() > MaxFolderBytes) {
        source.Failure = FolderTooLong();
        return;
    }
    PointAt(index);
    std::string reason = CheckKnownPositions(source.Flag);
    if (reason.empty()) {
        const std::optional<TSpan> span =
            source.Flag == EphemerisJpl ? JplSpan() : TSpan{BuiltInFirstJdTt, BuiltInLastJdTt};
        if (span)
            source.Span = *span;
        else
            reason = "the library reports no usable date range for it";
    }
    if (!reason.empty()) {
        source.Failure = reason;
        CloseLibrary();
    }
}

// Checks the library's own files of source Index for Block: in the block of the start-up
// check the known positions first, then one computation in the middle of the block. Empty
// when they passed (the span goes to Span), else why not.
std::string CheckFilesOfBlock(std::size_t index, std::size_t block, TSpan& span) {
    const TSource& source = Session().Sources[index];
    const std::string folderText = source.Folder.string();
    if (folderText.size() > MaxFolderBytes)
        return FolderTooLong();
    PointAt(index);
    if (block == CheckedBlock) {
        std::string reason = CheckKnownPositions(EphemerisSwiss);
        if (!reason.empty()) {
            // A damaged file read when the folder was set leaves the library failing on good
            // files too: the check is repeated from closed files, so that the reason names the
            // file at fault.
            PointLibraryAt(folderText);
            reason = CheckKnownPositions(EphemerisSwiss);
        }
        if (!reason.empty())
            return reason;
    }
    std::string reason;
    const std::optional<TSpan> probed = ProbeBlock(BlockStartYear(block), reason);
    if (!probed)
        return reason.empty() ? "the library reports no usable date range for it" : reason;
    span = *probed;
    return {};
}

// What source Index does for Block, found out (by reading and computing) the first time it is
// asked.
const TBlock& Examine(std::size_t index, std::size_t block) {
    TSource& source = Session().Sources[index];
    TBlock& state = source.Blocks[block];
    if (state.Kind != TBlockKind::Untried)
        return state;
    const int startYear = BlockStartYear(block);
    if (source.Flag != EphemerisSwiss) {
        if (!source.Checked)
            CheckWholeSource(index);
        const std::array<double, BlockCount + 1>& starts = BlockStarts();
        const TSpan span{std::max(source.Span.First, starts[block]),
                         std::min(source.Span.Last, starts[block + 1])};
        if (!source.Failure.empty()) {
            state.Kind = source.FailureSaid ? TBlockKind::Outside : TBlockKind::Failed;
            if (source.Flag == EphemerisJpl)
                state.Files = {std::string(JplFileName)};
            state.Reason = source.Failure;
        } else if (span.First < span.Last) {
            state.Kind = TBlockKind::Serves;
            state.Span = span;
        } else {
            state.Kind = TBlockKind::Outside;
        }
        return state;
    }
    if (startYear < LowestFileYear || startYear > HighestFileYear) {
        state.Kind = TBlockKind::Outside;
        return state;
    }
    for (const std::string_view stem : {"sepl", "semo"})
        if (const std::string name = BlockFileName(stem, startYear);
            !FileExists(source.Folder, name))
            state.Files.push_back(name);
    if (!state.Files.empty()) {
        state.Kind = TBlockKind::Missing;
        return state;
    }
    const std::string reason = CheckFilesOfBlock(index, block, state.Span);
    if (reason.empty()) {
        state.Kind = TBlockKind::Serves;
    } else {
        state.Kind = TBlockKind::Failed;
        state.Files = FilesAtFault(reason, startYear);
        state.Reason = reason;
        CloseLibrary();
    }
    return state;
}

std::string YearsText(std::size_t firstBlock, std::size_t lastBlock) {
    return std::to_string(BlockStartYear(firstBlock)) + " to " +
           std::to_string(BlockStartYear(lastBlock + 1) - 1);
}

// What source Index is, for the blocks First to Last: "sepl_18.se1 and semo_18.se1 in
// /folder", "de406.eph in /folder", "the built-in theory of the ephemeris library".
std::string SourceName(std::size_t index, std::size_t firstBlock, std::size_t lastBlock) {
    const TSource& source = Session().Sources[index];
    switch (source.Flag) {
        case EphemerisJpl:
            return std::string(JplFileName) + " in " + source.Folder.string();
        case EphemerisSwiss: {
            std::vector<std::string> names;
            for (std::size_t block = firstBlock; block <= lastBlock; ++block)
                for (const std::string_view stem : {"sepl", "semo"})
                    names.push_back(BlockFileName(stem, BlockStartYear(block)));
            return JoinNames(names) + " in " + source.Folder.string();
        }
        default:
            return "the built-in theory of the ephemeris library";
    }
}

// Source Index as what is used instead for the blocks First to Last: the library's own files
// name their years, the other sources are given them.
std::string Replacement(std::size_t index, std::size_t firstBlock, std::size_t lastBlock) {
    std::string text = SourceName(index, firstBlock, lastBlock);
    if (Session().Sources[index].Flag != EphemerisSwiss)
        text += " for " + YearsText(firstBlock, lastBlock);
    return text;
}

void AddSentence(const std::string& sentence) {
    std::string& notice = Session().Notice;
    if (!notice.empty())
        notice += ' ';
    notice += sentence;
}

// Looks, once, for the first source that serves Block. When an earlier source's files are
// missing there or failed their check, the notice says so and what is used instead.
void Survey(std::size_t block) {
    TSession& session = Session();
    if (session.Surveyed[block])
        return;
    session.Surveyed[block] = true;
    std::optional<std::size_t> fault;
    for (std::size_t index = 0; index < session.Sources.size(); ++index) {
        const TBlock& state = Examine(index, block);
        if (state.Kind == TBlockKind::Serves) {
            if (!fault)
                return;
            TSource& faulty = session.Sources[*fault];
            const TBlock& at = faulty.Blocks[block];
            const std::string where =
                faulty.Flag == EphemerisBuiltIn ? "" : " in " + faulty.Folder.string();
            const std::string what =
                at.Files.empty() ? SourceName(*fault, block, block) : JoinNames(at.Files);
            const std::string instead = "; using " + Replacement(index, block, block) + " instead.";
            if (at.Kind == TBlockKind::Missing)
                AddSentence("Ephemeris: " + what + (at.Files.size() == 1 ? " is not" : " are not") +
                            where + instead);
            else
                AddSentence("Ephemeris: " + what + where + " failed the check (" + at.Reason + ")" +
                            instead);
            if (faulty.Flag != EphemerisSwiss)
                faulty.FailureSaid = true;
            return;
        }
        if (!fault && (state.Kind == TBlockKind::Missing || state.Kind == TBlockKind::Failed))
            fault = index;
    }
}

// Whether source Index serves every terrestrial day from From to To.
bool Serves(std::size_t index, double from, double to) {
    const std::optional<std::size_t> first = BlockOf(from), last = BlockOf(to);
    if (!first || !last)
        return false;
    const std::array<double, BlockCount + 1>& starts = BlockStarts();
    for (std::size_t block = *first; block <= *last; ++block) {
        const TBlock& state = Examine(index, block);
        if (state.Kind != TBlockKind::Serves || state.Span.First > std::max(from, starts[block]) ||
            state.Span.Last < std::min(to, starts[block + 1]))
            return false;
    }
    return true;
}

// The first source, in the order of the start-up, that serves every terrestrial day from From
// to To.
std::optional<std::size_t> FirstServing(double from, double to) {
    TSession& session = Session();
    for (std::size_t index = 0; index < session.Sources.size(); ++index)
        if (Serves(index, from, to))
            return index;
    return std::nullopt;
}

// The blocks of the terrestrial days From to To, as far as they are inside the blocks; the
// block of the start-up check when none is.
std::pair<std::size_t, std::size_t> BlocksOf(const TSpan& days) {
    const std::optional<std::size_t> first = BlockOf(days.First), last = BlockOf(days.Last);
    if (!first && !last)
        return {CheckedBlock, CheckedBlock};
    return {first.value_or(0), last.value_or(BlockCount - 1)};
}

void EnsureStarted() {
    if (!started)
        StartEphemeris();
}

// Points the library at the source for a computation that reads the universal days from
// FromJdUt to ToJdUt and returns its flag: the first source that serves all those days, else
// the first that serves the first of them, else the start-up's choice.
int32_t UseSourceFor(double fromJdUt, double toJdUt) {
    EnsureStarted();
    TSession& session = Session();
    // Default tidal acceleration: a pure function of the day, unlike the library's swe_deltat.
    const TSpan days{fromJdUt + swe_deltat_ex(fromJdUt, -1, nullptr),
                     toJdUt + swe_deltat_ex(toJdUt, -1, nullptr)};
    const auto [firstBlock, lastBlock] = BlocksOf(days);
    if (BlockOf(days.First) || BlockOf(days.Last))
        for (std::size_t block = firstBlock; block <= lastBlock; ++block)
            Survey(block);
    std::optional<std::size_t> source = FirstServing(days.First, days.Last);
    if (!source)
        source = FirstServing(days.First, days.First);
    session.InUse = source.value_or(session.StartUp);
    session.LastWindow = days;
    PointAt(session.InUse);
    return session.Sources[session.InUse].Flag;
}

// Universal time of a terrestrial-time Julian day.
double UniversalOf(double jdTt) {
    return jdTt - swe_deltat(jdTt);
}

// The range of a span of terrestrial-time days, kept inside each end.
TEphemerisRange RangeOf(const TSpan& span) {
    return {UniversalOf(span.First) + RangeMargin, UniversalOf(span.Last) - RangeMargin};
}

// The span, within Block, of the first source that serves the terrestrial day Day and the days
// after it (Later) or before it.
std::optional<TSpan> ServedAround(std::size_t block, double day, bool later) {
    Survey(block);
    for (std::size_t index = 0; index < Session().Sources.size(); ++index) {
        const TBlock& state = Examine(index, block);
        if (state.Kind == TBlockKind::Serves &&
            (later ? state.Span.First <= day && day < state.Span.Last
                   : state.Span.First < day && day <= state.Span.Last))
            return state.Span;
    }
    return std::nullopt;
}

// Extends the run of served days block by block towards the universal days [FromJdUt,
// ToJdUt], as far as served blocks join on: the range then equals the whole run's wherever
// the whole run reaches those days.
void ExtendCoverageToward(double fromJdUt, double toJdUt) {
    TSession& session = Session();
    if (session.NothingPassed)
        return;
    if (!session.CoverageKnown) {
        session.CoverageKnown = true;
        session.LaterDone = session.EarlierDone = false;
        const std::optional<TSpan> around = ServedAround(CheckedBlock, CheckJdUt, true);
        if (!around) {
            session.LaterDone = session.EarlierDone = true;
            session.Range = {};
            return;
        }
        session.Covered = *around;
        session.Range = RangeOf(session.Covered);
    }
    while (session.Range.Last < toJdUt && !session.LaterDone) {
        const double day = session.Covered.Last;
        const std::optional<std::size_t> block = BlockOf(day);
        const std::optional<TSpan> next = block ? ServedAround(*block, day, true) : std::nullopt;
        if (!next) {
            session.LaterDone = true;
            break;
        }
        session.Covered.Last = next->Last;
        session.Range = RangeOf(session.Covered);
    }
    while (session.Range.First > fromJdUt && !session.EarlierDone) {
        const double day = session.Covered.First;
        std::optional<std::size_t> block = BlockOf(day);
        if (block && day == BlockStarts()[*block])
            block = *block > 0 ? std::optional<std::size_t>(*block - 1) : std::nullopt;
        const std::optional<TSpan> previous =
            block ? ServedAround(*block, day, false) : std::nullopt;
        if (!previous) {
            session.EarlierDone = true;
            break;
        }
        session.Covered.First = previous->First;
        session.Range = RangeOf(session.Covered);
    }
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

    TSession& session = Session();
    session = TSession{};
    std::vector<TSource>& sources = session.Sources;
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

    // The start-up check decides the source of the years around 2000 (and names the source
    // used where no other answers); the other blocks are looked at when a date needs them.
    std::string firstFailure;
    std::size_t chosen = 0;
    for (; chosen < sources.size(); ++chosen) {
        TSource& source = sources[chosen];
        std::string reason;
        if (source.Flag == EphemerisSwiss) {
            const TBlock& state = Examine(chosen, CheckedBlock);
            if (state.Kind != TBlockKind::Serves)
                reason =
                    state.Reason.empty() ? JoinNames(state.Files) + " not found" : state.Reason;
        } else {
            CheckWholeSource(chosen);
            reason = source.Failure;
            // Said below, or passed over for good: not said again for other years.
            source.FailureSaid = !reason.empty();
        }
        if (reason.empty())
            break;
        if (chosen == 0)
            firstFailure = reason;
    }
    if (chosen == sources.size()) {
        // Not even the built-in theory answers: nothing will compute, and the user hears why.
        chosen = sources.size() - 1;
        session.NothingPassed = true;
        session.Notice = "Ephemeris: no source passed the start-up check (" + firstFailure +
                         "); no Hijri date can be computed.";
    } else if (chosen > 0) {
        session.Notice = "Ephemeris: " + SourceName(0, CheckedBlock, CheckedBlock) +
                         " failed the start-up check (" + firstFailure + "); using " +
                         Replacement(chosen, CheckedBlock, CheckedBlock) + " instead.";
    }
    session.Surveyed[CheckedBlock] = true;
    session.StartUp = session.InUse = chosen;
    std::memset(errorBuffer, 0, sizeof errorBuffer);
    ++sourceChanges;
    started = true;
    ExtendCoverageToward(CheckJdUt, CheckJdUt);
}

bool EphemerisSourceFailed(const std::string& Reason) {
    EnsureStarted();
    TSession& session = Session();
    const auto [firstBlock, lastBlock] = BlocksOf(session.LastWindow);
    bool exhausted = true;
    for (std::size_t block = firstBlock; block <= lastBlock; ++block)
        exhausted = exhausted && session.Exhausted[block];
    if (exhausted)
        return false;  // said once
    const std::size_t failed = session.InUse;
    const std::string sentence = "Ephemeris: " + SourceName(failed, firstBlock, lastBlock) +
                                 " failed the check of its answers (it " + Reason + ")";
    // Given up for the years of the answer only.
    std::vector<std::size_t> givenUp;
    for (std::size_t block = firstBlock; block <= lastBlock; ++block) {
        TBlock& state = session.Sources[failed].Blocks[block];
        if (state.Kind == TBlockKind::Serves) {
            state.Kind = TBlockKind::Failed;
            state.Reason = "it " + Reason;
            givenUp.push_back(block);
        }
    }
    CloseLibrary();
    if (const std::optional<std::size_t> next =
            FirstServing(session.LastWindow.First, session.LastWindow.Last)) {
        AddSentence(sentence + "; using " + Replacement(*next, firstBlock, lastBlock) +
                    " instead.");
        std::memset(errorBuffer, 0, sizeof errorBuffer);
        session.InUse = *next;
        PointAt(*next);
        ++sourceChanges;
        session.CoverageKnown = false;
        ExtendCoverageToward(CheckJdUt, CheckJdUt);
        return true;
    }
    // Nothing is left to fall back on: the library stays on the source in use, whose answers
    // the caller no longer believes, for the answers that still pass.
    AddSentence(sentence + "; no other source is left.");
    for (const std::size_t block : givenUp)
        session.Sources[failed].Blocks[block].Kind = TBlockKind::Serves;
    for (std::size_t block = firstBlock; block <= lastBlock; ++block)
        session.Exhausted[block] = true;
    PointAt(failed);
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
    Session().PointedAt = NoSource;
    started = false;
}

bool EphemerisStarted() {
    return started;
}

std::filesystem::path EphemerisFolder() {
    const TSession& session = Session();
    return session.Sources.empty() ? fs::path() : session.Sources[session.InUse].Folder;
}

std::string EphemerisNotice() {
    return Session().Notice;
}

TEphemerisRange EphemerisRange() {
    return EphemerisRangeToward(-HUGE_VAL, HUGE_VAL);
}

TEphemerisRange EphemerisRangeToward(double FromJdUt, double ToJdUt) {
    EnsureStarted();
    ExtendCoverageToward(FromJdUt, ToJdUt);
    return Session().Range;
}

int32_t EphemerisFlag() {
    EnsureStarted();
    const TSession& session = Session();
    return session.Sources[session.InUse].Flag;
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
    const int32_t sourceFlag = UseSourceFor(JdUt, JdUt + RiseSearchDays);
    // The library may write a star's full name back into the star-name argument; an empty
    // name of this size selects the body number and leaves room for any such write.
    char starName[AS_MAXCH] = {};
    double geopos[3] = {Position[0], Position[1], Position[2]};
    // tret has room for the ten values some event kinds return.
    double tret[10] = {};
    const int32_t result = swe_rise_trans(JdUt, Body, starName, sourceFlag, EventFlags, geopos, 0.0,
                                          0.0, tret, errorBuffer);
    EventJd = tret[0];
    return result;
}

int32_t EphemerisCalcUt(double JdUt, int32_t Body, std::array<double, 6>& Out) {
    const int32_t sourceFlag = UseSourceFor(JdUt, JdUt);
    return swe_calc_ut(JdUt, Body, sourceFlag, Out.data(), errorBuffer);
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
