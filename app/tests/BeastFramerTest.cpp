// The Beast framer alone: byte streams in, replies out, escapes, garbage, frame types and
// frames cut anywhere.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BeastFramer.h"
#include "InputTestSupport.h"

namespace {

using testsupport::FrameCollector;
using testsupport::hex;

struct StreamCase {
    const char* name;
    const char* stream;                 // hex
    std::vector<std::string> expected;  // reply hex "/s" signal
    int leftOver;                       // bytes left in the buffer
};

// Every stamp below is zero and the framer is in playback mode: these rows are about framing.
const StreamCase kStreams[] = {
    {"long reply",
     "1a 33 000000000000 c8 8d4840d6202cc371c32ce0576098",
     {"8d4840d6202cc371c32ce0576098/s200"},
     0},
    {"short reply", "1a 32 000000000000 40 5d4840d6a4b2c1", {"5d4840d6a4b2c1/s64"}, 0},
    {"Mode A/C reply is passed on", "1a 31 000000000000 10 2345", {"2345/s16"}, 0},
    {"status frame is read to its end and dropped",
     "1a 34 000000000000 00 0102030405060708090a0b0c0d0e 1a 32 000000000000 01 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s1"},
     0},
    {"garbage before the marker",
     "00 11 33 32 ff 1a 32 000000000000 02 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s2"},
     0},
    {"no marker at all: buffer emptied", "00 11 22 33 34 35", {}, 0},
    {"a lone marker at the end waits", "00 11 1a", {}, 1},
    {"unfinished frame waits", "1a 33 000000000000 c8 8d4840", {}, 12},
    {"doubled marker inside the reply is one byte",
     "1a 32 000000000000 03 5d 1a 1a 40 d6 1a 1a 1a 1a c1",
     {"5d1a40d61a1ac1/s3"},
     0},
    {"doubled marker in the stamp and the signal",
     "1a 32 1a 1a 00 00 00 00 1a 1a 1a 1a 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s26"},
     0},
    {"a reply ending in a doubled marker", "1a 31 000000000000 00 23 1a 1a", {"231a/s0"}, 0},
    {"a doubled marker cut at the end waits", "1a 31 000000000000 00 23 1a", {}, 11},
    {"a lone marker inside a frame starts the next",
     "1a 33 000000000000 c8 8d4840d6 1a 32 000000000000 05 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s5"},
     0},
    {"a lone marker of an unread type inside a frame ends it too",
     "1a 33 000000000000 c8 8d4840d6 1a 35 00 1a 32 000000000000 05 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s5"},
     0},
    {"unread type skipped, its escaped markers not taken for frames",
     "1a 35 aa 1a 1a 33 bb 1a 1a 32 cc 1a 32 000000000000 06 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s6"},
     0},
    {"doubled markers between frames are data of no frame",
     "1a 1a 1a 1a 1a 32 000000000000 07 5d4840d6a4b2c1",
     {"5d4840d6a4b2c1/s7"},
     0},
    {"type bytes that are not '1' to '4' never start a frame",
     "1a 30 1a 35 1a 00 1a ff 1a 48 00",
     {},
     0},
    {"frames back to back",
     "1a 32 000000000000 01 5d4840d6a4b2c1 1a 33 000000000000 02 8d4840d6202cc371c32ce0576098"
     " 1a 31 000000000000 03 7700",
     {"5d4840d6a4b2c1/s1", "8d4840d6202cc371c32ce0576098/s2", "7700/s3"},
     0},
};

TEST(BeastFramerTest, StreamsGiveTheirFrames) {
    for (const StreamCase& c : kStreams) {
        SCOPED_TRACE(c.name);
        BeastFramer framer;
        framer.setPlaybackMode(true);
        FrameCollector out;
        framer.feed(hex(c.stream), 1000, out.sink());
        EXPECT_EQ(out.texts(), c.expected) << c.stream;
        EXPECT_EQ(framer.bufferedBytes(), c.leftOver) << c.stream;
    }
}

