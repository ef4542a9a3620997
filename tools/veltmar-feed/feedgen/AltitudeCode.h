#ifndef FEEDGEN_ALTITUDECODE_H
#define FEEDGEN_ALTITUDECODE_H

// Encoding of the 13-bit Mode S altitude code (AC field, ICAO Annex 10 Vol. IV 3.1.2.6.5.4) and
// of the 12-bit altitude of ADS-B airborne position messages, which is the same code without
// its M bit.
//
// The 13 bits, most significant first, are C1 A1 C2 A2 C4 A4 M B1 Q B2 D2 B4 D4. With M = 0 and
// Q = 1 the other eleven bits are a binary count N of 25-ft steps above −1000 ft (up to
// 50,175 ft). With Q = 0 they are the Gillham (Gray) code of Mode C in 100-ft steps:
// D2 D4 A1 A2 A4 B1 B2 B4 count 500-ft bands in reflected Gray code from −1200 ft, and C1 C2 C4
// the 100-ft step within the band (1 to 5, Gray coded, counted backwards in odd bands). D1
// (the Q position) would only be set above 126,750 ft. Mode S transponders use the 25-ft code
// below 50,175 ft where their altitude source allows it, and the Gillham code otherwise.

#include <cstdint>

namespace feedgen {
namespace altitude {

enum class Coding { Feet25, Gillham100 };

// The 13-bit code of `feet` (rounded to the nearest step). Returns false, leaving `code`
// untouched, outside −1000 to 50,175 ft (25-ft steps) or −1000 to 126,700 ft (Gillham).
bool encode13(double feet, Coding coding, uint32_t& code);

// The 12-bit ADS-B form of the same code (the M bit taken out); same ranges and failures.
bool encode12(double feet, Coding coding, uint32_t& code);

}  // namespace altitude
}  // namespace feedgen

#endif  // FEEDGEN_ALTITUDECODE_H
