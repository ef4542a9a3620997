#ifndef MODES_SRC_POSITIONSOLVER_H
#define MODES_SRC_POSITIONSOLVER_H

// Deciding a target's position from its latest CPR reports under the tracker's settings:
// global decoding of an even/odd pair, local decoding of the newest report against a
// reference, the agreement of the two, and the plausibility checks (range from the receiver,
// speed from the last position). The tracker applies the outcome and logs refusals.

#include <cstdint>

#include <modes/ADSBTrackerSettings.h>
#include <modes/GeoPosition.h>

#include "CPR.h"

namespace brannic {
namespace modes {

class PositionSolver {
public:
    // One CPR report as kept in a target's slot; time 0 = no report.
    struct Report {
        cpr::Encoded cpr;
        uint64_t time = 0;
    };

    // What the target knows before this report.
    struct Track {
        Report even;  // the latest report of each format of this kind (airborne or surface)
        Report odd;
        bool positionValid = false;
        GeoPosition position;
        uint64_t positionTime = 0;
        bool positionOnSurface = false;
    };

    enum class Refusal {
        NONE,
        REFERENCE,     // the local decode lands beyond half a zone from its reference
        DISAGREEMENT,  // global and local decoding of the same report give different places
        RANGE,         // beyond the maximum range from the receiver
        SPEED,         // farther from the last position than the speed limit allows
    };

    struct Outcome {
        bool decoded = false;  // some decode gave a position (accepted or refused)
        Refusal refusal = Refusal::NONE;
        GeoPosition position;
        uint64_t time = 0;
        double measure = 0;  // NM from the reference, NM apart, NM from the receiver, knots
        double limit = 0;    // the range or speed limit that was passed
    };

    // Airborne reports pair within 10 s; surface reports within 25 s (DO-260B allows 25 s for
    // a moving aircraft and 50 s for a slow one; the shorter bound serves both).
    static constexpr uint64_t kAirbornePairWindowMs = 10000;
    static constexpr uint64_t kSurfacePairWindowMs = 25000;
    // A target's own position serves as a local reference for this long.
    static constexpr uint64_t kReferenceAgeMs = 60000;
    // Half a zone: how close a reference must be for a local decode to be unambiguous.
    static constexpr double kAirborneReferenceRangeNM = 180.0;
    static constexpr double kSurfaceReferenceRangeNM = 45.0;
    // Below this latitude a local decode against a reference within a quarter zone (half
    // the reference ranges below) lands where the global decode does, in any direction.
    static constexpr double kQuarterZoneLatitude = 80.0;
    // Two decodes of one report either coincide (to rounding) or differ by whole zones.
    static constexpr double kAgreementNM = 0.05;

    explicit PositionSolver(const ADSBTrackerSettings& settings) : _settings(settings) {}

    // The position after the report `current` (already stored in `track`'s slots) of
    // `currentOdd` format; `surface` for surface position reports.
    MODES_EXPORT Outcome solve(const Track& track, const Report& current, bool currentOdd,
                               bool surface) const;

    // True when any measure beyond the plain global airborne decode is on.
    static bool active(const ADSBTrackerSettings& settings);

private:
    // How far the speed limit lets a target go from its last position by `time`: distance 0
    // when there is no limit or no last position.
    struct SpeedAllowance {
        double limit = 0;  // knots
        double hours = 0;
        double distance = 0;  // NM
    };

    // Whether the target's own position is recent enough to serve as the local reference.
    static bool ownReference(const Track& track, uint64_t time);
    // The local reference, if any; `own` when the target's own position can serve.
    bool reference(const Track& track, bool own, bool surface, GeoPosition& ref) const;
    SpeedAllowance speedAllowance(const Track& track, bool surface, uint64_t time) const;
    // The range from the receiver, then the speed from the last position.
    bool checkRange(Outcome& outcome) const;
    void check(const Track& track, bool surface, Outcome& outcome) const;

    const ADSBTrackerSettings& _settings;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_POSITIONSOLVER_H
