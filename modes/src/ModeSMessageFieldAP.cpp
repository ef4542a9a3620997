#include <modes/ModeSMessageFieldAP.h>

#include "Bits.h"
#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldAP::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 32 && pos != 88)
        return false;  // end of a short or of a long reply
    _addressParity = bits::field(data, pos, pos + 23u);
    return true;
}

std::string ModeSMessageFieldAP::description() const {
    return addressParityHexString();
}

std::string ModeSMessageFieldAP::addressParityHexString() const {
    return text::hex(_addressParity);
}

uint32_t ModeSMessageFieldAP::setParity(unsigned int parity) {
    _parity = parity;
    _icaoAddress = _addressParity ^ parity;
    return _icaoAddress;
}

}  // namespace modes
}  // namespace brannic
