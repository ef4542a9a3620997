// The six-bit character set of aircraft identification (ICAO Annex 10 Vol IV, 3.1.2.9), as
// ASTERIX items and the BDS 2,0 register carry it.

#include "IcaoCharacters.h"

namespace {

// ICAO 6-bit character set (Annex 10 Vol IV, 3.1.2.9): A-Z 1-26, blank 32, digits 48-57.
char icaoChar(uint32_t code) {
    if (code >= 1 && code <= 26)
        return static_cast<char>('A' + code - 1);
    if (code == 32)
        return ' ';
    if (code >= 48 && code <= 57)
        return static_cast<char>(code);
    return '\0';
}

uint32_t icaoCode(char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<uint32_t>(c - 'A' + 1);
    if (c >= 'a' && c <= 'z')
        return static_cast<uint32_t>(c - 'a' + 1);
    if (c >= '0' && c <= '9')
        return static_cast<uint32_t>(c);
    if (c == ' ')
        return 32;
    return 0;
}

}  // namespace

namespace ast {

// Eight characters of 6 bits from the 48 bits at `data`.
void decodeCallsign(const uint8_t* data, char* out) {
    uint64_t word = 0;
    for (int i = 0; i < 6; ++i)
        word = (word << 8) | data[i];
    for (int i = 0; i < 8; ++i)
        out[i] = icaoChar(static_cast<uint32_t>(word >> (42 - 6 * i)) & 0x3F);
    out[8] = '\0';
}

// A shorter text is blank-padded to eight characters.
void encodeCallsign(const char* text, uint8_t* out) {
    uint64_t word = 0;
    bool ended = false;
    for (int i = 0; i < 8; ++i) {
        if (!ended && text[i] == '\0')
            ended = true;
        word = (word << 6) | (ended ? 32u : icaoCode(text[i]));
    }
    for (int i = 0; i < 6; ++i)
        out[i] = static_cast<uint8_t>(word >> (40 - 8 * i));
}

}  // namespace ast
