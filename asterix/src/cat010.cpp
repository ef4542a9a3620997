// CAT010, Monosensor Surface Movement Data: the standard UAP, the item descriptors, the
// CAT010-specific decoded forms with their summaries and detail views, and the record getters.
// UAP and layouts from the EUROCONTROL ASTERIX definition of CAT010.

#include "Bits.h"
#include "CodeTable.h"
#include "Descriptors.h"
#include "Html.h"
#include "RecordGetters.h"
#include "TargetSize.h"

namespace ast {
namespace {

namespace b = ast::bits;
namespace html = ast::html;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 10 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {
    T(10),  T(0),   T(20),  T(140), T(41),  T(40),  T(42),  T(200), T(202), T(161),
    T(170), T(60),  T(220), T(245), T(250), T(300), T(90),  T(91),  T(270), T(550),
    T(310), T(500), T(280), T(131), T(210), 0,      T(999), T(998)};

const CodeText MESSAGE_TYPES[] = {
    {1, "MSG_TYPE:TARGET_REPORT"},
    {2, "MSG_TYPE:START_UPDATE_CYCLE"},
    {3, "MSG_TYPE:PERIODIC_STATUS"},
    {4, "MSG_TYPE:EVENT_STATUS"},
};
// I010/020 TYP.
const char* const DETECTIONS[] = {"TYPE:SSR_MLAT", "TYPE:MODES_MLAT", "TYPE:ADSB",
                                  "TYPE:PSR",      "TYPE:MAGLOOP",    "TYPE:HF_MLAT",
                                  "TYPE:UNDEFINED", "TYPE:OTHER"};
// I010/170 CST: coasted track.
const char* const COASTING[] = {"No extrapolation", "Predictable extrapolation due to sensor refresh period",
                                "Predictable extrapolation in masked area",
                                "Extrapolation due to unpredictable absence of detection"};

#define NAME ast_dataitem_010_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte
#define TEXTED(size, n)                                                                      \
    {                                                                                        \
        size, &NAME, &ast_dataitem_010_##n##_get_summary, &ast_dataitem_010_##n##_get_detail_html, \
            nullptr                                                                          \
    }

// Sorted by item number. I010/041, 060, 090, 091, 200, 210, 220, 245, 250, 280, 300, 310, 500,
// 550 and the Reserved Expansion and Special Purpose Fields have no descriptor: a record that
// carries one cannot be decoded.
const ItemEntry ITEMS[] = {
    {0, "Message Type", DESC(FIXED(1), &ast_dataitem_010_000_get_summary, nullptr, nullptr)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Target Report Descriptor", TEXTED(&ast_dataitem_get_size_var_3_byte, 020)},
    {40, "Measured Position in Polar Co-ordinates",
     DESC(FIXED(4), &ast_dataitem_010_040_get_summary, &ast_dataitem_010_040_get_detail_html,
          &ast_dataitem_010_040_encode)},
    {42, "Position in Cartesian Co-ordinates", TEXTED(FIXED(4), 042)},
    {131, "Amplitude of Primary Plot", TEXTED(FIXED(1), 131)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(NAME)},
    {170, "Track Status", TEXTED(&ast_dataitem_get_size_var_3_byte, 170)},
    {202, "Calculated Track Velocity in Cartesian Coord.",
     DESC(FIXED(4), &ast_dataitem_cartesian_velocity_get_summary,
          &ast_dataitem_get_detail_html_dummy, nullptr)},
    {270, "Target Size & Orientation", TEXTED(&ast_dataitem_get_size_var_3_byte, 270)},
};

#undef TEXTED
#undef FIXED
#undef DESC
#undef NAME

}  // namespace

const CategoryUnit CAT010_UNIT = {10,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP CAT010",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  &CAT010_GETTERS};

}  // namespace ast

using namespace ast;

extern "C" {

char* ast_dataitem_010_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return codeSummary(buffer, capacity, item, 10000, MESSAGE_TYPES, "MSG_TYPE:UNDEFINED");
}

// ---- I010/020 target report descriptor ---------------------------------------------------

ast_dataitem_010_020_t ast_dataitem_010_020_decode(const ast_dataitem_t* item) {
    ast_dataitem_010_020_t f = {};
    if (!sizedWithin(item, 1, 3, 10020))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.typ = b::field(d, 1, 8, 6);
    f.dcr = b::bit(d, 1, 5);
    f.chn = b::bit(d, 1, 4);
    f.gbs = b::bit(d, 1, 3);
    f.crt = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.sim = b::bit(d, 2, 8);
        f.tst = b::bit(d, 2, 7);
        f.rab = b::bit(d, 2, 6);
        f.lop = b::field(d, 2, 5, 4);
        f.tot = b::field(d, 2, 3, 2);
    }
    if (item->size >= 3)
        f.spi = b::bit(d, 3, 8);
    return f;
}

char* ast_dataitem_010_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_010_020_t f = ast_dataitem_010_020_decode(item);
    if (!f.present)
        return buffer;
    out.append(DETECTIONS[f.typ & 7]);
    if (f.sim)
        out.append(" SIM");
    if (f.tst)
        out.append(" TST");
    if (f.spi)
        out.append(" SPI");
    return buffer;
}

