#ifndef MODES_MODESMESSAGEFIELDFS_H
#define MODES_MODESMESSAGEFIELDFS_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// FS, flight status: 3 bits (bits 5 to 7) of DF4, DF5, DF20 and DF21 combining the airborne or
// on-ground state with the alert (Mode A code changed) and SPI (ident) conditions.
class MODES_EXPORT ModeSMessageFieldFS final : public ModeSMessageField {
public:
    enum FlightStatus : int32_t {
        AIRBORNE = 0,
        ON_GROUND = 1,
        ALERT_AIRBORNE = 2,
        ALERT_ON_GROUND = 3,
        ALERT_SPI = 4,  // alert and SPI, airborne or on the ground
        SPI = 5,        // no alert, SPI, airborne or on the ground
        RESERVED = 6,
        NOT_ASSIGNED = 7
    };

    ModeSMessageFieldFS() : ModeSMessageField(FS) {}

    uint8_t bits() const override { return 3; }
    // "AIR", "GND", "AIR, ALERT", "GND, ALERT", "ALERT, SPI", "SPI"; "UNKNOWN" for 6 and 7.
    std::string description() const override;

    FlightStatus flightStatus() const { return _flightStatus; }

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    FlightStatus _flightStatus = NOT_ASSIGNED;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDFS_H
