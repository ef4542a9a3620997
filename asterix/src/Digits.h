#ifndef ASTERIX_SRC_DIGITS_H
#define ASTERIX_SRC_DIGITS_H

// Numbers written as text without the formatted-print machinery: every item line of a decoded
// block carries a few numbers, and a formatted print costs more than the rest of the line. Each
// function writes the same characters as the printf conversion it names into `out`, which has
// room for at least DIGITS_CAPACITY characters, and returns how many it wrote (no NUL).

#include <cstddef>
#include <cstdint>

#include <asterix/asterix.h>

namespace ast {
namespace digits {

constexpr size_t DIGITS_CAPACITY = 48;

// "%0*llu" with the given width (0: "%llu").
ASTERIX_EXPORT size_t unsignedDecimal(char* out, unsigned long long value, unsigned width = 0);

// "%0*lld" with the given width (0: "%lld"); the sign counts in the width, as in printf. Most
// numbers of a summary are below 1000 and at most 3 wide (times, SAC/SIC, counts): those are
// written here, inline.
ASTERIX_EXPORT size_t longDecimal(char* out, long long value, unsigned width);
inline size_t decimal(char* out, long long value, unsigned width = 0) {
    if (value < 0 || value >= 1000 || width > 3)
        return longDecimal(out, value, width);
    const unsigned v = static_cast<unsigned>(value);
    const unsigned count = v >= 100 ? 3 : v >= 10 ? 2 : 1;
    const unsigned length = count > width ? count : width;
    char* p = out + length;
    *--p = static_cast<char>('0' + v % 10);
    if (length > 1)
        *--p = static_cast<char>('0' + v / 10 % 10);
    if (length > 2)
        *--p = static_cast<char>('0' + v / 100);
    return length;
}

// "%0*llX" with the given width (0: "%llX"), capital digits.
ASTERIX_EXPORT size_t hex(char* out, unsigned long long value, unsigned width = 0);
// "%0*llo" with the given width (0: "%llo").
ASTERIX_EXPORT size_t octal(char* out, unsigned long long value, unsigned width = 0);

// Whether fixed() writes the value by hand: at most 9 decimals and a magnitude below 10^9, which
// every item value keeps to. fixed() hands the others (NaN and infinities too) to printf.
inline bool fixedByHand(double value, unsigned decimals) {
    return decimals <= 9 && value < 1e9 && value > -1e9;
}

// "%.*f" with 0 to 9 decimals: the double's exact binary value rounded to the nearest, ties to
// even, as printf rounds it; a minus sign whenever the sign bit is set, "-0.0" included.
ASTERIX_EXPORT size_t fixed(char* out, double value, unsigned decimals);

}  // namespace digits
}  // namespace ast

#endif  // ASTERIX_SRC_DIGITS_H
