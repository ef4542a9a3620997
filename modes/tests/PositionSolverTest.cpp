// The position solver on its own: a speed check passed must never stand in for the agreement
// of global and local decoding unless it keeps the position within a quarter zone.

#include <gtest/gtest.h>

#include "CPR.h"
#include "CPREncoder.h"
#include "PositionSolver.h"

namespace brannic {
namespace modes {
namespace {

cpr::Encoded encoded(double lat, double lon, bool odd) {
    const auto e = cprenc::encodeAirborne(lat, lon, odd);
    return {int32_t(e.latitude), int32_t(e.longitude)};
}

// An even report of the target's own place paired with odd reports of places ever further
// north: the pairs whose global decode lands 100 to 400 NM away, a zone off.
TEST(PositionSolver, MismatchedPairsAreRefusedWhateverTheSpeedLimit) {
    const GeoPosition own{52.3, 4.7};
    constexpr uint64_t kT0 = 1600000000000ull;
    int checked = 0;
    for (double north = 0.01; north < 6 && checked < 20; north += 0.01) {
        PositionSolver::Track track;
        track.positionValid = true;
        track.position = own;
        track.positionTime = kT0;
        track.even = {encoded(own.latitude, own.longitude, false), kT0 + 400};
        track.odd = {encoded(own.latitude + north, own.longitude, true), kT0 + 500};
        GeoPosition global;
        if (!cpr::decodeGlobalAirborne(track.even.cpr, track.odd.cpr, true, global.latitude,
                                       global.longitude)) {
            continue;
        }
        const double away = cpr::distanceNM(own, global);
        if (away < 100 || away > 400)
            continue;
        ++checked;
        for (const double limit : {0.0, 1000.0, 1e5, 1e6}) {
            SCOPED_TRACE(testing::Message() << "north " << north << " away " << away << " limit "
                                            << limit);
            ADSBTrackerSettings settings;
            settings.localDecoding = true;
            settings.airborneSpeedLimit = limit;
            const PositionSolver::Outcome outcome =
                PositionSolver(settings).solve(track, track.odd, true, false);
            EXPECT_TRUE(outcome.decoded);
            EXPECT_NE(outcome.refusal, PositionSolver::Refusal::NONE);
        }
    }
    EXPECT_GE(checked, 5);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
