#include "RangeRings.h"

#include <algorithm>
#include <cmath>

namespace RangeRings {

int spacingNm(double pixelsPerNm) {
    static constexpr int kSpacings[] = {10, 25, 50};
    for (int spacing : kSpacings) {
        if (spacing * pixelsPerNm >= kReadableGapPx)
            return spacing;
    }
    return 50 * pixelsPerNm >= kMinimumGapPx ? 50 : 0;
}

std::vector<double> radiiCrossing(const QRectF& planeRect, int spacing) {
    std::vector<double> radii;
    if (spacing <= 0)
        return radii;
    // Nearest point of the rectangle to the origin (0 inside it) and farthest corner.
    const double nearX = std::clamp(0.0, planeRect.left(), planeRect.right());
    const double nearY = std::clamp(0.0, planeRect.top(), planeRect.bottom());
    const double nearest = std::hypot(nearX, nearY);
    const double farthest =
        std::hypot(std::max(std::abs(planeRect.left()), std::abs(planeRect.right())),
                   std::max(std::abs(planeRect.top()), std::abs(planeRect.bottom())));
    const int first = std::max(1, int(std::ceil(nearest / spacing)));
    const int last = int(std::floor(farthest / spacing));
    for (int n = first; n <= last; ++n)
        radii.push_back(double(n) * spacing);
    return radii;
}

}  // namespace RangeRings
