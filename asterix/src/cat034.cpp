// CAT034, Monoradar Service Messages (next version of CAT002): the standard UAP and the item
// descriptors of this category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL
// ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 34 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),   T(30),  T(20),  T(41), T(50),  T(60),
                                            T(70), T(100), T(110), T(120), T(90), T(998), T(999)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_034_get_name)},
    {20, "Sector Number", AST_DESC_SECTOR_NUMBER(ast_dataitem_034_get_name)},
    {30, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_034_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_034_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_034_get_name)}};

}  // namespace

const CategoryUnit CAT034_UNIT = {34,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  14,
                                  "UAP CAT034",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_034_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT034_UNIT, type);
    return name ? name : "";
}
