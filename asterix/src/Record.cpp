// FSPEC handling, the generic item services, and data record and data block decode, encode
// and modify: the one engine that walks an FSPEC against a UAP.

#include <cstring>

#include "Frame.h"

namespace {

using ast::log;

constexpr ast_uap_t NO_UAP = {nullptr, nullptr};

ast_dataitem_t emptyItem(const uint8_t* data, ast_dataitem_type_t type) {
    return ast_dataitem_t{data, 0, type, 0};
}

// The first value of `values[0..count)` of type `type`, or nullptr.
const ast_dataitem_value_t* findValue(const ast_dataitem_value_t* values, uint64_t count,
                                      ast_dataitem_type_t type) {
    if (type == 0)
        return nullptr;
    if (count > AST_MAX_VALUES)
        count = AST_MAX_VALUES;
    for (uint64_t i = 0; i < count; ++i)
        if (values[i].type == type)
            return &values[i];
    return nullptr;
}

// The values of a record spec by item type, the first of each type winning (as a search in
// order would find it): a small open-addressed table, so that the FRN loops of the encoder
// look each FRN's type up in one probe or two instead of walking every value.
class ValueIndex {
public:
    ValueIndex(const ast_dataitem_value_t* values, uint64_t count) {
        std::memset(_slots, 0, sizeof _slots);
        if (count > AST_MAX_VALUES)
            count = AST_MAX_VALUES;
        for (uint64_t i = 0; i < count; ++i) {
            const ast_dataitem_type_t type = values[i].type;
            if (type == 0)
                continue;
            uint32_t slot = home(type);
            while (_slots[slot] && _slots[slot]->type != type)
                slot = (slot + 1) & kMask;
            if (!_slots[slot])
                _slots[slot] = &values[i];
        }
    }

