// Summaries and detail views of the monoradar positions.

#include "Html.h"
#include "RadarForms.h"

namespace {

using ast::Text;
namespace html = ast::html;

constexpr double METRES_PER_NM = 1852.0;

}  // namespace

extern "C" {

char* ast_dataitem_polar_position_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_polar_position_t f = ast::polarPosition(item);
    out.append("RHO:");
    out.appendFixed(f.rho, 1);
    out.append(" THETA:");
    out.appendFixed(f.theta, 1);
    return buffer;
}

char* ast_dataitem_polar_position_get_detail_html(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    const ast_polar_position_t f = ast::polarPosition(item);
    if (!f.present)
        return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "RHO (Slant Range)", "%.4f NM (raw %u)", f.rho, f.rho_raw);
    html::setRow(rows[1], "THETA (Azimuth)", "%.4f deg (raw %u)", f.theta, f.theta_raw);
    return html::fieldTable(buffer, capacity, "Measured Position in Polar Co-ordinates", rows);
}

// The unit label says metres: the position, sent in fractions of a nautical mile, is shown in
// metres.
char* ast_dataitem_radar_cartesian_get_summary(char* buffer, size_t capacity,
                                               const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_radar_cartesian_t f = ast::radarCartesian(item);
    out.append("X:");
    out.appendFixed(f.x * METRES_PER_NM, 1);
    out.append(" Y:");
    out.appendFixed(f.y * METRES_PER_NM, 1);
    out.append(" LSB:M");
    return buffer;
}

char* ast_dataitem_radar_cartesian_get_detail_html(char* buffer, size_t capacity,
                                                   const ast_dataitem_t* item) {
    const ast_radar_cartesian_t f = ast::radarCartesian(item);
    if (!f.present)
        return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "X", "%.4f NM (%.1f m)", f.x, f.x * METRES_PER_NM);
    html::setRow(rows[1], "Y", "%.4f NM (%.1f m)", f.y, f.y * METRES_PER_NM);
    return html::fieldTable(buffer, capacity, "Calculated Position in Cartesian Co-ordinates",
                            rows);
}

}  // extern "C"
