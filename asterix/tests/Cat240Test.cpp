// CAT240 radar video built from the category definition: item summaries, the video-cell decoder
// (resolutions, ranges, the cell limit) and its detail view, and a whole video record.

#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

std::string summary(ast_dataitem_type_t type, const std::string& hex) {
    const Bytes data = hexBytes(hex);
    const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), type);
    if (!item.ok)
        return "not sized";
    if (item.size != data.size())
        return "sized " + std::to_string(item.size);
    char text[256];
    return ast_dataitem_get_summary(text, sizeof text, &item);
}

}  // namespace

TEST(Cat240, ItemSummaries) {
    std::string fortyAs = "28";
    for (int i = 0; i < 40; ++i)
        fortyAs += " 41";
    const struct {
        ast_dataitem_type_t type;
        std::string hex;
        const char* summary;
    } rows[] = {
        {240000, "01", "MSG_TYPE:VIDEO_SUMMARY"},
        {240000, "02", "MSG_TYPE:VIDEO_MESSAGE"},
        {240000, "03", "MSG_TYPE:UNDEFINED"},
        {240020, "FF FF FF FF", "MSG_INDEX:4294967295"},
        {240030, "00", "SUM:"},
        {240030, "03 41 42 43", "SUM:ABC"},
        {240030, fortyAs, "SUM:AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA...[40]"},
        // Azimuths 90 to 180 degrees, first cell 100, 1000 ns a cell: 100 x 149.896229 m.
        {240040, "40 00 80 00 00 00 00 64 00 00 03 E8", "AZ:90.00-180.00 RG:14989.62"},
        // The femto header: 10^9 fs (1 us) a cell.
        {240041, "00 00 FF FF 00 00 00 01 3B 9A CA 00", "AZ:0.00-359.99 RG:149.90"},
        {240048, "80 04", "RES:8-BITS"},
        {240048, "00 06", "RES:32-BITS"},
        {240048, "00 07", "RES:0-BITS"},
        {240049, "FF FF FF FF FF", "OCTET:65535 CELL:16777215"},
        {240050, "00", "OCTET:0"},
        {240050, "02 01 02 03 04 05 06 07 08", "OCTET:8"},
        {240051, "01", "not sized"},
        {240140, "A8 BF FF", "TOD:23:59:59.992"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(summary(row.type, row.hex), row.summary) << row.type << " " << row.hex;
    // Repetitions of 64 and 256 octets.
    Bytes medium(1 + 2 * 64, 0);
    medium[0] = 2;
    EXPECT_EQ(ast_dataitem_get_size(medium.data(), medium.size(), 240051), medium.size());
    Bytes high(1 + 256, 0);
    high[0] = 1;
    EXPECT_EQ(ast_dataitem_get_size(high.data(), high.size(), 240052), high.size());
    EXPECT_EQ(ast_dataitem_get_size(high.data(), high.size() - 1, 240052), 0u);
    EXPECT_STREQ(ast_dataitem_get_name(240998), "Unknown CAT240 Dataitem");
}

TEST(Cat240, VideoCellDecoder) {
    auto cells = std::make_unique<ast_video_cells_t>();
    // 8-bit cells: three non-zero octets are three cells, numbered from 1.
    const Bytes octets = hexBytes("00 10 00 00 FF 01 00");
    {
        AstLogCapture log;
        *cells = ast_videocells_decode(octets.data(), octets.size(), 4, 10, 1e-6);
        ASSERT_TRUE(cells->ok);
        EXPECT_EQ(cells->bits, 8u);
        ASSERT_EQ(cells->count, 3u);
        const uint32_t numbers[] = {2, 5, 6};
        const uint32_t amplitudes[] = {0x10, 0xFF, 0x01};
        for (uint32_t i = 0; i < 3; ++i) {
            EXPECT_EQ(cells->cells[i].number, numbers[i]);
            EXPECT_EQ(cells->cells[i].amplitude, amplitudes[i]);
            EXPECT_NEAR(cells->cells[i].range, (10 + numbers[i] - 1) * 1e-6 * 299792458.0 / 2,
                        1e-6);
        }
        // The cell's range in metres: (10 + 2 - 1) cells of 1 us, at half the speed of light.
        EXPECT_EQ(log.count(AST_LOG_INFO, "Cell ID=2, Range=1648.86, Amp=16."), 1);
        EXPECT_EQ(log.size(), 3u);
        char html[4096];
        const std::string view = ast_videocells_get_detail_html(html, sizeof html, cells.get());
        EXPECT_NE(view.find("3 valid (non empty) video cells."), std::string::npos);
        EXPECT_NE(view.find("Video resolution is 8-bits."), std::string::npos);
        EXPECT_NE(view.find("<td>99.61%</td>"), std::string::npos);  // 255 of 256
        EXPECT_NE(view.find("<th>Amptitude Relative</th>"), std::string::npos);
    }
    // Other resolutions are not decoded; an unknown code says nothing.
    for (uint32_t code : {1u, 2u, 3u, 5u, 6u, 0u, 7u}) {
        AstLogCapture log;
        *cells = ast_videocells_decode(octets.data(), octets.size(), code, 0, 1e-6);
        EXPECT_FALSE(cells->ok) << code;
        EXPECT_EQ(cells->count, 0u) << code;
        const int bits = code >= 1 && code <= 6 ? 1 << (code - 1) : 0;
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Unsupported video resolution " +
                                                  std::to_string(bits) + "-bits."),
                  bits ? 1 : 0)
            << code;
    }
    // 1023 non-empty cells are held, the 1024th is refused.
    Bytes many(1024, 0x80);
    {
        AstLogCapture log;
        *cells = ast_videocells_decode(many.data(), 1023, 4, 0, 1e-6);
        EXPECT_TRUE(cells->ok);
        EXPECT_EQ(cells->count, 1023u);
        *cells = ast_videocells_decode(many.data(), many.size(), 4, 0, 1e-6);
        EXPECT_FALSE(cells->ok);
        EXPECT_EQ(log.count(AST_LOG_PANIC, "Number of videocells 1024 exceed limitation."), 1);
    }
}

