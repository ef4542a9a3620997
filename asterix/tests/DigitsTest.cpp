// Numbers written by hand against printf: the item summaries swapped printf for them, and their
// text must not change by one character. The sweeps cover every raw value of the scales the
// items use (counts times a binary or decimal LSB), where ties of the rounding are common.

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "AstTestData.h"
#include "Digits.h"

namespace {

namespace digits = ast::digits;

std::string printed(const char* format, double value, unsigned decimals) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<int>(decimals), value);
    return text;
}

std::string fixed(double value, unsigned decimals) {
    char text[digits::DIGITS_CAPACITY];
    return std::string(text, digits::fixed(text, value, decimals));
}

// Every count of a signed or unsigned raw field times the LSB, at 0 to 6 decimals.
void sweep(const char* name, long long from, long long to, double lsb) {
    for (unsigned decimals = 0; decimals <= 6; ++decimals)
        for (long long raw = from; raw <= to; ++raw) {
            const double value = static_cast<double>(raw) * lsb;
            ASSERT_EQ(fixed(value, decimals), printed("%.*f", value, decimals))
                << name << " raw " << raw << ", " << decimals << " decimals";
        }
}

}  // namespace

TEST(Digits, IntegersAsPrintfWritesThem) {
    const struct {
        long long value;
        unsigned width;
    } cases[] = {{0, 0},     {0, 3},         {7, 2},         {-7, 4},        {-7, 1},
                 {12345, 3}, {-1, 0},        {99, 2},        {100, 2},       {-100, 3},
                 {4095, 4},  {1LL << 40, 0}, {LLONG_MIN, 0}, {LLONG_MAX, 0}, {-5, 2}};
    for (const auto& c : cases) {
        char expected[64], got[digits::DIGITS_CAPACITY];
        std::snprintf(expected, sizeof expected, "%0*lld", static_cast<int>(c.width), c.value);
        EXPECT_EQ(std::string(got, digits::decimal(got, c.value, c.width)), expected);
        if (c.value < 0)
            continue;
        const unsigned long long u = static_cast<unsigned long long>(c.value);
        std::snprintf(expected, sizeof expected, "%0*llu", static_cast<int>(c.width), u);
        EXPECT_EQ(std::string(got, digits::unsignedDecimal(got, u, c.width)), expected);
        std::snprintf(expected, sizeof expected, "%0*llX", static_cast<int>(c.width), u);
        EXPECT_EQ(std::string(got, digits::hex(got, u, c.width)), expected);
        std::snprintf(expected, sizeof expected, "%0*llo", static_cast<int>(c.width), u);
        EXPECT_EQ(std::string(got, digits::octal(got, u, c.width)), expected);
    }
    // Every 16-bit value at the widths the summaries use.
    for (unsigned width : {0u, 2u, 3u, 4u, 6u})
        for (long long v = -65536; v <= 65536; ++v) {
            char expected[64], got[digits::DIGITS_CAPACITY];
            std::snprintf(expected, sizeof expected, "%0*lld", static_cast<int>(width), v);
            ASSERT_EQ(std::string(got, digits::decimal(got, v, width)), expected) << v;
            if (v < 0)
                continue;
            std::snprintf(expected, sizeof expected, "%0*llX", static_cast<int>(width),
                          static_cast<unsigned long long>(v));
            ASSERT_EQ(std::string(got, digits::hex(got, static_cast<unsigned long long>(v), width)),
                      expected);
        }
}

TEST(Digits, FixedPointEdges) {
    const struct {
        double value;
        unsigned decimals;
    } cases[] = {{0.0, 1},      {-0.0, 1},      {-0.04, 1},   {0.05, 1},    {0.15, 1},
                 {0.25, 1},     {0.35, 1},      {2.5, 0},     {3.5, 0},     {-2.5, 0},
                 {1e-300, 3},   {-1e-300, 3},   {0.125, 2},   {0.375, 2},   {999999999.5, 0},
                 {1e9, 2},      {-1e12, 1},     {123.456, 9}, {1.0 / 3, 9}, {5e-10, 9},
                 {INFINITY, 2}, {-INFINITY, 1}, {NAN, 2},     {0.1, 12},    {86399.9921875, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(fixed(c.value, c.decimals), printed("%.*f", c.value, c.decimals))
            << c.value << " at " << c.decimals;
}

TEST(Digits, FixedPointOverItemScales) {
    sweep("1/4", -32768, 32767, 1 / 4.0);              // flight levels
    sweep("1/128", 0, 1 << 17, 1 / 128.0);             // times of day, cartesian NM
    sweep("1/256", -32768, 65535, 1 / 256.0);          // slant range
    sweep("360/2^16", 0, 65535, 360.0 / 65536.0);      // azimuths, headings
    sweep("360/2^13", -128, 255, 360.0 / 8192.0);      // plot runlength
    sweep("1852/128", -32768, 32767, 1852.0 / 128.0);  // cartesian positions in metres
    sweep("6.25", -32768, 32767, 6.25);                // vertical rate, height
    sweep("2^-14", -32768, 32767, 1.0 / 16384.0);      // ground speed NM/s
    sweep("0.25", -32768, 32767, 0.25);                // velocities m/s
}

TEST(Digits, FixedPointOverRandomDoubles) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-1e6, 1e6), narrow(-2.0, 2.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = i % 2 ? wide(random) : narrow(random);
        const unsigned decimals = static_cast<unsigned>(i % 10);
        ASSERT_EQ(fixed(value, decimals), printed("%.*f", value, decimals)) << value;
    }
}

TEST(Digits, SummariesCutShortAsPrintfCutsThem) {
    // A summary in a small buffer is the beginning of the whole one, numbers cut anywhere, as
    // vsnprintf leaves them.
    const struct {
        ast_dataitem_type_t type;
        const char* hex;
    } cases[] = {{48040, "A1B2C3D4"}, {48042, "FF01807F"}, {48200, "8000C000"},
                 {48140, "AB12CD"},   {48010, "0102"},     {48220, "ABCDEF"}};
    for (const auto& c : cases) {
        const Bytes data = hexBytes(c.hex);
        const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), c.type);
        char whole[256];
        ast_dataitem_get_summary(whole, sizeof whole, &item);
        ASSERT_GT(std::strlen(whole), 8u) << c.type;
        for (size_t capacity = 1; capacity <= std::strlen(whole) + 1; ++capacity) {
            char cut[256];
            std::memset(cut, 'x', sizeof cut);
            ast_dataitem_get_summary(cut, capacity, &item);
            EXPECT_EQ(std::string(cut), std::string(whole, capacity - 1)) << c.type;
        }
    }
}
