// CAT020: summaries and detail views of the category-specific items.

#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "ItemCodec.h"

namespace {

namespace html = ast::html;
using ast::Text;

// I020/230 STAT.
const char* const FLIGHT_STATUS[] = {"STAT:AIRBORNE",       "STAT:GROUND",    "STAT:AIRBORNE_ALERT",
                                     "STAT:GROUND_ALERT",   "STAT:ALERT_SPI", "STAT:SPI",
                                     "STAT:UNKNOWN",        "STAT:UNKNOWN"};
const char* const CLIMB_MODES[] = {"Maintaining", "Climbing", "Descending", "Invalid"};

}  // namespace

extern "C" {

char* ast_dataitem_020_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_020_020_t f = ast_dataitem_020_020_decode(item);
    if (!f.present)
        return buffer;
    out.append("MLAT_TYPE:");
    const struct {
        uint8_t on;
        const char* name;
    } technologies[] = {{f.ssr, "SSR"}, {f.ms, "MS"},   {f.hf, "HF"}, {f.vdl4, "VDL4"},
                        {f.uat, "UAT"}, {f.dme, "DME"}, {f.ot, "OT"}};
    bool first = true;
    for (const auto& t : technologies) {
        if (!t.on)
            continue;
        out.printf("%s%s", first ? "" : " ", t.name);
        first = false;
    }
    if (f.sim)
        out.append(" SIM");
    if (f.tst)
        out.append(" TST");
    return buffer;
}

char* ast_dataitem_020_020_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_020_020_t f = ast_dataitem_020_020_decode(item);
    html::FieldRow rows[14];
    html::setRow(rows[0], "SSR (Non-Mode S 1090 MHz Multilateration)", "%s", html::yesNo(f.ssr));
    html::setRow(rows[1], "MS (Mode S 1090 MHz Multilateration)", "%s", html::yesNo(f.ms));
    html::setRow(rows[2], "HF (HF Multilateration)", "%s", html::yesNo(f.hf));
    html::setRow(rows[3], "VDL4 (VDL Mode 4 Multilateration)", "%s", html::yesNo(f.vdl4));
    html::setRow(rows[4], "UAT (UAT Multilateration)", "%s", html::yesNo(f.uat));
    html::setRow(rows[5], "DME (DME/TACAN Multilateration)", "%s", html::yesNo(f.dme));
    html::setRow(rows[6], "OT (Other Technology Multilateration)", "%s", html::yesNo(f.ot));
    html::setRow(rows[7], "RAB (Report from Field Monitor)", "%s", html::yesNo(f.rab));
    html::setRow(rows[8], "SPI (Special Position Identification)", "%s", html::yesNo(f.spi));
    html::setRow(rows[9], "CHN (Chain)", "%u", f.chn ? 2u : 1u);
    html::setRow(rows[10], "GBS (Transponder Ground Bit)", "%s", html::yesNo(f.gbs));
    html::setRow(rows[11], "CRT (Corrupted Replies)", "%s", html::yesNo(f.crt));
    html::setRow(rows[12], "SIM (Simulated Target Report)", "%s", html::yesNo(f.sim));
    html::setRow(rows[13], "TST (Test Target)", "%s", html::yesNo(f.tst));
    return html::fieldTable(buffer, capacity, "Target Report Descriptor", rows);
}

char* ast_dataitem_020_170_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_020_170_t f = ast_dataitem_020_170_decode(item);
    if (!f.present)
        return buffer;
    out.append(f.cnf ? "TRACK_STATUS:INIT" : "TRACK_STATUS:CONFIRMED");
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

char* ast_dataitem_020_170_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_020_170_t f = ast_dataitem_020_170_decode(item);
    html::FieldRow rows[7];
    html::setRow(rows[0], "CNF (Track in Initiation Phase)", "%s", html::yesNo(f.cnf));
    html::setRow(rows[1], "TRE (Last Report for a Track)", "%s", html::yesNo(f.tre));
    html::setRow(rows[2], "CST (Coasted Track)", "%s", html::yesNo(f.cst));
    html::setRow(rows[3], "CDM (Climbing/Descending Mode)", "%s", CLIMB_MODES[f.cdm & 3]);
    html::setRow(rows[4], "MAH (Horizontal Manoeuvre)", "%s", html::yesNo(f.mah));
    html::setRow(rows[5], "STH (Smoothed Position)", "%s", html::yesNo(f.sth));
    html::setRow(rows[6], "GHO (Ghost Track)", "%s", html::yesNo(f.gho));
    return html::fieldTable(buffer, capacity, "Track Status", rows);
}

