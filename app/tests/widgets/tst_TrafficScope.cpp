// The traffic scope as a user meets it: clicks, wheel, drags, tool tips, refreshes, and
// screenshots of a synthetic scene at three zoom levels (written to VELTMAR_SCREENSHOT_DIR).
#include <QAction>
#include <QDir>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

#include "AltitudeBands.h"
#include "MapDataFile.h"
#include "ScopeTestScene.h"
#include "TargetFactory.h"
#include "TrafficScope.h"

using brannic::modes::ADSBTarget;
using brannic::modes::ADSBTracker;

namespace {

// The demonstration scene's reference point (Frankfurt/Main).
const GeoPoint kReceiver{50.0333, 8.5706};
constexpr uint64_t kSceneSeconds = 150;

QString screenshotPath(const QString& name) {
    QDir().mkpath(QStringLiteral(VELTMAR_SCREENSHOT_DIR));
    return QStringLiteral(VELTMAR_SCREENSHOT_DIR "/%1.png").arg(name);
}

// Distance between two colours, channel by channel.
int colourDistance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// QTest's mouse moves carry no buttons on a hidden widget; a drag is sent event by event.
void sendMouse(QWidget& widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, widget.mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace

class TestTrafficScope : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void mapIsLoadedFromItsFile();
    void northIsUpEastIsRight();
    void clickSelectsAndSignals();
    void selectTargetMarksWithoutSignal();
    void selectionSurvivesRefreshes();
    void clickOnEmptyGroundClearsTheSelection();
    void wheelZoomsAboutTheCursor();
    void dragPans();
    void ringsNeedAReceiverPosition();
    void withoutReceiverTheScopeCentresOnTheTargets();
    void targetsAcrossTheAntimeridianCentreOnIt();
    void fitAllShowsEveryTarget();
    void centreOnReceiverKeepsTheScale();
    void targetsOutsideTheViewAreNotDrawn();
    void targetsWithoutPositionAreNotDrawn();
    void aTrailInViewIsDrawnWhenItsTargetIsNot();
    void labelsNeverOverlapLabelsOrSymbols();
    void backgroundIsDrawnAgainOnlyWhenTheViewChanges();
    void trailsFollowTargetsAndAge();
    void toolTipShowsTheReport();
    void symbolsPointAlongTheTrack_data();
    void symbolsPointAlongTheTrack();
    void screenshots();

private:
    // A scope of the test size showing the scene with the receiver set, freshly refreshed.
    void prepare(TrafficScope& scope, bool receiver = true);
    struct Seen {
        quint32 address;
        QPointF at;  // in the widget
    };
    Seen firstLiveTarget(const TrafficScope& scope);

    std::shared_ptr<MapData> _map;
    ScopeTestScene _scene;
    std::vector<std::vector<ADSBTarget>> _frames;  // the scene's targets, second by second
};

void TestTrafficScope::initTestCase() {
    _map = std::make_shared<MapData>();
    QString error;
    QVERIFY2(
        MapDataFile::load(QStringLiteral(VELTMAR_BIN_DIR "/veltmar-map.dat"), _map.get(), &error),
        qPrintable(error));
    _scene = ScopeTestScene(kReceiver, 40, 120.0);
    for (uint64_t s = 0; s <= kSceneSeconds; ++s)
        _frames.push_back(_scene.step(s * 1000));
}

void TestTrafficScope::cleanup() {
    QToolTip::hideText();
}

void TestTrafficScope::prepare(TrafficScope& scope, bool receiver) {
    scope.resize(1000, 700);
    scope.setMapData(_map);
    if (receiver)
        scope.setReceiverPosition(true, kReceiver.lat, kReceiver.lon);
    for (uint64_t s = 0; s <= kSceneSeconds; ++s)
        scope.setTargets(_frames[s], ScopeTestScene::kStartMs + s * 1000);
}

// A flight still talking whose symbol is well inside the widget and nearest to its own spot.
TestTrafficScope::Seen TestTrafficScope::firstLiveTarget(const TrafficScope& scope) {
    for (const ScopeTestScene::Flight& f : _scene.flights) {
        if (!f.hasPosition || f.silentFromMs < kSceneSeconds * 1000)
            continue;
        const GeoPoint at = ScopeTestScene::positionAt(f, kSceneSeconds * 1000);
        const QPointF p = scope.widgetPosition(at.lat, at.lon);
        if (QRectF(100, 100, 800, 500).contains(p) && scope.targetAt(p) == f.address)
            return Seen{f.address, p};
    }
    return Seen{0, QPointF()};
}

void TestTrafficScope::mapIsLoadedFromItsFile() {
    TrafficScope scope;
    QString error;
    QVERIFY(!scope.loadMap(QStringLiteral("/nonexistent/map.dat"), &error));
    QVERIFY(error.contains(QStringLiteral("/nonexistent/map.dat")));
    QVERIFY(scope.loadMap(QStringLiteral(VELTMAR_BIN_DIR "/veltmar-map.dat"), &error));
    QVERIFY(scope.hasMap());
    QVERIFY(!scope.loadMap(QStringLiteral("/nonexistent/map.dat")));
    QVERIFY(scope.hasMap());  // a failed load keeps the map there was
    QCOMPARE(QFileInfo(TrafficScope::defaultMapPath()).fileName(),
             QStringLiteral("veltmar-map.dat"));
}

void TestTrafficScope::northIsUpEastIsRight() {
    TrafficScope scope;
    prepare(scope);
    const QPointF centre = scope.widgetPosition(kReceiver.lat, kReceiver.lon);
    QCOMPARE(centre, QPointF(500, 350));
    const QPointF north = scope.widgetPosition(kReceiver.lat + 0.5, kReceiver.lon);
    const QPointF east = scope.widgetPosition(kReceiver.lat, kReceiver.lon + 0.5);
    QVERIFY(north.y() < centre.y());
    QVERIFY(std::abs(north.x() - centre.x()) < 1e-9);
    QVERIFY(east.x() > centre.x());
    // Half a degree of latitude is 30 nautical miles.
    QVERIFY(std::abs((centre.y() - north.y()) / scope.pixelsPerNm() - 30.02) < 0.01);
}

void TestTrafficScope::clickSelectsAndSignals() {
    TrafficScope scope;
    prepare(scope);
    const Seen target = firstLiveTarget(scope);
    QVERIFY(target.address != 0);
    QSignalSpy spy(&scope, &TrafficScope::targetSelected);
    QTest::mouseClick(&scope, Qt::LeftButton, {}, (target.at + QPointF(3, -2)).toPoint());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint32>(), target.address);
    QCOMPARE(scope.selectedTarget(), target.address);
}

