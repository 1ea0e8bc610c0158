// The gazetteer's compiled-in data against the libraries the build read it from: every town as
// libgeonames gives it, and every character folded as GLib's transliteration and case folding
// fold it (the gazetteer's own folding reads the tables the build wrote from GLib).
#include <geonames.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "places/Gazetteer.h"

namespace orvandel {
namespace {

struct TGFree {
    void operator()(gchar* text) const { g_free(text); }
};
using TGText = std::unique_ptr<gchar, TGFree>;

TEST(TownData, EveryTownAsLibgeonamesGivesIt) {
    const auto places = TGazetteer::Installed().Places();
    ASSERT_EQ(places.size(), static_cast<size_t>(geonames_get_n_cities()));
    const auto text = [](const gchar* t) { return std::string(t != nullptr ? t : ""); };
    for (size_t i = 0; i < places.size(); ++i) {
        const std::unique_ptr<GeonamesCity, decltype(&geonames_city_free)> city(
            geonames_get_city(static_cast<gint>(i)), &geonames_city_free);
        ASSERT_NE(city, nullptr) << i;
        const TPlace& place = places[i];
        SCOPED_TRACE(place.Caption);
        EXPECT_EQ(place.Name, text(geonames_city_get_name(city.get())));
        EXPECT_EQ(place.Region, text(geonames_city_get_state(city.get())));
        EXPECT_EQ(place.Country, text(geonames_city_get_country(city.get())));
        EXPECT_EQ(place.CountryCode, text(geonames_city_get_country_code(city.get())));
        EXPECT_EQ(place.Zone, text(geonames_city_get_timezone(city.get())));
        EXPECT_EQ(place.Latitude, geonames_city_get_latitude(city.get()));  // exact
        EXPECT_EQ(place.Longitude, geonames_city_get_longitude(city.get()));
        EXPECT_EQ(place.Population, geonames_city_get_population(city.get()));
    }
}

// Every town's name, region and country in one language of the window as libgeonames'
// translations give them. ctest runs it once per language (test_places_names_<language>), with
// ORVANDEL_TOWN_LANGUAGE naming it and this test alone in the process: libgeonames translates its
// names once, when a process first asks it for a town.
TEST(TownNames, EveryTownInTheLanguageAsLibgeonamesGivesIt) {
    const char* const language = std::getenv("ORVANDEL_TOWN_LANGUAGE");
    ASSERT_NE(language, nullptr) << "run by ctest with ORVANDEL_TOWN_LANGUAGE set";
    ASSERT_EQ(setenv("LANGUAGE", language, 1), 0);
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    const TGazetteer& gazetteer = TGazetteer::Installed();
    const auto languages = gazetteer.Languages();
    ASSERT_NE(std::find(languages.begin(), languages.end(), language), languages.end());
    const auto places = gazetteer.Places();
    ASSERT_EQ(places.size(), static_cast<size_t>(geonames_get_n_cities()));
    const auto text = [](const gchar* t) { return std::string(t != nullptr ? t : ""); };
    size_t named = 0;  // towns whose name in the language differs from the untranslated one
    for (size_t i = 0; i < places.size(); ++i) {
        const std::unique_ptr<GeonamesCity, decltype(&geonames_city_free)> city(
            geonames_get_city(static_cast<gint>(i)), &geonames_city_free);
        ASSERT_NE(city, nullptr) << i;
        SCOPED_TRACE(places[i].Caption);
        const TPlaceNames names = gazetteer.Names(places[i], language);
        EXPECT_EQ(names.Name, text(geonames_city_get_name(city.get())));
        EXPECT_EQ(names.Region, text(geonames_city_get_state(city.get())));
        EXPECT_EQ(names.Country, text(geonames_city_get_country(city.get())));
        named += names.Name != places[i].Name ? 1 : 0;
    }
    // Equal on both sides could also mean that neither applied the language.
    EXPECT_GT(named, 0u);
    std::printf("%s: %zu of %zu towns named otherwise\n", language, named, places.size());
}

// The folding done with GLib itself: invalid bytes made U+FFFD, the text transliterated for the
// "C" locale, characters without an ASCII form case-folded where any would read "?", ASCII
// lower case, blanks trimmed and runs of them made one.
std::string GLibFolded(const std::string& text) {
    const TGText valid(g_utf8_make_valid(text.c_str(), -1));
    const std::string utf8 = valid.get();
    const auto toAscii = [](const std::string& from) {
        return std::string(TGText(g_str_to_ascii(from.c_str(), "C")).get());
    };
    std::string mixed = toAscii(utf8);
    if (std::count(mixed.begin(), mixed.end(), '?') != std::count(utf8.begin(), utf8.end(), '?')) {
        mixed.clear();
        for (const char* p = utf8.c_str(); *p != '\0';) {
            const char* next = g_utf8_next_char(p);
            const std::string one(p, next);
            const std::string ascii = toAscii(one);
            mixed += ascii != "?" || one == "?"
                         ? ascii
                         : std::string(TGText(g_utf8_casefold(one.c_str(), -1)).get());
            p = next;
        }
    }
    const TGText lower(g_ascii_strdown(mixed.c_str(), -1));
    const std::unique_ptr<gchar*, decltype(&g_strfreev)> words(
        g_strsplit_set(lower.get(), " \t\n\v\f\r", -1), &g_strfreev);
    std::string folded;
    for (gchar** word = words.get(); *word != nullptr; ++word) {
        if (**word != '\0') {
            folded += (folded.empty() ? "" : " ") + std::string(*word);
        }
    }
    return folded;
}

TEST(TownData, FoldedNameFoldsEveryCharacterAsGLib) {
    int differing = 0;
    for (gunichar code = 1; code <= 0x10FFFF && differing < 10; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) {
            continue;
        }
        char utf8[8] = {};
        g_unichar_to_utf8(code, utf8);
        const std::string text = std::string("A") + utf8 + "b";  // within a word
        if (FoldedName(text) != GLibFolded(text)) {
            ++differing;
            ADD_FAILURE() << "U+" << std::hex << code << ": " << FoldedName(text) << " against "
                          << GLibFolded(text);
        }
    }
}

TEST(TownData, FoldedNameFoldsTextsAsGLib) {
    const char* const texts[] = {
        "Zürich Зуунмод",
        "ＴＯＫＹＯ？",
        "Tromsø ⁇",
        "Şanlıurfa",
        "İstanbul",
        "Straße\tGroß",
        "  ÀÉÎ  õü  ",
        "東京 Tōkyō",
        "a?б?c",
        // Malformed UTF-8: a stray continuation, overlong forms, a surrogate, beyond U+10FFFF,
        // sequences cut short inside and at the end, bytes that begin nothing.
        "a\x80z",
        "\xC0\xAF",
        "\xE0\x80\xAF",
        "\xED\xA0\x80",
        "\xF4\x90\x80\x80",
        "\xE2\x82z",
        "S\xC3",
        "\xF0\x9F\x98",
        "\xFF\xFE",
        "\xF8\x88\x80\x80\x80",
    };
    for (const char* text : texts) {
        EXPECT_EQ(FoldedName(text), GLibFolded(text)) << text;
    }
}

}  // namespace
}  // namespace orvandel
