// CAT240, Radar Video Transmission: the standard UAP, the item descriptors, the decoded forms of
// the video headers, resolution and counters with their summaries and detail views, and the
// record getters. The video-cell decoder is in cat240_video.cpp. UAP and layouts from the
// EUROCONTROL ASTERIX definition of CAT240.

#include <cstdio>

#include "Bits.h"
#include "CodeTable.h"
#include "Descriptors.h"
#include "Html.h"
#include "RecordGetters.h"

namespace ast {
namespace {

namespace b = ast::bits;
namespace html = ast::html;

constexpr ast_dataitem_type_t T(uint32_t item) {
    return 240 * 1000 + item;
}

// The profile has no FRN count (max_frn 0 for this category), only this table.
const ast_dataitem_type_t STANDARD_UAP[] = {T(10), T(0),  T(20), T(30),  T(40),  T(41),  T(48),
                                            T(49), T(50), T(51), T(52), T(140), T(998), T(999)};

const CodeText MESSAGE_TYPES[] = {
    {1, "MSG_TYPE:VIDEO_SUMMARY"},
    {2, "MSG_TYPE:VIDEO_MESSAGE"},
};

constexpr double SPEED_OF_LIGHT = 299792458.0;  // m/s
constexpr uint32_t SUMMARY_CHARACTERS = 32;

#define NAME ast_dataitem_240_get_name
#define DESC(size, summary, detail, encode) \
    { size, &NAME, summary, detail, encode }
#define FIXED(n) &ast_dataitem_get_size_fixed_##n##_byte
#define TEXTED(size, n)                                                                      \
    {                                                                                        \
        size, &NAME, &ast_dataitem_240_##n##_get_summary, &ast_dataitem_240_##n##_get_detail_html, \
            nullptr                                                                          \
    }
#define VIDEO(size)                                                                              \
    DESC(size, &ast_dataitem_240_video_get_summary, &ast_dataitem_240_video_get_detail_html, \
         nullptr)

// Sorted by item number.
const ItemEntry ITEMS[] = {
    {0, "Message Type",
     DESC(FIXED(1), &ast_dataitem_240_000_get_summary, nullptr,
          &ast_dataitem_message_type_encode)},
    {10, "Data Source Identifier", AST_DESC_DATA_SOURCE(NAME)},
    {20, "Video Record Header", DESC(FIXED(4), &ast_dataitem_240_020_get_summary, nullptr, nullptr)},
    {30, "Video Summary", TEXTED(&ast_dataitem_get_size_rep_1_byte, 030)},
    {40, "Video Header Nano", TEXTED(FIXED(12), 040)},
    {41, "Video Header Femto", TEXTED(FIXED(12), 040)},
    {48, "Video Cells Resolution & Data Compression Indicator", TEXTED(FIXED(2), 048)},
    {49, "Video Octets & Video Cells Counters", TEXTED(FIXED(5), 049)},
    {50, "Video Block Low Data Volume", VIDEO(&ast_dataitem_get_size_rep_4_byte)},
    {51, "Video Block Medium Data Volume", VIDEO(&ast_dataitem_get_size_rep_64_byte)},
    {52, "Video Block High Data Volume", VIDEO(&ast_dataitem_get_size_rep_256_byte)},
    {140, "Time of Day", AST_DESC_TIME_OF_DAY(NAME)},
    {998, "Unknown CAT240 Dataitem", AST_DESC_RESERVED_EXPANSION(NAME)},
    {999, "Unknown CAT240 Dataitem", AST_DESC_SPECIAL_PURPOSE(NAME)},
};

#undef VIDEO
#undef TEXTED
#undef FIXED
#undef DESC
#undef NAME

bool isVideoBlock(const ast_dataitem_t* item) {
    return item && item->ok && item->data && item->size >= 1 &&
           (item->type == 240050 || item->type == 240051 || item->type == 240052);
}

}  // namespace

const CategoryUnit CAT240_UNIT = {240,
                                  STANDARD_UAP,
                                  sizeof STANDARD_UAP / sizeof STANDARD_UAP[0],
                                  0,
                                  "UAP CAT240",
                                  ITEMS,
                                  sizeof ITEMS / sizeof ITEMS[0],
                                  nullptr,
                                  0,
                                  nullptr};

}  // namespace ast

