#ifndef FEEDGEN_CPR_H
#define FEEDGEN_CPR_H

// Compact Position Reporting encoding (ICAO Doc 9871 Appendix C, DO-260B 2.2.3.2.3.7 and A.1.7):
// a latitude and longitude become two 17-bit numbers, the position within a latitude zone and
// within a longitude zone. The even format (i = 0) cuts the world into 60 latitude zones, the
// odd format (i = 1) into 59, of Dlat = 360° / (60 − i) for airborne positions and 90° / (60 − i)
// for surface positions (surface reports carry the same 17 bits over a quarter of the distance,
// for four times the resolution, about 1.3 m). The number of longitude zones depends on the
// latitude through NL.

#include <cstdint>

namespace feedgen {
namespace cpr {

constexpr int kLatitudeZones = 15;  // NZ, latitude zones between the equator and a pole

enum class Format { Even = 0, Odd = 1 };

struct Encoded {
    uint32_t latitude = 0;   // YZ, 17 bits
    uint32_t longitude = 0;  // XZ, 17 bits
};

// Number of longitude zones at `latitude` (degrees), 1 to 59, from its definition:
// floor(2π / acos(1 − (1 − cos(π / 2NZ)) / cos²(π·lat / 180))), 59 at the equator, 2 at ±87°
// and 1 beyond.
int nl(double latitude);

// Airborne encoding of a position (latitude −90 to 90, longitude any value; it is taken
// modulo 360) in the given format.
Encoded encodeAirborne(double latitude, double longitude, Format format);

// Surface encoding; the receiver needs a reference within 45 NM to decode it.
Encoded encodeSurface(double latitude, double longitude, Format format);

}  // namespace cpr
}  // namespace feedgen

#endif  // FEEDGEN_CPR_H
