// Impairments against the clean stream they were applied to: the frames they say they damaged
// are the ones that differ, by the number of bits they say; noise comes at its rate, between
// the real frames, in time order.

#include <bitset>
#include <cmath>
#include <map>

#include <gtest/gtest.h>

#include "feedgen/Impairments.h"
#include "feedgen/Scene.h"

namespace {

using feedgen::Frame;
using feedgen::Impairments;
using feedgen::ImpairmentConfig;
using feedgen::Transmission;

constexpr int64_t kNs = 1000000000;

feedgen::SceneConfig sceneConfig() {
    feedgen::SceneConfig config;
    config.aircraft = 40;
    config.seed = 3;
    return config;
}

unsigned differingBits(const Frame& a, const Frame& b) {
    unsigned count = 0;
    for (unsigned i = 0; i < a.size; ++i)
        count += static_cast<unsigned>(std::bitset<8>(a.bytes[i] ^ b.bytes[i]).count());
    return count;
}

struct Comparison {
    size_t frames = 0;
    size_t changed = 0;
    std::map<unsigned, size_t> changedByBits;
    size_t changedSquitters = 0;
    size_t noise = 0;
};

Comparison compare(const ImpairmentConfig& config, double seconds) {
    feedgen::Scene clean(sceneConfig());
    feedgen::Scene source(sceneConfig());
    Impairments impaired(source, config);
    Comparison result;
    Transmission a;
    Transmission b;
    int64_t previous = 0;
    while (impaired.next(b) && b.timeNs < static_cast<int64_t>(seconds * kNs)) {
        EXPECT_GE(b.timeNs, previous);
        previous = b.timeNs;
        if (!clean.next(a)) {
            ADD_FAILURE() << "the impaired stream is longer";
            break;
        }
        while (a.timeNs != b.timeNs || a.frame.size != b.frame.size ||
               differingBits(a.frame, b.frame) > 3) {
            // A noise frame: the clean frame waits for the next one.
            ++result.noise;
            if (!impaired.next(b))
                return result;
        }
        ++result.frames;
        const unsigned bits = differingBits(a.frame, b.frame);
        if (bits > 0) {
            ++result.changed;
            ++result.changedByBits[bits];
            result.changedSquitters += a.frame.downlinkFormat() == 17;
        }
    }
    return result;
}

TEST(FeedImpairments, BitErrorsHitTheGivenShareWithTheGivenNumberOfBits) {
    for (unsigned bits : {1u, 2u, 3u}) {
        ImpairmentConfig config;
        config.bitErrorShare = 0.1;
        config.bitErrorBits = bits;
        feedgen::Scene source(sceneConfig());
        Impairments impaired(source, config);
        Comparison c = compare(config, 60);
        EXPECT_EQ(c.changedByBits.size(), 1u);
        EXPECT_EQ(c.changedByBits[bits], c.changed) << bits;
        EXPECT_NEAR(static_cast<double>(c.changed) / c.frames, 0.1, 0.01);
        EXPECT_EQ(c.noise, 0u);
        Transmission t;
        while (impaired.next(t) && t.timeNs < 60 * kNs) {
        }
        EXPECT_EQ(impaired.counts().framesWithBitErrors, c.changed);
        EXPECT_EQ(impaired.counts().bitsFlipped, c.changed * bits);
    }
}

TEST(FeedImpairments, DamagedSquittersHaveTwoOrThreeBitsFlipped) {
    ImpairmentConfig config;
    config.damagedSquittersPerSecond = 5;
    Comparison c = compare(config, 120);
    EXPECT_EQ(c.changed, c.changedSquitters) << "only extended squitters are damaged";
    EXPECT_EQ(c.changedByBits.count(1), 0u);
    EXPECT_GT(c.changedByBits[2], 200u);
    EXPECT_GT(c.changedByBits[3], 200u);
    EXPECT_NEAR(static_cast<double>(c.changed), 600.0, 90.0);
}

TEST(FeedImpairments, NoiseFramesComeAtTheirRate) {
    ImpairmentConfig config;
    config.noiseFramesPerSecond = 20;
    feedgen::Scene source(sceneConfig());
    Impairments impaired(source, config);
    Transmission t;
    while (impaired.next(t) && t.timeNs < 100 * kNs) {
    }
    Comparison c = compare(config, 100);
    EXPECT_EQ(c.changed, 0u);
    EXPECT_NEAR(static_cast<double>(c.noise), 2000.0, 150.0);
    EXPECT_NEAR(static_cast<double>(impaired.counts().noiseFrames), static_cast<double>(c.noise), 2.0);
}

TEST(FeedImpairments, FlipBitsFlipsDistinctBits) {
    feedgen::Random random(1);
    for (int n = 0; n < 1000; ++n) {
        Frame frame;
        frame.size = n % 2 ? Frame::kShortBytes : Frame::kLongBytes;
        Frame copy = frame;
        const unsigned count = 1 + n % 3;
        Impairments::flipBits(copy, count, random);
        ASSERT_EQ(differingBits(frame, copy), count);
    }
    Frame modeAC = Frame::fromHex("0000");
    Impairments::flipBits(modeAC, 3, random);
    EXPECT_EQ(differingBits(Frame::fromHex("0000"), modeAC), 3u);
}

}  // namespace
