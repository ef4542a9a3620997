#include "AzimuthalEquidistantProjection.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

struct Known {
    const char* name;
    GeoPoint from;
    GeoPoint to;
    double distanceNm;
    double bearingDeg;
};

// Great-circle distances and initial bearings on the sphere of mean radius 6371.0088 km,
// worked out independently with the haversine formula (London–Paris is the familiar 343.5 km).
const Known kKnown[] = {
    {"London to Paris", {51.5074, -0.1278}, {48.8566, 2.3522}, 185.5057, 148.1156},
    {"Paris to London", {48.8566, 2.3522}, {51.5074, -0.1278}, 185.5057, 330.0211},
    {"Nadi to Tongatapu, across the antimeridian",
     {-17.7553, 177.4431},
     {-21.2412, -175.1496},
     468.4647,
     117.7328},
    {"one degree east across the antimeridian", {0.0, 179.5}, {0.0, -179.5}, 60.0405, 90.0},
    {"two degrees west across the antimeridian", {52.0, -179.0}, {52.0, 179.0}, 73.9270, 270.7880},
    {"to the North Pole", {89.5, 0.0}, {90.0, 0.0}, 30.0203, 0.0},
    {"over the North Pole", {89.5, 0.0}, {89.5, 180.0}, 60.0405, 0.0},
    {"beside the North Pole", {89.5, 0.0}, {89.5, 90.0}, 42.4548, 45.0011},
    {"from the North Pole", {90.0, 0.0}, {80.0, 90.0}, 600.4054, 90.0},
    {"over the South Pole", {-89.0, 45.0}, {-89.0, -135.0}, 120.0811, 180.0},
    {"receiver to London", {51.5, 5.5}, {51.5, -0.5}, 224.1939, 272.3487},
};

double bearingOf(QPointF plane) {
    double deg = std::atan2(plane.x(), plane.y()) * 180.0 / M_PI;
    return deg < 0.0 ? deg + 360.0 : deg;
}

TEST(AzimuthalEquidistantProjection, DistanceAndBearingFromTheCentreAreTrue) {
    for (const Known& k : kKnown) {
        SCOPED_TRACE(k.name);
        const QPointF plane = AzimuthalEquidistantProjection(k.from).forward(k.to);
        EXPECT_NEAR(std::hypot(plane.x(), plane.y()), k.distanceNm, 0.001);
        // Bearing within 0.001 degrees, allowing for 0 and 360 being the same direction.
        const double difference = std::remainder(bearingOf(plane) - k.bearingDeg, 360.0);
        EXPECT_NEAR(difference, 0.0, 0.001);
    }
}

TEST(AzimuthalEquidistantProjection, InverseFindsTheKnownPoint) {
    for (const Known& k : kKnown) {
        SCOPED_TRACE(k.name);
        const double b = k.bearingDeg * M_PI / 180.0;
        GeoPoint found{-999.0, -999.0};
        ASSERT_TRUE(AzimuthalEquidistantProjection(k.from).inverse(
            QPointF(k.distanceNm * std::sin(b), k.distanceNm * std::cos(b)), &found));
        EXPECT_NEAR(found.lat, k.to.lat, 1e-4);
        // At a pole every longitude is the same point.
        if (std::abs(k.to.lat) < 90.0) {
            EXPECT_NEAR(std::remainder(found.lon - k.to.lon, 360.0), 0.0, 1e-4);
        }
    }
}

TEST(AzimuthalEquidistantProjection, RoundTripsEverywhereWithinAQuarterOfTheGlobe) {
    const GeoPoint centres[] = {{51.5, 5.5}, {0.0, 179.9}, {-33.9, 151.2},
                                {89.9, 0.0}, {-90.0, 0.0}, {64.0, -150.0}};
    for (const GeoPoint& centre : centres) {
        const AzimuthalEquidistantProjection projection(centre);
        for (double dLat = -20.0; dLat <= 20.0; dLat += 5.0) {
            for (double dLon = -40.0; dLon <= 40.0; dLon += 10.0) {
                const double lat = centre.lat + dLat;
                if (std::abs(lat) >= 90.0)
                    continue;
                const GeoPoint p{lat, std::remainder(centre.lon + dLon, 360.0)};
                GeoPoint back{-999.0, -999.0};
                ASSERT_TRUE(projection.inverse(projection.forward(p), &back));
                SCOPED_TRACE(testing::Message() << "centre " << centre.lat << "," << centre.lon
                                                << " point " << p.lat << "," << p.lon);
                EXPECT_NEAR(back.lat, p.lat, 1e-9);
                EXPECT_NEAR(std::remainder(back.lon - p.lon, 360.0), 0.0, 1e-9);
                EXPECT_GE(back.lon, -180.0);
                EXPECT_LT(back.lon, 180.0);
            }
        }
    }
}

TEST(AzimuthalEquidistantProjection, CentreAndNearbyPointsStayPrecise) {
    const AzimuthalEquidistantProjection projection({51.5, 5.5});
    EXPECT_EQ(projection.forward({51.5, 5.5}), QPointF(0.0, 0.0));
    // One metre north: the atan2 form keeps this exact where acos would lose it.
    const double degreesPerMetre = 180.0 / (M_PI * 6371008.8);
    const QPointF metre = projection.forward({51.5 + degreesPerMetre, 5.5});
    EXPECT_NEAR(metre.y(), 1.0 / 1852.0, 1e-9);
    EXPECT_NEAR(metre.x(), 0.0, 1e-12);
}

TEST(AzimuthalEquidistantProjection, FarSideAndBeyond) {
    const AzimuthalEquidistantProjection projection({51.5, 5.5});
    double c = 0.0;
    const QPointF antipode = projection.forward({-51.5, -174.5}, &c);
    EXPECT_NEAR(c, M_PI, 1e-9);
    EXPECT_NEAR(std::hypot(antipode.x(), antipode.y()),
                M_PI * AzimuthalEquidistantProjection::kEarthRadiusNm, 1e-6);
    projection.forward({51.5, 15.5}, &c);
    EXPECT_NEAR(c, 0.1085, 1e-3);

    GeoPoint untouched{1.0, 2.0};
    EXPECT_FALSE(projection.inverse(QPointF(0.0, -10900.0), &untouched));
    EXPECT_FALSE(projection.inverse(QPointF(NAN, 0.0), &untouched));
    EXPECT_EQ(untouched.lat, 1.0);
    EXPECT_EQ(untouched.lon, 2.0);
}

}  // namespace
