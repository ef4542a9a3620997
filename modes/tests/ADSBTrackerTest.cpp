#include <modes/ADSBTracker.h>

#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBDecoder.h>
#include <modes/ADSBMessage.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ModeSDecoder.h>

#include "Clock.h"
#include "LogCapture.h"
#include "TrackerTestSupport.h"

namespace brannic {
namespace modes {
namespace {

using namespace trackertest;

constexpr uint32_t kAddress = 0x40621D;
constexpr uint64_t kT0 = 1600000000000ull;  // 2020-09-13, an arbitrary epoch for the tests

class TrackerTest : public ::testing::Test {
protected:
    // Feeds a frame decoded at time t, optionally forcing its confidence.
    const ADSBTarget* feed(const std::string& frame, uint64_t t, int confidence = -1) {
        auto msg = decode(decoder, frame, t, confidence);
        if (!msg)
            return nullptr;
        return tracker.procModeSMsg(msg.get());
    }
    const ADSBTarget* position(uint32_t address, bool odd, uint32_t lat, uint32_t lon, uint64_t t,
                               int alt = 38000) {
        return feed(squitter(address, airbornePositionME(alt, odd, lat, lon)), t);
    }
    // DF4 with altitude code for `feet` (25-ft steps), flight status `fs`.
    std::string altitudeReply(uint32_t address, int feet, int fs = 0) {
        const uint32_t n = static_cast<uint32_t>((feet + 1000) / 25);
        // AC: 11 bits of N around M (bit 25) and Q (bit 27, set).
        const uint32_t ac = ((n >> 5) << 7) | (((n >> 4) & 1) << 5) | 0x10 | (n & 0xF);
        return addressParityReply(4, static_cast<uint32_t>(fs) << 24 | ac, address);
    }

    ModeSDecoder decoder;
    ADSBTracker tracker;
};

TEST_F(TrackerTest, AllCallReplyNeverCreatesATarget) {
    const std::string allCall = allCallReply(kAddress, 5, 0);
    EXPECT_EQ(feed(allCall, kT0, ModeSMessage::FULL), nullptr);
    EXPECT_TRUE(tracker.allTargets().empty());

    ASSERT_NE(feed(altitudeReply(kAddress, 10000), kT0 + 1000, ModeSMessage::HIGH), nullptr);
    const ADSBTarget* target = feed(allCall, kT0 + 2000, ModeSMessage::FULL);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(target->transponderCommCapabilityValid());
    EXPECT_EQ(target->transponderCommCapability(), 5);
    EXPECT_EQ(target->statisticDfMsgCount(DF_11), 1u);
}

TEST_F(TrackerTest, ConfidenceRequiredByFormat) {
    const std::string squit = squitter(kAddress, identificationME("KLM1023"));
    EXPECT_EQ(feed(squit, kT0, ModeSMessage::HIGH), nullptr);  // extended squitters need FULL
    EXPECT_EQ(feed(altitudeReply(0x123456, 5000), kT0, ModeSMessage::LOW), nullptr);
    const ADSBTarget* target = feed(altitudeReply(0x123456, 5000), kT0, ModeSMessage::HIGH);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->altitudeBaro(), 5000);
    EXPECT_EQ(target->groundStatus(), ADSBTarget::AIRBORNE);
}

TEST_F(TrackerTest, UntrackedFormatsAreLogged) {
    LogCapture log;
    std::string df18 = squitter(kAddress, identificationME("KLM1023"));
    df18[0] = static_cast<char>(0x90);  // DF18, CF 0
    putParity(df18, 0);
    EXPECT_EQ(feed(df18, kT0), nullptr);
    EXPECT_EQ(log.count("Unsupported DF-18 message detected."), 1);
}

TEST_F(TrackerTest, FlightStatusSetsGroundSpiAndAlert) {
    const struct {
        int fs;
        ADSBTarget::GroundStatus ground;
        bool spi, alert;
    } rows[] = {{0, ADSBTarget::AIRBORNE, false, false}, {1, ADSBTarget::ON_GROUND, false, false},
                {2, ADSBTarget::AIRBORNE, false, true},  {3, ADSBTarget::ON_GROUND, false, true},
                {4, ADSBTarget::UNKNOWN, true, true},    {5, ADSBTarget::UNKNOWN, true, false}};
    uint32_t address = 0x100000;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fs);
        // Start from the opposite state, then apply the flight status.
        feed(altitudeReply(address, 1000, row.ground == ADSBTarget::ON_GROUND ? 0 : 1), kT0,
             ModeSMessage::HIGH);
        const ADSBTarget* t =
            feed(altitudeReply(address, 1000, row.fs), kT0 + 1000, ModeSMessage::HIGH);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->groundStatus(), row.ground);
        EXPECT_EQ(t->spiStatus(), row.spi);
        EXPECT_EQ(t->alertStatus(), row.alert);
        ++address;
    }
    // FS 6 and 7 change nothing.
    const ADSBTarget* t = feed(altitudeReply(address, 1000, 3), kT0, ModeSMessage::HIGH);
    t = feed(altitudeReply(address, 1000, 6), kT0 + 1000, ModeSMessage::HIGH);
    EXPECT_EQ(t->groundStatus(), ADSBTarget::ON_GROUND);
    EXPECT_TRUE(t->alertStatus());
}

