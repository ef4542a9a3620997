#ifndef VELTMAR_RANGERINGS_H
#define VELTMAR_RANGERINGS_H

#include <vector>

#include <QRectF>

// Range rings: circles of equal distance around the receiver, the way a radar display shows
// range. The spacing follows the zoom so that rings stay far enough apart to read: 10 NM when
// they are at least kReadableGapPx apart, else 25 NM, else 50 NM; when even 50 NM rings would
// close to less than kMinimumGapPx, the scope shows none rather than a grey smear.
namespace RangeRings {

constexpr double kReadableGapPx = 40.0;
constexpr double kMinimumGapPx = 12.0;

// 10, 25 or 50 (nautical miles), or 0 for no rings, at a scale of pixelsPerNm.
int spacingNm(double pixelsPerNm);

// The radii (nautical miles, multiples of spacing) of the rings around the plane origin that
// cross the rectangle: those between the rectangle's nearest and farthest points. Empty for a
// spacing of 0 or below.
std::vector<double> radiiCrossing(const QRectF& planeRect, int spacing);

}  // namespace RangeRings

#endif  // VELTMAR_RANGERINGS_H
