// CAT021, ADS-B Target Reports, in editions 0.23, 0.26, 2.1 and 2.4: the UAPs, the item
// descriptors, the CAT021-specific decoded forms with their encoders, summaries and detail
// views, the subfields of I021/110, I021/220 and I021/295, and record assembly and disassembly.
//
// Editions 0.23 and 0.26 lay out some items differently from editions 2.x; those layouts have
// types of their own (21902 to 21908) so that one descriptor table serves every edition.

#include <cmath>
#include <cstdio>
#include <cstring>

#include "Bits.h"
#include "Descriptors.h"

namespace ast {
namespace {

namespace b = ast::bits;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 21 * 1000 + item;
}

// ---- UAPs, in FRN order from FRN 1 (0 = spare FRN) ---------------------------------------

// Edition 0.26, also the standard CAT021 profile.
const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(903), T(30),  T(902), T(80),  T(140), T(905),
                                            T(906), T(230), T(145), T(150), T(151), T(152), T(155),
                                            T(157), T(160), T(165), T(170), T(95),  T(32),  T(908),
                                            T(20),  T(220), T(146), T(148), T(110), T(70),  T(904)};

// Edition 0.23: as 0.26 for FRNs 1 to 26 but FRN 4 is I021/130 (type 21130) instead of the
// 0.26 position (type 21902); the table runs to REF and SPF at FRNs 34 and 35 while the FRN
// count in use is 26.
const ast_dataitem_type_t V023_UAP[] = {
    T(10),  T(903), T(30),  T(130), T(80),  T(140), T(905), T(906), T(230), T(145), T(150), T(151),
    T(152), T(155), T(157), T(160), T(165), T(170), T(95),  T(32),  T(908), T(20),  T(220), T(146),
    T(148), T(110), 0,      0,      0,      0,      0,      0,      0,      T(998), T(999)};

// Editions 2.1 and 2.4 differ in FRN 37: I021/271 of editions 1.0 to 2.1 (type 21907) against
// the 2.4 layout.
const ast_dataitem_type_t V21_UAP[] = {
    T(10),  T(40),  T(161), T(15),  T(71),  T(130), T(131), T(72),  T(150), T(151),
    T(80),  T(73),  T(74),  T(75),  T(76),  T(140), T(90),  T(210), T(70),  T(230),
    T(145), T(152), T(200), T(155), T(157), T(160), T(165), T(77),  T(170), T(20),
    T(220), T(146), T(148), T(110), T(16),  T(8),   T(907), T(132), T(250), T(260),
    T(400), T(295), 0,      0,      0,      0,      0,      T(998), T(999)};

const ast_dataitem_type_t V24_UAP[] = {
    T(10),  T(40),  T(161), T(15),  T(71),  T(130), T(131), T(72),  T(150), T(151),
    T(80),  T(73),  T(74),  T(75),  T(76),  T(140), T(90),  T(210), T(70),  T(230),
    T(145), T(152), T(200), T(155), T(157), T(160), T(165), T(77),  T(170), T(20),
    T(220), T(146), T(148), T(110), T(16),  T(8),   T(271), T(132), T(250), T(260),
    T(400), T(295), 0,      0,      0,      0,      0,      T(998), T(999)};

// One manufacturer's CAT021, close to edition 0.26; FRNs beyond 28 give 0 silently.
const ast_dataitem_type_t THALES_UAP[] = {T(10),  T(903), T(30),  T(130), T(80),  T(140), T(905),
                                          T(906), T(230), T(145), T(150), T(151), T(152), T(155),
                                          T(157), T(160), T(165), T(170), T(95),  T(32),  T(200),
                                          T(20),  T(220), T(146), T(148), T(110), T(904), T(70)};

// ---- helpers -------------------------------------------------------------------------------

bool sized(const ast_dataitem_t* item, uint64_t size, ast_dataitem_type_t type) {
    return item && item->ok && item->data && item->size == size && item->type == type;
}

bool sizedWithin(const ast_dataitem_t* item, uint64_t min, uint64_t max, ast_dataitem_type_t type) {
    return item && item->ok && item->data && item->size >= min && item->size <= max &&
           item->type == type;
}

template <typename T>
const T* formOf(const ast_dataitem_value_t* value) {
    if (!value || !value->value)
        return nullptr;
    const T* form = static_cast<const T*>(value->value);
    return form->present ? form : nullptr;
}

ast_dataitem_t failed(uint8_t* buffer, const ast_dataitem_value_t* value) {
    return ast_dataitem_t{buffer, 0, value ? value->type : 0, 0};
}

ast_dataitem_t written(uint8_t* buffer, uint64_t size, const ast_dataitem_value_t* value) {
    return ast_dataitem_t{buffer, size, value->type, 1};
}

// A detail view of "name: value" rows under a heading.
struct Row {
    const char* name;
    char value[64];
};

template <size_t N>
char* detailTable(char* buffer, size_t capacity, const char* title, const Row (&rows)[N],
                  size_t count = N) {
    Text out(buffer, capacity);
    html::heading(out, "%s", title);
    html::tableBegin(out);
    html::headerRow(out, "Field", "Value", html::END_OF_ROW);
    for (size_t i = 0; i < count && i < N; ++i)
        html::dataRow(out, rows[i].name, rows[i].value, html::END_OF_ROW);
    html::tableEnd(out);
    return buffer;
}

void set(Row& row, const char* name, const char* format, ...) __attribute__((format(printf, 3, 4)));
void set(Row& row, const char* name, const char* format, ...) {
    row.name = name;
    va_list args;
    va_start(args, format);
    std::vsnprintf(row.value, sizeof row.value, format, args);
    va_end(args);
}

const char* yesNo(bool flag) {
    return flag ? "Yes" : "No";
}

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

// ---- subfields -----------------------------------------------------------------------------

uint64_t tisSize(const uint8_t* data, uint64_t available) {
    return ast_subfield_get_size_variable(data, available, 8);
}
uint64_t tidSize(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_repeat(data, available, 15);
}

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

#define AGE(index, id, name)                                                    \
    {                                                                           \
        21295000 + index, {                                                     \
            id, name, &ast_dataitem_get_size_fixed_1_byte, &ageSummary, nullptr \
        }                                                                       \
    }

const SubfieldEntry SUBFIELDS[] = {
    {21110001, {"TIS", "Trajectory Intent Status", &tisSize, &binarySubfieldSummary, nullptr}},
    {21110002, {"TID", "Trajectory Intent Data", &tidSize, &binarySubfieldSummary, nullptr}},
    {21220001, {"WS", "Wind Speed", &ast_dataitem_get_size_fixed_2_byte, &metSummary, nullptr}},
    {21220002, {"WD", "Wind Direction", &ast_dataitem_get_size_fixed_2_byte, &metSummary, nullptr}},
    {21220003, {"TMP", "Temperature", &ast_dataitem_get_size_fixed_2_byte, &metSummary, nullptr}},
    {21220004, {"TRB", "Turbulence", &ast_dataitem_get_size_fixed_1_byte, &metSummary, nullptr}},
    AGE(1, "AOS", "Aircraft Operational Status Age"),
    AGE(2, "TRD", "Target Report Descriptor Age"),
    AGE(3, "M3A", "Mode 3/A Age"),
    AGE(4, "QI", "Quality Indicators Age"),
    AGE(5, "TI1", "Trajectory Intent Age"),
    AGE(6, "MAM", "Message Amplitude Age"),
    AGE(7, "GH", "Geometric Height Age"),
    AGE(8, "FL", "Flight Level Age"),
    AGE(9, "ISA", "Intermediate State Selected Altitude Age"),
    AGE(10, "FSA", "Final State Selected Altitude Age"),
    AGE(11, "AS", "Air Speed Age"),
    AGE(12, "TAS", "True Air Speed Age"),
    AGE(13, "MH", "Magnetic Heading Age"),
    AGE(14, "BVR", "Barometric Vertical Rate Age"),
    AGE(15, "GVR", "Geometric Vertical Rate Age"),
    AGE(16, "GV", "Ground Vector Age"),
    AGE(17, "TAR", "Track Angle Rate Age"),
    AGE(18, "TI2", "Target Identification Age"),
    AGE(19, "TS", "Target Status Age"),
    AGE(20, "MET", "Met Information Age"),
    AGE(21, "ROA", "Roll Angle Age"),
    AGE(22, "ARA", "ACAS Resolution Advisory Age"),
    AGE(23, "SCC", "Surface Capabilities and Characteristics Age"),
};
#undef AGE

}  // namespace
}  // namespace ast