char* ast_dataitem_010_020_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_010_020_t f = ast_dataitem_010_020_decode(item);
    html::FieldRow rows[11];
    html::setRow(rows[0], "TYP (Type)", "%s", DETECTIONS[f.typ & 7] + 5);
    html::setRow(rows[1], "DCR (Differential Correction)", "%s", html::yesNo(f.dcr));
    html::setRow(rows[2], "CHN (Chain)", "%u", f.chn ? 2u : 1u);
    html::setRow(rows[3], "GBS (Transponder Ground Bit)", "%s", html::yesNo(f.gbs));
    html::setRow(rows[4], "CRT (Corrupted Reply in Multilateration)", "%s", html::yesNo(f.crt));
    html::setRow(rows[5], "SIM (Simulated Target Report)", "%s", html::yesNo(f.sim));
    html::setRow(rows[6], "TST (Test Target)", "%s", html::yesNo(f.tst));
    html::setRow(rows[7], "RAB (Report from Field Monitor)", "%s", html::yesNo(f.rab));
    html::setRow(rows[8], "LOP (Loop Status)", "%u", f.lop);
    html::setRow(rows[9], "TOT (Type of Target)", "%u", f.tot);
    html::setRow(rows[10], "SPI (Special Position Identification)", "%s", html::yesNo(f.spi));
    return html::fieldTable(buffer, capacity, "Target Report Descriptor", rows);
}

// ---- positions and amplitude -----------------------------------------------------------------

char* ast_dataitem_010_040_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_polar_position_t f = ast_dataitem_010_040_decode(item);
    if (f.present)
        out.printf("RHO:%.0f THETA:%.1f", f.rho, f.theta);
    return buffer;
}

char* ast_dataitem_010_040_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_polar_position_t f = ast_dataitem_010_040_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "RHO (Range)", "%.0f m", f.rho);
    html::setRow(rows[1], "THETA (Azimuth)", "%.4f deg (raw %u)", f.theta, f.theta_raw);
    return html::fieldTable(buffer, capacity, "Measured Position in Polar Co-ordinates", rows);
}

char* ast_dataitem_010_042_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_radar_cartesian_t f = ast_dataitem_010_042_decode(item);
    if (f.present)
        out.printf("X:%d Y:%d LSB:M", static_cast<int>(f.x_raw), static_cast<int>(f.y_raw));
    return buffer;
}

char* ast_dataitem_010_042_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_radar_cartesian_t f = ast_dataitem_010_042_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "X", "%d m", static_cast<int>(f.x_raw));
    html::setRow(rows[1], "Y", "%d m", static_cast<int>(f.y_raw));
    return html::fieldTable(buffer, capacity, "Position in Cartesian Co-ordinates", rows);
}

char* ast_dataitem_010_131_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 1, 10131))
        out.printf("PAM:%d", item->data[0]);
    return buffer;
}

char* ast_dataitem_010_131_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    if (!sized(item, 1, 10131))
        return Text(buffer, capacity).buffer();
    html::FieldRow rows[1];
    html::setRow(rows[0], "PAM (Amplitude of Primary Plot)", "%u", item->data[0]);
    return html::fieldTable(buffer, capacity, "Amplitude of Primary Plot", rows);
}

// ---- I010/170 track status ---------------------------------------------------------------------

ast_dataitem_010_170_t ast_dataitem_010_170_decode(const ast_dataitem_t* item) {
    ast_dataitem_010_170_t f = {};
    if (!sizedWithin(item, 1, 3, 10170))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.cnf = b::bit(d, 1, 8);
    f.tre = b::bit(d, 1, 7);
    f.cst = b::field(d, 1, 6, 5);
    f.mah = b::bit(d, 1, 4);
    f.tcc = b::bit(d, 1, 3);
    f.sth = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.tom = b::field(d, 2, 8, 7);
        f.dou = b::field(d, 2, 6, 4);
        f.mrs = b::field(d, 2, 3, 2);
    }
    if (item->size >= 3)
        f.gho = b::bit(d, 3, 8);
    return f;
}

char* ast_dataitem_010_170_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_010_170_t f = ast_dataitem_010_170_decode(item);
    if (!f.present)
        return buffer;
    out.append(f.cnf ? "TRACK:INIT" : "TRACK:CONFIRMED");
    if (f.tre)
        out.append(" END");
    if (f.cst)
        out.append(" COASTED");
    if (f.mah)
        out.append(" MANOEUVRE");
    if (f.gho)
        out.append(" GHOST");
    return buffer;
}

