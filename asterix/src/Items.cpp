// The decoded forms that many categories share (data source, time of day, Mode 3/A and Mode C
// codes, track number, target address and identification, positions, velocities, heights),
// with their encoders, summaries and detail views; the generic text services of items and
// subfields; the detail-view callbacks and the map-picture functions.

#include <cmath>
#include <cstdio>
#include <cstring>

#include "Bits.h"
#include "Frame.h"

namespace {

using ast::log;
using ast::Text;
namespace bits = ast::bits;
namespace html = ast::html;

ast_callback_sac_get_info_t g_sacInfo = nullptr;
ast_callback_sacsic_get_sensor_t g_sensor = nullptr;
ast_callback_get_national_flag_t g_flag = nullptr;
ast_callback_icao_addr_get_country_t g_addrCountry = nullptr;
ast_callback_get_map_url_t g_mapUrl = nullptr;

// True when the item is ok and exactly `size` octets long.
bool sized(const ast_dataitem_t* item, uint64_t size) {
    return item && item->ok && item->data && item->size == size;
}

// The decoded form behind an encoder's value, when its present flag is set.
template <typename T>
const T* formOf(const ast_dataitem_value_t* value) {
    if (!value || !value->value)
        return nullptr;
    const T* form = static_cast<const T*>(value->value);
    return form->present ? form : nullptr;
}

ast_dataitem_t failed(uint8_t* buffer, const ast_dataitem_value_t* value) {
    return ast_dataitem_t{buffer, 0, value ? value->type : 0, 0};
}

ast_dataitem_t written(uint8_t* buffer, uint64_t size, const ast_dataitem_value_t* value) {
    return ast_dataitem_t{buffer, size, value->type, 1};
}

// Common encoder entry: the form and room for `size` octets.
template <typename T>
const T* prepare(uint8_t* buffer, uint64_t capacity, const ast_dataitem_value_t* value,
                 uint64_t size) {
    if (!buffer || capacity < size)
        return nullptr;
    return formOf<T>(value);
}

// ICAO 6-bit character set (Annex 10 Vol IV, 3.1.2.9): A-Z 1-26, blank 32, digits 48-57.
char icaoChar(uint32_t code) {
    if (code >= 1 && code <= 26)
        return static_cast<char>('A' + code - 1);
    if (code == 32)
        return ' ';
    if (code >= 48 && code <= 57)
        return static_cast<char>(code);
    return '\0';
}

uint32_t icaoCode(char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<uint32_t>(c - 'A' + 1);
    if (c >= 'a' && c <= 'z')
        return static_cast<uint32_t>(c - 'a' + 1);
    if (c >= '0' && c <= '9')
        return static_cast<uint32_t>(c);
    if (c == ' ')
        return 32;
    return 0;
}

// Eight characters of 6 bits from the 48 bits at `data`.
void decodeCallsign(const uint8_t* data, char* out) {
    uint64_t word = 0;
    for (int i = 0; i < 6; ++i)
        word = (word << 8) | data[i];
    for (int i = 0; i < 8; ++i)
        out[i] = icaoChar(static_cast<uint32_t>(word >> (42 - 6 * i)) & 0x3F);
    out[8] = '\0';
}

// A shorter text is blank-padded to eight characters.
void encodeCallsign(const char* text, uint8_t* out) {
    uint64_t word = 0;
    bool ended = false;
    for (int i = 0; i < 8; ++i) {
        if (!ended && text[i] == '\0')
            ended = true;
        word = (word << 6) | (ended ? 32u : icaoCode(text[i]));
    }
    for (int i = 0; i < 6; ++i)
        out[i] = static_cast<uint8_t>(word >> (40 - 8 * i));
}

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

// Time of day in 1/128 s: one day of ticks.
constexpr uint64_t TICKS_PER_DAY = 86400u * 128u;

bool trackNumber16Bits(ast_dataitem_type_t type) {
    return type == 1161 || type == 4030 || type == 4035 || type == 62040;
}

double wgs84Scale(ast_dataitem_type_t type) {
    return type == 21131 ? 1073741824.0 : 33554432.0;
}

void binaryOctet(uint8_t octet, char* out) {
    for (int b = 0; b < 8; ++b)
        out[b] = (octet & (0x80 >> b)) ? '1' : '0';
    out[8] = '\0';
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

char* notImplemented(char* buffer, size_t capacity) {
    Text out(buffer, capacity);
    out.append("NOT_IMPLEMENTED");
    return buffer;
}

bool mapUrl(char* buffer, size_t capacity, const char* format, int width, int height, int zoom,
            double latitude, double longitude) {
    if (!buffer || capacity == 0)
        return false;
    const int level = zoom == 1 ? 12 : 4;
    const int written = std::snprintf(buffer, capacity, format, latitude, longitude, level, width,
                                      height, latitude, longitude);
    return written > 0;
}

}  // namespace

extern "C" {

// ---- generic text services -----------------------------------------------------------------

const char* ast_dataitem_get_name(ast_dataitem_type_t type) {
    const ast::ItemEntry* entry = ast::findItem(type);
    if (entry && entry->name)
        return entry->name;
    log(AST_LOG_WARNING, "Unknown dataitem name: %s.", ast_dataitem_type_to_str(type));
    return "";
}

char* ast_dataitem_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    notImplemented(buffer, capacity);
    if (!buffer || capacity == 0 || !item || !item->ok)
        return buffer;
    const ast_dataitem_desc_t desc = ast_dataitem_get_desc(item->type);
    if (desc.get_summary)
        desc.get_summary(buffer, capacity, item);
    return buffer;
}

char* ast_dataitem_get_detail_html(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!buffer || capacity == 0 || !item || !item->ok)
        return buffer;
    const ast_dataitem_desc_t desc = ast_dataitem_get_desc(item->type);
    if (desc.get_detail_html)
        desc.get_detail_html(buffer, capacity, item);
    return buffer;
}

