// The AVR framer alone: line kinds, every error text, time stamps and lines cut anywhere.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AvrFramer.h"
#include "InputTestSupport.h"

namespace {

using testsupport::DebugCapture;
using testsupport::FrameCollector;
using testsupport::LogCollector;

const char kLong[] = "8D4840D6202CC371C32CE0576098";

struct LineCase {
    std::string input;
    std::vector<std::string> frames;  // reply hex
    QString log;                      // the one log line expected, or empty
};

QString corrupted(const char* what, const std::string& line) {
    return QStringLiteral("Corrupted AVR message received (%1 error): %2")
        .arg(QLatin1String(what), QString::fromStdString(line));
}

TEST(AvrFramerTest, LinesGiveRepliesOrTheirErrorText) {
    const std::string l = kLong;
    const LineCase cases[] = {
        {"*" + l + ";\n", {"8d4840d6202cc371c32ce0576098"}, {}},
        {":" + l + ";\n", {"8d4840d6202cc371c32ce0576098"}, {}},
        {"*5d4840d6a4b2c1;\r\n", {"5d4840d6a4b2c1"}, {}},
        {"*2345;\n", {"2345"}, {}},
        {"?status text\n", {}, {}},
        {"*" + l + "\n", {}, corrupted("tailer", "*" + l)},
        {"*\n", {}, corrupted("tailer", "*")},
        {"#" + l + ";\n", {}, corrupted("header", "#" + l + ";")},
        {"\n", {}, corrupted("header", "")},
        {"*8D4840;\n", {}, corrupted("length", "*8D4840;")},
        {"*8D4840D;\n", {}, corrupted("length", "*8D4840D;")},
        {"*;\n", {}, corrupted("length", "*;")},
        {"*8D4840D6202CC371C32CE05760ZZ;\n",
         {},
         corrupted("length", "*8D4840D6202CC371C32CE05760ZZ;")},
        {"*8D4840D6202CC371 C32CE0576098;\n",
         {},
         corrupted("length", "*8D4840D6202CC371 C32CE0576098;")},
        {"@0000000F4240;\n", {}, corrupted("length", "@0000000F4240;")},
        {"@00000F4240;\n", {}, corrupted("length", "@00000F4240;")},
        {"@0000000F4240" + l + ";\n", {"8d4840d6202cc371c32ce0576098"}, {}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.input);
        AvrFramer framer;
        LogCollector log;
        framer.setLogSink(log.sink());
        framer.setPlaybackMode(true);
        FrameCollector out;
        framer.feed(QByteArray::fromStdString(c.input), 7, out.sink());
        EXPECT_EQ(out.texts(), c.frames);
        EXPECT_EQ(log.lines, c.log.isEmpty() ? QStringList() : QStringList{c.log});
        EXPECT_EQ(framer.bufferedBytes(), 0);
        for (const ModeSFrame& frame : out.frames) {
            EXPECT_FALSE(frame.hasSignal);
            EXPECT_EQ(frame.timeStamp, 7u);
        }
    }
}

// A feed of every kind of line, cut in two at every byte and fed byte by byte: the same
// replies and the same log each time, and no line read in pieces.
TEST(AvrFramerTest, LinesSurviveACutAtEveryByte) {
    const QByteArray stream = QByteArray("*") + kLong + ";\r\n?x\n*5d4840d6a4b2c1;\n" +
                              "bad;\n:2345;\n@0000000F4240" + kLong + ";\n*" + kLong + "\n";
    const std::vector<std::string> replies = {"8d4840d6202cc371c32ce0576098", "5d4840d6a4b2c1",
                                              "2345", "8d4840d6202cc371c32ce0576098"};
    const QStringList errors = {corrupted("header", "bad;"),
                                corrupted("tailer", std::string("*") + kLong)};
    for (int cut = 0; cut <= stream.size(); ++cut) {
        AvrFramer framer;
        framer.setPlaybackMode(true);
        LogCollector log;
        framer.setLogSink(log.sink());
        FrameCollector out;
        framer.feed(stream.left(cut), 0, out.sink());
        framer.feed(stream.mid(cut), 0, out.sink());
        ASSERT_EQ(out.texts(), replies) << "cut at " << cut;
        ASSERT_EQ(log.lines, errors) << "cut at " << cut;
    }
    AvrFramer framer;
    framer.setPlaybackMode(true);
    FrameCollector out;
    for (const char c : stream)
        framer.feed(QByteArray(1, c), 0, out.sink());
    EXPECT_EQ(out.texts(), replies);
}

TEST(AvrFramerTest, StampedLineTakesItsTimeOfDay) {
    const quint64 midnight = 1709251200000ull;  // 2024-03-01
    // 12:00:00.500 and the receive time 1.5 s later.
    const QByteArray line = QByteArray("@2A301DCD6500") + kLong + ";\n";
    AvrFramer framer;
    FrameCollector out;
    framer.feed(line, midnight + 43202000, out.sink());
    framer.feed(QByteArray("*") + kLong + ";\n", midnight + 43202100, out.sink());
    framer.setPlaybackMode(true);
    framer.feed(line, midnight + 43202200, out.sink());
    EXPECT_EQ(out.texts(true),
              (std::vector<std::string>{
                  "8d4840d6202cc371c32ce0576098@" + std::to_string(midnight + 43200500),
                  "8d4840d6202cc371c32ce0576098@" + std::to_string(midnight + 43202100),
                  "8d4840d6202cc371c32ce0576098@" + std::to_string(midnight + 43202200)}));
}

TEST(AvrFramerTest, CounterStampsFallBackToTheReceiveTime) {
    AvrFramer framer;
    LogCollector log;
    framer.setLogSink(log.sink());
    FrameCollector out;
    framer.feed(QByteArray("@00F1A3B2C4D5") + kLong + ";\n@00F1A3B2C4D6" + kLong + ";\n",
                1709251200000ull + 43200000, out.sink());
    ASSERT_EQ(out.frames.size(), 2u);
    EXPECT_EQ(out.frames[0].timeStamp, 1709251200000ull + 43200000);
    EXPECT_EQ(out.frames[1].timeStamp, 1709251200000ull + 43200000);
    EXPECT_EQ(log.lines, QStringList{FrameClock::notTimeOfDayText()});
}

TEST(AvrFramerTest, RefusedReplyGoesToTheDebugOutput) {
    DebugCapture debug;
    AvrFramer framer;
    FrameCollector out;
    out.accept = false;
    framer.feed("*2345;\n", 0, out.sink());
    EXPECT_EQ(out.frames.size(), 1u);
    EXPECT_EQ(debug.count(QStringLiteral("AVR: Unknown data format. *2345;")), 1);
}

TEST(AvrFramerTest, FeedWithoutLineEndsCannotGrowTheBuffer) {
    AvrFramer framer;
    LogCollector log;
    framer.setLogSink(log.sink());
    FrameCollector out;
    const QByteArray junk(100, 'A');
    for (int i = 0; i < 100; ++i) {
        framer.feed(junk, 0, out.sink());
        ASSERT_LE(framer.bufferedBytes(), AvrFramer::kMaxLineBytes);
    }
    EXPECT_TRUE(out.frames.empty());
    EXPECT_FALSE(log.lines.isEmpty());
    for (const QString& line : log.lines)
        EXPECT_TRUE(
            line.startsWith(QStringLiteral("Corrupted AVR message received (header error): AAA")));
}

}  // namespace
