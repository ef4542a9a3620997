#ifndef ASTERIX_SRC_ICAOCHARACTERS_H
#define ASTERIX_SRC_ICAOCHARACTERS_H

// Aircraft identification in the six-bit ICAO character set: A to Z are 1 to 26, a blank is 32,
// digits are 48 to 57; any other code reads as NUL.

#include <cstdint>

namespace ast {

// Eight characters from the 48 bits at `data` (6 octets), NUL-terminated (9 characters).
void decodeCallsign(const uint8_t* data, char* out);
// Up to eight characters of `text` into 6 octets; lower case is taken as upper case, other
// characters as code 0, and a shorter text is blank-padded.
void encodeCallsign(const char* text, uint8_t* out);

}  // namespace ast

#endif  // ASTERIX_SRC_ICAOCHARACTERS_H
