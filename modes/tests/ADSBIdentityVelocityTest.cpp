// Identification and airborne velocity messages: the character set, the east-west and
// north-south velocity arithmetic, vertical rate, refused subtypes and descriptions.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBAirborneVelocityMessageV0.h>
#include <modes/ADSBAirborneVelocityMessageV1.h>
#include <modes/ADSBAirborneVelocityMessageV2.h>
#include <modes/ADSBDecoder.h>
#include <modes/ADSBIdentityMessage.h>

#include "LogCapture.h"
#include "MEField.h"

namespace brannic {
namespace modes {
namespace {

using testdata::Bits;
using testdata::me;

std::string identityMe(unsigned typeCode, unsigned category, const std::vector<uint32_t>& codes) {
    std::string data = me(typeCode, {{5, 7, category}});
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const unsigned pos = 8 + 6 * static_cast<unsigned>(i);
        const std::string one = me(0, {{pos, pos + 5, codes[i]}});
        for (std::size_t b = 0; b < data.size(); ++b)
            data[b] = static_cast<char>(data[b] | one[b]);
    }
    return data;
}

TEST(ADSBIdentity, CallsignAndCategory) {
    struct Row {
        unsigned typeCode;
        unsigned category;
        std::vector<uint32_t> codes;
        const char* callsign;
    };
    const Row rows[] = {
        {4, 0, {1, 2, 3, 32, 32, 32, 32, 32}, "ABC     "},
        {4, 3, {26, 48, 57, 32, 1, 32, 32, 32}, "Z09 A   "},
        {1, 7, {0, 63, 27, 31, 33, 47, 58, 62}, "????????"},
        {2, 1, {0, 0, 0, 0, 0, 0, 0, 0}, "????????"},
        {3, 2, {32, 32, 32, 32, 32, 32, 32, 32}, "        "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("callsign '") + row.callsign + "'");
        ADSBIdentityMessage message;
        ASSERT_TRUE(message.decode(identityMe(row.typeCode, row.category, row.codes)));
        EXPECT_EQ(message.callsign(), row.callsign);
        EXPECT_EQ(message.emitterCategory(), row.category);
        EXPECT_EQ(message.description(),
                  "TC=ACID, EC=" + std::to_string(row.category) + ", CS=" + row.callsign);
        const auto fields = message.fields();
        ASSERT_EQ(fields.size(), 11u);
        EXPECT_EQ(fields[2].name(), "EMT_CAT");
        for (unsigned i = 0; i < 8; ++i) {
            EXPECT_EQ(fields[3 + i].name(), "CHAR_" + std::to_string(i + 1));
            EXPECT_EQ(fields[3 + i].pos(), 8 + 6 * i);
            EXPECT_EQ(fields[3 + i].bits(), 6);
            EXPECT_EQ(fields[3 + i].description(), std::string(1, row.callsign[i]));
        }
    }
    EXPECT_EQ(ADSBIdentityMessage().callsign(), "        ");
}

// ME bits of a ground-speed velocity message.
std::string velocityMe(unsigned subtype, unsigned dEW, unsigned vEW, unsigned dNS, unsigned vNS,
                       unsigned vrSource = 1, unsigned vrSign = 0, unsigned vr = 0) {
    return me(19, {{5, 7, subtype},
                   {13, 13, dEW},
                   {14, 23, vEW},
                   {24, 24, dNS},
                   {25, 34, vNS},
                   {35, 35, vrSource},
                   {36, 36, vrSign},
                   {37, 45, vr}});
}

TEST(ADSBAirborneVelocity, SpeedHeadingAndVerticalRate) {
    struct Row {
        std::string me;
        double speed;
        double heading;
        int32_t rate;
        AltitudeSource source;
        const char* description;
    };
    const std::vector<Row> rows = {
        {velocityMe(1, 0, 101, 0, 1), 100, 90, 0, BARO, "TC=AIR_VEL, ST=GS, GS=100, HDG=90, VR=0"},
        {velocityMe(1, 1, 101, 0, 1), 100, 270, 0, BARO,
         "TC=AIR_VEL, ST=GS, GS=100, HDG=270, VR=0"},
        {velocityMe(1, 0, 1, 1, 101), 100, 180, 0, BARO,
         "TC=AIR_VEL, ST=GS, GS=100, HDG=180, VR=0"},
        {velocityMe(1, 1, 1, 0, 101), 100, 0, 0, BARO, "TC=AIR_VEL, ST=GS, GS=100, HDG=0, VR=0"},
        {velocityMe(1, 1, 4, 1, 5), 5, 216.86989764584402, 0, BARO,
         "TC=AIR_VEL, ST=GS, GS=5, HDG=216.87, VR=0"},
        {velocityMe(2, 0, 101, 0, 1), 400, 90, 0, BARO,
         "TC=AIR_VEL, ST=GS_SS, GS=400, HDG=90, VR=0"},
        // No east-west (or north-south) information: speed and heading 0.
        {velocityMe(1, 0, 0, 0, 101), 0, 0, 0, BARO, "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=0"},
        {velocityMe(1, 1, 101, 0, 0), 0, 0, 0, BARO, "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=0"},
        {velocityMe(1, 1, 1, 1, 1), 0, 0, 0, BARO, "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=0"},
        // Vertical rate: vr 1 is level, vr 0 no information; bit 35 clear is GNSS.
        {velocityMe(1, 0, 0, 0, 0, 0, 0, 1), 0, 0, 0, GNSS, "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=0"},
        {velocityMe(1, 0, 0, 0, 0, 1, 1, 11), 0, 0, -640, BARO,
         "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=-640"},
        {velocityMe(1, 0, 0, 0, 0, 1, 1, 0), 0, 0, 0, BARO, "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=0"},
        {velocityMe(1, 0, 0, 0, 0, 1, 0, 511), 0, 0, 32640, BARO,
         "TC=AIR_VEL, ST=GS, GS=0, HDG=0, VR=32640"},
        {velocityMe(2, 1, 1023, 1, 1023, 0, 1, 511), 4088 * 1.4142135623730951, 225, -32640, GNSS,
         "TC=AIR_VEL, ST=GS_SS, GS=5781.31, HDG=225, VR=-32640"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        LogCapture log;
        ADSBAirborneVelocityMessageV2 message;
        ASSERT_TRUE(message.decode(row.me));
        EXPECT_NEAR(message.groundSpeed(), row.speed, 1e-9);
        EXPECT_NEAR(message.heading(), row.heading, 1e-9);
        EXPECT_EQ(message.verticalRate(), row.rate);
        EXPECT_EQ(message.verticalRateSource(), row.source);
        EXPECT_EQ(message.description(), row.description);
        EXPECT_TRUE(log.lines.empty());
    }
}

TEST(ADSBAirborneVelocity, FieldList) {
    ADSBAirborneVelocityMessageV0 message;
    ASSERT_TRUE(message.decode(velocityMe(1, 1, 101, 0, 1, 0, 1, 11)));
    std::vector<std::string> texts;
    for (const auto& f : message.fields()) {
        texts.push_back(f.name() + "@" + std::to_string(f.pos()) + "=" + f.description());
    }
    const std::vector<std::string> expected = {
        "TYPE@0=AIR_VEL",  "TYPE_CODE@0=19", "SUB_TYPE@5=GROUND_SPEED",
        "NUC_R@10=0",      "DIR_EW@13=E->W", "VEL_EW@14=101",
        "DIR_NS@24=S->N",  "VEL_NS@25=1",    "VR_SRC@35=GNSS",
        "VR_SIGN@36=DOWN", "VR@37=11"};
    EXPECT_EQ(texts, expected);
}

TEST(ADSBAirborneVelocity, RefusedSubtypesAreLogged) {
    struct Row {
        unsigned subtype;
        const char* line;
        const char* tag;
    };
    const Row rows[] = {
        {0, "Unknown Subtype=0.", "[CRITICAL][ADSBAirVelMsg"},
        {5, "Unknown Subtype=5.", "[CRITICAL][ADSBAirVelMsg"},
        {6, "Unknown Subtype=6.", "[CRITICAL][ADSBAirVelMsg"},
        {7, "Unknown Subtype=7.", "[CRITICAL][ADSBAirVelMsg"},
        {3, "Unsupported AIR_SPD message detected.", "[WARNING ][ADSBAirVelMsg"},
        {4, "Unsupported AIR_SPD message detected.", "[WARNING ][ADSBAirVelMsg"},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        for (int version = 0; version <= 2; ++version) {
            SCOPED_TRACE("subtype " + std::to_string(row.subtype) + ", version " +
                         std::to_string(version));
            LogCapture log;
            std::unique_ptr<ADSBMessage> message(decoder.decode(
                static_cast<MOPSVersion>(version), velocityMe(row.subtype, 0, 101, 0, 1)));
            EXPECT_EQ(message, nullptr);
            EXPECT_EQ(log.count(row.line), 1);
            EXPECT_EQ(log.countContaining(row.tag), 1);
            EXPECT_EQ(log.lines.size(), 1u);
        }
    }
    // The airspeed subtypes describe themselves without a ground speed.
    ADSBAirborneVelocityMessageV1 airspeed;
    LogCapture log;
    EXPECT_FALSE(airspeed.decode(velocityMe(4, 0, 101, 0, 1)));
    EXPECT_EQ(airspeed.velocityType(), ADSBAirborneVelocityMessage::AIR_SPEED_SUPER_SONIC);
    EXPECT_EQ(airspeed.description(), "TC=AIR_VEL, ST=AS_SS, VR=0");
}

// An airspeed subtype is refused after its subtype: the message keeps the type and lists it.
TEST(ADSBAirborneVelocity, RefusedAirspeedListsItsSubtypeOnly) {
    ADSBAirborneVelocityMessageV0 message;
    LogCapture log;
    EXPECT_FALSE(message.decode(velocityMe(3, 1, 101, 0, 1, 0, 1, 11)));
    EXPECT_EQ(message.velocityType(), ADSBAirborneVelocityMessage::AIR_SPEED);
    EXPECT_FALSE(message.groundSpeedValid());
    EXPECT_FALSE(message.verticalRateValid());
    std::vector<std::string> texts;
    for (const auto& f : message.fields())
        texts.push_back(f.name() + "@" + std::to_string(f.pos()) + "=" + f.description());
    EXPECT_EQ(texts, (std::vector<std::string>{"TYPE@0=AIR_VEL", "TYPE_CODE@0=19",
                                               "SUB_TYPE@5=AIR_SPEED"}));
    // An unknown subtype lists nothing of its own.
    ADSBAirborneVelocityMessageV2 unknown;
    EXPECT_FALSE(unknown.decode(velocityMe(6, 0, 101, 0, 1)));
    EXPECT_EQ(unknown.fields().size(), 2u);
}

TEST(ADSBAirborneVelocity, VersionZeroReportsNucr) {
    const std::string data = me(19, {{5, 7, 1}, {10, 12, 5}, {14, 23, 101}, {25, 34, 1}});
    ADSBDecoder decoder;
    std::unique_ptr<ADSBMessage> v0(decoder.decode(MOPS_V0, data));
    ASSERT_NE(v0, nullptr);
    EXPECT_EQ(dynamic_cast<ADSBAirborneVelocityMessageV0&>(*v0).nucr(), 5);
    EXPECT_EQ(v0->description(), "TC=AIR_VEL, ST=GS, GS=100, HDG=90, VR=0, NUCr=5");
    std::unique_ptr<ADSBMessage> v1(decoder.decode(MOPS_V1, data));
    ASSERT_NE(v1, nullptr);
    EXPECT_EQ(v1->description(), "TC=AIR_VEL, ST=GS, GS=100, HDG=90, VR=0");
    EXPECT_EQ(v1->fields().size(), v0->fields().size() - 1);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