char* ast_dataitem_get_detail_html_dummy(char* buffer, size_t capacity, const ast_dataitem_t*) {
    Text out(buffer, capacity);
    return buffer;
}

char* ast_bds_get_detail_html_dummy(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    return ast_dataitem_get_detail_html_dummy(buffer, capacity, item);
}

char* ast_dataitem_get_hex_str(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data)
        return buffer;
    for (uint64_t i = 0; i < item->size; ++i)
        out.printf("%.2X", item->data[i]);
    return buffer;
}

char* ast_dataitem_get_bin_str(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!item || !item->ok || !item->data)
        return buffer;
    char octet[9];
    for (uint64_t i = 0; i < item->size; ++i) {
        binaryOctet(item->data[i], octet);
        if (i == 0)
            out.append(octet);
        else
            out.printf(" %s", octet);
    }
    return buffer;
}

char* ast_dataitem_get_hex_html(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (item && item->ok && item->data)
        hexTable(out, item->data, item->size);
    return buffer;
}

char* ast_dataitem_get_bin_html(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (item && item->ok && item->data)
        binTable(out, item->data, item->size);
    return buffer;
}

char* ast_subfield_get_bin_html(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (subfield && subfield->present && subfield->data)
        binTable(out, subfield->data, subfield->size);
    return buffer;
}

char* ast_datarecord_get_hex_html(char* buffer, size_t capacity, const ast_datarecord_t* record) {
    Text out(buffer, capacity);
    if (record && record->ok && record->data)
        hexTable(out, record->data, record->length);
    return buffer;
}

// ---- subfields -----------------------------------------------------------------------------

const char* ast_subfield_get_id(uint32_t subfieldType) {
    const ast::SubfieldEntry* entry = ast::findSubfield(subfieldType);
    return entry && entry->desc.id ? entry->desc.id : "";
}

const char* ast_subfield_get_name(uint32_t subfieldType) {
    const ast::SubfieldEntry* entry = ast::findSubfield(subfieldType);
    return entry && entry->desc.name ? entry->desc.name : "";
}

char* ast_subfield_get_summary(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    notImplemented(buffer, capacity);
    if (!subfield)
        return buffer;
    const ast::SubfieldEntry* entry = ast::findSubfield(subfield->type);
    if (!entry || !entry->desc.get_summary) {
        log(AST_LOG_CRITICAL, "Unsupported Subfield type %d", static_cast<int>(subfield->type));
        return buffer;
    }
    if (subfield->present && subfield->data)
        entry->desc.get_summary(buffer, capacity, subfield);
    return buffer;
}

char* ast_subfield_get_detail_html(char* buffer, size_t capacity, const ast_subfield_t* subfield) {
    Text out(buffer, capacity);
    if (!subfield || !subfield->present || !subfield->data)
        return buffer;
    const ast::SubfieldEntry* entry = ast::findSubfield(subfield->type);
    if (entry && entry->desc.get_detail_html)
        entry->desc.get_detail_html(buffer, capacity, subfield);
    return buffer;
}

char* ast_dataitem_subfields_get_summary(char* buffer, size_t capacity,
                                         const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
    unsigned present = 0;
    for (uint64_t i = 0; i < compound.count; ++i)
        present += compound.subfields[i].present;
    out.printf("SUBFIELDS:%02u/%02u", present, static_cast<unsigned>(compound.count));
    return buffer;
}

char* ast_dataitem_subfields_get_detail_html(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
    char summary[256];
    for (uint64_t i = 0; i < compound.count; ++i) {
        const ast_subfield_t& subfield = compound.subfields[i];
        if (!subfield.present)
            continue;
        html::heading(out, "%s", ast_subfield_get_name(subfield.type));
        html::paragraph(out, "Size: %llu", static_cast<unsigned long long>(subfield.size));
        html::paragraph(out, "%s", ast_subfield_get_summary(summary, sizeof summary, &subfield));
        ast_subfield_get_detail_html(out.remaining(), out.remainingCapacity(), &subfield);
        out.advanceOver();
    }
    return buffer;
}

// ---- data source identifier ------------------------------------------------------------------

ast_data_source_t ast_dataitem_data_source_decode(const ast_dataitem_t* item) {
    ast_data_source_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.sac = item->data[0];
    form.sic = item->data[1];
    return form;
}

ast_dataitem_t ast_dataitem_data_source_encode(uint8_t* buffer, uint64_t capacity,
                                               const ast_dataitem_value_t* value) {
    const ast_data_source_t* form = prepare<ast_data_source_t>(buffer, capacity, value, 2);
    if (!form || form->sac > 255 || form->sic > 255)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(form->sac);
    buffer[1] = static_cast<uint8_t>(form->sic);
    return written(buffer, 2, value);
}

