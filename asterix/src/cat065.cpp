// CAT065, SDPS Service Status Messages: the standard UAP, the item descriptors, the decoded
// form of I065/040, the summaries and detail view, and the record form. UAP and layouts from the
// EUROCONTROL ASTERIX definition of CAT065.

#include "Bits.h"
#include "Descriptors.h"
#include "Html.h"
#include "ItemCodec.h"
#include "RecordForm.h"

namespace ast {
namespace {

namespace b = ast::bits;
namespace html = ast::html;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 65 * 1000 + item;
}

// FRNs 8 to 14 are spare in this profile: the Reserved Expansion Field and the Special Purpose
// Field of the definition (FRNs 13 and 14) are not read.
const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0), T(15), T(30), T(20), T(40), T(50),
                                            0,     0,    0,     0,     0,     0,     0};

#define NAME ast_dataitem_065_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte

// Sorted by item number. I065/050 has no descriptor: a record that carries it cannot be decoded.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(FIXED(1), &ast_dataitem_065_000_get_summary, &ast_dataitem_get_detail_html_dummy,
          &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {15, "Service Identification", AST_DESC_SERVICE_ID(NAME)},
    {20, "Batch Number",
     DESC(FIXED(1), &ast_dataitem_065_020_get_summary, &ast_dataitem_get_detail_html_dummy,
          nullptr)},
    {30, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {40, "SDPS Configuration and Status",
     DESC(FIXED(1), &ast_dataitem_065_040_get_summary, &ast_dataitem_065_040_get_detail_html,
          nullptr)},
};

#undef FIXED
#undef DESC
#undef NAME

const char* const MESSAGE_TYPES[] = {"MSG_TYPE:UNDEFINED", "MSG_TYPE:SDPS_STATUS",
                                     "MSG_TYPE:END_OF_BATCH", "MSG_TYPE:SVC_STATUS_REPORT"};
const char* const STATUS[] = {"STS:OPE", "STS:DGD", "STS:DIS", "STS:UKN"};
const char* const STATUS_NAMES[] = {"Operational", "Degraded", "Not currently connected",
                                    "Unknown"};

}  // namespace

const CategoryUnit CAT065_UNIT = {65,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  14,
                                  "UAP CAT065",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

using namespace ast;

extern "C" {

char* ast_dataitem_065_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const uint32_t type = sized(item, 1, 65000) ? item->data[0] : 0;
    out.append(MESSAGE_TYPES[type <= 3 ? type : 0]);
    return buffer;
}

char* ast_dataitem_065_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 1, 65020))
        out.printf("BAT:%d", item->data[0]);
    return buffer;
}

ast_dataitem_065_040_t ast_dataitem_065_040_decode(const ast_dataitem_t* item) {
    ast_dataitem_065_040_t f = {};
    if (!sized(item, 1, 65040))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.nogo = b::field(d, 1, 8, 7);
    f.ovl = b::bit(d, 1, 6);
    f.tsv = b::bit(d, 1, 5);
    f.pss = b::field(d, 1, 4, 3);
    f.sttn = b::bit(d, 1, 2);
    return f;
}

char* ast_dataitem_065_040_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_065_040_t f = ast_dataitem_065_040_decode(item);
    if (f.present)
        out.printf("%s SDPS-%d", STATUS[f.nogo & 3], static_cast<int>(f.pss));
    return buffer;
}

char* ast_dataitem_065_040_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_065_040_t f = ast_dataitem_065_040_decode(item);
    html::FieldRow rows[5];
    html::setRow(rows[0], "NOGO (Operational Release Status)", "%s", STATUS_NAMES[f.nogo & 3]);
    html::setRow(rows[1], "OVL (Overload)", "%s", html::yesNo(f.ovl));
    html::setRow(rows[2], "TSV (Time Source Not Valid)", "%s", html::yesNo(f.tsv));
    html::setRow(rows[3], "PSS (Processing System Status)", "SDPS-%u", f.pss);
    html::setRow(rows[4], "STTN (Track Re-numbering Indication)", "%u", f.sttn);
    return html::fieldTable(buffer, capacity, "SDPS Configuration and Status", rows);
}

const char* ast_dataitem_065_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT065_UNIT, type);
    return name ? name : "";
}

}  // extern "C"

// ---- record form ---------------------------------------------------------------------------

namespace {

using R = ast_cat065_record_t;

const FormField FIELDS[] = {
    AST_FORM_FIELD(R, i000, 65000, ast_dataitem_message_type_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i010, 65010, ast_dataitem_data_source_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i015, 65015, ast_dataitem_service_id_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i020, 65020, ast_dataitem_service_id_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i030, 65030, ast_dataitem_time_of_day_decode, AST_READ_ONLY),
    AST_FORM_FIELD(R, i040, 65040, ast_dataitem_065_040_decode, AST_READ_ONLY),
};

const RecordFormTable FORM = {65, FIELDS, sizeof FIELDS / sizeof FIELDS[0]};

}  // namespace

extern "C" ast_cat065_record_t ast_datarecord_065_disassemble(const ast_datarecord_t* record) {
    return disassembleForm<ast_cat065_record_t>(record, FORM);
}
