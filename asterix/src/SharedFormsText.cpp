// Summaries and detail views of the decoded forms that many categories share.

#include <cmath>
#include <cstdio>
#include <cstring>

#include "Bits.h"
#include "DetailCallbacks.h"
#include "Html.h"
#include "ItemCodec.h"

namespace {

using ast::sized;
using ast::Text;
namespace bits = ast::bits;
namespace html = ast::html;

// Degrees, minutes and rounded seconds of an angle's magnitude.
void dms(double angle, int& degrees, int& minutes, int& seconds) {
    double value = std::fabs(angle);
    degrees = static_cast<int>(value);
    value = (value - degrees) * 60.0;
    minutes = static_cast<int>(value);
    seconds = static_cast<int>(std::lround((value - minutes) * 60.0));
    if (seconds >= 60) {
        seconds -= 60;
        if (++minutes >= 60) {
            minutes -= 60;
            ++degrees;
        }
    }
}

// The V and G bits of a Mode 3/A or Mode C code, as the summaries flag them.
void appendCodeFlags(Text& out, bool notValidated, bool garbled) {
    if (notValidated)
        out.append(" NOT_VALIDATED");
    if (garbled)
        out.append(" GARBLED");
}

}  // namespace

extern "C" {

// ---- data source identifier ------------------------------------------------------------------

char* ast_dataitem_data_source_get_summary(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_data_source_t form = ast_dataitem_data_source_decode(item);
    out.append("SAC:");
    out.appendDecimal(static_cast<int>(form.sac), 3);
    out.append(" SIC:");
    out.appendDecimal(static_cast<int>(form.sic), 3);
    return buffer;
}

char* ast_dataitem_data_source_get_detail_html(char* buffer, size_t capacity,
                                               const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_data_source_t form = ast_dataitem_data_source_decode(item);
    if (!form.present)
        return buffer;
    char hex[8], dec[8], region[96] = "Unknown Region", country[96] = "Unknown Country";
    ast_sac_info_t info = {};
    if (ast::callbacks::sacInfo() && ast::callbacks::sacInfo()(form.sac, &info)) {
        info.region_name[sizeof info.region_name - 1] =
            info.region_code[sizeof info.region_code - 1] = '\0';
        info.country_name[sizeof info.country_name - 1] =
            info.country_code[sizeof info.country_code - 1] = '\0';
        std::snprintf(region, sizeof region, "%s [%s]", info.region_name, info.region_code);
        std::snprintf(country, sizeof country, "%s [%s]", info.country_name, info.country_code);
    }
    html::heading(out, "System Area Code (SAC)");
    html::tableBegin(out);
    html::headerRow(out, "Octet", "Name", "Hex", "Dec", "Region", "Country", html::END_OF_ROW);
    std::snprintf(hex, sizeof hex, "0x%.2X", form.sac);
    std::snprintf(dec, sizeof dec, "%03d", static_cast<int>(form.sac));
    html::dataRow(out, "Octet[1]", "SAC", hex, dec, region, country, html::END_OF_ROW);
    html::tableEnd(out);

    html::heading(out, "System Identification Code (SIC)");
    html::tableBegin(out);
    html::headerRow(out, "Octet", "Name", "Hex", "Dec", "Country", "System", "Type", "Manufacturer",
                    "Model", "Description", html::END_OF_ROW);
    std::snprintf(hex, sizeof hex, "0x%.2X", form.sic);
    std::snprintf(dec, sizeof dec, "%03d", static_cast<int>(form.sic));
    ast_sensor_info_t sensor = {};
    if (ast::callbacks::sensor() && ast::callbacks::sensor()(form.sac, form.sic, &sensor)) {
        sensor.country[sizeof sensor.country - 1] = sensor.system[sizeof sensor.system - 1] = '\0';
        sensor.type[sizeof sensor.type - 1] = sensor.manufacturer[sizeof sensor.manufacturer - 1] =
            '\0';
        sensor.model[sizeof sensor.model - 1] = sensor.description[sizeof sensor.description - 1] =
            '\0';
        html::dataRow(out, "Octet[2]", "SIC", hex, dec, sensor.country, sensor.system, sensor.type,
                      sensor.manufacturer, sensor.model, sensor.description, html::END_OF_ROW);
    } else {
        html::dataRow(out, "Octet[2]", "SIC", hex, dec, "Unknown System", "", "", "", "", "",
                      html::END_OF_ROW);
    }
    html::tableEnd(out);
    return buffer;
}

// ---- time of day -----------------------------------------------------------------------------

char* ast_dataitem_time_of_day_get_summary(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_time_of_day_t t = ast_dataitem_time_of_day_decode(item);
    out.append("TOD:");
    out.appendDecimal(static_cast<int>(t.hours), 2);
    out.append(':');
    out.appendDecimal(static_cast<int>(t.minutes), 2);
    out.append(':');
    out.appendDecimal(static_cast<int>(t.seconds), 2);
    out.append('.');
    out.appendDecimal(static_cast<int>(t.milliseconds), 3);
    return buffer;
}

char* ast_dataitem_time_of_day_get_detail_html(char* buffer, size_t capacity,
                                               const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_time_of_day_t t = ast_dataitem_time_of_day_decode(item);
    if (!t.present)
        return buffer;
    html::heading(out, "Time of Day");
    html::paragraph(out, "%02d:%02d:%02d.%03d UTC (%.4f s, raw %u in 1/128 s)",
                    static_cast<int>(t.hours), static_cast<int>(t.minutes),
                    static_cast<int>(t.seconds), static_cast<int>(t.milliseconds), t.raw / 128.0,
                    t.raw);
    return buffer;
}

// ---- time of day, high precision -------------------------------------------------------------

char* ast_dataitem_time_of_day_hp_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_time_of_day_hp_t t = ast_dataitem_time_of_day_hp_decode(item);
    out.append("FSI:");
    out.appendDecimal(static_cast<int>(t.fsi));
    out.append(" TOMR:");
    out.appendFixed(t.seconds, 6);
    return buffer;
}

