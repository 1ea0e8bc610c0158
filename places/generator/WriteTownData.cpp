// Writes the gazetteer's data (places/TownData.h) as a C++ source: every town of libgeonames, in
// the library's order, the names that the library's translations give its towns, regions and
// countries in each of the window's languages where they differ from the untranslated ones, and
// GLib's transliteration and case folding of every character that they change. Run by the build
// on the build host; the programs then link neither library. Any town the library cannot give, a
// field that the line format cannot hold, a malformed names file, or a first language whose
// translations the library does not apply fails the build.
//
// libgeonames translates its names once, when a process first asks for a town: each language
// is read by a run of its own, which writes every town's names in it to a file,
//     orvandel_write_town_data --names LANGUAGE NAMES.txt     (LANGUAGE as gettext's "ar")
// and the run that writes the source reads those files:
//     orvandel_write_town_data OUTPUT.cpp [LANGUAGE NAMES.txt]...
#include <geonames.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t MaxLiteralBytes = 60000;  // each part of the town text, under 64 KiB

struct TGFree {
    void operator()(gchar* text) const { g_free(text); }
};
using TGText = std::unique_ptr<gchar, TGFree>;

// A C++ string literal's body for `text`: quotes and backslashes escaped, tabs and newlines as
// \t and \n, other control characters in octal, other bytes (UTF-8 included) as they are.
std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            escaped += octal;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// One text field of town `index`: valid UTF-8 with no control character (no tab or newline
// that would split the line), non-empty unless `mayBeEmpty`.
std::string Field(const gchar* text, int index, const char* what, bool mayBeEmpty) {
    const std::string field = text != nullptr ? text : "";
    const auto fail = [&](const std::string& why) {
        throw std::runtime_error("WriteTownData: town " + std::to_string(index) + " " + what +
                                 " \"" + Escaped(field) + "\" " + why);
    };
    if (field.empty() && !mayBeEmpty) {
        fail("is empty");
    }
    if (!g_utf8_validate(field.c_str(), static_cast<gssize>(field.size()), nullptr)) {
        fail("is not valid UTF-8");
    }
    for (const char c : field) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            fail("holds a control character");
        }
    }
    return field;
}

// The shortest decimal form of `degrees` that reads back as the same value; within +-limit.
std::string Degrees(double degrees, double limit, int index, const char* what) {
    if (!std::isfinite(degrees) || std::fabs(degrees) > limit) {
        throw std::runtime_error("WriteTownData: town " + std::to_string(index) + " " + what + " " +
                                 std::to_string(degrees) + " outside +-" + std::to_string(limit));
    }
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, degrees);
    return std::string(text, written.ptr);
}

using TCity = std::unique_ptr<GeonamesCity, decltype(&geonames_city_free)>;

// libgeonames' town `index`, its texts in the language that the locale and LANGUAGE select.
TCity City(int index) {
    TCity city(geonames_get_city(index), &geonames_city_free);
    if (city == nullptr) {
        throw std::runtime_error("WriteTownData: libgeonames gives no town " +
                                 std::to_string(index));
    }
    return city;
}

int TownCount() {
    const gint count = geonames_get_n_cities();
    if (count <= 0) {
        throw std::runtime_error("WriteTownData: libgeonames holds no towns");
    }
    return count;
}

struct TTownNames {
    std::string Name, Region, Country, CountryCode;
};

TTownNames Names(GeonamesCity* c, int index) {
    return {Field(geonames_city_get_name(c), index, "name", false),
            Field(geonames_city_get_state(c), index, "region", true),
            Field(geonames_city_get_country(c), index, "country", false),
            Field(geonames_city_get_country_code(c), index, "country code", false)};
}

// One line of the town text (without its newline) for libgeonames' town `index`.
std::string TownLine(int index) {
    const TCity city = City(index);
    GeonamesCity* c = city.get();
    const TTownNames names = Names(c, index);
    return names.Name + '\t' + names.Region + '\t' + names.Country + '\t' + names.CountryCode +
           '\t' + Field(geonames_city_get_timezone(c), index, "zone", false) + '\t' +
           Degrees(geonames_city_get_latitude(c), 90.0, index, "latitude") + '\t' +
           Degrees(geonames_city_get_longitude(c), 180.0, index, "longitude") + '\t' +
           std::to_string(geonames_city_get_population(c));
}

// The body of an array of string_view literals holding `lines` (each ending in '\n'): one
// element per part of whole lines under MaxLiteralBytes, each line one source line of adjacent
// literals; one empty element for no lines.
std::string Literals(const std::vector<std::string>& lines) {
    std::string out;
    size_t partBytes = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && partBytes + lines[i].size() > MaxLiteralBytes) {
            out += "sv,\n";
            partBytes = 0;
        } else if (i > 0) {
            out += "\n";
        }
        out += "        \"" + Escaped(lines[i]) + "\"";
        partBytes += lines[i].size();
    }
    return (lines.empty() ? "        \"\"" : out) + "sv,\n";
}

