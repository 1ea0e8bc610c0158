#pragma once
// The gazetteer: the towns of 15,000 people and more of the GeoNames database (about 24,000),
// as Debian's libgeonames holds them (read by the build into TownData.h's text), with their
// first-level region, country, coordinates, IANA time zone and population; found by name, and
// turned into a catalogue-shaped entry so that a place found by name is applied and clocked as a
// catalogue city is. Shared by the window's find field and orvandel-table's --place.

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Errors.h"
#include "timetable/CityCatalogue.h"

namespace orvandel {

// The gazetteer's data cannot be read (the library holds no places).
class EGazetteerError : public EPlatformError {
  public:
    using EPlatformError::EPlatformError;
};

struct TPlace {
    std::string Name;         // "Leeds", as libgeonames gives it untranslated (so all fields)
    std::string Region;       // first-level division, "England"; may be empty
    std::string Country;      // "United Kingdom"
    std::string CountryCode;  // ISO 3166-1 alpha-2, "GB"
    std::string Zone;         // IANA time zone, "Europe/London"
    double Latitude = 0.0;    // degrees, north positive
    double Longitude = 0.0;   // degrees, east positive
    uint32_t Population = 0;
    std::string Caption;  // "Leeds, England, GB" (set by TGazetteer): how lines and lists name it
};

// A place's names in one language; views into the gazetteer that gave them.
struct TPlaceNames {
    std::string_view Name;     // "ليدز"
    std::string_view Region;   // "إنجلترا"; empty where the place has no region
    std::string_view Country;  // "المملكة المتحدة"
};

// One language's names of places, where its translation differs from the untranslated name.
struct TLocalNames {
    std::string Language;                               // gettext's code, "ar"
    std::vector<std::pair<size_t, std::string>> Towns;  // index into the places, name
    // (country code, untranslated region) -> translated: one region name may read differently
    // in two countries.
    std::map<std::pair<std::string, std::string>, std::string> Regions;
    std::map<std::string, std::string, std::less<>> Countries;  // country code -> translated
};

// "Leeds, England, GB"; "Name, CC" without a region.
std::string PlaceCaption(const TPlace& place);

// The text as the search compares it: letters transliterated to ASCII ("São" -> "Sao",
// "Tromsø" -> "Tromso"), lower case, blanks at either end removed and runs of blanks made one.
std::string FoldedName(std::string_view text);
// The fewest single-character insertions, deletions and substitutions that turn `a` into `b`
// (bytes; callers compare folded ASCII texts).
int EditDistance(std::string_view a, std::string_view b);

class TGazetteer {
  public:
    // A gazetteer of these places (captions set here), in any order, with their names in the
    // languages of `local`. EGazetteerError for a local town index beyond the places, a town
    // named twice in one language, or a language given twice.
    explicit TGazetteer(std::vector<TPlace> places, std::vector<TLocalNames> local = {});
    // The system's gazetteer, read from the texts that the build wrote from libgeonames
    // (tens of milliseconds), with the names that its translations give in the window's
    // languages. EGazetteerError when a line of them is malformed or it holds no places.
    static TGazetteer Read();
    // The system's gazetteer, read on the first call and kept to the end of the program.
    static const TGazetteer& Installed();

    std::span<const TPlace> Places() const { return FPlaces; }
    // The languages that local names were given for, in the order given.
    std::vector<std::string_view> Languages() const;

    // The names of `place` (one of Places()) in `language` ("ar"), each the untranslated one
    // where the language has none of its own or is not one of Languages() (as "en" or "").
    // EGazetteerError for a place that is not one of Places().
    TPlaceNames Names(const TPlace& place, std::string_view language) const;
    // Its caption, "Leeds, England, GB", of its names in `language` as Names() gives them.
    std::string Caption(const TPlace& place, std::string_view language) const;

    // The places that `query` names, best first. The text up to the first comma is the name;
    // each further comma-separated part narrows the places to those whose country code, country
    // or region it names (a code equal, a country or region name beginning with it, in any case:
    // "Birmingham, US", "Springfield, Illinois", "Medina, SA"). A name matches a place whose
    // folded name equals it, begins with it, or has a word that begins with it; equal names come
    // first, then names beginning with it, then the rest, each by population, most populous
    // first. Empty for an empty name. With a `language` of Languages(), a place's name in that
    // language is matched too (the better rank of the two counts), and its region and country
    // in that language narrow too; any other language searches the untranslated names alone.
    std::vector<const TPlace*> Search(std::string_view query, std::string_view language = {}) const;
    // Up to `count` places of distinct captions whose folded names are nearest (by EditDistance)
    // to the name part of `query` (its first 64 bytes), nearest first, the more populous first
    // among equals: what a search that found nothing can suggest.
    std::vector<const TPlace*> Nearest(std::string_view query, size_t count) const;

  private:
    struct TKeys {
        std::string Name, Region, Country, Code;  // folded
    };
    struct TLocal {
        TLocalNames Names;                     // Towns by index
        std::vector<std::string> FoldedTowns;  // by Names.Towns' order
        std::map<std::pair<std::string, std::string>, std::string> FoldedRegions;  // as Regions
        std::map<std::string, std::string, std::less<>> FoldedCountries;           // as Countries
    };
    const TLocal* Local(std::string_view language) const;  // nullptr for none

    std::vector<TPlace> FPlaces;
    std::vector<TKeys> FKeys;  // by index into FPlaces
    std::vector<TLocal> FLocal;
};

// The entry that choosing `place` applies (ApplyCity) and whose zone its clock follows
// (PlaceZone), as for a catalogue city: its coordinates to four decimals (as the fields keep
// them), its zone's standard offset at 12:00 UTC of the fixed date `fixed` in the zone fields,
// elevation 0, the method MethodForCountry gives its country and that method's juristic
// method. Its caption and zone view into `place`, which must outlive it. EUnknownZone for a zone
// the system's database does not hold; ERangeError for a standard offset the fields cannot
// express (not whole minutes, or between -1 h and 0).
TCityEntry PlaceEntry(const TPlace& place, int32_t fixed);

// Up to three catalogue cities whose captions lie near `caption` (folded, at most two edits; one
// for a text of fewer than four letters), nearest first: what an unknown city may have meant.
std::vector<const TCityEntry*> CitiesNear(std::string_view caption);

}  // namespace orvandel
