#ifndef ASTERIX_SRC_REGISTRY_H
#define ASTERIX_SRC_REGISTRY_H

// The registration point through which each category plugs into the frame: its standard UAP,
// its item descriptors, the subfields of its compound items and its record getters; and the
// profile tables (editions, manufacturers) that replace a category's standard UAP.

#include <cstdint>

#include <asterix/asterix.h>

namespace ast {

struct RecordGetters;

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
// the label of its "Undefined FRN" log line, its item and subfield tables sorted by item
// number and subfield type, and its record getters (nullptr for none).
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
    const RecordGetters* getters;
};

// The unit of a category, or nullptr.
const CategoryUnit* categoryUnit(uint32_t category);
// The entry of an item type, or nullptr (no log).
const ItemEntry* findItem(ast_dataitem_type_t type);
// findItem() for the services of an item type that should exist: an unknown type logs
// "Unsupported dataitem %s" (critical), as ast_dataitem_get_desc() does.
const ItemEntry* supportedItem(ast_dataitem_type_t type);
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

// Units of the categories (defined in catNNN.cpp).
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

#endif  // ASTERIX_SRC_REGISTRY_H
