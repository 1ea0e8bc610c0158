// orvandel-table as a user runs it: the built program for exit codes and streams, the command
// in-process for its options' effects, and its data outputs against the library's writers
// (whose content tests/timetable checks).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Errors.h"
#include "tests/timetable/TableTestSupport.h"
#include "timetable/CityCatalogue.h"
#include "timetable/TableFormats.h"
#include "timetable/TableText.h"
#include "timetable/TableWriters.h"
#include "timetable/Timetable.h"
#include "tools/OrvandelTableCommand.h"

extern char** environ;

namespace orvandel::table {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the built program (or a link to it) with the arguments, its streams captured in files
// (standard output written to `stdoutPath` instead when given).
RunResult RunProgram(const std::vector<std::string>& args, const char* stdoutPath = nullptr,
                     const std::string& program = ORVANDEL_TABLE_PROGRAM) {
    const fs::path dir =
        fs::temp_directory_path() / ("orvandel-table-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path outPath = dir / "out";
    const fs::path errPath = dir / "err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath ? stdoutPath : outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    RunResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.Out = ReadFile(outPath);
    result.Err = ReadFile(errPath);
    fs::remove_all(dir);
    return result;
}

// The command in this process (the ephemeris is started by the test environment).
RunResult RunInProcess(std::vector<std::string> args) {
    args.insert(args.begin(), "orvandel-table");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::ostringstream out, err;
    RunResult result;
    result.ExitCode = RunTableCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

using test::ClockMinutes;
using test::CsvRows;
using test::Split;

// The engine's week for Mecca containing 10 April 2024, with the command's defaults.
Timetable MeccaWeek() {
    TimetableSettings s;
    s.Date = EncodeDate(2024, 4, 10);
    s.Latitude = 21.42;
    s.Longitude = 39.83;
    s.GmtHours = 3;
    s.CalcMethod = UmmAlQura;
    s.TwelveHours = false;
    s.RightToLeft = false;
    TimetableEngine engine;
    return engine.ComputeWeek(s);
}

TEST(TableCommand, EveryBadInputExitsWithTwoAndOneLineNamingTheValue) {
    struct Row {
        const char* Name;
        std::vector<std::string> Args;
        const char* Named;  // must appear in the message
    };
    const Row rows[] = {
        {"unknown city", {"--city", "Atlantis"}, "Atlantis"},
        {"unknown option", {"--colour", "red"}, "--colour"},
        {"stray argument", {"Mecca"}, "Mecca"},
        {"missing value", {"--city"}, "--city"},
        {"missing value before an option", {"--date", "--csv"}, "--date"},
        {"latitude of a midnight sun",
         {"--lat", "65.7274", "--lon", "0", "--zone", "0"},
         "65.7274"},
        {"Tromso, the limit named",
         {"--lat", "69.65", "--lon", "18.96", "--tz", "Europe/Oslo"},
         "outside -65.7273..65.7273, beyond which the sun does not rise or set"},
        {"latitude below -65.7273", {"--lat", "-66", "--lon", "0", "--zone", "0"}, "-66"},
        {"latitude whose sun a height keeps up",
         {"--lat", "65.5", "--lon", "0", "--zone", "0", "--elevation", "300"},
         "'65.5': latitude outside -65.1714..65.1714 at 300 m"},
        {"latitude not a number", {"--lat", "nan", "--lon", "0", "--zone", "0"}, "nan"},
        {"longitude outside", {"--lat", "0", "--lon", "181", "--zone", "0"}, "181"},
        {"coordinates without zone", {"--lat", "10", "--lon", "20"}, "--zone"},
        {"zone hours outside", {"--lat", "0", "--lon", "0", "--zone", "26"}, "26"},
        {"zone minutes outside", {"--lat", "0", "--lon", "0", "--zone", "5:60"}, "5:60"},
        {"zone not a number", {"--lat", "0", "--lon", "0", "--zone", "five"}, "five"},
        {"elevation below 0", {"--elevation", "-1"}, "-1"},
        {"elevation above 9999", {"--elevation", "10000"}, "10000"},
        {"date that does not exist", {"--date", "2023-02-29"}, "2023-02-29"},
        {"date in year 0", {"--date", "0000-06-01"}, "0000-06-01"},
        {"date beyond 9999", {"--from", "10000-01-01"}, "10000-01-01"},
        {"days zero", {"--days", "0"}, "0"},
        {"days above 3660", {"--days", "3661"}, "3661"},
        {"days not whole", {"--days", "2.5"}, "2.5"},
        {"days past 9999", {"--from", "9999-12-31", "--days", "2"}, "2"},
        {"unknown method", {"--method", "hanbali"}, "hanbali"},
        {"unknown Asr rule", {"--asr", "maliki"}, "maliki"},
        {"unknown format", {"--format", "xml"}, "xml"},
        {"sunset based as ics", {"--sunset-based", "--format", "ics"}, "ics"},
        {"safety both ways", {"--safety", "--no-safety"}, "--no-safety"},
        {"week and range", {"--date", "2024-04-10", "--days", "3"}, "--days"},
        {"unknown time zone", {"--tz", "Mars/Olympus_Mons"}, "Mars/Olympus_Mons"},
        {"file of the zone database that is no zone", {"--tz", "leapseconds"}, "'leapseconds'"},
        {"time zone and zone",
         {"--lat", "1", "--lon", "2", "--zone", "3", "--tz", "Asia/Riyadh"},
         "Asia/Riyadh"},
        {"coordinates without zone or time zone", {"--lat", "10", "--lon", "20"}, "--tz"},
        {"city's time zone without a city", {"--lat", "1", "--lon", "2", "--tz", "auto"}, "auto"},
        {"moment that does not parse", {"--next", "--at", "tomorrow 10:00"}, "tomorrow 10:00"},
        {"moment on no date", {"--next", "--at", "2025-02-30 10:00"}, "2025-02-30 10:00"},
        {"moment at 24:00", {"--next", "--at", "2025-02-01 24:00"}, "2025-02-01 24:00"},
        {"moment without --next", {"--at", "2025-02-01 10:00"}, "--at"},
        {"moment the city's clock skips",
         {"--city", "London", "--next", "--at", "2026-03-29 01:30"},
         "2026-03-29 01:30"},
        {"zone without a place", {"--zone", "3"}, "--zone"},
        {"time zone with control characters", {"--tz", "Mars/\x1b[2J\n"}, "Mars/\\x1b[2J\\x0a"},
        {"next as csv", {"--next", "--format", "csv"}, "--next"},
        {"iso times in ics", {"--iso-times", "--format", "ics"}, "--iso-times"},
        {"iso times on no clock", {"--iso-times=gmt", "--format", "csv"}, "gmt"},
        {"iso times on a clock a day ahead",
         {"--lat", "0", "--lon", "0", "--zone", "25", "--iso-times", "--format", "csv"},
         "+25:00"},
        {"next as json on a clock a day behind",
         {"--lat", "0", "--lon", "0", "--zone", "-24", "--next", "--at", "2024-04-10 10:00",
          "--format", "json"},
         "-24:00"},
        {"alarm a day and a minute ahead", {"--format", "ics", "--alarm", "1441"}, "1441"},
        {"alarm after the time", {"--format", "ics", "--alarm", "-5"}, "-5"},
        {"alarm outside ics", {"--alarm", "10"}, "--alarm"},
        {"unknown event", {"--format", "ics", "--events", "fajr,tahajjud"}, "tahajjud"},
        {"empty event name", {"--format", "ics", "--events", "fajr,,isha"}, "fajr,,isha"},
        {"events outside ics", {"--format", "csv", "--events", "fajr"}, "--events"},
        {"adjustment beyond an hour", {"--adjust", "fajr=+61"}, "-60..60"},
        {"adjustment of no time", {"--adjust", "dusk=1"}, "'dusk' is not one of fajr"},
        {"Hijri adjustment of three days", {"--hijri-adjust", "3"}, "-2..2"},
        {"unknown high-latitude rule", {"--high-lat", "polar"}, "rule48|middle|seventh|angle"},
        {"city misspelt", {"--city", "Londn"}, "did you mean London?"},
        {"place of no town", {"--place", "Qwxyzzq"}, "Qwxyzzq"},
        {"places of no town", {"--places", "Qwxyzzq"}, "nearest: "},
        {"place without a name", {"--place", " , GB"}, "no name"},
        {"place and city", {"--place", "Leeds", "--city", "London"}, "--place"},
        {"place and coordinates", {"--place", "Leeds", "--lat", "1", "--lon", "2"}, "--place"},
        {"place beyond the latitudes computed", {"--place", "Tromsø"},
         "NO lies at 69.6489: latitude outside -65.7273..65.7273, beyond which the sun"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const RunResult r = RunProgram(row.Args);
        EXPECT_EQ(r.ExitCode, 2);
        EXPECT_EQ(r.Out, "");
        ASSERT_FALSE(r.Err.empty());
        EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;  // exactly one line
        EXPECT_NE(r.Err.find(row.Named), std::string::npos) << r.Err;
    }
}

TEST(TableCommand, AnErrorAfterTheArgumentsExitsWithOne) {
    // Every day of years 1 to 9999 computes; what can still fail is writing the output.
    const RunResult r = RunProgram(
        {"--date", "9999-12-31", "--lat", "40", "--lon", "-120", "--zone", "-8", "--format", "csv"},
        "/dev/full");
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_EQ(r.Err, "orvandel-table: cannot write the output\n");
    // An evening of 31 December 9999 west of Greenwich falls in year 10000 in UTC, which an
    // iCalendar date-time cannot hold: no output, one line naming the time.
    const RunResult ics = RunProgram({"--date", "9999-12-31", "--lat", "40", "--lon", "-120",
                                      "--zone", "-8", "--format", "ics"});
    EXPECT_EQ(ics.ExitCode, 1);
    EXPECT_EQ(ics.Out, "");
    EXPECT_EQ(ics.Err.find('\n'), ics.Err.size() - 1) << ics.Err;
    EXPECT_NE(ics.Err.find("Maghrib of 9999-12-31"), std::string::npos) << ics.Err;
    // The same instants as local ISO date-times, and a --next whose range ends: one line each.
    const struct {
        std::vector<std::string> Args;
        const char* Names;
    } rows[] = {
        {{"--lat", "0", "--lon", "-15", "--zone", "11", "--from", "9999-12-31", "--days", "1",
          "--iso-times", "--format", "csv"},
         "Dhuhr of 9999-12-31: the local date-time 10000-01-01T00:02"},
        {{"--lat", "40", "--lon", "-120", "--zone", "-8", "--from", "9999-12-31", "--days", "1",
          "--iso-times=utc", "--format", "csv"},
         "Maghrib of 9999-12-31: the UTC date-time 10000-01-01T"},
        {{"--next", "--at", "9999-12-31 23:00"}, "before the end of 9999-12-31"},
    };
    for (const auto& row : rows) {
        const RunResult r = RunProgram(row.Args);
        EXPECT_EQ(r.ExitCode, 1) << row.Names;
        EXPECT_EQ(r.Out, "");
        EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;
        EXPECT_NE(r.Err.find(row.Names), std::string::npos) << r.Err;
    }
}

// A damaged zone file or a missing database is a fault of the installation: exit 1, one line
// naming the file. A TZ value that is no zone is bad input, shown escaped on one line.
TEST(TableCommand, DamagedZoneFilesExitWithOneNamingTheFile) {
    const fs::path db = fs::temp_directory_path() / ("orvandel-zones-" + std::to_string(::getpid()));
    fs::create_directories(db / "Europe");
    const std::string berlin = ReadFile("/usr/share/zoneinfo/Europe/Berlin");
    ASSERT_GT(berlin.size(), 2235u);
    std::string flipped = berlin;
    flipped[2234] ^= 0x10;
    const std::string damages[] = {"", berlin.substr(0, 5) + std::string(berlin.size() - 5, '\0'),
                                   "TZif" + berlin.substr(4, 40), berlin.substr(0, 1000)};
    const char* saved = std::getenv("TZDIR");
    setenv("TZDIR", db.c_str(), 1);
    const std::vector<std::string> run = {"--lat", "52.5", "--lon", "13.4", "--tz",
                                          "Europe/Berlin", "--days", "1"};
    for (const std::string& bytes : damages) {
        std::ofstream(db / "Europe/Berlin", std::ios::binary) << bytes;
        const RunResult r = RunProgram(run);
        EXPECT_EQ(r.ExitCode, 1) << r.Err;
        EXPECT_EQ(r.Out, "");
        EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;
        EXPECT_NE(r.Err.find((db / "Europe/Berlin").string()), std::string::npos) << r.Err;
    }
    fs::remove_all(db);
    const RunResult missing = RunProgram(run);
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err, "orvandel-table: the time-zone database " + db.string() +
                               " is missing\n");
    saved != nullptr ? setenv("TZDIR", saved, 1) : unsetenv("TZDIR");

    const char* savedTz = std::getenv("TZ");
    const std::string savedTzValue = savedTz != nullptr ? savedTz : "";
    setenv("TZ", "Bad\rZone\n", 1);
    const RunResult tz = RunProgram({"--tz", "local"});
    savedTz != nullptr ? setenv("TZ", savedTzValue.c_str(), 1) : unsetenv("TZ");
    EXPECT_EQ(tz.ExitCode, 2);
    EXPECT_EQ(tz.Err.find('\n'), tz.Err.size() - 1) << tz.Err;
    EXPECT_NE(tz.Err.find("'Bad\\x0dZone\\x0a'"), std::string::npos) << tz.Err;
}

// The command's csv, json and iCalendar are the library's writers over the rows of the settings
// it reads, on the clock it chooses, byte for byte; only DTSTAMP, the moment of the run,
// differs. The program writes the same bytes as the command in this process.
TEST(TableCommand, DataOutputsAreTheLibrarysWriters) {
    const TableClock mecca = TableClock::Fixed(3 * 3600);
    const struct {
        std::vector<std::string> Args;
        TableClock Clock;
    } rows[] = {
        {{"--date", "2024-04-10", "--format", "csv"}, mecca},
        {{"--date", "2024-04-10", "--format", "json", "--12h", "--nearest-minute"}, mecca},
        {{"--city", "London", "--from", "2026-03-27", "--days", "5", "--iso-times", "--format",
          "csv"},
         TableClock::Zone("Europe/London")},
        {{"--lat", "52.52", "--lon", "13.405", "--tz", "Europe/Berlin", "--from", "2025-10-24",
          "--days", "3", "--seconds", "--iso-times=utc", "--format", "json"},
         TableClock::Zone("Europe/Berlin")},
        {{"--date", "2024-04-10", "--format", "ics", "--events", "maghrib", "--alarm", "10"},
         mecca},
        {{"--city", "London", "--date", "2026-03-29", "--format", "ics"},
         TableClock::Zone("Europe/London")},
    };
    const auto now = [] {
        return IcalUtcDateTime(std::chrono::duration_cast<std::chrono::seconds>(
                                   std::chrono::system_clock::now().time_since_epoch())
                                   .count());
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Args[1] + " " + row.Args.back());
        const std::string before = now();
        const RunResult r = RunInProcess(row.Args);
        const std::string after = now();
        ASSERT_EQ(r.ExitCode, 0) << r.Err;
        EXPECT_EQ(r.Err, "");
        std::vector<const char*> argv = {"orvandel-table"};
        for (const std::string& a : row.Args) {
            argv.push_back(a.c_str());
        }
        const TableRequest request =
            ParseTableArguments(static_cast<int>(argv.size()), argv.data(), Now());
        TimetableEngine engine;
        std::vector<RowTimes> times;
        const std::vector<TimetableDay> days =
            ComputeClockedDays(engine, request.Settings, row.Clock, request.FirstFixed,
                               request.DayCount, request.Seconds, times);
        std::string expected = RenderTable(request.Format, request, days, times);  // stamp 0
        if (request.Format == OutputFormat::Ics) {
            // Every event's DTSTAMP is the moment of the run.
            const size_t at = r.Out.find("DTSTAMP:");
            ASSERT_NE(at, std::string::npos);
            const std::string stamp = r.Out.substr(at + 8, 16);
            EXPECT_LE(before, stamp);
            EXPECT_LE(stamp, after);
            for (size_t i = expected.find("19700101T000000Z"); i != std::string::npos;
                 i = expected.find("19700101T000000Z", i)) {
                expected.replace(i, 16, stamp);
            }
        }
        EXPECT_EQ(r.Out, expected);
    }
    const RunResult program = RunProgram(rows[0].Args);
    EXPECT_EQ(program.ExitCode, 0) << program.Err;
    EXPECT_EQ(program.Err, "");
    EXPECT_EQ(program.Out, RunInProcess(rows[0].Args).Out);
    EXPECT_NE(program.Out.find("\n2024-04-10,Wednesday,1,10,1445,4:"), std::string::npos)
        << program.Out;
}

TEST(TableCommand, TextMarksTheChosenDay) {
    const RunResult r = RunInProcess({"--date", "2024-04-10"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const std::vector<std::string> lines = Split(r.Out, '\n');
    ASSERT_EQ(lines.size(), 11u);  // place, options, blank, header, 7 rows
    EXPECT_EQ(lines[0].substr(0, 7), "Mecca  ");
    const Timetable week = MeccaWeek();
    for (size_t d = 0; d < 7; ++d) {
        const std::string& line = lines[4 + d];
        EXPECT_EQ(line.substr(0, 2), d == 4 ? "* " : "  ") << line;
        EXPECT_NE(line.find(week.Days[d].CivilDateText), std::string::npos) << line;
        EXPECT_NE(line.find(week.Days[d].HijriDateText), std::string::npos) << line;
        EXPECT_EQ(line.substr(line.size() - week.Days[d].TimeTexts[5].size()),
                  week.Days[d].TimeTexts[5]);
    }
    // The text table keeps the window's form of the 12-hour clock, without AM or PM.
    const RunResult twelve = RunInProcess({"--date", "2024-04-10", "--12h"});
    ASSERT_EQ(twelve.ExitCode, 0) << twelve.Err;
    EXPECT_EQ(twelve.Out.find(" AM"), std::string::npos);
    EXPECT_EQ(twelve.Out.find(" PM"), std::string::npos);
}

// A locale's month name with a non-ASCII letter ("M\xC3\xA4r" in German) keeps the columns
// aligned: widths count characters, not bytes.
TEST(TableCommand, TextColumnsCountCharacters) {
    const Timetable week = MeccaWeek();
    std::vector<TimetableDay> rows(week.Days.begin(), week.Days.end());
    rows[0].CivilDateText = "Sa 09-M\xC3\xA4r-2024";
    rows[1].CivilDateText = "So 10-Feb-2024";
    rows[2].HijriDateText =
        "1 \xC5\x9E"
        "aww\xC4\x81l 1445";  // 2 two-byte letters
    TableRequest request;
    request.Settings = {};
    request.PlaceName = "Mecca";
    const std::vector<RowTimes> times(rows.size());
    const std::vector<std::string> lines = Split(RenderText(request, rows, times), '\n');
    ASSERT_EQ(lines.size(), 11u);
    const auto characters = [](const std::string& text) {
        return std::count_if(text.begin(), text.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    for (size_t i = 4; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        EXPECT_EQ(characters(lines[i]), characters(lines[3]));  // as wide as the header
        const size_t hijri = lines[i].find(rows[i - 4].HijriDateText);
        EXPECT_EQ(characters(lines[i].substr(0, hijri)),
                  characters(lines[4].substr(0, lines[4].find(rows[0].HijriDateText))));
    }
}

// A city's times are on its own clock: the same output as with --tz and its zone, named in the
// heading. --at is read on the city's clock, the first of the two 01:30s of the night the
// clocks go back. (Which clock the options choose: TableArguments.TimeZones.)
TEST(TableCommand, ACityIsOnItsOwnClock) {
    const RunResult city = RunInProcess({"--city", "London", "--date", "2027-05-08"});
    const RunResult zone =
        RunInProcess({"--city", "London", "--date", "2027-05-08", "--tz", "Europe/London"});
    ASSERT_EQ(city.ExitCode, 0) << city.Err;
    EXPECT_EQ(city.Out, zone.Out);
    EXPECT_NE(city.Out.find("zone Europe/London"), std::string::npos) << city.Out;

    const RunResult next = RunInProcess({"--city", "London", "--next", "--at", "2026-07-01 12:30"});
    ASSERT_EQ(next.ExitCode, 0) << next.Err;
    EXPECT_TRUE(next.Out.starts_with("Dhuhr 13:")) << next.Out;
    EXPECT_TRUE(next.Out.ends_with("(in 35 min)\n")) << next.Out;

    std::map<std::string, long long> left;
    for (const char* at : {"2026-10-25 00:30", "2026-10-25 01:30"}) {
        const RunResult r =
            RunInProcess({"--city", "London", "--next", "--at", at, "--format", "json"});
        ASSERT_EQ(r.ExitCode, 0) << r.Err;
        left[at] = nlohmann::json::parse(r.Out)["minutes_left"];
    }
    EXPECT_EQ(left["2026-10-25 00:30"] - left["2026-10-25 01:30"], 60);
}

// --place finds a town of the gazetteer and shows it as --city shows a catalogue city: the
// times of its coordinates (four decimals) on its zone's clock, named in the place line;
// --places lists the matches for scripts. Blanks around a name are ignored.
TEST(TableCommand, APlaceIsFoundByName) {
    const RunResult leeds = RunInProcess({"--place", "Leeds", "--date", "2027-05-08"});
    const RunResult point = RunInProcess(
        {"--lat", "53.7965", "--lon", "-1.5478", "--tz", "Europe/London", "--date", "2027-05-08"});
    ASSERT_EQ(leeds.ExitCode, 0) << leeds.Err;
    ASSERT_EQ(point.ExitCode, 0) << point.Err;
    EXPECT_TRUE(
        leeds.Out.starts_with("Leeds, England, GB  53.7965 N  1.5478 W  zone "
                              "Europe/London  elevation 0 m\n"))
        << leeds.Out;
    const auto afterPlaceLine = [](const std::string& text) {
        return text.substr(text.find('\n'));
    };
    EXPECT_EQ(afterPlaceLine(leeds.Out), afterPlaceLine(point.Out));

    const RunResult alabama = RunInProcess({"--place", " Birmingham, US "});
    ASSERT_EQ(alabama.ExitCode, 0) << alabama.Err;
    EXPECT_TRUE(alabama.Out.starts_with(
        "Birmingham, Alabama, US  33.5207 N  86.8025 W  zone America/Chicago  elevation 0 m\n"))
        << alabama.Out;
    EXPECT_NE(alabama.Out.find("\nISNA, "), std::string::npos) << alabama.Out;

    const RunResult medina = RunInProcess({"--places", "Medina"});
    ASSERT_EQ(medina.ExitCode, 0) << medina.Err;
    EXPECT_TRUE(medina.Out.starts_with(
        "Medina\tMedina Region\tSaudi Arabia\tSA\t24.46861\t39.61417\tAsia/Riyadh\n"))
        << medina.Out;
    EXPECT_GE(std::count(medina.Out.begin(), medina.Out.end(), '\n'), 5);

    EXPECT_EQ(RunInProcess({"--city", "  London ", "--date", "2027-05-08"}).Out,
              RunInProcess({"--city", "London", "--date", "2027-05-08"}).Out);
}

// --next for Mecca at fixed moments: before Fajr, before sunrise, between Dhuhr and Asr, and
// after Isha, which gives the next day's Fajr.
TEST(TableCommand, NextPrayerForMecca) {
    const RunResult days =
        RunInProcess({"--city", "Mecca", "--from", "2025-06-01", "--days", "2", "--format", "csv"});
    ASSERT_EQ(days.ExitCode, 0) << days.Err;
    const auto rows = CsvRows(days.Out);
    const RunResult twelveHourDays = RunInProcess(
        {"--city", "Mecca", "--from", "2025-06-01", "--days", "2", "--format", "csv", "--12h"});
    const auto twelveHourRows = CsvRows(twelveHourDays.Out);
    struct Row {
        const char* At;
        const char* Name;
        size_t Day, Field;  // where the expected time is in the csv
    };
    const Row cases[] = {
        {"2025-06-01 03:00", "Fajr", 0, 5}, {"2025-06-01 05:00", "Sunrise", 0, 6},
        {"2025-06-01 13:00", "Asr", 0, 8},  {"2025-06-01 23:00", "Fajr", 1, 5},
        {"2025-06-01 00:00", "Fajr", 0, 5},
    };
    for (const Row& row : cases) {
        SCOPED_TRACE(row.At);
        const std::string time = rows[row.Day][row.Field];
        const int minutesLeft =
            static_cast<int>(row.Day) * 1440 + ClockMinutes(time) - ClockMinutes(row.At + 11);
        const RunResult text = RunInProcess({"--city", "Mecca", "--next", "--at", row.At});
        ASSERT_EQ(text.ExitCode, 0) << text.Err;
        char left[32];
        if (minutesLeft >= 60) {
            std::snprintf(left, sizeof left, "in %d h %02d min", minutesLeft / 60,
                          minutesLeft % 60);
        } else {
            std::snprintf(left, sizeof left, "in %d min", minutesLeft);
        }
        EXPECT_EQ(text.Out, std::string(row.Name) + " " + time + " (" + left + ")\n");
        // On the 12-hour clock, with its half of the day as the csv writes it.
        EXPECT_EQ(RunInProcess({"--city", "Mecca", "--next", "--at", row.At, "--12h"}).Out,
                  std::string(row.Name) + " " + twelveHourRows[row.Day][row.Field] + " (" + left +
                      ")\n");

        const RunResult json =
            RunInProcess({"--city", "Mecca", "--next", "--at", row.At, "--format", "json"});
        ASSERT_EQ(json.ExitCode, 0) << json.Err;
        const nlohmann::json next = nlohmann::json::parse(json.Out);
        EXPECT_EQ(next["name"], row.Name);
        EXPECT_EQ(next["minutes_left"], minutesLeft);
        const std::string iso = next["time"];
        EXPECT_EQ(iso.substr(0, 10), rows[row.Day][0]);
        EXPECT_EQ(iso.substr(19), "+03:00");
        EXPECT_EQ(ClockMinutes(iso.substr(11, 5)), ClockMinutes(time));
    }
}

TEST(TableCommand, ListCitiesShowsTheVisibleCatalogueByGroup) {
    const RunResult r = RunInProcess({"--list-cities"});
    ASSERT_EQ(r.ExitCode, 0);
    const std::vector<std::string> lines = Split(r.Out, '\n');
    // Each group's caption, then its visible cities, indented, in the catalogue's order.
    std::vector<std::string> starts;
    for (const TCityGroupInfo& group : CityGroups()) {
        starts.emplace_back(group.Caption);
        for (const TCityEntry& city : CityCatalogue()) {
            if (city.Group == group.Group && city.Visible) {
                starts.push_back("  " + std::string(city.Caption) + " ");
            }
        }
    }
    ASSERT_EQ(lines.size(), starts.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, starts[i].size()), starts[i]);
    }
    EXPECT_EQ(r.Out.find("Montreal"), std::string::npos);
    EXPECT_NE(r.Out.find("GMT +3:30"), std::string::npos);
}

// The program starts the ephemeris through the hook: once for a run that computes, never for a
// run that prints fixed text or refuses its arguments.
TEST(TableCommand, OnlyARunThatComputesAsksForTheEphemeris) {
    const std::pair<std::vector<const char*>, int> rows[] = {
        {{"--help"}, 0},
        {{"--version"}, 0},
        {{"--list-cities"}, 0},
        {{"--city", "Atlantis"}, 0},
        {{"--date", "2024-04-10", "--format", "csv"}, 1},
        {{"--next", "--at", "2024-04-10 12:00"}, 1},
    };
    for (const auto& [args, expected] : rows) {
        SCOPED_TRACE(args.front());
        std::vector<const char*> argv = {"orvandel-table"};
        argv.insert(argv.end(), args.begin(), args.end());
        std::ostringstream out, err;
        int calls = 0;
        const int status = RunTableCommand(static_cast<int>(argv.size()), argv.data(), out, err,
                                           [&calls] { ++calls; });
        EXPECT_EQ(calls, expected);
        if (expected == 1) {
            EXPECT_EQ(status, 0) << err.str();
        }
    }
}

TEST(TableCommand, DamagedEphemerisBesideTheProgramGivesWayWithOneWarning) {
    // The program linked into a folder of its own, with a damaged file in ephemeris/data
    // beside it: the packaged files are used instead, and stderr says so in one line. A
    // truncated planet file fails the start-up check; one byte changed in the moon file passes
    // it, and its answers for 1881 fail the check against the calendar's own sun and moon (it
    // gave 51 to 57 Shawwal 1298 without a word).
    const fs::path packaged = "/usr/share/libswe/ephe";
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        const char* Check;     // what the notice says failed
        const char* HijriDay;  // a row of the output
    } rows[] = {
        {"truncated planet file",
         {"--from", "2024-03-08", "--days", "5", "--format", "csv"},
         "the start-up check (Ephemeris file ",
         "2024-03-11,Monday,1,9,1445,"},
        {"moon file byte 3996 set to 0x09",
         {"--date", "1881-10-20", "--format", "csv"},
         "the check of its answers (it gave ",
         "1881-10-20,Thursday,26,11,1298,"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const fs::path dir =
            fs::temp_directory_path() / ("orvandel-table-ephe-" + std::to_string(::getpid()));
        const fs::path data = dir / "ephemeris" / "data";
        fs::create_directories(data);
        const fs::path program = dir / "orvandel-table";
        fs::create_hard_link(ORVANDEL_TABLE_PROGRAM, program);
        fs::copy_file(packaged / "sepl_18.se1", data / "sepl_18.se1");
        fs::copy_file(packaged / "semo_18.se1", data / "semo_18.se1");
        if (&row == &rows[0]) {
            fs::resize_file(data / "sepl_18.se1", fs::file_size(packaged / "sepl_18.se1") / 2);
        } else {
            std::fstream moon(data / "semo_18.se1",
                              std::ios::in | std::ios::out | std::ios::binary);
            moon.seekp(3996);
            moon.put('\x09');
        }

        const RunResult r = RunProgram(row.Args, nullptr, program.string());
        fs::remove_all(dir);
        EXPECT_EQ(r.ExitCode, 0);
        EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;  // exactly one line
        EXPECT_TRUE(
            r.Err.starts_with("orvandel-table: warning: Ephemeris: sepl_18.se1 and "
                              "semo_18.se1 in " +
                              data.string() + " failed " + row.Check))
            << r.Err;
        EXPECT_TRUE(r.Err.ends_with("; using sepl_18.se1 and semo_18.se1 in " + packaged.string() +
                                    " instead.\n"))
            << r.Err;
        // Every Hijri date is there, Ramadan's longer Isha with it: the same output as with the
        // packaged files alone.
        EXPECT_EQ(r.Out, RunProgram(row.Args).Out);
        EXPECT_NE(r.Out.find(row.HijriDay), std::string::npos) << r.Out;
    }
}

TEST(TableCommand, DaysWithoutHijriDateAreNamedInOneWarning) {
    // The packaged files end with the year 5399.
    const RunResult r = RunInProcess({"--from", "5399-12-20", "--days", "20", "--format", "csv"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    // 1 January 5400 is the 29th of a month found within them; the next day may begin a month
    // or not, which the evening of 1 January would decide.
    EXPECT_EQ(r.Err,
              "orvandel-table: warning: no Hijri date could be computed for 5400-01-02 to "
              "5400-01-08\n");
    EXPECT_NE(r.Out.find("5400-01-01,Wednesday,29,1,4925,"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("5400-01-08,Wednesday,,,,"), std::string::npos) << r.Out;

    struct Row {
        const char* name;
        std::vector<std::pair<int, bool>> days;  // day after 1 January 2024, Hijri date found
        const char* warning;
    };
    const Row rows[] = {
        {"every date found", {{0, true}, {1, true}}, ""},
        {"one day", {{0, true}, {1, false}, {2, true}}, "for 2024-01-02"},
        {"runs",
         {{0, false}, {1, false}, {2, true}, {3, false}, {9, false}, {10, false}},
         "for 2024-01-01 to 2024-01-02, 2024-01-04, 2024-01-10 to 2024-01-11"},
        {"more than eight runs",
         {{0, false},
          {2, false},
          {4, false},
          {6, false},
          {8, false},
          {10, false},
          {12, false},
          {14, false},
          {16, false},
          {17, false},
          {20, false}},
         "2024-01-15 and 3 days more"},
        {"before the Hijri epoch", {{-512500, false}, {0, true}}, ""},
    };
    const int32_t first = FixedFromDateTime(EncodeDate(2024, 1, 1));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<TimetableDay> days;
        for (const auto& [offset, found] : row.days) {
            TimetableDay& day = days.emplace_back();
            day.Fixed = first + offset;
            day.Serial = DateTimeFromFixed(day.Fixed);
            day.HijriValid = found;
        }
        const std::string warning = MissingHijriDates(days);
        EXPECT_EQ(warning.empty(), *row.warning == '\0');
        EXPECT_TRUE(warning.ends_with(row.warning)) << warning;
    }
}

}  // namespace
}  // namespace orvandel::table
