// Known-answer extended squitters and a recording of one aircraft (406B90, 2016-03-14)
// decoded through the ADS-B decoder.

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include <modes/ADSBAirbornePositionMessage.h>
#include <modes/ADSBAirborneVelocityMessage.h>
#include <modes/ADSBAircraftStatusMessageV2.h>
#include <modes/ADSBDecoder.h>
#include <modes/ADSBIdentityMessage.h>
#include <modes/ADSBSurfacePositionMessage.h>

#include "LogCapture.h"
#include "TestData.h"

namespace brannic {
namespace modes {
namespace {

// The ME field of a 112-bit extended squitter given in hexadecimal: bytes 4 to 10.
std::string meOf(const std::string& hex) {
    return testdata::fromHex(hex).substr(4, 7);
}

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

TEST(ADSBRecordedData, KnownAnswerVectors) {
    ADSBDecoder decoder;
    int checked = 0;
    for (const auto& v : testdata::knownAnswerVectors()) {
        static const std::set<std::string> kinds = {
            "ident", "position-even", "position-odd", "velocity", "altitude", "movement", "status"};
        if (kinds.count(v.kind) == 0)
            continue;
        SCOPED_TRACE(v.kind + " " + v.hex);
        LogCapture log;
        std::unique_ptr<ADSBMessage> message(decoder.decode(MOPS_V2, meOf(v.hex)));
        const auto& values = v.values;
        auto has = [&values](const char* key) { return values.count(key) != 0; };

        if (v.kind == "velocity" && values.at("subtype") == "3") {
            EXPECT_EQ(message, nullptr);
            EXPECT_EQ(log.count("Unsupported AIR_SPD message detected."), 1);
            ++checked;
            continue;
        }
        ASSERT_NE(message, nullptr);
        if (has("tc")) {
            EXPECT_EQ(std::to_string(message->typeCode()), values.at("tc"));
        }

        if (v.kind == "ident") {
            const auto& ident = dynamic_cast<const ADSBIdentityMessage&>(*message);
            EXPECT_EQ(trimmed(ident.callsign()), values.at("callsign"));
            EXPECT_EQ(std::to_string(ident.emitterCategory()), values.at("category"));
        } else if (v.kind == "position-even" || v.kind == "position-odd" || v.kind == "altitude") {
            const auto& pos = dynamic_cast<const ADSBAirbornePositionMessage&>(*message);
            if (has("altitude")) {
                EXPECT_EQ(std::to_string(pos.altitude()), values.at("altitude"));
            }
            if (has("cpr")) {
                EXPECT_EQ(pos.cprFormat() == EVEN ? "EVEN" : "ODD", values.at("cpr"));
            }
            if (has("lat")) {
                EXPECT_EQ(std::to_string(pos.cprLatitude()), values.at("lat"));
            }
            if (has("lon")) {
                EXPECT_EQ(std::to_string(pos.cprLongitude()), values.at("lon"));
            }
        } else if (v.kind == "velocity") {
            const auto& vel = dynamic_cast<const ADSBAirborneVelocityMessage&>(*message);
            EXPECT_EQ(std::to_string(vel.velocityType()), values.at("subtype"));
            EXPECT_NEAR(vel.groundSpeed(), std::stod(values.at("groundspeed")), 0.005);
            EXPECT_NEAR(vel.heading(), std::stod(values.at("heading")), 0.005);
            EXPECT_EQ(std::to_string(vel.verticalRate()), values.at("vrate"));
            EXPECT_EQ(vel.verticalRateSource() == BARO ? "BARO" : "GNSS", values.at("vrsource"));
        } else if (v.kind == "movement") {
            const auto& gnd = dynamic_cast<const ADSBSurfacePositionMessage&>(*message);
            EXPECT_EQ(std::to_string(gnd.movementCode()), values.at("movement"));
            EXPECT_DOUBLE_EQ(gnd.groundSpeed(), std::stod(values.at("groundspeed")));
        } else if (v.kind == "status") {
            const auto& status = dynamic_cast<const ADSBAircraftStatusMessageV2&>(*message);
            EXPECT_EQ(std::to_string(status.subtype()), values.at("subtype"));
            EXPECT_EQ(std::to_string(status.emergencyState()), values.at("emergency"));
            EXPECT_EQ(status.modeAOctString(), values.at("squawk"));
        }
        ++checked;
    }
    EXPECT_EQ(checked, 16);
}

TEST(ADSBRecordedData, RecordingOfOneAircraft) {
    const auto rows = testdata::readCsv("sample_data_adsb.csv", false);
    ASSERT_EQ(rows.size(), 2000u);
    ADSBDecoder decoder;
    LogCapture log;
    for (int version = 0; version <= 2; ++version) {
        int identities = 0, positions = 0, velocities = 0;
        for (const auto& row : rows) {
            SCOPED_TRACE(row[1] + ", version " + std::to_string(version));
            std::unique_ptr<ADSBMessage> message(
                decoder.decode(static_cast<MOPSVersion>(version), meOf(row[1])));
            ASSERT_NE(message, nullptr);
            ASSERT_EQ(std::to_string(message->typeCode()), row[3]);
            switch (message->type()) {
                case ACID: {
                    const auto& ident = dynamic_cast<const ADSBIdentityMessage&>(*message);
                    EXPECT_EQ(ident.callsign(), "EZY85MH ");
                    EXPECT_EQ(ident.emitterCategory(), 0);
                    ++identities;
                    break;
                }
                case POS_AIR: {
                    // Cruising at flight level 360 throughout, in 25-ft steps.
                    const auto& pos = dynamic_cast<const ADSBAirbornePositionMessage&>(*message);
                    EXPECT_GE(pos.altitude(), 35975);
                    EXPECT_LE(pos.altitude(), 36025);
                    EXPECT_EQ(pos.altResolution(), RES_25FT);
                    EXPECT_EQ(pos.altitudeSource(), BARO);
                    EXPECT_LT(pos.cprLatitude(), 1 << 17);
                    ++positions;
                    break;
                }
                case AIR_VEL: {
                    const auto& vel = dynamic_cast<const ADSBAirborneVelocityMessage&>(*message);
                    EXPECT_EQ(vel.velocityType(), ADSBAirborneVelocityMessage::GROUND_SPEED);
                    EXPECT_GT(vel.groundSpeed(), 487.0);
                    EXPECT_LT(vel.groundSpeed(), 496.0);
                    EXPECT_GT(vel.heading(), 270.0);
                    EXPECT_LT(vel.heading(), 300.0);
                    EXPECT_GE(vel.verticalRate(), -64);
                    EXPECT_LE(vel.verticalRate(), 64);
                    ++velocities;
                    break;
                }
                default:
                    ADD_FAILURE() << "unexpected type " << message->typeName();
            }
        }
        EXPECT_EQ(identities, 98);
        EXPECT_EQ(positions, 937);
        EXPECT_EQ(velocities, 965);
    }
    EXPECT_TRUE(log.lines.empty()) << log.lines.front();
}

TEST(ADSBRecordedData, DescriptionsOfRecordedFrames) {
    struct Row {
        const char* hex;
        const char* description;
    };
    const Row rows[] = {
        {"8D406B902015A678D4D220AA4BDA", "TC=ACID, EC=0, CS=EZY85MH "},
        {"8D406B9058B975870B738754F480",
         "TC=POS_AIR, AT=BARO, ALT=35975, CPR=ODD, LAT=50053, LON=95111"},
        {"8D406B909945DE10000405999BE4", "TC=AIR_VEL, ST=GS, GS=493.617, HDG=284.909, VR=0"},
        {"8D406B909945C816880408201CBC", "TC=AIR_VEL, ST=GS, GS=488.944, HDG=291.475, VR=0"},
        {"8D485020994409940838175B284F", "TC=AIR_VEL, ST=GS, GS=159.201, HDG=182.88, VR=-832"},
        {"8DA2C1B6E112B600000000760759", "TC=AC_STATUS, ST=EMG, EMG=0, MA=6513"},
        {"8d3933203fcde2a84e39e1c6c5bc",
         "TC=POS_GND, SPD=175, HDG=264.375, CPR=EVEN, LAT=87079, LON=14817"},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.hex);
        std::unique_ptr<ADSBMessage> message(decoder.decode(MOPS_V2, meOf(row.hex)));
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->description(), row.description);
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
