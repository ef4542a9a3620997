#include <modes/ADSBAirborneVelocityMessageV0.h>

#include "Bits.h"

namespace brannic {
namespace modes {

uint8_t ADSBAirborneVelocityMessageV0::decodeNUCr(const unsigned char* me) {
    return static_cast<uint8_t>(bits::field(me, 10, 12));
}

bool ADSBAirborneVelocityMessageV0::decodeImpl() {
    if (!ADSBAirborneVelocityMessage::decodeImpl())
        return false;
    _nucr = decodeNUCr(bits::bytes(data()));
    if (listingFields())
        addField(ADSBMessageField(ADSBMessageField::NUC_R, 10, 3, std::to_string(_nucr)));
    return true;
}

std::string ADSBAirborneVelocityMessageV0::description() const {
    return ADSBAirborneVelocityMessage::description() + ", NUCr=" + std::to_string(_nucr);
}

}  // namespace modes
}  // namespace brannic