using namespace ast;

extern "C" {

// ---- size rules ----------------------------------------------------------------------------

uint64_t ast_dataitem_021_110_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 21110);
}
uint64_t ast_dataitem_021_220_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 21220);
}
uint64_t ast_dataitem_021_295_get_size(const uint8_t* data, uint64_t available) {
    return ast_dataitem_subfields_get_size(data, available, 21295);
}

// I021/271 before edition 2.2: the LSB of the first extension is not an FX bit, so the item is
// one octet, or two when the first octet's FX is set.
uint64_t ast_dataitem_021_A07_get_size(const uint8_t* data, uint64_t available) {
    if (!data || available == 0)
        return 0;
    if (!(data[0] & 0x01))
        return 1;
    return available >= 2 ? 2 : 0;
}

// ---- subfield families ---------------------------------------------------------------------

#define AST_SUBFIELD_FAMILY(item)                                                        \
    const char* ast_subfield_021_##item##_get_id(uint32_t type) {                        \
        return ast_subfield_get_id(type);                                                \
    }                                                                                    \
    const char* ast_subfield_021_##item##_get_name(uint32_t type) {                      \
        return ast_subfield_get_name(type);                                              \
    }                                                                                    \
    uint64_t ast_subfield_021_##item##_get_size(const uint8_t* data, uint64_t available, \
                                                uint32_t type) {                         \
        return ast_subfield_get_size(data, available, type);                             \
    }                                                                                    \
    char* ast_subfield_021_##item##_get_summary(char* buffer, size_t capacity,           \
                                                const ast_subfield_t* sf) {              \
        return ast_subfield_get_summary(buffer, capacity, sf);                           \
    }
AST_SUBFIELD_FAMILY(110)
AST_SUBFIELD_FAMILY(220)
AST_SUBFIELD_FAMILY(295)
#undef AST_SUBFIELD_FAMILY

// ---- I021/008 aircraft operational status ----------------------------------------------------

ast_dataitem_021_008_t ast_dataitem_021_008_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_008_t f = {};
    if (!sized(item, 1, 21008))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.ra = b::bit(d, 1, 8);
    f.tc = b::field(d, 1, 7, 6);
    f.ts = b::bit(d, 1, 5);
    f.arv = b::bit(d, 1, 4);
    f.cdti_a = b::bit(d, 1, 3);
    f.not_tcas = b::bit(d, 1, 2);
    f.sa = b::bit(d, 1, 1);
    return f;
}

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
    Row rows[7];
    set(rows[0], "RA (TCAS Resolution Advisory active)", "%s", yesNo(f.ra));
    set(rows[1], "TC (Target Trajectory Change Report Capability)", "%u", f.tc);
    set(rows[2], "TS (Target State Report Capability)", "%s", yesNo(f.ts));
    set(rows[3], "ARV (Air-Referenced Velocity Report Capability)", "%s", yesNo(f.arv));
    set(rows[4], "CDTI/A (Cockpit Display of Traffic Information airborne)", "%s", yesNo(f.cdti_a));
    set(rows[5], "not TCAS (TCAS System Status)", "%s", yesNo(f.not_tcas));
    set(rows[6], "SA (Single Antenna)", "%s", yesNo(f.sa));
    return f.present ? detailTable(buffer, capacity, "Aircraft Operational Status", rows)
                     : ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
}

// ---- I021/016 service management --------------------------------------------------------------

ast_dataitem_021_016_t ast_dataitem_021_016_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_016_t f = {};
    if (!sized(item, 1, 21016))
        return f;
    f.present = 1;
    f.raw = item->data[0];
    f.report_period = f.raw * 0.5;
    return f;
}

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

ast_one_octet_t ast_dataitem_021_020_decode(const ast_dataitem_t* item) {
    ast_one_octet_t f = {};
    if (!sized(item, 1, 21020))
        return f;
    f.present = 1;
    f.value = item->data[0];
    return f;
}

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
    Row rows[2];
    char summary[64];
    set(rows[0], "ECAT", "%u", f.value);
    set(rows[1], "Category", "%s",
        ast_dataitem_021_020_get_summary(summary, sizeof summary, item) + 8);
    return detailTable(buffer, capacity, "Emitter Category", rows);
}

char* ast_dataitem_021_032_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 1, 21032))
        out.printf("TOD_ACCU:%.2fS", item->data[0] / 256.0);
    return buffer;
}

char* ast_dataitem_021_032_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Row rows[1];
    set(rows[0], "Time of Day Accuracy", "%.4f s",
        sized(item, 1, 21032) ? item->data[0] / 256.0 : 0.0);
    return detailTable(buffer, capacity, "Time of Day Accuracy", rows);
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

ast_dataitem_021_040_t ast_dataitem_021_040_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_040_t f = {};
    if (!sizedWithin(item, 1, 3, 21040))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    const uint32_t atp = b::field(d, 1, 8, 6), arc = b::field(d, 1, 5, 4);
    f.atp = atp < 4 ? atp : 4;
    f.arc = arc == 0 ? 1 : arc == 1 ? 2 : 3;
    f.rc = b::bit(d, 1, 3);
    f.rab = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.dcr = b::bit(d, 2, 8);
        f.gbs = b::bit(d, 2, 7);
        f.sim = b::bit(d, 2, 6);
        f.tst = b::bit(d, 2, 5);
        f.saa = b::bit(d, 2, 4);
        f.cl = b::field(d, 2, 3, 2);
    }
    if (item->size >= 3) {
        f.llc = b::bit(d, 3, 7);
        f.ipc = b::bit(d, 3, 6);
        f.nogo = b::bit(d, 3, 5);
        f.cpr = b::bit(d, 3, 4);
        f.ldpj = b::bit(d, 3, 3);
        f.rcf = b::bit(d, 3, 2);
    }
    return f;
}

