#ifndef FEEDGEN_SQUITTER_H
#define FEEDGEN_SQUITTER_H

// Extended squitter messages (DO-260B 2.2.3.2, ICAO Doc 9871 Appendix A): the 56-bit ME field
// of each ADS-B message an aircraft broadcasts, and the DF17 reply that carries it. ME bits are
// numbered from 0 at the start of the ME field (DO-260B's ME bit n is bit n − 1 here).
//
// Each encoder returns the ME field, or nothing when a value cannot be represented (a callsign
// outside the 6-bit character set, an altitude out of range, a type code that does not belong
// to the message).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "feedgen/AltitudeCode.h"
#include "feedgen/Cpr.h"
#include "feedgen/Frame.h"

namespace feedgen {

using MEField = std::array<uint8_t, 7>;

// Aircraft identification and category (type codes 1 to 4). The emitter category set A, B, C
// or D picks the type code (A is 4, B 3, C 2, D 1); the category number within the set is 0
// (no information) to 7, for set A: 1 light, 2 small, 3 large, 4 high vortex, 5 heavy,
// 6 high performance, 7 rotorcraft.
struct Identification {
    std::string callsign;
    char categorySet = 'A';
    uint8_t category = 0;
};

// Airborne position (type codes 9 to 18 with the barometric altitude, 20 to 22 with the GNSS
// height, both coded like the barometric altitude). The type code also states the position's
// integrity containment radius (9 is the best with barometric altitude).
struct AirbornePosition {
    uint8_t typeCode = 11;
    uint8_t surveillanceStatus = 0;  // 0 none, 1 permanent alert, 2 temporary alert, 3 SPI
    bool singleAntennaOrNicB = false;  // single antenna flag (DO-260, DO-260A); NIC supplement B
    std::optional<double> altitudeFeet;  // nothing: altitude not available (code 0)
    altitude::Coding altitudeCoding = altitude::Coding::Feet25;
    bool utcSynchronised = false;  // T
    cpr::Format format = cpr::Format::Even;
    double latitude = 0;
    double longitude = 0;
};

// Surface position (type codes 5 to 8). A negative ground speed means "no information"
// (movement code 0); a ground track is sent only when `trackValid`.
struct SurfacePosition {
    uint8_t typeCode = 7;
    double groundSpeedKnots = 0;
    bool trackValid = false;
    double trackDegrees = 0;
    bool utcSynchronised = false;
    cpr::Format format = cpr::Format::Even;
    double latitude = 0;
    double longitude = 0;
};

// Airborne velocity over ground (type code 19, subtype 1, or 2 for supersonic speeds in 4-kt
// steps). Components in knots, east and north positive.
struct AirborneVelocity {
    bool supersonic = false;
    std::optional<double> eastKnots;   // nothing: no east-west velocity information
    std::optional<double> northKnots;  // nothing: no north-south velocity information
    uint8_t nacv = 1;                  // NUCr in DO-260, NACv later (3 bits)
    bool intentChange = false;
    bool ifrCapability = false;
    bool verticalRateBaro = true;              // the source: barometric, else GNSS
    std::optional<int> verticalRateFeetPerMinute;  // positive up
    std::optional<int> gnssAboveBaroFeet;      // GNSS height minus barometric altitude
};

// Aircraft operational status (type code 31), airborne (subtype 0) or surface (subtype 1).
struct OperationalStatus {
    bool surface = false;
    uint8_t version = 2;  // ADS-B version number: 0 DO-260, 1 DO-260A, 2 DO-260B
    uint16_t capabilityClass = 0;  // 16 bits airborne, 12 bits surface
    uint16_t operationalMode = 0;  // 16 bits
    uint8_t lengthWidth = 0;       // surface only, 4 bits
    bool nicSupplementA = false;
    uint8_t nacp = 9;
    uint8_t gva = 2;  // airborne only (BAQ in DO-260A)
    uint8_t sil = 3;
    bool nicBaro = true;     // airborne; on the surface this bit is TRK/HDG
    bool trackAngle = false; // surface: the heading field carries a track angle
    bool headingReferenceMagnetic = false;  // HRD
    bool silPerSample = false;               // SIL supplement
};

// Aircraft status (type code 28), subtype 1: emergency or priority status and the Mode A code.
struct AircraftStatus {
    uint8_t emergencyState = 0;  // 0 none, 1 general, 2 medical, 3 minimum fuel, 4 no comms,
                                 // 5 unlawful interference, 6 downed aircraft
    uint32_t squawk = 0;         // four octal digits as a number (0o7700 for "7700")
};

namespace squitter {

std::optional<MEField> encode(const Identification& message);
std::optional<MEField> encode(const AirbornePosition& message);
std::optional<MEField> encode(const SurfacePosition& message);
std::optional<MEField> encode(const AirborneVelocity& message);
std::optional<MEField> encode(const OperationalStatus& message);
std::optional<MEField> encode(const AircraftStatus& message);

// The surface movement code (0 to 124) of a ground speed in knots; 0 for a negative speed.
uint8_t movementCode(double groundSpeedKnots);

// The DF17 extended squitter of `address` carrying `me`, with its parity. Capability: 4 on the
// ground, 5 airborne, 6 either (a level 2 or above transponder).
Frame df17(uint32_t address, const MEField& me, uint8_t capability = 5);

}  // namespace squitter
}  // namespace feedgen

#endif  // FEEDGEN_SQUITTER_H
