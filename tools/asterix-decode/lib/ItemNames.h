#ifndef ASTERIX_DECODE_ITEMNAMES_H
#define ASTERIX_DECODE_ITEMNAMES_H

// Item names ("I048/010") as the library writes them, kept per type: a record's lines name the
// same few dozen item types over and over, and the library writes each name anew.

#include <cstddef>
#include <cstdint>

#include <asterix/asterix.h>

namespace asterixdecode {

class ItemNames {
public:
    struct Name {
        uint32_t type = NONE;
        uint32_t length = 0;
        char text[32] = {};  // the library's names are shorter
    };

    // The name of a type; valid until the next call.
    const Name& of(ast_dataitem_type_t type) {
        Name& slot = _slots[type % SLOTS];
        if (slot.type != type)
            fill(slot, type);
        return slot;
    }

private:
    static constexpr uint32_t NONE = 0xFFFFFFFFu;  // no item type is that large
    static constexpr size_t SLOTS = 256;
    static void fill(Name& slot, ast_dataitem_type_t type);

    Name _slots[SLOTS];
};

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_ITEMNAMES_H
