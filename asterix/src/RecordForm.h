#ifndef ASTERIX_SRC_RECORDFORM_H
#define ASTERIX_SRC_RECORDFORM_H

// Record forms: a plain structure with one optional field per data item (its decoded form,
// present flag first), filled by the host and assembled into a data record, or filled from a
// decoded record. One engine serves every category and edition; each form is described by a
// table of its fields.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include <asterix/asterix.h>

namespace ast {

// One field of a record form: the item type it holds, where it sits in the form, how the
// item's decoder fills it, and whether assembly writes it (some fields are only read back).
struct FormField {
    ast_dataitem_type_t type;
    size_t offset;
    void (*decode)(void* field, const ast_dataitem_t* item);
    bool assembled;
};

struct RecordFormTable {
    uint32_t category;
    const FormField* fields;
    size_t count;
};

// Fills the field at `field` with the decoder of its form.
template <typename Form, Form (*Decode)(const ast_dataitem_t*)>
void decodeInto(void* field, const ast_dataitem_t* item) {
    *static_cast<Form*>(field) = Decode(item);
}

// A table row: form structure, member, item type, decoder, whether assembly writes it.
#define AST_FORM_FIELD(Record, member, itemType, decoder, isAssembled)                            \
    ast::FormField {                                                                              \
        itemType, offsetof(Record, member), &ast::decodeInto<decltype(Record::member), &decoder>, \
            isAssembled                                                                           \
    }
#define AST_ASSEMBLED true
#define AST_READ_ONLY false

// Builds the record spec of the assembled fields whose present flag is set (in table order)
// and encodes it with `uap`. The item encoders get pointers into `form`, which they may update
// (recomputed raw fields): callers pass a copy that they own.
ast_datarecord_t assembleFields(uint8_t* buffer, uint64_t capacity, const RecordFormTable& table,
                                void* form, ast_uap_t uap);

// Fills `form` (already zeroed) from an OK record of the table's category, item by item;
// an item that does not decode logs "Failed to disassemble dataitem %s." (DEBUG) and leaves
// its field zero, an item without a field is skipped. Returns false, writing nothing, for a
// record that is not such a record.
bool disassembleFields(const ast_datarecord_t* record, const RecordFormTable& table, void* form);

// Assembly of a caller's form, which is never written: the encoders work on a copy.
template <typename Form>
ast_datarecord_t assembleForm(uint8_t* buffer, uint64_t capacity, const RecordFormTable& table,
                              const Form* form, ast_uap_t uap) {
    Form copy;
    std::memset(static_cast<void*>(&copy), 0, sizeof copy);
    if (form)
        copy = *form;
    return assembleFields(buffer, capacity, table, &copy, uap);
}

// A zeroed form, filled from the record when it is an OK record of the table's category;
// its ok field tells which.
template <typename Form>
Form disassembleForm(const ast_datarecord_t* record, const RecordFormTable& table) {
    Form form;
    std::memset(static_cast<void*>(&form), 0, sizeof form);
    form.ok = disassembleFields(record, table, &form) ? 1 : 0;
    return form;
}

}  // namespace ast

#endif  // ASTERIX_SRC_RECORDFORM_H