char* ast_dataitem_time_of_day_hp_get_detail_html(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_time_of_day_hp_t t = ast_dataitem_time_of_day_hp_decode(item);
    if (!t.present)
        return buffer;
    html::heading(out, "Time of Message Reception - High Precision");
    html::paragraph(out, "Full Second Indication: %d, fractional part: %.9f s",
                    static_cast<int>(t.fsi), t.seconds);
    return buffer;
}

// ---- Mode 3/A code ---------------------------------------------------------------------------

char* ast_dataitem_mode_3a_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_3a_t m = ast_dataitem_mode_3a_decode(item);
    // Bit L means "changed" in a system track (I062/060) and "smoothed" in radar data.
    const char* lText = item && item->type == 62060 ? " CHANGED" : " SMOOTHED";
    out.append("MODE_3/A:");
    out.appendOctal(static_cast<unsigned>(m.code), 4);
    appendCodeFlags(out, m.present && !m.validated, m.garbled);
    if (m.changed)
        out.append(lText);
    return buffer;
}

char* ast_dataitem_mode_3a_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_3a_t m = ast_dataitem_mode_3a_decode(item);
    if (!m.present)
        return buffer;
    html::heading(out, "Mode-3/A Code %04o", static_cast<unsigned>(m.code));
    html::tableBegin(out);
    html::headerRow(out, "Bit", "Name", "Value", html::END_OF_ROW);
    html::dataRow(out, "V", "Validated", m.validated ? "Yes" : "No", html::END_OF_ROW);
    html::dataRow(out, "G", "Garbled", m.garbled ? "Yes" : "No", html::END_OF_ROW);
    html::dataRow(out, "L", "Changed", m.changed ? "Yes" : "No", html::END_OF_ROW);
    html::tableEnd(out);
    return buffer;
}

// ---- Mode C code -----------------------------------------------------------------------------

// The value is shown as the code itself, in quarter flight levels.
char* ast_dataitem_mode_c_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_c_t m = ast_dataitem_mode_c_decode(item);
    out.append("MODE_C:");
    out.appendDecimal(static_cast<int>(m.code), 4);
    appendCodeFlags(out, m.present && !m.validated, m.garbled);
    return buffer;
}

char* ast_dataitem_mode_c_get_detail_html(char* buffer, size_t capacity,
                                          const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_c_t m = ast_dataitem_mode_c_decode(item);
    if (!m.present)
        return buffer;
    html::heading(out, "Flight Level %.2f", m.code / 4.0);
    html::paragraph(out, "Validated: %s, Garbled: %s", m.validated ? "Yes" : "No",
                    m.garbled ? "Yes" : "No");
    return buffer;
}

// ---- track number ----------------------------------------------------------------------------

char* ast_dataitem_track_number_get_summary(char* buffer, size_t capacity,
                                            const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("TRACK_NUM:");
    out.appendDecimal(static_cast<int>(ast_dataitem_track_number_decode(item).number), 4);
    return buffer;
}

// ---- target address --------------------------------------------------------------------------

