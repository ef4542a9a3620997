#include <cmath>

#include <gtest/gtest.h>

#include "CPR.h"

namespace brannic {
namespace modes {
namespace {

TEST(CPRZones, TableMatchesTheTransitionLatitudeFormula) {
    // NL changes from n to n - 1 at acos(sqrt((1 - cos(pi / 30)) / (1 - cos(2 pi / n)))).
    for (int i = 0; i < 58; ++i) {
        const int n = 59 - i;
        const double expected =
            std::acos(std::sqrt((1 - std::cos(M_PI / 30)) / (1 - std::cos(2 * M_PI / n)))) * 180 /
            M_PI;
        EXPECT_NEAR(cpr::kNLTransitionLatitudes[i], expected, 1e-7) << "NL " << n;
    }
}

TEST(CPRZones, NLAtAndAroundEveryBoundary) {
    EXPECT_EQ(cpr::nl(0.0), 59);
    EXPECT_EQ(cpr::nl(-0.0), 59);
    EXPECT_EQ(cpr::nl(90.0), 1);
    EXPECT_EQ(cpr::nl(-90.0), 1);
    for (int i = 0; i < 58; ++i) {
        const double boundary = cpr::kNLTransitionLatitudes[i];
        SCOPED_TRACE(boundary);
        EXPECT_EQ(cpr::nl(boundary - 1e-9), 59 - i);
        EXPECT_EQ(cpr::nl(boundary), 58 - i);  // the boundary belongs to the smaller NL
        EXPECT_EQ(cpr::nl(-boundary - 1e-9), 58 - i);
    }
}

TEST(CPRGlobal, KnownPairs) {
    const struct {
        cpr::Encoded even, odd;
        bool oddIsNewer;
        double latitude, longitude;
        double tolerance;
    } rows[] = {
        // Textbook pair (even 93000/51372, odd 74158/50194).
        {{93000, 51372}, {74158, 50194}, false, 52.2572021484375, 3.91937255859375, 1e-9},
        {{93000, 51372}, {74158, 50194}, true, 52.265780, 3.938913, 1e-5},
        // Recorded pair of aircraft 40058B.
        {{39848, 83951}, {21567, 81965}, true, 49.81755, 6.08442, 1e-5},
        {{39848, 83951}, {21567, 81965}, false, 49.82410, 6.06785, 1e-5},
        // Published CPR test pair.
        {{80536, 9432}, {61720, 9192}, false, 51.686646, 0.700156, 1e-5},
        {{80536, 9432}, {61720, 9192}, true, 51.686763, 0.701294, 1e-5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "even " << row.even.latitude << "/" << row.even.longitude
                                        << " odd " << row.odd.latitude << "/" << row.odd.longitude
                                        << " odd newer " << row.oddIsNewer);
        double lat = 0, lon = 0;
        ASSERT_TRUE(cpr::decodeGlobalAirborne(row.even, row.odd, row.oddIsNewer, lat, lon));
        EXPECT_NEAR(lat, row.latitude, row.tolerance);
        EXPECT_NEAR(lon, row.longitude, row.tolerance);
    }
}

TEST(CPRGlobal, PairStraddlingAZoneBoundaryIsRefused) {
    double lat = 1234.5, lon = 678.9;
    EXPECT_FALSE(cpr::decodeGlobalAirborne({8192, 0}, {114688, 0}, true, lat, lon));
    EXPECT_FALSE(cpr::decodeGlobalAirborne({8192, 0}, {114688, 0}, false, lat, lon));
    EXPECT_EQ(lat, 1234.5);
    EXPECT_EQ(lon, 678.9);
}

TEST(CPRGlobal, MismatchedReportsGivingALatitudeBeyondThePoleAreRefused) {
    // An even report near the equator paired with an odd one from 52 degrees north: the zone
    // index puts both latitudes near 180 degrees, where NL is 1 for both.
    double lat = 1234.5, lon = 678.9;
    EXPECT_FALSE(cpr::decodeGlobalAirborne({8192, 0}, {74158, 50194}, true, lat, lon));
    EXPECT_FALSE(cpr::decodeGlobalAirborne({8192, 0}, {74158, 50194}, false, lat, lon));
    EXPECT_EQ(lat, 1234.5);
    EXPECT_EQ(lon, 678.9);
}

TEST(CPRGlobal, SouthernAndWesternHemispheres) {
    // Encode a position with the CPR formulas and decode it again, in each quadrant.
    auto mod = [](double x, double y) { return x - y * std::floor(x / y); };
    auto encode = [&mod](double lat, double lon, int odd) {
        const double dlat = 360.0 / (60 - odd);
        const double yz = std::floor(131072 * mod(lat, dlat) / dlat + 0.5);
        const double rlat = dlat * (yz / 131072 + std::floor(lat / dlat));
        const int ni = std::max(cpr::nl(rlat) - odd, 1);
        const double dlon = 360.0 / ni;
        const double xz = std::floor(131072 * mod(lon, dlon) / dlon + 0.5);
        return cpr::Encoded{static_cast<int32_t>(mod(yz, 131072)),
                            static_cast<int32_t>(mod(xz, 131072))};
    };
    const struct {
        double lat, lon;
    } places[] = {{-33.9425, 151.1786}, {40.6413, -73.7781}, {-22.8100, -43.2506},
                  {1.3644, 103.9915},   {64.1300, -21.9406}, {-0.0003, 0.0003}};
    for (const auto& p : places) {
        SCOPED_TRACE(testing::Message() << p.lat << ", " << p.lon);
        double lat = 0, lon = 0;
        ASSERT_TRUE(cpr::decodeGlobalAirborne(encode(p.lat, p.lon, 0), encode(p.lat, p.lon, 1),
                                              true, lat, lon));
        EXPECT_NEAR(lat, p.lat, 1e-3);
        EXPECT_NEAR(lon, p.lon, 1e-3);
        ASSERT_TRUE(cpr::decodeGlobalAirborne(encode(p.lat, p.lon, 0), encode(p.lat, p.lon, 1),
                                              false, lat, lon));
        EXPECT_NEAR(lat, p.lat, 1e-3);
        EXPECT_NEAR(lon, p.lon, 1e-3);
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
