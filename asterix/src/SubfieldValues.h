#ifndef ASTERIX_SRC_SUBFIELDVALUES_H
#define ASTERIX_SRC_SUBFIELDVALUES_H

// Summaries and detail views of compound-item subfields, driven by a table per category: each
// row says how one subfield type carries its value (a scaled number in some of its bits, an
// octal code, an address, a callsign, a text, a position...). A subfield without a row is shown
// as its bits ("BIN:...").

#include <cstddef>
#include <cstdint>

#include <asterix/asterix.h>

namespace ast {

enum class SubfieldKind : uint8_t {
    Value,       // (raw x lsb + offset) of `width` bits `shift` bits above bit 1, "%s:%.*f%s"
    Octal,       // a 12-bit Mode A-like code in the low bits, "%s:%04o"
    Address,     // a 24-bit ICAO address, "ADDR:%06X"
    Callsign,    // eight 6-bit ICAO characters in 6 octets, "ACID:%s"
    Text,        // IA-5 characters, one per octet, "%s:%s" (trailing blanks dropped)
    DataSource,  // SAC and SIC, "SAC:%03d SIC:%03d"
    Polar,       // 16-bit rho (1/256 NM) and 16-bit theta (360/2^16), "RHO:%.2f THETA:%.2f"
    Position,    // 24-bit latitude and longitude (180/2^23 degrees), "WGS84:%s"
    Repetition,  // a repetition factor and its elements, "%s:%u"
};

struct SubfieldValue {
    uint32_t type;  // item type x 1000 + subfield index
    SubfieldKind kind;
    const char* label;
    uint8_t width;  // Value: bits of the value (at most 32)
    uint8_t shift;  // Value: bits below the value
    bool isSigned;  // Value: two's complement
    double lsb;
    double offset;
    uint8_t decimals;
    const char* unit;
};

// The row of `type` in a table sorted by type, or nullptr.
const SubfieldValue* findSubfieldValue(const SubfieldValue* table, size_t count, uint32_t type);

// The summary of a subfield as its row says, "BIN:..." without a row; empty text for a
// subfield whose size does not fit its row.
char* subfieldValueSummary(const SubfieldValue* table, size_t count, char* buffer,
                           size_t capacity, const ast_subfield_t* subfield);
// A detail table of one row: the subfield's name and its summary.
char* subfieldValueDetail(const SubfieldValue* table, size_t count, char* buffer, size_t capacity,
                          const ast_subfield_t* subfield);

// The number of a Value row (raw x lsb + offset), or 0 when the subfield is too short.
double subfieldNumber(const SubfieldValue& row, const ast_subfield_t* subfield);

}  // namespace ast

// The summary and detail functions of a category's subfield table `VALUES`, for its subfield
// entries.
#define AST_SUBFIELD_VALUE_TEXT(ns)                                                          \
    namespace ns {                                                                           \
    char* subfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {   \
        return ast::subfieldValueSummary(VALUES, sizeof VALUES / sizeof VALUES[0], buffer,   \
                                         capacity, subfield);                                \
    }                                                                                        \
    char* subfieldDetail(char* buffer, size_t capacity, const ast_subfield_t* subfield) {    \
        return ast::subfieldValueDetail(VALUES, sizeof VALUES / sizeof VALUES[0], buffer,    \
                                        capacity, subfield);                                 \
    }                                                                                        \
    }

#endif  // ASTERIX_SRC_SUBFIELDVALUES_H
