#include <modes/ADSBAirborneVelocityMessageV0.h>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ADSBAirborneVelocityMessageV0::decodeImpl() {
    if (!ADSBAirborneVelocityMessage::decodeImpl())
        return false;
    _nucr = static_cast<uint8_t>(bits::field(data(), 10, 12));
    if (listingFields())
        addField(ADSBMessageField(ADSBMessageField::NUC_R, 10, 3, std::to_string(_nucr)));
    return true;
}

std::string ADSBAirborneVelocityMessageV0::description() const {
    return ADSBAirborneVelocityMessage::description() + ", NUCr=" + std::to_string(_nucr);
}

}  // namespace modes
}  // namespace brannic
