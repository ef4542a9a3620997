#ifndef FEEDGEN_IMPAIRMENTS_H
#define FEEDGEN_IMPAIRMENTS_H

// What a real 1090 MHz channel does to replies, applied to any stream of transmissions (a
// scene or a recording): bits flipped by interference, extended squitters damaged beyond what
// one- or two-bit repair can undo reliably, and noise that a receiver's preamble detector takes
// for replies. Each impairment is off by default and follows its own seed.

#include <cstdint>
#include <deque>

#include "feedgen/Random.h"
#include "feedgen/Transmission.h"

namespace feedgen {

struct ImpairmentConfig {
    // Share of all frames (0 to 1) that get `bitErrorBits` bits flipped (1 to 3) at distinct
    // random positions anywhere in the frame.
    double bitErrorShare = 0;
    unsigned bitErrorBits = 1;
    // Extended squitters (DF17) per second that get two or three bits flipped (as often one
    // as the other), at distinct random positions.
    double damagedSquittersPerSecond = 0;
    // Noise frames per second, inserted between the others: random bits behind the first
    // five of a downlink format this system decodes (0, 4, 5, 11, 16, 17, 18, 20, 21), short
    // or long by the format, as noise looks once a receiver has cut it into a reply.
    double noiseFramesPerSecond = 0;
    uint64_t seed = 1;
};

struct ImpairmentCounts {
    uint64_t framesWithBitErrors = 0;
    uint64_t bitsFlipped = 0;  // by the bit-error share
    uint64_t damagedSquitters = 0;
    uint64_t damagedWithTwoBits = 0;
    uint64_t damagedWithThreeBits = 0;
    uint64_t noiseFrames = 0;
};

class Impairments : public TransmissionSource {
public:
    // Reads from `source`, which must outlive this filter.
    Impairments(TransmissionSource& source, ImpairmentConfig config);

    bool next(Transmission& out) override;
    const ImpairmentCounts& counts() const { return _counts; }

    // Flips `count` distinct random bits of `frame` (all of them when it has fewer).
    static void flipBits(Frame& frame, unsigned count, Random& random);

private:
    bool pull(Transmission& out);

    TransmissionSource& _source;
    ImpairmentConfig _config;
    Random _random;
    ImpairmentCounts _counts;
    bool _started = false;
    int64_t _nextDamageNs = 0;
    int64_t _nextNoiseNs = 0;
    bool _havePending = false;
    Transmission _pending;
};

}  // namespace feedgen

#endif  // FEEDGEN_IMPAIRMENTS_H
