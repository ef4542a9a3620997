// CAT010, Monosensor Surface Movement Data: the standard UAP and the item descriptors of this
// category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 10 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(0),   T(20),  T(140), T(41),  T(40),  T(42),
                                            T(200), T(202), T(161), T(170), T(60),  T(220), T(245),
                                            T(250), T(300), T(90),  T(91),  T(270), T(550), T(310),
                                            T(500), T(280), T(131), T(210), 0,      T(999), T(998)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_010_get_name)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_010_get_name)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(ast_dataitem_010_get_name)},
    {202, "Calculated Track Velocity in Cartesian Co-ordinates",
     AST_DESC_CARTESIAN_VELOCITY(ast_dataitem_010_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_010_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_010_get_name)}};

}  // namespace

const CategoryUnit CAT010_UNIT = {10,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP CAT010",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_010_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT010_UNIT, type);
    return name ? name : "";
}
