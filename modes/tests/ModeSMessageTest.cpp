#include <modes/ModeSMessage.h>

#include <gtest/gtest.h>

#include "Clock.h"
#include "Parity.h"
#include "TestData.h"
#include "TestReply.h"

namespace brannic {
namespace modes {
namespace {

using testdata::fromHex;

// A real DF17 identification squitter of aircraft 406B90 (callsign EZY85MH).
const std::string kIdentification = fromHex("8D406B902015A678D4D220AA4BDA");

std::string withBits(unsigned size, std::initializer_list<unsigned> positions) {
    std::string data(size, '\0');
    for (unsigned pos : positions)
        flipBit(data, pos);
    return data;
}

TEST(ParityTable, IsTheRemainderOfTheGeneratorPolynomial) {
    EXPECT_EQ(parity::kParityTable[0], 0x3935EAu);
    EXPECT_EQ(parity::kParityTable[87], 0xFFF409u);
    // Each entry is the one after it times x, reduced modulo the generator.
    for (unsigned i = 0; i < 87; ++i) {
        uint32_t next = parity::kParityTable[i + 1] << 1;
        if (next & 0x1000000)
            next ^= parity::kGenerator;
        EXPECT_EQ(parity::kParityTable[i], next) << "entry " << i;
    }
}

TEST(Parity, OfSpecialReplies) {
    LongReply reply;
    EXPECT_EQ(reply.calculateParity(std::string(14, '\0')), 0u);
    EXPECT_EQ(reply.calculateParity(withBits(14, {87})), 0xFFF409u);
    EXPECT_EQ(reply.calculateParity(withBits(14, {0})), 0x3935EAu);
    EXPECT_EQ(reply.calculateParity(withBits(14, {88, 95, 100, 111})), 0u);
    EXPECT_EQ(reply.calculateParity(std::string(14, '\xFF')),
              reply.calculateParity(std::string(11, '\xFF') + std::string(3, '\0')));

    ShortReply shortReply;
    // A short reply's 32 data bits meet table entries 56 to 87.
    EXPECT_EQ(shortReply.calculateParity(withBits(7, {31})), 0xFFF409u);
    EXPECT_EQ(shortReply.calculateParity(withBits(7, {0})), parity::kParityTable[56]);
    EXPECT_EQ(shortReply.calculateParity(withBits(7, {32, 55})), 0u);
}

TEST(Parity, ByteTablesAgreeWithTheBitByBitDefinition) {
    // Pseudo-random replies (fixed seed): the per-byte tables must give what one table
    // entry per set bit gives.
    uint32_t state = 12345;
    auto next = [&state] { return state = state * 1103515245u + 12345u; };
    LongReply longReply;
    ShortReply shortReply;
    for (int round = 0; round < 2000; ++round) {
        std::string data(14, '\0');
        for (char& c : data)
            c = static_cast<char>(next() >> 16);
        uint32_t expectLong = 0;
        uint32_t expectShort = 0;
        for (unsigned i = 0; i < 112; ++i) {
            if ((static_cast<unsigned char>(data[i / 8]) >> (7 - i % 8)) & 1) {
                expectLong ^= parity::kParityTable[i];
                if (i < 56)
                    expectShort ^= parity::kParityTable[56 + i];
            }
        }
        ASSERT_EQ(longReply.calculateParity(data), expectLong) << testdata::toHex(data);
        ASSERT_EQ(shortReply.calculateParity(data), expectShort) << testdata::toHex(data);
    }
}

TEST(ModeSMessage, ConstructionDefaults) {
    clock::setFixedTime(1457996400123ull);
    LongReply reply;
    clock::setFixedTime(0);
    EXPECT_EQ(reply.timeStamp(), 1457996400000ull);  // whole seconds
    EXPECT_EQ(reply.timeSource(), ModeSMessage::LOCAL);
    EXPECT_EQ(reply.confidence(), ModeSMessage::NONE);
    EXPECT_EQ(reply.signalAmplitude(), 0);
    EXPECT_EQ(reply.calculatedParity(), 0u);
    EXPECT_EQ(reply.icaoAddress(), 0u);
    EXPECT_FALSE(reply.valid());
    EXPECT_EQ(reply.modeSMsgType(), ModeSMessage::DOWNLINK);
    EXPECT_EQ(reply.modeSMsgTypeName(), "Downlink");
    EXPECT_EQ(reply.description(), "Mode-S Downlink Format Message");
    EXPECT_EQ(reply.size(), 14);
}

TEST(ModeSMessage, DecodeChecksLengthAndUsesOnlyTheReplyBits) {
    ShortReply reply;
    const std::string df4 = fromHex("20001718029FCD");
    ASSERT_TRUE(reply.decode(df4 + fromHex("DEADBEEFDEADBE")));  // 14 bytes for a 56-bit format
    EXPECT_TRUE(reply.valid());
    EXPECT_EQ(reply.calculatedParity(), reply.calculateParity(df4));
    const uint32_t parity = reply.calculatedParity();

    EXPECT_FALSE(reply.decode(df4.substr(0, 6)));
    EXPECT_FALSE(reply.valid());
    EXPECT_EQ(reply.calculatedParity(), parity);  // kept from the last good length check
    EXPECT_EQ(reply.decodeCalls, 1);

    const unsigned char raw[] = {0x20, 0x00, 0x17, 0x18, 0x02, 0x9F, 0xCD};
    EXPECT_TRUE(reply.decode(raw, sizeof(raw)));
    EXPECT_FALSE(reply.decode(nullptr, 0));
}

TEST(ModeSMessage, TextForms) {
    LongReply reply;
    reply.setIcaoAddress(0x00A1B2);
    EXPECT_EQ(reply.icaoAddressHexString(), "A1B2");
    reply.setIcaoAddress(0x5);
    EXPECT_EQ(reply.icaoAddressHexString(), "05");
    ASSERT_TRUE(reply.decode(kIdentification));
    EXPECT_EQ(reply.dataHexString(), "8D406B902015A678D4D220AA4BDA");
    EXPECT_EQ(reply.calculatedParityHexString(), "AA4BDA");
}

TEST(ModeSMessage, SettersAndCopies) {
    LongReply reply;
    reply.setConfidence(ModeSMessage::HIGH);
    reply.setTimeSource(ModeSMessage::EXTERNAL);
    reply.setTimeStamp(42);
    reply.setSignalAmplitude(200);
    ASSERT_TRUE(reply.decode(kIdentification));
    LongReply copy(reply);
    EXPECT_EQ(copy.confidence(), ModeSMessage::HIGH);
    EXPECT_EQ(copy.timeSource(), ModeSMessage::EXTERNAL);
    EXPECT_EQ(copy.timeStamp(), 42u);
    EXPECT_EQ(copy.signalAmplitude(), 200);
    EXPECT_EQ(copy.data(), kIdentification);
    EXPECT_EQ(copy.calculatedParity(), reply.calculatedParity());
}

}  // namespace
}  // namespace modes
}  // namespace brannic
