#ifndef ASTERIX_SRC_CAT021_TEXT_H
#define ASTERIX_SRC_CAT021_TEXT_H

// CAT021 subfield summaries that the subfield table of cat021.cpp refers to.

#include <cstddef>

#include <asterix/asterix.h>

namespace ast {
namespace cat021 {

// "BIN:..." of a subfield held as raw octets (trajectory intent).
char* binarySubfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);
// Wind speed, wind direction, temperature and turbulence of I021/220.
char* metSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);
// "%.2f LSB=SEC": one data age of I021/295, in 0.1 s.
char* ageSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);

}  // namespace cat021
}  // namespace ast

#endif  // ASTERIX_SRC_CAT021_TEXT_H
