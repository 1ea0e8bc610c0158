#include "timetable/CityCatalogue.h"

#include "platform/DateTime.h"
#include "platform/TimeZone.h"
#include "timetable/CalcMethods.h"
#include "timetable/SettingsRules.h"
#include "timetable/Timetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

namespace orvandel {
namespace {

// Each group is listed once, in display order, with a caption of its own and at least one
// city to show; each city belongs to a listed group, stands in alphabetical order within it,
// and is found again by its tag and by its caption in any case.
TEST(CityCatalogue, GroupsAndEntriesAreDistinctAndFoundAgain) {
    std::set<std::string_view> groupCaptions;
    for (size_t i = 0; i < CityGroups().size(); ++i) {
        const TCityGroupInfo& group = CityGroups()[i];
        SCOPED_TRACE(std::string(group.Caption));
        EXPECT_EQ(static_cast<size_t>(group.Group), i);
        EXPECT_TRUE(groupCaptions.insert(group.Caption).second);
        EXPECT_TRUE(
            std::any_of(CityCatalogue().begin(), CityCatalogue().end(),
                        [&](const TCityEntry& e) { return e.Group == group.Group && e.Visible; }));
    }
    std::set<int> tags;
    std::set<std::string> captions;  // lower case
    const TCityEntry* previous = nullptr;
    for (const TCityEntry& e : CityCatalogue()) {
        std::string lower(e.Caption), upper(e.Caption);
        for (size_t i = 0; i < lower.size(); ++i) {
            lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[i])));
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
        }
        SCOPED_TRACE(lower);
        EXPECT_LT(static_cast<size_t>(e.Group), CityGroups().size());
        EXPECT_TRUE(tags.insert(e.Tag).second) << "tag " << e.Tag << " taken twice";
        EXPECT_TRUE(captions.insert(lower).second) << "caption taken twice";
        if (previous != nullptr) {
            EXPECT_LE(static_cast<int>(previous->Group), static_cast<int>(e.Group));
            if (previous->Group == e.Group) {
                EXPECT_LT(previous->Caption, e.Caption);
            }
        }
        previous = &e;
        EXPECT_EQ(FindCityByTag(e.Tag), &e);
        EXPECT_EQ(FindCityByCaption(lower), &e);
        EXPECT_EQ(FindCityByCaption(upper), &e);
    }
    ASSERT_FALSE(tags.empty());
    for (int tag = *tags.begin() - 1; tag <= *tags.rbegin() + 1; ++tag) {
        if (tags.count(tag) == 0) {
            EXPECT_EQ(FindCityByTag(tag), nullptr) << tag;
        }
    }
    for (const char* caption : {"New York ", " Mecca", "Atlantis", ""}) {
        EXPECT_EQ(FindCityByCaption(caption), nullptr) << '"' << caption << '"';
    }
}

// Every place lies inside the ranges the window's fields and the command's options accept,
// with a known method, and its standard offset is near the longitude's solar time: an offset
// far from it would shift every time by hours.
TEST(CityCatalogue, EveryPlaceIsInsideTheFieldRanges) {
    for (const TCityEntry& e : CityCatalogue()) {
        SCOPED_TRACE(std::string(e.Caption));
        EXPECT_TRUE(LatitudeRange.Contains(e.Latitude));
        EXPECT_TRUE(LongitudeRange.Contains(e.Longitude));
        EXPECT_TRUE(ZoneHoursRange.Contains(e.GmtHours));
        EXPECT_TRUE(ZoneMinutesRange.Contains(e.GmtMinutes));
        EXPECT_TRUE(ElevationRange.Contains(e.Elevation));
        EXPECT_TRUE(e.CalcMethod >= 0 && e.CalcMethod < CalcMethodCount());
        EXPECT_TRUE(e.Juristic == 0 || e.Juristic == 1);
        const double zone = e.GmtHours + (e.GmtHours >= 0 ? 1 : -1) * e.GmtMinutes / 60.0;
        EXPECT_LE(std::fabs(zone - e.Longitude / 15.0), 2.5) << "zone " << zone;
    }
}

