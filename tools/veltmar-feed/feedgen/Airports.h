#ifndef FEEDGEN_AIRPORTS_H
#define FEEDGEN_AIRPORTS_H

// Airports where the scene parks and taxies its aircraft on the ground.

#include <string>
#include <vector>

#include "feedgen/Geo.h"

namespace feedgen {

struct Airport {
    std::string icao;
    GeoPoint position;
    int elevationFeet = 0;
    int weight = 1;  // share of the ground traffic, by the airport's size
};

namespace airports {

// The known airports within `radiusNm` of `centre`, largest first. When none is that close,
// one unnamed airfield at the centre itself, at sea level, so that a scene anywhere in the
// world still has aircraft on the ground.
std::vector<Airport> near(const GeoPoint& centre, double radiusNm);

}  // namespace airports
}  // namespace feedgen

#endif  // FEEDGEN_AIRPORTS_H