    // The first value of `type`, or nullptr (always for type 0, a spare FRN).
    const ast_dataitem_value_t* find(ast_dataitem_type_t type) const {
        if (type == 0)
            return nullptr;
        for (uint32_t slot = home(type);; slot = (slot + 1) & kMask) {
            if (!_slots[slot] || _slots[slot]->type == type)
                return _slots[slot];
        }
    }

private:
    // Four times the most values a spec holds: never full, so every probe ends, and seldom
    // more than one probe. Item types of one category are close numbers (21010, 21015, ...):
    // a multiplicative hash spreads them.
    static constexpr uint32_t kSlots = 128;
    static constexpr uint32_t kMask = kSlots - 1;
    static_assert(kSlots > AST_MAX_VALUES, "the index must never fill");
    static uint32_t home(ast_dataitem_type_t type) { return (type * 0x9E3779B1u) >> 25; }
    const ast_dataitem_value_t* _slots[kSlots];
};

// The item decode of the record loop (the exported ast_dataitem_decode does the same).
inline ast_dataitem_t decodeItem(const uint8_t* data, uint64_t available,
                                 ast_dataitem_type_t type) {
    ast_dataitem_t item = emptyItem(data, type);
    const ast::ItemEntry* entry = ast::findItem(type);
    if (!entry) {
        log(AST_LOG_CRITICAL, "Unsupported dataitem %s", ast_dataitem_type_to_str(type));
        return item;
    }
    if (!entry->desc.get_size)
        return item;
    const uint64_t size = entry->desc.get_size(data, available);
    if (size == 0 || size > available)
        return item;
    item.size = size;
    item.ok = 1;
    return item;
}

// Decodes one record into *record. FRNs within the UAP's FRN count whose bit is clear are
// skipped without asking the UAP (no profile logs there); every other position the FSPEC covers
// is looked up, so an FSPEC longer than the UAP gives its "Undefined FRN" lines.
void decodeRecord(ast_datarecord_t* record, const uint8_t* data, uint64_t available,
                  uint32_t category, const ast_uap_t& uap) {
    record->data = data;
    record->length = 0;
    record->category = category;
    record->uap = uap;
    record->count = 0;
    record->ok = 0;
    record->fspec = ast_fspec_decode(data, available);
    if (!record->fspec.ok)
        return;
    const uint32_t maxFrn = uap.max_frn ? uap.max_frn(category) : 0;
    uint64_t pos = record->fspec.length;
    const uint64_t bits = record->fspec.bits;
    // The FRN bits octet by octet, the most significant first (bit 0 of each octet is FX).
    uint8_t octet = 0, mask = 0;
    for (uint64_t frn = 1; frn <= bits; ++frn, mask >>= 1) {
        if (mask == 0x01 || mask == 0) {
            octet = data[(frn - 1) / 7];
            mask = 0x80;
        }
        const bool set = (octet & mask) != 0;
        if (!set && frn <= maxFrn)
            continue;
        const ast_dataitem_type_t type =
            uap.get_dataitem ? uap.get_dataitem(category, static_cast<uint32_t>(frn)) : 0;
        if (!set)
            continue;
        if (record->count >= AST_MAX_DATAITEMS)
            return;
        const ast_dataitem_t item = decodeItem(data + pos, available - pos, type);
        if (!item.ok)
            return;
        record->items[record->count++] = item;
        pos += item.size;
    }
    record->length = pos;
    record->ok = 1;
}

void resetBlock(ast_datablock_t* block, const uint8_t* data, const ast_uap_t& uap) {
    block->data = data;
    block->length = 0;
    block->category = 0;
    block->uap = uap;
    block->records_data = data ? data + 3 : nullptr;
    block->records_length = 0;
    block->count = 0;
    block->ok = 0;
}

// CAT001 carries plots and tracks in one category: I001/020 (FRN 2, behind the two octets of
// I001/010) tells them apart by its TYP bit, and the two have different UAPs.
bool chooseCat001Uap(const uint8_t* record, uint64_t available, ast_uap_t* uap) {
    const ast_fspec_t fspec = ast_fspec_decode(record, available);
    if (!fspec.ok || !ast_fspec_is_set(&fspec, 2))
        return false;
    const uint64_t typOctet = fspec.length + 2;
    if (typOctet >= available)
        return false;
    *uap = (record[typOctet] & 0x80) ? AST_UAP_STANDARD : AST_UAP_CAT001_PLOT;
    return true;
}

// A block's walk: the header, then its records one by one. The one engine behind block decode,
// smart decode and the exported iterator.
ast_datablock_iter_t beginWalk(const uint8_t* data, uint64_t available, const ast_uap_t& uap) {
    ast_datablock_iter_t iter = {data, available, 0, 0, uap, 0, 3, 0, 1};
    if (!data || available < 3)
        return iter;
    iter.category = data[0];
    const uint64_t len = (static_cast<uint64_t>(data[1]) << 8) | data[2];
    if (len > available)
        return iter;
    iter.length = len;
    iter.failed = len < 3;
    return iter;
}

bool walkNext(ast_datablock_iter_t* iter, ast_datarecord_t* record) {
    if (iter->failed || iter->pos >= iter->length)
        return false;
    const uint8_t* at = iter->data + iter->pos;
    const uint64_t available = iter->available - iter->pos;
    ast_uap_t uap = iter->uap;
    if (iter->cat001_by_typ && iter->category == 1 && !chooseCat001Uap(at, available, &uap)) {
        // No TYP to choose by: the record fails where it stands, before its first item.
        record->data = at;
        record->length = 0;
        record->category = iter->category;
        record->uap = iter->uap;
        record->fspec = ast_fspec_decode(at, available);
        record->count = 0;
        record->ok = 0;
        iter->failed = 1;
        return false;
    }
    decodeRecord(record, at, available, iter->category, uap);
    if (!record->ok) {
        iter->failed = 1;
        return false;
    }
    iter->pos += record->length;
    ++iter->count;
    return true;
}

bool walkOk(const ast_datablock_iter_t& iter) {
    return !iter.failed && iter.pos == iter.length;
}

// Whether a walk, from where it stands, ends exactly at LEN (the walk is a copy).
bool walksThrough(ast_datablock_iter_t iter) {
    ast_datarecord_t scratch;
    while (walkNext(&iter, &scratch)) {
    }
    return walkOk(iter);
}

// The octets of a refused block that follow the PANIC line: enough to recognise the block, few
// enough (16 lines) that a log pane which keeps its last thousand lines still shows the PANIC.
constexpr uint64_t PANIC_DUMP_OCTETS = 256;

// The block engine: header, then records until LEN, at most 64 of them.
void decodeBlock(ast_datablock_t* block, const uint8_t* data, uint64_t available,
                 const ast_uap_t& uap, bool cat001ByTyp) {
    resetBlock(block, data, uap);
    ast_datablock_iter_t iter = beginWalk(data, available, uap);
    iter.cat001_by_typ = cat001ByTyp;
    block->category = iter.category;
    block->length = iter.length;
    if (iter.failed)
        return;
    block->records_length = iter.length - 3;
    ast_datarecord_t extra;
    for (;;) {
        ast_datarecord_t* target =
            block->count < AST_MAX_DATARECORDS ? &block->records[block->count] : &extra;
        if (!walkNext(&iter, target))
            break;
        if (target == &extra) {
            log(AST_LOG_PANIC, "Number of datarecords %d exceed limitation.",
                static_cast<int>(block->count + 1));
            ast::logDump(data, available, PANIC_DUMP_OCTETS);
            return;
        }
        ++block->count;
    }
    block->ok = walkOk(iter);
}

// The profiles smart decode tries after the cached one, in this order.
const ast_uap_t* const SMART_CANDIDATES[] = {
    &AST_UAP_STANDARD,     &AST_UAP_CAT001_PLOT,  &AST_UAP_CAT021_VER023, &AST_UAP_CAT021_VER026,
    &AST_UAP_CAT021_VER21, &AST_UAP_CAT021_VER24, &AST_UAP_RAYTHEON,      &AST_UAP_THALES};

// The UAP of the last successful guess, so that a stream of one kind decodes at once.
ast_uap_t g_smartCache = NO_UAP;

}  // namespace

