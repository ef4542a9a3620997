// Every extended squitter the generator builds, decoded again by the modes library: the values
// that went in come out (within each field's resolution), and what cannot be encoded is refused.

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include <modes/ADSBAirbornePositionMessage.h>
#include <modes/ADSBAirborneVelocityMessage.h>
#include <modes/ADSBAircraftOperationalStatusMessage.h>
#include <modes/ADSBAircraftStatusMessageV2.h>
#include <modes/ADSBIdentityMessage.h>
#include <modes/ADSBSurfacePositionMessage.h>
#include <modes/DF17Message.h>

#include "ModesRoundTrip.h"
#include "feedgen/Squitter.h"

namespace {

namespace modes = brannic::modes;
using feedgen::Frame;
using feedtest::asADSB;
using feedtest::decodeME;

constexpr uint32_t kAddress = 0x3C6586;

// The DF17 decodes with its parity, address and capability, and its ME field is `me`.
void expectSquitter(const Frame& frame, const feedgen::MEField& me, uint8_t capability) {
    modes::ModeSDecoder decoder;
    const auto message = feedtest::decodeReply(decoder, frame);
    const auto* df17 = feedtest::as<modes::DF17Message>(message);
    ASSERT_NE(df17, nullptr) << frame.hex();
    EXPECT_EQ(df17->icaoAddress(), kAddress);
    EXPECT_EQ(df17->constFieldCA().capability(), capability);
    EXPECT_EQ(df17->constFieldME().data(), std::string(me.begin(), me.end()));
}

TEST(FeedSquitter, IdentificationRoundTrip) {
    struct Row {
        const char* callsign;
        char set;
        uint8_t category;
        const char* decoded;
    };
    const Row rows[] = {
        {"DLH4KM", 'A', 3, "DLH4KM  "},  {"EZY85MH", 'A', 5, "EZY85MH "},
        {"DEABC", 'A', 1, "DEABC   "},   {"N123AB", 'B', 1, "N123AB  "},
        {"12345678", 'C', 3, "12345678"}, {"", 'D', 0, "        "},
        {"abc 1", 'A', 7, "ABC 1   "},
    };
    for (const Row& row : rows) {
        feedgen::Identification in{row.callsign, row.set, row.category};
        const auto me = feedgen::squitter::encode(in);
        ASSERT_TRUE(me) << row.callsign;
        const Frame frame = feedgen::squitter::df17(kAddress, *me);
        expectSquitter(frame, *me, 5);
        const auto message = decodeME(frame);
        const auto* id = asADSB<modes::ADSBIdentityMessage>(message);
        ASSERT_NE(id, nullptr) << row.callsign;
        EXPECT_EQ(id->callsign(), row.decoded);
        EXPECT_EQ(id->emitterCategory(), row.category);
        EXPECT_EQ(id->typeCode(), 4 - (row.set - 'A')) << row.callsign;
    }
}

TEST(FeedSquitter, IdentificationRefusesWhatTheCharacterSetLacks) {
    for (const char* text : {"DLH-123", "ABCDEFGHI", "ÄBC", "A_B"})
        EXPECT_FALSE(feedgen::squitter::encode(feedgen::Identification{text, 'A', 3})) << text;
    EXPECT_FALSE(feedgen::squitter::encode(feedgen::Identification{"ABC", 'E', 3}));
    EXPECT_FALSE(feedgen::squitter::encode(feedgen::Identification{"ABC", 'A', 8}));
}

TEST(FeedSquitter, AirbornePositionRoundTrip) {
    struct Row {
        uint8_t typeCode;
        double feet;
        feedgen::altitude::Coding coding;
        feedgen::cpr::Format format;
        int expectedFeet;
        int resolution;
    };
    using C = feedgen::altitude::Coding;
    using F = feedgen::cpr::Format;
    const Row rows[] = {
        {11, 38000, C::Feet25, F::Even, 38000, 25},   {9, -1000, C::Feet25, F::Odd, -1000, 25},
        {18, 50175, C::Feet25, F::Even, 50175, 25},   {11, 12012, C::Feet25, F::Odd, 12000, 25},
        {11, 12013, C::Feet25, F::Odd, 12025, 25},    {20, 35200, C::Feet25, F::Even, 35200, 25},
        {22, 1000, C::Feet25, F::Odd, 1000, 25},      {12, 3500, C::Gillham100, F::Even, 3500, 100},
        {10, 62000, C::Gillham100, F::Odd, 62000, 100},
    };
    for (const Row& row : rows) {
        feedgen::AirbornePosition in;
        in.typeCode = row.typeCode;
        in.altitudeFeet = row.feet;
        in.altitudeCoding = row.coding;
        in.format = row.format;
        in.latitude = 50.0333;
        in.longitude = 8.5706;
        const auto me = feedgen::squitter::encode(in);
        ASSERT_TRUE(me) << row.feet;
        const Frame frame = feedgen::squitter::df17(kAddress, *me);
        expectSquitter(frame, *me, 5);
        const auto message = decodeME(frame);
        const auto* position = asADSB<modes::ADSBAirbornePositionMessage>(message);
        ASSERT_NE(position, nullptr) << row.feet;
        EXPECT_EQ(position->altitude(), row.expectedFeet) << row.feet;
        EXPECT_EQ(position->altResolution(), row.resolution) << row.feet;
        EXPECT_EQ(position->altitudeSource(), row.typeCode >= 20 ? modes::GNSS : modes::BARO);
        EXPECT_EQ(position->cprFormat(), row.format == F::Odd ? modes::ODD : modes::EVEN);
        const auto cpr = feedgen::cpr::encodeAirborne(in.latitude, in.longitude, row.format);
        EXPECT_EQ(position->cprLatitude(), static_cast<int32_t>(cpr.latitude));
        EXPECT_EQ(position->cprLongitude(), static_cast<int32_t>(cpr.longitude));
    }
}

TEST(FeedSquitter, AirbornePositionRefusals) {
    feedgen::AirbornePosition in;
    in.altitudeFeet = 30000;
    for (uint8_t tc : {0, 8, 19, 23, 31}) {
        in.typeCode = tc;
        EXPECT_FALSE(feedgen::squitter::encode(in)) << int(tc);
    }
    in.typeCode = 11;
    for (double feet : {-1025.0, 50200.0}) {
        in.altitudeFeet = feet;
        EXPECT_FALSE(feedgen::squitter::encode(in)) << feet;
    }
    in.altitudeFeet = std::nullopt;  // no altitude: the field is 0, which is allowed
    const auto me = feedgen::squitter::encode(in);
    ASSERT_TRUE(me);
    EXPECT_EQ((*me)[1], 0);
    EXPECT_EQ((*me)[2] & 0xF0, 0);
    in.latitude = 90.5;
    EXPECT_FALSE(feedgen::squitter::encode(in));
}

TEST(FeedSquitter, SurfacePositionRoundTrip) {
    struct Row {
        double knots;
        bool trackValid;
        double track;
        uint8_t movement;
        double decodedKnots;
        double decodedTrack;
    };
    // Movement codes and their speeds as the decoder reads them (DO-260B Table 2-15).
    const Row rows[] = {
        {0.0, false, 0, 1, 0.0, 0},          {0.1, false, 0, 1, 0.0, 0},
        {0.13, true, 90, 2, 0.125, 90},      {0.5, true, 180, 5, 0.41666, 180},
        {1.0, true, 270, 9, 1.0, 270},       {1.9, true, 2.8125, 12, 1.75, 2.8125},
        {2.0, true, 359, 13, 2.0, 0},        {14.5, true, 45, 38, 14.5, 45},
        {17.0, true, 92.8125, 41, 17.0, 92.8125}, {69.9, true, 200, 93, 69.0, 199.6875},
        {70.0, true, 10, 94, 70.0, 11.25},  {99.0, true, 11.25, 108, 98.0, 11.25},
        {100.0, true, 11.25, 109, 100.0, 11.25}, {174.0, true, 11.25, 123, 170.0, 11.25},
        {200.0, true, 11.25, 124, 175.0, 11.25}, {-1.0, false, 0, 0, 0.0, 0},
    };
    for (const Row& row : rows) {
        feedgen::SurfacePosition in;
        in.groundSpeedKnots = row.knots;
        in.trackValid = row.trackValid;
        in.trackDegrees = row.track;
        in.format = feedgen::cpr::Format::Odd;
        in.latitude = 50.0507;
        in.longitude = 8.5718;
        EXPECT_EQ(feedgen::squitter::movementCode(row.knots), row.movement) << row.knots;
        const auto me = feedgen::squitter::encode(in);
        ASSERT_TRUE(me) << row.knots;
        const Frame frame = feedgen::squitter::df17(kAddress, *me, 4);
        expectSquitter(frame, *me, 4);
        const auto message = decodeME(frame);
        const auto* surface = asADSB<modes::ADSBSurfacePositionMessage>(message);
        ASSERT_NE(surface, nullptr) << row.knots;
        EXPECT_EQ(surface->movementCode(), row.movement) << row.knots;
        EXPECT_NEAR(surface->groundSpeed(), row.decodedKnots, 1e-3) << row.knots;
        EXPECT_EQ(surface->headingValid(), row.trackValid) << row.knots;
        EXPECT_NEAR(surface->heading(), row.decodedTrack, 1e-9) << row.knots;
        EXPECT_EQ(surface->cprFormat(), modes::ODD);
        const auto cpr = feedgen::cpr::encodeSurface(in.latitude, in.longitude, in.format);
        EXPECT_EQ(surface->cprLatitude(), static_cast<int32_t>(cpr.latitude));
        EXPECT_EQ(surface->cprLongitude(), static_cast<int32_t>(cpr.longitude));
    }
}

TEST(FeedSquitter, AirborneVelocityRoundTrip) {
    struct Row {
        std::optional<double> east;
        std::optional<double> north;
        bool supersonic;
        std::optional<int> rate;
        double speed;
        double heading;
        int decodedRate;
    };
    const Row rows[] = {
        {100.0, 0.0, false, 0, 100.0, 90.0, 0},
        {-100.0, 0.0, false, -640, 100.0, 270.0, -640},
        {0.0, 250.0, false, 1984, 250.0, 0.0, 1984},
        {0.0, -250.0, false, -1000, 250.0, 180.0, -1024},
        {300.0, 400.0, false, 64, 500.0, 36.8699, 64},
        {-353.6, -353.6, false, 2500, 500.0, 225.0, 2496},
        {1200.0, 1600.0, true, 0, 2000.0, 36.8699, 0},
        {1500.0, 0.0, false, 40000, 1022.0, 90.0, 32640},  // beyond the field: the largest value
        {std::nullopt, 200.0, false, std::nullopt, 0.0, 0.0, 0},  // no east component: no speed
    };
    for (const Row& row : rows) {
        feedgen::AirborneVelocity in;
        in.eastKnots = row.east;
        in.northKnots = row.north;
        in.supersonic = row.supersonic;
        in.verticalRateFeetPerMinute = row.rate;
        const auto me = feedgen::squitter::encode(in);
        ASSERT_TRUE(me);
        const Frame frame = feedgen::squitter::df17(kAddress, *me);
        expectSquitter(frame, *me, 5);
        const auto message = decodeME(frame);
        const auto* velocity = asADSB<modes::ADSBAirborneVelocityMessage>(message);
        ASSERT_NE(velocity, nullptr) << row.speed;
        EXPECT_NEAR(velocity->groundSpeed(), row.speed, row.supersonic ? 4.0 : 0.75) << row.speed;
        EXPECT_NEAR(velocity->heading(), row.heading, 0.2) << row.speed;
        EXPECT_EQ(velocity->verticalRate(), row.decodedRate) << row.speed;
        EXPECT_EQ(velocity->verticalRateSource(), modes::BARO);
        EXPECT_EQ(velocity->velocityType(), row.supersonic
                                                ? modes::ADSBAirborneVelocityMessage::GROUND_SPEED_SUPER_SONIC
                                                : modes::ADSBAirborneVelocityMessage::GROUND_SPEED);
    }
}

TEST(FeedSquitter, VelocityFieldsNotDecodedByTheLibraryStandWhereDO260BPutsThem) {
    feedgen::AirborneVelocity in;
    in.eastKnots = 10;
    in.northKnots = 10;
    in.nacv = 5;
    in.verticalRateBaro = false;
    in.gnssAboveBaroFeet = -250;
    const auto me = feedgen::squitter::encode(in);
    ASSERT_TRUE(me);
    EXPECT_EQ(((*me)[1] >> 3) & 7, 5) << "NACv in ME bits 11 to 13";
    EXPECT_EQ((*me)[4] & 0x10, 0) << "vertical rate source GNSS";
    EXPECT_EQ((*me)[6], 0x80 | 11) << "GNSS below baro by 250 ft: sign, then 10 + 1";
    in.nacv = 8;
    EXPECT_FALSE(feedgen::squitter::encode(in));
}

TEST(FeedSquitter, OperationalStatusRoundTrip) {
    for (uint8_t version : {1, 2}) {
        for (bool surface : {false, true}) {
            feedgen::OperationalStatus in;
            in.version = version;
            in.surface = surface;
            in.nicSupplementA = surface;
            const auto me = feedgen::squitter::encode(in);
            ASSERT_TRUE(me);
            EXPECT_EQ((*me)[0] & 7, surface ? 1 : 0) << "subtype";
            const Frame frame = feedgen::squitter::df17(kAddress, *me);
            expectSquitter(frame, *me, 5);
            const auto message = decodeME(frame, static_cast<modes::MOPSVersion>(version));
            const auto* status = asADSB<modes::ADSBAircraftOperationalStatusMessage>(message);
            ASSERT_NE(status, nullptr);
            EXPECT_EQ(status->versionNumber(), version);
            EXPECT_EQ(status->nicSupplementA(), surface);
        }
    }
    feedgen::OperationalStatus bad;
    bad.nacp = 16;
    EXPECT_FALSE(feedgen::squitter::encode(bad));
}

TEST(FeedSquitter, AircraftStatusCarriesTheModeACode) {
    for (uint32_t squawk : {07700u, 01000u, 07000u, 02345u, 0u, 07777u}) {
        feedgen::AircraftStatus in;
        in.squawk = squawk;
        in.emergencyState = squawk == 07700 ? 1 : 0;
        const auto me = feedgen::squitter::encode(in);
        ASSERT_TRUE(me);
        const auto message = decodeME(feedgen::squitter::df17(kAddress, *me));
        const auto* status = asADSB<modes::ADSBAircraftStatusMessageV2>(message);
        ASSERT_NE(status, nullptr) << std::oct << squawk;
        EXPECT_EQ(status->modeACode(), squawk) << std::oct << squawk;
        EXPECT_EQ(status->emergencyState(), in.emergencyState);
    }
    EXPECT_FALSE(feedgen::squitter::encode(feedgen::AircraftStatus{0, 010000}));
}

}  // namespace
