#ifndef FEEDGEN_RECORDINGREADER_H
#define FEEDGEN_RECORDINGREADER_H

// Readers of recorded receiver output. Each takes the recording's bytes in pieces of any size
// (a file read in blocks, a socket's chunks) and hands out the frames it completes; the frames
// and the error count come out the same however the bytes are split. Nothing read from outside
// is trusted: malformed input is counted and skipped, never fatal, and no reader holds more
// than a bounded amount of unfinished input.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "feedgen/Frame.h"
#include "feedgen/ReceiverClock.h"

namespace feedgen {

// What a recorded frame's time counts from.
enum class TimeBase {
    None,       // the framing carries no time (AVR '*' and ':' lines)
    Receiver,   // the receiver's 48-bit stamp, read with the reader's clock kind
    Epoch,      // nanoseconds since 1970-01-01 UTC
};

struct RecordedFrame {
    TimeBase timeBase = TimeBase::None;
    int64_t timeNs = 0;  // by timeBase; for Receiver: since the counter's origin or midnight
    Frame frame;
    uint8_t signal = 0;
};

enum class RecordingFormat { Beast, Avr, Csv };

class RecordingReader {
public:
    virtual ~RecordingReader() = default;
    // Reads `size` more bytes and appends every frame they complete to `out`.
    virtual void feed(const uint8_t* data, size_t size, std::vector<RecordedFrame>& out) = 0;
    // The input has ended: whatever is left is read as far as it goes (a last line without
    // its line end) or counted as an error (a frame cut short).
    virtual void finish(std::vector<RecordedFrame>& out) = 0;
    // Malformed pieces skipped so far (lines, frames, runs of bytes between frames).
    uint64_t errors() const { return _errors; }

    // A reader of the given format; `clock` says how Beast and AVR time stamps are read.
    static std::unique_ptr<RecordingReader> create(RecordingFormat format, ClockKind clock);

protected:
    uint64_t _errors = 0;
};

// The format of a recording from its first bytes: 0x1a starts Beast, '*', '@' or ':' AVR,
// anything else is taken as CSV.
RecordingFormat detectRecordingFormat(const uint8_t* data, size_t size);

}  // namespace feedgen

#endif  // FEEDGEN_RECORDINGREADER_H
