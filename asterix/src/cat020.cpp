// CAT020, Multilateration Target Reports: the standard UAP, the item descriptors, the
// CAT020-specific decoded forms and size rules, the record form and the record getters.
// Summaries and detail views are in cat020_text.cpp. UAP and layouts from the EUROCONTROL
// ASTERIX definition of CAT020.

#include <cstring>

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "RecordGetters.h"

namespace ast {
namespace {

namespace b = ast::bits;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 20 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(20),  T(140), T(41),  T(42),  T(161), T(170),
                                            T(70),  T(202), T(90),  T(100), T(220), T(245), T(110),
                                            T(105), T(210), T(300), T(310), T(500), T(400), T(250),
                                            T(230), T(260), T(30),  T(55),  T(50),  T(998), T(999)};

#define NAME ast_dataitem_020_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte
#define TEXTED(size, n)                                                                      \
    {                                                                                        \
        size, &NAME, &ast_dataitem_020_##n##_get_summary, &ast_dataitem_020_##n##_get_detail_html, \
            nullptr                                                                          \
    }
#define UNKNOWN "Unknown CAT020 Dataitem"

// Sorted by item number. The Special Purpose Field has no descriptor: a record that carries it
// cannot be decoded.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Target Report Descriptor", TEXTED(&ast_dataitem_get_size_var_2_byte, 020)},
    {30, "Warning/Error Conditions", DESC(&ast_dataitem_get_size_var_2_byte, nullptr, nullptr, nullptr)},
    {41, "Position in WGS84 Coordinates",
     DESC(FIXED(8), &ast_dataitem_wgs84_get_summary, &ast_dataitem_wgs84_get_detail_html, nullptr)},
    {42, "Position in Cartesian Coordinates",
     DESC(FIXED(6), &ast_dataitem_cartesian_position_get_summary,
          &ast_dataitem_get_detail_html_dummy, nullptr)},
    {50, UNKNOWN, DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {55, UNKNOWN, DESC(&ast_dataitem_020_055_get_size, nullptr, nullptr, nullptr)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(NAME)},
    {90, "Flight Level in Binary Representation", AST_DESC_MODE_C(NAME)},
    {100, UNKNOWN, DESC(&ast_dataitem_020_100_get_size, nullptr, nullptr, nullptr)},
    {105, "Geometric Height (WGS-84)",
     DESC(FIXED(2), &ast_dataitem_height_get_summary, &ast_dataitem_020_height_get_detail_html,
          nullptr)},
    {110, "Measured Height in Local Cartesian Coordinates",
     DESC(FIXED(2), &ast_dataitem_height_get_summary, &ast_dataitem_020_height_get_detail_html,
          nullptr)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(NAME)},
    {170, "Track Status", TEXTED(&ast_dataitem_get_size_var_2_byte, 170)},
    {202, "Calculated Track Velocity in Cartesian Coordinates",
     DESC(FIXED(4), &ast_dataitem_cartesian_velocity_get_summary,
          &ast_dataitem_get_detail_html_dummy, nullptr)},
    {210, UNKNOWN, DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {220, "Target Address",
     DESC(FIXED(3), &ast_dataitem_target_address_get_summary,
          &ast_dataitem_target_address_get_detail_html, nullptr)},
    {230, "Communications/ACAS Capability and Flight Status", TEXTED(FIXED(2), 230)},
    {245, "Target Identification",
     DESC(FIXED(7), &ast_dataitem_target_id_get_summary, &ast_dataitem_020_245_get_detail_html,
          nullptr)},
    {250, "Mode S MB Data", AST_DESC_MB_DATA(NAME)},
    {260, UNKNOWN, DESC(FIXED(7), nullptr, nullptr, nullptr)},
    {300, UNKNOWN, DESC(FIXED(1), nullptr, nullptr, nullptr)},
    {310, UNKNOWN, DESC(FIXED(1), nullptr, nullptr, nullptr)},
    {400, "Contributing Receivers", TEXTED(&ast_dataitem_get_size_rep_1_byte, 400)},
    {500, "Position Accuracy", TEXTED(&ast_dataitem_020_500_get_size, 500)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(NAME)},
};

#undef UNKNOWN
#undef TEXTED
#undef FIXED
#undef DESC
#undef NAME

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
                                  &CAT020_GETTERS};

}  // namespace ast

