// The ADS-B message frame: type table, field records, and the decoder's choice of class by
// type code and transmitter version, with which refusals are logged.

#include <memory>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include <modes/ADSBAirbornePositionMessageV0.h>
#include <modes/ADSBAirbornePositionMessageV1.h>
#include <modes/ADSBAirbornePositionMessageV2.h>
#include <modes/ADSBAirborneVelocityMessageV0.h>
#include <modes/ADSBAirborneVelocityMessageV1.h>
#include <modes/ADSBAirborneVelocityMessageV2.h>
#include <modes/ADSBAircraftOperationalStatusMessage.h>
#include <modes/ADSBAircraftStatusMessageV0.h>
#include <modes/ADSBAircraftStatusMessageV2.h>
#include <modes/ADSBDecoder.h>
#include <modes/ADSBIdentityMessage.h>
#include <modes/ADSBSurfacePositionMessage.h>
#include <modes/ADSBTargetStatusMessageV1.h>
#include <modes/ADSBTargetStatusMessageV2.h>
#include <modes/ADSBTestMessage.h>

#include "Clock.h"
#include "LogCapture.h"
#include "MEField.h"

namespace brannic {
namespace modes {
namespace {

using testdata::me;

// A decodable ME field for each type code: the defaults of the builder are refused by a few
// classes (version number 0, velocity subtype 0, target state subtype 0 in version 2, Gillham
// altitude 0), so those bits are set to acceptable values here.
std::string acceptableMe(unsigned typeCode) {
    if (typeCode == 29)
        return me(29, {{5, 6, 1}});       // target state and status subtype 1
    return me(typeCode, {{5, 7, 1},       // velocity, aircraft status and test subtypes: 1
                         {8, 19, 0xC38},  // airborne altitude: Q set, 38,000 ft
                         {40, 42, 2}});   // operational status version number 2
}

TEST(ADSBMessageType, TypeByCodeNamesAndFullNames) {
    struct Row {
        unsigned code;
        ADSBMessageType type;
        const char* name;
        const char* fullName;
    };
    const Row rows[] = {
        {0, RESERVED, "RESERVED", "Reserved"},
        {1, ACID, "ACID", "Aircraft Identification"},
        {4, ACID, "ACID", "Aircraft Identification"},
        {5, POS_GND, "POS_GND", "Surface Position"},
        {8, POS_GND, "POS_GND", "Surface Position"},
        {9, POS_AIR, "POS_AIR", "Airborne Position"},
        {18, POS_AIR, "POS_AIR", "Airborne Position"},
        {19, AIR_VEL, "AIR_VEL", "Airborne Velocities"},
        {20, POS_AIR, "POS_AIR", "Airborne Position"},
        {22, POS_AIR, "POS_AIR", "Airborne Position"},
        {23, TEST, "TEST", "Test"},
        {24, RESERVED, "RESERVED", "Reserved"},
        {27, RESERVED, "RESERVED", "Reserved"},
        {28, AC_STATUS, "AC_STATUS", "Aircraft Status"},
        {29, TG_STATUS, "TG_STATUS", "Target State and Status Information"},
        {30, RESERVED, "RESERVED", "Reserved"},
        {31, OP_STATUS, "OP_STATUS", "Aircraft Operation Status"},
        {32, RESERVED, "RESERVED", "Reserved"},
        {255, RESERVED, "RESERVED", "Reserved"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("type code " + std::to_string(row.code));
        const ADSBMessageType type = ADSBMessage::typeByCode(static_cast<unsigned char>(row.code));
        EXPECT_EQ(type, row.type);
        EXPECT_EQ(ADSBMessage::typeName(type), row.name);
        EXPECT_EQ(ADSBMessage::typeFullName(type), row.fullName);
    }
    EXPECT_EQ(ADSBMessage::typeName(static_cast<ADSBMessageType>(42)), "RESERVED");
}

TEST(ADSBMessageField, ValidityNamesAndDescription) {
    using F = ADSBMessageField;
    struct Row {
        int designator;
        uint8_t bits;
        bool valid;
        const char* name;
        const char* fullName;
    };
    const Row rows[] = {
        {0, 5, true, "TYPE", "Type"},
        {1, 5, true, "TYPE_CODE", "TYPE_CODE"},
        {21, 1, true, "T", "T"},
        {25, 3, true, "SUB_TYPE", "SUB_TYPE"},
        {34, 3, true, "SUB_TYPE", "SUB_TYPE"},
        {36, 3, true, "SUB_TYPE", "SUB_TYPE"},
        {39, 2, true, "SUB_TYPE", "SUB_TYPE"},
        {44, 3, true, "SUB_TYPE", "SUB_TYPE"},
        {46, 1, true, "NIC_SUPP_A", "NIC_SUPP_A"},
        {47, 1, false, "--", "--"},
        {20, 0, false, "ALT", "ALT"},
        {48, 1, true, "--", "--"},
        {-1, 1, true, "--", "--"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("designator " + std::to_string(row.designator));
        const F field(static_cast<F::Designator>(row.designator), 3, row.bits, "x");
        EXPECT_EQ(field.valid(), row.valid);
        EXPECT_EQ(field.name(), row.name);
        EXPECT_EQ(field.fullName(), row.fullName);
        EXPECT_EQ(field.pos(), 3);
        EXPECT_EQ(field.bits(), row.bits);
    }
    EXPECT_EQ(F(F::ALT, 8, 12, "").description(), "NO_DESCRIPTION");
    EXPECT_EQ(F(F::ALT, 8, 12, "38000FT").description(), "38000FT");
}

TEST(ADSBDecoder, LogsInitialized) {
    LogCapture log;
    ADSBDecoder decoder;
    EXPECT_EQ(log.count("Initialized."), 1);
    EXPECT_EQ(log.countContaining("[ADSBDecoder"), 1);
}

TEST(ADSBDecoder, ChoosesTheClassByTypeCodeAndVersion) {
    // nullptr for "no class"; the version 3 column stands for MOPS_UNKNOWN.
    struct Row {
        unsigned typeCode;
        const std::type_info* byVersion[4];
    };
    const Row rows[] = {
        {1,
         {&typeid(ADSBIdentityMessage), &typeid(ADSBIdentityMessage), &typeid(ADSBIdentityMessage),
          &typeid(ADSBIdentityMessage)}},
        {6,
         {&typeid(ADSBSurfacePositionMessage), &typeid(ADSBSurfacePositionMessage),
          &typeid(ADSBSurfacePositionMessage), &typeid(ADSBSurfacePositionMessage)}},
        {11,
         {&typeid(ADSBAirbornePositionMessageV0), &typeid(ADSBAirbornePositionMessageV1),
          &typeid(ADSBAirbornePositionMessageV2), nullptr}},
        {21,
         {&typeid(ADSBAirbornePositionMessageV0), &typeid(ADSBAirbornePositionMessageV1),
          &typeid(ADSBAirbornePositionMessageV2), nullptr}},
        {19,
         {&typeid(ADSBAirborneVelocityMessageV0), &typeid(ADSBAirborneVelocityMessageV1),
          &typeid(ADSBAirborneVelocityMessageV2), nullptr}},
        {23,
         {&typeid(ADSBTestMessage), &typeid(ADSBTestMessage), &typeid(ADSBTestMessage),
          &typeid(ADSBTestMessage)}},
        {28,
         {&typeid(ADSBAircraftStatusMessageV0), &typeid(ADSBAircraftStatusMessageV0),
          &typeid(ADSBAircraftStatusMessageV2), nullptr}},
        {29,
         {nullptr, &typeid(ADSBTargetStatusMessageV1), &typeid(ADSBTargetStatusMessageV2),
          nullptr}},
        {31,
         {&typeid(ADSBAircraftOperationalStatusMessage),
          &typeid(ADSBAircraftOperationalStatusMessage),
          &typeid(ADSBAircraftOperationalStatusMessage), nullptr}},
    };
    ADSBDecoder decoder;
    for (const Row& row : rows) {
        for (int version = 0; version < 4; ++version) {
            SCOPED_TRACE("type code " + std::to_string(row.typeCode) + ", version " +
                         std::to_string(version));
            LogCapture log;
            std::unique_ptr<ADSBMessage> message(
                decoder.decode(static_cast<MOPSVersion>(version), acceptableMe(row.typeCode)));
            if (row.byVersion[version] == nullptr) {
                EXPECT_EQ(message, nullptr);
                // A refusal by version is silent.
                EXPECT_TRUE(log.lines.empty()) << log.lines.front();
            } else {
                ASSERT_NE(message, nullptr);
                EXPECT_EQ(typeid(*message), *row.byVersion[version]);
                EXPECT_TRUE(message->valid());
                EXPECT_EQ(message->typeCode(), row.typeCode);
            }
        }
    }
    // A version outside the enumeration gets only the classes that serve every version.
    std::unique_ptr<ADSBMessage> ident(
        decoder.decode(static_cast<MOPSVersion>(-1), acceptableMe(2)));
    EXPECT_NE(ident, nullptr);
    std::unique_ptr<ADSBMessage> position(
        decoder.decode(static_cast<MOPSVersion>(7), acceptableMe(11)));
    EXPECT_EQ(position, nullptr);
}

TEST(ADSBDecoder, ReservedTypeCodesAreLogged) {
    ADSBDecoder decoder;
    for (unsigned code : {0u, 24u, 25u, 26u, 27u, 30u}) {
        SCOPED_TRACE("type code " + std::to_string(code));
        LogCapture log;
        std::unique_ptr<ADSBMessage> message(decoder.decode(MOPS_V2, me(code)));
        EXPECT_EQ(message, nullptr);
        EXPECT_EQ(log.count("Unsupported type code = " + std::to_string(code) + " (Reserved)."), 1);
        EXPECT_EQ(log.countContaining("[WARNING ][ADSBDecoder"), 1);
        EXPECT_EQ(log.lines.size(), 1u);
    }
}

TEST(ADSBDecoder, ShortMeFieldGivesNullWithoutTouchingAMessage) {
    ADSBDecoder decoder;
    LogCapture log;
    const std::string full = acceptableMe(4);
    EXPECT_EQ(decoder.decode(MOPS_V2, full.substr(0, 6)), nullptr);
    EXPECT_EQ(decoder.decode(MOPS_V2, std::string()), nullptr);
    EXPECT_EQ(decoder.decode(MOPS_V2, me(0).substr(0, 6)), nullptr);  // not even logged
    EXPECT_TRUE(log.lines.empty());

    ADSBIdentityMessage message;
    ASSERT_TRUE(message.decode(full));
    EXPECT_FALSE(message.decode(full.substr(0, 6)));
    EXPECT_TRUE(message.valid());  // untouched
    EXPECT_EQ(message.data(), full);
    EXPECT_FALSE(message.decode(nullptr, 7));
}

TEST(ADSBMessage, DecodeKeepsSevenBytesAndSortsFieldsByPosition) {
    std::string longer = acceptableMe(11) + std::string("\x01\x02\x03", 3);
    ADSBAirbornePositionMessageV2 message;
    ASSERT_TRUE(
        message.decode(reinterpret_cast<const unsigned char*>(longer.data()), longer.size()));
    EXPECT_EQ(message.data(), longer.substr(0, 7));
    EXPECT_EQ(message.dataHexString(), "59C38000004000");
    EXPECT_EQ(message.description(), "TC=POS_AIR, AT=BARO, ALT=38000, CPR=EVEN, LAT=0, LON=16384");
    EXPECT_EQ(message.ADSBMessage::description(), "ADS-B Type-11 POS_AIR Message");

    const auto fields = message.fields();
    ASSERT_GE(fields.size(), 2u);
    EXPECT_EQ(fields[0].designator(), ADSBMessageField::TYPE);
    EXPECT_EQ(fields[0].description(), "POS_AIR");
    EXPECT_EQ(fields[1].designator(), ADSBMessageField::TYPE_CODE);
    EXPECT_EQ(fields[1].description(), "11");
    for (std::size_t i = 1; i < fields.size(); ++i)
        EXPECT_LE(fields[i - 1].pos(), fields[i].pos());

    // Decoding again appends the fields a second time.
    ASSERT_TRUE(message.decode(longer));
    EXPECT_EQ(message.fields().size(), 2 * fields.size());
}

TEST(ADSBMessage, TypeCodeOfAnotherTypeIsRefusedAndLogged) {
    ADSBIdentityMessage message;
    ASSERT_TRUE(message.decode(acceptableMe(4)));
    LogCapture log;
    EXPECT_FALSE(message.decode(acceptableMe(11)));
    EXPECT_EQ(log.count("Type code mismatch."), 1);
    EXPECT_EQ(log.countContaining("[CRITICAL][ADSBMessage"), 1);
    EXPECT_FALSE(message.valid());  // the stored bytes are no longer a valid identity
}

TEST(ADSBMessage, TimeStampAndSignalAmplitude) {
    clock::setFixedTime(1457996400123ull);
    ADSBTestMessage message;
    clock::setFixedTime(0);
    EXPECT_EQ(message.timeStamp(), 1457996400000ull);  // whole seconds
    EXPECT_EQ(message.signalAmplitude(), 0);
    message.setTimeStamp(42);
    message.setSignalAmplitude(200);
    ADSBTestMessage copy = message;
    EXPECT_EQ(copy.timeStamp(), 42u);
    EXPECT_EQ(copy.signalAmplitude(), 200);
    EXPECT_TRUE(message.fields().empty());
    EXPECT_EQ(message.dataHexString(), "");
}

}  // namespace
}  // namespace modes
}  // namespace brannic