// Extensions are kept only when they (or a later one) carry a non-zero field; an extension that
// is needed but does not fit the capacity makes the item fail rather than lose the fields.
ast_dataitem_t ast_dataitem_021_040_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_040_t* f = formOf<ast_dataitem_021_040_t>(value);
    if (!buffer || !f || capacity < 1)
        return failed(buffer, value);
    const uint32_t atp = f->atp <= 3 ? f->atp : 4;
    const uint32_t arc = f->arc == 1 ? 0 : f->arc == 2 ? 1 : f->arc == 0 ? 2 : 3;
    uint8_t octets[3];
    octets[0] =
        static_cast<uint8_t>(atp << 5 | arc << 3 | (f->rc ? 0x04 : 0) | (f->rab ? 0x02 : 0));
    octets[1] =
        static_cast<uint8_t>((f->dcr ? 0x80 : 0) | (f->gbs ? 0x40 : 0) | (f->sim ? 0x20 : 0) |
                             (f->tst ? 0x10 : 0) | (f->saa ? 0x08 : 0) | (f->cl & 3) << 1);
    octets[2] =
        static_cast<uint8_t>((f->llc ? 0x40 : 0) | (f->ipc ? 0x20 : 0) | (f->nogo ? 0x10 : 0) |
                             (f->cpr ? 0x08 : 0) | (f->ldpj ? 0x04 : 0) | (f->rcf ? 0x02 : 0));
    const uint64_t size = octets[2] ? 3 : octets[1] ? 2 : 1;
    if (capacity < size)
        return failed(buffer, value);
    for (uint64_t i = 0; i + 1 < size; ++i)
        octets[i] |= 0x01;
    for (uint64_t i = 0; i < size; ++i)
        buffer[i] = octets[i];
    return written(buffer, size, value);
}

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
    Row rows[16];
    set(rows[0], "ATP (Address Type)", "%u", f.atp);
    set(rows[1], "ARC (Altitude Reporting Capability)", "%u", f.arc);
    set(rows[2], "RC (Range Check)", "%s", yesNo(f.rc));
    set(rows[3], "RAB (Report from field monitor)", "%s", yesNo(f.rab));
    set(rows[4], "DCR (Differential Correction)", "%s", yesNo(f.dcr));
    set(rows[5], "GBS (Ground Bit Setting)", "%s", yesNo(f.gbs));
    set(rows[6], "SIM (Simulated Target)", "%s", yesNo(f.sim));
    set(rows[7], "TST (Test Target)", "%s", yesNo(f.tst));
    set(rows[8], "SAA (Selected Altitude Available)", "%s", yesNo(f.saa));
    set(rows[9], "CL (Confidence Level)", "%u", f.cl);
    set(rows[10], "LLC (List Lookup Check)", "%s", yesNo(f.llc));
    set(rows[11], "IPC (Independent Position Check)", "%s", yesNo(f.ipc));
    set(rows[12], "NOGO (No-go Bit Status)", "%s", yesNo(f.nogo));
    set(rows[13], "CPR (Compact Position Reporting)", "%s", yesNo(f.cpr));
    set(rows[14], "LDPJ (Local Decoding Position Jump)", "%s", yesNo(f.ldpj));
    set(rows[15], "RCF (Range Check)", "%s", yesNo(f.rcf));
    return detailTable(buffer, capacity, "Target Report Descriptor", rows);
}

// ---- type 21903: target report descriptor of edition 0.26 ------------------------------------

ast_dataitem_021_903_t ast_dataitem_021_A03_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_903_t f = {};
    if (!sized(item, 2, 21903))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.dcr = b::bit(d, 1, 8);
    f.gbs = b::bit(d, 1, 7);
    f.sim = b::bit(d, 1, 6);
    f.tst = b::bit(d, 1, 5);
    f.rab = b::bit(d, 1, 4);
    f.saa = b::bit(d, 1, 3);
    f.spi = b::bit(d, 1, 2);
    const uint32_t atp = b::field(d, 2, 8, 6);
    f.atp = atp == 0 ? 1 : atp == 1 ? 0 : atp <= 3 ? atp : 4;
    f.arc = b::field(d, 2, 5, 4);
    return f;
}

ast_dataitem_t ast_dataitem_021_A03_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_903_t* f = formOf<ast_dataitem_021_903_t>(value);
    if (!buffer || !f || capacity < 2)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(
        (f->dcr ? 0x80 : 0) | (f->gbs ? 0x40 : 0) | (f->sim ? 0x20 : 0) | (f->tst ? 0x10 : 0) |
        (f->rab ? 0x08 : 0) | (f->saa ? 0x04 : 0) | (f->spi ? 0x02 : 0));
    const uint32_t atp = f->atp <= 3 ? f->atp : 7;
    const uint32_t arc = f->arc == 2 ? 0x10 : f->arc == 1 ? 0x0F : 0;
    buffer[1] = static_cast<uint8_t>(atp << 5 | arc);
    return written(buffer, 2, value);
}

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
    Row rows[9];
    set(rows[0], "DCR (Differential Correction)", "%s", yesNo(f.dcr));
    set(rows[1], "GBS (Ground Bit Set)", "%s", yesNo(f.gbs));
    set(rows[2], "SIM (Simulated Target)", "%s", yesNo(f.sim));
    set(rows[3], "TST (Test Target)", "%s", yesNo(f.tst));
    set(rows[4], "RAB (Report from field monitor)", "%s", yesNo(f.rab));
    set(rows[5], "SAA (Selected Altitude Available)", "%s", yesNo(f.saa));
    set(rows[6], "SPI (Special Position Identification)", "%s", yesNo(f.spi));
    set(rows[7], "ATP (Address Type)", "%u", f.atp);
    set(rows[8], "ARC (Altitude Reporting Capability)", "%u", f.arc);
    return detailTable(buffer, capacity, "Target Report Descriptor (Prior Version 0.26)", rows);
}

// ---- I021/090 quality indicators --------------------------------------------------------------

ast_dataitem_021_090_t ast_dataitem_021_090_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_090_t f = {};
    if (!sizedWithin(item, 1, 4, 21090))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.nucr_nacv = b::field(d, 1, 8, 6);
    f.nucp_nic = b::field(d, 1, 5, 2);
    if (item->size >= 2) {
        f.nic_baro = b::field(d, 2, 8, 8);
        f.sil = b::field(d, 2, 7, 6);
        f.nacp = b::field(d, 2, 5, 2);
    }
    if (item->size >= 3) {
        f.sil_supplement = b::field(d, 3, 6, 6);
        f.sda = b::field(d, 3, 5, 4);
        f.gva = b::field(d, 3, 3, 2);
    }
    if (item->size >= 4)
        f.pic = b::field(d, 4, 8, 5);
    return f;
}

ast_dataitem_t ast_dataitem_021_090_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_090_t* f = formOf<ast_dataitem_021_090_t>(value);
    if (!buffer || !f || capacity < 1)
        return failed(buffer, value);
    uint8_t octets[4];
    octets[0] = static_cast<uint8_t>((f->nucr_nacv & 7) << 5 | (f->nucp_nic & 15) << 1);
    octets[1] =
        static_cast<uint8_t>((f->nic_baro & 1) << 7 | (f->sil & 3) << 5 | (f->nacp & 15) << 1);
    octets[2] =
        static_cast<uint8_t>((f->sil_supplement & 1) << 5 | (f->sda & 3) << 3 | (f->gva & 3) << 1);
    octets[3] = static_cast<uint8_t>((f->pic & 15) << 4);
    uint64_t size = 4;
    while (size > 1 && octets[size - 1] == 0)
        --size;
    if (capacity < size)
        return failed(buffer, value);
    for (uint64_t i = 0; i + 1 < size; ++i)
        octets[i] |= 0x01;
    for (uint64_t i = 0; i < size; ++i)
        buffer[i] = octets[i];
    return written(buffer, size, value);
}

