#ifndef MODES_ADSBAIRBORNEVELOCITYMESSAGE_H
#define MODES_ADSBAIRBORNEVELOCITYMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/AltitudeSource.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne velocity (type code 19). Only the ground-referenced subtypes 1 (normal) and 2
// (supersonic, 4-knot steps) are decoded: east-west and north-south velocity become ground
// speed and track angle; the vertical rate comes in 64 ft/min steps. The airspeed subtypes 3
// and 4 are logged and refused, other subtypes are logged as unknown and refused.
class MODES_EXPORT ADSBAirborneVelocityMessage : public ADSBMessage {
public:
    enum AirborneVelocityType : int32_t {
        GROUND_SPEED = 1,
        GROUND_SPEED_SUPER_SONIC = 2,
        AIR_SPEED = 3,
        AIR_SPEED_SUPER_SONIC = 4
    };

    // What the message carries. The tracker decodes these straight from the ME field, without
    // a message object.
    struct Values {
        AirborneVelocityType velocityType = GROUND_SPEED;
        double groundSpeed = 0;
        double heading = 0;
        AltitudeSource verticalRateSource = BARO;
        int32_t verticalRate = 0;
        bool groundSpeedValid = false;
        bool verticalRateValid = false;

        bool headingValid() const { return groundSpeedValid && groundSpeed > 0; }
    };

    // Whether a subtype (ME bits 5-7) is one of the four velocity subtypes.
    static constexpr bool subtypeKnown(uint32_t subtype) {
        return subtype >= GROUND_SPEED && subtype <= AIR_SPEED_SUPER_SONIC;
    }
    // Decodes the 7 bytes of an airborne velocity ME field into `values`, in the order of the
    // field. An unknown subtype (logged) gives false with nothing changed; an airspeed subtype
    // (logged) gives false with only the velocity type stored.
    static bool decodeValues(const unsigned char* me, Values& values);

    std::string description() const override;

    AirborneVelocityType velocityType() const { return _values.velocityType; }
    double groundSpeed() const { return _values.groundSpeed; }  // knots
    double heading() const { return _values.heading; }  // degrees clockwise from north, [0, 360)
    int32_t verticalRate() const { return _values.verticalRate; }  // feet per minute, positive up
    AltitudeSource verticalRateSource() const { return _values.verticalRateSource; }

    // Whether the message carries the value at all: a velocity component or the vertical rate
    // of 0 means "no information" (DO-260B), for which groundSpeed(), heading() and
    // verticalRate() read 0. A ground speed of exactly 0 has no track angle either.
    bool groundSpeedValid() const { return _values.groundSpeedValid; }
    bool headingValid() const { return _values.headingValid(); }
    bool verticalRateValid() const { return _values.verticalRateValid; }

    // "GROUND_SPEED" and so on; "UNKNOWN" outside the enumeration.
    static const std::string& velocityTypeName(AirborneVelocityType type);

protected:
    ADSBAirborneVelocityMessage();
    bool decodeImpl() override;

private:
    Values _values;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEVELOCITYMESSAGE_H
