#include "feedgen/Scene.h"

#include <algorithm>
#include <cmath>

#include "feedgen/Airports.h"
#include "feedgen/Avionics.h"

namespace feedgen {

namespace {

constexpr int64_t kNsPerSecond = 1000000000;
constexpr double kGroundAirportRadiusNm = 40;  // receivers hear the ground only nearby
constexpr double kDwellStepSeconds = 0.0025;   // between replies within one beam dwell
constexpr uint8_t kAllCallsBeforeLockout = 2;
constexpr double kModeSDelaySeconds = 0.2;     // after an arrival, before Mode S replies

int64_t seconds(double value) {
    return static_cast<int64_t>(std::llround(value * kNsPerSecond));
}

double toSeconds(int64_t ns) {
    return static_cast<double>(ns) / kNsPerSecond;
}

}  // namespace

SceneConfig arrivalStream(size_t aircraft, bool modeSReplies, uint64_t seed, int64_t startNs) {
    SceneConfig config;
    config.aircraft = aircraft;
    config.arrivals = true;
    config.modeSReplies = modeSReplies;
    config.seed = seed;
    config.startNs = startNs;
    config.lifetimeSeconds = 120;
    config.expirySeconds = 60;
    config.maxAlive = 1000;
    return config;
}

Scene::Scene(SceneConfig config) : _config(std::move(config)), _random(_config.seed) {
    _radars = radars::around(_config.centre);
    _airports = airports::near(_config.centre, std::min(_config.radiusNm, kGroundAirportRadiusNm));
    if (_config.arrivals) {
        _profiles = fleet::generated(_config.aircraft, _random);
        const size_t alive = std::max<size_t>(1, _config.maxAlive);
        _arrivalInterval = (_config.lifetimeSeconds + _config.expirySeconds) / alive;
        if (!_profiles.empty())
            push(Kind::Arrival, 0);
    } else {
        _profiles = _config.database.empty()
                        ? fleet::generated(_config.aircraft, _random)
                        : fleet::fromRecords(_config.database, _config.aircraft, _random);
        const size_t ground = std::min(_profiles.size(),
                                       _config.onGround.value_or(_profiles.size() / 25));
        int totalWeight = 0;
        for (const Airport& airport : _airports)
            totalWeight += airport.weight;
        for (size_t i = 0; i < _profiles.size(); ++i) {
            if (i < ground) {
                // Airports by size: a hub gets ten times a regional field's share.
                int pick = static_cast<int>(_random.below(static_cast<uint64_t>(totalWeight)));
                const Airport* airport = &_airports.front();
                for (const Airport& candidate : _airports) {
                    airport = &candidate;
                    if ((pick -= candidate.weight) < 0)
                        break;
                }
                arrive(i, 0, Flight::onGround(_profiles[i].type.performance, *airport, _random));
            } else {
                arrive(i, 0, airborneFlight(_profiles[i]));
            }
        }
    }
    if (_config.mismatchedPairsPerSecond > 0)
        push(Kind::MismatchedPair, seconds(_random.exponential(1.0 / _config.mismatchedPairsPerSecond)));
}

Flight Scene::airborneFlight(const AircraftProfile& profile) {
    return Flight::airborne(profile.type.performance, _config.centre, _config.radiusNm, _random);
}

void Scene::push(Kind kind, int64_t timeNs, uint32_t slot, uint8_t radar, Frame frame) {
    Event event;
    event.timeNs = timeNs;
    event.sequence = _sequence++;
    event.slot = slot;
    event.generation = slot < _slots.size() ? _slots[slot].generation : 0;
    event.kind = kind;
    event.radar = radar;
    event.frame = frame;
    _events.push(event);
}

void Scene::pushIn(Kind kind, int64_t timeNs, double after, uint32_t slot, uint8_t radar) {
    push(kind, timeNs + seconds(after), slot, radar);
}

void Scene::arrive(size_t index, int64_t timeNs, const Flight& flight) {
    uint32_t slot = 0;
    if (!_freeSlots.empty()) {
        slot = _freeSlots.back();
        _freeSlots.pop_back();
    } else {
        slot = static_cast<uint32_t>(_slots.size());
        _slots.push_back(Slot{});
    }
    Slot& s = _slots[slot];
    s.profile = _profiles[index];
    s.flight = flight;
    s.updatedNs = timeNs;
    s.active = true;
    s.nextFormat = _random.chance(0.5) ? cpr::Format::Odd : cpr::Format::Even;
    s.allCallsLeft.assign(_radars.size(), kAllCallsBeforeLockout);
    s.turns.assign(_radars.size(), 0);
    ++_alive;

    // An arrival announces itself with its identification at once; a scene that starts with
    // everyone in the air spreads the first identifications over their period.
    pushIn(Kind::Identification, timeNs, _config.arrivals ? 0.0 : _random.uniform(0, 5), slot);
    pushIn(Kind::Position, timeNs, _random.uniform(0.01, 0.5), slot);
    pushIn(Kind::Velocity, timeNs, _random.uniform(0.01, 0.5), slot);
    pushIn(Kind::OperationalStatus, timeNs, _random.uniform(0.01, 2.5), slot);
    pushIn(Kind::AircraftStatus, timeNs, _random.uniform(0.01, 5.0), slot);
    if (_config.modeSReplies) {
        pushIn(Kind::AcquisitionSquitter, timeNs, kModeSDelaySeconds + _random.uniform(0, 1.0), slot);
        pushIn(Kind::AcasReply, timeNs, kModeSDelaySeconds + _random.uniform(0, 3.0), slot);
        for (size_t r = 0; r < _radars.size(); ++r) {
            const double now = toSeconds(timeNs) + kModeSDelaySeconds;
            const double wait = _radars[r].secondsUntilBeam(now, flight.state().position);
            pushIn(Kind::RadarBeam, timeNs, kModeSDelaySeconds + wait, slot, static_cast<uint8_t>(r));
        }
    }
    if (_config.arrivals)
        pushIn(Kind::Departure, timeNs, _config.lifetimeSeconds, slot);
}

void Scene::depart(uint32_t slot) {
    Slot& s = _slots[slot];
    s.active = false;
    ++s.generation;  // events still queued for it are dropped
    _freeSlots.push_back(slot);
    --_alive;
}

const FlightState* Scene::stateOf(uint32_t address) const {
    for (const Slot& slot : _slots) {
        if (slot.active && slot.profile.address == address)
            return &slot.flight.state();
    }
    return nullptr;
}

uint8_t Scene::signalOf(const FlightState& state) {
    // Weaker with distance, roughly as the logarithm of the received power falls.
    const double distance = geo::distanceNm(_config.centre, state.position);
    const double level = 255.0 * (1.0 - std::log10(1.0 + distance) / std::log10(401.0)) +
                         _random.uniform(-8, 8);
    return static_cast<uint8_t>(std::clamp(level, 1.0, 255.0));
}

bool Scene::mismatchedPair(int64_t timeNs, Transmission& out) {
    const bool ended = _config.arrivals && _nextArrival >= _profiles.size() && _alive == 0;
    if (!ended) {
        const double gap = _random.exponential(1.0 / _config.mismatchedPairsPerSecond);
        push(Kind::MismatchedPair, timeNs + seconds(gap));
    }
    if (_alive == 0)
        return false;
    for (int attempt = 0; attempt < 16; ++attempt) {
        Slot& slot = _slots[_random.below(_slots.size())];
        if (!slot.active || slot.flight.state().onGround)
            continue;
        slot.flight.advance(toSeconds(timeNs - slot.updatedNs), _random);
        slot.updatedNs = timeNs;
        FlightState elsewhere = slot.flight.state();
        elsewhere.position = geo::destination(elsewhere.position, _random.uniform(0, 360),
                                              _random.uniform(20, 300));
        out.frame = avionics::airbornePosition(slot.profile, elsewhere, slot.nextFormat);
        out.timeNs = _config.startNs + timeNs;
        out.signal = signalOf(slot.flight.state());
        ++_mismatchedPairs;
        return !out.frame.empty();
    }
    return false;
}

void Scene::interrogate(const Event& event, Slot& slot) {
    const Radar& radar = _radars[event.radar];
    const FlightState& state = slot.flight.state();
    const double now = toSeconds(event.timeNs);
    // The next turn; looking from half a turn on keeps it from finding this same dwell.
    const double half = radar.rotationSeconds / 2;
    pushIn(Kind::RadarBeam, event.timeNs, half + radar.secondsUntilBeam(now + half, state.position),
           event.slot, event.radar);

    const bool inCover = geo::distanceNm(radar.position, state.position) <= radar.rangeNm &&
                         (!state.onGround || event.radar == 0);
    if (!inCover)
        return;
    std::vector<Frame> replies;
    if (slot.allCallsLeft[event.radar] > 0) {
        --slot.allCallsLeft[event.radar];
        replies.push_back(avionics::allCallReply(slot.profile, state, radar.interrogatorCode));
    }
    const uint32_t turn = slot.turns[event.radar]++;
    const AircraftProfile& p = slot.profile;
    if (avionics::hasCommB(p) && radar.enhancedSurveillance) {
        replies.push_back(avionics::commBReply(p, slot.flight, 0x40, false));
        replies.push_back(avionics::commBReply(p, slot.flight, 0x50, false));
        replies.push_back(avionics::commBReply(p, slot.flight, 0x60, false));
        replies.push_back(turn % 4 == 0 ? avionics::commBReply(p, slot.flight, 0x20, true)
                                        : avionics::identityReply(p, state));
    } else {
        replies.push_back(avionics::altitudeReply(p, state));
        replies.push_back(avionics::hasCommB(p) && turn % 6 == 0
                              ? avionics::commBReply(p, slot.flight, 0x20, true)
                              : avionics::identityReply(p, state));
    }
    for (size_t i = 0; i < replies.size(); ++i) {
        if (!replies[i].empty())
            push(Kind::Prepared, event.timeNs + seconds(kDwellStepSeconds * static_cast<double>(i)),
                 event.slot, event.radar, replies[i]);
    }
}

Frame Scene::transmit(const Event& event, Slot& slot) {
    const FlightState& state = slot.flight.state();
    const bool ground = state.onGround;
    const bool standing = ground && state.groundSpeedKnots <= 0;
    switch (event.kind) {
    case Kind::Position: {
        pushIn(Kind::Position, event.timeNs,
               standing ? _random.uniform(4.8, 5.2) : _random.uniform(0.4, 0.6), event.slot);
        const cpr::Format format = slot.nextFormat;
        slot.nextFormat = format == cpr::Format::Even ? cpr::Format::Odd : cpr::Format::Even;
        return ground ? avionics::surfacePosition(slot.profile, state, format)
                      : avionics::airbornePosition(slot.profile, state, format);
    }
    case Kind::Velocity:
        pushIn(Kind::Velocity, event.timeNs, _random.uniform(0.4, 0.6), event.slot);
        return ground ? Frame{} : avionics::airborneVelocity(slot.profile, state);
    case Kind::Identification:
        pushIn(Kind::Identification, event.timeNs,
               standing ? _random.uniform(9.8, 10.2) : _random.uniform(4.8, 5.2), event.slot);
        return avionics::identification(slot.profile, state);
    case Kind::OperationalStatus:
        pushIn(Kind::OperationalStatus, event.timeNs, _random.uniform(2.4, 2.6), event.slot);
        return avionics::operationalStatus(slot.profile, state);
    case Kind::AircraftStatus:
        pushIn(Kind::AircraftStatus, event.timeNs, _random.uniform(4.8, 5.2), event.slot);
        return avionics::aircraftStatus(slot.profile, state);
    case Kind::AcquisitionSquitter:
        pushIn(Kind::AcquisitionSquitter, event.timeNs, _random.uniform(0.8, 1.2), event.slot);
        return avionics::allCallReply(slot.profile, state, 0);
    case Kind::AcasReply:
        pushIn(Kind::AcasReply, event.timeNs, _random.uniform(1.0, 3.0), event.slot);
        return ground ? Frame{} : avionics::acasReply(slot.profile, state);
    case Kind::RadarBeam:
        interrogate(event, slot);
        return Frame{};
    case Kind::Prepared:
        return event.frame;
    default:
        return Frame{};
    }
}

bool Scene::next(Transmission& out) {
    while (!_events.empty()) {
        const Event event = _events.top();
        _events.pop();
        switch (event.kind) {
        case Kind::Arrival:
            arrive(_nextArrival, event.timeNs, airborneFlight(_profiles[_nextArrival]));
            if (++_nextArrival < _profiles.size())
                push(Kind::Arrival, seconds(_arrivalInterval * static_cast<double>(_nextArrival)));
            continue;
        case Kind::MismatchedPair:
            if (mismatchedPair(event.timeNs, out))
                return true;
            continue;
        default:
            break;
        }
        Slot& slot = _slots[event.slot];
        if (!slot.active || slot.generation != event.generation)
            continue;
        if (event.kind == Kind::Departure) {
            depart(event.slot);
            continue;
        }
        if (event.timeNs > slot.updatedNs) {
            slot.flight.advance(toSeconds(event.timeNs - slot.updatedNs), _random);
            slot.updatedNs = event.timeNs;
        }
        const Frame frame = transmit(event, slot);
        if (frame.empty())
            continue;
        out.timeNs = _config.startNs + event.timeNs;
        out.frame = frame;
        out.signal = signalOf(slot.flight.state());
        return true;
    }
    return false;
}

}  // namespace feedgen
