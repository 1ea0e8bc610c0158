#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ephemeris/fn_Ephemeris.h"
#include "tests/support/TempFolder.h"

using namespace orvandel;
namespace fs = std::filesystem;

namespace {

// The program's order: the library is started before the tests and closed after them.
class EphemerisEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { StartEphemeris(); }
    void TearDown() override { StopEphemeris(); }
};
::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new EphemerisEnvironment);

using orvandel::test::TempFolder;

constexpr double Jd20240409 = 2460410.0;                   // noon, universal time
constexpr TGeoPosition Mecca = {39.8378, 21.4256, 421.0};  // longitude, latitude, height

class EphemerisStartUp : public ::testing::Test {
  protected:
    void TearDown() override { StartEphemeris(); }  // leave the default start-up behind
};

// How a test folder gets a file: a link to the packaged one, or a damaged copy.
enum class Content { Linked, Empty, Truncated, Random };

void PutFile(const fs::path& folder, const std::string& name, Content content) {
    const fs::path packaged = PackagedEphemerisFolder() / name;
    switch (content) {
        case Content::Linked:
            fs::create_symlink(packaged, folder / name);
            return;
        case Content::Empty:
            std::ofstream(folder / name).flush();
            return;
        case Content::Truncated:
            fs::copy_file(packaged, folder / name);
            fs::resize_file(folder / name, fs::file_size(packaged) / 2);
            return;
        case Content::Random: {
            std::string bytes(64 * 1024, '\0');
            uint32_t x = 2463534242u;  // xorshift: the same bytes every run
            for (char& byte : bytes) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                byte = static_cast<char>(x);
            }
            std::ofstream(folder / name, std::ios::binary) << bytes;
            return;
        }
    }
}

double JulianDayOf(int year, int month, int day) {
    return EphemerisJulDay(year, month, day, 0.0);
}

}  // namespace

TEST_F(EphemerisStartUp, ChoiceFollowsTheFilesAndFallsBackWhenTheyFailTheCheck) {
    // Missing files lower the choice silently; files that are present but fail the check give
    // way to the next source, and the notice names the failure and what is used instead.
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, Content>> files;
        int32_t flag;
        bool packaged;       // the packaged folder is used instead of the test folder
        const char* notice;  // part of the notice; nullptr: no notice
    };
    const auto L = Content::Linked, E = Content::Empty, T = Content::Truncated, R = Content::Random;
    const Row rows[] = {
        {"empty folder", {}, EphemerisBuiltIn, false, nullptr},
        {"planet file without moon file", {{"sepl_18.se1", L}}, EphemerisBuiltIn, false, nullptr},
        {"moon file without planet file", {{"semo_18.se1", L}}, EphemerisBuiltIn, false, nullptr},
        {"both library files",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}},
         EphemerisSwiss,
         false,
         nullptr},
        {"empty JPL file",
         {{"de406.eph", E}},
         EphemerisSwiss,
         true,
         "de406.eph in {folder} failed the start-up check (the library could not use it and "
         "answered from its built-in theory: "},
        {"empty JPL file beside good library files",
         {{"de406.eph", E}, {"sepl_18.se1", L}, {"semo_18.se1", L}},
         EphemerisSwiss,
         false,
         "; using sepl_18.se1 and semo_18.se1 in {folder} instead."},
        {"truncated planet file",
         {{"sepl_18.se1", T}, {"semo_18.se1", L}},
         EphemerisSwiss,
         true,
         "sepl_18.se1 and semo_18.se1 in {folder} failed the start-up check (Ephemeris file"},
        {"random moon file",
         {{"sepl_18.se1", L}, {"semo_18.se1", R}},
         EphemerisSwiss,
         true,
         "/semo_18.se1 is damaged"},
        {"empty library files",
         {{"sepl_18.se1", E}, {"semo_18.se1", E}},
         EphemerisSwiss,
         true,
         "); using sepl_18.se1 and semo_18.se1 in {packaged} instead."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const auto& [name, content] : row.files)
            PutFile(folder.Path(), name, content);
        StartEphemeris(folder.Path());
        EXPECT_EQ(EphemerisFlag(), row.flag);
        EXPECT_EQ(EphemerisFolder(), row.packaged ? PackagedEphemerisFolder() : folder.Path());
        if (row.notice == nullptr) {
            EXPECT_EQ(EphemerisNotice(), "");
        } else {
            std::string expected = row.notice;
            for (const auto& [key, value] :
                 {std::pair<std::string, std::string>{"{folder}", folder.Path().string()},
                  {"{packaged}", PackagedEphemerisFolder().string()}})
                if (const auto at = expected.find(key); at != std::string::npos)
                    expected.replace(at, key.size(), value);
            EXPECT_NE(EphemerisNotice().find(expected), std::string::npos) << EphemerisNotice();
            EXPECT_EQ(EphemerisNotice().find('\n'), std::string::npos);
        }
        // Whatever was chosen answers on its own flag.
        std::array<double, 6> xx{};
        EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), row.flag) << EphemerisErrorText();
        // Sunset at Mecca on 9 April 2024, about 15:38 universal time.
        double sunset = 0.0;
        EXPECT_EQ(EphemerisRiseTrans(Jd20240409 - 0.5, 0, 2, Mecca, sunset), 0);
        EXPECT_NEAR(sunset, Jd20240409 + 3.64 / 24, 0.005);
    }
}

