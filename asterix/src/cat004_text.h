#ifndef ASTERIX_SRC_CAT004_TEXT_H
#define ASTERIX_SRC_CAT004_TEXT_H

// CAT004 subfield summaries and detail views that the subfield table of cat004.cpp refers to.

#include <cstddef>

#include <asterix/asterix.h>

namespace ast {
namespace cat004 {

char* subfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);
char* subfieldDetail(char* buffer, size_t capacity, const ast_subfield_t* subfield);

}  // namespace cat004
}  // namespace ast

#endif  // ASTERIX_SRC_CAT004_TEXT_H
