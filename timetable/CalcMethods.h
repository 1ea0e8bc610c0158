#pragma once
// The calculation methods, one row each: everything the engine, the window's method group, the
// command's --method and the outputs know of a method. A further method is one more row here
// (and its radio button follows from the row).

#include <array>
#include <iterator>
#include <span>
#include <string_view>

namespace orvandel {

// How a method finds Fajr and Isha from its angles.
enum class TwilightRule {
    Angle,     // the sun's depression at the angle (Isha by interval where IshaDegrees is 0)
    Seasonal,  // as Angle, but Fajr no earlier and Isha no later than the seasonal minutes
               // from sunrise and sunset of SeasonalTwilightMinutes (a night of a seventh
               // from 55 degrees on), at every latitude
};

// Minutes a method adds to each time (index p, 0 Fajr ... 5 Isha), as its authority
// publishes them: a Dhuhr some minutes after the transit, a sunrise some minutes before.
using TMethodMinutes = std::array<int, 6>;

struct TCalcMethod {
    std::string_view Key;             // the command's --method value, "mwl"
    std::string_view Caption;         // the method group's item and the outputs' name
    double FajrDegrees;               // sun's depression at Fajr
    double IshaDegrees;               // sun's depression at Isha; 0: Isha follows Maghrib
    double IshaIntervalHours;         // Maghrib to Isha when IshaDegrees is 0
    double RamadanIshaIntervalHours;  // the same in the month of Ramadan
    int DefaultJuristic;  // the juristic method a place without its own takes (0 Standard)
    double MaghribDegrees = 0.0;  // sun's depression at Maghrib; 0: Maghrib at sunset
    TMethodMinutes Minutes{};     // added to each time that occurs
    TwilightRule Twilight = TwilightRule::Angle;
    // The authority rounds its times to the nearest minute where the table rounds up (the
    // safety offset, then the minute truncated): every time half a minute earlier.
    bool RoundsToNearest = false;
    bool IshaFollowsMaghrib() const { return IshaDegrees == 0.0; }
    bool MaghribByAngle() const { return MaghribDegrees != 0.0; }
};

// The rows by method index, the index that the settings, the catalogue and the method group
// hold.
// clang-format off
inline constexpr TCalcMethod CalcMethodTable[] = {
    {"mwl",       "Muslim World League",                  18.0, 17.0, 0.0, 0.0, 0},
    {"egypt",     "Egyptian General Authority of Survey", 19.5, 17.5, 0.0, 0.0, 0},
    {"karachi",   "Karachi Islamic Sciences University",  18.0, 18.0, 0.0, 0.0, 0},
    // Fajr 18.5 degrees since AH 1430 (2009; 19 before), Isha 90 minutes after Maghrib, two
    // hours in Ramadan: the authority's published Mecca timetable (tests/data).
    {"ummalqura", "Umm Al-Qura",                          18.5,  0.0, 1.5, 2.0, 0},
    {"isna",      "ISNA",                                 15.0, 15.0, 0.0, 0.0, 0},
    // Gulf region: 19.5 degrees and Isha 90 minutes after Maghrib, as the common method
    // tables give it; no published timetable checked.
    {"gulf",      "Gulf Region",                          19.5,  0.0, 1.5, 1.5, 0},
    // Kuwait's ministry of awqaf: 18 and 17.5 degrees; checked with a Kuwait City timetable
    // that an app publishes (tests/data).
    {"kuwait",    "Kuwait Ministry of Awqaf",             18.0, 17.5, 0.0, 0.0, 0},
    // Qatar's ministry of awqaf (Qatar Calendar House): 18 degrees, Isha 90 minutes after
    // Maghrib all year; its published Doha timetable (tests/data) rounds to the nearest minute
    // and has Maghrib and Isha a minute later.
    {"qatar",     "Qatar Ministry of Awqaf",              18.0,  0.0, 1.5, 1.5, 0, 0.0,
                  {0, 0, 0, 0, 1, 1}, TwilightRule::Angle, true},
    // The UAE's General Authority of Islamic Affairs and Endowments: 18.2 degrees both, and the
    // minutes and the rounding to the nearest minute of its published Dubai timetable
    // (tests/data): sunrise 3 minutes earlier, Dhuhr, Asr and Maghrib 3 later than the sun.
    {"dubai",     "UAE Islamic Affairs and Awqaf (Dubai)", 18.2, 18.2, 0.0, 0.0, 0, 0.0,
                  {0, -3, 3, 3, 3, 0}, TwilightRule::Angle, true},
    // Majlis Ugama Islam Singapura: 20 and 18 degrees, Dhuhr a minute after the transit;
    // checked with its published Singapore timetable (tests/data).
    {"singapore", "MUIS Singapore",                       20.0, 18.0, 0.0, 0.0, 0, 0.0,
                  {0, 0, 1, 0, 0, 0}},
    // Jabatan Kemajuan Islam Malaysia: 20 and 18 degrees, as the method tables give it; no
    // published timetable checked.
    {"jakim",     "JAKIM Malaysia",                       20.0, 18.0, 0.0, 0.0, 0},
    // Kementerian Agama (Indonesia): 20 and 18 degrees and its two minutes of ihtiyat, on every
    // time but sunrise, which it moves two minutes earlier.
    {"kemenag",   "Kemenag Indonesia",                    20.0, 18.0, 0.0, 0.0, 0, 0.0,
                  {2, -2, 2, 2, 2, 2}},
    // Diyanet Isleri Baskanligi: 18 and 17 degrees and its temkin minutes (sunrise 7 earlier,
    // Dhuhr 5, Asr 4, Maghrib 7 later), rounded to the nearest minute, as its Ankara timetable
    // (tests/data) has them.
    {"turkey",    "Diyanet Turkey",                       18.0, 17.0, 0.0, 0.0, 0, 0.0,
                  {0, -7, 5, 4, 7, 0}, TwilightRule::Angle, true},
    // Union des Organisations Islamiques de France: 12 degrees both.
    {"france",    "UOIF France",                          12.0, 12.0, 0.0, 0.0, 0},
    // Spiritual Administration of Muslims of Russia: 16 and 15 degrees.
    {"russia",    "Spiritual Administration of Muslims of Russia", 16.0, 15.0, 0.0, 0.0, 0},
    // Institute of Geophysics, University of Tehran: Fajr 17.7, Isha 14, Maghrib 4.5 degrees.
    {"tehran",    "Institute of Geophysics, Tehran",      17.7, 14.0, 0.0, 0.0, 0, 4.5},
    // Shia Ithna Ashari (Leva Institute, Qum): Fajr 16, Isha 14, Maghrib 4 degrees.
    {"jafari",    "Shia Ithna Ashari (Jafari)",           16.0, 14.0, 0.0, 0.0, 0, 4.0},
    // Morocco's ministry of Habous: 19 and 17 degrees.
    {"morocco",   "Morocco Ministry of Habous",           19.0, 17.0, 0.0, 0.0, 0},
    // Algeria's ministry of religious affairs: 18 and 17 degrees.
    {"algeria",   "Algeria Ministry of Religious Affairs", 18.0, 17.0, 0.0, 0.0, 0},
    // Tunisia's ministry of religious affairs: 18 degrees both.
    {"tunisia",   "Tunisia Ministry of Religious Affairs", 18.0, 18.0, 0.0, 0.0, 0},
    // Jordan's ministry of awqaf: 18 degrees both, Maghrib 5 minutes after sunset.
    {"jordan",    "Jordan Ministry of Awqaf",             18.0, 18.0, 0.0, 0.0, 0, 0.0,
                  {0, 0, 0, 0, 5, 0}},
    // Moonsighting Committee Worldwide: 18 degrees both, bounded by its seasonal minutes
    // (SeasonalTwilightMinutes), Dhuhr 5 and Maghrib 3 minutes after the sun, rounded to the
    // nearest minute, as its published London timetable (tests/data) has them. Its own rule
    // for high latitudes, also at 48 degrees and beyond.
    {"moonsighting", "Moonsighting Committee Worldwide",  18.0, 18.0, 0.0, 0.0, 0, 0.0,
                  {0, 0, 5, 0, 3, 0}, TwilightRule::Seasonal, true},
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
// The index of the row with `key`; -1 for a key no row has.
constexpr int CalcMethodIndexOf(std::string_view key) {
    for (int i = 0; i < CalcMethodCount(); ++i) {
        if (CalcMethodTable[i].Key == key) {
            return i;
        }
    }
    return -1;
}
// The row of method `index`; ERangeError naming `context` for an index outside the table.
const TCalcMethod& CalcMethodAt(int index, std::string_view context);

// The Moonsighting Committee's seasonal twilight: the minutes from Fajr to sunrise (`fajr`)
// or from sunset to Isha at a latitude (degrees, its magnitude counts; 0 to 55 as the
// committee gives it, beyond taken at its value) on a day of the year (1 = 1 January) of a
// common or leap year. Each is a broken line over the days since the winter solstice of the
// place's hemisphere through four values, at the solstice (A), 91 days after (B), 137 (C) and
// 183 (D), then back through C and B; each value is 75 minutes plus a share of the latitude.
double SeasonalTwilightMinutes(bool fajr, double latitude, int dayOfYear, bool leapYear);

// The method a place in a country takes, by the country's ISO 3166-1 alpha-2 code: the
// method of the country's own authority where the table has one. The gazetteer's places and
// the catalogue's cities take it; a country without a row takes the Muslim World League.
// Countries without one national authority (France's mosques follow 12, 15 or 18 degrees,
// Iraq's Sunni and Shia endowments differ) and those whose authority has no row here (Bahrain,
// Oman: the "Gulf Region" row is no ministry's own) have none.
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
    {"AE", CalcMethodIndexOf("dubai")},
    {"DZ", CalcMethodIndexOf("algeria")},
    {"ID", CalcMethodIndexOf("kemenag")},
    {"IR", CalcMethodIndexOf("tehran")},
    {"JO", CalcMethodIndexOf("jordan")},
    {"KW", CalcMethodIndexOf("kuwait")},
    {"MA", CalcMethodIndexOf("morocco")},
    {"MY", CalcMethodIndexOf("jakim")},
    {"QA", CalcMethodIndexOf("qatar")},
    {"RU", CalcMethodIndexOf("russia")},
    {"SG", CalcMethodIndexOf("singapore")},
    {"TN", CalcMethodIndexOf("tunisia")},
    {"TR", CalcMethodIndexOf("turkey")},
};
// clang-format on
constexpr bool EveryCountryHasItsRow() {
    for (const TCountryMethod& row : CountryMethods) {
        if (row.Method < 0) {
            return false;
        }
    }
    return true;
}
static_assert(EveryCountryHasItsRow(), "a country names a method key that no row has");
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
