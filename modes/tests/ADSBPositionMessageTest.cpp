// Airborne and surface position messages: altitude codes, CPR format and values, movement
// quantisation, ground track, field lists and descriptions.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBAirbornePositionMessageV0.h>
#include <modes/ADSBAirbornePositionMessageV1.h>
#include <modes/ADSBAirbornePositionMessageV2.h>
#include <modes/ADSBDecoder.h>
#include <modes/ADSBSurfacePositionMessage.h>

#include "LogCapture.h"
#include "MEField.h"

namespace brannic {
namespace modes {
namespace {

using testdata::me;

TEST(ADSBAirbornePosition, AltitudeByQBitAndSource) {
    // 12-bit altitude field (ME 8-19): C1 A1 C2 A2 C4 A4 B1 Q B2 D2 B4 D4.
    struct Row {
        unsigned typeCode;
        uint32_t code12;
        bool ok;
        int32_t feet;
        AltitudeResolution resolution;
        AltitudeSource source;
    };
    const Row rows[] = {
        {11, 0xC38, true, 38000, RES_25FT, BARO},  // N = 0x61 * 16 + 8 = 1560
        {9, 0x010, true, -1000, RES_25FT, BARO},   // Q alone: N = 0
        {18, 0xFFF, true, 50175, RES_25FT, BARO},  // N = 2047
        {20, 0xC38, true, 38000, RES_25FT, GNSS},  // GNSS height, coded the same way
        {22, 0x200, true, -1000, RES_100FT, GNSS},
        // Gillham codes (Q clear) of known Mode C altitudes.
        {11, 0x200, true, -1000, RES_100FT, BARO},
        {11, 0x20A, true, 0, RES_100FT, BARO},
        {11, 0xA0A, true, 100, RES_100FT, BARO},
        {11, 0x228, true, 1000, RES_100FT, BARO},
        {11, 0x60B, true, 32000, RES_100FT, BARO},
        {11, 0x084, true, 126700, RES_100FT, BARO},
        // Not available (all zeros) and an illegal 100-ft step (C1 C2 C4 = 000).
        {11, 0x000, false, 0, RES_100FT, BARO},
        {21, 0x000, false, 0, RES_100FT, GNSS},
        {11, 0x040, false, 0, RES_100FT, BARO},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        for (int version = 0; version <= 2; ++version) {
            SCOPED_TRACE("type code " + std::to_string(row.typeCode) + ", altitude code " +
                         std::to_string(row.code12) + ", version " + std::to_string(version));
            LogCapture log;
            std::unique_ptr<ADSBMessage> message(decoder.decode(
                static_cast<MOPSVersion>(version), me(row.typeCode, {{8, 19, row.code12}})));
            EXPECT_TRUE(log.lines.empty());
            if (!row.ok) {
                EXPECT_EQ(message, nullptr);
                continue;
            }
            ASSERT_NE(message, nullptr);
            const auto& position = dynamic_cast<const ADSBAirbornePositionMessage&>(*message);
            EXPECT_EQ(position.altitude(), row.feet);
            EXPECT_EQ(position.altResolution(), row.resolution);
            EXPECT_EQ(position.altitudeSource(), row.source);
        }
    }
}

TEST(ADSBAirbornePosition, TypeCodesOutsideAirbornePositionAreRefused) {
    // Only reachable by decoding directly: the message's type check comes first.
    LogCapture log;
    ADSBAirbornePositionMessageV2 message;
    EXPECT_FALSE(message.decode(me(19, {{8, 19, 0xC38}})));
    EXPECT_FALSE(message.decode(me(23, {{8, 19, 0xC38}})));
    EXPECT_EQ(log.count("Type code mismatch."), 2);
}

TEST(ADSBAirbornePosition, CprFormatValuesAndTimeFlag) {
    struct Row {
        std::string me;
        CPRFormat format;
        int32_t lat;
        int32_t lon;
        bool t;
        const char* description;
    };
    const std::vector<Row> rows = {
        {me(11, {{8, 19, 0xC38}, {21, 21, 1}, {22, 38, 74158}, {39, 55, 50194}}), ODD, 74158, 50194,
         false, "TC=POS_AIR, AT=BARO, ALT=38000, CPR=ODD, LAT=74158, LON=50194"},
        {me(11, {{8, 19, 0xC38}, {20, 20, 1}, {22, 38, 0x1FFFF}, {39, 55, 0x1FFFF}}), EVEN, 131071,
         131071, true, "TC=POS_AIR, AT=BARO, ALT=38000, CPR=EVEN, LAT=131071, LON=131071"},
        {me(20, {{8, 19, 0x010}, {21, 21, 1}, {39, 55, 1}}), ODD, 0, 1, false,
         "TC=POS_AIR, AT=GNSS, ALT=-1000, CPR=ODD, LAT=0, LON=1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        ADSBAirbornePositionMessageV1 message;
        ASSERT_TRUE(message.decode(row.me));
        EXPECT_EQ(message.cprFormat(), row.format);
        EXPECT_EQ(message.cprLatitude(), row.lat);
        EXPECT_EQ(message.cprLongitude(), row.lon);
        EXPECT_EQ(message.timeApplicability(), row.t);
        EXPECT_EQ(message.description(), row.description);
    }
}

std::vector<std::string> fieldTexts(const ADSBMessage& message) {
    std::vector<std::string> texts;
    for (const auto& f : message.fields()) {
        texts.push_back(f.name() + "@" + std::to_string(f.pos()) + "/" + std::to_string(f.bits()) +
                        "=" + f.description());
    }
    return texts;
}

TEST(ADSBAirbornePosition, FieldListsOfTheVersions) {
    const std::string data =
        me(11, {{7, 7, 1}, {8, 19, 0xC38}, {21, 21, 1}, {22, 38, 93000}, {39, 55, 51372}});
    const std::vector<std::string> tail = {
        "ALT@8/12=38000FT", "ALT_RES@15/1=25FT",   "T@20/1=0",
        "CPR_FMT@21/1=ODD", "CPR_LAT@22/17=93000", "CPR_LON@39/17=51372"};
    auto check = [&](ADSBAirbornePositionMessage& message, const std::string& bit7) {
        ASSERT_TRUE(message.decode(data));
        const auto texts = fieldTexts(message);
        ASSERT_EQ(texts.size(), 10u);
        // TYPE, TYPE_CODE and ALT_SRC share position 0.
        std::vector<std::string> head(texts.begin(), texts.begin() + 3);
        std::sort(head.begin(), head.end());
        EXPECT_EQ(head, (std::vector<std::string>{"ALT_SRC@0/5=BARO", "TYPE@0/5=POS_AIR",
                                                  "TYPE_CODE@0/5=11"}));
        EXPECT_EQ(texts[3], bit7);
        EXPECT_EQ(std::vector<std::string>(texts.begin() + 4, texts.end()), tail);
    };
    ADSBAirbornePositionMessageV0 v0;
    check(v0, "SAF@7/1=1");
    EXPECT_TRUE(v0.singalAntena());
    ADSBAirbornePositionMessageV1 v1;
    check(v1, "SAF@7/1=1");
    EXPECT_TRUE(v1.singalAntena());
    ADSBAirbornePositionMessageV2 v2;
    check(v2, "NIC_SUPP_B@7/1=1");
    EXPECT_TRUE(v2.nicSupplementB());
}

// The tracker decodes positions by type code alone, without a message object: only the
// airborne position codes decode, and a message whose altitude is refused keeps what it
// decoded before the altitude, fields included.
TEST(ADSBAirbornePosition, ValuesDecodeOnlyForPositionCodesAndStopAtARefusedAltitude) {
    const std::string altitude = me(0, {{8, 19, 0xC38}});  // Q set: 38,000 ft
    const auto* bytes = reinterpret_cast<const unsigned char*>(altitude.data());
    for (unsigned tc = 0; tc < 32; ++tc) {
        SCOPED_TRACE("type code " + std::to_string(tc));
        ADSBAirbornePositionMessage::Values values;
        const bool position = (tc >= 9 && tc <= 18) || (tc >= 20 && tc <= 22);
        EXPECT_EQ(
            ADSBAirbornePositionMessage::decodeValues(bytes, static_cast<uint8_t>(tc), values),
            position);
        EXPECT_EQ(values.altitude, position ? 38000 : 0);
        EXPECT_EQ(values.altitudeSource, tc >= 20 && position ? GNSS : BARO);
    }

    struct Row {
        unsigned tc;
        const char* source;
    };
    for (const Row& row : {Row{11, "BARO"}, Row{21, "GNSS"}}) {
        SCOPED_TRACE(row.source);
        ADSBAirbornePositionMessageV2 message;
        // Q clear and an all-zero Gillham code: altitude not available.
        EXPECT_FALSE(message.decode(me(row.tc, {{7, 7, 1}, {21, 21, 1}, {22, 38, 5}})));
        EXPECT_EQ(message.altitudeSource(), row.tc <= 18 ? BARO : GNSS);
        EXPECT_EQ(message.altResolution(), RES_100FT);
        EXPECT_EQ(message.cprFormat(), ODD);  // as constructed: never reached
        EXPECT_EQ(message.cprLatitude(), 0);
        EXPECT_FALSE(message.nicSupplementB());
        auto texts = fieldTexts(message);
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(texts,
                  (std::vector<std::string>{
                      std::string("ALT_RES@15/1=100FT"), std::string("ALT_SRC@0/5=") + row.source,
                      "TYPE@0/5=POS_AIR", "TYPE_CODE@0/5=" + std::to_string(row.tc)}));
    }
}

TEST(ADSBSurfacePosition, GroundSpeedOfEachMovementBand) {
    struct Row {
        unsigned code;
        double knots;
        const char* text;
    };
    const Row rows[] = {
        {0, 0, "0.000000"},       {1, 0, "0.000000"},         {2, 0.125, "0.125000"},
        {3, 0.125, "0.125000"},   {8, 0.8541666, "0.854167"}, {9, 1.0, "1.000000"},
        {12, 1.75, "1.750000"},   {13, 2.0, "2.000000"},      {38, 14.5, "14.500000"},
        {39, 15, "15.000000"},    {93, 69, "69.000000"},      {94, 70, "70.000000"},
        {108, 98, "98.000000"},   {109, 100, "100.000000"},   {123, 170, "170.000000"},
        {124, 175, "175.000000"}, {125, 0, "0.000000"},       {127, 0, "0.000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("movement code " + std::to_string(row.code));
        LogCapture log;
        ADSBSurfacePositionMessage message;
        ASSERT_TRUE(message.decode(me(6, {{5, 11, row.code}})));
        EXPECT_EQ(message.movementCode(), row.code);
        EXPECT_NEAR(message.groundSpeed(), row.knots, 1e-7);
        EXPECT_EQ(message.movement(), row.code >= 1 && row.code <= 124);
        const bool reserved = row.code >= 125;
        EXPECT_EQ(log.count("Reserved Movement Code: " + std::to_string(row.code) + "."),
                  reserved ? 1 : 0);
        EXPECT_EQ(log.countContaining("[CRITICAL][ADSBGndPosMsg"), reserved ? 1 : 0);
        bool found = false;
        for (const auto& f : message.fields()) {
            if (f.designator() == ADSBMessageField::GND_SPD) {
                EXPECT_EQ(f.description(), row.text);
                found = true;
            }
        }
        EXPECT_TRUE(found);
    }
}

TEST(ADSBSurfacePosition, HeadingCprAndDescription) {
    struct Row {
        std::string me;
        bool headingValid;
        double heading;
        const char* description;
    };
    const std::vector<Row> rows = {
        {me(7, {{5, 11, 39},
                {12, 12, 1},
                {13, 19, 64},
                {21, 21, 1},
                {22, 38, 115609},
                {39, 55, 116941}}),
         true, 180, "TC=POS_GND, SPD=15, HDG=180, CPR=ODD, LAT=115609, LON=116941"},
        {me(7, {{5, 11, 39}, {13, 19, 64}}), false, 0,
         "TC=POS_GND, SPD=15, HDG=0, CPR=EVEN, LAT=0, LON=0"},
        {me(8, {{5, 11, 8}, {12, 12, 1}, {13, 19, 127}}), true, 357.1875,
         "TC=POS_GND, SPD=0.854167, HDG=357.188, CPR=EVEN, LAT=0, LON=0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        ADSBSurfacePositionMessage message;
        ASSERT_TRUE(message.decode(row.me));
        EXPECT_EQ(message.headingValid(), row.headingValid);
        EXPECT_DOUBLE_EQ(message.heading(), row.heading);
        EXPECT_EQ(message.description(), row.description);
    }
    ADSBSurfacePositionMessage message;
    ASSERT_TRUE(message.decode(rows[0].me));
    const std::vector<std::string> expected = {
        "MOV_CODE@5/7=39", "GND_SPD@5/7=15.000000", "HDG_STATE@12/1=1",     "HDG@13/7=180.000000",
        "T@20/1=0",        "CPR_FMT@21/1=ODD",      "CPR_LAT@22/17=115609", "CPR_LON@39/17=116941"};
    const auto texts = fieldTexts(message);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()), expected);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