TEST_F(TrackerTest, CPRPairWithinTenSeconds) {
    // Even and odd reports exactly 10,000 ms apart decode; 10,001 ms apart they do not.
    position(0x111111, true, 74158, 50194, kT0);
    const ADSBTarget* t = position(0x111111, false, 93000, 51372, kT0 + 10000);
    ASSERT_TRUE(t->positionValid());
    EXPECT_NEAR(t->latitude(), 52.2572021484375, 1e-9);
    EXPECT_NEAR(t->longitude(), 3.91937255859375, 1e-9);
    EXPECT_EQ(t->positionLastUpdate(), kT0 + 10000);

    position(0x222222, true, 74158, 50194, kT0);
    t = position(0x222222, false, 93000, 51372, kT0 + 10001);
    EXPECT_FALSE(t->positionValid());
}

TEST_F(TrackerTest, CPRNewerReportGivesThePosition) {
    // Even first, odd newer: the odd formulas.
    position(kAddress, false, 93000, 51372, kT0);
    const ADSBTarget* t = position(kAddress, true, 74158, 50194, kT0 + 2000);
    EXPECT_NEAR(t->latitude(), 52.26578, 1e-5);
    EXPECT_NEAR(t->longitude(), 3.93891, 1e-5);

    // Equal times decode with the odd formulas.
    position(0x333333, false, 93000, 51372, kT0);
    t = position(0x333333, true, 74158, 50194, kT0);
    EXPECT_NEAR(t->latitude(), 52.26578, 1e-5);
}

TEST_F(TrackerTest, CPRPairAcrossAZoneBoundaryKeepsTheLastPosition) {
    position(kAddress, true, 74158, 50194, kT0);
    position(kAddress, false, 93000, 51372, kT0 + 1000);
    const double lat = tracker.allTargets().at(0).latitude();
    position(kAddress, false, 8192, 0, kT0 + 2000);
    const ADSBTarget* t = position(kAddress, true, 114688, 0, kT0 + 3000);
    EXPECT_EQ(t->latitude(), lat);
    EXPECT_EQ(t->positionLastUpdate(), kT0 + 1000);
}

TEST_F(TrackerTest, AltitudeChecking) {
    tracker.setAltituteBaroChecking(true, 4, 150);
    const uint32_t a = 0x444444;
    feed(altitudeReply(a, 35000), kT0, ModeSMessage::HIGH);
    const ADSBTarget* t = feed(altitudeReply(a, 35200), kT0 + 3000, ModeSMessage::HIGH);
    EXPECT_EQ(t->altitudeBaro(), 35000);
    EXPECT_EQ(t->altitudeBaroLastUpdate(), kT0);
    t = feed(altitudeReply(a, 35100), kT0 + 3500, ModeSMessage::HIGH);  // within the jump limit
    EXPECT_EQ(t->altitudeBaro(), 35100);
    t = feed(altitudeReply(a, 35300), kT0 + 3500 + 4000, ModeSMessage::HIGH);  // window passed
    EXPECT_EQ(t->altitudeBaro(), 35300);

    tracker.setAltituteBaroChecking(false, 4, 150);
    t = feed(altitudeReply(a, 20000), kT0 + 7600, ModeSMessage::HIGH);
    EXPECT_EQ(t->altitudeBaro(), 20000);
}

