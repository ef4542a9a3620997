#ifndef FEEDGEN_RECORDING_H
#define FEEDGEN_RECORDING_H

// A recording file replayed as a stream of transmissions, in the recording's own time.
//
// Times: a CSV recording's times are kept. A Beast or AVR recording's receiver stamps only
// count time: the first frame is placed at `anchorNs` (for a GPS time of day, at that time of
// day on the anchor's date) and the others follow by the differences of their stamps. A gap
// that goes backwards (a counter reset, a recording spliced together) becomes no gap, one
// longer than `maxGapSeconds` is cut to that, and a frame without a time follows the one
// before it by `untimedSpacingSeconds`. A CSV recording whose times are whole seconds stamps
// many frames with the same second: these are spread evenly over that second. With `loop`
// the recording starts again from the top when it ends, its times continuing.

#include <cstdint>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "feedgen/RecordingReader.h"
#include "feedgen/Transmission.h"

namespace feedgen {

struct RecordingConfig {
    std::string path;
    std::optional<RecordingFormat> format;  // nothing: from the file's first bytes
    ClockKind clock = ClockKind::Counter12MHz;
    int64_t anchorNs = 0;
    double maxGapSeconds = 10;
    double untimedSpacingSeconds = 0.001;
    bool loop = false;
};

class Recording : public TransmissionSource {
public:
    explicit Recording(RecordingConfig config);

    // False when the file could not be opened; error() says why.
    bool ok() const { return _error.empty(); }
    const std::string& error() const { return _error; }
    RecordingFormat format() const { return _format; }

    bool next(Transmission& out) override;

    uint64_t framesRead() const { return _framesRead; }
    // Malformed pieces the reader skipped (see RecordingReader), over all passes.
    uint64_t errors() const;

private:
    bool open();
    // Reads on until at least `count` frames are buffered or the file has ended.
    bool fill(size_t count);
    // The time of the front frame with whole-second groups spread; consumes nothing.
    int64_t spreadTime();

    RecordingConfig _config;
    std::string _error;
    RecordingFormat _format = RecordingFormat::Csv;
    std::ifstream _file;
    std::unique_ptr<RecordingReader> _reader;
    uint64_t _previousErrors = 0;
    bool _ended = false;
    struct Buffered {
        RecordedFrame frame;
        bool firstOfPass = false;  // the recording started again with this frame
    };
    std::vector<RecordedFrame> _read;
    std::deque<Buffered> _buffer;
    uint64_t _framesRead = 0;
    // Timing.
    bool _first = true;
    bool _restarted = false;  // the next frame read starts a new pass
    TimeBase _previousBase = TimeBase::None;
    int64_t _previousSourceNs = 0;
    int64_t _previousOutNs = 0;
    int64_t _groupTime = -1;
    size_t _groupSize = 0;
    size_t _groupIndex = 0;
};

}  // namespace feedgen

#endif  // FEEDGEN_RECORDING_H
