// CAT062, SDPS System Track Data: the standard UAP, the item descriptors, the CAT062-specific
// decoded forms, the subfields of the compound items I062/110, 290, 295, 340, 380, 390 and
// 500, and the record form. Summaries and detail views are in cat062_text.cpp, the record
// getters in cat062_getters.cpp. UAP and layouts from the EUROCONTROL ASTERIX definition of
// CAT062 (editions 1.16 to 1.21 share them).

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "RecordGetters.h"
#include "TargetSize.h"
#include "cat062_text.h"

namespace ast {
namespace {

namespace b = ast::bits;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 62 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {
    T(10),  0,      T(15),  T(70),  T(105), T(100), T(185), T(210), T(60),  T(245), T(380), T(40),
    T(80),  T(290), T(200), T(295), T(136), T(130), T(135), T(220), T(390), T(270), T(300), T(110),
    T(120), T(510), T(500), T(340), 0,      0,      0,      0,      0,      T(998), T(999)};

#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte

uint64_t tisSize(const uint8_t* data, uint64_t available) {
    return ast_subfield_get_size_variable(data, available, 8);
}
uint64_t tidSize(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_repeat(data, available, 15);
}

#define SF(type, id, name, size)                                                               \
    {                                                                                          \
        type, {                                                                                \
            id, name, size, &cat062::subfieldSummary, &cat062::subfieldDetail                  \
        }                                                                                      \
    }

// Sorted by subfield type. Subfield layouts of the EUROCONTROL definition of CAT062.
const SubfieldEntry SUBFIELDS[] = {
    SF(62110001, "SUM", "Mode 5 Summary", FIXED(1)),
    SF(62110002, "PMN", "Mode 5 PIN/ National Origin/Mission Code", FIXED(4)),
    SF(62110003, "POS", "Mode 5 Reported Position", FIXED(6)),
    SF(62110004, "GA", "Mode 5 GNSS-derived Altitude", FIXED(2)),
    SF(62110005, "EM1", "Extended Mode 1 Code in Octal Representation", FIXED(2)),
    SF(62110006, "TOS", "Time Offset for POS and GA", FIXED(1)),
    SF(62110007, "XP", "X Pulse Presence", FIXED(1)),
    SF(62290001, "TRK", "Track Age", FIXED(1)),
    SF(62290002, "PSR", "PSR Age", FIXED(1)),
    SF(62290003, "SSR", "SSR Age", FIXED(1)),
    SF(62290004, "MDS", "Mode S Age", FIXED(1)),
    SF(62290005, "ADS", "ADS-C Age", FIXED(2)),
    SF(62290006, "ES", "ADS-B Extended Squitter Age", FIXED(1)),
    SF(62290007, "VDL", "ADS-B VDL Mode 4 Age", FIXED(1)),
    SF(62290008, "UAT", "ADS-B UAT Age", FIXED(1)),
    SF(62290009, "LOP", "Loop Age", FIXED(1)),
    SF(62290010, "MLT", "Multilateration Age", FIXED(1)),
    SF(62295001, "MFL", "Measured Flight Level Age", FIXED(1)),
    SF(62295002, "MD1", "Mode 1 Age", FIXED(1)),
    SF(62295003, "MD2", "Mode 2 Age", FIXED(1)),
    SF(62295004, "MDA", "Mode 3/A Age", FIXED(1)),
    SF(62295005, "MD4", "Mode 4 Age", FIXED(1)),
    SF(62295006, "MD5", "Mode 5 Age", FIXED(1)),
    SF(62295007, "MHG", "Magnetic Heading Age", FIXED(1)),
    SF(62295008, "IAS", "Indicated Airspeed / Mach Nb Age", FIXED(1)),
    SF(62295009, "TAS", "True Airspeed Age", FIXED(1)),
    SF(62295010, "SAL", "Selected Altitude Age", FIXED(1)),
    SF(62295011, "FSS", "Final State Selected Altitude Age", FIXED(1)),
    SF(62295012, "TID", "Trajectory Intent Age", FIXED(1)),
    SF(62295013, "COM", "Communication/ACAS Capability and Flight Status Age", FIXED(1)),
    SF(62295014, "SAB", "Status Reported by ADS-B Age", FIXED(1)),
    SF(62295015, "ACS", "ACAS Resolution Advisory Report Age", FIXED(1)),
    SF(62295016, "BVR", "Barometric Vertical Rate Age", FIXED(1)),
    SF(62295017, "GVR", "Geometrical Vertical Rate Age", FIXED(1)),
    SF(62295018, "RAN", "Roll Angle Age", FIXED(1)),
    SF(62295019, "TAR", "Track Angle Rate Age", FIXED(1)),
    SF(62295020, "TAN", "Track Angle Age", FIXED(1)),
    SF(62295021, "GSP", "Ground Speed Age", FIXED(1)),
    SF(62295022, "VUN", "Velocity Uncertainty Age", FIXED(1)),
    SF(62295023, "MET", "Meteorological Data Age", FIXED(1)),
    SF(62295024, "EMC", "Emitter Category Age", FIXED(1)),
    SF(62295025, "POS", "Position Age", FIXED(1)),
    SF(62295026, "GAL", "Geometric Altitude Age", FIXED(1)),
    SF(62295027, "PUN", "Position Uncertainty Age", FIXED(1)),
    SF(62295028, "MB", "Mode S MB Data Age", FIXED(1)),
    SF(62295029, "IAR", "Indicated Airspeed Data Age", FIXED(1)),
    SF(62295030, "MAC", "Mach Number Data Age", FIXED(1)),
    SF(62295031, "BPS", "Barometric Pressure Setting Data Age", FIXED(1)),
    SF(62340001, "SID", "Sensor Identification", FIXED(2)),
    SF(62340002, "POS", "Measured Position", FIXED(4)),
    SF(62340003, "HEIGHT", "Measured 3-D Height", FIXED(2)),
    SF(62340004, "MDC", "Last Measured Mode C Code", FIXED(2)),
    SF(62340005, "MDA", "Last Measured Mode 3/A Code", FIXED(2)),
    SF(62340006, "TYP", "Report Type", FIXED(1)),
    SF(62380001, "ADR", "Target Address", FIXED(3)),
    SF(62380002, "ID", "Target Identification", FIXED(6)),
    SF(62380003, "MHG", "Magnetic Heading", FIXED(2)),
    SF(62380004, "IAS", "Indicated Airspeed/Mach No", FIXED(2)),
    SF(62380005, "TAS", "True Airspeed", FIXED(2)),
    SF(62380006, "SAL", "Selected Altitude", FIXED(2)),
    SF(62380007, "FSS", "Final State Selected Altitude", FIXED(2)),
    SF(62380008, "TIS", "Trajectory Intent Status", &tisSize),
    SF(62380009, "TID", "Trajectory Intent Data", &tidSize),
    SF(62380010, "COM", "Communications/ACAS Capability and Flight Status", FIXED(2)),
    SF(62380011, "SAB", "Status Reported by ADS-B", FIXED(2)),
    SF(62380012, "ACS", "ACAS Resolution Advisory Report", FIXED(7)),
    SF(62380013, "BVR", "Barometric Vertical Rate", FIXED(2)),
    SF(62380014, "GVR", "Geometric Vertical Rate", FIXED(2)),
    SF(62380015, "RAN", "Roll Angle", FIXED(2)),
    SF(62380016, "TAR", "Track Angle Rate", FIXED(2)),
    SF(62380017, "TAN", "Track Angle", FIXED(2)),
    SF(62380018, "GS", "Ground Speed", FIXED(2)),
    SF(62380019, "VUN", "Velocity Uncertainty", FIXED(1)),
    SF(62380020, "MET", "Meteorological Data", FIXED(8)),
    SF(62380021, "EMC", "Emitter Category", FIXED(1)),
    SF(62380022, "POS", "Position", FIXED(6)),
    SF(62380023, "GAL", "Geometric Altitude", FIXED(2)),
    SF(62380024, "PUN", "Position Uncertainty", FIXED(1)),
    SF(62380025, "MB", "Mode S MB Data", &ast_dataitem_get_size_rep_8_byte),
    SF(62380026, "IAR", "Indicated Airspeed", FIXED(2)),
    SF(62380027, "MAC", "Mach Number", FIXED(2)),
    SF(62380028, "BPS", "Barometric Pressure Setting", FIXED(2)),
    SF(62390001, "TAG", "FPPS Identification Tag", FIXED(2)),
    SF(62390002, "CS", "Callsign", FIXED(7)),
    SF(62390003, "IFI", "IFPS_FLIGHT_ID", FIXED(4)),
    SF(62390004, "FCT", "Flight Category", FIXED(1)),
    SF(62390005, "TAC", "Type of Aircraft", FIXED(4)),
    SF(62390006, "WTC", "Wake Turbulence Category", FIXED(1)),
    SF(62390007, "DEP", "Departure Airport", FIXED(4)),
    SF(62390008, "DST", "Destination Airport", FIXED(4)),
    SF(62390009, "RDS", "Runway Designation", FIXED(3)),
    SF(62390010, "CFL", "Current Cleared Flight Level", FIXED(2)),
    SF(62390011, "CTL", "Current Control Position", FIXED(2)),
    SF(62390012, "TOD", "Time of Departure / Arrival", &ast_dataitem_get_size_rep_4_byte),
    SF(62390013, "AST", "Aircraft Stand", FIXED(6)),
    SF(62390014, "STS", "Stand Status", FIXED(1)),
    SF(62390015, "STD", "Standard Instrument Departure", FIXED(7)),
    SF(62390016, "STA", "Standard Instrument Arrival", FIXED(7)),
    SF(62390017, "PEM", "Pre-Emergency Mode 3/A", FIXED(2)),
    SF(62390018, "PEC", "Pre-Emergency Callsign", FIXED(7)),
    SF(62500001, "APC", "Estimated Accuracy Of Track Position (Cartesian)", FIXED(4)),
    SF(62500002, "COV", "XY Covariance Component", FIXED(2)),
    SF(62500003, "APW", "Estimated Accuracy Of Track Position (WGS-84)", FIXED(4)),
    SF(62500004, "AGA", "Estimated Accuracy Of Calculated Track Geometric Altitude", FIXED(1)),
    SF(62500005, "ABA", "Estimated Accuracy Of Calculated Track Barometric Altitude", FIXED(1)),
    SF(62500006, "ATV", "Estimated Accuracy Of Track Velocity (Cartesian)", FIXED(2)),
    SF(62500007, "AA", "Estimated Accuracy Of Acceleration (Cartesian)", FIXED(2)),
    SF(62500008, "ARC", "Estimated Accuracy Of Rate Of Climb/Descent", FIXED(1)),
};
#undef SF

#define NAME ast_dataitem_062_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define COMPOUND(size) \
    DESC(size, &ast_dataitem_subfields_get_summary, &ast_dataitem_subfields_get_detail_html, nullptr)
// An item with a summary and a detail view of its own, no encoder.
#define TEXTED(size, n) \
    { size, &NAME, &ast_dataitem_062_##n##_get_summary, &ast_dataitem_062_##n##_get_detail_html, nullptr }

// Sorted by item number. I062/300 has no descriptor: a record that carries it cannot be
// decoded. I062/110 and I062/270 have no name.
const ItemEntry ITEMS[] = {
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {15, "Service Identification",
     DESC(FIXED(1), &ast_dataitem_service_id_get_summary, &ast_dataitem_get_detail_html_dummy,
          &ast_dataitem_service_id_encode)},
    {40, "Track Number", AST_DESC_TRACK_NUMBER(NAME)},
    {60, "Track Mode 3/A Code", AST_DESC_MODE_3A(NAME)},
    {70, "Time of Track Information",
     DESC(FIXED(3), &ast_dataitem_time_of_day_get_summary,
          &ast_dataitem_time_of_day_get_detail_html, nullptr)},
    {80, "Track Status", TEXTED(&ast_dataitem_get_size_var_6_byte, 080)},
    {100, "Calculated Track Position (Cartesian)",
     DESC(FIXED(6), &ast_dataitem_cartesian_position_get_summary,
          &ast_dataitem_get_detail_html_dummy, nullptr)},
    {105, "Calculated Position in WGS84 Coordinates",
     DESC(FIXED(8), &ast_dataitem_wgs84_get_summary, &ast_dataitem_wgs84_get_detail_html,
          nullptr)},
    {110, "", COMPOUND(&ast_dataitem_062_110_get_size)},
    {120, "Track Mode 2 Code", DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {130, "Calculated Track Geometric Altitude", TEXTED(FIXED(2), 130)},
    {135, "Calculated Track Barometric Altitude", TEXTED(FIXED(2), 135)},
    {136, "Measured Flight Level", TEXTED(FIXED(2), 136)},
    {185, "Calculated Track Velocity (Cartesian)",
     DESC(FIXED(4), &ast_dataitem_cartesian_velocity_get_summary,
          &ast_dataitem_get_detail_html_dummy, nullptr)},
    {200, "Mode of Movement", TEXTED(FIXED(1), 200)},
    {210, "Calculated Acceleration (Cartesian)", TEXTED(FIXED(2), 210)},
    {220, "Calculated Rate of Climb/Descent", TEXTED(FIXED(2), 220)},
    {245, "Target Identification",
     DESC(FIXED(7), &ast_dataitem_target_id_get_summary, &ast_dataitem_062_245_get_detail_html,
          nullptr)},
    {270, "", TEXTED(&ast_dataitem_get_size_var_3_byte, 270)},
    {290, "System Track Update Ages", COMPOUND(&ast_dataitem_062_290_get_size)},
    {295, "Track Data Age", COMPOUND(&ast_dataitem_062_295_get_size)},
    {340, "Measured Information", COMPOUND(&ast_dataitem_062_340_get_size)},
    {380, "Aircraft Derived Data", COMPOUND(&ast_dataitem_062_380_get_size)},
    {390, "Flight Plan Related Data", COMPOUND(&ast_dataitem_062_390_get_size)},
    {500, "Estimated Accuracies", COMPOUND(&ast_dataitem_062_500_get_size)},
    {510, "Composed Track Number", TEXTED(&ast_dataitem_062_510_get_size, 510)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(NAME)},
    {999, "Reserved For Special Purpose Indicator", AST_DESC_SPECIAL_PURPOSE(NAME)},
};

#undef TEXTED
#undef COMPOUND
#undef DESC
#undef NAME
#undef FIXED

}  // namespace

const CategoryUnit CAT062_UNIT = {62,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  35,
                                  "UAP CAT062",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  SUBFIELDS,
                                  sizeof SUBFIELDS / sizeof SUBFIELDS[0],
                                  &CAT062_GETTERS};

}  // namespace ast

using namespace ast;

extern "C" {

// ---- size rules and subfields ------------------------------------------------------------

#define AST_COMPOUND_SIZE(item)                                                            \
    uint64_t ast_dataitem_062_##item##_get_size(const uint8_t* data, uint64_t available) { \
        return ast_dataitem_subfields_get_size(data, available, 62##item);                 \
    }
AST_COMPOUND_SIZE(110)
AST_COMPOUND_SIZE(290)
AST_COMPOUND_SIZE(295)
AST_COMPOUND_SIZE(340)
AST_COMPOUND_SIZE(380)
AST_COMPOUND_SIZE(390)
AST_COMPOUND_SIZE(500)
#undef AST_COMPOUND_SIZE

// Three-octet parts (unit, track number, FX) while the last octet of a part has its FX bit.
uint64_t ast_dataitem_062_510_get_size(const uint8_t* data, uint64_t available) {
    if (!data)
        return 0;
    for (uint64_t size = 3; size <= available; size += 3)
        if (!(data[size - 1] & 0x01))
            return size;
    return 0;
}

#define AST_FAMILY(item)                 \
    AST_SUBFIELD_ID_NAME_SIZE(062, item) \
    AST_SUBFIELD_SUMMARY(062, item)      \
    AST_SUBFIELD_DETAIL(062, item)
AST_FAMILY(110)
AST_FAMILY(290)
AST_FAMILY(295)
AST_FAMILY(340)
AST_FAMILY(380)
AST_FAMILY(390)
AST_FAMILY(500)
#undef AST_FAMILY

// ---- I062/080 track status -------------------------------------------------------------------

ast_dataitem_062_080_t ast_dataitem_062_080_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_080_t f = {};
    if (!sizedWithin(item, 1, 6, 62080))
        return f;
    const uint8_t* d = item->data;
    const uint64_t n = item->size;
    f.present = 1;
    f.octets = static_cast<uint32_t>(n);
    f.mon = b::bit(d, 1, 8);
    f.spi = b::bit(d, 1, 7);
    f.mrh = b::bit(d, 1, 6);
    f.src = b::field(d, 1, 5, 3);
    f.cnf = b::bit(d, 1, 2);
    if (n >= 2) {
        f.sim = b::bit(d, 2, 8);
        f.tse = b::bit(d, 2, 7);
        f.tsb = b::bit(d, 2, 6);
        f.fpc = b::bit(d, 2, 5);
        f.aff = b::bit(d, 2, 4);
        f.stp = b::bit(d, 2, 3);
        f.kos = b::bit(d, 2, 2);
    }
    if (n >= 3) {
        f.ama = b::bit(d, 3, 8);
        f.md4 = b::field(d, 3, 7, 6);
        f.me = b::bit(d, 3, 5);
        f.mi = b::bit(d, 3, 4);
        f.md5 = b::field(d, 3, 3, 2);
    }
    if (n >= 4) {
        f.cst = b::bit(d, 4, 8);
        f.psr = b::bit(d, 4, 7);
        f.ssr = b::bit(d, 4, 6);
        f.mds = b::bit(d, 4, 5);
        f.ads = b::bit(d, 4, 4);
        f.suc = b::bit(d, 4, 3);
        f.aac = b::bit(d, 4, 2);
    }
    if (n >= 5) {
        f.sds = b::field(d, 5, 8, 7);
        f.ems = b::field(d, 5, 6, 4);
        f.pft = b::bit(d, 5, 3);
        f.fplt = b::bit(d, 5, 2);
    }
    if (n >= 6) {
        f.dupt = b::bit(d, 6, 8);
        f.dupf = b::bit(d, 6, 7);
        f.dupm = b::bit(d, 6, 6);
        f.sfc = b::bit(d, 6, 5);
        f.idd = b::bit(d, 6, 4);
        f.iec = b::bit(d, 6, 3);
    }
    return f;
}

// ---- altitudes, movement, acceleration, rate of climb ------------------------------------------

ast_dataitem_062_130_t ast_dataitem_062_130_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_130_t f = {};
    if (!sized(item, 2, 62130))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 16);
    f.altitude = f.raw * 6.25;
    return f;
}

