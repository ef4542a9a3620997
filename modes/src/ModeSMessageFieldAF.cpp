#include <modes/ModeSMessageFieldAF.h>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldAF::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 5)
        return false;
    _code = static_cast<uint8_t>(bits::field(data, 5, 7));
    return true;
}

std::string ModeSMessageFieldAF::description() const {
    return std::to_string(_code);
}

}  // namespace modes
}  // namespace brannic
