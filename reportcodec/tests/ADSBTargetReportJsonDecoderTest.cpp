#include <reportcodec/ADSBTargetReportJsonDecoder.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LogCapture.h"

namespace brannic {
namespace modes {
namespace {

constexpr uint64_t kUti = 1610265903;  // 2021-01-10T08:05:03Z
constexpr uint64_t kTime = kUti * 1000;

std::string element(const std::string& members) {
    return "[{\"uti\":1610265903,\"hex\":\"4840D6\"" + (members.empty() ? "" : "," + members) +
           "}]";
}

TEST(ADSBTargetReportJsonDecoder, LogsInitialisationAndCount) {
    LogCapture log;
    ADSBTargetReportJsonDecoder decoder;
    EXPECT_EQ(log.count("Initialized."), 1);
    EXPECT_TRUE(decoder.decode("[]").empty());
    EXPECT_EQ(log.count("Decode 0 target reports"), 1);
    EXPECT_EQ(decoder.decode(element("") + "").size(), 1u);
    EXPECT_EQ(log.count("Decode 1 target reports"), 1);
}

TEST(ADSBTargetReportJsonDecoder, AddressAndTimeMakeAReport) {
    ADSBTargetReportJsonDecoder decoder;
    const auto reports = decoder.decode(element(""));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].valid());
    EXPECT_EQ(reports[0].icaoAddress(), 0x4840D6u);
    EXPECT_EQ(reports[0].lastUpdate(), kTime);
    EXPECT_FALSE(reports[0].positionValid());
    EXPECT_FALSE(reports[0].callsignValid());
    EXPECT_FALSE(reports[0].squawkValid());
    EXPECT_FALSE(reports[0].groundStatusValid());
}

// Documents that give no report: not JSON, the wrong root, or elements missing time or address.
TEST(ADSBTargetReportJsonDecoder, RejectedDocumentsGiveNothing) {
    const std::vector<std::string> documents = {
        "",
        "   ",
        "[",
        "[{\"uti\":1610265903,\"hex\":\"4840D6\"",
        "[{\"uti\":1610265903,\"hex\":\"4840D6\"}",
        "[{\"uti\":1610265903,\"hex\":\"4840D6\"}]]",
        "[{\"uti\":1610265903,\"hex\":\"4840D6\",}]",  // trailing comma
        "{\"uti\":1610265903,\"hex\":\"4840D6\"}",     // object root
        "\"4840D6\"",
        "null",
        "[1, \"x\", null, true, [], [{\"uti\":1610265903,\"hex\":\"4840D6\"}]]",
        "[{\"hex\":\"4840D6\"}]",
        "[{\"uti\":1610265903}]",
        "[{\"uti\":0,\"hex\":\"4840D6\"}]",
        "[{\"uti\":-1,\"hex\":\"4840D6\"}]",
        "[{\"uti\":1610265903.5,\"hex\":\"4840D6\"}]",
        "[{\"uti\":\"1610265903\",\"hex\":\"4840D6\"}]",
        "[{\"uti\":18446744073709551615,\"hex\":\"4840D6\"}]",  // milliseconds overflow
        "[{\"uti\":1610265903,\"hex\":\"000000\"}]",
        "[{\"uti\":1610265903,\"hex\":\"4840D\"}]",
        "[{\"uti\":1610265903,\"hex\":\"4840D6F\"}]",
        "[{\"uti\":1610265903,\"hex\":\"4840G6\"}]",
        "[{\"uti\":1610265903,\"hex\":\"0x40D6\"}]",
        "[{\"uti\":1610265903,\"hex\":\" 840D6\"}]",
        "[{\"uti\":1610265903,\"hex\":\"-840D6\"}]",
        "[{\"uti\":1610265903,\"hex\":4840}]",
        std::string("[{\"uti\":1610265903,\"hex\":\"48\\u000040\"}]"),
    };
    ADSBTargetReportJsonDecoder decoder;
    for (const auto& text : documents) {
        EXPECT_TRUE(decoder.decode(text).empty()) << text;
    }
}

TEST(ADSBTargetReportJsonDecoder, KeepsValidElementsInOrder) {
    ADSBTargetReportJsonDecoder decoder;
    const auto reports = decoder.decode(
        "[{\"uti\":1,\"hex\":\"000001\"}, 7, {\"hex\":\"000002\"}, {\"uti\":3,\"hex\":\"abcdef\"},"
        " {\"uti\":4,\"hex\":\"ABCDEF\",\"unknown\":{\"nested\":[1,2]}}]");
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].icaoAddress(), 1u);
    EXPECT_EQ(reports[1].icaoAddress(), 0xABCDEFu);
    EXPECT_EQ(reports[1].lastUpdate(), 3000u);
    EXPECT_EQ(reports[2].lastUpdate(), 4000u);
}

