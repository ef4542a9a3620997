#include "feedgen/ModeACode.h"

namespace feedgen {
namespace modea {

uint32_t identityBits(uint32_t code) {
    const uint32_t a = (code >> 9) & 7, b = (code >> 6) & 7, c = (code >> 3) & 7, d = code & 7;
    auto bit = [](uint32_t digit, unsigned weight) { return (digit >> weight) & 1u; };
    // Weights: bit 0 is the digit's "1", bit 1 its "2", bit 2 its "4".
    return (bit(c, 0) << 12) | (bit(a, 0) << 11) | (bit(c, 1) << 10) | (bit(a, 1) << 9) |
           (bit(c, 2) << 8) | (bit(a, 2) << 7) | (bit(b, 0) << 5) | (bit(d, 0) << 4) |
           (bit(b, 1) << 3) | (bit(d, 1) << 2) | (bit(b, 2) << 1) | bit(d, 2);
}

bool fromOctalText(const char* text, uint32_t& code) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (text[i] < '0' || text[i] > '7')
            return false;
        value = value * 8 + static_cast<uint32_t>(text[i] - '0');
    }
    if (text[4] != '\0')
        return false;
    code = value;
    return true;
}

}  // namespace modea
}  // namespace feedgen
