#include <cmath>
#include <iomanip>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "CPR.h"
#include "CPREncoder.h"

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

// NL by counting the transitions passed, the table's own reading, against the one-step look-up:
// on a fine sweep and on both sides of every transition and every quarter degree.
TEST(CPRZones, NLLookUpAgreesWithTheTransitionTable) {
    const auto counted = [](double latitude) {
        const double a = std::fabs(latitude);
        int passed = 0;
        for (const double t : cpr::kNLTransitionLatitudes)
            passed += t <= a ? 1 : 0;
        return 59 - passed;
    };
    std::vector<double> probes;
    for (int i = 0; i <= 900000; ++i)
        probes.push_back(i * 1e-4);
    for (const double t : cpr::kNLTransitionLatitudes) {
        probes.push_back(t);
        probes.push_back(std::nextafter(t, 0.0));
        probes.push_back(std::nextafter(t, 100.0));
    }
    for (int q = 0; q <= 360; ++q) {
        probes.push_back(q / 4.0);
        probes.push_back(std::nextafter(q / 4.0, 0.0));
        probes.push_back(std::nextafter(q / 4.0, 100.0));
    }
    for (const double p : probes) {
        ASSERT_EQ(cpr::nl(p), counted(p)) << std::setprecision(17) << p;
        ASSERT_EQ(cpr::nl(-p), counted(p)) << std::setprecision(17) << -p;
    }
    // Not a latitude: the binary search over the transitions, as before, runs to the end.
    EXPECT_EQ(cpr::nl(std::nan("")), 1);
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

// Published single reports with the reference they were decoded against.
TEST(CPRLocal, KnownReports) {
    const struct {
        const char* source;
        cpr::Encoded report;
        bool odd, surface;
        GeoPosition reference;
        double latitude, longitude, tolerance;
    } rows[] = {
        // "The 1090 MHz Riddle": 8D40621D58C382D690C8AC2863A7 against 52.258 N 3.918 E.
        {"40621D even", {93000, 51372}, false, false, {52.258, 3.918}, 52.2572021484375,
         3.91937255859375, 1e-9},
        // 8D40058B58C901375147EFD09357 against 49 N 6 E, as its pair decodes it.
        {"40058B even", {39848, 83951}, false, false, {49.0, 6.0}, 49.82410, 6.06785, 1e-5},
        // A reference exactly on a latitude zone boundary (5 odd zones of 360/59 degrees) and
        // a longitude 36 degrees off by a rounding error.
        {"06A153 odd", {131006, 84612}, true, false, {30.508474576271183, 36.000000000000003},
         30.50540, 33.44787, 1e-5},
        // A surface report near Christchurch (southern and eastern) against the receiver.
        {"C8200A odd surface", {64585, 67947}, true, true, {-43.496, 172.558}, -43.48564406572763,
         172.53941672188895, 1e-7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.source);
        GeoPosition p{1234.5, 678.9};
        ASSERT_TRUE(cpr::decodeLocal(row.report, row.odd, row.surface, row.reference, p));
        EXPECT_NEAR(p.latitude, row.latitude, row.tolerance);
        EXPECT_NEAR(p.longitude, row.longitude, row.tolerance);
    }
}

TEST(CPRGlobal, KnownSurfacePair) {
    // Even 8CC8200A3AC8F009BCDEF2 then odd 8FC8200A3AB8F5F893096B 1.2 s later, received near
    // Christchurch (-43.496, 172.558): four quadrants and two hemispheres to choose from.
    const cpr::Encoded even{1246, 57074};
    const cpr::Encoded odd{64585, 67947};
    double lat = 0, lon = 0;
    ASSERT_TRUE(cpr::decodeGlobalSurface(even, odd, true, {-43.496, 172.558}, lat, lon));
    EXPECT_NEAR(lat, -43.48564406572763, 1e-7);
    EXPECT_NEAR(lon, 172.53941672188895, 1e-7);
    // A reference in another quadrant picks the solution 90 degrees of longitude away.
    ASSERT_TRUE(cpr::decodeGlobalSurface(even, odd, true, {-40.0, 80.0}, lat, lon));
    EXPECT_NEAR(lat, -43.48564406572763, 1e-7);
    EXPECT_NEAR(lon, 172.53941672188895 - 90, 1e-7);
    // One in the northern hemisphere the northern solution, 90 degrees of latitude up (with
    // the longitude zones of that latitude).
    ASSERT_TRUE(cpr::decodeGlobalSurface(even, odd, true, {40.0, 170.0}, lat, lon));
    EXPECT_NEAR(lat, -43.48564406572763 + 90, 1e-7);
}

// Encoding random positions with the transmitter's formulas and decoding them again: local
// decoding against a reference within the unambiguous range, global decoding of the pair.
TEST(CPRRoundTrip, RandomPositionsNearAReference) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int airborneChecked = 0, surfaceChecked = 0;
    for (int n = 0; n < 10000; ++n) {
        // References all round the globe up to 80 degrees of latitude, the date line included;
        // the aircraft within 170 NM (airborne) or 40 NM (surface) of it. Closer to the poles
        // the longitude zones widen and so does the step (ZoneEdgesAndHemispheres).
        const bool surface = n % 2 == 1;
        const double refLat = -80.0 + 160.0 * unit(random);
        const double refLon = -180.0 + 360.0 * unit(random);
        const double range = (surface ? 40.0 : 170.0) * unit(random);
        const double bearing = 2 * M_PI * unit(random);
        const double lat = refLat + range * std::cos(bearing) / 60.0;
        double lon = refLon + range * std::sin(bearing) / (60.0 * std::cos(lat * M_PI / 180));
        lon = lon > 180 ? lon - 360 : lon <= -180 ? lon + 360 : lon;
        if (cpr::distanceNM({refLat, refLon}, {lat, lon}) > (surface ? 44.0 : 175.0))
            continue;  // near the poles a degree of longitude is short; keep within range
        const bool odd = n % 4 >= 2;
        const auto e = cprenc::encode(lat, lon, odd, surface);
        GeoPosition p;
        SCOPED_TRACE(testing::Message() << std::setprecision(12) << lat << ", " << lon << " ref "
                                        << refLat << ", " << refLon << (surface ? " surface" : "")
                                        << (odd ? " odd" : " even"));
        ASSERT_TRUE(cpr::decodeLocal({int32_t(e.latitude), int32_t(e.longitude)}, odd, surface,
                                     {refLat, refLon}, p));
        const double error = cprenc::distanceMetres(lat, lon, p.latitude, p.longitude);
        ASSERT_LT(error, surface ? 1.5 : 5.0);

        // The pair of the same position decodes globally to the same place unless it straddles
        // a zone boundary.
        const auto even = cprenc::encode(lat, lon, false, surface);
        const auto oddReport = cprenc::encode(lat, lon, true, surface);
        double glat = 0, glon = 0;
        const cpr::Encoded e0{int32_t(even.latitude), int32_t(even.longitude)};
        const cpr::Encoded e1{int32_t(oddReport.latitude), int32_t(oddReport.longitude)};
        const bool decoded = surface
                                 ? cpr::decodeGlobalSurface(e0, e1, odd, {refLat, refLon}, glat, glon)
                                 : cpr::decodeGlobalAirborne(e0, e1, odd, glat, glon);
        if (decoded) {
            ASSERT_LT(cprenc::distanceMetres(lat, lon, glat, glon), surface ? 1.5 : 5.0);
            ASSERT_NEAR(glat, p.latitude, 1e-9);
            ASSERT_NEAR(std::remainder(glon - p.longitude, 360.0), 0.0, 1e-9);
        }
        ++(surface ? surfaceChecked : airborneChecked);
    }
    EXPECT_GT(airborneChecked, 4900);
    EXPECT_GT(surfaceChecked, 4900);
}

