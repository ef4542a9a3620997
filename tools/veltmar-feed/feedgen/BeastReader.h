#ifndef FEEDGEN_BEASTREADER_H
#define FEEDGEN_BEASTREADER_H

// Reads the Mode-S Beast binary framing (see BeastWriter): frames of type '1', '2' and '3'
// come out, status frames ('4') are read and dropped. A doubled 0x1a inside a frame is one
// data byte; a lone 0x1a inside a frame cuts it (an error) and starts the next frame. Bytes
// outside frames, and a marker followed by an unknown type, are skipped and counted as one
// error per run. A time stamp of 0 (a receiver without a clock) is taken as no time.

#include <string>

#include "feedgen/RecordingReader.h"

namespace feedgen {

class BeastReader : public RecordingReader {
public:
    explicit BeastReader(ClockKind clock) : _clock(clock) {}
    void feed(const uint8_t* data, size_t size, std::vector<RecordedFrame>& out) override;
    void finish(std::vector<RecordedFrame>& out) override;

private:
    // Reads one frame starting at `start` (a marker). Returns the bytes it used, 0 when the
    // buffer ends first.
    size_t readFrame(size_t start, std::vector<RecordedFrame>& out);
    void skipGarbage();

    ClockKind _clock;
    std::string _pending;
    bool _inGarbage = false;
};

}  // namespace feedgen

#endif  // FEEDGEN_BEASTREADER_H
