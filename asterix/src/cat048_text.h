#ifndef ASTERIX_SRC_CAT048_TEXT_H
#define ASTERIX_SRC_CAT048_TEXT_H

// CAT048 subfield summaries that the subfield table of cat048.cpp refers to.

#include <cstddef>

#include <asterix/asterix.h>

namespace ast {
namespace cat048 {

// One subfield of I048/130 (radar plot characteristics) with its value and unit.
char* plotSubfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);

}  // namespace cat048
}  // namespace ast

#endif  // ASTERIX_SRC_CAT048_TEXT_H
