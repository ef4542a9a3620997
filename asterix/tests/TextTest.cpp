// Text and HTML services: exact forms, and every text function staying within its capacity.

#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

using TextFn = std::function<char*(char*, size_t)>;

const Bytes WGS = hexBytes("00 3F 20 00 FF E1 00 00");
const ast_dataitem_t WGS_ITEM = {WGS.data(), WGS.size(), 20041, 1};
const Bytes DS = hexBytes("19 C8");
const ast_dataitem_t DS_ITEM = {DS.data(), DS.size(), 48010, 1};
const Bytes BIN = hexBytes("41 F0");
const ast_dataitem_t BIN_ITEM = {BIN.data(), BIN.size(), 48250, 1};

bool fakeMap(char* buffer, size_t capacity, int width, int height, int zoom, double, double) {
    return std::snprintf(buffer, capacity, "map-%dx%d-%d", width, height, zoom) > 0;
}

bool fakeSac(uint32_t, ast_sac_info_t* info) {
    std::strcpy(info->region_name, "Europe");
    std::strcpy(info->region_code, "EUR");
    std::strcpy(info->country_name, "Nowhere");
    std::strcpy(info->country_code, "NW");
    return true;
}

}  // namespace

TEST(Text, ExactForms) {
    char text[2048];
    EXPECT_STREQ(ast_dataitem_get_hex_str(text, sizeof text, &BIN_ITEM), "41F0");
    EXPECT_STREQ(ast_dataitem_get_bin_str(text, sizeof text, &BIN_ITEM), "01000001 11110000");
    EXPECT_STREQ(ast_dataitem_binary_get_summary(text, sizeof text, &BIN_ITEM),
                 "BIN:01000001 11110000");
    const Bytes one = hexBytes("AB");
    const ast_dataitem_t oneItem = {one.data(), 1, 48250, 1};
    EXPECT_STREQ(
        ast_dataitem_get_hex_html(text, sizeof text, &oneItem),
        "<table class=\"hex_table\"><tr><th colspan=8 align=\"left\">Octet 1</th>"
        "<th colspan=8 align=\"right\">Octet 16</th></tr><tr><td>AB</td>"
        "<td>--</td><td>--</td><td>--</td><td>--</td><td>--</td><td>--</td><td>--</td><td>--</td>"
        "<td>--</td><td>--</td><td>--</td><td>--</td><td>--</td><td>--</td><td>--</td></tr></"
        "table>");
    const std::string bin = ast_dataitem_get_bin_html(text, sizeof text, &oneItem);
    EXPECT_EQ(
        bin.find(
            "<table class=\"bin_table\"><tr class=\"caption_row\"><td colspan=8>Octet 1 - AB</td>"
            "<td colspan=8>Octet 2 - --</td>"),
        0u);
    EXPECT_NE(
        bin.find(
            "<tr class=\"data_row\"><td>1</td><td>0</td><td>1</td><td>0</td><td>1</td><td>0</td>"
            "<td>1</td><td>1</td><td>-</td>"),
        std::string::npos);
    const ast_dataitem_t failed = {one.data(), 1, 48250, 0};
    EXPECT_STREQ(ast_dataitem_get_hex_html(text, sizeof text, &failed), "");

    // Position detail: location heading, and two map pictures once a map function is registered.
    EXPECT_STREQ(ast_dataitem_get_detail_html(text, sizeof text, &WGS_ITEM),
                 "<h4>Location 221133N0105354W</h4>");
    ast_reg_callback_get_map_url(&fakeMap);
    EXPECT_STREQ(ast_dataitem_get_detail_html(text, sizeof text, &WGS_ITEM),
                 "<h4>Location 221133N0105354W</h4><img src=\"map-600x400-1\" /><br/><br/>"
                 "<img src=\"map-600x400-0\" />");
    ast_reg_callback_get_map_url(nullptr);

    // Data source detail: header row, then the SAC row with unknown or registered area.
    std::string detail = ast_dataitem_get_detail_html(text, sizeof text, &DS_ITEM);
    EXPECT_EQ(
        detail.find(
            "<h4>System Area Code (SAC)</h4><table class=\"detail_table\"><tr><th>Octet</th>"),
        0u);
    EXPECT_NE(
        detail.find(
            "<tr><td>Octet[1]</td><td>SAC</td><td>0x19</td><td>025</td><td>Unknown Region</td>"
            "<td>Unknown Country</td></tr></table><br/>"),
        std::string::npos);
    EXPECT_NE(detail.find(
                  "<td>Octet[2]</td><td>SIC</td><td>0xC8</td><td>200</td><td>Unknown System</td>"),
              std::string::npos);
    ast_reg_callback_sac_get_info(&fakeSac);
    detail = ast_dataitem_get_detail_html(text, sizeof text, &DS_ITEM);
    EXPECT_NE(detail.find("<td>Europe [EUR]</td><td>Nowhere [NW]</td>"), std::string::npos);
    ast_reg_callback_sac_get_info(nullptr);
}

