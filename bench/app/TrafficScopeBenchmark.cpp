// The traffic scope's cost per frame and per refresh: the full world outline loaded, 2,000
// targets with three-minute trails and labels, painted offscreen into an image the size of a
// large window. The scope must keep up with a repaint well inside one 60 Hz frame (16 ms).
#include <memory>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "MapDataFile.h"
#include "ProjectedMap.h"
#include "ScopeTestScene.h"
#include "TrafficScope.h"

namespace {

// The demonstration scene's reference point (Frankfurt/Main).
const GeoPoint kReceiver{50.0333, 8.5706};
const QString kMapFile = QStringLiteral(VELTMAR_BIN_DIR "/veltmar-map.dat");
constexpr int kTargets = 2000;
constexpr int kTrailSeconds = 180;

QApplication& application() {
    static int argc = 1;
    static char name[] = "app_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

std::shared_ptr<const MapData> world() {
    static std::shared_ptr<const MapData> map = [] {
        auto data = std::make_shared<MapData>();
        QString error;
        if (!MapDataFile::load(kMapFile, data.get(), &error))
            qFatal("%s", qPrintable(error));
        return data;
    }();
    return map;
}

// The scene after three minutes of once-a-second refreshes, and a scope that has seen them all.
struct BusyScope {
    QApplication& app = application();  // before any widget
    ScopeTestScene scene{kReceiver, kTargets, 240.0};
    TrafficScope scope;
    std::vector<brannic::modes::ADSBTarget> last;

    BusyScope() {
        scope.resize(1280, 800);
        scope.setMapData(world());
        scope.setReceiverPosition(true, kReceiver.lat, kReceiver.lon);
        for (int s = 0; s <= kTrailSeconds; ++s) {
            last = scene.step(uint64_t(s) * 1000);
            scope.setTargets(last, ScopeTestScene::kStartMs + uint64_t(s) * 1000);
        }
        scope.fitAllTargets();
        scope.selectTarget(scene.flights[7].address);
    }
};

BusyScope& busyScope() {
    static BusyScope busy;
    return busy;
}

// Paints frames into an image; while panning, every frame moves the view by a pixel, so the
// world outline is drawn again each time instead of being copied from the last frame.
void paintFrames(benchmark::State& state, TrafficScope& scope, bool panning) {
    QImage image(scope.size(), QImage::Format_ARGB32_Premultiplied);
    double step = 1.0;
    for (auto _ : state) {
        if (panning) {
            scope.panBy(QPointF(step, 0.0));
            step = -step;
        }
        scope.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["targets"] = scope.drawnTargetCount();
    state.counters["labels"] = scope.drawnLabelCount();
    state.counters["view_radius_nm"] = scope.visibleRadiusNm();
}

// The frame of a refresh: 2,000 trails, symbols and the labels that fit over the background
// (world outline, airports, rings) of the unchanged view.
void BM_PaintScope2000Targets(benchmark::State& state) {
    paintFrames(state, busyScope().scope, false);
}
BENCHMARK(BM_PaintScope2000Targets)->Unit(benchmark::kMillisecond);

// A frame while the user drags the view: the background is drawn as well.
void BM_PaintScope2000TargetsPanning(benchmark::State& state) {
    paintFrames(state, busyScope().scope, true);
}
BENCHMARK(BM_PaintScope2000TargetsPanning)->Unit(benchmark::kMillisecond);

// Zoomed in on the receiver while panning: most targets cost only their bounds test.
void BM_PaintScopeZoomedIn(benchmark::State& state) {
    TrafficScope& scope = busyScope().scope;
    const double scale = scope.pixelsPerNm();
    scope.setPixelsPerNm(12.0);
    scope.centreOnReceiver();
    paintFrames(state, scope, true);
    scope.fitAllTargets();
    scope.setPixelsPerNm(scale);
}
BENCHMARK(BM_PaintScopeZoomedIn)->Unit(benchmark::kMillisecond);

// The world outline alone, over most of Europe, drawn afresh every frame.
void BM_PaintWorldOutline(benchmark::State& state) {
    application();
    TrafficScope scope;
    scope.resize(1280, 800);
    scope.setMapData(world());
    scope.setReceiverPosition(true, kReceiver.lat, kReceiver.lon);
    scope.setPixelsPerNm(0.5);
    paintFrames(state, scope, true);
}
BENCHMARK(BM_PaintWorldOutline)->Unit(benchmark::kMillisecond);

// The once-a-second refresh with 2,000 targets: copies, trails, plane positions, label texts.
void BM_RefreshScope2000Targets(benchmark::State& state) {
    BusyScope& busy = busyScope();
    uint64_t now = ScopeTestScene::kStartMs + kTrailSeconds * 1000;
    for (auto _ : state) {
        now += 1000;
        busy.scope.setTargets(busy.last, now);
    }
}
BENCHMARK(BM_RefreshScope2000Targets)->Unit(benchmark::kMillisecond);

// Start-up: reading the map file, and projecting the world for a receiver position.
void BM_LoadMapFile(benchmark::State& state) {
    for (auto _ : state) {
        MapData map;
        if (!MapDataFile::load(kMapFile, &map, nullptr))
            state.SkipWithError("map file not readable");
        benchmark::DoNotOptimize(map.points.data());
    }
}
BENCHMARK(BM_LoadMapFile)->Unit(benchmark::kMillisecond);

void BM_ProjectWorld(benchmark::State& state) {
    const std::shared_ptr<const MapData> map = world();
    const AzimuthalEquidistantProjection projection(kReceiver);
    for (auto _ : state) {
        ProjectedMap projected(map, projection);
        benchmark::DoNotOptimize(projected.points().data());
    }
}
BENCHMARK(BM_ProjectWorld)->Unit(benchmark::kMillisecond);

}  // namespace
