#ifndef VELTMAR_GEOPOINT_H
#define VELTMAR_GEOPOINT_H

// A position on the WGS-84 sphere in degrees: latitude north positive, longitude east positive.
struct GeoPoint {
    double lat = 0.0;
    double lon = 0.0;
};

#endif  // VELTMAR_GEOPOINT_H
