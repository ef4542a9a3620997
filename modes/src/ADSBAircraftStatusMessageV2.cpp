#include <modes/ADSBAircraftStatusMessageV2.h>

#include <cstdio>

#include <modes/Log.h>

#include "Bits.h"
#include "ModeACode.h"

namespace brannic {
namespace modes {

bool ADSBAircraftStatusMessageV2::decodeImpl() {
    if (!ADSBAircraftStatusMessage::decodeImpl())
        return false;
    switch (subtype()) {
        case EMERGENCY_PRIORITY:
            _modeACode = modea::fromIdentityBits(bits::field(data(), 11, 23));
            if (listingFields())
                addField(ADSBMessageField(ADSBMessageField::MODE_A, 11, 13, modeAOctString()));
            return true;
        case TCAS_RA:
            Log::log(Log::WARNING, "ADSBAcStatMsg", "Unsupported TCAS RA message detected.");
            return false;
        default:
            return true;
    }
}

std::string ADSBAircraftStatusMessageV2::modeAOctString() const {
    char text[16];
    std::snprintf(text, sizeof(text), "%.4o", _modeACode);
    return text;
}

std::string ADSBAircraftStatusMessageV2::description() const {
    return ADSBAircraftStatusMessage::description() + ", MA=" + modeAOctString();
}

}  // namespace modes
}  // namespace brannic
