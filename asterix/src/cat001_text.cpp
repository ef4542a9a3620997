// CAT001: summaries and detail views of the category-specific items.

#include <asterix/asterix.h>

#include "Html.h"

namespace {

namespace html = ast::html;
using ast::Text;

// I001/020 SSR/PSR: the radar detection behind the report.
const char* const DETECTIONS[] = {" DCT:NO", " DCT:PSR", " DCT:SSR", " DCT:CMB"};
const char* const DETECTION_NAMES[] = {"No detection", "Sole primary detection",
                                       "Sole secondary detection", "Combined detection"};
const char* const EMERGENCIES[] = {"Default", "Unlawful interference (7500)",
                                   "Radio-communication failure (7600)", "Emergency (7700)"};

}  // namespace

extern "C" {

char* ast_dataitem_001_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_001_020_t f = ast_dataitem_001_020_decode(item);
    if (!f.present) {
        out.append("TYPE:UNKNOWN DCT:UNKNOWN");
        return buffer;
    }
    out.append(f.typ ? "TYPE:TRACK" : "TYPE:PLOT");
    if (f.sim)
        out.append(" SIM");
    out.append(DETECTIONS[f.ssr_psr & 3]);
    return buffer;
}

char* ast_dataitem_001_020_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_001_020_t f = ast_dataitem_001_020_decode(item);
    html::FieldRow rows[10];
    html::setRow(rows[0], "TYP (Type)", "%s", f.typ ? "Track" : "Plot");
    html::setRow(rows[1], "SIM (Simulated)", "%s", html::yesNo(f.sim));
    html::setRow(rows[2], "SSR/PSR (Detection)", "%s", DETECTION_NAMES[f.ssr_psr & 3]);
    html::setRow(rows[3], "ANT (Antenna)", "%d", f.ant ? 2 : 1);
    html::setRow(rows[4], "SPI (Special Position Identification)", "%s", html::yesNo(f.spi));
    html::setRow(rows[5], "RAB (Report from Field Monitor)", "%s", html::yesNo(f.rab));
    html::setRow(rows[6], "TST (Test Target)", "%s", html::yesNo(f.tst));
    html::setRow(rows[7], "DS1/DS2 (Emergency)", "%s", EMERGENCIES[f.ds1_ds2 & 3]);
    html::setRow(rows[8], "ME (Military Emergency)", "%s", html::yesNo(f.me));
    html::setRow(rows[9], "MI (Military Identification)", "%s", html::yesNo(f.mi));
    return html::fieldTable(buffer, capacity, "Target Report Descriptor", rows);
}

// Seconds and milliseconds within the 512-second period of the truncated time.
char* ast_dataitem_001_141_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_001_141_t f = ast_dataitem_001_141_decode(item);
    out.printf("TTOD:%03d.%03d", static_cast<int>(f.raw / 128),
               static_cast<int>(f.raw % 128 * 1000 / 128));
    return buffer;
}

char* ast_dataitem_001_141_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_001_141_t f = ast_dataitem_001_141_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Truncated Time of Day", "%.4f s of the 512 s period (raw %u)", f.seconds,
                 f.raw);
    return html::fieldTable(buffer, capacity, "Truncated Time of Day", rows);
}

char* ast_dataitem_001_170_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_001_170_t f = ast_dataitem_001_170_decode(item);
    out.append(f.rad ? "TYPE:SSR_CMB" : "TYPE:PSR");
    if (f.con)
        out.append(" INIT");
    if (f.man)
        out.append(" MAN");
    if (f.gho)
        out.append(" GHOST");
    if (f.tre)
        out.append(" END");
    return buffer;
}

char* ast_dataitem_001_170_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_001_170_t f = ast_dataitem_001_170_decode(item);
    html::FieldRow rows[7];
    html::setRow(rows[0], "CON (Track in Initiation Phase)", "%s", html::yesNo(f.con));
    html::setRow(rows[1], "RAD (Type of Track)", "%s",
                 f.rad ? "SSR or combined track" : "Primary track");
    html::setRow(rows[2], "MAN (Aircraft Manoeuvring)", "%s", html::yesNo(f.man));
    html::setRow(rows[3], "DOU (Doubtful Plot to Track Association)", "%s", html::yesNo(f.dou));
    html::setRow(rows[4], "RDPC (Radar Data Processing Chain)", "%u", f.rdpc);
    html::setRow(rows[5], "GHO (Ghost Track)", "%s", html::yesNo(f.gho));
    html::setRow(rows[6], "TRE (Last Report for the Track)", "%s", html::yesNo(f.tre));
    return html::fieldTable(buffer, capacity, "Track Status", rows);
}

char* ast_dataitem_001_210_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_001_210_t f = ast_dataitem_001_210_decode(item);
    if (f.count >= 2)
        out.printf("Q1:%d Q2:%d", static_cast<int>(f.q1), static_cast<int>(f.q2));
    else
        out.printf("Q1:%d", static_cast<int>(f.q1));
    return buffer;
}

char* ast_dataitem_001_210_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_001_210_t f = ast_dataitem_001_210_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "Quality 1", "%u", f.q1);
    if (f.count >= 2)
        html::setRow(rows[1], "Quality 2", "%u", f.q2);
    return html::fieldTable(buffer, capacity, "Track Quality", rows, f.count >= 2 ? 2 : 1);
}

}  // extern "C"
