#ifndef MODES_SRC_BITS_H
#define MODES_SRC_BITS_H

// The one bit-reading helper of the modes library.
//
// Numbering: bits are counted from 0 at the most significant bit of the first byte, the way
// the Mode S tables of this library number them (ICAO Annex 10 counts the same bits from 1).
// Bit i lives in byte i / 8 at mask 0x80 >> (i % 8). A reply's bits are numbered from the
// start of the reply; an ADS-B message's bits from the start of its 56-bit ME field.
//
// Callers check lengths first: these helpers read the bytes they are told to read.

#include <cstdint>
#include <string>

namespace brannic {
namespace modes {
namespace bits {

inline const unsigned char* bytes(const std::string& data) {
    return reinterpret_cast<const unsigned char*>(data.data());
}

// Bit `pos` (0 or 1).
constexpr unsigned bit(const unsigned char* data, unsigned pos) {
    return (data[pos / 8] >> (7 - pos % 8)) & 1u;
}

// Bits `first` to `last` inclusive as an unsigned number, `first` most significant.
// At most 32 bits.
constexpr uint32_t field(const unsigned char* data, unsigned first, unsigned last) {
    uint32_t value = 0;
    const unsigned firstByte = first / 8;
    const unsigned lastByte = last / 8;
    // Gather whole bytes (at most five for a 32-bit field), then drop the bits outside.
    uint64_t window = 0;
    for (unsigned b = firstByte; b <= lastByte; ++b)
        window = (window << 8) | data[b];
    const unsigned trailing = 7 - last % 8;
    const unsigned width = last - first + 1;
    value = static_cast<uint32_t>((window >> trailing) & ((uint64_t{1} << width) - 1));
    return value;
}

inline unsigned bit(const std::string& data, unsigned pos) {
    return bit(bytes(data), pos);
}

inline uint32_t field(const std::string& data, unsigned first, unsigned last) {
    return field(bytes(data), first, last);
}

// Inverts bit `pos` in place.
inline void flip(std::string& data, unsigned pos) {
    data[pos / 8] =
        static_cast<char>(static_cast<unsigned char>(data[pos / 8]) ^ (0x80u >> (pos % 8)));
}

}  // namespace bits
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_BITS_H
