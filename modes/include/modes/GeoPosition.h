#ifndef MODES_GEOPOSITION_H
#define MODES_GEOPOSITION_H

namespace brannic {
namespace modes {

// A point on the WGS-84 ellipsoid in degrees, north and east positive.
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const GeoPosition& other) const {
        return latitude == other.latitude && longitude == other.longitude;
    }
    bool operator!=(const GeoPosition& other) const { return !(*this == other); }
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_GEOPOSITION_H
