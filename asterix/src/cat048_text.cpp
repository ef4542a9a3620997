// CAT048: summaries and detail views of the category-specific items and subfields.

#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "cat048_text.h"

namespace {

namespace b = ast::bits;
namespace html = ast::html;
using ast::Text;

// I048/020 TYP: the detection that produced the report.
const char* const DETECTIONS[] = {"NO_DETECTION", "PSR",       "SSR",          "PSR+SSR",
                                  "ALL_CALL",     "ROLL_CALL", "PSR+ALL_CALL", "PSR+ROLL_CALL"};
const char* const DETECTION_NAMES[] = {"No detection",           "Single PSR detection",
                                       "Single SSR detection",   "SSR + PSR detection",
                                       "Single Mode S All-Call", "Single Mode S Roll-Call",
                                       "Mode S All-Call + PSR",  "Mode S Roll-Call + PSR"};

// I048/170 RAD: the sensors maintaining the track.
const char* const TRACK_TYPES[] = {"TYPE:CMB", "TYPE:PSR", "TYPE:SSR", "TYPE:INVALID"};
const char* const CLIMB_MODES[] = {"Maintaining", "Climbing", "Descending", "Unknown"};

// I048/230 STAT: flight status, codes 0 to 7 (6 is not defined).
const char* const FLIGHT_STATUS[] = {"FS:AIR",     "FS:GND", "FS:AIR_ALR",   "FS:GND_ALR",
                                     "FS:ALR_SPI", "FS:SPI", "FS:UNDEFINED", "FS:UNDEFINED"};
const char* const COMMUNICATIONS[] = {
    "No communications capability (surveillance only)", "Comm. A and Comm. B capability",
    "Comm. A, Comm. B and Uplink ELM", "Comm. A, Comm. B, Uplink ELM and Downlink ELM",
    "Level 5 Transponder capability"};

}  // namespace

namespace ast {
namespace cat048 {

char* plotSubfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (subfield->size != 1)
        return buffer;
    const uint8_t raw = subfield->data[0];
    const int32_t signedRaw = b::signExtend(raw, 8);
    switch (subfield->type % 1000) {
        case 1:
            out.append("SRL:");
            out.appendFixed(raw * 360.0 / 8192.0, 3);
            out.append("DEG");
            break;
        case 2:
            out.append("SRR:");
            out.appendDecimal(raw);
            break;
        case 3:
            out.append("SAM:");
            out.appendDecimal(signedRaw);
            out.append("DBM");
            break;
        case 4:
            out.append("PRL:");
            out.appendFixed(raw * 360.0 / 8192.0, 3);
            out.append("DEG");
            break;
        case 5:
            out.append("PAM:");
            out.appendDecimal(signedRaw);
            out.append("DBM");
            break;
        case 6:
            out.append("RPD:");
            out.appendFixed(signedRaw / 256.0, 4);
            out.append("NM");
            break;
        case 7:
            out.append("APD:");
            out.appendFixed(signedRaw * 360.0 / 16384.0, 4);
            out.append("DEG");
            break;
        default:
            break;
    }
    return buffer;
}

}  // namespace cat048
}  // namespace ast

extern "C" {

char* ast_dataitem_048_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_048_020_t f = ast_dataitem_048_020_decode(item);
    out.append("TYPE:");
    out.append(DETECTIONS[f.typ & 7]);
    if (f.sim)
        out.append(" SIM");
    if (f.spi)
        out.append(" SPI");
    if (f.tst)
        out.append(" TST");
    return buffer;
}

char* ast_dataitem_048_020_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_048_020_t f = ast_dataitem_048_020_decode(item);
    html::FieldRow rows[11];
    html::setRow(rows[0], "TYP (Detection Type)", "%s", DETECTION_NAMES[f.typ & 7]);
    html::setRow(rows[1], "SIM (Simulated Target Report)", "%s", html::yesNo(f.sim));
    html::setRow(rows[2], "RDP (Report from RDP Chain)", "%d", f.rdp ? 2 : 1);
    html::setRow(rows[3], "SPI (Special Position Identification)", "%s", html::yesNo(f.spi));
    html::setRow(rows[4], "RAB (Report from Field Monitor)", "%s", html::yesNo(f.rab));
    html::setRow(rows[5], "TST (Test Target Report)", "%s", html::yesNo(f.tst));
    html::setRow(rows[6], "ERR (Extended Range)", "%s", html::yesNo(f.err));
    html::setRow(rows[7], "XPP (X-Pulse Present)", "%s", html::yesNo(f.xpp));
    html::setRow(rows[8], "ME (Military Emergency)", "%s", html::yesNo(f.me));
    html::setRow(rows[9], "MI (Military Identification)", "%s", html::yesNo(f.mi));
    html::setRow(rows[10], "FOE/FRI (Mode 4)", "%u", f.foe_fri);
    return html::fieldTable(buffer, capacity, "Target Report Descriptor", rows);
}

char* ast_dataitem_048_030_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_048_030_t f = ast_dataitem_048_030_decode(item);
    for (uint32_t i = 0; i < f.count; ++i) {
        out.append(i ? " ERRCODE:" : "ERRCODE:");
        out.appendDecimal(static_cast<int>(f.codes[i]));
    }
    return buffer;
}

