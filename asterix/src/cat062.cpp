// CAT062, SDPS System Track Data: the standard UAP and the item descriptors of this category.
// UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 62 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {
    T(10),  0,      T(15),  T(70),  T(105), T(100), T(185), T(210), T(60),  T(245), T(380), T(40),
    T(80),  T(290), T(200), T(295), T(136), T(130), T(135), T(220), T(390), T(270), T(300), T(110),
    T(120), T(510), T(500), T(340), 0,      0,      0,      0,      0,      T(998), T(999)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_062_get_name)},
    {15, "Service Identification", AST_DESC_SERVICE_ID(ast_dataitem_062_get_name)},
    {40, "Track Number", AST_DESC_TRACK_NUMBER(ast_dataitem_062_get_name)},
    {60, "Track Mode 3/A Code", AST_DESC_MODE_3A(ast_dataitem_062_get_name)},
    {70, "Time Of Track Information", AST_DESC_TIME_OF_DAY(ast_dataitem_062_get_name)},
    {100, "Calculated Track Position (Cartesian)",
     AST_DESC_CARTESIAN_POSITION(ast_dataitem_062_get_name)},
    {105, "Calculated Position In WGS-84 Co-ordinates", AST_DESC_WGS84(ast_dataitem_062_get_name)},
    {185, "Calculated Track Velocity (Cartesian)",
     AST_DESC_CARTESIAN_VELOCITY(ast_dataitem_062_get_name)},
    {245, "Target Identification", AST_DESC_TARGET_ID(ast_dataitem_062_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_062_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_062_get_name)}};

}  // namespace

const CategoryUnit CAT062_UNIT = {62,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  35,
                                  "UAP CAT062",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_062_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT062_UNIT, type);
    return name ? name : "";
}
