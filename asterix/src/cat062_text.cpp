// CAT062: summaries and detail views of the category-specific items and of the subfields of
// its compound items.

#include <cctype>
#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "SubfieldValues.h"
#include "cat062_text.h"

namespace ast {
namespace {

using K = SubfieldKind;

constexpr double AGE = 0.25;          // s
constexpr double KT = 3600.0 / 16384; // 2^-14 NM/s in kt
constexpr double DEG16 = 360.0 / 65536.0;

#define AGE_ROW(type, label) \
    { type, K::Value, label, 8, 0, false, AGE, 0.0, 2, "S" }

// How the subfields carry their values, sorted by type; subfields without a row are shown as
// their bits. Layouts of the EUROCONTROL definition of CAT062.
const SubfieldValue VALUES[] = {
    {62110003, K::Position, "POS", 0, 0, false, 0, 0, 0, ""},
    {62110004, K::Value, "GA", 14, 0, true, 25.0, 0.0, 0, "FT"},
    {62110005, K::Octal, "EM1", 0, 0, false, 0, 0, 0, ""},
    {62110006, K::Value, "TOS", 8, 0, true, 1.0 / 128, 0.0, 4, "S"},
    AGE_ROW(62290001, "TRK"),
    AGE_ROW(62290002, "PSR"),
    AGE_ROW(62290003, "SSR"),
    AGE_ROW(62290004, "MDS"),
    {62290005, K::Value, "ADS", 16, 0, false, AGE, 0.0, 2, "S"},
    AGE_ROW(62290006, "ES"),
    AGE_ROW(62290007, "VDL"),
    AGE_ROW(62290008, "UAT"),
    AGE_ROW(62290009, "LOP"),
    AGE_ROW(62290010, "MLT"),
    AGE_ROW(62295001, "MFL"),
    AGE_ROW(62295002, "MD1"),
    AGE_ROW(62295003, "MD2"),
    AGE_ROW(62295004, "MDA"),
    AGE_ROW(62295005, "MD4"),
    AGE_ROW(62295006, "MD5"),
    AGE_ROW(62295007, "MHG"),
    AGE_ROW(62295008, "IAS"),
    AGE_ROW(62295009, "TAS"),
    AGE_ROW(62295010, "SAL"),
    AGE_ROW(62295011, "FSS"),
    AGE_ROW(62295012, "TID"),
    AGE_ROW(62295013, "COM"),
    AGE_ROW(62295014, "SAB"),
    AGE_ROW(62295015, "ACS"),
    AGE_ROW(62295016, "BVR"),
    AGE_ROW(62295017, "GVR"),
    AGE_ROW(62295018, "RAN"),
    AGE_ROW(62295019, "TAR"),
    AGE_ROW(62295020, "TAN"),
    AGE_ROW(62295021, "GSP"),
    AGE_ROW(62295022, "VUN"),
    AGE_ROW(62295023, "MET"),
    AGE_ROW(62295024, "EMC"),
    AGE_ROW(62295025, "POS"),
    AGE_ROW(62295026, "GAL"),
    AGE_ROW(62295027, "PUN"),
    AGE_ROW(62295028, "MB"),
    AGE_ROW(62295029, "IAR"),
    AGE_ROW(62295030, "MAC"),
    AGE_ROW(62295031, "BPS"),
    {62340001, K::DataSource, "SID", 0, 0, false, 0, 0, 0, ""},
    {62340002, K::Polar, "POS", 0, 0, false, 0, 0, 0, ""},
    {62340003, K::Value, "HEIGHT", 16, 0, true, 25.0, 0.0, 0, "FT"},
    {62340004, K::Value, "MDC", 14, 0, true, 0.25, 0.0, 2, "FL"},
    {62340005, K::Octal, "MDA", 0, 0, false, 0, 0, 0, ""},
    {62380001, K::Address, "ADR", 0, 0, false, 0, 0, 0, ""},
    {62380002, K::Callsign, "ID", 0, 0, false, 0, 0, 0, ""},
    {62380003, K::Value, "MHG", 16, 0, false, DEG16, 0.0, 2, "DEG"},
    {62380005, K::Value, "TAS", 16, 0, false, 1.0, 0.0, 0, "KT"},
    {62380006, K::Value, "SAL", 13, 0, true, 25.0, 0.0, 0, "FT"},
    {62380007, K::Value, "FSS", 13, 0, true, 25.0, 0.0, 0, "FT"},
    {62380009, K::Repetition, "TID", 0, 0, false, 0, 0, 0, ""},
    {62380013, K::Value, "BVR", 16, 0, true, 6.25, 0.0, 2, "FT/MIN"},
    {62380014, K::Value, "GVR", 16, 0, true, 6.25, 0.0, 2, "FT/MIN"},
    {62380015, K::Value, "RAN", 16, 0, true, 0.01, 0.0, 2, "DEG"},
    {62380016, K::Value, "ROT", 7, 1, true, 0.25, 0.0, 2, "DEG/S"},
    {62380017, K::Value, "TAN", 16, 0, false, DEG16, 0.0, 2, "DEG"},
    {62380018, K::Value, "GS", 16, 0, true, KT, 0.0, 2, "KT"},
    {62380019, K::Value, "VUN", 8, 0, false, 1.0, 0.0, 0, ""},
    {62380021, K::Value, "EMC", 8, 0, false, 1.0, 0.0, 0, ""},
    {62380022, K::Position, "POS", 0, 0, false, 0, 0, 0, ""},
    {62380023, K::Value, "GAL", 16, 0, true, 6.25, 0.0, 2, "FT"},
    {62380024, K::Value, "PUN", 4, 0, false, 1.0, 0.0, 0, ""},
    {62380025, K::Repetition, "MB", 0, 0, false, 0, 0, 0, ""},
    {62380026, K::Value, "IAR", 16, 0, false, 1.0, 0.0, 0, "KT"},
    {62380027, K::Value, "MAC", 16, 0, false, 0.008, 0.0, 3, ""},
    {62380028, K::Value, "BPS", 12, 0, false, 0.1, 800.0, 1, "MB"},
    {62390001, K::DataSource, "TAG", 0, 0, false, 0, 0, 0, ""},
    {62390002, K::Text, "CS", 0, 0, false, 0, 0, 0, ""},
    {62390003, K::Value, "IFI", 27, 0, false, 1.0, 0.0, 0, ""},
    {62390005, K::Text, "TAC", 0, 0, false, 0, 0, 0, ""},
    {62390006, K::Text, "WTC", 0, 0, false, 0, 0, 0, ""},
    {62390007, K::Text, "DEP", 0, 0, false, 0, 0, 0, ""},
    {62390008, K::Text, "DST", 0, 0, false, 0, 0, 0, ""},
    {62390009, K::Text, "RDS", 0, 0, false, 0, 0, 0, ""},
    {62390010, K::Value, "CFL", 16, 0, false, 0.25, 0.0, 2, "FL"},
    {62390012, K::Repetition, "TOD", 0, 0, false, 0, 0, 0, ""},
    {62390013, K::Text, "AST", 0, 0, false, 0, 0, 0, ""},
    {62390015, K::Text, "STD", 0, 0, false, 0, 0, 0, ""},
    {62390016, K::Text, "STA", 0, 0, false, 0, 0, 0, ""},
    {62390017, K::Octal, "PEM", 0, 0, false, 0, 0, 0, ""},
    {62390018, K::Text, "PEC", 0, 0, false, 0, 0, 0, ""},
    {62500004, K::Value, "AGA", 8, 0, false, 6.25, 0.0, 2, "FT"},
    {62500005, K::Value, "ABA", 8, 0, false, 0.25, 0.0, 2, "FL"},
    {62500008, K::Value, "ARC", 8, 0, false, 6.25, 0.0, 2, "FT/MIN"},
};
#undef AGE_ROW

}  // namespace

AST_SUBFIELD_VALUE_TEXT(cat062)

}  // namespace ast

