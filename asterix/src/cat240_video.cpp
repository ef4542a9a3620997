// CAT240 video cells: the non-empty cells of a video block with their range, and their detail
// view.

#include <cstdio>
#include <initializer_list>

#include "Html.h"
#include "Log.h"
#include "RecordGetters.h"

namespace {

namespace html = ast::html;
using ast::Text;

constexpr double SPEED_OF_LIGHT = 299792458.0;  // m/s

const ast_dataitem_t* firstOf(const ast_datarecord_t* record, std::initializer_list<uint32_t> types) {
    for (uint32_t type : types)
        if (const ast_dataitem_t* item = ast::recordItem(record, 240, type))
            return item;
    return nullptr;
}

}  // namespace

extern "C" {

// A cell's range is the distance that its echo's round trip covers: (first cell + cell number
// - 1) cell durations at the speed of light, halved.
ast_video_cells_t ast_videocells_decode(const uint8_t* octets, uint64_t size, uint32_t resolution,
                                        uint32_t start_range, double cell_duration) {
    ast_video_cells_t result;
    result.ok = 0;
    result.bits = 0;
    result.count = 0;
    const uint32_t bits = resolution >= 1 && resolution <= 6 ? 1u << (resolution - 1) : 0;
    if (bits != 8) {
        if (bits != 0)
            ast::log(AST_LOG_CRITICAL, "Unsupported video resolution %d-bits.",
                     static_cast<int>(bits));
        return result;
    }
    result.bits = bits;
    for (uint64_t i = 0; octets && i < size; ++i) {
        if (octets[i] == 0)
            continue;
        if (result.count == AST_MAX_VIDEO_CELLS) {
            ast::log(AST_LOG_PANIC, "Number of videocells %d exceed limitation.",
                     static_cast<int>(result.count + 1));
            return result;
        }
        ast_video_cell_t& cell = result.cells[result.count++];
        cell.number = static_cast<uint32_t>(i + 1);
        cell.range =
            (static_cast<double>(start_range) + cell.number - 1) * cell_duration * SPEED_OF_LIGHT * 0.5;
        cell.amplitude = octets[i];
        ast::log(AST_LOG_INFO, "Cell ID=%u, Range=%.2f, Amp=%u.", cell.number, cell.range,
                 cell.amplitude);
    }
    result.ok = 1;
    return result;
}

void ast_datarecord_240_get_videocells(ast_video_cells_t* cells, const ast_datarecord_t* record) {
    if (!cells)
        return;
    cells->ok = 0;
    cells->bits = 0;
    cells->count = 0;
    const ast_dataitem_t* resolution = firstOf(record, {240048});
    const ast_dataitem_t* header = firstOf(record, {240040, 240041});
    const ast_dataitem_t* video = firstOf(record, {240050, 240051, 240052});
    if (!resolution || !header || !video || video->size < 1)
        return;
    const ast_dataitem_240_048_t res = ast_dataitem_240_048_decode(resolution);
    const ast_dataitem_240_040_t h = ast_dataitem_240_040_decode(header);
    if (!res.present || !h.present)
        return;
    *cells = ast_videocells_decode(video->data + 1, video->size - 1, res.res, h.start_rg,
                                   h.cell_duration);
}

char* ast_videocells_get_detail_html(char* buffer, size_t capacity,
                                     const ast_video_cells_t* cells) {
    Text out(buffer, capacity);
    if (!cells)
        return buffer;
    html::paragraph(out, "%d valid (non empty) video cells.", static_cast<int>(cells->count));
    html::paragraph(out, "Video resolution is %d-bits.", static_cast<int>(cells->bits));
    html::tableBegin(out);
    html::headerRow(out, "Number", "Range", "Amptitude Value", "Amptitude Relative",
                    html::END_OF_ROW);
    for (uint32_t i = 0; i < cells->count && i < AST_MAX_VIDEO_CELLS; ++i) {
        const ast_video_cell_t& cell = cells->cells[i];
        char number[16], range[32], value[16], relative[32];
        std::snprintf(number, sizeof number, "%u", cell.number);
        std::snprintf(range, sizeof range, "%.2f", cell.range);
        std::snprintf(value, sizeof value, "%u", cell.amplitude);
        if (cells->bits == 0)
            std::snprintf(relative, sizeof relative, "N/A");
        else
            std::snprintf(relative, sizeof relative, "%.2f%%",
                          cell.amplitude * 100.0 / static_cast<double>(uint64_t{1} << cells->bits));
        html::dataRow(out, number, range, value, relative, html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

}  // extern "C"
