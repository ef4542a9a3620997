#include "AltitudeBands.h"

#include <set>

#include <gtest/gtest.h>

namespace {

using namespace AltitudeBands;

TEST(AltitudeBands, EachAltitudeFallsInItsBand) {
    const struct {
        bool silent;
        bool onGround;
        bool altitudeValid;
        int feet;
        Band band;
    } rows[] = {
        {false, false, true, -1000, Below2000}, {false, false, true, 0, Below2000},
        {false, false, true, 1999, Below2000},  {false, false, true, 2000, To10000},
        {false, false, true, 9999, To10000},    {false, false, true, 10000, ToFL200},
        {false, false, true, 19975, ToFL200},   {false, false, true, 20000, ToFL300},
        {false, false, true, 29999, ToFL300},   {false, false, true, 30000, ToFL400},
        {false, false, true, 39999, ToFL400},   {false, false, true, 40000, FL400Up},
        {false, false, true, 126700, FL400Up},  {false, false, false, 35000, NoAltitude},
        {false, true, true, 35000, Ground},     {false, true, false, 0, Ground},
        {true, true, true, 35000, Silent},      {true, false, true, 1000, Silent},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "silent " << row.silent << " ground " << row.onGround << " valid "
                     << row.altitudeValid << " " << row.feet << " ft");
        EXPECT_EQ(bandOf(row.silent, row.onGround, row.altitudeValid, row.feet), row.band);
    }
}

TEST(AltitudeBands, EveryBandHasItsOwnColourAndLegend) {
    std::set<QRgb> colours;
    std::set<QString> legends;
    for (int band = 0; band < kBandCount; ++band) {
        colours.insert(colour(Band(band)).rgb());
        legends.insert(legendText(Band(band)));
        EXPECT_FALSE(legendText(Band(band)).isEmpty());
    }
    EXPECT_EQ(colours.size(), size_t(kBandCount));
    EXPECT_EQ(legends.size(), size_t(kBandCount));
    // Low traffic is warm (more red than blue), high traffic cool.
    EXPECT_GT(colour(Below2000).red(), colour(Below2000).blue());
    EXPECT_GT(colour(FL400Up).blue(), colour(FL400Up).green());
}

}  // namespace
