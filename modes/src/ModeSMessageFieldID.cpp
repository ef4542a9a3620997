#include <modes/ModeSMessageFieldID.h>

#include <cstdio>

#include "Bits.h"
#include "ModeACode.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldID::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 19)
        return false;
    // Bits 19 to 31: C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4, decoded like every Mode A code.
    _identity = modea::fromIdentityBits(bits::field(data, 19, 31));
    return true;
}

std::string ModeSMessageFieldID::description() const {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%.4o", _identity);
    return buffer;
}

}  // namespace modes
}  // namespace brannic
