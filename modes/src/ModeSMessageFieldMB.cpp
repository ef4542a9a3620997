#include <modes/ModeSMessageFieldMB.h>

#include <algorithm>

#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldMB::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 32)
        return false;
    // Bits 32 to 87 are whole bytes 4 to 10; copied in place (a moved-from field is resized).
    _data.resize(7);
    std::copy_n(data.begin() + 4, 7, _data.begin());
    return true;
}

std::string ModeSMessageFieldMB::description() const {
    return dataHexString();
}

std::string ModeSMessageFieldMB::dataHexString() const {
    return text::hexBytes(_data);
}

}  // namespace modes
}  // namespace brannic