TEST(Cat240, VideoRecord) {
    // FRN 1 I240/010, FRN 2 I240/000 (video), FRN 5 I240/040, FRN 7 I240/048 (8 bits),
    // FRN 9 I240/050 (one block of four octets), FRN 12 I240/140.
    const Bytes record = hexBytes(
        "CB 48 19 64 02 40 00 80 00 00 00 00 64 00 00 03 E8 00 04 01 00 20 00 40 A8 BF FF");
    const ast_datarecord_t r =
        ast_datarecord_decode(record.data(), record.size(), 240, &AST_UAP_STANDARD);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.count, 6u);
    EXPECT_EQ(ast_datarecord_240_get_msgtype(&r).type, 2u);
    EXPECT_EQ(ast_datarecord_240_get_sacsic(&r).sic, 100u);
    EXPECT_EQ(ast_datarecord_240_get_timeofday(&r).raw, 0xA8BFFFu);
    auto cells = std::make_unique<ast_video_cells_t>();
    ast_datarecord_240_get_videocells(cells.get(), &r);
    ASSERT_TRUE(cells->ok);
    ASSERT_EQ(cells->count, 2u);
    EXPECT_EQ(cells->cells[0].number, 2u);
    EXPECT_NEAR(cells->cells[0].range, 101 * 1e-6 * 299792458.0 / 2, 1e-6);
    EXPECT_EQ(cells->cells[1].number, 4u);
    // Without its resolution item the record has no cells.
    const Bytes bare = hexBytes("C0 19 64 02");
    const ast_datarecord_t b = ast_datarecord_decode(bare.data(), bare.size(), 240, &AST_UAP_STANDARD);
    ASSERT_TRUE(b.ok);
    ast_datarecord_240_get_videocells(cells.get(), &b);
    EXPECT_FALSE(cells->ok);
    // The generic getter table does not reach CAT240; every item has a name and a summary.
    for (uint64_t i = 0; i < r.count; ++i) {
        char text[2048];
        EXPECT_STRNE(ast_dataitem_get_summary(text, sizeof text, &r.items[i]), "NOT_IMPLEMENTED");
        ast_dataitem_get_detail_html(text, sizeof text, &r.items[i]);
    }
}
