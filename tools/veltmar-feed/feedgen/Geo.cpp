#include "feedgen/Geo.h"

#include <algorithm>
#include <cmath>

namespace feedgen {
namespace geo {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

}  // namespace

GeoPoint destination(const GeoPoint& from, double bearingDeg, double distanceNm) {
    const double delta = distanceNm / kEarthRadiusNm;
    const double phi1 = from.latitude * kRad;
    const double lambda1 = from.longitude * kRad;
    const double theta = bearingDeg * kRad;
    const double sinPhi2 =
        std::sin(phi1) * std::cos(delta) + std::cos(phi1) * std::sin(delta) * std::cos(theta);
    const double phi2 = std::asin(std::clamp(sinPhi2, -1.0, 1.0));
    const double lambda2 =
        lambda1 + std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi1),
                             std::cos(delta) - std::sin(phi1) * sinPhi2);
    GeoPoint to;
    to.latitude = phi2 / kRad;
    to.longitude = normalise(lambda2 / kRad + 180.0) - 180.0;
    return to;
}

double distanceNm(const GeoPoint& a, const GeoPoint& b) {
    const double dPhi = (b.latitude - a.latitude) * kRad;
    const double dLambda = (b.longitude - a.longitude) * kRad;
    const double h = std::sin(dPhi / 2) * std::sin(dPhi / 2) +
                     std::cos(a.latitude * kRad) * std::cos(b.latitude * kRad) *
                         std::sin(dLambda / 2) * std::sin(dLambda / 2);
    return 2.0 * kEarthRadiusNm * std::asin(std::min(1.0, std::sqrt(h)));
}

double bearing(const GeoPoint& a, const GeoPoint& b) {
    const double phi1 = a.latitude * kRad;
    const double phi2 = b.latitude * kRad;
    const double dLambda = (b.longitude - a.longitude) * kRad;
    const double y = std::sin(dLambda) * std::cos(phi2);
    const double x = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    return normalise(std::atan2(y, x) / kRad);
}

double normalise(double degrees) {
    const double folded = std::fmod(degrees, 360.0);
    return folded < 0 ? folded + 360.0 : (folded >= 360.0 ? 0.0 : folded);
}

double turn(double from, double to) {
    double delta = normalise(to - from);
    if (delta > 180.0)
        delta -= 360.0;
    return delta;
}

}  // namespace geo
}  // namespace feedgen
