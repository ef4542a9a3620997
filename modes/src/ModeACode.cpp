#include "ModeACode.h"

namespace brannic {
namespace modes {
namespace modea {

namespace {

// Octal weight of each bit of the 13-bit code, most significant bit first:
// C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4.
constexpr uint32_t kWeights[13] = {
    1u << 3,  // C1
    1u << 9,  // A1
    2u << 3,  // C2
    2u << 9,  // A2
    4u << 3,  // C4
    4u << 9,  // A4
    0,        // X
    1u << 6,  // B1
    1u,       // D1
    2u << 6,  // B2
    2u,       // D2
    4u << 6,  // B4
    4u,       // D4
};

}  // namespace

uint32_t fromIdentityBits(uint32_t code13) {
    uint32_t code = 0;
    for (unsigned i = 0; i < 13; ++i) {
        if ((code13 >> (12 - i)) & 1u)
            code += kWeights[i];
    }
    return code;
}

}  // namespace modea
}  // namespace modes
}  // namespace brannic
