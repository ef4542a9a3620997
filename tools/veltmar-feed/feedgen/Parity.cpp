#include "feedgen/Parity.h"

#include <array>

#include "feedgen/Bits.h"

namespace feedgen {
namespace parity {

namespace {

// Remainders of each byte value times x^24, a byte at a time (most significant bit first),
// computed from the generator polynomial once.
std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t byte = 0; byte < 256; ++byte) {
        uint32_t remainder = byte << 16;
        for (int bit = 0; bit < 8; ++bit) {
            remainder <<= 1;
            if (remainder & 0x1000000u)
                remainder ^= kGenerator;
        }
        table[byte] = remainder & 0xFFFFFFu;
    }
    return table;
}

const std::array<uint32_t, 256>& table() {
    static const std::array<uint32_t, 256> kTable = makeTable();
    return kTable;
}

}  // namespace

uint32_t compute(const uint8_t* data, unsigned bits) {
    const auto& remainders = table();
    uint32_t crc = 0;
    for (unsigned i = 0; i < bits / 8 - 3; ++i)
        crc = ((crc << 8) & 0xFFFFFFu) ^ remainders[((crc >> 16) ^ data[i]) & 0xFFu];
    return crc;
}

uint32_t compute(const Frame& frame) {
    if (frame.size != Frame::kShortBytes && frame.size != Frame::kLongBytes)
        return 0;
    return compute(frame.data(), frame.bits());
}

void seal(Frame& frame, uint32_t overlay) {
    if (frame.size != Frame::kShortBytes && frame.size != Frame::kLongBytes)
        return;
    bits::put(frame.data(), frame.bits() - 24, frame.bits() - 1, compute(frame) ^ overlay);
}

}  // namespace parity
}  // namespace feedgen
