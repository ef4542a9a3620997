#ifndef FEEDGEN_REPLIES_H
#define FEEDGEN_REPLIES_H

// Mode S replies to interrogations (ICAO Annex 10 Vol. IV 3.1.2): surveillance replies with the
// altitude (DF4) or the identity (DF5), their Comm-B forms carrying a 56-bit MB register (DF20,
// DF21), the all-call reply and acquisition squitter (DF11) and the air-air replies of ACAS
// (DF0, DF16). All but DF11 overlay their parity with the aircraft address (AP field), so only
// a receiver that already knows the address can check them; DF11 carries the address in clear
// and overlays its parity with the interrogator code.
//
// Each returns the frame, or an empty frame when a value cannot be represented (an altitude out
// of range, a field wider than its place).

#include <array>
#include <cstdint>
#include <optional>

#include "feedgen/AltitudeCode.h"
#include "feedgen/Frame.h"

namespace feedgen {

using MBField = std::array<uint8_t, 7>;

// The altitude of an AC field: nothing for "altitude not available" (code 0).
struct AltitudeReport {
    std::optional<double> feet;
    altitude::Coding coding = altitude::Coding::Feet25;
};

namespace replies {

// Flight status FS: 0 airborne, 1 on the ground, 2/3 alert, 4 alert and SPI, 5 SPI.
constexpr uint8_t kAirborne = 0;
constexpr uint8_t kOnGround = 1;

// Short air-air surveillance (ACAS) reply. Reply information RI: 0 no ACAS, 3 ACAS with
// vertical-only resolution capability, 4 ACAS with vertical and horizontal capability, 8 to 14
// the maximum airspeed of an aircraft without ACAS. Sensitivity level SL 0 to 7.
Frame df0(uint32_t address, bool onGround, const AltitudeReport& altitude,
          uint8_t replyInformation = 0, uint8_t sensitivityLevel = 0);

// Surveillance, altitude reply.
Frame df4(uint32_t address, uint8_t flightStatus, const AltitudeReport& altitude);

// Surveillance, identity reply; `squawk` is the Mode A code as a number of four octal digits.
Frame df5(uint32_t address, uint8_t flightStatus, uint32_t squawk);

// All-call reply, or acquisition squitter with `interrogatorCode` 0. The code is the
// interrogator identifier II (1 to 15), or a surveillance identifier with its code label
// (label × 16 + code). Capability CA: 4 on the ground, 5 airborne, 6 either.
Frame df11(uint32_t address, uint8_t capability, uint32_t interrogatorCode);

// Long air-air surveillance (ACAS) reply with the 56-bit MV field.
Frame df16(uint32_t address, bool onGround, const AltitudeReport& altitude, const MBField& mv,
           uint8_t replyInformation = 0, uint8_t sensitivityLevel = 0);

// Comm-B altitude reply.
Frame df20(uint32_t address, uint8_t flightStatus, const AltitudeReport& altitude,
           const MBField& mb);

// Comm-B identity reply.
Frame df21(uint32_t address, uint8_t flightStatus, uint32_t squawk, const MBField& mb);

}  // namespace replies
}  // namespace feedgen

#endif  // FEEDGEN_REPLIES_H
