#ifndef FEEDGEN_AIRCRAFTTYPES_H
#define FEEDGEN_AIRCRAFTTYPES_H

// How an aircraft type flies in the scene and which ADS-B emitter category it reports, from
// its ICAO Doc 8643 type designator ("A320") and, for designators not listed, its description.

#include <cstdint>
#include <string>

namespace feedgen {

// Flight envelopes of the scene's traffic.
enum class Performance {
    Airliner,    // jet transport: cruise FL280-FL400, about 450 kt
    BusinessJet, // cruise FL300-FL450
    Turboprop,   // cruise FL140-FL250, about 280 kt
    Piston,      // light aircraft below 10,000 ft, about 120 kt
    Rotorcraft,  // helicopters below 3,000 ft, about 120 kt
    Fighter,     // military jets, anywhere
};

struct AircraftType {
    char categorySet = 'A';  // emitter category set and number (see Identification)
    uint8_t category = 1;
    Performance performance = Performance::Piston;
};

namespace aircrafttypes {

// The type of a designator; a designator not in the table is a rotorcraft when its description
// names a helicopter maker or the word, else a light piston aircraft.
AircraftType classify(const std::string& designator, const std::string& description);

// True for designators that are not aircraft (airport ground vehicles, "-GND").
bool isVehicle(const std::string& designator);

}  // namespace aircrafttypes
}  // namespace feedgen

#endif  // FEEDGEN_AIRCRAFTTYPES_H