using namespace ast;

extern "C" {

char* ast_dataitem_240_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return codeSummary(buffer, capacity, item, 240000, MESSAGE_TYPES, "MSG_TYPE:UNDEFINED");
}

char* ast_dataitem_240_020_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (sized(item, 4, 240020))
        out.printf("MSG_INDEX:%u", b::octets(item->data, 1, 4));
    return buffer;
}

// ---- I240/030 video summary ----------------------------------------------------------------

char* ast_dataitem_240_030_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data || item->type != 240030 || item->size < 1 ||
        item->size != 1u + item->data[0])
        return buffer;
    const uint32_t count = item->data[0];
    char text[SUMMARY_CHARACTERS + 1] = {};
    for (uint32_t i = 0; i < count && i < SUMMARY_CHARACTERS; ++i) {
        const uint8_t c = item->data[1 + i];
        text[i] = c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '.';
    }
    if (count > SUMMARY_CHARACTERS)
        out.printf("SUM:%s...[%u]", text, count);
    else
        out.printf("SUM:%s", text);
    return buffer;
}

char* ast_dataitem_240_030_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data || item->type != 240030 || item->size < 1 ||
        item->size != 1u + item->data[0])
        return buffer;
    html::heading(out, "Video Summary");
    out.append("<p>");
    for (uint64_t i = 1; i < item->size; ++i) {
        const uint8_t c = item->data[i];
        if (c == '<')
            out.append("&lt;");
        else if (c == '>')
            out.append("&gt;");
        else if (c == '&')
            out.append("&amp;");
        else
            out.printf("%c", c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '.');
    }
    out.append("</p>");
    return buffer;
}

// ---- I240/040 and I240/041 video headers ---------------------------------------------------

ast_dataitem_240_040_t ast_dataitem_240_040_decode(const ast_dataitem_t* item) {
    ast_dataitem_240_040_t f = {};
    if (!sized(item, 12) || (item->type != 240040 && item->type != 240041))
        return f;
    const uint8_t* d = item->data;
    f.present = 1;
    f.start_az_raw = b::octets(d, 1, 2);
    f.end_az_raw = b::octets(d, 3, 2);
    f.start_az = f.start_az_raw * 360.0 / 65536.0;
    f.end_az = f.end_az_raw * 360.0 / 65536.0;
    f.start_rg = b::octets(d, 5, 4);
    f.cell_dur = b::octets(d, 9, 4);
    f.cell_duration = f.cell_dur * (item->type == 240040 ? 1e-9 : 1e-15);
    return f;
}

char* ast_dataitem_240_040_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_240_040_t f = ast_dataitem_240_040_decode(item);
    if (f.present)
        out.printf("AZ:%.2f-%.2f RG:%.2f", f.start_az, f.end_az,
                   f.start_rg * f.cell_duration * SPEED_OF_LIGHT * 0.5);
    return buffer;
}

char* ast_dataitem_240_040_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_240_040_t f = ast_dataitem_240_040_decode(item);
    if (!f.present)
        return Text(buffer, capacity).buffer();
    html::FieldRow rows[5];
    html::setRow(rows[0], "START_AZ (Start Azimuth)", "%.4f deg", f.start_az);
    html::setRow(rows[1], "END_AZ (End Azimuth)", "%.4f deg", f.end_az);
    html::setRow(rows[2], "START_RG (Starting Range)", "%u cells", f.start_rg);
    html::setRow(rows[3], "CELL_DUR (Cell Duration)", "%u %s", f.cell_dur,
                 item->type == 240040 ? "ns" : "fs");
    html::setRow(rows[4], "Range of the First Cell", "%.2f m",
                 f.start_rg * f.cell_duration * SPEED_OF_LIGHT * 0.5);
    return html::fieldTable(buffer, capacity, ast_dataitem_get_name(item->type), rows);
}

