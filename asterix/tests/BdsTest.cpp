// Comm-B registers (ICAO Doc 9871): names, code texts, each register's fields at their limits
// and signs, real registers of the CAT048 samples computed by hand, and the detail views.

#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

ast_dataitem_t bdsOf(const Bytes& mb, uint32_t code) {
    return ast_bds_decode(mb.data(), mb.size(), code);
}

std::string detail(const Bytes& mb, uint32_t code) {
    const ast_dataitem_t bds = bdsOf(mb, code);
    char text[4096];
    std::memset(text, POISON, sizeof text);
    return ast_bds_get_detail_html(text, sizeof text, &bds);
}

}  // namespace

TEST(Bds, NamesAndCodeTexts) {
    const struct {
        uint32_t code;
        const char* name;
        const char* text;
        const char* simple;
    } rows[] = {
        {0x10, "Data Link Capability Report", "BDS 1,0", "1,0"},
        {0x17, "Common Usage GICB Capability Report", "BDS 1,7", "1,7"},
        {0x20, "Aircraft Identification", "BDS 2,0", "2,0"},
        {0x30, "TCAS/ACAS Active Resolution Advisory", "BDS 3,0", "3,0"},
        {0x40, "Selected Vertical Intention", "BDS 4,0", "4,0"},
        {0x50, "Track and Turn Report", "BDS 5,0", "5,0"},
        {0x60, "Heading and Speed Report", "BDS 6,0", "6,0"},
        {0xE1, "Reserved for Mode S BITE", "BDS E,1", "E,1"},
        {0x45, "UNKNOWN NAME", "BDS 4,5", "4,5"},
        {0x00, "UNKNOWN NAME", "BDS 0,0", "0,0"},
    };
    for (const auto& row : rows) {
        EXPECT_STREQ(ast_bds_get_name(row.code), row.name) << row.code;
        EXPECT_STREQ(ast_bds_type_to_str(row.code), row.text) << row.code;
        EXPECT_STREQ(ast_bds_type_to_str_simple(row.code), row.simple) << row.code;
    }
}

TEST(Bds, ViewNeedsSevenOctets) {
    const Bytes mb = hexBytes("40 00 00 00 00 00 00");
    const ast_dataitem_t ok = ast_bds_decode(mb.data(), 7, 0x40);
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.size, 7u);
    EXPECT_EQ(ok.type, 0x40u);
    EXPECT_FALSE(ast_bds_decode(mb.data(), 6, 0x40).ok);
    EXPECT_FALSE(ast_bds_decode(nullptr, 7, 0x40).ok);
    // A register of six octets, a failed view or another register's code decodes to nothing.
    const ast_dataitem_t six = {mb.data(), 6, 0x40, 1};
    const ast_dataitem_t failed = {mb.data(), 7, 0x40, 0};
    const ast_dataitem_t other = {mb.data(), 7, 0x50, 1};
    EXPECT_FALSE(ast_bds_40_decode(&six).present);
    EXPECT_FALSE(ast_bds_40_decode(&failed).present);
    EXPECT_FALSE(ast_bds_40_decode(&other).present);
    EXPECT_FALSE(ast_bds_40_decode(nullptr).present);
}

