#include "TrafficScope.h"

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <modes/ADSBTargetReport.h>

#include "AppPaths.h"
#include "MapDataFile.h"
#include "RangeRings.h"
#include "TargetReportText.h"

using brannic::modes::ADSBTarget;

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kWheelStepFactor = 1.25;  // per notch of 15 degrees
constexpr double kFitMarginPx = 60.0;
}  // namespace

TrafficScope::TrafficScope(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);

    _fitAllAction = new QAction(tr("Fit all targets"), this);
    _fitAllAction->setToolTip(tr("Zoom and pan so that every target is in view"));
    connect(_fitAllAction, &QAction::triggered, this, &TrafficScope::fitAllTargets);
    _centreAction = new QAction(tr("Centre on receiver"), this);
    _centreAction->setToolTip(tr("Move the view to the receiver position"));
    connect(_centreAction, &QAction::triggered, this, &TrafficScope::centreOnReceiver);
    addAction(_fitAllAction);
    addAction(_centreAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    if (QFileInfo::exists(defaultMapPath()))
        loadMap(defaultMapPath());
}

TrafficScope::~TrafficScope() = default;

QString TrafficScope::defaultMapPath() {
    return AppPaths::applicationDir() + QStringLiteral("/veltmar-map.dat");
}

bool TrafficScope::loadMap(const QString& path, QString* error) {
    auto map = std::make_shared<MapData>();
    QString why;
    if (!MapDataFile::load(path, map.get(), &why)) {
        _mapError = why;
        if (error)
            *error = why;
        update();
        return false;
    }
    setMapData(std::move(map));
    return true;
}

void TrafficScope::setMapData(std::shared_ptr<const MapData> map) {
    _map = std::move(map);
    _mapError.clear();
    _projectedMap = ProjectedMap(_map, _projection);
    ++_backgroundSerial;
    update();
}

ScopeViewport& TrafficScope::view() const {
    if (_viewport.size() != QSizeF(size()))
        _viewport.setSize(size());
    return _viewport;
}

void TrafficScope::setProjectionCentre(GeoPoint centre) {
    const GeoPoint current = _projection.centre();
    if (_projectionSet && current.lat == centre.lat && current.lon == centre.lon)
        return;
    _projection = AzimuthalEquidistantProjection(centre);
    _projectionSet = true;
    _projectedMap = ProjectedMap(_map, _projection);
    ++_backgroundSerial;
    _trails.reproject(_projection);
    rebuildTargets();
}

void TrafficScope::setTargets(const std::vector<ADSBTarget>& targets, quint64 nowMs) {
    _rawTargets = targets;
    _nowMs = nowMs;
    // Without a receiver position the first targets with a position set the projection
    // centre and the view.
    GeoPoint middle;
    const bool firstSight = !_projectionSet && !_receiverValid && targetsMiddle(&middle);
    if (firstSight)
        setProjectionCentre(middle);
    _trails.update(_rawTargets, _nowMs, _projection);
    rebuildTargets();
    if (firstSight)
        fitAllTargets();
    update();
}

void TrafficScope::rebuildTargets() {
    _targets.clear();
    _targets.reserve(_rawTargets.size());
    for (const ADSBTarget& target : _rawTargets) {
        if (!target.positionValid())
            continue;
        ScopeTarget t = ScopeTarget::fromTarget(target, _nowMs, _warningMs, _projection);
        t.trail = _trails.trail(t.address);
        _targets.push_back(std::move(t));
    }
}

void TrafficScope::setReceiverPosition(bool valid, double latDeg, double lonDeg) {
    const bool usable = valid && std::isfinite(latDeg) && std::isfinite(lonDeg) &&
                        std::abs(latDeg) <= 90.0 && std::abs(lonDeg) <= 180.0;
    if (usable) {
        const bool moved = !_receiverValid || _receiver.lat != latDeg || _receiver.lon != lonDeg;
        _receiverValid = true;
        _receiver = GeoPoint{latDeg, lonDeg};
        if (moved) {
            setProjectionCentre(_receiver);
            view().setCentreNm(QPointF(0, 0));
        }
    } else if (_receiverValid) {
        _receiverValid = false;
        _projectionSet = false;
        GeoPoint middle;
        if (targetsMiddle(&middle)) {
            setProjectionCentre(middle);
            fitAllTargets();
        }
    }
    update();
}

void TrafficScope::setWarningTime(quint64 ms) {
    _warningMs = ms;
    rebuildTargets();
    update();
}

void TrafficScope::setTrailDuration(int seconds) {
    _trails.setDurationMs(quint64(std::max(0, seconds)) * 1000u);
    _trails.update(_rawTargets, _nowMs, _projection);
    rebuildTargets();
    update();
}

void TrafficScope::selectTarget(quint32 icaoAddr) {
    if (_selected == icaoAddr)
        return;
    _selected = icaoAddr;
    update();
}

