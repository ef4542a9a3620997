// CAT004, Safety Net Messages: the standard UAP, the item descriptors, the decoded forms of
// I004/040 and I004/060, the subfields of I004/100, 120, 170 and 171, and the record form.
// Summaries, detail views and the safety-net message types are in cat004_text.cpp. UAP and
// layouts from the EUROCONTROL ASTERIX definition of CAT004.

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "cat004_text.h"

namespace ast {
namespace {

namespace b = ast::bits;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 4 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(0),   T(15),  T(20),  T(40), T(45), T(60),
                                            T(30),  T(170), T(120), T(70),  T(76), T(74), T(75),
                                            T(100), T(35),  T(171), T(110), 0,     0,     0};

#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte

uint64_t tenOctets(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_fixed(data, available, 10);
}
uint64_t conflictNatureSize(const uint8_t* data, uint64_t available) {
    return ast_subfield_get_size_variable(data, available, 3);
}
uint64_t characteristicsSize(const uint8_t* data, uint64_t available) {
    return ast_subfield_get_size_variable(data, available, 2);
}

#define SF(type, id, name, size)                                              \
    {                                                                         \
        type, {                                                               \
            id, name, size, &cat004::subfieldSummary, &cat004::subfieldDetail \
        }                                                                     \
    }
#define AIRCRAFT(item, n)                                                                         \
    SF(4##item##001, "AI" #n, "Aircraft Identifier of Aircraft " #n, FIXED(7)),                   \
        SF(4##item##002, "M3" #n, "Mode 3/A Code of Aircraft " #n, FIXED(2)),                     \
        SF(4##item##003, "CPW", "Predicted Conflict Position in WGS-84 Coordinates", &tenOctets),  \
        SF(4##item##004, "CPC", "Predicted Conflict Position in Cartesian Coordinates", FIXED(8)), \
        SF(4##item##005, "TT" #n, "Time to Runway Threshold", FIXED(3)),                          \
        SF(4##item##006, "DT" #n, "Distance to Runway Threshold", FIXED(2)),                      \
        SF(4##item##007, "AC" #n, "Aircraft Characteristics", &characteristicsSize),              \
        SF(4##item##008, "MS" #n, "Mode S Identifier", FIXED(6)),                                 \
        SF(4##item##009, "FP" #n, "Flight Plan Number", FIXED(4)),                                \
        SF(4##item##010, "CF" #n, "Cleared Flight Level", FIXED(2))

// Sorted by subfield type.
const SubfieldEntry SUBFIELDS[] = {
    SF(4100001, "AN", "Area Name", FIXED(6)),
    SF(4100002, "CAN", "Crossing Area Name", FIXED(7)),
    SF(4100003, "RT1", "Runway/Taxiway Designator 1", FIXED(7)),
    SF(4100004, "RT2", "Runway/Taxiway Designator 2", FIXED(7)),
    SF(4100005, "SB", "Stop Bar Designator", FIXED(7)),
    SF(4100006, "G", "Gate Designator", FIXED(7)),
    SF(4120001, "CN", "Conflict Nature", &conflictNatureSize),
    SF(4120002, "CC", "Conflict Classification", FIXED(1)),
    SF(4120003, "CP", "Conflict Probability", FIXED(1)),
    SF(4120004, "CD", "Conflict Duration", FIXED(3)),
    AIRCRAFT(170, 1),
    AIRCRAFT(171, 2),
};
#undef AIRCRAFT
#undef SF

#define NAME ast_dataitem_004_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define COMPOUND(type)                                                          \
    DESC(&compoundSize<type>, &ast_dataitem_subfields_get_summary,              \
         &ast_dataitem_subfields_get_detail_html, nullptr)

template <ast_dataitem_type_t Type>
uint64_t compoundSize(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, Type);
}

// Sorted by item number. I004/015, 045, 070, 074, 075, 076 and 110 have no descriptor: a record
// that carries one cannot be decoded.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(FIXED(1), &ast_dataitem_004_000_get_summary, &ast_dataitem_004_000_get_detail_html,
          &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Time of Message", AST_DESC_TIME_OF_DAY(NAME)},
    {30, "Track Number 1", AST_DESC_TRACK_NUMBER(NAME)},
    {35, "Track Number 2", AST_DESC_TRACK_NUMBER(NAME)},
    {40, "Alert Identifier",
     DESC(FIXED(2), &ast_dataitem_004_040_get_summary, &ast_dataitem_get_detail_html_dummy,
          &ast_dataitem_004_040_encode)},
    {60, "Safety Net Function & System Status",
     DESC(&ast_dataitem_get_size_var_6_byte, &ast_dataitem_004_060_get_summary,
          &ast_dataitem_004_060_get_detail_html, nullptr)},
    {100, "Area Definition", COMPOUND(4100)},
    {120, "Conflict Characteristics", COMPOUND(4120)},
    {170, "Aircraft Identification & Characteristics 1", COMPOUND(4170)},
    {171, "Aircraft Identification & Characteristics 2", COMPOUND(4171)},
};

#undef COMPOUND
#undef DESC
#undef NAME
#undef FIXED

}  // namespace

const CategoryUnit CAT004_UNIT = {4,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  21,
                                  "UAP CAT004",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  SUBFIELDS,
                                  sizeof SUBFIELDS / sizeof SUBFIELDS[0],
                                  nullptr};

}  // namespace ast

using namespace ast;

extern "C" {

#define AST_FAMILY(item)                 \
    AST_SUBFIELD_ID_NAME_SIZE(004, item) \
    AST_SUBFIELD_SUMMARY(004, item)      \
    AST_SUBFIELD_DETAIL(004, item)
AST_FAMILY(100)
AST_FAMILY(120)
AST_FAMILY(170)
AST_FAMILY(171)
#undef AST_FAMILY

ast_dataitem_004_040_t ast_dataitem_004_040_decode(const ast_dataitem_t* item) {
    ast_dataitem_004_040_t f = {};
    if (!sized(item, 2, 4040))
        return f;
    f.present = 1;
    f.alert_id = b::octets(item->data, 1, 2);
    return f;
}

ast_dataitem_t ast_dataitem_004_040_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_004_040_t* f = prepare<ast_dataitem_004_040_t>(buffer, capacity, value, 2);
    if (!f || f->alert_id > 0xFFFF)
        return failed(buffer, value);
    b::put(buffer, f->alert_id, 2);
    return written(buffer, 2, value);
}

// Seven function flags per octet, bit 8 down to bit 2; bit 1 is FX.
ast_dataitem_004_060_t ast_dataitem_004_060_decode(const ast_dataitem_t* item) {
    ast_dataitem_004_060_t f = {};
    if (!sizedWithin(item, 1, 6, 4060))
        return f;
    f.present = 1;
    f.octets = static_cast<uint32_t>(item->size);
    for (uint32_t octet = 1; octet <= f.octets; ++octet)
        for (uint32_t k = 1; k <= 7; ++k)
            if (b::bit(item->data, octet, 9 - k)) {
                f.functions |= uint64_t{1} << ((octet - 1) * 7 + k - 1);
                ++f.count;
            }
    return f;
}

const char* ast_dataitem_004_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT004_UNIT, type);
    return name ? name : "";
}

}  // extern "C"

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat004_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i000, 4000, ast_dataitem_message_type_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i010, 4010, ast_dataitem_data_source_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i020, 4020, ast_dataitem_time_of_day_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i030, 4030, ast_dataitem_track_number_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i035, 4035, ast_dataitem_track_number_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i040, 4040, ast_dataitem_004_040_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i060, 4060, ast_dataitem_004_060_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i100, 4100, ast_dataitem_subfields_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i120, 4120, ast_dataitem_subfields_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i170, 4170, ast_dataitem_subfields_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i171, 4171, ast_dataitem_subfields_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {4, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" ast_cat004_record_t ast_datarecord_004_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat004_record_t>(record, FORM);
}
