// The Mode A code in the bit order of the Mode S ID field (C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4
// D4): each bit alone must land on its own octal digit and weight.

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "ModeACode.h"

namespace brannic {
namespace modes {
namespace {

TEST(ModeACode, EachBitFeedsItsDigit) {
    struct Row {
        const char* bit;
        uint32_t code13;
        uint32_t octal;
    };
    const Row rows[] = {
        {"C1", 0x1000, 00010}, {"A1", 0x0800, 01000}, {"C2", 0x0400, 00020}, {"A2", 0x0200, 02000},
        {"C4", 0x0100, 00040}, {"A4", 0x0080, 04000}, {"X", 0x0040, 00000},  {"B1", 0x0020, 00100},
        {"D1", 0x0010, 00001}, {"B2", 0x0008, 00200}, {"D2", 0x0004, 00002}, {"B4", 0x0002, 00400},
        {"D4", 0x0001, 00004},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bit);
        EXPECT_EQ(modea::fromIdentityBits(row.code13), row.octal);
    }
}

TEST(ModeACode, WholeCodes) {
    struct Row {
        uint32_t code13;
        const char* text;
    };
    const Row rows[] = {
        {0x0000, "0000"}, {0x0090, "4001"},  // A4 and D1
        {0x1FBF, "7777"}, {0x1FFF, "7777"},  // X is not part of the code
        {0x0A80, "7000"}, {0x0537, "0567"},
        {0x12B6, "6513"},  // from a recorded version-2 aircraft status message
        {0xE000, "0000"},  // bits above the thirteenth are ignored
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        char text[8];
        std::snprintf(text, sizeof(text), "%.4o", modea::fromIdentityBits(row.code13));
        EXPECT_STREQ(text, row.text);
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
