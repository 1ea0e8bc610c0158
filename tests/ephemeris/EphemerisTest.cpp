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

// The program's order: the library is started before the tests and closed after them.
class EphemerisEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { StartEphemeris(); }
    void TearDown() override { StopEphemeris(); }
};
::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new EphemerisEnvironment);

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

  private:
    fs::path path_;
};

constexpr double Jd20240409 = 2460410.0;                   // noon, universal time
constexpr TGeoPosition Mecca = {39.8378, 21.4256, 421.0};  // longitude, latitude, height

class EphemerisStartUp : public ::testing::Test {
  protected:
    void TearDown() override { StartEphemeris(); }  // leave the default start-up behind
};

}  // namespace

TEST_F(EphemerisStartUp, FlagFollowsTheFilesAndComputationsAnswerOnIt) {
    // Empty files are enough for the choice; linked packaged files let the library read them.
    // An empty de406.eph is chosen but unreadable: the library falls back silently, and only
    // the flag it returns tells.
    struct Row {
        const char* name;
        std::vector<std::string> emptyFiles, packagedFiles;
        int32_t flag;
        bool answersOnFlag;
    };
    const Row rows[] = {
        {"JPL file alone", {"de406.eph"}, {}, EphemerisJpl, false},
        {"JPL file wins", {"de406.eph", "sepl_18.se1", "semo_18.se1"}, {}, EphemerisJpl, false},
        {"planet file without moon file", {"sepl_18.se1"}, {}, EphemerisBuiltIn, true},
        {"moon file without planet file", {"semo_18.se1"}, {}, EphemerisBuiltIn, true},
        {"both library files", {}, {"sepl_18.se1", "semo_18.se1"}, EphemerisSwiss, true},
        {"empty folder", {}, {}, EphemerisBuiltIn, true},
    };
    double swissSunset = 0.0, builtInSunset = 0.0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const auto& f : row.emptyFiles)
            std::ofstream(folder.Path() / f).put('\0');
        for (const auto& f : row.packagedFiles)
            fs::create_symlink(PackagedEphemerisFolder() / f, folder.Path() / f);
        StartEphemeris(folder.Path());
        EXPECT_EQ(EphemerisFlag(), row.flag);
        EXPECT_EQ(EphemerisFolder(), folder.Path());
        std::array<double, 6> xx{};
        EXPECT_EQ(EphemerisCalcUt(Jd20240409, 1, xx) == row.flag, row.answersOnFlag)
            << EphemerisErrorText();
        if (!row.answersOnFlag)
            continue;
        // Sunset at Mecca on 9 April 2024, about 15:38 universal time.
        double sunset = 0.0;
        EXPECT_EQ(EphemerisRiseTrans(Jd20240409 - 0.5, 0, 2, Mecca, sunset), 0);
        EXPECT_NEAR(sunset, Jd20240409 + 3.64 / 24, 0.005);
        (row.flag == EphemerisSwiss ? swissSunset : builtInSunset) = sunset;
    }
    EXPECT_NEAR(swissSunset, builtInSunset, 1.0 / 86400);
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
    std::error_code ec;
    const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / "ephemeris";
    ASSERT_FALSE(fs::exists(beside, ec)) << "leftover " << beside;
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder());
    fs::create_directories(beside / "data");
    EXPECT_EQ(DefaultEphemerisFolder(), PackagedEphemerisFolder()) << "an empty folder is skipped";
    std::ofstream(beside / "data" / "semo_18.se1").put('\0');
    EXPECT_EQ(DefaultEphemerisFolder(), beside / "data");
    fs::remove_all(beside, ec);
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
    EXPECT_EQ(parts.Day, 9);
    EXPECT_DOUBLE_EQ(parts.Hour, 18.0);
    std::array<double, 6> xx{};
    EXPECT_EQ(EphemerisCalcUt(jd, 0, xx), EphemerisFlag());
    EphemerisAzAlt(jd, Mecca, {xx[0], xx[1], xx[2]});
    EXPECT_EQ(EphemerisCallCount() - before, 4u);
}
