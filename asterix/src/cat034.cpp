// CAT034, Transmission of Monoradar Service Messages (the successor of CAT002): the standard
// UAP, the item descriptors, the CAT034-specific decoded forms, the subfields of I034/050 and
// I034/060 and the record form. Summaries and detail views are in cat034_text.cpp. UAP and
// layouts from the EUROCONTROL ASTERIX definition of CAT034.

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "cat034_text.h"

namespace ast {
namespace {

namespace b = ast::bits;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 34 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),   T(30),  T(20),  T(41), T(50),  T(60),
                                            T(70), T(100), T(110), T(120), T(90), T(998), T(999)};

#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte
#define SUBFIELD(type, id, name, octets)                                                           \
    {                                                                                              \
        type, {                                                                                    \
            id, name, FIXED(octets), &cat034::statusSubfieldSummary, &cat034::statusSubfieldDetail \
        }                                                                                          \
    }

// I034/050 and I034/060: a common part, two spare subfields, then one subfield per sensor.
const SubfieldEntry SUBFIELDS[] = {
    SUBFIELD(34050001, "COM", "Common Part", 1),
    SUBFIELD(34050004, "PSR", "Specific Status Information for a PSR Sensor", 1),
    SUBFIELD(34050005, "SSR", "Specific Status Information for a SSR Sensor", 1),
    SUBFIELD(34050006, "MDS", "Specific Status Information for a Mode S Sensor", 2),
    SUBFIELD(34060001, "COM", "Common Part", 1),
    SUBFIELD(34060004, "PSR", "Specific Processing Mode Information for a PSR Sensor", 1),
    SUBFIELD(34060005, "SSR", "Specific Processing Mode Information for a SSR Sensor", 1),
    SUBFIELD(34060006, "MDS", "Specific Processing Mode Information for a Mode S Sensor", 1),
};
#undef SUBFIELD

#define NAME ast_dataitem_034_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }

// Sorted by item number. I034/100 and the Reserved Expansion Field have no descriptor.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(FIXED(1), &ast_dataitem_034_000_get_summary, nullptr, &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Sector Number", AST_DESC_SECTOR_NUMBER(NAME)},
    {30, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {41, "Antenna Rotation Period",
     DESC(FIXED(2), &ast_dataitem_034_041_get_summary, nullptr, nullptr)},
    {50, "Station Configuration & Status",
     DESC(&ast_dataitem_034_050_get_size, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {60, "System Processing Mode",
     DESC(&ast_dataitem_034_060_get_size, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {70, "Message Count Values",
     DESC(&ast_dataitem_get_size_rep_2_byte, &ast_dataitem_034_070_get_summary,
          &ast_dataitem_034_070_get_detail_html, nullptr)},
    {90, "Collimation Error", DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {110, "Data Filter", DESC(FIXED(1), nullptr, nullptr, nullptr)},
    {120, "3D-Position Of Data Source", DESC(FIXED(8), nullptr, nullptr, nullptr)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(NAME)}};

#undef DESC
#undef NAME
#undef FIXED

}  // namespace

const CategoryUnit CAT034_UNIT = {34,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  14,
                                  "UAP CAT034",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  SUBFIELDS,
                                  sizeof SUBFIELDS / sizeof SUBFIELDS[0],
                                  nullptr};

}  // namespace ast

using namespace ast;

namespace {

// The subfields present in a compound item of `type`, by index (1-based); null for absent.
struct Subfields {
    const uint8_t* data[AST_MAX_SUBFIELDS + 1] = {};
    bool decoded = false;
    Subfields(const ast_dataitem_t* item, ast_dataitem_type_t type) {
        if (!item || item->type != type)
            return;
        const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
        if (!compound.present)
            return;
        decoded = true;
        for (uint64_t i = 0; i < compound.count; ++i) {
            const ast_subfield_t& sf = compound.subfields[i];
            const uint64_t expected = ast_subfield_get_size(sf.data, sf.size, sf.type);
            if (sf.present && sf.size > 0 && sf.size == expected)
                data[sf.type % 1000] = sf.data;
        }
    }
};

}  // namespace

extern "C" {

// ---- size rules and subfields ------------------------------------------------------------

uint64_t ast_dataitem_034_050_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 34050);
}

uint64_t ast_dataitem_034_060_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 34060);
}

AST_SUBFIELD_ID_NAME_SIZE(034, 050)
AST_SUBFIELD_ID_NAME_SIZE(034, 060)
AST_SUBFIELD_SUMMARY(034, 050)
AST_SUBFIELD_SUMMARY(034, 060)
AST_SUBFIELD_DETAIL(034, 050)
AST_SUBFIELD_DETAIL(034, 060)

// ---- I034/041 antenna rotation period ------------------------------------------------------

ast_dataitem_034_041_t ast_dataitem_034_041_decode(const ast_dataitem_t* item) {
    ast_dataitem_034_041_t f = {};
    if (!sized(item, 2, 34041))
        return f;
    f.present = 1;
    f.raw = b::octets(item->data, 1, 2);
    f.period = f.raw / 128.0;
    return f;
}

