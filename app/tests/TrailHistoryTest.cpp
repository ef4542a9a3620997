#include "TrailHistory.h"

#include <gtest/gtest.h>

#include "TargetFactory.h"

namespace {

using brannic::modes::ADSBTarget;
using brannic::modes::ADSBTracker;

constexpr uint64_t kT0 = 1700000000000ull;

// Targets as the tracker makes them: from a report with a position, or with none.
class Traffic {
public:
    void heard(uint32_t address, uint64_t time, double lat, double lon) {
        TargetSpec s;
        s.address = address;
        s.time = time;
        s.position = true;
        s.lat = lat;
        s.lon = lon;
        feed(_tracker, {s});
    }
    void heardWithoutPosition(uint32_t address, uint64_t time) {
        TargetSpec s;
        s.address = address;
        s.time = time;
        feed(_tracker, {s});
    }
    void forget(uint32_t address) {
        std::vector<ADSBTarget> keep;
        for (const ADSBTarget& t : _tracker.allTargets()) {
            if (t.icaoAddr() != address)
                keep.push_back(t);
        }
        _kept = keep;
        _filtered = true;
    }
    std::vector<ADSBTarget> targets() const { return _filtered ? _kept : _tracker.allTargets(); }

private:
    ADSBTracker _tracker;
    std::vector<ADSBTarget> _kept;
    bool _filtered = false;
};

const AzimuthalEquidistantProjection kProjection({51.5, 5.5});

TEST(TrailHistory, OnePointPerNewPositionTime) {
    Traffic traffic;
    TrailHistory history;
    for (int s = 0; s < 10; ++s) {
        traffic.heard(0x4840D6, kT0 + s * 1000, 51.5 + s * 0.01, 5.5);
        history.update(traffic.targets(), kT0 + s * 1000, kProjection);
        // A refresh without a new position adds nothing.
        history.update(traffic.targets(), kT0 + s * 1000 + 500, kProjection);
    }
    const TrailHistory::Trail* trail = history.trail(0x4840D6);
    ASSERT_NE(trail, nullptr);
    ASSERT_EQ(trail->points.size(), 10u);
    EXPECT_EQ(trail->points.front().timeMs, kT0);
    EXPECT_EQ(trail->points.back().timeMs, kT0 + 9000);
    EXPECT_NEAR(trail->points.back().plane.y(), 0.09 * 60.04, 0.01);
    EXPECT_NEAR(trail->planeBounds.top(), 0.0, 1e-9);
    EXPECT_NEAR(trail->planeBounds.bottom(), trail->points.back().plane.y(), 1e-9);
    EXPECT_EQ(history.trail(0x123456), nullptr);
}

TEST(TrailHistory, PointsAgeOutAfterTheDuration) {
    Traffic traffic;
    TrailHistory history;
    history.setDurationMs(30000);
    for (int s = 0; s <= 60; ++s) {
        traffic.heard(0x4840D6, kT0 + s * 1000, 51.5 + s * 0.01, 5.5);
        history.update(traffic.targets(), kT0 + s * 1000, kProjection);
    }
    const TrailHistory::Trail* trail = history.trail(0x4840D6);
    ASSERT_NE(trail, nullptr);
    // 30 s back from 60 s: the points of 30 s to 60 s, the one exactly 30 s old included.
    ASSERT_EQ(trail->points.size(), 31u);
    EXPECT_EQ(trail->points.front().timeMs, kT0 + 30000);
    // The box shrinks with the trail.
    EXPECT_NEAR(trail->planeBounds.top(), trail->points.front().plane.y(), 1e-9);

    // A silent target's trail runs out completely and is dropped.
    history.update(traffic.targets(), kT0 + 91000, kProjection);
    EXPECT_EQ(history.trail(0x4840D6), nullptr);
    EXPECT_EQ(history.size(), 0u);
}

TEST(TrailHistory, ForgetsTargetsTheTrackerDropped) {
    Traffic traffic;
    TrailHistory history;
    traffic.heard(0x000001, kT0, 50.0, 5.0);
    traffic.heard(0x000002, kT0, 51.0, 5.0);
    traffic.heardWithoutPosition(0x000003, kT0);
    history.update(traffic.targets(), kT0, kProjection);
    EXPECT_EQ(history.size(), 2u);  // no trail without a position
    traffic.forget(0x000001);
    history.update(traffic.targets(), kT0 + 1000, kProjection);
    EXPECT_EQ(history.trail(0x000001), nullptr);
    EXPECT_NE(history.trail(0x000002), nullptr);
}

TEST(TrailHistory, ReprojectMovesEveryPoint) {
    Traffic traffic;
    TrailHistory history;
    traffic.heard(0x000001, kT0, 52.5, 5.5);
    history.update(traffic.targets(), kT0, kProjection);
    history.reproject(AzimuthalEquidistantProjection({52.5, 5.5}));
    const TrailHistory::Trail* trail = history.trail(0x000001);
    ASSERT_NE(trail, nullptr);
    EXPECT_NEAR(trail->points.front().plane.x(), 0.0, 1e-9);
    EXPECT_NEAR(trail->points.front().plane.y(), 0.0, 1e-9);
    EXPECT_NEAR(trail->planeBounds.center().y(), 0.0, 1e-9);
}

TEST(TrailHistory, TrailsFadeWithAge) {
    const uint64_t duration = 180000;
    const struct {
        int64_t ageMs;
        int step;
    } rows[] = {
        {-5000, 0},  // from a source whose clock runs ahead
        {0, 0},      {29999, 0},  {30000, 1},  {59999, 1},  {90000, 3},
        {149999, 4}, {150000, 5}, {179999, 5}, {180000, 5}, {999999, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ageMs);
        EXPECT_EQ(TrailHistory::fadeStep(row.ageMs, duration), row.step);
    }
    EXPECT_EQ(TrailHistory::fadeStep(5000, 0), 0);
    for (int step = 1; step < TrailHistory::kFadeSteps; ++step)
        EXPECT_LT(TrailHistory::fadeAlpha(step), TrailHistory::fadeAlpha(step - 1));
    EXPECT_GE(TrailHistory::fadeAlpha(TrailHistory::kFadeSteps - 1), 30);
}

}  // namespace
