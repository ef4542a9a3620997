#ifndef VELTMAR_SCOPEVIEWPORT_H
#define VELTMAR_SCOPEVIEWPORT_H

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

// What part of the projected plane a scope shows: the widget size in pixels, the scale in
// pixels per nautical mile, and the plane position (nautical miles east and north of the
// projection centre) under the widget's centre. North is up, so plane y grows upwards while
// widget y grows downwards.
//
// The scale is held between two limits: never so far out that the view
// reaches beyond kMaxRadiusNm from its centre (where the projection stretches too much to be
// read), never closer in than kMaxPixelsPerNm (an airport's aprons).
class ScopeViewport {
public:
    static constexpr double kMaxRadiusNm = 3000.0;
    static constexpr double kMaxPixelsPerNm = 400.0;

    QSizeF size() const { return _size; }
    // Keeps the plane position under the centre and the scale (clamped to the new size).
    void setSize(QSizeF size);

    double pixelsPerNm() const { return _pixelsPerNm; }
    void setPixelsPerNm(double pixelsPerNm);

    QPointF centreNm() const { return _centreNm; }
    void setCentreNm(QPointF centreNm) { _centreNm = centreNm; }

    QPointF toWidget(QPointF planeNm) const {
        return QPointF(0.5 * _size.width() + (planeNm.x() - _centreNm.x()) * _pixelsPerNm,
                       0.5 * _size.height() - (planeNm.y() - _centreNm.y()) * _pixelsPerNm);
    }
    QPointF toPlane(QPointF widget) const;
    // The plane-to-widget mapping as a painter transform.
    QTransform transform() const;
    // The plane rectangle the widget shows.
    QRectF visiblePlaneRect() const;
    // Distance from the view's centre to its corners, in nautical miles.
    double visibleRadiusNm() const;

    // Multiplies the scale by factor (clamped), keeping the plane position under the widget
    // point `anchor` where it was: the wheel zooms about the cursor.
    void zoomAbout(QPointF anchor, double factor);
    // Moves the picture by a widget-pixel offset (a drag).
    void panBy(QPointF pixels);
    // Centres the plane rectangle and picks the largest scale that shows all of it with
    // `marginPx` to spare on every side. A rectangle without extent keeps the scale.
    void fit(const QRectF& planeRect, double marginPx);

private:
    double minPixelsPerNm() const;

    QSizeF _size{640.0, 480.0};
    double _pixelsPerNm = 2.0;
    QPointF _centreNm{0.0, 0.0};
};

#endif  // VELTMAR_SCOPEVIEWPORT_H
