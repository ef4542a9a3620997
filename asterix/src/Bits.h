#ifndef ASTERIX_SRC_BITS_H
#define ASTERIX_SRC_BITS_H

// The one bit-reading helper of the asterix library.
//
// Numbering: as the EUROCONTROL ASTERIX item layouts number them. Octets are counted from 1
// at the first octet of the item; within an octet bits are counted from 8 (most significant)
// down to 1 (least significant), so the FX bit of an extensible octet is bit 1. Multi-octet
// values are big-endian, the most significant octet first.
//
// Mode S MB fields (the 56 bits of a Comm-B register, ICAO Doc 9871) are numbered as ICAO
// numbers them instead: bits 1 to 56 from the most significant bit of the first octet, so MB
// bit 9 is bit 8 of octet 2. mb() takes that numbering.
//
// Callers check lengths first: these helpers read the octets they are told to read.

#include <cstdint>

namespace ast {
namespace bits {

// Bits hi..lo (8 >= hi >= lo >= 1) of octet `octet` (1-based) as an unsigned number.
constexpr uint32_t field(const uint8_t* data, unsigned octet, unsigned hi, unsigned lo) {
    return (static_cast<uint32_t>(data[octet - 1]) >> (lo - 1)) & ((1u << (hi - lo + 1)) - 1u);
}

// Bit `bit` (8..1) of octet `octet` (1-based).
constexpr bool bit(const uint8_t* data, unsigned octet, unsigned bit) {
    return ((data[octet - 1] >> (bit - 1)) & 1u) != 0;
}

// `count` octets (at most 4) from octet `octet` (1-based), most significant first.
constexpr uint32_t octets(const uint8_t* data, unsigned octet, unsigned count) {
    uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i)
        value = (value << 8) | data[octet - 1 + i];
    return value;
}

// The low `width` bits of `value` as a two's-complement number.
constexpr int32_t signExtend(uint32_t value, unsigned width) {
    const uint32_t mask = width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1u);
    value &= mask;
    const uint32_t sign = 1u << (width - 1);
    return static_cast<int32_t>((value ^ sign) - sign);
}

// MB bits first..last (1 <= first <= last <= 56, at most 32 bits) as an unsigned number.
constexpr uint32_t mb(const uint8_t* data, unsigned first, unsigned last) {
    uint32_t value = 0;
    for (unsigned n = first; n <= last; ++n)
        value = (value << 1) | ((data[(n - 1) / 8] >> (7 - (n - 1) % 8)) & 1u);
    return value;
}

// Writes the low `count` octets of `value` from `out`, most significant first.
inline void put(uint8_t* out, uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i)
        out[i] = static_cast<uint8_t>(value >> (8 * (count - 1 - i)));
}

}  // namespace bits
}  // namespace ast

#endif  // ASTERIX_SRC_BITS_H
