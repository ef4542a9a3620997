// CAT023, CNS/ATM Ground Station and Service Status Reports: the standard UAP and the item
// descriptors of this category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL
// ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 23 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0), T(15), T(70), T(100), T(101), T(200)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_023_get_name)},
    {70, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_023_get_name)}};

}  // namespace

const CategoryUnit CAT023_UNIT = {23,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  7,
                                  "UAP CAT023",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_023_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT023_UNIT, type);
    return name ? name : "";
}
