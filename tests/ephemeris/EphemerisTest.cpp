#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ephemeris/fn_Ephemeris.h"

using namespace orvandel;
namespace fs = std::filesystem;

namespace {

// A fresh empty folder under the system's temporary folder, removed with its contents.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "orvandel-ephe-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }
    // An empty file: enough for the start-up's existence test.
    void Touch(const std::string& name) const { std::ofstream(path_ / name).put('\0'); }
    // The packaged file under its own name, so that the library can read it.
    void LinkPackaged(const std::string& name) const {
        fs::create_symlink(PackagedEphemerisFolder() / name, path_ / name);
    }

  private:
    fs::path path_;
};

// Mean noon of 9 April 2024, universal time.
constexpr double Jd20240409 = 2460410.0;
// Mecca, in the library's order: longitude, latitude, height.
constexpr TGeoPosition Mecca = {39.8378, 21.4256, 421.0};

// The program's order: the library is started before the tests and closed after them.
class EphemerisEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { StartEphemeris(); }
    void TearDown() override { StopEphemeris(); }
};
::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new EphemerisEnvironment);

class EphemerisStartUp : public ::testing::Test {
  protected:
    void TearDown() override { StartEphemeris(); }  // leave the default start-up behind
};

}  // namespace

TEST_F(EphemerisStartUp, FlagFollowsTheFilesInTheFolder) {
    struct Row {
        const char* name;
        std::vector<std::string> emptyFiles;
        std::vector<std::string> packagedFiles;
        int32_t flag;
    };
    const Row rows[] = {
        {"JPL file alone", {"de406.eph"}, {}, EphemerisJpl},
        {"JPL file wins over both library files",
         {"de406.eph", "sepl_18.se1", "semo_18.se1"},
         {},
         EphemerisJpl},
        {"planet file without moon file", {"sepl_18.se1"}, {}, EphemerisBuiltIn},
        {"moon file without planet file", {"semo_18.se1"}, {}, EphemerisBuiltIn},
        {"both library files", {}, {"sepl_18.se1", "semo_18.se1"}, EphemerisSwiss},
        {"empty folder", {}, {}, EphemerisBuiltIn},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const auto& f : row.emptyFiles)
            folder.Touch(f);
        for (const auto& f : row.packagedFiles)
            folder.LinkPackaged(f);
        StartEphemeris(folder.Path());
        EXPECT_EQ(EphemerisFlag(), row.flag);
        EXPECT_EQ(EphemerisFolder(), folder.Path());
    }
}

TEST_F(EphemerisStartUp, MissingFolderGivesTheBuiltInEphemeris) {
    StartEphemeris(fs::temp_directory_path() / "orvandel-no-such-folder" / "data");
    EXPECT_EQ(EphemerisFlag(), EphemerisBuiltIn);
}

TEST_F(EphemerisStartUp, ComputationsUseTheFlagChosen) {
    // Both library files present: the library answers with its own files. Empty folder: it
    // answers on the built-in theory, and still finds the sunset.
    struct Row {
        const char* name;
        bool linkFiles;
        int32_t flag;
    };
    const Row rows[] = {{"library files", true, EphemerisSwiss},
                        {"empty folder", false, EphemerisBuiltIn}};
    double sunsets[2] = {};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(rows[i].name);
        TempFolder folder;
        if (rows[i].linkFiles) {
            folder.LinkPackaged("sepl_18.se1");
            folder.LinkPackaged("semo_18.se1");
        }
        StartEphemeris(folder.Path());
        std::array<double, 6> xx{};
        EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), rows[i].flag) << EphemerisErrorText();
        EXPECT_EQ(EphemerisRiseTrans(Jd20240409 - 0.5, 0, 2, Mecca, sunsets[i]), 0)
            << EphemerisErrorText();
    }
    // Sunset at Mecca on 9 April 2024 is about 15:40 universal time; both ephemerides agree
    // to well under a second.
    EXPECT_NEAR(sunsets[0], Jd20240409 + 3.7 / 24, 0.01);
    EXPECT_NEAR(sunsets[0], sunsets[1], 1.0 / 86400);
}

TEST_F(EphemerisStartUp, JplFlagWithAnUnreadableFileIsAnsweredOnAnotherEphemeris) {
    // The library falls back silently: the only sign is the flag it returns.
    TempFolder folder;
    folder.Touch("de406.eph");
    StartEphemeris(folder.Path());
    ASSERT_EQ(EphemerisFlag(), EphemerisJpl);
    std::array<double, 6> xx{};
    EXPECT_NE(EphemerisCalcUt(Jd20240409, 0, xx), EphemerisJpl);
    EXPECT_FALSE(EphemerisErrorText().empty());
}

TEST_F(EphemerisStartUp, EnvironmentVariableDoesNotRedirectTheLibrary) {
    // Pointed at an empty folder, the library would fall back to the built-in theory and
    // answer 4 instead of 2.
    TempFolder empty;
    ASSERT_EQ(setenv("SE_EPHE_PATH", empty.Path().c_str(), 1), 0);
    StartEphemeris(PackagedEphemerisFolder());
    EXPECT_EQ(std::getenv("SE_EPHE_PATH"), nullptr);
    ASSERT_EQ(EphemerisFlag(), EphemerisSwiss);
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx), EphemerisSwiss) << EphemerisErrorText();
}

TEST_F(EphemerisStartUp, FolderBesideTheExecutableIsPreferredWhenItHoldsData) {
    std::error_code ec;
    const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / "ephemeris";
    ASSERT_FALSE(fs::exists(beside, ec)) << "leftover " << beside;
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder());

    fs::create_directories(beside / "data");
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder()) << "an empty folder is skipped";
    std::ofstream(beside / "data" / "semo_18.se1").put('\0');
    EXPECT_EQ(DefaultEphemerisFolder(), beside / "data");
    fs::remove_all(beside, ec);
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder());
}

TEST_F(EphemerisStartUp, FirstUseStartsTheLibraryAndEveryCallIsCounted) {
    StopEphemeris();
    ASSERT_FALSE(EphemerisStarted());
    const uint64_t before = EphemerisCallCount();
    const double jd = EphemerisJulDay(2024, 4, 9, 12.0);
    EXPECT_TRUE(EphemerisStarted());
    EXPECT_EQ(EphemerisFolder(), DefaultEphemerisFolder());
    EXPECT_EQ(jd, Jd20240409);
    const TJulDayParts parts = EphemerisRevJul(jd + 0.25);
    EXPECT_EQ(parts.Year, 2024);
    EXPECT_EQ(parts.Day, 9);
    EXPECT_DOUBLE_EQ(parts.Hour, 18.0);
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(jd, 0, xx), EphemerisFlag());
    EphemerisAzAlt(jd, Mecca, {xx[0], xx[1], xx[2]});
    EXPECT_EQ(EphemerisCallCount() - before, 4u);
}
