#ifndef FEEDGEN_RANDOM_H
#define FEEDGEN_RANDOM_H

// The generator's one source of chance: xoshiro256** seeded through SplitMix64. Every draw is
// computed here from the raw 64-bit outputs (the standard library's distributions differ
// between implementations), so a seed gives the same scene on every platform and compiler.

#include <cstdint>

namespace feedgen {

class Random {
public:
    explicit Random(uint64_t seed);

    uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [low, high).
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    // Uniform integer in [0, count); 0 when count is 0.
    uint64_t below(uint64_t count);
    // True with the given probability.
    bool chance(double probability) { return uniform() < probability; }
    // Exponentially distributed with the given mean (the gaps of a Poisson process).
    double exponential(double mean);

private:
    uint64_t _state[4];
};

}  // namespace feedgen

#endif  // FEEDGEN_RANDOM_H
