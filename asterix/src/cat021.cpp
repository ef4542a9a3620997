// CAT021, ADS-B Target Reports, in editions 0.23, 0.26, 2.1 and 2.4: the UAPs, the item
// descriptors, the CAT021-specific decoded forms with their encoders, the subfields of
// I021/110, I021/220 and I021/295, and the record forms of editions 0.26 and 2.4. Summaries and
// detail views are in cat021_text.cpp, the record getters in cat021_getters.cpp.
//
// Editions 0.23 and 0.26 lay out some items differently from editions 2.x; those layouts have
// types of their own (21902 to 21908) so that one descriptor table serves every edition.

#include <cmath>
#include <cstring>

#include "Bits.h"
#include "Descriptors.h"
#include "ItemCodec.h"
#include "RecordForm.h"
#include "RecordGetters.h"
#include "cat021_text.h"

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
// the 2.4 layout. Both send I021/165 (FRN 27) as the two fixed octets of the track angle rate
// (type 21909), not as the extensible rate of turn of editions 0.23 and 0.26.
const ast_dataitem_type_t V21_UAP[] = {
    T(10),  T(40),  T(161), T(15),  T(71),  T(130), T(131), T(72),  T(150), T(151),
    T(80),  T(73),  T(74),  T(75),  T(76),  T(140), T(90),  T(210), T(70),  T(230),
    T(145), T(152), T(200), T(155), T(157), T(160), T(909), T(77),  T(170), T(20),
    T(220), T(146), T(148), T(110), T(16),  T(8),   T(907), T(132), T(250), T(260),
    T(400), T(295), 0,      0,      0,      0,      0,      T(998), T(999)};

const ast_dataitem_type_t V24_UAP[] = {
    T(10),  T(40),  T(161), T(15),  T(71),  T(130), T(131), T(72),  T(150), T(151),
    T(80),  T(73),  T(74),  T(75),  T(76),  T(140), T(90),  T(210), T(70),  T(230),
    T(145), T(152), T(200), T(155), T(157), T(160), T(909), T(77),  T(170), T(20),
    T(220), T(146), T(148), T(110), T(16),  T(8),   T(271), T(132), T(250), T(260),
    T(400), T(295), 0,      0,      0,      0,      0,      T(998), T(999)};

// One manufacturer's CAT021, close to edition 0.26; FRNs beyond 28 give 0 silently.
const ast_dataitem_type_t THALES_UAP[] = {T(10),  T(903), T(30),  T(130), T(80),  T(140), T(905),
                                          T(906), T(230), T(145), T(150), T(151), T(152), T(155),
                                          T(157), T(160), T(165), T(170), T(95),  T(32),  T(200),
                                          T(20),  T(220), T(146), T(148), T(110), T(904), T(70)};

// ---- subfields -----------------------------------------------------------------------------

uint64_t tisSize(const uint8_t* data, uint64_t available) {
    return ast_subfield_get_size_variable(data, available, 8);
}
uint64_t tidSize(const uint8_t* data, uint64_t available) {
    return ast_dataitem_get_size_repeat(data, available, 15);
}

#define AGE(index, id, name)                                                            \
    {                                                                                   \
        21295000 + index, {                                                             \
            id, name, &ast_dataitem_get_size_fixed_1_byte, &cat021::ageSummary, nullptr \
        }                                                                               \
    }

