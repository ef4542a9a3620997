// CAT020, Multilateration Target Reports: the standard UAP and the item descriptors of this
// category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 20 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(20),  T(140), T(41),  T(42),  T(161), T(170),
                                            T(70),  T(202), T(90),  T(100), T(220), T(245), T(110),
                                            T(105), T(210), T(300), T(310), T(500), T(400), T(250),
                                            T(230), T(260), T(30),  T(55),  T(50),  T(998), T(999)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_020_get_name)},
    {41, "Position In WGS-84 Coordinates", AST_DESC_WGS84(ast_dataitem_020_get_name)},
    {42, "Position in Cartesian Coordinates",
     AST_DESC_CARTESIAN_POSITION(ast_dataitem_020_get_name)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(ast_dataitem_020_get_name)},
    {90, "Flight Level in Binary Representation", AST_DESC_MODE_C(ast_dataitem_020_get_name)},
    {105, "Geometric Height (WGS-84)", AST_DESC_HEIGHT(ast_dataitem_020_get_name)},
    {110, "Measured Height (Local Cartesian Coordinates)",
     AST_DESC_HEIGHT(ast_dataitem_020_get_name)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_020_get_name)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(ast_dataitem_020_get_name)},
    {202, "Calculated Track Velocity in Cartesian Coordinates",
     AST_DESC_CARTESIAN_VELOCITY(ast_dataitem_020_get_name)},
    {220, "Target Address", AST_DESC_TARGET_ADDRESS(ast_dataitem_020_get_name)},
    {245, "Target Identification", AST_DESC_TARGET_ID(ast_dataitem_020_get_name)},
    {250, "BDS Register Data", AST_DESC_MB_DATA(ast_dataitem_020_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_020_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_020_get_name)}};

}  // namespace

const CategoryUnit CAT020_UNIT = {20,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP CAT020",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_020_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT020_UNIT, type);
    return name ? name : "";
}
