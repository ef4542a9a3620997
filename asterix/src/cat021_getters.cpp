// CAT021 record getters: the common surveillance values of ADS-B reports.

#include "RecordGetters.h"

namespace {

// The decoded form of the first `type` item of an OK CAT021 record; a zero form (present 0)
// when the record is not such a record, lacks the item or the item does not decode.
template <typename Form>
Form decoded(const ast_datarecord_t* record, ast_dataitem_type_t type,
             Form (*decode)(const ast_dataitem_t*)) {
    return ast::decodedItem(record, 21, type, decode);
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
    return ast::sacsicFrom(record, 21, 21010);
}

ast_record_timeofday_t ast_datarecord_021_get_timeofday(const ast_datarecord_t* record) {
    for (ast_dataitem_type_t type : TIME_ITEMS) {
        const ast_record_timeofday_t result = ast::timeOfDayFrom(record, 21, type);
        if (result.valid)
            return result;
    }
    return ast_record_timeofday_t{};
}

ast_record_msgtype_t ast_datarecord_021_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = {};
    if (record && record->ok && record->category == 21)
        result = ast_record_msgtype_t{1, AST_MSGTYPE_ADSB};
    return result;
}

ast_record_tracknum_t ast_datarecord_021_get_tracknum(const ast_datarecord_t* record) {
    return ast::trackNumberFrom(record, 21, 21161);
}

ast_record_squawk_t ast_datarecord_021_get_squawk(const ast_datarecord_t* record) {
    return ast::squawkFrom(record, 21, 21070);
}

ast_record_callsign_t ast_datarecord_021_get_callsign(const ast_datarecord_t* record) {
    return ast::callsignFrom(record, 21, 21170);
}

ast_record_icaoaddr_t ast_datarecord_021_get_icaoaddr(const ast_datarecord_t* record) {
    return ast::addressFrom(record, 21, 21080);
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
