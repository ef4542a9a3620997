// CAT004, CAT008, CAT010, CAT019, CAT020 and CAT023 items and records built from the category
// definitions (no public samples of these categories exist): summaries at the boundaries of each
// field, extension octets and repetitions, every compound subfield, the safety-net message types,
// the records that cannot be decoded, the record forms and the record getters.

#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "CompoundItems.h"

namespace {

struct Row {
    ast_dataitem_type_t type;
    const char* hex;
    const char* summary;  // nullptr: the item cannot be sized
};

const Row ROWS[] = {
    {4000, "07", "MSG_TYPE:STCA"},
    {4000, "61", "MSG_TYPE:LTW"},
    {4000, "C9", "MSG_TYPE:MRVA"},
    {4000, "26", "MSG_TYPE:UNDEFINED"},
    {4020, "A8 BF FF", "TOD:23:59:59.992"},
    {4030, "FF FF", "TRACK_NUM:65535"},
    {4040, "00 07", "ALERT_ID:0007"},
    {4040, "FF FF", "ALERT_ID:65535"},
    {4060, "02", "FUNCTIONS:1"},
    {4060, "FF FF FF FF FF FE", "FUNCTIONS:42"},
    {4060, "01 01 01 01 01 01 00", nullptr},
    {8000, "01", "MSG_TYPE:POLAR_VECTOR"},
    {8000, "04", "MSG_TYPE:CARTESIAN_POINT_POINT"},
    {8000, "FE", "MSG_TYPE:START_OF_PICTURE"},
    {8000, "FF", "MSG_TYPE:END_OF_PICTURE"},
    {8000, "05", "MSG_TYPE:UNDEFINED"},
    {8034, "00", "NOT_IMPLEMENTED"},
    {8034, "02 00 00 00 00 00 00 00 00", "NOT_IMPLEMENTED"},
    {8034, "02 00 00 00 00", nullptr},
    {8120, "FF FF", "NUM:65535"},
    {10000, "01", "MSG_TYPE:TARGET_REPORT"},
    {10000, "02", "MSG_TYPE:START_UPDATE_CYCLE"},
    {10000, "03", "MSG_TYPE:PERIODIC_STATUS"},
    {10000, "04", "MSG_TYPE:EVENT_STATUS"},
    {10000, "05", "MSG_TYPE:UNDEFINED"},
    {10020, "40", "TYPE:ADSB"},
    {10020, "C0", "TYPE:UNDEFINED"},
    {10020, "E1 C0", "TYPE:OTHER SIM TST"},
    {10020, "01 01 80", "TYPE:SSR_MLAT SPI"},
    {10020, "01 01 81", nullptr},
    {10040, "FF FF 40 00", "RHO:65535 THETA:90.0"},
    {10042, "80 00 7F FF", "X:-32768 Y:32767 LSB:M"},
    {10131, "FF", "PAM:255"},
    {10170, "80", "TRACK:INIT"},
    {10170, "41 01 80", "TRACK:CONFIRMED END GHOST"},
    {10270, "20", "L:16"},
    {10270, "21 40", "L:16 O:90.00"},
    {10270, "21 41 0A", "L:16 W:5 O:90.00"},
    {19000, "00", "MSG_TYPE:UNDEFINED"},
    {19000, "01", "MSG_TYPE:CYCLE_START"},
    {19000, "02", "MSG_TYPE:PERIODIC_STATUS"},
    {19000, "03", "MSG_TYPE:EVENT_STATUS"},
    {19550, "00", "SYS_STAT:OPERATIVE"},
    {19550, "40", "SYS_STAT:DEGRADED"},
    {19550, "80", "SYS_STAT:NOGO"},
    {19550, "C0", "SYS_STAT:UNDIFINED"},
    {19552, "00", "NOT_IMPLEMENTED"},
    {19552, "03 00 00 00 00 00 00", "NOT_IMPLEMENTED"},
    {19552, "03 00 00 00 00", nullptr},
    {20020, "C0", "MLAT_TYPE:SSR MS"},
    {20020, "03 06", "MLAT_TYPE:OT SIM TST"},
    {20105, "FC 18", "H:-6250.00 LSB:FT"},
    {20170, "80", "TRACK_STATUS:INIT"},
    {20170, "61 80", "TRACK_STATUS:CONFIRMED END COASTED GHOST"},
    {20230, "20 80", "STAT:AIRBORNE CAP:MODE-S"},
    {20230, "14 00", "STAT:SPI"},
    {20230, "1C 00", "STAT:UNKNOWN"},
    {20400, "00", "RECEIVERS:0"},
    {20400, "02 FF 01", "RECEIVERS:2"},
    {20500, "80 00 00 00 00 00 00", "POS_ACCURACY: DOP"},
    {20500, "20 00 02", "POS_ACCURACY: SDH"},
    {20500, "E0 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "POS_ACCURACY: DOP SDP SDH"},
    {20500, "00", nullptr},
    {20500, "81 00 00", nullptr},
    {20500, "E0 00 00 00", nullptr},
    {20055, "07", "NOT_IMPLEMENTED"},
    {20100, "00 00 00 00", "NOT_IMPLEMENTED"},
    {23000, "01", "RPT_TYPE:STATION_STATUS"},
    {23000, "02", "RPT_TYPE:SERVICE_STATUS"},
    {23000, "03", "RPT_TYPE:SERVICE_STATISTICS"},
    {23000, "04", "RPT_TYPE:UNDEFINED"},
    {23100, "80", "STS:NOGO"},
    {23100, "01 F0", "STS:GO GSSP:120S"},
    {23100, "01 FF", nullptr},
};

}  // namespace

TEST(OtherCategories, SummariesAtTheBoundariesOfEachField) {
    for (const Row& row : ROWS) {
        const Bytes data = hexBytes(row.hex);
        AstLogCapture log;
        const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), row.type);
        if (!row.summary) {
            EXPECT_FALSE(item.ok) << row.type << " " << row.hex;
            continue;
        }
        ASSERT_TRUE(item.ok) << row.type << " " << row.hex;
        EXPECT_EQ(item.size, data.size()) << row.type << " " << row.hex;
        char text[256];
        EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &item), row.summary)
            << row.type << " " << row.hex;
        char html[8192];
        ast_dataitem_get_detail_html(html, sizeof html, &item);
        EXPECT_STRNE(ast_dataitem_get_name(row.type), "") << row.type;
        for (const auto& line : log.all())
            EXPECT_LT(line.first, AST_LOG_WARNING) << row.type << " " << line.second;
    }
}

