// Positions of monoradar target reports, which CAT001 and CAT048 lay out alike at different
// LSBs: the measured position in slant polar co-ordinates (I001/040, I048/040) and the
// calculated position in Cartesian co-ordinates (I001/042, I048/042).

#include <cmath>

#include "Bits.h"
#include "ItemCodec.h"
#include "RadarForms.h"

namespace {

namespace bits = ast::bits;
using ast::failed;
using ast::prepare;
using ast::written;

constexpr double THETA_LSB = 360.0 / 65536.0;

// NM per raw of each item type; metres per raw for CAT010, whose positions are in metres.
struct Scale {
    ast_dataitem_type_t type;
    double lsb;
};
constexpr Scale POLAR_RHO[] = {{1040, 1.0 / 128.0}, {48040, 1.0 / 256.0}, {10040, 1.0}};
constexpr Scale CARTESIAN[] = {{1042, 1.0 / 64.0}, {48042, 1.0 / 128.0}, {10042, 1.0}};

template <size_t N>
double lsbOf(const Scale (&scales)[N], ast_dataitem_type_t type) {
    for (const Scale& scale : scales)
        if (scale.type == type)
            return scale.lsb;
    return 0.0;
}

ast_dataitem_t encodePolar(uint8_t* buffer, uint64_t capacity, const ast_dataitem_value_t* value,
                           ast_dataitem_type_t type) {
    const ast_polar_position_t* f = prepare<ast_polar_position_t>(buffer, capacity, value, 4);
    if (!f || value->type != type || !(f->rho >= 0.0) || !(f->theta >= 0.0 && f->theta < 360.0))
        return failed(buffer, value);
    const double rho = std::round(f->rho / lsbOf(POLAR_RHO, type));
    if (!(rho <= 0xFFFF))
        return failed(buffer, value);
    // Just below 360 degrees rounds to 2^16, the same direction as 0.
    const uint32_t theta = static_cast<uint32_t>(std::lround(f->theta / THETA_LSB)) & 0xFFFF;
    bits::put(buffer, static_cast<uint32_t>(rho), 2);
    bits::put(buffer + 2, theta, 2);
    return written(buffer, 4, value);
}

}  // namespace

namespace ast {

ast_polar_position_t polarPosition(const ast_dataitem_t* item) {
    ast_polar_position_t f = {};
    const double lsb = item ? lsbOf(POLAR_RHO, item->type) : 0.0;
    if (lsb == 0.0 || !sized(item, 4))
        return f;
    f.present = 1;
    f.rho_raw = bits::octets(item->data, 1, 2);
    f.theta_raw = bits::octets(item->data, 3, 2);
    f.rho = f.rho_raw * lsb;
    f.theta = f.theta_raw * THETA_LSB;
    return f;
}

ast_radar_cartesian_t radarCartesian(const ast_dataitem_t* item) {
    ast_radar_cartesian_t f = {};
    const double lsb = item ? lsbOf(CARTESIAN, item->type) : 0.0;
    if (lsb == 0.0 || !sized(item, 4))
        return f;
    f.present = 1;
    f.x_raw = bits::signExtend(bits::octets(item->data, 1, 2), 16);
    f.y_raw = bits::signExtend(bits::octets(item->data, 3, 2), 16);
    f.x = f.x_raw * lsb;
    f.y = f.y_raw * lsb;
    return f;
}

}  // namespace ast

extern "C" {

ast_polar_position_t ast_dataitem_001_040_decode(const ast_dataitem_t* item) {
    return item && item->type == 1040 ? ast::polarPosition(item) : ast_polar_position_t{};
}

ast_polar_position_t ast_dataitem_048_040_decode(const ast_dataitem_t* item) {
    return item && item->type == 48040 ? ast::polarPosition(item) : ast_polar_position_t{};
}

ast_polar_position_t ast_dataitem_010_040_decode(const ast_dataitem_t* item) {
    return item && item->type == 10040 ? ast::polarPosition(item) : ast_polar_position_t{};
}

ast_dataitem_t ast_dataitem_010_040_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    return encodePolar(buffer, capacity, value, 10040);
}

ast_radar_cartesian_t ast_dataitem_010_042_decode(const ast_dataitem_t* item) {
    return item && item->type == 10042 ? ast::radarCartesian(item) : ast_radar_cartesian_t{};
}

ast_dataitem_t ast_dataitem_001_040_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    return encodePolar(buffer, capacity, value, 1040);
}

ast_dataitem_t ast_dataitem_048_040_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    return encodePolar(buffer, capacity, value, 48040);
}

ast_radar_cartesian_t ast_dataitem_001_042_decode(const ast_dataitem_t* item) {
    return item && item->type == 1042 ? ast::radarCartesian(item) : ast_radar_cartesian_t{};
}

ast_radar_cartesian_t ast_dataitem_048_042_decode(const ast_dataitem_t* item) {
    return item && item->type == 48042 ? ast::radarCartesian(item) : ast_radar_cartesian_t{};
}

// Only CAT001 has an encoder for its Cartesian position.
ast_dataitem_t ast_dataitem_001_042_encode(uint8_t* buffer, uint64_t capacity,
                                           const ast_dataitem_value_t* value) {
    const ast_radar_cartesian_t* f = prepare<ast_radar_cartesian_t>(buffer, capacity, value, 4);
    if (!f || value->type != 1042)
        return failed(buffer, value);
    const double lsb = lsbOf(CARTESIAN, 1042);
    const double x = std::round(f->x / lsb), y = std::round(f->y / lsb);
    if (!(x >= -32768 && x <= 32767 && y >= -32768 && y <= 32767))
        return failed(buffer, value);
    bits::put(buffer, static_cast<uint32_t>(static_cast<int32_t>(x)), 2);
    bits::put(buffer + 2, static_cast<uint32_t>(static_cast<int32_t>(y)), 2);
    return written(buffer, 4, value);
}

}  // extern "C"