TEST_F(TrackerTest, TrackNumbersSkipNumbersInUseAndComeRound) {
    for (uint32_t i = 0; i < 10; ++i)
        feed(altitudeReply(0x500000 + i, 1000), kT0 + 100 + i, ModeSMessage::HIGH);
    const auto all = tracker.allTargets();
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[2].trackId(), 3u);
    // Only track 3 carries an update as old as kT0; killing it frees number 3, but a new
    // address gets the next number of the cursor, 11.
    feed(altitudeReply(0x500002, 1000), kT0, ModeSMessage::HIGH);
    ASSERT_EQ(tracker.killTargets(kT0).size(), 1u);
    const ADSBTarget* t = feed(altitudeReply(0x600000, 1000), kT0 + 200, ModeSMessage::HIGH);
    EXPECT_EQ(t->trackId(), 11u);
}

TEST_F(TrackerTest, AllTrackNumbersInUse) {
    for (uint32_t i = 0; i < 4095; ++i) {
        ASSERT_NE(feed(altitudeReply(0x700000 + i, 1000), kT0 + i, ModeSMessage::HIGH), nullptr)
            << i;
    }
    EXPECT_EQ(feed(altitudeReply(0x7FFFF0, 1000), kT0 + 5000, ModeSMessage::HIGH), nullptr);
    EXPECT_EQ(tracker.allTargets().size(), 4095u);
    // Freeing tracks 1 to 5: the cursor, past 4095, comes round to 1.
    auto killed = tracker.killTargets(kT0 + 4);
    ASSERT_EQ(killed.size(), 5u);
    const ADSBTarget* t = feed(altitudeReply(0x7FFFF0, 1000), kT0 + 6000, ModeSMessage::HIGH);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->trackId(), 1u);
    tracker.reset();
    EXPECT_TRUE(tracker.allTargets().empty());
    t = feed(altitudeReply(0x7FFFF1, 1000), kT0, ModeSMessage::HIGH);
    EXPECT_EQ(t->trackId(), 1u);
}

// Numbers given by reports count as in use like drawn ones, also when two targets share one;
// a number is free again when no target carries it. A copy draws numbers of its own.
TEST_F(TrackerTest, TrackNumbersOfReportsAreSkippedWhileCarried) {
    feed(altitudeReply(0x510001, 1000), kT0, ModeSMessage::HIGH);  // number 1
    EXPECT_EQ(feed(altitudeReply(0x510002, 1000), kT0, ModeSMessage::HIGH)->trackId(), 2u);
    // 0x510001 is renumbered 4 (freeing 1); the new 0x510003 draws 3, then is renumbered 4.
    for (uint32_t address : {0x510001u, 0x510003u}) {
        ADSBTargetReport r;
        r.setIcaoAddress(address);
        r.setLastUpdate(kT0);
        r.setTrackId(4);
        ASSERT_NE(tracker.procTargetReport(&r), nullptr);
    }
    EXPECT_EQ(feed(altitudeReply(0x510004, 1000), kT0, ModeSMessage::HIGH)->trackId(), 5u);
    ADSBTracker copy(tracker);

    // 6 to 4095, then round to 1, the one free number; then the table is full.
    for (uint32_t i = 0; i < 4090; ++i)
        ASSERT_NE(feed(altitudeReply(0x520000 + i, 1000), kT0, ModeSMessage::HIGH), nullptr);
    EXPECT_EQ(feed(altitudeReply(0x530000, 1000), kT0, ModeSMessage::HIGH)->trackId(), 1u);
    EXPECT_EQ(feed(altitudeReply(0x530001, 1000), kT0, ModeSMessage::HIGH), nullptr);

    // The copy saw none of that: its cursor stands at 6, and its targets are its own.
    std::unique_ptr<ModeSMessage> msg(
        decoder.decode(ModeSMessage::DOWNLINK, altitudeReply(0x530000, 2000), kT0 + 50));
    ASSERT_NE(msg, nullptr);
    msg->setConfidence(ModeSMessage::HIGH);
    const ADSBTarget* inCopy = copy.procModeSMsg(msg.get());
    ASSERT_NE(inCopy, nullptr);
    EXPECT_EQ(inCopy->trackId(), 6u);
    EXPECT_EQ(inCopy->altitudeBaro(), 2000);
    EXPECT_EQ(copy.allTargets().size(), 5u);
    // Killing frees the numbers: the cursor goes on from 2.
    ASSERT_EQ(tracker.killTargets(kT0).size(), 4095u);
    EXPECT_EQ(feed(altitudeReply(0x540000, 1000), kT0 + 1, ModeSMessage::HIGH)->trackId(), 2u);
}

