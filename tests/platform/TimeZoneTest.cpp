// The zone reader against Python's zoneinfo over every zone of zone1970.tab, its POSIX rules
// at their changes, the names it refuses and the computer's clock from TZ.
#include "platform/TimeZone.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace orvandel {
namespace {

namespace fs = std::filesystem;

// "2026-03-29T01:00:00Z" as seconds since 1970.
int64_t Utc(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    const std::chrono::sys_days day{std::chrono::year{y} / mo / d};
    return day.time_since_epoch().count() * 86400LL + h * 3600 + mi * 60 + s;
}

// Sets an environment variable for a scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::vector<std::string> Zone1970Names() {
    std::vector<std::string> names;
    std::ifstream tab(ZoneDatabaseFolder() + "/zone1970.tab");
    for (std::string line; std::getline(tab, line);) {
        std::istringstream fields(line);
        std::string codes, where, zone;
        if (!line.empty() && line[0] != '#' && fields >> codes >> where >> zone) {
            names.push_back(zone);
        }
    }
    return names;
}

// Every zone of zone1970.tab changes its offset where zoneinfo does, to the same offsets on
// both sides, from 1970 to 2100: the files' own transitions and, past them, the zones' rules
// (the Greenland zones' with changes at hour -1 among them).
TEST(TimeZoneRules, EveryZoneAgreesWithZoneinfoFrom1970To2100) {
    const int64_t start = Utc("1970-01-01T00:00:00Z");
    const int64_t end = Utc("2101-01-01T00:00:00Z");
    const std::vector<std::string> names = Zone1970Names();
    ASSERT_GT(names.size(), 300u) << ZoneDatabaseFolder() << "/zone1970.tab";
    const fs::path list =
        fs::temp_directory_path() / ("orvandel-zone-sweep-" + std::to_string(::getpid()));
    size_t changes = 0;
    {
        std::ofstream out(list);
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            std::shared_ptr<const TimeZoneRules> zone;
            ASSERT_NO_THROW(zone = TimeZoneRules::FromDatabase(name));
            out << "zone " << name << ' ' << zone->OffsetAt(start) << '\n';
            for (const TimeZoneRules::Change& c : zone->Changes(start, end)) {
                out << c.Utc << ' ' << c.Before << ' ' << c.After << '\n';
                ++changes;
            }
        }
    }
    const std::string command = "PYTHONTZPATH='" + ZoneDatabaseFolder() + "' python3 '" +
                                ORVANDEL_ZONE_SWEEP + "' '" + list.string() + "' " +
                                std::to_string(start) + " " + std::to_string(end) + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    fs::remove(list);
    EXPECT_EQ(status, 0) << output;
    const std::string expected = "zones " + std::to_string(names.size()) + " changes " +
                                 std::to_string(changes) + " disagreements 0\n";
    EXPECT_EQ(output, expected);
    EXPECT_GT(changes, 10000u);
    std::printf("%s", output.c_str());
}

