#include <modes/ModeSMessageFieldID.h>

#include <array>
#include <cstdio>

#include "Bits.h"

namespace brannic {
namespace modes {

namespace {

// Where each bit of the identity code goes in the 12-bit number A B C D (three bits each,
// A most significant): bits 19 to 31 of the reply are C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4.
struct CodeBit {
    unsigned pos;     // bit of the reply
    uint32_t weight;  // value in the identity
};

constexpr uint32_t A = 01000, B = 0100, C = 010, D = 01;

constexpr std::array<CodeBit, 12> kIdentityBits = {{
    {19, C * 1},
    {20, A * 1},
    {21, C * 2},
    {22, A * 2},
    {23, C * 4},
    {24, A * 4},
    // bit 25 is X, not part of the code
    {26, B * 1},
    {27, D * 1},
    {28, B * 2},
    {29, D * 2},
    {30, B * 4},
    {31, D * 4},
}};

}  // namespace

bool ModeSMessageFieldID::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 19)
        return false;
    uint32_t identity = 0;
    for (const CodeBit& b : kIdentityBits) {
        if (bits::bit(data, b.pos))
            identity += b.weight;
    }
    _identity = identity;
    return true;
}

std::string ModeSMessageFieldID::description() const {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%.4o", _identity);
    return buffer;
}

}  // namespace modes
}  // namespace brannic
