#pragma once
// The gazetteer's data as the build writes it (places/generator/WriteTownData.cpp, run on the
// build host): libgeonames' towns and GLib's transliteration and case folding, turned into
// constants of TownData.cpp in the build tree, so that no program of ours links libgeonames or
// GLib at run time.

#include <span>
#include <string_view>

namespace orvandel::towndata {

// The towns in libgeonames' order, one a line ending in '\n', its fields separated by tabs:
// name, region (may be empty), country, country code, IANA zone, latitude and longitude (degrees,
// north and east positive, in the shortest decimal form that reads back as the library's value)
// and population. Split into parts of whole lines, each under 64 KiB.
std::span<const std::string_view> TownText();

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
