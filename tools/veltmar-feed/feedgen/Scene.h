#ifndef FEEDGEN_SCENE_H
#define FEEDGEN_SCENE_H

// A simulated sky as one receiver hears it: aircraft flying around a reference point (the
// receiver's position), a few of them on the ground at airports nearby, each transmitting
// at the rates DO-260B and ICAO Annex 10 give a real transponder:
// - airborne position and airborne velocity every 0.4 to 0.6 s, the position alternating
//   between the even and odd CPR formats;
// - on the ground, surface position every 0.4 to 0.6 s while moving and every 4.8 to 5.2 s
//   when standing still;
// - identification every 4.8 to 5.2 s (every 10 s standing on the ground), operational status
//   every 2.5 s, and, from DO-260B transponders, the aircraft status with the Mode A code every
//   5 s;
// - with Mode S replies on: the DF11 acquisition squitter every 0.8 to 1.2 s, DF0 replies to
//   other aircraft's ACAS every 1 to 3 s, and the replies to three rotating radars (see Radar):
//   DF11 until acquired, then DF4/DF5 or DF20/DF21 with Comm-B registers on every turn.
// Everything follows from the seed: the same configuration gives the same transmissions.
//
// Arrival streams (for measurements on large numbers of aircraft): aircraft arrive one after
// another at a steady interval, each flies for a set lifetime and then falls silent. The
// interval is chosen so that, with targets expired `expirySeconds` after their last reply, no
// more than `maxAlive` targets are held at once. Each aircraft's first transmission is an
// identification squitter, and its Mode S replies begin at least 0.2 s later, so a decoder
// has confirmed its address by then. The stream ends after the last aircraft has departed.

#include <cstdint>
#include <optional>
#include <queue>
#include <vector>

#include "feedgen/Cpr.h"
#include "feedgen/Fleet.h"
#include "feedgen/Flight.h"
#include "feedgen/Geo.h"
#include "feedgen/Radar.h"
#include "feedgen/Random.h"
#include "feedgen/Transmission.h"

namespace feedgen {

struct SceneConfig {
    size_t aircraft = 150;
    std::optional<size_t> onGround;     // default: one in 25 (6 of 150), arrival streams none
    GeoPoint centre{50.0333, 8.5706};   // Frankfurt/Main airport
    double radiusNm = 120;              // airborne aircraft stay within
    uint64_t seed = 1;
    int64_t startNs = 0;                // stream time 0, nanoseconds since the epoch
    bool modeSReplies = true;           // DF0, DF4, DF5, DF11, DF20, DF21 besides the squitters
    double mismatchedPairsPerSecond = 0;  // see Scene::mismatchedPairs
    std::vector<AircraftRecord> database;  // the aircraft to pick from; empty: made-up aircraft

    bool arrivals = false;
    double lifetimeSeconds = 120;
    double expirySeconds = 60;
    size_t maxAlive = 1000;
};

// The streams of the decode-and-track measurements: `aircraft` arriving in turn (made-up, with
// distinct addresses), each flying 120 s, spaced so that a tracker expiring targets after 60 s
// holds at most 1,000 at once; extended squitters only, or mixed with the Mode S replies
// (DF0, DF4, DF5, DF11, DF20, DF21). Stream time starts at `startNs`. Play it with
// Scene(arrivalStream(5000, false)) and Scene(arrivalStream(20000, true)).
SceneConfig arrivalStream(size_t aircraft, bool modeSReplies, uint64_t seed = 1, int64_t startNs = 0);

class Scene : public TransmissionSource {
public:
    explicit Scene(SceneConfig config);

    bool next(Transmission& out) override;

    // The aircraft of the scene (all of them, in arrival order for arrival streams).
    const std::vector<AircraftProfile>& aircraft() const { return _profiles; }
    // The state of an aircraft flying now; null for an address not (or no longer) in the scene.
    const FlightState* stateOf(uint32_t address) const;
    // Aircraft flying now.
    size_t alive() const { return _alive; }
    // Seconds between two arrivals of an arrival stream (0 otherwise).
    double arrivalIntervalSeconds() const { return _arrivalInterval; }
    // Injected airborne positions of a position away from the aircraft, in the CPR format that
    // the aircraft sends next, so that with the aircraft's last real position they form an
    // even/odd pair of two different positions.
    uint64_t mismatchedPairs() const { return _mismatchedPairs; }

private:
    enum class Kind : uint8_t {
        Arrival,
        Departure,
        Position,
        Velocity,
        Identification,
        OperationalStatus,
        AircraftStatus,
        AcquisitionSquitter,
        AcasReply,
        RadarBeam,
        Prepared,
        MismatchedPair,
    };
    struct Event {
        int64_t timeNs = 0;  // stream time
        uint64_t sequence = 0;
        uint32_t slot = 0;
        uint32_t generation = 0;
        Kind kind = Kind::Arrival;
        uint8_t radar = 0;
        Frame frame;  // Prepared only
    };
    struct Later {
        bool operator()(const Event& a, const Event& b) const {
            return a.timeNs != b.timeNs ? a.timeNs > b.timeNs : a.sequence > b.sequence;
        }
    };
    struct Slot {
        AircraftProfile profile;
        Flight flight;
        int64_t updatedNs = 0;
        uint32_t generation = 0;
        bool active = false;
        cpr::Format nextFormat = cpr::Format::Even;
        std::vector<uint8_t> allCallsLeft;  // per radar, until it has acquired the aircraft
        std::vector<uint32_t> turns;        // per radar, turns that interrogated it
    };

    void push(Kind kind, int64_t timeNs, uint32_t slot = 0, uint8_t radar = 0, Frame frame = {});
    void pushIn(Kind kind, int64_t timeNs, double seconds, uint32_t slot, uint8_t radar = 0);
    void arrive(size_t index, int64_t timeNs, const Flight& flight);
    void depart(uint32_t slot);
    // The frame an aircraft's event makes, scheduling the next one of its kind.
    Frame transmit(const Event& event, Slot& slot);
    void interrogate(const Event& event, Slot& slot);
    bool mismatchedPair(int64_t timeNs, Transmission& out);
    uint8_t signalOf(const FlightState& state);
    Flight airborneFlight(const AircraftProfile& profile);

    SceneConfig _config;
    Random _random;
    std::vector<AircraftProfile> _profiles;
    std::vector<Airport> _airports;
    std::vector<Radar> _radars;
    std::vector<Slot> _slots;
    std::vector<uint32_t> _freeSlots;
    std::priority_queue<Event, std::vector<Event>, Later> _events;
    uint64_t _sequence = 0;
    size_t _nextArrival = 0;
    size_t _alive = 0;
    double _arrivalInterval = 0;
    uint64_t _mismatchedPairs = 0;
};

}  // namespace feedgen

#endif  // FEEDGEN_SCENE_H
