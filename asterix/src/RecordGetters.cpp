// The record getter tables and the getters of values that several categories carry in the same
// shared item form.

#include "RecordGetters.h"

#include <cstring>

#include "Registry.h"

namespace ast {

const RecordGetters* recordGetters(uint32_t category) {
    const CategoryUnit* unit = categoryUnit(category);
    return unit ? unit->getters : nullptr;
}

const ast_dataitem_t* recordItem(const ast_datarecord_t* record, uint32_t category,
                                 ast_dataitem_type_t type) {
    if (!record || !record->ok || record->category != category)
        return nullptr;
    const uint64_t count =
        record->count < uint64_t{AST_MAX_DATAITEMS} ? record->count : uint64_t{AST_MAX_DATAITEMS};
    for (uint64_t i = 0; i < count; ++i)
        if (record->items[i].type == type)
            return &record->items[i];
    return nullptr;
}

ast_record_sacsic_t sacsicFrom(const ast_datarecord_t* record, uint32_t category,
                               ast_dataitem_type_t type) {
    ast_record_sacsic_t result = {};
    const ast_data_source_t f =
        decodedItem(record, category, type, &ast_dataitem_data_source_decode);
    if (f.present)
        result = ast_record_sacsic_t{1, f.sac, f.sic};
    return result;
}

ast_record_timeofday_t timeOfDayFrom(const ast_datarecord_t* record, uint32_t category,
                                     ast_dataitem_type_t type) {
    ast_record_timeofday_t result = {};
    const ast_time_of_day_t f =
        decodedItem(record, category, type, &ast_dataitem_time_of_day_decode);
    if (f.present)
        result =
            ast_record_timeofday_t{1, type, f.raw, f.hours, f.minutes, f.seconds, f.milliseconds};
    return result;
}

ast_record_tracknum_t trackNumberFrom(const ast_datarecord_t* record, uint32_t category,
                                      ast_dataitem_type_t type) {
    ast_record_tracknum_t result = {};
    const ast_track_number_t f =
        decodedItem(record, category, type, &ast_dataitem_track_number_decode);
    if (f.present)
        result = ast_record_tracknum_t{1, f.number};
    return result;
}

ast_record_squawk_t squawkFrom(const ast_datarecord_t* record, uint32_t category,
                               ast_dataitem_type_t type) {
    ast_record_squawk_t result = {};
    const ast_mode_3a_t f = decodedItem(record, category, type, &ast_dataitem_mode_3a_decode);
    if (f.present)
        result = ast_record_squawk_t{1, static_cast<uint32_t>(f.code)};
    return result;
}

ast_record_callsign_t callsignFrom(const ast_datarecord_t* record, uint32_t category,
                                   ast_dataitem_type_t type) {
    ast_record_callsign_t result = {};
    const ast_aircraft_id_t f =
        decodedItem(record, category, type, &ast_dataitem_aircraft_id_decode);
    if (f.present) {
        result.valid = 1;
        std::memcpy(result.callsign, f.callsign, sizeof result.callsign);
        result.callsign[sizeof result.callsign - 1] = '\0';
    }
    return result;
}

ast_record_icaoaddr_t addressFrom(const ast_datarecord_t* record, uint32_t category,
                                  ast_dataitem_type_t type) {
    ast_record_icaoaddr_t result = {};
    const ast_target_address_t f =
        decodedItem(record, category, type, &ast_dataitem_target_address_decode);
    if (f.present)
        result = ast_record_icaoaddr_t{1, f.address};
    return result;
}

ast_record_flightlevel_t modeCLevelFrom(const ast_datarecord_t* record, uint32_t category,
                                        ast_dataitem_type_t type) {
    ast_record_flightlevel_t result = {};
    const ast_mode_c_t f = decodedItem(record, category, type, &ast_dataitem_mode_c_decode);
    if (f.present)
        result = ast_record_flightlevel_t{1, f.code / 4.0};
    return result;
}

ast_record_polarcoord_t polarFrom(const ast_datarecord_t* record, uint32_t category,
                                  ast_dataitem_type_t type,
                                  ast_polar_position_t (*decode)(const ast_dataitem_t*)) {
    ast_record_polarcoord_t result = {};
    const ast_polar_position_t f = decodedItem(record, category, type, decode);
    if (f.present)
        result = ast_record_polarcoord_t{1, f.rho, f.theta};
    return result;
}

ast_record_velocity_t polarVelocityFrom(const ast_datarecord_t* record, uint32_t category,
                                        ast_dataitem_type_t type) {
    ast_record_velocity_t result = {};
    const ast_polar_velocity_t f =
        decodedItem(record, category, type, &ast_dataitem_polar_velocity_decode);
    if (f.present)
        result = ast_record_velocity_t{1, 1, f.speed, 1, f.heading};
    return result;
}

ast_record_msgtype_t plotOrTrack(const ast_datarecord_t* record, uint32_t category,
                                 ast_dataitem_type_t trackNumberType) {
    ast_record_msgtype_t result = {};
    if (record && record->ok && record->category == category)
        result = ast_record_msgtype_t{1, recordItem(record, category, trackNumberType)
                                             ? uint32_t{AST_MSGTYPE_TRACK}
                                             : uint32_t{AST_MSGTYPE_PLOT}};
    return result;
}

}  // namespace ast

// ---- the generic getters: one look-up in the record's category table ----------------------

namespace {

// The answer of one slot of the record's getter table; an invalid (zero) result when the
// record is not an OK record of a category from 1 to 62 or the slot is empty.
template <typename Result>
Result fromTable(const ast_datarecord_t* record,
                 Result (*const ast::RecordGetters::*slot)(const ast_datarecord_t*)) {
    if (!record || !record->ok || record->category < 1 || record->category > 62)
        return Result{};
    const ast::RecordGetters* getters = ast::recordGetters(record->category);
    if (!getters || !(getters->*slot))
        return Result{};
    return (getters->*slot)(record);
}

}  // namespace

extern "C" {

ast_record_sacsic_t ast_datarecord_get_sacsic(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::sacsic);
}
ast_record_timeofday_t ast_datarecord_get_timeofday(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::timeofday);
}
ast_record_msgtype_t ast_datarecord_get_msgtype(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::msgtype);
}
ast_record_tracknum_t ast_datarecord_get_tracknum(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::tracknum);
}
ast_record_squawk_t ast_datarecord_get_squawk(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::squawk);
}
ast_record_callsign_t ast_datarecord_get_callsign(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::callsign);
}
ast_record_icaoaddr_t ast_datarecord_get_icaoaddr(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::icaoaddr);
}
ast_record_coordinate_t ast_datarecord_get_coordinate(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::coordinate);
}
ast_record_flightlevel_t ast_datarecord_get_flightlevel(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::flightlevel);
}
ast_record_polarcoord_t ast_datarecord_get_polarcoord(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::polarcoord);
}
ast_record_velocity_t ast_datarecord_get_heading(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::heading);
}
ast_record_velocity_t ast_datarecord_get_speed(const ast_datarecord_t* record) {
    return fromTable(record, &ast::RecordGetters::speed);
}

}  // extern "C"