// Choosing a city sets its place, zone fields, elevation and methods, and leaves the date and
// every option as they were.
TEST(CityCatalogue, ApplyingACitySetsItsPlaceAndMethodsOnly) {
    TimetableSettings before;
    before.Date = EncodeDate(2031, 5, 17) + 0.75;
    before.Latitude = -1.5;
    before.Longitude = -2.5;
    before.GmtHours = -11;
    before.GmtMinutes = 45;
    before.ZoneOffsetSeconds = 20764;  // a zone of seconds, which the city's fields replace
    before.Elevation = 4321;
    before.CalcMethod = -1;
    before.Juristic = -1;
    before.AddSafetyTime = false;
    before.RoundMinutes = true;
    before.TwelveHours = false;
    before.RightToLeft = false;
    before.SunsetBased = true;
    before.CivilDateTexts = false;
    for (const TCityEntry& city : CityCatalogue()) {
        SCOPED_TRACE(std::string(city.Caption));
        TimetableSettings s = before;
        ApplyCity(s, city);
        EXPECT_EQ(s.Latitude, city.Latitude);
        EXPECT_EQ(s.Longitude, city.Longitude);
        EXPECT_EQ(s.GmtHours, city.GmtHours);
        EXPECT_EQ(s.GmtMinutes, city.GmtMinutes);
        EXPECT_EQ(SettingsZoneSeconds(s), 60 * ZoneOffsetMinutes(city.GmtHours, city.GmtMinutes));
        EXPECT_EQ(s.Elevation, city.Elevation);
        EXPECT_EQ(s.CalcMethod, city.CalcMethod);
        EXPECT_EQ(s.Juristic, city.Juristic);
        EXPECT_EQ(s.Date, before.Date);
        EXPECT_EQ(s.AddSafetyTime, before.AddSafetyTime);
        EXPECT_EQ(s.RoundMinutes, before.RoundMinutes);
        EXPECT_EQ(s.TwelveHours, before.TwelveHours);
        EXPECT_EQ(s.RightToLeft, before.RightToLeft);
        EXPECT_EQ(s.SunsetBased, before.SunsetBased);
        EXPECT_EQ(s.CivilDateTexts, before.CivilDateTexts);
    }
}

// Degrees of an ISO 6709 field of zone1970.tab: sign, 2 or 3 degree digits, minutes, seconds.
double Iso6709Degrees(const std::string& field, int degreeDigits) {
    const int degrees = std::stoi(field.substr(1, degreeDigits));
    const int minutes = std::stoi(field.substr(1 + degreeDigits, 2));
    const size_t secondsAt = 3 + static_cast<size_t>(degreeDigits);
    const int seconds = field.size() > secondsAt ? std::stoi(field.substr(secondsAt, 2)) : 0;
    return (field[0] == '-' ? -1 : 1) * (degrees + minutes / 60.0 + seconds / 3600.0);
}

// The farthest of the entries checked against a point each.
struct Farthest {
    double Km = 0;
    std::string City;

    // Expects the entry within limitKm of the point [deg] along a great circle (radius 6371 km).
    void Check(const TCityEntry& e, std::pair<double, double> point, double limitKm) {
        constexpr double rad = std::numbers::pi / 180;
        const auto [lat, lon] = point;
        const double cosAngle =
            std::sin(lat * rad) * std::sin(e.Latitude * rad) +
            std::cos(lat * rad) * std::cos(e.Latitude * rad) * std::cos((lon - e.Longitude) * rad);
        const double km = 6371.0 * std::acos(std::min(cosAngle, 1.0));
        EXPECT_LT(km, limitKm) << "from " << lat << ", " << lon;
        if (km > Km) {
            Km = km;
            City = e.Caption;
        }
    }
};

// The gazetteer's point of every catalogue caption (tests/data/gazetteer_places.csv).
std::map<std::string, std::pair<double, double>> GazetteerPlaces() {
    std::map<std::string, std::pair<double, double>> places;
    std::ifstream in(std::string(ORVANDEL_TEST_DATA) + "/gazetteer_places.csv");
    EXPECT_TRUE(in) << "gazetteer_places.csv";
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string caption, name, country, latitude, longitude;
        std::getline(fields, caption, ',');
        std::getline(fields, name, ',');
        std::getline(fields, country, ',');
        std::getline(fields, latitude, ',');
        std::getline(fields, longitude, ',');
        places[caption] = {std::stod(latitude), std::stod(longitude)};
    }
    return places;
}

