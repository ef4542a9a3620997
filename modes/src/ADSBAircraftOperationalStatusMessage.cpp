#include <modes/ADSBAircraftOperationalStatusMessage.h>

#include <modes/Log.h>

#include "Bits.h"

namespace brannic {
namespace modes {

ADSBAircraftOperationalStatusMessage::ADSBAircraftOperationalStatusMessage()
    : ADSBMessage(OP_STATUS) {}

bool ADSBAircraftOperationalStatusMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());

    _versionNumber = static_cast<uint8_t>(bits::field(me, 40, 42));
    if (_versionNumber == 0) {
        Log::log(Log::CRITICAL, "ADSBOpStatMsg", "MOPS Version 0 detected.");
        return false;
    }
    if (_versionNumber > 2) {
        Log::log(Log::CRITICAL, "ADSBOpStatMsg", "Unsupported MOPS Version %u detected.",
                 _versionNumber);
    }
    if (listingFields())
        addField(Field(Field::VER_NUM, 40, 3, std::to_string(_versionNumber)));
    _nicSupplementA = bits::bit(me, 43) != 0;
    if (listingFields())
        addField(Field(Field::NIC_SUPP_A, 43, 1, _nicSupplementA ? "1" : "0"));
    return true;
}

MOPSVersion ADSBAircraftOperationalStatusMessage::version() const {
    return _versionNumber <= 2 ? static_cast<MOPSVersion>(_versionNumber) : MOPS_UNKNOWN;
}

std::string ADSBAircraftOperationalStatusMessage::description() const {
    return "TC=OP_STAT, VN=" + std::to_string(_versionNumber) +
           ", NICsa=" + (_nicSupplementA ? "1" : "0");
}

}  // namespace modes
}  // namespace brannic