ast_dataitem_062_135_t ast_dataitem_062_135_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_135_t f = {};
    if (!sized(item, 2, 62135))
        return f;
    f.present = 1;
    f.qnh = b::bit(item->data, 1, 8);
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 15);
    f.level = f.raw / 4.0;
    return f;
}

ast_dataitem_062_136_t ast_dataitem_062_136_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_136_t f = {};
    if (!sized(item, 2, 62136))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 16);
    f.level = f.raw / 4.0;
    return f;
}

ast_dataitem_062_200_t ast_dataitem_062_200_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_200_t f = {};
    if (!sized(item, 1, 62200))
        return f;
    f.present = 1;
    f.trans = b::field(item->data, 1, 8, 7);
    f.lon = b::field(item->data, 1, 6, 5);
    f.vert = b::field(item->data, 1, 4, 3);
    f.adf = b::bit(item->data, 1, 2);
    return f;
}

ast_dataitem_062_210_t ast_dataitem_062_210_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_210_t f = {};
    if (!sized(item, 2, 62210))
        return f;
    f.present = 1;
    f.ax_raw = b::signExtend(item->data[0], 8);
    f.ay_raw = b::signExtend(item->data[1], 8);
    f.ax = f.ax_raw * 0.25;
    f.ay = f.ay_raw * 0.25;
    return f;
}

