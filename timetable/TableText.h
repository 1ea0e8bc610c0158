#pragma once
// The lines that say what a timetable is: its place, clock, method and options. The command's
// text table and the window's copied and printed tables head their rows with them.

#include <span>
#include <string>
#include <string_view>

#include "timetable/CityCatalogue.h"
#include "timetable/Timetable.h"

namespace orvandel {

// "Fajr", "Shrook", "Dhuhr", "Asr", "Maghrib", "Isha" for prayer p = 0..5 (Prayers' Name).
std::string PrayerName(int prayer);
// The text without one leading blank: the table's " 4:35" as data, "4:35".
std::string_view WithoutLeadingBlank(std::string_view text);
// "2024-04-10" of a fixed date; EConvertError outside years 1..9999.
std::string IsoDateText(int32_t fixed);
// "April 2024": the civil month and year of the day of `date`, English month names.
std::string MonthYearText(TDateTime date);
// "21.4200 N", "0.1167 W": the absolute value with four decimals and the letter of its side.
std::string DegreesText(double value, char positive, char negative);
// "GMT +3:00", "GMT -3:30" from the hours and minutes fields.
std::string ZoneText(int gmtHours, int gmtMinutes);
// "21.4200 N  39.8300 E": the name of a place that has none but its coordinates.
std::string CoordinatesName(double latitude, double longitude);
// The caption of calculation method `index` ("Muslim World League"); "method 7" for an index
// outside the table.
std::string MethodName(int index);

// A shown time in minutes after the row's midnight (ShownMinutes) on the 12-hour clock with
// its half of the day, the date left out: 270 -> "4:30 AM", 0 -> "12:00 AM", 750 -> "12:30 PM",
// 1455 (24:15) -> "12:15 AM", -30 -> "11:30 PM".
std::string TwelveHourTime(int minutes);
// A time of day in seconds after midnight (wrapped into the day) on the 12-hour clock with its
// half of the day, with or without its seconds: 47166 -> "1:06:06 PM", "1:06 PM".
std::string TwelveHourClock(long long seconds, bool withSeconds);
// Time p (0 Fajr ... 5 Isha) of a row as data (a csv or json field, a copied cell): on the
// 12-hour clock with AM or PM when the settings ask for that clock, else the table's text
// without its leading blank ("4:35", "24:15"). Sunset-based counts are no clock times and keep
// the table's text.
std::string DataTimeText(const TimetableSettings& settings, const TimetableDay& day, int prayer);

// What names the place of the settings: the catalogue city it came from while the settings
// hold its coordinates (the fields keep four decimals, as the catalogue does), else the
// coordinates ("21.4200 N  39.8300 E").
struct TPlaceName {
    std::string Text;
    bool IsCity = false;
};
TPlaceName PlaceNameOf(const TimetableSettings& settings, const TCityEntry* city);

// "Mecca  21.4200 N  39.8300 E  GMT +3:00  elevation 277 m": the place's name when it has one
// (empty: the coordinates alone), and the clock, the zone fields' offset or `clockName` (a
// time zone) when that is not empty.
std::string PlaceLine(const TimetableSettings& settings, std::string_view placeName,
                      std::string_view clockName);
// The user's adjustments, "Fajr +2 min, Isha -1 min, Hijri date +1 day"; empty without any.
std::string AdjustmentsText(const TimetableSettings& settings);
// "Umm Al-Qura, Asr Standard, safety time added, minutes truncated, 24-hour clock", with
// ", sunset based" when so, the high-latitude rule when not the 48-degree one, and the
// adjustments when any; `seconds` names the times with
// seconds instead of the clock.
std::string OptionsLine(const TimetableSettings& settings, bool seconds);

// The columns a UTF-8 text takes in a terminal, counted as characters: a locale's month name
// with an umlaut takes three columns for its four bytes. The text padded with blanks to
// `width` columns, on the right or on the left.
size_t TextWidth(std::string_view text);
std::string PadRight(std::string_view text, size_t width);
std::string PadLeft(std::string_view text, size_t width);

// The visible catalogue, group by group, one city per line with its coordinates, zone and
// calculation method.
std::string CityListText();

// The warning for the rows from the Hijri epoch on whose Hijri date could not be computed:
// "no Hijri date could be computed for 5500-01-01 to 5500-03-09, 5600-01-01", consecutive
// days joined into runs, at most 8 runs and then how many days more; empty when there are
// none. Rows before the epoch have no Hijri date to compute.
std::string MissingHijriDates(std::span<const TimetableDay> rows);

}  // namespace orvandel
