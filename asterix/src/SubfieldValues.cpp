// Table-driven subfield summaries and detail views (see SubfieldValues.h).

#include "SubfieldValues.h"

#include <algorithm>
#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "IcaoCharacters.h"
#include "Text.h"

namespace ast {

namespace b = ast::bits;

namespace {

char* binary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    const ast_dataitem_t view = {subfield->data, subfield->size, subfield->type, 1};
    return ast_dataitem_binary_get_summary(buffer, capacity, &view);
}

// The low 32 bits of the subfield's last (up to) four octets.
uint32_t lowBits(const ast_subfield_t* subfield) {
    const unsigned count = static_cast<unsigned>(std::min<uint64_t>(subfield->size, 4));
    return b::octets(subfield->data + subfield->size - count, 1, count);
}

}  // namespace

const SubfieldValue* findSubfieldValue(const SubfieldValue* table, size_t count, uint32_t type) {
    const SubfieldValue* end = table + count;
    const SubfieldValue* row = std::lower_bound(
        table, end, type, [](const SubfieldValue& r, uint32_t t) { return r.type < t; });
    return row != end && row->type == type ? row : nullptr;
}

double subfieldNumber(const SubfieldValue& row, const ast_subfield_t* subfield) {
    if (!subfield || !subfield->data || subfield->size == 0 ||
        subfield->size * 8 < static_cast<uint64_t>(row.width + row.shift))
        return 0.0;
    const uint32_t raw = lowBits(subfield) >> row.shift;
    const double value = row.isSigned ? static_cast<double>(b::signExtend(raw, row.width))
                                       : static_cast<double>(
                                             raw & (row.width >= 32 ? 0xFFFFFFFFu
                                                                    : (1u << row.width) - 1u));
    return value * row.lsb + row.offset;
}

char* subfieldValueSummary(const SubfieldValue* table, size_t count, char* buffer,
                           size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (!subfield || !subfield->data)
        return buffer;
    const SubfieldValue* row = findSubfieldValue(table, count, subfield->type);
    if (!row)
        return binary(buffer, capacity, subfield);
    const uint8_t* d = subfield->data;
    const uint64_t size = subfield->size;
    switch (row->kind) {
        case SubfieldKind::Value:
            if (size * 8 >= static_cast<uint64_t>(row->width + row->shift))
                out.printf("%s:%.*f%s", row->label, row->decimals, subfieldNumber(*row, subfield),
                           row->unit);
            break;
        case SubfieldKind::Octal:
            if (size >= 2)
                out.printf("%s:%04o", row->label, lowBits(subfield) & 07777);
            break;
        case SubfieldKind::Address:
            if (size == 3)
                out.printf("ADDR:%06X", b::octets(d, 1, 3));
            break;
        case SubfieldKind::Callsign:
            if (size == 6) {
                char callsign[9];
                decodeCallsign(d, callsign);
                out.printf("ACID:%s", callsign);
            }
            break;
        case SubfieldKind::Text: {
            char text[16] = {};
            const size_t n = static_cast<size_t>(std::min<uint64_t>(size, sizeof text - 1));
            for (size_t i = 0; i < n; ++i)
                text[i] = d[i] > 0x20 && d[i] < 0x7F ? static_cast<char>(d[i]) : ' ';
            size_t end = n;
            while (end > 0 && text[end - 1] == ' ')
                text[--end] = '\0';
            out.printf("%s:%s", row->label, text);
            break;
        }
        case SubfieldKind::DataSource:
            if (size == 2)
                out.printf("SAC:%03d SIC:%03d", d[0], d[1]);
            break;
        case SubfieldKind::Polar:
            if (size == 4)
                out.printf("RHO:%.2f THETA:%.2f", b::octets(d, 1, 2) / 256.0,
                           b::octets(d, 3, 2) * 360.0 / 65536.0);
            break;
        case SubfieldKind::Position:
            if (size == 6) {
                char position[32];
                ast_wgs84_to_str(position, sizeof position,
                                 b::signExtend(b::octets(d, 1, 3), 24) * 180.0 / 8388608.0,
                                 b::signExtend(b::octets(d, 4, 3), 24) * 180.0 / 8388608.0);
                out.printf("WGS84:%s", position);
            }
            break;
        case SubfieldKind::Repetition:
            if (size >= 1)
                out.printf("%s:%u", row->label, d[0]);
            break;
    }
    return buffer;
}

char* subfieldValueDetail(const SubfieldValue* table, size_t count, char* buffer, size_t capacity,
                          const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (!subfield || !subfield->data)
        return buffer;
    char summary[128];
    subfieldValueSummary(table, count, summary, sizeof summary, subfield);
    html::FieldRow rows[1];
    html::setRow(rows[0], ast_subfield_get_id(subfield->type), "%s", summary);
    return html::fieldTable(buffer, capacity, ast_subfield_get_name(subfield->type), rows);
}

}  // namespace ast
