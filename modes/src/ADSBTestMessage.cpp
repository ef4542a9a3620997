#include <modes/ADSBTestMessage.h>

#include <cstdio>

#include <modes/Log.h>

#include "Bits.h"

namespace brannic {
namespace modes {

ADSBTestMessage::ADSBTestMessage() : ADSBMessage(TEST), _testData(6, '\0') {}

bool ADSBTestMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());

    _subtype = static_cast<uint8_t>(bits::field(me, 5, 7));
    if (_subtype != 0) {
        Log::log(Log::CRITICAL, "ADSBTestMsg", "Unknown Subtype=%u.", _subtype);
    }
    if (listingFields())
        addField(Field(Field::TEST_SUB_TYPE, 5, 3, std::to_string(_subtype)));

    _testData = data().substr(1, 6);
    char text[16];
    std::snprintf(text, sizeof(text), "%.2X%.2X%.2X%.2X%.2X%.2X", me[1], me[2], me[3], me[4], me[5],
                  me[6]);
    if (listingFields())
        addField(Field(Field::DATA, 8, 48, text));
    return true;
}

std::string ADSBTestMessage::description() const {
    return "TC=TEST, ST=" + std::to_string(_subtype);
}

}  // namespace modes
}  // namespace brannic
