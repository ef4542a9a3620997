// CAT034: summaries and detail views of the category-specific items and subfields.

#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "ItemCodec.h"
#include "cat034_text.h"

namespace {

namespace b = ast::bits;
namespace html = ast::html;
using ast::Text;

// One bit or bit group of a status subfield, numbered as the category numbers it.
struct Field {
    const char* id;
    const char* name;
    unsigned octet, hi, lo;
};

struct SubfieldLayout {
    uint32_t type;
    const Field* fields;
    size_t count;
};

#define FIELDS(name) name, sizeof name / sizeof name[0]

// I034/050: status of the system and of each sensor.
const Field STATUS_COM[] = {{"NOGO", "Operational Release Status (1: inhibited)", 1, 8, 8},
                            {"RDPC", "RDP Chain Selected (1: chain 2)", 1, 7, 7},
                            {"RDPR", "RDP Reset", 1, 6, 6},
                            {"OVLRDP", "RDP Overloaded", 1, 5, 5},
                            {"OVLXMT", "Transmission Subsystem Overloaded", 1, 4, 4},
                            {"MSC", "Monitoring System Disconnected", 1, 3, 3},
                            {"TSV", "Time Source Invalid", 1, 2, 2}};
const Field STATUS_SENSOR[] = {{"ANT", "Antenna (1: antenna 2)", 1, 8, 8},
                               {"CHAB", "Channel A/B Selection", 1, 7, 6},
                               {"OVL", "Overload", 1, 5, 5},
                               {"MSC", "Monitoring System Disconnected", 1, 4, 4}};
const Field STATUS_MDS[] = {{"ANT", "Antenna (1: antenna 2)", 1, 8, 8},
                            {"CHAB", "Channel A/B Selection", 1, 7, 6},
                            {"OVLSUR", "Surveillance Overload", 1, 5, 5},
                            {"MSC", "Monitoring System Disconnected", 1, 4, 4},
                            {"SCF", "Surveillance Co-ordination Function on Channel B", 1, 3, 3},
                            {"DLF", "Data Link Function on Channel B", 1, 2, 2},
                            {"OVLSCF", "Surveillance Co-ordination Function Overload", 1, 1, 1},
                            {"OVLDLF", "Data Link Function Overload", 2, 8, 8}};
// I034/060: reduction steps in use, 0 for none.
const Field MODE_COM[] = {{"REDRDP", "RDP Reduction Steps", 1, 7, 5},
                          {"REDXMT", "Transmission Reduction Steps", 1, 4, 2}};
const Field MODE_PSR[] = {{"POL", "Polarization (1: circular)", 1, 8, 8},
                          {"REDRAD", "PSR Reduction Steps", 1, 7, 5},
                          {"STC", "STC Map", 1, 4, 3}};
const Field MODE_SSR[] = {{"REDRAD", "SSR Reduction Steps", 1, 8, 6}};
const Field MODE_MDS[] = {{"REDRAD", "Mode S Reduction Steps", 1, 8, 6},
                          {"CLU", "Cluster State (1: autonomous)", 1, 5, 5}};

const SubfieldLayout LAYOUTS[] = {
    {34050001, FIELDS(STATUS_COM)},    {34050004, FIELDS(STATUS_SENSOR)},
    {34050005, FIELDS(STATUS_SENSOR)}, {34050006, FIELDS(STATUS_MDS)},
    {34060001, FIELDS(MODE_COM)},      {34060004, FIELDS(MODE_PSR)},
    {34060005, FIELDS(MODE_SSR)},      {34060006, FIELDS(MODE_MDS)},
};
#undef FIELDS

// The layout of a present subfield whose octets cover it, or nullptr.
const SubfieldLayout* layoutOf(const ast_subfield_t* subfield) {
    if (!subfield || !subfield->present || !subfield->data)
        return nullptr;
    for (const SubfieldLayout& layout : LAYOUTS) {
        if (layout.type != subfield->type)
            continue;
        for (size_t i = 0; i < layout.count; ++i)
            if (layout.fields[i].octet > subfield->size)
                return nullptr;
        return &layout;
    }
    return nullptr;
}

const char* const MESSAGE_TYPES[] = {"MSG_TYPE:UNDEFINED", "MSG_TYPE:NORTH_MARKER",
                                     "MSG_TYPE:SECTOR_CORSSING", "MSG_TYPE:GEO_FILTERING",
                                     "MSG_TYPE:JAMMING_STROBE"};

}  // namespace

namespace ast {
namespace cat034 {

char* statusSubfieldSummary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    const SubfieldLayout* layout = layoutOf(subfield);
    if (!layout)
        return buffer;
    for (size_t i = 0; i < layout->count; ++i) {
        const Field& f = layout->fields[i];
        if (i)
            out.append(' ');
        out.append(f.id);
        out.append(':');
        out.appendDecimal(b::field(subfield->data, f.octet, f.hi, f.lo));
    }
    return buffer;
}

char* statusSubfieldDetail(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    const SubfieldLayout* layout = layoutOf(subfield);
    if (!layout)
        return buffer;
    html::tableBegin(out);
    html::headerRow(out, "Field", "Name", "Value", html::END_OF_ROW);
    for (size_t i = 0; i < layout->count; ++i) {
        const Field& f = layout->fields[i];
        char value[16];
        std::snprintf(value, sizeof value, "%u", b::field(subfield->data, f.octet, f.hi, f.lo));
        html::dataRow(out, f.id, f.name, value, html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

}  // namespace cat034
}  // namespace ast

extern "C" {

// Message types 1 to 4 of the category: north marker, sector crossing, geographical filtering
// and jamming strobe.
char* ast_dataitem_034_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const uint32_t type = ast::sized(item, 1, 34000) ? item->data[0] : 0;
    out.append(type < sizeof MESSAGE_TYPES / sizeof MESSAGE_TYPES[0] ? MESSAGE_TYPES[type]
                                                                     : MESSAGE_TYPES[0]);
    return buffer;
}

char* ast_dataitem_034_041_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("ROT:");
    out.appendFixed(ast_dataitem_034_041_decode(item).period, 2);
    return buffer;
}

char* ast_dataitem_034_070_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("COUNTERS:");
    out.appendDecimal(static_cast<int>(ast_dataitem_034_070_decode(item).count));
    return buffer;
}

char* ast_dataitem_034_070_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_034_070_t f = ast_dataitem_034_070_decode(item);
    if (!f.present)
        return buffer;
    html::heading(out, "Message Count Values");
    html::tableBegin(out);
    html::headerRow(out, "Type", "Count", html::END_OF_ROW);
    for (uint32_t i = 0; i < f.count; ++i) {
        char type[16], count[16];
        std::snprintf(type, sizeof type, "%u", f.counters[i].type);
        std::snprintf(count, sizeof count, "%u", f.counters[i].count);
        html::dataRow(out, type, count, html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

}  // extern "C"
