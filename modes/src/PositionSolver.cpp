#include "PositionSolver.h"

#include <algorithm>
#include <cmath>

namespace brannic {
namespace modes {

namespace {

uint64_t gap(uint64_t a, uint64_t b) {
    return a > b ? a - b : b - a;
}

// cpr::withinNM with its quick part inline.
inline bool within(const GeoPosition& a, const GeoPosition& b, double limit) {
    const int quick = cpr::detail::quickWithin(a, b, limit);
    return quick >= 0 ? quick == 1 : cpr::distanceNM(a, b) <= limit;
}

}  // namespace

inline bool PositionSolver::ownReference(const Track& track, uint64_t time) {
    return track.positionValid && gap(time, track.positionTime) <= kReferenceAgeMs;
}

// Between two surface positions the aircraft taxied; otherwise it may have flown. A second
// more than the time between the two positions allows for the rounding of the time stamps.
inline PositionSolver::SpeedAllowance PositionSolver::speedAllowance(const Track& track,
                                                                     bool surface,
                                                                     uint64_t time) const {
    SpeedAllowance allowance;
    allowance.limit = surface && track.positionOnSurface ? _settings.surfaceSpeedLimit
                                                         : _settings.airborneSpeedLimit;
    if (allowance.limit > 0 && track.positionValid) {
        allowance.hours = (gap(time, track.positionTime) + 1000) * (1 / 3600000.0);
        allowance.distance = allowance.limit * allowance.hours;
    }
    return allowance;
}

inline bool PositionSolver::checkRange(Outcome& outcome) const {
    if (_settings.maximumRange > 0 && _settings.receiverPositionSet &&
        !within(_settings.receiverPosition, outcome.position, _settings.maximumRange)) {
        outcome.refusal = Refusal::RANGE;
        outcome.measure = cpr::distanceNM(_settings.receiverPosition, outcome.position);
        outcome.limit = _settings.maximumRange;
        return false;
    }
    return true;
}

bool PositionSolver::active(const ADSBTrackerSettings& settings) {
    return settings.localDecoding || settings.airborneSpeedLimit > 0 ||
           settings.surfaceSpeedLimit > 0 ||
           (settings.maximumRange > 0 && settings.receiverPositionSet);
}

// The target's own recent position, else the receiver: for airborne reports only when the
// maximum range keeps every target within half a zone of it, for surface reports always
// (a surface report heard beyond 45 NM is beyond the radio horizon of any ground receiver but
// a mountain-top one).
bool PositionSolver::reference(const Track& track, bool own, bool surface, GeoPosition& ref) const {
    if (own) {
        ref = track.position;
        return true;
    }
    if (!_settings.receiverPositionSet)
        return false;
    if (!surface &&
        !(_settings.maximumRange > 0 && _settings.maximumRange <= kAirborneReferenceRangeNM)) {
        return false;
    }
    ref = _settings.receiverPosition;
    return true;
}

PositionSolver::Outcome PositionSolver::solve(const Track& track, const Report& current,
                                              bool currentOdd, bool surface) const {
    Outcome outcome;

    const bool own = ownReference(track, current.time);
    GeoPosition ref;
    const bool haveReference = _settings.localDecoding && reference(track, own, surface, ref);

    // Global decode of the pair, the newer report giving the position (odd on a tie). A
    // surface pair needs some reference to choose among its four quadrants; any will do, the
    // target's last position of whatever age included.
    bool global = false;
    GeoPosition globalPosition;
    const bool oddNewer = track.even.time <= track.odd.time;
    const Report& newer = oddNewer ? track.odd : track.even;
    if (track.even.time > 0 && track.odd.time > 0 &&
        gap(track.even.time, track.odd.time) <=
            (surface ? kSurfacePairWindowMs : kAirbornePairWindowMs)) {
        if (!surface) {
            global = cpr::decodeGlobalAirborne(track.even.cpr, track.odd.cpr, oddNewer,
                                               globalPosition.latitude, globalPosition.longitude);
        } else if (haveReference || track.positionValid) {
            global = cpr::decodeGlobalSurface(track.even.cpr, track.odd.cpr, oddNewer,
                                              haveReference ? ref : track.position,
                                              globalPosition.latitude, globalPosition.longitude);
        }
    }

    // A global position close to the target's own position of a moment ago, itself the local
    // reference: within a quarter zone of it (the speed check says how close), the local
    // decode lands on the global position, well within range of its reference. Only the range
    // from the receiver is left to check. Not near the poles, where longitude zones converge.
    if (global && haveReference && own &&
        std::fabs(globalPosition.latitude) < kQuarterZoneLatitude) {
        const uint64_t time = std::max(track.even.time, track.odd.time);
        const SpeedAllowance allowance = speedAllowance(track, surface, time);
        if (allowance.distance > 0 &&
            allowance.distance <=
                (surface ? kSurfaceReferenceRangeNM : kAirborneReferenceRangeNM) / 2 &&
            cpr::detail::quickWithin(track.position, globalPosition, allowance.distance) == 1) {
            outcome.decoded = true;
            outcome.position = globalPosition;
            outcome.time = time;
            checkRange(outcome);
            return outcome;
        }
    }

    // The report to be placed: the newer of the pair, or the one just received. Against a
    // reference its local decode must land within half a zone (beyond that the reference
    // cannot vouch for it: from the target's own position a moment ago the aircraft cannot be
    // there) and agree with the global decode where there is one.
    const Report& placed = global ? newer : current;
    const bool placedOdd = global ? oddNewer : currentOdd;
    // Where the reference lies in the zones of the global position, the local decode would
    // land there too: the two agree without decoding again.
    GeoPosition localPosition;
    const bool agreed =
        global && haveReference && cpr::detail::sameZones(globalPosition, ref, placedOdd, surface);
    if (agreed)
        localPosition = globalPosition;
    const bool haveLocal =
        haveReference &&
        (agreed || cpr::decodeLocal(placed.cpr, placedOdd, surface, ref, localPosition));
    if (!global && !haveLocal)
        return outcome;
    outcome.decoded = true;
    outcome.position = global ? globalPosition : localPosition;
    outcome.time = global ? std::max(track.even.time, track.odd.time) : current.time;
    if (haveLocal) {
        const double range = surface ? kSurfaceReferenceRangeNM : kAirborneReferenceRangeNM;
        if (!within(ref, localPosition, range)) {
            outcome.refusal = Refusal::REFERENCE;
            outcome.measure = cpr::distanceNM(ref, localPosition);
            outcome.limit = range;
            return outcome;
        }
        if (global && !agreed && !within(localPosition, globalPosition, kAgreementNM)) {
            outcome.refusal = Refusal::DISAGREEMENT;
            outcome.measure = cpr::distanceNM(localPosition, globalPosition);
            return outcome;
        }
    }
    check(track, surface, outcome);
    return outcome;
}

void PositionSolver::check(const Track& track, bool surface, Outcome& outcome) const {
    if (!checkRange(outcome))
        return;
    const SpeedAllowance allowance = speedAllowance(track, surface, outcome.time);
    if (allowance.distance > 0 && !within(track.position, outcome.position, allowance.distance)) {
        outcome.refusal = Refusal::SPEED;
        outcome.measure = cpr::distanceNM(track.position, outcome.position) / allowance.hours;
        outcome.limit = allowance.limit;
    }
}

}  // namespace modes
}  // namespace brannic
