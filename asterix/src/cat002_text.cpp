// CAT002: summaries of the category-specific items.

#include "ItemCodec.h"
#include "Text.h"

extern "C" {

// Message types of the category: 1 north marker, 2 sector crossing, 3 south marker, 8 start and
// 9 stop of blind zone filtering.
char* ast_dataitem_002_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    static const struct {
        uint32_t type;
        const char* text;
    } TYPES[] = {{1, "MSG_TYPE:NORTH_MARKER"},
                 {2, "MSG_TYPE:SECTOR_CORSSING"},
                 {3, "MSG_TYPE:SOUTH_MARKER"},
                 {8, "MSG_TYPE:BLIND_ZONE_START"},
                 {9, "MSG_TYPE:BLIND_ZONE_STOP"}};
    ast::Text out(buffer, capacity);
    const char* text = "MSG_TYPE:UNDEFINED";
    if (ast::sized(item, 1, 2000))
        for (const auto& entry : TYPES)
            if (entry.type == item->data[0])
                text = entry.text;
    out.append(text);
    return buffer;
}

}  // extern "C"
