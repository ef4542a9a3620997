#ifndef ASTERIX_SRC_FRAME_H
#define ASTERIX_SRC_FRAME_H

// Internals shared by the frame and the category units: the library log, bounded text
// writing, and the registration point through which each category plugs in its UAP and its
// item descriptors.

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include <asterix/asterix.h>

namespace ast {

// ---- log ---------------------------------------------------------------------------------

// Formats into a 512-octet buffer and hands the line to the registered handler; formats
// nothing when no handler is registered.
ASTERIX_EXPORT void log(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
bool logEnabled();
// "Binary data size: %d", then the octets as "0x%.2X, ", 16 a line, at DEBUG.
void logDump(const uint8_t* data, uint64_t size);

// ---- bounded text ------------------------------------------------------------------------

// Appends to a caller buffer without ever passing its capacity; the text is NUL-terminated
// whenever the capacity is not 0.
class Text {
public:
    Text(char* buffer, size_t capacity) : _buffer(buffer), _capacity(buffer ? capacity : 0) {
        if (_capacity)
            _buffer[0] = '\0';
    }
    void append(const char* text);
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void vprintf(const char* format, va_list args);
    // Drops the last `count` characters.
    void chop(size_t count);
    size_t length() const { return _length; }
    char* buffer() const { return _buffer; }
    char* remaining() const { return _capacity ? _buffer + _length : nullptr; }
    size_t remainingCapacity() const { return _capacity ? _capacity - _length : 0; }
    // Takes over what a nested writer wrote into remaining().
    void advanceOver();

private:
    char* _buffer;
    size_t _capacity;
    size_t _length = 0;
};

// ---- HTML detail conventions ---------------------------------------------------------------

namespace html {
// The marker that ends a list of cell texts.
extern const char* const END_OF_ROW;
void paragraph(Text& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void heading(Text& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void tableBegin(Text& out);
void tableEnd(Text& out);
// Cells up to END_OF_ROW. A header row resets the row parity; data rows alternate.
void headerRow(Text& out, const char* first, ...);
void dataRow(Text& out, const char* first, ...);
}  // namespace html

// ---- category registration ------------------------------------------------------------------

// One item type of a category: the item number (type mod 1000) and its services.
struct ItemEntry {
    uint32_t item;
    const char* name;
    ast_dataitem_desc_t desc;
};

// Subfield services of a compound item: subfield type (item type x 1000 + index).
struct SubfieldEntry {
    uint32_t type;
    ast_subfield_desc_t desc;
};

// What a category unit (catNNN.cpp) contributes to the frame: its standard UAP in FRN order
// (spare FRNs as 0), the FRN count of the standard profile (0 when the category has none),
// the label of its "Undefined FRN" log line, and its item and subfield tables sorted by item
// number and subfield type.
struct CategoryUnit {
    uint32_t category;
    const ast_dataitem_type_t* uap;
    uint32_t uapSize;
    uint32_t maxFrn;
    const char* uapLabel;
    const ItemEntry* items;
    uint32_t itemCount;
    const SubfieldEntry* subfields;
    uint32_t subfieldCount;
};

// The unit of a category, or nullptr.
const CategoryUnit* categoryUnit(uint32_t category);
// The entry of an item type, or nullptr (no log).
const ItemEntry* findItem(ast_dataitem_type_t type);
const SubfieldEntry* findSubfield(uint32_t subfieldType);
// Name lookup within one unit, for the ast_dataitem_NNN_get_name functions.
const char* unitItemName(const CategoryUnit& unit, ast_dataitem_type_t type);

// A profile table that replaces a category's standard UAP. label nullptr: FRNs beyond the
// table give 0 silently.
struct UapTable {
    const ast_dataitem_type_t* items;
    uint32_t size;
    uint32_t maxFrn;
    const char* label;
};

// Looks up an FRN in a table, logging "<label>: Undefined FRN %d" beyond its end.
ast_dataitem_type_t uapTableItem(const UapTable& table, uint32_t frn);

// ---- record getters ------------------------------------------------------------------------

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

// The getter table of a category, or nullptr for a category without one.
ASTERIX_EXPORT const RecordGetters* recordGetters(uint32_t category);

// The first item of `type` in an OK record of `category`; nullptr for a null record, a record
// that is not OK or of another category, or one without that item.
const ast_dataitem_t* recordItem(const ast_datarecord_t* record, uint32_t category,
                                 ast_dataitem_type_t type);

}  // namespace ast

// Units of the categories (defined in catNNN.cpp).
namespace ast {
extern const CategoryUnit CAT001_UNIT;
extern const CategoryUnit CAT002_UNIT;
extern const CategoryUnit CAT004_UNIT;
extern const CategoryUnit CAT008_UNIT;
extern const CategoryUnit CAT010_UNIT;
extern const CategoryUnit CAT019_UNIT;
extern const CategoryUnit CAT020_UNIT;
extern const CategoryUnit CAT021_UNIT;
extern const CategoryUnit CAT023_UNIT;
extern const CategoryUnit CAT034_UNIT;
extern const CategoryUnit CAT048_UNIT;
extern const CategoryUnit CAT062_UNIT;
extern const CategoryUnit CAT065_UNIT;
extern const CategoryUnit CAT240_UNIT;

// Record getter tables (defined in the units of the categories that have one).
extern const RecordGetters CAT021_GETTERS;

// Profile tables of manufacturers and editions.
extern const UapTable CAT001_PLOT_TABLE;
extern const UapTable CAT001_RAYTHEON_TABLE;
extern const UapTable CAT002_RAYTHEON_TABLE;
extern const UapTable CAT021_V023_TABLE;
extern const UapTable CAT021_V026_TABLE;
extern const UapTable CAT021_V21_TABLE;
extern const UapTable CAT021_V24_TABLE;
extern const UapTable CAT021_THALES_TABLE;
}  // namespace ast

#endif  // ASTERIX_SRC_FRAME_H
