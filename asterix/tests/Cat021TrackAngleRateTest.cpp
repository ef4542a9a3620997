// I021/165 in the CAT021 editions: the extensible rate of turn of editions 0.23 and 0.26
// (type 21165) and the two fixed octets of the track angle rate of editions 2.1 and 2.4 (type
// 21909), whose first octet ends with a rate bit, not an FX bit. Sized as an extensible item, a
// 2.x right turn under 8 deg/s would be one octet long and the rest of the record misread.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

struct TurnCase {
    const char* name;
    const ast_uap_t* uap;
    const char* record;  // hex octets of one record
    ast_dataitem_type_t type;
    const char* rateOctets;
    double rate;  // deg/s, 2.x only
    const char* summary;
};

// Editions 2.x: FSPEC for FRN 1 (I021/010), FRN 27 (I021/165) and FRN 28 (I021/077), then
// SAC/SIC 25/200, the rate and the time of report transmission 0x2A3000 (01:28:00.000).
// Editions 0.2x: FSPEC for FRN 1 and FRN 17 (I021/165), then SAC/SIC and the rate of turn:
// turn indicator (2 right, 1 left) with FX, then the 7-bit rate in 1/4 deg/s with FX clear.
const TurnCase CASES[] = {
    {"2.1 right 2 deg/s", &AST_UAP_CAT021_VER21, "81 01 01 06 19 C8 00 40 2A 30 00", 21909,
     "00 40", 2.0, "TAR:2.00DEG/S"},
    {"2.1 left 2 deg/s", &AST_UAP_CAT021_VER21, "81 01 01 06 19 C8 03 C0 2A 30 00", 21909,
     "03 C0", -2.0, "TAR:-2.00DEG/S"},
    {"2.4 right 2 deg/s", &AST_UAP_CAT021_VER24, "81 01 01 06 19 C8 00 40 2A 30 00", 21909,
     "00 40", 2.0, "TAR:2.00DEG/S"},
    {"2.4 left 2 deg/s", &AST_UAP_CAT021_VER24, "81 01 01 06 19 C8 03 C0 2A 30 00", 21909,
     "03 C0", -2.0, "TAR:-2.00DEG/S"},
    {"2.4 right 10 deg/s", &AST_UAP_CAT021_VER24, "81 01 01 06 19 C8 01 40 2A 30 00", 21909,
     "01 40", 10.0, "TAR:10.00DEG/S"},
    {"2.4 right, largest", &AST_UAP_CAT021_VER24, "81 01 01 06 19 C8 01 FF 2A 30 00", 21909,
     "01 FF", 511 / 32.0, "TAR:15.97DEG/S"},
    {"2.4 left, largest", &AST_UAP_CAT021_VER24, "81 01 01 06 19 C8 02 00 2A 30 00", 21909,
     "02 00", -16.0, "TAR:-16.00DEG/S"},
    {"2.4 spare bits set", &AST_UAP_CAT021_VER24, "81 01 01 06 19 C8 FC 40 2A 30 00", 21909,
     "FC 40", 2.0, "TAR:2.00DEG/S"},
    {"0.26 right 2 deg/s", &AST_UAP_CAT021_VER026, "81 01 20 19 C8 81 10", 21165, "81 10", 0.0,
     "NOT_IMPLEMENTED"},
    {"0.26 left 2 deg/s", &AST_UAP_CAT021_VER026, "81 01 20 19 C8 41 F0", 21165, "41 F0", 0.0,
     "NOT_IMPLEMENTED"},
    {"0.26 turn indicator only", &AST_UAP_CAT021_VER026, "81 01 20 19 C8 80", 21165, "80", 0.0,
     "NOT_IMPLEMENTED"},
    {"0.23 right 2 deg/s", &AST_UAP_CAT021_VER023, "81 01 20 19 C8 81 10", 21165, "81 10", 0.0,
     "NOT_IMPLEMENTED"},
};

}  // namespace

TEST(Cat021TrackAngleRate, EachEditionSizesItsOwnLayoutAndReadsTheRestOfTheRecord) {
    for (const TurnCase& c : CASES) {
        SCOPED_TRACE(c.name);
        const Bytes data = hexBytes(c.record);
        AstLogCapture log;
        const ast_datarecord_t r = ast_datarecord_decode(data.data(), data.size(), 21, c.uap);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.length, data.size());
        EXPECT_EQ(log.size(), 0u);
        ASSERT_GE(r.count, 2u);
        const ast_dataitem_t& rate = r.items[1];
        EXPECT_EQ(rate.type, c.type);
        EXPECT_EQ(hexText(rate), c.rateOctets);
        EXPECT_STREQ(ast_dataitem_type_to_str(rate.type), "I021/165");
        char text[128];
        EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &rate), c.summary);
        const ast_dataitem_021_909_t f = ast_dataitem_021_A09_decode(&rate);
        EXPECT_EQ(f.present, c.type == 21909 ? 1 : 0);
        EXPECT_DOUBLE_EQ(f.rate, c.rate);
        if (c.type == 21909) {
            ASSERT_EQ(r.count, 3u);
            const ast_time_of_day_t t = ast_dataitem_time_of_day_decode(&r.items[2]);
            EXPECT_EQ(t.raw, 0x2A3000u);
            EXPECT_EQ(ast_datarecord_021_v24_disassemble(&r).i077.raw, 0x2A3000u);
        }
    }
}

TEST(Cat021TrackAngleRate, RuleOfEachEditionAndTheirNames) {
    EXPECT_EQ(ast_uap_get_dataitem(&AST_UAP_CAT021_VER21, 21, 27), 21909u);
    EXPECT_EQ(ast_uap_get_dataitem(&AST_UAP_CAT021_VER24, 21, 27), 21909u);
    EXPECT_EQ(ast_uap_get_dataitem(&AST_UAP_CAT021_VER026, 21, 17), 21165u);
    EXPECT_EQ(ast_uap_get_dataitem(&AST_UAP_CAT021_VER023, 21, 17), 21165u);
    EXPECT_EQ(ast_uap_get_dataitem(&AST_UAP_STANDARD, 21, 17), 21165u);
    EXPECT_STREQ(ast_dataitem_get_name(21909), "Track Angle Rate (Version 1.0 ~ 2.4)");
    EXPECT_STREQ(ast_dataitem_get_name(21165), "Track Angle Rate");
    // Two octets whatever the last bit of the first; one octet is too short.
    const Bytes zeroes = hexBytes("00 00 00");
    EXPECT_EQ(ast_dataitem_get_size(zeroes.data(), 3, 21909), 2u);
    EXPECT_EQ(ast_dataitem_get_size(zeroes.data(), 1, 21909), 0u);
    EXPECT_EQ(ast_dataitem_get_size(zeroes.data(), 3, 21165), 1u);
    // A decoder given another type or size leaves the form empty.
    const ast_dataitem_t other = ast_dataitem_decode(zeroes.data(), 3, 21165);
    EXPECT_EQ(ast_dataitem_021_A09_decode(&other).present, 0);
    char html[1024];
    const Bytes left = hexBytes("03 C0");
    const ast_dataitem_t item = ast_dataitem_decode(left.data(), left.size(), 21909);
    EXPECT_NE(std::string(ast_dataitem_get_detail_html(html, sizeof html, &item)).find("Left"),
              std::string::npos);
}