char* ast_dataitem_target_address_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("ADDR:");
    out.appendHex(ast_dataitem_target_address_decode(item).address, 6);
    return buffer;
}

char* ast_dataitem_target_address_get_detail_html(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_target_address_t a = ast_dataitem_target_address_decode(item);
    if (!a.present)
        return buffer;
    html::heading(out, "ICAO 24-bit Address %.6X", a.address);
    ast_country_t country = {};
    if (ast::callbacks::addressCountry() && ast::callbacks::addressCountry()(a.address, &country) &&
        country.valid) {
        html::paragraph(out, "Country: %s [%s]", country.name ? country.name : "",
                        country.iso_code_2 ? country.iso_code_2 : "");
        char flag[512];
        if (ast::callbacks::nationalFlag() &&
            ast::callbacks::nationalFlag()(&country, flag, sizeof flag)) {
            flag[sizeof flag - 1] = '\0';
            out.printf("<img src=\"%s\" />", flag);
        }
    } else {
        html::paragraph(out, "Country: Unknown Country");
    }
    return buffer;
}

// ---- aircraft and target identification --------------------------------------------------------

char* ast_dataitem_aircraft_id_get_summary(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("ACID:");
    out.append(ast_dataitem_aircraft_id_decode(item).callsign);
    return buffer;
}

char* ast_dataitem_aircraft_id_get_detail_html(char* buffer, size_t capacity,
                                               const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_aircraft_id_t a = ast_dataitem_aircraft_id_decode(item);
    if (!a.present)
        return buffer;
    html::heading(out, "Aircraft Identification");
    html::tableBegin(out);
    html::headerRow(out, "Characters", html::END_OF_ROW);
    html::dataRow(out, a.callsign, html::END_OF_ROW);
    html::tableEnd(out);
    return buffer;
}

char* ast_dataitem_target_id_get_summary(char* buffer, size_t capacity,
                                         const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_target_id_t t = ast_dataitem_target_id_decode(item);
    switch (t.sti) {
        case 0:
            out.append("CALLSIGN:");
            out.append(t.callsign);
            break;
        case 1:
            out.append("REGISTRATION:");
            out.append(t.callsign);
            break;
        case 2:
            out.append("TARGET_ID:");
            out.append(t.callsign);
            break;
        default:
            out.append("TARGET_ID:UNDIFINED");
            break;
    }
    return buffer;
}

// ---- WGS-84 positions ------------------------------------------------------------------------

char* ast_wgs84_to_str(char* buffer, size_t capacity, double latitude, double longitude) {
    Text out(buffer, capacity);
    int latD, latM, latS, lonD, lonM, lonS;
    dms(latitude, latD, latM, latS);
    dms(longitude, lonD, lonM, lonS);
    out.appendDecimal(latD, 2);
    out.appendDecimal(latM, 2);
    out.appendDecimal(latS, 2);
    out.append(latitude > 0 ? 'N' : 'S');
    out.appendDecimal(lonD, 3);
    out.appendDecimal(lonM, 2);
    out.appendDecimal(lonS, 2);
    out.append(longitude > 0 ? 'E' : 'W');
    return buffer;
}

static ast_wgs84_position_t anyWgs84(const ast_dataitem_t* item) {
    return item && item->size == 6 ? ast_dataitem_wgs84_low_decode(item)
                                   : ast_dataitem_wgs84_decode(item);
}

char* ast_dataitem_wgs84_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_wgs84_position_t p = anyWgs84(item);
    char text[32];
    out.append("WGS84:");
    out.append(ast_wgs84_to_str(text, sizeof text, p.latitude, p.longitude));
    return buffer;
}

char* ast_dataitem_wgs84_get_detail_html(char* buffer, size_t capacity,
                                         const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_wgs84_position_t p = anyWgs84(item);
    if (!p.present)
        return buffer;
    char text[32];
    out.printf("<h4>Location %s</h4>",
               ast_wgs84_to_str(text, sizeof text, p.latitude, p.longitude));
    if (ast::callbacks::mapUrl()) {
        char near[512], far[512];
        near[0] = far[0] = '\0';
        const bool haveNear =
            ast::callbacks::mapUrl()(near, sizeof near, 600, 400, 1, p.latitude, p.longitude);
        const bool haveFar =
            ast::callbacks::mapUrl()(far, sizeof far, 600, 400, 0, p.latitude, p.longitude);
        near[sizeof near - 1] = far[sizeof far - 1] = '\0';
        if (haveNear || haveFar)
            out.printf("<img src=\"%s\" /><br/><br/><img src=\"%s\" />", near, far);
    }
    return buffer;
}

