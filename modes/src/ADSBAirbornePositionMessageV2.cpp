#include <modes/ADSBAirbornePositionMessageV2.h>

#include "ADSBText.h"
#include "Bits.h"

namespace brannic {
namespace modes {

bool ADSBAirbornePositionMessageV2::decodeImpl() {
    if (!ADSBAirbornePositionMessage::decodeImpl())
        return false;
    _nicSupplementB = bits::bit(data(), 7) != 0;
    if (listingFields())
        addField(ADSBMessageField(ADSBMessageField::NIC_SUPP_B, 7, 1, adsbtext::flag(_nicSupplementB)));
    return true;
}

}  // namespace modes
}  // namespace brannic
