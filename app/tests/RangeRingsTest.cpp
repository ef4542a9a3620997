#include "RangeRings.h"

#include <gtest/gtest.h>

namespace {

TEST(RangeRings, SpacingFollowsTheZoom) {
    const struct {
        double pixelsPerNm;
        int spacing;
    } rows[] = {
        {400.0, 10}, {4.0, 10},  // 10 NM rings 40 px apart: readable
        {3.99, 25},  {1.6, 25},  // 25 NM rings at least 40 px apart
        {1.59, 50},  {0.8, 50},  //
        {0.24, 50},              // 50 NM rings still 12 px apart
        {0.239, 0},  {0.01, 0},  // closer than that: none
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pixelsPerNm);
        EXPECT_EQ(RangeRings::spacingNm(row.pixelsPerNm), row.spacing);
    }
}

TEST(RangeRings, OnlyRingsCrossingTheViewAreDrawn) {
    using Radii = std::vector<double>;
    // Receiver in the middle of a 100 x 60 NM view: rings up to the far corner (58.3 NM).
    EXPECT_EQ(RangeRings::radiiCrossing(QRectF(-50, -30, 100, 60), 10),
              (Radii{10, 20, 30, 40, 50}));
    // Receiver 100 NM west of the view: from the nearest edge (100) to the far corner (~206).
    EXPECT_EQ(RangeRings::radiiCrossing(QRectF(100, -50, 100, 100), 25),
              (Radii{100, 125, 150, 175, 200}));
    // Receiver off a corner: nearest point is the corner (30, 40) at 50 NM.
    EXPECT_EQ(RangeRings::radiiCrossing(QRectF(30, 40, 20, 20), 10), (Radii{50, 60, 70}));
    EXPECT_TRUE(RangeRings::radiiCrossing(QRectF(-50, -30, 100, 60), 0).empty());
    // A view inside the first ring shows none.
    EXPECT_TRUE(RangeRings::radiiCrossing(QRectF(-1, -1, 2, 2), 10).empty());
}

}  // namespace
