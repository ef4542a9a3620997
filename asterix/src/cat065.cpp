// CAT065, SDPS Service Status Messages: the standard UAP and the item descriptors of this category.
// UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 65 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0), T(15), T(30), T(20), T(40), T(50),
                                            0,     0,    0,     0,     0,     0,     0};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_065_get_name)},
    {15, "Service Identification", AST_DESC_SERVICE_ID(ast_dataitem_065_get_name)},
    {30, "Time of Message", AST_DESC_TIME_OF_DAY(ast_dataitem_065_get_name)}};

}  // namespace

const CategoryUnit CAT065_UNIT = {65,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  14,
                                  "UAP CAT065",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_065_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT065_UNIT, type);
    return name ? name : "";
}