namespace {

namespace b = ast::bits;
namespace html = ast::html;
using ast::Text;

// I062/080: the flags and fields of each octet, for the summary (names of the set flags, fields
// with their value when not 0) and the detail view.
struct StatusField {
    const char* name;
    const char* meaning;
    uint32_t ast_dataitem_062_080_t::*wide;
    uint8_t ast_dataitem_062_080_t::*flag;
};

#define WIDE(m, text) \
    { #m, text, &ast_dataitem_062_080_t::m, nullptr }
#define FLAG(m, text) \
    { #m, text, nullptr, &ast_dataitem_062_080_t::m }

const StatusField STATUS_FIELDS[] = {
    FLAG(mon, "Monosensor track"),
    FLAG(spi, "SPI present"),
    FLAG(mrh, "Geometric altitude more reliable"),
    WIDE(src, "Source of calculated track altitude"),
    FLAG(cnf, "Tentative track"),
    FLAG(sim, "Simulated track"),
    FLAG(tse, "Last message for the track"),
    FLAG(tsb, "First message for the track"),
    FLAG(fpc, "Flight plan correlated"),
    FLAG(aff, "ADS-B data inconsistent with other surveillance"),
    FLAG(stp, "Slave track promotion"),
    FLAG(kos, "Background service used"),
    FLAG(ama, "Track resulting from amalgamation"),
    WIDE(md4, "Mode 4 interrogation"),
    FLAG(me, "Military emergency"),
    FLAG(mi, "Military identification"),
    WIDE(md5, "Mode 5 interrogation"),
    FLAG(cst, "Coasting track"),
    FLAG(psr, "PSR update aged"),
    FLAG(ssr, "SSR update aged"),
    FLAG(mds, "Mode S update aged"),
    FLAG(ads, "ADS-B update aged"),
    FLAG(suc, "Special used code"),
    FLAG(aac, "Assigned Mode A code conflict"),
    WIDE(sds, "Surveillance data status"),
    WIDE(ems, "Emergency status"),
    FLAG(pft, "Potential false track"),
    FLAG(fplt, "Track created or updated with flight plan data"),
    FLAG(dupt, "Duplicate Mode 3/A code"),
    FLAG(dupf, "Duplicate flight plan"),
    FLAG(dupm, "Duplicate flight plan due to manual correlation"),
    FLAG(sfc, "Surface target"),
    FLAG(idd, "Duplicate flight ID"),
    FLAG(iec, "Inconsistent emergency code"),
};
#undef WIDE
#undef FLAG

uint32_t statusValue(const ast_dataitem_062_080_t& f, const StatusField& field) {
    return field.wide ? f.*field.wide : f.*field.flag;
}

// I062/200 movement texts by TRANS, LONG and VERT.
const char* const TRANSVERSAL[] = {"T:CONSTANT", "T:RIGHT", "T:LEFT", "T:UND"};
const char* const LONGITUDINAL[] = {" L:CONSTANT", " L:ACCE", " L:DEACCE", " L:UND"};
const char* const VERTICAL[] = {" V:LEVEL", " V:CLIMB", " V:DESCENT", " V:UND"};
const char* const TRANSVERSAL_NAMES[] = {"Constant course", "Right turn", "Left turn",
                                         "Undetermined"};
const char* const LONGITUDINAL_NAMES[] = {"Constant groundspeed", "Increasing groundspeed",
                                          "Decreasing groundspeed", "Undetermined"};
const char* const VERTICAL_NAMES[] = {"Level", "Climb", "Descent", "Undetermined"};
const char* const STI_NAMES[] = {"Callsign or registration downlinked from the target",
                                 "Callsign not downlinked from the target",
                                 "Registration not downlinked from the target", "Invalid"};

}  // namespace

extern "C" {

char* ast_dataitem_062_080_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_062_080_t f = ast_dataitem_062_080_decode(item);
    out.append("TRACK_STS:");
    bool first = true;
    for (const StatusField& field : STATUS_FIELDS) {
        const uint32_t value = statusValue(f, field);
        if (!value)
            continue;
        char upper[8] = {};
        for (size_t i = 0; field.name[i] && i + 1 < sizeof upper; ++i)
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(field.name[i])));
        if (field.wide)
            out.printf("%s%s=%u", first ? "" : " ", upper, value);
        else
            out.printf("%s%s", first ? "" : " ", upper);
        first = false;
    }
    return buffer;
}

