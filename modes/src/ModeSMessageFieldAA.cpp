#include <modes/ModeSMessageFieldAA.h>

#include "Bits.h"
#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldAA::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 8)
        return false;
    _icaoAddress = bits::field(data, 8, 31);
    return true;
}

std::string ModeSMessageFieldAA::description() const {
    return icaoAddressHexString();
}

std::string ModeSMessageFieldAA::icaoAddressHexString() const {
    return text::hex(_icaoAddress);
}

}  // namespace modes
}  // namespace brannic
