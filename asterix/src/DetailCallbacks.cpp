// The detail-view callbacks that the host registers, and ready-made map-picture functions.

#include <cstdio>

#include "DetailCallbacks.h"
#include "Text.h"

namespace {

ast_callback_sac_get_info_t g_sacInfo = nullptr;
ast_callback_sacsic_get_sensor_t g_sensor = nullptr;
ast_callback_get_national_flag_t g_flag = nullptr;
ast_callback_icao_addr_get_country_t g_addrCountry = nullptr;
ast_callback_get_map_url_t g_mapUrl = nullptr;

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

namespace ast {
namespace callbacks {

ast_callback_sac_get_info_t sacInfo() {
    return g_sacInfo;
}
ast_callback_sacsic_get_sensor_t sensor() {
    return g_sensor;
}
ast_callback_get_national_flag_t nationalFlag() {
    return g_flag;
}
ast_callback_icao_addr_get_country_t addressCountry() {
    return g_addrCountry;
}
ast_callback_get_map_url_t mapUrl() {
    return g_mapUrl;
}

}  // namespace callbacks
}  // namespace ast

extern "C" {

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
    ast::Text out(buffer, capacity);
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
