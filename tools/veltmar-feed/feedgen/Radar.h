#ifndef FEEDGEN_RADAR_H
#define FEEDGEN_RADAR_H

// Mode S secondary surveillance radars near the scene. A rotating radar interrogates an
// aircraft once per turn, while its beam sweeps over it (a dwell of some tens of
// milliseconds): all-call interrogations until the radar has acquired the aircraft and locked
// it out, then selective roll-calls that the aircraft answers with DF4 or DF5, or with DF20
// and DF21 carrying the Comm-B registers an enhanced surveillance radar reads each turn.

#include <cstdint>
#include <vector>

#include "feedgen/Geo.h"

namespace feedgen {

struct Radar {
    GeoPoint position;
    double rotationSeconds = 10;
    uint8_t interrogatorCode = 1;  // II, 1 to 15
    double rangeNm = 200;
    bool enhancedSurveillance = true;  // reads BDS 4,0, 5,0 and 6,0 every turn
    double startAzimuth = 0;           // where the beam points at stream time 0, degrees

    // Seconds from `now` (seconds of stream time) until the beam next points at `target`;
    // 0 when it points there now.
    double secondsUntilBeam(double now, const GeoPoint& target) const;
};

namespace radars {

// Three radars around the scene's centre: an approach radar turning every 5 s near it (60 NM)
// and two en-route radars turning every 10 and 12 s some 50 NM away (200 NM); the first two
// read enhanced surveillance registers, the third only identification.
std::vector<Radar> around(const GeoPoint& centre);

}  // namespace radars
}  // namespace feedgen

#endif  // FEEDGEN_RADAR_H
