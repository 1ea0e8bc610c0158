#pragma once
// TLocation: a place for the calendar astronomy.

#include <string>

namespace orvandel {

class TLocation {
public:
    std::string Name;        // display name, not used in any computation
    double Latitude = 0.0;   // degrees, north positive
    double Longitude = 0.0;  // degrees, east positive
    double Elevation = 0.0;  // metres above sea level; negative counts as 0 for sunrise/sunset
    double Zone = 0.0;       // hours standard time is ahead of universal time

    TLocation() = default;
    TLocation(std::string name, double latitude, double longitude, double elevation, double zone)
        : Name(std::move(name)),
          Latitude(latitude),
          Longitude(longitude),
          Elevation(elevation),
          Zone(zone) {}
};

// The shared default place, "Los Angeles, CA, USA" (34 deg 4' N, 118 deg 15' W, 0 m, zone -8),
// created on the first call; every call returns the same object.
const TLocation& DefaultLocation();

}  // namespace orvandel
