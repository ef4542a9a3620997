#include <modes/ModeSMessageFieldCF.h>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldCF::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 5)
        return false;
    _code = static_cast<uint8_t>(bits::field(data, 5, 7));
    return true;
}

std::string ModeSMessageFieldCF::description() const {
    return std::to_string(_code);
}

}  // namespace modes
}  // namespace brannic
