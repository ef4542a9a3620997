// CAT008, Monoradar Derived Weather Information: the standard UAP, the item descriptors and the
// summaries of the message type and of the item count of a weather picture. UAP and layouts from
// the EUROCONTROL ASTERIX definition of CAT008.

#include "Bits.h"
#include "CodeTable.h"
#include "Descriptors.h"

namespace ast {
namespace {

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 8 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),   T(20),  T(36),  T(34),  T(40),
                                            T(50), T(90), T(100), T(110), T(120), T(38)};

const CodeText MESSAGE_TYPES[] = {
    {1, "MSG_TYPE:POLAR_VECTOR"},          {2, "MSG_TYPE:CARTESIAN_POINT_LENGTH"},
    {3, "MSG_TYPE:CONTOUR"},               {4, "MSG_TYPE:CARTESIAN_POINT_POINT"},
    {254, "MSG_TYPE:START_OF_PICTURE"},    {255, "MSG_TYPE:END_OF_PICTURE"},
};

#define NAME ast_dataitem_008_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte

// Sorted by item number. I008/036, 038, 040, 050 and 110 have no descriptor: a record that
// carries one cannot be decoded.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(FIXED(1), &ast_dataitem_008_000_get_summary, nullptr,
          &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Vector Qualifier", DESC(&ast_dataitem_get_size_var_2_byte, nullptr, nullptr, nullptr)},
    {34, "Sequence of Polar Vectors in SPF Notation",
     DESC(&ast_dataitem_get_size_rep_4_byte, nullptr, nullptr, nullptr)},
    {90, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {100, "Processing Status", DESC(FIXED(3), nullptr, nullptr, nullptr)},
    {120, "Total Number of Items Constituting One Weather Picture",
     DESC(FIXED(2), &ast_dataitem_008_120_get_summary, nullptr, nullptr)},
};

#undef FIXED
#undef DESC
#undef NAME

}  // namespace

const CategoryUnit CAT008_UNIT = {8,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  12,
                                  "UAP CAT008",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

extern "C" {

char* ast_dataitem_008_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return ast::codeSummary(buffer, capacity, item, 8000, ast::MESSAGE_TYPES,
                            "MSG_TYPE:UNDEFINED");
}

char* ast_dataitem_008_120_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    ast::Text out(buffer, capacity);
    if (ast::sized(item, 2, 8120))
        out.printf("NUM:%d", static_cast<int>(ast::bits::octets(item->data, 1, 2)));
    return buffer;
}

const char* ast_dataitem_008_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT008_UNIT, type);
    return name ? name : "";
}

}  // extern "C"