// ---- Cartesian position and velocity -----------------------------------------------------------

char* ast_dataitem_cartesian_position_get_summary(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_cartesian_position_t p = ast_dataitem_cartesian_position_decode(item);
    out.append("X:");
    out.appendFixed(p.x, 1);
    out.append(" Y:");
    out.appendFixed(p.y, 1);
    out.append(" LSB:M");
    return buffer;
}

char* ast_dataitem_cartesian_velocity_get_summary(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_cartesian_velocity_t v = ast_dataitem_cartesian_velocity_decode(item);
    out.append("VX:");
    out.appendFixed(v.vx, 2);
    out.append(" VY:");
    out.appendFixed(v.vy, 2);
    out.append(" LSB:M/S");
    return buffer;
}

// ---- polar velocity --------------------------------------------------------------------------

char* ast_dataitem_polar_velocity_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_polar_velocity_t v = ast_dataitem_polar_velocity_decode(item);
    out.append("SPD:");
    out.appendFixed(v.speed, 2);
    out.append(" HDG:");
    out.appendFixed(v.heading, 2);
    return buffer;
}

// ---- vertical rate, height, sector -------------------------------------------------------------

char* ast_dataitem_vertical_rate_get_summary(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("VR:");
    out.appendFixed(ast_dataitem_vertical_rate_decode(item).rate, 2);
    out.append("FT/M");
    return buffer;
}

char* ast_dataitem_vertical_rate_get_detail_html(char* buffer, size_t capacity,
                                                 const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_vertical_rate_t v = ast_dataitem_vertical_rate_decode(item);
    if (!v.present)
        return buffer;
    html::heading(out, "Vertical Rate %.2f ft/min", v.rate);
    html::paragraph(out, "Range Exceeded: %s", v.range_exceeded ? "Yes" : "No");
    return buffer;
}

char* ast_dataitem_height_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("H:");
    out.appendFixed(ast_dataitem_height_decode(item).raw * 6.25, 2);
    out.append(" LSB:FT");
    return buffer;
}

char* ast_dataitem_sector_number_get_summary(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("SECTOR:");
    out.appendDecimal(static_cast<int>(ast_dataitem_sector_number_decode(item).azimuth), 3);
    out.append("DEG");
    return buffer;
}

// ---- one-octet values --------------------------------------------------------------------------

char* ast_dataitem_service_id_get_summary(char* buffer, size_t capacity,
                                          const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("SVC_ID:");
    out.appendDecimal(static_cast<int>(ast_dataitem_service_id_decode(item).value), 3);
    return buffer;
}

char* ast_dataitem_signal_amplitude_get_summary(char* buffer, size_t capacity,
                                                const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("AMP:");
    out.appendDecimal(static_cast<int>(ast_dataitem_service_id_decode(item).value));
    return buffer;
}

// ---- Mode S MB data ----------------------------------------------------------------------------

char* ast_dataitem_mb_data_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mb_data_t mb = ast_dataitem_mb_data_decode(item);
    out.append("BDS:");
    for (uint32_t i = 0; i < mb.count; ++i) {
        out.appendHex(mb.elements[i].bds1);
        out.appendHex(mb.elements[i].bds2);
        out.append(' ');
    }
    return buffer;
}

// Each register under its name, with its fields where the library knows its layout.
char* ast_dataitem_mb_data_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mb_data_t mb = ast_dataitem_mb_data_decode(item);
    for (uint32_t i = 0; i < mb.count; ++i) {
        const ast_mb_data_element_t& e = mb.elements[i];
        const uint32_t code = e.bds1 << 4 | e.bds2;
        html::heading(out, "%s %s", ast_bds_type_to_str(code), ast_bds_get_name(code));
        html::paragraph(out, "MB: %.2X %.2X %.2X %.2X %.2X %.2X %.2X", e.mb[0], e.mb[1], e.mb[2],
                        e.mb[3], e.mb[4], e.mb[5], e.mb[6]);
        const ast_dataitem_t bds = ast_bds_decode(item->data + 1 + i * 8, 7, code);
        ast_bds_get_detail_html(out.remaining(), out.remainingCapacity(), &bds);
        out.advanceOver();
    }
    return buffer;
}

// ---- code confidence, binary, REF, SPF ---------------------------------------------------------

static void qualityBits(uint32_t value, char* out) {
    for (int b = 0; b < 12; ++b)
        out[b] = (value & (0x800u >> b)) ? '1' : '0';
    out[12] = '\0';
}

