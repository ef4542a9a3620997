#include <modes/ADSBAirbornePositionMessageV2.h>

#include "ADSBText.h"
#include "Bits.h"

namespace brannic {
namespace modes {

bool ADSBAirbornePositionMessageV2::decodeNICSupplementB(const unsigned char* me) {
    return bits::bit(me, 7) != 0;
}

bool ADSBAirbornePositionMessageV2::decodeImpl() {
    if (!ADSBAirbornePositionMessage::decodeImpl())
        return false;
    _nicSupplementB = decodeNICSupplementB(bits::bytes(data()));
    if (listingFields())
        addField(
            ADSBMessageField(ADSBMessageField::NIC_SUPP_B, 7, 1, adsbtext::flag(_nicSupplementB)));
    return true;
}

}  // namespace modes
}  // namespace brannic
