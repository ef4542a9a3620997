// One- and two-bit repair: the table-driven search against the literal brute-force search,
// and the parity of real recorded replies.

#include <modes/ModeSMessage.h>

#include <set>

#include <gtest/gtest.h>

#include "TestData.h"
#include "TestReply.h"

namespace brannic {
namespace modes {
namespace {

using testdata::fromHex;
using testdata::toHex;

const std::string kLongReal = fromHex("8D406B902015A678D4D220AA4BDA");  // DF17 identification
const std::string kShortReal = fromHex("5D484FDEA248F5");               // DF11 all-call reply

// Received parity of an extended squitter: its PI field, the last three bytes.
uint32_t piOf(const std::string& data) {
    const auto* b = reinterpret_cast<const unsigned char*>(data.data());
    const std::size_t n = data.size();
    return (uint32_t{b[n - 3]} << 16) | (uint32_t{b[n - 2]} << 8) | b[n - 1];
}

// Runs both searches on `damaged` and requires identical answers and identical data.
template <typename Reply>
void expectSameRepair(const Reply& reply, const std::string& damaged, uint32_t target) {
    std::string fast1 = damaged, slow1 = damaged;
    uint8_t fastPos = 0xEE, slowPos = 0xEE;
    const bool fastOk1 = reply.fixError1Bit(fast1, fastPos, target);
    const bool slowOk1 = bruteForceFix1Bit(reply, slow1, slowPos, target);
    ASSERT_EQ(fastOk1, slowOk1) << "1-bit, input " << toHex(damaged);
    ASSERT_EQ(fast1, slow1) << "1-bit, input " << toHex(damaged);
    ASSERT_EQ(fastPos, slowPos) << "1-bit, input " << toHex(damaged);

    std::string fast2 = damaged, slow2 = damaged;
    uint8_t fastA = 0xEE, fastB = 0xEE, slowA = 0xEE, slowB = 0xEE;
    const bool fastOk2 = reply.fixError2Bits(fast2, fastA, fastB, target);
    const bool slowOk2 = bruteForceFix2Bits(reply, slow2, slowA, slowB, target);
    ASSERT_EQ(fastOk2, slowOk2) << "2-bit, input " << toHex(damaged);
    ASSERT_EQ(fast2, slow2) << "2-bit, input " << toHex(damaged);
    ASSERT_EQ(fastA, slowA) << "2-bit, input " << toHex(damaged);
    ASSERT_EQ(fastB, slowB) << "2-bit, input " << toHex(damaged);
}

TEST(Repair, OneFlippedDataBitIsRestored) {
    LongReply reply;
    for (unsigned pos : {0u, 5u, 31u, 32u, 60u, 87u}) {
        SCOPED_TRACE(pos);
        std::string data = kLongReal;
        flipBit(data, pos);
        uint8_t found = 0xEE;
        ASSERT_TRUE(reply.fixError1Bit(data, found, piOf(kLongReal)));
        EXPECT_EQ(found, pos);
        EXPECT_EQ(data, kLongReal);
    }
}

TEST(Repair, TwoFlippedDataBitsNeedTheTwoBitSearch) {
    LongReply reply;
    std::string data = kLongReal;
    flipBit(data, 70);
    flipBit(data, 12);
    const std::string damaged = data;
    uint8_t pos = 0xEE;
    EXPECT_FALSE(reply.fixError1Bit(data, pos, piOf(kLongReal)));
    EXPECT_EQ(data, damaged);
    EXPECT_EQ(pos, 0xEE);

    uint8_t first = 0xEE, second = 0xEE;
    ASSERT_TRUE(reply.fixError2Bits(data, first, second, piOf(kLongReal)));
    EXPECT_EQ(first, 12);
    EXPECT_EQ(second, 70);
    EXPECT_EQ(data, kLongReal);
}

TEST(Repair, ParityFieldFlipsAreNeverRepaired) {
    // The parity field contributes nothing to the computed parity, so a damaged PI cannot be
    // reached by inverting data bits: both searches give up and leave the reply as it was.
    LongReply reply;
    for (unsigned pos : {88u, 100u, 111u}) {
        SCOPED_TRACE(pos);
        std::string data = kLongReal;
        flipBit(data, pos);
        const std::string damaged = data;
        const uint32_t received = piOf(damaged);
        uint8_t a = 0xEE, b = 0xEE;
        EXPECT_FALSE(reply.fixError1Bit(data, a, received));
        EXPECT_FALSE(reply.fixError2Bits(data, a, b, received));
        EXPECT_EQ(data, damaged);
        expectSameRepair(reply, damaged, received);
    }
}

TEST(Repair, AReplyWhoseParityAlreadyMatchesOnlyLosesAParityBit) {
    // Searching a reply that needs no repair "finds" the first inversion that changes nothing
    // the parity sees: the first bit of the parity field, or the first two.
    LongReply reply;
    std::string data = kLongReal;
    uint8_t pos = 0;
    ASSERT_TRUE(reply.fixError1Bit(data, pos, piOf(kLongReal)));
    EXPECT_EQ(pos, 88);
    data = kLongReal;
    uint8_t a = 0, b = 0;
    ASSERT_TRUE(reply.fixError2Bits(data, a, b, piOf(kLongReal)));
    EXPECT_EQ(a, 88);
    EXPECT_EQ(b, 89);
    expectSameRepair(reply, kLongReal, piOf(kLongReal));

    ShortReply shortReply;
    std::string shortData = kShortReal;
    ASSERT_TRUE(shortReply.fixError1Bit(shortData, pos, shortReply.calculateParity(kShortReal)));
    EXPECT_EQ(pos, 32);
}

TEST(Repair, ShortInputIsRefusedUntouched) {
    LongReply reply;
    std::string data = kLongReal.substr(0, 13);
    uint8_t a = 0xEE, b = 0xEE;
    EXPECT_FALSE(reply.fixError1Bit(data, a, 0));
    EXPECT_FALSE(reply.fixError2Bits(data, a, b, 0));
    EXPECT_EQ(data, kLongReal.substr(0, 13));
    EXPECT_EQ(a, 0xEE);
    EXPECT_EQ(b, 0xEE);
}

TEST(Repair, ThreeFlippedBitsAreUsuallyBeyondRepair) {
    LongReply reply;
    std::string data = kLongReal;
    for (unsigned pos : {3u, 40u, 77u})
        flipBit(data, pos);
    const std::string damaged = data;
    uint8_t a = 0, b = 0;
    EXPECT_FALSE(reply.fixError2Bits(data, a, b, piOf(kLongReal)));
    EXPECT_EQ(data, damaged);
    expectSameRepair(reply, damaged, piOf(kLongReal));
}

// Exhaustive equivalence: every single and every double flip of one real reply of each length.
TEST(RepairEquivalence, EveryFlipOfARealLongReply) {
    LongReply reply;
    const uint32_t target = piOf(kLongReal);
    expectSameRepair(reply, kLongReal, target);  // parity already matches
    for (unsigned i = 0; i < 112; ++i) {
        std::string one = kLongReal;
        flipBit(one, i);
        ASSERT_NO_FATAL_FAILURE(expectSameRepair(reply, one, target));
        for (unsigned j = i + 1; j < 112; ++j) {
            std::string two = one;
            flipBit(two, j);
            ASSERT_NO_FATAL_FAILURE(expectSameRepair(reply, two, target));
        }
    }
}

TEST(RepairEquivalence, EveryFlipOfARealShortReply) {
    // A DF11's own parity field is overlaid with the interrogator; repair against its
    // received PI exercises the 56-bit tables all the same.
    ShortReply reply;
    const uint32_t target = piOf(kShortReal);
    for (unsigned i = 0; i < 56; ++i) {
        std::string one = kShortReal;
        flipBit(one, i);
        ASSERT_NO_FATAL_FAILURE(expectSameRepair(reply, one, target));
        for (unsigned j = i + 1; j < 56; ++j) {
            std::string two = one;
            flipBit(two, j);
            ASSERT_NO_FATAL_FAILURE(expectSameRepair(reply, two, target));
        }
    }
}

TEST(RepairEquivalence, RandomFlipsOfRecordedReplies) {
    const auto rows = testdata::readCsv("sample_data_adsb.csv", false);
    ASSERT_GE(rows.size(), 2000u);
    LongReply reply;
    uint32_t state = 2024;
    auto next = [&state](unsigned bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    for (std::size_t r = 0; r < rows.size(); r += 250) {
        const std::string frame = fromHex(rows[r][1]);
        const uint32_t target = piOf(frame);
        for (int trial = 0; trial < 24; ++trial) {
            std::string damaged = frame;
            const int flips = 1 + trial % 3;  // one, two or three bits
            for (int k = 0; k < flips; ++k)
                flipBit(damaged, next(112));
            ASSERT_NO_FATAL_FAILURE(expectSameRepair(reply, damaged, target));
        }
    }
}

// The parity of real replies: equal to the PI field of every valid extended squitter, and the
// overlay that yields the known address of every DF20/DF21.
TEST(RealReplies, ExtendedSquitterParityEqualsPI) {
    LongReply reply;
    const auto rows = testdata::readCsv("sample_data_adsb.csv", false);
    ASSERT_EQ(rows.size(), 2000u);
    for (const auto& row : rows) {
        const std::string frame = fromHex(row[1]);
        ASSERT_EQ(reply.calculateParity(frame), piOf(frame)) << row[1];
    }
}

TEST(RealReplies, AddressParityOfCommBRepliesGivesTheirAddress) {
    // Three DF20 replies of the recording were received with bit errors that an address/parity
    // reply cannot reveal: their overlay gives another address than the one recorded with them.
    const std::set<std::string> damaged = {"A03F40002EC423613A3527BE77D1",
                                           "A000009CC6500030AA0000E16CC9",
                                           "A6FAA2A000161DB2C80030A40000"};
    LongReply reply;
    int mismatches = 0;
    for (const char* file : {"sample_data_commb_df20.csv", "sample_data_commb_df21.csv"}) {
        const auto rows = testdata::readCsv(file, false);
        ASSERT_EQ(rows.size(), 5000u) << file;
        for (const auto& row : rows) {
            const std::string frame = fromHex(row[2]);
            const uint32_t address = std::stoul(row[1], nullptr, 16);
            if ((piOf(frame) ^ reply.calculateParity(frame)) != address) {
                ++mismatches;
                EXPECT_EQ(damaged.count(row[2]), 1u) << file << " " << row[2];
            }
        }
    }
    EXPECT_EQ(mismatches, 3);
}

TEST(RealReplies, KnownAnswerVectors) {
    LongReply longReply;
    ShortReply shortReply;
    int checked = 0;
    for (const auto& v : testdata::knownAnswerVectors()) {
        if (v.hex.empty())
            continue;
        SCOPED_TRACE(v.kind + " " + v.hex);
        const std::string frame = fromHex(v.hex);
        const uint32_t parity = frame.size() == 14 ? longReply.calculateParity(frame)
                                                   : shortReply.calculateParity(frame);
        const uint32_t remainder = parity ^ piOf(frame);
        const unsigned df = static_cast<unsigned char>(frame[0]) >> 3;
        if (v.kind == "crc-reject") {
            EXPECT_EQ(remainder, 0x000010u);
        } else if (v.kind == "crc") {
            EXPECT_EQ(remainder,
                      std::stoul(v.expected.substr(v.expected.rfind(' ') + 1), nullptr, 16));
        } else if (df == 17 || df == 18) {
            EXPECT_EQ(remainder, 0u);
        } else if (v.values.count("address") && df != 11) {
            EXPECT_EQ(remainder, std::stoul(v.values.at("address"), nullptr, 16));
        } else {
            continue;
        }
        ++checked;
    }
    EXPECT_GE(checked, 25);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
