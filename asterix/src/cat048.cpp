// CAT048, Monoradar Target Reports: the standard UAP and the item descriptors of this category.
// UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 48 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(140), T(20),  T(40),  T(70),  T(90),  T(130),
                                            T(220), T(240), T(250), T(161), T(42),  T(200), T(170),
                                            T(210), T(30),  T(80),  T(100), T(110), T(120), T(230),
                                            T(260), T(55),  T(50),  T(65),  T(60),  T(999), T(998)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_048_get_name)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(ast_dataitem_048_get_name)},
    {80, "Mode-3/A Code Confidence Indicator",
     AST_DESC_MODE_3A_CONFIDENCE(ast_dataitem_048_get_name)},
    {90, "Flight Level in Binary Representation", AST_DESC_MODE_C(ast_dataitem_048_get_name)},
    {100, "Mode-C Code and Code Confidence Indicator",
     AST_DESC_MODE_C_CONFIDENCE(ast_dataitem_048_get_name)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_048_get_name)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(ast_dataitem_048_get_name)},
    {200, "Calculated Track Velocity in Polar Co-ordinates",
     AST_DESC_POLAR_VELOCITY(ast_dataitem_048_get_name)},
    {220, "Aircraft Address", AST_DESC_TARGET_ADDRESS(ast_dataitem_048_get_name)},
    {240, "Aircraft Identification", AST_DESC_AIRCRAFT_ID(ast_dataitem_048_get_name)},
    {250, "BDS Register Data", AST_DESC_MB_DATA(ast_dataitem_048_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_048_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_048_get_name)}};

}  // namespace

const CategoryUnit CAT048_UNIT = {48,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP CAT048",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_048_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT048_UNIT, type);
    return name ? name : "";
}