char* ast_dataitem_062_080_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_080_t f = ast_dataitem_062_080_decode(item);
    html::FieldRow rows[sizeof STATUS_FIELDS / sizeof STATUS_FIELDS[0]];
    for (size_t i = 0; i < sizeof STATUS_FIELDS / sizeof STATUS_FIELDS[0]; ++i)
        html::setRow(rows[i], STATUS_FIELDS[i].meaning, "%u", statusValue(f, STATUS_FIELDS[i]));
    return html::fieldTable(buffer, capacity, "Track Status", rows);
}

char* ast_dataitem_062_130_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("LEVEL:%.2f LSB:FT", ast_dataitem_062_130_decode(item).altitude);
    return buffer;
}

char* ast_dataitem_062_130_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_130_t f = ast_dataitem_062_130_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Altitude", "%.2f ft (raw %d x 6.25 ft)", f.altitude,
                 static_cast<int>(f.raw));
    return html::fieldTable(buffer, capacity, "Calculated Track Geometric Altitude", rows);
}

// 1/4 FL is 25 ft.
char* ast_dataitem_062_135_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("ALTITUDE:%d LSB:FT", static_cast<int>(ast_dataitem_062_135_decode(item).raw * 25));
    return buffer;
}

char* ast_dataitem_062_135_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_135_t f = ast_dataitem_062_135_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "QNH (QNH Correction Applied)", "%s", html::yesNo(f.qnh));
    html::setRow(rows[1], "Altitude", "FL %.2f (raw %d x 1/4 FL)", f.level, static_cast<int>(f.raw));
    return html::fieldTable(buffer, capacity, "Calculated Track Barometric Altitude", rows);
}

char* ast_dataitem_062_136_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("LEVEL:%d LSB:FT", static_cast<int>(ast_dataitem_062_136_decode(item).raw * 25));
    return buffer;
}

