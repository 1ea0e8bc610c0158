#include "platform/TimeZone.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace orvandel {
namespace {

constexpr int64_t SecondsPerDay = 86400;
constexpr size_t MaxZoneFileBytes = 1 << 20;  // the largest zone files are a few KiB
constexpr std::string_view DefaultDatabase = "/usr/share/zoneinfo";
constexpr std::string_view SystemZoneFile = "/etc/localtime";
// The rule of a TZ value that names a daylight-saving zone without saying when it applies.
constexpr std::string_view DefaultDstRule = ",M3.2.0,M11.1.0";

int64_t DaysFromCivil(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}}
        .time_since_epoch()
        .count();
}

bool IsLeapYear(int year) {
    return std::chrono::year{year}.is_leap();
}

// Whether `name` has the form of a zone name: a relative path of letters, digits and _+-,
// no empty, "." or ".." part.
bool IsZoneName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name.front() == '/' || name.back() == '/' ||
        name.find("//") != std::string_view::npos) {
        return false;
    }
    const bool allowedCharacters = std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '+' || c == '-' || c == '/';
    });
    return allowedCharacters;  // '.' is not allowed, so "." and ".." cannot occur
}

enum class FileKind { Missing, Directory, Regular, Other };

FileKind KindOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return FileKind::Missing;
    }
    if (S_ISDIR(info.st_mode)) {
        return FileKind::Directory;
    }
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::Other;
}

[[noreturn]] void Invalid(const std::string& source, const std::string& why) {
    throw EZoneFileError("time-zone file " + EscapeControls(source) +
                         " is not a valid zone file: " + why);
}

// Whether `bytes` begin with the magic of a zone file, or are a beginning of it cut short
// (an empty file among them): what could be a zone file, damaged or not.
bool MayBeZoneFile(std::string_view bytes) {
    constexpr std::string_view magic = "TZif";
    return bytes.size() >= magic.size() ? bytes.starts_with(magic) : magic.starts_with(bytes);
}

