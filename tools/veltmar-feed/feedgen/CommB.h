#ifndef FEEDGEN_COMMB_H
#define FEEDGEN_COMMB_H

// Comm-B registers that Mode S radars read from aircraft and that the aircraft returns in the
// MB field of DF20 and DF21 (ICAO Doc 9871, Mode S specific services): aircraft identification
// (BDS 2,0) and the three registers of enhanced surveillance, selected vertical intention
// (4,0), track and turn (5,0), heading and speed (6,0). MB bits are numbered from 0 (Doc 9871's
// MB bit n is bit n − 1 here). Each value has a status bit; a value left empty is sent with its
// status 0 and zero bits. Signed values are two's complement over the sign bit and the value.
//
// Each encoder returns the MB field, or nothing when a value is out of its field's range.

#include <cstdint>
#include <optional>
#include <string>

#include "feedgen/Replies.h"

namespace feedgen {

// BDS 4,0.
struct SelectedVerticalIntention {
    std::optional<double> mcpAltitudeFeet;   // 0 to 65,520 ft in 16-ft steps
    std::optional<double> fmsAltitudeFeet;   // likewise
    std::optional<double> baroSettingMb;     // 800 to 1209.5 mb in 0.1-mb steps
    bool modeBitsValid = false;              // VNAV, ALT HOLD and APPROACH are known
    bool vnav = false;
    bool altitudeHold = false;
    bool approach = false;
    std::optional<uint8_t> targetSource;     // 0 unknown, 1 aircraft altitude, 2 MCP/FCU, 3 FMS
};

// BDS 5,0.
struct TrackAndTurn {
    std::optional<double> rollDegrees;            // −90 to 90, right wing down positive
    std::optional<double> trueTrackDegrees;       // any angle
    std::optional<double> groundSpeedKnots;       // 0 to 2046
    std::optional<double> trackRateDegreesPerSecond;  // −16 to 16
    std::optional<double> trueAirspeedKnots;      // 0 to 2046
};

// BDS 6,0.
struct HeadingAndSpeed {
    std::optional<double> magneticHeadingDegrees;  // any angle
    std::optional<double> indicatedAirspeedKnots;  // 0 to 1023
    std::optional<double> mach;                    // 0 to 4.092
    std::optional<int> baroRateFeetPerMinute;      // −16,384 to 16,352
    std::optional<int> inertialRateFeetPerMinute;  // likewise
};

namespace commb {

// BDS 2,0: 0x20 and the eight characters of the identification; nothing for a text outside
// the 6-bit character set or longer than eight characters.
std::optional<MBField> identification(const std::string& callsign);
std::optional<MBField> encode(const SelectedVerticalIntention& data);
std::optional<MBField> encode(const TrackAndTurn& data);
std::optional<MBField> encode(const HeadingAndSpeed& data);

}  // namespace commb
}  // namespace feedgen

#endif  // FEEDGEN_COMMB_H
