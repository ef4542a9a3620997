// Pacing, driven with times chosen by the test (no clock, no sleeping): which frames are due
// when, at a speed, at a rate, as fast as the output takes them, and where a duration ends.

#include <vector>

#include <gtest/gtest.h>

#include "feedgen/AvrWriter.h"
#include "feedio/Player.h"

namespace {

using feedgen::Transmission;
using feedio::Pacing;
using feedio::Player;

constexpr int64_t kNs = 1000000000;

// Frames at the given stream times (seconds, from 100 s on).
class ListSource : public feedgen::TransmissionSource {
public:
    explicit ListSource(std::vector<double> seconds) : _seconds(std::move(seconds)) {}
    bool next(Transmission& out) override {
        if (_index >= _seconds.size())
            return false;
        out = Transmission{};
        out.timeNs = 100 * kNs + static_cast<int64_t>(_seconds[_index] * kNs);
        out.frame = feedgen::Frame::fromHex("5D4840D6BDC5E1");
        ++_index;
        return true;
    }

private:
    std::vector<double> _seconds;
    size_t _index = 0;
};

// Keeps what it is given; takes more only while `open`, and no piece over `chunk` bytes.
class CaptureOutput : public feedio::FeedOutput {
public:
    bool open() override { return true; }
    bool write(const QByteArray& bytes) override {
        pieces.push_back(bytes);
        return true;
    }
    bool wantsMore() const override { return accepting; }
    int maxChunk() const override { return chunk; }
    size_t lines() const {
        size_t n = 0;
        for (const QByteArray& p : pieces)
            n += static_cast<size_t>(p.count('\n'));
        return n;
    }
    std::vector<QByteArray> pieces;
    bool accepting = true;
    int chunk = 0;
};

// `count` stream times `step` seconds apart, from 0.
std::vector<double> evenly(int count, double step) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i)
        times.push_back(i * step);
    return times;
}

const feedgen::AvrWriter kWriter(feedgen::ReceiverClock(feedgen::ClockKind::Counter12MHz, 0), false);

TEST(FeedPlayer, StreamTimeAtASpeed) {
    ListSource source({0.0, 0.5, 1.0, 1.5, 2.0, 10.0});
    CaptureOutput output;
    Pacing pacing;
    pacing.speed = 2.0;
    Player player(source, kWriter, output, pacing);
    struct Step {
        double elapsed;
        size_t lines;
    };
    // At twice the speed, stream second s is due at s / 2.
    for (const Step& step : {Step{0.0, 1}, Step{0.2, 1}, Step{0.25, 2}, Step{0.49, 2}, Step{0.74, 3}, Step{1.0, 5},
                             Step{4.9, 5}}) {
        player.advance(step.elapsed);
        EXPECT_EQ(output.lines(), step.lines) << step.elapsed;
    }
    int finished = 0;
    QObject::connect(&player, &Player::finished, [&] { ++finished; });
    player.advance(5.0);
    EXPECT_EQ(output.lines(), 6u);
    EXPECT_EQ(finished, 1);
    EXPECT_DOUBLE_EQ(player.streamSeconds(), 10.0);
}

TEST(FeedPlayer, FixedRateIgnoresStreamTimes) {
    ListSource source(std::vector<double>(1000, 5.0));
    CaptureOutput output;
    Pacing pacing;
    pacing.mode = Pacing::Mode::Rate;
    pacing.framesPerSecond = 300;
    Player player(source, kWriter, output, pacing);
    player.advance(0.1);
    EXPECT_EQ(output.lines(), 30u);
    player.advance(1.0);
    EXPECT_EQ(output.lines(), 300u);
    EXPECT_EQ(player.framesSent(), 300u);
}

TEST(FeedPlayer, FastWaitsForTheOutput) {
    ListSource source(evenly(5000, 0.001));
    CaptureOutput output;
    output.accepting = false;
    Pacing pacing;
    pacing.mode = Pacing::Mode::Fast;
    Player player(source, kWriter, output, pacing);
    player.advance(0);
    EXPECT_EQ(output.lines(), 0u) << "nothing while the output takes nothing";
    output.accepting = true;
    while (output.lines() < 5000 && output.pieces.size() < 10000)
        player.advance(0);
    EXPECT_EQ(output.lines(), 5000u);
}

TEST(FeedPlayer, DurationEndsTheStreamAndPiecesKeepFramesWhole) {
    ListSource source(evenly(100, 0.1));
    CaptureOutput output;
    output.chunk = 100;  // three 32-byte lines fit
    Pacing pacing;
    pacing.mode = Pacing::Mode::Fast;
    pacing.durationSeconds = 5.0;
    Player player(source, kWriter, output, pacing);
    int finished = 0;
    QObject::connect(&player, &Player::finished, [&] { ++finished; });
    player.advance(0);
    EXPECT_EQ(output.lines(), 50u) << "stream seconds 0 to 4.9";
    EXPECT_EQ(finished, 1);
    for (const QByteArray& piece : output.pieces) {
        EXPECT_LE(piece.size(), 100);
        EXPECT_TRUE(piece.endsWith('\n'));
    }
    EXPECT_EQ(player.bytesSent(), 50u * 17);
}

}  // namespace