// Every entry against the system's time-zone database and a gazetteer: the offset is the zone's
// present standard offset, a city that is its zone's reference point lies within 50 km of it,
// and every city lies within 30 km of its place in the gazetteer. The method is that of the
// zone's country (MethodForCountry): Umm al-Qura in Saudi Arabia, ISNA in the United States and
// Canada, Kemenag in Indonesia, ..., the Muslim World League where the country has none.
TEST(CityCatalogue, OffsetsAndPlacesAgreeWithTheTimeZoneDatabaseAndAGazetteer) {
    std::map<std::string, std::pair<double, double>> points;  // zone -> latitude, longitude
    std::ifstream tab("/usr/share/zoneinfo/zone1970.tab");
    ASSERT_TRUE(tab) << "zone1970.tab";
    for (std::string line; std::getline(tab, line);) {
        std::istringstream fields(line);
        std::string codes, where, zone;
        if (line.empty() || line[0] == '#' || !(fields >> codes >> where >> zone))
            continue;
        const size_t split = where.find_first_of("+-", 1);
        points[zone] = {Iso6709Degrees(where.substr(0, split), 2),
                        Iso6709Degrees(where.substr(split), 3)};
    }
    std::map<std::string, std::string> zoneCountry;  // zone -> its country code
    std::ifstream countryTab("/usr/share/zoneinfo/zone.tab");
    ASSERT_TRUE(countryTab) << "zone.tab";
    for (std::string line; std::getline(countryTab, line);) {
        std::istringstream fields(line);
        std::string code, where, zone;
        if (!line.empty() && line[0] != '#' && fields >> code >> where >> zone)
            zoneCountry[zone] = code;
    }
    // Captions spelt otherwise than their zone's city.
    const std::map<std::string, std::string> spelling = {
        {"Bucarest", "Bucharest"}, {"Kiev", "Kyiv"}, {"Rangoon", "Yangon"}};
    // A fixed day on which the catalogue's offsets hold (Vancouver's -7:00 from November 2026),
    // so that the check gives the same answer on any day with the same database.
    const std::chrono::sys_days day{std::chrono::year{2027} / std::chrono::January / 15};
    const std::map<std::string, std::pair<double, double>> gazetteer = GazetteerPlaces();
    EXPECT_EQ(gazetteer.size(), CityCatalogue().size());
    int placesChecked = 0;
    Farthest fromZonePoint, fromGazetteer;
    for (const TCityEntry& e : CityCatalogue()) {
        const std::string zoneName(e.IanaZone);
        SCOPED_TRACE(std::string(e.Caption) + " " + zoneName);
        std::shared_ptr<const TimeZoneRules> zone;
        ASSERT_NO_THROW(zone = TimeZoneRules::FromDatabase(zoneName));
        // That day and half a year on have the same standard offset (also where daylight
        // saving is negative, as Morocco's in Ramadan).
        std::set<long long> standard;
        for (const auto at : {day, day + std::chrono::days(182)})
            standard.insert(zone->StandardOffsetAt(at.time_since_epoch().count() * 86400LL));
        ASSERT_EQ(standard.size(), 1u);
        EXPECT_EQ(ZoneOffsetMinutes(e.GmtHours, e.GmtMinutes) * 60LL, *standard.begin());
        // The method of the zone's own country (zone.tab names one country per zone).
        ASSERT_TRUE(zoneCountry.count(zoneName)) << "zone.tab";
        EXPECT_EQ(CalcMethods()[static_cast<size_t>(e.CalcMethod)].Key,
                  CalcMethods()[static_cast<size_t>(MethodForCountry(zoneCountry[zoneName]))].Key);

        std::string city = zoneName.substr(zoneName.rfind('/') + 1);
        std::replace(city.begin(), city.end(), '_', ' ');
        const auto alias = spelling.find(std::string(e.Caption));
        const auto point = points.find(zoneName);
        if ((city == e.Caption || (alias != spelling.end() && alias->second == city)) &&
            point != points.end()) {
            ++placesChecked;
            fromZonePoint.Check(e, point->second, 50.0);
        }
        const auto place = gazetteer.find(std::string(e.Caption));
        if (place == gazetteer.end()) {
            ADD_FAILURE() << "not in gazetteer_places.csv";
            continue;
        }
        fromGazetteer.Check(e, place->second, 30.0);
    }
    std::printf("%d catalogue places are their zone's reference point; farthest %s, %.1f km\n",
                placesChecked, fromZonePoint.City.c_str(), fromZonePoint.Km);
    std::printf("farthest from its gazetteer place: %s, %.1f km\n", fromGazetteer.City.c_str(),
                fromGazetteer.Km);
    EXPECT_GE(placesChecked, 40);
}

}  // namespace
}  // namespace orvandel
