// The road of a reply through decoder, tracker and message row, and of JSON reports into the
// tracker, with the playback re-stamping of every time a report carries.
#include <QByteArray>

#include <gtest/gtest.h>

#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "ProcessingPipeline.h"
#include "TargetFactory.h"

using namespace brannic::modes;

namespace {

// Real squitters of 406B90: identification, and an airborne position.
const char* const kIdentification = "8D406B902015A678D4D220AA4BDA";
const char* const kPosition = "8D406B9058B975870B738754F480";

struct Fixture : ::testing::Test {
    ModeSDecoder decoder;
    ADSBTracker tracker;
    ProcessingPipeline pipeline{decoder, tracker};

    bool process(const QByteArray& reply, quint64 time, ModeSRow& row, bool signal = false) {
        return pipeline.processModeSReply(reply, time, signal, 77, row);
    }
};

TEST_F(Fixture, ValidSquitterIsTrackedAndListedWithItsAdsbMessage) {
    ModeSRow row;
    ASSERT_TRUE(process(QByteArray::fromHex(kIdentification), 1'000'000, row, true));
    EXPECT_EQ(row.sequence, 1u);
    ASSERT_TRUE(row.message);
    EXPECT_EQ(row.message->signalAmplitude(), 77);
    ASSERT_TRUE(row.adsb);
    EXPECT_NE(row.adsb->description().find("ACID"), std::string::npos);
    ASSERT_EQ(tracker.allTargets().size(), 1u);
    EXPECT_EQ(tracker.allTargets().front().callsign(), "EZY85MH ");
    EXPECT_EQ(pipeline.decodedTotal(), 1u);
}

TEST_F(Fixture, RepliesTheDecoderRefusesCountNothing) {
    const QByteArray refused[] = {
        QByteArray::fromHex("1A2B"),        // a Mode A/C reply from a Beast type-'1' frame
        QByteArray::fromHex("8D406B9058"),  // cut short
        QByteArray(),
    };
    for (const QByteArray& reply : refused) {
        ModeSRow row;
        row.sequence = 999;
        EXPECT_FALSE(process(reply, 1'000'000, row)) << reply.toHex().toStdString();
        EXPECT_EQ(row.sequence, 999u);
        EXPECT_FALSE(row.message);
    }
    EXPECT_EQ(pipeline.sequence(), 0u);
    EXPECT_EQ(pipeline.decodedTotal(), 0u);
}

TEST_F(Fixture, SquitterBeyondRepairIsNotListed) {
    // Three bits flipped: the decoder cannot repair it and gives nothing to list.
    QByteArray reply = QByteArray::fromHex(kPosition);
    reply[5] = static_cast<char>(reply[5] ^ 0x07);
    ModeSRow row;
    EXPECT_FALSE(process(reply, 1'000'000, row));
    // One bit flipped: repaired, listed with its ADS-B text.
    reply = QByteArray::fromHex(kPosition);
    reply[6] = static_cast<char>(reply[6] ^ 0x10);
    ASSERT_TRUE(process(reply, 1'000'000, row));
    EXPECT_TRUE(row.message->valid());
    EXPECT_TRUE(row.adsb);
}

TEST_F(Fixture, SquitterWithoutPositionInformationIsListedWithoutAdsbText) {
    // Type code 0 ("no position information"): a valid reply whose ME the ADS-B decoder
    // has no message for.
    ModeSRow row;
    ASSERT_TRUE(process(QByteArray::fromHex("8D406B90000000000000002AF4EE"), 1'000'000, row));
    EXPECT_TRUE(row.message->valid());
    EXPECT_FALSE(row.adsb);
}

TEST_F(Fixture, Df18SquittersAreNotDecodedForDisplay) {
    // The identification ME of 406B90 as a DF18 (non-transponder device, CF 0), with its own
    // parity: tracked or not as the tracker decides, but never given an ADS-B text here.
    ModeSRow row;
    ASSERT_TRUE(process(QByteArray::fromHex("90406B902015A678D4D220D7472F"), 1'000'000, row));
    EXPECT_TRUE(row.message->valid());
    EXPECT_FALSE(row.adsb);
}

TEST_F(Fixture, SequenceCountsFromTheLastStart) {
    ModeSRow row;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(process(QByteArray::fromHex(kIdentification), 1'000'000 + i, row));
    }
    EXPECT_EQ(row.sequence, 3u);
    pipeline.resetSequence();
    ASSERT_TRUE(process(QByteArray::fromHex(kIdentification), 1'000'010, row));
    EXPECT_EQ(row.sequence, 1u);
    EXPECT_EQ(pipeline.decodedTotal(), 4u);
}

