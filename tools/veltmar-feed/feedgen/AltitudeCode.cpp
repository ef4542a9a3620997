#include "feedgen/AltitudeCode.h"

#include <cmath>

namespace feedgen {
namespace altitude {

namespace {

constexpr uint32_t kQBit = 0x10;  // Q in the 13-bit code (bit 8 of 0..12)

uint32_t gray(uint32_t value) {
    return value ^ (value >> 1);
}

// The eleven bits of N in their places around M (bit 6) and Q (bit 8) of the 13-bit code.
uint32_t spreadCount(uint32_t n) {
    return ((n & 0x7E0u) << 2) | ((n & 0x10u) << 1) | (n & 0x0Fu);
}

bool gillham13(double feet, uint32_t& code) {
    const long steps = std::lround((feet + 1200.0) / 100.0);  // 100-ft steps from −1200 ft
    if (steps < 2 || steps > 1279)
        return false;
    const uint32_t band = static_cast<uint32_t>(steps / 5);  // 500-ft band, 0..255
    uint32_t hundreds = static_cast<uint32_t>(steps % 5) + 1;  // 1..5
    if (band & 1u)
        hundreds = 6 - hundreds;
    // Step 5 is Gray 100 (C1 alone), the code Gray-decodes to 7.
    const uint32_t c = gray(hundreds == 5 ? 7 : hundreds);  // C1 C2 C4
    const uint32_t g = gray(band);                            // D2 D4 A1 A2 A4 B1 B2 B4
    const uint32_t d2 = (g >> 7) & 1, d4 = (g >> 6) & 1;
    const uint32_t a1 = (g >> 5) & 1, a2 = (g >> 4) & 1, a4 = (g >> 3) & 1;
    const uint32_t b1 = (g >> 2) & 1, b2 = (g >> 1) & 1, b4 = g & 1;
    const uint32_t c1 = (c >> 2) & 1, c2 = (c >> 1) & 1, c4 = c & 1;
    // C1 A1 C2 A2 C4 A4 M B1 Q(D1) B2 D2 B4 D4
    code = (c1 << 12) | (a1 << 11) | (c2 << 10) | (a2 << 9) | (c4 << 8) | (a4 << 7) |
           (b1 << 5) | (b2 << 3) | (d2 << 2) | (b4 << 1) | d4;
    return true;
}

}  // namespace

bool encode13(double feet, Coding coding, uint32_t& code) {
    if (!std::isfinite(feet))
        return false;
    if (coding == Coding::Gillham100)
        return gillham13(feet, code);
    const long n = std::lround((feet + 1000.0) / 25.0);
    if (n < 0 || n > 2047)
        return false;
    code = spreadCount(static_cast<uint32_t>(n)) | kQBit;
    return true;
}

bool encode12(double feet, Coding coding, uint32_t& code) {
    uint32_t code13 = 0;
    if (!encode13(feet, coding, code13))
        return false;
    code = ((code13 >> 1) & 0xFC0u) | (code13 & 0x3Fu);
    return true;
}

}  // namespace altitude
}  // namespace feedgen
