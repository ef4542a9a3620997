#include <modes/ModeSMessageFieldVS.h>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldVS::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 5)
        return false;
    _verticalStatus = bits::bit(data, 5) != 0 ? ON_GROUND : AIRBORNE;
    return true;
}

std::string ModeSMessageFieldVS::description() const {
    switch (_verticalStatus) {
        case AIRBORNE:
            return "AIR";
        case ON_GROUND:
            return "GND";
    }
    return "UNKNOWN";
}

}  // namespace modes
}  // namespace brannic
