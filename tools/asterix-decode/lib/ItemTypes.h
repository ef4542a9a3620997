#ifndef ASTERIX_DECODE_ITEMTYPES_H
#define ASTERIX_DECODE_ITEMTYPES_H

// What the text of an item needs of its type, kept per type: its name ("I048/010") as the
// library writes it and its summary writer. A record's lines name the same few dozen item types
// over and over, and the library would write each name and look up each writer anew.

#include <cstddef>
#include <cstdint>

#include <asterix/asterix.h>

namespace asterixdecode {

class ItemTypes {
public:
    struct Type {
        uint32_t type = NONE;
        uint32_t length = 0;  // of the name
        char name[32] = {};   // the library's names are shorter
        ast_item_text_fn summary = nullptr;
    };

    // The entry of a type; valid until the next call.
    const Type& of(ast_dataitem_type_t type) {
        Type& slot = _slots[type % SLOTS];
        if (slot.type != type)
            fill(slot, type);
        return slot;
    }

    // What ast_dataitem_get_summary() writes, from the kept writer: "NOT_IMPLEMENTED" unless the
    // item is whole and its type has a writer. capacity is at least 16.
    static void writeSummary(const Type& type, char* buffer, size_t capacity,
                             const ast_dataitem_t& item);

private:
    static constexpr uint32_t NONE = 0xFFFFFFFFu;  // no item type is that large
    static constexpr size_t SLOTS = 256;
    static void fill(Type& slot, ast_dataitem_type_t type);

    Type _slots[SLOTS];
};

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_ITEMTYPES_H
