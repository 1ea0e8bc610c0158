#include "timetable/CityCatalogue.h"

#include "timetable/Timetable.h"
#include "platform/TimeZone.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CityCatalogue, GroupsInDisplayOrderWithTheirItemCounts) {
    const int expectedItems[] = {9, 13, 13, 14, 13, 13, 6};  // Americas with hidden Montreal
    ASSERT_EQ(CityGroups().size(), std::size(expectedItems));
    EXPECT_EQ(CityGroups()[0].Caption, "Saudi Arabia");
    EXPECT_EQ(CityGroups()[6].OpenedHeight, 147);
    std::map<CityGroup, int> counts;
    for (const TCityEntry& e : CityCatalogue()) {
        ++counts[e.Group];
    }
    for (size_t i = 0; i < std::size(expectedItems); ++i) {
        EXPECT_EQ(static_cast<size_t>(CityGroups()[i].Group), i);
        EXPECT_EQ(counts[CityGroups()[i].Group], expectedItems[i]) << CityGroups()[i].Caption;
    }
}

TEST(CityCatalogue, EntriesAreGroupedAlphabeticallyWithUniqueTagsInRange) {
    std::set<int> tags;
    const TCityEntry* previous = nullptr;
    for (const TCityEntry& e : CityCatalogue()) {
        SCOPED_TRACE(std::string(e.Caption));
        EXPECT_TRUE(tags.insert(e.Tag).second) << "duplicate tag " << e.Tag;
        EXPECT_GE(e.Tag, 10);
        EXPECT_LE(e.Tag, 92);
        if (previous != nullptr) {
            EXPECT_LE(static_cast<int>(previous->Group), static_cast<int>(e.Group));
            if (previous->Group == e.Group) {
                EXPECT_LT(previous->Caption, e.Caption);
            }
        }
        previous = &e;
    }
    EXPECT_EQ(tags.size(), 81u);
    EXPECT_EQ(tags.count(19), 0u);
    EXPECT_EQ(tags.count(87), 0u);
}

TEST(CityCatalogue, MethodsElevationAndVisibilityFollowTheRegion) {
    const std::set<std::string> isna = {"Chicago",  "Dallas",   "Los Angeles", "Miami",
                                        "Montreal", "New York", "Toronto",     "Vancouver"};
    for (const TCityEntry& e : CityCatalogue()) {
        const std::string caption(e.Caption);
        SCOPED_TRACE(caption);
        const int expected = e.Group == CityGroup::SaudiArabia ? 3 : isna.count(caption) ? 4 : 0;
        EXPECT_EQ(e.CalcMethod, expected);
        EXPECT_EQ(e.Juristic, 0);
        EXPECT_EQ(e.Elevation, 0);
        EXPECT_EQ(e.Visible, caption != "Montreal");
        EXPECT_TRUE(e.GmtMinutes == 0 || e.GmtMinutes == 30);
        // Every place lies inside the window's field ranges.
        EXPECT_LE(std::fabs(e.Latitude), 60.0);
        EXPECT_LE(std::fabs(e.Longitude), 180.0);
        EXPECT_LE(std::abs(e.GmtHours), 25);
        // A standard offset far from the longitude's solar time would shift every time by
        // hours: it stays within 2.5 h of longitude / 15.
        const double zone = e.GmtHours + (e.GmtHours >= 0 ? 1 : -1) * e.GmtMinutes / 60.0;
        EXPECT_LE(std::fabs(zone - e.Longitude / 15.0), 2.5) << "zone " << zone;
    }
}

// Entries whose coordinates or offsets were corrected: each must now be the real place.
TEST(CityCatalogue, CorrectedPlacesAndOffsets) {
    struct Row {
        const char* Caption;
        double Latitude, Longitude;
        int GmtHours, GmtMinutes;
    };
    const Row rows[] = {
        {"Bogota", 4.6097, -74.0817, -5, 0},
        {"Buenos Aires", -34.6037, -58.3816, -3, 0},
        {"Sao Paulo", -23.5505, -46.6333, -3, 0},
        {"Christchurch", -43.5321, 172.6362, 12, 0},
        {"Tripoli", 32.8872, 13.1913, 2, 0},
        {"Muscat", 23.5880, 58.3829, 4, 0},
        {"Beirut", 33.8938, 35.5018, 2, 0},
        {"Sanaa", 15.3694, 44.1910, 3, 0},
        {"Bamako", 12.6392, -8.0029, 0, 0},
        {"Islamabad", 33.6667, 73.1667, 5, 0},
        {"Tehran", 35.5, 51.5, 3, 30},
        {"Santiago", -33.45, -70.6667, -4, 0},
        {"Istanbul", 41.0186, 28.9647, 3, 0},
        {"Damascus", 33.5, 36.3, 3, 0},
        {"Mecca", 21.42, 39.83, 3, 0},
        {"New Delhi", 28.6, 77.2, 5, 30},
        {"Madina", 24.4686, 39.6142, 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Caption);
        const TCityEntry* e = FindCityByCaption(row.Caption);
        ASSERT_NE(e, nullptr);
        EXPECT_DOUBLE_EQ(e->Latitude, row.Latitude);
        EXPECT_DOUBLE_EQ(e->Longitude, row.Longitude);
        EXPECT_EQ(e->GmtHours, row.GmtHours);
        EXPECT_EQ(e->GmtMinutes, row.GmtMinutes);
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
// and every city lies within 30 km of its place in the gazetteer.
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

TEST(CityCatalogue, LookUpByTagAndCaption) {
    ASSERT_NE(FindCityByTag(15), nullptr);
    EXPECT_EQ(FindCityByTag(15)->Caption, "Mecca");
    ASSERT_NE(FindCityByTag(48), nullptr);
    EXPECT_EQ(FindCityByTag(48)->Caption, "Montreal");
    for (int tag : {9, 19, 87, 93, 0, -15}) {
        EXPECT_EQ(FindCityByTag(tag), nullptr) << tag;
    }
    EXPECT_EQ(FindCityByCaption("kuala lumpur"), FindCityByTag(67));
    EXPECT_EQ(FindCityByCaption("NEW YORK"), FindCityByTag(52));
    EXPECT_EQ(FindCityByCaption("New York "), nullptr);
    EXPECT_EQ(FindCityByCaption("Atlantis"), nullptr);
    EXPECT_EQ(FindCityByCaption(""), nullptr);
}

}  // namespace
}  // namespace orvandel
