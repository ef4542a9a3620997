#ifndef ASTERIX_SRC_HTML_H
#define ASTERIX_SRC_HTML_H

// The conventions of every detail view: paragraphs, headings, detail tables whose data rows
// alternate parity (process-wide, as the views expect), and the hex and binary tables of items,
// subfields and records.

#include <cstddef>
#include <cstdint>

#include "Text.h"

namespace ast {
namespace html {

// The marker that ends a list of cell texts.
extern const char* const END_OF_ROW;
void paragraph(Text& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void heading(Text& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void tableBegin(Text& out);
void tableEnd(Text& out);
// Cells up to END_OF_ROW. A header row resets the row parity; data rows alternate.
void headerRow(Text& out, const char* first, ...);
void dataRow(Text& out, const char* first, ...);

// 16 octets a row, the last row padded with "--".
void hexTable(Text& out, const uint8_t* data, uint64_t size);
// 4 octets a row: a caption row and a row of 32 bit cells.
void binTable(Text& out, const uint8_t* data, uint64_t size);

// One row of a field table: a field's name and its value as text.
struct FieldRow {
    const char* name;
    char value[64];
};
void setRow(FieldRow& row, const char* name, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// A heading and a detail table of "Field" and "Value" columns, one row per field.
char* fieldTable(char* buffer, size_t capacity, const char* title, const FieldRow* rows,
                 size_t count);
template <size_t N>
char* fieldTable(char* buffer, size_t capacity, const char* title, const FieldRow (&rows)[N]) {
    return fieldTable(buffer, capacity, title, rows, N);
}

inline const char* yesNo(bool flag) {
    return flag ? "Yes" : "No";
}

}  // namespace html
}  // namespace ast

#endif  // ASTERIX_SRC_HTML_H
