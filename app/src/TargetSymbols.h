#ifndef VELTMAR_TARGETSYMBOLS_H
#define VELTMAR_TARGETSYMBOLS_H

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QPolygonF>

class QPainter;

// The target symbols of the scope: an arrowhead pointing along the track over ground, or a
// diamond for a target whose heading is unknown. Each colour and heading (in 5-degree steps,
// finer than the eye tells apart at this size) is drawn once, antialiased, into a small
// image; afterwards a symbol costs one image copy, which keeps thousands of targets cheap.
class TargetSymbols {
public:
    static constexpr int kHeadingSteps = 72;
    static constexpr int kImagePx = 20;

    // The step (0 to kHeadingSteps - 1) of a heading in degrees, any value, wrapped.
    static int headingStep(double headingDeg);
    // The arrowhead with its nose towards widget "up" (negative y), centred on the origin.
    static QPolygonF arrowhead();

    // Draws the symbol centred on a widget point. headingDeg is clockwise from widget "up".
    void draw(QPainter& painter, QPointF centre, QColor colour, bool headingValid,
              double headingDeg);

    // Number of images made so far.
    int cachedImages() const { return _images.size(); }

private:
    const QImage& image(QColor colour, int step);

    QHash<quint64, QImage> _images;
};

#endif  // VELTMAR_TARGETSYMBOLS_H
