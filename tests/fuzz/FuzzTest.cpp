// Random input for orvandel-table's argument parsing and for the timetable engine, from a fixed
// seed so that every run tries the same inputs. Each input must either succeed or fail with a
// clear one-line message and its exit status; a crash or a sanitizer report ends the program.
//
// The command lines start from the seed files in corpus/ (one argument per line) and are
// changed by a few random edits each. ORVANDEL_FUZZ_SEED and ORVANDEL_FUZZ_INPUTS choose
// another seed or more inputs for a longer run by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "tests/support/FuzzInputs.h"
#include "timetable/SettingsRules.h"
#include "timetable/Timetable.h"
#include "tools/OrvandelTableCommand.h"

namespace orvandel::table {
namespace {

namespace fs = std::filesystem;

using Args = std::vector<std::string>;

// Runs longer than this many days are only parsed: the engine's rows are what the fuzzing
// is after, and a few thousand rows under the sanitizers would take the whole time budget.
constexpr int LongestComputedRun = 40;

std::vector<Args> LoadCorpus() {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(ORVANDEL_FUZZ_CORPUS)) {
        if (entry.path().extension() == ".args") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());  // the directory's order is not fixed
    std::vector<Args> corpus;
    for (const fs::path& file : files) {
        std::ifstream in(file);
        Args args;
        for (std::string line; std::getline(in, line);) {
            args.push_back(line);
        }
        corpus.push_back(args);
    }
    return corpus;
}

// Options and values that reach the edges of the parsers and of the engine.
// clang-format off
const char* const Options[] = {
    "--city", "--lat", "--lon", "--zone", "--elevation", "--method", "--asr", "--safety",
    "--no-safety", "--nearest-minute", "--12h", "--sunset-based", "--date", "--from", "--days",
    "--format", "--seconds", "--list-cities", "--help", "-h", "--", "-", "--place", "--places"};
const char* const Values[] = {
    "", "0", "-0", "+0", "1", "-1", "60", "-60", "65.7273", "-65.7274", "180", "-180", "180.5",
    "25", "-25", "25:59", "-25:59", "26", "5:30", "-0:30", "5.75", "5.33", "0.5", "9999", "10000",
    "3660", "3661", "7", "40", "0001-01-01", "0001-01-06", "9999-12-31", "9999-12-25",
    "0000-01-01", "10000-01-01", "2024-02-29", "2023-02-29", "0622-07-16", "5500-01-01", "nan",
    "inf", "-inf", "1e400", "0x10", "mecca", "MECCA", "Bogota", "Auckland", "Reykjavik", "mwl",
    "ummalqura", "isna", "hanafi", "standard", "ics", "csv", "json", "text", "true", "false",
    "maybe", "\xE2\x88\x92" "3", "M\xC3\xA4r", "\xff\xfe", "a\nb", "Leeds", "Birmingham, US",
    " S\xC3\xA3o Paulo ", ",", "Troms\xC3\xB8"};
// clang-format on

class Mutator {
  public:
    explicit Mutator(uint64_t seed) : random_(seed) {}

    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

    std::string Value() {
        switch (Below(5)) {
            case 0: {  // a long run of one digit, or a long decimal
                const std::string digits(1 + Below(400), static_cast<char>('0' + Below(10)));
                return Below(2) ? digits : "0." + digits + "1";
            }
            case 1: {  // random bytes
                std::string text(Below(12), ' ');
                for (char& c : text) {
                    c = static_cast<char>(Below(256));
                }
                return text;
            }
            case 2: {  // a number in or near a range
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(Below(8)),
                              std::uniform_real_distribution<double>(-200, 200)(random_));
                return buffer;
            }
            default:
                return Values[Below(std::size(Values))];
        }
    }

    void EditBytes(std::string& text) {
        const size_t at = text.empty() ? 0 : Below(text.size() + 1);
        switch (Below(3)) {
            case 0:
                text.insert(at, 1,
                            static_cast<char>(Below(2) ? "0123456789.-:+e"[Below(15)]
                                                       : static_cast<char>(Below(256))));
                break;
            case 1:
                if (!text.empty()) {
                    text.erase(std::min(at, text.size() - 1), 1);
                }
                break;
            default:
                if (!text.empty()) {
                    text[std::min(at, text.size() - 1)] ^= static_cast<char>(1 << Below(8));
                }
                break;
        }
    }