extern "C" {

// ---- FSPEC -----------------------------------------------------------------------------------

ast_fspec_t ast_fspec_decode(const uint8_t* data, uint64_t available) {
    ast_fspec_t fspec = {data, 0, 0, 0, 0};
    if (!data)
        return fspec;
    uint64_t length = 0;
    do {
        if (length >= available)
            return fspec;
        ++length;
    } while (data[length - 1] & 0x01);
    fspec.length = length;
    fspec.bits = length * 7;
    uint64_t set = 0;
    for (uint64_t i = 0; i < length; ++i)
        set += static_cast<uint64_t>(__builtin_popcount(data[i] & 0xFE));
    fspec.set = set;
    fspec.ok = set > 0;
    return fspec;
}

bool ast_fspec_is_set(const ast_fspec_t* fspec, uint32_t frn) {
    if (!fspec || !fspec->ok || frn == 0 || frn > fspec->bits || !fspec->data)
        return false;
    const uint32_t index = frn - 1;
    return (fspec->data[index / 7] & (0x80u >> (index % 7))) != 0;
}

bool ast_fspec_set(uint8_t* buffer, uint64_t capacity, uint32_t frn, bool on) {
    if (!buffer || frn == 0)
        return false;
    const uint32_t index = frn - 1;
    const uint64_t octet = index / 7;
    if (capacity < octet + 1)
        return false;
    const uint8_t mask = static_cast<uint8_t>(0x80u >> (index % 7));
    buffer[octet] = on ? static_cast<uint8_t>(buffer[octet] | mask)
                       : static_cast<uint8_t>(buffer[octet] & ~mask);
    return true;
}

ast_fspec_t ast_fspec_copy(uint8_t* buffer, uint64_t capacity, const ast_fspec_t* fspec) {
    ast_fspec_t copy = {buffer, 0, 0, 0, 0};
    if (!fspec)
        return copy;
    copy.bits = fspec->bits;
    copy.set = fspec->set;
    if (fspec->ok && fspec->data && buffer && capacity >= fspec->length) {
        std::memmove(buffer, fspec->data, fspec->length);
        copy.length = fspec->length;
        copy.ok = fspec->ok;
    }
    return copy;
}

// ---- items -------------------------------------------------------------------------------

ast_dataitem_desc_t ast_dataitem_get_desc(ast_dataitem_type_t type) {
    const ast::ItemEntry* entry = ast::supportedItem(type);
    return entry ? entry->desc : ast_dataitem_desc_t{nullptr, nullptr, nullptr, nullptr, nullptr};
}

uint64_t ast_dataitem_get_size(const uint8_t* data, uint64_t available, ast_dataitem_type_t type) {
    if (!data)
        return 0;
    const ast_dataitem_desc_t desc = ast_dataitem_get_desc(type);
    return desc.get_size ? desc.get_size(data, available) : 0;
}

ast_dataitem_t ast_dataitem_decode(const uint8_t* data, uint64_t available,
                                   ast_dataitem_type_t type) {
    if (!data)
        return emptyItem(data, type);
    return decodeItem(data, available, type);
}

ast_dataitem_t ast_dataitem_encode(uint8_t* buffer, uint64_t capacity,
                                   const ast_dataitem_value_t* value) {
    ast_dataitem_t item = emptyItem(buffer, value ? value->type : 0);
    if (!buffer || !value)
        return item;
    const ast::ItemEntry* entry = ast::findItem(value->type);
    if (!entry || !entry->desc.encode) {
        log(AST_LOG_WARNING, "Enconding function not implemented for dataitem %s.",
            ast_dataitem_type_to_str(value->type));
        return item;
    }
    const ast_dataitem_t encoded = entry->desc.encode(buffer, capacity, value);
    // An encoder never reports more than it was allowed to write.
    if (encoded.ok && encoded.size > capacity)
        return item;
    return encoded;
}

ast_dataitem_t ast_dataitem_copy(uint8_t* buffer, uint64_t capacity, const ast_dataitem_t* source) {
    ast_dataitem_t item = emptyItem(buffer, 0);
    if (!buffer || !source || !source->ok || !source->data || source->size > capacity)
        return item;
    std::memmove(buffer, source->data, source->size);
    item.size = source->size;
    item.type = source->type;
    item.ok = source->ok;
    return item;
}

// ---- records -------------------------------------------------------------------------------

ast_datarecord_t ast_datarecord_decode(const uint8_t* data, uint64_t available, uint32_t category,
                                       const ast_uap_t* uap) {
    ast_datarecord_t record;
    decodeRecord(&record, data, available, category, uap ? *uap : NO_UAP);
    return record;
}

ast_datarecord_t ast_datarecord_encode(uint8_t* buffer, uint64_t capacity,
                                       const ast_datarecord_spec_t* spec) {
    ast_datarecord_t record;
    record.data = buffer;
    record.length = 0;
    record.category = spec ? spec->category : 0;
    record.uap = spec ? spec->uap : NO_UAP;
    record.fspec = ast_fspec_t{buffer, 0, 0, 0, 0};
    // The item list stays empty (count still tells how many values the spec held), but it is
    // written: callers must never find uninitialised memory in a result.
    std::memset(record.items, 0, sizeof record.items);
    record.count = spec ? spec->count : 0;
    record.ok = 0;
    if (!buffer || !spec)
        return record;
    const ast_uap_t& uap = spec->uap;
    const uint32_t n = uap.max_frn ? uap.max_frn(spec->category) : 0;
    if (n == 0 || !uap.get_dataitem) {
        log(AST_LOG_DEBUG, "Failed to encode FSPEC.");
        return record;
    }
    const ValueIndex values(spec->values, spec->count);
    // Every FSPEC octet the profile can use starts clear: a profile whose FRN count ends inside
    // an octet (edition 0.23 of CAT021 ends at FRN 26) would otherwise leave the bits of the
    // FRNs behind it as the buffer held them.
    const uint64_t fspecOctets = (uint64_t{n} + 6) / 7;
    std::memset(buffer, 0, fspecOctets < capacity ? fspecOctets : capacity);
    // The FSPEC, noting each FRN's value in FRN order for the items that follow it (a profile
    // that gives one type to several FRNs may list more than a record holds; those are looked
    // up again below).
    const ast_dataitem_value_t* inOrder[AST_MAX_DATAITEMS];
    uint32_t listed = 0;
    bool overflow = false;
    uint64_t fspecLength = 0;
    for (uint32_t frn = 1; frn <= n; ++frn) {
        const ast_dataitem_value_t* value = values.find(uap.get_dataitem(spec->category, frn));
        if (!value)
            continue;
        const uint64_t octet = (frn - 1) / 7;
        if (octet >= capacity) {
            log(AST_LOG_DEBUG, "Failed to encode FSPEC.");
            return record;
        }
        buffer[octet] = static_cast<uint8_t>(buffer[octet] | (0x80u >> ((frn - 1) % 7)));
        fspecLength = octet + 1;
        if (listed < AST_MAX_DATAITEMS)
            inOrder[listed++] = value;
        else
            overflow = true;
    }
    if (fspecLength == 0) {
        log(AST_LOG_DEBUG, "Failed to encode FSPEC.");
        return record;
    }
    for (uint64_t i = 0; i + 1 < fspecLength; ++i)
        buffer[i] |= 0x01;
    buffer[fspecLength - 1] &= 0xFE;
    uint64_t pos = fspecLength;
    auto encodeItem = [&](const ast_dataitem_value_t* value) {
        const ast_dataitem_t item = ast_dataitem_encode(buffer + pos, capacity - pos, value);
        if (!item.ok) {
            log(AST_LOG_DEBUG, "Failed to encode dataitem %s.",
                ast_dataitem_type_to_str(value->type));
            return false;
        }
        pos += item.size;
        return true;
    };
    if (!overflow) {
        for (uint32_t i = 0; i < listed; ++i)
            if (!encodeItem(inOrder[i]))
                return record;
    } else {
        for (uint32_t frn = 1; frn <= n; ++frn) {
            const ast_dataitem_value_t* value = values.find(uap.get_dataitem(spec->category, frn));
            if (value && !encodeItem(value))
                return record;
        }
    }
    record.length = pos;
    record.ok = 1;
    return record;
}

ast_datarecord_t ast_datarecord_modify(uint8_t* buffer, uint64_t capacity,
                                       const ast_datarecord_t* source,
                                       const ast_dataitem_mods_t* mods) {
    ast_datarecord_t record;
    record.data = buffer;
    record.length = 0;
    record.category = source ? source->category : 0;
    record.uap = source ? source->uap : NO_UAP;
    record.fspec = ast_fspec_t{buffer, 0, 0, 0, 0};
    record.count = 0;
    record.ok = 0;
    if (!source)
        return record;
    record.fspec = ast_fspec_copy(buffer, capacity, &source->fspec);
    if (!record.fspec.ok)
        return record;
    uint64_t pos = record.fspec.length;
    const uint64_t count =
        source->count < uint64_t{AST_MAX_DATAITEMS} ? source->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i) {
        const ast_dataitem_t& original = source->items[i];
        const ast_dataitem_value_t* value =
            mods ? findValue(mods->values, mods->count, original.type) : nullptr;
        const ast_dataitem_t item =
            value ? ast_dataitem_encode(buffer + pos, capacity - pos, value)
                  : ast_dataitem_copy(buffer + pos, capacity - pos, &original);
        if (!item.ok)
            return record;
        record.items[record.count++] = item;
        pos += item.size;
    }
    record.length = pos;
    record.ok = 1;
    return record;
}