// ---- I240/048 resolution, I240/049 counters ---------------------------------------------------

ast_dataitem_240_048_t ast_dataitem_240_048_decode(const ast_dataitem_t* item) {
    ast_dataitem_240_048_t f = {};
    if (!sized(item, 2, 240048))
        return f;
    f.present = 1;
    f.compression = b::bit(item->data, 1, 8);
    f.res = item->data[1];
    f.bits = f.res >= 1 && f.res <= 6 ? 1u << (f.res - 1) : 0;
    return f;
}

char* ast_dataitem_240_048_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_240_048_t f = ast_dataitem_240_048_decode(item);
    if (f.present)
        out.printf("RES:%u-BITS", f.bits);
    return buffer;
}

char* ast_dataitem_240_048_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_240_048_t f = ast_dataitem_240_048_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "C (Data Compression)", "%s", html::yesNo(f.compression));
    html::setRow(rows[1], "RES (Bit Resolution)", "%u bits (code %u)", f.bits, f.res);
    return html::fieldTable(buffer, capacity, "Video Cells Resolution & Data Compression Indicator",
                            rows);
}

ast_dataitem_240_049_t ast_dataitem_240_049_decode(const ast_dataitem_t* item) {
    ast_dataitem_240_049_t f = {};
    if (!sized(item, 5, 240049))
        return f;
    f.present = 1;
    f.nb_vb = b::octets(item->data, 1, 2);
    f.nb_cells = b::octets(item->data, 3, 3);
    return f;
}

char* ast_dataitem_240_049_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_240_049_t f = ast_dataitem_240_049_decode(item);
    if (f.present)
        out.printf("OCTET:%u CELL:%u", f.nb_vb, f.nb_cells);
    return buffer;
}

char* ast_dataitem_240_049_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    const ast_dataitem_240_049_t f = ast_dataitem_240_049_decode(item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "NB_VB (Valid Octets)", "%u", f.nb_vb);
    html::setRow(rows[1], "NB_CELLS (Valid Cells)", "%u", f.nb_cells);
    return html::fieldTable(buffer, capacity, "Video Octets & Video Cells Counters", rows);
}

// ---- I240/050, 051, 052 video blocks -----------------------------------------------------

char* ast_dataitem_240_video_get_summary(char* buffer, size_t capacity,
                                         const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (isVideoBlock(item))
        out.printf("OCTET:%zu", static_cast<size_t>(item->size - 1));
    return buffer;
}

char* ast_dataitem_240_video_get_detail_html(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!isVideoBlock(item))
        return buffer;
    html::paragraph(out, "%zu video octets.", static_cast<size_t>(item->size - 1));
    html::hexTable(out, item->data + 1, item->size - 1);
    return buffer;
}

const char* ast_dataitem_240_get_name(ast_dataitem_type_t type) {
    const char* name = ast::unitItemName(ast::CAT240_UNIT, type);
    return name ? name : "Unknown CAT240 Dataitem";
}

// ---- record getters ----------------------------------------------------------------------

ast_record_sacsic_t ast_datarecord_240_get_sacsic(const ast_datarecord_t* record) {
    return ast::sacsicFrom(record, 240, 240010);
}

ast_record_timeofday_t ast_datarecord_240_get_timeofday(const ast_datarecord_t* record) {
    return ast::timeOfDayFrom(record, 240, 240140);
}

ast_record_msgtype_t ast_datarecord_240_get_msgtype(const ast_datarecord_t* record) {
    ast_record_msgtype_t result = {};
    const ast_one_octet_t f =
        ast::decodedItem(record, 240, 240000, &ast_dataitem_message_type_decode);
    if (f.present)
        result = ast_record_msgtype_t{1, f.value};
    return result;
}

}  // extern "C"
