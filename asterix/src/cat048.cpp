// CAT048, Monoradar Target Reports: the standard UAP, the item descriptors, the CAT048-specific
// decoded forms with their encoders, the subfields of I048/120 and I048/130 and the record
// form. Summaries and detail views are in cat048_text.cpp, the record getters in
// cat048_getters.cpp. UAP and layouts from the EUROCONTROL ASTERIX definition of CAT048.

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "RecordGetters.h"
#include "cat048_text.h"

namespace ast {
namespace {

namespace b = ast::bits;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 48 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(140), T(20),  T(40),  T(70),  T(90),  T(130),
                                            T(220), T(240), T(250), T(161), T(42),  T(200), T(170),
                                            T(210), T(30),  T(80),  T(100), T(110), T(120), T(230),
                                            T(260), T(55),  T(50),  T(65),  T(60),  T(999), T(998)};

uint64_t radialDopplerSpeedSize(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 48120);
}

uint64_t rawDopplerSpeedSize(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_repeat(data, available, 6);
}

#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte

// I048/120: the calculated Doppler speed, then the raw Doppler speeds (speed, ambiguity range
// and transmitter frequency, repeated). I048/130: seven one-octet subfields.
const SubfieldEntry SUBFIELDS[] = {
    {48120001, {"CAL", "Calculated Doppler Speed", FIXED(2), nullptr, nullptr}},
    {48120002, {"RDS", "Raw Doppler Speed", &rawDopplerSpeedSize, nullptr, nullptr}},
    {48130001, {"SRL", "SSR Plot Runlength", FIXED(1), &cat048::plotSubfieldSummary, nullptr}},
    {48130002,
     {"SRR", "Number of Received Replies for (M)SSR", FIXED(1), &cat048::plotSubfieldSummary,
      nullptr}},
    {48130003,
     {"SAM", "Amplitude of (M)SSR Reply", FIXED(1), &cat048::plotSubfieldSummary, nullptr}},
    {48130004, {"PRL", "Primary Plot Runlength", FIXED(1), &cat048::plotSubfieldSummary, nullptr}},
    {48130005,
     {"PAM", "Amplitude of Primary Plot", FIXED(1), &cat048::plotSubfieldSummary, nullptr}},
    {48130006,
     {"RPD", "Difference in Range Between PSR and SSR Plot", FIXED(1), &cat048::plotSubfieldSummary,
      nullptr}},
    {48130007,
     {"APD", "Difference in Azimuth Between PSR and SSR Plot", FIXED(1),
      &cat048::plotSubfieldSummary, nullptr}},
};

#define NAME ast_dataitem_048_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }

// Sorted by item number. I048/050, 055, 060, 065, 210 and the Reserved Expansion Field have no
// descriptor: a record that carries one cannot be decoded.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Target Report Descriptor",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_048_020_get_summary,
          &ast_dataitem_048_020_get_detail_html, &ast_dataitem_048_020_encode)},
    {30, "Warning/Error Conditions",
     DESC(&ast_dataitem_get_size_var_23_byte, &ast_dataitem_048_030_get_summary,
          &ast_dataitem_048_030_get_detail_html, nullptr)},
    {40, "Measured Position in Polar Co-ordinates",
     DESC(FIXED(4), &ast_dataitem_polar_position_get_summary,
          &ast_dataitem_polar_position_get_detail_html, &ast_dataitem_048_040_encode)},
    {42, "Calculated Position in Cartesian Co-ordinates",
     DESC(FIXED(4), &ast_dataitem_radar_cartesian_get_summary,
          &ast_dataitem_radar_cartesian_get_detail_html, nullptr)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(NAME)},
    {80, "Mode-3/A Code Confidence Indicator", AST_DESC_MODE_3A_CONFIDENCE(NAME)},
    {90, "Flight Level in Binary Representation", AST_DESC_MODE_C(NAME)},
    {100, "Mode-C Code and Code Confidence Indicator", AST_DESC_MODE_C_CONFIDENCE(NAME)},
    {110, "Height Measured by a 3D Radar",
     DESC(FIXED(2), &ast_dataitem_048_110_get_summary, &ast_dataitem_048_110_get_detail_html,
          nullptr)},
    {120, "Radial Doppler Speed",
     DESC(&radialDopplerSpeedSize, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {130, "Radar Plot Characteristics",
     DESC(&ast_dataitem_048_130_get_size, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(NAME)},
    {170, "Track Status",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_048_170_get_summary,
          &ast_dataitem_048_170_get_detail_html, nullptr)},
    {200, "Calculated Track Velocity in Ploar Co-ordinates", AST_DESC_POLAR_VELOCITY(NAME)},
    {220, "Aircraft Address", AST_DESC_TARGET_ADDRESS(NAME)},
    {230, "Communications / ACAS Capability and Flight Status",
     DESC(FIXED(2), &ast_dataitem_048_230_get_summary, &ast_dataitem_048_230_get_detail_html,
          nullptr)},
    {240, "Aircraft Identification", AST_DESC_AIRCRAFT_ID(NAME)},
    {250, "Mode S MB Data", AST_DESC_MB_DATA(NAME)},
    {260, "ACAS Resolution Advisory Report",
     DESC(FIXED(7), &ast_dataitem_048_260_get_summary, &ast_dataitem_048_260_get_detail_html,
          nullptr)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(NAME)}};

#undef DESC
#undef NAME
#undef FIXED

}  // namespace

