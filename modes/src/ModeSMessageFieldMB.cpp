#include <modes/ModeSMessageFieldMB.h>

#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldMB::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 32)
        return false;
    _data.assign(data, 4, 7);  // bits 32 to 87: whole bytes 4 to 10
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
