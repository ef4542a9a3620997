#ifndef MODES_ADSBSURFACEPOSITIONMESSAGE_H
#define MODES_ADSBSURFACEPOSITIONMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/CPRFormat.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Surface position (type codes 5-8): movement (a quantised ground speed), ground track and the
// raw 17-bit CPR latitude and longitude.
class MODES_EXPORT ADSBSurfacePositionMessage : public ADSBMessage {
public:
    ADSBSurfacePositionMessage();

    std::string description() const override;

    uint8_t movementCode() const { return _movementCode; }
    // True for a movement code that gives a speed (1 to 124).
    bool movement() const { return _movement; }
    double groundSpeed() const { return _groundSpeed; }  // knots
    double heading() const { return _heading; }          // degrees from true north
    bool headingValid() const { return _headingValid; }
    bool timeApplicability() const { return _timeApplicability; }
    CPRFormat cprFormat() const { return _cprFormat; }
    int32_t cprLatitude() const { return _cprLatitude; }
    int32_t cprLongitude() const { return _cprLongitude; }

    // Knots of a 7-bit movement code (DO-260B 2.2.3.2.4.2); 0 for the codes without a speed.
    static double groundSpeedOf(uint8_t movementCode);

protected:
    // Logs "Reserved Movement Code: %u." for codes 125-127 and decodes them with speed 0.
    bool decodeImpl() override;

private:
    uint8_t _movementCode = 0;
    bool _movement = false;
    double _groundSpeed = 0;
    bool _headingValid = false;
    double _heading = 0;
    bool _timeApplicability = false;
    CPRFormat _cprFormat = ODD;
    int32_t _cprLatitude = 0;
    int32_t _cprLongitude = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBSURFACEPOSITIONMESSAGE_H
