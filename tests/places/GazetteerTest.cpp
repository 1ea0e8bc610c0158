// The gazetteer as the window's find field and orvandel-table --place use it: the installed
// libgeonames data searched by name, each place's zone read by the core's zone reader, and the
// catalogue's near misses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "places/Gazetteer.h"
#include "platform/TimeZone.h"
#include "timetable/CalcMethods.h"
#include "timetable/SettingsRules.h"

namespace orvandel {
namespace {

TEST(Gazetteer, SearchFindsTheTownMeant) {
    struct Row {
        const char* Query;
        const char* First;  // caption of the first match, "" for none
        const char* Zone;
        const char* Language = "";  // the names searched besides the untranslated ones
    };
    const Row rows[] = {
        {"Leeds", "Leeds, England, GB", "Europe/London"},
        {"  leeds ", "Leeds, England, GB", "Europe/London"},
        {"Birmingham", "Birmingham, England, GB", "Europe/London"},
        {"Birmingham, US", "Birmingham, Alabama, US", "America/Chicago"},
        {"Birmingham, michigan", "Birmingham, Michigan, US", "America/Detroit"},
        {"Birmingham,United States", "Birmingham, Alabama, US", "America/Chicago"},
        {"Medina", "Medina, Medina Region, SA", "Asia/Riyadh"},
        {"Medina, MX", "Medina, Guanajuato, MX", "America/Mexico_City"},
        {"Medina، MX", "Medina, Guanajuato, MX", "America/Mexico_City"},  // Arabic comma
        {"Springfield, Illinois", "Springfield, Illinois, US", "America/Chicago"},
        {"Springfield, Illinois, US", "Springfield, Illinois, US", "America/Chicago"},
        {"Makkah", "Makkah al Mukarramah, Mecca Region, SA", "Asia/Riyadh"},
        {"London ", "London, England, GB", "Europe/London"},
        {"Kyiv", "Kyiv, Kyiv City, UA", ""},
        {"São Paulo", "São Paulo, São Paulo, BR", "America/Sao_Paulo"},
        {"sao   paulo", "São Paulo, São Paulo, BR", "America/Sao_Paulo"},
        {"Tromso", "Tromsø, Troms og Finnmark, NO", "Europe/Oslo"},
        // A name in a script without an ASCII form is found by itself, and only by itself.
        {"ЗУУНМОД", "Зуунмод, Central Aimak, MN", "Asia/Ulaanbaatar"},
        {"???", "", ""},
        // A name that is an earlier word of a longer name comes after the names equal to it.
        {"York", "York, England, GB", "Europe/London"},
        {"Leeds, FR", "", ""},
        {"Qwxyzzq", "", ""},
        {"", "", ""},
        {" , GB", "", ""},
        {"\xff\xfe", "", ""},
        // Names in a language of the window, as libgeonames translates them; the untranslated
        // names still match, and without the language the translated ones do not.
        {"يورك", "York, England, GB", "Europe/London", "ar"},
        {"York", "York, England, GB", "Europe/London", "ar"},
        {"يورك", "", ""},
        {"Le Caire", "Cairo, Cairo Governorate, EG", "Africa/Cairo", "fr"},
        {"le caire", "", "", "de"},
        {"Kairo", "Cairo, Cairo Governorate, EG", "Africa/Cairo", "de"},
        {"München", "Munich, Bavaria, DE", "Europe/Berlin", "de"},
        {"Munchen", "Munich, Bavaria, DE", "Europe/Berlin", "de"},
        {"Şam", "Damascus, Damascus Governorate, SY", "Asia/Damascus", "tr"},
        {"ঢাকা", "Dhaka, Dhaka, BD", "Asia/Dhaka", "bn"},
        // Narrowed by the region's or the country's name in the language.
        {"London, Angleterre", "London, England, GB", "Europe/London", "fr"},
        {"London, Kanada", "London, Ontario, CA", "America/Toronto", "de"},
        {"London, Kanada", "", "", "fr"},
        {"Cairo", "Cairo, Cairo Governorate, EG", "Africa/Cairo", "sw"},  // no such names
    };
    const TGazetteer& gazetteer = TGazetteer::Installed();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Query);
        const std::vector<const TPlace*> found = gazetteer.Search(row.Query, row.Language);
        if (*row.First == '\0') {
            EXPECT_TRUE(found.empty()) << found.front()->Caption;
            continue;
        }
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front()->Caption, row.First);
        if (*row.Zone != '\0') {
            EXPECT_EQ(found.front()->Zone, row.Zone);
        }
    }
    // Medina of Saudi Arabia first, and the other towns of that name before the longer names.
    const std::vector<const TPlace*> medina = gazetteer.Search("Medina");
    ASSERT_GE(medina.size(), 4u);
    EXPECT_EQ(medina[1]->Name, "Medina");
    EXPECT_EQ(medina[2]->Name, "Medina");
    EXPECT_NE(medina[3]->Name, "Medina");
}

