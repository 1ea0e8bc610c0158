#pragma once
// The calculation methods, one row each: everything the engine, the window's method group, the
// command's --method and the outputs know of a method. A further method is one more row here
// (and its radio button follows from the row).

#include <iterator>
#include <span>
#include <string_view>

namespace orvandel {

struct TCalcMethod {
    std::string_view Key;             // the command's --method value, "mwl"
    std::string_view Caption;         // the method group's item and the outputs' name
    double FajrDegrees;               // sun's depression at Fajr
    double IshaDegrees;               // sun's depression at Isha; 0: Isha follows Maghrib
    double IshaIntervalHours;         // Maghrib to Isha when IshaDegrees is 0
    double RamadanIshaIntervalHours;  // the same in the month of Ramadan
    int DefaultJuristic;  // the juristic method a place without its own takes (0 Standard)
    bool IshaFollowsMaghrib() const { return IshaDegrees == 0.0; }
};

// The rows by method index, the index that the settings, the catalogue and the method group
// hold.
// clang-format off
inline constexpr TCalcMethod CalcMethodTable[] = {
    {"mwl",       "Muslim World League",                  18.0, 17.0, 0.0, 0.0, 0},
    {"egypt",     "Egyptian General Authority of Survey", 19.5, 17.5, 0.0, 0.0, 0},
    {"karachi",   "Karachi Islamic Sciences University",  18.0, 18.0, 0.0, 0.0, 0},
    {"ummalqura", "Umm Al-Qura",                          19.0,  0.0, 1.5, 2.0, 0},
    {"isna",      "ISNA",                                 15.0, 15.0, 0.0, 0.0, 0},
};
// clang-format on

// Names for the indices that code refers to by name; a method needs none.
enum CalcMethodIndex {
    MuslimWorldLeague = 0,
    EgyptianSurvey = 1,
    KarachiUniversity = 2,
    UmmAlQura = 3,
    Isna = 4
};
static_assert(CalcMethodTable[MuslimWorldLeague].Key == "mwl" &&
                  CalcMethodTable[EgyptianSurvey].Key == "egypt" &&
                  CalcMethodTable[KarachiUniversity].Key == "karachi" &&
                  CalcMethodTable[UmmAlQura].Key == "ummalqura" &&
                  CalcMethodTable[Isna].Key == "isna",
              "a named method index points at another row");

inline constexpr std::span<const TCalcMethod> CalcMethods() {
    return CalcMethodTable;
}
inline constexpr int CalcMethodCount() {
    return static_cast<int>(std::size(CalcMethodTable));
}
// The row of method `index`; ERangeError naming `context` for an index outside the table.
const TCalcMethod& CalcMethodAt(int index, std::string_view context);

// The method a place in a country takes, by the country's ISO 3166-1 alpha-2 code: the
// method of the country's own authority where the table has one. The gazetteer's places take
// it; a country without a row takes the Muslim World League.
struct TCountryMethod {
    std::string_view Country;  // "SA"
    int Method;                // index into CalcMethods()
};
// clang-format off
inline constexpr TCountryMethod CountryMethods[] = {
    {"SA", UmmAlQura},
    {"EG", EgyptianSurvey},
    {"PK", KarachiUniversity},
    {"US", Isna},  // North America follows ISNA, as the catalogue's cities there do
    {"CA", Isna},
};
// clang-format on
// The method index for `country` (two letters, any case); MuslimWorldLeague for a country
// without a row.
int MethodForCountry(std::string_view country);

// The juristic methods of Asr, by the index the settings and the window's group hold.
struct TJuristicMethod {
    std::string_view Key;      // the command's --asr value
    std::string_view Caption;  // the group's item and the outputs' name
    double ShadowFactor;       // Asr: an object's shadow exceeds its noon shadow this many lengths
};
inline constexpr TJuristicMethod JuristicMethods[] = {
    {"standard", "Standard", 1.0},
    {"hanafi", "Hanafi", 2.0},
};
// The row of the settings' juristic value: its own row, and Hanafi for a value outside the
// table (the settings have always read any value but 0 as Hanafi).
constexpr const TJuristicMethod& JuristicOf(int juristic) {
    constexpr int count = static_cast<int>(std::size(JuristicMethods));
    return JuristicMethods[juristic >= 0 && juristic < count ? juristic : 1];
}

// How Fajr and Isha are found where the twilight is long or never ends. Rule48: the calendar
// astronomy below 48 degrees of latitude and the prayer routine's night fraction beyond, as
// the table has always done. The others take the calendar astronomy at every latitude and
// keep Fajr and Isha within a share of the night (sunset to the next sunrise) from sunrise and
// sunset: a half, a seventh, or the twilight angle's sixtieth part (18 degrees: 18/60).
enum class HighLatitudeRule { Rule48, Middle, Seventh, Angle };

struct THighLatitudeRule {
    HighLatitudeRule Rule;
    std::string_view Key;      // the command's --high-lat value
    std::string_view Caption;  // the options line's name
};
inline constexpr THighLatitudeRule HighLatitudeRules[] = {
    {HighLatitudeRule::Rule48, "rule48", "the 48-degree rule"},
    {HighLatitudeRule::Middle, "middle", "high latitudes by the middle of the night"},
    {HighLatitudeRule::Seventh, "seventh", "high latitudes by a seventh of the night"},
    {HighLatitudeRule::Angle, "angle", "high latitudes by the twilight angle"},
};
static_assert(static_cast<int>(HighLatitudeRules[3].Rule) == 3, "a rule's row stands elsewhere");

}  // namespace orvandel
