#include "feedgen/Radar.h"

#include <cmath>

namespace feedgen {

double Radar::secondsUntilBeam(double now, const GeoPoint& target) const {
    const double azimuth = geo::normalise(startAzimuth + 360.0 * now / rotationSeconds);
    const double ahead = geo::normalise(geo::bearing(position, target) - azimuth);
    return ahead / 360.0 * rotationSeconds;
}

namespace radars {

std::vector<Radar> around(const GeoPoint& centre) {
    std::vector<Radar> list(3);
    list[0].position = geo::destination(centre, 200, 5);
    list[0].rotationSeconds = 5;
    list[0].interrogatorCode = 3;
    list[0].rangeNm = 60;
    list[0].startAzimuth = 0;
    list[1].position = geo::destination(centre, 40, 45);
    list[1].rotationSeconds = 10;
    list[1].interrogatorCode = 7;
    list[1].rangeNm = 200;
    list[1].startAzimuth = 120;
    list[2].position = geo::destination(centre, 250, 55);
    list[2].rotationSeconds = 12;
    list[2].interrogatorCode = 11;
    list[2].rangeNm = 200;
    list[2].enhancedSurveillance = false;
    list[2].startAzimuth = 240;
    return list;
}

}  // namespace radars
}  // namespace feedgen