TEST_F(EphemerisStartUp, DamagedFallbackFolderLeavesTheBuiltInTheory) {
    TempFolder first, fallback;
    PutFile(first.Path(), "de406.eph", Content::Empty);
    PutFile(fallback.Path(), "sepl_18.se1", Content::Truncated);
    PutFile(fallback.Path(), "semo_18.se1", Content::Linked);
    StartEphemeris(first.Path(), fallback.Path());
    EXPECT_EQ(EphemerisFlag(), EphemerisBuiltIn);
    const std::string notice = EphemerisNotice();
    EXPECT_TRUE(notice.starts_with("Ephemeris: de406.eph in " + first.Path().string() +
                                   " failed the start-up check ("))
        << notice;
    EXPECT_TRUE(notice.ends_with(
        "); using the built-in theory of the ephemeris library for 1800 to 2399 instead."))
        << notice;
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), EphemerisBuiltIn);
}

TEST_F(EphemerisStartUp, RangeEndsWhereNoSourceAnswers) {
    // Inside the range some source answers on its own flag; beyond a bounded end the start-up's
    // choice is asked and fails (a missing file, or the end of the built-in theory, 28 February
    // -3001 to 29 April 3003). A file's data reach up to two months beyond its block of years,
    // and the library uses them only while that file is open, so the range ends with the block.
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, Content>> files;  // none: the packaged folder
        bool packagedBehind;      // the packaged folder is the fallback folder
        int firstYear, lastYear;  // of the range's ends, proleptic Gregorian
        bool firstBounded;        // the start-up's choice fails before the first day
    };
    const auto L = Content::Linked, R = Content::Random;
    const Row rows[] = {
        {"packaged files", {}, false, -3001, 5399, false},
        {"built-in theory", {{"semo_18.se1", L}}, true, -3001, 3003, true},
        {"one block", {{"sepl_18.se1", L}, {"semo_18.se1", L}}, false, -3001, 3003, true},
        {"one block, the packaged files behind it",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}},
         true,
         -3001,
         5399,
         true},
        {"a block after the built-in theory's end",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}, {"sepl_30.se1", L}, {"semo_30.se1", L}},
         false,
         -3001,
         3599,
         true},
        {"a damaged block before it",
         {{"sepl_18.se1", L},
          {"semo_18.se1", L},
          {"sepl_24.se1", R},
          {"semo_24.se1", L},
          {"sepl_30.se1", L},
          {"semo_30.se1", L}},
         false,
         -3001,
         3599,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const auto& [name, content] : row.files)
            PutFile(folder.Path(), name, content);
        if (row.files.empty())
            StartEphemeris(PackagedEphemerisFolder());
        else
            StartEphemeris(folder.Path(),
                           row.packagedBehind ? PackagedEphemerisFolder() : folder.Path());
        const TEphemerisRange range = EphemerisRange();
        EXPECT_EQ(EphemerisRevJul(range.First).Year, row.firstYear);
        EXPECT_EQ(EphemerisRevJul(range.Last).Year, row.lastYear);
        // The flag of the source that answered, after the computation that chose it.
        const auto answeredOnItsFlag = [](double jd, int32_t body) {
            std::array<double, 6> xx{};
            const int32_t answered = EphemerisCalcUt(jd, body, xx);
            return answered == EphemerisFlag();
        };
        for (const double jd : {range.First, range.Last})
            for (const int32_t body : {0, 1})
                EXPECT_TRUE(answeredOnItsFlag(jd, body)) << jd;
        for (const int32_t body : {0, 1}) {
            EXPECT_FALSE(answeredOnItsFlag(range.Last + 90, body));
            if (row.firstBounded) {
                EXPECT_FALSE(answeredOnItsFlag(range.First - 90, body));
            }
        }
        EXPECT_TRUE(range.Covers(range.First, range.Last));
        EXPECT_FALSE(range.Covers(range.First - 0.1, range.Last));
        EXPECT_FALSE(range.Covers(range.First, range.Last + 0.1));
    }
    // The packaged files reach back beyond the first Hijri year.
    StartEphemeris(PackagedEphemerisFolder());
    EXPECT_LT(EphemerisRange().First, JulianDayOf(622, 7, 16));
}

