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

    std::string description() const override;

    AirborneVelocityType velocityType() const { return _velocityType; }
    double groundSpeed() const { return _groundSpeed; }  // knots
    double heading() const { return _heading; }  // degrees clockwise from true north, [0, 360)
    int32_t verticalRate() const { return _verticalRate; }  // feet per minute, positive up
    AltitudeSource verticalRateSource() const { return _verticalRateSource; }

    // Whether the message carries the value at all: a velocity component or the vertical rate
    // of 0 means "no information" (DO-260B), for which groundSpeed(), heading() and
    // verticalRate() read 0. A ground speed of exactly 0 has no track angle either.
    bool groundSpeedValid() const { return _groundSpeedValid; }
    bool headingValid() const { return _groundSpeedValid && _groundSpeed > 0; }
    bool verticalRateValid() const { return _verticalRateValid; }

    // "GROUND_SPEED" and so on; "UNKNOWN" outside the enumeration.
    static const std::string& velocityTypeName(AirborneVelocityType type);

protected:
    ADSBAirborneVelocityMessage();
    bool decodeImpl() override;

private:
    AirborneVelocityType _velocityType = GROUND_SPEED;
    double _groundSpeed = 0;
    double _heading = 0;
    AltitudeSource _verticalRateSource = BARO;
    int32_t _verticalRate = 0;
    bool _groundSpeedValid = false;
    bool _verticalRateValid = false;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEVELOCITYMESSAGE_H
