#include <modes/ModeSMessageFieldPI.h>

#include "Bits.h"
#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldPI::decodeImpl(const std::string& data, uint8_t pos) {
    // The last 24 bits of a short or of a long reply, each read at its fixed place.
    if (pos == 88)
        _parityInterrogatorId = bits::field(data, 88, 111);
    else if (pos == 32)
        _parityInterrogatorId = bits::field(data, 32, 55);
    else
        return false;
    return true;
}

std::string ModeSMessageFieldPI::description() const {
    return parityInterrogatorIdHexString();
}

std::string ModeSMessageFieldPI::parityInterrogatorIdHexString() const {
    return text::hex(_parityInterrogatorId);
}

bool ModeSMessageFieldPI::interrogatorIdValid() const {
    // Seven low bits of code, then the code label: 0 for an II, 1 to 4 for an SI code.
    return _interrogatorId < 128 && (_interrogatorId & 0x70) <= 0x40;
}

uint32_t ModeSMessageFieldPI::setParity(unsigned int parity) {
    _parity = parity;
    _interrogatorId = _parityInterrogatorId ^ parity;
    return _interrogatorId;
}

uint32_t ModeSMessageFieldPI::setInterrogatorId(unsigned int interrogatorId) {
    _interrogatorId = interrogatorId;
    _parity = _parityInterrogatorId ^ interrogatorId;
    return _parity;
}

}  // namespace modes
}  // namespace brannic
