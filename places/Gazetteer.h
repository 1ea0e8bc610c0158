#pragma once
// The gazetteer: the towns of 15,000 people and more of the GeoNames database (about 24,000),
// as Debian's libgeonames holds them (read by the build into TownData.h's text), with their
// first-level region, country, coordinates, IANA time zone and population; found by name, and
// turned into a catalogue-shaped entry so that a place found by name is applied and clocked as a
// catalogue city is. Shared by the window's find field and orvandel-table's --place.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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
    std::string Name;         // "Leeds", as libgeonames gives it untranslated
    std::string Region;       // first-level division, "England"; may be empty
    std::string Country;      // "United Kingdom"
    std::string CountryCode;  // ISO 3166-1 alpha-2, "GB"
    std::string Zone;         // IANA time zone, "Europe/London"
    double Latitude = 0.0;    // degrees, north positive
    double Longitude = 0.0;   // degrees, east positive
    uint32_t Population = 0;
    std::string Caption;  // "Leeds, England, GB" (set by TGazetteer): how lines and lists name it
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
    // A gazetteer of these places (captions set here), in any order.
    explicit TGazetteer(std::vector<TPlace> places);
    // The system's gazetteer, read from the town text that the build wrote from libgeonames
    // (tens of milliseconds). EGazetteerError when a line of it is malformed or it holds no
    // places.
    static TGazetteer Read();
    // The system's gazetteer, read on the first call and kept to the end of the program.
    static const TGazetteer& Installed();

    std::span<const TPlace> Places() const { return FPlaces; }

    // The places that `query` names, best first. The text up to the first comma is the name;
    // each further comma-separated part narrows the places to those whose country code, country
    // or region it names (a code equal, a country or region name beginning with it, in any case:
    // "Birmingham, US", "Springfield, Illinois", "Medina, SA"). A name matches a place whose
    // folded name equals it, begins with it, or has a word that begins with it; equal names come
    // first, then names beginning with it, then the rest, each by population, most populous
    // first. Empty for an empty name.
    std::vector<const TPlace*> Search(std::string_view query) const;
    // Up to `count` places of distinct captions whose folded names are nearest (by EditDistance)
    // to the name part of `query` (its first 64 bytes), nearest first, the more populous first
    // among equals: what a search that found nothing can suggest.
    std::vector<const TPlace*> Nearest(std::string_view query, size_t count) const;

  private:
    struct TKeys {
        std::string Name, Region, Country, Code;  // folded
    };
    std::vector<TPlace> FPlaces;
    std::vector<TKeys> FKeys;  // by index into FPlaces
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