TEST_F(TrackerTest, KillAndSinceUseInclusiveAndExclusiveBounds) {
    LogCapture log;
    feed(altitudeReply(0x800001, 1000), kT0, ModeSMessage::HIGH);
    feed(altitudeReply(0x800002, 1000), kT0 + 1000, ModeSMessage::HIGH);
    EXPECT_EQ(tracker.allTargetsSince(kT0).size(), 1u);
    EXPECT_EQ(tracker.allTargetsSince(kT0 - 1).size(), 2u);
    EXPECT_EQ(tracker.allTargetsSince(kT0 - 1, kT0).size(), 1u);
    EXPECT_EQ(tracker.allTargetsSince(kT0, kT0 + 1000).size(), 1u);
    const auto killed = tracker.killTargets(kT0);
    ASSERT_EQ(killed.size(), 1u);
    EXPECT_EQ(killed[0].icaoAddr(), 0x800001u);
    EXPECT_EQ(log.count("Target #1 killed."), 1);
    EXPECT_EQ(tracker.allTargets().size(), 1u);
}

TEST_F(TrackerTest, MopsVersionZeroConfirmedOnThe21stSquitter) {
    LogCapture log;
    const std::string ident = squitter(kAddress, identificationME("EZY85MH"));
    const ADSBTarget* t = nullptr;
    for (int i = 0; i < 20; ++i)
        t = feed(ident, kT0 + i * 1000);
    EXPECT_TRUE(t->mopsVersionAssumed());
    EXPECT_EQ(t->statisticDfMsgCount(DF_17), 20u);
    t = feed(ident, kT0 + 20000);
    EXPECT_TRUE(t->mopsVersionConfirmed());
    EXPECT_EQ(t->mopsVersion(), MOPS_V0);
    EXPECT_EQ(log.countContaining("MOPS version 0 confirmed."), 1);

    // An aircraft status message (type code 28, emergency) is counted; the next reply makes the
    // version assumed again.
    const std::string status = squitter(kAddress, bytesOf({0xE1, 0x20, 0, 0, 0, 0, 0}));
    t = feed(status, kT0 + 21000);
    EXPECT_EQ(t->statisticADSBMsgCount(AC_STATUS), 1u);
    EXPECT_TRUE(t->mopsVersionConfirmed());  // the bookkeeping ran before counting
    t = feed(ident, kT0 + 22000);
    EXPECT_TRUE(t->mopsVersionAssumed());
}

TEST_F(TrackerTest, OperationalStatusSetsTheVersion) {
    // Type code 31, version number at ME bits 40-42, NIC supplement A at 43.
    auto opStatus = [](int version, bool nicA) {
        std::string me = bytesOf({0xF8, 0, 0, 0, 0, 0, 0});
        me[5] = static_cast<char>(version << 5 | (nicA ? 0x10 : 0));
        return me;
    };
    const struct {
        int versionNumber;
        MOPSVersion version;
        bool confirmed;
    } rows[] = {{1, MOPS_V1, true}, {2, MOPS_V2, true}, {5, MOPS_V2, false}};
    uint32_t address = 0x900000;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.versionNumber);
        const ADSBTarget* t = feed(squitter(address++, opStatus(row.versionNumber, true)), kT0);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->mopsVersion(), row.version);
        EXPECT_EQ(t->mopsVersionConfirmed(), row.confirmed);
        EXPECT_TRUE(t->nicSupplementA());
        EXPECT_TRUE(t->nicSupplementAValid());
    }
}

