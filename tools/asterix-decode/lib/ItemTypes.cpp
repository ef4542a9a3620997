#include "ItemTypes.h"

#include <cstring>

namespace asterixdecode {

void ItemTypes::fill(Type& slot, ast_dataitem_type_t type) {
    const char* name = ast_dataitem_type_to_str(type);
    size_t length = std::strlen(name);
    if (length >= sizeof slot.name)
        length = sizeof slot.name - 1;
    std::memcpy(slot.name, name, length);
    slot.name[length] = '\0';
    slot.length = static_cast<uint32_t>(length);
    slot.summary = ast_dataitem_get_desc(type).get_summary;
    slot.type = type;
}

void ItemTypes::writeSummary(const Type& type, char* buffer, size_t capacity,
                             const ast_dataitem_t& item) {
    static const char NOT_IMPLEMENTED[] = "NOT_IMPLEMENTED";
    static_assert(sizeof NOT_IMPLEMENTED <= 16, "the capacity holds the whole word");
    std::memcpy(buffer, NOT_IMPLEMENTED, sizeof NOT_IMPLEMENTED);
    if (item.ok && type.summary)
        type.summary(buffer, capacity, &item);
}

}  // namespace asterixdecode
