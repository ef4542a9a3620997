// Bounded text writing and the HTML conventions of detail views.

#include <cstdio>
#include <cstring>

#include "Digits.h"
#include "Html.h"

namespace {

// Alternating row parity of detail tables, process-wide as the detail views expect.
bool g_evenRow = false;

}  // namespace

namespace ast {

// ---- bounded text ------------------------------------------------------------------------

void Text::append(const char* text, size_t length) {
    if (!_capacity)
        return;
    const size_t room = _capacity - 1 - _length;
    if (length > room)
        length = room;
    std::memcpy(_buffer + _length, text, length);
    _length += length;
    _buffer[_length] = '\0';
}

// Numbers go straight into the buffer when it has room for the longest, else through a copy
// that the bounds cut.
template <typename Write>
void Text::appendNumber(Write write) {
    if (!_capacity)
        return;
    if (_capacity - _length > digits::DIGITS_CAPACITY) {
        _length += write(_buffer + _length);
        _buffer[_length] = '\0';
        return;
    }
    char digits[digits::DIGITS_CAPACITY];
    append(digits, write(digits));
}

void Text::appendDecimal(long long value, unsigned width) {
    appendNumber([&](char* out) { return digits::decimal(out, value, width); });
}

void Text::appendHex(unsigned long long value, unsigned width) {
    appendNumber([&](char* out) { return digits::hex(out, value, width); });
}

void Text::appendOctal(unsigned long long value, unsigned width) {
    appendNumber([&](char* out) { return digits::octal(out, value, width); });
}

void Text::appendFixed(double value, unsigned decimals) {
    if (!digits::fixedByHand(value, decimals)) {
        printf("%.*f", static_cast<int>(decimals), value);
        return;
    }
    appendNumber([&](char* out) { return digits::fixed(out, value, decimals); });
}

void Text::vprintf(const char* format, va_list args) {
    if (!_capacity)
        return;
    const size_t room = _capacity - _length;
    const int written = std::vsnprintf(_buffer + _length, room, format, args);
    if (written > 0)
        _length += static_cast<size_t>(written) < room ? static_cast<size_t>(written) : room - 1;
}

void Text::printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
}

void Text::chop(size_t count) {
    if (!_capacity)
        return;
    _length = count < _length ? _length - count : 0;
    _buffer[_length] = '\0';
}

void Text::advanceOver() {
    if (!_capacity)
        return;
    _length += std::strlen(_buffer + _length);
}

char* writeNotImplemented(char* buffer, size_t capacity) {
    static const char NOT_IMPLEMENTED[] = "NOT_IMPLEMENTED";
    if (buffer && capacity >= sizeof NOT_IMPLEMENTED) {
        std::memcpy(buffer, NOT_IMPLEMENTED, sizeof NOT_IMPLEMENTED);  // every summary's start
        return buffer;
    }
    Text out(buffer, capacity);
    out.append(NOT_IMPLEMENTED, sizeof NOT_IMPLEMENTED - 1);
    return buffer;
}

void binaryOctet(uint8_t octet, char* out) {
    for (int b = 0; b < 8; ++b)
        out[b] = (octet & (0x80 >> b)) ? '1' : '0';
    out[8] = '\0';
}

// ---- HTML ----------------------------------------------------------------------------------

namespace html {

const char* const END_OF_ROW = "AST_HTML_TABLE_END_OF_ROW";

void paragraph(Text& out, const char* format, ...) {
    out.append("<p>");
    va_list args;
    va_start(args, format);
    out.vprintf(format, args);
    va_end(args);
    out.append("</p>");
}

void heading(Text& out, const char* format, ...) {
    out.append("<h4>");
    va_list args;
    va_start(args, format);
    out.vprintf(format, args);
    va_end(args);
    out.append("</h4>");
}

void tableBegin(Text& out) {
    out.append("<table class=\"detail_table\">");
}
void tableEnd(Text& out) {
    out.append("</table><br/>");
}

static void cells(Text& out, const char* cellFormat, const char* first, va_list args) {
    for (const char* cell = first; cell && std::strcmp(cell, END_OF_ROW) != 0;
         cell = va_arg(args, const char*))
        out.printf(cellFormat, cell);
}

void headerRow(Text& out, const char* first, ...) {
    g_evenRow = false;
    out.append("<tr>");
    va_list args;
    va_start(args, first);
    cells(out, "<th>%s</th>", first, args);
    va_end(args);
    out.append("</tr>");
}

void dataRow(Text& out, const char* first, ...) {
    out.append(g_evenRow ? "<tr class=\"even_row\">" : "<tr>");
    g_evenRow = !g_evenRow;
    va_list args;
    va_start(args, first);
    cells(out, "<td>%s</td>", first, args);
    va_end(args);
    out.append("</tr>");
}

void hexTable(Text& out, const uint8_t* data, uint64_t size) {
    out.append(
        "<table class=\"hex_table\"><tr><th colspan=8 align=\"left\">Octet 1</th>"
        "<th colspan=8 align=\"right\">Octet 16</th></tr>");
    const uint64_t rows = (size + 15) / 16;
    for (uint64_t row = 0; row < rows; ++row) {
        out.append("<tr>");
        for (uint64_t i = row * 16; i < row * 16 + 16; ++i) {
            if (i < size)
                out.printf("<td>%.2X</td>", data[i]);
            else
                out.append("<td>--</td>");
        }
        out.append("</tr>");
    }
    out.append("</table>");
}

void binTable(Text& out, const uint8_t* data, uint64_t size) {
    out.append("<table class=\"bin_table\">");
    for (uint64_t start = 0; start < size; start += 4) {
        out.append("<tr class=\"caption_row\">");
        for (uint64_t i = start; i < start + 4; ++i) {
            if (i < size)
                out.printf("<td colspan=8>Octet %zu - %.2X</td>", static_cast<size_t>(i + 1),
                           data[i]);
            else
                out.printf("<td colspan=8>Octet %zu - --</td>", static_cast<size_t>(i + 1));
        }
        out.append("</tr><tr class=\"data_row\">");
        for (uint64_t i = start; i < start + 4; ++i) {
            for (int b = 7; b >= 0; --b) {
                if (i < size)
                    out.printf("<td>%d</td>", (data[i] >> b) & 1);
                else
                    out.append("<td>-</td>");
            }
        }
        out.append("</tr>");
    }
    out.append("</table>");
}

void setRow(FieldRow& row, const char* name, const char* format, ...) {
    row.name = name;
    va_list args;
    va_start(args, format);
    std::vsnprintf(row.value, sizeof row.value, format, args);
    va_end(args);
}

char* fieldTable(char* buffer, size_t capacity, const char* title, const FieldRow* rows,
                 size_t count) {
    Text out(buffer, capacity);
    heading(out, "%s", title);
    tableBegin(out);
    headerRow(out, "Field", "Value", END_OF_ROW);
    for (size_t i = 0; i < count; ++i)
        dataRow(out, rows[i].name, rows[i].value, END_OF_ROW);
    tableEnd(out);
    return buffer;
}

}  // namespace html
}  // namespace ast
