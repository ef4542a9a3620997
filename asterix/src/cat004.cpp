// CAT004, Safety Net Messages: the standard UAP and the item descriptors of this category.
// UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 4 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(0),   T(15),  T(20),  T(40), T(45), T(60),
                                            T(30),  T(170), T(120), T(70),  T(76), T(74), T(75),
                                            T(100), T(35),  T(171), T(110), 0,     0,     0};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_004_get_name)},
    {20, "Time of Message", AST_DESC_TIME_OF_DAY(ast_dataitem_004_get_name)},
    {30, "Track Number 1", AST_DESC_TRACK_NUMBER(ast_dataitem_004_get_name)},
    {35, "Track Number 2", AST_DESC_TRACK_NUMBER(ast_dataitem_004_get_name)}};

}  // namespace

const CategoryUnit CAT004_UNIT = {4,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  21,
                                  "UAP CAT004",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_004_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT004_UNIT, type);
    return name ? name : "";
}
