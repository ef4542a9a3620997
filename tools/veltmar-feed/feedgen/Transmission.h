#ifndef FEEDGEN_TRANSMISSION_H
#define FEEDGEN_TRANSMISSION_H

// One reply as a receiver hears it: the frame, when it arrived and how strong it was.

#include <cstdint>

#include "feedgen/Frame.h"

namespace feedgen {

struct Transmission {
    int64_t timeNs = 0;  // nanoseconds since 1970-01-01 UTC
    Frame frame;
    uint8_t signal = 0;  // signal level as Beast receivers report it, 0 to 255
};

// Anything that delivers transmissions in time order: a simulated scene, a recording, a chain
// of filters over either.
class TransmissionSource {
public:
    virtual ~TransmissionSource() = default;
    // The next transmission, not earlier than the previous one; false when the source has
    // ended (for good: later calls return false as well).
    virtual bool next(Transmission& out) = 0;
};

}  // namespace feedgen

#endif  // FEEDGEN_TRANSMISSION_H
