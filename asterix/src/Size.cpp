// The size engine: every way an ASTERIX item announces its length (fixed, repetitive,
// extensible, length octet, compound), and the services of compound items.

#include "Frame.h"

namespace {

using ast::log;

// Extensible field of one-octet parts, each ending with FX (bit 1); at most `max` octets.
// FX set on the last allowed octet announces a part that the layout does not have: the item
// cannot be sized (0). Cutting it at `max` would read the rest of the record from the wrong
// octets while reporting success, and data of a newer edition with a longer item would decode
// to wrong values instead of failing.
uint64_t extensibleSize(const uint8_t* data, uint64_t available, uint64_t max,
                        const char* exceedLine) {
    if (!data)
        return 0;
    for (uint64_t octet = 1;; ++octet) {
        if (octet > available)
            return 0;
        if (!(data[octet - 1] & 0x01))
            return octet;
        if (octet >= max) {
            log(AST_LOG_CRITICAL, exceedLine, static_cast<int>(max));
            return 0;
        }
    }
}

// Subfields defined per compound item (item type, count).
constexpr struct {
    ast_dataitem_type_t type;
    uint32_t count;
} SUBFIELD_COUNTS[] = {
    {4100, 6},   {4120, 4},   {4170, 10}, {4171, 10},  {21110, 2},  {21220, 4},
    {21295, 23}, {34050, 7},  {34060, 7}, {48120, 2},  {48130, 7},  {62110, 7},
    {62290, 10}, {62295, 31}, {62340, 6}, {62380, 28}, {62390, 18}, {62500, 8},
};

uint32_t subfieldCount(ast_dataitem_type_t type) {
    for (const auto& entry : SUBFIELD_COUNTS)
        if (entry.type == type)
            return entry.count;
    return 0;
}

}  // namespace

extern "C" {

// ---- fixed -----------------------------------------------------------------------------------

uint64_t ast_dataitem_get_size_fixed(const uint8_t* data, uint64_t available, uint64_t n) {
    return data && n > 0 && available >= n ? n : 0;
}

#define AST_FIXED(n)                                                                           \
    uint64_t ast_dataitem_get_size_fixed_##n##_byte(const uint8_t* data, uint64_t available) { \
        return ast_dataitem_get_size_fixed(data, available, n);                                \
    }
AST_FIXED(1)
AST_FIXED(2)
AST_FIXED(3)
AST_FIXED(4)
AST_FIXED(5)
AST_FIXED(6)
AST_FIXED(7)
AST_FIXED(8)
AST_FIXED(9)
AST_FIXED(12)
#undef AST_FIXED

// ---- repetitive ------------------------------------------------------------------------------

uint64_t ast_dataitem_get_size_repeat(const uint8_t* data, uint64_t available, uint64_t n) {
    if (!data || available == 0)
        return 0;
    const uint64_t size = 1 + static_cast<uint64_t>(data[0]) * n;
    return available >= size ? size : 0;
}

#define AST_REPEAT(n)                                                                        \
    uint64_t ast_dataitem_get_size_rep_##n##_byte(const uint8_t* data, uint64_t available) { \
        return ast_dataitem_get_size_repeat(data, available, n);                             \
    }
AST_REPEAT(1)
AST_REPEAT(2)
AST_REPEAT(3)
AST_REPEAT(4)
AST_REPEAT(8)
AST_REPEAT(15)
AST_REPEAT(64)
AST_REPEAT(256)
#undef AST_REPEAT

// ---- extensible ------------------------------------------------------------------------------

uint64_t ast_dataitem_get_size_variable(const uint8_t* data, uint64_t available, uint64_t max) {
    return extensibleSize(data, available, max, "Dataitem length exceed max: %d");
}

#define AST_VARIABLE(n)                                                                      \
    uint64_t ast_dataitem_get_size_var_##n##_byte(const uint8_t* data, uint64_t available) { \
        return ast_dataitem_get_size_variable(data, available, n);                           \
    }
