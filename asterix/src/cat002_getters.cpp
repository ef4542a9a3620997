// CAT002 record getters: the source, time and kind of monoradar service messages.

#include "RecordGetters.h"

extern "C" {

ast_record_sacsic_t ast_datarecord_002_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 2, 2010);
}

ast_record_timeofday_t ast_datarecord_002_get_timeofday(const ast_datarecord_t* record) {
    return ast::timeOfDayFrom(record, 2, 2030);
}

// The north marker and the sector crossing are the message types the getters know; the south
// marker (3) and the blind zone messages (8, 9) would read as other kinds (3 is a plot).
ast_record_msgtype_t ast_datarecord_002_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = {};
    const ast_one_octet_t f = ast::decodedItem(record, 2, 2000, &ast_dataitem_message_type_decode);
    if (f.present &&
        (f.value == AST_MSGTYPE_NORTH_MARKER || f.value == AST_MSGTYPE_SECTOR_CROSSING))
        result = ast_record_msgtype_t{1, f.value};
    return result;
}

}  // extern "C"

namespace ast {

const RecordGetters CAT002_GETTERS = {
    &ast_datarecord_002_get_sacsic,     // 0 SAC/SIC
    &ast_datarecord_002_get_timeofday,  // 1 time of day
    &ast_datarecord_002_get_msgtype,    // 2 message type
    nullptr,                            // 3 track number
    nullptr,                            // 4 Mode 3/A
    nullptr,                            // 5 callsign
    nullptr,                            // 6 ICAO address
    nullptr,                            // 7 WGS-84 coordinate
    nullptr,                            // 8 flight level
    nullptr,                            // 9 polar coordinate
    nullptr,                            // 10 heading
    nullptr,                            // 11 speed
};

}  // namespace ast