char* ast_dataitem_021_090_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_090_t f = ast_dataitem_021_090_decode(item);
    out.printf("NUCR:%u NUCP:%u", f.nucr_nacv, f.nucp_nic);
    return buffer;
}

char* ast_dataitem_021_090_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_090_t f = ast_dataitem_021_090_decode(item);
    Row rows[9];
    set(rows[0], "NUCr or NACv", "%u", f.nucr_nacv);
    set(rows[1], "NUCp or NIC", "%u", f.nucp_nic);
    set(rows[2], "NIC for barometric altitude", "%u", f.nic_baro);
    set(rows[3], "SIL (Surveillance Integrity Level)", "%u", f.sil);
    set(rows[4], "NACp (Navigation Accuracy Category for Position)", "%u", f.nacp);
    set(rows[5], "SIL supplement", "%u", f.sil_supplement);
    set(rows[6], "SDA (System Design Assurance)", "%u", f.sda);
    set(rows[7], "GVA (Geometric Altitude Accuracy)", "%u", f.gva);
    set(rows[8], "PIC (Position Integrity Category)", "%u", f.pic);
    return detailTable(buffer, capacity, "Quality Indicators", rows);
}

// ---- type 21905: figure of merit of edition 0.26 ---------------------------------------------

ast_dataitem_021_905_t ast_dataitem_021_A05_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_905_t f = {};
    if (!sized(item, 2, 21905))
        return f;
    f.present = 1;
    f.ac = b::field(item->data, 1, 8, 7);
    f.mn = b::field(item->data, 1, 6, 5);
    f.dc = b::field(item->data, 1, 4, 3);
    f.pa = b::field(item->data, 2, 4, 1);
    return f;
}

ast_dataitem_t ast_dataitem_021_A05_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_905_t* f = formOf<ast_dataitem_021_905_t>(value);
    if (!buffer || !f || capacity < 2)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>((f->ac & 3) << 6 | (f->mn & 3) << 4 | (f->dc & 3) << 2);
    buffer[1] = static_cast<uint8_t>(f->pa & 15);
    return written(buffer, 2, value);
}

char* ast_dataitem_021_A05_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("PA:%d", static_cast<int>(ast_dataitem_021_A05_decode(item).pa));
    return buffer;
}

char* ast_dataitem_021_A05_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_905_t f = ast_dataitem_021_A05_decode(item);
    Row rows[4];
    set(rows[0], "AC (ACAS Status)", "%u", f.ac);
    set(rows[1], "MN (Multiple Navigational aids Status)", "%u", f.mn);
    set(rows[2], "DC (Differential Correction Status)", "%u", f.dc);
    set(rows[3], "PA (Position Accuracy)", "%u", f.pa);
    return detailTable(buffer, capacity, "Figure of Merit (Prior Version 0.26)", rows);
}

// ---- type 21906: link technology of edition 0.26 ---------------------------------------------

ast_dataitem_021_906_t ast_dataitem_021_A06_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_906_t f = {};
    if (!sized(item, 1, 21906))
        return f;
    f.present = 1;
    f.dti = b::bit(item->data, 1, 5);
    f.mds = b::bit(item->data, 1, 4);
    f.uat = b::bit(item->data, 1, 3);
    f.vdl = b::bit(item->data, 1, 2);
    f.otr = b::bit(item->data, 1, 1);
    return f;
}

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
    Row rows[5];
    set(rows[0], "DTI (Cockpit Display of Traffic Information)", "%s", yesNo(f.dti));
    set(rows[1], "MDS (Mode-S Extended Squitter)", "%s", yesNo(f.mds));
    set(rows[2], "UAT", "%s", yesNo(f.uat));
    set(rows[3], "VDL Mode 4", "%s", yesNo(f.vdl));
    set(rows[4], "Other Technology", "%s", yesNo(f.otr));
    return detailTable(buffer, capacity, "Link Technology Indicator (Prior Version 0.26)", rows);
}

// ---- altitudes and levels ----------------------------------------------------------------------

ast_dataitem_021_140_t ast_dataitem_021_140_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_140_t f = {};
    if (!sized(item, 2, 21140))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 16);
    return f;
}

char* ast_dataitem_021_140_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("ALTITUDE:%.2fFL", ast_dataitem_021_140_decode(item).raw * 6.25 / 100.0);
    return buffer;
}

char* ast_dataitem_021_140_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_140_t f = ast_dataitem_021_140_decode(item);
    Row rows[1];
    set(rows[0], "Geometric Altitude", "%.2f ft", f.raw * 6.25);
    return detailTable(buffer, capacity, "Geometric Altitude", rows);
}

ast_dataitem_021_145_t ast_dataitem_021_145_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_145_t f = {};
    if (!sized(item, 2, 21145))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 16);
    return f;
}

// Flight levels from -15 to 1500 in quarters.
ast_dataitem_t ast_dataitem_021_145_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_145_t* f = formOf<ast_dataitem_021_145_t>(value);
    if (!buffer || !f || capacity < 2 || f->raw < -60 || f->raw > 6000)
        return failed(buffer, value);
    b::put(buffer, static_cast<uint32_t>(f->raw), 2);
    return written(buffer, 2, value);
}

char* ast_dataitem_021_145_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("LEVEL:%.2fFL", ast_dataitem_021_145_decode(item).raw / 4.0);
    return buffer;
}

char* ast_dataitem_021_145_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Row rows[1];
    set(rows[0], "Flight Level", "%.2f FL", ast_dataitem_021_145_decode(item).raw / 4.0);
    return detailTable(buffer, capacity, "Flight Level", rows);
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
    Row rows[3];
    set(rows[0], "SAS (Source Information Provided)", "%s", yesNo(b::bit(item->data, 1, 8)));
    set(rows[1], "Source", "%u", b::field(item->data, 1, 7, 6));
    set(rows[2], "Altitude", "%d ft", selectedAltitudeRaw(item) * 25);
    return detailTable(buffer, capacity, "Selected Altitude", rows);
}

// ---- speeds and headings -----------------------------------------------------------------------

ast_dataitem_021_150_t ast_dataitem_021_150_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_150_t f = {};
    if (!sized(item, 2, 21150))
        return f;
    f.present = 1;
    f.raw = b::octets(item->data, 1, 2) & 0x7FFF;
    f.mach_flag = b::bit(item->data, 1, 8);
    f.ias_flag = !f.mach_flag;
    if (f.mach_flag)
        f.mach = f.raw * 0.001;
    else
        f.ias = f.raw * 0.2197265625;
    return f;
}

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
    Row rows[2];
    set(rows[0], "IM", "%s", f.mach_flag ? "Mach" : "IAS");
    if (f.mach_flag)
        set(rows[1], "Air Speed", "Mach %.3f", f.mach);
    else
        set(rows[1], "Air Speed", "%.2f kt", f.ias);
    return detailTable(buffer, capacity, "Air Speed", rows);
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
    Row rows[2];
    set(rows[0], "RE (Range Exceeded)", "%s", yesNo(b::bit(item->data, 1, 8)));
    set(rows[1], "True Air Speed", "%u kt", b::octets(item->data, 1, 2) & 0x7FFF);
    return detailTable(buffer, capacity, "True Air Speed", rows);
}

char* ast_dataitem_021_152_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 2, 21152))
        out.printf("HDG:%03.2fDEG", b::octets(item->data, 1, 2) * 360.0 / 65536.0);
    return buffer;
}

