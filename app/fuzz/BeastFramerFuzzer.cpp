// Two promises of the Beast framer, for any input:
//  1. Any bytes, fed in any pieces: nothing crashes, every frame is a 2, 7 or 14-byte reply,
//     and no more than one unfinished frame ever waits in the buffer.
//  2. A well-formed stream (frames of every type, escapes included, receiver status and
//     unknown types between them) built from the input and cut anywhere gives exactly its
//     Mode A/C and Mode S frames, in order.

#include <vector>

#include "BeastFramer.h"
#include "FuzzInput.h"

namespace {

using fuzzinput::check;
using fuzzinput::Choices;

struct Expected {
    QByteArray reply;
    quint8 signal;
};

void anyBytes(const uint8_t* data, size_t size) {
    Choices choices(data, size);
    const QByteArray stream(reinterpret_cast<const char*>(data), int(size));
    BeastFramer framer;
    framer.setPlaybackMode(size % 2 == 0);
    const ModeSFrameSink sink = [](const ModeSFrame& frame) {
        const int n = frame.reply.size();
        check(n == 2 || n == 7 || n == 14, "reply length");
        return true;
    };
    for (const QByteArray& piece : fuzzinput::cut(stream, choices)) {
        framer.feed(piece, 1700000000000ull, sink);
        check(framer.bufferedBytes() <= BeastFramer::kMaxFrameBytes, "buffer bound");
    }
}

void wellFormed(const uint8_t* data, size_t size) {
    Choices choices(data, size);
    QByteArray stream;
    std::vector<Expected> expected;
    while (!choices.empty()) {
        static const char kTypes[] = {'1', '2', '3', '4', '5', '0', 'H'};
        const char type = kTypes[choices.below(7)];
        unsigned char stamp[6];
        for (unsigned char& byte : stamp)
            byte = choices.next();
        const quint8 signal = choices.next();
        const int length =
            BeastFramer::replyLength(type) > 0 ? BeastFramer::replyLength(type) : choices.below(20);
        QByteArray reply;
        for (int i = 0; i < length; ++i)
            reply.append(char(choices.next()));
        stream += BeastFramer::encode(type, stamp, signal, reply);
        if (type >= '1' && type <= '3')
            expected.push_back({reply, signal});
    }
    // The pieces come from the same input read again, so every cut is reachable.
    Choices cuts(data, size);
    BeastFramer framer;
    framer.setPlaybackMode(true);
    size_t got = 0;
    const ModeSFrameSink sink = [&](const ModeSFrame& frame) {
        check(got < expected.size(), "a frame too many");
        check(frame.reply == expected[got].reply, "reply bytes");
        check(frame.hasSignal && frame.signal == expected[got].signal, "signal level");
        check(frame.timeStamp == 42, "playback time");
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
