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
#include <vector>

#include "calendar/SaudiIslamic.h"
#include "ephemeris/fn_Ephemeris.h"
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

uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

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

}  // namespace
}  // namespace orvandel