const CategoryUnit CAT048_UNIT = {48,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP CAT048",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  SUBFIELDS,
                                  sizeof SUBFIELDS / sizeof SUBFIELDS[0],
                                  &CAT048_GETTERS};

}  // namespace ast

using namespace ast;

extern "C" {

// ---- size rules and subfields ------------------------------------------------------------

uint64_t ast_dataitem_048_130_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 48130);
}

AST_SUBFIELD_ID_NAME_SIZE(048, 120)
AST_SUBFIELD_ID_NAME_SIZE(048, 130)
AST_SUBFIELD_SUMMARY(048, 130)

// ---- I048/020 target report descriptor -----------------------------------------------------

ast_dataitem_048_020_t ast_dataitem_048_020_decode(const ast_dataitem_t* item) {
    ast_dataitem_048_020_t f = {};
    if (!sizedWithin(item, 1, 2, 48020))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.typ = b::field(d, 1, 8, 6);
    f.sim = b::bit(d, 1, 5);
    f.rdp = b::bit(d, 1, 4);
    f.spi = b::bit(d, 1, 3);
    f.rab = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.tst = b::bit(d, 2, 8);
        f.err = b::bit(d, 2, 7);
        f.xpp = b::bit(d, 2, 6);
        f.me = b::bit(d, 2, 5);
        f.mi = b::bit(d, 2, 4);
        f.foe_fri = b::field(d, 2, 3, 2);
    }
    return f;
}

// The first extension is written only when one of its fields is set.
ast_dataitem_t ast_dataitem_048_020_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_048_020_t* f = prepare<ast_dataitem_048_020_t>(buffer, capacity, value, 1);
    if (!f || f->typ > 7 || f->foe_fri > 3)
        return failed(buffer, value);
    uint8_t octets[2];
    octets[0] = static_cast<uint8_t>(f->typ << 5 | (f->sim ? 0x10 : 0) | (f->rdp ? 0x08 : 0) |
                                     (f->spi ? 0x04 : 0) | (f->rab ? 0x02 : 0));
    octets[1] =
        static_cast<uint8_t>((f->tst ? 0x80 : 0) | (f->err ? 0x40 : 0) | (f->xpp ? 0x20 : 0) |
                             (f->me ? 0x10 : 0) | (f->mi ? 0x08 : 0) | f->foe_fri << 1);
    return writeExtensible(buffer, capacity, value, octets, 2);
}

// ---- I048/030 warning/error conditions -------------------------------------------------------

ast_dataitem_048_030_t ast_dataitem_048_030_decode(const ast_dataitem_t* item) {
    ast_dataitem_048_030_t f = {};
    if (!sizedWithin(item, 1, AST_MAX_WARNING_CODES, 48030))
        return f;
    f.present = 1;
    f.count = static_cast<uint32_t>(item->size);
    for (uint32_t i = 0; i < f.count; ++i)
        f.codes[i] = b::field(item->data, i + 1, 8, 2);
    return f;
}

// ---- I048/110 height measured by a 3D radar --------------------------------------------------

ast_dataitem_048_110_t ast_dataitem_048_110_decode(const ast_dataitem_t* item) {
    ast_dataitem_048_110_t f = {};
    if (!sized(item, 2, 48110))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 14);
    f.height = f.raw * 25;
    return f;
}

// ---- I048/130 radar plot characteristics -----------------------------------------------------

