// Fuzz entry point: arbitrary octets as an ASTERIX data block, decoded with every exported UAP
// and with smart decode; every CAT021 record is read through its record getters, every record
// through its category's getter table, every decoded item is then summarised, detailed and
// shown in hex and binary (Mode S MB data down to each register), the records are copied and
// re-written through modify, and the records of the categories with record forms are
// disassembled, converted and assembled again: whatever assembles must decode again. The read-only
// record forms (CAT004, CAT020, CAT062, CAT065) are filled, and CAT240 video records are decoded
// into their video cells and shown. The record iterator walks the block too, each record shown
// and matched by keyword.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include <asterix/asterix.h>

#include "RecordGetters.h"

namespace {

const ast_uap_t* const UAPS[] = {
    &AST_UAP_STANDARD,     &AST_UAP_CAT001_PLOT,  &AST_UAP_CAT021_VER023, &AST_UAP_CAT021_VER026,
    &AST_UAP_CAT021_VER21, &AST_UAP_CAT021_VER24, &AST_UAP_RAYTHEON,      &AST_UAP_THALES};

// Results live in static storage: a data block is tens of kilobytes.
ast_datablock_t g_block;
ast_datablock_t g_modified;
uint8_t g_out[70000];
char g_text[8192];

// The CAT021 record getters: a record that is not OK yields nothing, and the values stay within
// what their fields can hold.
void exerciseGetters(const ast_datablock_t& block) {
    if (block.category != 21)
        return;
    for (uint64_t r = 0; r < block.count && r < AST_MAX_DATARECORDS; ++r) {
        const ast_datarecord_t* record = &block.records[r];
        const ast_record_sacsic_t sacsic = ast_datarecord_021_get_sacsic(record);
        const ast_record_timeofday_t time = ast_datarecord_021_get_timeofday(record);
        const ast_record_msgtype_t type = ast_datarecord_021_get_msgtype(record);
        const ast_record_tracknum_t track = ast_datarecord_021_get_tracknum(record);
        const ast_record_squawk_t squawk = ast_datarecord_021_get_squawk(record);
        const ast_record_callsign_t callsign = ast_datarecord_021_get_callsign(record);
        const ast_record_icaoaddr_t address = ast_datarecord_021_get_icaoaddr(record);
        const ast_record_coordinate_t position = ast_datarecord_021_get_coordinate(record);
        const ast_record_flightlevel_t level = ast_datarecord_021_get_flightlevel(record);
        const ast_record_velocity_t heading = ast_datarecord_021_get_heading(record);
        const ast_record_velocity_t speed = ast_datarecord_021_get_speed(record);
        if (type.valid != record->ok)
            __builtin_trap();
        if (!record->ok &&
            (sacsic.valid || time.valid || track.valid || squawk.valid || callsign.valid ||
             address.valid || position.valid || level.valid || heading.valid || speed.valid))
            __builtin_trap();
        if (sacsic.sac > 255 || sacsic.sic > 255 || track.number > 0xFFFF || squawk.code > 07777 ||
            address.address > 0xFFFFFF || time.milliseconds > 999 ||
            std::memchr(callsign.callsign, '\0', sizeof callsign.callsign) == nullptr)
            __builtin_trap();
        if (speed.valid && !(speed.speed >= 0.0 && speed.speed < 7200.0 && heading.heading >= 0.0 &&
                             heading.heading < 360.0))
            __builtin_trap();
    }
}

// Every getter of the record's category table; a record that is not OK yields nothing.
void exerciseGetterTable(const ast_datarecord_t& record) {
    const ast::RecordGetters* g = ast::recordGetters(record.category);
    if (!g)
        return;
    uint32_t valid = 0;
    if (g->sacsic)
        valid += g->sacsic(&record).valid;
    if (g->timeofday)
        valid += g->timeofday(&record).valid;
    if (g->msgtype)
        valid += g->msgtype(&record).valid;
    if (g->tracknum)
        valid += g->tracknum(&record).valid;
    if (g->squawk)
        valid += g->squawk(&record).valid;
    if (g->callsign)
        valid += g->callsign(&record).valid;
    if (g->icaoaddr)
        valid += g->icaoaddr(&record).valid;
    if (g->coordinate)
        valid += g->coordinate(&record).valid;
    if (g->flightlevel)
        valid += g->flightlevel(&record).valid;
    if (g->polarcoord)
        valid += g->polarcoord(&record).valid;
    if (g->heading)
        valid += g->heading(&record).valid;
    if (g->speed)
        valid += g->speed(&record).valid;
    if (!record.ok && valid)
        __builtin_trap();
}

// A record assembled from a form decodes again with the UAP it was assembled with.
void checkAssembled(const ast_datarecord_t& assembled, uint32_t category) {
    if (!assembled.ok)
        return;
    const ast_datarecord_t again =
        ast_datarecord_decode(assembled.data, assembled.length, category, &assembled.uap);
    if (!again.ok || again.length != assembled.length)
        __builtin_trap();
}

// Record forms: disassembly, conversion and assembly again.
uint8_t g_assembled[4096];
ast_cat048_record_t g_form048;
ast_cat004_record_t g_form004;
ast_video_cells_t g_cells;

// A form filled from a record that is OK says so; its present items stay within their fields.
void checkReadOnlyForms(const ast_datarecord_t& record) {
    switch (record.category) {
        case 4:
            g_form004 = ast_datarecord_004_disassemble(&record);
            if (!g_form004.ok || g_form004.i060.count > 42 || g_form004.i040.alert_id > 0xFFFF)
                __builtin_trap();
            break;
        case 20: {
            const ast_cat020_record_t f = ast_datarecord_020_disassemble(&record);
            if (!f.ok || f.i161.number > 0xFFFF)
                __builtin_trap();
            break;
        }
        case 62: {
            const ast_cat062_record_t f = ast_datarecord_062_disassemble(&record);
            if (!f.ok || f.i080.src > 7 || f.i040.number > 0xFFFF || f.i060.code > 07777)
                __builtin_trap();
            for (uint64_t i = 0; i < record.count && i < AST_MAX_DATAITEMS; ++i) {
                const ast_dataitem_062_510_t c = ast_dataitem_062_510_decode(&record.items[i]);
                const bool holds = record.items[i].type == 62510 &&
                                   record.items[i].size <= 3 * AST_MAX_COMPOSED_TRACKS;
                if (c.count > AST_MAX_COMPOSED_TRACKS || c.present != holds)
                    __builtin_trap();
            }
            break;
        }
        case 65:
            if (!ast_datarecord_065_disassemble(&record).ok)
                __builtin_trap();
            break;
        case 240:
            ast_datarecord_240_get_videocells(&g_cells, &record);
            if (g_cells.count > AST_MAX_VIDEO_CELLS || (g_cells.ok && g_cells.bits != 8))
                __builtin_trap();
            ast_videocells_get_detail_html(g_text, sizeof g_text, &g_cells);
            ast_datarecord_240_get_sacsic(&record);
            ast_datarecord_240_get_msgtype(&record);
            break;
        default:
            break;
    }
}
void exerciseForms(const ast_datarecord_t& record) {
    if (!record.ok)
        return;
    checkReadOnlyForms(record);
    const ast_uap_t uap = record.uap;
    switch (record.category) {
        case 1: {
            const ast_cat001_record_t f = ast_datarecord_001_disassemble(&record);
            checkAssembled(ast_datarecord_001_assemble(g_assembled, sizeof g_assembled, &f, uap),
                           1);
            break;
        }
        case 2: {
            const ast_cat002_record_t f = ast_datarecord_002_disassemble(&record);
            checkAssembled(ast_datarecord_002_assemble(g_assembled, sizeof g_assembled, &f, uap),
                           2);
            break;
        }
        case 34: {
            const ast_cat034_record_t f = ast_datarecord_034_disassemble(&record);
            checkAssembled(ast_datarecord_034_assemble(g_assembled, sizeof g_assembled, &f, uap),
                           34);
            const ast_cat002_record_t c = ast_datarecord_convert_034_002(&f);
            checkAssembled(
                ast_datarecord_002_assemble(g_assembled, sizeof g_assembled, &c, AST_UAP_STANDARD),
                2);
            break;
        }
        case 48: {
            g_form048 = ast_datarecord_048_disassemble(&record);
            checkAssembled(
                ast_datarecord_048_assemble(g_assembled, sizeof g_assembled, &g_form048, uap), 48);
            const ast_cat001_record_t c = ast_datarecord_convert_048_001(&g_form048);
            checkAssembled(
                ast_datarecord_001_assemble(g_assembled, sizeof g_assembled, &c, AST_UAP_STANDARD),
                1);
            break;
        }
        case 21: {
            const ast_cat021_v24_record_t v24 = ast_datarecord_021_v24_disassemble(&record);
            checkAssembled(ast_datarecord_021_v24_assemble(g_assembled, sizeof g_assembled, &v24,
                                                           AST_UAP_CAT021_VER24),
                           21);
            const ast_cat021_v026_record_t v026 = ast_datarecord_021_v026_disassemble(&record);
            checkAssembled(ast_datarecord_021_v026_assemble(g_assembled, sizeof g_assembled, &v026,
                                                            AST_UAP_CAT021_VER026),
                           21);
            break;
        }
        default:
            break;
    }
}

// Each register of a Mode S MB data item, named and detailed.
void exerciseRegisters(const ast_dataitem_t& item) {
    const ast_mb_data_t mb = ast_dataitem_mb_data_decode(&item);
    for (uint32_t i = 0; i < mb.count; ++i) {
        const uint32_t code = mb.elements[i].bds1 << 4 | mb.elements[i].bds2;
        const ast_dataitem_t bds = ast_bds_decode(mb.elements[i].mb, 7, code);
        ast_bds_get_detail_html(g_text, sizeof g_text, &bds);
        ast_bds_get_name(code);
        const ast_bds_50_t r50 = ast_bds_50_decode(&bds);
        const ast_bds_60_t r60 = ast_bds_60_decode(&bds);
        if (r50.true_track < 0.0 || r50.true_track >= 360.0 || r60.magnetic_heading < 0.0 ||
            r60.magnetic_heading >= 360.0)
            __builtin_trap();
    }
}

void exerciseItems(const ast_datablock_t& block) {
    for (uint64_t r = 0; r < block.count && r < AST_MAX_DATARECORDS; ++r) {
        const ast_datarecord_t& record = block.records[r];
        for (uint64_t i = 0; i < record.count && i < AST_MAX_DATAITEMS; ++i) {
            const ast_dataitem_t* item = &record.items[i];
            ast_dataitem_get_summary(g_text, sizeof g_text, item);
            ast_dataitem_get_detail_html(g_text, sizeof g_text, item);
            ast_dataitem_get_hex_html(g_text, 300, item);
            ast_dataitem_get_bin_html(g_text, 300, item);
            ast_dataitem_get_bin_str(g_text, 40, item);
            const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
            for (uint64_t k = 0; k < compound.count && k < AST_MAX_SUBFIELDS; ++k) {
                ast_subfield_get_summary(g_text, sizeof g_text, &compound.subfields[k]);
                ast_subfield_get_detail_html(g_text, sizeof g_text, &compound.subfields[k]);
            }
            if (item->ok && item->type % 1000 == 250)
                exerciseRegisters(*item);
        }
        exerciseGetterTable(record);
        exerciseForms(record);
        if (record.ok) {
            const ast_datarecord_t copy = ast_datarecord_copy(g_out, sizeof g_out, &record);
            if (copy.ok && copy.length != record.length)
                __builtin_trap();
            ast_datarecord_get_hex_html(g_text, 500, &record);
        }
    }
}

// The record iterator walks what block decode decodes, record for record, without its limit;
// every walked record is shown by keyword and as a detail table, and matched by keyword.
ast_datarecord_t g_walked;
void exerciseIterator(const uint8_t* data, size_t size) {
    ast_datablock_iter_t iter = ast_datablock_iter_smart_begin(data, size);
    const ast_uap_t uap = iter.uap;
    const bool byTyp = iter.cat001_by_typ;
    uint64_t walked = 0;
    while (ast_datablock_iter_next(&iter, &g_walked)) {
        if (!g_walked.ok || iter.pos > size)
            __builtin_trap();
        for (uint32_t k = 0; k <= AST_KEYWORD_COUNT; ++k) {
            ast_datarecord_get_keyword(g_text, 64, &g_walked, k);
            // A value shown is a value contained (a blank callsign is contained but shows empty).
            if (g_text[0] != '\0' && !ast_datarecord_contain_keyword(&g_walked, k))
                __builtin_trap();
            ast_datarecord_match_keyword(&g_walked, k, g_text, false);
        }
        ast_datarecord_get_detail_html(g_text, sizeof g_text, &g_walked);
        ++walked;
    }
    // Within 64 records the walk and the block decode with the same profile agree.
    if (!byTyp && ast_datablock_iter_ok(&iter) && walked <= AST_MAX_DATARECORDS) {
        ast_datablock_decode_into(&g_block, data, size, &uap);
        if (!g_block.ok || g_block.count != walked)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const ast_uap_t* uap : UAPS) {
        ast_datablock_decode_into(&g_block, data, size, uap);
        if (g_block.count > AST_MAX_DATARECORDS || (g_block.ok && g_block.length > size))
            __builtin_trap();
        exerciseGetters(g_block);
    }
    exerciseIterator(data, size);
    ast_datablock_smart_decode_into(&g_block, data, size);
    exerciseGetters(g_block);
    exerciseItems(g_block);
    if (g_block.ok) {
        ast_dataitem_mods_t mods;
        mods.count = 0;
        g_modified = ast_datablock_modify(g_out, sizeof g_out, &g_block, &mods);
        // Re-writing without replacements gives the same octets.
        if (!g_modified.ok || g_modified.length != g_block.length ||
            std::memcmp(g_out, data, g_block.length) != 0)
            __builtin_trap();
    }
    return 0;
}