// Half the encoding step of a report at `lat`, in metres: the most a decode may be off.
double halfStep(double lat, bool odd, bool surface) {
    const double span = surface ? 90.0 : 360.0;
    const double dlat = span / (60 - odd);
    const double dlon = span / std::max(cprenc::nl(lat) - int(odd), 1);
    const double metresPerDegree = 111320.0;
    const double northSouth = dlat / 131072 * metresPerDegree / 2;
    const double eastWest = dlon / 131072 * metresPerDegree * std::cos(lat * M_PI / 180) / 2;
    return std::sqrt(northSouth * northSouth + eastWest * eastWest) + 0.01;
}

// Local decoding at the edges: a reference right on a zone boundary, positions half a zone
// away in each direction, either side of the date line and the equator, near the poles (where
// an odd report at NL 1 or 2 has one zone of 360 degrees, and a step of metres).
TEST(CPRLocal, ZoneEdgesAndHemispheres) {
    const struct {
        double lat, lon, refLat, refLon;
    } rows[] = {
        {0.001, 0.001, -0.5, -0.5},       {-0.001, -0.001, 0.5, 0.5},
        {6.0, 10.0, 4.0, 10.0},           {5.9999, 179.99, 6.0001, -179.99},
        {-33.9425, 151.1786, -35, 150},   {40.6413, -73.7781, 42, -75},
        {-22.81, -43.2506, -21, -45},     {64.13, -21.9406, 65, -20},
        {86.9, 10.0, 86.0, 12.0},         {-87.5, 100.0, -86.5, 90.0},
        {89.9, -170.0, 88.5, 175.0},      {-89.99, 45.0, -89.0, -135.0},
        {30.508474576271183, 36.0, 30.5, 36.0},
    };
    for (const auto& row : rows) {
        for (int odd = 0; odd < 2; ++odd) {
            SCOPED_TRACE(testing::Message() << row.lat << ", " << row.lon << " ref " << row.refLat
                                            << ", " << row.refLon << " odd " << odd);
            const auto e = cprenc::encodeAirborne(row.lat, row.lon, odd);
            GeoPosition p;
            ASSERT_TRUE(cpr::decodeLocal({int32_t(e.latitude), int32_t(e.longitude)}, odd, false,
                                         {row.refLat, row.refLon}, p));
            EXPECT_LT(cprenc::distanceMetres(row.lat, row.lon, p.latitude, p.longitude),
                      halfStep(row.lat, odd, false));
            EXPECT_GT(p.longitude, -180.0);
            EXPECT_LE(p.longitude, 180.0);
        }
    }
}

