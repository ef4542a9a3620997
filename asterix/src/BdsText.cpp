// Names, code texts and detail views of the Comm-B registers.

#include <cstdio>

#include "Html.h"
#include "Log.h"

namespace {

using ast::Text;
namespace html = ast::html;

char g_typeText[16];
char g_simpleText[16];

const char* trueFalse(bool flag) {
    return flag ? "TRUE" : "FALSE";
}

const char* validity(bool status) {
    return status ? "valid" : "invalid";
}

// A table of "Item", "Value" rows, or "Item", "Value", "Status" rows for registers whose fields
// carry a status bit.
struct Table {
    Text& out;
    bool withStatus;
    Table(Text& text, bool status) : out(text), withStatus(status) {
        html::tableBegin(out);
        if (withStatus)
            html::headerRow(out, "Item", "Value", "Status", html::END_OF_ROW);
        else
            html::headerRow(out, "Item", "Value", html::END_OF_ROW);
    }
    ~Table() { html::tableEnd(out); }
    void row(const char* name, const char* value) {
        html::dataRow(out, name, value, html::END_OF_ROW);
    }
    // A field with a status bit: no value when the status says invalid.
    void row(const char* name, bool status, const char* format, ...)
        __attribute__((format(printf, 4, 5))) {
        char value[64] = "";
        if (status) {
            va_list args;
            va_start(args, format);
            std::vsnprintf(value, sizeof value, format, args);
            va_end(args);
        }
        html::dataRow(out, name, value, validity(status), html::END_OF_ROW);
    }
};

const char* subnetworkText(uint32_t version) {
    static const char* const TEXTS[] = {
        "NOT AVALIABLE", "ICAO(ANNEX10 1996)", "ICAO(ANNEX10 1998)", "ICAO(ANNEX10 2002)",
        "ICAO(ANNEX10 2007, DOC9871 ED1) RTCA(DO-181D) EUROCAE(ED-73C)"};
    return version < sizeof TEXTS / sizeof TEXTS[0] ? TEXTS[version] : "UNASSIGNED";
}

const char* uelmText(uint32_t code) {
    static const char* const TEXTS[] = {
        "NO UELM CAPABILITY",           "16 UELM SEGMENTS IN 1 SEC)",
        "16 UELM SEGMENTS IN 500 MSEC", "16 UELM SEGMENTS IN 250 MSEC",
        "16 UELM SEGMENTS IN 125 MSEC", "16 UELM SEGMENTS IN 60 MSEC",
        "16 UELM SEGMENTS IN 30 MSEC",  "UNASSIGNED"};
    return code < sizeof TEXTS / sizeof TEXTS[0] ? TEXTS[code] : "UNASSIGNED";
}

const char* delmText(uint32_t code) {
    static const char* const TEXTS[] = {
        "NO DELM CAPABILITY",           "4 DELM SEGMENTS IN 1 SEC)",
        "8 DELM SEGMENTS IN 1 SEC",     "16 DELM SEGMENTS IN 1 SEC",
        "16 DELM SEGMENTS IN 500 MSEC", "16 DELM SEGMENTS IN 250 MSEC",
        "16 DELM SEGMENTS IN 125 MSEC"};
    return code < sizeof TEXTS / sizeof TEXTS[0] ? TEXTS[code] : "UNASSIGNED";
}

const char* threatTypeText(uint32_t tti) {
    return tti == 1 ? "MODE-S" : tti == 2 ? "NON MODE-S" : "UNKNOWN";
}

const char* targetSourceText(uint32_t source) {
    static const char* const TEXTS[] = {"Unknown", "Aircraft Altitude", "FCU/MCP Selected Altitude",
                                        "FMS Selected Altitude"};
    return TEXTS[source & 3];
}

}  // namespace

extern "C" {

const char* ast_bds_get_name(uint32_t code) {
    static const struct {
        uint32_t code;
        const char* name;
    } NAMES[] = {
        {0x10, "Data Link Capability Report"}, {0x17, "Common Usage GICB Capability Report"},
        {0x20, "Aircraft Identification"},     {0x30, "TCAS/ACAS Active Resolution Advisory"},
        {0x40, "Selected Vertical Intention"}, {0x50, "Track and Turn Report"},
        {0x60, "Heading and Speed Report"},    {0xE1, "Reserved for Mode S BITE"}};
    for (const auto& entry : NAMES)
        if (entry.code == code)
            return entry.name;
    return "UNKNOWN NAME";
}

const char* ast_bds_type_to_str(uint32_t code) {
    std::snprintf(g_typeText, sizeof g_typeText, "BDS %X,%X", (code >> 4) & 0xF, code & 0xF);
    return g_typeText;
}

const char* ast_bds_type_to_str_simple(uint32_t code) {
    std::snprintf(g_simpleText, sizeof g_simpleText, "%X,%X", (code >> 4) & 0xF, code & 0xF);
    return g_simpleText;
}

char* ast_bds_10_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    Text out(buffer, capacity);
    const ast_bds_10_t f = ast_bds_10_decode(bds);
    if (!f.present)
        return buffer;
    Table t(out, false);
    t.row("Continuation Flag", trueFalse(f.continuation));
    t.row("TCAS Interface Operational", trueFalse(f.tcas_operational));
    t.row("Mode-S Subnetwork Version Number", subnetworkText(f.subnetwork_version));
    t.row("Transponder Enhanced Protocol Indicator", f.enhanced_protocol ? "LEVEL 5" : "LEVEL 2-4");
    t.row("Mode-S Specific Services Capability", trueFalse(f.specific_services));
    t.row("Uplink ELM Average Throughput Capability", uelmText(f.uelm));
    t.row("Downlink ELM Throughput Capability", delmText(f.delm));
    t.row("Aircraft Identification Capability", trueFalse(f.aircraft_id));
    t.row("Squitter Capability Subfield (SCS)", trueFalse(f.squitter));
    t.row("Surveillance Identifier Code (SIC)", trueFalse(f.surveillance_id));
    t.row("Common Usage GICB Capability Report", trueFalse(f.gicb));
    return buffer;
}

