#ifndef MODES_SRC_CPR_H
#define MODES_SRC_CPR_H

// Compact Position Reporting (CPR) of extended squitters (DO-260B 2.2.3.2.3.7 and A.1.7, ICAO
// Doc 9871 Appendix C): global decoding of an even/odd pair of airborne or surface reports, and
// local decoding of a single report relative to a reference position.
//
// Airborne reports divide the globe into 60 (even) or 59 (odd) latitude zones of 360 degrees
// in all; surface reports use the same number of zones over 90 degrees, four times finer, so a
// surface report is only unambiguous within a quarter of the globe and its global decode needs
// a reference to pick the quadrant. A local decode is right when the reference lies within half
// a zone of the true position: about 180 NM airborne, 45 NM on the surface.

#include <array>
#include <cmath>
#include <cstdint>

#include <modes/GeoPosition.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {
namespace cpr {

// Transition latitudes of the number of longitude zones NL, from the published 1090ES table:
// NL is 59 below the first entry, 58 below the second, ..., 2 below the last (87 degrees) and
// 1 from there to the pole. Kept as published rather than computed, so that latitudes right at
// a boundary fall on the side the standard puts them.
constexpr std::array<double, 58> kNLTransitionLatitudes = {
    10.47047130, 14.82817437, 18.18626357, 21.02939493, 23.54504487, 25.82924707, 27.93898710,
    29.91135686, 31.77209708, 33.53993436, 35.22899598, 36.85025108, 38.41241892, 39.92256684,
    41.38651832, 42.80914012, 44.19454951, 45.54626723, 46.86733252, 48.16039128, 49.42776439,
    50.67150166, 51.89342469, 53.09516153, 54.27817472, 55.44378444, 56.59318756, 57.72747354,
    58.84763776, 59.95459277, 61.04917774, 62.13216659, 63.20427479, 64.26616523, 65.31845310,
    66.36171008, 67.39646774, 68.42322022, 69.44242631, 70.45451075, 71.45986473, 72.45884545,
    73.45177442, 74.43893416, 75.42056257, 76.39684391, 77.36789461, 78.33374083, 79.29428225,
    80.24923213, 81.19801349, 82.13956981, 83.07199445, 83.99173563, 84.89166191, 85.75541621,
    86.53536998, 87.00000000};

// Number of longitude zones at `latitude` (degrees, either hemisphere): 1 to 59.
MODES_EXPORT int nl(double latitude);

constexpr int kZones = 15;  // NZ: latitude zones per quadrant
constexpr double kEarthRadiusNM = 6371008.8 / 1852.0;
constexpr double kRadians = 3.14159265358979323846 / 180.0;
constexpr double kNMPerDegree = kEarthRadiusNM * kRadians;

// One position report's raw 17-bit CPR values.
struct Encoded {
    int32_t latitude = 0;
    int32_t longitude = 0;
};

// Global decode of an even and an odd report. `oddIsNewer` chooses which of the two gives the
// position (the newer one; the tracker breaks a tie in favour of odd). Returns false, leaving
// the outputs untouched, when the two latitudes lie in different NL zones (the pair straddles a
// zone boundary and cannot be decoded unambiguously) or when either latitude comes out beyond
// 90 degrees (the two reports do not belong together). Longitudes come out in (-180, 180].
MODES_EXPORT bool decodeGlobalAirborne(const Encoded& even, const Encoded& odd, bool oddIsNewer,
                                       double& latitude, double& longitude);

// Global decode of an even and an odd surface report. Of the solutions in the four quadrants
// (latitude north or south, longitude in steps of 90 degrees) the one nearest `reference` is
// taken. False, outputs untouched, for a pair straddling a zone boundary.
MODES_EXPORT bool decodeGlobalSurface(const Encoded& even, const Encoded& odd, bool oddIsNewer,
                                      const GeoPosition& reference, double& latitude,
                                      double& longitude);

// Local decode of one report relative to `reference`: the position within half a zone of the
// reference that the report encodes. False, output untouched, when the latitude comes out
// beyond a pole (a reference near the pole and a report that does not belong to it).
// Longitudes come out in (-180, 180].
MODES_EXPORT bool decodeLocal(const Encoded& report, bool odd, bool surface,
                              const GeoPosition& reference, GeoPosition& position);

// Great-circle distance in nautical miles on a sphere of the earth's mean radius.
MODES_EXPORT double distanceNM(const GeoPosition& a, const GeoPosition& b);

// Whether distanceNM(a, b) <= limit, usually without trigonometry: the latitude difference
// alone is a lower bound of the distance, and the haversine formula with its sines and cosines
// bounded by polynomials and a table gives an upper bound. Only distances between the two are
// computed.
MODES_EXPORT bool withinNM(const GeoPosition& a, const GeoPosition& b, double limit);

// Whether a local decode of the report that decoded to `position`, of `odd` format, against
// `reference` lands on `position` again: the reference lies within half a zone of it in
// latitude and, with the zone width at its latitude, in longitude (clear of the edges by more
// than rounding, and of the NL transitions). False also where it cannot tell; the local decode
// itself then answers.
MODES_EXPORT bool sameZones(const GeoPosition& position, const GeoPosition& reference, bool odd,
                            bool surface);

// The quick parts of the checks above, inline for the tracker's position solver; the tables
// are the library's own.
namespace detail {

// NL in one step: the latitudes 0 to 90 in quarter-degree cells, each with the NL at its lower
// edge and the transition latitude inside it, if any (the closest two transitions, 86.535 and
// 87, lie more than a cell apart, so no cell holds two). Built from the published table.
struct NLCell {
    double transition;  // above 90 when the cell holds none
    int nl;             // below the transition
};
constexpr int kNLCells = 90 * 4;
extern const std::array<NLCell, kNLCells> kNLCellTable;

// cos of every quarter degree from 0 to 90, rounded up a little: cos falls from 0 to 90
// degrees, so the entry of the quarter degree below a latitude bounds its cosine from above.
constexpr double kCosineStepsPerDegree = 4;
constexpr int kCosineSteps = 90 * 4 + 1;
extern const std::array<double, kCosineSteps> kCosineCeiling;

// NL of an absolute latitude below 90 degrees.
inline int nlBelowPoles(double absoluteLatitude) {
    const NLCell& cell = kNLCellTable[static_cast<int>(absoluteLatitude * 4)];
    return absoluteLatitude >= cell.transition ? cell.nl - 1 : cell.nl;
}

// 1 when distanceNM(a, b) <= limit for sure, 0 when it is surely beyond, -1 when only the
// exact distance can tell. The latitude difference alone is a lower bound of the distance. The
// haversine formula: hav(d) = hav(dlat) + cos(lat a) cos(lat b) hav(dlon), with hav(x) =
// sin^2(x / 2) <= (x / 2)^2, and both cosines at most that of the latitude nearer the equator.
// hav grows with d over half a circle, and for y = limit / 2R up to a quarter turn, hav(limit)
// = sin^2(y) >= (y - y^3 / 6)^2: the upper bound within that lower bound places b within.
inline int quickWithin(const GeoPosition& a, const GeoPosition& b, double limit) {
    const double dlat = std::fabs(a.latitude - b.latitude);
    if (dlat * kNMPerDegree > limit)
        return 0;
    // Longitudes within +-180 degrees: the shorter way round is at most 180 degrees.
    double dlon = std::fabs(a.longitude - b.longitude);
    if (dlon > 180.0)
        dlon = 360.0 - dlon;
    const double y = limit * (0.5 / kEarthRadiusNM);
    if (!(y > 0.0 && y < 1.5))
        return -1;
    const double nearer = std::fmin(std::fabs(a.latitude), std::fabs(b.latitude));
    if (!(nearer <= 90.0 && dlon <= 360.0))  // no latitude, or not a number at all
        return -1;
    const int step = static_cast<int>(nearer * kCosineStepsPerDegree);
    const double cosine = kCosineCeiling[step < kCosineSteps ? step : kCosineSteps - 1];
    const double halfLat = dlat * (kRadians / 2);
    const double halfLon = dlon * (kRadians / 2) * cosine;
    const double sine = y - y * y * y * (1.0 / 6.0);
    return (halfLat * halfLat + halfLon * halfLon) * (1 + 1e-9) <= sine * sine ? 1 : -1;
}

inline bool sameZones(const GeoPosition& position, const GeoPosition& reference, bool odd,
                      bool surface) {
    // Far enough from a zone's edge (a centimetre) for rounding not to matter.
    constexpr double kClear = 1e-7;
    // Half the latitude zone of each format and kind, less that margin.
    constexpr double kHalfZone[2][2] = {{180.0 / 60 - kClear, 180.0 / 59 - kClear},
                                        {45.0 / 60 - kClear, 45.0 / 59 - kClear}};
    const double a = std::fabs(position.latitude);
    if (!(a < 90.0 - kClear) || a < kClear)
        return false;
    const int i = odd ? 1 : 0;
    if (!(std::fabs(reference.latitude - position.latitude) < kHalfZone[surface][i]))
        return false;
    // NL must not change within the margin either.
    const int zones = nlBelowPoles(a);
    if (nlBelowPoles(a - kClear) != zones || nlBelowPoles(a + kClear) != zones)
        return false;
    double dlon = std::fabs(reference.longitude - position.longitude);
    if (!(dlon <= 360.0))
        return false;
    if (dlon > 180.0)
        dlon = 360.0 - dlon;
    const double span = surface ? 90.0 : 360.0;
    return dlon * (zones - i > 1 ? zones - i : 1) < span / 2 - kClear * 60;
}

}  // namespace detail

}  // namespace cpr
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_CPR_H
