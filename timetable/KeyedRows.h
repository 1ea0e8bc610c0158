#pragma once
// The tables of the core (methods, juristic methods, prayers, output formats) have a Key per
// row: the value the command's options take. These two read any such table.

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvandel {

// The rows' keys joined by `separator`: "mwl|egypt|karachi|ummalqura|isna".
template <typename Rows>
std::string JoinedKeys(const Rows& rows, std::string_view separator) {
    std::string keys;
    for (const auto& row : rows) {
        if (!keys.empty()) {
            keys += separator;
        }
        keys += row.Key;
    }
    return keys;
}

// Whether two texts are equal but for the case of ASCII letters.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The index of the row whose key is `text` in any case; -1 for none.
template <typename Rows>
int IndexOfKey(const Rows& rows, std::string_view text) {
    int index = 0;
    for (const auto& row : rows) {
        if (EqualsIgnoringCase(row.Key, text)) {
            return index;
        }
        ++index;
    }
    return -1;
}

}  // namespace orvandel
