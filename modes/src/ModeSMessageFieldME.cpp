#include <modes/ModeSMessageFieldME.h>

#include "ByteCopy.h"
#include "Text.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldME::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 32)
        return false;
    // Bits 32 to 87 are whole bytes 4 to 10; copied in place (a moved-from field is resized).
    bytecopy::assign(_data, data.data() + 4, 7);
    return true;
}

std::string ModeSMessageFieldME::description() const {
    return dataHexString();
}

std::string ModeSMessageFieldME::dataHexString() const {
    return text::hexBytes(_data);
}

}  // namespace modes
}  // namespace brannic
