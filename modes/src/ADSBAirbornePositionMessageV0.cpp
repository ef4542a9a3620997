#include <modes/ADSBAirbornePositionMessageV0.h>

#include "ADSBText.h"
#include "Bits.h"

namespace brannic {
namespace modes {

bool ADSBAirbornePositionMessageV0::decodeImpl() {
    if (!ADSBAirbornePositionMessage::decodeImpl())
        return false;
    _singalAntena = bits::bit(data(), 7) != 0;
    if (listingFields())
        addField(ADSBMessageField(ADSBMessageField::SAF, 7, 1, adsbtext::flag(_singalAntena)));
    return true;
}

}  // namespace modes
}  // namespace brannic
