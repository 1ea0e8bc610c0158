// orvandel-table as a user runs it: the built program for exit codes and streams, the command
// in-process for the content of its outputs, checked against the timetable engine.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Errors.h"
#include "timetable/CityCatalogue.h"
#include "timetable/TableText.h"
#include "timetable/Timetable.h"
#include "tools/OrvandelTableCommand.h"
#include "tools/OrvandelTableOutput.h"

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

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    return parts;
}

std::vector<std::string> Args(std::vector<std::string> base, std::vector<std::string> more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

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
        {"latitude above 60", {"--lat", "61", "--lon", "0", "--zone", "0"}, "61"},
        {"latitude below -60", {"--lat", "-60.5", "--lon", "0", "--zone", "0"}, "-60.5"},
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
        {"alarm a day and a minute ahead", {"--format", "ics", "--alarm", "1441"}, "1441"},
        {"alarm after the time", {"--format", "ics", "--alarm", "-5"}, "-5"},
        {"alarm outside ics", {"--alarm", "10"}, "--alarm"},
        {"unknown event", {"--format", "ics", "--events", "fajr,tahajjud"}, "tahajjud"},
        {"empty event name", {"--format", "ics", "--events", "fajr,,isha"}, "fajr,,isha"},
        {"events outside ics", {"--format", "csv", "--events", "fajr"}, "--events"},
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
        {{"--lat", "0", "--lon", "-170", "--zone", "14", "--from", "9999-12-31", "--days", "1",
          "--iso-times", "--format", "csv"},
         "Fajr of 9999-12-31: the local date-time 10000-01-01T06:04"},
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

// The csv of the program for Mecca, the week of 10 April 2024, against the engine's week.
TEST(TableCommand, CsvOfMeccaWeekMatchesTheEngine) {
    const RunResult r = RunProgram({"--city", "Mecca", "--date", "2024-04-10", "--format", "csv"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    const std::vector<std::string> lines = Split(r.Out, '\n');
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0],
              "date,weekday,hijri_day,hijri_month,hijri_year,fajr,shrook,dhuhr,asr,maghrib,isha,"
              "utc_offset");
    const Timetable week = MeccaWeek();
    const char* weekdays[] = {"Saturday",  "Sunday",   "Monday", "Tuesday",
                              "Wednesday", "Thursday", "Friday"};
    for (size_t r7 = 0; r7 < 7; ++r7) {
        const TimetableDay& day = week.Days[r7];
        const std::vector<std::string> fields = Split(lines[r7 + 1], ',');
        ASSERT_EQ(fields.size(), 12u) << lines[r7 + 1];
        EXPECT_EQ(fields[11], "+03:00");
        EXPECT_EQ(fields[0], "2024-04-" + std::string(r7 < 4 ? "0" : "") + std::to_string(6 + r7));
        EXPECT_EQ(fields[1], weekdays[r7]);
        EXPECT_EQ(fields[2], std::to_string(day.HijriDay));
        EXPECT_EQ(fields[3], std::to_string(day.HijriMonth));
        EXPECT_EQ(fields[4], "1445");
        for (size_t p = 0; p < 6; ++p) {
            EXPECT_EQ(" " + fields[5 + p], day.TimeTexts[p]);
        }
    }
    EXPECT_EQ(lines[5].substr(0, 28), "2024-04-10,Wednesday,1,10,14");
    // The same command in this process gives the same bytes.
    EXPECT_EQ(RunInProcess({"--city", "Mecca", "--date", "2024-04-10", "--format", "csv"}).Out,
              r.Out);
}

TEST(TableCommand, SecondsAreTheUnroundedHoursTruncated) {
    const RunResult r = RunInProcess({"--date", "2024-04-10", "--format", "csv", "--seconds"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const std::vector<std::string> lines = Split(r.Out, '\n');
    const Timetable week = MeccaWeek();
    for (size_t d = 0; d < 7; ++d) {
        const std::vector<std::string> fields = Split(lines[d + 1], ',');
        for (size_t p = 0; p < 6; ++p) {
            // H:MM:SS whose H:MM is the truncated minute text of the same hours.
            ASSERT_GE(fields[5 + p].size(), 7u);
            EXPECT_EQ(fields[5 + p][fields[5 + p].size() - 3], ':');
            EXPECT_EQ(" " + fields[5 + p].substr(0, fields[5 + p].size() - 3),
                      week.Days[d].TimeTexts[p]);
        }
    }
    EXPECT_EQ(FormatHoursWithSeconds(24.25), "24:15:00");
    EXPECT_EQ(FormatHoursWithSeconds(4 + 35.0 / 60), "4:35:00");
    EXPECT_EQ(FormatHoursWithSeconds(-0.5), "-0:30:00");
}

TEST(TableCommand, JsonHasTheCsvFields) {
    const RunResult r = RunInProcess({"--date", "2024-04-10", "--format", "json", "--12h"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const nlohmann::json rows = nlohmann::json::parse(r.Out);
    ASSERT_TRUE(rows.is_array());
    ASSERT_EQ(rows.size(), 7u);
    const nlohmann::json& wednesday = rows[4];
    EXPECT_EQ(wednesday["date"], "2024-04-10");
    EXPECT_EQ(wednesday["weekday"], "Wednesday");
    EXPECT_EQ(wednesday["hijri_day"], 1);
    EXPECT_EQ(wednesday["hijri_month"], 10);
    EXPECT_EQ(wednesday["hijri_year"], 1445);
    EXPECT_EQ(wednesday["utc_offset"], "+03:00");
    // --12h: each time on the 12-hour clock with its half of the day, read back as the
    // engine's minute of the day.
    const Timetable week = MeccaWeek();
    const char* names[] = {"fajr", "shrook", "dhuhr", "asr", "maghrib", "isha"};
    for (size_t p = 0; p < 6; ++p) {
        const std::string text = wednesday[names[p]].get<std::string>();
        SCOPED_TRACE(text);
        const size_t colon = text.find(':');
        ASSERT_EQ(text.size(), colon + 6);
        const int hour = std::stoi(text.substr(0, colon));
        ASSERT_TRUE(hour >= 1 && hour <= 12);
        const std::string half = text.substr(colon + 3);
        ASSERT_TRUE(half == " AM" || half == " PM");
        const int minutes =
            (hour % 12 + (half == " PM" ? 12 : 0)) * 60 + std::stoi(text.substr(colon + 1, 2));
        EXPECT_EQ(minutes, week.Days[4].ShownMinutes[p]);
    }
    EXPECT_EQ(wednesday["fajr"].get<std::string>().substr(0, 2), "4:");
    // The edges of the two halves, and times that fall on another date than the row's.
    const std::pair<int, const char*> edges[] = {
        {0, "12:00 AM"},   {59, "12:59 AM"},  {719, "11:59 AM"},  {720, "12:00 PM"},
        {779, "12:59 PM"}, {780, "1:00 PM"},  {1439, "11:59 PM"}, {1455, "12:15 AM"},
        {-30, "11:30 PM"}, {1500, "1:00 AM"},
    };
    for (const auto& [minutes, text] : edges) {
        EXPECT_EQ(TwelveHourTime(minutes), text) << minutes;
    }
    // The text table keeps the window's form, and sunset-based counts get no half of the day.
    EXPECT_EQ(RunInProcess({"--date", "2024-04-10", "--12h"}).Out.find(" AM"), std::string::npos);
    const RunResult sunset =
        RunInProcess({"--date", "2024-04-10", "--sunset-based", "--format", "csv"});
    ASSERT_EQ(sunset.ExitCode, 0) << sunset.Err;
    EXPECT_EQ(sunset.Out.find(" AM"), std::string::npos);
    EXPECT_EQ(sunset.Out.find(" PM"), std::string::npos);
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
    const std::vector<std::string> lines = Split(RenderText(request, rows, times, -1), '\n');
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

struct IcalDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

TEST(TableCommand, IcsIsACalendarWithOneEventPerPrayerAndDay) {
    const RunResult r = RunProgram({"--date", "2024-04-10", "--format", "ics"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    // Every line ends with CR LF.
    size_t lines = 0;
    for (size_t at = r.Out.find('\n'); at != std::string::npos; at = r.Out.find('\n', at + 1)) {
        ASSERT_GT(at, 0u);
        EXPECT_EQ(r.Out[at - 1], '\r') << "line " << lines;
        ++lines;
    }
    EXPECT_GT(lines, 42u * 6);

    std::unique_ptr<icalcomponent, IcalDeleter> calendar(icalparser_parse_string(r.Out.c_str()));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_isa(calendar.get()), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    EXPECT_EQ(icalrestriction_check(calendar.get()), 1);
    // The calendar's name, under the standard's property and the one most programs read.
    std::map<std::string, std::string> names;
    for (icalproperty* p = icalcomponent_get_first_property(calendar.get(), ICAL_ANY_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(calendar.get(), ICAL_ANY_PROPERTY)) {
        names[icalproperty_isa(p) == ICAL_X_PROPERTY ? icalproperty_get_x_name(p)
                                                     : icalproperty_get_property_name(p)] =
            icalproperty_get_value_as_string(p);
    }
    EXPECT_EQ(names["NAME"], "Prayer times (Mecca)");
    EXPECT_EQ(names["X-WR-CALNAME"], "Prayer times (Mecca)");

    const Timetable week = MeccaWeek();
    const char* prayerNames[] = {"Fajr", "Shrook", "Dhuhr", "Asr", "Maghrib", "Isha"};
    std::set<std::string> uids;
    int events = 0;
    for (icalcomponent* event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const size_t day = static_cast<size_t>(events / 6);
        const size_t prayer = static_cast<size_t>(events % 6);
        ++events;
        ASSERT_LT(day, 7u);
        EXPECT_STREQ(icalcomponent_get_summary(event), prayerNames[prayer]);
        uids.insert(icalcomponent_get_uid(event));
        const icaltimetype start = icalcomponent_get_dtstart(event);
        EXPECT_TRUE(icaltime_is_utc(start));
        // The shown local time on the zone clock (+3 h), as seconds since 1970 in UTC.
        const long long expected = (static_cast<long long>(week.Days[day].Fixed) - 719163) * 86400 +
                                   60LL * week.Days[day].EventMinutes[prayer] - 3 * 3600;
        EXPECT_EQ(static_cast<long long>(icaltime_as_timet(start)), expected)
            << prayerNames[prayer] << " of " << week.Days[day].CivilDateText;
        // A quarter of an hour that does not block the calendar; the Hijri date, the method
        // and the place in the description.
        EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtend(event)) - icaltime_as_timet(start),
                  15 * 60);
        EXPECT_EQ(
            icalproperty_get_transp(icalcomponent_get_first_property(event, ICAL_TRANSP_PROPERTY)),
            ICAL_TRANSP_TRANSPARENT);
        EXPECT_EQ(std::string(icalcomponent_get_description(event)),
                  week.Days[day].HijriDateText +
                      " AH\nUmm Al-Qura, Asr Standard\nMecca, 21.4200 N  39.8300 E");
        EXPECT_EQ(icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT), nullptr);
    }
    EXPECT_EQ(events, 42);
    EXPECT_EQ(uids.size(), 42u);

    // Another run names the same events again, also when it keeps only some of them; each
    // kept event then carries its reminder.
    const struct {
        std::vector<std::string> Options;
        size_t Events;
        const char* Summary;  // the one summary kept, or null for all six
        int Trigger;          // seconds relative to the start; 1 for no reminder
    } reruns[] = {
        {{}, 42, nullptr, 1},
        {{"--events", "Maghrib", "--alarm", "10"}, 7, "Maghrib", -600},
        {{"--events", "sunrise", "--alarm", "0"}, 7, "Shrook", 0},
    };
    for (const auto& rerun : reruns) {
        SCOPED_TRACE(rerun.Events);
        const RunResult again =
            RunInProcess(Args({"--date", "2024-04-10", "--format", "ics"}, rerun.Options));
        ASSERT_EQ(again.ExitCode, 0) << again.Err;
        std::unique_ptr<icalcomponent, IcalDeleter> second(
            icalparser_parse_string(again.Out.c_str()));
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(icalcomponent_count_errors(second.get()), 0);
        EXPECT_EQ(icalrestriction_check(second.get()), 1);
        std::set<std::string> secondUids;
        for (icalcomponent* event =
                 icalcomponent_get_first_component(second.get(), ICAL_VEVENT_COMPONENT);
             event != nullptr;
             event = icalcomponent_get_next_component(second.get(), ICAL_VEVENT_COMPONENT)) {
            secondUids.insert(icalcomponent_get_uid(event));
            if (rerun.Summary != nullptr) {
                EXPECT_STREQ(icalcomponent_get_summary(event), rerun.Summary);
            }
            icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
            ASSERT_EQ(alarm != nullptr, rerun.Trigger != 1);
            if (alarm == nullptr) {
                continue;
            }
            EXPECT_EQ(icalproperty_get_action(
                          icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
                      ICAL_ACTION_DISPLAY);
            const icaltriggertype trigger = icalproperty_get_trigger(
                icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
            EXPECT_EQ(icaldurationtype_as_int(trigger.duration), rerun.Trigger);
            EXPECT_STREQ(icalcomponent_get_description(alarm), rerun.Summary);
        }
        EXPECT_EQ(secondUids.size(), rerun.Events);
        EXPECT_TRUE(std::includes(uids.begin(), uids.end(), secondUids.begin(), secondUids.end()));
    }
}

// At 47.6 N the Egyptian 19.5 deg dawn does not happen around 3 July 2024: the table shows
// 0:00, but the calendar gets no Fajr event for those days rather than one at midnight.
TEST(TableCommand, IcsLeavesOutTimesThatDoNotHappen) {
    const std::vector<std::string> place = {"--lat", "47.6",     "--lon", "0",      "--zone",
                                            "0",     "--method", "egypt", "--date", "2024-07-03"};
    std::vector<std::string> csvArgs = place;
    csvArgs.insert(csvArgs.end(), {"--format", "csv"});
    const RunResult csv = RunInProcess(csvArgs);
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    int missingFajr = 0;
    for (const std::string& line : Split(csv.Out, '\n')) {
        if (line.find(",0:00,") != std::string::npos)
            ++missingFajr;
    }
    ASSERT_GT(missingFajr, 0) << csv.Out;

    std::vector<std::string> icsArgs = place;
    icsArgs.insert(icsArgs.end(), {"--format", "ics"});
    const RunResult ics = RunInProcess(icsArgs);
    ASSERT_EQ(ics.ExitCode, 0) << ics.Err;
    std::unique_ptr<icalcomponent, IcalDeleter> calendar(icalparser_parse_string(ics.Out.c_str()));
    ASSERT_NE(calendar, nullptr);
    int events = 0;
    int fajrEvents = 0;
    for (icalcomponent* event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        ++events;
        if (std::string(icalcomponent_get_summary(event)) == "Fajr")
            ++fajrEvents;
    }
    EXPECT_EQ(fajrEvents, 7 - missingFajr);
    EXPECT_EQ(events, 42 - missingFajr);
}

// ---- Clocks: IANA zones, ISO date-times, the next prayer ----

// An ISO 8601 date-time with its offset, "2025-03-30T04:46:00+01:00", read with std::chrono
// (independent of the command's own calendar arithmetic).
struct IsoInstant {
    long long Utc = 0;  // seconds since 1970-01-01 00:00 UTC
    int Offset = 0;     // seconds east
};

IsoInstant ReadIso(const std::string& text) {
    EXPECT_EQ(text.size(), 25u) << text;
    if (text.size() != 25u) {
        return {};
    }
    const auto number = [&](size_t at, size_t length) {
        return std::stoi(text.substr(at, length));
    };
    const std::chrono::year_month_day date{std::chrono::year{number(0, 4)},
                                           std::chrono::month{static_cast<unsigned>(number(5, 2))},
                                           std::chrono::day{static_cast<unsigned>(number(8, 2))}};
    EXPECT_TRUE(date.ok()) << text;
    const long long local =
        static_cast<long long>(std::chrono::sys_days{date}.time_since_epoch().count()) * 86400 +
        number(11, 2) * 3600 + number(14, 2) * 60 + number(17, 2);
    const int offset = (text[19] == '-' ? -1 : 1) * (number(20, 2) * 3600 + number(23, 2) * 60);
    return {local - offset, offset};
}

long long ReadUtcStamp(const std::string& text) {  // "2025-03-30T01:00:00Z"
    return ReadIso(text.substr(0, 19) + "+00:00").Utc;
}

// The rows of a csv output without its header, each split into fields.
std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    const std::vector<std::string> lines = Split(csv, '\n');
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> fields = Split(lines[i], ',');
        if (!lines[i].empty() && lines[i].back() == ',') {
            fields.push_back("");
        }
        rows.push_back(fields);
    }
    return rows;
}

// London, New York, Sydney and Santiago around their changes of clock in 2024, 2025, 2050 and
// 2100: every time's offset is the one tzdata gives at its instant (the transitions as Python's
// zoneinfo reads them, tests/data/zone_transitions.csv), and each row's utc_offset is its
// noon's.
TEST(TableClock, OffsetsOnTheDaysTheClocksChangeAreThoseOfTzdata) {
    struct Transition {
        long long Utc;
        int Before, After;
    };
    std::map<std::string, std::vector<Transition>> transitions;
    std::ifstream in(std::string(ORVANDEL_TEST_DATA) + "/zone_transitions.csv");
    ASSERT_TRUE(in) << "zone_transitions.csv";
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        const std::vector<std::string> f = Split(line, ',');
        ASSERT_EQ(f.size(), 4u) << line;
        transitions[f[0]].push_back({ReadUtcStamp(f[1]), std::stoi(f[2]), std::stoi(f[3])});
    }
    struct Place {
        const char* Zone;
        const char* Lat;
        const char* Lon;
    };
    const Place places[] = {{"Europe/London", "51.5074", "-0.1278"},
                            {"America/New_York", "40.7128", "-74.006"},
                            {"Australia/Sydney", "-33.8688", "151.2093"},
                            {"America/Santiago", "-33.4489", "-70.6693"}};
    int checked = 0;
    for (const Place& place : places) {
        const std::vector<Transition>& list = transitions[place.Zone];
        ASSERT_EQ(list.size(), 8u) << place.Zone;
        const auto offsetAt = [&](long long utc) {
            int offset = list.front().Before;
            for (const Transition& t : list) {
                if (utc >= t.Utc) {
                    offset = t.After;
                }
            }
            return offset;
        };
        for (const Transition& change : list) {
            // From two days before the local date of the change to two days after.
            const long long localDay = (change.Utc + change.After) / 86400;
            const std::chrono::year_month_day first{
                std::chrono::sys_days{std::chrono::days{localDay - 2}}};
            char from[16];
            std::snprintf(from, sizeof from, "%04d-%02u-%02u", int(first.year()),
                          unsigned(first.month()), unsigned(first.day()));
            SCOPED_TRACE(std::string(place.Zone) + " from " + from);
            const RunResult r =
                RunInProcess({"--lat", place.Lat, "--lon", place.Lon, "--tz", place.Zone, "--from",
                              from, "--days", "5", "--iso-times", "--format", "csv"});
            ASSERT_EQ(r.ExitCode, 0) << r.Err;
            std::set<int> offsetsSeen;
            for (const std::vector<std::string>& row : CsvRows(r.Out)) {
                ASSERT_EQ(row.size(), 12u);
                for (size_t p = 5; p < 11; ++p) {
                    const IsoInstant time = ReadIso(row[p]);
                    EXPECT_EQ(time.Offset, offsetAt(time.Utc)) << row[0] << " " << row[p];
                    offsetsSeen.insert(time.Offset);
                    ++checked;
                }
                // Dhuhr lies near 12:00, where the row's clock is read.
                const IsoInstant dhuhr = ReadIso(row[7]);
                EXPECT_EQ(row[11], row[7].substr(19)) << row[0];
                EXPECT_EQ(dhuhr.Offset, offsetAt(dhuhr.Utc));
            }
            EXPECT_EQ(offsetsSeen, (std::set<int>{change.Before, change.After}));
        }
    }
    EXPECT_EQ(checked, 4 * 8 * 5 * 6);
}

int ClockMinutes(const std::string& text) {  // "4:46" or "24:10"
    const size_t colon = text.find(':');
    return std::stoi(text.substr(0, colon)) * 60 + std::stoi(text.substr(colon + 1));
}

// The README's Berlin run over 2025: with --tz every summer-time day shows the times of a
// fixed zone of +2 h and every other day those of +1 h. Against --zone 1 the summer times are
// an hour later: exactly for the calendar astronomy (Shrook to Maghrib); the high-latitude
// routine behind Fajr and Isha reads the sun at an hour that depends on the zone it is given,
// which moves its times by 4 s on average (10 s at most), so there about one minute in fifteen
// differs by one.
TEST(TableClock, BerlinSummerTimeIsAnHourLaterThanTheFixedZone) {
    const std::vector<std::string> run = {"--lat",      "52.52",  "--lon", "13.405",   "--from",
                                          "2025-01-01", "--days", "365",   "--format", "csv"};
    std::vector<std::vector<std::string>> winter, summer, zone;
    for (auto [args, rows] :
         {std::pair{std::vector<std::string>{"--zone", "1"}, &winter},
          std::pair{std::vector<std::string>{"--zone", "2"}, &summer},
          std::pair{std::vector<std::string>{"--tz", "Europe/Berlin"}, &zone}}) {
        const RunResult r = RunInProcess(Args(run, args));
        ASSERT_EQ(r.ExitCode, 0) << r.Err;
        *rows = CsvRows(r.Out);
        ASSERT_EQ(rows->size(), 365u);
    }
    int summerDays = 0;
    int minutesOff = 0;
    for (size_t d = 0; d < 365; ++d) {
        const bool isSummer = zone[d][11] == "+02:00";
        summerDays += isSummer;
        EXPECT_TRUE(isSummer || zone[d][11] == "+01:00") << zone[d][0];
        const std::vector<std::string>& same = isSummer ? summer[d] : winter[d];
        for (size_t p = 5; p < 11; ++p) {
            EXPECT_EQ(zone[d][p], same[p]) << zone[d][0] << " field " << p;
            const int later = ClockMinutes(zone[d][p]) - ClockMinutes(winter[d][p]);
            if (p == 5 || p == 10) {
                minutesOff += later != (isSummer ? 60 : 0);
                EXPECT_LE(std::abs(later - (isSummer ? 60 : 0)), 1) << zone[d][0] << " " << p;
            } else {
                EXPECT_EQ(later, isSummer ? 60 : 0) << zone[d][0] << " field " << p;
            }
        }
    }
    EXPECT_EQ(summerDays, 210);  // 30 March to 25 October
    EXPECT_LT(minutesOff, 2 * 210 / 10);
}

// --iso-times and the ics output name the same instants: over a year at Bordeaux on the
// Paris clock (summer time, and an Isha after midnight in June), and for weeks of far years.
TEST(TableClock, IsoTimesAndIcsNameTheSameInstants) {
    const std::vector<std::vector<std::string>> runs = {
        {"--lat", "44.84", "--lon", "-0.58", "--tz", "Europe/Paris", "--from", "2024-01-01",
         "--days", "366"},
        {"--from", "3001-01-01", "--days", "7"},
        {"--from", "9999-12-25", "--days", "7", "--seconds"},
        {"--city", "Bangkok", "--zone", "7", "--from", "0001-01-01", "--days", "7"},
        {"--lat", "47.3", "--lon", "40", "--zone", "2", "--method", "ummalqura", "--from",
         "2024-06-10", "--days", "20"},
    };
    for (const std::vector<std::string>& run : runs) {
        SCOPED_TRACE(run[1] + " " + run[run.size() - 3]);
        const RunResult iso = RunInProcess(Args(run, {"--iso-times", "--format", "csv"}));
        const RunResult ics = RunInProcess(Args(run, {"--format", "ics"}));
        const RunResult utc = RunInProcess(Args(run, {"--iso-times=utc", "--format", "csv"}));
        ASSERT_EQ(iso.ExitCode, 0) << iso.Err;
        ASSERT_EQ(ics.ExitCode, 0) << ics.Err;
        ASSERT_EQ(utc.ExitCode, 0) << utc.Err;
        const char* keys[] = {"fajr", "shrook", "dhuhr", "asr", "maghrib", "isha"};
        std::map<std::string, long long> expected;  // "20240621-isha" -> instant
        const std::vector<std::vector<std::string>> utcRows = CsvRows(utc.Out);
        const std::vector<std::vector<std::string>> isoRows = CsvRows(iso.Out);
        ASSERT_EQ(utcRows.size(), isoRows.size());
        for (size_t r = 0; r < isoRows.size(); ++r) {
            const std::vector<std::string>& row = isoRows[r];
            ASSERT_EQ(utcRows[r].size(), row.size());
            EXPECT_EQ(utcRows[r][11], row[11]);  // the row's clock stays
            for (size_t p = 0; p < 6; ++p) {
                // The same instant written in UTC, empty where the event does not happen.
                const std::string& inUtc = utcRows[r][5 + p];
                if (row[5 + p].empty()) {
                    EXPECT_EQ(inUtc, "");
                } else {
                    ASSERT_EQ(inUtc.size(), 20u) << inUtc;
                    EXPECT_EQ(inUtc.back(), 'Z');
                    EXPECT_EQ(ReadUtcStamp(inUtc), ReadIso(row[5 + p]).Utc) << inUtc;
                }
                if (!row[5 + p].empty()) {
                    std::string day = row[0];
                    day.erase(std::remove(day.begin(), day.end(), '-'), day.end());
                    expected[day + "-" + keys[p]] = ReadIso(row[5 + p]).Utc;
                }
            }
        }
        std::unique_ptr<icalcomponent, IcalDeleter> calendar(
            icalparser_parse_string(ics.Out.c_str()));
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
        size_t events = 0;
        for (icalcomponent* event =
                 icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
             event != nullptr;
             event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
            ++events;
            EXPECT_EQ(icalcomponent_count_errors(event), 0);
            const std::string uid = icalcomponent_get_uid(event);
            const std::string key = uid.substr(0, uid.find('-', 9));
            const icaltimetype start = icalcomponent_get_dtstart(event);
            ASSERT_TRUE(icaltime_is_utc(start)) << uid;
            const long long utc = static_cast<long long>(std::chrono::sys_days{
                                      std::chrono::year{start.year} /
                                      std::chrono::month{static_cast<unsigned>(start.month)} /
                                      std::chrono::day{static_cast<unsigned>(start.day)}}
                                                             .time_since_epoch()
                                                             .count()) *
                                      86400 +
                                  start.hour * 3600 + start.minute * 60 + start.second;
            ASSERT_TRUE(expected.count(key)) << uid;
            EXPECT_EQ(utc, expected[key]) << uid;
        }
        EXPECT_EQ(events, expected.size());
    }
}

// The iCalendar writer: TEXT escaping, lines folded at 75 octets between UTF-8 characters.
TEST(TableClock, IcalendarTextIsEscapedAndFolded) {
    EXPECT_EQ(EscapeIcalText("Dhuhr, Asr; a\\b\nc"), "Dhuhr\\, Asr\\; a\\\\b\\nc");
    // Control characters but tab are dropped; a byte that begins no UTF-8 character becomes
    // U+FFFD, well-formed characters stay.
    EXPECT_EQ(EscapeIcalText(std::string("a\0b\x01\x1f\r\x7f\tc", 9)), "ab\tc");
    EXPECT_EQ(EscapeIcalText("\xD8\xA7 \x80 \xC0\xAF \xED\xA0\x80 \xF0\x9F\x95\x8C \xE2\x80"),
              "\xD8\xA7 \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD "
              "\xF0\x9F\x95\x8C \xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(IcalUtcDateTime(0), "19700101T000000Z");
    EXPECT_EQ(IcalUtcDateTime(32503680000LL), "30000101T000000Z");
    EXPECT_EQ(IcalUtcDateTime(253402300799LL), "99991231T235959Z");
    EXPECT_THROW(IcalUtcDateTime(253402300800LL), ERangeError);
    EXPECT_EQ(IcalUtcDateTime(-62135596800LL - 7200), "00001231T220000Z");
    const std::string lines[] = {"SUMMARY:short", "LOCATION:" + std::string(200, 'x'),
                                 "LOCATION:" + std::string(65, 'a') + "\xD8\xA7\xD9\x84" +
                                     std::string(3, 'b') + "\xE2\x80\x94\xF0\x9F\x95\x8C" +
                                     std::string(80, 'c')};
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 20));
        const std::string folded = IcalContentLine(line);
        std::string unfolded;
        for (const std::string& physical : Split(folded, '\n')) {
            ASSERT_FALSE(physical.empty());
            ASSERT_EQ(physical.back(), '\r');
            EXPECT_LE(physical.size() - 1, 75u);
            // No physical line begins inside a UTF-8 character.
            const std::string body = unfolded.empty() ? physical : physical.substr(1);
            EXPECT_NE(static_cast<unsigned char>(body.front()) & 0xC0, 0x80);
            unfolded += body.substr(0, body.size() - 1);
        }
        EXPECT_EQ(unfolded, line);
    }
}

// A city's times are on its own clock: London's summer is on BST, as with --tz Europe/London,
// also where --lat/--lon move the place; --zone gives the fixed offset back. --at is read on
// the city's clock, the first of the two 01:30s of the night the clocks go back.
TEST(TableClock, ACityIsOnItsOwnClock) {
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

    struct Row {
        std::vector<std::string> Args;
        const char* Offset;  // the row's utc_offset on 1 July 2026
    };
    const Row rows[] = {
        {{"--city", "London"}, "+01:00"},
        {{"--city", "London", "--lat", "51.6", "--lon", "-0.3"}, "+01:00"},
        {{"--city", "London", "--zone", "0"}, "+00:00"},
        {{"--city", "Sydney"}, "+10:00"},
        {{"--city", "Mecca"}, "+03:00"},
        {{"--lat", "59", "--lon", "-51.7", "--tz", "America/Nuuk", "--from", "2040-07-01"},
         "-01:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Args[1] + " " + row.Args.back());
        std::vector<std::string> args = row.Args;
        if (args.back() != "2040-07-01") {
            args = Args(args, {"--from", "2026-07-01"});
        }
        const RunResult r = RunInProcess(Args(args, {"--days", "1", "--format", "csv"}));
        ASSERT_EQ(r.ExitCode, 0) << r.Err;
        const auto csv = CsvRows(r.Out);
        ASSERT_EQ(csv.size(), 1u);
        EXPECT_EQ(csv[0][11], row.Offset);
    }

    std::map<std::string, long long> left;
    for (const char* at : {"2026-10-25 00:30", "2026-10-25 01:30"}) {
        const RunResult r =
            RunInProcess({"--city", "London", "--next", "--at", at, "--format", "json"});
        ASSERT_EQ(r.ExitCode, 0) << r.Err;
        left[at] = nlohmann::json::parse(r.Out)["minutes_left"];
    }
    EXPECT_EQ(left["2026-10-25 00:30"] - left["2026-10-25 01:30"], 60);
}

// --next for Mecca at fixed moments: before Fajr, before sunrise, between Dhuhr and Asr, and
// after Isha, which gives the next day's Fajr.
TEST(TableClock, NextPrayerForMecca) {
    const RunResult days =
        RunInProcess({"--city", "Mecca", "--from", "2025-06-01", "--days", "2", "--format", "csv"});
    ASSERT_EQ(days.ExitCode, 0) << days.Err;
    const auto rows = CsvRows(days.Out);
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
