#ifndef MODES_TESTS_CPRENCODER_H
#define MODES_TESTS_CPRENCODER_H

// Compact Position Reporting encoder written from the transmitter's formulas (DO-260B
// 2.2.3.2.3.7, ICAO Doc 9871 Appendix C), independent of the library's decoder, to make test
// and benchmark traffic and to check decodes by round trip:
//
//   Dlat_i = 360 / (60 - i)  (i = 0 even, 1 odd)
//   YZ_i   = floor(2^Nb * MOD(lat, Dlat_i) / Dlat_i + 1/2)
//   Rlat_i = Dlat_i * (YZ_i / 2^Nb + floor(lat / Dlat_i))
//   Dlon_i = 360 / max(NL(Rlat_i) - i, 1)
//   XZ_i   = floor(2^Nb * MOD(lon, Dlon_i) / Dlon_i + 1/2)
//
// with Nb = 17 airborne and 19 surface, of which the 17 low bits are sent: a surface report
// is thus the position within a zone a quarter the size (90 instead of 360 degrees in all),
// which is how it is decoded. NL comes from its closed form here, not from the library's
// table.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace brannic {
namespace modes {
namespace cprenc {

inline double mod(double x, double y) {
    return x - y * std::floor(x / y);
}

// Number of longitude zones at a latitude, from the closed form of the transition latitudes.
inline int nl(double lat) {
    const double a = std::fabs(lat);
    if (a == 0)
        return 59;
    if (a == 87)
        return 2;
    if (a > 87)
        return 1;
    const double c = std::cos(M_PI / 180.0 * a);
    return static_cast<int>(
        std::floor(2 * M_PI / std::acos(1 - (1 - std::cos(M_PI / 30)) / (c * c))));
}

struct Encoded {
    uint32_t latitude = 0;
    uint32_t longitude = 0;
};

inline Encoded encode(double lat, double lon, bool odd, bool surface) {
    const int i = odd ? 1 : 0;
    const double span = 360.0;
    const double scale = surface ? 524288.0 : 131072.0;  // 2^19 or 2^17
    const double dlat = span / (60 - i);
    const double yz = std::floor(scale * mod(lat, dlat) / dlat + 0.5);
    const double rlat = dlat * (yz / scale + std::floor(lat / dlat));
    const double dlon = span / std::max(nl(rlat) - i, 1);
    const double xz = std::floor(scale * mod(lon, dlon) / dlon + 0.5);
    return {static_cast<uint32_t>(mod(yz, 131072)), static_cast<uint32_t>(mod(xz, 131072))};
}

inline Encoded encodeAirborne(double lat, double lon, bool odd) {
    return encode(lat, lon, odd, false);
}

inline Encoded encodeSurface(double lat, double lon, bool odd) {
    return encode(lat, lon, odd, true);
}

// Great-circle distance in metres (spherical earth, mean radius), for checking results.
inline double distanceMetres(double lat1, double lon1, double lat2, double lon2) {
    const double r = 6371008.8;
    const double p1 = lat1 * M_PI / 180, p2 = lat2 * M_PI / 180;
    const double dp = p2 - p1, dl = (lon2 - lon1) * M_PI / 180;
    const double h =
        std::sin(dp / 2) * std::sin(dp / 2) + std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * r * std::asin(std::min(1.0, std::sqrt(h)));
}

}  // namespace cprenc
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_CPRENCODER_H