TEST(Text, MapPictureFunctions) {
    char text[512];
    EXPECT_FALSE(ast_get_map_url_nomap(text, sizeof text, 600, 400, 1, 1.0, 2.0));
    const decltype(&ast_get_map_url_osm) services[] = {
        ast_get_map_url_google, ast_get_map_url_googlechina, ast_get_map_url_baidu,
        ast_get_map_url_tencent, ast_get_map_url_osm};
    for (auto service : services) {
        ASSERT_TRUE(service(text, sizeof text, 600, 400, 1, 51.5, -0.25));
        EXPECT_NE(std::strstr(text, "zoom=12"), nullptr) << text;
        EXPECT_NE(std::strstr(text, "51.5"), nullptr) << text;
        ASSERT_TRUE(service(text, sizeof text, 600, 400, 0, 51.5, -0.25));
        EXPECT_NE(std::strstr(text, "zoom=4"), nullptr) << text;
        EXPECT_FALSE(service(text, 0, 600, 400, 0, 51.5, -0.25));
    }
}

TEST(Text, EveryTextFunctionStaysWithinItsCapacity) {
    const Bytes record = hexBytes("CC 19 C8 A8 BF FF 0F FF 05 78");
    const ast_datarecord_t rec =
        ast_datarecord_decode(record.data(), record.size(), 48, &AST_UAP_STANDARD);
    ast_reg_callback_get_map_url(&ast_get_map_url_google);
    const struct {
        const char* name;
        TextFn fn;
    } rows[] = {
        {"summary", [](char* b, size_t c) { return ast_dataitem_get_summary(b, c, &WGS_ITEM); }},
        {"detail", [](char* b, size_t c) { return ast_dataitem_get_detail_html(b, c, &WGS_ITEM); }},
        {"data source detail",
         [](char* b, size_t c) { return ast_dataitem_get_detail_html(b, c, &DS_ITEM); }},
        {"hex", [](char* b, size_t c) { return ast_dataitem_get_hex_str(b, c, &WGS_ITEM); }},
        {"bin", [](char* b, size_t c) { return ast_dataitem_get_bin_str(b, c, &WGS_ITEM); }},
        {"hex html", [](char* b, size_t c) { return ast_dataitem_get_hex_html(b, c, &WGS_ITEM); }},
        {"bin html", [](char* b, size_t c) { return ast_dataitem_get_bin_html(b, c, &WGS_ITEM); }},
        {"binary summary",
         [](char* b, size_t c) { return ast_dataitem_binary_get_summary(b, c, &BIN_ITEM); }},
        {"record hex html",
         [&rec](char* b, size_t c) { return ast_datarecord_get_hex_html(b, c, &rec); }},
        {"map",
         [](char* b, size_t c) {
             ast_get_map_url_osm(b, c, 600, 400, 1, 1.0, 2.0);
             return b;
         }},
        {"baidu map",
         [](char* b, size_t c) {
             ast_get_map_url_baidu(b, c, 600, 400, 1, 1.0, 2.0);
             return b;
         }},
        {"position text", [](char* b, size_t c) { return ast_wgs84_to_str(b, c, -33.5, 151.25); }},
    };
    for (const auto& row : rows) {
        for (size_t capacity :
             {size_t{0}, size_t{1}, size_t{2}, size_t{7}, size_t{33}, size_t{200}}) {
            char buffer[256];
            std::memset(buffer, POISON, sizeof buffer);
            row.fn(buffer, capacity);
            for (size_t i = capacity; i < sizeof buffer; ++i)
                ASSERT_EQ(static_cast<uint8_t>(buffer[i]), POISON)
                    << row.name << " capacity " << capacity;
            if (capacity > 0) {
                EXPECT_NE(std::memchr(buffer, '\0', capacity), nullptr)
                    << row.name << " " << capacity;
            }
        }
    }
    ast_reg_callback_get_map_url(nullptr);
}
