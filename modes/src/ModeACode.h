#ifndef MODES_SRC_MODEACODE_H
#define MODES_SRC_MODEACODE_H

// The Mode A (identity) code as the Mode S ID field and the version-2 ADS-B aircraft status
// message carry it: 13 bits, most significant first, C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4
// (ICAO Annex 10 Vol. IV 3.1.2.6.7.1). X is not part of the code.

#include <cstdint>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {
namespace modea {

// The number whose four octal digits are the code A B C D: A×512 + B×64 + C×8 + D, where each
// digit is its bits 4, 2, 1 (A4 A2 A1 and so on). Bits above the thirteenth are ignored.
MODES_EXPORT uint32_t fromIdentityBits(uint32_t code13);

}  // namespace modea
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_MODEACODE_H
