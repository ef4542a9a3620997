#ifndef FEEDGEN_BEASTWRITER_H
#define FEEDGEN_BEASTWRITER_H

// The Mode-S Beast binary framing: the marker 0x1a, a type byte ('1' Mode A/C reply of 2
// bytes, '2' short Mode S reply of 7 bytes, '3' long Mode S reply of 14 bytes), the 6-byte
// time stamp (most significant byte first), one signal-level byte and the reply. Every 0x1a
// after the type byte (in the stamp, the signal level or the reply) is sent twice, so that a
// lone 0x1a always starts a frame.

#include "feedgen/FrameWriter.h"
#include "feedgen/ReceiverClock.h"

namespace feedgen {

class BeastWriter : public FrameWriter {
public:
    explicit BeastWriter(ReceiverClock clock) : _clock(clock) {}
    bool append(const Transmission& transmission, std::string& out) const override;

private:
    ReceiverClock _clock;
};

}  // namespace feedgen

#endif  // FEEDGEN_BEASTWRITER_H
