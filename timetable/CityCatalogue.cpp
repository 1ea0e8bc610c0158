// The city catalogue: seven regional groups and their preset places. Elevation 0 and the Standard
// juristic method throughout; each city takes the method of its country's authority
// (MethodForCountry: Umm Al-Qura in Saudi Arabia, ISNA in North America, Kemenag in Jakarta,
// ...), the Muslim World League (0) where its country has none. Offsets are fixed standard
// offsets without daylight-saving time.

#include "timetable/CityCatalogue.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace orvandel {
namespace {

using enum CityGroup;

// clang-format off
constexpr TCityGroupInfo Groups[] = {
    {SaudiArabia, "Saudi Arabia"},
    {MiddleEast,  "Middle East"},
    {Africa,      "Africa"},
    {Americas,    "Americas"},
    {Asia,        "Asia"},
    {Europe,      "Europe"},
    {Oceania,     "Oceania"},
};
// clang-format on
static_assert(std::size(Groups) == 7, "group lost or duplicated");

// clang-format off
// group, caption, tag, visible, latitude [deg], longitude [deg], GMT h, GMT min, elevation [m],
// calculation method, juristic method, IANA time zone. The methods by index into CalcMethods():
// 0 mwl, 1 egypt, 2 karachi, 3 ummalqura, 4 isna, 6 kuwait, 7 qatar, 8 dubai, 9 singapore,
// 10 jakim, 11 kemenag, 12 turkey, 14 russia, 15 tehran, 17 morocco, 18 algeria, 19 tunisia,
// 20 jordan.
constexpr TCityEntry Entries[] = {
    {SaudiArabia, "Abha",         10, true,  18.22,     42.51,     3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Buraidah",     11, true,  26.3317,   43.9717,   3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Dammam",       12, true,  26.44,     50.1,      3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Jeddah",       13, true,  21.5169,   39.2192,   3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Madina",       14, true,  24.4686,   39.6142,   3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Mecca",        15, true,  21.42,     39.83,     3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Riyadh",       16, true,  24.67,     46.69,     3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Tabouk",       17, true,  28.3833,   36.5833,   3,  0, 0, 3, 0, "Asia/Riyadh"},
    {SaudiArabia, "Taif",         18, true,  21.2703,   40.4158,   3,  0, 0, 3, 0, "Asia/Riyadh"},

    {MiddleEast,  "Abu Dhabi",    20, true,  24.4667,   54.3667,   4,  0, 0, 8, 0, "Asia/Dubai"},
    {MiddleEast,  "Amman",        27, true,  31.95,     35.9333,   3,  0, 0,20, 0, "Asia/Amman"},
    {MiddleEast,  "Baghdad",      23, true,  33.3386,   44.3939,   3,  0, 0, 0, 0, "Asia/Baghdad"},
    {MiddleEast,  "Beirut",       30, true,  33.8938,   35.5018,   2,  0, 0, 0, 0, "Asia/Beirut"},
    {MiddleEast,  "Damascus",     26, true,  33.5,      36.3,      3,  0, 0, 0, 0, "Asia/Damascus"},
    {MiddleEast,  "Doha",         31, true,  25.2867,   51.5333,   3,  0, 0, 7, 0, "Asia/Qatar"},
    {MiddleEast,  "Dubai",        22, true,  25.2522,   55.28,     4,  0, 0, 8, 0, "Asia/Dubai"},
    {MiddleEast,  "Istanbul",     33, true,  41.0186,   28.9647,   3,  0, 0,12, 0, "Europe/Istanbul"},
    {MiddleEast,  "Jerusalem",    29, true,  31.75,     35.0,      2,  0, 0, 0, 0, "Asia/Jerusalem"},
    {MiddleEast,  "Kuwait City",  21, true,  29.5,      47.75,     3,  0, 0, 6, 0, "Asia/Kuwait"},
    {MiddleEast,  "Muscat",       25, true,  23.5880,   58.3829,   4,  0, 0, 0, 0, "Asia/Muscat"},
    {MiddleEast,  "Sanaa",        32, true,  15.3694,   44.1910,   3,  0, 0, 0, 0, "Asia/Aden"},
    {MiddleEast,  "Tehran",       24, true,  35.5,      51.5,      3, 30, 0,15, 0, "Asia/Tehran"},

    {Africa,      "Algiers",      36, true,  36.7833,    3.05,     1,  0, 0,18, 0, "Africa/Algiers"},
    {Africa,      "Asmara",       44, true,  15.3333,   38.9333,   3,  0, 0, 0, 0, "Africa/Asmara"},
    {Africa,      "Bamako",       42, true,  12.6392,   -8.0029,   0,  0, 0, 0, 0, "Africa/Bamako"},
    {Africa,      "Cairo",        28, true,  30.05,     31.25,     2,  0, 0, 1, 0, "Africa/Cairo"},
    {Africa,      "Dakar",        39, true,  14.6667,  -17.4333,   0,  0, 0, 0, 0, "Africa/Dakar"},
    {Africa,      "Djibouti",     45, true,  11.595,    43.1481,   3,  0, 0, 0, 0, "Africa/Djibouti"},
    {Africa,      "Khartoum",     43, true,  15.5833,   32.5333,   2,  0, 0, 0, 0, "Africa/Khartoum"},
    {Africa,      "Lagos",        38, true,   6.4531,    3.3958,   1,  0, 0, 0, 0, "Africa/Lagos"},
    {Africa,      "Marrakech",    37, true,  31.6333,   -8.0,      0,  0, 0,17, 0, "Africa/Casablanca"},
    {Africa,      "Mogadishu",    46, true,   2.0667,   45.3667,   3,  0, 0, 0, 0, "Africa/Mogadishu"},
    {Africa,      "Nouakchott",   41, true,  18.1,     -15.95,     0,  0, 0, 0, 0, "Africa/Nouakchott"},
    {Africa,      "Tripoli",      34, true,  32.8872,   13.1913,   2,  0, 0, 0, 0, "Africa/Tripoli"},
    {Africa,      "Tunis",        35, true,  36.8028,   10.1797,   1,  0, 0,19, 0, "Africa/Tunis"},

    {Americas,    "Bogota",       54, true,   4.6097,  -74.0817,  -5,  0, 0, 0, 0, "America/Bogota"},
    {Americas,    "Buenos Aires", 58, true, -34.6037,  -58.3816,  -3,  0, 0, 0, 0, "America/Argentina/Buenos_Aires"},
    {Americas,    "Chicago",      51, true,  41.8858,  -87.6229,  -6,  0, 0, 4, 0, "America/Chicago"},
    {Americas,    "Dallas",       59, true,  32.7874,  -96.7989,  -6,  0, 0, 4, 0, "America/Chicago"},
    {Americas,    "Lima",         55, true, -12.0833,  -77.0833,  -5,  0, 0, 0, 0, "America/Lima"},
    {Americas,    "Los Angeles",  50, true,  33.9733, -118.2487,  -8,  0, 0, 4, 0, "America/Los_Angeles"},
    {Americas,    "Mexico City",  53, true,  19.4,     -99.2,     -6,  0, 0, 0, 0, "America/Mexico_City"},
    {Americas,    "Miami",        60, true,  25.7738,  -80.1936,  -5,  0, 0, 4, 0, "America/New_York"},
    {Americas,    "Montreal",     48, false, 45.5115,  -73.7321,  -5,  0, 0, 4, 0, "America/Toronto"},
    {Americas,    "New York",     52, true,  40.75,    -73.9967,  -5,  0, 0, 4, 0, "America/New_York"},
    {Americas,    "Santiago",     56, true, -33.45,    -70.6667,  -4,  0, 0, 0, 0, "America/Santiago"},
    {Americas,    "Sao Paulo",    57, true, -23.5505,  -46.6333,  -3,  0, 0, 0, 0, "America/Sao_Paulo"},
    {Americas,    "Toronto",      47, true,  43.7061,  -79.5152,  -5,  0, 0, 4, 0, "America/Toronto"},
    {Americas,    "Vancouver",    49, true,  49.2814, -123.1203,  -7,  0, 0, 4, 0, "America/Vancouver"},

    {Asia,        "Ashgabat",     71, true,  37.95,     58.3833,   5,  0, 0, 0, 0, "Asia/Ashgabat"},
    {Asia,        "Bangkok",      66, true,  13.75,    100.5167,   7,  0, 0, 0, 0, "Asia/Bangkok"},
    {Asia,        "Beijing",      70, true,  39.9289,  116.3883,   8,  0, 0, 0, 0, "Asia/Shanghai"},
    {Asia,        "Dhaka",        64, true,  23.7231,   90.4086,   6,  0, 0, 0, 0, "Asia/Dhaka"},
    {Asia,        "Hong Kong",    69, true,  22.3333,  114.1833,   8,  0, 0, 0, 0, "Asia/Hong_Kong"},
    {Asia,        "Islamabad",    62, true,  33.6667,   73.1667,   5,  0, 0, 2, 0, "Asia/Karachi"},
    {Asia,        "Jakarta",      68, true,  -6.1689,  106.8217,   7,  0, 0,11, 0, "Asia/Jakarta"},
    {Asia,        "Kabul",        61, true,  34.5167,   69.1833,   4, 30, 0, 0, 0, "Asia/Kabul"},
    {Asia,        "Kuala Lumpur", 67, true,   3.1667,  101.7,      8,  0, 0,10, 0, "Asia/Kuala_Lumpur"},
    {Asia,        "New Delhi",    63, true,  28.6,      77.2,      5, 30, 0, 0, 0, "Asia/Kolkata"},
    {Asia,        "Rangoon",      65, true,  16.7833,   96.1667,   6, 30, 0, 0, 0, "Asia/Yangon"},
    {Asia,        "Singapore",    40, true,   1.2931,  103.8558,   8,  0, 0, 9, 0, "Asia/Singapore"},
    {Asia,        "Tokyo",        72, true,  35.6833,  139.7667,   9,  0, 0, 0, 0, "Asia/Tokyo"},

    {Europe,      "Bucarest",     82, true,  44.4333,   26.1,      2,  0, 0, 0, 0, "Europe/Bucharest"},
    {Europe,      "Copenhagen",   80, true,  55.6667,   12.5833,   1,  0, 0, 0, 0, "Europe/Copenhagen"},
    {Europe,      "Frankfurt",    77, true,  50.1308,    8.6636,   1,  0, 0, 0, 0, "Europe/Berlin"},
    {Europe,      "Kiev",         84, true,  50.4333,   30.5167,   2,  0, 0, 0, 0, "Europe/Kyiv"},
    {Europe,      "Lisbon",       73, true,  38.7167,   -9.1333,   0,  0, 0, 0, 0, "Europe/Lisbon"},
    {Europe,      "London",       76, true,  51.5,      -0.1167,   0,  0, 0, 0, 0, "Europe/London"},
    {Europe,      "Madrid",       74, true,  40.4,      -3.6833,   1,  0, 0, 0, 0, "Europe/Madrid"},
    {Europe,      "Moscow",       83, true,  55.7522,   37.6156,   3,  0, 0,14, 0, "Europe/Moscow"},
    {Europe,      "Paris",        75, true,  48.8667,    2.3333,   1,  0, 0, 0, 0, "Europe/Paris"},
    {Europe,      "Rome",         78, true,  41.9667,   12.6667,   1,  0, 0, 0, 0, "Europe/Rome"},
    {Europe,      "Sarajevo",     85, true,  43.85,     18.3833,   1,  0, 0, 0, 0, "Europe/Sarajevo"},
    {Europe,      "Vienna",       79, true,  48.2,      16.3667,   1,  0, 0, 0, 0, "Europe/Vienna"},
    {Europe,      "Warsaw",       81, true,  52.25,     21.0,      1,  0, 0, 0, 0, "Europe/Warsaw"},

    {Oceania,     "Auckland",     86, true, -36.8667,  174.7667,  12,  0, 0, 0, 0, "Pacific/Auckland"},
    {Oceania,     "Christchurch", 88, true, -43.5321,  172.6362,  12,  0, 0, 0, 0, "Pacific/Auckland"},
    {Oceania,     "Melbourne",    89, true, -37.8167,  144.9667,  10,  0, 0, 0, 0, "Australia/Melbourne"},
    {Oceania,     "Noumea",       90, true, -22.2667,  166.45,    11,  0, 0, 0, 0, "Pacific/Noumea"},
    {Oceania,     "Perth",        91, true, -31.9333,  115.8333,   8,  0, 0, 0, 0, "Australia/Perth"},
    {Oceania,     "Sydney",       92, true, -33.8833,  151.2167,  10,  0, 0, 0, 0, "Australia/Sydney"},
};
// clang-format on

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

}  // namespace

std::span<const TCityGroupInfo> CityGroups() {
    return Groups;
}

std::span<const TCityEntry> CityCatalogue() {
    return Entries;
}

const TCityEntry& DefaultCity() {
    static const TCityEntry& mecca = *FindCityByCaption("Mecca");
    return mecca;
}

const TCityEntry* FindCityByTag(int tag) {
    const auto* it = std::find_if(std::begin(Entries), std::end(Entries),
                                  [tag](const TCityEntry& e) { return e.Tag == tag; });
    return it == std::end(Entries) ? nullptr : it;
}

const TCityEntry* FindCityByCaption(std::string_view caption) {
    const auto* it = std::find_if(
        std::begin(Entries), std::end(Entries),
        [caption](const TCityEntry& e) { return EqualIgnoringAsciiCase(e.Caption, caption); });
    return it == std::end(Entries) ? nullptr : it;
}

}  // namespace orvandel