ast_datarecord_t ast_datarecord_copy(uint8_t* buffer, uint64_t capacity,
                                     const ast_datarecord_t* source) {
    ast_datarecord_t record;
    record.data = buffer;
    record.length = 0;
    record.category = source ? source->category : 0;
    record.uap = source ? source->uap : NO_UAP;
    record.fspec = ast_fspec_t{buffer, 0, 0, 0, 0};
    record.count = 0;
    record.ok = 0;
    if (!source || !buffer || !source->ok || capacity < source->length)
        return record;
    record.fspec = ast_fspec_copy(buffer, capacity, &source->fspec);
    if (!record.fspec.ok)
        return record;
    uint64_t pos = record.fspec.length;
    const uint64_t count =
        source->count < uint64_t{AST_MAX_DATAITEMS} ? source->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i) {
        const ast_dataitem_t item =
            ast_dataitem_copy(buffer + pos, capacity - pos, &source->items[i]);
        if (!item.ok)
            return record;
        record.items[record.count++] = item;
        pos += item.size;
    }
    if (pos != source->length)
        return record;
    record.length = pos;
    record.ok = 1;
    return record;
}

// ---- blocks --------------------------------------------------------------------------------

void ast_datablock_decode_into(ast_datablock_t* block, const uint8_t* data, uint64_t available,
                               const ast_uap_t* uap) {
    if (!block)
        return;
    decodeBlock(block, data, available, uap ? *uap : NO_UAP, false);
}

