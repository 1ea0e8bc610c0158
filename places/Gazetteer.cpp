#include "places/Gazetteer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <tuple>

#include "places/TownData.h"
#include "timetable/CalcMethods.h"
#include "timetable/TableClock.h"

namespace orvandel {

namespace {

constexpr int64_t SecondsPerDay = 86400;

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Calls `take(fields, fail)` for each line of `parts` (whole lines ending in '\n', fields
// separated by tabs) that has `fieldCount` fields; `fail(why)` throws EGazetteerError naming
// `what`, the line's number and the line. A line without its end or of another field count
// fails.
template <typename TTake>
void ReadLines(std::span<const std::string_view> parts, const char* what, size_t fieldCount,
               TTake take) {
    size_t lineNumber = 0;
    for (const std::string_view part : parts) {
        for (size_t at = 0; at < part.size();) {
            const size_t end = part.find('\n', at);
            const std::string_view line = part.substr(at, end - at);
            ++lineNumber;
            const auto fail = [&](const std::string& why) {
                throw EGazetteerError(std::string("gazetteer: ") + what + " line " +
                                      std::to_string(lineNumber) + " \"" + std::string(line) +
                                      "\" " + why);
            };
            if (end == std::string_view::npos) {
                fail("has no end");
            }
            std::vector<std::string_view> fields;
            for (size_t from = 0;;) {
                const size_t tab = line.find('\t', from);
                fields.push_back(line.substr(from, tab - from));
                if (tab == std::string_view::npos) {
                    break;
                }
                from = tab + 1;
            }
            if (fields.size() != fieldCount) {
                fail("has " + std::to_string(fields.size()) + " fields, not " +
                     std::to_string(fieldCount));
            }
            take(fields, fail);
            at = end + 1;
        }
    }
}

// `text` read whole as a number into `value`; else `fail` is called.
template <typename TNumber, typename TFail>
void ReadNumber(std::string_view text, TNumber& value, const TFail& fail) {
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || ptr != text.data() + text.size()) {
        fail("has \"" + std::string(text) + "\" for a number");
    }
}

// The places of the town text that the build wrote from libgeonames (TownData.h).
std::vector<TPlace> ReadTownText() {
    std::vector<TPlace> places;
    ReadLines(towndata::TownText(), "town", 8, [&](const auto& fields, const auto& fail) {
        TPlace& place = places.emplace_back();
        place.Name = fields[0];
        place.Region = fields[1];
        place.Country = fields[2];
        place.CountryCode = fields[3];
        place.Zone = fields[4];
        ReadNumber(fields[5], place.Latitude, fail);
        ReadNumber(fields[6], place.Longitude, fail);
        ReadNumber(fields[7], place.Population, fail);
    });
    if (places.empty()) {
        throw EGazetteerError("gazetteer: the build's town text holds no places");
    }
    return places;
}

// The names in the window's languages that the build wrote from libgeonames' translations.
std::vector<TLocalNames> ReadLocalTexts() {
    std::vector<TLocalNames> local;
    for (const towndata::TLocalText& text : towndata::LocalTexts()) {
        TLocalNames& names = local.emplace_back();
        names.Language = text.Language;
        const std::string what = names.Language + " town";
        ReadLines(text.Towns, what.c_str(), 2, [&](const auto& fields, const auto& fail) {
            size_t index = 0;
            ReadNumber(fields[0], index, fail);
            names.Towns.emplace_back(index, std::string(fields[1]));
        });
        const std::string regions = names.Language + " region";
        ReadLines(text.Regions, regions.c_str(), 3, [&](const auto& fields, const auto& fail) {
            if (!names.Regions.emplace(std::pair(fields[0], fields[1]), fields[2]).second) {
                fail("names a region named before");
            }
        });
        const std::string countries = names.Language + " country";
        ReadLines(text.Countries, countries.c_str(), 2, [&](const auto& fields, const auto& fail) {
            if (!names.Countries.emplace(fields[0], fields[1]).second) {
                fail("names a country named before");
            }
        });
    }
    return local;
}

// The text that stands for code point `code` in `forms` (sorted by code point); `none` where
// `forms` has no row for it.
std::string_view CharForm(std::span<const towndata::TCharForm> forms, char32_t code,
                          std::string_view none) {
    const auto found = std::lower_bound(
        forms.begin(), forms.end(), code,
        [](const towndata::TCharForm& row, char32_t c) { return row.CodePoint < c; });
    return found != forms.end() && found->CodePoint == code ? found->Form : none;
}

// The characters of `text` as UTF-8 sequences, each byte that begins no well-formed sequence
// (a stray continuation, an overlong form, a surrogate, beyond U+10FFFF or cut short) read as
// U+FFFD; with their code points. The views lie in `text` or in a constant.
std::vector<std::pair<std::string_view, char32_t>> Utf8Characters(std::string_view text) {
    constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD
    std::vector<std::pair<std::string_view, char32_t>> characters;
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        // The sequence's length and the least code point it may encode (no overlong forms).
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const char32_t least = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0x80;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool wellFormed =
            length == 1 || (lead >= 0xC0 && lead <= 0xF4 && at + length <= text.size());
        for (size_t i = 1; wellFormed && i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            wellFormed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        wellFormed = wellFormed && (length == 1 || code >= least) && code <= 0x10FFFF &&
                     (code < 0xD800 || code > 0xDFFF);
        if (wellFormed) {
            characters.emplace_back(text.substr(at, length), code);
            at += length;
        } else {
            characters.emplace_back(replacement, 0xFFFD);
            ++at;
        }
    }
    return characters;
}

// 0: `name` equals `query`, 1: begins with it, 2: has a later word that begins with it;
// -1: no match.
int MatchRank(std::string_view name, std::string_view query) {
    if (name == query) {
        return 0;
    }
    if (name.starts_with(query)) {
        return 1;
    }
    for (size_t at = name.find(query, 1); at != std::string_view::npos;
         at = name.find(query, at + 1)) {
        const char before = name[at - 1];  // a word begins after a blank or a sign
        if (static_cast<unsigned char>(before) < 0x80 && !IsAsciiAlnum(before)) {
            return 2;
        }
    }
    return -1;
}

// The name part (before the first comma) and the narrowing parts, folded; empty parts dropped.
// The query with each Arabic comma (U+060C, which Arabic, Persian and Urdu keyboards type)
// written as ",", which separates the narrowing parts.
std::string WithAsciiCommas(std::string_view query) {
    constexpr std::string_view arabicComma = "\xD8\x8C";
    std::string text(query);
    for (size_t at = text.find(arabicComma); at != std::string::npos;
         at = text.find(arabicComma, at + 1)) {
        text.replace(at, arabicComma.size(), ",");
    }
    return text;
}

std::pair<std::string, std::vector<std::string>> QueryParts(std::string_view original) {
    const std::string text = WithAsciiCommas(original);
    const std::string_view query = text;
    const size_t comma = query.find(',');
    std::vector<std::string> narrowing;
    for (size_t at = comma; at != std::string_view::npos;) {
        const size_t next = query.find(',', at + 1);
        std::string part =
            FoldedName(query.substr(at + 1, next == query.npos ? query.npos : next - at - 1));
        if (!part.empty()) {
            narrowing.push_back(std::move(part));
        }
        at = next;
    }
    return {FoldedName(query.substr(0, comma)), std::move(narrowing)};
}

}  // namespace

namespace {

std::string CaptionOf(std::string_view name, std::string_view region, std::string_view code) {
    std::string caption(name);
    if (!region.empty()) {
        caption.append(", ").append(region);
    }
    return caption.append(", ").append(code);
}

}  // namespace

std::string PlaceCaption(const TPlace& place) {
    return CaptionOf(place.Name, place.Region, place.CountryCode);
}

std::string FoldedName(std::string_view text) {
    const auto characters = Utf8Characters(text.substr(0, text.find('\0')));
    // A character's ASCII form; "?" for one that has none.
    const auto toAscii = [](const std::pair<std::string_view, char32_t>& character) {
        return character.second < 0x80 ? character.first
                                       : CharForm(towndata::AsciiForms(), character.second, "?");
    };
    std::string utf8;
    std::string mixed;
    for (const auto& character : characters) {
        utf8 += character.first;
        mixed += toAscii(character);
    }
    // Letters without an ASCII form ("Зуунмод") would all read "?": they stay as they are,
    // case-folded, so that a name in its own script is found by that name and by no other.
    if (std::count(mixed.begin(), mixed.end(), '?') != std::count(utf8.begin(), utf8.end(), '?')) {
        mixed.clear();
        for (const auto& character : characters) {
            const std::string_view ascii = toAscii(character);
            if (ascii != "?" || character.first == "?") {
                mixed += ascii;
            } else {
                mixed += CharForm(towndata::CaseFolds(), character.second, character.first);
            }
        }
    }
    std::string folded;
    for (const char c : mixed) {
        const bool blank =
            c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
        if (blank) {
            if (!folded.empty() && folded.back() != ' ') {
                folded.push_back(' ');
            }
        } else {
            folded.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
    }
    if (!folded.empty() && folded.back() == ' ') {
        folded.pop_back();
    }
    return folded;
}

namespace {

// The edit distance of `a` and `b` where it is at most `limit`, else limit + 1: the rows stop
// once every entry exceeds the limit, since no later row can fall below its predecessor's least.
// `row` is room for the table's one row, reused between calls.
int BoundedEditDistance(std::string_view a, std::string_view b, int limit, std::vector<int>& row) {
    // row[j]: the distance of a's prefix to b's first j bytes.
    row.resize(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        int least = row[0];
        int* cell = row.data();
        for (size_t j = 1; j <= b.size(); ++j) {
            const int above = cell[j];
            int value = diagonal + (a[i - 1] != b[j - 1] ? 1 : 0);
            value = above + 1 < value ? above + 1 : value;
            value = cell[j - 1] + 1 < value ? cell[j - 1] + 1 : value;
            cell[j] = value;
            diagonal = above;
            least = value < least ? value : least;
        }
        if (least > limit) {
            return limit + 1;
        }
    }
    return std::min(row[b.size()], limit + 1);
}

}  // namespace

int EditDistance(std::string_view a, std::string_view b) {
    std::vector<int> row;
    return BoundedEditDistance(a, b, static_cast<int>(a.size() + b.size()), row);
}

TGazetteer::TGazetteer(std::vector<TPlace> places, std::vector<TLocalNames> local)
    : FPlaces(std::move(places)) {
    FKeys.reserve(FPlaces.size());
    for (TPlace& place : FPlaces) {
        place.Caption = PlaceCaption(place);
        FKeys.push_back({FoldedName(place.Name), FoldedName(place.Region),
                         FoldedName(place.Country), FoldedName(place.CountryCode)});
    }
    for (TLocalNames& names : local) {
        if (Local(names.Language) != nullptr) {
            throw EGazetteerError("gazetteer: names in " + names.Language + " given twice");
        }
        std::sort(names.Towns.begin(), names.Towns.end());
        TLocal& added = FLocal.emplace_back();
        for (size_t k = 0; k < names.Towns.size(); ++k) {
            const size_t index = names.Towns[k].first;
            if (index >= FPlaces.size() || (k > 0 && names.Towns[k - 1].first == index)) {
                throw EGazetteerError(
                    "gazetteer: " + names.Language + " names town " + std::to_string(index) +
                    (index >= FPlaces.size() ? " of " + std::to_string(FPlaces.size()) : " twice"));
            }
            added.FoldedTowns.push_back(FoldedName(names.Towns[k].second));
        }
        for (const auto& [key, name] : names.Regions) {
            added.FoldedRegions.emplace(key, FoldedName(name));
        }
        for (const auto& [code, name] : names.Countries) {
            added.FoldedCountries.emplace(code, FoldedName(name));
        }
        added.Names = std::move(names);
    }
}

const TGazetteer::TLocal* TGazetteer::Local(std::string_view language) const {
    const auto found = std::find_if(FLocal.begin(), FLocal.end(), [&](const TLocal& local) {
        return local.Names.Language == language;
    });
    return found != FLocal.end() ? &*found : nullptr;
}

std::vector<std::string_view> TGazetteer::Languages() const {
    std::vector<std::string_view> languages;
    for (const TLocal& local : FLocal) {
        languages.push_back(local.Names.Language);
    }
    return languages;
}

TPlaceNames TGazetteer::Names(const TPlace& place, std::string_view language) const {
    const auto within = [](const TPlace* p, const TPlace* first, const TPlace* last) {
        return !std::less<const TPlace*>()(p, first) && std::less<const TPlace*>()(p, last);
    };
    if (!within(&place, FPlaces.data(), FPlaces.data() + FPlaces.size())) {
        throw EGazetteerError("gazetteer: " + place.Caption + " is not one of its places");
    }
    TPlaceNames names{place.Name, place.Region, place.Country};
    const TLocal* local = Local(language);
    if (local == nullptr) {
        return names;
    }
    const size_t index = static_cast<size_t>(&place - FPlaces.data());
    const auto& towns = local->Names.Towns;
    const auto town = std::lower_bound(towns.begin(), towns.end(), index,
                                       [](const auto& row, size_t i) { return row.first < i; });
    if (town != towns.end() && town->first == index) {
        names.Name = town->second;
    }
    if (const auto region = local->Names.Regions.find({place.CountryCode, place.Region});
        region != local->Names.Regions.end()) {
        names.Region = region->second;
    }
    if (const auto country = local->Names.Countries.find(place.CountryCode);
        country != local->Names.Countries.end()) {
        names.Country = country->second;
    }
    return names;
}

std::string TGazetteer::Caption(const TPlace& place, std::string_view language) const {
    const TPlaceNames names = Names(place, language);
    return CaptionOf(names.Name, names.Region, place.CountryCode);
}

TGazetteer TGazetteer::Read() {
    return TGazetteer(ReadTownText(), ReadLocalTexts());
}

const TGazetteer& TGazetteer::Installed() {
    static const TGazetteer installed = Read();
    return installed;
}

std::vector<const TPlace*> TGazetteer::Search(std::string_view query,
                                              std::string_view language) const {
    const auto [name, narrowing] = QueryParts(query);
    if (name.empty()) {
        return {};
    }
    std::vector<int> ranks(FPlaces.size());  // by place index, -1 where nothing matches
    for (size_t i = 0; i < FPlaces.size(); ++i) {
        ranks[i] = MatchRank(FKeys[i].Name, name);
    }
    const TLocal* local = Local(language);
    if (local != nullptr) {
        for (size_t k = 0; k < local->FoldedTowns.size(); ++k) {
            const int rank = MatchRank(local->FoldedTowns[k], name);
            int& best = ranks[local->Names.Towns[k].first];
            if (rank >= 0 && (best < 0 || rank < best)) {
                best = rank;
            }
        }
    }
    // Whether the folded local name under `key` in `folded` begins with `part`.
    const auto localBegins = [](const auto& folded, const auto& key, const std::string& part) {
        const auto found = folded.find(key);
        return found != folded.end() && found->second.starts_with(part);
    };
    std::vector<std::pair<int, const TPlace*>> found;  // rank, place
    for (size_t i = 0; i < FPlaces.size(); ++i) {
        if (ranks[i] < 0) {
            continue;
        }
        const TKeys& keys = FKeys[i];
        const TPlace& place = FPlaces[i];
        const bool narrowed =
            std::all_of(narrowing.begin(), narrowing.end(), [&](const std::string& part) {
                return keys.Code == part || keys.Country.starts_with(part) ||
                       keys.Region.starts_with(part) ||
                       (local != nullptr &&
                        (localBegins(local->FoldedCountries, place.CountryCode, part) ||
                         localBegins(local->FoldedRegions,
                                     std::pair(place.CountryCode, place.Region), part)));
            });
        if (narrowed) {
            found.emplace_back(ranks[i], &place);
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& x, const auto& y) {
        return std::tuple(x.first, -static_cast<int64_t>(x.second->Population), x.second->Caption) <
               std::tuple(y.first, -static_cast<int64_t>(y.second->Population), y.second->Caption);
    });
    std::vector<const TPlace*> places;
    places.reserve(found.size());
    for (const auto& [rank, place] : found) {
        places.push_back(place);
    }
    return places;
}

std::vector<const TPlace*> TGazetteer::Nearest(std::string_view query, size_t count) const {
    // No town's name is longer than 64 bytes: a longer text is compared by its first 64, which
    // bounds the cost of a search through every name.
    constexpr size_t comparedBytes = 64;
    if (count == 0) {
        return {};
    }
    const std::string name = QueryParts(query).first.substr(0, comparedBytes);
    // The difference of the lengths is the least the distance can be: names are tried from the
    // nearest such bound on, and the search ends where the bound exceeds the worst kept.
    std::vector<std::pair<size_t, size_t>> bounds;  // length difference, place index
    bounds.reserve(FPlaces.size());
    for (size_t i = 0; i < FPlaces.size(); ++i) {
        const size_t length = FKeys[i].Name.size();
        bounds.emplace_back(length > name.size() ? length - name.size() : name.size() - length, i);
    }
    std::sort(bounds.begin(), bounds.end());
    using TScore = std::tuple<int, int64_t, std::string_view, const TPlace*>;  // nearer first
    std::vector<TScore> kept;
    std::vector<int> row;
    for (const auto& [bound, i] : bounds) {
        // Until `count` are kept, any distance counts: none exceeds the longer length.
        const int worst =
            kept.size() == count ? std::get<0>(kept.back()) : static_cast<int>(name.size() + bound);
        if (static_cast<int>(bound) > worst) {
            break;
        }
        const TPlace& place = FPlaces[i];
        const TScore score{BoundedEditDistance(FKeys[i].Name, name, worst, row),
                           -static_cast<int64_t>(place.Population), place.Caption, &place};
        if (kept.size() < count || score < kept.back()) {
            kept.insert(std::upper_bound(kept.begin(), kept.end(), score), score);
            if (kept.size() > count) {
                kept.pop_back();
            }
        }
    }
    std::vector<const TPlace*> places;
    for (const TScore& score : kept) {
        places.push_back(std::get<3>(score));
    }
    return places;
}

TCityEntry PlaceEntry(const TPlace& place, int32_t fixed) {
    const TableClock zone = TableClock::Zone(place.Zone);
    const int offset = zone.StandardOffsetAt(SecondsOfFixed(fixed) + SecondsPerDay / 2);
    const int minutes = offset / 60;
    const int hours = minutes / 60;                   // toward zero: -3:30 is -3 and 30
    const int extraMinutes = std::abs(minutes % 60);  // 0..59
    if (offset % 60 != 0 || ZoneOffsetMinutes(hours, extraMinutes) != minutes) {
        throw ERangeError("PlaceEntry: " + place.Zone + " offset " + OffsetText(offset) +
                          " has no form in the zone fields");
    }
    const int method = MethodForCountry(place.CountryCode);
    // The decimal rounding that the fields and the place lines apply to the same value
    // (-1.54785 is stored as -1.547849999..., so -1.5478), not the rounding of a product.
    const auto fourDecimals = [](double degrees) {
        char text[32];
        const auto written =
            std::to_chars(text, text + sizeof text, degrees, std::chars_format::fixed, 4);
        double rounded = degrees;
        std::from_chars(text, written.ptr, rounded);
        return rounded;
    };
    TCityEntry entry{};
    entry.Group = CityGroup::SaudiArabia;  // none: the entry stands in no group of the list
    entry.Caption = place.Caption;
    entry.Tag = 0;  // none: no catalogue entry has tag 0
    entry.Visible = false;
    entry.Latitude = fourDecimals(place.Latitude);
    entry.Longitude = fourDecimals(place.Longitude);
    entry.GmtHours = hours;
    entry.GmtMinutes = extraMinutes;
    entry.Elevation = 0;
    entry.CalcMethod = method;
    entry.Juristic = CalcMethodAt(method, "PlaceEntry").DefaultJuristic;
    entry.IanaZone = place.Zone;
    return entry;
}

std::vector<const TCityEntry*> CitiesNear(std::string_view caption) {
    const std::string folded = FoldedName(caption);
    const int allowed = folded.size() < 4 ? 1 : 2;  // edits
    std::vector<std::pair<int, const TCityEntry*>> near;
    for (const TCityEntry& city : CityCatalogue()) {
        const int distance = EditDistance(FoldedName(city.Caption), folded);
        if (city.Visible && distance <= allowed) {
            near.emplace_back(distance, &city);
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<const TCityEntry*> cities;
    for (size_t i = 0; i < near.size() && i < 3; ++i) {
        cities.push_back(near[i].second);
    }
    return cities;
}

}  // namespace orvandel