// A place's names in a language: each the translation where libgeonames has one, else the
// untranslated name; untranslated for a language the gazetteer has no names in.
TEST(Gazetteer, NamesInALanguage) {
    struct Row {
        const char* Query;
        const char* Language;
        const char* Name;
        const char* Region;
        const char* Country;
        const char* Caption;
    };
    const Row rows[] = {
        {"York, GB", "ar", "يورك", "إنجلترا", "المملكة المتحدة", "يورك, إنجلترا, GB"},
        {"York, GB", "fr", "York", "Angleterre", "Royaume Uni", "York, Angleterre, GB"},
        {"York, GB", "de", "York", "England", "Vereinigtes Königreich", "York, England, GB"},
        {"York, GB", "en", "York", "England", "United Kingdom", "York, England, GB"},
        {"York, GB", "", "York", "England", "United Kingdom", "York, England, GB"},
        {"Cairo, EG", "ms", "Kaherah", "", "", ""},
        {"Cairo, EG", "id", "Kairo", "", "", ""},
    };
    const TGazetteer& gazetteer = TGazetteer::Installed();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.Query) + " " + row.Language);
        const std::vector<const TPlace*> found = gazetteer.Search(row.Query);
        ASSERT_FALSE(found.empty());
        const TPlaceNames names = gazetteer.Names(*found.front(), row.Language);
        EXPECT_EQ(names.Name, row.Name);
        if (*row.Caption != '\0') {
            EXPECT_EQ(names.Region, row.Region);
            EXPECT_EQ(names.Country, row.Country);
            EXPECT_EQ(gazetteer.Caption(*found.front(), row.Language), row.Caption);
        }
    }
    // A place of another gazetteer (or a copy) has no index here.
    const TPlace copy = *gazetteer.Search("York").front();
    EXPECT_THROW(gazetteer.Names(copy, "ar"), EGazetteerError);
}

// The local names a gazetteer is given: by town index, checked against its places.
TEST(Gazetteer, LocalNamesGiven) {
    const auto make = [](std::vector<TLocalNames> local) {
        TPlace york;
        york.Name = "York";
        york.Region = "England";
        york.Country = "United Kingdom";
        york.CountryCode = "GB";
        TPlace paris = york;
        paris.Name = "Paris";
        paris.Region = "Île-de-France";
        paris.Country = "France";
        paris.CountryCode = "FR";
        return TGazetteer({york, paris}, std::move(local));
    };
    TLocalNames ar{"ar", {{1, "باريس"}, {0, "يورك"}}, {{{"GB", "England"}, "إنجلترا"}}, {}};
    const TGazetteer gazetteer = make({ar});
    const auto paris = gazetteer.Search("باريس", "ar");
    ASSERT_EQ(paris.size(), 1u);
    EXPECT_EQ(paris.front()->Name, "Paris");
    EXPECT_EQ(gazetteer.Names(gazetteer.Places()[0], "ar").Name, "يورك");
    EXPECT_EQ(gazetteer.Names(gazetteer.Places()[0], "ar").Region, "إنجلترا");
    EXPECT_EQ(gazetteer.Names(gazetteer.Places()[1], "ar").Region, "Île-de-France");
    EXPECT_EQ(gazetteer.Search("York, إنجلترا", "ar").size(), 1u);
    EXPECT_TRUE(gazetteer.Search("York, إنجلترا").empty());

    TLocalNames beyond{"fr", {{2, "Nowhere"}}, {}, {}};
    EXPECT_THROW(make({beyond}), EGazetteerError);
    TLocalNames twice{"fr", {{0, "Yorc"}, {0, "Yorque"}}, {}, {}};
    EXPECT_THROW(make({twice}), EGazetteerError);
    EXPECT_THROW(make({ar, ar}), EGazetteerError);
}

// Every zone of the gazetteer is one the zone reader knows, and every place turns into an
// entry whose zone fields hold that zone's standard offset, so that the place's clock is
// always its zone's (PlaceZone compares the fields with the entry).
TEST(Gazetteer, EveryPlaceHasAZoneAndAnEntry) {
    const TGazetteer& gazetteer = TGazetteer::Installed();
    EXPECT_GT(gazetteer.Places().size(), 24000u);
    std::map<std::string, const TPlace*> zones;
    for (const TPlace& place : gazetteer.Places()) {
        zones.emplace(place.Zone, &place);
    }
    constexpr int32_t fixed = 739744;  // 8 May 2026
    for (const auto& [zone, place] : zones) {
        SCOPED_TRACE(place->Caption + " " + zone);
        EXPECT_NO_THROW(PlaceEntry(*place, fixed));
    }
    std::printf("%zu places, %zu zones\n", gazetteer.Places().size(), zones.size());
}

