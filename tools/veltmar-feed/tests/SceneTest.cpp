// The simulated scene: the same seed gives the same stream; the stream decodes through the
// modes library into the aircraft the scene flies, where they should be, at the rates real
// transponders keep; arrival streams keep to their bounds; injected bad pairs are what they
// claim to be.

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>
#include <modes/DF17Message.h>

#include "ModesRoundTrip.h"
#include "feedgen/Airports.h"
#include "feedgen/Bits.h"
#include "feedgen/Cpr.h"
#include "feedgen/Scene.h"

namespace {

namespace modes = brannic::modes;
using feedgen::Frame;
using feedgen::Scene;
using feedgen::SceneConfig;
using feedgen::Transmission;

constexpr int64_t kNs = 1000000000;
constexpr int64_t kStart = 1700000000 * kNs;

SceneConfig smallScene(size_t aircraft = 60, uint64_t seed = 1) {
    SceneConfig config;
    config.aircraft = aircraft;
    config.seed = seed;
    config.startNs = kStart;
    return config;
}

std::vector<Transmission> take(Scene& scene, double seconds) {
    std::vector<Transmission> out;
    Transmission t;
    while (scene.next(t) && t.timeNs < kStart + static_cast<int64_t>(seconds * kNs))
        out.push_back(t);
    return out;
}

unsigned typeCode(const Frame& f) {
    return f.bytes[4] >> 3;
}

uint32_t squitterAddress(const Frame& f) {
    return static_cast<uint32_t>(feedgen::bits::get(f.data(), 8, 31));
}

TEST(FeedScene, SameSeedSameStreamOtherSeedOtherStream) {
    Scene a(smallScene(40, 7));
    Scene b(smallScene(40, 7));
    Scene c(smallScene(40, 8));
    const auto sa = take(a, 30);
    const auto sb = take(b, 30);
    const auto sc = take(c, 30);
    ASSERT_EQ(sa.size(), sb.size());
    for (size_t i = 0; i < sa.size(); ++i) {
        ASSERT_EQ(sa[i].timeNs, sb[i].timeNs) << i;
        ASSERT_EQ(sa[i].frame, sb[i].frame) << i;
        ASSERT_EQ(sa[i].signal, sb[i].signal) << i;
    }
    size_t same = 0;
    for (size_t i = 0; i < std::min(sa.size(), sc.size()); ++i)
        same += sa[i].frame == sc[i].frame;
    EXPECT_LT(same, sa.size() / 100);
}

TEST(FeedScene, StreamIsInTimeOrderAndDecodesIntoTheScenesAircraft) {
    Scene scene(smallScene(60));
    const auto stream = take(scene, 120);
    modes::ModeSDecoder decoder;
    modes::ADSBTracker tracker;
    std::map<unsigned, size_t> perFormat;
    int64_t previous = 0;
    for (const Transmission& t : stream) {
        ASSERT_GE(t.timeNs, previous);
        previous = t.timeNs;
        const auto message = feedtest::decodeReply(decoder, t.frame, static_cast<uint64_t>(t.timeNs / 1000000));
        ASSERT_NE(message, nullptr) << t.frame.hex();
        ++perFormat[t.frame.downlinkFormat()];
        tracker.procModeSMsg(message.get());
    }
    for (unsigned df : {0u, 4u, 5u, 11u, 17u, 20u, 21u})
        EXPECT_GT(perFormat[df], 0u) << "DF" << df;
    EXPECT_EQ(perFormat.size(), 7u);

    const auto targets = tracker.allTargets();
    EXPECT_EQ(targets.size(), scene.aircraft().size());
    std::map<uint32_t, const feedgen::AircraftProfile*> profiles;
    for (const auto& p : scene.aircraft())
        profiles[p.address] = &p;
    size_t placed = 0;
    for (const auto& target : targets) {
        const auto* profile = profiles.at(target.icaoAddr());
        std::string callsign = profile->callsign;
        callsign.resize(8, ' ');
        EXPECT_EQ(target.callsign(), callsign);
        const feedgen::FlightState* state = scene.stateOf(target.icaoAddr());
        ASSERT_NE(state, nullptr);
        if (state->onGround)
            continue;
        ASSERT_TRUE(target.positionValid()) << std::hex << target.icaoAddr();
        // The target lags the aircraft by at most one report interval.
        const double lag = feedgen::geo::distanceNm(state->position, {target.latitude(), target.longitude()});
        EXPECT_LT(lag, 0.2) << std::hex << target.icaoAddr();
        EXPECT_NEAR(target.altitudeBaro(), state->altitudeFeet, 300.0);
        EXPECT_NEAR(target.groundSpeed(), state->groundSpeedKnots, 3.0);
        ++placed;
    }
    EXPECT_GE(placed, scene.aircraft().size() - 3);
}

TEST(FeedScene, AircraftFlyWithinRangeAndEnvelope) {
    SceneConfig config = smallScene(80);
    config.radiusNm = 80;
    config.modeSReplies = false;
    Scene scene(config);
    std::map<uint32_t, feedgen::FlightState> last;
    Transmission t;
    int64_t nextCheck = kStart;
    double maxTurn = 0;
    while (scene.next(t) && t.timeNs < kStart + 900 * kNs) {
        if (t.timeNs < nextCheck)
            continue;
        nextCheck += 10 * kNs;
        for (const auto& profile : scene.aircraft()) {
            const feedgen::FlightState* s = scene.stateOf(profile.address);
            ASSERT_NE(s, nullptr);
            const double distance = feedgen::geo::distanceNm(config.centre, s->position);
            if (s->onGround) {
                EXPECT_LT(s->groundSpeedKnots, 20.0);
                continue;
            }
            EXPECT_LT(distance, config.radiusNm * 1.15) << std::hex << profile.address;
            EXPECT_GT(s->altitudeFeet, 400.0);
            EXPECT_LT(s->altitudeFeet, 45500.0);
            EXPECT_GT(s->groundSpeedKnots, 80.0);
            EXPECT_LT(s->groundSpeedKnots, 520.0);
            EXPECT_LE(std::fabs(s->verticalRateFeetPerMinute), 6000.0);
            maxTurn = std::max(maxTurn, std::fabs(s->turnRateDegreesPerSecond));
        }
    }
    EXPECT_LE(maxTurn, 3.0 + 1e-9);
    EXPECT_GT(maxTurn, 0.5) << "some aircraft turn";
}

TEST(FeedScene, AircraftOnTheGroundSendSurfacePositionsAtTheirAirports) {
    SceneConfig config = smallScene(150);
    Scene scene(config);
    const auto airports = feedgen::airports::near(config.centre, 40);
    ASSERT_EQ(airports.front().icao, "EDDF");
    std::set<uint32_t> onGround;
    for (const auto& p : scene.aircraft()) {
        if (scene.stateOf(p.address)->onGround)
            onGround.insert(p.address);
    }
    EXPECT_EQ(onGround.size(), 6u) << "one in 25";
    size_t surfaceReports = 0;
    for (const Transmission& t : take(scene, 300)) {
        if (t.frame.downlinkFormat() != 17)
            continue;
        const unsigned tc = typeCode(t.frame);
        const bool ground = onGround.count(squitterAddress(t.frame)) > 0;
        EXPECT_EQ(t.frame.bytes[0] & 7, ground ? 4 : 5) << "capability: on the ground or airborne";
        const bool surfaceKind = tc >= 5 && tc <= 8;
        const bool airborneKind = (tc >= 9 && tc <= 22);  // positions and velocity
        EXPECT_FALSE(ground ? airborneKind : surfaceKind) << t.frame.hex();
        if (!surfaceKind)
            continue;
        ++surfaceReports;
        const feedgen::FlightState* s = scene.stateOf(squitterAddress(t.frame));
        double nearest = 1e9;
        for (const auto& airport : airports)
            nearest = std::min(nearest, feedgen::geo::distanceNm(airport.position, s->position));
        EXPECT_LT(nearest * feedgen::geo::kMetresPerNm, 1200.0);
    }
    EXPECT_GT(surfaceReports, 6u * 30);
}

TEST(FeedScene, TransmissionRatesFollowTheStandards) {
    Scene scene(smallScene(50));
    const double seconds = 300;
    std::map<uint32_t, std::map<std::string, int>> counts;
    for (const Transmission& t : take(scene, seconds)) {
        const Frame& f = t.frame;
        const unsigned df = f.downlinkFormat();
        if (df == 17) {
            const unsigned tc = typeCode(f);
            const std::string kind = tc <= 4 ? "ident" : tc <= 8 ? "surface" : tc == 19 ? "velocity"
                                   : tc == 28 ? "status" : tc == 31 ? "opstatus" : "position";
            ++counts[squitterAddress(f)][kind];
        } else if (df == 11 && (feedgen::bits::get(f.data(), 32, 55) ^ 0) != 0) {
            ++counts[squitterAddress(f)]["df11"];
        }
    }
    for (const auto& profile : scene.aircraft()) {
        auto& c = counts[profile.address];
        if (scene.stateOf(profile.address)->onGround)
            continue;
        EXPECT_NEAR(c["position"], seconds * 2, seconds * 0.1) << std::hex << profile.address;
        EXPECT_NEAR(c["velocity"], seconds * 2, seconds * 0.1);
        EXPECT_NEAR(c["ident"], seconds / 5, 3);
        EXPECT_NEAR(c["opstatus"], profile.adsbVersion > 0 ? seconds / 2.5 : 0, 3);
        EXPECT_NEAR(c["status"], profile.adsbVersion == 2 ? seconds / 5 : 0, 3);
    }
}

TEST(FeedScene, ArrivalStreamKeepsWithinItsBounds) {
    for (bool modeS : {false, true}) {
        SceneConfig config = smallScene(300);
        config.arrivals = true;
        config.lifetimeSeconds = 20;
        config.expirySeconds = 10;
        config.maxAlive = 50;
        config.modeSReplies = modeS;
        config.mismatchedPairsPerSecond = modeS ? 0.5 : 0.0;  // the stream still ends
        Scene scene(config);
        EXPECT_DOUBLE_EQ(scene.arrivalIntervalSeconds(), 0.6);
        std::map<uint32_t, int64_t> firstSquitter;
        std::map<uint32_t, int64_t> lastHeard;
        size_t maxHeld = 0;
        size_t replies = 0;
        modes::ModeSDecoder decoder;
        Transmission t;
        int64_t end = 0;
        while (scene.next(t)) {
            const auto message = feedtest::decodeReply(decoder, t.frame, static_cast<uint64_t>(t.timeNs / 1000000));
            ASSERT_NE(message, nullptr);
            const uint32_t address = message->icaoAddress();
            if (t.frame.downlinkFormat() == 17) {
                firstSquitter.emplace(address, t.timeNs);
            } else {
                ASSERT_TRUE(modeS) << "an ADS-B-only stream has only squitters";
                ASSERT_TRUE(firstSquitter.count(address)) << "a reply before the first squitter";
                EXPECT_GE(t.timeNs - firstSquitter[address], 200000000) << std::hex << address;
                // Replies with the address under the parity are trusted once a squitter has
                // confirmed it (DF11 is graded by its interrogator instead).
                if (t.frame.downlinkFormat() != 11) {
                    EXPECT_EQ(message->confidence(), modes::ModeSMessage::FULL) << t.frame.hex();
                }
                ++replies;
            }
            lastHeard[address] = t.timeNs;
            // Targets a tracker holds: heard within the expiry.
            size_t held = 0;
            if (lastHeard.size() % 10 == 0) {
                for (const auto& [a, when] : lastHeard)
                    held += t.timeNs - when <= 10 * kNs;
                maxHeld = std::max(maxHeld, held);
            }
            end = t.timeNs;
        }
        EXPECT_EQ(firstSquitter.size(), 300u);
        EXPECT_LE(maxHeld, 52u);
        EXPECT_GT(maxHeld, 40u);
        EXPECT_NEAR(static_cast<double>(end - kStart) / kNs, 299 * 0.6 + 20, 1.0) << "ends after the last departure";
        EXPECT_EQ(replies > 0, modeS);
        EXPECT_EQ(scene.alive(), 0u);
    }
}

TEST(FeedScene, MeasurementStreamsHoldAThousandTargetsUnderASixtySecondExpiry) {
    for (bool mixed : {false, true}) {
        const SceneConfig config = feedgen::arrivalStream(mixed ? 20000 : 5000, mixed, 1, kStart);
        EXPECT_EQ(config.aircraft, mixed ? 20000u : 5000u);
        EXPECT_EQ(config.modeSReplies, mixed);
        Scene scene(config);
        EXPECT_DOUBLE_EQ(scene.arrivalIntervalSeconds(), 0.18) << "(120 s + 60 s) / 1000";
        Transmission t;
        ASSERT_TRUE(scene.next(t));
        EXPECT_EQ(t.frame.downlinkFormat(), 17u);
        EXPECT_EQ(typeCode(t.frame), 4u) << "an arrival announces itself with its identification";
    }
}

TEST(FeedScene, MismatchedPairsAreAwayFromTheAircraft) {
    SceneConfig config = smallScene(30);
    config.mismatchedPairsPerSecond = 2;
    config.modeSReplies = false;
    Scene scene(config);
    size_t far = 0;
    Transmission t;
    while (scene.next(t) && t.timeNs < kStart + 60 * kNs) {
        const unsigned tc = typeCode(t.frame);
        if (tc < 9 || tc > 18)
            continue;
        // Decode the report locally against where the aircraft really is now.
        const feedgen::FlightState* s = scene.stateOf(squitterAddress(t.frame));
        const bool odd = feedgen::bits::get(t.frame.data(), 53, 53) == 1;
        const auto truth = feedgen::cpr::encodeAirborne(s->position.latitude, s->position.longitude,
                                                        odd ? feedgen::cpr::Format::Odd : feedgen::cpr::Format::Even);
        const uint32_t yz = static_cast<uint32_t>(feedgen::bits::get(t.frame.data(), 54, 70));
        const uint32_t xz = static_cast<uint32_t>(feedgen::bits::get(t.frame.data(), 71, 87));
        const auto distance = [](uint32_t a, uint32_t b) {
            const uint32_t d = a > b ? a - b : b - a;
            return std::min(d, 131072 - d);
        };
        // The real reports lie within a few CPR steps (the aircraft moves); the injected ones
        // are tens of miles off, thousands of steps.
        if (distance(yz, truth.latitude) > 2000 || distance(xz, truth.longitude) > 2000)
            ++far;
    }
    EXPECT_EQ(far, scene.mismatchedPairs());
    EXPECT_NEAR(static_cast<double>(far), 120.0, 40.0);
}

TEST(FeedScene, DatabaseAircraftFlyUnderTheirAirlinesCallsigns) {
    SceneConfig config = smallScene(4);
    config.database = {
        {0x3C6586, "D-AIBA", "A320", "Airbus A320-214", "Lufthansa"},
        {0x4CA2D6, "EI-DCL", "B738", "Boeing 737-8AS", "Ryanair"},
        {0x3D0001, "D-EFGH", "C172", "Cessna 172", "Private"},
        {0xA00001, "N1234X", "EC35", "Airbus Helicopters H135", "Private"},
        {0x3C0002, "GND-01", "-GND", "Airport Ground Vehicle", "Fraport"},
    };
    Scene scene(config);
    std::map<uint32_t, feedgen::AircraftProfile> byAddress;
    for (const auto& p : scene.aircraft())
        byAddress[p.address] = p;
    ASSERT_EQ(byAddress.size(), 4u);
    EXPECT_EQ(byAddress.at(0x3C6586).callsign.substr(0, 3), "DLH");
    EXPECT_EQ(byAddress.at(0x3C6586).type.category, 3);
    EXPECT_EQ(byAddress.at(0x4CA2D6).callsign.substr(0, 3), "RYR");
    EXPECT_EQ(byAddress.at(0x3D0001).callsign, "DEFGH");
    EXPECT_EQ(byAddress.at(0xA00001).callsign, "N1234X");
    EXPECT_EQ(byAddress.at(0xA00001).type.category, 7) << "rotorcraft";
    EXPECT_EQ(byAddress.count(0x3C0002), 0u) << "ground vehicles do not fly";

    config.aircraft = 10;  // more than the database has: the rest made up, addresses distinct
    Scene bigger(config);
    std::set<uint32_t> addresses;
    for (const auto& p : bigger.aircraft())
        addresses.insert(p.address);
    EXPECT_EQ(addresses.size(), 10u);
}

}  // namespace