// One I048/250 element of the sample cat_034_048.pcap (flight with MB registers 4,0, 5,0 and
// 6,0), decoded by hand from the MB bits of ICAO Doc 9871 Tables A-2-64, A-2-80 and A-2-96.
TEST(Bds, RealRegistersOfARadarSample) {
    // 4,0: CA 3E 51 F0 A8 00 00. Bit 1 status, bits 2-13 = 100101000111 = 2375 x 16 ft; bit 14
    // status, bits 15-26 the same 2375; bit 27 status, bits 28-39 = 100001010100 = 2132, so
    // 800 + 213.2 mb; bit 48 (mode bits) and bit 54 (target source) clear.
    const ast_bds_40_t r40 = ast_bds_40_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("CA 3E 51 F0 A8 00 00"), 0x40)));
    ASSERT_TRUE(r40.present);
    EXPECT_TRUE(r40.mcp_altitude_status);
    EXPECT_EQ(r40.mcp_altitude, 38000u);
    EXPECT_TRUE(r40.fms_altitude_status);
    EXPECT_EQ(r40.fms_altitude, 38000u);
    EXPECT_TRUE(r40.baro_setting_status);
    EXPECT_NEAR(r40.baro_setting, 1013.2, 1e-9);
    EXPECT_FALSE(r40.mode_status);
    EXPECT_FALSE(r40.target_source_status);

    // 5,0: FF 9A F9 37 3F FC E3. Roll: bits 2-11 = 1111111100 = -4 x 45/256; track: bits 13-23
    // = 10101111100 = -644 x 90/512 = -113.203125, so 246.796875; ground speed bits 25-34 =
    // 220 x 2 kt; track angle rate bits 36-45 = -1 x 8/256; true airspeed bits 47-56 = 227 x 2.
    const ast_bds_50_t r50 = ast_bds_50_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("FF 9A F9 37 3F FC E3"), 0x50)));
    ASSERT_TRUE(r50.present);
    EXPECT_DOUBLE_EQ(r50.roll_angle, -0.703125);
    EXPECT_DOUBLE_EQ(r50.true_track, 246.796875);
    EXPECT_DOUBLE_EQ(r50.ground_speed, 440.0);
    EXPECT_DOUBLE_EQ(r50.track_angle_rate, -0.03125);
    EXPECT_EQ(r50.true_airspeed, 454u);
    EXPECT_TRUE(r50.roll_angle_status && r50.true_track_status && r50.ground_speed_status &&
                r50.track_angle_rate_status && r50.true_airspeed_status);

    // 6,0: D7 99 F5 31 7F DC 00. Heading bits 2-12 = 10101111001 = -647 x 90/512, so
    // 246.26953125; IAS bits 14-23 = 250 kt; Mach bits 25-34 = 197 x 2.048/512; baro rate bits
    // 36-45 = -5 x 32 ft/min; inertial vertical velocity bits 47-56 = 0.
    const ast_bds_60_t r60 = ast_bds_60_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("D7 99 F5 31 7F DC 00"), 0x60)));
    ASSERT_TRUE(r60.present);
    EXPECT_DOUBLE_EQ(r60.magnetic_heading, 246.26953125);
    EXPECT_EQ(r60.indicated_airspeed, 250u);
    EXPECT_DOUBLE_EQ(r60.mach, 0.788);
    EXPECT_DOUBLE_EQ(r60.baro_altitude_rate, -160.0);
    EXPECT_TRUE(r60.inertial_vertical_velocity_status);
    EXPECT_DOUBLE_EQ(r60.inertial_vertical_velocity, 0.0);
}

