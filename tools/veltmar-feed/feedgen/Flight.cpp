#include "feedgen/Flight.h"

#include <algorithm>
#include <cmath>

namespace feedgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMaxStepSeconds = 1.0;
constexpr double kMaxTurnRate = 3.0;      // deg/s, a rate-one turn
constexpr double kMaxBank = 25.0;         // degrees, airliners' usual limit
constexpr double kGravity = 9.80665;      // m/s²
constexpr double kMetresPerSecondPerKnot = 0.514444;
constexpr double kAcceleration = 1.5;     // kt/s

// Flight envelope of each kind of aircraft.
struct Envelope {
    double lowestFeet;
    double cruiseLowFeet;
    double cruiseHighFeet;
    double climbLowFpm;
    double climbHighFpm;
    double slowKnots;   // at and below 10,000 ft (or throughout for slow aircraft)
    double fastKnots;   // at the top of the cruise band
};

const Envelope& envelope(Performance performance) {
    static const Envelope kAirliner{3000, 28000, 40000, 1500, 2800, 250, 470};
    static const Envelope kBusinessJet{3000, 30000, 45000, 2000, 3500, 250, 460};
    static const Envelope kTurboprop{2000, 14000, 25000, 1000, 1800, 200, 290};
    static const Envelope kPiston{1500, 2500, 9500, 500, 900, 100, 140};
    static const Envelope kRotorcraft{500, 800, 3000, 500, 1000, 100, 130};
    static const Envelope kFighter{5000, 15000, 35000, 3000, 6000, 300, 480};
    switch (performance) {
    case Performance::Airliner: return kAirliner;
    case Performance::BusinessJet: return kBusinessJet;
    case Performance::Turboprop: return kTurboprop;
    case Performance::Piston: return kPiston;
    case Performance::Rotorcraft: return kRotorcraft;
    case Performance::Fighter: return kFighter;
    }
    return kPiston;
}

double roundToThousand(double feet) {
    return std::round(feet / 1000.0) * 1000.0;
}

double towards(double value, double target, double maxChange) {
    if (std::fabs(target - value) <= maxChange)
        return target;
    return value + (target > value ? maxChange : -maxChange);
}

}  // namespace

Flight Flight::airborne(Performance performance, const GeoPoint& centre, double radiusNm,
                        Random& random) {
    const Envelope& e = envelope(performance);
    Flight flight;
    flight._performance = performance;
    flight._centre = centre;
    flight._radiusNm = radiusNm;
    // Uniform over the disc: the distance goes with the square root.
    flight._state.position = geo::destination(centre, random.uniform(0, 360),
                                              0.9 * radiusNm * std::sqrt(random.uniform()));
    flight._state.trackDegrees = random.uniform(0, 360);
    flight._targetTrack = flight._state.trackDegrees;
    const double cruise = roundToThousand(random.uniform(e.cruiseLowFeet, e.cruiseHighFeet));
    if (random.chance(0.7)) {
        flight._state.altitudeFeet = cruise;
        flight._targetAltitude = cruise;
    } else {
        flight._state.altitudeFeet = roundToThousand(random.uniform(e.lowestFeet, cruise));
        flight._targetAltitude = random.chance(0.5) ? cruise : e.lowestFeet;
    }
    flight._climbRate = random.uniform(e.climbLowFpm, e.climbHighFpm);
    flight._speedFactor = random.uniform(0.94, 1.06);
    flight._state.groundSpeedKnots = flight.cruiseSpeed(flight._state.altitudeFeet);
    flight._untilDecision = random.uniform(20, 200);
    return flight;
}

Flight Flight::onGround(Performance performance, const Airport& airport, Random& random) {
    Flight flight;
    flight._performance = performance;
    flight._centre = airport.position;
    flight._state.onGround = true;
    flight._state.altitudeFeet = airport.elevationFeet;
    // A loop of 150 to 400 m within about 700 m of the airport's reference point.
    flight._loopCentre = geo::destination(airport.position, random.uniform(0, 360),
                                          random.uniform(0.0, 0.4));
    flight._loopRadiusNm = random.uniform(150.0, 400.0) / geo::kMetresPerNm;
    flight._loopBearing = random.uniform(0, 360);
    flight._clockwise = random.chance(0.5);
    flight._taxiSpeed = random.uniform(8, 18);
    flight._state.position =
        geo::destination(flight._loopCentre, flight._loopBearing, flight._loopRadiusNm);
    flight._state.trackDegrees =
        geo::normalise(flight._loopBearing + (flight._clockwise ? 90.0 : -90.0));
    flight._state.groundSpeedKnots = random.chance(0.5) ? flight._taxiSpeed : 0.0;
    flight._untilDecision = random.uniform(30, 240);
    return flight;
}