ast_dataitem_062_220_t ast_dataitem_062_220_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_220_t f = {};
    if (!sized(item, 2, 62220))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 16);
    f.rate = f.raw * 6.25;
    return f;
}

// ---- I062/270 target size and orientation --------------------------------------------------

ast_dataitem_062_270_t ast_dataitem_062_270_decode(const ast_dataitem_t* item) {
    return sizedWithin(item, 1, 3, 62270) ? decodeTargetSize(item) : ast_dataitem_062_270_t{};
}

// ---- I062/510 composed track number ----------------------------------------------------------

ast_dataitem_062_510_t ast_dataitem_062_510_decode(const ast_dataitem_t* item) {
    ast_dataitem_062_510_t f = {};
    if (!item || !item->ok || !item->data || item->type != 62510 || item->size == 0 ||
        item->size % 3 != 0 || item->size / 3 > AST_MAX_COMPOSED_TRACKS)
        return f;
    f.present = 1;
    f.count = static_cast<uint32_t>(item->size / 3);
    for (uint32_t i = 0; i < f.count; ++i) {
        f.tracks[i].unit = item->data[3 * i];
        f.tracks[i].track = b::octets(item->data, 3 * i + 2, 2) >> 1;
    }
    return f;
}

const char* ast_dataitem_062_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT062_UNIT, type);
    return name ? name : "";
}

}  // extern "C"

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat062_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i010, 62010, ast_dataitem_data_source_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i015, 62015, ast_dataitem_service_id_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i040, 62040, ast_dataitem_track_number_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i060, 62060, ast_dataitem_mode_3a_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i070, 62070, ast_dataitem_time_of_day_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i080, 62080, ast_dataitem_062_080_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i100, 62100, ast_dataitem_cartesian_position_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i105, 62105, ast_dataitem_wgs84_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i130, 62130, ast_dataitem_062_130_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i135, 62135, ast_dataitem_062_135_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i136, 62136, ast_dataitem_062_136_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i185, 62185, ast_dataitem_cartesian_velocity_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i200, 62200, ast_dataitem_062_200_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i210, 62210, ast_dataitem_062_210_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i220, 62220, ast_dataitem_062_220_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i245, 62245, ast_dataitem_target_id_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {62, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" ast_cat062_record_t ast_datarecord_062_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat062_record_t>(record, FORM);
}
