// CAT001, Monoradar Target Reports (plots and tracks): the track UAP (the standard one), the plot
// UAP, one manufacturer's reduced UAP, the item descriptors, the CAT001-specific decoded forms
// with their encoders and the record form. Summaries and detail views are in cat001_text.cpp,
// the record getters in cat001_getters.cpp. UAPs and layouts from the EUROCONTROL ASTERIX
// definition of CAT001.

#include <cmath>

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "RecordGetters.h"

namespace ast {
namespace {

namespace b = ast::bits;

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

#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte
#define NAME ast_dataitem_001_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }

// Sorted by item number. I001/120 and the Reserved Expansion Field have no name of their own;
// I001/150 has no descriptor: a record that carries it cannot be decoded.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Target Report Descriptor",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_001_020_get_summary,
          &ast_dataitem_001_020_get_detail_html, &ast_dataitem_001_020_encode)},
    {30, "Warning/Error Conditions",
     DESC(&ast_dataitem_get_size_var_2_byte, nullptr, nullptr, nullptr)},
    {40, "Measured Position in Polar Coordinates",
     DESC(FIXED(4), &ast_dataitem_polar_position_get_summary,
          &ast_dataitem_polar_position_get_detail_html, &ast_dataitem_001_040_encode)},
    {42, "Calculated Position in Cartesian Coordinates",
     DESC(FIXED(4), &ast_dataitem_radar_cartesian_get_summary,
          &ast_dataitem_radar_cartesian_get_detail_html, &ast_dataitem_001_042_encode)},
    {50, "Mode-2 Code in Octal Representation", DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {60, "Mode-2 Code Confidence Indicator", DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(NAME)},
    {80, "Mode-3/A Code Confidence Indicator", AST_DESC_MODE_3A_CONFIDENCE(NAME)},
    {90, "Mode-C Code in Binary Representation", AST_DESC_MODE_C(NAME)},
    {100, "Mode-C Code and Code Confidence Indicator", AST_DESC_MODE_C_CONFIDENCE(NAME)},
    {120, nullptr, DESC(FIXED(1), nullptr, nullptr, nullptr)},
    {130, "Radar Plot Characteristics",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_binary_get_summary, nullptr, nullptr)},
    {131, "Received Power", DESC(FIXED(1), nullptr, nullptr, nullptr)},
    {141, "Truncated Time of Day",
     DESC(FIXED(2), &ast_dataitem_001_141_get_summary, &ast_dataitem_001_141_get_detail_html,
          &ast_dataitem_001_141_encode)},
    {161, "Track Plot Number", AST_DESC_TRACK_NUMBER(NAME)},
    {170, "Track Status",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_001_170_get_summary,
          &ast_dataitem_001_170_get_detail_html, &ast_dataitem_001_170_encode)},
    {200, "Calculated Track Velocity in Polar Coordinates", AST_DESC_POLAR_VELOCITY(NAME)},
    {210, "Track Quality",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_001_210_get_summary,
          &ast_dataitem_001_210_get_detail_html, nullptr)},
    {998, nullptr, AST_DESC_RESERVED_EXPANSION(NAME)}};

#undef DESC
#undef NAME
#undef FIXED

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
                                  &CAT001_GETTERS};

const UapTable CAT001_PLOT_TABLE = {PLOT_UAP, 15, 15, nullptr};
const UapTable CAT001_RAYTHEON_TABLE = {RAYTHEON_UAP, 15, 15, nullptr};

}  // namespace ast

using namespace ast;

extern "C" {

// ---- I001/020 target report descriptor -----------------------------------------------------

ast_dataitem_001_020_t ast_dataitem_001_020_decode(const ast_dataitem_t* item) {
    ast_dataitem_001_020_t f = {};
    if (!sizedWithin(item, 1, 2, 1020))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.typ = b::bit(d, 1, 8);
    f.sim = b::bit(d, 1, 7);
    f.ssr_psr = b::field(d, 1, 6, 5);
    f.ant = b::bit(d, 1, 4);
    f.spi = b::bit(d, 1, 3);
    f.rab = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.tst = b::bit(d, 2, 8);
        f.ds1_ds2 = b::field(d, 2, 7, 6);
        f.me = b::bit(d, 2, 5);
        f.mi = b::bit(d, 2, 4);
    }
    return f;
}

// The first extension is written only when one of its fields is set.
ast_dataitem_t ast_dataitem_001_020_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_001_020_t* f = prepare<ast_dataitem_001_020_t>(buffer, capacity, value, 1);
    if (!f || f->ssr_psr > 3 || f->ds1_ds2 > 3)
        return failed(buffer, value);
    uint8_t octets[2];
    octets[0] =
        static_cast<uint8_t>((f->typ ? 0x80 : 0) | (f->sim ? 0x40 : 0) | f->ssr_psr << 4 |
                             (f->ant ? 0x08 : 0) | (f->spi ? 0x04 : 0) | (f->rab ? 0x02 : 0));
    octets[1] = static_cast<uint8_t>((f->tst ? 0x80 : 0) | f->ds1_ds2 << 5 | (f->me ? 0x10 : 0) |
                                     (f->mi ? 0x08 : 0));
    return writeExtensible(buffer, capacity, value, octets, 2);
}

