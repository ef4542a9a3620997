// The one engine of record-form assembly and disassembly, driven by each form's field table.

#include "RecordForm.h"

#include "Log.h"

namespace ast {

namespace {

uint8_t presentFlag(const void* form, const FormField& field) {
    return *(static_cast<const uint8_t*>(form) + field.offset);
}

const FormField* fieldOf(const RecordFormTable& table, ast_dataitem_type_t type) {
    for (size_t i = 0; i < table.count; ++i)
        if (table.fields[i].type == type)
            return &table.fields[i];
    return nullptr;
}

}  // namespace

ast_datarecord_t assembleFields(uint8_t* buffer, uint64_t capacity, const RecordFormTable& table,
                                void* form, ast_uap_t uap) {
    ast_datarecord_spec_t spec;
    spec.category = table.category;
    spec.uap = uap;
    spec.count = 0;
    for (size_t i = 0; form && i < table.count; ++i) {
        const FormField& field = table.fields[i];
        if (field.assembled && presentFlag(form, field) && spec.count < AST_MAX_VALUES)
            spec.values[spec.count++] =
                ast_dataitem_value_t{field.type, static_cast<uint8_t*>(form) + field.offset};
    }
    return ast_datarecord_encode(buffer, capacity, &spec);
}

bool disassembleFields(const ast_datarecord_t* record, const RecordFormTable& table, void* form) {
    if (!record || !record->ok || record->category != table.category)
        return false;
    const uint64_t count =
        record->count < uint64_t{AST_MAX_DATAITEMS} ? record->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i) {
        const ast_dataitem_t& item = record->items[i];
        const FormField* field = fieldOf(table, item.type);
        if (!field)
            continue;
        field->decode(static_cast<uint8_t*>(form) + field->offset, &item);
        if (!presentFlag(form, *field))
            log(AST_LOG_DEBUG, "Failed to disassemble dataitem %s.",
                ast_dataitem_type_to_str(item.type));
    }
    return true;
}

}  // namespace ast
