// The parity against its definition (polynomial division, bit by bit) and against real replies.

#include <gtest/gtest.h>

#include "TestData.h"
#include "feedgen/Bits.h"
#include "feedgen/Parity.h"
#include "feedgen/Random.h"

namespace {

using feedgen::Frame;

// x^(111 - i) mod G for data bit i of a long reply, by plain long division.
uint32_t remainderOfBit(unsigned i) {
    uint64_t value = 1;  // x^0
    for (unsigned power = 0; power < 111 - i; ++power) {
        value <<= 1;
        if (value & 0x1000000)
            value ^= feedgen::parity::kGenerator;
    }
    return static_cast<uint32_t>(value);
}

Frame longFrameWithBit(unsigned bit) {
    Frame frame;
    frame.size = Frame::kLongBytes;
    feedgen::bits::flip(frame.data(), bit);
    return frame;
}

TEST(FeedParity, SingleBitsGiveThePublishedTableEnds) {
    EXPECT_EQ(feedgen::parity::compute(longFrameWithBit(0)), 0x3935EAu);
    EXPECT_EQ(feedgen::parity::compute(longFrameWithBit(87)), 0xFFF409u);
    EXPECT_EQ(feedgen::parity::compute(longFrameWithBit(100)), 0u) << "parity bits are not read";
}

TEST(FeedParity, MatchesPolynomialDivisionForRandomReplies) {
    feedgen::Random random(7);
    for (int n = 0; n < 500; ++n) {
        const bool isLong = n % 2 == 0;
        Frame frame;
        frame.size = isLong ? Frame::kLongBytes : Frame::kShortBytes;
        for (unsigned i = 0; i < frame.size; ++i)
            frame.bytes[i] = static_cast<uint8_t>(random.next());
        uint32_t expected = 0;
        const unsigned offset = isLong ? 0 : 56;  // a short reply's bits meet the table's end
        for (unsigned i = 0; i + 24 < frame.bits(); ++i) {
            if (feedgen::bits::get(frame.data(), i, i))
                expected ^= remainderOfBit(i + offset);
        }
        ASSERT_EQ(feedgen::parity::compute(frame), expected) << frame.hex();
    }
}

TEST(FeedParity, RecordedSquittersCarryTheirParity) {
    int checked = 0;
    for (const std::string& line : feedtest::dataLines("sample_data_adsb.csv")) {
        const Frame frame = Frame::fromHex(feedtest::fields(line)[1]);
        ASSERT_EQ(frame.size, Frame::kLongBytes) << line;
        EXPECT_EQ(feedgen::parity::compute(frame), feedgen::bits::get(frame.data(), 88, 111)) << line;
        ++checked;
    }
    EXPECT_EQ(checked, 2000);
}

TEST(FeedParity, RecordedCommBRepliesOverlayTheAddress) {
    for (const char* file : {"sample_data_commb_df20.csv", "sample_data_commb_df21.csv"}) {
        int checked = 0;
        for (const std::string& line : feedtest::dataLines(file)) {
            const auto f = feedtest::fields(line);
            const Frame frame = Frame::fromHex(f[2]);
            const uint32_t ap = static_cast<uint32_t>(feedgen::bits::get(frame.data(), 88, 111));
            EXPECT_EQ(ap ^ feedgen::parity::compute(frame), std::stoul(f[1], nullptr, 16)) << line;
            if (++checked == 500)
                break;
        }
    }
}

TEST(FeedParity, SealOverlaysTheGivenValue) {
    Frame frame = Frame::fromHex("5D4840D6202CC3");  // DF11 with its parity field to be written
    feedgen::parity::seal(frame, 0x13);
    EXPECT_EQ(feedgen::bits::get(frame.data(), 32, 55) ^ feedgen::parity::compute(frame), 0x13u);
    Frame modeAC = Frame::fromHex("1234");
    feedgen::parity::seal(modeAC, 0xFFFFFF);
    EXPECT_EQ(modeAC.hex(), "1234") << "a Mode A/C frame has no parity";
}

}  // namespace
