#ifndef MODES_SRC_ALTITUDECODE_H
#define MODES_SRC_ALTITUDECODE_H

// Decoding of the 13-bit Mode S altitude code (AC field, ICAO Annex 10 Vol. IV 3.1.2.6.5.4)
// and of the 12-bit altitude of ADS-B airborne position messages, which is the same code
// without its M bit.
//
// The 13 bits, most significant first, are C1 A1 C2 A2 C4 A4 M B1 Q B2 D2 B4 D4.
// With M = 0 and Q = 1 the eleven remaining bits are a binary count N of 25-ft steps from
// -1000 ft. With M = 0 and Q = 0 the code is the Gillham (Gray) code of Mode C in 100-ft steps:
// D2 D4 A1 A2 A4 B1 B2 B4 give the 500-ft band in reflected Gray code and C1 C2 C4 the 100-ft
// step within it (also Gray coded, and counted backwards in odd bands). The Q position holds
// D1, which is always 0 in Mode S (it would only be set above 126,750 ft).

#include <cstdint>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {
namespace altitude {

// The 11-bit binary count N of a 13-bit code: the code without its M and Q bits.
MODES_EXPORT uint32_t binaryCount(uint32_t code13);

// Feet of a 100-ft Gillham code given as 13 bits (M and Q ignored). Returns false, leaving
// `feet` untouched, for the all-zero code (altitude not available) and for illegal codes
// (a 100-ft step of 0, 5 or 6 in Gray code, or a result outside -1000 ft to 126,700 ft).
MODES_EXPORT bool gillhamToFeet(uint32_t code13, int32_t& feet);

// The 13-bit code of a 12-bit ADS-B altitude field (C1 A1 C2 A2 C4 A4 B1 Q B2 D2 B4 D4):
// an M bit of 0 is put back in its place.
constexpr uint32_t codeFromAdsb(uint32_t code12) {
    return ((code12 & 0xFC0u) << 1) | (code12 & 0x3Fu);
}

}  // namespace altitude
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_ALTITUDECODE_H
