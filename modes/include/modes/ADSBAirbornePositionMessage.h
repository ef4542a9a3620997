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
    // What the message carries. The tracker decodes these straight from the ME field, without
    // a message object.
    struct Values {
        AltitudeSource altitudeSource = BARO;
        AltitudeResolution altResolution = RES_25FT;
        int32_t altitude = 0;
        bool timeApplicability = false;
        CPRFormat cprFormat = ODD;
        int32_t cprLatitude = 0;
        int32_t cprLongitude = 0;
    };

    // Whether a type code is one of an airborne position (9-18 and 20-22).
    static constexpr bool carriesPosition(uint8_t typeCode) {
        return typeCode >= 9 && typeCode != 19 && typeCode <= 22;
    }
    // Decodes the 7 bytes of an ME field of type code `typeCode` into `values`, in the order
    // of the field: false for another type code (nothing changes) or for an altitude that is
    // not available or not a legal Gillham code (the altitude source and resolution are then
    // already stored).
    static bool decodeValues(const unsigned char* me, uint8_t typeCode, Values& values);

    std::string description() const override;

    int32_t altitude() const { return _values.altitude; }
    AltitudeSource altitudeSource() const { return _values.altitudeSource; }
    AltitudeResolution altResolution() const { return _values.altResolution; }
    bool timeApplicability() const { return _values.timeApplicability; }
    CPRFormat cprFormat() const { return _values.cprFormat; }
    int32_t cprLatitude() const { return _values.cprLatitude; }
    int32_t cprLongitude() const { return _values.cprLongitude; }

protected:
    ADSBAirbornePositionMessage();
    bool decodeImpl() override;

private:
    Values _values;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEPOSITIONMESSAGE_H
