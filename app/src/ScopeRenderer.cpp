#include "ScopeRenderer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QFontMetricsF>
#include <QPainter>

#include "ProjectedMap.h"
#include "RangeRings.h"

namespace {

const QColor kBackground(0x0d, 0x1b, 0x2a);
const QColor kCoastline(0x5c, 0x9e, 0x9f);
const QColor kBorder(0x5a, 0x64, 0x80);
const QColor kLake(0x3a, 0x6e, 0xa5);
const QColor kAirport(0x8a, 0x94, 0xa6);
const QColor kRing(0x3d, 0x5a, 0x75);
const QColor kRingText(0x86, 0xa2, 0xbc);
const QColor kLegendBackground(0x0d, 0x1b, 0x2a, 215);
const QColor kLegendFrame(0x2b, 0x3f, 0x55);
const QColor kLegendText(0xc8, 0xd3, 0xdf);
const QColor kLabelBacking(0x0d, 0x1b, 0x2a, 215);

constexpr double kSymbolHalfPx = TargetSymbols::kImagePx / 2.0;
constexpr double kLabelPadPx = 2.0;
// Distance from a symbol's centre to the near edge of its label.
constexpr double kLabelGapPx = 11.0;
constexpr double kSelectionRadiusPx = 13.0;
// Trail points closer than this (in pixels, each axis) to the last drawn one are skipped.
constexpr double kTrailStepPx = 2.0;

// Box overlap with closed edges: QRectF::intersects() ignores boxes without extent, and a
// trail of one point has none.
bool overlaps(const QRectF& a, const QRectF& b) {
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

QPen cosmeticPen(const QColor& colour, double width = 1.0, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCosmetic(true);
    return pen;
}

// Label places around a symbol at the widget point c, for a label of the given size: right
// and left of the symbol (rising or falling), above and below.
QRectF labelPlace(int slot, QPointF c, QSizeF size) {
    const double w = size.width();
    const double h = size.height();
    const double gap = kLabelGapPx;
    switch (slot) {
        case 0:
            return QRectF(c.x() + gap, c.y() - h + 4.0, w, h);
        case 1:
            return QRectF(c.x() + gap, c.y() - 4.0, w, h);
        case 2:
            return QRectF(c.x() - gap - w, c.y() - h + 4.0, w, h);
        case 3:
            return QRectF(c.x() - gap - w, c.y() - 4.0, w, h);
        case 4:
            return QRectF(c.x() - w / 2.0, c.y() - gap - h, w, h);
        default:
            return QRectF(c.x() - w / 2.0, c.y() + gap, w, h);
    }
}
constexpr int kLabelPlaces = 6;

}  // namespace

ScopeRenderer::ScopeRenderer() = default;

std::vector<QRectF> ScopeRenderer::labelRects() const {
    std::vector<QRectF> rects;
    rects.reserve(_labels.size());
    for (const LabelBox& label : _labels)
        rects.push_back(label.rect);
    return rects;
}

int ScopeRenderer::airportRankLimit(double pixelsPerNm) {
    if (pixelsPerNm < 0.4)
        return 0;
    if (pixelsPerNm < 1.0)
        return 4;
    if (pixelsPerNm < 2.5)
        return 7;
    return 10;
}

void ScopeRenderer::paint(QPainter& painter, const ScopeScene& scene) {
    painter.save();
    const QSizeF size = scene.viewport.size();
    const QFontMetricsF metrics(scene.font, painter.device());
    const QFontMetricsF labelMetrics(scene.labelFont, painter.device());

    // The background changes only with the view, so it is kept as an image: a refresh of the
    // traffic costs one copy of it, and only zooming or panning draws the world again.
    const BackgroundKey key{size,
                            painter.device()->devicePixelRatioF(),
                            scene.viewport.pixelsPerNm(),
                            scene.viewport.centreNm(),
                            scene.receiverValid,
                            scene.backgroundSerial,
                            scene.font,
                            scene.labelFont};
    if (_background.isNull() || !(key == _backgroundKey)) {
        const QSize pixels = (size * key.pixelRatio).toSize();
        if (_background.size() != pixels) {
            _background = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            _background.setDevicePixelRatio(key.pixelRatio);
        }
        QPainter background(&_background);
        // Ring labels give way to the legend and the airports.
        _placer.reset(size.toSize());
        layoutLegend(scene, metrics);
        collectAirports(scene);
        for (const auto& airport : _airports)
            _placer.occupy(QRectF(airport.first - QPointF(3.5, 3.5), QSizeF(7.0, 7.0)));
        layoutRingLabels(scene, labelMetrics);
        background.fillRect(QRectF(QPointF(0, 0), size), kBackground);
        paintMap(background, scene);
        background.setFont(scene.labelFont);
        paintAirports(background);
        paintRings(background, scene);
        background.end();
        _backgroundKey = key;
        ++_backgroundsDrawn;
    }
    painter.drawImage(QPointF(0, 0), _background);

    // The traffic: target labels give way to the legend, the ring labels, the receiver and
    // every symbol; airport codes give way to all of them.
    _placer.reset(size.toSize());
    layoutLegend(scene, metrics);
    for (const auto& label : _ringLabels)
        _placer.occupy(label.first);
    if (scene.receiverValid) {
        const QPointF origin = scene.viewport.toWidget(QPointF(0, 0));
        _placer.occupy(QRectF(origin - QPointF(9, 9), QSizeF(18, 18)));
    }
    collectVisibleTargets(scene);
    placeLabels(scene, labelMetrics);
    placeAirportLabels(labelMetrics, scene);

    painter.setFont(scene.labelFont);
    paintAirportLabels(painter, scene);

    // Trails are thin one-pixel lines, thousands of them in a busy sky: drawn without
    // antialiasing, which costs more than everything else together and shows little at that
    // width.
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintTrails(painter, scene);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintSymbols(painter, scene);
    paintLabels(painter, scene, labelMetrics);
    paintLegend(painter, scene, metrics);

    if (!scene.notice.isEmpty()) {
        painter.setFont(scene.font);
        painter.setPen(kLegendText);
        painter.drawText(QRectF(0, 8, size.width(), 40), Qt::AlignHCenter | Qt::AlignTop,
                         scene.notice);
    }
    painter.restore();
}

void ScopeRenderer::layoutLegend(const ScopeScene& scene, const QFontMetricsF& metrics) {
    const int spacing = RangeRings::spacingNm(scene.viewport.pixelsPerNm());
    if (!scene.receiverValid)
        _legendFooter = tr("No receiver position");
    else if (spacing > 0)
        _legendFooter = tr("Rings every %1 NM").arg(spacing);
    else
        _legendFooter = tr("Rings off at this scale");
    const double swatch = std::round(metrics.height() * 0.6);
    double textWidth = std::max(metrics.horizontalAdvance(tr("Altitude")),
                                metrics.horizontalAdvance(_legendFooter));
    for (int band = 0; band < AltitudeBands::kBandCount; ++band) {
        textWidth = std::max(
            textWidth,
            swatch + 6.0 +
                metrics.horizontalAdvance(AltitudeBands::legendText(AltitudeBands::Band(band))));
    }
    const double width = std::ceil(textWidth + 16.0);
    const double height =
        std::ceil((metrics.height() + 1.0) * (AltitudeBands::kBandCount + 2) + 12.0);
    _legend = QRectF(8.0, scene.viewport.size().height() - height - 8.0, width, height);
    _placer.occupy(_legend);
}

void ScopeRenderer::layoutRingLabels(const ScopeScene& scene, const QFontMetricsF& metrics) {
    _ringRadii.clear();
    _ringLabels.clear();
    if (!scene.receiverValid)
        return;
    const ScopeViewport& view = scene.viewport;
    _ringRadii = RangeRings::radiiCrossing(view.visiblePlaneRect(),
                                           RangeRings::spacingNm(view.pixelsPerNm()));
    // Labels where the rings cross the line from the receiver through the middle of the view,
    // so they are on screen wherever the receiver is; up and right when it is in the middle.
    const QPointF origin = view.toWidget(QPointF(0, 0));
    const QPointF middle(view.size().width() / 2.0, view.size().height() / 2.0);
    QPointF direction = middle - origin;
    const double length = std::hypot(direction.x(), direction.y());
    direction = length > 40.0 ? direction / length : QPointF(std::sqrt(0.5), -std::sqrt(0.5));
    const QRectF widget(QPointF(0, 0), view.size());
    for (double r : _ringRadii) {
        const QPointF at = origin + direction * (r * view.pixelsPerNm());
        const QString text = tr("%1 NM").arg(r);
        // Above the ring to the right of the crossing, else to its left.
        const double width = metrics.horizontalAdvance(text);
        const double top = at.y() - metrics.height() - 2.0;
        for (const double left : {at.x() + 3.0, at.x() - 3.0 - width}) {
            const QRectF rect(left, top, width, metrics.height());
            if (widget.contains(rect) && _placer.tryPlace(rect)) {
                _ringLabels.emplace_back(rect, text);
                break;
            }
        }
    }
}

void ScopeRenderer::paintMap(QPainter& painter, const ScopeScene& scene) {
    if (!scene.map)
        return;
    const QRectF visible = scene.viewport.visiblePlaneRect();
    const std::vector<QPointF>& points = scene.map->points();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setTransform(scene.viewport.transform());
    // Lakes under borders under coastlines: the coast is the line the eye looks for, so it has
    // the brightest colour. All are one-pixel cosmetic lines, which Qt draws several times
    // faster than any wider pen.
    const struct {
        MapData::Layer layer;
        QPen pen;
    } layers[] = {
        {MapData::Lake, cosmeticPen(kLake)},
        {MapData::Border, cosmeticPen(kBorder, 1.0, Qt::DashLine)},
        {MapData::Coastline, cosmeticPen(kCoastline)},
    };
    for (const auto& layer : layers) {
        painter.setPen(layer.pen);
        for (const ProjectedMap::Run& run : scene.map->runs()) {
            if (run.layer == layer.layer && overlaps(run.bounds, visible))
                painter.drawPolyline(&points[size_t(run.first)], run.count);
        }
    }
    painter.restore();
}

void ScopeRenderer::collectVisibleTargets(const ScopeScene& scene) {
    _visible.clear();
    _visibleAt.clear();
    if (!scene.targets)
        return;
    const ScopeViewport& view = scene.viewport;
    const double marginNm = kSymbolHalfPx / view.pixelsPerNm();
    const QRectF visible =
        view.visiblePlaneRect().adjusted(-marginNm, -marginNm, marginNm, marginNm);
    const std::vector<ScopeTarget>& targets = *scene.targets;
    for (size_t i = 0; i < targets.size(); ++i) {
        const ScopeTarget& t = targets[i];
        const QRectF box = t.trail ? t.trail->planeBounds : QRectF(t.plane, QSizeF(0, 0));
        if (!overlaps(box, visible))
            continue;  // the one test an unseen target costs
        t.describe();
        _visible.push_back(int(i));
        const QPointF at = view.toWidget(t.plane);
        _visibleAt.push_back(at);
        _placer.occupy(QRectF(at.x() - 7.0, at.y() - 7.0, 14.0, 14.0));
    }
    _drawnTargets = int(_visible.size());
}

void ScopeRenderer::placeLabels(const ScopeScene& scene, const QFontMetricsF& metrics) {
    _labels.clear();
    if (!scene.targets)
        return;
    const std::vector<ScopeTarget>& targets = *scene.targets;
    const double charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    const double lineHeight = metrics.height();
    const QRectF widget(QPointF(0, 0), scene.viewport.size());

    const auto place = [&](size_t k, bool force) {
        const ScopeTarget& t = targets[size_t(_visible[k])];
        const QPointF at = _visibleAt[k];
        if (!widget.contains(at))
            return;
        const int chars = std::max(t.identity.size(), t.levelAndSpeed.size());
        const QSizeF size(chars * charWidth + 2 * kLabelPadPx, 2 * lineHeight + kLabelPadPx);
        auto remembered = _labelSlots.find(t.address);
        const int first = remembered != _labelSlots.end() ? remembered->second : 0;
        for (int n = 0; n < kLabelPlaces; ++n) {
            const int slot = (first + n) % kLabelPlaces;
            const QRectF rect = labelPlace(slot, at, size);
            if (widget.contains(rect) && _placer.tryPlace(rect)) {
                _labelSlots[t.address] = slot;
                _labels.push_back(LabelBox{_visible[k], rect});
                return;
            }
        }
        if (force) {
            const QRectF rect = labelPlace(first, at, size);
            _placer.occupy(rect);
            _labels.push_back(LabelBox{_visible[k], rect});
        }
    };
    // The selected target first, whatever is in the way; then live targets before silent ones.
    for (size_t k = 0; k < _visible.size(); ++k) {
        if (targets[size_t(_visible[k])].address == scene.selected)
            place(k, true);
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t k = 0; k < _visible.size(); ++k) {
            const ScopeTarget& t = targets[size_t(_visible[k])];
            if (t.address != scene.selected && t.silent == (pass == 1))
                place(k, false);
        }
    }
}

void ScopeRenderer::collectAirports(const ScopeScene& scene) {
    _airports.clear();
    const int rankLimit = airportRankLimit(scene.viewport.pixelsPerNm());
    if (!scene.map || rankLimit == 0)
        return;
    const QRectF visible = scene.viewport.visiblePlaneRect();
    const std::vector<MapData::Airport>& airports = scene.map->map()->airports;
    for (const ProjectedMap::Airport& a : scene.map->airports()) {
        if (visible.contains(a.plane) && airports[size_t(a.index)].rank <= rankLimit)
            _airports.emplace_back(scene.viewport.toWidget(a.plane), a.index);
    }
}

void ScopeRenderer::placeAirportLabels(const QFontMetricsF& metrics, const ScopeScene& scene) {
    _airportLabels.clear();
    if (!scene.map)
        return;
    const std::vector<MapData::Airport>& airports = scene.map->map()->airports;
    for (const auto& airport : _airports) {
        const QString& code = airports[size_t(airport.second)].icao;
        const QRectF rect(airport.first.x() + 5.0, airport.first.y() - metrics.height() / 2.0,
                          metrics.horizontalAdvance(code), metrics.height());
        if (_placer.tryPlace(rect))
            _airportLabels.emplace_back(rect, airport.second);
    }
}

void ScopeRenderer::paintAirports(QPainter& painter) {
    painter.setPen(cosmeticPen(kAirport));
    painter.setBrush(Qt::NoBrush);
    for (const auto& airport : _airports)
        painter.drawRect(QRectF(airport.first.x() - 2.5, airport.first.y() - 2.5, 5.0, 5.0));
}

void ScopeRenderer::paintAirportLabels(QPainter& painter, const ScopeScene& scene) {
    if (_airportLabels.empty())
        return;
    painter.setPen(kAirport);
    const std::vector<MapData::Airport>& airports = scene.map->map()->airports;
    for (const auto& label : _airportLabels) {
        painter.drawText(label.first, Qt::AlignLeft | Qt::AlignVCenter,
                         airports[size_t(label.second)].icao);
    }
}

void ScopeRenderer::paintRings(QPainter& painter, const ScopeScene& scene) {
    if (!scene.receiverValid)
        return;
    const ScopeViewport& view = scene.viewport;
    const QPointF origin = view.toWidget(QPointF(0, 0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(cosmeticPen(kRing));
    painter.setBrush(Qt::NoBrush);
    for (double r : _ringRadii) {
        const double px = r * view.pixelsPerNm();
        painter.drawEllipse(origin, px, px);
    }
    painter.setPen(kRingText);
    for (const auto& label : _ringLabels)
        painter.drawText(label.first, Qt::AlignLeft | Qt::AlignVCenter, label.second);
    // The receiver: a small cross in a circle.
    if (QRectF(QPointF(0, 0), view.size()).contains(origin)) {
        painter.setPen(cosmeticPen(Qt::white, 1.2));
        painter.drawEllipse(origin, 4.0, 4.0);
        painter.drawLine(origin + QPointF(-8, 0), origin + QPointF(8, 0));
        painter.drawLine(origin + QPointF(0, -8), origin + QPointF(0, 8));
    }
    painter.restore();
}

void ScopeRenderer::paintTrails(QPainter& painter, const ScopeScene& scene) {
    if (!scene.targets)
        return;
    for (auto& band : _trailLines) {
        for (auto& lines : band)
            lines.clear();
    }
    const ScopeViewport& view = scene.viewport;
    const std::vector<ScopeTarget>& targets = *scene.targets;
    // Points closer than the step to the last one kept are skipped, compared in the plane so
    // that only kept points are mapped to the widget.
    const double stepNm = kTrailStepPx / view.pixelsPerNm();
    for (int index : _visible) {
        const ScopeTarget& t = targets[size_t(index)];
        if (!t.trail || t.trail->points.size() < 2)
            continue;
        const auto& points = t.trail->points;
        auto& lines = _trailLines[t.band];
        QPointF previousPlane = points.front().plane;
        QPointF previous = view.toWidget(previousPlane);
        const auto last = std::prev(points.end());
        for (auto it = std::next(points.begin()); it != points.end(); ++it) {
            if (it != last && std::abs(it->plane.x() - previousPlane.x()) < stepNm &&
                std::abs(it->plane.y() - previousPlane.y()) < stepNm)
                continue;
            const QPointF at = view.toWidget(it->plane);
            const int step = TrailHistory::fadeStep(int64_t(scene.nowMs) - int64_t(it->timeMs),
                                                    scene.trailDurationMs);
            lines[step].emplace_back(previous, at);
            previous = at;
            previousPlane = it->plane;
        }
    }
    for (int band = 0; band < AltitudeBands::kBandCount; ++band) {
        QColor colour = AltitudeBands::colour(AltitudeBands::Band(band));
        for (int step = 0; step < TrailHistory::kFadeSteps; ++step) {
            const std::vector<QLineF>& lines = _trailLines[band][step];
            if (lines.empty())
                continue;
            colour.setAlpha(TrailHistory::fadeAlpha(step));
            painter.setPen(cosmeticPen(colour));
            painter.drawLines(lines.data(), int(lines.size()));
        }
    }
}

void ScopeRenderer::paintSymbols(QPainter& painter, const ScopeScene& scene) {
    if (!scene.targets)
        return;
    const std::vector<ScopeTarget>& targets = *scene.targets;
    const QRectF area = QRectF(QPointF(0, 0), scene.viewport.size())
                            .adjusted(-kSymbolHalfPx, -kSymbolHalfPx, kSymbolHalfPx, kSymbolHalfPx);
    for (size_t k = 0; k < _visible.size(); ++k) {
        const ScopeTarget& t = targets[size_t(_visible[k])];
        if (!area.contains(_visibleAt[k]))
            continue;
        _symbols.draw(painter, _visibleAt[k], AltitudeBands::colour(t.band), t.headingValid,
                      t.planeHeading);
        if (t.address == scene.selected) {
            painter.setPen(cosmeticPen(Qt::white, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(_visibleAt[k], kSelectionRadiusPx, kSelectionRadiusPx);
        }
    }
}

void ScopeRenderer::paintLabels(QPainter& painter, const ScopeScene& scene,
                                const QFontMetricsF& metrics) {
    const std::vector<ScopeTarget>& targets = *scene.targets;
    const double ascent = metrics.ascent();
    const double lineHeight = metrics.height();
    painter.setFont(scene.labelFont);
    for (const LabelBox& label : _labels) {
        const ScopeTarget& t = targets[size_t(label.target)];
        const bool selected = t.address == scene.selected;
        // A dark backing keeps the text readable where a trail or coastline runs under it.
        painter.setPen(selected ? cosmeticPen(Qt::white) : QPen(Qt::NoPen));
        painter.setBrush(selected ? QColor(0, 0, 0, 190) : kLabelBacking);
        painter.drawRect(label.rect);
        painter.setPen(selected ? QColor(Qt::white) : AltitudeBands::colour(t.band));
        const QPointF origin =
            label.rect.topLeft() + QPointF(kLabelPadPx, kLabelPadPx / 2.0 + ascent);
        painter.drawText(origin, t.identity);
        painter.drawText(origin + QPointF(0, lineHeight), t.levelAndSpeed);
    }
}

void ScopeRenderer::paintLegend(QPainter& painter, const ScopeScene& scene,
                                const QFontMetricsF& metrics) {
    const double line = metrics.height() + 1.0;
    const double swatch = std::round(metrics.height() * 0.6);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(scene.font);
    painter.setPen(kLegendFrame);
    painter.setBrush(kLegendBackground);
    painter.drawRect(_legend);
    const double left = _legend.left() + 8.0;
    double y = _legend.top() + 6.0;
    painter.setPen(kLegendText);
    painter.drawText(QPointF(left, y + metrics.ascent()), tr("Altitude"));
    y += line;
    for (int band = 0; band < AltitudeBands::kBandCount; ++band) {
        const AltitudeBands::Band b = AltitudeBands::Band(band);
        painter.fillRect(QRectF(left, y + (metrics.height() - swatch) / 2.0, swatch, swatch),
                         AltitudeBands::colour(b));
        painter.drawText(QPointF(left + swatch + 6.0, y + metrics.ascent()),
                         AltitudeBands::legendText(b));
        y += line;
    }
    painter.drawText(QPointF(left, y + metrics.ascent()), _legendFooter);
}
