// CAT021: summaries and detail views of the category-specific items and subfields.

#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "ItemCodec.h"
#include "cat021_text.h"

namespace {

namespace b = ast::bits;
namespace html = ast::html;
using ast::sized;
using ast::Text;

// Emitter categories of CAT021 edition 2 (I021/020), values 0 to 24.
const char* const EMITTERS[] = {"EMITTER:NO_INFO",
                                "EMITTER:LIGHT_AIRCRAFT",
                                "EMITTER:SMALL_AIRCRAFT",
                                "EMITTER:MEDIUM_AIRCRAFT",
                                "EMITTER:HIGH_VORTEX_LARGE_AIRCRAFT",
                                "EMITTER:HEAVY_AIRCRAFT",
                                "EMITTER:HIGH_MANOEUVRABLE_AIRCRAFT",
                                "EMITTER:RESERVED",
                                "EMITTER:RESERVED",
                                "EMITTER:RESERVED",
                                "EMITTER:ROTOCRAFT",
                                "EMITTER:GLIDER",
                                "EMITTER:LIGHTER_THAN_AIR",
                                "EMITTER:UAV",
                                "EMITTER:SPACE_VEHICLE",
                                "EMITTER:ULTRALIGHT",
                                "EMITTER:PARACHUTIST",
                                "EMITTER:RESERVED",
                                "EMITTER:RESERVED",
                                "EMITTER:RESERVED",
                                "EMITTER:SURF_EMG_VEHICLE",
                                "EMITTER:SURF_SVC_VEHICLE",
                                "EMITTER:FIXED_GROUND_OBSTRUCTION",
                                "EMITTER:CLUSTER_OBSTACLE",
                                "EMITTER:LINE_OBSTACLE"};

const char* const EMERGENCY[] = {"EMG:NONE",    "EMG:GENERAL",  "EMG:MEDICAL", "EMG:MINI_FUEL",
                                 "EMG:NO_COMM", "EMG:UNLAWFUL", "EMG:DOWNED"};
const char* const SURVEILLANCE[] = {"SUR:NO_RPT", "SUR:PERM_ALR", "SUR:TEMP_ALR", "SUR:SPI"};
const char* const LINKS[] = {" LINK:OTHER", " LINK:UAT", " LINK:1090ES", " LINK:VDL4"};

}  // namespace

namespace ast {
namespace cat021 {

char* binarySubfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    const ast_dataitem_t view = {subfield->data, subfield->size, subfield->type, 1};
    return ast_dataitem_binary_get_summary(buffer, capacity, &view);
}

char* metSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    const uint32_t index = subfield->type % 1000;
    if (subfield->size == 2) {
        const int32_t raw = b::signExtend(b::octets(subfield->data, 1, 2), 16);
        if (index == 1)
            out.printf("WS:%dKT", raw);
        if (index == 2)
            out.printf("WD:%dDEG", raw);
        if (index == 3)
            out.printf("TMP:%.2fC", raw * 0.25);
    } else if (subfield->size == 1) {
        out.printf("TRB:%u", subfield->data[0]);
    }
    return buffer;
}

char* ageSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (subfield->size == 1)
        out.printf("%.2f LSB=SEC", subfield->data[0] * 0.1);
    return buffer;
}

}  // namespace cat021
}  // namespace ast

extern "C" {

// ---- subfield families ---------------------------------------------------------------------

char* ast_dataitem_021_008_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_008_t f = ast_dataitem_021_008_decode(item);
    if (f.ra)
        out.append("RA ");
    if (f.tc == 1)
        out.append("TC0 ");
    if (f.tc == 2)
        out.append("TC ");
    if (f.ts)
        out.append("TS ");
    if (f.arv)
        out.append("ARV ");
    if (f.cdti_a)
        out.append("CDTI ");
    if (f.not_tcas)
        out.append("NO_TCAS ");
    if (f.sa)
        out.append("SA ");
    return buffer;
}