double Flight::cruiseSpeed(double altitudeFeet) const {
    const Envelope& e = envelope(_performance);
    // Slow up to 10,000 ft (the European speed limit for most traffic), faster with height up
    // to the top of the cruise band.
    const double span = std::max(1.0, e.cruiseHighFeet - 10000.0);
    const double share = std::clamp((altitudeFeet - 10000.0) / span, 0.0, 1.0);
    return _speedFactor * (e.slowKnots + share * (e.fastKnots - e.slowKnots));
}

double Flight::rollDegrees() const {
    const double rate = _state.turnRateDegreesPerSecond * kPi / 180.0;
    const double speed = _state.groundSpeedKnots * kMetresPerSecondPerKnot;
    return std::atan(rate * speed / kGravity) * 180.0 / kPi;
}

void Flight::advance(double seconds, Random& random) {
    while (seconds > 0) {
        const double h = std::min(seconds, kMaxStepSeconds);
        step(h, random);
        seconds -= h;
    }
}

void Flight::step(double seconds, Random& random) {
    if (_state.onGround)
        stepOnGround(seconds, random);
    else
        stepAirborne(seconds, random);
}

void Flight::decide(Random& random) {
    const Envelope& e = envelope(_performance);
    const double choice = random.uniform();
    if (choice < 0.35) {
        const double change = random.uniform(20, 120);
        _targetTrack = geo::normalise(_state.trackDegrees + (random.chance(0.5) ? change : -change));
    } else if (choice < 0.6) {
        _targetAltitude = random.chance(0.5)
                              ? roundToThousand(random.uniform(e.cruiseLowFeet, e.cruiseHighFeet))
                              : roundToThousand(random.uniform(e.lowestFeet, e.cruiseHighFeet));
        _climbRate = random.uniform(e.climbLowFpm, e.climbHighFpm);
    }
    _untilDecision = random.uniform(40, 240);
}

void Flight::stepAirborne(double h, Random& random) {
    _untilDecision -= h;
    const double distance = geo::distanceNm(_centre, _state.position);
    const double home = geo::bearing(_state.position, _centre);
    if (distance > 0.85 * _radiusNm && std::fabs(geo::turn(_state.trackDegrees, home)) > 90.0) {
        if (!_returning) {
            _targetTrack = geo::normalise(home + random.uniform(-40, 40));
            _untilDecision = random.uniform(60, 180);
            _returning = true;
        }
    } else if (_untilDecision <= 0) {
        _returning = false;
        decide(random);
    }

    // Turn at the rate a bank of 25° gives at this speed, at most rate one.
    const double speedMs = std::max(1.0, _state.groundSpeedKnots * kMetresPerSecondPerKnot);
    const double bankRate = kGravity * std::tan(kMaxBank * kPi / 180.0) / speedMs * 180.0 / kPi;
    const double maxRate = std::min(kMaxTurnRate, bankRate);
    const double delta = geo::turn(_state.trackDegrees, _targetTrack);
    const double rate = std::clamp(delta / h, -maxRate, maxRate);
    _state.turnRateDegreesPerSecond = std::fabs(delta) < 1e-9 ? 0.0 : rate;
    _state.trackDegrees = geo::normalise(_state.trackDegrees + rate * h);

    const double before = _state.altitudeFeet;
    _state.altitudeFeet = towards(before, _targetAltitude, _climbRate * h / 60.0);
    _state.verticalRateFeetPerMinute =
        _state.altitudeFeet == before ? 0.0 : (_state.altitudeFeet > before ? _climbRate : -_climbRate);

    _state.groundSpeedKnots =
        towards(_state.groundSpeedKnots, cruiseSpeed(_state.altitudeFeet), kAcceleration * h);
    _state.position =
        geo::destination(_state.position, _state.trackDegrees, _state.groundSpeedKnots * h / 3600.0);
}

void Flight::stepOnGround(double h, Random& random) {
    _untilDecision -= h;
    if (_untilDecision <= 0) {
        // Alternate between standing and taxiing.
        _state.groundSpeedKnots = _state.groundSpeedKnots > 0 ? 0.0 : _taxiSpeed;
        _untilDecision = random.uniform(30, 240);
    }
    const double speed = _state.groundSpeedKnots;
    _state.turnRateDegreesPerSecond = 0;
    if (speed <= 0)
        return;
    // Round the loop: the angle swept is the distance over the radius.
    const double swept = speed * h / 3600.0 / _loopRadiusNm * 180.0 / kPi;
    _loopBearing = geo::normalise(_loopBearing + (_clockwise ? swept : -swept));
    _state.position = geo::destination(_loopCentre, _loopBearing, _loopRadiusNm);
    _state.trackDegrees = geo::normalise(_loopBearing + (_clockwise ? 90.0 : -90.0));
    _state.turnRateDegreesPerSecond = (_clockwise ? swept : -swept) / h;
}

}  // namespace feedgen