char* ast_dataitem_mode_3a_confidence_get_summary(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_3a_confidence_t f = ast_dataitem_mode_3a_confidence_decode(item);
    if (!f.present)
        return ast::writeNotImplemented(buffer, capacity);
    char quality[13];
    qualityBits(f.quality, quality);
    out.append("QTY:");
    out.append(quality);
    return buffer;
}

char* ast_dataitem_mode_c_confidence_get_summary(char* buffer, size_t capacity,
                                                 const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_c_confidence_t f = ast_dataitem_mode_c_confidence_decode(item);
    if (!f.present)
        return ast::writeNotImplemented(buffer, capacity);
    char quality[13];
    qualityBits(f.quality, quality);
    out.append("CODE:");
    out.appendOctal(f.gray, 4);
    out.append(" QTY:");
    out.append(quality);
    appendCodeFlags(out, !f.validated, f.garbled);
    return buffer;
}

// One row per reply pulse, A4 to D1, with its confidence.
static void pulseQualityTable(Text& out, uint32_t quality) {
    static const char* const PULSES[] = {"QA4", "QA2", "QA1", "QB4", "QB2", "QB1",
                                         "QC4", "QC2", "QC1", "QD4", "QD2", "QD1"};
    html::tableBegin(out);
    html::headerRow(out, "Pulse", "Quality", html::END_OF_ROW);
    for (int i = 0; i < 12; ++i)
        html::dataRow(out, PULSES[i], (quality & (0x800u >> i)) ? "Low" : "High", html::END_OF_ROW);
    html::tableEnd(out);
}

char* ast_dataitem_mode_3a_confidence_get_detail_html(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_3a_confidence_t f = ast_dataitem_mode_3a_confidence_decode(item);
    if (!f.present)
        return buffer;
    html::heading(out, "Mode-3/A Code Confidence");
    pulseQualityTable(out, f.quality);
    return buffer;
}

char* ast_dataitem_mode_c_confidence_get_detail_html(char* buffer, size_t capacity,
                                                     const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_c_confidence_t f = ast_dataitem_mode_c_confidence_decode(item);
    if (!f.present)
        return buffer;
    html::heading(out, "Mode-C Code %.4o (Gray notation)", f.gray);
    html::paragraph(out, "Validated: %s, Garbled: %s", html::yesNo(f.validated),
                    html::yesNo(f.garbled));
    pulseQualityTable(out, f.quality);
    return buffer;
}

char* ast_dataitem_polar_velocity_get_detail_html(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    const ast_polar_velocity_t v = ast_dataitem_polar_velocity_decode(item);
    if (!v.present)
        return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
    html::FieldRow rows[2];
    html::setRow(rows[0], "Ground Speed", "%.2f kt (raw %d x 2^-14 NM/s)", v.speed,
                 static_cast<int>(v.speed_raw));
    html::setRow(rows[1], "Heading", "%.2f deg (raw %d)", v.heading,
                 static_cast<int>(v.heading_raw));
    return html::fieldTable(buffer, capacity, "Calculated Track Velocity", rows);
}

char* ast_dataitem_sector_number_get_detail_html(char* buffer, size_t capacity,
                                                 const ast_dataitem_t* item) {
    const ast_sector_number_t s = ast_dataitem_sector_number_decode(item);
    if (!s.present)
        return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
    html::FieldRow rows[1];
    html::setRow(rows[0], "Sector Azimuth", "%.2f deg (raw %u of 256)", s.azimuth, s.raw);
    return html::fieldTable(buffer, capacity, "Sector Number", rows);
}

char* ast_dataitem_binary_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("BIN");
    if (!item || !item->ok || !item->data)
        return buffer;
    char octet[9];
    for (uint64_t i = 0; i < item->size; ++i) {
        ast::binaryOctet(item->data[i], octet);
        out.append(' ');
        out.append(octet, 8);
    }
    if (item->size > 0 && out.length() > 3)
        buffer[3] = ':';
    return buffer;
}

char* ast_dataitem_reserved_expansion_field_get_summary(char* buffer, size_t capacity,
                                                        const ast_dataitem_t*) {
    Text out(buffer, capacity);
    out.append("RESERVED_EXPANSION");
    return buffer;
}

char* ast_dataitem_special_purpose_field_get_summary(char* buffer, size_t capacity,
                                                     const ast_dataitem_t*) {
    Text out(buffer, capacity);
    out.append("SPECIAL_PURPOSE");
    return buffer;
}

}  // extern "C"
