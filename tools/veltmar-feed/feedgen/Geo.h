#ifndef FEEDGEN_GEO_H
#define FEEDGEN_GEO_H

// Positions on a spherical earth (radius 3440.065 NM), good to a few metres over the
// distances of a receiver's coverage. Angles in degrees, distances in nautical miles, bearings
// clockwise from true north.

namespace feedgen {

struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

namespace geo {

constexpr double kEarthRadiusNm = 3440.065;
constexpr double kMetresPerNm = 1852.0;

// The point `distanceNm` from `from` along the great circle leaving it on `bearing`.
GeoPoint destination(const GeoPoint& from, double bearing, double distanceNm);
double distanceNm(const GeoPoint& a, const GeoPoint& b);
// Initial bearing from `a` to `b`, 0 to below 360.
double bearing(const GeoPoint& a, const GeoPoint& b);
// An angle folded into [0, 360).
double normalise(double degrees);
// The signed smallest turn from `from` to `to`, in (−180, 180].
double turn(double from, double to);

}  // namespace geo
}  // namespace feedgen

#endif  // FEEDGEN_GEO_H