    void Mutate(Args& args) {
        // Mostly one edit, so that many inputs stay valid enough to reach the engine.
        const size_t edits = Below(3) == 0 ? 2 + Below(3) : 1;
        for (size_t i = 0; i < edits; ++i) {
            const size_t at = args.empty() ? 0 : Below(args.size());
            switch (Below(7)) {
                case 0:  // another value
                    if (!args.empty()) {
                        args[at] = Value();
                    }
                    break;
                case 1:  // an option with a value
                    args.insert(args.begin() + static_cast<std::ptrdiff_t>(at),
                                {Options[Below(std::size(Options))], Value()});
                    break;
                case 2:  // an option alone, or joined to its value with "="
                    args.insert(
                        args.begin() + static_cast<std::ptrdiff_t>(at),
                        Below(2) ? std::string(Options[Below(std::size(Options))])
                                 : std::string(Options[Below(std::size(Options))]) + "=" + Value());
                    break;
                case 3:
                    if (!args.empty()) {
                        args.erase(args.begin() + static_cast<std::ptrdiff_t>(at));
                    }
                    break;
                case 4:
                    if (args.size() > 1) {
                        std::swap(args[at], args[Below(args.size())]);
                    }
                    break;
                default:
                    if (!args.empty()) {
                        EditBytes(args[at]);
                    }
                    break;
            }
        }
    }

    std::mt19937_64& Random() { return random_; }

  private:
    std::mt19937_64 random_;
};