// ---- I034/050 system configuration and status -----------------------------------------------

ast_dataitem_034_050_t ast_dataitem_034_050_decode(const ast_dataitem_t* item) {
    ast_dataitem_034_050_t f = {};
    const Subfields sf(item, 34050);
    if (!sf.decoded)
        return f;
    f.present = 1;
    if (const uint8_t* d = sf.data[1]) {
        f.com_present = 1;
        f.nogo = b::bit(d, 1, 8);
        f.rdpc = b::bit(d, 1, 7);
        f.rdpr = b::bit(d, 1, 6);
        f.ovl_rdp = b::bit(d, 1, 5);
        f.ovl_xmt = b::bit(d, 1, 4);
        f.msc = b::bit(d, 1, 3);
        f.tsv = b::bit(d, 1, 2);
    }
    if (const uint8_t* d = sf.data[4]) {
        f.psr_present = 1;
        f.psr_ant = b::bit(d, 1, 8);
        f.psr_ch_ab = b::field(d, 1, 7, 6);
        f.psr_ovl = b::bit(d, 1, 5);
        f.psr_msc = b::bit(d, 1, 4);
    }
    if (const uint8_t* d = sf.data[5]) {
        f.ssr_present = 1;
        f.ssr_ant = b::bit(d, 1, 8);
        f.ssr_ch_ab = b::field(d, 1, 7, 6);
        f.ssr_ovl = b::bit(d, 1, 5);
        f.ssr_msc = b::bit(d, 1, 4);
    }
    if (const uint8_t* d = sf.data[6]) {
        f.mds_present = 1;
        f.mds_ant = b::bit(d, 1, 8);
        f.mds_ch_ab = b::field(d, 1, 7, 6);
        f.mds_ovl_sur = b::bit(d, 1, 5);
        f.mds_msc = b::bit(d, 1, 4);
        f.mds_scf = b::bit(d, 1, 3);
        f.mds_dlf = b::bit(d, 1, 2);
        f.mds_ovl_scf = b::bit(d, 1, 1);
        f.mds_ovl_dlf = b::bit(d, 2, 8);
    }
    return f;
}

// ---- I034/060 system processing mode -------------------------------------------------------

ast_dataitem_034_060_t ast_dataitem_034_060_decode(const ast_dataitem_t* item) {
    ast_dataitem_034_060_t f = {};
    const Subfields sf(item, 34060);
    if (!sf.decoded)
        return f;
    f.present = 1;
    if (const uint8_t* d = sf.data[1]) {
        f.com_present = 1;
        f.red_rdp = b::field(d, 1, 7, 5);
        f.red_xmt = b::field(d, 1, 4, 2);
    }
    if (const uint8_t* d = sf.data[4]) {
        f.psr_present = 1;
        f.psr_pol = b::bit(d, 1, 8);
        f.psr_red_rad = b::field(d, 1, 7, 5);
        f.psr_stc = b::field(d, 1, 4, 3);
    }
    if (const uint8_t* d = sf.data[5]) {
        f.ssr_present = 1;
        f.ssr_red_rad = b::field(d, 1, 8, 6);
    }
    if (const uint8_t* d = sf.data[6]) {
        f.mds_present = 1;
        f.mds_red_rad = b::field(d, 1, 8, 6);
        f.mds_clu = b::bit(d, 1, 5);
    }
    return f;
}

// ---- I034/070 message count values ---------------------------------------------------------

ast_dataitem_034_070_t ast_dataitem_034_070_decode(const ast_dataitem_t* item) {
    ast_dataitem_034_070_t f = {};
    if (!item || !item->ok || !item->data || item->type != 34070 || item->size < 1 ||
        item->size != 1 + uint64_t{item->data[0]} * 2)
        return f;
    f.present = 1;
    f.count = item->data[0];
    for (uint32_t i = 0; i < f.count; ++i) {
        const uint8_t* counter = item->data + 1 + i * 2;
        f.counters[i].type = b::field(counter, 1, 8, 4);
        f.counters[i].count = b::octets(counter, 1, 2) & 0x07FF;
    }
    return f;
}

const char* ast_dataitem_034_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT034_UNIT, type);
    return name ? name : "Unknown CAT034 Dataitem";
}

}  // extern "C"

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat034_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i000, 34000, ast_dataitem_message_type_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i010, 34010, ast_dataitem_data_source_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i020, 34020, ast_dataitem_sector_number_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i030, 34030, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i041, 34041, ast_dataitem_034_041_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i050, 34050, ast_dataitem_034_050_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i060, 34060, ast_dataitem_034_060_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i070, 34070, ast_dataitem_034_070_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {34, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" {

ast_datarecord_t ast_datarecord_034_assemble(uint8_t* buffer, uint64_t capacity,
                                             const ast_cat034_record_t* form, ast_uap_t uap) {
    return assembleForm(buffer, capacity, FORM, form, uap);
}

ast_cat034_record_t ast_datarecord_034_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat034_record_t>(record, FORM);
}

}  // extern "C"