char* ast_bds_20_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    Text out(buffer, capacity);
    const ast_bds_20_t f = ast_bds_20_decode(bds);
    if (!f.present)
        return buffer;
    static const char* const NAMES[] = {"CHAR_1", "CHAR_2", "CHAR_3", "CHAR_4",
                                        "CHAR_5", "CHAR_6", "CHAR_7", "CHAR_8"};
    Table t(out, false);
    for (int i = 0; i < 8; ++i) {
        const char character[2] = {f.callsign[i], '\0'};
        t.row(NAMES[i], character);
    }
    return buffer;
}

char* ast_bds_30_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    Text out(buffer, capacity);
    const ast_bds_30_t f = ast_bds_30_decode(bds);
    if (!f.present)
        return buffer;
    char address[8];
    std::snprintf(address, sizeof address, "%.2X%.2X%.2X", f.threat_address[0], f.threat_address[1],
                  f.threat_address[2]);
    Table t(out, false);
    t.row("Active Resolution Advisories (ARA)", trueFalse(f.ara_active));
    t.row("Resolution Advisory Complements (RAC)", trueFalse(f.rac_active));
    t.row("Resolution Advisory Terminated Indicator (RAT)", trueFalse(f.rat));
    t.row("Multiple Threat Encounter (MTE)", trueFalse(f.mte));
    t.row("Threat Type Indicator (TTI)", threatTypeText(f.tti));
    t.row("Threat Mode-S Address", address);
    return buffer;
}

char* ast_bds_40_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    Text out(buffer, capacity);
    const ast_bds_40_t f = ast_bds_40_decode(bds);
    if (!f.present)
        return buffer;
    Table t(out, true);
    t.row("MCP/FCU Selected Altitude", f.mcp_altitude_status, "%d FT",
          static_cast<int>(f.mcp_altitude));
    t.row("FMS Selected Altitude", f.fms_altitude_status, "%d FT",
          static_cast<int>(f.fms_altitude));
    t.row("Barometric Pressure Setting", f.baro_setting_status, "%.1f MB", f.baro_setting);
    t.row("Vnav Mode", f.mode_status, "%s", trueFalse(f.vnav));
    t.row("Alt Hold Mode", f.mode_status, "%s", trueFalse(f.alt_hold));
    t.row("Approach Mode", f.mode_status, "%s", trueFalse(f.approach));
    t.row("Target Altitude Source", f.target_source_status, "%s",
          targetSourceText(f.target_source));
    return buffer;
}

char* ast_bds_50_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    Text out(buffer, capacity);
    const ast_bds_50_t f = ast_bds_50_decode(bds);
    if (!f.present)
        return buffer;
    Table t(out, true);
    t.row("Roll Angle", f.roll_angle_status, "%.2f DEG", f.roll_angle);
    t.row("True Track Angle", f.true_track_status, "%.2f DEG", f.true_track);
    t.row("Ground Speed", f.ground_speed_status, "%.2f KNOT", f.ground_speed);
    t.row("Track Angle Rate", f.track_angle_rate_status, "%.2f DEG/SEC", f.track_angle_rate);
    t.row("True Airspeed", f.true_airspeed_status, "%d KNOTS", static_cast<int>(f.true_airspeed));
    return buffer;
}

char* ast_bds_60_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    Text out(buffer, capacity);
    const ast_bds_60_t f = ast_bds_60_decode(bds);
    if (!f.present)
        return buffer;
    Table t(out, true);
    t.row("Magnetic Heading", f.magnetic_heading_status, "%.2f DEG", f.magnetic_heading);
    t.row("Indicated Airspeed", f.indicated_airspeed_status, "%.d KNOT",
          static_cast<int>(f.indicated_airspeed));
    t.row("Mach", f.mach_status, "%.2f MACH", f.mach);
    t.row("Barometric Altitude Rate", f.baro_altitude_rate_status, "%.2f FEET/MIN",
          f.baro_altitude_rate);
    t.row("Intertial Vertical Velocity", f.inertial_vertical_velocity_status, "%.2f FEET/MIN",
          f.inertial_vertical_velocity);
    return buffer;
}

char* ast_bds_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* bds) {
    using Detail = char* (*)(char*, size_t, const ast_dataitem_t*);
    static const struct {
        uint32_t code;
        Detail detail;
    } DETAILS[] = {{0x10, &ast_bds_10_get_detail_html}, {0x20, &ast_bds_20_get_detail_html},
                   {0x30, &ast_bds_30_get_detail_html}, {0x40, &ast_bds_40_get_detail_html},
                   {0x50, &ast_bds_50_get_detail_html}, {0x60, &ast_bds_60_get_detail_html}};
    Text out(buffer, capacity);
    if (!bds)
        return buffer;
    for (const auto& entry : DETAILS)
        if (entry.code == bds->type)
            return entry.detail(buffer, capacity, bds);
    ast::log(AST_LOG_WARNING, "Unsupported BDS %s", ast_bds_type_to_str_simple(bds->type));
    return buffer;
}

}  // extern "C"
