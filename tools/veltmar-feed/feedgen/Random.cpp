#include "feedgen/Random.h"

#include <cmath>

namespace feedgen {

namespace {

uint64_t splitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

Random::Random(uint64_t seed) {
    for (uint64_t& word : _state)
        word = splitMix(seed);
}

uint64_t Random::next() {
    const uint64_t result = rotl(_state[1] * 5, 7) * 9;
    const uint64_t t = _state[1] << 17;
    _state[2] ^= _state[0];
    _state[3] ^= _state[1];
    _state[1] ^= _state[2];
    _state[0] ^= _state[3];
    _state[2] ^= t;
    _state[3] = rotl(_state[3], 45);
    return result;
}

double Random::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);  // 53 bits
}

uint64_t Random::below(uint64_t count) {
    if (count == 0)
        return 0;
    // Multiply-shift: unbiased enough for choosing among a few thousand.
    return static_cast<uint64_t>((static_cast<unsigned __int128>(next()) * count) >> 64);
}

double Random::exponential(double mean) {
    return -mean * std::log(1.0 - uniform());
}

}  // namespace feedgen
