#include "feedgen/Impairments.h"

#include <array>
#include <cmath>
#include <iterator>

#include "feedgen/Bits.h"

namespace feedgen {

namespace {

constexpr int64_t kNsPerSecond = 1000000000;

int64_t gapNs(Random& random, double perSecond) {
    return static_cast<int64_t>(std::llround(random.exponential(1.0 / perSecond) * kNsPerSecond));
}

}  // namespace

Impairments::Impairments(TransmissionSource& source, ImpairmentConfig config)
    : _source(source), _config(config), _random(config.seed) {}

void Impairments::flipBits(Frame& frame, unsigned count, Random& random) {
    const unsigned bits = frame.bits();
    std::array<unsigned, 3> chosen{};
    unsigned done = 0;
    while (done < count && done < bits && done < chosen.size()) {
        const unsigned pos = static_cast<unsigned>(random.below(bits));
        bool fresh = true;
        for (unsigned k = 0; k < done; ++k)
            fresh = fresh && chosen[k] != pos;
        if (!fresh)
            continue;
        chosen[done++] = pos;
        bits::flip(frame.data(), pos);
    }
}

bool Impairments::pull(Transmission& out) {
    if (_havePending) {
        out = _pending;
        _havePending = false;
        return true;
    }
    return _source.next(out);
}

bool Impairments::next(Transmission& out) {
    Transmission transmission;
    if (!pull(transmission))
        return false;
    if (!_started) {
        _started = true;
        if (_config.damagedSquittersPerSecond > 0)
            _nextDamageNs = transmission.timeNs + gapNs(_random, _config.damagedSquittersPerSecond);
        if (_config.noiseFramesPerSecond > 0)
            _nextNoiseNs = transmission.timeNs + gapNs(_random, _config.noiseFramesPerSecond);
    }

    if (_config.noiseFramesPerSecond > 0 && _nextNoiseNs <= transmission.timeNs) {
        // Noise comes first; the real frame waits for the next call.
        _pending = transmission;
        _havePending = true;
        static const uint8_t kFormats[] = {0, 4, 5, 11, 16, 17, 18, 20, 21};
        const uint8_t format = kFormats[_random.below(std::size(kFormats))];
        out = Transmission{};
        out.timeNs = _nextNoiseNs;
        out.frame.size = format >= 16 ? Frame::kLongBytes : Frame::kShortBytes;
        for (unsigned i = 0; i < out.frame.size; ++i)
            out.frame.bytes[i] = static_cast<uint8_t>(_random.next());
        bits::put(out.frame.data(), 0, 4, format);
        out.signal = static_cast<uint8_t>(10 + _random.below(50));
        _nextNoiseNs += gapNs(_random, _config.noiseFramesPerSecond);
        ++_counts.noiseFrames;
        return true;
    }

    if (_config.damagedSquittersPerSecond > 0 && transmission.timeNs >= _nextDamageNs &&
        transmission.frame.size == Frame::kLongBytes && transmission.frame.downlinkFormat() == 17) {
        const unsigned count = _random.chance(0.5) ? 2 : 3;
        flipBits(transmission.frame, count, _random);
        ++_counts.damagedSquitters;
        ++(count == 2 ? _counts.damagedWithTwoBits : _counts.damagedWithThreeBits);
        _nextDamageNs += gapNs(_random, _config.damagedSquittersPerSecond);
    } else if (_config.bitErrorShare > 0 && _random.chance(_config.bitErrorShare)) {
        flipBits(transmission.frame, _config.bitErrorBits, _random);
        ++_counts.framesWithBitErrors;
        _counts.bitsFlipped += std::min<uint64_t>(_config.bitErrorBits, 3);
    }
    out = transmission;
    return true;
}

}  // namespace feedgen
