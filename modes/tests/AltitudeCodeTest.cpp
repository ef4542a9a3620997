#include <gtest/gtest.h>

#include "AltitudeCode.h"
#include "TestData.h"

namespace brannic {
namespace modes {
namespace {

// An independent encoder of the Mode C altitude code, following the construction of the
// ICAO Annex 10 table: the altitude selects a 500-ft band (counted in reflected Gray code on
// D2 D4 A1 A2 A4 B1 B2 B4) and a 100-ft step within it (C1 C2 C4 = 001 011 010 110 100 for
// steps 1 to 5, read backwards in odd bands). Returns the 13-bit AC code with M = Q = 0.
uint32_t encodeGillham(int feet) {
    const int units = (feet + 1200) / 100;  // -1200 ft is unit 0
    const unsigned band = static_cast<unsigned>(units) / 5;
    unsigned step = static_cast<unsigned>(units) % 5 + 1;
    if (band % 2 != 0)
        step = 6 - step;
    static const unsigned stepCode[6] = {0, 0b001, 0b011, 0b010, 0b110, 0b100};
    const unsigned c = stepCode[step];
    const unsigned gray = band ^ (band >> 1);
    auto bandBit = [gray](int fromTop) { return (gray >> (7 - fromTop)) & 1u; };  // D2 first
    // Order of the 13 bits: C1 A1 C2 A2 C4 A4 M B1 Q B2 D2 B4 D4.
    const unsigned C1 = c >> 2 & 1, C2 = c >> 1 & 1, C4 = c & 1;
    const unsigned D2 = bandBit(0), D4 = bandBit(1), A1 = bandBit(2), A2 = bandBit(3),
                   A4 = bandBit(4), B1 = bandBit(5), B2 = bandBit(6), B4 = bandBit(7);
    return C1 << 12 | A1 << 11 | C2 << 10 | A2 << 9 | C4 << 8 | A4 << 7 | B1 << 5 | B2 << 3 |
           D2 << 2 | B4 << 1 | D4;
}

TEST(Gillham, EveryHundredFeetFromMinus1000To126700) {
    for (int feet = -1000; feet <= 126700; feet += 100) {
        int32_t decoded = 99999;
        const uint32_t code = encodeGillham(feet);
        ASSERT_TRUE(altitude::gillhamToFeet(code, decoded)) << feet << " code " << code;
        ASSERT_EQ(decoded, feet) << "code " << code;
    }
}

TEST(Gillham, KnownCodesFromRecordedAndPublishedReplies) {
    // Altitude codes of DF4 replies whose altitudes are published with them.
    int checked = 0;
    for (const auto& v : testdata::knownAnswerVectors()) {
        if (v.kind != "gillham-df4")
            continue;
        const std::string frame = testdata::fromHex(v.hex);
        const uint32_t code = ((static_cast<unsigned char>(frame[2]) & 0x1F) << 8) |
                              static_cast<unsigned char>(frame[3]);
        int32_t feet = 99999;
        ASSERT_TRUE(altitude::gillhamToFeet(code, feet)) << v.hex;
        EXPECT_EQ(feet, std::stoi(v.values.at("altitude"))) << v.hex;
        EXPECT_EQ(code, encodeGillham(feet)) << v.hex;
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(Gillham, UnavailableAndIllegalCodesAreRefused) {
    int32_t feet = 4242;
    EXPECT_FALSE(altitude::gillhamToFeet(0, feet));  // altitude not available
    // 100-ft steps 000, 111 and 101 (C1 C2 C4) do not exist.
    const uint32_t band = encodeGillham(10000) & ~0x1500u;  // clear C1 C2 C4
    EXPECT_FALSE(altitude::gillhamToFeet(band, feet));
    EXPECT_FALSE(altitude::gillhamToFeet(band | 0x1500u, feet));
    EXPECT_FALSE(altitude::gillhamToFeet(band | 0x1100u, feet));
    EXPECT_EQ(feet, 4242);
}

TEST(Gillham, EveryCodeDecodesToAnAltitudeThatEncodesBack) {
    // Over all 2^11 codes (M and Q clear) decoding is one-to-one onto the legal altitudes.
    int legal = 0;
    for (uint32_t code = 0; code < 0x2000; ++code) {
        if (code & 0x50)
            continue;  // M or Q set
        int32_t feet = 0;
        if (!altitude::gillhamToFeet(code, feet))
            continue;
        ++legal;
        ASSERT_EQ(feet % 100, 0) << code;
        ASSERT_EQ(encodeGillham(feet), code) << feet;
    }
    EXPECT_EQ(legal, (126700 + 1000) / 100 + 1);
}

TEST(AltitudeCode, BinaryCountDropsMAndQ) {
    // Bytes 2 and 3 equal to 0x0F and 0xFF: N = 1023 (24,575 ft in 25-ft steps).
    EXPECT_EQ(altitude::binaryCount(0x0FFF), 1023u);
    EXPECT_EQ(altitude::binaryCount(0x1FFF), 2047u);
    EXPECT_EQ(altitude::binaryCount(0x0050), 0u);
    // ADS-B: ME byte 1 = 0xC3, byte 2 = 0x80 -> 12-bit field 0xC38 -> N = 1560 (38,000 ft).
    EXPECT_EQ(altitude::binaryCount(altitude::codeFromAdsb(0xC38)), 1560u);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