char* ast_dataitem_010_170_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_010_170_t f = ast_dataitem_010_170_decode(item);
    html::FieldRow rows[10];
    html::setRow(rows[0], "CNF (Track in Initiation Phase)", "%s", html::yesNo(f.cnf));
    html::setRow(rows[1], "TRE (Last Report for a Track)", "%s", html::yesNo(f.tre));
    html::setRow(rows[2], "CST (Coasted Track)", "%s", COASTING[f.cst & 3]);
    html::setRow(rows[3], "MAH (Horizontal Manoeuvre)", "%s", html::yesNo(f.mah));
    html::setRow(rows[4], "TCC (Tracking in Polar Co-ordinates)", "%s", html::yesNo(f.tcc));
    html::setRow(rows[5], "STH (Smoothed Position)", "%s", html::yesNo(f.sth));
    html::setRow(rows[6], "TOM (Type of Movement)", "%u", f.tom);
    html::setRow(rows[7], "DOU (Doubt about the Association)", "%u", f.dou);
    html::setRow(rows[8], "MRS (Merge/Split Indication)", "%u", f.mrs);
    html::setRow(rows[9], "GHO (Ghost Track)", "%s", html::yesNo(f.gho));
    return html::fieldTable(buffer, capacity, "Track Status", rows);
}

// ---- I010/270 target size and orientation ------------------------------------------------

ast_dataitem_062_270_t ast_dataitem_010_270_decode(const ast_dataitem_t* item) {
    return sizedWithin(item, 1, 3, 10270) ? decodeTargetSize(item) : ast_dataitem_062_270_t{};
}

char* ast_dataitem_010_270_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_062_270_t f = ast_dataitem_010_270_decode(item);
    if (f.octets >= 3)
        out.printf("L:%d W:%d O:%.2f", static_cast<int>(f.length), static_cast<int>(f.width),
                   f.orientation);
    else if (f.octets == 2)
        out.printf("L:%d O:%.2f", static_cast<int>(f.length), f.orientation);
    else if (f.octets == 1)
        out.printf("L:%d", static_cast<int>(f.length));
    return buffer;
}

char* ast_dataitem_010_270_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    return ast_dataitem_062_270_get_detail_html(buffer, capacity, item);
}

const char* ast_dataitem_010_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT010_UNIT, type);
    return name ? name : "";
}

// ---- record getters ----------------------------------------------------------------------

ast_record_sacsic_t ast_datarecord_010_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 10, 10010);
}

ast_record_timeofday_t ast_datarecord_010_get_timeofday(const ast_datarecord_t* record) {
    return ast::timeOfDayFrom(record, 10, 10140);
}

ast_record_msgtype_t ast_datarecord_010_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = ast::plotOrTrack(record, 10, 10161);
    if (!result.valid || result.type == AST_MSGTYPE_TRACK)
        return result;
    const ast_dataitem_010_020_t f =
        ast::decodedItem(record, 10, 10020, &ast_dataitem_010_020_decode);
    if (f.present && f.typ == 2)
        result.type = AST_MSGTYPE_ADSB;
    else if (f.present && (f.typ <= 1 || f.typ == 5))
        result.type = AST_MSGTYPE_MLAT;
    return result;
}

ast_record_tracknum_t ast_datarecord_010_get_tracknum(const ast_datarecord_t* record) {
    return ast::trackNumberFrom(record, 10, 10161);
}

ast_record_squawk_t ast_datarecord_010_get_squawk(const ast_datarecord_t* record) {
    return ast::squawkFrom(record, 10, 10060);
}

ast_record_flightlevel_t ast_datarecord_010_get_flightlevel(const ast_datarecord_t* record) {
    return ast::modeCLevelFrom(record, 10, 10090);
}

ast_record_velocity_t ast_datarecord_010_get_heading(const ast_datarecord_t* record) {
    return ast::polarVelocityFrom(record, 10, 10200);
}

}  // extern "C"

namespace ast {

const RecordGetters CAT010_GETTERS = {
    &ast_datarecord_010_get_sacsic,       // 0 SAC/SIC
    &ast_datarecord_010_get_timeofday,    // 1 time of day
    &ast_datarecord_010_get_msgtype,      // 2 message type
    &ast_datarecord_010_get_tracknum,     // 3 track number
    &ast_datarecord_010_get_squawk,       // 4 Mode 3/A
    nullptr,                              // 5 callsign
    nullptr,                              // 6 ICAO address
    nullptr,                              // 7 WGS-84 coordinate
    &ast_datarecord_010_get_flightlevel,  // 8 flight level
    nullptr,                              // 9 polar coordinate
    &ast_datarecord_010_get_heading,      // 10 heading
    nullptr,                              // 11 speed
};

}  // namespace ast