AST_VARIABLE(1)
AST_VARIABLE(2)
AST_VARIABLE(3)
AST_VARIABLE(4)
AST_VARIABLE(5)
AST_VARIABLE(6)
AST_VARIABLE(23)
#undef AST_VARIABLE

uint64_t ast_dataitem_get_size_var_unlimited(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_variable(data, available, 999);
}

uint64_t ast_subfield_get_size_variable(const uint8_t* data, uint64_t available, uint64_t max) {
    return extensibleSize(data, available, max, "Subfield length exceed max: %d");
}

// ---- length octet ----------------------------------------------------------------------------

static uint64_t lengthOctetSize(const uint8_t* data, uint64_t available) {
    if (!data || available == 0 || data[0] == 0 || data[0] > available)
        return 0;
    return data[0];
}

uint64_t ast_dataitem_special_purpose_field_get_size(const uint8_t* data, uint64_t available) {
    return lengthOctetSize(data, available);
}

uint64_t ast_dataitem_reserved_expansion_field_get_size(const uint8_t* data, uint64_t available) {
    return lengthOctetSize(data, available);
}

// ---- compound --------------------------------------------------------------------------------

uint32_t ast_dataitem_subfields_get_number(ast_dataitem_type_t type) {
    const uint32_t count = subfieldCount(type);
    if (count == 0)
        log(AST_LOG_CRITICAL, "Undefined Subfield %s", ast_dataitem_type_to_str(type));
    return count;
}

uint64_t ast_subfield_get_size(const uint8_t* data, uint64_t available, uint32_t subfieldType) {
    const ast::SubfieldEntry* entry = ast::findSubfield(subfieldType);
    return entry && entry->desc.get_size && data ? entry->desc.get_size(data, available) : 0;
}

uint64_t ast_dataitem_subfields_get_size(const uint8_t* data, uint64_t available,
                                         ast_dataitem_type_t type) {
    const ast_fspec_t primary = ast_fspec_decode(data, available);
    if (!primary.ok)
        return 0;
    uint64_t size = primary.length;
    for (uint32_t index = 1; index <= primary.bits; ++index) {
        if (!((primary.data[(index - 1) / 7] >> (7 - (index - 1) % 7)) & 1))
            continue;
        if (size > available)
            return 0;
        // A subfield without a size rule, or one that cannot be sized (too few octets), fails
        // the item: counting it as empty would misalign everything behind it.
        const ast::SubfieldEntry* entry = ast::findSubfield(type * 1000 + index);
        if (!entry || !entry->desc.get_size)
            return 0;
        const uint64_t part = entry->desc.get_size(data + size, available - size);
        if (part == 0)
            return 0;
        size += part;
    }
    return size <= available ? size : 0;
}

ast_dataitem_subfields_t ast_dataitem_subfields_decode(const ast_dataitem_t* item) {
    ast_dataitem_subfields_t compound = {};
    if (!item || !item->ok || !item->data)
        return compound;
    const uint32_t defined = ast_dataitem_subfields_get_number(item->type);
    compound.primary = ast_fspec_decode(item->data, item->size);
    if (!compound.primary.ok)
        return compound;
    compound.present = 1;
    uint64_t pos = compound.primary.length;
    for (uint32_t index = 1;
         index <= compound.primary.bits && index <= defined && index <= AST_MAX_SUBFIELDS;
         ++index) {
        ast_subfield_t& entry = compound.subfields[compound.count++];
        entry.type = item->type * 1000 + index;
        entry.defined = 1;
        if (!ast_fspec_is_set(&compound.primary, index))
            continue;
        const uint64_t available = pos <= item->size ? item->size - pos : 0;
        const uint64_t size = ast_subfield_get_size(item->data + pos, available, entry.type);
        entry.present = 1;
        entry.data = item->data + (pos <= item->size ? pos : item->size);
        entry.size = size;
        pos += size;
    }
    return compound;
}

}  // extern "C"