TEST(TimeZoneRules, PosixRulesChangeAtTheirInstants) {
    struct Row {
        const char* Rule;
        const char* At;
        int Offset;
    };
    const Row rows[] = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", "2026-03-29T00:59:59Z", 3600},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "2026-03-29T01:00:00Z", 7200},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "2026-10-25T00:59:59Z", 7200},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "2026-10-25T01:00:00Z", 3600},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "9999-07-01T00:00:00Z", 7200},
        {"UTC0", "2026-07-01T00:00:00Z", 0},
        {"<+03>-3", "2026-07-01T00:00:00Z", 10800},
        {"<+0530>-5:30", "2026-07-01T00:00:00Z", 19800},
        {"<-0330>3:30", "2026-07-01T00:00:00Z", -12600},
        // Without a rule, daylight saving follows the US one, an hour ahead.
        {"EST5EDT", "2026-03-08T06:59:59Z", -18000},
        {"EST5EDT", "2026-03-08T07:00:00Z", -14400},
        {"EST5EDT", "2026-11-01T05:59:59Z", -14400},
        {"EST5EDT", "2026-11-01T06:00:00Z", -18000},
        // The southern hemisphere: summer time across the new year.
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", "2026-04-04T15:59:59Z", 39600},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", "2026-04-04T16:00:00Z", 36000},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", "2026-10-03T16:00:00Z", 39600},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", "2027-01-01T00:00:00Z", 39600},
        // Greenland: changes at -1:00 and 0:00 on the clock before them.
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "2040-03-25T00:59:59Z", -7200},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "2040-03-25T01:00:00Z", -3600},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "2040-10-28T00:59:59Z", -3600},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "2040-10-28T01:00:00Z", -7200},
        // Days of the year: J60 is 1 March also in a leap year, 59 is 29 February then.
        {"AAA0BBB,J60/0,J300/0", "2024-02-29T23:59:59Z", 0},
        {"AAA0BBB,J60/0,J300/0", "2024-03-01T00:00:00Z", 3600},
        {"AAA0BBB,59/0,300/0", "2024-02-28T23:59:59Z", 0},
        {"AAA0BBB,59/0,300/0", "2024-02-29T00:00:00Z", 3600},
        // Changes a week off their day (hours up to 167) and summer time all year.
        {"AAA0BBB,M3.5.0/167,M10.5.0", "2026-04-04T22:59:59Z", 0},
        {"AAA0BBB,M3.5.0/167,M10.5.0", "2026-04-04T23:00:00Z", 3600},
        {"EST5EDT,0/0,J365/25", "2026-01-01T05:00:00Z", -14400},
        {"EST5EDT,0/0,J365/25", "2026-07-01T00:00:00Z", -14400},
        // Before 1970, where the days count negative: the last second of 1969, a summer and
        // a change of 1969, and changes on the last day of the year.
        {"CET-1CEST,M3.5.0,M10.5.0/3", "1969-12-31T23:59:59Z", 3600},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "1969-03-30T00:59:59Z", 3600},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "1969-03-30T01:00:00Z", 7200},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "1969-07-01T00:00:00Z", 7200},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", "1969-12-31T23:59:59Z", 39600},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", "1969-10-04T15:59:59Z", 36000},
        {"AAA0BBB,J365/12,J60/0", "1969-12-31T11:59:59Z", 0},
        {"AAA0BBB,J365/12,J60/0", "1969-12-31T12:00:00Z", 3600},
        {"AAA0BBB,J365/12,J60/0", "1970-01-01T00:00:00Z", 3600},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.Rule) + " at " + row.At);
        EXPECT_EQ(TimeZoneRules::FromPosixRule(row.Rule)->OffsetAt(Utc(row.At)), row.Offset);
    }
    // Instants far outside the calendar still answer one of the rule's offsets.
    const auto berlin = TimeZoneRules::FromPosixRule("CET-1CEST,M3.5.0,M10.5.0/3");
    for (int64_t far : {INT64_MIN, INT64_MAX}) {
        const int offset = berlin->OffsetAt(far);
        EXPECT_TRUE(offset == 3600 || offset == 7200) << offset;
    }
    for (const char* bad :
         {"", "C", "CET", "CE1", "CET-25", "CET-1:60", "CET-1CEST,M3.5.0", "<+03-3", "<+0>-3",
          "CET-1CEST,M13.5.0,M10.5.0", "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,M3.5.7,M10.5.0",
          "CET-1CEST,J0,J300", "CET-1CEST,366,300", "CET-1CEST,M3.5.0/168,M10.5.0",
          "CET-1CEST,M3.5.0,M10.5.0/3x", "UTC0\n", "UTC0 "}) {
        SCOPED_TRACE(EscapeControls(bad));
        EXPECT_THROW(TimeZoneRules::FromPosixRule(bad), EUnknownZone);
        EXPECT_EQ(PosixRuleAbbreviations(bad), "");
    }
}

// A rule's abbreviations, standard time first, as a clock's short name.
TEST(TimeZoneRules, PosixRulesNameTheirAbbreviations) {
    const std::pair<const char*, const char*> rows[] = {
        {"GMT0BST,M3.5.0/1,M10.5.0", "GMT/BST"},
        {"EST5EDT", "EST/EDT"},  // the US rule understood
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "-02/-01"},
        {"<+03>-3", "+03"},
        {"UTC0", "UTC"},
        {"Europe/London", ""},  // a zone's name, no rule
    };
    for (const auto& [rule, abbreviations] : rows) {
        EXPECT_EQ(PosixRuleAbbreviations(rule), abbreviations) << rule;
    }
}

