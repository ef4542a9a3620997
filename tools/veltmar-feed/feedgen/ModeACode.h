#ifndef FEEDGEN_MODEACODE_H
#define FEEDGEN_MODEACODE_H

// The Mode A (identity, "squawk") code as the Mode S ID field and the version-2 ADS-B aircraft
// status message carry it: 13 bits, most significant first, C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4
// (ICAO Annex 10 Vol. IV 3.1.2.6.7.1), X always 0.

#include <cstdint>

namespace feedgen {
namespace modea {

// The 13 bits of the code whose four octal digits A B C D make up `code` (0 to 0o7777, that
// is A·512 + B·64 + C·8 + D). Bits of `code` above the twelfth are ignored.
uint32_t identityBits(uint32_t code);

// The number of a code written as four octal digits ("7700" gives 0o7700); false, leaving
// `code` untouched, for anything but four digits 0 to 7.
bool fromOctalText(const char* text, uint32_t& code);

}  // namespace modea
}  // namespace feedgen

#endif  // FEEDGEN_MODEACODE_H
