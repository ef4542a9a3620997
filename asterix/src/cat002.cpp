// CAT002, Transmission of Monoradar Service Messages: the standard UAP, one manufacturer's
// reduced UAP, the item descriptors and the record form. Summaries are in cat002_text.cpp, the
// record getters in cat002_getters.cpp. UAP and layouts from the EUROCONTROL ASTERIX definition
// of CAT002.

#include "Descriptors.h"
#include "RecordForm.h"
#include "RecordGetters.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 2 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),   T(20), T(30), T(41), T(50), T(60),
                                            T(70), T(100), T(90), T(80), 0,     T(999)};

// The reduced CAT002 of one manufacturer.
const ast_dataitem_type_t RAYTHEON_UAP[] = {T(10), T(0), T(20), T(30), 0, T(50)};

#define NAME ast_dataitem_002_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }

// Sorted by item number. I002/060, 070, 080, 090 and 100 have no descriptor: a record that
// carries one cannot be decoded.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(&ast_dataitem_get_size_fixed_1_byte, &ast_dataitem_002_000_get_summary, nullptr,
          &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Sector Number", AST_DESC_SECTOR_NUMBER(NAME)},
    {30, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {41, "Antenna Rotation Speed",
     DESC(&ast_dataitem_get_size_fixed_2_byte, nullptr, nullptr, nullptr)},
    {50, "Station Configuration Status",
     DESC(&ast_dataitem_get_size_var_unlimited, &ast_dataitem_binary_get_summary, nullptr,
          nullptr)},
    {999, "Special Purpose Field", AST_DESC_SPECIAL_PURPOSE(NAME)}};

#undef DESC
#undef NAME

}  // namespace

const CategoryUnit CAT002_UNIT = {2,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  13,
                                  "UAP CAT002",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  &CAT002_GETTERS};

const UapTable CAT002_RAYTHEON_TABLE = {RAYTHEON_UAP, 6, 6, nullptr};

}  // namespace ast

using namespace ast;

extern "C" const char* ast_dataitem_002_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT002_UNIT, type);
    return name ? name : "Unknown CAT002 Dataitem";
}

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat002_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i000, 2000, ast_dataitem_message_type_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i010, 2010, ast_dataitem_data_source_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i020, 2020, ast_dataitem_sector_number_decode, AST_ASSEMBLED),
    AST_FORM_FIELD(R, i030, 2030, ast_dataitem_time_of_day_decode, AST_ASSEMBLED),
};

const RecordFormTable FORM = {2, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" {

ast_datarecord_t ast_datarecord_002_assemble(uint8_t* buffer, uint64_t capacity,
                                             const ast_cat002_record_t* form, ast_uap_t uap) {
    return assembleForm(buffer, capacity, FORM, form, uap);
}

ast_cat002_record_t ast_datarecord_002_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat002_record_t>(record, FORM);
}

}  // extern "C"
