// CAT021, ADS-B Target Reports: the standard UAP and the item descriptors of this category.
// UAP in FRN order from FRN 1 (0 = spare FRN), from the EUROCONTROL ASTERIX definition.

#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 21 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(903), T(30),  T(902), T(80),  T(140), T(905),
                                            T(906), T(230), T(145), T(150), T(151), T(152), T(155),
                                            T(157), T(160), T(165), T(170), T(95),  T(32),  T(908),
                                            T(20),  T(220), T(146), T(148), T(110), T(70),  T(904)};

// Edition 0.23: as 0.26 for FRNs 1 to 26 but FRN 4 is I021/130 (type 21130) instead of the
// 0.26 position (type 21902); the table runs to REF and SPF at FRNs 34 and 35 while the FRN
// count in use is 26.
const ast_dataitem_type_t V023_UAP[] = {
    T(10),  T(903), T(30),  T(130), T(80),  T(140), T(905), T(906), T(230), T(145), T(150), T(151),
    T(152), T(155), T(157), T(160), T(165), T(170), T(95),  T(32),  T(908), T(20),  T(220), T(146),
    T(148), T(110), 0,      0,      0,      0,      0,      0,      0,      T(998), T(999)};

// Editions 2.1 and 2.4 differ in FRN 37: I021/271 of editions 1.0 to 2.1 (type 21907) against
// the 2.4 layout.
const ast_dataitem_type_t V21_UAP[] = {
    T(10),  T(40),  T(161), T(15),  T(71),  T(130), T(131), T(72),  T(150), T(151),
    T(80),  T(73),  T(74),  T(75),  T(76),  T(140), T(90),  T(210), T(70),  T(230),
    T(145), T(152), T(200), T(155), T(157), T(160), T(165), T(77),  T(170), T(20),
    T(220), T(146), T(148), T(110), T(16),  T(8),   T(907), T(132), T(250), T(260),
    T(400), T(295), 0,      0,      0,      0,      0,      T(998), T(999)};

const ast_dataitem_type_t V24_UAP[] = {
    T(10),  T(40),  T(161), T(15),  T(71),  T(130), T(131), T(72),  T(150), T(151),
    T(80),  T(73),  T(74),  T(75),  T(76),  T(140), T(90),  T(210), T(70),  T(230),
    T(145), T(152), T(200), T(155), T(157), T(160), T(165), T(77),  T(170), T(20),
    T(220), T(146), T(148), T(110), T(16),  T(8),   T(271), T(132), T(250), T(260),
    T(400), T(295), 0,      0,      0,      0,      0,      T(998), T(999)};

// One manufacturer's CAT021, close to edition 0.26; FRNs beyond 28 give 0 silently.
const ast_dataitem_type_t THALES_UAP[] = {T(10),  T(903), T(30),  T(130), T(80),  T(140), T(905),
                                          T(906), T(230), T(145), T(150), T(151), T(152), T(155),
                                          T(157), T(160), T(165), T(170), T(95),  T(32),  T(200),
                                          T(20),  T(220), T(146), T(148), T(110), T(904), T(70)};

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(ast_dataitem_021_get_name)},
    {15, "Service Identification", AST_DESC_SERVICE_ID(ast_dataitem_021_get_name)},
    {30, "Time of Day", AST_DESC_TIME_OF_DAY(ast_dataitem_021_get_name)},
    {70, "Mode 3/A Code in Octal Representation", AST_DESC_MODE_3A(ast_dataitem_021_get_name)},
    {71, "Time of Applicability for Position", AST_DESC_TIME_OF_DAY(ast_dataitem_021_get_name)},
    {72, "Time of Applicability for Velocity", AST_DESC_TIME_OF_DAY(ast_dataitem_021_get_name)},
    {73, "Time of Message Reception for Position", AST_DESC_TIME_OF_DAY(ast_dataitem_021_get_name)},
    {74, "Time of Message Reception of Position-High Precision",
     AST_DESC_TIME_OF_DAY_HP(ast_dataitem_021_get_name)},
    {75, "Time of Message Reception for Velocity", AST_DESC_TIME_OF_DAY(ast_dataitem_021_get_name)},
    {76, "Time of Message Reception of Velocity-High Precision",
     AST_DESC_TIME_OF_DAY_HP(ast_dataitem_021_get_name)},
    {77, "Time of ASTERIX Report Transmission", AST_DESC_TIME_OF_DAY(ast_dataitem_021_get_name)},
    {80, "Target Address", AST_DESC_TARGET_ADDRESS(ast_dataitem_021_get_name)},
    {130, "Position in WGS-84 Co-ordinates", AST_DESC_WGS84_LOW(ast_dataitem_021_get_name)},
    {131, "High-Resolution Position in WGS-84 Co-ordinates",
     AST_DESC_WGS84(ast_dataitem_021_get_name)},
    {132, "Message Amplitude", AST_DESC_SIGNAL_AMPLITUDE(ast_dataitem_021_get_name)},
    {155, "Barometric Vertical Rate", AST_DESC_VERTICAL_RATE(ast_dataitem_021_get_name)},
    {157, "Geometric Vertical Rate", AST_DESC_VERTICAL_RATE(ast_dataitem_021_get_name)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(ast_dataitem_021_get_name)},
    {170, "Target Identification", AST_DESC_AIRCRAFT_ID(ast_dataitem_021_get_name)},
    {250, "Mode S MB Data", AST_DESC_MB_DATA(ast_dataitem_021_get_name)},
    {902, "Position in WGS84 Coordinates (Version 0.24 ~ 0.26)",
     AST_DESC_WGS84(ast_dataitem_021_get_name)},
    {904, "Signal Amplitude (Version 0.26)", AST_DESC_SIGNAL_AMPLITUDE(ast_dataitem_021_get_name)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(ast_dataitem_021_get_name)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(ast_dataitem_021_get_name)}};

}  // namespace

const CategoryUnit CAT021_UNIT = {21,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP ADS-B v0.26",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0};

const UapTable CAT021_V023_TABLE = {V023_UAP, 35, 26, "UAP ADS-B v0.23"};
const UapTable CAT021_V026_TABLE = {STANDARD_UAP, 28, 28, "UAP ADS-B v0.26"};
const UapTable CAT021_V21_TABLE = {V21_UAP, 49, 49, "UAP ADS-B v2.1"};
const UapTable CAT021_V24_TABLE = {V24_UAP, 49, 49, "UAP ADS-B v2.4"};
const UapTable CAT021_THALES_TABLE = {THALES_UAP, 28, 28, nullptr};

}  // namespace ast

extern "C" const char* ast_dataitem_021_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT021_UNIT, type);
    return name ? name : "";
}
