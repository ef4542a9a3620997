// The decoder and the tracker over the feed generator's two measurement streams (the whole
// road that the decode-and-track benchmark measures), against golden files of an earlier
// build, value by value: 5,000 aircraft sending extended squitters only, and 20,000 with the
// Mode S replies of radars and ACAS besides, targets killed after 60 s of stream time on every
// second's tick. Together they draw track numbers round the range several times.
//
// To write the golden files from the build at hand:
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

digest::Result runStream(size_t aircraft, bool modeSReplies) {
    feedgen::Scene scene(feedgen::arrivalStream(aircraft, modeSReplies, 1, kStartNs));
    feedgen::Transmission t;
    return digest::run(
        [&](digest::Reply& reply) {
            if (!scene.next(t))
                return false;
            reply.time = static_cast<uint64_t>(t.timeNs / 1000000);
            reply.data = t.frame.toString();
            return true;
        },
        {}, 60000, 1000, 20000);
}

void compareWithGolden(const std::string& name, const digest::Result& result) {
    const std::string path = testdata::path("golden/" + name + ".txt");
    if (std::getenv("VELTMAR_WRITE_GOLDEN") != nullptr) {
        digest::write(result, path);
        GTEST_SKIP() << "wrote " << path;
    }
    const digest::Result golden = digest::read(path);
    ASSERT_FALSE(golden.checkpoints.empty()) << "no golden file " << path;
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
    compareWithGolden("arrivals-5000-adsb", runStream(5000, false));
}

TEST(ArrivalStream, MixedRepliesOf20000Aircraft) {
    compareWithGolden("arrivals-20000-mixed", runStream(20000, true));
}

}  // namespace
}  // namespace modes
}  // namespace brannic
