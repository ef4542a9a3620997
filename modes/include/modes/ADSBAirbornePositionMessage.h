#ifndef MODES_ADSBAIRBORNEPOSITIONMESSAGE_H
#define MODES_ADSBAIRBORNEPOSITIONMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/AltitudeResolution.h>
#include <modes/AltitudeSource.h>
#include <modes/CPRFormat.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne position (type codes 9-18 with barometric altitude, 20-22 with GNSS height): the
// altitude and the raw 17-bit CPR latitude and longitude. Turning CPR into a position is the
// tracker's work. The version classes differ only in the meaning of ME bit 7.
//
// The 12-bit altitude field (ME bits 8-19) holds Q at bit 15: with Q set the other eleven bits
// count 25-ft steps from -1000 ft; with Q clear they are the Gillham code of Mode C in 100-ft
// steps. An altitude that is not available (all-zero code) or an illegal Gillham code fails
// the decode, so that no made-up altitude reaches the tracker.
class MODES_EXPORT ADSBAirbornePositionMessage : public ADSBMessage {
public:
    std::string description() const override;

    int32_t altitude() const { return _altitude; }
    AltitudeSource altitudeSource() const { return _altitudeSource; }
    AltitudeResolution altResolution() const { return _altResolution; }
    bool timeApplicability() const { return _timeApplicability; }
    CPRFormat cprFormat() const { return _cprFormat; }
    int32_t cprLatitude() const { return _cprLatitude; }
    int32_t cprLongitude() const { return _cprLongitude; }

protected:
    ADSBAirbornePositionMessage();
    bool decodeImpl() override;

private:
    AltitudeSource _altitudeSource = BARO;
    AltitudeResolution _altResolution = RES_25FT;
    int32_t _altitude = 0;
    bool _timeApplicability = false;
    CPRFormat _cprFormat = ODD;
    int32_t _cprLatitude = 0;
    int32_t _cprLongitude = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEPOSITIONMESSAGE_H
