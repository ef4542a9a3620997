// CAT048 record getters: the common surveillance values of monoradar target reports.

#include "RecordGetters.h"

extern "C" {

ast_record_sacsic_t ast_datarecord_048_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 48, 48010);
}

ast_record_timeofday_t ast_datarecord_048_get_timeofday(const ast_datarecord_t* record) {
    return ast::timeOfDayFrom(record, 48, 48140);
}

ast_record_msgtype_t ast_datarecord_048_get_msgtype(const ast_datarecord_t* record) {
    return ast::plotOrTrack(record, 48, 48161);
}

ast_record_tracknum_t ast_datarecord_048_get_tracknum(const ast_datarecord_t* record) {
    return ast::trackNumberFrom(record, 48, 48161);
}

ast_record_squawk_t ast_datarecord_048_get_squawk(const ast_datarecord_t* record) {
    return ast::squawkFrom(record, 48, 48070);
}

ast_record_callsign_t ast_datarecord_048_get_callsign(const ast_datarecord_t* record) {
    return ast::callsignFrom(record, 48, 48240);
}

ast_record_icaoaddr_t ast_datarecord_048_get_icaoaddr(const ast_datarecord_t* record) {
    return ast::addressFrom(record, 48, 48220);
}

ast_record_flightlevel_t ast_datarecord_048_get_flightlevel(const ast_datarecord_t* record) {
    return ast::modeCLevelFrom(record, 48, 48090);
}

ast_record_polarcoord_t ast_datarecord_048_get_polarcoord(const ast_datarecord_t* record) {
    return ast::polarFrom(record, 48, 48040, &ast_dataitem_048_040_decode);
}

ast_record_velocity_t ast_datarecord_048_get_heading(const ast_datarecord_t* record) {
    return ast::polarVelocityFrom(record, 48, 48200);
}

}  // extern "C"

namespace ast {

// Monoradar reports carry no WGS-84 position; the speed comes with the heading (I048/200).
const RecordGetters CAT048_GETTERS = {
    &ast_datarecord_048_get_sacsic,       // 0 SAC/SIC
    &ast_datarecord_048_get_timeofday,    // 1 time of day
    &ast_datarecord_048_get_msgtype,      // 2 message type
    &ast_datarecord_048_get_tracknum,     // 3 track number
    &ast_datarecord_048_get_squawk,       // 4 Mode 3/A
    &ast_datarecord_048_get_callsign,     // 5 callsign
    &ast_datarecord_048_get_icaoaddr,     // 6 ICAO address
    nullptr,                              // 7 WGS-84 coordinate
    &ast_datarecord_048_get_flightlevel,  // 8 flight level
    &ast_datarecord_048_get_polarcoord,   // 9 polar coordinate
    &ast_datarecord_048_get_heading,      // 10 heading
    nullptr,                              // 11 speed
};

}  // namespace ast
