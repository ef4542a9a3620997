// The category registry: every category unit, indexed once for direct look-up of categories
// and item numbers, the profile-table look-up and the record getter tables.

#include "Registry.h"
#include "Log.h"
#include "RecordGetters.h"

namespace {

// Every category unit, indexed by category number once on first use.
const ast::CategoryUnit* const UNITS[] = {
    &ast::CAT001_UNIT, &ast::CAT002_UNIT, &ast::CAT004_UNIT, &ast::CAT008_UNIT, &ast::CAT010_UNIT,
    &ast::CAT019_UNIT, &ast::CAT020_UNIT, &ast::CAT021_UNIT, &ast::CAT023_UNIT, &ast::CAT034_UNIT,
    &ast::CAT048_UNIT, &ast::CAT062_UNIT, &ast::CAT065_UNIT, &ast::CAT240_UNIT,
};

// Direct look-up of categories and of item numbers within each category, built once from
// the units' sorted tables (static storage, no heap): item decoding is the inner loop of every
// record, and a direct index beats a search there.
struct UnitIndex {
    static constexpr size_t UNIT_COUNT = sizeof UNITS / sizeof UNITS[0];
    const ast::CategoryUnit* byCategory[256] = {};
    uint8_t slot[256] = {};  // 1-based position in UNITS, 0 for none
    const ast::ItemEntry* items[UNIT_COUNT][1000] = {};
    UnitIndex() {
        for (size_t u = 0; u < UNIT_COUNT; ++u) {
            const ast::CategoryUnit* unit = UNITS[u];
            byCategory[unit->category] = unit;
            slot[unit->category] = static_cast<uint8_t>(u + 1);
            for (uint32_t i = 0; i < unit->itemCount; ++i)
                if (unit->items[i].item < 1000)
                    items[u][unit->items[i].item] = &unit->items[i];
        }
    }
};

// Built on first use, apart from the look-ups so that they inline down to a guard test.
__attribute__((noinline)) const UnitIndex& buildUnitIndex() {
    static const UnitIndex index;
    return index;
}

inline const UnitIndex& unitIndex() {
    static const UnitIndex& index = buildUnitIndex();
    return index;
}

}  // namespace

namespace ast {

// ---- registry ------------------------------------------------------------------------------

const CategoryUnit* categoryUnit(uint32_t category) {
    return category < 256 ? unitIndex().byCategory[category] : nullptr;
}

const ItemEntry* findItem(ast_dataitem_type_t type) {
    const uint32_t category = type / 1000;
    if (category >= 256)
        return nullptr;
    const UnitIndex& index = unitIndex();
    const uint8_t slot = index.slot[category];
    return slot ? index.items[slot - 1][type % 1000] : nullptr;
}

const ItemEntry* supportedItem(ast_dataitem_type_t type) {
    const ItemEntry* entry = findItem(type);
    if (!entry)
        log(AST_LOG_CRITICAL, "Unsupported dataitem %s", ast_dataitem_type_to_str(type));
    return entry;
}

const SubfieldEntry* findSubfield(uint32_t subfieldType) {
    const CategoryUnit* unit = categoryUnit(subfieldType / 1000000);
    if (!unit)
        return nullptr;
    for (uint32_t i = 0; i < unit->subfieldCount; ++i)
        if (unit->subfields[i].type == subfieldType)
            return &unit->subfields[i];
    return nullptr;
}

const char* unitItemName(const CategoryUnit& unit, ast_dataitem_type_t type) {
    if (type / 1000 != unit.category)
        return nullptr;
    const ItemEntry* entry = findItem(type);
    return entry ? entry->name : nullptr;
}

ast_dataitem_type_t uapTableItem(const UapTable& table, uint32_t frn) {
    if (frn >= 1 && frn <= table.size)
        return table.items[frn - 1];
    if (table.label)
        log(AST_LOG_CRITICAL, "%s: Undefined FRN %d", table.label, static_cast<int>(frn));
    return 0;
}

}  // namespace ast
