#ifndef ASTERIX_SRC_ITEMCODEC_H
#define ASTERIX_SRC_ITEMCODEC_H

// What every item decoder and encoder checks first: that a decoded item has the form's size
// (and type, for the category-specific forms), and that an encoder was given a form with its
// present flag set and room for its octets. Encoders never write before these checks pass.

#include <cstdint>

#include <asterix/asterix.h>

namespace ast {

// True when the item is ok and exactly `size` octets long.
inline bool sized(const ast_dataitem_t* item, uint64_t size) {
    return item && item->ok && item->data && item->size == size;
}

// True when the item is ok, exactly `size` octets long and of type `type`.
inline bool sized(const ast_dataitem_t* item, uint64_t size, ast_dataitem_type_t type) {
    return sized(item, size) && item->type == type;
}

// True when the item is ok, `min` to `max` octets long and of type `type` (extensible items).
inline bool sizedWithin(const ast_dataitem_t* item, uint64_t min, uint64_t max,
                        ast_dataitem_type_t type) {
    return item && item->ok && item->data && item->size >= min && item->size <= max &&
           item->type == type;
}

// The decoded form behind an encoder's value, when its present flag is set.
template <typename T>
const T* formOf(const ast_dataitem_value_t* value) {
    if (!value || !value->value)
        return nullptr;
    const T* form = static_cast<const T*>(value->value);
    return form->present ? form : nullptr;
}

// Common encoder entry: the form, when there is room for `size` octets.
template <typename T>
const T* prepare(uint8_t* buffer, uint64_t capacity, const ast_dataitem_value_t* value,
                 uint64_t size) {
    if (!buffer || capacity < size)
        return nullptr;
    return formOf<T>(value);
}

inline ast_dataitem_t failed(uint8_t* buffer, const ast_dataitem_value_t* value) {
    return ast_dataitem_t{buffer, 0, value ? value->type : 0, 0};
}

inline ast_dataitem_t written(uint8_t* buffer, uint64_t size, const ast_dataitem_value_t* value) {
    return ast_dataitem_t{buffer, size, value->type, 1};
}

// Writes an extensible item from its octets (FX bits clear): trailing all-zero extensions are
// left out, FX is set on every octet but the last. Fails, writing nothing, when the octets that
// remain do not fit the capacity.
inline ast_dataitem_t writeExtensible(uint8_t* buffer, uint64_t capacity,
                                      const ast_dataitem_value_t* value, const uint8_t* octets,
                                      uint64_t count) {
    uint64_t size = count;
    while (size > 1 && octets[size - 1] == 0)
        --size;
    if (!buffer || capacity < size)
        return failed(buffer, value);
    for (uint64_t i = 0; i < size; ++i)
        buffer[i] = static_cast<uint8_t>(octets[i] | (i + 1 < size ? 0x01 : 0x00));
    return written(buffer, size, value);
}

}  // namespace ast

#endif  // ASTERIX_SRC_ITEMCODEC_H