const SubfieldEntry SUBFIELDS[] = {
    {21110001,
     {"TIS", "Trajectory Intent Status", &tisSize, &cat021::binarySubfieldSummary, nullptr}},
    {21110002,
     {"TID", "Trajectory Intent Data", &tidSize, &cat021::binarySubfieldSummary, nullptr}},
    {21220001,
     {"WS", "Wind Speed", &ast_dataitem_get_size_fixed_2_byte, &cat021::metSummary, nullptr}},
    {21220002,
     {"WD", "Wind Direction", &ast_dataitem_get_size_fixed_2_byte, &cat021::metSummary, nullptr}},
    {21220003,
     {"TMP", "Temperature", &ast_dataitem_get_size_fixed_2_byte, &cat021::metSummary, nullptr}},
    {21220004,
     {"TRB", "Turbulence", &ast_dataitem_get_size_fixed_1_byte, &cat021::metSummary, nullptr}},
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

AST_SUBFIELD_ID_NAME_SIZE(021, 110)
AST_SUBFIELD_ID_NAME_SIZE(021, 220)
AST_SUBFIELD_ID_NAME_SIZE(021, 295)
AST_SUBFIELD_SUMMARY(021, 110)
AST_SUBFIELD_SUMMARY(021, 220)
AST_SUBFIELD_SUMMARY(021, 295)

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

// ---- I021/020 emitter category and other one-octet items -------------------------------------

ast_one_octet_t ast_dataitem_021_020_decode(const ast_dataitem_t* item) {
    ast_one_octet_t f = {};
    if (!sized(item, 1, 21020))
        return f;
    f.present = 1;
    f.value = item->data[0];
    return f;
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
    return writeExtensible(buffer, capacity, value, octets, 3);
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
    return writeExtensible(buffer, capacity, value, octets, 4);
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

// ---- type 21909: I021/165 track angle rate of editions 2.x ------------------------------------

// Six spare bits, then the rate: the last bit of the first octet is a rate bit, not an FX bit.
ast_dataitem_021_909_t ast_dataitem_021_A09_decode(const ast_dataitem_t* item) {
    ast_dataitem_021_909_t f = {};
    if (!sized(item, 2, 21909))
        return f;
    f.present = 1;
    f.raw = b::signExtend(b::octets(item->data, 1, 2), 10);
    f.rate = f.raw / 32.0;
    return f;
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
    {909, "Track Angle Rate (Version 1.0 ~ 2.4)",
     DESC(FIXED(2), &ast_dataitem_021_A09_get_summary, &ast_dataitem_021_A09_get_detail_html,
          nullptr)},
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
                                  sizeof SUBFIELDS / sizeof SUBFIELDS[0],
                                  &CAT021_GETTERS};

const UapTable CAT021_V023_TABLE = {V023_UAP, 35, 26, "UAP ADS-B v0.23"};
const UapTable CAT021_V026_TABLE = {STANDARD_UAP, 28, 28, "UAP ADS-B v0.26"};
const UapTable CAT021_V21_TABLE = {V21_UAP, 49, 49, "UAP ADS-B v2.1"};
const UapTable CAT021_V24_TABLE = {V24_UAP, 49, 49, "UAP ADS-B v2.4"};
const UapTable CAT021_THALES_TABLE = {THALES_UAP, 28, 28, nullptr};

}  // namespace ast

// ---- record forms ------------------------------------------------------------------------

namespace {

using V026 = ast_cat021_v026_record_t;
using V24 = ast_cat021_v24_record_t;

// Edition 0.26: every field is assembled.
const FormField V026_FIELDS[] = {
    AST_FORM_FIELD(V026, i010, 21010, ast_dataitem_data_source_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i020, 21020, ast_dataitem_021_020_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i030, 21030, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i070, 21070, ast_dataitem_mode_3a_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i080, 21080, ast_dataitem_target_address_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i095, 21095, ast_dataitem_service_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i145, 21145, ast_dataitem_021_145_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i160, 21160, ast_dataitem_021_160_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i170, 21170, ast_dataitem_aircraft_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i903, 21903, ast_dataitem_021_A03_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i905, 21905, ast_dataitem_021_A05_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i902, 21902, ast_dataitem_wgs84_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i904, 21904, ast_dataitem_service_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V026, i908, 21908, ast_dataitem_service_id_decode, AST_ASSEMBLED),
};

// Edition 2.4: the aircraft operational status, the service management and the two
// high-precision times are read back but not written.
const FormField V24_FIELDS[] = {
    AST_FORM_FIELD(V24, i010, 21010, ast_dataitem_data_source_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i015, 21015, ast_dataitem_service_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i020, 21020, ast_dataitem_021_020_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i040, 21040, ast_dataitem_021_040_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i070, 21070, ast_dataitem_mode_3a_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i071, 21071, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i072, 21072, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i073, 21073, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i075, 21075, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i077, 21077, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i080, 21080, ast_dataitem_target_address_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i090, 21090, ast_dataitem_021_090_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i130, 21130, ast_dataitem_wgs84_low_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i131, 21131, ast_dataitem_wgs84_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i132, 21132, ast_dataitem_service_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i140, 21140, ast_dataitem_021_140_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i145, 21145, ast_dataitem_021_145_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i150, 21150, ast_dataitem_021_150_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i155, 21155, ast_dataitem_vertical_rate_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i157, 21157, ast_dataitem_vertical_rate_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i160, 21160, ast_dataitem_021_160_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i161, 21161, ast_dataitem_track_number_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i170, 21170, ast_dataitem_aircraft_id_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i200, 21200, ast_dataitem_021_200_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i210, 21210, ast_dataitem_021_210_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(V24, i008, 21008, ast_dataitem_021_008_decode, AST_READ_ONLY),
    AST_FORM_FIELD(V24, i016, 21016, ast_dataitem_021_016_decode, AST_READ_ONLY),
    AST_FORM_FIELD(V24, i074, 21074, ast_dataitem_time_of_day_hp_decode, AST_READ_ONLY),
    AST_FORM_FIELD(V24, i076, 21076, ast_dataitem_time_of_day_hp_decode, AST_READ_ONLY),
};

const RecordFormTable V026_FORM = {21, V026_FIELDS, sizeof V026_FIELDS / sizeof V026_FIELDS[0]};
const RecordFormTable V24_FORM = {21, V24_FIELDS, sizeof V24_FIELDS / sizeof V24_FIELDS[0]};

}  // namespace

extern "C" {

ast_datarecord_t ast_datarecord_021_v026_assemble(uint8_t* buffer, uint64_t capacity,
                                                  const ast_cat021_v026_record_t* form,
                                                  ast_uap_t uap) {
    return assembleForm(buffer, capacity, V026_FORM, form, uap);
}

ast_datarecord_t ast_datarecord_021_v24_assemble(uint8_t* buffer, uint64_t capacity,
                                                 const ast_cat021_v24_record_t* form,
                                                 ast_uap_t uap) {
    return assembleForm(buffer, capacity, V24_FORM, form, uap);
}

ast_cat021_v026_record_t ast_datarecord_021_v026_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat021_v026_record_t>(record, V026_FORM);
}

ast_cat021_v24_record_t ast_datarecord_021_v24_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat021_v24_record_t>(record, V24_FORM);
}

const char* ast_dataitem_021_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT021_UNIT, type);
    return name ? name : "";
}

}  // extern "C"
