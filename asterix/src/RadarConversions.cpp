// Conversions between the radar categories' record forms: a CAT048 target report as the
// CAT001 plot or track it replaces, a CAT034 service message as its CAT002 predecessor.

#include "Log.h"

namespace {

// I048/020 TYP (the detection of the report) as the I001/020 SSR/PSR field: no detection, sole
// primary, sole secondary (SSR or Mode S), combined (SSR or Mode S together with PSR).
constexpr uint32_t CAT001_DETECTION[8] = {0, 1, 2, 3, 2, 2, 3, 3};

// I048/170 RAD: combined 0, PSR 1, SSR/Mode S 2, invalid 3. I001/170 RAD: primary 0, SSR or
// combined 1.
constexpr uint8_t CAT001_TRACK_TYPE[4] = {1, 0, 1, 1};

// CAT001 has only the truncated time of day: the time modulo 512 s.
constexpr uint32_t TRUNCATED_TIME_MASK = 0xFFFF;

}  // namespace

extern "C" {

ast_cat001_record_t ast_datarecord_convert_048_001(const ast_cat048_record_t* form) {
    ast_cat001_record_t out = {};
    if (!form)
        return out;
    out.ok = form->ok;
    out.i010 = form->i010;
    if (form->i020.present) {
        const ast_dataitem_048_020_t& d = form->i020;
        out.i020.present = 1;
        out.i020.typ = form->i161.present ? 1 : 0;
        out.i020.sim = d.sim;
        out.i020.ssr_psr = CAT001_DETECTION[d.typ & 7];
        out.i020.spi = d.spi;
        out.i020.rab = d.rab;
        out.i020.tst = d.tst;
    }
    out.i040 = form->i040;
    if (form->i042.present) {
        // I048/042 counts 1/128 NM, I001/042 1/64 NM.
        out.i042.present = 1;
        out.i042.x_raw = form->i042.x_raw / 2;
        out.i042.y_raw = form->i042.y_raw / 2;
        out.i042.x = out.i042.x_raw / 64.0;
        out.i042.y = out.i042.y_raw / 64.0;
    }
    out.i070 = form->i070;
    out.i090 = form->i090;
    if (form->i140.present) {
        out.i141.present = 1;
        out.i141.raw = form->i140.raw & TRUNCATED_TIME_MASK;
        out.i141.seconds = out.i141.raw / 128.0;
    }
    out.i161 = form->i161;
    out.i200 = form->i200;
    if (form->i170.present) {
        const ast_dataitem_048_170_t& s = form->i170;
        out.i170.present = 1;
        out.i170.con = s.cnf;
        out.i170.rad = CAT001_TRACK_TYPE[s.rad & 3];
        out.i170.man = s.mah;
        out.i170.dou = s.dou;
        out.i170.rdpc = form->i020.rdp ? 2 : 1;
        out.i170.gho = s.gho;
        out.i170.tre = s.tre;
    }
    return out;
}

ast_cat002_record_t ast_datarecord_convert_034_002(const ast_cat034_record_t* form) {
    ast_cat002_record_t out = {};
    if (!form)
        return out;
    out.ok = form->ok;
    if (form->i000.present) {
        // North marker and sector crossing mean the same in both categories; the other CAT034
        // messages have no CAT002 counterpart.
        if (form->i000.value == 1 || form->i000.value == 2)
            out.i000 = form->i000;
        else
            ast::log(AST_LOG_WARNING, "Unsupported I034/000 message type %u detected.",
                     form->i000.value);
    }
    out.i010 = form->i010;
    if (form->i020.present) {
        out.i020 = form->i020;
        out.i020.azimuth = -1.0;  // the raw sector is encoded as it is
    }
    out.i030 = form->i030;
    return out;
}

}  // extern "C"
