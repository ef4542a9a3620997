#ifndef ASTERIX_SRC_CAT034_TEXT_H
#define ASTERIX_SRC_CAT034_TEXT_H

// CAT034 subfield texts that the subfield table of cat034.cpp refers to.

#include <cstddef>

#include <asterix/asterix.h>

namespace ast {
namespace cat034 {

// One subfield of I034/050 (system configuration and status) or I034/060 (system processing
// mode): its flags and reduction steps as text, and as a detail table.
char* statusSubfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield);
char* statusSubfieldDetail(char* buffer, size_t capacity, const ast_subfield_t* subfield);

}  // namespace cat034
}  // namespace ast

#endif  // ASTERIX_SRC_CAT034_TEXT_H