char* ast_dataitem_021_152_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Row rows[1];
    set(rows[0], "Magnetic Heading", "%.4f deg",
        sized(item, 2, 21152) ? b::octets(item->data, 1, 2) * 360.0 / 65536.0 : 0.0);
    return detailTable(buffer, capacity, "Magnetic Heading", rows);
}

char* ast_dataitem_021_230_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 2, 21230))
        out.printf("RA:%.2fDEG", b::signExtend(b::octets(item->data, 1, 2), 16) * 0.01);
    return buffer;
}

// ---- I021/160 ground vector --------------------------------------------------------------------

ast_dataitem_021_160_t ast_dataitem_021_160_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_160_t f = {};
    if (!sized(item, 4, 21160))
        return f;
    f.present = 1;
    f.re = b::bit(item->data, 1, 8);
    f.speed_raw = b::octets(item->data, 1, 2) & 0x7FFF;
    f.ground_speed = f.speed_raw * 0.2197265625;
    f.track_raw = b::octets(item->data, 3, 2);
    f.track_angle = f.track_raw * 360.0 / 65536.0;
    return f;
}

// Ground speed in 2^-14 NM/s, track angle in 360/2^16 degrees; the raw fields are ignored.
ast_dataitem_t ast_dataitem_021_160_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_160_t* f = formOf<ast_dataitem_021_160_t>(value);
    if (!buffer || !f || capacity < 4 || !(f->track_angle >= 0.0 && f->track_angle < 360.0))
        return failed(buffer, value);
    const double speed = std::trunc(f->ground_speed / 0.2197265625);
    if (!(speed >= 0 && speed <= 0x7FFF))
        return failed(buffer, value);
    const uint32_t speedRaw = static_cast<uint32_t>(speed);
    const uint32_t trackRaw =
        static_cast<uint32_t>(std::trunc(f->track_angle / 0.0054931640625)) & 0xFFFF;
    b::put(buffer, speedRaw | (f->re ? 0x8000u : 0u), 2);
    b::put(buffer + 2, trackRaw, 2);
    return written(buffer, 4, value);
}

char* ast_dataitem_021_160_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_160_t f = ast_dataitem_021_160_decode(item);
    out.printf("SPD:%.2fKT AGL:%03.2fDEG", f.ground_speed, f.track_angle);
    return buffer;
}

char* ast_dataitem_021_160_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_021_160_t f = ast_dataitem_021_160_decode(item);
    Row rows[3];
    set(rows[0], "RE (Range Exceeded)", "%s", yesNo(f.re));
    set(rows[1], "Ground Speed", "%.2f kt", f.ground_speed);
    set(rows[2], "Track Angle", "%.4f deg", f.track_angle);
    return detailTable(buffer, capacity, "Ground Vector", rows);
}

// ---- I021/200 target status, I021/210 MOPS version -----------------------------------------

ast_dataitem_021_200_t ast_dataitem_021_200_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_200_t f = {};
    if (!sized(item, 1, 21200))
        return f;
    f.present = 1;
    f.icf = b::bit(item->data, 1, 8);
    f.lnav = b::bit(item->data, 1, 7);
    f.me = b::bit(item->data, 1, 6);
    f.ps = b::field(item->data, 1, 5, 3);
    f.ss = b::field(item->data, 1, 2, 1);
    return f;
}

ast_dataitem_t ast_dataitem_021_200_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_200_t* f = formOf<ast_dataitem_021_200_t>(value);
    if (!buffer || !f || capacity < 1 || f->ps > 7 || f->ss > 3)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>((f->icf ? 0x80 : 0) | (f->lnav ? 0x40 : 0) |
                                     (f->me ? 0x20 : 0) | f->ps << 2 | f->ss);
    return written(buffer, 1, value);
}

char* ast_dataitem_021_200_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_021_200_t f = ast_dataitem_021_200_decode(item);
    out.printf("%s %s", f.ps < 7 ? EMERGENCY[f.ps] : "EMG:UNDEFINED",
               f.ss < 4 ? SURVEILLANCE[f.ss] : "SUR:UNDEFINED");
    return buffer;
}

ast_dataitem_021_210_t ast_dataitem_021_210_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_210_t f = {};
    if (!sized(item, 1, 21210))
        return f;
    f.present = 1;
    f.vns = b::bit(item->data, 1, 7);
    f.vn = b::field(item->data, 1, 6, 4);
    const uint32_t ltt = b::field(item->data, 1, 3, 1);
    f.ltt = ltt <= 3 ? ltt : 4;
    return f;
}

ast_dataitem_t ast_dataitem_021_210_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_dataitem_021_210_t* f = formOf<ast_dataitem_021_210_t>(value);
    if (!buffer || !f || capacity < 1 || f->vn > 7 || f->ltt > 7)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>((f->vns ? 0x40 : 0) | f->vn << 3 | f->ltt);
    return written(buffer, 1, value);
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
    Row rows[3];
    set(rows[0], "VNS (Version Not Supported)", "%s", yesNo(f.vns));
    set(rows[1], "VN (Version Number)", "%u", f.vn);
    set(rows[2], "LTT (Link Technology Type)", "%u", f.ltt);
    return detailTable(buffer, capacity, "MOPS Version", rows);
}

}  // extern "C"

// ---- descriptor table ----------------------------------------------------------------------