TEST_F(EphemerisStartUp, EachBlockOfYearsTakesTheFirstSourceThatAnswersThere) {
    // The folder of files first, the packaged folder behind it (or nothing), the built-in theory
    // last: a missing or damaged pair of files gives way for its own 600 years only, with one
    // sentence naming the file and what is used instead.
    enum class Used { Folder, Packaged };
    struct Probe {
        int year;
        int32_t flag;
        Used folder;  // the built-in theory counts as the folder of the start-up
    };
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, Content>> files;  // over every packaged pair linked
        bool allBlocks;       // start from every packaged pair of 0 to 5399, linked
        bool packagedBehind;  // else nothing but the built-in theory
        std::vector<Probe> probes;
        std::string noticeStart, noticeEnd;  // of the one sentence; both empty: no notice
    };
    const auto L = Content::Linked, T = Content::Truncated, R = Content::Random;
    const Probe in2024{2024, EphemerisSwiss, Used::Folder};
    const std::string using24 = "; using sepl_24.se1 and semo_24.se1 in {packaged} instead.";
    const Row rows[] = {
        {"truncated sepl_24.se1 among complete files",
         {{"sepl_24.se1", T}},
         true,
         true,
         {{1750, EphemerisSwiss, Used::Folder},
          in2024,
          {2450, EphemerisSwiss, Used::Packaged},
          {3050, EphemerisSwiss, Used::Folder}},
         "Ephemeris: sepl_24.se1 in {folder} failed the check (Ephemeris file {folder}/sepl_24.se1",
         using24},
        {"random semo_24.se1",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}, {"sepl_24.se1", L}, {"semo_24.se1", R}},
         false,
         true,
         {in2024, {2450, EphemerisSwiss, Used::Packaged}},
         "Ephemeris: semo_24.se1 in {folder} failed the check (Ephemeris file {folder}/semo_24.se1",
         using24},
        {"only the 1800 pair",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}},
         false,
         true,
         {{2450, EphemerisSwiss, Used::Packaged}, in2024},
         "Ephemeris: sepl_24.se1 and semo_24.se1 are not in {folder}",
         using24},
        {"only the 1800 pair, nothing behind it",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}},
         false,
         false,
         {{2450, EphemerisBuiltIn, Used::Folder}, in2024},
         "Ephemeris: sepl_24.se1 and semo_24.se1 are not in {folder}",
         "; using the built-in theory of the ephemeris library for 2400 to 2999 instead."},
        {"no moon file for 2400",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}, {"sepl_24.se1", L}},
         false,
         true,
         {{2450, EphemerisSwiss, Used::Packaged}},
         "Ephemeris: semo_24.se1 is not in {folder}",
         using24},
        {"complete files",
         {},
         true,
         true,
         {{1750, EphemerisSwiss, Used::Folder}, in2024, {2450, EphemerisSwiss, Used::Folder}},
         "",
         ""},
    };
    std::vector<std::string> allPairs;
    for (int century = 0; century < 54; century += 6)
        for (const char* stem : {"sepl", "semo"})
            allPairs.push_back(std::string(stem) + (century < 10 ? "_0" : "_") +
                               std::to_string(century) + ".se1");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const std::string& name : row.allBlocks ? allPairs : std::vector<std::string>{}) {
            const bool replaced =
                std::any_of(row.files.begin(), row.files.end(),
                            [&name](const auto& file) { return file.first == name; });
            if (!replaced)
                PutFile(folder.Path(), name, Content::Linked);
        }
        for (const auto& [name, content] : row.files)
            PutFile(folder.Path(), name, content);
        StartEphemeris(folder.Path(),
                       row.packagedBehind ? PackagedEphemerisFolder() : folder.Path());
        const uint64_t changes = EphemerisSourceChanges();
        for (const Probe& probe : row.probes) {
            SCOPED_TRACE(probe.year);
            std::array<double, 6> xx{};
            for (const int32_t body : {0, 1})
                EXPECT_EQ(EphemerisCalcUt(JulianDayOf(probe.year, 3, 1), body, xx), probe.flag)
                    << EphemerisErrorText();
            EXPECT_EQ(EphemerisFlag(), probe.flag);
            EXPECT_EQ(EphemerisFolder(),
                      probe.folder == Used::Folder ? folder.Path() : PackagedEphemerisFolder());
        }
        EXPECT_EQ(EphemerisSourceChanges(), changes) << "no answer was given up";
        std::string noticeStart = row.noticeStart, noticeEnd = row.noticeEnd;
        for (std::string* text : {&noticeStart, &noticeEnd})
            for (const auto& [key, value] :
                 {std::pair<std::string, std::string>{"{folder}", folder.Path().string()},
                  {"{packaged}", PackagedEphemerisFolder().string()}})
                for (auto at = text->find(key); at != std::string::npos; at = text->find(key))
                    text->replace(at, key.size(), value);
        const std::string notice = EphemerisNotice();
        if (noticeStart.empty()) {
            EXPECT_EQ(notice, "");
            continue;
        }
        EXPECT_TRUE(notice.starts_with(noticeStart)) << notice;
        EXPECT_TRUE(notice.ends_with(noticeEnd)) << notice;
        // One sentence, however many computations those years had.
        EXPECT_EQ(notice.find("Ephemeris:", 1), std::string::npos) << notice;
    }
}