std::string Shown(const Args& args) {
    std::string text;
    for (const std::string& a : args) {
        text += " [" + a + "]";
    }
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct Tally {
    int Inputs = 0, BadInput = 0, Computed = 0, Errors = 0, ParsedOnly = 0;
};

// One command line: the parser's verdict, then (for a run of reasonable length) the command.
// The present moment of every run, so that the default week does not move: 2024-04-10 12:00
// UTC, the same date on every clock within twelve hours of it.
TUnixTime FuzzNow() {
    return {1712750400, 0};
}

void RunOne(const Args& args, Tally& tally) {
    SCOPED_TRACE(Shown(args));
    Args all = {"orvandel-table"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<const char*> argv;
    for (const std::string& a : all) {
        argv.push_back(a.c_str());
    }
    const int argc = static_cast<int>(argv.size());
    ++tally.Inputs;

    bool parsed = false;
    try {
        const TableRequest request =
            ParseTableArguments(argc, argv.data(), LocalDateTimeOf(FuzzNow()));
        parsed = true;
        if (!request.WeekMode && request.DayCount > LongestComputedRun) {
            ++tally.ParsedOnly;
            EXPECT_LE(request.DayCount, 3660);
            return;
        }
    } catch (const EUsageError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("orvandel-table: ", 0), 0u) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }

    std::ostringstream out, err;
    const int status = RunTableCommand(argc, argv.data(), out, err, {}, FuzzNow);
    const std::vector<std::string> errLines = Lines(err.str());
    for (const std::string& line : errLines) {
        EXPECT_EQ(line.rfind("orvandel-table: ", 0), 0u) << line;
    }
    EXPECT_TRUE(err.str().empty() || err.str().back() == '\n');
    switch (status) {
        case 0:
            EXPECT_TRUE(parsed);
            EXPECT_FALSE(out.str().empty());
            ++tally.Computed;
            break;
        case 1:
            EXPECT_TRUE(parsed);
            EXPECT_TRUE(out.str().empty());
            EXPECT_FALSE(errLines.empty());
            ++tally.Errors;
            break;
        case 2:
            EXPECT_FALSE(parsed);
            EXPECT_TRUE(out.str().empty());
            EXPECT_EQ(errLines.size(), 1u) << err.str();
            ++tally.BadInput;
            break;
        default:
            ADD_FAILURE() << "exit status " << status;
    }
}

TEST(Fuzz, CommandLinesSucceedOrFailWithAMessage) {
    const uint64_t seed = EnvNumber("ORVANDEL_FUZZ_SEED", 20261207);
    const uint64_t count = EnvNumber("ORVANDEL_FUZZ_INPUTS", 2000);

    const std::vector<Args> corpus = LoadCorpus();
    ASSERT_GE(corpus.size(), 10u);
    Tally tally;
    for (const Args& args : corpus) {
        RunOne(args, tally);
    }
    Mutator mutator(seed);
    while (static_cast<uint64_t>(tally.Inputs) < count && !HasFailure()) {
        Args args = corpus[mutator.Below(corpus.size())];
        mutator.Mutate(args);
        RunOne(args, tally);
    }
    std::printf(
        "fuzz: %d command lines from seed %llu (%zu seed files): %d computed, %d refused as bad "
        "input, %d failed in the computation, %d long runs parsed only\n",
        tally.Inputs, static_cast<unsigned long long>(seed), corpus.size(), tally.Computed,
        tally.BadInput, tally.Errors, tally.ParsedOnly);
    EXPECT_GT(tally.Computed, 0);
    EXPECT_GT(tally.BadInput, 0);
}

// Settings as the window's fields hold them (and now and then beyond, as a caller might pass
// them): a week either computes with finite hours and a text for every time, or raises an
// error with a message.
TEST(Fuzz, EngineWeeksComputeOrRaise) {
    const uint64_t seed = EnvNumber("ORVANDEL_FUZZ_SEED", 20261207) + 1;
    const uint64_t count = EnvNumber("ORVANDEL_FUZZ_INPUTS", 2000) / 10;
    Mutator mutator(seed);
    auto& random = mutator.Random();
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const double firstDay = EncodeDate(1, 1, 6);      // the first Saturday
    const double lastDay = EncodeDate(9999, 12, 31);  // a Friday
    TimetableEngine engine;
    int computed = 0, raised = 0;
    for (uint64_t i = 0; i < count && !HasFailure(); ++i) {
        TimetableSettings s;
        const bool beyond = mutator.Below(10) == 0;  // outside the fields' ranges
        s.Latitude = beyond ? uniform(-90, 90) : uniform(LatitudeRange.Min, LatitudeRange.Max);
        s.Longitude = beyond ? uniform(-400, 400) : uniform(-180, 180);
        s.GmtHours = static_cast<int>(mutator.Below(51)) - 25;
        s.GmtMinutes = static_cast<int>(mutator.Below(60));
        s.Elevation = static_cast<int>(mutator.Below(10000));
        const auto methods = static_cast<size_t>(CalcMethodCount());
        s.CalcMethod = beyond ? static_cast<int>(mutator.Below(methods + 2)) - 1
                              : static_cast<int>(mutator.Below(methods));
        s.Juristic = static_cast<int>(mutator.Below(2));
        s.AddSafetyTime = mutator.Below(2) != 0;
        s.RoundMinutes = mutator.Below(2) != 0;
        s.TwelveHours = mutator.Below(2) != 0;
        s.RightToLeft = mutator.Below(2) != 0;
        s.SunsetBased = mutator.Below(2) != 0;
        switch (mutator.Below(4)) {
            case 0:
                s.Date = firstDay + uniform(0, 7);
                break;
            case 1:
                s.Date = lastDay - uniform(0, 7);
                break;
            default:
                s.Date = uniform(firstDay, lastDay);
                break;
        }
        SCOPED_TRACE(FormatDateTime("yyyy-mm-dd", s.Date) + " lat " + std::to_string(s.Latitude) +
                     " lon " + std::to_string(s.Longitude) + " zone " + std::to_string(s.GmtHours) +
                     ":" + std::to_string(s.GmtMinutes) + " method " +
                     std::to_string(s.CalcMethod));
        try {
            const Timetable week = engine.ComputeWeek(s);
            ++computed;
            for (const TimetableDay& day : week.Days) {
                for (size_t p = 0; p < 6; ++p) {
                    EXPECT_TRUE(std::isfinite(day.Hours[p])) << day.CivilDateText << " " << p;
                    EXPECT_EQ(day.TimeTexts[p].rfind(' ', 0), 0u) << day.TimeTexts[p];
                }
            }
            EXPECT_TRUE(s.CalcMethod >= 0 && s.CalcMethod < CalcMethodCount());
        } catch (const std::exception& e) {
            ++raised;
            EXPECT_NE(std::string(e.what()), "");
            EXPECT_FALSE(s.CalcMethod >= 0 && s.CalcMethod < CalcMethodCount() &&
                         std::fabs(s.Latitude) <= 60 && std::fabs(s.Longitude) <= 180)
                << "a week within the fields' ranges raised: " << e.what();
        }
    }
    std::printf("fuzz: %d engine weeks from seed %llu: %d computed, %d raised an error\n",
                computed + raised, static_cast<unsigned long long>(seed), computed, raised);
}

}  // namespace
}  // namespace orvandel::table
