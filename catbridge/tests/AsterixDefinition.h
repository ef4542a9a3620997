#ifndef CATBRIDGE_TESTS_ASTERIXDEFINITION_H
#define CATBRIDGE_TESTS_ASTERIXDEFINITION_H

// An ASTERIX category definition read from its structured-text form (the ".ast" files of the
// public structured-text transcription of the EUROCONTROL category documents), and a
// record decoder driven by nothing but that definition. Tests use it to read what our encoder
// writes independently of our own ASTERIX library.
//
// Understood: items made of fixed elements, groups (with spares) and extended items (groups
// of octets whose last bit, FX, announces another); element contents raw, table, signed or
// unsigned quantity "a/2^b" or "a/b", string icao and string octal. Compound, repetitive and
// explicit items are known by name but cannot be decoded; a record that carries one fails.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace astdef {

struct DefinitionField {
    std::string name;  // "SAC", "LAT"; "VALUE" for an item that is a single element
    unsigned bits = 0;
    bool spare = false;
    bool isSigned = false;
    double lsb = 1.0;   // quantity per unit; 1 for raw and table contents
    std::string kind;   // "raw", "table", "quantity", "icao", "octal"
};

struct DefinitionItem {
    std::string id;     // "010", "RE"
    std::string title;
    std::string form;   // "element", "group", "extended" or an undecodable form
    // One vector for element and group items; one per octet group of an extended item.
    std::vector<std::vector<DefinitionField>> parts;
};

struct AsterixDefinition {
    std::string category;                      // "021"
    std::string edition;                       // "0.26"
    std::map<std::string, DefinitionItem> items;
    std::vector<std::string> uap;              // FRN 1 first; "-" for a spare FRN
    bool ok = false;
};

// Reads a definition file; ok is false when the file cannot be read or has no UAP.
AsterixDefinition readAsterixDefinition(const std::string& path);

// One decoded field: the raw bits (sign-extended for signed quantities) and the value in the
// definition's unit (raw × lsb); text for strings.
struct DecodedField {
    uint64_t bits = 0;  // as transmitted
    int64_t raw = 0;
    double value = 0.0;
    std::string text;
};

struct DecodedItem {
    std::string id;
    unsigned size = 0;
    std::map<std::string, DecodedField> fields;  // spares under "spare<n>"
    std::vector<uint64_t> spareBits;             // every spare field's value, in order
};

struct DecodedRecord {
    bool ok = false;
    std::string error;
    std::vector<DecodedItem> items;  // in record order
    std::size_t length = 0;

    const DecodedItem* item(const std::string& id) const;
};

// Decodes one record (FSPEC and items) at the start of `data`.
DecodedRecord decodeWithDefinition(const AsterixDefinition& definition, const std::string& data);

}  // namespace astdef

#endif  // CATBRIDGE_TESTS_ASTERIXDEFINITION_H
