// CAT062 record getters: the common surveillance values of system tracks. The aircraft-derived
// data (I062/380) supply the ICAO address and, when the record has no I062/245, the callsign.

#include <cstring>

#include "RecordGetters.h"

namespace {

// Subfield `index` of the record's I062/380 as an item view over its octets, or a not-OK view.
ast_dataitem_t derivedData(const ast_datarecord_t* record, uint32_t index) {
    const ast_dataitem_t* item = ast::recordItem(record, 62, 62380);
    if (!item)
        return ast_dataitem_t{};
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
    if (!compound.present || index > compound.count)
        return ast_dataitem_t{};
    const ast_subfield_t& sf = compound.subfields[index - 1];
    if (!sf.present || !sf.data)
        return ast_dataitem_t{};
    return ast_dataitem_t{sf.data, sf.size, 62380000 + index, 1};
}

}  // namespace

extern "C" {

ast_record_sacsic_t ast_datarecord_062_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 62, 62010);
}

ast_record_timeofday_t ast_datarecord_062_get_timeofday(const ast_datarecord_t* record) {
    return ast::timeOfDayFrom(record, 62, 62070);
}

// Every CAT062 record is a system track.
ast_record_msgtype_t ast_datarecord_062_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = {};
    if (record && record->ok && record->category == 62)
        result = ast_record_msgtype_t{1, AST_MSGTYPE_TRACK};
    return result;
}

ast_record_tracknum_t ast_datarecord_062_get_tracknum(const ast_datarecord_t* record) {
    return ast::trackNumberFrom(record, 62, 62040);
}

ast_record_squawk_t ast_datarecord_062_get_squawk(const ast_datarecord_t* record) {
    return ast::squawkFrom(record, 62, 62060);
}

ast_record_callsign_t ast_datarecord_062_get_callsign(const ast_datarecord_t* record) {
    ast_record_callsign_t result = {};
    const ast_target_id_t id =
        ast::decodedItem(record, 62, 62245, &ast_dataitem_target_id_decode);
    const ast_dataitem_t derived = derivedData(record, 2);
    const ast_aircraft_id_t downlinked = ast_dataitem_aircraft_id_decode(&derived);
    const char* callsign = id.present ? id.callsign : downlinked.present ? downlinked.callsign
                                                                         : nullptr;
    if (callsign) {
        result.valid = 1;
        std::memcpy(result.callsign, callsign, sizeof result.callsign);
        result.callsign[sizeof result.callsign - 1] = '\0';
    }
    return result;
}

ast_record_icaoaddr_t ast_datarecord_062_get_icaoaddr(const ast_datarecord_t* record) {
    ast_record_icaoaddr_t result = {};
    const ast_dataitem_t derived = derivedData(record, 1);
    const ast_target_address_t f = ast_dataitem_target_address_decode(&derived);
    if (f.present)
        result = ast_record_icaoaddr_t{1, f.address};
    return result;
}

ast_record_coordinate_t ast_datarecord_062_get_coordinate(const ast_datarecord_t* record) {
    ast_record_coordinate_t result = {};
    const ast_wgs84_position_t f = ast::decodedItem(record, 62, 62105, &ast_dataitem_wgs84_decode);
    if (f.present)
        result = ast_record_coordinate_t{1, f.latitude, f.longitude};
    return result;
}

ast_record_flightlevel_t ast_datarecord_062_get_flightlevel(const ast_datarecord_t* record) {
    ast_record_flightlevel_t result = {};
    const ast_dataitem_062_136_t f =
        ast::decodedItem(record, 62, 62136, &ast_dataitem_062_136_decode);
    if (f.present)
        result = ast_record_flightlevel_t{1, f.level};
    return result;
}

}  // extern "C"

namespace ast {

// System tracks carry their velocity in Cartesian co-ordinates only: no heading or speed getter.
const RecordGetters CAT062_GETTERS = {
    &ast_datarecord_062_get_sacsic,       // 0 SAC/SIC
    &ast_datarecord_062_get_timeofday,    // 1 time of day
    &ast_datarecord_062_get_msgtype,      // 2 message type
    &ast_datarecord_062_get_tracknum,     // 3 track number
    &ast_datarecord_062_get_squawk,       // 4 Mode 3/A
    &ast_datarecord_062_get_callsign,     // 5 callsign
    &ast_datarecord_062_get_icaoaddr,     // 6 ICAO address
    &ast_datarecord_062_get_coordinate,   // 7 WGS-84 coordinate
    &ast_datarecord_062_get_flightlevel,  // 8 flight level
    nullptr,                              // 9 polar coordinate
    nullptr,                              // 10 heading
    nullptr,                              // 11 speed
};

}  // namespace ast
