// Aircraft status, target state and status, operational status and test messages: what each
// decodes, which subtypes and versions it refuses or merely logs, and its texts.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBAircraftOperationalStatusMessage.h>
#include <modes/ADSBAircraftStatusMessageV0.h>
#include <modes/ADSBAircraftStatusMessageV2.h>
#include <modes/ADSBDecoder.h>
#include <modes/ADSBTargetStatusMessageV1.h>
#include <modes/ADSBTargetStatusMessageV2.h>
#include <modes/ADSBTestMessage.h>

#include "LogCapture.h"
#include "MEField.h"
#include "TestData.h"

namespace brannic {
namespace modes {
namespace {

using testdata::me;

std::string fieldText(const ADSBMessage& message, ADSBMessageField::Designator designator) {
    for (const auto& f : message.fields()) {
        if (f.designator() == designator)
            return f.description();
    }
    return "<missing>";
}

TEST(ADSBAircraftStatus, SubtypesByVersion) {
    using S = ADSBAircraftStatusMessage;
    struct Row {
        MOPSVersion version;
        unsigned subtype;
        unsigned emergency;
        bool ok;
        std::vector<std::string> lines;
        S::EmergencyState state = S::NO_EMG;
        const char* stateText = "";
        const char* description = "";
    };
    const std::vector<Row> rows = {
        {MOPS_V0, 1, 5, true, {}, S::HIJACK, "HIJACK", "TC=AC_STATUS, ST=EMG, EMG=5"},
        {MOPS_V1, 1, 6, true, {}, S::AC_DOWNED, "AC_DOWNED", "TC=AC_STATUS, ST=EMG, EMG=6"},
        {MOPS_V0, 1, 7, true, {}, S::EMG_UNDEFINED, "UNDEFINED", "TC=AC_STATUS, ST=EMG, EMG=7"},
        // Subtypes 0 and 2 keep the emergency state of construction whatever the bits say.
        {MOPS_V0,
         0,
         5,
         true,
         {"Unsupported subtype 0 detected."},
         S::NO_EMG,
         "NO_EMG",
         "TC=AC_STATUS"},
        {MOPS_V1,
         2,
         5,
         true,
         {"Unsupported subtype 2 detected."},
         S::NO_EMG,
         "NO_EMG",
         "TC=AC_STATUS"},
        {MOPS_V2,
         0,
         1,
         true,
         {"Unsupported subtype 0 detected."},
         S::NO_EMG,
         "NO_EMG",
         "TC=AC_STATUS, MA=0000"},
        {MOPS_V2,
         1,
         1,
         true,
         {},
         S::EMERGENCY,
         "EMERGENCY",
         "TC=AC_STATUS, ST=EMG, EMG=1, MA=0000"},
        {MOPS_V2,
         2,
         0,
         false,
         {"Unsupported subtype 2 detected.", "Unsupported TCAS RA message detected."}},
        {MOPS_V0, 3, 0, false, {"Unknown Subtype=3."}},
        {MOPS_V2, 7, 0, false, {"Unknown Subtype=7."}},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        SCOPED_TRACE("version " + std::to_string(row.version) + ", subtype " +
                     std::to_string(row.subtype));
        LogCapture log;
        std::unique_ptr<ADSBMessage> message(
            decoder.decode(row.version, me(28, {{5, 7, row.subtype}, {8, 10, row.emergency}})));
        ASSERT_EQ(log.lines.size(), row.lines.size());
        for (const auto& line : row.lines)
            EXPECT_EQ(log.count(line), 1) << line;
        EXPECT_EQ(log.countContaining("ADSBAcStatMsg"), static_cast<int>(row.lines.size()));
        if (!row.ok) {
            EXPECT_EQ(message, nullptr);
            continue;
        }
        ASSERT_NE(message, nullptr);
        const auto& status = dynamic_cast<const ADSBAircraftStatusMessage&>(*message);
        EXPECT_EQ(status.subtype(), static_cast<S::AircraftStatusSubtype>(row.subtype));
        EXPECT_EQ(status.emergencyState(), row.state);
        EXPECT_EQ(fieldText(status, ADSBMessageField::EMG_STATE), row.stateText);
        EXPECT_EQ(status.description(), row.description);
    }
}

TEST(ADSBAircraftStatus, UnknownSubtypeSetsUndefined) {
    LogCapture log;
    ADSBAircraftStatusMessageV0 message;
    EXPECT_FALSE(message.decode(me(28, {{5, 7, 4}})));
    EXPECT_EQ(message.subtype(), ADSBAircraftStatusMessage::SUBTYPE_UNDEFINED);
    EXPECT_EQ(log.countContaining("[CRITICAL][ADSBAcStatMsg"), 1);
}

TEST(ADSBAircraftStatus, VersionTwoModeACode) {
    struct Row {
        uint32_t bits13;  // ME 11-23: C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4
        uint32_t code;
        const char* text;
    };
    const Row rows[] = {
        {0x0000, 00000, "0000"}, {0x0A80, 07000, "7000"},  // A1 A2 A4
        {0x0537, 00567, "0567"},                           // B1 B4, C2 C4, D1 D2 D4
        {0x1FBF, 07777, "7777"},                           // everything but X
        {0x1FFF, 07777, "7777"},                           // X set as well: not part of the code
        {0x0040, 00000, "0000"},                           // X alone
        {0x0090, 04001, "4001"},                           // A4 and D1
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        LogCapture log;
        ADSBAircraftStatusMessageV2 message;
        ASSERT_TRUE(message.decode(me(28, {{5, 7, 1}, {11, 23, row.bits13}})));
        EXPECT_EQ(message.modeACode(), row.code);
        EXPECT_EQ(message.modeAOctString(), row.text);
        EXPECT_EQ(fieldText(message, ADSBMessageField::MODE_A), row.text);
        EXPECT_EQ(message.description(),
                  std::string("TC=AC_STATUS, ST=EMG, EMG=0, MA=") + row.text);
    }
}

TEST(ADSBTargetStatus, SubtypesByVersion) {
    struct Row {
        MOPSVersion version;
        unsigned subtype;
        bool ok;
        int logLines;
        const char* description;
    };
    const Row rows[] = {
        {MOPS_V1, 0, true, 0, "TC=TG_STATUS, ST=0, NACp=9, NICbaro=1, SIL=3"},
        {MOPS_V1, 1, true, 0, "TC=TG_STATUS, ST=1, NACp=9, NICbaro=1, SIL=3"},
        {MOPS_V2, 1, true, 0, "TC=TG_STATUS, ST=1, NACp=9, NICbaro=1, SIL=3, SILsupp=1"},
        {MOPS_V2, 0, false, 0, ""},  // silently: not a DO-260B subtype
        {MOPS_V1, 2, false, 1, ""},
        {MOPS_V2, 3, false, 1, ""},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        SCOPED_TRACE("version " + std::to_string(row.version) + ", subtype " +
                     std::to_string(row.subtype));
        LogCapture log;
        std::unique_ptr<ADSBMessage> message(decoder.decode(
            row.version,
            me(29, {{5, 6, row.subtype}, {7, 7, 1}, {39, 42, 9}, {43, 43, 1}, {44, 45, 3}})));
        EXPECT_EQ(static_cast<int>(log.lines.size()), row.logLines);
        if (row.logLines != 0) {
            EXPECT_EQ(log.count("Unknown Subtype=" + std::to_string(row.subtype) + "."), 1);
            EXPECT_EQ(log.countContaining("[CRITICAL][ADSBTgStatMsg"), 1);
        }
        if (!row.ok) {
            EXPECT_EQ(message, nullptr);
            continue;
        }
        ASSERT_NE(message, nullptr);
        const auto& status = dynamic_cast<const ADSBTargetStatusMessage&>(*message);
        EXPECT_EQ(status.nacp(), 9);
        EXPECT_EQ(status.nicBaro(), 1);
        EXPECT_EQ(status.sil(), 3);
        EXPECT_EQ(status.description(), row.description);
    }
}

TEST(ADSBOperationalStatus, VersionNumbers) {
    struct Row {
        unsigned number;
        bool ok;
        const char* line;
        MOPSVersion version;
    };
    const Row rows[] = {
        {0, false, "MOPS Version 0 detected.", MOPS_V0},
        {1, true, nullptr, MOPS_V1},
        {2, true, nullptr, MOPS_V2},
        {3, true, "Unsupported MOPS Version 3 detected.", MOPS_UNKNOWN},
        {5, true, "Unsupported MOPS Version 5 detected.", MOPS_UNKNOWN},
        {7, true, "Unsupported MOPS Version 7 detected.", MOPS_UNKNOWN},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        SCOPED_TRACE("version number " + std::to_string(row.number));
        LogCapture log;
        std::unique_ptr<ADSBMessage> message(
            decoder.decode(MOPS_V1, me(31, {{40, 42, row.number}, {43, 43, row.number % 2}})));
        EXPECT_EQ(log.lines.size(), row.line != nullptr ? 1u : 0u);
        if (row.line != nullptr) {
            EXPECT_EQ(log.count(row.line), 1);
            EXPECT_EQ(log.countContaining("[CRITICAL][ADSBOpStatMsg"), 1);
        }
        if (!row.ok) {
            EXPECT_EQ(message, nullptr);
            continue;
        }
        ASSERT_NE(message, nullptr);
        const auto& status = dynamic_cast<const ADSBAircraftOperationalStatusMessage&>(*message);
        EXPECT_EQ(status.versionNumber(), row.number);
        EXPECT_EQ(status.version(), row.version);
        EXPECT_EQ(status.nicSupplementA(), row.number % 2 == 1);
        EXPECT_EQ(status.description(), "TC=OP_STAT, VN=" + std::to_string(row.number) +
                                            ", NICsa=" + std::to_string(row.number % 2));
        EXPECT_EQ(fieldText(status, ADSBMessageField::VER_NUM), std::to_string(row.number));
    }
}

TEST(ADSBTestMessage, SubtypeAndData) {
    struct Row {
        std::string me;
        unsigned subtype;
        const char* data;
    };
    const std::vector<Row> rows = {
        {testdata::fromHex("B801020A0BFF00"), 0, "01020A0BFF00"},
        {testdata::fromHex("BFFFFFFFFFFFFF"), 7, "FFFFFFFFFFFF"},
        {testdata::fromHex("B9000000000000"), 1, "000000000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.data);
        LogCapture log;
        ADSBTestMessage message;
        ASSERT_TRUE(message.decode(row.me));
        EXPECT_EQ(message.subtype(), row.subtype);
        EXPECT_EQ(message.testData(), row.me.substr(1, 6));
        EXPECT_EQ(fieldText(message, ADSBMessageField::DATA), row.data);
        EXPECT_EQ(message.description(), "TC=TEST, ST=" + std::to_string(row.subtype));
        EXPECT_EQ(log.count("Unknown Subtype=" + std::to_string(row.subtype) + "."),
                  row.subtype != 0 ? 1 : 0);
        EXPECT_EQ(log.countContaining("ADSBTestMsg"), row.subtype != 0 ? 1 : 0);
    }
    EXPECT_EQ(ADSBTestMessage().testData(), std::string(6, '\0'));
}

}  // namespace
}  // namespace modes
}  // namespace brannic
