#include "feedgen/Avionics.h"

#include <algorithm>
#include <cmath>

#include "feedgen/CommB.h"
#include "feedgen/Replies.h"
#include "feedgen/Squitter.h"

namespace feedgen {
namespace avionics {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint8_t kAirborneTypeCode = 11;  // NIC 8, containment radius below 0.1 NM
constexpr uint8_t kGnssTypeCode = 20;      // GNSS height, NIC 11
constexpr uint8_t kSurfaceTypeCode = 7;    // NIC 8
constexpr double kGnssAboveBaroFeet = 200; // the geometric height over the pressure altitude

// International Standard Atmosphere below 65,000 ft: temperature ratio and density ratio.
double temperatureRatio(double feet) {
    return std::max(0.7519, 1.0 - 6.8756e-6 * feet);
}

double densityRatio(double feet) {
    if (feet <= 36089.0)
        return std::pow(1.0 - 6.8756e-6 * feet, 4.2559);
    return 0.2971 * std::exp(-(feet - 36089.0) / 20806.0);
}

Frame squitter(const AircraftProfile& aircraft, const std::optional<MEField>& me,
               bool onGround) {
    if (!me)
        return Frame{};
    return squitter::df17(aircraft.address, *me, onGround ? 4 : 5);
}

uint8_t flightStatus(const FlightState& state) {
    return state.onGround ? replies::kOnGround : replies::kAirborne;
}

AltitudeReport altitudeOf(const AircraftProfile& aircraft, const FlightState& state) {
    return AltitudeReport{state.altitudeFeet, aircraft.altitudeCoding};
}

std::optional<MBField> registerOf(const AircraftProfile& aircraft, const Flight& flight,
                                  uint8_t bds) {
    const FlightState& state = flight.state();
    const double trueAirspeed = state.groundSpeedKnots;
    switch (bds) {
    case 0x20: return commb::identification(aircraft.callsign);
    case 0x40: {
        SelectedVerticalIntention data;
        const double selected = std::round(flight.selectedAltitudeFeet() / 100.0) * 100.0;
        data.mcpAltitudeFeet = selected;
        data.fmsAltitudeFeet = selected;
        data.baroSettingMb = kStandardPressureMb;
        data.modeBitsValid = true;
        data.altitudeHold = state.verticalRateFeetPerMinute == 0.0;
        data.targetSource = 2;
        return commb::encode(data);
    }
    case 0x50: {
        TrackAndTurn data;
        data.rollDegrees = std::clamp(flight.rollDegrees(), -60.0, 60.0);
        data.trueTrackDegrees = state.trackDegrees;
        data.groundSpeedKnots = std::min(2046.0, state.groundSpeedKnots);
        data.trackRateDegreesPerSecond = std::clamp(state.turnRateDegreesPerSecond, -15.0, 15.0);
        data.trueAirspeedKnots = std::min(2046.0, trueAirspeed);
        return commb::encode(data);
    }
    case 0x60: {
        HeadingAndSpeed data;
        data.magneticHeadingDegrees = state.trackDegrees - kMagneticVariation;
        data.indicatedAirspeedKnots =
            std::min(1023.0, trueAirspeed * std::sqrt(densityRatio(state.altitudeFeet)));
        data.mach = std::min(4.0, trueAirspeed / (661.47 * std::sqrt(temperatureRatio(state.altitudeFeet))));
        const int rate = static_cast<int>(std::clamp(state.verticalRateFeetPerMinute, -16000.0, 16000.0));
        data.baroRateFeetPerMinute = rate;
        data.inertialRateFeetPerMinute = rate;
        return commb::encode(data);
    }
    default: return std::nullopt;
    }
}

}  // namespace

Frame identification(const AircraftProfile& aircraft, const FlightState& state) {
    Identification message;
    message.callsign = aircraft.callsign;
    message.categorySet = aircraft.type.categorySet;
    message.category = aircraft.type.category;
    return squitter(aircraft, squitter::encode(message), state.onGround);
}

Frame airbornePosition(const AircraftProfile& aircraft, const FlightState& state,
                       cpr::Format format) {
    AirbornePosition message;
    message.typeCode = aircraft.gnssHeightPositions ? kGnssTypeCode : kAirborneTypeCode;
    message.altitudeFeet = aircraft.gnssHeightPositions ? state.altitudeFeet + kGnssAboveBaroFeet
                                                        : state.altitudeFeet;
    message.altitudeCoding = aircraft.altitudeCoding;
    message.format = format;
    message.latitude = state.position.latitude;
    message.longitude = state.position.longitude;
    return squitter(aircraft, squitter::encode(message), false);
}

Frame surfacePosition(const AircraftProfile& aircraft, const FlightState& state,
                      cpr::Format format) {
    SurfacePosition message;
    message.typeCode = kSurfaceTypeCode;
    message.groundSpeedKnots = state.groundSpeedKnots;
    message.trackValid = state.groundSpeedKnots > 0;
    message.trackDegrees = state.trackDegrees;
    message.format = format;
    message.latitude = state.position.latitude;
    message.longitude = state.position.longitude;
    return squitter(aircraft, squitter::encode(message), true);
}

Frame airborneVelocity(const AircraftProfile& aircraft, const FlightState& state) {
    AirborneVelocity message;
    const double track = state.trackDegrees * kPi / 180.0;
    message.eastKnots = state.groundSpeedKnots * std::sin(track);
    message.northKnots = state.groundSpeedKnots * std::cos(track);
    message.supersonic = state.groundSpeedKnots > 1000.0;
    message.nacv = 1;
    message.verticalRateBaro = true;
    message.verticalRateFeetPerMinute = static_cast<int>(state.verticalRateFeetPerMinute);
    if (aircraft.adsbVersion > 0)
        message.gnssAboveBaroFeet = static_cast<int>(kGnssAboveBaroFeet);
    return squitter(aircraft, squitter::encode(message), false);
}

Frame operationalStatus(const AircraftProfile& aircraft, const FlightState& state) {
    if (aircraft.adsbVersion == 0)
        return Frame{};
    OperationalStatus message;
    message.surface = state.onGround;
    message.version = aircraft.adsbVersion;
    // Airborne capability class: bit 10 of the ME field (bit 2 of the 16) is "ACAS operational".
    if (!state.onGround && aircraft.acasReplyInformation != 0)
        message.capabilityClass = 0x2000;
    // Surface: a length and width code by the aircraft's size (DO-260B Table 2-74, roughly).
    static const uint8_t kLengthWidth[] = {0, 1, 5, 10, 11, 14, 2, 1};
    message.lengthWidth = state.onGround ? kLengthWidth[aircraft.type.category & 7] : 0;
    message.nacp = 9;
    message.gva = 2;
    message.sil = 3;
    message.nicBaro = true;
    message.trackAngle = true;
    message.operationalMode = 0x0002 << 8;  // system design assurance 2 (bits 30 and 31)
    return squitter(aircraft, squitter::encode(message), state.onGround);
}

Frame aircraftStatus(const AircraftProfile& aircraft, const FlightState& state) {
    if (aircraft.adsbVersion < 2)
        return Frame{};
    AircraftStatus message;
    message.squawk = aircraft.squawk;
    return squitter(aircraft, squitter::encode(message), state.onGround);
}

Frame allCallReply(const AircraftProfile& aircraft, const FlightState& state,
                   uint8_t interrogatorCode) {
    return replies::df11(aircraft.address, state.onGround ? 4 : 5, interrogatorCode);
}

Frame acasReply(const AircraftProfile& aircraft, const FlightState& state) {
    const bool acas = aircraft.acasReplyInformation != 0;
    return replies::df0(aircraft.address, state.onGround, altitudeOf(aircraft, state),
                        aircraft.acasReplyInformation, acas ? 7 : 0);
}

Frame altitudeReply(const AircraftProfile& aircraft, const FlightState& state) {
    return replies::df4(aircraft.address, flightStatus(state), altitudeOf(aircraft, state));
}

Frame identityReply(const AircraftProfile& aircraft, const FlightState& state) {
    return replies::df5(aircraft.address, flightStatus(state), aircraft.squawk);
}

bool hasCommB(const AircraftProfile& aircraft) {
    const Performance p = aircraft.type.performance;
    return p == Performance::Airliner || p == Performance::BusinessJet ||
           p == Performance::Turboprop;
}

Frame commBReply(const AircraftProfile& aircraft, const Flight& flight, uint8_t bds,
                 bool identity) {
    const std::optional<MBField> mb = registerOf(aircraft, flight, bds);
    if (!mb)
        return Frame{};
    const FlightState& state = flight.state();
    return identity ? replies::df21(aircraft.address, flightStatus(state), aircraft.squawk, *mb)
                    : replies::df20(aircraft.address, flightStatus(state),
                                    altitudeOf(aircraft, state), *mb);
}

}  // namespace avionics
}  // namespace feedgen
