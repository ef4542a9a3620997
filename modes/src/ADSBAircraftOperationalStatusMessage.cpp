#include <modes/ADSBAircraftOperationalStatusMessage.h>

#include <modes/Log.h>

#include "Bits.h"

namespace brannic {
namespace modes {

ADSBAircraftOperationalStatusMessage::ADSBAircraftOperationalStatusMessage()
    : ADSBMessage(OP_STATUS) {}

bool ADSBAircraftOperationalStatusMessage::decodeValues(const unsigned char* me, Values& values) {
    values.versionNumber = static_cast<uint8_t>(bits::field(me, 40, 42));
    if (values.versionNumber == 0) {
        Log::log(Log::CRITICAL, "ADSBOpStatMsg", "MOPS Version 0 detected.");
        return false;
    }
    if (values.versionNumber > 2) {
        Log::log(Log::CRITICAL, "ADSBOpStatMsg", "Unsupported MOPS Version %u detected.",
                 values.versionNumber);
    }
    values.nicSupplementA = bits::bit(me, 43) != 0;
    return true;
}

bool ADSBAircraftOperationalStatusMessage::decodeImpl() {
    using Field = ADSBMessageField;
    if (!decodeValues(bits::bytes(data()), _values))
        return false;
    if (listingFields()) {
        addField(Field(Field::VER_NUM, 40, 3, std::to_string(_values.versionNumber)));
        addField(Field(Field::NIC_SUPP_A, 43, 1, _values.nicSupplementA ? "1" : "0"));
    }
    return true;
}

std::string ADSBAircraftOperationalStatusMessage::description() const {
    return "TC=OP_STAT, VN=" + std::to_string(versionNumber()) +
           ", NICsa=" + (nicSupplementA() ? "1" : "0");
}

}  // namespace modes
}  // namespace brannic