char* ast_dataitem_data_source_get_summary(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_data_source_t form = ast_dataitem_data_source_decode(item);
    out.printf("SAC:%03d SIC:%03d", static_cast<int>(form.sac), static_cast<int>(form.sic));
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
    if (g_sacInfo && g_sacInfo(form.sac, &info)) {
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
    if (g_sensor && g_sensor(form.sac, form.sic, &sensor)) {
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

ast_time_of_day_t ast_dataitem_time_of_day_decode(const ast_dataitem_t* item) {
    ast_time_of_day_t form = {};
    if (!sized(item, 3))
        return form;
    form.present = 1;
    form.raw = bits::octets(item->data, 1, 3);
    const uint32_t seconds = form.raw / 128;
    form.hours = seconds / 3600;
    form.minutes = seconds % 3600 / 60;
    form.seconds = seconds % 60;
    form.milliseconds = form.raw % 128 * 1000 / 128;
    return form;
}

ast_dataitem_t ast_dataitem_time_of_day_encode(uint8_t* buffer, uint64_t capacity,
                                               const ast_dataitem_value_t* value) {
    const ast_time_of_day_t* form = prepare<ast_time_of_day_t>(buffer, capacity, value, 3);
    if (!form)
        return failed(buffer, value);
    uint64_t raw = form->raw;
    if (raw == 0 && (form->hours || form->minutes || form->seconds || form->milliseconds)) {
        const uint64_t ms = uint64_t{form->hours} * 3600000 + uint64_t{form->minutes} * 60000 +
                            uint64_t{form->seconds} * 1000 + form->milliseconds;
        raw = ms * 128 / 1000;
    }
    // The item counts 1/128 s since midnight UTC: a day has 86400 x 128 ticks, the last one
    // 23:59:59.9921875. The 24-bit field could hold more (up to 131071.99 s), but a receiver
    // would read such a value as a time that does not exist; wrapping past midnight is the
    // sender's decision, not the item's.
    if (raw >= TICKS_PER_DAY)
        return failed(buffer, value);
    bits::put(buffer, static_cast<uint32_t>(raw), 3);
    return written(buffer, 3, value);
}

char* ast_dataitem_time_of_day_get_summary(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_time_of_day_t t = ast_dataitem_time_of_day_decode(item);
    out.printf("TOD:%02d:%02d:%02d.%03d", static_cast<int>(t.hours), static_cast<int>(t.minutes),
               static_cast<int>(t.seconds), static_cast<int>(t.milliseconds));
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

ast_time_of_day_hp_t ast_dataitem_time_of_day_hp_decode(const ast_dataitem_t* item) {
    ast_time_of_day_hp_t form = {};
    if (!sized(item, 4))
        return form;
    form.present = 1;
    const uint32_t fsi = bits::field(item->data, 1, 8, 7);
    form.fsi = fsi == 1 ? 1 : fsi == 2 ? -1 : 0;
    form.raw = bits::octets(item->data, 1, 4) & 0x3FFFFFFF;
    form.seconds = form.raw / 1073741824.0;
    return form;
}

char* ast_dataitem_time_of_day_hp_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_time_of_day_hp_t t = ast_dataitem_time_of_day_hp_decode(item);
    out.printf("FSI:%d TOMR:%.6f", static_cast<int>(t.fsi), t.seconds);
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

ast_mode_3a_t ast_dataitem_mode_3a_decode(const ast_dataitem_t* item) {
    ast_mode_3a_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.validated = !bits::bit(item->data, 1, 8);
    form.garbled = bits::bit(item->data, 1, 7);
    form.changed = form.changed_copy = bits::bit(item->data, 1, 6);
    form.code = static_cast<int32_t>(bits::octets(item->data, 1, 2) & 0x0FFF);
    return form;
}

ast_dataitem_t ast_dataitem_mode_3a_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_mode_3a_t* form = prepare<ast_mode_3a_t>(buffer, capacity, value, 2);
    // A code beyond twelve bits (7777 octal) would spill into the flags.
    if (!form || form->code < 0 || form->code > 07777)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>((form->validated ? 0 : 0x80) | (form->garbled ? 0x40 : 0) |
                                     (form->changed || form->changed_copy ? 0x20 : 0) |
                                     ((form->code >> 8) & 0x0F));
    buffer[1] = static_cast<uint8_t>(form->code);
    return written(buffer, 2, value);
}

char* ast_dataitem_mode_3a_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_3a_t m = ast_dataitem_mode_3a_decode(item);
    // Bit L means "changed" in a system track (I062/060) and "smoothed" in radar data.
    const char* lText = item && item->type == 62060 ? " CHANGED" : " SMOOTHED";
    out.printf("MODE_3/A:%04o%s%s%s", static_cast<unsigned>(m.code),
               m.present && !m.validated ? " NOT_VALIDATED" : "", m.garbled ? " GARBLED" : "",
               m.changed ? lText : "");
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

ast_mode_c_t ast_dataitem_mode_c_decode(const ast_dataitem_t* item) {
    ast_mode_c_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.validated = !bits::bit(item->data, 1, 8);
    form.garbled = bits::bit(item->data, 1, 7);
    form.code = bits::signExtend(bits::octets(item->data, 1, 2), 14);
    return form;
}

ast_dataitem_t ast_dataitem_mode_c_encode(uint8_t* buffer, uint64_t capacity,
                                          const ast_dataitem_value_t* value) {
    const ast_mode_c_t* form = prepare<ast_mode_c_t>(buffer, capacity, value, 2);
    if (!form || form->code < -8192 || form->code > 8191)
        return failed(buffer, value);
    const uint32_t code = static_cast<uint32_t>(form->code) & 0x3FFF;
    buffer[0] = static_cast<uint8_t>((form->validated ? 0 : 0x80) | (form->garbled ? 0x40 : 0) |
                                     (code >> 8));
    buffer[1] = static_cast<uint8_t>(code);
    return written(buffer, 2, value);
}

// The value is shown as the code itself, in quarter flight levels.
char* ast_dataitem_mode_c_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mode_c_t m = ast_dataitem_mode_c_decode(item);
    out.printf("MODE_C:%04d%s%s", static_cast<int>(m.code),
               m.present && !m.validated ? " NOT_VALIDATED" : "", m.garbled ? " GARBLED" : "");
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

ast_track_number_t ast_dataitem_track_number_decode(const ast_dataitem_t* item) {
    ast_track_number_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.number =
        bits::octets(item->data, 1, 2) & (trackNumber16Bits(item->type) ? 0xFFFFu : 0x0FFFu);
    return form;
}

ast_dataitem_t ast_dataitem_track_number_encode(uint8_t* buffer, uint64_t capacity,
                                                const ast_dataitem_value_t* value) {
    const ast_track_number_t* form = prepare<ast_track_number_t>(buffer, capacity, value, 2);
    const uint32_t mask = value && trackNumber16Bits(value->type) ? 0xFFFFu : 0x0FFFu;
    if (!form || form->number > mask)
        return failed(buffer, value);
    bits::put(buffer, form->number, 2);
    return written(buffer, 2, value);
}

char* ast_dataitem_track_number_get_summary(char* buffer, size_t capacity,
                                            const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("TRACK_NUM:%04d", static_cast<int>(ast_dataitem_track_number_decode(item).number));
    return buffer;
}

// ---- target address --------------------------------------------------------------------------

ast_target_address_t ast_dataitem_target_address_decode(const ast_dataitem_t* item) {
    ast_target_address_t form = {};
    if (!sized(item, 3))
        return form;
    form.present = 1;
    std::memcpy(form.octets, item->data, 3);
    form.address = bits::octets(item->data, 1, 3);
    return form;
}

ast_dataitem_t ast_dataitem_target_address_encode(uint8_t* buffer, uint64_t capacity,
                                                  const ast_dataitem_value_t* value) {
    const ast_target_address_t* form = prepare<ast_target_address_t>(buffer, capacity, value, 3);
    if (!form || form->address == 0 || form->address > 0xFFFFFF)
        return failed(buffer, value);
    bits::put(buffer, form->address, 3);
    std::memcpy(static_cast<ast_target_address_t*>(value->value)->octets, buffer, 3);
    return written(buffer, 3, value);
}

char* ast_dataitem_target_address_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("ADDR:%.6X", ast_dataitem_target_address_decode(item).address);
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
    if (g_addrCountry && g_addrCountry(a.address, &country) && country.valid) {
        html::paragraph(out, "Country: %s [%s]", country.name ? country.name : "",
                        country.iso_code_2 ? country.iso_code_2 : "");
        char flag[512];
        if (g_flag && g_flag(&country, flag, sizeof flag)) {
            flag[sizeof flag - 1] = '\0';
            out.printf("<img src=\"%s\" />", flag);
        }
    } else {
        html::paragraph(out, "Country: Unknown Country");
    }
    return buffer;
}

// ---- aircraft and target identification --------------------------------------------------------

ast_aircraft_id_t ast_dataitem_aircraft_id_decode(const ast_dataitem_t* item) {
    ast_aircraft_id_t form = {};
    if (!sized(item, 6))
        return form;
    form.present = 1;
    decodeCallsign(item->data, form.callsign);
    return form;
}

ast_dataitem_t ast_dataitem_aircraft_id_encode(uint8_t* buffer, uint64_t capacity,
                                               const ast_dataitem_value_t* value) {
    const ast_aircraft_id_t* form = prepare<ast_aircraft_id_t>(buffer, capacity, value, 6);
    if (!form)
        return failed(buffer, value);
    encodeCallsign(form->callsign, buffer);
    return written(buffer, 6, value);
}

char* ast_dataitem_aircraft_id_get_summary(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("ACID:%s", ast_dataitem_aircraft_id_decode(item).callsign);
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

ast_target_id_t ast_dataitem_target_id_decode(const ast_dataitem_t* item) {
    ast_target_id_t form = {};
    if (!sized(item, 7))
        return form;
    form.present = 1;
    form.sti = static_cast<int32_t>(bits::field(item->data, 1, 8, 7));
    decodeCallsign(item->data + 1, form.callsign);
    return form;
}

ast_dataitem_t ast_dataitem_target_id_encode(uint8_t* buffer, uint64_t capacity,
                                             const ast_dataitem_value_t* value) {
    const ast_target_id_t* form = prepare<ast_target_id_t>(buffer, capacity, value, 7);
    if (!form || form->sti < 0 || form->sti > 3)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(form->sti << 6);
    encodeCallsign(form->callsign, buffer + 1);
    return written(buffer, 7, value);
}

char* ast_dataitem_target_id_get_summary(char* buffer, size_t capacity,
                                         const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_target_id_t t = ast_dataitem_target_id_decode(item);
    switch (t.sti) {
        case 0:
            out.printf("CALLSIGN:%s", t.callsign);
            break;
        case 1:
            out.printf("REGISTRATION:%s", t.callsign);
            break;
        case 2:
            out.printf("TARGET_ID:%s", t.callsign);
            break;
        default:
            out.append("TARGET_ID:UNDIFINED");
            break;
    }
    return buffer;
}

// ---- WGS-84 positions ------------------------------------------------------------------------

ast_wgs84_position_t ast_dataitem_wgs84_decode(const ast_dataitem_t* item) {
    ast_wgs84_position_t form = {};
    if (!sized(item, 8))
        return form;
    const double scale = wgs84Scale(item->type);
    form.present = 1;
    form.lat_raw = static_cast<int32_t>(bits::octets(item->data, 1, 4));
    form.lon_raw = static_cast<int32_t>(bits::octets(item->data, 5, 4));
    form.latitude = form.lat_raw * 180.0 / scale;
    form.longitude = form.lon_raw * 180.0 / scale;
    return form;
}

ast_dataitem_t ast_dataitem_wgs84_encode(uint8_t* buffer, uint64_t capacity,
                                         const ast_dataitem_value_t* value) {
    const ast_wgs84_position_t* form = prepare<ast_wgs84_position_t>(buffer, capacity, value, 8);
    if (!form || !(form->latitude >= -90.0 && form->latitude <= 90.0) ||
        !(form->longitude >= -180.0 && form->longitude <= 180.0))
        return failed(buffer, value);
    const double scale = wgs84Scale(value->type);
    // 180 degrees of longitude at the 2^30 scale is 2^30 and fits; at 2^25 all values fit.
    const int64_t lat = static_cast<int64_t>(form->latitude / 180.0 * scale);
    const int64_t lon = static_cast<int64_t>(form->longitude / 180.0 * scale);
    bits::put(buffer, static_cast<uint32_t>(lat), 4);
    bits::put(buffer + 4, static_cast<uint32_t>(lon), 4);
    return written(buffer, 8, value);
}

ast_wgs84_position_t ast_dataitem_wgs84_low_decode(const ast_dataitem_t* item) {
    ast_wgs84_position_t form = {};
    if (!sized(item, 6))
        return form;
    form.present = 1;
    form.lat_raw = bits::signExtend(bits::octets(item->data, 1, 3), 24);
    form.lon_raw = bits::signExtend(bits::octets(item->data, 4, 3), 24);
    form.latitude = form.lat_raw * 180.0 / 8388608.0;
    form.longitude = form.lon_raw * 180.0 / 8388608.0;
    return form;
}

ast_dataitem_t ast_dataitem_wgs84_low_encode(uint8_t* buffer, uint64_t capacity,
                                             const ast_dataitem_value_t* value) {
    const ast_wgs84_position_t* form = prepare<ast_wgs84_position_t>(buffer, capacity, value, 6);
    if (!form || !(form->latitude >= -90.0 && form->latitude <= 90.0) ||
        !(form->longitude >= -180.0 && form->longitude <= 180.0))
        return failed(buffer, value);
    // +180 degrees of longitude is 2^23, which the 24-bit field holds as -180: the same meridian.
    const int64_t lat = static_cast<int64_t>(form->latitude / 180.0 * 8388608.0);
    const int64_t lon = static_cast<int64_t>(form->longitude / 180.0 * 8388608.0);
    bits::put(buffer, static_cast<uint32_t>(lat) & 0xFFFFFF, 3);
    bits::put(buffer + 3, static_cast<uint32_t>(lon) & 0xFFFFFF, 3);
    return written(buffer, 6, value);
}

char* ast_wgs84_to_str(char* buffer, size_t capacity, double latitude, double longitude) {
    Text out(buffer, capacity);
    int latD, latM, latS, lonD, lonM, lonS;
    dms(latitude, latD, latM, latS);
    dms(longitude, lonD, lonM, lonS);
    out.printf("%02d%02d%02d%c%03d%02d%02d%c", latD, latM, latS, latitude > 0 ? 'N' : 'S', lonD,
               lonM, lonS, longitude > 0 ? 'E' : 'W');
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
    out.printf("WGS84:%s", ast_wgs84_to_str(text, sizeof text, p.latitude, p.longitude));
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
    if (g_mapUrl) {
        char near[512], far[512];
        near[0] = far[0] = '\0';
        const bool haveNear = g_mapUrl(near, sizeof near, 600, 400, 1, p.latitude, p.longitude);
        const bool haveFar = g_mapUrl(far, sizeof far, 600, 400, 0, p.latitude, p.longitude);
        near[sizeof near - 1] = far[sizeof far - 1] = '\0';
        if (haveNear || haveFar)
            out.printf("<img src=\"%s\" /><br/><br/><img src=\"%s\" />", near, far);
    }
    return buffer;
}

// ---- Cartesian position and velocity -----------------------------------------------------------

ast_cartesian_position_t ast_dataitem_cartesian_position_decode(const ast_dataitem_t* item) {
    ast_cartesian_position_t form = {};
    if (!sized(item, 6))
        return form;
    form.present = 1;
    form.x_raw = bits::signExtend(bits::octets(item->data, 1, 3), 24);
    form.y_raw = bits::signExtend(bits::octets(item->data, 4, 3), 24);
    form.x = form.x_raw * 0.5;
    form.y = form.y_raw * 0.5;
    return form;
}

ast_dataitem_t ast_dataitem_cartesian_position_encode(uint8_t* buffer, uint64_t capacity,
                                                      const ast_dataitem_value_t* value) {
    const ast_cartesian_position_t* form =
        prepare<ast_cartesian_position_t>(buffer, capacity, value, 6);
    constexpr int32_t LIMIT = 1 << 23;
    if (!form || form->x_raw < -LIMIT || form->x_raw >= LIMIT || form->y_raw < -LIMIT ||
        form->y_raw >= LIMIT)
        return failed(buffer, value);
    bits::put(buffer, static_cast<uint32_t>(form->x_raw), 3);
    bits::put(buffer + 3, static_cast<uint32_t>(form->y_raw), 3);
    return written(buffer, 6, value);
}

char* ast_dataitem_cartesian_position_get_summary(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_cartesian_position_t p = ast_dataitem_cartesian_position_decode(item);
    out.printf("X:%.1f Y:%.1f LSB:M", p.x, p.y);
    return buffer;
}

ast_cartesian_velocity_t ast_dataitem_cartesian_velocity_decode(const ast_dataitem_t* item) {
    ast_cartesian_velocity_t form = {};
    if (!sized(item, 4))
        return form;
    form.present = 1;
    form.vx_raw = bits::signExtend(bits::octets(item->data, 1, 2), 16);
    form.vy_raw = bits::signExtend(bits::octets(item->data, 3, 2), 16);
    form.vx = form.vx_raw * 0.25;
    form.vy = form.vy_raw * 0.25;
    return form;
}

ast_dataitem_t ast_dataitem_cartesian_velocity_encode(uint8_t* buffer, uint64_t capacity,
                                                      const ast_dataitem_value_t* value) {
    const ast_cartesian_velocity_t* form =
        prepare<ast_cartesian_velocity_t>(buffer, capacity, value, 4);
    if (!form || form->vx_raw < -32768 || form->vx_raw > 32767 || form->vy_raw < -32768 ||
        form->vy_raw > 32767)
        return failed(buffer, value);
    bits::put(buffer, static_cast<uint32_t>(form->vx_raw), 2);
    bits::put(buffer + 2, static_cast<uint32_t>(form->vy_raw), 2);
    return written(buffer, 4, value);
}

char* ast_dataitem_cartesian_velocity_get_summary(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_cartesian_velocity_t v = ast_dataitem_cartesian_velocity_decode(item);
    out.printf("VX:%.2f VY:%.2f LSB:M/S", v.vx, v.vy);
    return buffer;
}

// ---- polar velocity --------------------------------------------------------------------------

ast_polar_velocity_t ast_dataitem_polar_velocity_decode(const ast_dataitem_t* item) {
    ast_polar_velocity_t form = {};
    if (!sized(item, 4))
        return form;
    form.present = 1;
    form.speed_raw = static_cast<int32_t>(bits::octets(item->data, 1, 2));
    form.heading_raw = static_cast<int32_t>(bits::octets(item->data, 3, 2));
    form.speed = form.speed_raw * 0.2197265625;
    form.heading = form.heading_raw * 360.0 / 65536.0;
    return form;
}

ast_dataitem_t ast_dataitem_polar_velocity_encode(uint8_t* buffer, uint64_t capacity,
                                                  const ast_dataitem_value_t* value) {
    const ast_polar_velocity_t* form = prepare<ast_polar_velocity_t>(buffer, capacity, value, 4);
    if (!form)
        return failed(buffer, value);
    ast_polar_velocity_t* target = static_cast<ast_polar_velocity_t*>(value->value);
    int64_t speedRaw = form->speed_raw, headingRaw = form->heading_raw;
    if (form->speed > 0 || form->heading > 0) {
        if (!(form->speed < 65536 * 0.2197265625) || !(form->heading < 360.0) || form->speed < 0 ||
            form->heading < 0)
            return failed(buffer, value);
        speedRaw = std::llround(form->speed / 0.2197265625);
        headingRaw = std::llround(form->heading / 360.0 * 65536.0) & 0xFFFF;
        target->speed_raw = static_cast<int32_t>(speedRaw);
        target->heading_raw = static_cast<int32_t>(headingRaw);
    }
    if (speedRaw < 0 || speedRaw > 0xFFFF || headingRaw < 0 || headingRaw > 0xFFFF)
        return failed(buffer, value);
    bits::put(buffer, static_cast<uint32_t>(speedRaw), 2);
    bits::put(buffer + 2, static_cast<uint32_t>(headingRaw), 2);
    return written(buffer, 4, value);
}

char* ast_dataitem_polar_velocity_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_polar_velocity_t v = ast_dataitem_polar_velocity_decode(item);
    out.printf("SPD:%.2f HDG:%.2f", v.speed, v.heading);
    return buffer;
}

// ---- vertical rate, height, sector -------------------------------------------------------------

ast_vertical_rate_t ast_dataitem_vertical_rate_decode(const ast_dataitem_t* item) {
    ast_vertical_rate_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.range_exceeded = bits::bit(item->data, 1, 8);
    form.raw = bits::signExtend(bits::octets(item->data, 1, 2), 15);
    form.rate = form.raw * 6.25;
    return form;
}

ast_dataitem_t ast_dataitem_vertical_rate_encode(uint8_t* buffer, uint64_t capacity,
                                                 const ast_dataitem_value_t* value) {
    const ast_vertical_rate_t* form = prepare<ast_vertical_rate_t>(buffer, capacity, value, 2);
    if (!form)
        return failed(buffer, value);
    double raw = form->raw;
    if (form->rate != 0)
        raw = std::trunc(form->rate / 6.25);
    if (!(raw >= -16384 && raw <= 16383))
        return failed(buffer, value);
    const uint32_t bitsValue = static_cast<uint32_t>(static_cast<int32_t>(raw)) & 0x7FFF;
    bits::put(buffer, bitsValue | (form->range_exceeded ? 0x8000u : 0u), 2);
    return written(buffer, 2, value);
}

char* ast_dataitem_vertical_rate_get_summary(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("VR:%.2fFT/M", ast_dataitem_vertical_rate_decode(item).rate);
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

ast_height_t ast_dataitem_height_decode(const ast_dataitem_t* item) {
    ast_height_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.raw = bits::signExtend(bits::octets(item->data, 1, 2), 16);
    return form;
}

ast_dataitem_t ast_dataitem_height_encode(uint8_t* buffer, uint64_t capacity,
                                          const ast_dataitem_value_t* value) {
    const ast_height_t* form = prepare<ast_height_t>(buffer, capacity, value, 2);
    if (!form || form->raw < -32768 || form->raw > 32767)
        return failed(buffer, value);
    bits::put(buffer, static_cast<uint32_t>(form->raw), 2);
    return written(buffer, 2, value);
}

char* ast_dataitem_height_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("H:%.2f LSB:FT", ast_dataitem_height_decode(item).raw * 6.25);
    return buffer;
}

ast_sector_number_t ast_dataitem_sector_number_decode(const ast_dataitem_t* item) {
    ast_sector_number_t form = {};
    if (!sized(item, 1))
        return form;
    form.present = 1;
    form.raw = item->data[0];
    form.azimuth = form.raw * 360.0 / 256.0;
    return form;
}

ast_dataitem_t ast_dataitem_sector_number_encode(uint8_t* buffer, uint64_t capacity,
                                                 const ast_dataitem_value_t* value) {
    const ast_sector_number_t* form = prepare<ast_sector_number_t>(buffer, capacity, value, 1);
    if (!form)
        return failed(buffer, value);
    uint32_t raw = form->raw;
    if (form->azimuth >= 0.0 && form->azimuth < 360.0) {
        raw = static_cast<uint32_t>(std::lround(form->azimuth / 360.0 * 256.0));
        static_cast<ast_sector_number_t*>(value->value)->raw = raw;
    }
    if (raw > 255)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(raw);
    return written(buffer, 1, value);
}

char* ast_dataitem_sector_number_get_summary(char* buffer, size_t capacity,
                                             const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("SECTOR:%03dDEG", static_cast<int>(ast_dataitem_sector_number_decode(item).azimuth));
    return buffer;
}

// ---- one-octet values --------------------------------------------------------------------------

ast_one_octet_t ast_dataitem_service_id_decode(const ast_dataitem_t* item) {
    ast_one_octet_t form = {};
    if (!sized(item, 1))
        return form;
    form.present = 1;
    form.value = item->data[0];
    return form;
}

ast_one_octet_t ast_dataitem_message_type_decode(const ast_dataitem_t* item) {
    return ast_dataitem_service_id_decode(item);
}

ast_dataitem_t ast_dataitem_service_id_encode(uint8_t* buffer, uint64_t capacity,
                                              const ast_dataitem_value_t* value) {
    const ast_one_octet_t* form = prepare<ast_one_octet_t>(buffer, capacity, value, 1);
    if (!form || form->value > 255)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(form->value);
    return written(buffer, 1, value);
}

ast_dataitem_t ast_dataitem_message_type_encode(uint8_t* buffer, uint64_t capacity,
                                                const ast_dataitem_value_t* value) {
    return ast_dataitem_service_id_encode(buffer, capacity, value);
}

ast_dataitem_t ast_dataitem_signal_amplitude_encode(uint8_t* buffer, uint64_t capacity,
                                                    const ast_dataitem_value_t* value) {
    const ast_one_octet_t* form = prepare<ast_one_octet_t>(buffer, capacity, value, 1);
    if (!form)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(form->value);
    return written(buffer, 1, value);
}

ast_dataitem_t ast_dataitem_021_095_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    return ast_dataitem_signal_amplitude_encode(buffer, capacity, value);
}

char* ast_dataitem_service_id_get_summary(char* buffer, size_t capacity,
                                          const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("SVC_ID:%03d", static_cast<int>(ast_dataitem_service_id_decode(item).value));
    return buffer;
}

char* ast_dataitem_signal_amplitude_get_summary(char* buffer, size_t capacity,
                                                const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.printf("AMP:%d", static_cast<int>(ast_dataitem_service_id_decode(item).value));
    return buffer;
}

// ---- Mode S MB data ----------------------------------------------------------------------------

ast_mb_data_t ast_dataitem_mb_data_decode(const ast_dataitem_t* item) {
    ast_mb_data_t form;
    form.present = 0;
    form.count = 0;
    if (!item || !item->ok || !item->data || item->size < 1)
        return form;
    const uint32_t count = item->data[0];
    if (item->size != 1 + uint64_t{count} * 8)
        return form;
    form.present = 1;
    form.count = count;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* element = item->data + 1 + i * 8;
        std::memcpy(form.elements[i].mb, element, 7);
        form.elements[i].bds1 = element[7] >> 4;
        form.elements[i].bds2 = element[7] & 0x0F;
    }
    return form;
}

