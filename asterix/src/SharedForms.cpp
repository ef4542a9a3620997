// The decoded forms that many categories share (data source, time of day, Mode 3/A and Mode C
// codes, track number, target address and identification, positions, velocities, heights,
// one-octet values, Mode S MB data): decoders and encoders.

#include <cmath>
#include <cstring>

#include "Bits.h"
#include "IcaoCharacters.h"
#include "ItemCodec.h"

namespace {

namespace bits = ast::bits;
using ast::failed;
using ast::prepare;
using ast::sized;
using ast::written;

// Time of day in 1/128 s: one day of ticks.
constexpr uint64_t TICKS_PER_DAY = 86400u * 128u;

bool trackNumber16Bits(ast_dataitem_type_t type) {
    return type == 1161 || type == 4030 || type == 4035 || type == 62040;
}

double wgs84Scale(ast_dataitem_type_t type) {
    return type == 21131 ? 1073741824.0 : 33554432.0;
}

}  // namespace

extern "C" {

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

// ---- aircraft and target identification --------------------------------------------------------

ast_aircraft_id_t ast_dataitem_aircraft_id_decode(const ast_dataitem_t* item) {
    ast_aircraft_id_t form = {};
    if (!sized(item, 6))
        return form;
    form.present = 1;
    ast::decodeCallsign(item->data, form.callsign);
    return form;
}

ast_dataitem_t ast_dataitem_aircraft_id_encode(uint8_t* buffer, uint64_t capacity,
                                               const ast_dataitem_value_t* value) {
    const ast_aircraft_id_t* form = prepare<ast_aircraft_id_t>(buffer, capacity, value, 6);
    if (!form)
        return failed(buffer, value);
    ast::encodeCallsign(form->callsign, buffer);
    return written(buffer, 6, value);
}

ast_target_id_t ast_dataitem_target_id_decode(const ast_dataitem_t* item) {
    ast_target_id_t form = {};
    if (!sized(item, 7))
        return form;
    form.present = 1;
    form.sti = static_cast<int32_t>(bits::field(item->data, 1, 8, 7));
    ast::decodeCallsign(item->data + 1, form.callsign);
    return form;
}

ast_dataitem_t ast_dataitem_target_id_encode(uint8_t* buffer, uint64_t capacity,
                                             const ast_dataitem_value_t* value) {
    const ast_target_id_t* form = prepare<ast_target_id_t>(buffer, capacity, value, 7);
    if (!form || form->sti < 0 || form->sti > 3)
        return failed(buffer, value);
    buffer[0] = static_cast<uint8_t>(form->sti << 6);
    ast::encodeCallsign(form->callsign, buffer + 1);
    return written(buffer, 7, value);
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

// ---- code confidence -------------------------------------------------------------------------

ast_mode_3a_confidence_t ast_dataitem_mode_3a_confidence_decode(const ast_dataitem_t* item) {
    ast_mode_3a_confidence_t form = {};
    if (!sized(item, 2))
        return form;
    form.present = 1;
    form.quality = bits::octets(item->data, 1, 2) & 0x0FFF;
    return form;
}

// V, G, two spare bits and the twelve Gray-coded reply bits; four spare bits and the twelve
// confidence bits of the reply pulses.
ast_mode_c_confidence_t ast_dataitem_mode_c_confidence_decode(const ast_dataitem_t* item) {
    ast_mode_c_confidence_t form = {};
    if (!sized(item, 4))
        return form;
    form.present = 1;
    form.validated = !bits::bit(item->data, 1, 8);
    form.garbled = bits::bit(item->data, 1, 7);
    form.gray = bits::octets(item->data, 1, 2) & 0x0FFF;
    form.quality = bits::octets(item->data, 3, 2) & 0x0FFF;
    return form;
}

}  // extern "C"
