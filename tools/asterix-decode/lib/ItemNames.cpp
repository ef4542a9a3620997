#include "ItemNames.h"

#include <cstring>

namespace asterixdecode {

void ItemNames::fill(Name& slot, ast_dataitem_type_t type) {
    const char* text = ast_dataitem_type_to_str(type);
    size_t length = std::strlen(text);
    if (length >= sizeof slot.text)
        length = sizeof slot.text - 1;
    std::memcpy(slot.text, text, length);
    slot.text[length] = '\0';
    slot.length = static_cast<uint32_t>(length);
    slot.type = type;
}

}  // namespace asterixdecode
