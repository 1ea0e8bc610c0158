// Damaged ephemeris files, from a fixed seed: each copy of the library's own files for 1800 to
// 2399 has one byte changed, lies in a folder of its own with the packaged folder behind it,
// and must give every Umm al-Qura month start of AH 1290 to 1319 (1873 to 1902) exactly as the
// packaged files do, or say that it gave way (EphemerisNotice). A damaged file that changes a
// Hijri date without a word fails. ORVANDEL_FUZZ_SEED and ORVANDEL_FUZZ_FILES choose another
// seed or more copies for a longer run by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "calendar/SaudiIslamic.h"
#include "ephemeris/fn_Ephemeris.h"
#include "tests/support/FuzzInputs.h"
#include "tests/support/TempFolder.h"

namespace orvandel {
namespace {

namespace fs = std::filesystem;

constexpr int32_t FirstYear = 1290;
constexpr int32_t YearCount = 30;

// The reported case: this byte of the moon file set to 0x09 gave 51 to 57 Shawwal 1298 in
// October 1881 without a word. The bytes around it steer the library to the moon's data of one
// lunation each, about 40 bytes a year, so that a change there moves a month of the years
// checked; the other copies have a byte changed anywhere in either file.
constexpr std::uintmax_t ReportedOffset = 3996;
constexpr std::uintmax_t FirstSteeringOffset = ReportedOffset - 40 * (1881 - 1873);
constexpr std::uintmax_t LastSteeringOffset = ReportedOffset + 40 * (1902 - 1881);

// The fixed date of 1 Muharram ... 1 Dhu al-Hijja of every year checked, 0 where the conversion
// failed.
std::vector<int32_t> MonthStarts() {
    std::vector<int32_t> starts;
    for (int32_t year = FirstYear; year < FirstYear + YearCount; ++year)
        for (int32_t month = 1; month <= 12; ++month)
            starts.push_back(FixedFromUmAlQura(year, month, 1));
    return starts;
}

struct TDamage {
    std::string File;  // sepl_18.se1 or semo_18.se1
    std::uintmax_t Offset;
    unsigned char Byte;
};

// A folder holding the two files, one of them with Damage applied; removed with its contents.
class DamagedFolder {
  public:
    explicit DamagedFolder(const TDamage& damage) {
        const fs::path& path = folder_.Path();
        for (const char* name : {"sepl_18.se1", "semo_18.se1"})
            fs::copy_file(PackagedEphemerisFolder() / name, path / name);
        std::fstream file(path / damage.File, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(damage.Offset));
        file.put(static_cast<char>(damage.Byte));
    }
    const fs::path& Path() const { return folder_.Path(); }