std::string TownText() {
    std::vector<std::string> lines;
    for (int i = 0, count = TownCount(); i < count; ++i) {
        lines.push_back(TownLine(i) + '\n');
    }
    return "std::span<const std::string_view> TownText() {\n"
           "    static constexpr std::string_view parts[] = {\n" +
           Literals(lines) + "    };\n    return parts;\n}\n";
}

// Every town's names as libgeonames gives them in this process (see the file's comment).
std::vector<TTownNames> AllNames() {
    std::vector<TTownNames> names;
    for (int i = 0, count = TownCount(); i < count; ++i) {
        names.push_back(Names(City(i).get(), i));
    }
    return names;
}

// Writes every town's names in `language` to `path`, one line per town in the library's order:
// name, region, country and country code separated by tabs. Must run before anything else of
// the process asks libgeonames for a town.
void WriteNames(const std::string& language, const char* path) {
    if (setenv("LANGUAGE", language.c_str(), 1) != 0 ||
        std::setlocale(LC_ALL, "C.UTF-8") == nullptr) {
        throw std::runtime_error("WriteTownData: cannot select the locale C.UTF-8 with LANGUAGE=" +
                                 language);
    }
    std::string text;
    for (const TTownNames& town : AllNames()) {
        text +=
            town.Name + '\t' + town.Region + '\t' + town.Country + '\t' + town.CountryCode + '\n';
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        throw std::runtime_error(std::string("WriteTownData: cannot write ") + path);
    }
}

// The names file `path` that WriteNames wrote for `language`, checked as libgeonames' own
// fields are: as many towns as `count`, four fields each, the same checks of each field.
std::vector<TTownNames> ReadNames(const std::string& language, const std::string& path,
                                  size_t count) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("WriteTownData: cannot open " + path);
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw std::runtime_error("WriteTownData: cannot read " + path);
    }
    std::vector<TTownNames> names;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const int index = static_cast<int>(names.size());
        std::vector<std::string> fields;
        std::istringstream line(text.substr(at, end - at));
        for (std::string field; std::getline(line, field, '\t');) {
            fields.push_back(field);
        }
        if (end == std::string::npos || fields.size() != 4) {
            throw std::runtime_error("WriteTownData: " + path + " line " +
                                     std::to_string(index + 1) + " is not four fields and an end");
        }
        const std::string what = language + " ";
        names.push_back({Field(fields[0].c_str(), index, (what + "name").c_str(), false),
                         Field(fields[1].c_str(), index, (what + "region").c_str(), true),
                         Field(fields[2].c_str(), index, (what + "country").c_str(), false),
                         Field(fields[3].c_str(), index, (what + "country code").c_str(), false)});
        at = end + 1;
    }
    if (names.size() != count) {
        throw std::runtime_error("WriteTownData: " + path + " holds " +
                                 std::to_string(names.size()) + " towns, libgeonames " +
                                 std::to_string(count));
    }
    return names;
}

// Records in `pairs` that the text of `key` reads `translated` where that differs from
// `untranslated`. libgeonames translates a region or a country the same in every town of one
// country ("Red Sea" is one name in Egypt and another in Sudan): keys name the country, and a
// second, different translation under one key fails.
void AddTranslation(std::map<std::string, std::string>& pairs, const std::string& key,
                    const std::string& untranslated, const std::string& translated,
                    const std::string& language, const char* what) {
    if (translated == untranslated) {
        return;
    }
    const auto [at, added] = pairs.emplace(key, translated);
    if (!added && at->second != translated) {
        throw std::runtime_error("WriteTownData: " + language + " " + what + " \"" + Escaped(key) +
                                 "\" reads both \"" + at->second + "\" and \"" + translated + "\"");
    }
}

std::vector<std::string> PairLines(const std::map<std::string, std::string>& pairs) {
    std::vector<std::string> lines;
    for (const auto& [from, to] : pairs) {
        lines.push_back(from + '\t' + to + '\n');
    }
    return lines;
}

