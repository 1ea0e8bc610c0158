// Damaged copies of real zone files, from a fixed seed: each must either read as a zone whose
// offsets are offsets, or be refused with one line that names the file. A read past the
// bytes, a crash or an abort ends the program under the sanitizers. ORVANDEL_FUZZ_SEED and
// ORVANDEL_ZONE_FUZZ_FILES choose another seed or more files for a longer run by hand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/TimeZone.h"
#include "tests/support/FuzzInputs.h"

namespace orvandel {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One damaged copy of `bytes`.
std::string Damage(std::string bytes, std::mt19937_64& random) {
    const auto below = [&](size_t n) {
        return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(random);
    };
    // The header counts (both headers) and the bytes around the second header are where a
    // reader most needs its checks, so they are hit more often than their share.
    const size_t secondHeader = bytes.size() > 44 ? bytes.find("TZif", 4) : std::string::npos;
    switch (below(7)) {
        case 0:  // cut short
            bytes.resize(below(bytes.size()));
            break;
        case 1:  // one bit flipped
            if (!bytes.empty()) {
                bytes[below(bytes.size())] ^= static_cast<char>(1 << below(8));
            }
            break;
        case 2:  // a few bytes set at random
            for (size_t n = 1 + below(4); n > 0 && !bytes.empty(); --n) {
                bytes[below(bytes.size())] = static_cast<char>(below(256));
            }
            break;
        case 3: {  // a count of a header set to a random or an extreme value
            const size_t header = below(2) == 0 || secondHeader == std::string::npos ? 0
                                                                                     : secondHeader;
            const size_t at = header + 20 + 4 * below(6);
            const uint32_t values[] = {0, 1, 0xffffffffu, 0x7fffffffu,
                                       static_cast<uint32_t>(below(1 << 16))};
            const uint32_t v = values[below(5)];
            for (size_t k = 0; k < 4 && at + k < bytes.size(); ++k) {
                bytes[at + k] = static_cast<char>(v >> (24 - 8 * k));
            }
            break;
        }
        case 4:  // "TZif" written somewhere
            bytes.replace(below(bytes.size() + 1), 4, "TZif");
            break;
        case 5:  // bytes removed from the middle
            bytes.erase(below(bytes.size() + 1), 1 + below(64));
            break;
        default:  // the footer's rule damaged or the file's end cut
            if (bytes.size() > 2) {
                const size_t at = bytes.size() - 1 - below(std::min<size_t>(bytes.size(), 40));
                bytes[at] = "\n,<>-+9JM/.:\0A"[below(14)];
            }
            break;
    }
    return bytes;
}

TEST(ZoneFileFuzz, DamagedZoneFilesAreReadOrRefusedNamingTheFile) {
    const uint64_t seed = EnvNumber("ORVANDEL_FUZZ_SEED", 20261208);
    const uint64_t count = EnvNumber("ORVANDEL_ZONE_FUZZ_FILES", 400);
    std::mt19937_64 random(seed);
    std::vector<std::string> originals;
    for (const char* zone : {"Europe/Berlin", "America/Nuuk", "Australia/Lord_Howe",
                             "Africa/Casablanca", "Asia/Kolkata", "Etc/UTC"}) {
        originals.push_back(ReadBytes(ZoneDatabaseFolder() + "/" + zone));
        ASSERT_GT(originals.back().size(), 44u) << zone;
    }
    const fs::path dir =
        fs::temp_directory_path() / ("orvandel-zone-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    int read = 0, refused = 0;
    for (uint64_t i = 0; i < count; ++i) {
        std::string bytes = originals[i % originals.size()];
        for (size_t edits = 1 + random() % 3; edits > 0; --edits) {
            bytes = Damage(std::move(bytes), random);
        }
        const fs::path path = dir / ("zone-" + std::to_string(i));
        std::ofstream(path, std::ios::binary).write(bytes.data(),
                                                    static_cast<std::streamsize>(bytes.size()));
        SCOPED_TRACE("seed " + std::to_string(seed) + " file " + std::to_string(i));
        try {
            const auto zone = TimeZoneRules::FromFile(path.string());
            for (const TimeZoneRules::Change& c : zone->Changes(0, 4133980800)) {
                ASSERT_EQ(zone->OffsetAt(c.Utc), c.After);
            }
            for (int64_t t : {int64_t{-4000000000}, int64_t{0}, int64_t{2000000000},
                              int64_t{253402300799}}) {
                const int offset = zone->OffsetAt(t);
                ASSERT_TRUE(offset >= -89999 && offset <= 93599) << offset;
                (void)zone->StandardOffsetAt(t);
            }
            ++read;
        } catch (const EZoneFileError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path.string()), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
            ++refused;
        }
        fs::remove(path);
    }
    fs::remove_all(dir);
    std::printf("%llu damaged zone files (seed %llu): %d read as zones, %d refused\n",
                static_cast<unsigned long long>(count), static_cast<unsigned long long>(seed),
                read, refused);
    EXPECT_GT(refused, static_cast<int>(count / 2));
}

// The damages met in the field: each refused with one line naming the file.
TEST(ZoneFileFuzz, KnownDamagesAreRefused) {
    const std::string berlin = ReadBytes(ZoneDatabaseFolder() + "/Europe/Berlin");
    ASSERT_GT(berlin.size(), 100u);
    const std::string header = berlin.substr(0, 5);
    struct Row {
        const char* Name;
        std::string Bytes;
    };
    const Row rows[] = {
        {"empty", ""},
        {"a bare header of zeros", header + std::string(berlin.size() - 5, '\0')},
        {"TZif over a short file", "TZif"},
        {"cut in the second header", berlin.substr(0, berlin.find("TZif", 4) + 30)},
        {"cut before the footer", berlin.substr(0, berlin.rfind('\n', berlin.size() - 2))},
        {"footer rule unreadable", berlin.substr(0, berlin.size() - 5) + "/99\n"},
        {"footer against the last transition",
         berlin.substr(0, berlin.rfind('\n', berlin.size() - 2) + 1) + "EST5\n"},
    };
    const fs::path path =
        fs::temp_directory_path() / ("orvandel-zone-known-" + std::to_string(::getpid()));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        std::ofstream(path, std::ios::binary)
            .write(row.Bytes.data(), static_cast<std::streamsize>(row.Bytes.size()));
        try {
            TimeZoneRules::FromFile(path.string());
            ADD_FAILURE() << "read as a zone";
        } catch (const EZoneFileError& e) {
            EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
        }
    }
    fs::remove(path);
}

}  // namespace
}  // namespace orvandel