TEST(ReportRestamp, EveryTimeTheReportCarriesBecomesTheReceiveTime) {
    TargetSpec s;
    s.time = 5'000;
    s.callsign = "DLH4AB  ";
    s.squawk = 01234;
    s.position = true;
    s.lat = 50.0;
    s.lon = 8.0;
    s.altitude = true;
    s.altitudeFt = 12000;
    s.speed = true;
    s.speedKt = 250;
    s.verticalRate = true;
    s.verticalRateFpm = -500;
    ADSBTargetReport r = reportOf(s);
    r.setEmitterCategory(3);
    r.setEmitterCategoryLastUpdate(4'000);
    const ADSBTargetReport untouched = r;
    ProcessingPipeline::restamp(r, 9'999'000);
    const std::pair<uint64_t, uint64_t> times[] = {
        {r.lastUpdate(), untouched.lastUpdate()},
        {r.callsignLastUpdate(), untouched.callsignLastUpdate()},
        {r.callsignLastChange(), untouched.callsignLastChange()},
        {r.squawkLastUpdate(), untouched.squawkLastUpdate()},
        {r.squawkLastChange(), untouched.squawkLastChange()},
        {r.positionLastUpdate(), untouched.positionLastUpdate()},
        {r.altitudeBaroLastUpdate(), untouched.altitudeBaroLastUpdate()},
        {r.groundSpeedLastUpdate(), untouched.groundSpeedLastUpdate()},
        {r.headingLastUpdate(), untouched.headingLastUpdate()},
        {r.verticalRateBaroLastUpdate(), untouched.verticalRateBaroLastUpdate()},
        {r.emitterCategoryLastUpdate(), untouched.emitterCategoryLastUpdate()},
        {r.alertStatusLastUpdate(), untouched.alertStatusLastUpdate()},
    };
    for (const auto& t : times) {
        ASSERT_NE(t.second, 0u);
        EXPECT_EQ(t.first, 9'999'000u);
    }
    // Times that were never set stay 0: a value the report does not carry stays invalid.
    EXPECT_EQ(r.groundStatusLastUpdate(), 0u);
    EXPECT_EQ(r.nucpLastUpdate(), 0u);
}

TEST(ReportRestamp, PlaybackAgesTargetsByTheReceiveTime) {
    for (const bool playback : {false, true}) {
        ModeSDecoder decoder;
        ADSBTracker tracker;
        ProcessingPipeline pipeline(decoder, tracker);
        TargetSpec s;
        s.time = 1'000;  // a report recorded long ago
        s.callsign = "BAW123  ";
        s.position = true;
        s.lat = 51.47;
        s.lon = -0.45;
        std::vector<ADSBTargetReport> reports{reportOf(s)};
        pipeline.processTargetReports(reports, 1'700'000'000'000ULL, playback);
        const ADSBTarget t = tracker.allTargets().front();
        const uint64_t expected = playback ? 1'700'000'000'000ULL : 1'000u;
        EXPECT_EQ(t.lastUpdate(), expected) << playback;
        EXPECT_EQ(t.positionLastUpdate(), expected) << playback;
        EXPECT_EQ(t.callsignLastUpdate(), expected) << playback;
        // Killing what is silent for 10 s keeps a played-back target, drops a stale one.
        const auto killed = tracker.killTargets(1'700'000'000'000ULL - 10'000);
        EXPECT_EQ(killed.empty(), playback);
    }
}

}  // namespace