TEST_F(EphemerisStartUp, EnvironmentVariableDoesNotRedirectTheLibrary) {
    // Pointed at an empty folder, the library would answer on the built-in theory (4).
    TempFolder empty;
    ASSERT_EQ(setenv("SE_EPHE_PATH", empty.Path().c_str(), 1), 0);
    StartEphemeris(PackagedEphemerisFolder());
    EXPECT_EQ(std::getenv("SE_EPHE_PATH"), nullptr);
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), EphemerisSwiss) << EphemerisErrorText();
}

TEST_F(EphemerisStartUp, FolderBesideTheExecutableIsPreferredWhenItHoldsData) {
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder());
    const orvandel::test::DataBesideProgram beside;
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder()) << "an empty folder is skipped";
    std::ofstream(beside.Path() / "semo_18.se1").put('\0');
    EXPECT_EQ(DefaultEphemerisFolder(), beside.Path());
}

TEST_F(EphemerisStartUp, FirstUseStartsTheLibrary) {
    StopEphemeris();
    ASSERT_FALSE(EphemerisStarted());
    const double jd = EphemerisJulDay(2024, 4, 9, 12.0);
    EXPECT_TRUE(EphemerisStarted());
    EXPECT_EQ(EphemerisFolder(), DefaultEphemerisFolder());
    EXPECT_EQ(jd, Jd20240409);
    const TJulDayParts parts = EphemerisRevJul(jd + 0.25);
    EXPECT_EQ(parts.Day, 9);
    EXPECT_DOUBLE_EQ(parts.Hour, 18.0);
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(jd, 0, xx), EphemerisFlag());
    // The sun over Mecca at 15:00 local time, against the almanac's low-precision formulas:
    // azimuth from the south toward the west, altitude.
    const std::array<double, 3> horizon = EphemerisAzAlt(jd, Mecca, {xx[0], xx[1], xx[2]});
    EXPECT_NEAR(horizon[0], 76.44, 0.05);
    EXPECT_NEAR(horizon[1], 49.62, 0.05);
}