TEST(OtherCategories, SafetyNetMessageTypes) {
    const struct {
        uint32_t code;
        const char* id;
        const char* name;
    } rows[] = {{1, "ALIVE", "Alive Message"},
                {7, "STCA", "Short Term Conflict Alert"},
                {37, "CUW", "Catch Up Warning"},
                {99, "AIW", "Airspace Infringement Warning"},
                {201, "MRVA", "Minimum Radar Vectoring Altitude Infringement"},
                {0, "UNDEFINED", "UNDEFINED"},
                {38, "UNDEFINED", "UNDEFINED"},
                {255, "UNDEFINED", "UNDEFINED"}};
    for (const auto& row : rows) {
        EXPECT_STREQ(ast_snet_message_type_get_id(row.code), row.id) << row.code;
        EXPECT_STREQ(ast_snet_message_type_get_name(row.code), row.name) << row.code;
    }
    int defined = 0;
    for (uint32_t code = 0; code < 256; ++code)
        defined += std::strcmp(ast_snet_message_type_get_id(code), "UNDEFINED") != 0;
    EXPECT_EQ(defined, 41);
}

TEST(OtherCategories, EveryCompoundSubfieldPresent) {
    for (ast_dataitem_type_t type : {4100u, 4120u, 4170u, 4171u})
        checkEverySubfield(type);
    const struct {
        uint32_t type;
        const char* hex;
        const char* summary;
    } rows[] = {
        {4100001, "4D 34 D3 4D 34 D3", "ACID:SSSSSSSS"},
        {4100002, "41 42 43 20 20 20 20", "CAN:ABC"},
        {4120003, "C8", "CP:100.0%"},
        {4120004, "FF FF FF", "CD:131071.992S"},
        {4170001, "41 42 43 31 32 33 34", "AI1:ABC1234"},
        {4170002, "0F FF", "M31:7777"},
        {4171005, "00 00 80", "TT2:1.000S"},
        {4171006, "FF FF", "DT2:32767.5M"},
        {4171009, "07 FF FF FF", "FP2:134217727"},
        {4171010, "05 DC", "CF2:375.00FL"},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        EXPECT_EQ(ast_subfield_get_size(data.data(), data.size(), row.type), data.size());
        const ast_subfield_t sf = {1, data.data(), data.size(), row.type, 1};
        char text[128];
        EXPECT_STREQ(ast_subfield_get_summary(text, sizeof text, &sf), row.summary) << row.type;
    }
}

TEST(OtherCategories, RecordsThatCannotBeDecoded) {
    const struct {
        uint32_t category;
        const char* hex;
        const char* log;
    } rows[] = {
        {4, "A0 19 64 01 00 01", "Unsupported dataitem I004/015"},
        {8, "90 19 64 00 01", "Unsupported dataitem I008/036"},
        {10, "88 19 64 00 00 00 00 00 00 00 00", "Unsupported dataitem I010/041"},
        {19, "01 01 40 00", "Unsupported dataitem I000/000"},
        {20, "01 01 01 02 05", "Unsupported dataitem I020/SPF"},
        {23, "A0 19 64 01", "Unsupported dataitem I023/015"},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        AstLogCapture log;
        const ast_datarecord_t r =
            ast_datarecord_decode(data.data(), data.size(), row.category, &AST_UAP_STANDARD);
        EXPECT_FALSE(r.ok) << row.hex;
        EXPECT_GE(log.count(AST_LOG_CRITICAL, row.log), 1) << row.hex;
    }
}