TEST(CPRLocal, ReferenceMoreThanHalfAZoneAwayGivesTheWrongZone) {
    // The report is unambiguous only within half a zone (3 degrees of latitude airborne): a
    // reference 4 degrees away puts the aircraft one zone off. This is why the tracker bounds
    // the distance to its references.
    const auto e = cprenc::encodeAirborne(52.0, 4.0, false);
    GeoPosition p;
    ASSERT_TRUE(cpr::decodeLocal({int32_t(e.latitude), int32_t(e.longitude)}, false, false,
                                 {56.0, 4.0}, p));
    EXPECT_NEAR(p.latitude, 58.0, 1e-3);
}

// A report of a random place between -maxLatitude and maxLatitude of each format and kind in
// turn (n counts the draws), with the position a local decode against the true place gives.
struct RandomReport {
    bool surface;
    bool odd;
    double lat;
    double lon;
    cpr::Encoded report;
    GeoPosition position;
    bool decoded;
};

RandomReport randomReport(int n, double maxLatitude, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    RandomReport r;
    r.surface = n % 2 == 1;
    r.odd = n % 4 >= 2;
    r.lat = -maxLatitude + 2 * maxLatitude * unit(random);
    r.lon = -180 + 360 * unit(random);
    const auto e = cprenc::encode(r.lat, r.lon, r.odd, r.surface);
    r.report = {int32_t(e.latitude), int32_t(e.longitude)};
    r.decoded = cpr::decodeLocal(r.report, r.odd, r.surface, {r.lat, r.lon}, r.position);
    return r;
}

// The shortcut of the agreement rule: wherever it says a local decode lands on the global
// position, the local decode does (to rounding), over random reports and references from
// close by to beyond a zone away, both formats, airborne and surface; and it says so for most
// references well inside a zone.
TEST(CPRLocal, SameZonesAgreesWithTheLocalDecode) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int said = 0;
    int near = 0;
    for (int n = 0; n < 100000; ++n) {
        const auto [surface, odd, lat, lon, report, position, decoded] =
            randomReport(n, 89.5, random);
        ASSERT_TRUE(decoded);
        const double reach = (surface ? 1.5 : 6.0) * unit(random);
        const double stretch = 1 / std::max(0.05, std::cos(lat * M_PI / 180));
        GeoPosition ref{std::max(-90.0, std::min(90.0, lat + reach * (unit(random) - 0.5) * 2)),
                        lon + reach * (unit(random) - 0.5) * 2 * stretch};
        ref.longitude = std::remainder(ref.longitude, 360.0);
        if (!cpr::sameZones(position, ref, odd, surface))
            continue;
        ++said;
        near += reach < (surface ? 0.3 : 1.0);
        GeoPosition local;
        ASSERT_TRUE(cpr::decodeLocal(report, odd, surface, ref, local))
            << lat << "," << lon << " ref " << ref.latitude << "," << ref.longitude;
        ASSERT_NEAR(local.latitude, position.latitude, 1e-9);
        ASSERT_NEAR(std::remainder(local.longitude - position.longitude, 360.0), 0.0, 1e-9)
            << lat << "," << lon << " ref " << ref.latitude << "," << ref.longitude;
    }
    EXPECT_GT(said, 30000);
    EXPECT_GT(near, 10000);
}