char* ast_dataitem_021_008_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_008_t f = ast_dataitem_021_008_decode(item);
    html::FieldRow rows[7];
    html::setRow(rows[0], "RA (TCAS Resolution Advisory active)", "%s", html::yesNo(f.ra));
    html::setRow(rows[1], "TC (Target Trajectory Change Report Capability)", "%u", f.tc);
    html::setRow(rows[2], "TS (Target State Report Capability)", "%s", html::yesNo(f.ts));
    html::setRow(rows[3], "ARV (Air-Referenced Velocity Report Capability)", "%s",
                 html::yesNo(f.arv));
    html::setRow(rows[4], "CDTI/A (Cockpit Display of Traffic Information airborne)", "%s",
                 html::yesNo(f.cdti_a));
    html::setRow(rows[5], "not TCAS (TCAS System Status)", "%s", html::yesNo(f.not_tcas));
    html::setRow(rows[6], "SA (Single Antenna)", "%s", html::yesNo(f.sa));
    return f.present ? html::fieldTable(buffer, capacity, "Aircraft Operational Status", rows)
                     : ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
}

// ---- I021/016 service management --------------------------------------------------------------

char* ast_dataitem_021_016_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_016_t f = ast_dataitem_021_016_decode(item);
    if (f.report_period == 0)
        out.append("DATA_DRIVEN_MODE");
    else if (f.report_period >= 127.5)
        out.append("PR:>=127.50SEC");
    else
        out.printf("PR:%.2fSEC", f.report_period);
    return buffer;
}

// ---- I021/020 emitter category and other one-octet items -------------------------------------

char* ast_dataitem_021_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_one_octet_t f = ast_dataitem_021_020_decode(item);
    out.append(f.value < sizeof EMITTERS / sizeof EMITTERS[0] ? EMITTERS[f.value]
                                                              : "EMITTER:UNKNOWN");
    return buffer;
}

char* ast_dataitem_021_020_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_one_octet_t f = ast_dataitem_021_020_decode(item);
    html::FieldRow rows[2];
    char summary[64];
    html::setRow(rows[0], "ECAT", "%u", f.value);
    html::setRow(rows[1], "Category", "%s",
                 ast_dataitem_021_020_get_summary(summary, sizeof summary, item) + 8);
    return html::fieldTable(buffer, capacity, "Emitter Category", rows);
}

char* ast_dataitem_021_032_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 1, 21032))
        out.printf("TOD_ACCU:%.2fS", item->data[0] / 256.0);
    return buffer;
}

char* ast_dataitem_021_032_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    html::FieldRow rows[1];
    html::setRow(rows[0], "Time of Day Accuracy", "%.4f s",
                 sized(item, 1, 21032) ? item->data[0] / 256.0 : 0.0);
    return html::fieldTable(buffer, capacity, "Time of Day Accuracy", rows);
}

char* ast_dataitem_021_095_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 1, 21095))
        out.printf("VA:%d", item->data[0]);
    return buffer;
}

char* ast_dataitem_021_400_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 1, 21400))
        out.printf("RID:%u", item->data[0]);
    return buffer;
}

char* ast_dataitem_021_A08_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!sized(item, 1, 21908))
        return buffer;
    const uint32_t value = item->data[0];
    out.append(value <= 5 ? EMERGENCY[value] : "EMG:UNDEFINED");
    return buffer;
}

// ---- I021/040 target report descriptor -------------------------------------------------------

char* ast_dataitem_021_040_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_040_t f = ast_dataitem_021_040_decode(item);
    out.append("TARGET:");
    if (f.gbs)
        out.append("GBS ");
    if (f.sim)
        out.append("SIM ");
    if (f.tst)
        out.append("TST ");
    if (!f.gbs && !f.sim && !f.tst)
        out.append("NORMAL");
    return buffer;
}

char* ast_dataitem_021_040_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_040_t f = ast_dataitem_021_040_decode(item);
    html::FieldRow rows[16];
    html::setRow(rows[0], "ATP (Address Type)", "%u", f.atp);
    html::setRow(rows[1], "ARC (Altitude Reporting Capability)", "%u", f.arc);
    html::setRow(rows[2], "RC (Range Check)", "%s", html::yesNo(f.rc));
    html::setRow(rows[3], "RAB (Report from field monitor)", "%s", html::yesNo(f.rab));
    html::setRow(rows[4], "DCR (Differential Correction)", "%s", html::yesNo(f.dcr));
    html::setRow(rows[5], "GBS (Ground Bit Setting)", "%s", html::yesNo(f.gbs));
    html::setRow(rows[6], "SIM (Simulated Target)", "%s", html::yesNo(f.sim));
    html::setRow(rows[7], "TST (Test Target)", "%s", html::yesNo(f.tst));
    html::setRow(rows[8], "SAA (Selected Altitude Available)", "%s", html::yesNo(f.saa));
    html::setRow(rows[9], "CL (Confidence Level)", "%u", f.cl);
    html::setRow(rows[10], "LLC (List Lookup Check)", "%s", html::yesNo(f.llc));
    html::setRow(rows[11], "IPC (Independent Position Check)", "%s", html::yesNo(f.ipc));
    html::setRow(rows[12], "NOGO (No-go Bit Status)", "%s", html::yesNo(f.nogo));
    html::setRow(rows[13], "CPR (Compact Position Reporting)", "%s", html::yesNo(f.cpr));
    html::setRow(rows[14], "LDPJ (Local Decoding Position Jump)", "%s", html::yesNo(f.ldpj));
    html::setRow(rows[15], "RCF (Range Check)", "%s", html::yesNo(f.rcf));
    return html::fieldTable(buffer, capacity, "Target Report Descriptor", rows);
}