char* ast_dataitem_048_030_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_048_030_t f = ast_dataitem_048_030_decode(item);
    if (!f.present)
        return buffer;
    html::heading(out, "Warning/Error Conditions");
    html::tableBegin(out);
    html::headerRow(out, "Octet", "Code", html::END_OF_ROW);
    for (uint32_t i = 0; i < f.count; ++i) {
        char octet[24], code[16];
        std::snprintf(octet, sizeof octet, "Octet[%u]", i + 1);
        std::snprintf(code, sizeof code, "%u", f.codes[i]);
        html::dataRow(out, octet, code, html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

char* ast_dataitem_048_110_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("H:");
    out.appendDecimal(static_cast<int>(ast_dataitem_048_110_decode(item).height));
    out.append(" LSB:FT");
    return buffer;
}

char* ast_dataitem_048_110_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_048_110_t f = ast_dataitem_048_110_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "3D Height", "%d ft (raw %d x 25 ft)", static_cast<int>(f.height),
                 static_cast<int>(f.raw));
    return html::fieldTable(buffer, capacity, "Height Measured by a 3D Radar", rows);
}

char* ast_dataitem_048_170_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_048_170_t f = ast_dataitem_048_170_decode(item);
    out.append(TRACK_TYPES[f.rad & 3]);
    if (f.cnf)
        out.append(" TENTATIVE");
    if (f.tre)
        out.append(" END");
    if (f.gho)
        out.append(" GHOST");
    return buffer;
}

char* ast_dataitem_048_170_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_048_170_t f = ast_dataitem_048_170_decode(item);
    html::FieldRow rows[9];
    html::setRow(rows[0], "CNF (Confirmed vs. Tentative Track)", "%s",
                 f.cnf ? "Tentative" : "Confirmed");
    html::setRow(rows[1], "RAD (Type of Sensor Maintaining Track)", "%s",
                 TRACK_TYPES[f.rad & 3] + 5);
    html::setRow(rows[2], "DOU (Low Confidence in Plot to Track Association)", "%s",
                 html::yesNo(f.dou));
    html::setRow(rows[3], "MAH (Horizontal Manoeuvre Sensed)", "%s", html::yesNo(f.mah));
    html::setRow(rows[4], "CDM (Climbing/Descending Mode)", "%s", CLIMB_MODES[f.cdm & 3]);
    html::setRow(rows[5], "TRE (End of Track)", "%s", html::yesNo(f.tre));
    html::setRow(rows[6], "GHO (Ghost Target Track)", "%s", html::yesNo(f.gho));
    html::setRow(rows[7], "SUP (Track Information from Neighbouring Node)", "%s",
                 html::yesNo(f.sup));
    html::setRow(rows[8], "TCC (Slant Range Correction and Projection)", "%s", html::yesNo(f.tcc));
    return html::fieldTable(buffer, capacity, "Track Status", rows);
}

char* ast_dataitem_048_230_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append(FLIGHT_STATUS[ast_dataitem_048_230_decode(item).stat & 7]);
    return buffer;
}

char* ast_dataitem_048_230_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_048_230_t f = ast_dataitem_048_230_decode(item);
    html::FieldRow rows[8];
    html::setRow(rows[0], "COM (Communications Capability)", "%s",
                 f.com < 5 ? COMMUNICATIONS[f.com] : "Unknown");
    html::setRow(rows[1], "STAT (Flight Status)", "%s", FLIGHT_STATUS[f.stat & 7] + 3);
    html::setRow(rows[2], "SI (SI/II Transponder Capability)", "%s",
                 f.si ? "II-Code Capable" : "SI-Code Capable");
    html::setRow(rows[3], "MSSC (Mode S Specific Service Capability)", "%s", html::yesNo(f.mssc));
    html::setRow(rows[4], "ARC (Altitude Reporting Capability)", "%s",
                 f.arc ? "25 ft resolution" : "100 ft resolution");
    html::setRow(rows[5], "AIC (Aircraft Identification Capability)", "%s", html::yesNo(f.aic));
    html::setRow(rows[6], "B1A (BDS 1,0 Bit 16)", "%u", f.b1a);
    html::setRow(rows[7], "B1B (BDS 1,0 Bits 37/40)", "%u", f.b1b);
    return html::fieldTable(buffer, capacity, "Communications / ACAS Capability and Flight Status",
                            rows);
}

// The report is a BDS 3,0 register: its number and its detail view.
char* ast_dataitem_048_260_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (item && item->ok && item->size == 7) {
        out.append("BDS:");
        out.appendHex(item->data[0] >> 4);
        out.appendHex(item->data[0] & 0x0F);
    }
    return buffer;
}

char* ast_dataitem_048_260_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || item->size != 7 || item->type != 48260)
        return buffer;
    const ast_dataitem_t bds = ast_bds_decode(item->data, item->size, 0x30);
    return ast_bds_30_get_detail_html(buffer, capacity, &bds);
}

}  // extern "C"
