#ifndef FEEDGEN_HEX_H
#define FEEDGEN_HEX_H

// Hexadecimal digits, as the text framings and recordings write bytes.

namespace feedgen {
namespace hex {

// The value of a digit 0-9, A-F or a-f; -1 for any other character.
constexpr int digit(char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                  : -1;
}

}  // namespace hex
}  // namespace feedgen

#endif  // FEEDGEN_HEX_H
