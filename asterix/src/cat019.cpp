// CAT019, Multilateration System Status Messages: the standard UAP, the item descriptors, the
// message type and the system status. UAP and layouts from the EUROCONTROL ASTERIX definition
// of CAT019.

#include "Bits.h"
#include "CodeTable.h"
#include "Descriptors.h"
#include "Html.h"

namespace ast {
namespace {

namespace b = ast::bits;
namespace html = ast::html;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 19 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10),  T(0),   T(140), T(550), T(551),
                                            T(552), T(553), T(600), T(610), T(620)};

const CodeText MESSAGE_TYPES[] = {
    {1, "MSG_TYPE:CYCLE_START"},
    {2, "MSG_TYPE:PERIODIC_STATUS"},
    {3, "MSG_TYPE:EVENT_STATUS"},
};
// I019/550 NOGO: operational release status of the system.
const char* const SYSTEM_STATUS[] = {"SYS_STAT:OPERATIVE", "SYS_STAT:DEGRADED", "SYS_STAT:NOGO",
                                     "SYS_STAT:UNDIFINED"};
const char* const SYSTEM_STATUS_NAMES[] = {"Operational", "Degraded", "NOGO", "Undefined"};

#define NAME ast_dataitem_019_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte

// Sorted by item number. I019/552 is a repetition of two-octet sensor states (a count octet,
// then two octets per remote sensor), whatever the number of sensors.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(FIXED(1), &ast_dataitem_019_000_get_summary, nullptr,
          &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {550, "System Status",
     DESC(FIXED(1), &ast_dataitem_019_550_get_summary, &ast_dataitem_019_550_get_detail_html,
          nullptr)},
    {551, "Tracking Processor Detailed Status", DESC(FIXED(1), nullptr, nullptr, nullptr)},
    {552, "Remote Sensor Detailed Status",
     DESC(&ast_dataitem_get_size_rep_2_byte, nullptr, nullptr, nullptr)},
    {553, "Reference Transponder Detailed Status",
     DESC(&ast_dataitem_get_size_var_unlimited, nullptr, nullptr, nullptr)},
    {600, "Position of MLT System Reference Point", DESC(FIXED(8), nullptr, nullptr, nullptr)},
    {610, "Height of MLT System Reference Point", DESC(FIXED(2), nullptr, nullptr, nullptr)},
    {620, "WGS-84 Undulation", DESC(FIXED(1), nullptr, nullptr, nullptr)},
};

#undef FIXED
#undef DESC
#undef NAME

}  // namespace

const CategoryUnit CAT019_UNIT = {19,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  10,
                                  "UAP CAT019",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

using namespace ast;

extern "C" {

char* ast_dataitem_019_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return codeSummary(buffer, capacity, item, 19000, MESSAGE_TYPES, "MSG_TYPE:UNDEFINED");
}

ast_dataitem_019_550_t ast_dataitem_019_550_decode(const ast_dataitem_t* item) {
    ast_dataitem_019_550_t f = {};
    if (!sized(item, 1, 19550))
        return f;
    f.present = 1;
    f.nogo = b::field(item->data, 1, 8, 7);
    f.ovl = b::bit(item->data, 1, 6);
    f.tsv = b::bit(item->data, 1, 5);
    f.ttf = b::bit(item->data, 1, 4);
    return f;
}

char* ast_dataitem_019_550_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_019_550_t f = ast_dataitem_019_550_decode(item);
    if (f.present)
        out.append(SYSTEM_STATUS[f.nogo & 3]);
    return buffer;
}

char* ast_dataitem_019_550_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_019_550_t f = ast_dataitem_019_550_decode(item);
    html::FieldRow rows[4];
    html::setRow(rows[0], "NOGO (Operational Release Status)", "%s",
                 SYSTEM_STATUS_NAMES[f.nogo & 3]);
    html::setRow(rows[1], "OVL (Overload)", "%s", html::yesNo(f.ovl));
    html::setRow(rows[2], "TSV (Time Source Not Valid)", "%s", html::yesNo(f.tsv));
    html::setRow(rows[3], "TTF (Test Target Failure)", "%s", html::yesNo(f.ttf));
    return html::fieldTable(buffer, capacity, "System Status", rows);
}

const char* ast_dataitem_019_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT019_UNIT, type);
    return name ? name : "";
}

}  // extern "C"
