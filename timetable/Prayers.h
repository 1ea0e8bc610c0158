#pragma once
// The six times of a row, one entry each: what the table, the data formats, the calendar
// events and the command's --events and --next call them. Every per-prayer array of a row is
// indexed by Prayer.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvandel {

enum Prayer : std::size_t { Fajr, Shrook, Dhuhr, Asr, Maghrib, Isha };
inline constexpr std::size_t PrayerCount = 6;

struct TPrayerInfo {
    Prayer Index;
    std::string_view Key;       // field name of csv and json, --events value: "shrook"
    std::string_view Name;      // column caption and event summary: "Shrook"
    std::string_view NextName;  // what --next calls it: "Sunrise"
};

// clang-format off
inline constexpr std::array<TPrayerInfo, PrayerCount> Prayers = {{
    {Fajr,    "fajr",    "Fajr",    "Fajr"},
    {Shrook,  "shrook",  "Shrook",  "Sunrise"},
    {Dhuhr,   "dhuhr",   "Dhuhr",   "Dhuhr"},
    {Asr,     "asr",     "Asr",     "Asr"},
    {Maghrib, "maghrib", "Maghrib", "Maghrib"},
    {Isha,    "isha",    "Isha",    "Isha"},
}};
// clang-format on

constexpr bool PrayersInIndexOrder() {
    for (std::size_t p = 0; p < PrayerCount; ++p) {
        if (Prayers[p].Index != p) {
            return false;
        }
    }
    return true;
}
static_assert(PrayersInIndexOrder(), "a prayer's row stands at another index");

// The row of prayer p (0 Fajr ... 5 Isha); ERangeError for another p.
const TPrayerInfo& PrayerAt(int prayer);

// The prayer whose key or next-name matches `text` in any case ("Sunrise" is Shrook); null
// for none.
const TPrayerInfo* FindPrayer(std::string_view text);

}  // namespace orvandel
