// CPR encoding: known answers from a published worked example, NL against the published
// transition latitudes, and round trips: airborne pairs through the modes tracker's global
// decoding, surface reports through a local decoder written here from ICAO Doc 9871.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>

#include "ModesRoundTrip.h"
#include "feedgen/Cpr.h"
#include "feedgen/Geo.h"
#include "feedgen/Random.h"
#include "feedgen/Squitter.h"

namespace {

using feedgen::GeoPoint;
using feedgen::cpr::Format;
namespace cpr = feedgen::cpr;

// Transition latitudes of NL from the 1090ES table (DO-260B Table A-21): NL is 59 below the
// first, one less past each, 2 up to 87° and 1 beyond.
const double kTransitions[] = {
    10.47047130, 14.82817437, 18.18626357, 21.02939493, 23.54504487, 25.82924707, 27.93898710,
    29.91135686, 31.77209708, 33.53993436, 35.22899598, 36.85025108, 38.41241892, 39.92256684,
    41.38651832, 42.80914012, 44.19454951, 45.54626723, 46.86733252, 48.16039128, 49.42776439,
    50.67150166, 51.89342469, 53.09516153, 54.27817472, 55.44378444, 56.59318756, 57.72747354,
    58.84763776, 59.95459277, 61.04917774, 62.13216659, 63.20427479, 64.26616523, 65.31845310,
    66.36171008, 67.39646774, 68.42322022, 69.44242631, 70.45451075, 71.45986473, 72.45884545,
    73.45177442, 74.43893416, 75.42056257, 76.39684391, 77.36789461, 78.33374083, 79.29428225,
    80.24923213, 81.19801349, 82.13956981, 83.07199445, 83.99173563, 84.89166191, 85.75541621,
    86.53536998, 87.00000000};

int tableNl(double latitude) {
    const double lat = std::fabs(latitude);
    int nl = 59;
    for (double transition : kTransitions) {
        if (lat < transition)
            return nl;
        --nl;
    }
    return 1;
}

TEST(FeedCpr, NlAgreesWithThePublishedTransitionsEitherSide) {
    for (size_t i = 0; i < std::size(kTransitions) - 1; ++i) {
        for (double side : {-1e-6, 1e-6}) {
            const double lat = kTransitions[i] + side;
            EXPECT_EQ(cpr::nl(lat), tableNl(lat)) << lat;
            EXPECT_EQ(cpr::nl(-lat), tableNl(lat)) << -lat;
        }
    }
    EXPECT_EQ(cpr::nl(0.0), 59);
    EXPECT_EQ(cpr::nl(87.0), 2);
    EXPECT_EQ(cpr::nl(-87.0), 2);
    EXPECT_EQ(cpr::nl(87.0001), 1);
    EXPECT_EQ(cpr::nl(90.0), 1);
}

// The worked examples of "The 1090 MHz Riddle" (airborne pair 8D40621D58C382D690C8AC2863A7 /
// 8D40621D58C386435CC412692AD6, surface pair 8C4841753AAB238733C8CD4020B1 /
// 8C4841753A8A35323FAEBDAC702D and 8C4841753A9A153237AEF0F275BE): the decoded positions
// encode back to the transmitted numbers.
TEST(FeedCpr, DecodedPositionsOfPublishedExamplesEncodeBack) {
    struct Row {
        bool surface;
        Format format;
        double latitude;
        double longitude;
        uint32_t yz;
        int64_t xz;  // -1: longitude not given in the example
    };
    const Row rows[] = {
        {false, Format::Even, 52.2572021484375, 3.91937255859375, 93000, 51372},
        {false, Format::Odd, 52.26578017412606, 3.91937255859375, 74158, -1},
        {true, Format::Even, 52.323040008544920, 4.734734671456474, 115609, -1},
        {true, Format::Odd, 52.320607072215964, 4.734734671456474, 39199, 110269},
        {true, Format::Odd, 52.32056051997815, 4.735735212053571, 39195, 110320},
    };
    for (const Row& row : rows) {
        const cpr::Encoded e = row.surface ? cpr::encodeSurface(row.latitude, row.longitude, row.format)
                                           : cpr::encodeAirborne(row.latitude, row.longitude, row.format);
        EXPECT_EQ(e.latitude, row.yz) << row.latitude;
        if (row.xz >= 0) {
            EXPECT_EQ(e.longitude, static_cast<uint32_t>(row.xz)) << row.longitude;
        }
    }
}

// How far a decoded position may lie from the true one: 5 m up to 80° of latitude; nearer the
// poles the odd format has a single longitude zone of 360°, whose cells are wider there.
double toleranceMetres(double latitude) {
    if (std::fabs(latitude) <= 80.0)
        return 5.0;
    const double cellLat = 360.0 / 59 / 131072 * 111320.0;
    const double cellLon = 360.0 / std::max(tableNl(latitude) - 1, 1) / 131072 * 111320.0 *
                           std::cos(latitude * 3.14159265358979 / 180.0);
    return 0.55 * std::hypot(cellLat, cellLon) + 0.5;
}

// Positions all over the world, with many right beside the places where encoders go wrong:
// NL transitions, latitude zone edges, the equator, the antimeridian, the poles' zones.
std::vector<GeoPoint> testPositions(size_t randomCount) {
    std::vector<GeoPoint> points;
    feedgen::Random random(2024);
    for (size_t i = 0; i < randomCount; ++i)
        points.push_back({random.uniform(-86.5, 86.5), random.uniform(-180, 180)});
    for (double transition : kTransitions) {
        for (double side : {-0.002, 0.002}) {
            const double lon = random.uniform(-180, 180);
            points.push_back({transition - 0.001 + side, lon});
            points.push_back({-(transition - 0.001 + side), lon});
        }
    }
    for (int zone = -14; zone <= 14; ++zone) {
        for (double dlat : {6.0, 360.0 / 59.0}) {
            for (double side : {-2e-5, 2e-5})
                points.push_back({zone * dlat + side, random.uniform(-180, 180)});
        }
    }
    for (double lon : {-180.0, -179.99999, -0.00001, 0.0, 0.00001, 179.99999}) {
        for (double lat : {-45.0, -0.00001, 0.0, 0.00001, 45.0, 86.9})
            points.push_back({lat, lon});
    }
    return points;
}

TEST(FeedCpr, AirbornePairsDecodeWithinACellThroughTheTracker) {
    namespace modes = brannic::modes;
    modes::ModeSDecoder decoder;
    modes::ADSBTracker tracker;
    uint32_t address = 0x100000;
    uint64_t timeMs = 1700000000000ull;
    const auto points = testPositions(3000);
    int placed = 0;
    for (const GeoPoint& p : points) {
        const modes::ADSBTarget* target = nullptr;
        for (Format format : {Format::Even, Format::Odd}) {
            feedgen::AirbornePosition message;
            message.altitudeFeet = 35000;
            message.format = format;
            message.latitude = p.latitude;
            message.longitude = p.longitude;
            const auto frame = feedgen::squitter::df17(address, *feedgen::squitter::encode(message));
            const auto decoded = feedtest::decodeReply(decoder, frame, timeMs += 500);
            ASSERT_NE(decoded, nullptr) << p.latitude << ", " << p.longitude;
            target = tracker.procModeSMsg(decoded.get());
        }
        ASSERT_NE(target, nullptr);
        ASSERT_TRUE(target->positionValid()) << p.latitude << ", " << p.longitude;
        const double error = feedgen::geo::distanceNm(p, {target->latitude(), target->longitude()}) *
                             feedgen::geo::kMetresPerNm;
        EXPECT_LT(error, toleranceMetres(p.latitude)) << p.latitude << ", " << p.longitude << " decoded as "
                              << target->latitude() << ", " << target->longitude();
        ++placed;
        ++address;
    }
    EXPECT_EQ(placed, static_cast<int>(points.size()));
}

// Local decoding of one surface report against a reference within 45 NM (ICAO Doc 9871
// C.2.6.7, with the 90° surface zones); NL from the published table, not the encoder's.
GeoPoint decodeSurfaceLocally(const cpr::Encoded& e, Format format, const GeoPoint& reference) {
    const int i = format == Format::Odd ? 1 : 0;
    const double yz = e.latitude / 131072.0;
    const double xz = e.longitude / 131072.0;
    auto mod = [](double x, double y) { return x - y * std::floor(x / y); };
    const double dlat = 90.0 / (60 - i);
    const double j = std::floor(reference.latitude / dlat) +
                     std::floor(0.5 + mod(reference.latitude, dlat) / dlat - yz);
    const double lat = dlat * (j + yz);
    const double dlon = 90.0 / std::max(tableNl(lat) - i, 1);
    const double m = std::floor(reference.longitude / dlon) +
                     std::floor(0.5 + mod(reference.longitude, dlon) / dlon - xz);
    return {lat, dlon * (m + xz)};
}

TEST(FeedCpr, SurfaceReportsDecodeLocallyWithinOneAndAHalfMetres) {
    feedgen::Random random(99);
    for (int n = 0; n < 10000; ++n) {
        // Airports in every quadrant, the aircraft up to 30 NM from the reference.
        const GeoPoint reference{random.uniform(-80, 80), random.uniform(-179, 179)};
        const GeoPoint p = feedgen::geo::destination(reference, random.uniform(0, 360),
                                                     random.uniform(0, 30));
        const Format format = n % 2 ? Format::Odd : Format::Even;
        const GeoPoint decoded =
            decodeSurfaceLocally(cpr::encodeSurface(p.latitude, p.longitude, format), format, reference);
        const double error =
            feedgen::geo::distanceNm(p, decoded) * feedgen::geo::kMetresPerNm;
        ASSERT_LT(error, 1.5) << p.latitude << ", " << p.longitude << " from " << reference.latitude
                              << ", " << reference.longitude;
    }
}

TEST(FeedCpr, AirborneReportsDecodeLocallyWithinFiveMetres) {
    // The same local decoding with the 360° airborne zones, against a reference within
    // 180 NM, as receivers decode single reports of aircraft they already track.
    feedgen::Random random(5);
    auto mod = [](double x, double y) { return x - y * std::floor(x / y); };
    for (int n = 0; n < 10000; ++n) {
        const GeoPoint reference{random.uniform(-78, 78), random.uniform(-180, 180)};
        const GeoPoint p = feedgen::geo::destination(reference, random.uniform(0, 360),
                                                     random.uniform(0, 150));
        const int i = n % 2;
        const cpr::Encoded e = cpr::encodeAirborne(p.latitude, p.longitude, i ? Format::Odd : Format::Even);
        const double dlat = 360.0 / (60 - i);
        const double yz = e.latitude / 131072.0;
        const double lat = dlat * (std::floor(reference.latitude / dlat) +
                                   std::floor(0.5 + mod(reference.latitude, dlat) / dlat - yz) + yz);
        const double dlon = 360.0 / std::max(tableNl(lat) - i, 1);
        const double xz = e.longitude / 131072.0;
        const double lon = dlon * (std::floor(reference.longitude / dlon) +
                                   std::floor(0.5 + mod(reference.longitude, dlon) / dlon - xz) + xz);
        const double error = feedgen::geo::distanceNm(p, {lat, lon}) * feedgen::geo::kMetresPerNm;
        ASSERT_LT(error, 5.0) << p.latitude << ", " << p.longitude;
    }
}

}  // namespace