bool TrafficScope::targetsMiddle(GeoPoint* middle) const {
    double x = 0.0, y = 0.0, z = 0.0;
    int count = 0;
    for (const ADSBTarget& target : _rawTargets) {
        if (!target.positionValid())
            continue;
        const double lat = target.latitude() * kPi / 180.0;
        const double lon = target.longitude() * kPi / 180.0;
        x += std::cos(lat) * std::cos(lon);
        y += std::cos(lat) * std::sin(lon);
        z += std::sin(lat);
        ++count;
    }
    if (count == 0)
        return false;
    middle->lat = std::atan2(z, std::hypot(x, y)) * 180.0 / kPi;
    middle->lon = std::atan2(y, x) * 180.0 / kPi;
    return true;
}

void TrafficScope::fitAllTargets() {
    GeoPoint middle;
    if (!targetsMiddle(&middle)) {
        if (_receiverValid)
            centreOnReceiver();
        return;
    }
    if (!_receiverValid)
        setProjectionCentre(middle);
    double left = 0, right = 0, bottom = 0, top = 0;
    bool first = true;
    for (const ScopeTarget& t : _targets) {
        const QPointF p = t.plane;
        left = first ? p.x() : std::min(left, p.x());
        right = first ? p.x() : std::max(right, p.x());
        bottom = first ? p.y() : std::min(bottom, p.y());
        top = first ? p.y() : std::max(top, p.y());
        first = false;
    }
    view().fit(QRectF(QPointF(left, bottom), QPointF(right, top)), kFitMarginPx);
    update();
}

void TrafficScope::centreOnReceiver() {
    if (!_receiverValid) {
        fitAllTargets();
        return;
    }
    view().setCentreNm(QPointF(0, 0));
    update();
}

void TrafficScope::setPixelsPerNm(double pixelsPerNm) {
    view().setPixelsPerNm(pixelsPerNm);
    update();
}

void TrafficScope::zoomAt(const QPointF& widgetPos, double factor) {
    view().zoomAbout(widgetPos, factor);
    update();
}

void TrafficScope::panBy(const QPointF& pixels) {
    view().panBy(pixels);
    update();
}

int TrafficScope::ringSpacingNm() const {
    return _receiverValid ? RangeRings::spacingNm(view().pixelsPerNm()) : 0;
}

GeoPoint TrafficScope::viewCentre() const {
    GeoPoint centre = _projection.centre();
    _projection.inverse(view().centreNm(), &centre);
    return centre;
}

QPointF TrafficScope::widgetPosition(double latDeg, double lonDeg) const {
    return view().toWidget(_projection.forward(GeoPoint{latDeg, lonDeg}));
}

quint32 TrafficScope::targetAt(const QPointF& widgetPos) const {
    quint32 best = 0;
    double bestDistance = kPickRadiusPx;
    for (const ScopeTarget& t : _targets) {
        const QPointF d = view().toWidget(t.plane) - widgetPos;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = t.address;
        }
    }
    return best;
}

bool TrafficScope::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const quint32 address = targetAt(help->pos());
        for (const ADSBTarget& target : _rawTargets) {
            if (address != 0 && target.icaoAddr() == address) {
                QToolTip::showText(help->globalPos(), TargetReportText::toText(target.report()),
                                   this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TrafficScope::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ScopeScene scene;
    scene.map = _map ? &_projectedMap : nullptr;
    scene.viewport = view();
    scene.receiverValid = _receiverValid;
    scene.targets = &_targets;
    scene.nowMs = _nowMs;
    scene.trailDurationMs = _trails.durationMs();
    scene.selected = _selected;
    scene.backgroundSerial = _backgroundSerial;
    // Labels a little smaller than the surrounding text, in a fixed-pitch font so that the
    // columns of a data block line up; the legend in the widget's own font, slightly smaller.
    const double pointSize = font().pointSizeF() > 0 ? font().pointSizeF() : 9.0;
    scene.font = font();
    scene.font.setPointSizeF(std::max(7.0, pointSize * 0.9));
    scene.labelFont = QFont(QStringLiteral("DejaVu Sans Mono"));
    scene.labelFont.setStyleHint(QFont::TypeWriter);
    scene.labelFont.setPointSizeF(std::max(6.5, pointSize * 0.8));
    if (!_map)
        scene.notice =
            _mapError.isEmpty() ? tr("No map data") : tr("No map data: %1").arg(_mapError);
    _renderer.paint(painter, scene);
}

void TrafficScope::resizeEvent(QResizeEvent* event) {
    view();
    QWidget::resizeEvent(event);
}

void TrafficScope::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0)
        zoomAt(event->position(), std::pow(kWheelStepFactor, notches));
    event->accept();
}

void TrafficScope::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    _pressed = true;
    _dragging = false;
    _pressPos = event->pos();
    _lastDragPos = event->pos();
}

void TrafficScope::mouseMoveEvent(QMouseEvent* event) {
    if (!_pressed)
        return;
    if (!_dragging &&
        (event->pos() - _pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        _dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }
    if (_dragging) {
        panBy(event->pos() - _lastDragPos);
        _lastDragPos = event->pos();
    }
}

void TrafficScope::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    _pressed = false;
    if (_dragging) {
        _dragging = false;
        setCursor(Qt::OpenHandCursor);
        return;
    }
    const quint32 address = targetAt(event->pos());
    if (address == _selected && address == 0)
        return;
    _selected = address;
    update();
    emit targetSelected(address);
}
