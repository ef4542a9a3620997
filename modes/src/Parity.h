#ifndef MODES_SRC_PARITY_H
#define MODES_SRC_PARITY_H

// Mode S 24-bit parity (ICAO Annex 10, Vol. IV, 3.1.2.3.3) and the syndrome tables that
// repair one- and two-bit errors in a single look-up.
//
// The parity of a reply is a linear function of its bits: flipping bit i changes the parity
// by kParityTable[start + i]. So the parity of a reply with bits i and j flipped is its own
// parity xor two table entries, and a table from "syndrome" (computed parity xor the parity it
// should have) to the first bit pair producing it answers the repair search at once.

#include <array>
#include <cstdint>
#include <string>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {
namespace parity {

// Generator polynomial x^24 + x^23 + ... + x^10 + x^3 + 1.
constexpr uint32_t kGenerator = 0x1FFF409;
constexpr unsigned kLongBits = 112;

// Entry i (0..87) is x^(111 - i) mod G: the parity contributed by bit i of a 112-bit reply.
// Entries 88..111 face the parity field itself and are 0. A 56-bit reply uses the table from
// entry 56, so that its 32 data bits meet entries 56..87.
constexpr std::array<uint32_t, kLongBits> makeParityTable() {
    std::array<uint32_t, kLongBits> table{};
    uint32_t remainder = kGenerator & 0xFFFFFF;  // x^24 mod G, the entry of bit 87
    for (int i = 87; i >= 0; --i) {
        table[i] = remainder;
        remainder <<= 1;  // times x
        if (remainder & 0x1000000)
            remainder ^= kGenerator;
    }
    return table;
}

constexpr std::array<uint32_t, kLongBits> kParityTable = makeParityTable();

static_assert(kParityTable[0] == 0x3935EA, "x^111 mod G");
static_assert(kParityTable[87] == 0xFFF409, "x^24 mod G");
static_assert(kParityTable[88] == 0 && kParityTable[111] == 0, "parity field contributes nothing");

// The first table entry used by a reply of `bits` bits (0 for long replies, 56 otherwise).
constexpr unsigned tableStart(unsigned bits) {
    return bits == kLongBits ? 0 : 56;
}

// Parity of the first `bits` bits of `data` (bits of a missing byte count as 0). 0 when bits is 0.
MODES_EXPORT uint32_t compute(const unsigned char* data, std::size_t size, unsigned bits);

// The lowest bit position whose flip turns the computed parity into the wanted one, given the
// syndrome (computed xor wanted); -1 if none. Same order as trying every position in turn.
MODES_EXPORT int findSingle(uint32_t syndrome, unsigned bits);

// The first pair (i < j, i then j ascending) whose flip repairs the syndrome; false if none.
MODES_EXPORT bool findPair(uint32_t syndrome, unsigned bits, unsigned& first, unsigned& second);

}  // namespace parity
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_PARITY_H
