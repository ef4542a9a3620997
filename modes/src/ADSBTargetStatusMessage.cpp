#include <modes/ADSBTargetStatusMessage.h>

#include <modes/Log.h>

#include "Bits.h"

namespace brannic {
namespace modes {

ADSBTargetStatusMessage::ADSBTargetStatusMessage() : ADSBMessage(TG_STATUS) {}

bool ADSBTargetStatusMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());

    _subtype = static_cast<uint8_t>(bits::field(me, 5, 6));
    if (_subtype > 1) {
        Log::log(Log::CRITICAL, "ADSBTgStatMsg", "Unknown Subtype=%u.", _subtype);
        return false;
    }
    if (listingFields())
        addField(Field(Field::TG_STAT_SUB_TYPE, 5, 2, std::to_string(_subtype)));

    _nacp = static_cast<uint8_t>(bits::field(me, 39, 42));
    if (listingFields())
        addField(Field(Field::NAC_P, 39, 4, std::to_string(_nacp)));
    _nicBaro = static_cast<uint8_t>(bits::bit(me, 43));
    if (listingFields())
        addField(Field(Field::NIC_BARO, 43, 1, std::to_string(_nicBaro)));
    _sil = static_cast<uint8_t>(bits::field(me, 44, 45));
    if (listingFields())
        addField(Field(Field::SIL, 44, 2, std::to_string(_sil)));
    return true;
}

std::string ADSBTargetStatusMessage::description() const {
    return "TC=TG_STATUS, ST=" + std::to_string(_subtype) + ", NACp=" + std::to_string(_nacp) +
           ", NICbaro=" + std::to_string(_nicBaro) + ", SIL=" + std::to_string(_sil);
}

}  // namespace modes
}  // namespace brannic
