// Writes the gazetteer's data (places/TownData.h) as a C++ source: every town of libgeonames, in
// the library's order, and GLib's transliteration and case folding of every character that they
// change. Run by the build on the build host; the programs then link neither library. Any town
// the library cannot give, or a field that the line format cannot hold, fails the build.
//
// Usage: orvandel_write_town_data OUTPUT.cpp
#include <geonames.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

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

// One line of the town text (without its newline) for libgeonames' town `index`.
std::string TownLine(int index) {
    const std::unique_ptr<GeonamesCity, decltype(&geonames_city_free)> city(
        geonames_get_city(index), &geonames_city_free);
    if (city == nullptr) {
        throw std::runtime_error("WriteTownData: libgeonames gives no town " +
                                 std::to_string(index));
    }
    GeonamesCity* c = city.get();
    return Field(geonames_city_get_name(c), index, "name", false) + '\t' +
           Field(geonames_city_get_state(c), index, "region", true) + '\t' +
           Field(geonames_city_get_country(c), index, "country", false) + '\t' +
           Field(geonames_city_get_country_code(c), index, "country code", false) + '\t' +
           Field(geonames_city_get_timezone(c), index, "zone", false) + '\t' +
           Degrees(geonames_city_get_latitude(c), 90.0, index, "latitude") + '\t' +
           Degrees(geonames_city_get_longitude(c), 180.0, index, "longitude") + '\t' +
           std::to_string(geonames_city_get_population(c));
}

std::string TownText() {
    const gint count = geonames_get_n_cities();
    if (count <= 0) {
        throw std::runtime_error("WriteTownData: libgeonames holds no towns");
    }
    std::string out =
        "std::span<const std::string_view> TownText() {\n"
        "    static constexpr std::string_view parts[] = {\n";
    // Each part's lines as adjacent literals, one a source line; the last carries the suffix.
    size_t partBytes = 0;
    for (gint i = 0; i < count; ++i) {
        const std::string line = TownLine(i) + '\n';
        if (i > 0 && partBytes + line.size() > MaxLiteralBytes) {
            out += "sv,\n";
            partBytes = 0;
        } else if (i > 0) {
            out += "\n";
        }
        out += "        \"" + Escaped(line) + "\"";
        partBytes += line.size();
    }
    out += "sv,\n    };\n    return parts;\n}\n";
    return out;
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
    try {
        if (argc != 2) {
            throw std::runtime_error("usage: orvandel_write_town_data OUTPUT.cpp");
        }
        // Names as libgeonames gives them untranslated: the program runs in the "C" locale.
        const std::string source =
            "// Written by orvandel_write_town_data from libgeonames and GLib: do not edit.\n"
            "#include \"places/TownData.h\"\n\nnamespace orvandel::towndata {\n\n"
            "using namespace std::string_view_literals;  // lengths known without counting\n\n" +
            TownText() + "\n" +
            CharTable(
                "AsciiForms", [](const char* c) { return g_str_to_ascii(c, "C"); }, "?") +
            "\n" +
            CharTable(
                "CaseFolds", [](const char* c) { return g_utf8_casefold(c, -1); }, "") +
            "\n}  // namespace orvandel::towndata\n";
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << source;
        out.close();
        if (!out) {
            throw std::runtime_error(std::string("WriteTownData: cannot write ") + argv[1]);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        std::remove(argc == 2 ? argv[1] : "");
        return 1;
    }
}
