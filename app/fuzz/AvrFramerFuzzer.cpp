// Two promises of the AVR framer, for any input:
//  1. Any bytes, fed in any pieces: nothing crashes, every frame is a 2, 7 or 14-byte reply,
//     and a line waiting for its end never exceeds the line bound.
//  2. A well-formed feed (replies with and without time stamps, "\n" and "\r\n" line ends,
//     receiver chatter between them) built from the input and cut anywhere gives exactly its
//     replies, in order, and no log line.

#include <vector>

#include "AvrFramer.h"
#include "FuzzInput.h"

namespace {

using fuzzinput::check;
using fuzzinput::Choices;

void anyBytes(const uint8_t* data, size_t size) {
    Choices choices(data, size);
    const QByteArray stream(reinterpret_cast<const char*>(data), int(size));
    AvrFramer framer;
    framer.setPlaybackMode(size % 2 == 0);
    framer.setLogSink([](const QString&) {});
    const ModeSFrameSink sink = [](const ModeSFrame& frame) {
        const int n = frame.reply.size();
        check(n == 2 || n == 7 || n == 14, "reply length");
        return true;
    };
    for (const QByteArray& piece : fuzzinput::cut(stream, choices)) {
        framer.feed(piece, 1700000000000ull, sink);
        check(framer.bufferedBytes() <= AvrFramer::kMaxLineBytes, "buffer bound");
    }
}

void wellFormed(const uint8_t* data, size_t size) {
    Choices choices(data, size);
    QByteArray stream;
    std::vector<QByteArray> expected;
    while (!choices.empty()) {
        static const int kLengths[] = {2, 7, 14};
        const int kind = choices.below(4);
        if (kind == 3) {
            stream += "?chatter;\n";
            continue;
        }
        QByteArray reply;
        for (int i = 0, n = kLengths[choices.below(3)]; i < n; ++i)
            reply.append(char(choices.next()));
        const QByteArray digits = choices.below(2) ? reply.toHex() : reply.toHex().toUpper();
        if (kind == 0)
            stream += "*" + digits;
        else if (kind == 1)
            stream += ":" + digits;
        else
            stream += "@" + QByteArray::number(choices.next() % 10).repeated(12) + digits;
        stream += choices.below(2) ? ";\r\n" : ";\n";
        expected.push_back(reply);
    }
    Choices cuts(data, size);
    AvrFramer framer;
    framer.setPlaybackMode(true);
    framer.setLogSink([](const QString&) { fuzzinput::fail("log line for a valid feed"); });
    size_t got = 0;
    const ModeSFrameSink sink = [&](const ModeSFrame& frame) {
        check(got < expected.size(), "a frame too many");
        check(frame.reply == expected[got], "reply bytes");
        check(!frame.hasSignal && frame.timeStamp == 42, "playback time");
        ++got;
        return true;
    };
    for (const QByteArray& piece : fuzzinput::cut(stream, cuts))
        framer.feed(piece, 42, sink);
    check(got == expected.size(), "a frame lost");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    anyBytes(data, size);
    wellFormed(data, size);
    return 0;
}