char* ast_dataitem_mb_data_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mb_data_t mb = ast_dataitem_mb_data_decode(item);
    out.append("BDS:");
    for (uint32_t i = 0; i < mb.count; ++i) {
        char code[8];
        std::snprintf(code, sizeof code, "%X%X", mb.elements[i].bds1, mb.elements[i].bds2);
        out.printf("%s ", code);
    }
    return buffer;
}

char* ast_dataitem_mb_data_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_mb_data_t mb = ast_dataitem_mb_data_decode(item);
    for (uint32_t i = 0; i < mb.count; ++i) {
        const ast_mb_data_element_t& e = mb.elements[i];
        html::heading(out, "BDS %X,%X", e.bds1, e.bds2);
        html::paragraph(out, "MB: %.2X %.2X %.2X %.2X %.2X %.2X %.2X", e.mb[0], e.mb[1], e.mb[2],
                        e.mb[3], e.mb[4], e.mb[5], e.mb[6]);
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
    if (!sized(item, 2))
        return notImplemented(buffer, capacity);
    char quality[13];
    qualityBits(bits::octets(item->data, 1, 2) & 0x0FFF, quality);
    out.printf("QTY:%s", quality);
    return buffer;
}

char* ast_dataitem_mode_c_confidence_get_summary(char* buffer, size_t capacity,
                                                 const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (!sized(item, 4))
        return notImplemented(buffer, capacity);
    char quality[13];
    qualityBits(bits::octets(item->data, 3, 2) & 0x0FFF, quality);
    const bool validated = !bits::bit(item->data, 1, 8), garbled = bits::bit(item->data, 1, 7);
    out.printf("CODE:%.4o QTY:%s%s%s", bits::octets(item->data, 1, 2) & 0x0FFF, quality,
               validated ? "" : " NOT_VALIDATED", garbled ? " GARBLED" : "");
    return buffer;
}

