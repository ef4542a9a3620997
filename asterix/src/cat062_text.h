#ifndef ASTERIX_SRC_CAT062_TEXT_H
#define ASTERIX_SRC_CAT062_TEXT_H

// CAT062 subfield summaries and detail views that the subfield table of cat062.cpp refers to.

#include <cstddef>

#include <asterix/asterix.h>

namespace ast {
namespace cat062 {

char* subfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);
char* subfieldDetail(char* buffer, size_t capacity, const ast_subfield_t* subfield);

}  // namespace cat062
}  // namespace ast

#endif  // ASTERIX_SRC_CAT062_TEXT_H
