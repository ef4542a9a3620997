#include <modes/ADSBAirbornePositionMessage.h>

#include "ADSBText.h"
#include "AltitudeCode.h"
#include "Bits.h"

namespace brannic {
namespace modes {

ADSBAirbornePositionMessage::ADSBAirbornePositionMessage() : ADSBMessage(POS_AIR) {}

bool ADSBAirbornePositionMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());

    const uint8_t tc = typeCode();
    if (tc < 9 || tc == 19 || tc > 22)
        return false;
    _altitudeSource = tc <= 18 ? BARO : GNSS;
    if (listingFields())
        addField(Field(Field::ALT_SRC, 0, 5, _altitudeSource == BARO ? "BARO" : "GNSS"));

    const bool q = bits::bit(me, 15) != 0;
    _altResolution = q ? RES_25FT : RES_100FT;
    if (listingFields())
        addField(Field(Field::ALT_RES, 15, 1, q ? "25FT" : "100FT"));

    // GNSS height is coded like the barometric altitude.
    const uint32_t code13 = altitude::codeFromAdsb(bits::field(me, 8, 19));
    int32_t feet = 0;
    if (q) {
        feet = static_cast<int32_t>(altitude::binaryCount(code13)) * 25 - 1000;
    } else if (!altitude::gillhamToFeet(code13, feet)) {
        // Altitude not available (all zeros) or an illegal Gillham code.
        return false;
    }
    _altitude = feet;
    if (listingFields())
        addField(Field(Field::ALT, 8, 12, std::to_string(_altitude) + "FT"));

    _timeApplicability = bits::bit(me, 20) != 0;
    if (listingFields())
        addField(Field(Field::TIME_FLAG, 20, 1, adsbtext::flag(_timeApplicability)));

    _cprFormat = bits::bit(me, 21) != 0 ? ODD : EVEN;
    if (listingFields())
        addField(Field(Field::CPR_FMT, 21, 1, _cprFormat == ODD ? "ODD" : "EVEN"));

    _cprLatitude = static_cast<int32_t>(bits::field(me, 22, 38));
    if (listingFields())
        addField(Field(Field::CPR_LAT, 22, 17, std::to_string(_cprLatitude)));
    _cprLongitude = static_cast<int32_t>(bits::field(me, 39, 55));
    if (listingFields())
        addField(Field(Field::CPR_LON, 39, 17, std::to_string(_cprLongitude)));
    return true;
}

std::string ADSBAirbornePositionMessage::description() const {
    return std::string("TC=POS_AIR, AT=") + (_altitudeSource == BARO ? "BARO" : "GNSS") +
           ", ALT=" + std::to_string(_altitude) + ", CPR=" + (_cprFormat == EVEN ? "EVEN" : "ODD") +
           ", LAT=" + std::to_string(_cprLatitude) + ", LON=" + std::to_string(_cprLongitude);
}

}  // namespace modes
}  // namespace brannic
