#include "AltitudeCode.h"

namespace brannic {
namespace modes {
namespace altitude {

namespace {

// Positions within the 13-bit code, counted from its most significant bit (C1 = 0).
enum Bit : unsigned { C1 = 0, A1, C2, A2, C4, A4, M, B1, Q, B2, D2, B4, D4 };

constexpr unsigned bitOf(uint32_t code13, Bit bit) {
    return (code13 >> (12 - bit)) & 1u;
}

// Reflected Gray code to binary.
constexpr uint32_t grayToBinary(uint32_t gray) {
    uint32_t binary = gray;
    for (uint32_t shift = gray >> 1; shift != 0; shift >>= 1)
        binary ^= shift;
    return binary;
}

}  // namespace

uint32_t binaryCount(uint32_t code13) {
    // Drop M (bit 6 from the top) and Q (bit 8 from the top).
    return ((code13 & 0x1F80u) >> 2) | ((code13 & 0x0020u) >> 1) | (code13 & 0x000Fu);
}

bool gillhamToFeet(uint32_t code13, int32_t& feet) {
    // 500-ft bands: D1 (always 0 here) D2 D4 A1 A2 A4 B1 B2 B4, most significant first.
    const uint32_t bandGray = bitOf(code13, D2) << 7 | bitOf(code13, D4) << 6 |
                              bitOf(code13, A1) << 5 | bitOf(code13, A2) << 4 |
                              bitOf(code13, A4) << 3 | bitOf(code13, B1) << 2 |
                              bitOf(code13, B2) << 1 | bitOf(code13, B4);
    // 100-ft steps: C1 C2 C4. The five legal Gray values 001 011 010 110 100 decode to
    // 1, 2, 3, 4 and 7; 7 stands for the fifth step. 000, 111 and 101 are illegal.
    const uint32_t stepGray = bitOf(code13, C1) << 2 | bitOf(code13, C2) << 1 | bitOf(code13, C4);

    uint32_t step = grayToBinary(stepGray);
    if (step == 0 || step == 5 || step == 6)
        return false;
    if (step == 7)
        step = 5;

    const uint32_t band = grayToBinary(bandGray);
    // The step count runs upwards in even bands and downwards in odd ones.
    if (band % 2 != 0)
        step = 6 - step;

    const int32_t value =
        static_cast<int32_t>(band) * 500 + static_cast<int32_t>(step) * 100 - 1300;
    if (value < -1000 || value > 126700)
        return false;
    feet = value;
    return true;
}

}  // namespace altitude
}  // namespace modes
}  // namespace brannic
