#ifndef FEEDGEN_FLIGHT_H
#define FEEDGEN_FLIGHT_H

// How one simulated aircraft moves. Airborne aircraft fly legs: straight on for a minute or
// a few, then a turn to a new track at a rate their bank angle allows (at most 3°/s, a rate-one
// turn), or a climb or descent to a new level, with the speed following the altitude as an
// aircraft of their kind flies it. Near the edge of the scene they turn back towards the
// centre, so that they stay within range of the receiver. Aircraft on the ground stand at
// their airport or taxi slowly round a loop near it. Wind is calm: ground speed and true
// airspeed are the same.

#include "feedgen/AircraftTypes.h"
#include "feedgen/Airports.h"
#include "feedgen/Geo.h"
#include "feedgen/Random.h"

namespace feedgen {

struct FlightState {
    GeoPoint position;
    double altitudeFeet = 0;      // barometric
    double groundSpeedKnots = 0;
    double trackDegrees = 0;      // true, 0 to below 360
    double verticalRateFeetPerMinute = 0;
    double turnRateDegreesPerSecond = 0;  // positive to the right
    bool onGround = false;
};

class Flight {
public:
    // Standing still at 0° N 0° E; the factories below make real flights.
    Flight() = default;

    // An airborne aircraft somewhere within 90 % of `radiusNm` of `centre`, level at a cruise
    // level of its kind or climbing or descending towards one.
    static Flight airborne(Performance performance, const GeoPoint& centre, double radiusNm,
                           Random& random);
    // An aircraft on the ground at `airport`, standing or taxiing.
    static Flight onGround(Performance performance, const Airport& airport, Random& random);

    // Moves the aircraft on by `seconds`, taking its next decision when one is due.
    void advance(double seconds, Random& random);

    const FlightState& state() const { return _state; }
    // The level the aircraft is climbing or descending to (its own altitude when level).
    double selectedAltitudeFeet() const { return _targetAltitude; }
    // Bank angle of the current turn, right wing down positive.
    double rollDegrees() const;

private:
    void step(double seconds, Random& random);
    void stepAirborne(double seconds, Random& random);
    void stepOnGround(double seconds, Random& random);
    void decide(Random& random);
    double cruiseSpeed(double altitudeFeet) const;

    FlightState _state;
    Performance _performance = Performance::Piston;
    GeoPoint _centre;
    double _radiusNm = 0;
    double _targetTrack = 0;
    double _targetAltitude = 0;
    double _climbRate = 0;        // ft/min, magnitude
    double _speedFactor = 1;      // this aircraft's speed against its kind's
    double _untilDecision = 0;    // seconds
    bool _returning = false;      // turning back towards the centre
    // On the ground: the loop it taxies round.
    GeoPoint _loopCentre;
    double _loopRadiusNm = 0;
    double _loopBearing = 0;      // of the aircraft from the loop's centre
    bool _clockwise = true;
    double _taxiSpeed = 0;
};

}  // namespace feedgen

#endif  // FEEDGEN_FLIGHT_H
