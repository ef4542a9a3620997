#ifndef VELTMAR_SCOPERENDERER_H
#define VELTMAR_SCOPERENDERER_H

#include <cstdint>
#include <unordered_map>
#include <vector>

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QString>

#include "AltitudeBands.h"
#include "LabelPlacer.h"
#include "ScopeTarget.h"
#include "ScopeViewport.h"
#include "TargetSymbols.h"
#include "TrailHistory.h"

class QFontMetricsF;
class QPainter;
class ProjectedMap;

// Everything one frame of the scope shows. Pointers may be null (nothing of that kind).
struct ScopeScene {
    const ProjectedMap* map = nullptr;
    ScopeViewport viewport;
    bool receiverValid = false;  // rings and the receiver mark around the plane origin
    const std::vector<ScopeTarget>* targets = nullptr;
    uint64_t nowMs = 0;
    uint64_t trailDurationMs = TrailHistory::kDefaultDurationMs;  // for the fading
    uint32_t selected = 0;                                        // 0: none
    QFont font;                                                   // legend and notices
    QFont labelFont;  // target and airport labels (fixed pitch, as data blocks are)
    QString notice;   // shown at the top when not empty ("No map data")
    // Changes whenever the map or the projection changes (the renderer keeps a picture of the
    // background for as long as this, the view and the fonts stay the same).
    uint64_t backgroundSerial = 0;
};

// Paints a scope frame: background, world outline and airports, range rings, trails fading
// with age, target symbols, decluttered labels and the altitude legend.
//
// The background (map, airports, range rings) is kept as an image between frames and drawn
// again only when the view or the map changes, so the once-a-second refresh paints the traffic
// over a copy of it. Work is bounded by what is visible: map runs and trails are skipped with one
// box test each against the visible plane rectangle, and a target outside it costs that one test
// and nothing more. Labels never overlap each other or another target's symbol: each label tries a
// few places around its symbol, starting with the one it had in the previous frame so labels do not
// jump about, and a label with no free place is left out (the selected target's label is
// always shown). The renderer keeps its caches (symbol images, label places) between frames.
class ScopeRenderer {
    Q_DECLARE_TR_FUNCTIONS(ScopeRenderer)

public:
    ScopeRenderer();
    void paint(QPainter& painter, const ScopeScene& scene);

    // Of the last frame: targets that passed the bounds test, and labels shown.
    int drawnTargets() const { return _drawnTargets; }
    int drawnLabels() const { return int(_labels.size()); }
    // Where the target labels of the last frame went, in widget pixels.
    std::vector<QRectF> labelRects() const;
    // Backgrounds drawn so far (a frame over an unchanged view reuses the last one).
    int backgroundsDrawn() const { return _backgroundsDrawn; }

    // Airports of this rank or more important are drawn at a scale (0: none).
    static int airportRankLimit(double pixelsPerNm);

private:
    struct BackgroundKey {
        QSizeF size;
        qreal pixelRatio;
        double pixelsPerNm;
        QPointF centreNm;
        bool receiverValid;
        uint64_t serial;
        QFont font;
        QFont labelFont;
        bool operator==(const BackgroundKey& o) const {
            return size == o.size && pixelRatio == o.pixelRatio && pixelsPerNm == o.pixelsPerNm &&
                   centreNm == o.centreNm && receiverValid == o.receiverValid &&
                   serial == o.serial && font == o.font && labelFont == o.labelFont;
        }
    };
    struct LabelBox {
        int target;  // index into the scene's targets
        QRectF rect;
    };

    void layoutLegend(const ScopeScene& scene, const QFontMetricsF& metrics);
    void layoutRingLabels(const ScopeScene& scene, const QFontMetricsF& metrics);
    void paintMap(QPainter& painter, const ScopeScene& scene);
    void paintAirports(QPainter& painter);
    void paintRings(QPainter& painter, const ScopeScene& scene);
    void collectVisibleTargets(const ScopeScene& scene);
    void paintTrails(QPainter& painter, const ScopeScene& scene);
    void paintSymbols(QPainter& painter, const ScopeScene& scene);
    void placeLabels(const ScopeScene& scene, const QFontMetricsF& metrics);
    void collectAirports(const ScopeScene& scene);
    void placeAirportLabels(const QFontMetricsF& metrics, const ScopeScene& scene);
    void paintAirportLabels(QPainter& painter, const ScopeScene& scene);
    void paintLabels(QPainter& painter, const ScopeScene& scene, const QFontMetricsF& metrics);
    void paintLegend(QPainter& painter, const ScopeScene& scene, const QFontMetricsF& metrics);

    TargetSymbols _symbols;
    LabelPlacer _placer;
    std::unordered_map<uint32_t, int> _labelSlots;  // address -> place used last frame
    std::vector<QLineF> _trailLines[AltitudeBands::kBandCount][TrailHistory::kFadeSteps];
    std::vector<int> _visible;        // target indices that passed the bounds test
    std::vector<QPointF> _visibleAt;  // their widget positions
    std::vector<LabelBox> _labels;
    std::vector<std::pair<QPointF, int>> _airports;      // visible: widget position, index
    std::vector<std::pair<QRectF, int>> _airportLabels;  // placed: rectangle, airport index
    std::vector<double> _ringRadii;                      // nautical miles
    std::vector<std::pair<QRectF, QString>> _ringLabels;
    QRectF _legend;
    QString _legendFooter;
    QImage _background;
    BackgroundKey _backgroundKey{};
    int _backgroundsDrawn = 0;
    int _drawnTargets = 0;
};

#endif  // VELTMAR_SCOPERENDERER_H
