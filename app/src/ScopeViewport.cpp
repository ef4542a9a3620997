#include "ScopeViewport.h"

#include <algorithm>
#include <cmath>

void ScopeViewport::setSize(QSizeF size) {
    _size = QSizeF(std::max(1.0, size.width()), std::max(1.0, size.height()));
    setPixelsPerNm(_pixelsPerNm);
}

double ScopeViewport::minPixelsPerNm() const {
    return 0.5 * std::hypot(_size.width(), _size.height()) / kMaxRadiusNm;
}

void ScopeViewport::setPixelsPerNm(double pixelsPerNm) {
    if (!std::isfinite(pixelsPerNm))
        return;
    _pixelsPerNm = std::clamp(pixelsPerNm, minPixelsPerNm(), kMaxPixelsPerNm);
}

QPointF ScopeViewport::toPlane(QPointF widget) const {
    return QPointF(_centreNm.x() + (widget.x() - 0.5 * _size.width()) / _pixelsPerNm,
                   _centreNm.y() - (widget.y() - 0.5 * _size.height()) / _pixelsPerNm);
}

QTransform ScopeViewport::transform() const {
    return QTransform(_pixelsPerNm, 0.0, 0.0, -_pixelsPerNm,
                      0.5 * _size.width() - _centreNm.x() * _pixelsPerNm,
                      0.5 * _size.height() + _centreNm.y() * _pixelsPerNm);
}

QRectF ScopeViewport::visiblePlaneRect() const {
    const double halfWidth = 0.5 * _size.width() / _pixelsPerNm;
    const double halfHeight = 0.5 * _size.height() / _pixelsPerNm;
    return QRectF(_centreNm.x() - halfWidth, _centreNm.y() - halfHeight, 2.0 * halfWidth,
                  2.0 * halfHeight);
}

double ScopeViewport::visibleRadiusNm() const {
    return 0.5 * std::hypot(_size.width(), _size.height()) / _pixelsPerNm;
}

void ScopeViewport::zoomAbout(QPointF anchor, double factor) {
    const QPointF fixed = toPlane(anchor);
    setPixelsPerNm(_pixelsPerNm * factor);
    // Put the plane point back under the anchor at the new scale.
    _centreNm = QPointF(fixed.x() - (anchor.x() - 0.5 * _size.width()) / _pixelsPerNm,
                        fixed.y() + (anchor.y() - 0.5 * _size.height()) / _pixelsPerNm);
}

void ScopeViewport::panBy(QPointF pixels) {
    _centreNm += QPointF(-pixels.x() / _pixelsPerNm, pixels.y() / _pixelsPerNm);
}

void ScopeViewport::fit(const QRectF& planeRect, double marginPx) {
    _centreNm = planeRect.center();
    const double usableWidth = std::max(1.0, _size.width() - 2.0 * marginPx);
    const double usableHeight = std::max(1.0, _size.height() - 2.0 * marginPx);
    double scale = kMaxPixelsPerNm;
    if (planeRect.width() > 0.0)
        scale = std::min(scale, usableWidth / planeRect.width());
    if (planeRect.height() > 0.0)
        scale = std::min(scale, usableHeight / planeRect.height());
    if (planeRect.width() > 0.0 || planeRect.height() > 0.0)
        setPixelsPerNm(scale);
}