ast_datablock_t ast_datablock_decode(const uint8_t* data, uint64_t available,
                                     const ast_uap_t* uap) {
    ast_datablock_t block;
    ast_datablock_decode_into(&block, data, available, uap);
    return block;
}

void ast_datablock_smart_decode_into(ast_datablock_t* block, const uint8_t* data,
                                     uint64_t available) {
    if (!block)
        return;
    if (!data || available < 3) {
        resetBlock(block, data, NO_UAP);
        return;
    }
    if (data[0] == 1) {
        decodeBlock(block, data, available, AST_UAP_STANDARD, true);
        if (block->ok)
            return;
    }
    if (!g_smartCache.get_dataitem)
        g_smartCache = AST_UAP_STANDARD;
    decodeBlock(block, data, available, g_smartCache, false);
    if (block->ok)
        return;
    for (const ast_uap_t* candidate : SMART_CANDIDATES) {
        g_smartCache = *candidate;
        decodeBlock(block, data, available, *candidate, false);
        if (block->ok)
            return;
    }
}

ast_datablock_iter_t ast_datablock_iter_begin(const uint8_t* data, uint64_t available,
                                              const ast_uap_t* uap) {
    return beginWalk(data, available, uap ? *uap : NO_UAP);
}

ast_datablock_iter_t ast_datablock_iter_smart_begin(const uint8_t* data, uint64_t available) {
    if (!data || available < 3)
        return beginWalk(data, available, NO_UAP);
    ast_datablock_iter_t iter;
    if (data[0] == 1) {
        iter = beginWalk(data, available, AST_UAP_STANDARD);
        iter.cat001_by_typ = 1;
        if (walksThrough(iter))
            return iter;
    }
    if (!g_smartCache.get_dataitem)
        g_smartCache = AST_UAP_STANDARD;
    iter = beginWalk(data, available, g_smartCache);
    if (walksThrough(iter))
        return iter;
    for (const ast_uap_t* candidate : SMART_CANDIDATES) {
        g_smartCache = *candidate;
        iter = beginWalk(data, available, *candidate);
        if (walksThrough(iter))
            return iter;
    }
    return iter;
}

