#include "CPR.h"

#include <algorithm>
#include <cmath>

namespace brannic {
namespace modes {
namespace cpr {

namespace {

constexpr double kScale = 131072.0;  // 2^17
constexpr int kZones = 15;           // NZ: latitude zones per quadrant

// Non-negative remainder.
int modulo(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}

}  // namespace

int nl(double latitude) {
    const double a = std::fabs(latitude);
    const auto passed =
        std::upper_bound(kNLTransitionLatitudes.begin(), kNLTransitionLatitudes.end(), a) -
        kNLTransitionLatitudes.begin();
    return 59 - static_cast<int>(passed);
}

bool decodeGlobalAirborne(const Encoded& even, const Encoded& odd, bool oddIsNewer,
                          double& latitude, double& longitude) {
    const double lat0 = even.latitude / kScale;
    const double lat1 = odd.latitude / kScale;
    const double lon0 = even.longitude / kScale;
    const double lon1 = odd.longitude / kScale;

    // Latitude zone index j, then the latitude of each report within its zone size
    // (360 / 60 for even, 360 / 59 for odd).
    const int j = static_cast<int>(std::floor(59.0 * lat0 - 60.0 * lat1 + 0.5));
    double rlat0 = (360.0 / (4 * kZones)) * (modulo(j, 60) + lat0);
    double rlat1 = (360.0 / (4 * kZones - 1)) * (modulo(j, 59) + lat1);
    if (rlat0 >= 270.0)
        rlat0 -= 360.0;
    if (rlat1 >= 270.0)
        rlat1 -= 360.0;

    // Latitudes beyond the poles come only from mismatched reports (two different aircraft, or
    // reports too far apart); they are no position at all.
    if (std::fabs(rlat0) > 90.0 || std::fabs(rlat1) > 90.0)
        return false;

    const int zones = nl(rlat0);
    if (zones != nl(rlat1))
        return false;

    const int m = static_cast<int>(std::floor(lon0 * (zones - 1) - lon1 * zones + 0.5));
    double lat = 0.0;
    double lon = 0.0;
    if (oddIsNewer) {
        const int ni = std::max(zones - 1, 1);
        lat = rlat1;
        lon = (360.0 / ni) * (modulo(m, ni) + lon1);
    } else {
        const int ni = std::max(zones, 1);
        lat = rlat0;
        lon = (360.0 / ni) * (modulo(m, ni) + lon0);
    }
    if (lon > 180.0)
        lon -= 360.0;
    latitude = lat;
    longitude = lon;
    return true;
}

}  // namespace cpr
}  // namespace modes
}  // namespace brannic