// The tracker skips the local decode where the reference lies within a quarter zone (90 NM
// airborne, 22.5 NM on the surface) of the global position below 80 degrees of latitude: from
// anywhere that close, in any direction, the local decode lands on that position. (Nearer the
// poles a surface zone of 90 degrees of longitude is only miles wide.)
TEST(CPRLocal, AReferenceWithinAQuarterZoneGivesThePositionItself) {
    std::mt19937 random(13);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int n = 0; n < 100000; ++n) {
        const auto [surface, odd, lat, lon, report, position, decoded] =
            randomReport(n, 80, random);
        ASSERT_TRUE(decoded);
        // A point at that distance in a random direction (great circle, spherical earth).
        const double reach = (surface ? 22.5 : 90.0) * unit(random) / (6371008.8 / 1852.0);
        const double bearing = 2 * M_PI * unit(random);
        const double p1 = position.latitude * M_PI / 180;
        const double p2 = std::asin(std::sin(p1) * std::cos(reach) +
                                    std::cos(p1) * std::sin(reach) * std::cos(bearing));
        const double dl = std::atan2(std::sin(bearing) * std::sin(reach) * std::cos(p1),
                                     std::cos(reach) - std::sin(p1) * std::sin(p2));
        const GeoPosition ref{p2 * 180 / M_PI,
                              std::remainder(position.longitude + dl * 180 / M_PI, 360.0)};
        GeoPosition local;
        ASSERT_TRUE(cpr::decodeLocal(report, odd, surface, ref, local));
        ASSERT_NEAR(local.latitude, position.latitude, 1e-9)
            << lat << "," << lon << " ref " << ref.latitude << "," << ref.longitude;
        ASSERT_NEAR(std::remainder(local.longitude - position.longitude, 360.0), 0.0, 1e-9)
            << lat << "," << lon << " ref " << ref.latitude << "," << ref.longitude;
    }
}

TEST(CPRDistance, KnownDistances) {
    EXPECT_NEAR(cpr::distanceNM({0, 0}, {1, 0}), 60.04, 0.01);  // a degree of latitude
    EXPECT_NEAR(cpr::distanceNM({51.5, 5.5}, {51.5, 5.5}), 0.0, 1e-12);
    EXPECT_NEAR(cpr::distanceNM({0, 179.5}, {0, -179.5}), 60.04, 0.01);  // across the date line
    EXPECT_NEAR(cpr::distanceNM({90, 0}, {-90, 0}), M_PI * 6371008.8 / 1852, 1e-6);
}

// The quick decision agrees with the exact distance everywhere, limits at the distance itself
// included: random pairs of points from a few metres to a few hundred miles apart.
TEST(CPRDistance, WithinAgreesWithTheExactDistance) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int n = 0; n < 200000; ++n) {
        const GeoPosition a{-90 + 180 * unit(random), -180 + 360 * unit(random)};
        const double spread = std::pow(10.0, -4 + 5 * unit(random));  // degrees
        GeoPosition b{std::max(-90.0, std::min(90.0, a.latitude + spread * (unit(random) - 0.5))),
                      a.longitude + spread * (unit(random) - 0.5)};
        b.longitude = b.longitude > 180 ? b.longitude - 360 : b.longitude;
        const double exact = cpr::distanceNM(a, b);
        const double limits[] = {exact * (1 - 1e-6), exact * (1 + 1e-6), 60 * spread * unit(random)};
        for (double limit : limits) {
            ASSERT_EQ(cpr::withinNM(a, b, limit), exact <= limit)
                << a.latitude << "," << a.longitude << " " << b.latitude << "," << b.longitude
                << " exact " << exact << " limit " << limit;
        }
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
