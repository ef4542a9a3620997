#include <modes/ADSBAirbornePositionMessage.h>

#include "ADSBText.h"
#include "AltitudeCode.h"
#include "Bits.h"

namespace brannic {
namespace modes {

ADSBAirbornePositionMessage::ADSBAirbornePositionMessage() : ADSBMessage(POS_AIR) {}

bool ADSBAirbornePositionMessage::decodeValues(const unsigned char* me, uint8_t typeCode,
                                               Values& values) {
    if (!carriesPosition(typeCode))
        return false;
    values.altitudeSource = typeCode <= 18 ? BARO : GNSS;
    const bool q = bits::bit(me, 15) != 0;
    values.altResolution = q ? RES_25FT : RES_100FT;

    // GNSS height is coded like the barometric altitude.
    const uint32_t code13 = altitude::codeFromAdsb(bits::field(me, 8, 19));
    int32_t feet = 0;
    if (q) {
        feet = static_cast<int32_t>(altitude::binaryCount(code13)) * 25 - 1000;
    } else if (!altitude::gillhamToFeet(code13, feet)) {
        // Altitude not available (all zeros) or an illegal Gillham code.
        return false;
    }
    values.altitude = feet;
    values.timeApplicability = bits::bit(me, 20) != 0;
    values.cprFormat = bits::bit(me, 21) != 0 ? ODD : EVEN;
    values.cprLatitude = static_cast<int32_t>(bits::field(me, 22, 38));
    values.cprLongitude = static_cast<int32_t>(bits::field(me, 39, 55));
    return true;
}

bool ADSBAirbornePositionMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const bool decoded = decodeValues(bits::bytes(data()), typeCode(), _values);
    if (!listingFields() || !carriesPosition(typeCode()))
        return decoded;
    addField(Field(Field::ALT_SRC, 0, 5, _values.altitudeSource == BARO ? "BARO" : "GNSS"));
    addField(Field(Field::ALT_RES, 15, 1, _values.altResolution == RES_25FT ? "25FT" : "100FT"));
    if (!decoded)
        return false;
    addField(Field(Field::ALT, 8, 12, std::to_string(_values.altitude) + "FT"));
    addField(Field(Field::TIME_FLAG, 20, 1, adsbtext::flag(_values.timeApplicability)));
    addField(Field(Field::CPR_FMT, 21, 1, _values.cprFormat == ODD ? "ODD" : "EVEN"));
    addField(Field(Field::CPR_LAT, 22, 17, std::to_string(_values.cprLatitude)));
    addField(Field(Field::CPR_LON, 39, 17, std::to_string(_values.cprLongitude)));
    return true;
}

std::string ADSBAirbornePositionMessage::description() const {
    return std::string("TC=POS_AIR, AT=") + (altitudeSource() == BARO ? "BARO" : "GNSS") +
           ", ALT=" + std::to_string(altitude()) +
           ", CPR=" + (cprFormat() == EVEN ? "EVEN" : "ODD") +
           ", LAT=" + std::to_string(cprLatitude()) + ", LON=" + std::to_string(cprLongitude());
}

}  // namespace modes
}  // namespace brannic
