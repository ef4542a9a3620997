// The exported User Application Profiles. A profile is the standard UAP of every category
// with some categories' tables replaced (an edition of CAT021, a manufacturer's reduced
// CAT001/CAT002, the CAT001 plot layout). The tables themselves live in the category units.

#include "Frame.h"

namespace ast {
namespace {

struct Override {
    uint32_t category;
    const UapTable* table;
};

ast_dataitem_type_t standardItem(uint32_t category, uint32_t frn) {
    const CategoryUnit* unit = categoryUnit(category);
    if (!unit) {
        log(AST_LOG_CRITICAL, "UAP STD: Unknown category %d", static_cast<int>(category));
        return 0;
    }
    if (frn >= 1 && frn <= unit->uapSize)
        return unit->uap[frn - 1];  // every set FRN of every record: no table built for it
    return uapTableItem(UapTable{unit->uap, unit->uapSize, unit->maxFrn, unit->uapLabel}, frn);
}

uint32_t standardMaxFrn(uint32_t category) {
    const CategoryUnit* unit = categoryUnit(category);
    return unit ? unit->maxFrn : 0;
}

template <const Override* Overrides, int Count>
const UapTable* overrideFor(uint32_t category) {
    for (int i = 0; i < Count; ++i)
        if (Overrides[i].category == category)
            return Overrides[i].table;
    return nullptr;
}

template <const Override* Overrides, int Count>
uint32_t profileMaxFrn(uint32_t category) {
    const UapTable* table = overrideFor<Overrides, Count>(category);
    return table ? table->maxFrn : standardMaxFrn(category);
}

template <const Override* Overrides, int Count>
ast_dataitem_type_t profileItem(uint32_t category, uint32_t frn) {
    const UapTable* table = overrideFor<Overrides, Count>(category);
    return table ? uapTableItem(*table, frn) : standardItem(category, frn);
}

constexpr Override PLOT[] = {{1, &CAT001_PLOT_TABLE}};
constexpr Override V023[] = {{21, &CAT021_V023_TABLE}};
constexpr Override V026[] = {{21, &CAT021_V026_TABLE}};
constexpr Override V21[] = {{21, &CAT021_V21_TABLE}};
constexpr Override V24[] = {{21, &CAT021_V24_TABLE}};
constexpr Override RAYTHEON[] = {{1, &CAT001_RAYTHEON_TABLE}, {2, &CAT002_RAYTHEON_TABLE}};
constexpr Override THALES[] = {{21, &CAT021_THALES_TABLE}};

#define AST_PROFILE(table)                                           \
    {                                                                \
        &ast::profileMaxFrn<table, sizeof table / sizeof table[0]>,  \
            &ast::profileItem<table, sizeof table / sizeof table[0]> \
    }

}  // namespace
}  // namespace ast

extern "C" {

const ast_uap_t AST_UAP_STANDARD = {&ast::standardMaxFrn, &ast::standardItem};
const ast_uap_t AST_UAP_CAT001_PLOT = AST_PROFILE(ast::PLOT);
const ast_uap_t AST_UAP_CAT021_VER023 = AST_PROFILE(ast::V023);
const ast_uap_t AST_UAP_CAT021_VER026 = AST_PROFILE(ast::V026);
const ast_uap_t AST_UAP_CAT021_VER21 = AST_PROFILE(ast::V21);
const ast_uap_t AST_UAP_CAT021_VER24 = AST_PROFILE(ast::V24);
const ast_uap_t AST_UAP_RAYTHEON = AST_PROFILE(ast::RAYTHEON);
const ast_uap_t AST_UAP_THALES = AST_PROFILE(ast::THALES);

ast_dataitem_type_t ast_uap_get_dataitem(const ast_uap_t* uap, uint32_t category, uint32_t frn) {
    return uap && uap->get_dataitem ? uap->get_dataitem(category, frn) : 0;
}

uint32_t ast_uap_get_max_frn(const ast_uap_t* uap, uint32_t category) {
    return uap && uap->max_frn ? uap->max_frn(category) : 0;
}

}  // extern "C"
