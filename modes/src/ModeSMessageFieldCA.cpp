#include <modes/ModeSMessageFieldCA.h>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldCA::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 5)
        return false;
    _capability = static_cast<uint8_t>(bits::field(data, 5, 7));
    return true;
}

std::string ModeSMessageFieldCA::description() const {
    return std::to_string(_capability);
}

}  // namespace modes
}  // namespace brannic