// Each member alone on a valid element: {members, check}. The check also asserts that a value
// taken from the document carries the report's time, so that the tracker counts it as current.
struct MemberCase {
    std::string members;
    std::function<void(const ADSBTargetReport&)> check;
};

TEST(ADSBTargetReportJsonDecoder, MembersByTypeAndValue) {
    const std::vector<MemberCase> cases = {
        {"\"fli\":\"KLM1023 \"",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.callsignValid());
             EXPECT_EQ(r.callsign(), "KLM1023 ");
             EXPECT_EQ(r.callsignLastUpdate(), kTime);
             EXPECT_EQ(r.callsignLastChange(), kTime);
         }},
        {"\"fli\":\"\"", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.callsignValid()); }},
        {"\"fli\":1023", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.callsignValid()); }},
        {"\"squ\":\"7700\"",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.squawkValid());
             EXPECT_EQ(r.squawk(), 07700u);
             EXPECT_EQ(r.squawk(), 4032u);
             EXPECT_EQ(r.squawkLastUpdate(), kTime);
             EXPECT_EQ(r.squawkLastChange(), kTime);
         }},
        {"\"squ\":\"770\"", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.squawkValid()); }},
        {"\"squ\":\"7780\"",
         [](const ADSBTargetReport& r) {
             EXPECT_FALSE(r.squawkValid());
             EXPECT_EQ(r.squawk(), 0u);
         }},
        {"\"squ\":\"0000\"",
         [](const ADSBTargetReport& r) {
             EXPECT_FALSE(r.squawkValid());
             EXPECT_EQ(r.squawkLastUpdate(), 0u);
         }},
        {"\"squ\":7700", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.squawkValid()); }},
        {"\"lat\":52.308611,\"lon\":4.763889",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.positionValid());
             EXPECT_DOUBLE_EQ(r.latitude(), 52.308611);
             EXPECT_DOUBLE_EQ(r.longitude(), 4.763889);
             EXPECT_EQ(r.positionLastUpdate(), kTime);
         }},
        {"\"lat\":-9e1,\"lon\":1.8E2",
         [](const ADSBTargetReport& r) { EXPECT_TRUE(r.positionValid()); }},
        {"\"lat\":52,\"lon\":4.763889",
         [](const ADSBTargetReport& r) {
             EXPECT_FALSE(r.positionValid());
             EXPECT_EQ(r.latitude(), 0.0);
         }},
        {"\"lat\":52.3", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.positionValid()); }},
        {"\"lat\":91.0,\"lon\":0.0",
         [](const ADSBTargetReport& r) {
             EXPECT_FALSE(r.positionValid());
             EXPECT_EQ(r.latitude(), 91.0);
             EXPECT_EQ(r.positionLastUpdate(), 0u);
         }},
        {"\"lat\":0.0,\"lon\":-180.5",
         [](const ADSBTargetReport& r) { EXPECT_FALSE(r.positionValid()); }},
        {"\"alt\":-1200",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.altitudeBaroValid());
             EXPECT_EQ(r.altitudeBaro(), -1200);
             EXPECT_EQ(r.altitudeBaroLastUpdate(), kTime);
         }},
        {"\"alt\":2147483648",
         [](const ADSBTargetReport& r) { EXPECT_FALSE(r.altitudeBaroValid()); }},
        {"\"alt\":38000.0", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.altitudeBaroValid()); }},
        {"\"spd\":450",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.groundSpeedValid());
             EXPECT_EQ(r.groundSpeed(), 450.0);
             EXPECT_EQ(r.groundSpeedLastUpdate(), kTime);
         }},
        {"\"spd\":450.5", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.groundSpeedValid()); }},
        {"\"trk\":271",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.headingValid());
             EXPECT_EQ(r.heading(), 271.0);
             EXPECT_EQ(r.headingLastUpdate(), kTime);
         }},
        {"\"trk\":\"271\"", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.headingValid()); }},
        {"\"vrt\":-640",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.verticalRateBaroValid());
             EXPECT_EQ(r.verticalRateBaro(), -640);
             EXPECT_EQ(r.verticalRateBaroLastUpdate(), kTime);
         }},
        {"\"vrt\":true",
         [](const ADSBTargetReport& r) { EXPECT_FALSE(r.verticalRateBaroValid()); }},
        {"\"gda\":\"G\"",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.groundStatusValid());
             EXPECT_TRUE(r.groundStatus());
             EXPECT_EQ(r.groundStatusLastUpdate(), kTime);
             EXPECT_EQ(r.groundStatusLastChange(), kTime);
         }},
        {"\"gda\":\"A\"",
         [](const ADSBTargetReport& r) {
             EXPECT_TRUE(r.groundStatusValid());
             EXPECT_FALSE(r.groundStatus());
         }},
        {"\"gda\":\"g\"", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.groundStatusValid()); }},
        {"\"gda\":\"GA\"", [](const ADSBTargetReport& r) { EXPECT_FALSE(r.groundStatusValid()); }},
    };
    ADSBTargetReportJsonDecoder decoder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.members);
        const auto reports = decoder.decode(element(c.members));
        ASSERT_EQ(reports.size(), 1u);
        c.check(reports[0]);
    }
}

