#pragma once
// The fixed catalogue of preset places in seven regional groups, shared by the window's city
// list and the orvandel-table command.

#include <span>
#include <string_view>

namespace orvandel {

enum class CityGroup { SaudiArabia, MiddleEast, Africa, Americas, Asia, Europe, Oceania };

struct TCityGroupInfo {
    CityGroup Group;
    std::string_view Caption;  // "Saudi Arabia"
};

struct TCityEntry {
    CityGroup Group;
    std::string_view Caption;
    int Tag;                    // unique in the catalogue; the window selects a city by it
    bool Visible;               // false: never listed, but its tag is still handled
    double Latitude;            // degrees, north positive
    double Longitude;           // degrees, east positive
    int GmtHours;               // signed whole hours
    int GmtMinutes;             // 0..59, never negative
    int Elevation;              // metres
    int CalcMethod;             // calculation-method index into CalcMethods()
    int Juristic;               // juristic-method index (0 Standard, 1 Hanafi)
    std::string_view IanaZone;  // the place's IANA time-zone name, "Asia/Riyadh"; not shown
};

// The seven groups in display order.
std::span<const TCityGroupInfo> CityGroups();
// Every entry in display order (group by group, alphabetical within a group).
std::span<const TCityEntry> CityCatalogue();
// The place the window starts on and the command takes without a city or coordinates: Mecca.
const TCityEntry& DefaultCity();
// The entry with that tag, or nullptr.
const TCityEntry* FindCityByTag(int tag);
// The entry whose caption matches, ignoring ASCII case, or nullptr.
const TCityEntry* FindCityByCaption(std::string_view caption);

}  // namespace orvandel
