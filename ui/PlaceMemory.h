#pragma once
// The place, method and options the window opens on next time, kept while "Open on this place
// next time" is on in an INI file of the user's configuration folder. Every value read is
// checked against the ranges and rows that the window's fields accept; a file that fails any
// check is named and not used at all.

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "places/Gazetteer.h"
#include "platform/Errors.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Timetable.h"

namespace orvandel {

// A settings file that cannot be read, written or removed, or whose content fails a check.
// The message names the file and what is wrong.
class EPlaceMemoryError : public EPlatformError {
  public:
    using EPlatformError::EPlatformError;
};

struct TPlaceMemory {
    // The place's coordinates, zone fields, elevation, methods and options; Date is not kept.
    TimetableSettings Settings;
    // The catalogue city last chosen, whose zone the place follows while the GMT fields hold
    // its offset; null for none.
    const TCityEntry* City = nullptr;
    // Read back: the town found by name that was chosen last, in the gazetteer, when City is
    // none of the catalogue's (a kept town is written as its City, "Leeds, England, GB").
    const TPlace* Town = nullptr;
    std::string Caption;     // the place as the window names it: "Mecca", "53.3500 N 6.2600 W"
    bool LocalClock = true;  // the box of the place's own clock is checked
};

// A file larger than this is no settings file of this program (a kept place takes ~500 bytes).
inline constexpr qint64 MaxPlaceMemoryBytes = 64 * 1024;
inline constexpr int MaxCaptionCharacters = 200;

// <the user's configuration folder>/Orvandel/place.ini ($XDG_CONFIG_HOME, else ~/.config).
QString PlaceMemoryPath();

// The keys and values the file holds for `memory`, in the order written ("Place/Latitude",
// "21.4225"). Two memories with the same values open the same window.
std::vector<std::pair<QString, QString>> PlaceMemoryValues(const TPlaceMemory& memory);

// The memory kept at `path`; none when there is no file. EPlaceMemoryError when the path is no
// regular file, cannot be read, is larger than MaxPlaceMemoryBytes, is not INI text, or lacks a
// key or holds a value outside what its field accepts.
std::optional<TPlaceMemory> ReadPlaceMemory(const QString& path);
// Writes `memory` to `path` (the folder made if missing), replacing the file whole, also one
// that cannot be read. EPlaceMemoryError when that fails; the file is then as it was.
void WritePlaceMemory(const QString& path, const TPlaceMemory& memory);
// Removes the file at `path` when there is one. EPlaceMemoryError when it stays.
void RemovePlaceMemory(const QString& path);

}  // namespace orvandel
