#include <modes/ADSBTargetStatusMessageV2.h>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ADSBTargetStatusMessageV2::decodeImpl() {
    // DO-260B defines only subtype 1; anything else is quietly not a version-2 message.
    if (!ADSBTargetStatusMessage::decodeImpl() || subtype() != 1)
        return false;
    _silSupplement = static_cast<uint8_t>(bits::bit(data(), 7));
    if (listingFields())
        addField(ADSBMessageField(ADSBMessageField::SIL_SUPP, 7, 1, std::to_string(_silSupplement)));
    return true;
}

std::string ADSBTargetStatusMessageV2::description() const {
    return ADSBTargetStatusMessage::description() + ", SILsupp=" + std::to_string(_silSupplement);
}

}  // namespace modes
}  // namespace brannic
