#include <modes/ModeSMessageFieldMV.h>

#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldMV::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 32)
        return false;
    _data.assign(data, 4, 7);  // bits 32 to 87: whole bytes 4 to 10
    return true;
}

std::string ModeSMessageFieldMV::description() const {
    return dataHexString();
}

std::string ModeSMessageFieldMV::dataHexString() const {
    return text::hexBytes(_data);
}

}  // namespace modes
}  // namespace brannic
