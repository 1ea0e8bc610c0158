#include <gtest/gtest.h>

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
    EXPECT_TRUE(notice.ends_with("); using the built-in theory of the ephemeris library instead."))
        << notice;
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), EphemerisBuiltIn);
}

TEST_F(EphemerisStartUp, RangeEndsWhereTheSourceStopsAnswering) {
    // Inside the range the library answers on the chosen flag; beyond a bounded end it does
    // not (a missing file, a file that failed, or the end of the built-in theory). A file's
    // data reach up to two months beyond its block of years, and the library uses them only
    // while that file is open, so the range ends with the block.
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, Content>> files;  // none: the packaged folder
        int firstYear, lastYear;  // of the range's ends, proleptic Gregorian
        bool firstBounded;        // the library stops answering before the first day
    };
    const auto L = Content::Linked, R = Content::Random;
    const Row rows[] = {
        {"packaged files", {}, -1, 5399, false},
        {"built-in theory", {{"semo_18.se1", L}}, -3001, 3003, true},
        {"one block", {{"sepl_18.se1", L}, {"semo_18.se1", L}}, 1800, 2399, true},
        {"three blocks",
         {{"sepl_12.se1", L},
          {"semo_12.se1", L},
          {"sepl_18.se1", L},
          {"semo_18.se1", L},
          {"sepl_24.se1", L},
          {"semo_24.se1", L}},
         1200,
         2999,
         true},
        {"a gap ends the run",
         {{"sepl_18.se1", L}, {"semo_18.se1", L}, {"sepl_30.se1", L}, {"semo_30.se1", L}},
         1800,
         2399,
         true},
        {"a damaged block ends the run",
         {{"sepl_18.se1", L},
          {"semo_18.se1", L},
          {"sepl_24.se1", R},
          {"semo_24.se1", L},
          {"sepl_30.se1", L},
          {"semo_30.se1", L}},
         1800,
         2399,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const auto& [name, content] : row.files)
            PutFile(folder.Path(), name, content);
        StartEphemeris(row.files.empty() ? PackagedEphemerisFolder() : folder.Path());
        EXPECT_EQ(EphemerisNotice(), "");
        const TEphemerisRange range = EphemerisRange();
        EXPECT_EQ(EphemerisRevJul(range.First).Year, row.firstYear);
        EXPECT_EQ(EphemerisRevJul(range.Last).Year, row.lastYear);
        // Inside first: after it has read a damaged file the library fails until restarted.
        std::array<double, 6> xx{};
        for (const double jd : {range.First, range.Last})
            for (const int32_t body : {0, 1})
                EXPECT_EQ(EphemerisCalcUt(jd, body, xx), EphemerisFlag());
        for (const int32_t body : {0, 1}) {
            EXPECT_NE(EphemerisCalcUt(range.Last + 90, body, xx), EphemerisFlag());
            if (row.firstBounded) {
                EXPECT_NE(EphemerisCalcUt(range.First - 90, body, xx), EphemerisFlag());
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
             "theory of the ephemeris library instead."},
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