// The rows that leave nothing behind, one after the other, fed in two pieces at every
// possible cut and byte by byte: all their frames, in order, each time.
TEST(BeastFramerTest, FramesSurviveACutAtEveryByte) {
    std::string all;
    FrameCollector expected;
    std::vector<std::string> expectedTexts;
    for (const StreamCase& c : kStreams) {
        if (c.leftOver != 0)
            continue;
        all += std::string(c.stream) + " ";
        expectedTexts.insert(expectedTexts.end(), c.expected.begin(), c.expected.end());
    }
    const QByteArray stream = hex(all.c_str());
    BeastFramer whole;
    whole.setPlaybackMode(true);
    whole.feed(stream, 1000, expected.sink());
    ASSERT_EQ(expected.texts(), expectedTexts);

    for (int cut = 0; cut <= stream.size(); ++cut) {
        BeastFramer framer;
        framer.setPlaybackMode(true);
        FrameCollector out;
        framer.feed(stream.left(cut), 1000, out.sink());
        framer.feed(stream.mid(cut), 1000, out.sink());
        ASSERT_EQ(out.texts(), expected.texts()) << "cut at " << cut;
    }
    BeastFramer framer;
    framer.setPlaybackMode(true);
    FrameCollector out;
    for (const char byte : stream)
        framer.feed(QByteArray(1, byte), 1000, out.sink());
    EXPECT_EQ(out.texts(), expected.texts());
}

TEST(BeastFramerTest, EncodeDoublesEveryMarkerAndReadsBack) {
    const unsigned char stamp[6] = {0x1a, 0, 0, 0, 0, 0x1a};
    const QByteArray wire = BeastFramer::encode('2', stamp, 0x1a, hex("1a4840d6a4b21a"));
    EXPECT_EQ(wire, hex("1a 32 1a1a 00 00 00 00 1a1a 1a1a 1a1a 4840d6a4b2 1a1a"));
    BeastFramer framer;
    framer.setPlaybackMode(true);
    FrameCollector out;
    framer.feed(wire, 5, out.sink());
    EXPECT_EQ(out.texts(true), std::vector<std::string>{"1a4840d6a4b21a/s26@5"});
}

// Whatever arrives, what waits in the buffer is at most one unfinished frame.
TEST(BeastFramerTest, BufferHoldsAtMostOneFrame) {
    BeastFramer framer;
    framer.setPlaybackMode(true);
    FrameCollector out;
    // A frame whose every byte is an escaped marker, cut one byte short, again and again:
    // each new marker pair cuts the previous one.
    QByteArray worst = hex("1a 33");
    for (int i = 0; i < 20; ++i)
        worst += hex("1a 1a");
    for (int i = 0; i < 100; ++i) {
        framer.feed(worst, 0, out.sink());
        ASSERT_LE(framer.bufferedBytes(), BeastFramer::kMaxFrameBytes);
    }
    EXPECT_TRUE(out.frames.empty());
    framer.feed(hex("1a 1a"), 0, out.sink());
    EXPECT_EQ(out.frames.size(), 1u);
}

TEST(BeastFramerTest, ReplyLengthByType) {
    const std::vector<std::pair<char, int>> lengths = {{'1', 2}, {'2', 7}, {'3', 14},   {'4', 14},
                                                       {'0', 0}, {'5', 0}, {'\x1a', 0}, {'H', 0}};
    for (const auto& [type, length] : lengths)
        EXPECT_EQ(BeastFramer::replyLength(type), length) << int(type);
}

// Outside playback mode the stamp is read as a time of day when it is one.
TEST(BeastFramerTest, FrameTimeFromAGpsStamp) {
    // 12:00:00.500 UTC; the receive time is 2 s later on 2024-03-01.
    const quint64 midnight = 1709251200000ull;
    const QByteArray frame = hex("1a 32 2a301dcd6500 40 5d4840d6a4b2c1");
    BeastFramer framer;
    FrameCollector out;
    framer.feed(frame, midnight + 43202500, out.sink());
    ASSERT_EQ(out.frames.size(), 1u);
    EXPECT_EQ(out.frames[0].timeStamp, midnight + 43200500);

    framer.setPlaybackMode(true);
    framer.feed(frame, midnight + 43202600, out.sink());
    ASSERT_EQ(out.frames.size(), 2u);
    EXPECT_EQ(out.frames[1].timeStamp, midnight + 43202600);
}

}  // namespace
