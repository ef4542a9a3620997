// Decimal, hexadecimal, octal and fixed-point text of numbers, as printf writes them.

#include "Digits.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace ast {
namespace digits {

namespace {

// Pairs of decimal digits, "00" to "99": two digits per division.
const char PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr unsigned long long POWERS_OF_TEN[] = {1ULL,          10ULL,          100ULL,
                                                1000ULL,       10000ULL,       100000ULL,
                                                1000000ULL,    10000000ULL,    100000000ULL,
                                                1000000000ULL};
constexpr unsigned MAX_DECIMALS = 9;
// Larger magnitudes (and infinities and NaN) go to printf, which no item value reaches.
constexpr double LARGEST_FIXED = 1e9;

// The decimal digits of value, at least `width` of them (zero-padded on the left), written
// backwards ending just before `end`; returns where they begin.
char* digitsBackwards(char* end, unsigned long long value, unsigned width) {
    char* p = end;
    while (value >= 100) {
        const unsigned pair = static_cast<unsigned>(value % 100) * 2;
        value /= 100;
        *--p = PAIRS[pair + 1];
        *--p = PAIRS[pair];
    }
    if (value >= 10) {
        *--p = PAIRS[value * 2 + 1];
        *--p = PAIRS[value * 2];
    } else {
        *--p = static_cast<char>('0' + value);
    }
    while (static_cast<size_t>(end - p) < width)
        *--p = '0';
    return p;
}

// Digits of a power-of-two base (hexadecimal: 4 bits, octal: 3 bits), at least `width` of them.
size_t powerOfTwoBase(char* out, unsigned long long value, unsigned width, unsigned bits) {
    static const char DIGITS[] = "0123456789ABCDEF";
    char scratch[DIGITS_CAPACITY];
    char* end = scratch + sizeof scratch;
    char* p = end;
    const unsigned long long mask = (1ULL << bits) - 1;
    do {
        *--p = DIGITS[value & mask];
        value >>= bits;
    } while (value);
    while (static_cast<size_t>(end - p) < width && p > scratch)
        *--p = '0';
    const size_t length = static_cast<size_t>(end - p);
    std::memcpy(out, p, length);
    return length;
}

}  // namespace

size_t unsignedDecimal(char* out, unsigned long long value, unsigned width) {
    char scratch[DIGITS_CAPACITY];
    char* end = scratch + sizeof scratch;
    const char* p = digitsBackwards(end, value, width < sizeof scratch ? width : sizeof scratch);
    const size_t length = static_cast<size_t>(end - p);
    std::memcpy(out, p, length);
    return length;
}

size_t decimal(char* out, long long value, unsigned width) {
    if (value >= 0)
        return unsignedDecimal(out, static_cast<unsigned long long>(value), width);
    out[0] = '-';
    // The magnitude without overflow for the smallest value; the sign takes one place of width.
    const unsigned long long magnitude = 0ULL - static_cast<unsigned long long>(value);
    return 1 + unsignedDecimal(out + 1, magnitude, width > 1 ? width - 1 : 0);
}

size_t hex(char* out, unsigned long long value, unsigned width) {
    return powerOfTwoBase(out, value, width, 4);
}

size_t octal(char* out, unsigned long long value, unsigned width) {
    return powerOfTwoBase(out, value, width, 3);
}

size_t fixed(char* out, double value, unsigned decimals) {
    if (decimals > MAX_DECIMALS || !(std::fabs(value) < LARGEST_FIXED)) {
        const int n = std::snprintf(out, DIGITS_CAPACITY, "%.*f", static_cast<int>(decimals), value);
        if (n < 0)
            return 0;
        return static_cast<size_t>(n) < DIGITS_CAPACITY ? static_cast<size_t>(n)
                                                         : DIGITS_CAPACITY - 1;
    }
    // |value| = mantissa * 2^exponent exactly, the mantissa a 53-bit integer. The scaled value
    // |value| * 10^decimals is then mantissa * 10^decimals / 2^-exponent: an exact integer
    // quotient and remainder, rounded to the nearest with ties to even.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const unsigned long long mantissa =
        static_cast<unsigned long long>(std::ldexp(fraction, 53));
    exponent -= 53;
    const unsigned long long scale = POWERS_OF_TEN[decimals];
    unsigned long long scaled = 0;
    if (mantissa == 0) {
        scaled = 0;
    } else if (exponent >= 0) {
        // |value| < 10^9 < 2^30, so a non-negative exponent is small.
        scaled = (mantissa << exponent) * scale;
    } else {
        const unsigned shift = static_cast<unsigned>(-exponent);
        const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * scale;
        if (shift >= 127) {
            scaled = 0;  // below 2^-74 of the last decimal: rounds to zero
        } else {
            const unsigned __int128 one = 1;
            const unsigned __int128 quotient = product >> shift;
            const unsigned __int128 remainder = product & ((one << shift) - 1);
            const unsigned __int128 half = one << (shift - 1);
            scaled = static_cast<unsigned long long>(quotient);
            if (remainder > half || (remainder == half && (scaled & 1)))
                ++scaled;
        }
    }
    size_t length = 0;
    if (std::signbit(value))
        out[length++] = '-';
    length += unsignedDecimal(out + length, scaled / scale);
    if (decimals) {
        out[length++] = '.';
        length += unsignedDecimal(out + length, scaled % scale, decimals);
    }
    return length;
}

}  // namespace digits
}  // namespace ast