// ---- I001/130 radar plot characteristics ---------------------------------------------------

ast_dataitem_001_130_t ast_dataitem_001_130_decode(const ast_dataitem_t* item) {
    ast_dataitem_001_130_t f = {};
    if (!sizedWithin(item, 1, 2, 1130))
        return f;
    f.present = 1;
    f.count = static_cast<uint32_t>(item->size);
    for (uint32_t i = 0; i < f.count; ++i)
        f.values[i] = b::field(item->data, i + 1, 8, 2);
    return f;
}

// ---- I001/141 truncated time of day --------------------------------------------------------

ast_dataitem_001_141_t ast_dataitem_001_141_decode(const ast_dataitem_t* item) {
    ast_dataitem_001_141_t f = {};
    if (!sized(item, 2, 1141))
        return f;
    f.present = 1;
    f.raw = b::octets(item->data, 1, 2);
    f.seconds = f.raw / 128.0;
    return f;
}

ast_dataitem_t ast_dataitem_001_141_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_001_141_t* f = prepare<ast_dataitem_001_141_t>(buffer, capacity, value, 2);
    if (!f)
        return failed(buffer, value);
    double raw = f->raw;
    if (f->raw == 0 && f->seconds != 0)
        raw = std::round(f->seconds * 128.0);
    if (!(raw >= 0 && raw <= 0xFFFF))
        return failed(buffer, value);
    b::put(buffer, static_cast<uint32_t>(raw), 2);
    return written(buffer, 2, value);
}

// ---- I001/170 track status ---------------------------------------------------------------

ast_dataitem_001_170_t ast_dataitem_001_170_decode(const ast_dataitem_t* item) {
    ast_dataitem_001_170_t f = {};
    if (!sizedWithin(item, 1, 2, 1170))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.con = b::bit(d, 1, 8);
    f.rad = b::bit(d, 1, 7);
    f.man = b::bit(d, 1, 6);
    f.dou = b::bit(d, 1, 5);
    f.rdpc = b::bit(d, 1, 4) ? 2 : 1;
    f.gho = b::bit(d, 1, 2);
    if (item->size >= 2)
        f.tre = b::bit(d, 2, 8);
    return f;
}

// RDPC 1 or 2 is the chain; the first extension is written only for the end of a track.
ast_dataitem_t ast_dataitem_001_170_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_001_170_t* f = prepare<ast_dataitem_001_170_t>(buffer, capacity, value, 1);
    if (!f || f->rdpc > 2)
        return failed(buffer, value);
    const uint8_t octets[2] = {
        static_cast<uint8_t>((f->con ? 0x80 : 0) | (f->rad ? 0x40 : 0) | (f->man ? 0x20 : 0) |
                             (f->dou ? 0x10 : 0) | (f->rdpc == 2 ? 0x08 : 0) | (f->gho ? 0x02 : 0)),
        static_cast<uint8_t>(f->tre ? 0x80 : 0)};
    return writeExtensible(buffer, capacity, value, octets, 2);
}

// ---- I001/210 track quality --------------------------------------------------------------

ast_dataitem_001_210_t ast_dataitem_001_210_decode(const ast_dataitem_t* item) {
    ast_dataitem_001_210_t f = {};
    if (!sizedWithin(item, 1, 2, 1210))
        return f;
    f.present = 1;
    f.count = static_cast<uint32_t>(item->size);
    f.q1 = b::field(item->data, 1, 8, 2);
    if (item->size >= 2)
        f.q2 = b::field(item->data, 2, 8, 2);
    return f;
}

const char* ast_dataitem_001_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT001_UNIT, type);
    return name ? name : "Unknown CAT001 Dataitem";
}

}  // extern "C"

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat001_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i010, 1010, ast_dataitem_data_source_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i020, 1020, ast_dataitem_001_020_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i040, 1040, ast_dataitem_001_040_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i042, 1042, ast_dataitem_001_042_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i070, 1070, ast_dataitem_mode_3a_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i090, 1090, ast_dataitem_mode_c_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i141, 1141, ast_dataitem_001_141_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i161, 1161, ast_dataitem_track_number_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i170, 1170, ast_dataitem_001_170_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i200, 1200, ast_dataitem_polar_velocity_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i080, 1080, ast_dataitem_mode_3a_confidence_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i100, 1100, ast_dataitem_mode_c_confidence_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i130, 1130, ast_dataitem_001_130_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i210, 1210, ast_dataitem_001_210_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {1, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" {

ast_datarecord_t ast_datarecord_001_assemble(uint8_t* buffer, uint64_t capacity,
                                             const ast_cat001_record_t* form, ast_uap_t uap) {
    return assembleForm(buffer, capacity, FORM, form, uap);
}

ast_cat001_record_t ast_datarecord_001_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat001_record_t>(record, FORM);
}

}  // extern "C"
