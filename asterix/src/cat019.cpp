// CAT019, Multilateration System Status Messages: the standard UAP and the item descriptors of this
// category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 19 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(0),   T(140), T(550), T(551),
                                            T(552), T(553), T(600), T(610), T(620)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_019_get_name)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_019_get_name)}};

}  // namespace

const CategoryUnit CAT019_UNIT = {19,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  10,
                                  "UAP CAT019",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_019_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT019_UNIT, type);
    return name ? name : "";
}
