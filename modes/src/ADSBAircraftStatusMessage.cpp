#include <modes/ADSBAircraftStatusMessage.h>

#include <modes/Log.h>

#include "Bits.h"

namespace brannic {
namespace modes {

ADSBAircraftStatusMessage::ADSBAircraftStatusMessage() : ADSBMessage(AC_STATUS) {}

const std::string& ADSBAircraftStatusMessage::subtypeName(AircraftStatusSubtype subtype) {
    static const std::string names[] = {"NO_INFO", "EMERGENCY", "TCAS_RA", "UNDEFINED"};
    return subtype >= NO_INFO && subtype <= SUBTYPE_UNDEFINED ? names[subtype]
                                                              : names[SUBTYPE_UNDEFINED];
}

const std::string& ADSBAircraftStatusMessage::emergencyStateName(EmergencyState state) {
    static const std::string names[] = {"NO_EMG",  "EMERGENCY", "MEDICAL",   "MIN_FUEL",
                                        "NO_COMM", "HIJACK",    "AC_DOWNED", "UNDEFINED"};
    return state >= NO_EMG && state <= EMG_UNDEFINED ? names[state] : names[EMG_UNDEFINED];
}

bool ADSBAircraftStatusMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());

    const uint32_t subtype = bits::field(me, 5, 7);
    if (subtype > TCAS_RA) {
        Log::log(Log::CRITICAL, "ADSBAcStatMsg", "Unknown Subtype=%u.", subtype);
        _subtype = SUBTYPE_UNDEFINED;
        return false;
    }
    _subtype = static_cast<AircraftStatusSubtype>(subtype);
    if (listingFields())
        addField(Field(Field::AC_STAT_SUB_TYPE, 5, 3, subtypeName(_subtype)));

    if (_subtype == EMERGENCY_PRIORITY) {
        _emergencyState = static_cast<EmergencyState>(bits::field(me, 8, 10));
    } else {
        Log::log(Log::CRITICAL, "ADSBAcStatMsg", "Unsupported subtype %u detected.", subtype);
    }
    if (listingFields())
        addField(Field(Field::EMG_STATE, 8, 3, emergencyStateName(_emergencyState)));
    return true;
}

std::string ADSBAircraftStatusMessage::description() const {
    std::string text = "TC=AC_STATUS";
    if (_subtype == EMERGENCY_PRIORITY) {
        text += ", ST=EMG, EMG=" + std::to_string(static_cast<int>(_emergencyState));
    }
    return text;
}

}  // namespace modes
}  // namespace brannic