// Each field at its sign and its largest magnitude, and a field whose status bit is clear.
TEST(Bds, SignsLimitsAndStatusBits) {
    // 5,0 with every status bit set and every value at 0 except the sign bits: roll sign (bit 2)
    // alone is -512 x 45/256 = -90; track sign (bit 13) alone is -1024 x 90/512 = -180, given as
    // 180; rate sign (bit 36) alone is -512 x 8/256 = -16.
    // Bits: 1 S, 2 sign -> octet 1 = 1100 0000; bit 12 S, bit 13 sign -> octet 2 = 0001 1000;
    // bit 24 S -> octet 3 = 0000 0001; bit 35 S, bit 36 sign -> octet 5 = 0011 0000; bit 46 S
    // -> octet 6 = 0000 0100.
    const ast_bds_50_t signs = ast_bds_50_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("C0 18 01 00 30 04 00"), 0x50)));
    ASSERT_TRUE(signs.present);
    EXPECT_DOUBLE_EQ(signs.roll_angle, -90.0);
    EXPECT_DOUBLE_EQ(signs.true_track, 180.0);
    EXPECT_DOUBLE_EQ(signs.track_angle_rate, -16.0);
    EXPECT_EQ(signs.true_airspeed, 0u);
    // Largest positive values: roll 511 x 45/256, ground speed and TAS 1023 x 2 kt.
    const ast_bds_50_t largest = ast_bds_50_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("BF E0 01 FF F0 07 FF"), 0x50)));
    ASSERT_TRUE(largest.present);
    EXPECT_DOUBLE_EQ(largest.roll_angle, 511 * 45.0 / 256.0);
    EXPECT_DOUBLE_EQ(largest.ground_speed, 2046.0);
    EXPECT_EQ(largest.true_airspeed, 2046u);
    // A 6,0 heading with its sign bit set lies between 180 and 360 degrees.
    const ast_bds_60_t west = ast_bds_60_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("E0 00 00 00 00 00 00"), 0x60)));
    EXPECT_DOUBLE_EQ(west.magnetic_heading, 360.0 - 512 * 90.0 / 512.0);  // bits 2-3 set: -512
    // Status clear: no value, whatever the bits say.
    const ast_bds_60_t none = ast_bds_60_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("7F F3 FE FF DF FB FF"), 0x60)));
    ASSERT_TRUE(none.present);
    EXPECT_FALSE(none.magnetic_heading_status);
    EXPECT_EQ(none.magnetic_heading, 0.0);
    EXPECT_FALSE(none.indicated_airspeed_status);
    EXPECT_EQ(none.indicated_airspeed, 0u);
    EXPECT_FALSE(none.mach_status);
    EXPECT_FALSE(none.baro_altitude_rate_status);
    EXPECT_FALSE(none.inertial_vertical_velocity_status);
    EXPECT_EQ(none.inertial_vertical_velocity, 0.0);
    // 4,0 mode bits and target altitude source with their status bits (48 and 54).
    // Octet 6 holds bits 41-48, octet 7 bits 49-56: bit 48 S, 49 VNAV, 51 APP, 54 S, 55-56 = 3.
    const ast_bds_40_t modes = ast_bds_40_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("00 00 00 00 00 01 A7"), 0x40)));
    ASSERT_TRUE(modes.present);
    EXPECT_TRUE(modes.mode_status);
    EXPECT_TRUE(modes.vnav);
    EXPECT_FALSE(modes.alt_hold);
    EXPECT_TRUE(modes.approach);
    EXPECT_TRUE(modes.target_source_status);
    EXPECT_EQ(modes.target_source, 3u);
    EXPECT_FALSE(modes.mcp_altitude_status);
}

TEST(Bds, DataLinkCapabilityIdentificationAndResolutionAdvisory) {
    // 1,0: bit 9 continuation, bit 16 TCAS, bits 17-23 version 4, bit 24 level 5, bit 25
    // specific services, bits 26-28 UELM 3, bits 29-32 DELM 5, bits 33-36 all set.
    const ast_bds_10_t r10 = ast_bds_10_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("10 81 09 B5 F0 00 00"), 0x10)));
    ASSERT_TRUE(r10.present);
    EXPECT_TRUE(r10.continuation);
    EXPECT_TRUE(r10.tcas_operational);
    EXPECT_EQ(r10.subnetwork_version, 4u);
    EXPECT_TRUE(r10.enhanced_protocol);
    EXPECT_TRUE(r10.specific_services);
    EXPECT_EQ(r10.uelm, 3u);
    EXPECT_EQ(r10.delm, 5u);
    EXPECT_TRUE(r10.aircraft_id && r10.squitter && r10.surveillance_id && r10.gicb);

    // 2,0 carries its own number in its first octet; "DLH65A  " as in the sample's I048/240.
    const ast_bds_20_t r20 = ast_bds_20_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("20 10 C2 36 D4 18 20"), 0x20)));
    ASSERT_TRUE(r20.present);
    EXPECT_STREQ(r20.callsign, "DLH65A  ");
    EXPECT_FALSE(ast_bds_20_decode(&static_cast<const ast_dataitem_t&>(
                                       bdsOf(hexBytes("21 10 C2 36 D4 18 20"), 0x20)))
                     .present);

    // 3,0: ARA bit 9, RAC bit 26, RAT, MTE, TTI 1 and threat address ABCDEF in bits 31-54.
    const ast_bds_30_t r30 = ast_bds_30_decode(
        &static_cast<const ast_dataitem_t&>(bdsOf(hexBytes("30 80 00 76 AF 37 BC"), 0x30)));
    ASSERT_TRUE(r30.present);
    EXPECT_TRUE(r30.ara_active);
    EXPECT_EQ(r30.ara, 0x2000u);
    EXPECT_TRUE(r30.rac_active);
    EXPECT_EQ(r30.rac, 1u);
    EXPECT_TRUE(r30.rat);
    EXPECT_TRUE(r30.mte);
    EXPECT_EQ(r30.tti, 1u);
    EXPECT_EQ(r30.threat_address[0], 0xAB);
    EXPECT_EQ(r30.threat_address[1], 0xCD);
    EXPECT_EQ(r30.threat_address[2], 0xEF);
}

