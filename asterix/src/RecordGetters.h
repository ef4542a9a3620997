#ifndef ASTERIX_SRC_RECORDGETTERS_H
#define ASTERIX_SRC_RECORDGETTERS_H

// The record getters of each category: one slot per keyword, each reading one common
// surveillance value out of a decoded record.

#include <asterix/asterix.h>

namespace ast {

// The record getters of one category, one slot per keyword in keyword order; an empty slot
// (nullptr) is a value that the category does not carry.
struct RecordGetters {
    ast_record_sacsic_t (*sacsic)(const ast_datarecord_t*);            // 0 SAC/SIC
    ast_record_timeofday_t (*timeofday)(const ast_datarecord_t*);      // 1 time of day
    ast_record_msgtype_t (*msgtype)(const ast_datarecord_t*);          // 2 message type
    ast_record_tracknum_t (*tracknum)(const ast_datarecord_t*);        // 3 track number
    ast_record_squawk_t (*squawk)(const ast_datarecord_t*);            // 4 Mode 3/A
    ast_record_callsign_t (*callsign)(const ast_datarecord_t*);        // 5 callsign
    ast_record_icaoaddr_t (*icaoaddr)(const ast_datarecord_t*);        // 6 ICAO address
    ast_record_coordinate_t (*coordinate)(const ast_datarecord_t*);    // 7 WGS-84 coordinate
    ast_record_flightlevel_t (*flightlevel)(const ast_datarecord_t*);  // 8 flight level
    ast_record_polarcoord_t (*polarcoord)(const ast_datarecord_t*);    // 9 polar coordinate
    ast_record_velocity_t (*heading)(const ast_datarecord_t*);         // 10 heading
    ast_record_velocity_t (*speed)(const ast_datarecord_t*);           // 11 speed
};

// Getter tables of the categories that have one (defined in catNNN_getters.cpp).
extern const RecordGetters CAT001_GETTERS;
extern const RecordGetters CAT002_GETTERS;
extern const RecordGetters CAT010_GETTERS;
extern const RecordGetters CAT020_GETTERS;
extern const RecordGetters CAT021_GETTERS;
extern const RecordGetters CAT048_GETTERS;
extern const RecordGetters CAT062_GETTERS;

// The getter table of a category, or nullptr for a category without one.
ASTERIX_EXPORT const RecordGetters* recordGetters(uint32_t category);

// The first item of `type` in an OK record of `category`; nullptr for a null record, a record
// that is not OK or of another category, or one without that item.
const ast_dataitem_t* recordItem(const ast_datarecord_t* record, uint32_t category,
                                 ast_dataitem_type_t type);

// The decoded form of the first `type` item of an OK record of `category`; a zero form
// (present 0) when the record is not such a record, lacks the item or the item does not decode.
template <typename Form>
Form decodedItem(const ast_datarecord_t* record, uint32_t category, ast_dataitem_type_t type,
                 Form (*decode)(const ast_dataitem_t*)) {
    const ast_dataitem_t* item = recordItem(record, category, type);
    return item ? decode(item) : Form{};
}

// Getters of the values that several categories carry in the same shared form: each reads the
// first `type` item of an OK record of `category`, and gives an invalid result (all zero) when
// there is none or it does not decode.
ast_record_sacsic_t sacsicFrom(const ast_datarecord_t* record, uint32_t category,
                               ast_dataitem_type_t type);
// The result's source is `type`.
ast_record_timeofday_t timeOfDayFrom(const ast_datarecord_t* record, uint32_t category,
                                     ast_dataitem_type_t type);
ast_record_tracknum_t trackNumberFrom(const ast_datarecord_t* record, uint32_t category,
                                      ast_dataitem_type_t type);
ast_record_squawk_t squawkFrom(const ast_datarecord_t* record, uint32_t category,
                               ast_dataitem_type_t type);
ast_record_callsign_t callsignFrom(const ast_datarecord_t* record, uint32_t category,
                                   ast_dataitem_type_t type);
ast_record_icaoaddr_t addressFrom(const ast_datarecord_t* record, uint32_t category,
                                  ast_dataitem_type_t type);
// A Mode C code in 1/4 FL as flight levels.
ast_record_flightlevel_t modeCLevelFrom(const ast_datarecord_t* record, uint32_t category,
                                        ast_dataitem_type_t type);
ast_record_polarcoord_t polarFrom(const ast_datarecord_t* record, uint32_t category,
                                  ast_dataitem_type_t type,
                                  ast_polar_position_t (*decode)(const ast_dataitem_t*));
// Both parts of a velocity in polar co-ordinates (ground speed and heading).
ast_record_velocity_t polarVelocityFrom(const ast_datarecord_t* record, uint32_t category,
                                        ast_dataitem_type_t type);
// Radar reports are tracks when they carry a track number, plots otherwise; nothing for a
// record that is not an OK record of `category`.
ast_record_msgtype_t plotOrTrack(const ast_datarecord_t* record, uint32_t category,
                                 ast_dataitem_type_t trackNumberType);

}  // namespace ast

#endif  // ASTERIX_SRC_RECORDGETTERS_H
