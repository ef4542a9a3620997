// Replaying recordings: which time each frame gets (kept, spread, anchored, gaps cut), looping,
// and the recordings of the modes library's tests replayed whole.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempFile.h"
#include "TestData.h"
#include "feedgen/BeastWriter.h"
#include "feedgen/Recording.h"

namespace {

using feedgen::ClockKind;
using feedgen::Recording;
using feedgen::RecordingConfig;
using feedgen::Transmission;
using feedtest::TempFile;

constexpr int64_t kNs = 1000000000;
constexpr int64_t kMs = 1000000;

std::vector<int64_t> times(Recording& recording, size_t limit = 1000) {
    std::vector<int64_t> out;
    Transmission t;
    while (out.size() < limit && recording.next(t))
        out.push_back(t.timeNs);
    return out;
}

RecordingConfig configFor(const std::string& path) {
    RecordingConfig config;
    config.path = path;
    config.anchorNs = 1700000000 * kNs;
    return config;
}

TEST(FeedRecording, CsvFramesOfOneWholeSecondAreSpreadOverIt) {
    const TempFile file("100,5D4840D6BDC5E1\n100,5D4840D6BDC5E1\n100,5D4840D6BDC5E1\n100,5D4840D6BDC5E1\n"
                        "101,5D4840D6BDC5E1\n101.5,5D4840D6BDC5E1\n102,5D4840D6BDC5E1\n102,5D4840D6BDC5E1\n");
    Recording recording(configFor(file.path()));
    ASSERT_TRUE(recording.ok());
    EXPECT_EQ(times(recording), (std::vector<int64_t>{100 * kNs, 100 * kNs + 250 * kMs, 100 * kNs + 500 * kMs,
                                                      100 * kNs + 750 * kMs, 101 * kNs, 101 * kNs + 500 * kMs,
                                                      102 * kNs, 102 * kNs + 500 * kMs}));
    EXPECT_EQ(recording.format(), feedgen::RecordingFormat::Csv);
}

std::string beastFrame(int64_t stampNs, ClockKind clock = ClockKind::Counter12MHz) {
    Transmission t;
    t.frame = feedgen::Frame::fromHex("5D4840D6BDC5E1");
    t.timeNs = stampNs;
    std::string bytes;
    feedgen::BeastWriter(feedgen::ReceiverClock(clock, 0)).append(t, bytes);
    return bytes;
}

TEST(FeedRecording, ReceiverStampsCountFromTheAnchorWithGapsCut) {
    // 1 s, 1.5 s, back to 1.2 s (no gap), on to 101.2 s (cut to 10 s), then a frame without
    // a stamp (the untimed spacing).
    std::string bytes = beastFrame(1 * kNs) + beastFrame(1500 * kMs) + beastFrame(1200 * kMs) +
                        beastFrame(101200 * kMs);
    bytes += std::string("\x1a" "2" "\0\0\0\0\0\0" "\x10" "\x5D\x48\x40\xD6\xBD\xC5\xE1", 16);
    const TempFile file(bytes);
    RecordingConfig config = configFor(file.path());
    config.untimedSpacingSeconds = 0.002;
    Recording recording(config);
    const int64_t a = config.anchorNs;
    EXPECT_EQ(times(recording), (std::vector<int64_t>{a, a + 500 * kMs, a + 500 * kMs, a + 10500 * kMs,
                                                      a + 10502 * kMs}));
    EXPECT_EQ(recording.format(), feedgen::RecordingFormat::Beast);
    EXPECT_EQ(recording.errors(), 0u);
}

TEST(FeedRecording, GpsTimeOfDayKeepsItsTimeOfDayAcrossMidnight) {
    const int64_t day = 86400 * kNs;
    const TempFile file(beastFrame(day - 500 * kMs, ClockKind::GpsTimeOfDay) +
                        beastFrame(day + 250 * kMs, ClockKind::GpsTimeOfDay));
    RecordingConfig config = configFor(file.path());
    config.clock = ClockKind::GpsTimeOfDay;
    Recording recording(config);
    const int64_t midnight = config.anchorNs - config.anchorNs % day;
    EXPECT_EQ(times(recording), (std::vector<int64_t>{midnight + day - 500 * kMs, midnight + day + 250 * kMs}));
}

TEST(FeedRecording, AvrLinesWithoutTimeFollowAtTheUntimedSpacing) {
    const TempFile file("*5D4840D6BDC5E1;\n*5D4840D6BDC5E1;\nbroken\n*5D4840D6BDC5E1;\n");
    Recording recording(configFor(file.path()));
    const int64_t a = configFor("").anchorNs;
    EXPECT_EQ(times(recording), (std::vector<int64_t>{a, a + kMs, a + 2 * kMs}));
    EXPECT_EQ(recording.errors(), 1u);
    EXPECT_EQ(recording.framesRead(), 3u);
}

TEST(FeedRecording, LoopStartsAgainWithTimesGoingOn) {
    const TempFile file("10,5D4840D6BDC5E1\n10.5,5D4840D6BDC5E1\n");
    RecordingConfig config = configFor(file.path());
    config.loop = true;
    Recording recording(config);
    EXPECT_EQ(times(recording, 6),
              (std::vector<int64_t>{10 * kNs, 10500 * kMs, 10501 * kMs, 11001 * kMs, 11002 * kMs, 11502 * kMs}));
    const TempFile empty("");
    config.path = empty.path();
    Recording nothing(config);
    EXPECT_TRUE(times(nothing).empty()) << "an empty recording does not loop for ever";
}

TEST(FeedRecording, MissingFileIsReported) {
    Recording recording(configFor("/nonexistent/recording.beast"));
    EXPECT_FALSE(recording.ok());
    EXPECT_NE(recording.error().find("/nonexistent/recording.beast"), std::string::npos);
    Transmission t;
    EXPECT_FALSE(recording.next(t));
}

TEST(FeedRecording, RecordedFilesReplayInOrder) {
    for (const char* name : {"sample_data_adsb.csv", "sample_data_commb_df20.csv"}) {
        Recording recording(configFor(feedtest::dataPath(name)));
        ASSERT_TRUE(recording.ok()) << name;
        const auto t = times(recording, 100000);
        EXPECT_EQ(t.size(), feedtest::dataLines(name).size()) << name;
        EXPECT_TRUE(std::is_sorted(t.begin(), t.end())) << name;
        EXPECT_EQ(recording.errors(), 0u) << name;
    }
}

}  // namespace
