// CAT001, Monoradar Target Reports (plots and tracks): the standard UAP and the item descriptors of
// this category. UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX
// definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 1 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(20),  T(161), T(40),  T(42),  T(200), T(70),
                                            T(90), T(141), T(130), T(131), T(120), T(170), T(210),
                                            T(50), T(80),  T(100), T(60),  T(30),  T(998)};

// CAT001 plots (I001/020 TYP = 0) use their own layout; FRNs beyond give 0 silently.
const ast_dataitem_type_t PLOT_UAP[] = {T(10),  T(20),  T(40), T(70),  T(90), T(130), T(141), T(50),
                                        T(120), T(131), T(80), T(100), T(60), T(30),  T(150)};

// The reduced CAT001 of one manufacturer.
const ast_dataitem_type_t RAYTHEON_UAP[] = {
    T(10), T(20), T(161), T(40), 0, T(200), T(70), T(90), 0, T(130), 0, 0, T(170), T(210), T(50)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_001_get_name)},
    {20, "Target Report Descriptor", AST_DESC_EXTENSIBLE(ast_dataitem_001_get_name)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(ast_dataitem_001_get_name)},
    {80, "Mode-3/A Code Confidence Indicator",
     AST_DESC_MODE_3A_CONFIDENCE(ast_dataitem_001_get_name)},
    {90, "Mode-C Code in Binary Representation", AST_DESC_MODE_C(ast_dataitem_001_get_name)},
    {100, "Mode-C Code and Code Confidence Indicator",
     AST_DESC_MODE_C_CONFIDENCE(ast_dataitem_001_get_name)},
    {161, "Track Plot Number", AST_DESC_TRACK_NUMBER(ast_dataitem_001_get_name)},
    {200, "Calculated Track Velocity in Polar Co-ordinates",
     AST_DESC_POLAR_VELOCITY(ast_dataitem_001_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_001_get_name)}};

}  // namespace

const CategoryUnit CAT001_UNIT = {1,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  20,
                                  "UAP CAT001",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

const UapTable CAT001_PLOT_TABLE = {PLOT_UAP, 15, 15, nullptr};
const UapTable CAT001_RAYTHEON_TABLE = {RAYTHEON_UAP, 15, 15, nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_001_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT001_UNIT, type);
    return name ? name : "";
}