TEST(Bds, DetailViews) {
    const struct {
        uint32_t code;
        const char* mb;
        std::vector<const char*> texts;
    } rows[] = {
        {0x10,
         "10 81 09 B5 F0 00 00",
         {"<td>Mode-S Subnetwork Version Number</td>",
          "ICAO(ANNEX10 2007, DOC9871 ED1) RTCA(DO-181D) EUROCAE(ED-73C)", "LEVEL 5",
          "16 UELM SEGMENTS IN 250 MSEC", "16 DELM SEGMENTS IN 250 MSEC"}},
        {0x20, "20 10 C2 36 D4 18 20", {"<td>CHAR_1</td><td>D</td>", "<td>CHAR_6</td><td>A</td>"}},
        {0x30,
         "30 80 00 76 AF 37 BC",
         {"<td>Threat Type Indicator (TTI)</td><td>MODE-S</td>", "<td>ABCDEF</td>",
          "<td>Multiple Threat Encounter (MTE)</td><td>TRUE</td>"}},
        {0x40,
         "CA 3E 51 F0 A8 00 00",
         {"<th>Item</th><th>Value</th><th>Status</th>",
          "<td>MCP/FCU Selected Altitude</td><td>38000 FT</td><td>valid</td>",
          "<td>Barometric Pressure Setting</td><td>1013.2 MB</td><td>valid</td>",
          "<td>Vnav Mode</td><td></td><td>invalid</td>"}},
        {0x50,
         "FF 9A F9 37 3F FC E3",
         {"<td>Roll Angle</td><td>-0.70 DEG</td>", "<td>Ground Speed</td><td>440.00 KNOT</td>",
          "<td>True Airspeed</td><td>454 KNOTS</td>"}},
        {0x60,
         "D7 99 F5 31 7F DC 00",
         {"<td>Indicated Airspeed</td><td>250 KNOT</td>", "<td>Mach</td><td>0.79 MACH</td>",
          "<td>Barometric Altitude Rate</td><td>-160.00 FEET/MIN</td>",
          "<td>Intertial Vertical Velocity</td><td>0.00 FEET/MIN</td>"}},
    };
    for (const auto& row : rows) {
        const std::string html = detail(hexBytes(row.mb), row.code);
        EXPECT_EQ(html.rfind("<table class=\"detail_table\">", 0), 0u) << row.code;
        for (const char* text : row.texts)
            EXPECT_NE(html.find(text), std::string::npos) << row.code << ": " << text << "\n"
                                                          << html;
    }
    AstLogCapture log;
    EXPECT_EQ(detail(hexBytes("00 00 00 00 00 00 00"), 0x17), "");
    EXPECT_EQ(log.count(AST_LOG_WARNING, "Unsupported BDS 1,7"), 1);
}
