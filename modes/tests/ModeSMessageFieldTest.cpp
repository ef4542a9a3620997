// The fields of Mode S replies: positions, values, overlays and texts.

#include <modes/ModeSMessageFieldAA.h>
#include <modes/ModeSMessageFieldAC.h>
#include <modes/ModeSMessageFieldAF.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldCA.h>
#include <modes/ModeSMessageFieldCF.h>
#include <modes/ModeSMessageFieldFS.h>
#include <modes/ModeSMessageFieldID.h>
#include <modes/ModeSMessageFieldMB.h>
#include <modes/ModeSMessageFieldME.h>
#include <modes/ModeSMessageFieldMV.h>
#include <modes/ModeSMessageFieldPI.h>
#include <modes/ModeSMessageFieldVS.h>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "FrameBuilder.h"
#include "TestData.h"

namespace brannic {
namespace modes {
namespace {

using testdata::fromHex;

const std::string kLong = fromHex("8D406B902015A678D4D220AA4BDA");  // DF17, 406B90

TEST(ModeSMessageField, DesignatorTexts) {
    struct Row {
        int value;
        const char* name;
        const char* fullName;
    };
    const Row rows[] = {
        {0, "AA", "Address announced"},
        {1, "AC", "Altitude code"},
        {2, "AF", "Application field"},
        {3, "AP", "Address/parity"},
        {4, "CA", "Capability"},
        {5, "CF", "Control field"},
        {6, "DR", "Data selector"},
        {7, "FS", "Flight status"},
        {8, "ID", "Identity"},
        {9, "MB", "Message, Comm-B"},
        {10, "ME", "Message, extended squitter"},
        {11, "MV", "Message, ACAS"},
        {12, "PI", "Parity/interrogator identifier"},
        {13, "UM", "Utility message"},
        {14, "VS", "Vertical status"},
        {15, "--", "Unknown field"},
        {-1, "--", "Unknown field"},
    };
    for (const Row& row : rows) {
        const auto d = static_cast<ModeSMessageField::Designator>(row.value);
        EXPECT_EQ(ModeSMessageField::designatorName(d), row.name) << row.value;
        EXPECT_EQ(ModeSMessageField::designatorFullName(d), row.fullName) << row.value;
    }
    ModeSMessageFieldME me;
    EXPECT_EQ(me.name(), "ME");
    EXPECT_EQ(me.fullName(), "Message, extended squitter");
    EXPECT_EQ(me.ModeSMessageField::description(), "ME:Message, extended squitter");
}

// Tries `F` at every position of `data` where it fits: only `accepted` positions decode, and
// every attempt stores the position.
template <typename F>
void expectPositions(const std::string& data, unsigned width, std::vector<unsigned> accepted) {
    for (unsigned pos = 0; pos + width <= data.size() * 8 && pos < 256; ++pos) {
        F field;
        EXPECT_EQ(field.bits(), width);
        const bool ok = std::find(accepted.begin(), accepted.end(), pos) != accepted.end();
        EXPECT_EQ(field.decode(data, static_cast<uint8_t>(pos)), ok)
            << field.name() << " at " << pos;
        EXPECT_EQ(field.valid(), ok) << field.name() << " at " << pos;
        EXPECT_EQ(field.pos(), pos) << field.name() << " at " << pos;
    }
}

// Every field accepts exactly the positions it stands at in some downlink format.
TEST(ModeSMessageField, AcceptedPositions) {
    // A real squitter: its bits 19 to 31 happen to form a legal 25-ft code, so that AC is
    // refused for its position only.
    const std::string& data = kLong;
    expectPositions<ModeSMessageFieldAA>(data, 24, {8});
    expectPositions<ModeSMessageFieldAC>(data, 13, {19});
    expectPositions<ModeSMessageFieldAF>(data, 3, {5});
    expectPositions<ModeSMessageFieldAP>(data, 24, {32, 88});
    expectPositions<ModeSMessageFieldCA>(data, 3, {5});
    expectPositions<ModeSMessageFieldCF>(data, 3, {5});
    expectPositions<ModeSMessageFieldFS>(data, 3, {5});
    expectPositions<ModeSMessageFieldID>(data, 13, {19});
    expectPositions<ModeSMessageFieldMB>(data, 56, {32});
    expectPositions<ModeSMessageFieldME>(data, 56, {32});
    expectPositions<ModeSMessageFieldMV>(data, 56, {32});
    expectPositions<ModeSMessageFieldPI>(data, 24, {32, 88});
    expectPositions<ModeSMessageFieldVS>(data, 1, {5});
}

TEST(ModeSMessageField, TooShortReplyLeavesTheFieldAsItWas) {
    // The field must end inside the reply: AP at 88 needs all 14 bytes.
    ModeSMessageFieldAP ap;
    ASSERT_TRUE(ap.decode(kLong, 32));
    ASSERT_EQ(ap.addressParity(), 0x2015A6u);
    EXPECT_FALSE(ap.decode(kLong.substr(0, 13), 88));
    EXPECT_EQ(ap.pos(), 32);
    EXPECT_TRUE(ap.valid());
    EXPECT_EQ(ap.addressParity(), 0x2015A6u);

    ModeSMessageFieldVS vs;  // one bit at 5 needs one byte
    EXPECT_FALSE(vs.decode(std::string(), 5));
    EXPECT_FALSE(vs.valid());
    EXPECT_TRUE(vs.decode(std::string(1, '\x04'), 5));
    EXPECT_EQ(vs.verticalStatus(), ModeSMessageFieldVS::ON_GROUND);

    const unsigned char bytes[] = {0x8D, 0x40, 0x6B};  // AA needs four bytes
    ModeSMessageFieldAA aa;
    EXPECT_FALSE(aa.decode(bytes, sizeof(bytes), 8));
    EXPECT_FALSE(aa.decode(nullptr, 0, 8));
    EXPECT_FALSE(aa.valid());
}

TEST(ModeSMessageField, WrongPositionMarksTheFieldInvalidAndKeepsTheValue) {
    ModeSMessageFieldAC ac;
    const std::string data = fromHex("20001718029FCD");  // 36,000 ft
    ASSERT_TRUE(ac.decode(data, 19));
    EXPECT_FALSE(ac.decode(data, 20));
    EXPECT_FALSE(ac.valid());
    EXPECT_EQ(ac.pos(), 20);
    EXPECT_EQ(ac.altitude(), 36000);
}

TEST(ModeSMessageFieldAC, CodesToFeet) {
    struct Row {
        uint32_t code;  // the 13 bits 19 to 31
        bool decodes;
        int32_t feet;
        ModeSMessageFieldAC::ALtitudeUnit unit;
        AltitudeResolution resolution;
    };
    const auto F = ModeSMessageFieldAC::FEET;
    const auto M = ModeSMessageFieldAC::METERS;
    const Row rows[] = {
        {0x0FFF, true, 24575, M, RES_25FT},         // bytes 2, 3 = 0F FF: M, Q, N = 1023
        {0x0010, true, -1000, F, RES_25FT},         // Q alone: N = 0
        {0x1FBF, true, 50175, F, RES_25FT},         // every bit but M: N = 2047
        {0x1718, true, 36000, F, RES_25FT},         // N = 1480
        {0x0050, true, -1000, M, RES_25FT},         // M and Q: the same count
        {0x0000, false, 0, F, RES_100FT},           // altitude not available
        {0x0040, false, 0, M, RES_100FT},           // only M: no code
        {0x0A08, false, 0, F, RES_100FT},           // C1 C2 C4 = 000: illegal Gillham
        {0x1500 | 0x0A08, false, 0, F, RES_100FT},  // C = 111: illegal
        {0x1100 | 0x0A08, false, 0, F, RES_100FT},  // C = 101: illegal
        {0x0400, true, -1000, F, RES_100FT},        // C2 alone: the lowest Gillham altitude
        {0x140A, true, 100, F, RES_100FT},          // published code of 100 ft
    };
    for (const Row& row : rows) {
        std::string data(7, '\0');
        frames::setField(data, 19, 31, row.code);
        ModeSMessageFieldAC ac;
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << row.code);
        ASSERT_EQ(ac.decode(data, 19), row.decodes);
        if (!row.decodes) {
            EXPECT_FALSE(ac.valid());
            EXPECT_EQ(ac.altitude(), 0);  // nothing made up
            continue;
        }
        EXPECT_EQ(ac.altitude(), row.feet);
        EXPECT_EQ(ac.altitudeUnit(), row.unit);
        EXPECT_EQ(ac.altitudeResolution(), row.resolution);
        EXPECT_EQ(ac.description(), std::to_string(row.feet));
    }
}

TEST(ModeSMessageFieldAC, RefusedCodeKeepsNoAltitudeFromAnEarlierReply) {
    ModeSMessageFieldAC ac;
    ASSERT_TRUE(ac.decode(fromHex("20001718029FCD"), 19));
    std::string none(7, '\0');
    EXPECT_FALSE(ac.decode(none, 19));
    EXPECT_FALSE(ac.valid());
}

TEST(ModeSMessageFieldID, ModeACodes) {
    struct Row {
        std::vector<unsigned> bits;  // set bits among 19 to 31
        uint32_t identity;
        const char* text;
    };
    // 19 C1, 20 A1, 21 C2, 22 A2, 23 C4, 24 A4, 25 X, 26 B1, 27 D1, 28 B2, 29 D2, 30 B4, 31 D4
    const Row rows[] = {
        {{}, 0, "0000"},
        {{24, 27}, 04001, "4001"},
        {{25}, 0, "0000"},  // X is not part of the code
        {{20, 22, 24, 26, 28, 30, 19, 21, 23, 27, 29, 31}, 07777, "7777"},
        {{20, 22, 24, 26, 28, 30}, 07700, "7700"},
        {{19, 21, 23}, 0070, "0070"},
        {{27, 29, 31}, 0007, "0007"},
        {{26}, 0100, "0100"},
    };
    for (const Row& row : rows) {
        std::string data(7, '\0');
        for (unsigned b : row.bits)
            frames::setField(data, b, b, 1);
        ModeSMessageFieldID id;
        ASSERT_TRUE(id.decode(data, 19)) << row.text;
        EXPECT_EQ(id.identity(), row.identity) << row.text;
        EXPECT_EQ(id.description(), row.text);
    }
}

TEST(ModeSMessageFieldPI, InterrogatorOverlay) {
    struct Row {
        uint32_t raw;
        uint32_t parity;
        uint32_t interrogator;
        bool valid;
    };
    const Row rows[] = {
        {0x123456, 0x123450, 6, true},                                  // II 6
        {0x123456, 0x123400, 0x56, false},                              // code label 5
        {0x123456, 0x123456, 0, true},                                  // squitter: II 0
        {0x000040, 0, 0x40, true},                                      // code label 4, SI 0
        {0x00004F, 0, 0x4F, true},         {0x000050, 0, 0x50, false},  // code label 5
        {0x000070, 0, 0x70, false},                                     // code label 7
        {0x000080, 0, 0x80, false},                                     // above seven bits
        {0xFFFFFF, 0xFFFF80, 0x7F, false},
    };
    for (const Row& row : rows) {
        std::string data(7, '\0');
        frames::setField(data, 32, 55, row.raw);
        ModeSMessageFieldPI pi;
        ASSERT_TRUE(pi.decode(data, 32));
        SCOPED_TRACE(testing::Message() << std::hex << row.raw << " " << row.parity);
        EXPECT_EQ(pi.parityInterrogatorId(), row.raw);
        EXPECT_EQ(pi.setParity(row.parity), row.interrogator);
        EXPECT_EQ(pi.parity(), row.parity);
        EXPECT_EQ(pi.interrogatorId(), row.interrogator);
        EXPECT_EQ(pi.interrogatorIdValid(), row.valid);
        // The other direction: the interrogator code gives back the parity.
        EXPECT_EQ(pi.setInterrogatorId(row.interrogator), row.parity);
        EXPECT_EQ(pi.setInterrogatorId(0), row.raw);
    }
}

TEST(ModeSMessageFieldAP, AddressOverlayAndTexts) {
    ModeSMessageFieldAP ap;
    const std::string data = fromHex("A0001838CA380031440000F24177");
    ASSERT_TRUE(ap.decode(data, 88));
    EXPECT_EQ(ap.addressParity(), 0xF24177u);
    EXPECT_EQ(ap.setParity(0xF24177u ^ 0x3C6DD0u), 0x3C6DD0u);
    EXPECT_EQ(ap.icaoAddress(), 0x3C6DD0u);
    EXPECT_EQ(ap.description(), "F24177");
    EXPECT_EQ(ap.addressParityHexString(), "F24177");

    std::string small(7, '\0');
    frames::setField(small, 32, 55, 0x00000A);
    ASSERT_TRUE(ap.decode(small, 32));
    EXPECT_EQ(ap.description(), "0A");  // "%.2X": two digits at least, not six
}

TEST(ModeSMessageField, TextsOfARealSquitter) {
    ModeSMessageFieldCA ca;
    ModeSMessageFieldAA aa;
    ModeSMessageFieldME me;
    ModeSMessageFieldPI pi;
    ASSERT_TRUE(ca.decode(kLong, 5));
    ASSERT_TRUE(aa.decode(kLong, 8));
    ASSERT_TRUE(me.decode(kLong, 32));
    ASSERT_TRUE(pi.decode(kLong, 88));
    EXPECT_EQ(ca.capability(), 5);
    EXPECT_EQ(ca.description(), "5");
    EXPECT_EQ(aa.icaoAddress(), 0x406B90u);
    EXPECT_EQ(aa.description(), "406B90");
    EXPECT_EQ(me.data(), fromHex("2015A678D4D220"));
    EXPECT_EQ(me.description(), "2015A678D4D220");
    EXPECT_EQ(pi.description(), "AA4BDA");

    ModeSMessageFieldMB mb;  // never decoded: seven zero bytes
    EXPECT_EQ(mb.data(), std::string(7, '\0'));
    EXPECT_EQ(mb.dataHexString(), "00000000000000");
    ModeSMessageFieldMV mv;
    ASSERT_TRUE(mv.decode(kLong, 32));
    ModeSMessageFieldMV moved(std::move(mv));
    EXPECT_EQ(moved.dataHexString(), "2015A678D4D220");

    ModeSMessageFieldAF af;
    ModeSMessageFieldCF cf;
    const std::string df19 = fromHex("9F");  // AF 7
    ASSERT_TRUE(af.decode(df19, 5));
    ASSERT_TRUE(cf.decode(df19, 5));
    EXPECT_EQ(af.code(), 7);
    EXPECT_EQ(cf.description(), "7");
}

TEST(ModeSMessageFieldFS, Texts) {
    const char* texts[] = {"AIR",        "GND", "AIR, ALERT", "GND, ALERT",
                           "ALERT, SPI", "SPI", "UNKNOWN",    "UNKNOWN"};
    for (uint8_t value = 0; value < 8; ++value) {
        ModeSMessageFieldFS fs;
        ASSERT_TRUE(fs.decode(std::string(1, static_cast<char>(0x20 | value)), 5));
        EXPECT_EQ(fs.flightStatus(), value);
        EXPECT_EQ(fs.description(), texts[value]) << int{value};
    }
    ModeSMessageFieldFS never;
    EXPECT_EQ(never.flightStatus(), ModeSMessageFieldFS::NOT_ASSIGNED);
    EXPECT_EQ(never.description(), "UNKNOWN");

    ModeSMessageFieldVS vs;
    EXPECT_EQ(vs.description(), "AIR");
    ASSERT_TRUE(vs.decode(std::string(1, '\x04'), 5));
    EXPECT_EQ(vs.description(), "GND");
}

}  // namespace
}  // namespace modes
}  // namespace brannic
