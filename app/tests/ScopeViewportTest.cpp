#include "ScopeViewport.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

ScopeViewport viewport(double width, double height, double pixelsPerNm, QPointF centre) {
    ScopeViewport v;
    v.setSize(QSizeF(width, height));
    v.setPixelsPerNm(pixelsPerNm);
    v.setCentreNm(centre);
    return v;
}

void expectNear(QPointF actual, QPointF expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
}

TEST(ScopeViewport, NorthIsUpAndEastIsRight) {
    const ScopeViewport v = viewport(800, 600, 2.0, QPointF(10.0, 20.0));
    expectNear(v.toWidget(QPointF(10.0, 20.0)), QPointF(400, 300));
    expectNear(v.toWidget(QPointF(10.0, 30.0)), QPointF(400, 280));  // 10 NM north: up
    expectNear(v.toWidget(QPointF(20.0, 20.0)), QPointF(420, 300));  // 10 NM east: right
    const QPointF plane(-33.3, 71.7);
    expectNear(v.toPlane(v.toWidget(plane)), plane);
    expectNear(v.transform().map(plane), v.toWidget(plane));
    const QRectF visible = v.visiblePlaneRect();
    EXPECT_DOUBLE_EQ(visible.left(), -190.0);
    EXPECT_DOUBLE_EQ(visible.right(), 210.0);
    EXPECT_DOUBLE_EQ(visible.top(), -130.0);
    EXPECT_DOUBLE_EQ(visible.bottom(), 170.0);
    EXPECT_DOUBLE_EQ(v.visibleRadiusNm(), 250.0);
}

TEST(ScopeViewport, ZoomKeepsThePointUnderTheCursor) {
    const QPointF anchors[] = {{400, 300}, {0, 0}, {799, 599}, {123, 456}};
    const double factors[] = {1.25, 0.8, 3.0, 0.1};
    for (const QPointF& anchor : anchors) {
        for (double factor : factors) {
            ScopeViewport v = viewport(800, 600, 2.0, QPointF(-5.0, 7.0));
            const QPointF before = v.toPlane(anchor);
            v.zoomAbout(anchor, factor);
            SCOPED_TRACE(testing::Message() << anchor.x() << "," << anchor.y() << " x" << factor);
            EXPECT_DOUBLE_EQ(v.pixelsPerNm(), 2.0 * factor);
            expectNear(v.toPlane(anchor), before, 1e-9);
        }
    }
}

TEST(ScopeViewport, ScaleStaysWithinItsLimits) {
    ScopeViewport v = viewport(800, 600, 2.0, QPointF());
    v.zoomAbout(QPointF(100, 100), 1e6);
    EXPECT_DOUBLE_EQ(v.pixelsPerNm(), ScopeViewport::kMaxPixelsPerNm);
    v.zoomAbout(QPointF(100, 100), 1e-9);
    EXPECT_NEAR(v.visibleRadiusNm(), ScopeViewport::kMaxRadiusNm, 1e-9);
    v.setPixelsPerNm(std::nan(""));
    EXPECT_NEAR(v.visibleRadiusNm(), ScopeViewport::kMaxRadiusNm, 1e-9);
    // A larger widget at the smallest scale would show more than allowed: the scale follows.
    v.setSize(QSizeF(1600, 1200));
    EXPECT_NEAR(v.visibleRadiusNm(), ScopeViewport::kMaxRadiusNm, 1e-9);
}

TEST(ScopeViewport, PanMovesThePictureWithTheMouse) {
    ScopeViewport v = viewport(800, 600, 4.0, QPointF());
    const QPointF plane(12.0, -3.0);
    const QPointF before = v.toWidget(plane);
    v.panBy(QPointF(40, -20));
    expectNear(v.toWidget(plane), before + QPointF(40, -20));
}

TEST(ScopeViewport, FitShowsTheWholeRectangleWithItsMargin) {
    ScopeViewport v = viewport(800, 600, 2.0, QPointF());
    const QRectF wide(QPointF(-100, -10), QPointF(300, 30));  // limited by the width
    v.fit(wide, 50);
    EXPECT_DOUBLE_EQ(v.pixelsPerNm(), 700.0 / 400.0);
    expectNear(v.centreNm(), QPointF(100, 10));
    const QRectF tall(QPointF(0, 0), QPointF(10, 100));  // limited by the height
    v.fit(tall, 50);
    EXPECT_DOUBLE_EQ(v.pixelsPerNm(), 5.0);
    expectNear(v.toWidget(QPointF(0, 100)), QPointF(375, 50));
    const double scale = v.pixelsPerNm();
    v.fit(QRectF(QPointF(7, 8), QSizeF(0, 0)), 50);  // one target: centre on it, keep scale
    EXPECT_DOUBLE_EQ(v.pixelsPerNm(), scale);
    expectNear(v.centreNm(), QPointF(7, 8));
}

}  // namespace
