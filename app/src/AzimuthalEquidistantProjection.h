#ifndef VELTMAR_AZIMUTHALEQUIDISTANTPROJECTION_H
#define VELTMAR_AZIMUTHALEQUIDISTANTPROJECTION_H

#include <QPointF>

#include "GeoPoint.h"

// The azimuthal equidistant projection on a sphere, centred on one point (the receiver): the
// distance from the centre and the bearing to any point are true, so range rings are circles
// and a target's position on the scope reads directly as range and bearing from the antenna.
// Shapes far from the centre stretch sideways, which a scope a few hundred miles wide never
// shows.
//
// Plane coordinates are nautical miles: x east, y north, the centre at (0, 0). The Earth is
// the sphere of the mean radius (IUGG, 6371.0088 km); against the WGS-84 ellipsoid that errs
// by at most about 0.5 % in distance, far below what a display resolves.
class AzimuthalEquidistantProjection {
public:
    static constexpr double kEarthRadiusNm = 6371008.8 / 1852.0;

    AzimuthalEquidistantProjection() = default;
    explicit AzimuthalEquidistantProjection(GeoPoint centre);

    GeoPoint centre() const { return _centre; }

    // The plane position of a point. Every point has one; the antipode of the centre, whose
    // direction is undefined, goes due south at half the Earth's circumference.
    QPointF forward(GeoPoint point) const;
    // The same with the angular distance from the centre (radians, 0 to pi) as well, so that
    // callers can drop points on the far side of the globe, where the projection tears.
    QPointF forward(GeoPoint point, double* angularDistance) const;
    // The point of a plane position, longitude within [-180, 180). False (point untouched)
    // beyond half the circumference, where the plane holds no point of the globe.
    bool inverse(QPointF plane, GeoPoint* point) const;

private:
    GeoPoint _centre;
    double _sinLat0 = 0.0;
    double _cosLat0 = 1.0;
};

#endif  // VELTMAR_AZIMUTHALEQUIDISTANTPROJECTION_H
