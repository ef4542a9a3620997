#ifndef ASTERIX_SRC_CODETABLE_H
#define ASTERIX_SRC_CODETABLE_H

// Texts of coded values (message types, statuses) as tables: one row per code.

#include <cstddef>
#include <cstdint>

#include "ItemCodec.h"
#include "Text.h"

namespace ast {

struct CodeText {
    uint32_t code;
    const char* text;
};

// The text of `code`, or `otherwise` when the table has no row for it.
template <size_t N>
const char* codeText(const CodeText (&table)[N], uint32_t code, const char* otherwise) {
    for (const CodeText& row : table)
        if (row.code == code)
            return row.text;
    return otherwise;
}

// The summary of a one-octet coded item of `type`: its text from the table, `otherwise` for a
// code without a row; empty for an item that is not one octet of that type.
template <size_t N>
char* codeSummary(char* buffer, size_t capacity, const ast_dataitem_t* item,
                  ast_dataitem_type_t type, const CodeText (&table)[N], const char* otherwise) {
    Text out(buffer, capacity);
    if (sized(item, 1, type))
        out.append(codeText(table, item->data[0], otherwise));
    return buffer;
}

}  // namespace ast

#endif  // ASTERIX_SRC_CODETABLE_H
