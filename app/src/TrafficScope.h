#ifndef VELTMAR_TRAFFICSCOPE_H
#define VELTMAR_TRAFFICSCOPE_H

#include <cstdint>
#include <memory>
#include <vector>

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <modes/ADSBTarget.h>

#include "AzimuthalEquidistantProjection.h"
#include "GeoPoint.h"
#include "MapData.h"
#include "ProjectedMap.h"
#include "ScopeRenderer.h"
#include "ScopeTarget.h"
#include "ScopeViewport.h"
#include "TrailHistory.h"

class QAction;

// The traffic scope: the targets on a map around the receiver, the way a radar display shows
// them. The world outline (coastlines, borders, lakes, airports) lies under range rings, trails
// fading with age, symbols turned along each target's track and coloured by altitude, and
// labels with callsign, flight level and ground speed. Targets silent for longer than the
// warning time turn grey.
//
// The plane is an azimuthal equidistant projection centred on the receiver, so range and
// bearing from the antenna are true everywhere. Without a receiver position the projection
// centres on the targets (when the first ones arrive, and on "fit all targets") and no rings
// are drawn.
//
// Mouse: the wheel zooms about the cursor, a drag pans, a click selects the nearest target
// within reach (or clears the selection on empty ground) and emits targetSelected; hovering a
// target shows its report as a tool tip. The context menu holds "Fit all targets" and "Centre
// on receiver" (also available as actions for tool bars).
class TrafficScope : public QWidget {
    Q_OBJECT

public:
    // A click within this many pixels of a symbol's centre selects it.
    static constexpr double kPickRadiusPx = 12.0;

    explicit TrafficScope(QWidget* parent = nullptr);
    ~TrafficScope() override;

    // The map file beside the program ("veltmar-map.dat" in the executable's directory), which
    // the constructor loads when it is there.
    static QString defaultMapPath();
    // Replaces the world outline with the one in a map file. False, with a message in error
    // (when not null), when the file cannot be read; the scope then keeps its map.
    bool loadMap(const QString& path, QString* error = nullptr);
    // Shares map data already loaded (null: no map).
    void setMapData(std::shared_ptr<const MapData> map);
    bool hasMap() const { return _map != nullptr; }

    // The tracker's targets, once a second: copies, as ADSBTracker::allTargets() gives them,
    // and the current time (milliseconds since 1970 UTC) against which silence and trail age
    // are measured. Targets without a position are not drawn.
    void setTargets(const std::vector<brannic::modes::ADSBTarget>& targets, quint64 nowMs);
    // The receiver's position. A new valid position re-centres projection and view on it; an
    // invalid one removes the rings and centres on the targets.
    void setReceiverPosition(bool valid, double latDeg, double lonDeg);
    bool receiverValid() const { return _receiverValid; }
    // Targets not heard for longer than this are greyed; 0 never greys (default 10 s).
    void setWarningTime(quint64 ms);
    // How far back trails reach (default 180 s); negative counts as 0, which draws none.
    void setTrailDuration(int seconds);
    int trailDuration() const { return int(_trails.durationMs() / 1000); }

    quint32 selectedTarget() const { return _selected; }

    // Zoom state, for tool bars and tests.
    double pixelsPerNm() const { return view().pixelsPerNm(); }
    // Sets the scale about the middle of the widget (clamped to the allowed range).
    void setPixelsPerNm(double pixelsPerNm);
    // Multiplies the scale about a widget point, as the wheel does.
    void zoomAt(const QPointF& widgetPos, double factor);
    // Moves the picture by a number of pixels, as a drag does.
    void panBy(const QPointF& pixels);
    // Distance from the middle of the view to its corners.
    double visibleRadiusNm() const { return view().visibleRadiusNm(); }
    // Spacing of the drawn range rings at the current scale; 0 when none are drawn.
    int ringSpacingNm() const;
    // The point in the middle of the view, and the projection's centre.
    GeoPoint viewCentre() const;
    GeoPoint projectionCentre() const { return _projection.centre(); }
    // Where a position is drawn in the widget.
    QPointF widgetPosition(double latDeg, double lonDeg) const;
    // The address of the target drawn nearest to a widget point within kPickRadiusPx, or 0.
    quint32 targetAt(const QPointF& widgetPos) const;
    // Targets drawn in the last paint (they passed the visibility test), and labels shown.
    int drawnTargetCount() const { return _renderer.drawnTargets(); }
    int drawnLabelCount() const { return _renderer.drawnLabels(); }
    std::vector<QRectF> labelRectangles() const { return _renderer.labelRects(); }
    // Backgrounds (map, airports, rings) drawn so far; a refresh over an unchanged view reuses
    // the last one.
    int backgroundsDrawn() const { return _renderer.backgroundsDrawn(); }
    const TrailHistory& trails() const { return _trails; }

    QAction* fitAllTargetsAction() const { return _fitAllAction; }
    QAction* centreOnReceiverAction() const { return _centreAction; }

public slots:
    // Marks a target as selected without emitting targetSelected (the caller already knows);
    // 0 clears the selection. The selection follows the address across refreshes.
    void selectTarget(quint32 icaoAddr);
    // Shows every target with a position (and re-centres the projection on them when there is
    // no receiver position).
    void fitAllTargets();
    // Moves the view to the receiver keeping the scale; without a receiver position, the same
    // as fitAllTargets().
    void centreOnReceiver();

signals:
    // A click selected a target, or cleared the selection (address 0).
    void targetSelected(quint32 icaoAddr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setProjectionCentre(GeoPoint centre);
    void rebuildTargets();
    // The middle of the positioned targets (mean of their unit vectors, which copes with the
    // antimeridian); false when none has a position.
    bool targetsMiddle(GeoPoint* middle) const;

    std::shared_ptr<const MapData> _map;
    QString _mapError;
    ProjectedMap _projectedMap;
    AzimuthalEquidistantProjection _projection;
    bool _projectionSet = false;
    uint64_t _backgroundSerial = 0;  // moves with the map and the projection
    bool _receiverValid = false;
    GeoPoint _receiver;
    // The view, its size brought up to date first: a hidden widget is resized without a
    // resize event.
    ScopeViewport& view() const;

    mutable ScopeViewport _viewport;
    std::vector<brannic::modes::ADSBTarget> _rawTargets;
    std::vector<ScopeTarget> _targets;
    TrailHistory _trails;
    quint64 _nowMs = 0;
    quint64 _warningMs = 10000;
    quint32 _selected = 0;
    ScopeRenderer _renderer;

    bool _pressed = false;
    bool _dragging = false;
    QPoint _pressPos;
    QPoint _lastDragPos;

    QAction* _fitAllAction = nullptr;
    QAction* _centreAction = nullptr;
};

#endif  // VELTMAR_TRAFFICSCOPE_H