// A name is a relative path of the database: anything else is an unknown zone, never a file
// elsewhere. A file of the database that is no zone file (leapseconds is text) is an unknown
// zone too; a zone file damaged or cut short, and a missing database, are faults of the
// installation.
TEST(TimeZoneRules, NamesOutsideTheDatabaseAreUnknown) {
    ASSERT_TRUE(fs::is_regular_file(ZoneDatabaseFolder() + "/leapseconds"));
    for (const char* name : {"Mars/Olympus_Mons", "", "/etc/passwd", "../../../etc/passwd",
                             "Europe/../Europe/Berlin", "Europe", "Europe/", "zone1970.tab",
                             "Europe//Berlin", "Europe/Berlin\n", "leapseconds"}) {
        SCOPED_TRACE(EscapeControls(name));
        EXPECT_THROW(TimeZoneRules::FromDatabase(name), EUnknownZone);
    }
    EXPECT_NO_THROW(TimeZoneRules::FromDatabase("Etc/GMT+5"));

    std::ifstream berlinFile(ZoneDatabaseFolder() + "/Europe/Berlin", std::ios::binary);
    const std::string berlin{std::istreambuf_iterator<char>(berlinFile), {}};
    ASSERT_GT(berlin.size(), 1000u);
    enum Outcome { Read, Unknown, Damaged };
    const struct {
        const char* Name;
        std::string Bytes;
        Outcome Expected;
    } files[] = {
        {"Copy", berlin, Read},
        {"Text", "# Leap seconds\nLeap\t1972\tJun\t30\t23:59:60\t+\tS\n", Unknown},
        {"Magic_lower_case", "tzif" + berlin.substr(4), Unknown},
        {"Empty", "", Damaged},
        {"Cut_in_the_magic", "TZ", Damaged},
        {"Magic_alone", "TZif", Damaged},
        {"Cut_after_1000_bytes", berlin.substr(0, 1000), Damaged},
    };
    const fs::path db =
        fs::temp_directory_path() / ("orvandel-zone-names-" + std::to_string(::getpid()));
    fs::create_directories(db);
    {
        const ScopedEnv tzdir("TZDIR", db.c_str());
        for (const auto& file : files) {
            SCOPED_TRACE(file.Name);
            std::ofstream(db / file.Name, std::ios::binary) << file.Bytes;
            try {
                TimeZoneRules::FromDatabase(file.Name);
                EXPECT_EQ(file.Expected, Read);
            } catch (const EUnknownZone& e) {
                EXPECT_EQ(file.Expected, Unknown) << e.what();
            } catch (const EZoneFileError& e) {
                EXPECT_EQ(file.Expected, Damaged) << e.what();
                EXPECT_NE(std::string(e.what()).find((db / file.Name).string()),
                          std::string::npos)
                    << e.what();
            }
        }
    }
    fs::remove_all(db);

    const ScopedEnv tzdir("TZDIR", "/nonexistent/zoneinfo");
    try {
        TimeZoneRules::FromDatabase("Europe/Berlin");
        ADD_FAILURE() << "a missing database was read";
    } catch (const EZoneFileError& e) {
        EXPECT_STREQ(e.what(), "the time-zone database /nonexistent/zoneinfo is missing");
    }
}

// The year of an instant is that of the day holding it, also before 1970.
TEST(TimeZoneRules, YearOfAnInstantFloors) {
    const std::pair<int64_t, int> rows[] = {
        {-1, 1969},
        {0, 1970},
        {Utc("1969-01-01T00:00:00Z"), 1969},
        {Utc("1969-01-01T00:00:00Z") - 1, 1968},
        {Utc("1970-12-31T23:59:59Z"), 1970},
        {Utc("1971-01-01T00:00:00Z"), 1971},
        {Utc("0001-01-01T00:00:00Z") - 1, 0},
        {Utc("-0001-12-31T23:59:59Z"), -1},
        {Utc("9999-12-31T23:59:59Z"), 9999},
    };
    for (const auto& [utc, year] : rows) {
        EXPECT_EQ(YearOfSeconds(utc), year) << utc;
    }
}

// The computer's clock from every form of TZ the C library takes, on 1 July 2026.
TEST(TimeZoneRules, TheComputersClockFollowsTz) {
    struct Row {
        const char* Tz;  // nullptr: unset
        int Offset;
        const char* Name;
    };
    const std::string tokyo = ZoneDatabaseFolder() + "/Asia/Tokyo";
    const Row rows[] = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", 7200, "CET-1CEST,M3.5.0,M10.5.0/3"},
        {"UTC0", 0, "UTC0"},
        {"<+03>-3", 10800, "<+03>-3"},
        {":Europe/Berlin", 7200, "Europe/Berlin"},
        {"America/Santiago", -14400, "America/Santiago"},
        {tokyo.c_str(), 32400, tokyo.c_str()},
        {"", 0, "UTC"},
    };
    const int64_t july = Utc("2026-07-01T12:00:00Z");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Tz);
        const ScopedEnv tz("TZ", row.Tz);
        const TimeZoneRules::SystemZone zone = TimeZoneRules::System();
        EXPECT_EQ(zone.Rules->OffsetAt(july), row.Offset);
        EXPECT_EQ(zone.Name, row.Name);
    }
    for (const char* bad : {"Nowhere/Atlantis", ":Nowhere/Atlantis", "/nonexistent/zone",
                            "bad\x01name", "CET-1CEST,M3.5.0", ":leapseconds", "leapseconds"}) {
        SCOPED_TRACE(EscapeControls(bad));
        const ScopedEnv tz("TZ", bad);
        EXPECT_THROW(TimeZoneRules::System(), EUnknownZone);
    }
    const ScopedEnv unset("TZ", nullptr);
    EXPECT_FALSE(TimeZoneRules::System().Name.empty());
}

TEST(TimeZoneRules, StandardOffsetLeavesOutDaylightSaving) {
    const auto london = TimeZoneRules::FromDatabase("Europe/London");
    const auto sydney = TimeZoneRules::FromDatabase("Australia/Sydney");
    for (const char* at : {"2026-01-15T12:00:00Z", "2026-07-15T12:00:00Z", "2080-07-15T12:00:00Z"}) {
        SCOPED_TRACE(at);
        EXPECT_EQ(london->StandardOffsetAt(Utc(at)), 0);
        EXPECT_EQ(sydney->StandardOffsetAt(Utc(at)), 36000);
    }
    EXPECT_EQ(london->OffsetAt(Utc("2026-07-15T12:00:00Z")), 3600);
}

}  // namespace
}  // namespace orvandel
