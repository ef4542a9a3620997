#ifndef MODES_ADSBTRACKERSETTINGS_H
#define MODES_ADSBTRACKERSETTINGS_H

#include <modes/GeoPosition.h>

namespace brannic {
namespace modes {

// The measures that make a tracker's positions trustworthy, each off by default. With every
// member at its default the tracker places targets as before: from even/odd airborne pairs
// received within 10 s, with no other check.
struct ADSBTrackerSettings {
    // Where the receiver stands. Local decoding may use it as a reference and the range check
    // measures from it; both need it set.
    bool receiverPositionSet = false;
    GeoPosition receiverPosition;

    // Local CPR decoding (DO-260B A.1.7.5, ICAO Doc 9871 C.2.6): a position from a single
    // report, relative to the target's own position of the last 60 s or to the receiver, and
    // positions of aircraft on the ground from surface position messages, with their movement
    // (ground speed) and ground track. Where a pair also decodes globally, the two must agree.
    //
    // A single report is unambiguous within half a zone of its reference: 180 NM airborne,
    // 45 NM on the surface. The receiver serves as an airborne reference only when the maximum
    // range below is set and at most 180 NM (a receiver that hears beyond 180 NM would place
    // far aircraft a zone off); it serves for surface reports within 45 NM of it.
    bool localDecoding = false;

    // Plausibility of each new position against the target's last one: refused when the
    // distance exceeds what this ground speed (knots) covers in the time between them plus
    // one second (receivers that stamp whole seconds). The surface limit applies between two
    // surface positions, the airborne one whenever either position is airborne. 0 = no check.
    double airborneSpeedLimit = 0.0;
    double surfaceSpeedLimit = 0.0;

    // Positions farther than this from the receiver (nautical miles) are refused; needs the
    // receiver position. 0 = no check.
    double maximumRange = 0.0;

    // A target is created only from a reply that needed no repair; repaired replies still
    // update targets that exist. Two-bit repair of noise otherwise invents aircraft.
    bool newTargetsOnlyFromErrorFreeReplies = false;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTRACKERSETTINGS_H