// The bytes of the regular file at `path`, at most MaxZoneFileBytes + 1 of them. EZoneFileError,
// naming the path, when it is missing, not a regular file or cannot be read.
std::string ReadZoneFileBytes(const std::string& path) {
    const FileKind kind = KindOf(path);
    if (kind == FileKind::Missing) {
        throw EZoneFileError("time-zone file " + EscapeControls(path) + " is missing");
    }
    if (kind != FileKind::Regular) {
        throw EZoneFileError("time-zone file " + EscapeControls(path) + " is not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(MaxZoneFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || (!in && !in.eof())) {
        throw EZoneFileError("time-zone file " + EscapeControls(path) +
                             " cannot be read: " + std::strerror(errno));
    }
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// The zone of the bytes ReadZoneFileBytes read from `path`.
std::shared_ptr<const TimeZoneRules> ZoneOfFileBytes(const std::string& bytes,
                                                     const std::string& path) {
    if (bytes.size() > MaxZoneFileBytes) {
        Invalid(path, "larger than 1 MiB");
    }
    return TimeZoneRules::FromBytes(bytes, path);
}

}  // namespace

int YearOfSeconds(int64_t seconds) {
    constexpr int64_t limit = 30000LL * 366 * SecondsPerDay;
    seconds = std::clamp(seconds, -limit, limit);
    // The day toward minus infinity: the built-in division truncates, which would put the
    // last day of every year before 1970 in the year after it.
    const int64_t day = seconds / SecondsPerDay - (seconds % SecondsPerDay < 0 ? 1 : 0);
    using namespace std::chrono;
    const year_month_day date{sys_days{days{day}}};
    return static_cast<int>(date.year());
}

// ---- POSIX TZ rules ----

struct TimeZoneRules::PosixRule {
    // The day of a change: Jn (1..365, 29 February never counted), n (0..365, counted) or
    // Mm.w.d (day d, 0 = Sunday, of week w, 5 = last, of month m), at Time seconds after
    // 00:00 on the clock in force before it.
    struct Date {
        char Kind = 'M';  // 'J', 'N' or 'M'
        int A = 0, B = 0, C = 0;
        int Time = 7200;
    };
    std::string StdName, DstName;  // abbreviations, without the <> of quoted ones
    int StdOffset = 0;             // east of UTC
    bool HasDst = false;
    int DstOffset = 0;
    Date Start, End;

    struct Event {
        int64_t Utc;
        bool ToDst;
    };

    int64_t DayOf(const Date& date, int year) const {
        const int64_t jan1 = DaysFromCivil(year, 1, 1);
        switch (date.Kind) {
            case 'J':
                return jan1 + date.A - 1 + (IsLeapYear(year) && date.A >= 60 ? 1 : 0);
            case 'N':
                return jan1 + date.A;
            default: {
                const int64_t first = DaysFromCivil(year, static_cast<unsigned>(date.A), 1);
                const int64_t next = date.A == 12
                                         ? DaysFromCivil(year + 1, 1, 1)
                                         : DaysFromCivil(year, static_cast<unsigned>(date.A + 1), 1);
                const auto weekday = static_cast<int>(
                    std::chrono::weekday{std::chrono::sys_days{std::chrono::days{first}}}
                        .c_encoding());  // [0, 6], 0 Sunday
                int64_t day = first + (date.C - weekday + 7) % 7 + 7 * (date.B - 1);
                while (day >= next) {
                    day -= 7;  // week 5: the last such day of the month
                }
                return day;
            }
        }
    }

    // The two changes of `year`, in order of time; at equal instants the end comes first, so
    // that a rule of daylight saving all year ("0/0,J365/25") stays on it.
    std::array<Event, 2> EventsOfYear(int year) const {
        Event start{DayOf(Start, year) * SecondsPerDay + Start.Time - StdOffset, true};
        Event end{DayOf(End, year) * SecondsPerDay + End.Time - DstOffset, false};
        if (start.Utc < end.Utc) {
            return {start, end};
        }
        return {end, start};
    }

    bool InDst(int64_t utc) const {
        // Halved range first, so that adding the offset cannot overflow.
        const int year =
            YearOfSeconds(std::clamp<int64_t>(utc, INT64_MIN / 2, INT64_MAX / 2) + StdOffset);
        bool dst = false;
        int64_t latest = INT64_MIN;
        // Changes may lie up to a week from their day (hours -167..167): the years around.
        for (int y = year - 2; y <= year + 1; ++y) {
            for (const Event& e : EventsOfYear(y)) {
                if (e.Utc <= utc && (e.Utc > latest || (e.Utc == latest && e.ToDst))) {
                    latest = e.Utc;
                    dst = e.ToDst;
                }
            }
        }
        return dst;
    }

    int OffsetAt(int64_t utc) const { return HasDst && InDst(utc) ? DstOffset : StdOffset; }

    // The instants of every change in [from, to].
    std::vector<int64_t> EventTimes(int64_t from, int64_t to) const {
        std::vector<int64_t> times;
        if (!HasDst) {
            return times;
        }
        for (int y = YearOfSeconds(from) - 1; y <= YearOfSeconds(to) + 1; ++y) {
            for (const Event& e : EventsOfYear(y)) {
                if (e.Utc >= from && e.Utc <= to) {
                    times.push_back(e.Utc);
                }
            }
        }
        return times;
    }
};

namespace {

// Reads a POSIX TZ rule; every method answers false on text it cannot take.
class PosixRuleParser {
public:
    explicit PosixRuleParser(std::string_view text) : text_(text) {}

    bool Parse(TimeZoneRules::PosixRule& rule) {
        int west = 0;
        if (!Name(rule.StdName) || !Offset(west, 24)) {
            return false;
        }
        rule.StdOffset = -west;
        if (AtEnd()) {
            return true;
        }
        if (!Name(rule.DstName)) {
            return false;
        }
        rule.HasDst = true;
        rule.DstOffset = rule.StdOffset + 3600;
        if (!AtEnd() && Peek() != ',') {
            if (!Offset(west, 24)) {
                return false;
            }
            rule.DstOffset = -west;
        }
        if (AtEnd()) {
            PosixRuleParser defaults(DefaultDstRule);
            return defaults.Changes(rule);
        }
        return Changes(rule);
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) {
            return false;
        }
        ++pos_;
        return true;
    }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    // "CET" (three letters or more) or "<+03>" (three or more of letters, digits, + and -),
    // into `name` without the <>.
    bool Name(std::string& name) {
        const bool quoted = Take('<');
        const size_t start = pos_;
        while (IsAlpha(Peek()) || (quoted && (IsDigit(Peek()) || Peek() == '+' || Peek() == '-'))) {
            ++pos_;
        }
        name = std::string(text_.substr(start, pos_ - start));
        return (!quoted || Take('>')) && name.size() >= 3;
    }

    // An unsigned number of 1 to `digits` digits, at most `max`.
    bool Number(int& value, int digits, int max) {
        int count = 0;
        value = 0;
        while (IsDigit(Peek()) && count < digits) {
            value = value * 10 + (text_[pos_++] - '0');
            ++count;
        }
        return count > 0 && value <= max && !IsDigit(Peek());
    }

    // [+-]hh[:mm[:ss]] with hours 0..maxHours, in seconds.
    bool Offset(int& seconds, int maxHours) {
        const bool negative = Take('-');
        if (!negative) {
            Take('+');
        }
        int hours = 0, minutes = 0, secs = 0;
        if (!Number(hours, 3, maxHours)) {
            return false;
        }
        if (Take(':') && (!Number(minutes, 2, 59) || (Take(':') && !Number(secs, 2, 59)))) {
            return false;
        }
        seconds = (hours * 3600 + minutes * 60 + secs) * (negative ? -1 : 1);
        return true;
    }

    bool Date(TimeZoneRules::PosixRule::Date& date) {
        if (Take('J')) {
            date.Kind = 'J';
            if (!Number(date.A, 3, 365) || date.A < 1) {
                return false;
            }
        } else if (Take('M')) {
            date.Kind = 'M';
            if (!Number(date.A, 2, 12) || date.A < 1 || !Take('.') || !Number(date.B, 1, 5) ||
                date.B < 1 || !Take('.') || !Number(date.C, 1, 6)) {
                return false;
            }
        } else {
            date.Kind = 'N';
            if (!Number(date.A, 3, 365)) {
                return false;
            }
        }
        date.Time = 7200;
        return !Take('/') || Offset(date.Time, 167);
    }

    bool Changes(TimeZoneRules::PosixRule& rule) {
        return Take(',') && Date(rule.Start) && Take(',') && Date(rule.End) && AtEnd();
    }

    std::string_view text_;
    size_t pos_ = 0;
};

// Big-endian fields of a zone file, every read inside the bytes the caller checked.
uint32_t U32(std::string_view d, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(d[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(d[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(d[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(d[at + 3]));
}

int64_t Time(std::string_view d, size_t at, size_t size) {
    if (size == 4) {
        return static_cast<int32_t>(U32(d, at));
    }
    return static_cast<int64_t>(static_cast<uint64_t>(U32(d, at)) << 32 | U32(d, at + 4));
}

// The six counts of a header, in file order.
struct Header {
    char Version;
    uint32_t IsUt, IsStd, Leap, Time, Type, Char;

    uint64_t BlockSize(uint64_t timeSize) const {
        return Time * timeSize + Time + Type * 6ULL + Char + Leap * (timeSize + 4) + IsStd +
               IsUt;
    }
};

Header ReadHeader(std::string_view d, size_t at, const std::string& source) {
    if (d.size() < 44 || at > d.size() - 44) {
        Invalid(source, d.empty() ? "the file is empty" : "truncated header");
    }
    if (d.substr(at, 4) != "TZif") {
        Invalid(source, "no TZif header");
    }
    const char version = d[at + 4];
    if (version != '\0' && (version < '2' || version > '9')) {
        Invalid(source, "unknown version");
    }
    const Header h{version,           U32(d, at + 20), U32(d, at + 24), U32(d, at + 28),
                   U32(d, at + 32),   U32(d, at + 36), U32(d, at + 40)};
    if (h.Type == 0 || h.Type > 256 || h.Char == 0 || (h.IsUt != 0 && h.IsUt != h.Type) ||
        (h.IsStd != 0 && h.IsStd != h.Type)) {
        Invalid(source, "inconsistent counts in the header");
    }
    return h;
}

struct Block {
    std::vector<int64_t> Transitions;
    std::vector<TimeZoneRules::Period> Periods;  // one per transition
    std::vector<TimeZoneRules::Period> Types;
};

// The data block after a header at `at`, with times of `timeSize` bytes.
Block ReadBlock(std::string_view d, size_t at, const Header& h, size_t timeSize,
                const std::string& source) {
    if (h.BlockSize(timeSize) > d.size() - at) {
        Invalid(source, "truncated data");
    }
    Block b;
    size_t p = at;
    b.Transitions.reserve(h.Time);
    for (uint32_t i = 0; i < h.Time; ++i, p += timeSize) {
        b.Transitions.push_back(Time(d, p, timeSize));
        if (i > 0 && b.Transitions[i] <= b.Transitions[i - 1]) {
            Invalid(source, "transition times out of order");
        }
    }
    const size_t indices = p;
    p += h.Time;
    const size_t designations = p + h.Type * 6ULL;
    for (uint32_t t = 0; t < h.Type; ++t, p += 6) {
        const auto offset = static_cast<int32_t>(U32(d, p));
        const auto isDst = static_cast<unsigned char>(d[p + 4]);
        const auto designation = static_cast<unsigned char>(d[p + 5]);
        if (offset < -89999 || offset > 93599 || isDst > 1 || designation >= h.Char) {
            Invalid(source, "bad local time type " + std::to_string(t));
        }
        b.Types.push_back({offset, isDst == 1});
    }
    if (d[designations + h.Char - 1] != '\0') {
        Invalid(source, "unterminated zone abbreviation");
    }
    for (uint32_t i = 0; i < h.Time; ++i) {
        const auto type = static_cast<unsigned char>(d[indices + i]);
        if (type >= h.Type) {
            Invalid(source, "transition to a local time type that does not exist");
        }
        b.Periods.push_back(b.Types[type]);
    }
    p = designations + h.Char + h.Leap * (timeSize + 4ULL);
    for (uint32_t t = 0; t < h.IsStd + h.IsUt; ++t, ++p) {
        if (static_cast<unsigned char>(d[p]) > 1) {
            Invalid(source, "bad standard/UT indicator");
        }
    }
    return b;
}

}  // namespace

std::string ZoneDatabaseFolder() {
    const char* tzdir = std::getenv("TZDIR");
    std::string folder = tzdir != nullptr && *tzdir != '\0' ? tzdir : std::string(DefaultDatabase);
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string EscapeControls(std::string_view text) {
    std::string result;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", u);
            result += buffer;
        } else {
            result += c;
        }
    }
    return result;
}

TimeZoneRules::TimeZoneRules(std::vector<int64_t> transitions, std::vector<Period> periods,
                             Period initial, std::shared_ptr<const PosixRule> rule)
    : transitions_(std::move(transitions)),
      periods_(std::move(periods)),
      initial_(initial),
      rule_(std::move(rule)) {}

TimeZoneRules::~TimeZoneRules() = default;

std::string PosixRuleAbbreviations(std::string_view text) {
    TimeZoneRules::PosixRule rule;
    if (!PosixRuleParser(text).Parse(rule)) {
        return {};
    }
    return rule.HasDst ? rule.StdName + "/" + rule.DstName : rule.StdName;
}

std::shared_ptr<const TimeZoneRules> TimeZoneRules::FromPosixRule(std::string_view text) {
    auto rule = std::make_shared<PosixRule>();
    if (!PosixRuleParser(text).Parse(*rule)) {
        throw EUnknownZone("not a POSIX TZ rule");
    }
    const Period standard{rule->StdOffset, false};
    return std::make_shared<const TimeZoneRules>(std::vector<int64_t>{}, std::vector<Period>{},
                                                 standard, std::move(rule));
}

std::shared_ptr<const TimeZoneRules> TimeZoneRules::FromBytes(std::string_view d,
                                                              const std::string& source) {
    const Header first = ReadHeader(d, 0, source);
    Block block;
    std::shared_ptr<PosixRule> rule;
    bool hasLeapSeconds = first.Leap != 0;
    if (first.Version == '\0') {
        block = ReadBlock(d, 44, first, 4, source);
        if (first.BlockSize(4) != d.size() - 44) {
            Invalid(source, "bytes after the data");
        }
    } else {
        // Version 2 and later repeat the data with 64-bit times after the 32-bit block, and
        // end with the rule for the times after the last transition.
        if (first.BlockSize(4) > d.size() - 44) {
            Invalid(source, "truncated data");
        }
        const size_t second = 44 + static_cast<size_t>(first.BlockSize(4));
        const Header h = ReadHeader(d, second, source);
        if (h.Version != first.Version) {
            Invalid(source, "the two headers differ");
        }
        hasLeapSeconds = h.Leap != 0;
        block = ReadBlock(d, second + 44, h, 8, source);
        const size_t footer = second + 44 + static_cast<size_t>(h.BlockSize(8));
        if (footer >= d.size() || d[footer] != '\n' || d.back() != '\n' ||
            d.size() - footer < 2) {
            Invalid(source, "missing footer");
        }
        const std::string_view text = d.substr(footer + 1, d.size() - footer - 2);
        if (text.find('\n') != std::string_view::npos) {
            Invalid(source, "bytes after the footer");
        }
        if (!text.empty()) {
            rule = std::make_shared<PosixRule>();
            if (!PosixRuleParser(text).Parse(*rule)) {
                Invalid(source, "unreadable rule '" + EscapeControls(text) + "'");
            }
            // The rule continues the last transition's offset.
            if (!block.Transitions.empty() && !hasLeapSeconds &&
                rule->OffsetAt(block.Transitions.back()) != block.Periods.back().Offset) {
                Invalid(source, "the rule '" + EscapeControls(text) +
                                    "' contradicts the last transition");
            }
        }
    }
    const Period initial = block.Types.front();
    return std::make_shared<const TimeZoneRules>(std::move(block.Transitions),
                                                 std::move(block.Periods), initial,
                                                 std::move(rule));
}

std::shared_ptr<const TimeZoneRules> TimeZoneRules::FromFile(const std::string& path) {
    return ZoneOfFileBytes(ReadZoneFileBytes(path), path);
}

std::shared_ptr<const TimeZoneRules> TimeZoneRules::FromDatabase(std::string_view name) {
    if (!IsZoneName(name)) {
        throw EUnknownZone("unknown time zone");
    }
    const std::string folder = ZoneDatabaseFolder();
    if (KindOf(folder) != FileKind::Directory) {
        throw EZoneFileError("the time-zone database " + EscapeControls(folder) + " is missing");
    }
    const std::string path = folder + "/" + std::string(name);
    const FileKind kind = KindOf(path);
    if (kind == FileKind::Missing || kind == FileKind::Directory) {
        throw EUnknownZone("unknown time zone");
    }
    const std::string bytes = ReadZoneFileBytes(path);
    if (!MayBeZoneFile(bytes)) {
        // The database also holds text files that are no zone (leapseconds, tzdata.zi, the
        // .tab tables): naming one is bad input. A zone file damaged after its first bytes,
        // or cut short within them, is a fault of the installation and refused below.
        throw EUnknownZone("unknown time zone: the database's file of that name holds no zone");
    }
    return ZoneOfFileBytes(bytes, path);
}

TimeZoneRules::SystemZone TimeZoneRules::System() {
    const auto utc = [] { return SystemZone{FromPosixRule("UTC0"), "UTC"}; };
    const char* tz = std::getenv("TZ");
    if (tz == nullptr) {
        const std::string path(SystemZoneFile);
        if (KindOf(path) == FileKind::Missing) {
            return utc();  // as the C library: no zone configured is UTC
        }
        std::string name = path;
        char target[4096];
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length > 0) {
            const std::string_view link(target, static_cast<size_t>(length));
            const size_t folder = link.rfind("zoneinfo/");
            if (folder != std::string_view::npos && IsZoneName(link.substr(folder + 9))) {
                name = std::string(link.substr(folder + 9));
            }
        }
        return {FromFile(path), name};
    }
    const std::string_view value = tz;
    const bool fileOnly = value.starts_with(':');
    const std::string_view zoneText = fileOnly ? value.substr(1) : value;
    if (zoneText.empty()) {
        return utc();
    }
    if (zoneText.front() == '/') {
        if (KindOf(std::string(zoneText)) == FileKind::Missing) {
            throw EUnknownZone("names no zone file");
        }
        return {FromFile(std::string(zoneText)), std::string(zoneText)};
    }
    if (fileOnly) {
        return {FromDatabase(zoneText), std::string(zoneText)};
    }
    // As the C library: a zone of the database first, then a rule.
    if (IsZoneName(zoneText)) {
        try {
            return {FromDatabase(zoneText), std::string(zoneText)};
        } catch (const EUnknownZone&) {
            // Not in the database: read it as a rule below ("EST5EDT" is both).
        }
    }
    try {
        return {FromPosixRule(zoneText), std::string(zoneText)};
    } catch (const EUnknownZone&) {
        throw EUnknownZone("neither a zone of the database nor a POSIX TZ rule");
    }
}

const TimeZoneRules::Period& TimeZoneRules::PeriodAt(int64_t utc) const {
    const auto next = std::upper_bound(transitions_.begin(), transitions_.end(), utc);
    if (next == transitions_.begin()) {
        return initial_;
    }
    return periods_[static_cast<size_t>(next - transitions_.begin() - 1)];
}

int TimeZoneRules::OffsetAt(int64_t utc) const {
    if (rule_ && (transitions_.empty() || utc >= transitions_.back())) {
        return rule_->OffsetAt(utc);
    }
    return PeriodAt(utc).Offset;
}

int TimeZoneRules::StandardOffsetAt(int64_t utc) const {
    if (rule_ && (transitions_.empty() || utc >= transitions_.back())) {
        return rule_->StdOffset;
    }
    const auto next = std::upper_bound(transitions_.begin(), transitions_.end(), utc);
    auto index = static_cast<ptrdiff_t>(next - transitions_.begin()) - 1;  // -1: initial_
    const auto at = [&](ptrdiff_t i) -> const Period& {
        return i < 0 ? initial_ : periods_[static_cast<size_t>(i)];
    };
    for (ptrdiff_t i = index; i >= -1; --i) {
        if (!at(i).IsDst) {
            return at(i).Offset;
        }
    }
    for (auto i = static_cast<size_t>(index + 1); i < periods_.size(); ++i) {
        if (!periods_[i].IsDst) {
            return periods_[i].Offset;
        }
    }
    return at(index).Offset;
}

std::vector<TimeZoneRules::Change> TimeZoneRules::Changes(int64_t from, int64_t to) const {
    std::vector<int64_t> candidates;
    for (auto it = std::lower_bound(transitions_.begin(), transitions_.end(), from);
         it != transitions_.end() && *it < to; ++it) {
        candidates.push_back(*it);
    }
    if (rule_ && from < to) {
        const int64_t ruleFrom = transitions_.empty() ? from : std::max(from, transitions_.back());
        if (ruleFrom < to) {
            for (int64_t t : rule_->EventTimes(ruleFrom, to - 1)) {
                candidates.push_back(t);
            }
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<Change> changes;
    for (int64_t t : candidates) {
        if (t == INT64_MIN) {
            continue;  // nothing comes before it
        }
        const int before = OffsetAt(t - 1);
        const int after = OffsetAt(t);
        if (before != after) {
            changes.push_back({t, before, after});
        }
    }
    return changes;
}

}  // namespace orvandel
