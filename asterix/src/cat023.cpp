// CAT023, CNS/ATM Ground Station and Service Status Reports: the standard UAP, the item
// descriptors, the report type and the ground station status. UAP and layouts from the
// EUROCONTROL ASTERIX definition of CAT023.

#include "Bits.h"
#include "CodeTable.h"
#include "Descriptors.h"
#include "Html.h"

namespace ast {
namespace {

namespace b = ast::bits;
namespace html = ast::html;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 23 * 1000 + item;
}

const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0), T(15), T(70), T(100), T(101), T(200)};

const CodeText REPORT_TYPES[] = {
    {1, "RPT_TYPE:STATION_STATUS"},
    {2, "RPT_TYPE:SERVICE_STATUS"},
    {3, "RPT_TYPE:SERVICE_STATISTICS"},
};

#define NAME ast_dataitem_023_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }

// Sorted by item number. I023/015, 101 and 200 have no descriptor: a record that carries one
// cannot be decoded.
const ItemEntry ITEMS[] = {
    {0, "Report Type", DESC(&ast_dataitem_get_size_fixed_1_byte, &ast_dataitem_023_000_get_summary,
                            nullptr, nullptr)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {70, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {100, "Ground Station Status",
     DESC(&ast_dataitem_get_size_var_2_byte, &ast_dataitem_023_100_get_summary,
          &ast_dataitem_023_100_get_detail_html, nullptr)},
};

#undef DESC
#undef NAME

}  // namespace

const CategoryUnit CAT023_UNIT = {23,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  7,
                                  "UAP CAT023",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

using namespace ast;

extern "C" {

char* ast_dataitem_023_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return codeSummary(buffer, capacity, item, 23000, REPORT_TYPES, "RPT_TYPE:UNDEFINED");
}

ast_dataitem_023_100_t ast_dataitem_023_100_decode(const ast_dataitem_t* item) {
    ast_dataitem_023_100_t f = {};
    if (!sizedWithin(item, 1, 2, 23100))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.nogo = b::bit(d, 1, 8);
    f.odp = b::bit(d, 1, 7);
    f.oxt = b::bit(d, 1, 6);
    f.msc = b::bit(d, 1, 5);
    f.tsv = b::bit(d, 1, 4);
    f.spo = b::bit(d, 1, 3);
    f.rn = b::bit(d, 1, 2);
    if (item->size >= 2) {
        f.gssp_present = 1;
        f.gssp = b::field(d, 2, 8, 2);
    }
    return f;
}

char* ast_dataitem_023_100_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_023_100_t f = ast_dataitem_023_100_decode(item);
    if (!f.present)
        return buffer;
    out.append(f.nogo ? "STS:NOGO" : "STS:GO");
    if (f.gssp_present)
        out.printf(" GSSP:%dS", static_cast<int>(f.gssp));
    return buffer;
}

char* ast_dataitem_023_100_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_023_100_t f = ast_dataitem_023_100_decode(item);
    html::FieldRow rows[8];
    html::setRow(rows[0], "NOGO (Operational Release Status of the Data)", "%s",
                 f.nogo ? "Data not released for operational use" : "Data released");
    html::setRow(rows[1], "ODP (Data Processor Overload)", "%s", html::yesNo(f.odp));
    html::setRow(rows[2], "OXT (Ground Interface Overload)", "%s", html::yesNo(f.oxt));
    html::setRow(rows[3], "MSC (Monitoring System Disconnected)", "%s", html::yesNo(f.msc));
    html::setRow(rows[4], "TSV (Time Source Not Valid)", "%s", html::yesNo(f.tsv));
    html::setRow(rows[5], "SPO (Spoofing Attack)", "%s", html::yesNo(f.spo));
    html::setRow(rows[6], "RN (Track Renumbering)", "%s", html::yesNo(f.rn));
    if (f.gssp_present)
        html::setRow(rows[7], "GSSP (Status Reporting Period)", "%u s", f.gssp);
    else
        html::setRow(rows[7], "GSSP (Status Reporting Period)", "-");
    return html::fieldTable(buffer, capacity, "Ground Station Status", rows);
}

const char* ast_dataitem_023_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT023_UNIT, type);
    return name ? name : "";
}

}  // extern "C"
