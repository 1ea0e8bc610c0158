// The kept place's reader on damaged files: the seed files of corpus/place-memory ("ok-" ones
// must be taken, "bad-" ones refused), random edits of them from a fixed seed, and files that
// are too large, no file at all, or unreadable. Every file must either be refused with
// EPlaceMemoryError naming it, or give settings that every field accepts; a crash or a
// sanitizer report ends the program. ORVANDEL_FUZZ_SEED and ORVANDEL_FUZZ_INPUTS choose another
// seed or more inputs for a longer run by hand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tests/support/FuzzInputs.h"
#include "timetable/CalcMethods.h"
#include "timetable/SettingsRules.h"
#include "ui/PlaceMemory.h"

namespace orvandel {
namespace {

namespace fs = std::filesystem;

struct Seed {
    std::string Name;
    std::string Text;
};

std::vector<Seed> LoadCorpus() {
    std::vector<Seed> seeds;
    for (const fs::directory_entry& entry : fs::directory_iterator(ORVANDEL_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.push_back({entry.path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(in), {})});
    }
    std::sort(seeds.begin(), seeds.end(),
              [](const Seed& a, const Seed& b) { return a.Name < b.Name; });
    return seeds;
}

void WriteFile(const QString& path, const std::string& text) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out << text;
}

// `text` in a file of its own in `folder`: QSettings keeps what it parsed of a path and reads
// it again only when the file's size or time (to the millisecond) changed.
QString NewFile(const QTemporaryDir& folder, const std::string& text) {
    static int count = 0;
    const QString path = folder.filePath(QStringLiteral("place-%1.ini").arg(++count));
    WriteFile(path, text);
    return path;
}

// Every value of a memory the reader took lies where the window's fields would put it.
void ExpectAcceptable(const TPlaceMemory& memory) {
    const TimetableSettings& s = memory.Settings;
    EXPECT_TRUE(LatitudeRange.Contains(s.Latitude)) << s.Latitude;
    EXPECT_TRUE(LongitudeRange.Contains(s.Longitude)) << s.Longitude;
    EXPECT_TRUE(ZoneHoursRange.Contains(s.GmtHours));
    EXPECT_TRUE(ZoneMinutesRange.Contains(s.GmtMinutes));
    EXPECT_TRUE(ElevationRange.Contains(s.Elevation));
    EXPECT_GE(s.CalcMethod, 0);
    EXPECT_LT(s.CalcMethod, CalcMethodCount());
    EXPECT_TRUE(s.Juristic == 0 || s.Juristic == 1);
    for (int minutes : s.AdjustMinutes) {
        EXPECT_TRUE(AdjustMinutesRange.Contains(minutes));
    }
    EXPECT_TRUE(HijriAdjustRange.Contains(s.HijriAdjustDays));
    EXPECT_FALSE(memory.Caption.empty());
    EXPECT_TRUE(std::none_of(memory.Caption.begin(), memory.Caption.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
}

// Reads `path`: true when taken, false when refused with a message naming the file.
bool Taken(const QString& path) {
    try {
        const std::optional<TPlaceMemory> memory = ReadPlaceMemory(path);
        EXPECT_TRUE(memory.has_value()) << "a file that is there read as none";
        if (memory) {
            ExpectAcceptable(*memory);
        }
        return memory.has_value();
    } catch (const EPlaceMemoryError& e) {
        EXPECT_NE(std::string(e.what()).find(path.toStdString()), std::string::npos) << e.what();
        EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos) << e.what();
        return false;
    }
}

TEST(PlaceMemoryFuzz, SeedFilesAreTakenOrRefusedAsNamed) {
    const QTemporaryDir folder;
    const std::vector<Seed> seeds = LoadCorpus();
    ASSERT_GE(seeds.size(), 10u);
    for (const Seed& seed : seeds) {
        SCOPED_TRACE(seed.Name);
        EXPECT_EQ(Taken(NewFile(folder, seed.Text)), seed.Name.starts_with("ok-"));
    }
    // What the writer writes, the reader takes back unchanged.
    const std::optional<TPlaceMemory> memory = ReadPlaceMemory(NewFile(folder, seeds.back().Text));
    ASSERT_TRUE(memory.has_value());
    const QString copy = folder.filePath(QStringLiteral("sub/copy.ini"));
    WritePlaceMemory(copy, *memory);
    const std::optional<TPlaceMemory> back = ReadPlaceMemory(copy);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(PlaceMemoryValues(*back), PlaceMemoryValues(*memory));
}

TEST(PlaceMemoryFuzz, RandomEditsOfTheSeedFiles) {
    const uint64_t seedNumber = EnvNumber("ORVANDEL_FUZZ_SEED", 20261208);
    const uint64_t inputs = EnvNumber("ORVANDEL_FUZZ_INPUTS", 3000);
    std::mt19937_64 random(seedNumber);
    const std::vector<Seed> seeds = LoadCorpus();
    // Values a field may be given at or beyond its edges, and of other kinds.
    const std::vector<std::string> values = {"",
                                             "0",
                                             "-0",
                                             "65.7273",
                                             "65.72731",
                                             "-65.7273",
                                             "180.0000001",
                                             "1e308",
                                             "nan",
                                             "inf",
                                             "25",
                                             "-26",
                                             "59",
                                             "60",
                                             "9999",
                                             "10000",
                                             "true",
                                             "false",
                                             "TRUE",
                                             "mwl",
                                             "isna",
                                             "hanafi",
                                             "seventh",
                                             "Mecca",
                                             "London",
                                             "\"quoted,\"",
                                             "a,b,c",
                                             "@Invalid()",
                                             "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
                                             "@ByteArray(\\xff)",
                                             "\\x1b",
                                             "0 0 0 0 0 0",
                                             "60 -60 0 0 0 0",
                                             std::string(300, 'x')};
    const QTemporaryDir folder;
    int taken = 0, refused = 0;
    for (uint64_t n = 0; n < inputs; ++n) {
        std::string text = seeds[random() % seeds.size()].Text;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const size_t at = text.empty() ? 0 : random() % (text.size() + 1);
            switch (random() % 5) {
                case 0:  // one byte changed
                    if (!text.empty()) {
                        text[std::min(at, text.size() - 1)] = static_cast<char>(random() % 256);
                    }
                    break;
                case 1:  // a piece cut out
                    text.erase(std::min(at, text.size()), random() % 40);
                    break;
                case 2:  // a value replaced
                    if (const size_t equals = text.find('=', at); equals != std::string::npos) {
                        const size_t end = std::min(text.find('\n', equals), text.size());
                        text.replace(equals + 1, end - equals - 1,
                                     values[random() % values.size()]);
                    }
                    break;
                case 3:  // a line repeated elsewhere
                    if (const size_t end = text.find('\n', at); end != std::string::npos) {
                        const size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
                        const std::string line =
                            text.substr(start == std::string::npos ? 0 : start + 1,
                                        end - (start == std::string::npos ? 0 : start + 1) + 1);
                        text.insert(random() % (text.size() + 1), line);
                    }
                    break;
                default:  // random bytes inserted
                    text.insert(std::min(at, text.size()),
                                std::string(1 + random() % 8, static_cast<char>(random() % 256)));
                    break;
            }
        }
        const QString path = NewFile(folder, text);
        SCOPED_TRACE(text);
        (Taken(path) ? taken : refused) += 1;
        QFile::remove(path);
    }
    std::printf("place memory fuzz, seed %llu: %d files taken, %d refused\n",
                static_cast<unsigned long long>(seedNumber), taken, refused);
    // Both ways are reached, so the edits neither all break nor all miss the values.
    EXPECT_GT(taken, 0);
    EXPECT_GT(refused, 0);
}

TEST(PlaceMemoryFuzz, LargeMissingAndUnreadableFiles) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("place.ini"));
    EXPECT_FALSE(ReadPlaceMemory(path).has_value());  // no file: nothing kept, no error

    // 50 MB of a valid file's lines over and over: refused by its size before it is parsed.
    const std::string good = LoadCorpus().back().Text;
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        for (size_t written = 0; written < 50u * 1024 * 1024; written += good.size()) {
            out << good;
        }
    }
    EXPECT_FALSE(Taken(path));
    EXPECT_THROW(ReadPlaceMemory(path), EPlaceMemoryError);
    // Just below the limit, the same text parses (its keys repeated) and is taken.
    std::string near;
    while (near.size() + good.size() <= MaxPlaceMemoryBytes) {
        near += good;
    }
    EXPECT_TRUE(Taken(NewFile(folder, near)));

    // A folder in the file's place, also for the writer and the remover.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(fs::create_directory(path.toStdString()));
    EXPECT_FALSE(Taken(path));
    TPlaceMemory memory;
    memory.Caption = "Mecca";
    EXPECT_THROW(WritePlaceMemory(path, memory), EPlaceMemoryError);
    EXPECT_THROW(RemovePlaceMemory(path), EPlaceMemoryError);

    // A link to nowhere.
    const QString link = folder.filePath(QStringLiteral("link.ini"));
    fs::create_symlink(folder.filePath("nowhere").toStdString(), link.toStdString());
    EXPECT_FALSE(Taken(link));

    // Mode 000: refused, unless the tests run as root, who reads it anyway.
    const QString locked = folder.filePath(QStringLiteral("locked.ini"));
    WriteFile(locked, good);
    fs::permissions(locked.toStdString(), fs::perms::none);
    EXPECT_EQ(Taken(locked), geteuid() == 0);
    fs::permissions(locked.toStdString(), fs::perms::owner_all);
}

}  // namespace
}  // namespace orvandel
