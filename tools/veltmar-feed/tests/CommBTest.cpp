// Comm-B registers: the generator's encodings against published registers, and against a
// reading written here straight from the ICAO Doc 9871 layouts (status bit, then the value,
// two's complement where signed).

#include <cmath>

#include <gtest/gtest.h>

#include "feedgen/Bits.h"
#include "feedgen/CommB.h"
#include "feedgen/Frame.h"

namespace {

using feedgen::MBField;

// The MB field (bytes 4 to 10) of a Comm-B reply.
MBField mbOf(const char* hex) {
    const feedgen::Frame frame = feedgen::Frame::fromHex(hex);
    MBField mb{};
    std::copy(frame.bytes.begin() + 4, frame.bytes.begin() + 11, mb.begin());
    return mb;
}

// Value bits first..last as a number, two's complement when signed, times lsb.
double read(const MBField& mb, unsigned first, unsigned last, double lsb, bool isSigned) {
    int64_t value = static_cast<int64_t>(feedgen::bits::get(mb.data(), first, last));
    const unsigned width = last - first + 1;
    if (isSigned && (value >> (width - 1)))
        value -= int64_t{1} << width;
    return static_cast<double>(value) * lsb;
}

bool status(const MBField& mb, unsigned bit) {
    return feedgen::bits::get(mb.data(), bit, bit) == 1;
}

// Registers published with their values in the pyModeS test suite; the values lie on the
// registers' steps, so encoding them gives the same bits.
TEST(FeedCommB, PublishedRegistersEncodeBitForBit) {
    feedgen::SelectedVerticalIntention bds40;
    bds40.mcpAltitudeFeet = 3008;
    bds40.fmsAltitudeFeet = 3008;
    bds40.baroSettingMb = 1020.0;
    EXPECT_EQ(*feedgen::commb::encode(bds40), mbOf("A000029C85E42F313000007047D3"));

    feedgen::TrackAndTurn bds50;
    bds50.rollDegrees = 2.109375;
    bds50.trueTrackDegrees = 114.2578125;
    bds50.groundSpeedKnots = 438;
    bds50.trackRateDegreesPerSecond = 0.125;
    bds50.trueAirspeedKnots = 424;
    EXPECT_EQ(*feedgen::commb::encode(bds50), mbOf("A000139381951536E024D4CCF6B5"));

    feedgen::HeadingAndSpeed bds60;
    bds60.magneticHeadingDegrees = 42.71484375;
    bds60.indicatedAirspeedKnots = 252;
    bds60.mach = 0.42;
    bds60.baroRateFeetPerMinute = -1920;
    bds60.inertialRateFeetPerMinute = -1920;
    EXPECT_EQ(*feedgen::commb::encode(bds60), mbOf("A00004128F39F91A7E27C46ADC21"));

    EXPECT_EQ(*feedgen::commb::identification("KLM1017"), mbOf("A000083E202CC371C31DE0AA1CCF"));
}

TEST(FeedCommB, TrackAndTurnReadsBackIncludingNegativeAngles) {
    struct Row {
        double roll, track, speed, rate, tas;
        double readTrack;  // as a signed angle
    };
    const Row rows[] = {
        {-25.0, 270.0, 450, -1.5, 440, -90.0},
        {30.0, 359.9, 2, 15.9, 2046, -0.1},
        {0.0, 180.0, 0, 0.0, 0, -180.0},
        {-90.0, -45.0, 100, -16.0, 100, -45.0},
    };
    for (const Row& row : rows) {
        feedgen::TrackAndTurn in{row.roll, row.track, row.speed, row.rate, row.tas};
        const auto mb = feedgen::commb::encode(in);
        ASSERT_TRUE(mb) << row.track;
        for (unsigned bit : {0u, 11u, 23u, 34u, 45u})
            EXPECT_TRUE(status(*mb, bit)) << bit;
        EXPECT_NEAR(read(*mb, 1, 10, 45.0 / 256, true), row.roll, 45.0 / 512);
        EXPECT_NEAR(read(*mb, 12, 22, 90.0 / 512, true), row.readTrack, 90.0 / 1024);
        EXPECT_NEAR(read(*mb, 24, 33, 2.0, false), row.speed, 1.0);
        EXPECT_NEAR(read(*mb, 35, 44, 8.0 / 256, true), row.rate, 8.0 / 512);
        EXPECT_NEAR(read(*mb, 46, 55, 2.0, false), row.tas, 1.0);
    }
}

TEST(FeedCommB, HeadingAndSpeedAndVerticalIntentionReadBack) {
    feedgen::HeadingAndSpeed bds60{200.0, 280.0, 0.78, 2400, -64};
    const auto mb60 = feedgen::commb::encode(bds60);
    ASSERT_TRUE(mb60);
    EXPECT_NEAR(read(*mb60, 1, 11, 90.0 / 512, true), -160.0, 0.1);
    EXPECT_NEAR(read(*mb60, 13, 22, 1.0, false), 280.0, 0.5);
    EXPECT_NEAR(read(*mb60, 24, 33, 2.048 / 512, false), 0.78, 0.002);
    EXPECT_NEAR(read(*mb60, 35, 44, 32.0, true), 2400.0, 16.0);
    EXPECT_NEAR(read(*mb60, 46, 55, 32.0, true), -64.0, 16.0);

    feedgen::SelectedVerticalIntention bds40;
    bds40.mcpAltitudeFeet = 36000;
    bds40.modeBitsValid = true;
    bds40.altitudeHold = true;
    bds40.targetSource = 3;
    const auto mb40 = feedgen::commb::encode(bds40);
    ASSERT_TRUE(mb40);
    EXPECT_EQ(read(*mb40, 1, 12, 16.0, false), 36000.0);
    EXPECT_FALSE(status(*mb40, 13)) << "no FMS altitude given";
    EXPECT_FALSE(status(*mb40, 26)) << "no baro setting given";
    EXPECT_TRUE(status(*mb40, 47));
    EXPECT_EQ(feedgen::bits::get(mb40->data(), 48, 50), 0b010u) << "VNAV, ALT HOLD, APPROACH";
    EXPECT_EQ(feedgen::bits::get(mb40->data(), 53, 55), 0b111u) << "status and source 3";
}

TEST(FeedCommB, ValuesOutsideTheirFieldsAreRefused) {
    EXPECT_FALSE(feedgen::commb::encode(feedgen::TrackAndTurn{95.0, {}, {}, {}, {}}));
    EXPECT_FALSE(feedgen::commb::encode(feedgen::TrackAndTurn{{}, {}, 2100.0, {}, {}}));
    EXPECT_FALSE(feedgen::commb::encode(feedgen::TrackAndTurn{{}, {}, {}, 16.1, {}}));
    EXPECT_FALSE(feedgen::commb::encode(feedgen::HeadingAndSpeed{{}, 1024.0, {}, {}, {}}));
    EXPECT_FALSE(feedgen::commb::encode(feedgen::HeadingAndSpeed{{}, {}, {}, 17000, {}}));
    feedgen::SelectedVerticalIntention bds40;
    bds40.baroSettingMb = 790;
    EXPECT_FALSE(feedgen::commb::encode(bds40));
    bds40.baroSettingMb = {};
    bds40.targetSource = 4;
    EXPECT_FALSE(feedgen::commb::encode(bds40));
    EXPECT_FALSE(feedgen::commb::identification("TOO-LONG1"));
    const auto empty = feedgen::commb::encode(feedgen::TrackAndTurn{});
    ASSERT_TRUE(empty);
    EXPECT_EQ(*empty, MBField{}) << "nothing known: every status 0";
}

}  // namespace