TEST(Gazetteer, EntryOfAPlaceIsACatalogueCity) {
    struct Row {
        const char* Query;
        double Latitude, Longitude;  // degrees, four decimals as the fields keep them
        int GmtHours, GmtMinutes;
        int Method;
    };
    const Row rows[] = {
        // -1.54785 is stored as -1.5478499999...: the fields and place lines show -1.5478.
        {"Leeds", 53.7965, -1.5478, 0, 0, MethodForCountry("GB")},
        {"Birmingham, US", 33.5207, -86.8025, -6, 0, MethodForCountry("US")},
        {"Medina, SA", 24.4686, 39.6142, 3, 0, MethodForCountry("SA")},
        {"St. John's, CA", 47.5649, -52.7093, -3, 30, MethodForCountry("CA")},
        {"Kathmandu", 27.7017, 85.3206, 5, 45, MethodForCountry("NP")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Query);
        const std::vector<const TPlace*> found = TGazetteer::Installed().Search(row.Query);
        ASSERT_FALSE(found.empty());
        const TCityEntry entry = PlaceEntry(*found.front(), 739744);
        EXPECT_EQ(entry.Latitude, row.Latitude);
        EXPECT_EQ(entry.Longitude, row.Longitude);
        EXPECT_EQ(entry.GmtHours, row.GmtHours);
        EXPECT_EQ(entry.GmtMinutes, row.GmtMinutes);
        EXPECT_EQ(entry.Elevation, 0);
        EXPECT_EQ(entry.CalcMethod, row.Method);
        EXPECT_EQ(entry.Caption, found.front()->Caption);
        EXPECT_EQ(entry.IanaZone, found.front()->Zone);
        EXPECT_EQ(entry.Tag, 0);
    }
    TPlace nowhere;
    nowhere.Name = "Olympus";
    nowhere.Zone = "Mars/Olympus_Mons";
    EXPECT_THROW(PlaceEntry(nowhere, 739744), EUnknownZone);
}

TEST(Gazetteer, NearestNamesAndNearMisses) {
    struct Distance {
        const char* A;
        const char* B;
        int Edits;
    };
    for (const Distance& d : std::initializer_list<Distance>{{"londn", "london", 1},
                                                             {"kitten", "sitting", 3},
                                                             {"", "abc", 3},
                                                             {"mecca", "mecca", 0},
                                                             {"ab", "ba", 2}}) {
        EXPECT_EQ(EditDistance(d.A, d.B), d.Edits) << d.A << " " << d.B;
        EXPECT_EQ(EditDistance(d.B, d.A), d.Edits) << d.B << " " << d.A;
    }
    const TGazetteer& gazetteer = TGazetteer::Installed();
    const std::vector<const TPlace*> nearest = gazetteer.Nearest("Leedz, GB", 3);
    ASSERT_EQ(nearest.size(), 3u);
    EXPECT_EQ(nearest.front()->Caption, "Leeds, England, GB");
    // The nearest names are those of every name's full distance, whatever the search skips.
    std::vector<std::string> names;
    for (const TPlace& place : gazetteer.Places()) {
        names.push_back(FoldedName(place.Name));
    }
    for (const std::string& query :
         std::vector<std::string>{"Qwxyzzq", "Birmingam", "x", std::string(100, '7')}) {
        const std::string folded = FoldedName(query).substr(0, 64);
        std::vector<std::tuple<int, int64_t, std::string>> all;
        for (size_t i = 0; i < names.size(); ++i) {
            const TPlace& place = gazetteer.Places()[i];
            all.emplace_back(EditDistance(names[i], folded),
                             -static_cast<int64_t>(place.Population), place.Caption);
        }
        std::sort(all.begin(), all.end());
        std::vector<std::string> expected, found;
        for (size_t i = 0; i < 3; ++i) {
            expected.push_back(std::get<2>(all[i]));
            found.push_back(gazetteer.Nearest(query, 3).at(i)->Caption);
        }
        EXPECT_EQ(found, expected) << query;
    }

    struct Miss {
        const char* Typed;
        std::vector<std::string> Meant;
    };
    const Miss misses[] = {
        {"Londn", {"London"}},  {" kyiv ", {"Kiev"}},
        {"Medina", {"Madina"}}, {"Sao  Paulo", {"Sao Paulo"}},
        {"Atlantis", {}},       {"Makkah", {}},
        {"Montreal", {}},  // never listed: not suggested either
    };
    for (const Miss& miss : misses) {
        std::vector<std::string> meant;
        for (const TCityEntry* city : CitiesNear(miss.Typed)) {
            meant.emplace_back(city->Caption);
        }
        EXPECT_EQ(meant, miss.Meant) << miss.Typed;
    }
}

}  // namespace
}  // namespace orvandel
