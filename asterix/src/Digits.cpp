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

constexpr unsigned long long POWERS_OF_TEN[] = {1ULL,         10ULL,        100ULL,     1000ULL,
                                                10000ULL,     100000ULL,    1000000ULL, 10000000ULL,
                                                100000000ULL, 1000000000ULL};

// A width kept within the room of DIGITS_CAPACITY, with a sign before it and no NUL after it.
size_t padded(unsigned width) {
    return width < DIGITS_CAPACITY - 2 ? width : DIGITS_CAPACITY - 2;
}

// How many decimal digits value has (1 for 0).
unsigned digitCount(unsigned long long value) {
    unsigned count = 1;
    while (value >= 10000) {
        value /= 10000;
        count += 4;
    }
    if (value >= 1000)
        return count + 3;
    if (value >= 100)
        return count + 2;
    return value >= 10 ? count + 1 : count;
}

// Digits of a power-of-two base (hexadecimal: 4 bits, octal: 3 bits), at least `width` of them.
size_t powerOfTwoBase(char* out, unsigned long long value, unsigned width, unsigned bits) {
    static const char DIGITS[] = "0123456789ABCDEF";
    unsigned count = 0;
    for (unsigned long long rest = value; rest; rest >>= bits)
        ++count;
    const size_t length =
        count ? (count > width ? count : padded(width)) : padded(width ? width : 1);
    const unsigned long long mask = (1ULL << bits) - 1;
    char* p = out + length;
    while (p > out) {
        *--p = DIGITS[value & mask];
        value >>= bits;
    }
    return length;
}

}  // namespace

size_t unsignedDecimal(char* out, unsigned long long value, unsigned width) {
    const unsigned count = digitCount(value);
    const size_t length = count > width ? count : padded(width);
    // The zeros of the width first, 8 at once where they do (DIGITS_CAPACITY leaves the room),
    // then the digits backwards from the last one, two at a time.
    if (length > count) {
        if (length <= 8)
            std::memcpy(out, "00000000", 8);
        else
            std::memset(out, '0', length - count);
    }
    char* p = out + length;
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
    return length;
}

size_t longDecimal(char* out, long long value, unsigned width) {
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
    if (!fixedByHand(value, decimals)) {
        const int n =
            std::snprintf(out, DIGITS_CAPACITY, "%.*f", static_cast<int>(decimals), value);
        if (n < 0)
            return 0;
        return static_cast<size_t>(n) < DIGITS_CAPACITY ? static_cast<size_t>(n)
                                                        : DIGITS_CAPACITY - 1;
    }
    // |value| = mantissa * 2^exponent exactly. The scaled value |value| * 10^decimals is then
    // mantissa * 10^decimals / 2^-exponent: an exact integer quotient and remainder, rounded to
    // the nearest with ties to even.
    unsigned long long bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    unsigned long long mantissa = bits & ((1ULL << 52) - 1);
    int exponent = -1074;  // subnormal
    if (biased) {
        mantissa |= 1ULL << 52;
        exponent = biased - 1075;
    }
    const unsigned long long scale = POWERS_OF_TEN[decimals];
    unsigned long long scaled = 0;
    if (mantissa != 0) {
        // Item values are counts times short binary fractions: without the mantissa's trailing
        // zero bits, the product with 10^decimals (below 2^30) mostly fits 64 bits.
        const int zeros = __builtin_ctzll(mantissa);
        mantissa >>= zeros;
        exponent += zeros;
        if (exponent >= 0) {
            scaled = (mantissa << exponent) * scale;  // |value| < 10^9: a small integer
        } else if (exponent > -64 && mantissa < (1ULL << 32)) {
            const unsigned shift = static_cast<unsigned>(-exponent);
            const unsigned long long product = mantissa * scale;
            const unsigned long long remainder = product & ((1ULL << shift) - 1);
            const unsigned long long half = 1ULL << (shift - 1);
            scaled = product >> shift;
            if (remainder > half || (remainder == half && (scaled & 1)))
                ++scaled;
        } else if (exponent > -127) {
            const unsigned shift = static_cast<unsigned>(-exponent);
            const unsigned __int128 one = 1;
            const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * scale;
            const unsigned __int128 remainder = product & ((one << shift) - 1);
            const unsigned __int128 half = one << (shift - 1);
            scaled = static_cast<unsigned long long>(product >> shift);
            if (remainder > half || (remainder == half && (scaled & 1)))
                ++scaled;
        }
        // else below 2^-73 of the last decimal: rounds to zero
    }
    size_t length = 0;
    if (std::signbit(value))
        out[length++] = '-';
    // Both parts through decimal(), which writes the short ones of most items inline.
    length += decimal(out + length, static_cast<long long>(scaled / scale));
    if (decimals) {
        out[length++] = '.';
        length += decimal(out + length, static_cast<long long>(scaled % scale), decimals);
    }
    return length;
}

}  // namespace digits
}  // namespace ast
