#ifndef FEEDGEN_PARITY_H
#define FEEDGEN_PARITY_H

// The Mode S 24-bit parity (ICAO Annex 10 Vol. IV 3.1.2.3.3): the remainder of the reply's
// data bits, multiplied by x^24, divided by the generator polynomial
// x^24 + x^23 + ... + x^10 + x^3 + 1 (0x1FFF409). A reply ends in 24 bits that overlay this
// parity with something else: the aircraft address (AP of DF0, 4, 5, 16, 20, 21), the
// interrogator code (PI of DF11) or nothing (PI of DF17 and DF18, interrogator code 0).

#include <cstdint>

#include "feedgen/Frame.h"

namespace feedgen {
namespace parity {

constexpr uint32_t kGenerator = 0x1FFF409;

// The parity of the first `bits - 24` bits of `data` (bits is 56 or 112; the last 24 bits are
// not read).
uint32_t compute(const uint8_t* data, unsigned bits);

// The parity of a 7- or 14-byte frame's data bits; 0 for a frame of any other size.
uint32_t compute(const Frame& frame);

// Writes `overlay` xor the parity into the frame's last 24 bits: the address for AP, the
// interrogator code for PI, 0 for an extended squitter. Frames of other sizes stay as they are.
void seal(Frame& frame, uint32_t overlay);

}  // namespace parity
}  // namespace feedgen

#endif  // FEEDGEN_PARITY_H