TEST(OtherCategories, RecordFormsAndGetters) {
    // CAT004: FRN 1 I004/010, FRN 2 I004/000, FRN 4 I004/020, FRN 5 I004/040.
    const Bytes alert = hexBytes("D8 19 64 07 A8 BF FF 00 2A");
    const ast_datarecord_t a = ast_datarecord_decode(alert.data(), alert.size(), 4, &AST_UAP_STANDARD);
    ASSERT_TRUE(a.ok);
    const ast_cat004_record_t f004 = ast_datarecord_004_disassemble(&a);
    EXPECT_TRUE(f004.ok);
    EXPECT_EQ(f004.i000.value, 7u);
    EXPECT_EQ(f004.i010.sic, 100u);
    EXPECT_EQ(f004.i020.hours, 23u);
    EXPECT_EQ(f004.i040.alert_id, 42u);
    EXPECT_FALSE(f004.i100.present);

    // CAT010: FRN 1 I010/010, FRN 3 I010/020 (ADS-B), FRN 4 I010/140, FRN 10 I010/161.
    const Bytes track = hexBytes("B1 20 19 64 40 A8 BF FF 0F FF");
    const ast_datarecord_t t = ast_datarecord_decode(track.data(), track.size(), 10, &AST_UAP_STANDARD);
    ASSERT_TRUE(t.ok);
    EXPECT_EQ(ast_datarecord_010_get_msgtype(&t).type, uint32_t{AST_MSGTYPE_TRACK});
    EXPECT_EQ(ast_datarecord_010_get_tracknum(&t).number, 4095u);
    EXPECT_EQ(ast_datarecord_010_get_sacsic(&t).sac, 25u);
    EXPECT_EQ(ast_datarecord_010_get_timeofday(&t).raw, 0xA8BFFFu);
    EXPECT_FALSE(ast_datarecord_010_get_squawk(&t).valid);
    const struct {
        const char* hex;
        uint32_t type;
    } plots[] = {{"B0 19 64 40 A8 BF FF", AST_MSGTYPE_ADSB},
                 {"B0 19 64 20 A8 BF FF", AST_MSGTYPE_MLAT},
                 {"B0 19 64 60 A8 BF FF", AST_MSGTYPE_PLOT},
                 {"90 19 64 A8 BF FF", AST_MSGTYPE_PLOT}};
    for (const auto& plot : plots) {
        const Bytes data = hexBytes(plot.hex);
        const ast_datarecord_t p = ast_datarecord_decode(data.data(), data.size(), 10, &AST_UAP_STANDARD);
        ASSERT_TRUE(p.ok) << plot.hex;
        EXPECT_EQ(ast_datarecord_010_get_msgtype(&p).type, plot.type) << plot.hex;
    }

    // CAT020: FRN 1 I020/010, FRN 3 I020/140, FRN 4 I020/041, FRN 10 I020/090, FRN 12 I020/220,
    // FRN 13 I020/245.
    const Bytes mlat = hexBytes(
        "B1 2C 19 64 A8 BF FF 00 3F 20 00 FF E1 00 00 05 DC 3C 0A 55 00 04 20 E0 82 08 20");
    const ast_datarecord_t m = ast_datarecord_decode(mlat.data(), mlat.size(), 20, &AST_UAP_STANDARD);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(ast_datarecord_020_get_msgtype(&m).type, uint32_t{AST_MSGTYPE_MLAT});
    EXPECT_STREQ(ast_datarecord_020_get_callsign(&m).callsign, "ABC     ");
    EXPECT_EQ(ast_datarecord_020_get_icaoaddr(&m).address, 0x3C0A55u);
    EXPECT_DOUBLE_EQ(ast_datarecord_020_get_flightlevel(&m).level, 375.0);
    EXPECT_NEAR(ast_datarecord_020_get_coordinate(&m).latitude, 0x3F2000 * 180.0 / 33554432.0,
                1e-12);
    EXPECT_FALSE(ast_datarecord_020_get_tracknum(&m).valid);
    const ast_cat020_record_t f020 = ast_datarecord_020_disassemble(&m);
    EXPECT_TRUE(f020.ok);
    EXPECT_EQ(f020.i090.code, 1500);
    EXPECT_EQ(f020.i220.address, 0x3C0A55u);
    // Another category's record gives nothing.
    EXPECT_FALSE(ast_datarecord_020_get_sacsic(&t).valid);
    EXPECT_FALSE(ast_datarecord_020_disassemble(&t).ok);

    // I010/040 writes the rounded metres and azimuth.
    ast_polar_position_t polar = {1, 0, 0, 1000.4, 90.0};
    ast_dataitem_value_t value = {10040, &polar};
    uint8_t out[8];
    const ast_dataitem_t written = ast_dataitem_encode(out, sizeof out, &value);
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(hexText(written), "03 E8 40 00");
    // I004/040 refuses an identifier beyond 16 bits.
    ast_dataitem_004_040_t id = {1, 0x10000};
    value = {4040, &id};
    EXPECT_FALSE(ast_dataitem_encode(out, sizeof out, &value).ok);
    id.alert_id = 0xBEEF;
    EXPECT_EQ(hexText(ast_dataitem_encode(out, sizeof out, &value)), "BE EF");
}
