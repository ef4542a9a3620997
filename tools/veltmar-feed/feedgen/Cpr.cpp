#include "feedgen/Cpr.h"

#include <cmath>

namespace feedgen {
namespace cpr {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kScale = 131072.0;  // 2^17
constexpr uint32_t kMask = 0x1FFFF;

// MOD(x, y) = x − y·floor(x / y), always in [0, y).
double positiveMod(double x, double y) {
    return x - y * std::floor(x / y);
}

// The common encoding; `sector` is 360° for airborne and 90° for surface reports.
Encoded encode(double latitude, double longitude, Format format, double sector) {
    const int i = format == Format::Odd ? 1 : 0;
    const double dlat = sector / (4 * kLatitudeZones - i);
    const double yz = std::floor(kScale * positiveMod(latitude, dlat) / dlat + 0.5);
    // The latitude the receiver will decode, which picks the longitude zones.
    const double rlat = dlat * (yz / kScale + std::floor(latitude / dlat));
    const int zones = nl(rlat) - i;
    const double dlon = zones > 0 ? sector / zones : sector;
    const double xz = std::floor(kScale * positiveMod(longitude, dlon) / dlon + 0.5);
    Encoded encoded;
    encoded.latitude = static_cast<uint32_t>(static_cast<int64_t>(yz)) & kMask;
    encoded.longitude = static_cast<uint32_t>(static_cast<int64_t>(xz)) & kMask;
    return encoded;
}

}  // namespace

int nl(double latitude) {
    const double lat = std::fabs(latitude);
    if (lat < 1e-9)
        return 59;
    if (lat > 87.0)
        return 1;
    if (lat == 87.0)
        return 2;
    const double a = 1.0 - std::cos(kPi / (2.0 * kLatitudeZones));
    const double b = std::cos(kPi / 180.0 * lat);
    const double zones = std::floor(2.0 * kPi / std::acos(1.0 - a / (b * b)));
    return static_cast<int>(zones);
}

Encoded encodeAirborne(double latitude, double longitude, Format format) {
    return encode(latitude, longitude, format, 360.0);
}

Encoded encodeSurface(double latitude, double longitude, Format format) {
    return encode(latitude, longitude, format, 90.0);
}

}  // namespace cpr
}  // namespace feedgen
