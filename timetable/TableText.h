#pragma once
// The lines that say what a timetable is: its place, clock, method and options. The command's
// text table and the window's copied and printed tables head their rows with them.

#include <string>
#include <string_view>

#include "timetable/Timetable.h"

namespace orvandel {

// "Fajr", "Shrook", "Dhuhr", "Asr", "Maghrib", "Isha" for prayer p = 0..5: the header text
// without its leading blank.
std::string PrayerName(int prayer);
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
// Time p (0 Fajr ... 5 Isha) of a row as data (a csv or json field, a copied cell): on the
// 12-hour clock with AM or PM when the settings ask for that clock, else the table's text
// without its leading blank ("4:35", "24:15"). Sunset-based counts are no clock times and keep
// the table's text.
std::string DataTimeText(const TimetableSettings& settings, const TimetableDay& day, int prayer);

// "Mecca  21.4200 N  39.8300 E  GMT +3:00  elevation 277 m": the place's name when it has one
// (empty: the coordinates alone), and the clock, the zone fields' offset or `clockName` (a
// time zone) when that is not empty.
std::string PlaceLine(const TimetableSettings& settings, std::string_view placeName,
                      std::string_view clockName);
// "Umm Al-Qura, Asr Standard, safety time added, minutes truncated, 24-hour clock", with
// ", sunset based" when so; `seconds` names the times with seconds instead of the clock.
std::string OptionsLine(const TimetableSettings& settings, bool seconds);

}  // namespace orvandel
