#ifndef FEEDGEN_AVIONICS_H
#define FEEDGEN_AVIONICS_H

// What one aircraft's transponder sends, from who it is and how it is flying: each extended
// squitter it broadcasts and each reply it gives to interrogations. Values follow the
// aircraft's avionics (ADS-B version, altitude coding, ACAS) and its state; the returned frame
// is empty when the aircraft would not send that message (an operational status from a
// DO-260 transponder, Comm-B registers from a light aircraft's elementary transponder).

#include "feedgen/Cpr.h"
#include "feedgen/Fleet.h"
#include "feedgen/Flight.h"
#include "feedgen/Frame.h"

namespace feedgen {
namespace avionics {

constexpr double kMagneticVariation = 3.0;  // degrees east, central Europe
constexpr double kStandardPressureMb = 1013.25;

// Extended squitters (DF17).
Frame identification(const AircraftProfile& aircraft, const FlightState& state);
Frame airbornePosition(const AircraftProfile& aircraft, const FlightState& state,
                       cpr::Format format);
Frame surfacePosition(const AircraftProfile& aircraft, const FlightState& state,
                      cpr::Format format);
Frame airborneVelocity(const AircraftProfile& aircraft, const FlightState& state);
Frame operationalStatus(const AircraftProfile& aircraft, const FlightState& state);
Frame aircraftStatus(const AircraftProfile& aircraft, const FlightState& state);

// The DF11 acquisition squitter (interrogator code 0) and all-call reply.
Frame allCallReply(const AircraftProfile& aircraft, const FlightState& state,
                   uint8_t interrogatorCode);
// DF0 reply to another aircraft's ACAS.
Frame acasReply(const AircraftProfile& aircraft, const FlightState& state);
// DF4 and DF5 roll-call replies.
Frame altitudeReply(const AircraftProfile& aircraft, const FlightState& state);
Frame identityReply(const AircraftProfile& aircraft, const FlightState& state);

// Whether the transponder serves Comm-B registers (enhanced surveillance).
bool hasCommB(const AircraftProfile& aircraft);
// A DF20 (altitude) or DF21 (identity) reply carrying register `bds` (0x20, 0x40, 0x50 or
// 0x60).
Frame commBReply(const AircraftProfile& aircraft, const Flight& flight, uint8_t bds,
                 bool identity);

}  // namespace avionics
}  // namespace feedgen

#endif  // FEEDGEN_AVIONICS_H