void TestTrafficScope::selectTargetMarksWithoutSignal() {
    TrafficScope scope;
    prepare(scope);
    QSignalSpy spy(&scope, &TrafficScope::targetSelected);
    const quint32 address = _scene.flights[3].address;
    scope.selectTarget(address);
    QCOMPARE(scope.selectedTarget(), address);
    scope.selectTarget(0);
    QCOMPARE(scope.selectedTarget(), 0u);
    QCOMPARE(spy.count(), 0);
}

void TestTrafficScope::selectionSurvivesRefreshes() {
    TrafficScope scope;
    prepare(scope);
    const Seen target = firstLiveTarget(scope);
    QTest::mouseClick(&scope, Qt::LeftButton, {}, target.at.toPoint());
    QCOMPARE(scope.selectedTarget(), target.address);
    const std::vector<ADSBTarget> later = _scene.step((kSceneSeconds + 1) * 1000);
    scope.setTargets(later, ScopeTestScene::kStartMs + (kSceneSeconds + 1) * 1000);
    scope.setTargets(later, ScopeTestScene::kStartMs + (kSceneSeconds + 2) * 1000);
    QCOMPARE(scope.selectedTarget(), target.address);
    // Its label is shown even where it would otherwise give way.
    scope.grab();
    QVERIFY(scope.drawnLabelCount() > 0);
}

void TestTrafficScope::clickOnEmptyGroundClearsTheSelection() {
    TrafficScope scope;
    prepare(scope);
    scope.selectTarget(_scene.flights[0].address);
    QPoint empty;
    for (int y = 20; y < 700 && empty.isNull(); y += 10) {
        for (int x = 300; x < 1000; x += 10) {
            if (scope.targetAt(QPointF(x, y)) == 0) {
                empty = QPoint(x, y);
                break;
            }
        }
    }
    QSignalSpy spy(&scope, &TrafficScope::targetSelected);
    QTest::mouseClick(&scope, Qt::LeftButton, {}, empty);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint32>(), 0u);
    QCOMPARE(scope.selectedTarget(), 0u);
    QTest::mouseClick(&scope, Qt::LeftButton, {}, empty);
    QCOMPARE(spy.count(), 1);  // nothing selected, nothing new to say
}

