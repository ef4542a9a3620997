#include "LabelPlacer.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelPlacer, RefusesOverlapsAndAcceptsNeighbours) {
    LabelPlacer placer;
    placer.reset(QSize(400, 300));
    ASSERT_TRUE(placer.tryPlace(QRectF(100, 100, 60, 20)));
    const struct {
        QRectF rect;
        bool free;
    } rows[] = {
        {QRectF(100, 100, 60, 20), false},  // the same place
        {QRectF(159, 119, 10, 10), false},  // one pixel over the corner
        {QRectF(160, 100, 60, 20), true},   // edge to edge on the right
        {QRectF(100, 120, 60, 20), true},   // edge to edge below
        {QRectF(120, 105, 5, 5), false},    // inside
        {QRectF(50, 90, 200, 40), false},   // around it
        {QRectF(300, 200, 60, 20), true},   // elsewhere
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rect.x() << "," << row.rect.y());
        EXPECT_EQ(placer.isFree(row.rect), row.free);
    }
    EXPECT_FALSE(placer.tryPlace(QRectF(120, 105, 5, 5)));
    EXPECT_TRUE(placer.isFree(QRectF(300, 200, 60, 20)));  // a refused place takes nothing
}

TEST(LabelPlacer, SeesAcrossCellsAndBeyondTheEdges) {
    LabelPlacer placer;
    placer.reset(QSize(400, 300));
    placer.occupy(QRectF(-50, -50, 70, 70));    // reaches in from the top-left corner
    placer.occupy(QRectF(390, 290, 100, 100));  // and out at the bottom-right one
    placer.occupy(QRectF(40, 40, 200, 10));     // spans several cells
    EXPECT_FALSE(placer.isFree(QRectF(-40, -40, 5, 5)));
    EXPECT_FALSE(placer.isFree(QRectF(450, 350, 5, 5)));
    EXPECT_FALSE(placer.isFree(QRectF(230, 45, 5, 5)));
    EXPECT_TRUE(placer.isFree(QRectF(250, 45, 5, 5)));
    placer.reset(QSize(400, 300));
    EXPECT_TRUE(placer.isFree(QRectF(230, 45, 5, 5)));
}

TEST(LabelPlacer, ManyLabelsNeverOverlap) {
    LabelPlacer placer;
    placer.reset(QSize(300, 200));
    std::vector<QRectF> placed;
    for (int i = 0; i < 500; ++i) {
        const QRectF rect((i * 37) % 290, (i * 53) % 190, 40 + i % 30, 18);
        if (placer.tryPlace(rect))
            placed.push_back(rect);
    }
    ASSERT_GT(placed.size(), 10u);
    for (size_t a = 0; a < placed.size(); ++a) {
        for (size_t b = a + 1; b < placed.size(); ++b)
            EXPECT_FALSE(placed[a].intersects(placed[b])) << a << " and " << b;
    }
}

}  // namespace
