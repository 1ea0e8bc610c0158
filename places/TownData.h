#pragma once
// The gazetteer's data as the build writes it (places/generator/WriteTownData.cpp, run on the
// build host): libgeonames' towns with their translated names and GLib's transliteration and case
// folding, turned into constants of TownData.cpp in the build tree, so that no program of ours
// links libgeonames or GLib at run time.

#include <span>
#include <string_view>

namespace orvandel::towndata {

// The towns in libgeonames' order, one a line ending in '\n', its fields separated by tabs:
// name, region (may be empty), country, country code, IANA zone, latitude and longitude (degrees,
// north and east positive, in the shortest decimal form that reads back as the library's value)
// and population. Split into parts of whole lines, each under 64 KiB.
std::span<const std::string_view> TownText();

// The names that libgeonames' translations into one of the window's languages give where they
// differ from the untranslated ones; each text split into parts of whole lines as TownText.
struct TLocalText {
    std::string_view Language;  // gettext's code, "ar"
    // "index\tname\n" by index: the town of that line of TownText (from 0), its name.
    std::span<const std::string_view> Towns;
    // "country code\tuntranslated\ttranslated\n" by code and untranslated name: a region's name
    // (one name may read differently in two countries).
    std::span<const std::string_view> Regions;
    // "country code\ttranslated\n" by code: a country's name.
    std::span<const std::string_view> Countries;
};
// One row per language, in the order the build named them.
std::span<const TLocalText> LocalTexts();

// One character's replacement: a Unicode code point and the UTF-8 text that stands for it.
struct TCharForm {
    char32_t CodePoint;
    std::string_view Form;
};

// GLib's transliteration to ASCII (g_str_to_ascii for the "C" locale) of each character that has
// one, by code point; a character missing here reads "?".
std::span<const TCharForm> AsciiForms();
// GLib's case folding (g_utf8_casefold) of each character that it changes, by code point.
std::span<const TCharForm> CaseFolds();

}  // namespace orvandel::towndata