char* ast_dataitem_binary_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    out.append("BIN");
    if (!item || !item->ok || !item->data)
        return buffer;
    char octet[9];
    for (uint64_t i = 0; i < item->size; ++i) {
        binaryOctet(item->data[i], octet);
        out.printf(" %s", octet);
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

// ---- callbacks and map pictures ----------------------------------------------------------------

void ast_reg_callback_sac_get_info(ast_callback_sac_get_info_t callback) {
    g_sacInfo = callback;
}
void ast_reg_callback_sacsic_get_sensor(ast_callback_sacsic_get_sensor_t callback) {
    g_sensor = callback;
}
void ast_reg_callback_get_national_flag(ast_callback_get_national_flag_t callback) {
    g_flag = callback;
}
void ast_reg_callback_icao_addr_get_country(ast_callback_icao_addr_get_country_t callback) {
    g_addrCountry = callback;
}
void ast_reg_callback_get_map_url(ast_callback_get_map_url_t callback) {
    g_mapUrl = callback;
}

// Each request: centre (lat, lon), zoom, size, and a marker at the centre.
bool ast_get_map_url_google(char* buffer, size_t capacity, int width, int height, int zoom,
                            double latitude, double longitude) {
    return mapUrl(
        buffer, capacity,
        "https://maps.googleapis.com/maps/api/staticmap?center=%.6f,%.6f&zoom=%d&size=%dx%d"
        "&markers=%.6f,%.6f",
        width, height, zoom, latitude, longitude);
}

bool ast_get_map_url_googlechina(char* buffer, size_t capacity, int width, int height, int zoom,
                                 double latitude, double longitude) {
    return mapUrl(buffer, capacity,
                  "https://maps.google.cn/maps/api/"
                  "staticmap?center=%.6f,%.6f&zoom=%d&size=%dx%d&markers=%.6f,%.6f",
                  width, height, zoom, latitude, longitude);
}

bool ast_get_map_url_baidu(char* buffer, size_t capacity, int width, int height, int zoom,
                           double latitude, double longitude) {
    // Baidu wants longitude first; the format keeps one argument order for all services.
    char text[512];
    if (!buffer || capacity == 0)
        return false;
    const int level = zoom == 1 ? 12 : 4;
    std::snprintf(
        text, sizeof text,
        "https://api.map.baidu.com/staticimage?center=%.6f,%.6f&zoom=%d&width=%d&height=%d"
        "&markers=%.6f,%.6f",
        longitude, latitude, level, width, height, longitude, latitude);
    Text out(buffer, capacity);
    out.append(text);
    return true;
}

bool ast_get_map_url_tencent(char* buffer, size_t capacity, int width, int height, int zoom,
                             double latitude, double longitude) {
    return mapUrl(buffer, capacity,
                  "https://apis.map.qq.com/ws/staticmap/v2/"
                  "?center=%.6f,%.6f&zoom=%d&size=%d*%d&markers=%.6f,%.6f",
                  width, height, zoom, latitude, longitude);
}

bool ast_get_map_url_osm(char* buffer, size_t capacity, int width, int height, int zoom,
                         double latitude, double longitude) {
    return mapUrl(
        buffer, capacity,
        "https://staticmap.openstreetmap.de/staticmap.php?center=%.6f,%.6f&zoom=%d&size=%dx%d"
        "&markers=%.6f,%.6f,red-pushpin",
        width, height, zoom, latitude, longitude);
}

bool ast_get_map_url_nomap(char*, size_t, int, int, int, double, double) {
    return false;
}

}  // extern "C"