// ---- type 21903: target report descriptor of edition 0.26 ------------------------------------

char* ast_dataitem_021_A03_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_903_t f = ast_dataitem_021_A03_decode(item);
    out.append("TARGET:");
    if (f.gbs)
        out.append("GBS ");
    if (f.sim)
        out.append("SIM ");
    if (f.tst)
        out.append("TST ");
    if (f.spi)
        out.append("SPI ");
    if (!f.gbs && !f.sim && !f.tst && !f.spi)
        out.append("NORMAL");
    return buffer;
}

char* ast_dataitem_021_A03_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_903_t f = ast_dataitem_021_A03_decode(item);
    html::FieldRow rows[9];
    html::setRow(rows[0], "DCR (Differential Correction)", "%s", html::yesNo(f.dcr));
    html::setRow(rows[1], "GBS (Ground Bit Set)", "%s", html::yesNo(f.gbs));
    html::setRow(rows[2], "SIM (Simulated Target)", "%s", html::yesNo(f.sim));
    html::setRow(rows[3], "TST (Test Target)", "%s", html::yesNo(f.tst));
    html::setRow(rows[4], "RAB (Report from field monitor)", "%s", html::yesNo(f.rab));
    html::setRow(rows[5], "SAA (Selected Altitude Available)", "%s", html::yesNo(f.saa));
    html::setRow(rows[6], "SPI (Special Position Identification)", "%s", html::yesNo(f.spi));
    html::setRow(rows[7], "ATP (Address Type)", "%u", f.atp);
    html::setRow(rows[8], "ARC (Altitude Reporting Capability)", "%u", f.arc);
    return html::fieldTable(buffer, capacity, "Target Report Descriptor (Prior Version 0.26)",
                            rows);
}

// ---- I021/090 quality indicators --------------------------------------------------------------

char* ast_dataitem_021_090_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_090_t f = ast_dataitem_021_090_decode(item);
    out.printf("NUCR:%u NUCP:%u", f.nucr_nacv, f.nucp_nic);
    return buffer;
}

char* ast_dataitem_021_090_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_090_t f = ast_dataitem_021_090_decode(item);
    html::FieldRow rows[9];
    html::setRow(rows[0], "NUCr or NACv", "%u", f.nucr_nacv);
    html::setRow(rows[1], "NUCp or NIC", "%u", f.nucp_nic);
    html::setRow(rows[2], "NIC for barometric altitude", "%u", f.nic_baro);
    html::setRow(rows[3], "SIL (Surveillance Integrity Level)", "%u", f.sil);
    html::setRow(rows[4], "NACp (Navigation Accuracy Category for Position)", "%u", f.nacp);
    html::setRow(rows[5], "SIL supplement", "%u", f.sil_supplement);
    html::setRow(rows[6], "SDA (System Design Assurance)", "%u", f.sda);
    html::setRow(rows[7], "GVA (Geometric Altitude Accuracy)", "%u", f.gva);
    html::setRow(rows[8], "PIC (Position Integrity Category)", "%u", f.pic);
    return html::fieldTable(buffer, capacity, "Quality Indicators", rows);
}

// ---- type 21905: figure of merit of edition 0.26 ---------------------------------------------

char* ast_dataitem_021_A05_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("PA:%d", static_cast<int>(ast_dataitem_021_A05_decode(item).pa));
    return buffer;
}

