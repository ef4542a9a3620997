// The JSON framer alone: top-level arrays out of a text feed, brackets inside strings, several
// arrays per read, leading junk, arrays cut anywhere and the buffer bound.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "InputTestSupport.h"
#include "JsonFramer.h"

namespace {

using testsupport::LogCollector;

struct ArrayCollector {
    std::vector<std::string> arrays;
    std::vector<int> chunkSizes;
    JsonFramer::ArraySink sink() {
        return [this](const QByteArray& array, quint64, int chunkSize) {
            arrays.push_back(array.toStdString());
            chunkSizes.push_back(chunkSize);
        };
    }
};

struct TextCase {
    const char* name;
    const char* input;
    std::vector<std::string> arrays;
    int leftOver;
};

const TextCase kTexts[] = {
    {"one array", R"([{"icao":"3C6444"}])", {R"([{"icao":"3C6444"}])"}, 0},
    {"two arrays in one read", R"([{"a":1}] [{"b":2}])", {R"([{"a":1}])", R"([{"b":2}])"}, 0},
    {"leading ']' and text are dropped", R"(x]y,[{"a":1}])", {R"([{"a":1}])"}, 0},
    {"no '[' at all: buffer emptied", R"(}{"a":1}])", {}, 0},
    {"']' inside a string", R"([{"cs":"A]B"},{"cs":"]"}])", {R"([{"cs":"A]B"},{"cs":"]"}])"}, 0},
    {"'[' inside a string", R"([{"cs":"[["}])", {R"([{"cs":"[["}])"}, 0},
    {"escaped quote inside a string",
     R"([{"cs":"x\"]"},{"t":"\\"}])",
     {R"([{"cs":"x\"]"},{"t":"\\"}])"},
     0},
    {"nested arrays", R"([{"p":[1,[2]]},[]])", {R"([{"p":[1,[2]]},[]])"}, 0},
    {"line ends removed", "[{\"a\":\r\n1},\n{\"b\":2}]\r\n", {R"([{"a":1},{"b":2}])"}, 0},
    {"unfinished array waits", R"([{"a":1}] [{"b":)", {R"([{"a":1}])"}, 6},
    {"unfinished string waits", R"([{"a":"]])", {}, 9},
};

TEST(JsonFramerTest, TextsGiveTheirArrays) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.name);
        JsonFramer framer;
        ArrayCollector out;
        const QByteArray input(c.input);
        framer.feed(input, 3, out.sink());
        EXPECT_EQ(out.arrays, c.arrays) << c.input;
        EXPECT_EQ(framer.bufferedBytes(), c.leftOver) << c.input;
        for (const int size : out.chunkSizes)
            EXPECT_EQ(size, input.size());
    }
}

// All rows that leave nothing behind, one after another, cut in two at every byte and fed byte
// by byte: all their arrays in order each time.
TEST(JsonFramerTest, ArraysSurviveACutAtEveryByte) {
    QByteArray stream;
    std::vector<std::string> expected;
    for (const TextCase& c : kTexts) {
        if (c.leftOver != 0)
            continue;
        stream += c.input;
        expected.insert(expected.end(), c.arrays.begin(), c.arrays.end());
    }
    for (int cut = 0; cut <= stream.size(); ++cut) {
        JsonFramer framer;
        ArrayCollector out;
        framer.feed(stream.left(cut), 0, out.sink());
        framer.feed(stream.mid(cut), 0, out.sink());
        ASSERT_EQ(out.arrays, expected) << "cut at " << cut;
    }
    JsonFramer framer;
    ArrayCollector out;
    for (const char c : stream)
        framer.feed(QByteArray(1, c), 0, out.sink());
    EXPECT_EQ(out.arrays, expected);
}

TEST(JsonFramerTest, ArrayGetsTheReceiveTimeAndSizeOfTheChunkThatCompletesIt) {
    JsonFramer framer;
    std::vector<std::pair<quint64, int>> seen;
    const auto sink = [&seen](const QByteArray&, quint64 time, int size) {
        seen.emplace_back(time, size);
    };
    framer.feed(R"([{"a":)", 100, sink);
    framer.feed(R"(1}][{"b":2}])", 200, sink);
    EXPECT_EQ(seen, (std::vector<std::pair<quint64, int>>{{200, 12}, {200, 12}}));
}

TEST(JsonFramerTest, OversizedArrayIsDroppedWithALogLine) {
    JsonFramer framer;
    LogCollector log;
    framer.setLogSink(log.sink());
    ArrayCollector out;
    framer.feed(R"([{"a":")", 0, out.sink());
    const QByteArray filler(64 * 1024, 'x');
    int fed = 7;
    while (log.lines.isEmpty()) {
        framer.feed(filler, 0, out.sink());
        fed += filler.size();
        ASSERT_LE(framer.bufferedBytes(), JsonFramer::kMaxBufferBytes);
        ASSERT_LE(fed, JsonFramer::kMaxBufferBytes + filler.size());
    }
    EXPECT_EQ(log.lines,
              QStringList{QStringLiteral("Oversized JSON message dropped (size %1).").arg(fed)});
    EXPECT_EQ(framer.bufferedBytes(), 0);
    // The feed goes on: the rest of the dropped string holds no '[', the next array frames.
    framer.feed(R"(xx"}][{"b":2}])", 0, out.sink());
    EXPECT_EQ(out.arrays, std::vector<std::string>{R"([{"b":2}])"});
}

}  // namespace