TEST(ADSBTargetReportJsonDecoder, QualityValuesNeverSet) {
    ADSBTargetReportJsonDecoder decoder;
    const auto reports = decoder.decode(element("\"lat\":52.3,\"lon\":4.7,\"nucp\":7,\"nic\":8"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_FALSE(reports[0].nucpValid());
    EXPECT_FALSE(reports[0].nicValid());
    EXPECT_FALSE(reports[0].silValid());
    EXPECT_EQ(reports[0].nucpLastUpdate(), 0u);
}

TEST(ADSBTargetReportJsonDecoder, GroundStatusLogLine) {
    ADSBTargetReportJsonDecoder decoder;
    LogCapture log;
    decoder.decode(element("\"gda\":\"G\""));
    decoder.decode(element("\"gda\":\"A\""));
    decoder.decode(element("\"gda\":\"X\""));
    EXPECT_EQ(log.count("Ground status: 1"), 1);
    EXPECT_EQ(log.count("Ground status: 0"), 1);
}

// Inputs meant to break a parser: deep nesting would exhaust a recursive parser's stack.
TEST(ADSBTargetReportJsonDecoder, SurvivesHostileDocuments) {
    ADSBTargetReportJsonDecoder decoder;
    const std::string deepOpen(100000, '[');
    EXPECT_TRUE(decoder.decode(deepOpen).empty());
    EXPECT_TRUE(decoder.decode(deepOpen + std::string(100000, ']')).empty());
    std::string deepObjects;
    for (int i = 0; i < 50000; ++i) {
        deepObjects += "{\"a\":";
    }
    EXPECT_TRUE(decoder.decode("[" + deepObjects + "1" + std::string(50000, '}') + "]").empty());
    // A NUL ends the text as it ends a C string; what follows is not read.
    EXPECT_EQ(decoder.decode(std::string("[{\"uti\":1,\"hex\":\"4840D6\"}]\0junk", 31)).size(), 1u);
    EXPECT_TRUE(decoder.decode(std::string("[{\"uti\":1,\"hex\":\"48\0\"}]", 20)).empty());
    EXPECT_TRUE(decoder.decode("[\"\xff\xfe\xc0\x80\"]").empty());
    EXPECT_TRUE(decoder.decode("[1e999999, -1e-999999, 123456789012345678901234567890]").empty());
}

TEST(ADSBTargetReportJsonDecoder, HugeDocument) {
    const int count = 20000;
    std::string text = "[";
    for (int i = 1; i <= count; ++i) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer,
                      "%s{\"uti\":%d,\"hex\":\"%06X\",\"lat\":%d.5,\"lon\":-%d.25,\"alt\":%d}",
                      i > 1 ? "," : "", 1600000000 + i, i, i % 90, i % 180, i * 10);
        text += buffer;
    }
    text += "]";
    ADSBTargetReportJsonDecoder decoder;
    const auto reports = decoder.decode(text);
    ASSERT_EQ(reports.size(), static_cast<size_t>(count));
    EXPECT_EQ(reports.back().icaoAddress(), static_cast<uint32_t>(count));
    EXPECT_EQ(reports.back().altitudeBaro(), count * 10);
    EXPECT_TRUE(reports.back().positionValid());
}

}  // namespace
}  // namespace modes
}  // namespace brannic
