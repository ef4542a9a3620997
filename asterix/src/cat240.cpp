// CAT240, Radar Video Transmission: the standard UAP and the item descriptors of this category.
// UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 240 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),  T(20), T(30), T(40),  T(41),  T(48),
                                            T(49), T(50), T(51), T(52), T(140), T(998), T(999)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_240_get_name)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_240_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_240_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_240_get_name)}};

}  // namespace

const CategoryUnit CAT240_UNIT = {240,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  0,
                                  "UAP CAT240",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_240_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT240_UNIT, type);
    return name ? name : "";
}
