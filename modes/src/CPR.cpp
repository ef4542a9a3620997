#include "CPR.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brannic {
namespace modes {
namespace cpr {

namespace {

constexpr double kScale = 131072.0;  // 2^17

// Non-negative remainder.
int modulo(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}

double modulo(double a, double b) {
    return a - b * std::floor(a / b);
}

// Into (-180, 180]. Within a turn either way (every longitude the decoders make) by one
// addition, without the division of the general case.
double foldLongitude(double longitude) {
    if (longitude > -540.0 && longitude <= 540.0) {
        if (longitude > 180.0)
            return longitude - 360.0;
        if (longitude <= -180.0)
            return longitude + 360.0;
        return longitude;
    }
    longitude = modulo(longitude, 360.0);
    return longitude > 180.0 ? longitude - 360.0 : longitude;
}

// The difference of two longitudes, folded into (-180, 180].
double longitudeDifference(double a, double b) {
    return foldLongitude(a - b);
}

}  // namespace

namespace detail {

namespace {

constexpr int kCellsPerDegree = 4;

NLCell makeCell(int cell) {
    const double low = double(cell) / kCellsPerDegree;
    const double high = double(cell + 1) / kCellsPerDegree;
    NLCell result{91.0, 59};
    for (const double t : kNLTransitionLatitudes) {
        if (t <= low)
            --result.nl;
        else if (t < high)
            result.transition = t;
    }
    return result;
}

std::array<NLCell, kNLCells> makeCells() {
    std::array<NLCell, kNLCells> cells{};
    for (int i = 0; i < kNLCells; ++i)
        cells[i] = makeCell(i);
    return cells;
}

std::array<double, kCosineSteps> makeCosines() {
    std::array<double, kCosineSteps> cosines{};
    for (int i = 0; i < kCosineSteps; ++i)
        cosines[i] = std::min(1.0, std::cos(i / kCosineStepsPerDegree * kRadians) + 1e-12);
    return cosines;
}

}  // namespace

// Both tables are filled when the library is loaded; nothing decodes positions before that.
const std::array<NLCell, kNLCells> kNLCellTable = makeCells();
const std::array<double, kCosineSteps> kCosineCeiling = makeCosines();

}  // namespace detail

int nl(double latitude) {
    const double a = std::fabs(latitude);
    if (a < 90.0)
        return detail::nlBelowPoles(a);
    // The poles, and what is no latitude at all (beyond them, not a number).
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

bool decodeGlobalSurface(const Encoded& even, const Encoded& odd, bool oddIsNewer,
                         const GeoPosition& reference, double& latitude, double& longitude) {
    const double lat0 = even.latitude / kScale;
    const double lat1 = odd.latitude / kScale;
    const double lon0 = even.longitude / kScale;
    const double lon1 = odd.longitude / kScale;

    // As airborne, over a quarter of the circle: both latitudes come out in [0, 90], the
    // northern solution; the southern one lies 90 degrees further south.
    const int j = static_cast<int>(std::floor(59.0 * lat0 - 60.0 * lat1 + 0.5));
    double rlat0 = (90.0 / (4 * kZones)) * (modulo(j, 60) + lat0);
    double rlat1 = (90.0 / (4 * kZones - 1)) * (modulo(j, 59) + lat1);
    const double newer = oddIsNewer ? rlat1 : rlat0;
    if (std::fabs(newer - 90.0 - reference.latitude) < std::fabs(newer - reference.latitude)) {
        rlat0 -= 90.0;
        rlat1 -= 90.0;
    }
    const int zones = nl(rlat0);
    if (zones != nl(rlat1))
        return false;

    const int m = static_cast<int>(std::floor(lon0 * (zones - 1) - lon1 * zones + 0.5));
    const int ni = std::max(oddIsNewer ? zones - 1 : zones, 1);
    const double base = (90.0 / ni) * (modulo(m, ni) + (oddIsNewer ? lon1 : lon0));
    // Of the four longitudes 90 degrees apart, the one nearest the reference.
    double best = foldLongitude(base);
    for (int quadrant = 1; quadrant < 4; ++quadrant) {
        const double candidate = foldLongitude(base + 90.0 * quadrant);
        if (std::fabs(longitudeDifference(candidate, reference.longitude)) <
            std::fabs(longitudeDifference(best, reference.longitude))) {
            best = candidate;
        }
    }
    latitude = oddIsNewer ? rlat1 : rlat0;
    longitude = best;
    return true;
}

bool decodeLocal(const Encoded& report, bool odd, bool surface, const GeoPosition& reference,
                 GeoPosition& position) {
    const double span = surface ? 90.0 : 360.0;
    const int i = odd ? 1 : 0;
    const double yz = report.latitude / kScale;
    const double xz = report.longitude / kScale;

    // The zone index that puts the report nearest the reference, in latitude and then in
    // longitude with the zone width of that latitude.
    const double dlat = span / (4 * kZones - i);
    const double j = std::floor(reference.latitude / dlat) +
                     std::floor(0.5 + modulo(reference.latitude, dlat) / dlat - yz);
    const double latitude = dlat * (j + yz);
    if (std::fabs(latitude) > 90.0)
        return false;
    const double dlon = span / std::max(nl(latitude) - i, 1);
    const double m = std::floor(reference.longitude / dlon) +
                     std::floor(0.5 + modulo(reference.longitude, dlon) / dlon - xz);
    position = {latitude, foldLongitude(dlon * (m + xz))};
    return true;
}

double distanceNM(const GeoPosition& a, const GeoPosition& b) {
    const double p1 = a.latitude * kRadians;
    const double p2 = b.latitude * kRadians;
    const double dp = p2 - p1;
    const double dl = longitudeDifference(b.longitude, a.longitude) * kRadians;
    const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                     std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2.0 * kEarthRadiusNM * std::asin(std::min(1.0, std::sqrt(h)));
}

bool withinNM(const GeoPosition& a, const GeoPosition& b, double limit) {
    const int quick = detail::quickWithin(a, b, limit);
    return quick >= 0 ? quick == 1 : distanceNM(a, b) <= limit;
}

bool sameZones(const GeoPosition& position, const GeoPosition& reference, bool odd, bool surface) {
    return detail::sameZones(position, reference, odd, surface);
}

}  // namespace cpr
}  // namespace modes
}  // namespace brannic
