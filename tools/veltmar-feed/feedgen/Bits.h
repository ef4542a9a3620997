#ifndef FEEDGEN_BITS_H
#define FEEDGEN_BITS_H

// The one bit-field helper of the feed generator.
//
// Numbering: bits are counted from 0 at the most significant bit of the first byte. A Mode S
// reply's bits are numbered from the start of the reply, so ICAO Annex 10's bit n (counted from
// 1) is bit n - 1 here; an ADS-B message's bits are numbered from the start of its 56-bit ME
// field, so DO-260B's ME bit n is bit n - 1 here, and a Comm-B register's from the start of its
// MB field likewise. Bit i lives in byte i / 8 at mask 0x80 >> (i % 8).
//
// Callers size their buffers: these helpers touch exactly the bytes the bit range names.

#include <cstdint>

namespace feedgen {
namespace bits {

// Writes the low (last - first + 1) bits of `value` into bits `first` to `last` inclusive,
// most significant first; higher bits of `value` are ignored. At most 64 bits.
inline void put(uint8_t* data, unsigned first, unsigned last, uint64_t value) {
    for (unsigned pos = last + 1; pos-- > first; value >>= 1) {
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (pos % 8));
        if (value & 1u)
            data[pos / 8] = static_cast<uint8_t>(data[pos / 8] | mask);
        else
            data[pos / 8] = static_cast<uint8_t>(data[pos / 8] & ~mask);
    }
}

// Bits `first` to `last` inclusive as an unsigned number, `first` most significant. At most
// 64 bits.
inline uint64_t get(const uint8_t* data, unsigned first, unsigned last) {
    uint64_t value = 0;
    for (unsigned pos = first; pos <= last; ++pos)
        value = (value << 1) | ((data[pos / 8] >> (7 - pos % 8)) & 1u);
    return value;
}

// Inverts bit `pos` in place.
inline void flip(uint8_t* data, unsigned pos) {
    data[pos / 8] = static_cast<uint8_t>(data[pos / 8] ^ (0x80u >> (pos % 8)));
}

}  // namespace bits
}  // namespace feedgen

#endif  // FEEDGEN_BITS_H
