// CAT008, Monoradar Derived Weather Information: the standard UAP and the item descriptors of this
// category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 8 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),  T(20),  T(36),  T(34),  T(40),
                                            T(50), T(90), T(100), T(110), T(120), T(38)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_008_get_name)},
    {90, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_008_get_name)}};

}  // namespace

const CategoryUnit CAT008_UNIT = {8,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  12,
                                  "UAP CAT008",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_008_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT008_UNIT, type);
    return name ? name : "";
}