char* ast_dataitem_062_136_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_136_t f = ast_dataitem_062_136_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Flight Level", "FL %.2f (raw %d x 1/4 FL)", f.level,
                 static_cast<int>(f.raw));
    return html::fieldTable(buffer, capacity, "Measured Flight Level", rows);
}

char* ast_dataitem_062_200_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_062_200_t f = ast_dataitem_062_200_decode(item);
    out.append(TRANSVERSAL[f.trans & 3]);
    out.append(LONGITUDINAL[f.lon & 3]);
    out.append(VERTICAL[f.vert & 3]);
    if (f.adf)
        out.append(" ADF");
    return buffer;
}

char* ast_dataitem_062_200_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_200_t f = ast_dataitem_062_200_decode(item);
    html::FieldRow rows[4];
    html::setRow(rows[0], "TRANS (Transversal Acceleration)", "%s", TRANSVERSAL_NAMES[f.trans & 3]);
    html::setRow(rows[1], "LONG (Longitudinal Acceleration)", "%s", LONGITUDINAL_NAMES[f.lon & 3]);
    html::setRow(rows[2], "VERT (Vertical Rate)", "%s", VERTICAL_NAMES[f.vert & 3]);
    html::setRow(rows[3], "ADF (Altitude Discrepancy)", "%s", html::yesNo(f.adf));
    return html::fieldTable(buffer, capacity, "Mode of Movement", rows);
}

char* ast_dataitem_062_210_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_062_210_t f = ast_dataitem_062_210_decode(item);
    out.printf("AX:%.2f AY:%.2f LSB:M/S2", f.ax, f.ay);
    return buffer;
}

char* ast_dataitem_062_210_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_210_t f = ast_dataitem_062_210_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "Ax", "%.2f m/s2", f.ax);
    html::setRow(rows[1], "Ay", "%.2f m/s2", f.ay);
    return html::fieldTable(buffer, capacity, "Calculated Acceleration (Cartesian)", rows);
}

char* ast_dataitem_062_220_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("VH:%.2f LSB:FT/MIN", ast_dataitem_062_220_decode(item).rate);
    return buffer;
}

char* ast_dataitem_062_220_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_220_t f = ast_dataitem_062_220_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Rate of Climb/Descent", "%.2f ft/min", f.rate);
    return html::fieldTable(buffer, capacity, "Calculated Rate of Climb/Descent", rows);
}

char* ast_dataitem_062_245_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    if (!item || (item->type != 62245 && item->type != 20245))
        return Text(buffer, capacity).buffer();
    const ast_target_id_t f = ast_dataitem_target_id_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "STI (Source of Identification)", "%s", STI_NAMES[f.sti & 3]);
    html::setRow(rows[1], "Characters", "%s", f.callsign);
    return html::fieldTable(buffer, capacity, "Target Identification", rows);
}

char* ast_dataitem_062_270_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_062_270_t f = ast_dataitem_062_270_decode(item);
    if (f.octets >= 3)
        out.printf("L:%u O:%.2f W:%u", f.length, f.orientation, f.width);
    else if (f.octets == 2)
        out.printf("L:%u O:%.2f", f.length, f.orientation);
    else
        out.printf("L:%u", f.length);
    return buffer;
}

char* ast_dataitem_062_270_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_062_270_t f = ast_dataitem_062_270_decode(item);
    html::FieldRow rows[3];
    html::setRow(rows[0], "Length", "%u m", f.length);
    if (f.octets >= 2)
        html::setRow(rows[1], "Orientation", "%.2f deg", f.orientation);
    else
        html::setRow(rows[1], "Orientation", "-");
    if (f.octets >= 3)
        html::setRow(rows[2], "Width", "%u m", f.width);
    else
        html::setRow(rows[2], "Width", "-");
    return html::fieldTable(buffer, capacity, "Target Size and Orientation", rows);
}

char* ast_dataitem_062_510_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("NUM_TRACKS:%d", static_cast<int>(ast_dataitem_062_510_decode(item).count));
    return buffer;
}

char* ast_dataitem_062_510_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_062_510_t f = ast_dataitem_062_510_decode(item);
    if (!f.present)
        return buffer;
    html::heading(out, "Composed Track Number");
    html::tableBegin(out);
    html::headerRow(out, "Track", "System Unit", "System Track Number", html::END_OF_ROW);
    for (uint32_t i = 0; i < f.count; ++i) {
        char role[16], unit[8], number[8];
        std::snprintf(role, sizeof role, i == 0 ? "Master" : "Slave %u", i);
        std::snprintf(unit, sizeof unit, "%u", f.tracks[i].unit);
        std::snprintf(number, sizeof number, "%u", f.tracks[i].track);
        html::dataRow(out, role, unit, number, html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

}  // extern "C"