// The names of the files of `languageFiles` (language, names file; see WriteNames) where they
// differ from `untranslated`. Fails when the first language changes not one town's name:
// gettext then ignored it, and every language would silently read untranslated.
std::string LocalTexts(const std::vector<std::pair<std::string, std::string>>& languageFiles,
                       const std::vector<TTownNames>& untranslated) {
    std::string arrays;
    std::string rows;
    for (size_t l = 0; l < languageFiles.size(); ++l) {
        const std::string& language = languageFiles[l].first;
        const std::vector<TTownNames> names =
            ReadNames(language, languageFiles[l].second, untranslated.size());
        std::vector<std::string> townLines;
        std::map<std::string, std::string> regions, countries;
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i].Name != untranslated[i].Name) {
                townLines.push_back(std::to_string(i) + '\t' + names[i].Name + '\n');
            }
            const TTownNames& town = untranslated[i];
            if (names[i].CountryCode != town.CountryCode) {
                throw std::runtime_error("WriteTownData: town " + std::to_string(i) + " is in " +
                                         names[i].CountryCode + " in " + language + ", in " +
                                         town.CountryCode + " untranslated");
            }
            AddTranslation(regions, town.CountryCode + '\t' + town.Region, town.Region,
                           names[i].Region, language, "region");
            AddTranslation(countries, town.CountryCode, town.Country, names[i].Country, language,
                           "country");
        }
        if (l == 0 && townLines.empty()) {
            throw std::runtime_error("WriteTownData: libgeonames translates no town's name into " +
                                     language + ": gettext did not take LANGUAGE=" + language +
                                     " (is libgeonames-common installed?)");
        }
        const std::string n = std::to_string(l);
        arrays += "    static constexpr std::string_view towns" + n + "[] = {\n" +
                  Literals(townLines) + "    };\n";
        arrays += "    static constexpr std::string_view regions" + n + "[] = {\n" +
                  Literals(PairLines(regions)) + "    };\n";
        arrays += "    static constexpr std::string_view countries" + n + "[] = {\n" +
                  Literals(PairLines(countries)) + "    };\n";
        rows += "        {\"" + Escaped(language) + "\"sv, towns" + n + ", regions" + n +
                ", countries" + n + "},\n";
    }
    if (languageFiles.empty()) {
        return "std::span<const TLocalText> LocalTexts() {\n    return {};\n}\n";
    }
    return "std::span<const TLocalText> LocalTexts() {\n" + arrays +
           "    static constexpr TLocalText texts[] = {\n" + rows +
           "    };\n    return texts;\n}\n";
}

// A table `name` of the characters whose text `form` gives other than `unchanged`.
template <typename TForm>
std::string CharTable(const char* name, TForm form, std::string_view unchanged) {
    std::string out = "std::span<const TCharForm> " + std::string(name) +
                      "() {\n    static constexpr TCharForm forms[] = {\n";
    size_t rows = 0;
    for (gunichar code = 0x80; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) {
            continue;  // surrogates: no character of their own
        }
        char utf8[8] = {};
        g_unichar_to_utf8(code, utf8);
        const TGText text(form(utf8));
        if (text == nullptr) {
            throw std::runtime_error(std::string("WriteTownData: GLib gives no ") + name +
                                     " text for U+" + std::to_string(code));
        }
        const std::string_view formed(text.get());
        if (formed != (unchanged.empty() ? std::string_view(utf8) : unchanged)) {
            char row[32];
            std::snprintf(row, sizeof row, "        {0x%05X, \"", code);
            out += row + Escaped(formed) + "\"sv},\n";
            ++rows;
        }
    }
    if (rows == 0) {
        throw std::runtime_error(std::string("WriteTownData: GLib changes no character for ") +
                                 name);
    }
    out += "    };\n    return forms;\n}\n";
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool namesRun = !args.empty() && args[0] == "--names";
    const std::string output =
        namesRun ? (args.size() == 3 ? args[2] : "") : (args.empty() ? "" : args[0]);
    try {
        if (namesRun) {
            if (args.size() != 3) {
                throw std::runtime_error(
                    "usage: orvandel_write_town_data --names LANGUAGE NAMES.txt");
            }
            WriteNames(args[1], output.c_str());
            return 0;
        }
        if (args.empty() || args.size() % 2 != 1) {
            throw std::runtime_error(
                "usage: orvandel_write_town_data OUTPUT.cpp [LANGUAGE NAMES.txt]...");
        }
        std::vector<std::pair<std::string, std::string>> languageFiles;
        for (size_t i = 1; i < args.size(); i += 2) {
            languageFiles.emplace_back(args[i], args[i + 1]);
        }
        // The names as libgeonames gives them untranslated: this run stays in the "C" locale,
        // where gettext translates nothing.
        const std::string towns = TownText();
        const std::string local = LocalTexts(languageFiles, AllNames());
        const std::string asciiForms = CharTable(
            "AsciiForms", [](const char* c) { return g_str_to_ascii(c, "C"); }, "?");
        const std::string caseFolds = CharTable(
            "CaseFolds", [](const char* c) { return g_utf8_casefold(c, -1); }, "");
        const std::string source =
            "// Written by orvandel_write_town_data from libgeonames and GLib: do not edit.\n"
            "#include \"places/TownData.h\"\n\nnamespace orvandel::towndata {\n\n"
            "using namespace std::string_view_literals;  // lengths known without counting\n\n" +
            towns + "\n" + local + "\n" + asciiForms + "\n" + caseFolds +
            "\n}  // namespace orvandel::towndata\n";
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out << source;
        out.close();
        if (!out) {
            throw std::runtime_error("WriteTownData: cannot write " + output);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        if (!output.empty()) {
            std::remove(output.c_str());
        }
        return 1;
    }
}