char* ast_dataitem_020_230_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_020_230_t f = ast_dataitem_020_230_decode(item);
    if (!f.present)
        return buffer;
    out.append(FLIGHT_STATUS[f.stat & 7]);
    if (f.mssc)
        out.append(" CAP:MODE-S");
    return buffer;
}

char* ast_dataitem_020_230_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_020_230_t f = ast_dataitem_020_230_decode(item);
    html::FieldRow rows[7];
    html::setRow(rows[0], "COM (Communications Capability)", "%u", f.com);
    html::setRow(rows[1], "STAT (Flight Status)", "%s", FLIGHT_STATUS[f.stat & 7] + 5);
    html::setRow(rows[2], "MSSC (Mode S Specific Service Capability)", "%s", html::yesNo(f.mssc));
    html::setRow(rows[3], "ARC (Altitude Reporting Capability)", "%s",
                 f.arc ? "25 ft resolution" : "100 ft resolution");
    html::setRow(rows[4], "AIC (Aircraft Identification Capability)", "%s", html::yesNo(f.aic));
    html::setRow(rows[5], "B1A (BDS 1,0 Bit 16)", "%u", f.b1a);
    html::setRow(rows[6], "B1B (BDS 1,0 Bits 37/40)", "%u", f.b1b);
    return html::fieldTable(buffer, capacity, "Communications/ACAS Capability and Flight Status",
                            rows);
}

char* ast_dataitem_020_400_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (item && item->ok && item->data && item->type == 20400 && item->size >= 1)
        out.printf("RECEIVERS:%d", item->data[0]);
    return buffer;
}

// Each octet of the repetition is a bit map of eight receivers, the first octet's bit 8 the
// highest receiver number.
char* ast_dataitem_020_400_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data || item->type != 20400 || item->size < 1 ||
        item->size != 1u + item->data[0])
        return buffer;
    html::heading(out, "Contributing Receivers");
    html::tableBegin(out);
    html::headerRow(out, "Octet", "Receivers", html::END_OF_ROW);
    for (uint64_t i = 1; i < item->size; ++i) {
        char octet[24], bits[12];
        std::snprintf(octet, sizeof octet, "Octet[%u]", static_cast<unsigned>(i));
        ast::binaryOctet(item->data[i], bits);
        html::dataRow(out, octet, bits, html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

char* ast_dataitem_020_500_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_020_500_t f = ast_dataitem_020_500_decode(item);
    if (!f.present)
        return buffer;
    out.append("POS_ACCURACY:");
    if (f.dop_present)
        out.append(" DOP");
    if (f.sdp_present)
        out.append(" SDP");
    if (f.sdh_present)
        out.append(" SDH");
    return buffer;
}

char* ast_dataitem_020_500_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_020_500_t f = ast_dataitem_020_500_decode(item);
    html::FieldRow rows[7];
    size_t n = 0;
    if (f.dop_present) {
        html::setRow(rows[n++], "DOP X", "%.2f", f.dop_x * 0.25);
        html::setRow(rows[n++], "DOP Y", "%.2f", f.dop_y * 0.25);
        html::setRow(rows[n++], "DOP XY", "%.2f", f.dop_xy * 0.25);
    }
    if (f.sdp_present) {
        html::setRow(rows[n++], "SDP X", "%.2f m", f.sdp_x * 0.25);
        html::setRow(rows[n++], "SDP Y", "%.2f m", f.sdp_y * 0.25);
        html::setRow(rows[n++], "SDP XY", "%.2f m2", f.sdp_xy * 0.25);
    }
    if (f.sdh_present)
        html::setRow(rows[n++], "SDH", "%.1f m", f.sdh * 0.5);
    return html::fieldTable(buffer, capacity, "Position Accuracy", rows, n);
}

char* ast_dataitem_020_height_get_detail_html(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    if (!item || (item->type != 20105 && item->type != 20110))
        return Text(buffer, capacity).buffer();
    const ast_height_t f = ast_dataitem_height_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Height", "%.2f ft (raw %d x 6.25 ft)", f.raw * 6.25,
                 static_cast<int>(f.raw));
    return html::fieldTable(buffer, capacity, ast_dataitem_get_name(item->type), rows);
}

char* ast_dataitem_020_245_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    return ast_dataitem_062_245_get_detail_html(buffer, capacity, item);
}

}  // extern "C"
