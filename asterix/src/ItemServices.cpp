// The generic services of items and subfields: names, summaries, detail views, hex and binary
// texts, each dispatched through the type's descriptor or subfield entry.

#include <cstdio>

#include "Frame.h"

namespace {

using ast::log;
using ast::Text;
namespace html = ast::html;

}  // namespace

extern "C" {

// ---- generic text services -----------------------------------------------------------------

// An item without a name of its own gets its category's text for one ("Unknown CAT001
// Dataitem"), and the line that says so.
const char* ast_dataitem_get_name(ast_dataitem_type_t type) {
    const ast::ItemEntry* entry = ast::findItem(type);
    if (entry && entry->name)
        return entry->name;
    log(AST_LOG_WARNING, "Unknown dataitem name: %s.", ast_dataitem_type_to_str(type));
    return entry && entry->desc.get_name ? entry->desc.get_name(type) : "";
}

char* ast_dataitem_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    ast::writeNotImplemented(buffer, capacity);
    if (!buffer || capacity == 0 || !item || !item->ok)
        return buffer;
    const ast::ItemEntry* entry = ast::supportedItem(item->type);
    if (entry && entry->desc.get_summary)
        entry->desc.get_summary(buffer, capacity, item);
    return buffer;
}

char* ast_dataitem_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!buffer || capacity == 0 || !item || !item->ok)
        return buffer;
    const ast_dataitem_desc_t desc = ast_dataitem_get_desc(item->type);
    if (desc.get_detail_html)
        desc.get_detail_html(buffer, capacity, item);
    return buffer;
}

char* ast_dataitem_get_detail_html_dummy(char* buffer, size_t capacity, const ast_dataitem_t*) {
    Text out(buffer, capacity);
    return buffer;
}

char* ast_bds_get_detail_html_dummy(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
}

char* ast_dataitem_get_hex_str(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data)
        return buffer;
    for (uint64_t i = 0; i < item->size; ++i)
        out.printf("%.2X", item->data[i]);
    return buffer;
}

char* ast_dataitem_get_bin_str(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data)
        return buffer;
    char octet[9];
    for (uint64_t i = 0; i < item->size; ++i) {
        ast::binaryOctet(item->data[i], octet);
        if (i == 0)
            out.append(octet);
        else
            out.printf(" %s", octet);
    }
    return buffer;
}

char* ast_dataitem_get_hex_html(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (item && item->ok && item->data)
        html::hexTable(out, item->data, item->size);
    return buffer;
}

char* ast_dataitem_get_bin_html(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (item && item->ok && item->data)
        html::binTable(out, item->data, item->size);
    return buffer;
}

char* ast_subfield_get_bin_html(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (subfield && subfield->present && subfield->data)
        html::binTable(out, subfield->data, subfield->size);
    return buffer;
}

char* ast_datarecord_get_hex_html(char* buffer, size_t capacity, const ast_datarecord_t* record) {
    Text out(buffer, capacity);
    if (record && record->ok && record->data)
        html::hexTable(out, record->data, record->length);
    return buffer;
}

char* ast_datarecord_get_detail_html(char* buffer, size_t capacity,
                                     const ast_datarecord_t* record) {
    Text out(buffer, capacity);
    if (!record)
        return buffer;
    html::tableBegin(out);
    html::headerRow(out, "Dataitem", "Name", "Size", "Summary", html::END_OF_ROW);
    const uint64_t count =
        record->count < uint64_t{AST_MAX_DATAITEMS} ? record->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i) {
        const ast_dataitem_t& item = record->items[i];
        char type[16], size[24], summary[256];
        std::snprintf(type, sizeof type, "%s", ast_dataitem_type_to_str(item.type));
        std::snprintf(size, sizeof size, "%.2zu", static_cast<size_t>(item.size));
        ast_dataitem_get_summary(summary, sizeof summary, &item);
        html::dataRow(out, type, ast_dataitem_get_name(item.type), size, summary,
                      html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

// ---- subfields -----------------------------------------------------------------------------

const char* ast_subfield_get_id(uint32_t subfieldType) {
    const ast::SubfieldEntry* entry = ast::findSubfield(subfieldType);
    return entry && entry->desc.id ? entry->desc.id : "";
}

const char* ast_subfield_get_name(uint32_t subfieldType) {
    const ast::SubfieldEntry* entry = ast::findSubfield(subfieldType);
    return entry && entry->desc.name ? entry->desc.name : "";
}

char* ast_subfield_get_summary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    ast::writeNotImplemented(buffer, capacity);
    if (!subfield)
        return buffer;
    const ast::SubfieldEntry* entry = ast::findSubfield(subfield->type);
    if (!entry || !entry->desc.get_summary) {
        log(AST_LOG_CRITICAL, "Unsupported Subfield type %d", static_cast<int>(subfield->type));
        return buffer;
    }
    if (subfield->present && subfield->data)
        entry->desc.get_summary(buffer, capacity, subfield);
    return buffer;
}

char* ast_subfield_get_detail_html(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (!subfield || !subfield->present || !subfield->data)
        return buffer;
    const ast::SubfieldEntry* entry = ast::findSubfield(subfield->type);
    if (entry && entry->desc.get_detail_html)
        entry->desc.get_detail_html(buffer, capacity, subfield);
    return buffer;
}

char* ast_dataitem_subfields_get_summary(char* buffer, size_t capacity,
                                         const ast_dataitem_t* item) {
    // The subfields that ast_dataitem_subfields_decode() lists and those of them present, counted
    // from the primary subfield alone: the summary needs no subfield's size.
    Text out(buffer, capacity);
    unsigned listed = 0, present = 0;
    if (item && item->ok && item->data) {
        const uint32_t defined = ast_dataitem_subfields_get_number(item->type);
        const ast_fspec_t primary = ast_fspec_decode(item->data, item->size);
        if (primary.ok)
            for (uint32_t index = 1;
                 index <= primary.bits && index <= defined && index <= AST_MAX_SUBFIELDS; ++index) {
                ++listed;
                present += (primary.data[(index - 1) / 7] >> (7 - (index - 1) % 7)) & 1;
            }
    }
    out.append("SUBFIELDS:");
    out.appendDecimal(present, 2);
    out.append('/');
    out.appendDecimal(listed, 2);
    return buffer;
}

char* ast_dataitem_subfields_get_detail_html(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
    char summary[256];
    for (uint64_t i = 0; i < compound.count; ++i) {
        const ast_subfield_t& subfield = compound.subfields[i];
        if (!subfield.present)
            continue;
        html::heading(out, "%s", ast_subfield_get_name(subfield.type));
        html::paragraph(out, "Size: %llu", static_cast<unsigned long long>(subfield.size));
        html::paragraph(out, "%s", ast_subfield_get_summary(summary, sizeof summary, &subfield));
        ast_subfield_get_detail_html(out.remaining(), out.remainingCapacity(), &subfield);
        out.advanceOver();
    }
    return buffer;
}

}  // extern "C"
