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
extern const RecordGetters CAT021_GETTERS;

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

}  // namespace ast

#endif  // ASTERIX_SRC_RECORDGETTERS_H
