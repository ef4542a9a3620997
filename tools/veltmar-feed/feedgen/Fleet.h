#ifndef FEEDGEN_FLEET_H
#define FEEDGEN_FLEET_H

// The aircraft a scene flies: who they are (address, callsign, type, Mode A code) and how
// their avionics report (ADS-B version, altitude coding, ACAS), taken from the aviation
// database where one is at hand, made up otherwise.

#include <cstdint>
#include <string>
#include <vector>

#include "feedgen/AircraftTypes.h"
#include "feedgen/AltitudeCode.h"
#include "feedgen/Random.h"

namespace feedgen {

// One row of the aviation database's aircraft table.
struct AircraftRecord {
    uint32_t address = 0;
    std::string registration;
    std::string type;  // ICAO type designator
    std::string typeDescription;
    std::string operatorName;
};

struct AircraftProfile {
    uint32_t address = 0;
    std::string callsign;      // as broadcast: up to 8 characters, A-Z and 0-9
    std::string registration;  // empty for made-up aircraft
    AircraftType type;
    uint32_t squawk = 07000;   // Mode A code, four octal digits as a number
    uint8_t adsbVersion = 2;   // 0 DO-260, 1 DO-260A, 2 DO-260B
    altitude::Coding altitudeCoding = altitude::Coding::Feet25;
    bool gnssHeightPositions = false;  // airborne positions carry the GNSS height (TC 20-22)
    uint8_t acasReplyInformation = 0;  // RI of air-air replies: 0 no ACAS, 3 ACAS II
};

namespace fleet {

// `count` aircraft picked at random from `records`, most (about 85 %) with addresses of
// European States (0x300000 to 0x4FFFFF), airport ground vehicles left out. When the records
// run short the rest is made up, with addresses that none of the records uses. The picks
// depend only on the records' order and the random source.
std::vector<AircraftProfile> fromRecords(const std::vector<AircraftRecord>& records, size_t count,
                                         Random& random);

// `count` made-up aircraft with distinct addresses in European States' blocks, airline
// callsigns and common types, none of them with an address in `avoid` (sorted ascending).
std::vector<AircraftProfile> generated(size_t count, Random& random,
                                       const std::vector<uint32_t>& avoid = {});

// The profile of one database aircraft: an airline's callsign where the operator is known
// (designator and flight number), else the registration without its hyphen.
AircraftProfile profileOf(const AircraftRecord& record, Random& random);

}  // namespace fleet
}  // namespace feedgen

#endif  // FEEDGEN_FLEET_H