using namespace ast;

extern "C" {

// ---- size rules ------------------------------------------------------------------------------

uint64_t ast_dataitem_020_055_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_fixed(data, available, 1);
}

uint64_t ast_dataitem_020_100_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_fixed(data, available, 4);
}

// A presence octet (DOP bit 8, SDP bit 7, SDH bit 6; no further presence octet is defined, so
// one announced by FX cannot be sized), then the parts it announces.
uint64_t ast_dataitem_020_500_get_size(const uint8_t* data, uint64_t available) {
    if (!data || available == 0 || (data[0] & 0x01))
        return 0;
    const uint64_t size = 1 + (b::bit(data, 1, 8) ? 6 : 0) + (b::bit(data, 1, 7) ? 6 : 0) +
                          (b::bit(data, 1, 6) ? 2 : 0);
    return size > 1 && size <= available ? size : 0;
}

// ---- decoded forms -------------------------------------------------------------------------

ast_dataitem_020_020_t ast_dataitem_020_020_decode(const ast_dataitem_t* item) {
    ast_dataitem_020_020_t f = {};
    if (!sizedWithin(item, 1, 2, 20020))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.ssr = b::bit(d, 1, 8);
    f.ms = b::bit(d, 1, 7);
    f.hf = b::bit(d, 1, 6);
    f.vdl4 = b::bit(d, 1, 5);
    f.uat = b::bit(d, 1, 4);
    f.dme = b::bit(d, 1, 3);
    f.ot = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.rab = b::bit(d, 2, 8);
        f.spi = b::bit(d, 2, 7);
        f.chn = b::bit(d, 2, 6);
        f.gbs = b::bit(d, 2, 5);
        f.crt = b::bit(d, 2, 4);
        f.sim = b::bit(d, 2, 3);
        f.tst = b::bit(d, 2, 2);
    }
    return f;
}

ast_dataitem_020_170_t ast_dataitem_020_170_decode(const ast_dataitem_t* item) {
    ast_dataitem_020_170_t f = {};
    if (!sizedWithin(item, 1, 2, 20170))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.cnf = b::bit(d, 1, 8);
    f.tre = b::bit(d, 1, 7);
    f.cst = b::bit(d, 1, 6);
    f.cdm = b::field(d, 1, 5, 4);
    f.mah = b::bit(d, 1, 3);
    f.sth = b::bit(d, 1, 2);
    if (item->size >= 2)
        f.gho = b::bit(d, 2, 8);
    return f;
}

ast_dataitem_020_230_t ast_dataitem_020_230_decode(const ast_dataitem_t* item) {
    ast_dataitem_020_230_t f = {};
    if (!sized(item, 2, 20230))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.com = b::field(d, 1, 8, 6);
    f.stat = b::field(d, 1, 5, 3);
    f.mssc = b::bit(d, 2, 8);
    f.arc = b::bit(d, 2, 7);
    f.aic = b::bit(d, 2, 6);
    f.b1a = b::bit(d, 2, 5);
    f.b1b = b::field(d, 2, 4, 1);
    return f;
}

ast_dataitem_020_500_t ast_dataitem_020_500_decode(const ast_dataitem_t* item) {
    ast_dataitem_020_500_t f = {};
    if (!item || !item->ok || !item->data || item->type != 20500 ||
        ast_dataitem_020_500_get_size(item->data, item->size) != item->size)
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    unsigned octet = 2;
    if (b::bit(d, 1, 8)) {
        f.dop_present = 1;
        f.dop_x = b::octets(d, octet, 2);
        f.dop_y = b::octets(d, octet + 2, 2);
        f.dop_xy = b::octets(d, octet + 4, 2);
        octet += 6;
    }
    if (b::bit(d, 1, 7)) {
        f.sdp_present = 1;
        f.sdp_x = b::octets(d, octet, 2);
        f.sdp_y = b::octets(d, octet + 2, 2);
        f.sdp_xy = b::signExtend(b::octets(d, octet + 4, 2), 16);
        octet += 6;
    }
    if (b::bit(d, 1, 6)) {
        f.sdh_present = 1;
        f.sdh = b::octets(d, octet, 2);
    }
    return f;
}

