// Fuzz entry point for the recording readers. The first byte picks the reader (Beast, AVR,
// CSV) and the receiver clock, the second a split position; the rest is the recording. Checks:
// every frame has a size a reply can have; reading the bytes whole and split in two gives the
// same frames and the same error count; and frames written out again as Beast read back the
// same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "feedgen/BeastWriter.h"
#include "feedgen/RecordingReader.h"

namespace {

using feedgen::RecordedFrame;

struct Read {
    std::vector<RecordedFrame> frames;
    uint64_t errors = 0;
};

Read readAll(feedgen::RecordingFormat format, feedgen::ClockKind clock, const uint8_t* data,
             size_t size, size_t split) {
    auto reader = feedgen::RecordingReader::create(format, clock);
    Read read;
    reader->feed(data, split, read.frames);
    reader->feed(data + split, size - split, read.frames);
    reader->finish(read.frames);
    read.errors = reader->errors();
    return read;
}

bool same(const RecordedFrame& a, const RecordedFrame& b) {
    return a.timeBase == b.timeBase && a.timeNs == b.timeNs && a.frame == b.frame &&
           a.signal == b.signal;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const auto format = static_cast<feedgen::RecordingFormat>(data[0] % 3);
    const auto clock = (data[0] & 0x80) ? feedgen::ClockKind::GpsTimeOfDay
                                        : feedgen::ClockKind::Counter12MHz;
    const uint8_t* body = data + 2;
    const size_t length = size - 2;
    const size_t split = length == 0 ? 0 : data[1] % (length + 1);

    const Read whole = readAll(format, clock, body, length, 0);
    const Read parts = readAll(format, clock, body, length, split);
    if (whole.errors != parts.errors || whole.frames.size() != parts.frames.size())
        __builtin_trap();
    for (size_t i = 0; i < whole.frames.size(); ++i) {
        const auto& frame = whole.frames[i].frame;
        if (frame.size != 2 && frame.size != 7 && frame.size != 14)
            __builtin_trap();
        if (!same(whole.frames[i], parts.frames[i]))
            __builtin_trap();
    }

    // What was read, written as Beast with a 12 MHz counter, reads back frame for frame.
    const feedgen::BeastWriter writer(feedgen::ReceiverClock(feedgen::ClockKind::Counter12MHz, 0));
    std::string beast;
    for (const RecordedFrame& f : whole.frames) {
        feedgen::Transmission t;
        t.frame = f.frame;
        t.signal = f.signal;
        t.timeNs = 1000;  // a stamp that is not 0
        writer.append(t, beast);
    }
    const Read again = readAll(feedgen::RecordingFormat::Beast, feedgen::ClockKind::Counter12MHz,
                               reinterpret_cast<const uint8_t*>(beast.data()), beast.size(),
                               beast.size() / 2);
    if (again.errors != 0 || again.frames.size() != whole.frames.size())
        __builtin_trap();
    for (size_t i = 0; i < whole.frames.size(); ++i) {
        if (again.frames[i].frame != whole.frames[i].frame ||
            again.frames[i].signal != whole.frames[i].signal)
            __builtin_trap();
    }
    return 0;
}