namespace ast {
namespace {

#define NAME ast_dataitem_021_get_name
#define DESC(size, summary, detail, encode) \
    { &size, &NAME, summary, detail, encode }
#define FIXED(n) ast_dataitem_get_size_fixed_##n##_byte

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {8, "Aircraft Operational Status",
     DESC(FIXED(1), &ast_dataitem_021_008_get_summary, &ast_dataitem_021_008_get_detail_html,
          nullptr)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {15, "Service Identification",
     DESC(FIXED(1), &ast_dataitem_service_id_get_summary, nullptr,
          &ast_dataitem_service_id_encode)},
    {16, "Service Management", DESC(FIXED(1), &ast_dataitem_021_016_get_summary, nullptr, nullptr)},
    {20, "Emitter Category",
     DESC(FIXED(1), &ast_dataitem_021_020_get_summary, &ast_dataitem_021_020_get_detail_html,
          &ast_dataitem_signal_amplitude_encode)},
    {30, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {32, "Time of Day Accuracy",
     DESC(FIXED(1), &ast_dataitem_021_032_get_summary, &ast_dataitem_021_032_get_detail_html,
          nullptr)},
    {40, "Target Report Descriptor",
     DESC(ast_dataitem_get_size_var_3_byte, &ast_dataitem_021_040_get_summary,
          &ast_dataitem_021_040_get_detail_html, &ast_dataitem_021_040_encode)},
    {70, "Mode-3/A Code in Octal Representation", AST_DESC_MODE_3A(NAME)},
    {71, "Time of Applicability for Position", AST_DESC_TIME_OF_DAY(NAME)},
    {72, "Time of Applicability for Velocity", AST_DESC_TIME_OF_DAY(NAME)},
    {73, "Time of Message Reception for Position", AST_DESC_TIME_OF_DAY(NAME)},
    {74, "Time of Message Reception of Position - High Precision", AST_DESC_TIME_OF_DAY_HP(NAME)},
    {75, "Time of Message Reception for Velocity", AST_DESC_TIME_OF_DAY(NAME)},
    {76, "Time of Message Reception of Velocity - High Precision", AST_DESC_TIME_OF_DAY_HP(NAME)},
    {77, "Time of ASTERIX Report Transmission", AST_DESC_TIME_OF_DAY(NAME)},
    {80, "Target Address", AST_DESC_TARGET_ADDRESS(NAME)},
    {90, "Quality Indicators",
     DESC(ast_dataitem_get_size_var_4_byte, &ast_dataitem_021_090_get_summary,
          &ast_dataitem_021_090_get_detail_html, &ast_dataitem_021_090_encode)},
    {95, "Velocity Accuracy",
     DESC(FIXED(1), &ast_dataitem_021_095_get_summary, nullptr,
          &ast_dataitem_signal_amplitude_encode)},
    {110, "Trajectory Intent",
     DESC(ast_dataitem_021_110_get_size, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {130, "Position in WGS84 Coordinates", AST_DESC_WGS84_LOW(NAME)},
    {131, "High-Resolution Position in WGS-84 Coordinates", AST_DESC_WGS84(NAME)},
    {132, "Message Amplitude", AST_DESC_SIGNAL_AMPLITUDE(NAME)},
    {140, "Geometric Altitude",
     DESC(FIXED(2), &ast_dataitem_021_140_get_summary, &ast_dataitem_021_140_get_detail_html,
          nullptr)},
    {145, "Flight Level",
     DESC(FIXED(2), &ast_dataitem_021_145_get_summary, &ast_dataitem_021_145_get_detail_html,
          &ast_dataitem_021_145_encode)},
    {146, "Selected Altitude",
     DESC(FIXED(2), &ast_dataitem_021_146_get_summary, &ast_dataitem_021_146_get_detail_html,
          nullptr)},
    {148, "Final State Selected Altitude", DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {150, "Air Speed",
     DESC(FIXED(2), &ast_dataitem_021_150_get_summary, &ast_dataitem_021_150_get_detail_html,
          nullptr)},
    {151, "True Air Speed",
     DESC(FIXED(2), &ast_dataitem_021_151_get_summary, &ast_dataitem_021_151_get_detail_html,
          nullptr)},
    {152, "Magnetic Heading",
     DESC(FIXED(2), &ast_dataitem_021_152_get_summary, &ast_dataitem_021_152_get_detail_html,
          nullptr)},
    {155, "Barometric Vertical Rate", AST_DESC_VERTICAL_RATE(NAME)},
    {157, "Geometric Vertical Rate", AST_DESC_VERTICAL_RATE(NAME)},
    {160, "Ground Vector",
     DESC(FIXED(4), &ast_dataitem_021_160_get_summary, &ast_dataitem_021_160_get_detail_html,
          &ast_dataitem_021_160_encode)},
    {161, "Track Number", AST_DESC_TRACK_NUMBER(NAME)},
    {165, "Track Angle Rate", DESC(ast_dataitem_get_size_var_2_byte, nullptr, nullptr, nullptr)},
    {170, "Target Identification", AST_DESC_AIRCRAFT_ID(NAME)},
    {200, "Target Status",
     DESC(FIXED(1), &ast_dataitem_021_200_get_summary, nullptr, &ast_dataitem_021_200_encode)},
    {210, "MOPS Version",
     DESC(FIXED(1), &ast_dataitem_021_210_get_summary, &ast_dataitem_021_210_get_detail_html,
          &ast_dataitem_021_210_encode)},
    {220, "Met Information",
     DESC(ast_dataitem_021_220_get_size, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {230, "Roll Angle", DESC(FIXED(2), &ast_dataitem_021_230_get_summary, nullptr, nullptr)},
    {250, "Mode S MB Data", AST_DESC_MB_DATA(NAME)},
    {271, "Surface Capabilities and Characteristics",
     DESC(ast_dataitem_get_size_var_2_byte, nullptr, nullptr, nullptr)},
    {295, "Data Ages",
     DESC(ast_dataitem_021_295_get_size, &ast_dataitem_subfields_get_summary,
          &ast_dataitem_subfields_get_detail_html, nullptr)},
    {400, "Receiver ID", DESC(FIXED(1), &ast_dataitem_021_400_get_summary, nullptr, nullptr)},
    {902, "Position in WGS84 Coordinates (Version 0.24 ~ 0.26)", AST_DESC_WGS84(NAME)},
    {903, "Target Report Descriptor (Prior Version 0.26)",
     DESC(FIXED(2), &ast_dataitem_021_A03_get_summary, &ast_dataitem_021_A03_get_detail_html,
          &ast_dataitem_021_A03_encode)},
    {904, "Signal Amplitude (Version 0.26)", AST_DESC_SIGNAL_AMPLITUDE(NAME)},
    {905, "Figure of Merit (Prior Version 0.26)",
     DESC(FIXED(2), &ast_dataitem_021_A05_get_summary, &ast_dataitem_021_A05_get_detail_html,
          &ast_dataitem_021_A05_encode)},
    {906, "Link Technology Indicator (Prior Version 0.26)",
     DESC(FIXED(1), &ast_dataitem_021_A06_get_summary, &ast_dataitem_021_A06_get_detail_html,
          nullptr)},
    {907, "Surface Capabilities and Characteristics (Version 1.0 ~ 2.1)",
     DESC(ast_dataitem_021_A07_get_size, nullptr, nullptr, nullptr)},
    {908, "Target Status (Version 0.26)",
     DESC(FIXED(1), &ast_dataitem_021_A08_get_summary, nullptr,
          &ast_dataitem_signal_amplitude_encode)},
    {998, "Reserved Expansion Field", AST_DESC_RESERVED_EXPANSION(NAME)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(NAME)},
};

#undef FIXED
#undef DESC
#undef NAME

}  // namespace

const CategoryUnit CAT021_UNIT = {21,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  28,
                                  "UAP ADS-B v0.26",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  SUBFIELDS,
                                  sizeof SUBFIELDS / sizeof SUBFIELDS[0]};

const UapTable CAT021_V023_TABLE = {V023_UAP, 35, 26, "UAP ADS-B v0.23"};
const UapTable CAT021_V026_TABLE = {STANDARD_UAP, 28, 28, "UAP ADS-B v0.26"};
const UapTable CAT021_V21_TABLE = {V21_UAP, 49, 49, "UAP ADS-B v2.1"};
const UapTable CAT021_V24_TABLE = {V24_UAP, 49, 49, "UAP ADS-B v2.4"};
const UapTable CAT021_THALES_TABLE = {THALES_UAP, 28, 28, nullptr};

}  // namespace ast

// ---- record assembly and disassembly
// -------------------------------------------------------------

namespace {

// The values of one record spec. Some item encoders store recomputed fields back into the form
// they are given (the target address refreshes its octets), so the values point into a copy of
// the caller's record form that the assembly owns: the caller's form, which may live in
// read-only memory, is never written.
struct Values {
    ast_datarecord_spec_t spec;
    template <typename Form>
    void add(ast_dataitem_type_t type, Form& form) {
        if (form.present && spec.count < AST_MAX_VALUES)
            spec.values[spec.count++] = ast_dataitem_value_t{type, &form};
    }
};

// Fills `field` from `item` with `decode`, logging an item that does not decode.
template <typename Form>
void fill(Form& field, Form (*decode)(const ast_dataitem_t*), const ast_dataitem_t& item) {
    field = decode(&item);
    if (!field.present)
        ast::log(AST_LOG_DEBUG, "Failed to disassemble dataitem %s.",
                 ast_dataitem_type_to_str(item.type));
}

bool disassemblable(const ast_datarecord_t* record) {
    return record && record->ok && record->category == 21;
}

}  // namespace

extern "C" {

ast_datarecord_t ast_datarecord_021_v026_assemble(uint8_t* buffer, uint64_t capacity,
                                                  const ast_cat021_v026_record_t* form,
                                                  ast_uap_t uap) {
    Values v;
    v.spec.category = 21;
    v.spec.uap = uap;
    v.spec.count = 0;
    ast_cat021_v026_record_t copy;
    if (form) {
        copy = *form;
        v.add(21010, copy.i010);
        v.add(21020, copy.i020);
        v.add(21030, copy.i030);
        v.add(21070, copy.i070);
        v.add(21080, copy.i080);
        v.add(21095, copy.i095);
        v.add(21145, copy.i145);
        v.add(21160, copy.i160);
        v.add(21170, copy.i170);
        v.add(21903, copy.i903);
        v.add(21905, copy.i905);
        v.add(21902, copy.i902);
        v.add(21904, copy.i904);
        v.add(21908, copy.i908);
    }
    return ast_datarecord_encode(buffer, capacity, &v.spec);
}

ast_datarecord_t ast_datarecord_021_v24_assemble(uint8_t* buffer, uint64_t capacity,
                                                 const ast_cat021_v24_record_t* form,
                                                 ast_uap_t uap) {
    Values v;
    v.spec.category = 21;
    v.spec.uap = uap;
    v.spec.count = 0;
    ast_cat021_v24_record_t copy;
    if (form) {
        copy = *form;
        v.add(21010, copy.i010);
        v.add(21015, copy.i015);
        v.add(21020, copy.i020);
        v.add(21040, copy.i040);
        v.add(21070, copy.i070);
        v.add(21071, copy.i071);
        v.add(21072, copy.i072);
        v.add(21073, copy.i073);
        v.add(21075, copy.i075);
        v.add(21077, copy.i077);
        v.add(21080, copy.i080);
        v.add(21090, copy.i090);
        v.add(21130, copy.i130);
        v.add(21131, copy.i131);
        v.add(21132, copy.i132);
        v.add(21140, copy.i140);
        v.add(21145, copy.i145);
        v.add(21150, copy.i150);
        v.add(21155, copy.i155);
        v.add(21157, copy.i157);
        v.add(21160, copy.i160);
        v.add(21161, copy.i161);
        v.add(21170, copy.i170);
        v.add(21200, copy.i200);
        v.add(21210, copy.i210);
    }
    return ast_datarecord_encode(buffer, capacity, &v.spec);
}

ast_cat021_v026_record_t ast_datarecord_021_v026_disassemble(const ast_datarecord_t* record) {
    ast_cat021_v026_record_t form = {};
    if (!disassemblable(record))
        return form;
    form.ok = 1;
    const uint64_t count =
        record->count < uint64_t{AST_MAX_DATAITEMS} ? record->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i) {
        const ast_dataitem_t& item = record->items[i];
        switch (item.type) {
            case 21010:
                fill(form.i010, ast_dataitem_data_source_decode, item);
                break;
            case 21020:
                fill(form.i020, ast_dataitem_021_020_decode, item);
                break;
            case 21030:
                fill(form.i030, ast_dataitem_time_of_day_decode, item);
                break;
            case 21903:
                fill(form.i903, ast_dataitem_021_A03_decode, item);
                break;
            case 21070:
                fill(form.i070, ast_dataitem_mode_3a_decode, item);
                break;
            case 21080:
                fill(form.i080, ast_dataitem_target_address_decode, item);
                break;
            case 21905:
                fill(form.i905, ast_dataitem_021_A05_decode, item);
                break;
            case 21095:
                fill(form.i095, ast_dataitem_service_id_decode, item);
                break;
            case 21902:
                fill(form.i902, ast_dataitem_wgs84_decode, item);
                break;
            case 21904:
                fill(form.i904, ast_dataitem_service_id_decode, item);
                break;
            case 21145:
                fill(form.i145, ast_dataitem_021_145_decode, item);
                break;
            case 21160:
                fill(form.i160, ast_dataitem_021_160_decode, item);
                break;
            case 21170:
                fill(form.i170, ast_dataitem_aircraft_id_decode, item);
                break;
            case 21908:
                fill(form.i908, ast_dataitem_service_id_decode, item);
                break;
            default:
                break;
        }
    }
    return form;
}

ast_cat021_v24_record_t ast_datarecord_021_v24_disassemble(const ast_datarecord_t* record) {
    ast_cat021_v24_record_t form = {};
    if (!disassemblable(record))
        return form;
    form.ok = 1;
    const uint64_t count =
        record->count < uint64_t{AST_MAX_DATAITEMS} ? record->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i) {
        const ast_dataitem_t& item = record->items[i];
        switch (item.type) {
            case 21008:
                fill(form.i008, ast_dataitem_021_008_decode, item);
                break;
            case 21010:
                fill(form.i010, ast_dataitem_data_source_decode, item);
                break;
            case 21015:
                fill(form.i015, ast_dataitem_service_id_decode, item);
                break;
            case 21016:
                fill(form.i016, ast_dataitem_021_016_decode, item);
                break;
            case 21020:
                fill(form.i020, ast_dataitem_021_020_decode, item);
                break;
            case 21040:
                fill(form.i040, ast_dataitem_021_040_decode, item);
                break;
            case 21070:
                fill(form.i070, ast_dataitem_mode_3a_decode, item);
                break;
            case 21071:
                fill(form.i071, ast_dataitem_time_of_day_decode, item);
                break;
            case 21072:
                fill(form.i072, ast_dataitem_time_of_day_decode, item);
                break;
            case 21073:
                fill(form.i073, ast_dataitem_time_of_day_decode, item);
                break;
            case 21074:
                fill(form.i074, ast_dataitem_time_of_day_hp_decode, item);
                break;
            case 21075:
                fill(form.i075, ast_dataitem_time_of_day_decode, item);
                break;
            case 21076:
                fill(form.i076, ast_dataitem_time_of_day_hp_decode, item);
                break;
            case 21077:
                fill(form.i077, ast_dataitem_time_of_day_decode, item);
                break;
            case 21080:
                fill(form.i080, ast_dataitem_target_address_decode, item);
                break;
            case 21090:
                fill(form.i090, ast_dataitem_021_090_decode, item);
                break;
            case 21130:
                fill(form.i130, ast_dataitem_wgs84_low_decode, item);
                break;
            case 21131:
                fill(form.i131, ast_dataitem_wgs84_decode, item);
                break;
            case 21132:
                fill(form.i132, ast_dataitem_service_id_decode, item);
                break;
            case 21140:
                fill(form.i140, ast_dataitem_021_140_decode, item);
                break;
            case 21145:
                fill(form.i145, ast_dataitem_021_145_decode, item);
                break;
            case 21150:
                fill(form.i150, ast_dataitem_021_150_decode, item);
                break;
            case 21155:
                fill(form.i155, ast_dataitem_vertical_rate_decode, item);
                break;
            case 21157:
                fill(form.i157, ast_dataitem_vertical_rate_decode, item);
                break;
            case 21160:
                fill(form.i160, ast_dataitem_021_160_decode, item);
                break;
            case 21161:
                fill(form.i161, ast_dataitem_track_number_decode, item);
                break;
            case 21170:
                fill(form.i170, ast_dataitem_aircraft_id_decode, item);
                break;
            case 21200:
                fill(form.i200, ast_dataitem_021_200_decode, item);
                break;
            case 21210:
                fill(form.i210, ast_dataitem_021_210_decode, item);
                break;
            default:
                break;
        }
    }
    return form;
}

const char* ast_dataitem_021_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT021_UNIT, type);
    return name ? name : "";
}

}  // extern "C"

// ---- record getters ------------------------------------------------------------------------

namespace {

// The decoded form of the first `type` item of an OK CAT021 record; a zero form (present 0)
// when the record is not such a record, lacks the item or the item does not decode.
template <typename Form>
Form decoded(const ast_datarecord_t* record, ast_dataitem_type_t type,
             Form (*decode)(const ast_dataitem_t*)) {
    const ast_dataitem_t* item = ast::recordItem(record, 21, type);
    return item ? decode(item) : Form{};
}

// Edition 0.2x reports carry one time of day, I021/030, the time of applicability of the
// position. Editions 2.x split it: the time of applicability for position (I021/071) takes its
// place, then the time the position was received (I021/073), the velocity's times (I021/072,
// I021/075) and the time the report was sent (I021/077). The high-precision times I021/074 and
// I021/076 only refine I021/073 and I021/075 and are not used on their own.
const ast_dataitem_type_t TIME_ITEMS[] = {21030, 21071, 21073, 21072, 21075, 21077};

// The positions in order of preference: the low-resolution I021/130 of editions 0.23 and 2.x,
// the eight-octet position of editions 0.24 to 0.26, and the high-resolution I021/131 of
// editions 2.x, which a ground station may send without I021/130.
struct PositionItem {
    ast_dataitem_type_t type;
    ast_wgs84_position_t (*decode)(const ast_dataitem_t*);
};
const PositionItem POSITION_ITEMS[] = {{21130, &ast_dataitem_wgs84_low_decode},
                                       {21902, &ast_dataitem_wgs84_decode},
                                       {21131, &ast_dataitem_wgs84_decode}};

// The ground vector (I021/160) as speed over ground and true track angle. Both parts come from
// the one item, so the heading and the speed getter give the same answer.
ast_record_velocity_t groundVector(const ast_datarecord_t* record) {
    ast_record_velocity_t result = {};
    const ast_dataitem_021_160_t f = decoded(record, 21160, &ast_dataitem_021_160_decode);
    if (!f.present)
        return result;
    result.valid = 1;
    result.speed_valid = 1;
    result.speed = f.speed_raw * 0.2197265625;
    result.heading_valid = 1;
    result.heading = f.track_raw * 0.0054931640625;
    return result;
}

}  // namespace

extern "C" {

ast_record_sacsic_t ast_datarecord_021_get_sacsic(const ast_datarecord_t* record) {
    ast_record_sacsic_t result = {};
    const ast_data_source_t f = decoded(record, 21010, &ast_dataitem_data_source_decode);
    if (f.present)
        result = ast_record_sacsic_t{1, f.sac, f.sic};
    return result;
}

ast_record_timeofday_t ast_datarecord_021_get_timeofday(const ast_datarecord_t* record) {
    ast_record_timeofday_t result = {};
    for (ast_dataitem_type_t type : TIME_ITEMS) {
        const ast_time_of_day_t f = decoded(record, type, &ast_dataitem_time_of_day_decode);
        if (f.present) {
            result = ast_record_timeofday_t{1,         type,      f.raw,         f.hours,
                                            f.minutes, f.seconds, f.milliseconds};
            break;
        }
    }
    return result;
}

ast_record_msgtype_t ast_datarecord_021_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = {};
    if (record && record->ok && record->category == 21)
        result = ast_record_msgtype_t{1, AST_MSGTYPE_ADSB};
    return result;
}

ast_record_tracknum_t ast_datarecord_021_get_tracknum(const ast_datarecord_t* record) {
    ast_record_tracknum_t result = {};
    const ast_track_number_t f = decoded(record, 21161, &ast_dataitem_track_number_decode);
    if (f.present)
        result = ast_record_tracknum_t{1, f.number};
    return result;
}

ast_record_squawk_t ast_datarecord_021_get_squawk(const ast_datarecord_t* record) {
    ast_record_squawk_t result = {};
    const ast_mode_3a_t f = decoded(record, 21070, &ast_dataitem_mode_3a_decode);
    if (f.present)
        result = ast_record_squawk_t{1, static_cast<uint32_t>(f.code)};
    return result;
}

ast_record_callsign_t ast_datarecord_021_get_callsign(const ast_datarecord_t* record) {
    ast_record_callsign_t result = {};
    const ast_aircraft_id_t f = decoded(record, 21170, &ast_dataitem_aircraft_id_decode);
    if (f.present) {
        result.valid = 1;
        std::memcpy(result.callsign, f.callsign, sizeof result.callsign);
        result.callsign[sizeof result.callsign - 1] = '\0';
    }
    return result;
}

ast_record_icaoaddr_t ast_datarecord_021_get_icaoaddr(const ast_datarecord_t* record) {
    ast_record_icaoaddr_t result = {};
    const ast_target_address_t f = decoded(record, 21080, &ast_dataitem_target_address_decode);
    if (f.present)
        result = ast_record_icaoaddr_t{1, f.address};
    return result;
}

ast_record_coordinate_t ast_datarecord_021_get_coordinate(const ast_datarecord_t* record) {
    ast_record_coordinate_t result = {};
    for (const PositionItem& position : POSITION_ITEMS) {
        const ast_wgs84_position_t f = decoded(record, position.type, position.decode);
        if (f.present) {
            result = ast_record_coordinate_t{1, f.latitude, f.longitude};
            break;
        }
    }
    return result;
}

ast_record_flightlevel_t ast_datarecord_021_get_flightlevel(const ast_datarecord_t* record) {
    ast_record_flightlevel_t result = {};
    const ast_dataitem_021_145_t f = decoded(record, 21145, &ast_dataitem_021_145_decode);
    if (f.present)
        result = ast_record_flightlevel_t{1, f.raw / 4.0};
    return result;
}

ast_record_velocity_t ast_datarecord_021_get_heading(const ast_datarecord_t* record) {
    return groundVector(record);
}

ast_record_velocity_t ast_datarecord_021_get_speed(const ast_datarecord_t* record) {
    return groundVector(record);
}

}  // extern "C"

namespace ast {

// CAT021 carries no polar position: ADS-B reports are positioned in WGS-84 only.
const RecordGetters CAT021_GETTERS = {
    &ast_datarecord_021_get_sacsic,       // 0 SAC/SIC
    &ast_datarecord_021_get_timeofday,    // 1 time of day
    &ast_datarecord_021_get_msgtype,      // 2 message type
    &ast_datarecord_021_get_tracknum,     // 3 track number
    &ast_datarecord_021_get_squawk,       // 4 Mode 3/A
    &ast_datarecord_021_get_callsign,     // 5 callsign
    &ast_datarecord_021_get_icaoaddr,     // 6 ICAO address
    &ast_datarecord_021_get_coordinate,   // 7 WGS-84 coordinate
    &ast_datarecord_021_get_flightlevel,  // 8 flight level
    nullptr,                              // 9 polar coordinate
    &ast_datarecord_021_get_heading,      // 10 heading
    &ast_datarecord_021_get_speed,        // 11 speed
};

}  // namespace ast