TEST_F(EphemerisStartUp, SourceGivenUpDuringARunGivesWayInTheStartUpOrder) {
    // Good library files beside the program: given up, the packaged folder's take over, then the
    // built-in theory; after that nothing is left, which is said once.
    TempFolder folder;
    PutFile(folder.Path(), "sepl_18.se1", Content::Linked);
    PutFile(folder.Path(), "semo_18.se1", Content::Linked);
    StartEphemeris(folder.Path());
    ASSERT_EQ(EphemerisNotice(), "");
    const uint64_t changes = EphemerisSourceChanges();
    struct Row {
        bool replaced;
        int32_t flag;
        std::string folder;
        std::string noticeEnd;
    };
    const std::string packaged = PackagedEphemerisFolder().string();
    const Row rows[] = {
        {true, EphemerisSwiss, packaged,
         "Ephemeris: sepl_18.se1 and semo_18.se1 in " + folder.Path().string() +
             " failed the check of its answers (it gave no sunset at X); using sepl_18.se1 and "
             "semo_18.se1 in " +
             packaged + " instead."},
        {true, EphemerisBuiltIn, folder.Path().string(),
         " Ephemeris: sepl_18.se1 and semo_18.se1 in " + packaged +
             " failed the check of its answers (it gave no sunset at X); using the built-in "
             "theory of the ephemeris library for 1800 to 2399 instead."},
        {false, EphemerisBuiltIn, folder.Path().string(),
         " Ephemeris: the built-in theory of the ephemeris library failed the check of its "
         "answers (it gave no sunset at X); no other source is left."},
        {false, EphemerisBuiltIn, folder.Path().string(), "; no other source is left."},
    };
    std::string before;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.noticeEnd);
        EXPECT_EQ(EphemerisSourceFailed("gave no sunset at X"), row.replaced);
        EXPECT_EQ(EphemerisFlag(), row.flag);
        EXPECT_EQ(EphemerisFolder().string(), row.folder);
        EXPECT_TRUE(EphemerisNotice().ends_with(row.noticeEnd)) << EphemerisNotice();
        EXPECT_EQ(EphemerisNotice().find('\n'), std::string::npos);
        if (&row == &rows[3]) {
            EXPECT_EQ(EphemerisNotice(), before) << "said once";
        }
        before = EphemerisNotice();
        // The source in use answers on its own flag.
        std::array<double, 6> xx{};
        EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), row.flag) << EphemerisErrorText();
    }
    EXPECT_EQ(EphemerisSourceChanges() - changes, 2u);
}

TEST_F(EphemerisStartUp, SourceGivenUpForTheYearsOfItsAnswerOnly) {
    // Files for 1800 to 2999 beside the program: a wrong answer for 2450 gives up the files of
    // 2400 and names them; 1800 to 2399 stay on the folder's files.
    TempFolder folder;
    for (const char* name : {"sepl_18.se1", "semo_18.se1", "sepl_24.se1", "semo_24.se1"})
        PutFile(folder.Path(), name, Content::Linked);
    StartEphemeris(folder.Path());
    const uint64_t changes = EphemerisSourceChanges();
    std::array<double, 6> xx{};
    ASSERT_EQ(EphemerisCalcUt(JulianDayOf(2450, 3, 1), 1, xx), EphemerisSwiss);
    ASSERT_EQ(EphemerisFolder(), folder.Path());
    EXPECT_TRUE(EphemerisSourceFailed("gave no sunset at X"));
    EXPECT_EQ(EphemerisNotice(), "Ephemeris: sepl_24.se1 and semo_24.se1 in " +
                                     folder.Path().string() +
                                     " failed the check of its answers (it gave no sunset at "
                                     "X); using sepl_24.se1 and semo_24.se1 in " +
                                     PackagedEphemerisFolder().string() + " instead.");
    EXPECT_EQ(EphemerisSourceChanges() - changes, 1u) << "answers kept before are dropped";
    const struct {
        int year;
        fs::path folder;
    } probes[] = {{2450, PackagedEphemerisFolder()}, {2024, folder.Path()}};
    for (const auto& probe : probes) {
        SCOPED_TRACE(probe.year);
        EXPECT_EQ(EphemerisCalcUt(JulianDayOf(probe.year, 3, 1), 1, xx), EphemerisSwiss);
        EXPECT_EQ(EphemerisFolder(), probe.folder);
    }
}
