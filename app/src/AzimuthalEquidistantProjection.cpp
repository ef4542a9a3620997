#include "AzimuthalEquidistantProjection.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToDeg = 180.0 / kPi;
}  // namespace

AzimuthalEquidistantProjection::AzimuthalEquidistantProjection(GeoPoint centre)
    : _centre(centre),
      _sinLat0(std::sin(centre.lat * kDegToRad)),
      _cosLat0(std::cos(centre.lat * kDegToRad)) {}

QPointF AzimuthalEquidistantProjection::forward(GeoPoint point) const {
    double unused;
    return forward(point, &unused);
}

// Snyder, "Map Projections: A Working Manual" (USGS 1395), eq. 25-2 to 25-4 on the sphere.
// The angular distance c is taken as atan2(sin c, cos c) rather than acos(cos c), which keeps
// full precision for points a few metres from the centre.
QPointF AzimuthalEquidistantProjection::forward(GeoPoint point, double* angularDistance) const {
    const double lat = point.lat * kDegToRad;
    const double dLon = (point.lon - _centre.lon) * kDegToRad;
    const double sinLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    const double cosDLon = std::cos(dLon);
    const double east = cosLat * std::sin(dLon);                           // sin c · sin(azimuth)
    const double north = _cosLat0 * sinLat - _sinLat0 * cosLat * cosDLon;  // sin c · cos(azimuth)
    const double cosC = _sinLat0 * sinLat + _cosLat0 * cosLat * cosDLon;
    const double sinC = std::sqrt(east * east + north * north);
    const double c = std::atan2(sinC, cosC);
    *angularDistance = c;
    if (sinC < 1e-15)
        return c < 1.0 ? QPointF(0.0, 0.0) : QPointF(0.0, -kPi * kEarthRadiusNm);
    const double scale = kEarthRadiusNm * c / sinC;
    return QPointF(scale * east, scale * north);
}

// Snyder eq. 20-14 and 25-15 on the sphere, with the longitude from atan2 so that every
// quadrant and the poles come out right.
bool AzimuthalEquidistantProjection::inverse(QPointF plane, GeoPoint* point) const {
    const double rho = std::hypot(plane.x(), plane.y());
    const double c = rho / kEarthRadiusNm;
    if (!(c <= kPi))
        return false;
    if (rho < 1e-12) {
        *point = _centre;
        return true;
    }
    const double sinC = std::sin(c);
    const double cosC = std::cos(c);
    double sinLat = cosC * _sinLat0 + plane.y() * sinC * _cosLat0 / rho;
    sinLat = std::fmax(-1.0, std::fmin(1.0, sinLat));
    const double lat = std::asin(sinLat);
    const double dLon =
        std::atan2(plane.x() * sinC, rho * _cosLat0 * cosC - plane.y() * _sinLat0 * sinC);
    double lon = _centre.lon + dLon * kRadToDeg;
    lon = std::fmod(lon + 180.0, 360.0);
    if (lon < 0.0)
        lon += 360.0;  // may round up to 360 for a value a hair below 0
    lon -= 180.0;
    point->lat = lat * kRadToDeg;
    point->lon = lon >= 180.0 ? lon - 360.0 : lon;
    return true;
}