// The tracker decodes most squitters without the decoder's message objects. Whatever the
// bits, a squitter must count in the target's statistics exactly when the message class of
// the target's transmitter version decodes it, and as the type that class has.
TEST_F(TrackerTest, SquittersCountExactlyWhenTheirMessageClassDecodes) {
    std::mt19937 random(22);
    std::uniform_int_distribution<int> byte(0, 255);
    const ADSBDecoder classes;
    LogCapture log;  // the refusals of random fields are logged by the thousand
    uint64_t t = kT0;
    for (int i = 0; i < 20000; ++i) {
        std::string me(7, '\0');
        for (char& c : me)
            c = static_cast<char>(byte(random));
        // Every third field an operational status, so that the version keeps changing.
        if (i % 3 == 0)
            me[0] = static_cast<char>(0xF8 | (me[0] & 7));
        const std::vector<ADSBTarget> held = tracker.allTargets();
        const ADSBTarget* before = held.empty() ? nullptr : &held.front();
        const MOPSVersion version = before != nullptr ? before->mopsVersion() : MOPS_V0;
        std::unique_ptr<ADSBMessage> expected(classes.decode(version, me));
        const ADSBMessageType type =
            ADSBMessage::typeByCode(static_cast<unsigned char>(me[0]) >> 3);
        const uint32_t countBefore = before != nullptr ? before->statisticADSBMsgCount(type) : 0;
        SCOPED_TRACE("ME " + std::to_string(i) + ", version " + std::to_string(version));
        const ADSBTarget* target = feed(squitter(kAddress, me), t += 500);
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target->statisticADSBMsgCount(type), countBefore + (expected ? 1u : 0u));
        if (expected) {
            EXPECT_EQ(expected->type(), type);
        }
    }
}

TEST_F(TrackerTest, TargetReportsFeedTargets) {
    ADSBTargetReport report;
    report.setLastUpdate(kT0);
    report.setIcaoAddress(0xABCDEF);
    report.setTrackId(77);
    report.setCallsign("DLH4AB");
    report.setCallsignLastUpdate(kT0);
    report.setCallsignLastChange(kT0 - 5000);
    report.setPosition(50.0, 8.5);
    report.setPositionLastUpdate(kT0);
    report.setAltitudeBaro(12000);
    report.setAltitudeBaroLastUpdate(kT0);
    report.setHeading(123.0);
    report.setGroundStatus(true);
    report.setGroundStatusLastUpdate(kT0);
    const ADSBTarget* t = tracker.procTargetReport(&report);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->trackId(), 77u);
    EXPECT_EQ(t->callsign(), "DLH4AB");
    EXPECT_EQ(t->callsignLastChange(), kT0 - 5000);
    EXPECT_TRUE(t->positionValid());
    EXPECT_EQ(t->altitudeBaro(), 12000);
    EXPECT_TRUE(t->headingValid());
    EXPECT_EQ(t->headingLastUpdate(), kT0);
    EXPECT_EQ(t->groundStatus(), ADSBTarget::ON_GROUND);

    ADSBTargetReport invalid;
    invalid.setLastUpdate(kT0);
    EXPECT_EQ(tracker.procTargetReport(&invalid), nullptr);
    EXPECT_EQ(tracker.procTargetReport(nullptr), nullptr);

    // A report read from outside may carry an address wider than 24 bits: it is tracked and
    // found again like any other (the encoder fuzzer's corpus holds such a report).
    ADSBTargetReport wide = report;
    wide.setIcaoAddress(0x80000001u);
    const ADSBTarget* w = tracker.procTargetReport(&wide);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->icaoAddr(), 0x80000001u);
    EXPECT_EQ(tracker.procTargetReport(&wide), w);
}

TEST_F(TrackerTest, CopiesOwnTheirTargets) {
    feed(altitudeReply(0x010101, 1000), kT0, ModeSMessage::HIGH);
    ADSBTracker copy(tracker);
    feed(altitudeReply(0x010101, 2000), kT0 + 1000, ModeSMessage::HIGH);
    EXPECT_EQ(copy.allTargets().at(0).altitudeBaro(), 1000);
    EXPECT_EQ(tracker.allTargets().at(0).altitudeBaro(), 2000);
    ADSBTracker moved(std::move(copy));
    EXPECT_EQ(moved.allTargets().size(), 1u);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