const char* ast_dataitem_020_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT020_UNIT, type);
    return name ? name : "";
}

// ---- record getters ----------------------------------------------------------------------

ast_record_sacsic_t ast_datarecord_020_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 20, 20010);
}

ast_record_timeofday_t ast_datarecord_020_get_timeofday(const ast_datarecord_t* record) {
    return ast::timeOfDayFrom(record, 20, 20140);
}

ast_record_msgtype_t ast_datarecord_020_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = {};
    if (record && record->ok && record->category == 20)
        result = ast_record_msgtype_t{1, AST_MSGTYPE_MLAT};
    return result;
}

ast_record_tracknum_t ast_datarecord_020_get_tracknum(const ast_datarecord_t* record) {
    return ast::trackNumberFrom(record, 20, 20161);
}

ast_record_squawk_t ast_datarecord_020_get_squawk(const ast_datarecord_t* record) {
    return ast::squawkFrom(record, 20, 20070);
}

ast_record_callsign_t ast_datarecord_020_get_callsign(const ast_datarecord_t* record) {
    ast_record_callsign_t result = {};
    const ast_target_id_t f = ast::decodedItem(record, 20, 20245, &ast_dataitem_target_id_decode);
    if (f.present) {
        result.valid = 1;
        std::memcpy(result.callsign, f.callsign, sizeof result.callsign);
        result.callsign[sizeof result.callsign - 1] = '\0';
    }
    return result;
}

ast_record_icaoaddr_t ast_datarecord_020_get_icaoaddr(const ast_datarecord_t* record) {
    return ast::addressFrom(record, 20, 20220);
}

ast_record_coordinate_t ast_datarecord_020_get_coordinate(const ast_datarecord_t* record) {
    ast_record_coordinate_t result = {};
    const ast_wgs84_position_t f = ast::decodedItem(record, 20, 20041, &ast_dataitem_wgs84_decode);
    if (f.present)
        result = ast_record_coordinate_t{1, f.latitude, f.longitude};
    return result;
}

ast_record_flightlevel_t ast_datarecord_020_get_flightlevel(const ast_datarecord_t* record) {
    return ast::modeCLevelFrom(record, 20, 20090);
}

}  // extern "C"

namespace ast {

const RecordGetters CAT020_GETTERS = {
    &ast_datarecord_020_get_sacsic,       // 0 SAC/SIC
    &ast_datarecord_020_get_timeofday,    // 1 time of day
    &ast_datarecord_020_get_msgtype,      // 2 message type
    &ast_datarecord_020_get_tracknum,     // 3 track number
    &ast_datarecord_020_get_squawk,       // 4 Mode 3/A
    &ast_datarecord_020_get_callsign,     // 5 callsign
    &ast_datarecord_020_get_icaoaddr,     // 6 ICAO address
    &ast_datarecord_020_get_coordinate,   // 7 WGS-84 coordinate
    &ast_datarecord_020_get_flightlevel,  // 8 flight level
    nullptr,                              // 9 polar coordinate
    nullptr,                              // 10 heading
    nullptr,                              // 11 speed
};

}  // namespace ast

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat020_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i010, 20010, ast_dataitem_data_source_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i020, 20020, ast_dataitem_020_020_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i041, 20041, ast_dataitem_wgs84_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i042, 20042, ast_dataitem_cartesian_position_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i070, 20070, ast_dataitem_mode_3a_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i090, 20090, ast_dataitem_mode_c_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i105, 20105, ast_dataitem_height_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i110, 20110, ast_dataitem_height_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i140, 20140, ast_dataitem_time_of_day_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i161, 20161, ast_dataitem_track_number_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i170, 20170, ast_dataitem_020_170_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i202, 20202, ast_dataitem_cartesian_velocity_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i220, 20220, ast_dataitem_target_address_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i230, 20230, ast_dataitem_020_230_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i245, 20245, ast_dataitem_target_id_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i250, 20250, ast_dataitem_mb_data_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {20, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" ast_cat020_record_t ast_datarecord_020_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat020_record_t>(record, FORM);
}