char* ast_dataitem_021_A05_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_905_t f = ast_dataitem_021_A05_decode(item);
    html::FieldRow rows[4];
    html::setRow(rows[0], "AC (ACAS Status)", "%u", f.ac);
    html::setRow(rows[1], "MN (Multiple Navigational aids Status)", "%u", f.mn);
    html::setRow(rows[2], "DC (Differential Correction Status)", "%u", f.dc);
    html::setRow(rows[3], "PA (Position Accuracy)", "%u", f.pa);
    return html::fieldTable(buffer, capacity, "Figure of Merit (Prior Version 0.26)", rows);
}

// ---- type 21906: link technology of edition 0.26 ---------------------------------------------

char* ast_dataitem_021_A06_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_906_t f = ast_dataitem_021_A06_decode(item);
    out.append("LINK:");
    if (f.dti)
        out.append(" CDTI");
    if (f.mds)
        out.append(" MODE_S");
    if (f.uat)
        out.append(" UAT");
    if (f.vdl)
        out.append(" VDL4");
    if (f.otr)
        out.append(" OTHER");
    if (!f.dti && !f.mds && !f.uat && !f.vdl && !f.otr)
        out.append(" NONE");
    return buffer;
}

char* ast_dataitem_021_A06_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_906_t f = ast_dataitem_021_A06_decode(item);
    html::FieldRow rows[5];
    html::setRow(rows[0], "DTI (Cockpit Display of Traffic Information)", "%s", html::yesNo(f.dti));
    html::setRow(rows[1], "MDS (Mode-S Extended Squitter)", "%s", html::yesNo(f.mds));
    html::setRow(rows[2], "UAT", "%s", html::yesNo(f.uat));
    html::setRow(rows[3], "VDL Mode 4", "%s", html::yesNo(f.vdl));
    html::setRow(rows[4], "Other Technology", "%s", html::yesNo(f.otr));
    return html::fieldTable(buffer, capacity, "Link Technology Indicator (Prior Version 0.26)",
                            rows);
}

// ---- type 21909: I021/165 track angle rate of editions 2.x ------------------------------------

char* ast_dataitem_021_A09_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_909_t f = ast_dataitem_021_A09_decode(item);
    if (f.present)
        out.printf("TAR:%.2fDEG/S", f.rate);
    return buffer;
}

char* ast_dataitem_021_A09_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_909_t f = ast_dataitem_021_A09_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "TAR (Track Angle Rate)", "%.5f deg/s (raw %d x 1/32 deg/s)", f.rate,
                 static_cast<int>(f.raw));
    html::setRow(rows[1], "Turn", "%s", f.raw > 0 ? "Right" : f.raw < 0 ? "Left" : "Straight");
    return html::fieldTable(buffer, capacity, "Track Angle Rate", rows);
}

// ---- altitudes and levels ----------------------------------------------------------------------

char* ast_dataitem_021_140_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("ALTITUDE:%.2fFL", ast_dataitem_021_140_decode(item).raw * 6.25 / 100.0);
    return buffer;
}

char* ast_dataitem_021_140_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_140_t f = ast_dataitem_021_140_decode(item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Geometric Altitude", "%.2f ft", f.raw * 6.25);
    return html::fieldTable(buffer, capacity, "Geometric Altitude", rows);
}

char* ast_dataitem_021_145_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("LEVEL:%.2fFL", ast_dataitem_021_145_decode(item).raw / 4.0);
    return buffer;
}

char* ast_dataitem_021_145_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    html::FieldRow rows[1];
    html::setRow(rows[0], "Flight Level", "%.2f FL", ast_dataitem_021_145_decode(item).raw / 4.0);
    return html::fieldTable(buffer, capacity, "Flight Level", rows);
}

// I021/146: SAS, source, then a 13-bit altitude in 25 ft.
static int32_t selectedAltitudeRaw(const ast_dataitem_t* item) {
    return b::signExtend(b::octets(item->data, 1, 2) & 0x1FFF, 13);
}

char* ast_dataitem_021_146_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 2, 21146))
        out.printf("SELECTED_ALTITUDE:%.2fFL", selectedAltitudeRaw(item) * 25 / 100.0);
    return buffer;
}

char* ast_dataitem_021_146_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    if (!sized(item, 2, 21146))
        return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
    html::FieldRow rows[3];
    html::setRow(rows[0], "SAS (Source Information Provided)", "%s",
                 html::yesNo(b::bit(item->data, 1, 8)));
    html::setRow(rows[1], "Source", "%u", b::field(item->data, 1, 7, 6));
    html::setRow(rows[2], "Altitude", "%d ft", selectedAltitudeRaw(item) * 25);
    return html::fieldTable(buffer, capacity, "Selected Altitude", rows);
}