  private:
    orvandel::test::TempFolder folder_;
};

TEST(Fuzz, DamagedEphemerisFilesGiveTheSameHijriDatesOrWarn) {
    StartEphemeris(PackagedEphemerisFolder());
    const std::vector<int32_t> good = MonthStarts();
    ASSERT_EQ(std::count(good.begin(), good.end(), 0), 0);

    std::vector<TDamage> damages = {{"semo_18.se1", ReportedOffset, 0x09}};
    const uint64_t seed = EnvNumber("ORVANDEL_FUZZ_SEED", 20231);
    const auto files = static_cast<size_t>(EnvNumber("ORVANDEL_FUZZ_FILES", 16));
    std::mt19937_64 random(seed);
    for (size_t i = 1; i < files; ++i) {
        TDamage damage{"semo_18.se1", 0, static_cast<unsigned char>(random())};
        if (i % 4 != 0) {
            damage.Offset =
                FirstSteeringOffset + random() % (LastSteeringOffset - FirstSteeringOffset + 1);
        } else {
            damage.File = random() % 2 ? "semo_18.se1" : "sepl_18.se1";
            damage.Offset = random() % fs::file_size(PackagedEphemerisFolder() / damage.File);
        }
        damages.push_back(damage);
    }

    int same = 0, warned = 0, warnedSame = 0;
    for (const TDamage& damage : damages) {
        char label[96];
        std::snprintf(label, sizeof label, "%s byte %ju set to 0x%02x (seed %ju)",
                      damage.File.c_str(), damage.Offset, damage.Byte,
                      static_cast<std::uintmax_t>(seed));
        SCOPED_TRACE(label);
        const DamagedFolder folder(damage);
        StartEphemeris(folder.Path(), PackagedEphemerisFolder());
        const std::vector<int32_t> starts = MonthStarts();
        const bool equal = starts == good;
        const bool warns = !EphemerisNotice().empty();
        same += equal;
        warned += warns;
        warnedSame += warns && equal;
        if (!warns) {
            for (size_t m = 0; m < good.size(); ++m)
                ASSERT_EQ(starts[m], good[m])
                    << "AH " << FirstYear + static_cast<int32_t>(m / 12) << " month " << m % 12 + 1
                    << " begins on another day, and nothing was said";
        }
        if (&damage == &damages.front()) {
            EXPECT_TRUE(warns);
            EXPECT_TRUE(equal) << "the packaged files took over: the dates are theirs";
            EXPECT_NE(EphemerisNotice().find("failed the check of its answers"), std::string::npos)
                << EphemerisNotice();
        }
    }
    StartEphemeris();
    std::printf(
        "%zu damaged copies over AH %d to %d: %d gave the packaged files' dates, %d "
        "warned (%d of them with the same dates), %d changed a date and warned\n",
        damages.size(), FirstYear, FirstYear + YearCount - 1, same, warned, warnedSame,
        warned - warnedSame);
}

// The Umm al-Qura month starts of the AH years First to Last.
std::vector<int32_t> MonthStartsOf(int32_t first, int32_t last) {
    std::vector<int32_t> starts;
    for (int32_t year = first; year <= last; ++year)
        for (int32_t month = 1; month <= 12; ++month)
            starts.push_back(FixedFromUmAlQura(year, month, 1));
    return starts;
}

TEST(DamagedEphemeris, AFileBesideTheProgramCostsOnlyItsOwnYears) {
    // Files beside the program, the packaged ones behind them: where a pair of 600 years is
    // missing or damaged, the packaged pair gives the Hijri dates of those years, and one
    // sentence names the file; the years of the files that are fine keep them.
    struct Row {
        const char* name;
        bool allPairs;        // every pair of 0 to 5399, else the 1800 pair
        TDamage damage;       // Offset: set that byte; past the end: keep the first half
        std::string notice;   // {beside} and {packaged} replaced; ... matches anything
        const char* earlier;  // the sentence the years before 1800 add; nullptr: none
    };
    constexpr std::uintmax_t Truncate = UINTMAX_MAX;
    const std::string using24 = "; using sepl_24.se1 and semo_24.se1 in {packaged} instead.";
    const Row rows[] = {
        {"truncated sepl_24.se1",
         true,
         {"sepl_24.se1", Truncate, 0},
         "Ephemeris: sepl_24.se1 in {beside} failed the check (Ephemeris file "
         "{beside}/sepl_24.se1 is damaged...)" +
             using24,
         nullptr},
        {"only the 1800 pair",
         false,
         {},
         "Ephemeris: sepl_24.se1 and semo_24.se1 are not in {beside}" + using24,
         " Ephemeris: sepl_12.se1 and semo_12.se1 are not in {beside}; using sepl_12.se1 and "
         "semo_12.se1 in {packaged} instead."},
        // Passes the check in the middle of its years (2700), and gives a moonset in 2450 an
        // hour off.
        {"semo_24.se1 byte 2760 set to 0x09",
         true,
         {"semo_24.se1", 2760, 0x09},
         "Ephemeris: sepl_24.se1 and semo_24.se1 in {beside} failed the check of its answers (it "
         "gave the moonset at Mecca as 2450-08-08 ...)" +
             using24,
         nullptr},
    };
    // AH 1884 and 1885 run from 2449 to 2451; AH 1163 from 1749 to 1750.
    StartEphemeris(PackagedEphemerisFolder());
    const std::vector<int32_t> packaged2450 = MonthStartsOf(1884, 1885);
    const std::vector<int32_t> packaged1750 = MonthStartsOf(1163, 1163);
    ASSERT_EQ(std::count(packaged2450.begin(), packaged2450.end(), 0), 0);
    ASSERT_EQ(std::count(packaged1750.begin(), packaged1750.end(), 0), 0);
    const auto matches = [](const std::string& text, std::string pattern, const fs::path& beside) {
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"{beside}", beside.string()},
              {"{packaged}", PackagedEphemerisFolder().string()}})
            for (auto at = pattern.find(key); at != std::string::npos; at = pattern.find(key))
                pattern.replace(at, key.size(), value);
        const std::size_t gap = pattern.find("...");
        if (gap == std::string::npos)
            return text == pattern;
        return text.size() >= pattern.size() - 3 && text.starts_with(pattern.substr(0, gap)) &&
               text.ends_with(pattern.substr(gap + 3));
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::DataBesideProgram beside;
        for (int century = 0; century < 54; century += 6) {
            if (!row.allPairs && century != 18)
                continue;
            for (const char* stem : {"sepl", "semo"}) {
                char name[16];
                std::snprintf(name, sizeof name, "%s_%02d.se1", stem, century);
                const fs::path packaged = PackagedEphemerisFolder() / name;
                if (name != row.damage.File) {
                    fs::create_symlink(packaged, beside.Path() / name);
                    continue;
                }
                fs::copy_file(packaged, beside.Path() / name);
                if (row.damage.Offset == Truncate) {
                    fs::resize_file(beside.Path() / name, fs::file_size(packaged) / 2);
                    continue;
                }
                std::fstream file(beside.Path() / name,
                                  std::ios::in | std::ios::out | std::ios::binary);
                file.seekp(static_cast<std::streamoff>(row.damage.Offset));
                file.put(static_cast<char>(row.damage.Byte));
            }
        }
        StartEphemeris();  // as the program starts: the folder beside it, the packaged behind
        ASSERT_EQ(EphemerisFolder(), beside.Path());
        EXPECT_EQ(MonthStartsOf(1884, 1885), packaged2450);
        const std::string notice = EphemerisNotice();
        EXPECT_TRUE(matches(notice, row.notice, beside.Path())) << notice;
        EXPECT_EQ(MonthStartsOf(1163, 1163), packaged1750);
        EXPECT_TRUE(matches(EphemerisNotice(), notice + (row.earlier != nullptr ? row.earlier : ""),
                            beside.Path()))
            << EphemerisNotice();
        StartEphemeris(PackagedEphemerisFolder());  // lets go of the files before they go
    }
    StartEphemeris();
}

}  // namespace
}  // namespace orvandel
