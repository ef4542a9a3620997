#include "TargetSymbols.h"

#include <cmath>

#include <QPainter>

namespace {
constexpr int kNoHeading = -1;
}  // namespace

int TargetSymbols::headingStep(double headingDeg) {
    if (!std::isfinite(headingDeg))
        return 0;
    const double stepDeg = 360.0 / kHeadingSteps;
    double wrapped = std::fmod(headingDeg, 360.0);
    if (wrapped < 0.0)
        wrapped += 360.0;
    return int(std::lround(wrapped / stepDeg)) % kHeadingSteps;
}

QPolygonF TargetSymbols::arrowhead() {
    return QPolygonF(
        {QPointF(0.0, -9.0), QPointF(6.5, 7.0), QPointF(0.0, 3.5), QPointF(-6.5, 7.0)});
}

void TargetSymbols::draw(QPainter& painter, QPointF centre, QColor colour, bool headingValid,
                         double headingDeg) {
    const QImage& symbol = image(colour, headingValid ? headingStep(headingDeg) : kNoHeading);
    painter.drawImage(
        QPointF(std::round(centre.x()) - kImagePx / 2, std::round(centre.y()) - kImagePx / 2),
        symbol);
}

const QImage& TargetSymbols::image(QColor colour, int step) {
    const quint64 key = (quint64(colour.rgba()) << 8) | quint64(step + 1);
    auto it = _images.find(key);
    if (it != _images.end())
        return *it;

    QImage symbol(kImagePx, kImagePx, QImage::Format_ARGB32_Premultiplied);
    symbol.fill(Qt::transparent);
    QPainter p(&symbol);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kImagePx / 2.0, kImagePx / 2.0);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    p.setBrush(colour);
    if (step == kNoHeading) {
        p.drawPolygon(
            QPolygonF({QPointF(0, -5.5), QPointF(5.5, 0), QPointF(0, 5.5), QPointF(-5.5, 0)}));
    } else {
        p.rotate(step * 360.0 / kHeadingSteps);
        p.drawPolygon(arrowhead());
    }
    p.end();
    return *_images.insert(key, symbol);
}
