// The decoder and the tracker over the feed generator's two measurement streams (the whole
// road that the decode-and-track benchmark measures), against golden files of an earlier
// build, value by value: 5,000 aircraft sending extended squitters only, and 20,000 with the
// Mode S replies of radars and ACAS besides, targets killed after 60 s of stream time on every
// second's tick. Together they draw track numbers round the range several times.
//
// The mixed stream is long (17 million replies, the better part of an hour under the digest):
// by default the test runs its first 4 million replies (4,800 aircraft, track numbers drawn
// round the range once) and compares the checkpoints they reach; VELTMAR_STREAM_REPLIES=<n>
// sets another limit, 0 none (then the targets left at the end are compared as well).
//
// To write the golden files from the build at hand (always the whole streams):
//   VELTMAR_WRITE_GOLDEN=1 modes_stream_tests

#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "TestData.h"
#include "TrackerDigest.h"
#include "feedgen/Scene.h"

namespace brannic {
namespace modes {
namespace {

// Stream time 0 is 2026-01-01T00:00:00Z: a time stamp of 0 would mean "none".
constexpr int64_t kStartNs = 1767225600LL * 1000000000LL;

bool writing() {
    return std::getenv("VELTMAR_WRITE_GOLDEN") != nullptr;
}

// Replies of the stream to run, 0 for all. Under the sanitizers, which run the same code some
// five times slower, both streams stop after their first million replies by default: the
// normal build compares them further.
uint64_t replyLimit(uint64_t byDefault) {
    if (writing())
        return 0;
    const char* text = std::getenv("VELTMAR_STREAM_REPLIES");
    if (text != nullptr)
        return std::strtoull(text, nullptr, 10);
#ifdef VELTMAR_SANITIZED_BUILD
    constexpr uint64_t kSanitizedLimit = 1000000;
    if (byDefault == 0 || byDefault > kSanitizedLimit)
        return kSanitizedLimit;
#endif
    return byDefault;
}

constexpr std::size_t kCheckpointEvery = 20000;

digest::Result runStream(size_t aircraft, bool modeSReplies, uint64_t limit) {
    feedgen::Scene scene(feedgen::arrivalStream(aircraft, modeSReplies, 1, kStartNs));
    feedgen::Transmission t;
    uint64_t count = 0;
    return digest::run(
        [&](digest::Reply& reply) {
            if ((limit != 0 && count == limit) || !scene.next(t))
                return false;
            ++count;
            reply.time = static_cast<uint64_t>(t.timeNs / 1000000);
            reply.data = t.frame.toString();
            return true;
        },
        {}, 60000, 1000, kCheckpointEvery);
}

// With a limit, the checkpoints of the part run (the hash runs on, so they are the golden
// file's first ones) and nothing of the targets left at the end.
void compareWithGolden(const std::string& name, const digest::Result& result, bool whole) {
    const std::string path = testdata::path("golden/" + name + ".txt");
    if (writing()) {
        digest::write(result, path);
        GTEST_SKIP() << "wrote " << path;
    }
    const digest::Result golden = digest::read(path);
    ASSERT_FALSE(golden.checkpoints.empty()) << "no golden file " << path;
    if (!whole) {
        ASSERT_LE(result.checkpoints.size(), golden.checkpoints.size());
        for (std::size_t i = 0; i < result.checkpoints.size(); ++i)
            ASSERT_EQ(result.checkpoints[i], golden.checkpoints[i])
                << "first difference before reply " << golden.checkpoints[i];
        return;
    }
    ASSERT_EQ(result.checkpoints.size(), golden.checkpoints.size());
    for (std::size_t i = 0; i < golden.checkpoints.size(); ++i)
        ASSERT_EQ(result.checkpoints[i], golden.checkpoints[i])
            << "first difference before reply " << golden.checkpoints[i]
            << " (VELTMAR_DIGEST_TEXT=<file> writes the whole text of both builds for diff)";
    ASSERT_EQ(result.targets.size(), golden.targets.size());
    for (std::size_t i = 0; i < golden.targets.size(); ++i)
        EXPECT_EQ(result.targets[i], golden.targets[i]);
}

TEST(ArrivalStream, SquittersOf5000Aircraft) {
    const uint64_t limit = replyLimit(0);
    compareWithGolden("arrivals-5000-adsb", runStream(5000, false, limit), limit == 0);
}

TEST(ArrivalStream, MixedRepliesOf20000Aircraft) {
    const uint64_t limit = replyLimit(4000000);
    compareWithGolden("arrivals-20000-mixed", runStream(20000, true, limit), limit == 0);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
