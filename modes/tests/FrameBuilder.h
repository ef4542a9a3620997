#ifndef MODES_TESTS_FRAMEBUILDER_H
#define MODES_TESTS_FRAMEBUILDER_H

// Building Mode S replies with a chosen parity overlay, for tests that need replies from a
// given address or interrogator.

#include <string>

#include "Bits.h"
#include "Parity.h"

namespace brannic {
namespace modes {
namespace frames {

// `data` is a whole reply (7 or 14 bytes, its last three bytes ignored). Returns it with its
// last 24 bits set to the parity of the rest xor `overlay`: the address for AP replies, the
// interrogator code for DF11, 0 for extended squitters.
inline std::string withOverlay(std::string data, uint32_t overlay) {
    const unsigned n = static_cast<unsigned>(data.size()) * 8;
    const uint32_t value = parity::compute(bits::bytes(data), data.size(), n) ^ overlay;
    data[data.size() - 3] = static_cast<char>(value >> 16);
    data[data.size() - 2] = static_cast<char>(value >> 8);
    data[data.size() - 1] = static_cast<char>(value);
    return data;
}

// Sets bits `first` to `last` (0-based from the reply's first bit) to `value`.
inline void setField(std::string& data, unsigned first, unsigned last, uint32_t value) {
    for (unsigned pos = last + 1; pos-- > first; value >>= 1) {
        const unsigned char mask = static_cast<unsigned char>(0x80u >> (pos % 8));
        auto byte = static_cast<unsigned char>(data[pos / 8]);
        byte = (value & 1u) ? (byte | mask) : (byte & ~mask);
        data[pos / 8] = static_cast<char>(byte);
    }
}

}  // namespace frames
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_FRAMEBUILDER_H