void TestTrafficScope::wheelZoomsAboutTheCursor() {
    TrafficScope scope;
    prepare(scope);
    const double before = scope.pixelsPerNm();
    const QPointF cursor(730, 210);
    const QPointF probe = scope.widgetPosition(52.3, 7.9);
    const QPointF offset = probe - cursor;
    QWheelEvent wheel(cursor, scope.mapToGlobal(cursor.toPoint()), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&scope, &wheel);
    QVERIFY(std::abs(scope.pixelsPerNm() - before * 1.5625) < 1e-9);
    // Everything moved away from the cursor by the zoom factor; the cursor point stayed.
    const QPointF after = scope.widgetPosition(52.3, 7.9);
    QVERIFY((after - (cursor + offset * 1.5625)).manhattanLength() < 1e-6);
    QWheelEvent back(cursor, scope.mapToGlobal(cursor.toPoint()), QPoint(), QPoint(0, -240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&scope, &back);
    QVERIFY(std::abs(scope.pixelsPerNm() - before) < 1e-9);
    QVERIFY((scope.widgetPosition(52.3, 7.9) - probe).manhattanLength() < 1e-6);
}

void TestTrafficScope::dragPans() {
    TrafficScope scope;
    prepare(scope);
    const QPointF before = scope.widgetPosition(kReceiver.lat, kReceiver.lon);
    QSignalSpy spy(&scope, &TrafficScope::targetSelected);
    sendMouse(scope, QEvent::MouseButtonPress, QPoint(400, 300), Qt::LeftButton, Qt::LeftButton);
    sendMouse(scope, QEvent::MouseMove, QPoint(420, 290), Qt::NoButton, Qt::LeftButton);
    sendMouse(scope, QEvent::MouseMove, QPoint(470, 260), Qt::NoButton, Qt::LeftButton);
    sendMouse(scope, QEvent::MouseButtonRelease, QPoint(470, 260), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(scope.widgetPosition(kReceiver.lat, kReceiver.lon), before + QPointF(70, -40));
    QCOMPARE(spy.count(), 0);  // a drag is not a click
}

void TestTrafficScope::ringsNeedAReceiverPosition() {
    TrafficScope scope;
    prepare(scope, false);
    QCOMPARE(scope.ringSpacingNm(), 0);
    scope.setReceiverPosition(true, kReceiver.lat, kReceiver.lon);
    scope.setPixelsPerNm(2.5);
    QCOMPARE(scope.ringSpacingNm(), 25);
    scope.setReceiverPosition(false, 0, 0);
    QCOMPARE(scope.ringSpacingNm(), 0);
    scope.setReceiverPosition(true, 91.0, 0.0);  // not a position: no rings either
    QCOMPARE(scope.ringSpacingNm(), 0);
    QVERIFY(!scope.receiverValid());
}

void TestTrafficScope::withoutReceiverTheScopeCentresOnTheTargets() {
    TrafficScope scope;
    prepare(scope, false);
    // The scene is spread evenly around its reference point: the middle of the targets lies
    // close to it, and so does the projection centre.
    const GeoPoint centre = scope.projectionCentre();
    QVERIFY2(
        std::abs(centre.lat - kReceiver.lat) < 0.7 && std::abs(centre.lon - kReceiver.lon) < 1.2,
        qPrintable(QStringLiteral("%1 %2").arg(centre.lat).arg(centre.lon)));
    // Setting the receiver moves the projection and the view there.
    scope.setReceiverPosition(true, 48.0, 2.0);
    QCOMPARE(scope.projectionCentre().lat, 48.0);
    QVERIFY(std::abs(scope.viewCentre().lat - 48.0) < 1e-9 &&
            std::abs(scope.viewCentre().lon - 2.0) < 1e-9);
}

// Over the Pacific the middle of the targets lies on the antimeridian, not at Greenwich, and
// both targets are in view.
void TestTrafficScope::targetsAcrossTheAntimeridianCentreOnIt() {
    ADSBTracker tracker;
    TargetSpec east;
    east.address = 0xC81234;
    east.time = ScopeTestScene::kStartMs;
    east.position = true;
    east.lat = -17.8;
    east.lon = 179.0;
    TargetSpec west = east;
    west.address = 0xC81235;
    west.lat = -18.2;
    west.lon = -179.0;
    TrafficScope scope;
    scope.resize(600, 400);
    scope.setTargets(feed(tracker, {east, west}), ScopeTestScene::kStartMs);
    QVERIFY2(std::abs(std::abs(scope.projectionCentre().lon) - 180.0) < 0.01,
             qPrintable(QString::number(scope.projectionCentre().lon)));
    QVERIFY(std::abs(scope.projectionCentre().lat + 18.0) < 0.01);
    const QPointF e = scope.widgetPosition(east.lat, east.lon);
    const QPointF w = scope.widgetPosition(west.lat, west.lon);
    QVERIFY(QRectF(scope.rect()).contains(e) && QRectF(scope.rect()).contains(w));
    QVERIFY(e.x() < w.x());  // 179 E lies west of 179 W
    QVERIFY(scope.visibleRadiusNm() < 300.0);
}

void TestTrafficScope::fitAllShowsEveryTarget() {
    TrafficScope scope;
    prepare(scope);
    scope.setPixelsPerNm(40.0);
    scope.fitAllTargets();
    const QRectF inside = QRectF(scope.rect()).adjusted(20, 20, -20, -20);
    int positioned = 0;
    for (const ADSBTarget& t : _frames.back()) {
        if (!t.positionValid())
            continue;
        ++positioned;
        QVERIFY(inside.contains(scope.widgetPosition(t.latitude(), t.longitude())));
    }
    QVERIFY(positioned > 30);
    QVERIFY(scope.visibleRadiusNm() < 250.0);  // and no wider than needed
}

void TestTrafficScope::centreOnReceiverKeepsTheScale() {
    TrafficScope scope;
    prepare(scope);
    scope.setPixelsPerNm(3.0);
    scope.zoomAt(QPointF(50, 50), 2.0);
    const double scale = scope.pixelsPerNm();
    scope.centreOnReceiverAction()->trigger();
    QCOMPARE(scope.widgetPosition(kReceiver.lat, kReceiver.lon), QPointF(500, 350));
    QCOMPARE(scope.pixelsPerNm(), scale);
    QVERIFY(scope.actions().contains(scope.fitAllTargetsAction()));
}

void TestTrafficScope::targetsOutsideTheViewAreNotDrawn() {
    TrafficScope scope;
    prepare(scope);
    scope.setTrailDuration(0);   // positions only, so the count is easy to check
    scope.setPixelsPerNm(10.0);  // about 60 NM around the receiver
    int inView = 0;
    for (const ADSBTarget& t : _frames.back()) {
        if (t.positionValid() &&
            QRectF(-12, -12, 1024, 724).contains(scope.widgetPosition(t.latitude(), t.longitude())))
            ++inView;
    }
    scope.grab();
    QVERIFY(inView > 0);
    QCOMPARE(scope.drawnTargetCount(), inView);
}

void TestTrafficScope::targetsWithoutPositionAreNotDrawn() {
    TrafficScope scope;
    prepare(scope);
    scope.setPixelsPerNm(0.5);  // the whole scene in view
    int positioned = 0;
    for (const ADSBTarget& t : _frames.back())
        positioned += t.positionValid() ? 1 : 0;
    QVERIFY(positioned < int(_frames.back().size()));
    scope.grab();
    QCOMPARE(scope.drawnTargetCount(), positioned);
}

// A target that has flown out of the view still leaves its trail in it.
void TestTrafficScope::aTrailInViewIsDrawnWhenItsTargetIsNot() {
    ADSBTracker tracker;
    TrafficScope scope;
    scope.resize(400, 300);
    scope.setReceiverPosition(true, kReceiver.lat, kReceiver.lon);
    scope.setPixelsPerNm(10.0);  // 20 NM by 15 NM
    TargetSpec spec;
    spec.address = 0x4840D6;
    spec.position = true;
    spec.lat = kReceiver.lat;
    spec.altitude = true;
    spec.altitudeFt = 35000;
    for (int s = 0; s <= 180; ++s) {
        // Due east from the receiver at 600 kt: 30 NM in three minutes, 10 NM past the edge.
        spec.time = ScopeTestScene::kStartMs + s * 1000;
        spec.lon =
            kReceiver.lon + s * (600.0 / 3600.0) / (60.04 * std::cos(kReceiver.lat * M_PI / 180.0));
        scope.setTargets(feed(tracker, {spec}), spec.time);
    }
    const ADSBTarget target = tracker.allTargets().front();
    QVERIFY(!QRectF(scope.rect())
                 .contains(scope.widgetPosition(target.latitude(), target.longitude())));
    const QImage image = scope.grab().toImage();
    QCOMPARE(scope.drawnTargetCount(), 1);
    // The trail runs along the receiver's parallel to the right edge: without it those pixels
    // are different.
    scope.setTrailDuration(0);
    const QImage withoutTrail = scope.grab().toImage();
    QCOMPARE(scope.drawnTargetCount(), 0);
    int trailPixels = 0;
    for (int x = 200; x < 400; ++x) {
        for (int y = 145; y <= 155; ++y)
            trailPixels += image.pixel(x, y) != withoutTrail.pixel(x, y) ? 1 : 0;
    }
    QVERIFY2(trailPixels > 150, qPrintable(QString::number(trailPixels)));
}

void TestTrafficScope::labelsNeverOverlapLabelsOrSymbols() {
    TrafficScope scope;
    prepare(scope);
    for (double scale : {8.0, 2.5, 0.9, 0.4}) {
        scope.setPixelsPerNm(scale);
        scope.grab();
        const std::vector<QRectF> labels = scope.labelRectangles();
        QVERIFY(!labels.empty());
        for (size_t a = 0; a < labels.size(); ++a) {
            QVERIFY(QRectF(scope.rect()).contains(labels[a]));
            for (size_t b = a + 1; b < labels.size(); ++b)
                QVERIFY2(!labels[a].intersects(labels[b]),
                         qPrintable(QStringLiteral("at scale %1").arg(scale)));
            // No label covers the middle of a target's symbol.
            for (const ADSBTarget& t : _frames.back()) {
                if (t.positionValid())
                    QVERIFY(!labels[a].contains(scope.widgetPosition(t.latitude(), t.longitude())));
            }
        }
    }
}

// A refresh reuses the picture of the map; anything that moves the map draws it again.
void TestTrafficScope::backgroundIsDrawnAgainOnlyWhenTheViewChanges() {
    TrafficScope scope;
    prepare(scope);
    scope.grab();
    int drawn = scope.backgroundsDrawn();
    const auto expectRedraw = [&](bool again, const char* what) {
        scope.grab();
        QVERIFY2(scope.backgroundsDrawn() == drawn + (again ? 1 : 0), what);
        drawn = scope.backgroundsDrawn();
    };
    scope.setTargets(_scene.step((kSceneSeconds + 1) * 1000),
                     ScopeTestScene::kStartMs + (kSceneSeconds + 1) * 1000);
    expectRedraw(false, "refresh");
    scope.selectTarget(_scene.flights[1].address);
    expectRedraw(false, "selection");
    scope.panBy(QPointF(1, 0));
    expectRedraw(true, "pan");
    scope.zoomAt(QPointF(10, 10), 1.1);
    expectRedraw(true, "zoom");
    scope.resize(900, 700);
    expectRedraw(true, "resize");
    scope.setReceiverPosition(true, 52.0, 5.0);
    expectRedraw(true, "new receiver position");
    scope.setMapData(_map);
    expectRedraw(true, "new map");
    scope.setReceiverPosition(false, 0, 0);
    expectRedraw(true, "no receiver");
}

void TestTrafficScope::trailsFollowTargetsAndAge() {
    TrafficScope scope;
    prepare(scope);
    const Seen target = firstLiveTarget(scope);
    const TrailHistory::Trail* trail = scope.trails().trail(target.address);
    QVERIFY(trail);
    QCOMPARE(trail->points.size(), size_t(kSceneSeconds + 1));
    QCOMPARE(scope.trailDuration(), 180);
    scope.setTrailDuration(30);
    trail = scope.trails().trail(target.address);
    QVERIFY(trail);
    QCOMPARE(trail->points.size(), size_t(31));
    QCOMPARE(trail->points.back().timeMs, ScopeTestScene::kStartMs + kSceneSeconds * 1000);
}

void TestTrafficScope::toolTipShowsTheReport() {
    TrafficScope scope;
    prepare(scope);
    scope.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scope));
    const Seen target = firstLiveTarget(scope);
    const QPoint at = target.at.toPoint();
    QHelpEvent help(QEvent::ToolTip, at, scope.mapToGlobal(at));
    QApplication::sendEvent(&scope, &help);
    const QString text = QToolTip::text();
    QVERIFY2(text.contains(
                 QStringLiteral("Address %1").arg(QString::number(target.address, 16).toUpper())),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Altitude")), qPrintable(text));
}

void TestTrafficScope::symbolsPointAlongTheTrack_data() {
    QTest::addColumn<double>("track");
    QTest::addColumn<int>("rotations");  // quarter turns clockwise
    QTest::newRow("north") << 0.0 << 0;
    QTest::newRow("east") << 90.0 << 1;
    QTest::newRow("south") << 180.0 << 2;
    QTest::newRow("west") << 270.0 << 3;
}

// One target 20 NM north of the receiver (on its meridian, so true north is straight up):
// the pixels towards the nose are the target's colour, those in the notch at the tail are not.
void TestTrafficScope::symbolsPointAlongTheTrack() {
    QFETCH(double, track);
    QFETCH(int, rotations);
    TargetSpec spec;
    spec.address = 0x4840D6;
    spec.time = ScopeTestScene::kStartMs;
    spec.position = true;
    spec.lat = kReceiver.lat + 20.0 / 60.04;
    spec.lon = kReceiver.lon;
    spec.speed = true;
    spec.speedKt = 300.0;
    spec.headingDeg = track;
    spec.altitude = true;
    spec.altitudeFt = 35000;
    TrafficScope scope;
    scope.resize(400, 300);
    scope.setReceiverPosition(true, kReceiver.lat, kReceiver.lon);
    scope.setPixelsPerNm(4.0);
    scope.setTargets({targetOf(spec)}, ScopeTestScene::kStartMs);
    const QImage image = scope.grab().toImage();
    image.save(screenshotPath(QStringLiteral("traffic_scope_symbol_%1").arg(int(track))));
    const QPoint centre =
        scope.widgetPosition(kReceiver.lat + 20.0 / 60.04, kReceiver.lon).toPoint();
    // Offsets for a symbol pointing up, turned clockwise a quarter at a time (x, y) -> (-y, x).
    QPoint nose(0, -5), notch(0, 6), leftSide(-3, 2);
    for (int r = 0; r < rotations; ++r) {
        nose = QPoint(-nose.y(), nose.x());
        notch = QPoint(-notch.y(), notch.x());
        leftSide = QPoint(-leftSide.y(), leftSide.x());
    }
    // Pixel (x, y) covers x..x+1: step back one pixel on the negative side of each axis so
    // that the sample lies wholly on the intended side of the symbol's axis.
    const auto pixel = [&](QPoint offset) {
        return image.pixelColor(centre + offset -
                                QPoint(offset.x() < 0 ? 1 : 0, offset.y() < 0 ? 1 : 0));
    };
    const QColor colour = AltitudeBands::colour(AltitudeBands::ToFL400);
    QVERIFY2(colourDistance(pixel(nose), colour) < 40, qPrintable(pixel(nose).name()));
    QVERIFY2(colourDistance(pixel(leftSide), colour) < 40, qPrintable(pixel(leftSide).name()));
    QVERIFY2(colourDistance(pixel(notch), colour) > 200, qPrintable(pixel(notch).name()));
}

void TestTrafficScope::screenshots() {
    const struct {
        const char* name;
        double pixelsPerNm;
        int rings;
    } zooms[] = {
        {"traffic_scope_close", 8.0, 10},
        {"traffic_scope_medium", 2.5, 25},
        {"traffic_scope_wide", 0.9, 50},
    };
    for (const auto& zoom : zooms) {
        TrafficScope scope;
        prepare(scope);
        scope.setPixelsPerNm(zoom.pixelsPerNm);
        scope.selectTarget(firstLiveTarget(scope).address);
        QCOMPARE(scope.ringSpacingNm(), zoom.rings);
        const QImage image = scope.grab().toImage();
        QVERIFY(image.save(screenshotPath(QString::fromLatin1(zoom.name))));
        QVERIFY(scope.drawnTargetCount() > 0);
        QVERIFY(scope.drawnLabelCount() > 0);
    }
    TrafficScope scope;
    prepare(scope, false);
    QVERIFY(
        scope.grab().toImage().save(screenshotPath(QStringLiteral("traffic_scope_no_receiver"))));
}

QTEST_MAIN(TestTrafficScope)
#include "tst_TrafficScope.moc"