bool ast_datablock_iter_next(ast_datablock_iter_t* iter, ast_datarecord_t* record) {
    return iter && record && walkNext(iter, record);
}

bool ast_datablock_iter_ok(const ast_datablock_iter_t* iter) {
    return iter && walkOk(*iter);
}

ast_datablock_t ast_datablock_smart_decode(const uint8_t* data, uint64_t available) {
    ast_datablock_t block;
    ast_datablock_smart_decode_into(&block, data, available);
    return block;
}

ast_datablock_t ast_datablock_encode(uint8_t* buffer, uint64_t capacity,
                                     const ast_datablock_spec_t* spec) {
    ast_datablock_t block;
    resetBlock(&block, buffer, spec ? spec->uap : NO_UAP);
    // Records that are not encoded (all of them when the spec is refused) read as zero.
    std::memset(block.records, 0, sizeof block.records);
    block.length = 3;
    if (!spec || !buffer)
        return block;
    block.category = spec->category;
    block.count = spec->count;
    if (spec->count < 1 || spec->count > AST_MAX_DATARECORDS || capacity < 3)
        return block;
    uint64_t pos = 3;
    for (uint64_t i = 0; i < spec->count; ++i) {
        if (spec->records[i].category != spec->category)
            return block;
        const ast_datarecord_t record =
            ast_datarecord_encode(buffer + pos, capacity - pos, &spec->records[i]);
        if (!record.ok)
            return block;
        block.records[i] = record;
        pos += record.length;
    }
    if (pos > AST_MAX_BLOCK_LENGTH)
        return block;
    buffer[0] = static_cast<uint8_t>(spec->category);
    buffer[1] = static_cast<uint8_t>(pos >> 8);
    buffer[2] = static_cast<uint8_t>(pos);
    block.length = pos;
    block.records_length = pos - 3;
    block.ok = 1;
    return block;
}

ast_datablock_t ast_datablock_modify(uint8_t* buffer, uint64_t capacity,
                                     const ast_datablock_t* source,
                                     const ast_dataitem_mods_t* mods) {
    ast_datablock_t block;
    resetBlock(&block, buffer, source ? source->uap : NO_UAP);
    if (!source || !source->ok || !buffer || capacity < 3)
        return block;
    block.category = source->category;
    uint64_t pos = 0;
    const uint64_t count = source->count < uint64_t{AST_MAX_DATARECORDS}
                               ? source->count
                               : uint64_t{AST_MAX_DATARECORDS};
    for (uint64_t i = 0; i < count; ++i) {
        block.records[i] =
            ast_datarecord_modify(buffer + 3 + pos, capacity - 3 - pos, &source->records[i], mods);
        if (!block.records[i].ok)
            return block;
        block.count = i + 1;
        pos += block.records[i].length;
    }
    if (pos + 3 > AST_MAX_BLOCK_LENGTH)
        return block;
    buffer[0] = static_cast<uint8_t>(source->category);
    buffer[1] = static_cast<uint8_t>((pos + 3) >> 8);
    buffer[2] = static_cast<uint8_t>(pos + 3);
    block.length = pos + 3;
    block.records_length = pos;
    block.ok = 1;
    return block;
}

}  // extern "C"