ast_dataitem_048_130_t ast_dataitem_048_130_decode(const ast_dataitem_t* item) {
    ast_dataitem_048_130_t f = {};
    if (!item || item->type != 48130)
        return f;
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
    if (!compound.present)
        return f;
    f.present = 1;
    for (uint64_t i = 0; i < compound.count; ++i) {
        const ast_subfield_t& sf = compound.subfields[i];
        if (!sf.present || sf.size != 1)
            continue;
        const uint8_t raw = sf.data[0];
        const int32_t signedRaw = b::signExtend(raw, 8);
        switch (sf.type % 1000) {
            case 1:
                f.srl_present = 1;
                f.srl = raw * 360.0 / 8192.0;
                break;
            case 2:
                f.srr_present = 1;
                f.srr = raw;
                break;
            case 3:
                f.sam_present = 1;
                f.sam = signedRaw;
                break;
            case 4:
                f.prl_present = 1;
                f.prl = raw * 360.0 / 8192.0;
                break;
            case 5:
                f.pam_present = 1;
                f.pam = signedRaw;
                break;
            case 6:
                f.rpd_present = 1;
                f.rpd = signedRaw / 256.0;
                break;
            case 7:
                f.apd_present = 1;
                f.apd = signedRaw * 360.0 / 16384.0;
                break;
            default:
                break;
        }
    }
    return f;
}

// ---- I048/170 track status ---------------------------------------------------------------------

ast_dataitem_048_170_t ast_dataitem_048_170_decode(const ast_dataitem_t* item) {
    ast_dataitem_048_170_t f = {};
    if (!sizedWithin(item, 1, 2, 48170))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.cnf = b::bit(d, 1, 8);
    f.rad = b::field(d, 1, 7, 6);
    f.dou = b::bit(d, 1, 5);
    f.mah = b::bit(d, 1, 4);
    f.cdm = b::field(d, 1, 3, 2);
    if (item->size >= 2) {
        f.tre = b::bit(d, 2, 8);
        f.gho = b::bit(d, 2, 7);
        f.sup = b::bit(d, 2, 6);
        f.tcc = b::bit(d, 2, 5);
    }
    return f;
}

// ---- I048/230 communications/ACAS capability and flight status -------------------------------

ast_dataitem_048_230_t ast_dataitem_048_230_decode(const ast_dataitem_t* item) {
    ast_dataitem_048_230_t f = {};
    if (!sized(item, 2, 48230))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.com = b::field(d, 1, 8, 6);
    f.stat = b::field(d, 1, 5, 3);
    f.si = b::bit(d, 1, 2);
    f.mssc = b::bit(d, 2, 8);
    f.arc = b::bit(d, 2, 7);
    f.aic = b::bit(d, 2, 6);
    f.b1a = b::bit(d, 2, 5);
    f.b1b = b::field(d, 2, 4, 1);
    // COM 0 to 4 and STAT 0 to 5 and 7 are defined.
    if (f.com > 4)
        log(AST_LOG_WARNING, "I048/230: Communication Capability Unknown.");
    if (f.stat == 6)
        log(AST_LOG_WARNING, "I048/230: Flight Status Unknown.");
    return f;
}

// ---- I048/260 ACAS resolution advisory report ----------------------------------------------

ast_bds_30_t ast_dataitem_048_260_decode(const ast_dataitem_t* item) {
    if (!sized(item, 7, 48260))
        return ast_bds_30_t{};
    const ast_dataitem_t bds = ast_bds_decode(item->data, item->size, 0x30);
    return ast_bds_30_decode(&bds);
}

const char* ast_dataitem_048_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT048_UNIT, type);
    return name ? name : "Unknown CAT048 Dataitem";
}

}  // extern "C"

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat048_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i010, 48010, ast_dataitem_data_source_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i020, 48020, ast_dataitem_048_020_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i040, 48040, ast_dataitem_048_040_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i070, 48070, ast_dataitem_mode_3a_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i090, 48090, ast_dataitem_mode_c_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i140, 48140, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i161, 48161, ast_dataitem_track_number_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i200, 48200, ast_dataitem_polar_velocity_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i220, 48220, ast_dataitem_target_address_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i240, 48240, ast_dataitem_aircraft_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i030, 48030, ast_dataitem_048_030_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i042, 48042, ast_dataitem_048_042_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i080, 48080, ast_dataitem_mode_3a_confidence_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i100, 48100, ast_dataitem_mode_c_confidence_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i110, 48110, ast_dataitem_048_110_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i130, 48130, ast_dataitem_048_130_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i170, 48170, ast_dataitem_048_170_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i230, 48230, ast_dataitem_048_230_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i250, 48250, ast_dataitem_mb_data_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i260, 48260, ast_dataitem_048_260_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {48, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" {

ast_datarecord_t ast_datarecord_048_assemble(uint8_t* buffer, uint64_t capacity,
                                             const ast_cat048_record_t* form, ast_uap_t uap) {
    return assembleForm(buffer, capacity, FORM, form, uap);
}

ast_cat048_record_t ast_datarecord_048_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat048_record_t>(record, FORM);
}

}  // extern "C"