// ---- speeds and headings -----------------------------------------------------------------------

char* ast_dataitem_021_150_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_150_t f = ast_dataitem_021_150_decode(item);
    if (f.mach_flag)
        out.printf("MACH:%.3f", f.mach);
    else
        out.printf("IAS:%.2fKT", f.ias);
    return buffer;
}

char* ast_dataitem_021_150_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_150_t f = ast_dataitem_021_150_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "IM", "%s", f.mach_flag ? "Mach" : "IAS");
    if (f.mach_flag)
        html::setRow(rows[1], "Air Speed", "Mach %.3f", f.mach);
    else
        html::setRow(rows[1], "Air Speed", "%.2f kt", f.ias);
    return html::fieldTable(buffer, capacity, "Air Speed", rows);
}

char* ast_dataitem_021_151_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 2, 21151))
        out.printf("TAS:%dKT", static_cast<int>(b::octets(item->data, 1, 2) & 0x7FFF));
    return buffer;
}

char* ast_dataitem_021_151_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    if (!sized(item, 2, 21151))
        return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "RE (Range Exceeded)", "%s", html::yesNo(b::bit(item->data, 1, 8)));
    html::setRow(rows[1], "True Air Speed", "%u kt", b::octets(item->data, 1, 2) & 0x7FFF);
    return html::fieldTable(buffer, capacity, "True Air Speed", rows);
}

char* ast_dataitem_021_152_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 2, 21152))
        out.printf("HDG:%03.2fDEG", b::octets(item->data, 1, 2) * 360.0 / 65536.0);
    return buffer;
}

char* ast_dataitem_021_152_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    html::FieldRow rows[1];
    html::setRow(rows[0], "Magnetic Heading", "%.4f deg",
                 sized(item, 2, 21152) ? b::octets(item->data, 1, 2) * 360.0 / 65536.0 : 0.0);
    return html::fieldTable(buffer, capacity, "Magnetic Heading", rows);
}

char* ast_dataitem_021_230_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 2, 21230))
        out.printf("RA:%.2fDEG", b::signExtend(b::octets(item->data, 1, 2), 16) * 0.01);
    return buffer;
}

// ---- I021/160 ground vector --------------------------------------------------------------------

char* ast_dataitem_021_160_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_160_t f = ast_dataitem_021_160_decode(item);
    out.printf("SPD:%.2fKT AGL:%03.2fDEG", f.ground_speed, f.track_angle);
    return buffer;
}

char* ast_dataitem_021_160_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_160_t f = ast_dataitem_021_160_decode(item);
    html::FieldRow rows[3];
    html::setRow(rows[0], "RE (Range Exceeded)", "%s", html::yesNo(f.re));
    html::setRow(rows[1], "Ground Speed", "%.2f kt", f.ground_speed);
    html::setRow(rows[2], "Track Angle", "%.4f deg", f.track_angle);
    return html::fieldTable(buffer, capacity, "Ground Vector", rows);
}

// ---- I021/200 target status, I021/210 MOPS version -----------------------------------------

char* ast_dataitem_021_200_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_200_t f = ast_dataitem_021_200_decode(item);
    out.printf("%s %s", f.ps < 7 ? EMERGENCY[f.ps] : "EMG:UNDEFINED",
               f.ss < 4 ? SURVEILLANCE[f.ss] : "SUR:UNDEFINED");
    return buffer;
}

char* ast_dataitem_021_210_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_210_t f = ast_dataitem_021_210_decode(item);
    out.printf("VN:%u%s", f.vn, f.ltt <= 3 ? LINKS[f.ltt] : " LINK:UNKNOWN");
    return buffer;
}

char* ast_dataitem_021_210_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_210_t f = ast_dataitem_021_210_decode(item);
    html::FieldRow rows[3];
    html::setRow(rows[0], "VNS (Version Not Supported)", "%s", html::yesNo(f.vns));
    html::setRow(rows[1], "VN (Version Number)", "%u", f.vn);
    html::setRow(rows[2], "LTT (Link Technology Type)", "%u", f.ltt);
    return html::fieldTable(buffer, capacity, "MOPS Version", rows);
}

}  // extern "C"
