// CAT001 record getters: the common surveillance values of monoradar plots and tracks.

#include "RecordGetters.h"

extern "C" {

ast_record_sacsic_t ast_datarecord_001_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 1, 1010);
}

ast_record_msgtype_t ast_datarecord_001_get_msgtype(const ast_datarecord_t* record) {
    return ast::plotOrTrack(record, 1, 1161);
}

ast_record_tracknum_t ast_datarecord_001_get_tracknum(const ast_datarecord_t* record) {
    return ast::trackNumberFrom(record, 1, 1161);
}

ast_record_squawk_t ast_datarecord_001_get_squawk(const ast_datarecord_t* record) {
    return ast::squawkFrom(record, 1, 1070);
}

ast_record_flightlevel_t ast_datarecord_001_get_flightlevel(const ast_datarecord_t* record) {
    return ast::modeCLevelFrom(record, 1, 1090);
}

ast_record_polarcoord_t ast_datarecord_001_get_polarcoord(const ast_datarecord_t* record) {
    return ast::polarFrom(record, 1, 1040, &ast_dataitem_001_040_decode);
}

}  // extern "C"

namespace ast {

// CAT001 carries only the truncated time of day, no identity of the aircraft beyond its
// Mode 3/A code, and no WGS-84 position.
const RecordGetters CAT001_GETTERS = {
    &ast_datarecord_001_get_sacsic,       // 0 SAC/SIC
    nullptr,                              // 1 time of day
    &ast_datarecord_001_get_msgtype,      // 2 message type
    &ast_datarecord_001_get_tracknum,     // 3 track number
    &ast_datarecord_001_get_squawk,       // 4 Mode 3/A
    nullptr,                              // 5 callsign
    nullptr,                              // 6 ICAO address
    nullptr,                              // 7 WGS-84 coordinate
    &ast_datarecord_001_get_flightlevel,  // 8 flight level
    &ast_datarecord_001_get_polarcoord,   // 9 polar coordinate
    nullptr,                              // 10 heading
    nullptr,                              // 11 speed
};

}  // namespace ast
