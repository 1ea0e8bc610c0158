#pragma once
// Folders for tests that put copies of data files (whole, damaged or a subset) where the program
// reads them.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orvandel::test {

// A fresh empty folder under the system's temporary folder, removed with its contents when the
// object goes.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvandel-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed for " + pattern);
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The folder "ephemeris/data" beside the running program, where the program looks for its
// ephemeris files first: made empty, and removed (with "ephemeris") when the object goes.
// Throws when a folder of that name is already there, so that nothing is taken over.
class DataBesideProgram {
  public:
    DataBesideProgram()
        : top_(std::filesystem::read_symlink("/proc/self/exe").parent_path() / "ephemeris") {
        std::error_code ec;
        if (std::filesystem::exists(top_, ec) || ec)
            throw std::runtime_error("leftover folder " + top_.string());
        std::filesystem::create_directories(top_ / "data");
    }
    ~DataBesideProgram() {
        std::error_code ec;
        std::filesystem::remove_all(top_, ec);
    }
    DataBesideProgram(const DataBesideProgram&) = delete;
    DataBesideProgram& operator=(const DataBesideProgram&) = delete;
    std::filesystem::path Path() const { return top_ / "data"; }

  private:
    std::filesystem::path top_;
};

}  // namespace orvandel::test
