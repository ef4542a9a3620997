#ifndef FEEDGEN_CALLSIGN_H
#define FEEDGEN_CALLSIGN_H

// Aircraft identification in the 6-bit character set of ICAO Annex 10 Vol. IV Table 3-9, as
// the ADS-B identification message and the Comm-B register 2,0 carry it: eight characters of
// six bits each; A to Z are 1 to 26, the space 32, the digits 0 to 9 are 48 to 57. A shorter
// identification is padded with spaces on the right.

#include <array>
#include <cstdint>
#include <string>

namespace feedgen {
namespace callsign {

// The eight 6-bit codes of `text` (at most 8 characters of A–Z, 0–9 and space; lower-case
// letters are taken as upper case). Returns false, leaving `codes` untouched, for a longer
// text or any other character.
bool encode(const std::string& text, std::array<uint8_t, 8>& codes);

}  // namespace callsign
}  // namespace feedgen

#endif  // FEEDGEN_CALLSIGN_H
