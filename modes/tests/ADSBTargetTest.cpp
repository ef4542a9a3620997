#include <modes/ADSBTarget.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBTargetReport.h>

#include "LogCapture.h"

namespace brannic {
namespace modes {

// Reaches the target's private setters, which only the tracker calls in the library.
class ADSBTargetTestAccess {
public:
    explicit ADSBTargetTestAccess(ADSBTarget& target) : t(target) {}
    void callsign(const std::string& v, uint64_t time) { t.setCallsign(v, time); }
    void callsign(const std::string& v, uint64_t u, uint64_t c) { t.setCallsign(v, u, c); }
    void emitterCategory(uint8_t v, uint64_t time) { t.setEmitterCategory(v, time); }
    void squawk(uint32_t v, uint64_t time) { t.setSquawk(v, time); }
    void spi(bool v, uint64_t time) { t.setSpi(v, time); }
    void alert(bool v, uint64_t time) { t.setAlert(v, time); }
    void position(double lat, double lon, uint64_t time) { t.setPosition(lat, lon, time); }
    void heading(double v, uint64_t time) { t.setHeading(v, time); }
    void altitude(int32_t v, uint64_t time) { t.setAltitudeBaro(v, time); }
    void groundStatus(ADSBTarget::GroundStatus v, uint64_t time) { t.setGroundStatus(v, time); }
    void mops(MOPSVersion v, uint64_t time) { t.setMOPSVersion(v, time); }
    void confirmed(uint64_t time) { t.setMOPSVersionConfirmed(time); }
    void assumed(uint64_t time) { t.setMOPSVersionAssumed(time); }
    void nucp(uint8_t v, uint64_t time) { t.setNUCp(v, time); }
    void nucr(uint8_t v, uint64_t time) { t.setNUCr(v, time); }
    void nacp(uint8_t v, uint64_t time) { t.setNACp(v, time); }
    void sil(uint8_t v, uint64_t time) { t.setSIL(v, time); }
    void suppA(bool v, uint64_t time) { t.setNICSupplementA(v, time); }
    void suppB(bool v, uint64_t time) { t.setNICSupplementB(v, time); }
    void suppC(bool v, uint64_t time) { t.setNICSupplementC(v, time); }
    void quality(uint8_t typeCode, uint64_t time) { t.updateQualityIndicators(typeCode, time); }
    void resetQuality() { t.resetQualityIndicators(); }
    uint32_t count(DownlinkFormat df, uint64_t time) { return t.increaseStatistic(df, time); }
    uint32_t count(ADSBMessageType type, uint64_t time) { return t.increaseStatistic(type, time); }
    void resetStatistic() { t.resetStatistic(); }
    void trackId(uint32_t id) { t.setTrackId(id); }
    void lastUpdate(uint64_t time) { t.setLastUpdate(time); }

private:
    ADSBTarget& t;
};

namespace {

TEST(ADSBTarget, NewTargetIsEmptyVersionZeroAssumed) {
    const ADSBTarget target(0x4840D6);
    EXPECT_EQ(target.icaoAddr(), 0x4840D6u);
    EXPECT_EQ(target.mopsVersion(), MOPS_V0);
    EXPECT_TRUE(target.mopsVersionAssumed());
    EXPECT_FALSE(target.mopsVersionConfirmed());
    EXPECT_TRUE(target.callsign().empty());
    EXPECT_FALSE(target.squawkValid());
    EXPECT_FALSE(target.positionValid());
    EXPECT_FALSE(target.headingValid());
    EXPECT_FALSE(target.emitterCategoryValid());
    EXPECT_FALSE(target.groundStatusValid());
    EXPECT_EQ(target.groundStatus(), ADSBTarget::UNKNOWN);
    EXPECT_EQ(target.statisticDfMsgCount(), 0u);
}

TEST(ADSBTarget, SquawkChangeTrackingAndLog) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    LogCapture log;
    set.squawk(01200, 1000);
    EXPECT_TRUE(target.squawkValid());
    EXPECT_EQ(target.squawkLastUpdate(), 1000u);
    EXPECT_EQ(target.squawkLastChange(), 1000u);
    set.squawk(01200, 2000);
    EXPECT_EQ(target.squawkLastUpdate(), 2000u);
    EXPECT_EQ(target.squawkLastChange(), 1000u);
    EXPECT_TRUE(log.lines.empty());
    set.squawk(07700, 3000);
    EXPECT_EQ(target.squawk(), 07700u);
    EXPECT_EQ(target.squawkLastChange(), 3000u);
    EXPECT_EQ(log.count("Squawk Change old = 1200 new = 7700"), 1);
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST(ADSBTarget, ChangeLogLines) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    LogCapture log;
    set.callsign("KLM1023 ", 1000);
    EXPECT_EQ(log.countContaining("Callsign Change"), 0);  // first callsign: no change
    set.callsign("KLM1023 ", 2000);
    set.callsign("KLM1024 ", 3000);
    EXPECT_EQ(log.count("Callsign Change old = KLM1023  new = KLM1024 "), 1);
    EXPECT_EQ(target.callsignLastChange(), 3000u);

    set.emitterCategory(3, 1000);
    set.emitterCategory(3, 2000);
    set.emitterCategory(5, 3000);
    EXPECT_EQ(log.count("Emitter category change old = 0 new = 3"), 1);
    EXPECT_EQ(log.count("Emitter category change old = 3 new = 5"), 1);

    set.spi(false, 1000);
    set.spi(true, 2000);
    set.spi(true, 3000);
    EXPECT_EQ(log.count("SPI change old = 0 new = 1"), 1);
    EXPECT_EQ(log.countContaining("SPI change"), 1);
    EXPECT_EQ(target.spiStatusLastChange(), 2000u);
    EXPECT_EQ(target.spiStatusLastUpdate(), 3000u);

    set.alert(true, 1000);
    set.alert(false, 2000);
    EXPECT_EQ(log.count("Alert status change old = 0 new = 1"), 1);
    EXPECT_EQ(log.count("Alert status change old = 1 new = 0"), 1);
}

TEST(ADSBTarget, ReportTimesFormsOfCallsignAndCategory) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.callsign("DLH4AB  ", 5000, 4000);
    EXPECT_EQ(target.callsignLastUpdate(), 5000u);
    EXPECT_EQ(target.callsignLastChange(), 4000u);
    set.callsign("DLH4AB  ", 6000, 5500);  // unchanged: only the last update moves
    EXPECT_EQ(target.callsignLastUpdate(), 6000u);
    EXPECT_EQ(target.callsignLastChange(), 4000u);
}

TEST(ADSBTarget, GroundStatusMovesChangeOnlyOnChange) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.groundStatus(ADSBTarget::AIRBORNE, 1000);
    set.groundStatus(ADSBTarget::AIRBORNE, 2000);
    EXPECT_EQ(target.groundStatusLastUpdate(), 2000u);
    EXPECT_EQ(target.groundStatusLastChange(), 1000u);
    set.groundStatus(ADSBTarget::ON_GROUND, 3000);
    EXPECT_EQ(target.groundStatus(), ADSBTarget::ON_GROUND);
    EXPECT_EQ(target.groundStatusLastChange(), 3000u);
}

TEST(ADSBTarget, MOPSVersionAndConfirmation) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.mops(MOPS_V0, 1000);
    EXPECT_EQ(target.mopsVersionLastUpdate(), 1000u);
    EXPECT_EQ(target.mopsVersionLastChange(), 0u);
    set.mops(MOPS_V2, 2000);
    EXPECT_EQ(target.mopsVersionLastChange(), 2000u);
    set.confirmed(3000);
    set.confirmed(4000);
    EXPECT_TRUE(target.mopsVersionConfirmed());
    EXPECT_FALSE(target.mopsVersionAssumed());
    EXPECT_EQ(target.mopsVersionLastChange(), 3000u);
    EXPECT_EQ(target.mopsVersionLastUpdate(), 4000u);
    set.assumed(5000);
    EXPECT_TRUE(target.mopsVersionAssumed());
    EXPECT_EQ(target.mopsVersionLastChange(), 5000u);
}

TEST(ADSBTarget, VersionChangeInvalidatesQualityIndicators) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.quality(11, 1000);  // version 0: NUCp, NIC, PIC, NACp, SIL
    set.nucr(3, 1000);
    ASSERT_TRUE(target.nucpValid() && target.nicValid() && target.picValid());
    ASSERT_TRUE(target.nacpValid() && target.silValid() && target.nucrValid());
    set.mops(MOPS_V0, 1500);  // same version: nothing reset
    EXPECT_TRUE(target.nucpValid());
    set.mops(MOPS_V1, 2000);
    EXPECT_FALSE(target.nucpValid());
    EXPECT_FALSE(target.nicValid());
    EXPECT_FALSE(target.picValid());
    EXPECT_FALSE(target.nacpValid());
    EXPECT_FALSE(target.silValid());
    EXPECT_EQ(target.nucp(), 0);
    // NUCr belongs to version 0 only, whatever was received before.
    EXPECT_EQ(target.nucrLastUpdate(), 1000u);
    EXPECT_FALSE(target.nucrValid());
    set.nucr(4, 3000);  // ignored outside version 0
    EXPECT_EQ(target.nucr(), 3);
    set.quality(11, 4000);
    EXPECT_TRUE(target.nucpValid());
    EXPECT_FALSE(target.nacpValid());  // versions 1 and 2 take NACp from the status message
}

TEST(ADSBTarget, SupplementValidityFollowsVersion) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.suppA(true, 1000);
    set.suppB(true, 1000);
    set.suppC(true, 1000);
    EXPECT_FALSE(target.nicSupplementAValid());
    set.mops(MOPS_V1, 2000);
    EXPECT_TRUE(target.nicSupplementAValid());
    EXPECT_FALSE(target.nicSupplementBValid());
    EXPECT_FALSE(target.nicSupplementCValid());
    set.mops(MOPS_V2, 3000);
    EXPECT_TRUE(target.nicSupplementBValid());
    EXPECT_TRUE(target.nicSupplementCValid());
}

TEST(ADSBTarget, QualityIndicatorsKeepChangeTimeWhenUnchanged) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.quality(9, 1000);
    set.quality(20, 2000);
    EXPECT_EQ(target.nucpLastUpdate(), 2000u);
    EXPECT_EQ(target.nucpLastChange(), 1000u);
    set.quality(10, 3000);
    EXPECT_EQ(target.nucp(), 8);
    EXPECT_EQ(target.nucpLastChange(), 3000u);
    set.resetQuality();
    EXPECT_FALSE(target.nucpValid());
    EXPECT_FALSE(target.silValid());
}

// One row per line of the three tables: the version, the type code, the supplements received
// (-1 not received, 0 false, 1 true) and the expected NUCp, NIC, PIC, and for version 0 NACp
// and SIL.
struct QualityRow {
    MOPSVersion version;
    int typeCode;
    int a, b, c;
    int nucp, nic, pic, nacp, sil;
};

std::string describe(const QualityRow& r) {
    return "version " + std::to_string(r.version) + " TC " + std::to_string(r.typeCode) +
           " A=" + std::to_string(r.a) + " B=" + std::to_string(r.b) + " C=" + std::to_string(r.c);
}

const std::vector<QualityRow> kQualityRows = {
    // DO-260
    {MOPS_V0, 5, -1, -1, -1, 9, 11, 14, 11, 2},
    {MOPS_V0, 9, -1, -1, -1, 9, 11, 14, 11, 2},
    {MOPS_V0, 20, 1, 1, 1, 9, 11, 14, 11, 2},
    {MOPS_V0, 6, -1, -1, -1, 8, 10, 13, 10, 2},
    {MOPS_V0, 10, -1, -1, -1, 8, 10, 13, 10, 2},
    {MOPS_V0, 21, -1, -1, -1, 8, 10, 13, 10, 2},
    {MOPS_V0, 7, 1, -1, -1, 7, 8, 11, 8, 2},
    {MOPS_V0, 11, -1, -1, -1, 7, 8, 11, 8, 2},
    {MOPS_V0, 12, -1, -1, -1, 6, 7, 10, 7, 2},
    {MOPS_V0, 13, 0, -1, -1, 5, 6, 8, 6, 2},
    {MOPS_V0, 14, -1, -1, -1, 4, 5, 6, 5, 2},
    {MOPS_V0, 15, -1, -1, -1, 3, 4, 5, 4, 2},
    {MOPS_V0, 16, -1, -1, -1, 2, 1, 2, 1, 2},
    {MOPS_V0, 17, -1, -1, -1, 1, 1, 1, 1, 2},
    {MOPS_V0, 8, 1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V0, 18, -1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V0, 0, -1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V0, 22, -1, -1, -1, 0, 0, 0, 0, 0},
    // DO-260A
    {MOPS_V1, 5, -1, -1, -1, 9, 11, 14, 0, 0},
    {MOPS_V1, 9, -1, -1, -1, 9, 11, 14, 0, 0},
    {MOPS_V1, 20, -1, -1, -1, 9, 11, 14, 0, 0},
    {MOPS_V1, 6, -1, -1, -1, 8, 10, 13, 0, 0},
    {MOPS_V1, 10, -1, -1, -1, 8, 10, 13, 0, 0},
    {MOPS_V1, 21, -1, -1, -1, 8, 10, 13, 0, 0},
    {MOPS_V1, 7, 1, -1, -1, 7, 9, 12, 0, 0},
    {MOPS_V1, 7, 0, -1, -1, 7, 8, 11, 0, 0},
    {MOPS_V1, 7, -1, -1, -1, 7, 8, 11, 0, 0},
    {MOPS_V1, 11, 1, -1, -1, 7, 9, 12, 0, 0},
    {MOPS_V1, 11, 0, 1, -1, 7, 8, 11, 0, 0},
    {MOPS_V1, 8, 1, -1, -1, 6, 7, 10, 0, 0},
    {MOPS_V1, 8, 0, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V1, 8, -1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V1, 12, -1, -1, -1, 6, 7, 10, 0, 0},
    {MOPS_V1, 13, 0, -1, -1, 5, 6, 8, 0, 0},
    {MOPS_V1, 13, 1, -1, -1, 4, 6, 7, 0, 0},
    {MOPS_V1, 13, -1, -1, -1, 4, 6, 7, 0, 0},
    {MOPS_V1, 14, -1, -1, -1, 4, 5, 6, 0, 0},
    {MOPS_V1, 15, -1, -1, -1, 3, 4, 5, 0, 0},
    {MOPS_V1, 16, 1, -1, -1, 2, 3, 4, 0, 0},
    {MOPS_V1, 16, 0, 1, -1, 2, 2, 3, 0, 0},
    {MOPS_V1, 17, -1, -1, -1, 1, 1, 1, 0, 0},
    {MOPS_V1, 18, 1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V1, 0, -1, -1, -1, 0, 0, 0, 0, 0},
    // DO-260B
    {MOPS_V2, 5, -1, -1, -1, 9, 11, 14, 0, 0},
    {MOPS_V2, 9, -1, -1, -1, 9, 11, 14, 0, 0},
    {MOPS_V2, 20, -1, -1, -1, 9, 11, 14, 0, 0},
    {MOPS_V2, 6, -1, -1, -1, 8, 10, 13, 0, 0},
    {MOPS_V2, 10, -1, -1, -1, 8, 10, 13, 0, 0},
    {MOPS_V2, 21, -1, -1, -1, 8, 10, 13, 0, 0},
    {MOPS_V2, 7, 1, -1, -1, 7, 9, 12, 0, 0},
    {MOPS_V2, 7, 0, 1, -1, 7, 8, 11, 0, 0},
    {MOPS_V2, 8, 1, -1, 1, 6, 7, 10, 0, 0},
    {MOPS_V2, 8, 1, -1, 0, 5, 6, 9, 0, 0},
    {MOPS_V2, 8, 0, -1, 1, 4, 6, 7, 0, 0},
    {MOPS_V2, 8, 0, -1, 0, 0, 0, 0, 0, 0},
    {MOPS_V2, 8, -1, -1, 1, 0, 0, 0, 0, 0},
    {MOPS_V2, 8, 1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V2, 11, 0, 1, -1, 7, 9, 12, 0, 0},
    {MOPS_V2, 11, 1, 0, -1, 7, 8, 11, 0, 0},
    {MOPS_V2, 11, 1, -1, -1, 7, 8, 11, 0, 0},
    {MOPS_V2, 12, -1, -1, -1, 6, 7, 10, 0, 0},
    {MOPS_V2, 13, 0, 1, -1, 5, 6, 9, 0, 0},
    {MOPS_V2, 13, 1, 0, -1, 5, 6, 8, 0, 0},
    {MOPS_V2, 13, -1, 0, -1, 5, 6, 8, 0, 0},
    {MOPS_V2, 13, 1, 1, -1, 4, 6, 7, 0, 0},
    {MOPS_V2, 13, -1, 1, -1, 4, 6, 7, 0, 0},
    {MOPS_V2, 13, -1, -1, -1, 4, 6, 7, 0, 0},
    {MOPS_V2, 14, -1, -1, -1, 4, 5, 6, 0, 0},
    {MOPS_V2, 15, -1, -1, -1, 3, 4, 5, 0, 0},
    {MOPS_V2, 16, -1, 1, -1, 2, 3, 4, 0, 0},
    {MOPS_V2, 16, 1, 0, -1, 2, 2, 3, 0, 0},
    {MOPS_V2, 17, -1, -1, -1, 1, 1, 1, 0, 0},
    {MOPS_V2, 18, -1, -1, -1, 0, 0, 0, 0, 0},
    {MOPS_V2, 31, -1, -1, -1, 0, 0, 0, 0, 0},
};

TEST(ADSBTarget, QualityIndicatorTables) {
    constexpr uint64_t kTime = 7000;
    for (const QualityRow& row : kQualityRows) {
        SCOPED_TRACE(describe(row));
        ADSBTarget target(1);
        ADSBTargetTestAccess set(target);
        set.mops(row.version, 1000);
        if (row.a >= 0)
            set.suppA(row.a == 1, 2000);
        if (row.b >= 0)
            set.suppB(row.b == 1, 2000);
        if (row.c >= 0)
            set.suppC(row.c == 1, 2000);
        set.quality(static_cast<uint8_t>(row.typeCode), kTime);
        EXPECT_EQ(target.nucp(), row.nucp);
        EXPECT_EQ(target.nic(), row.nic);
        EXPECT_EQ(target.pic(), row.pic);
        EXPECT_EQ(target.nucpLastUpdate(), kTime);
        EXPECT_TRUE(target.nucpValid() && target.nicValid() && target.picValid());
        if (row.version == MOPS_V0) {
            EXPECT_EQ(target.nacp(), row.nacp);
            EXPECT_EQ(target.sil(), row.sil);
            EXPECT_EQ(target.nacpLastChange(), kTime);
            EXPECT_EQ(target.silLastChange(), kTime);
        } else {
            EXPECT_EQ(target.nacpLastUpdate(), 0u);
            EXPECT_FALSE(target.nacpValid());
            EXPECT_FALSE(target.silValid());
        }
    }
}

TEST(ADSBTarget, UnknownVersionResetsQualityIndicators) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.quality(9, 1000);
    set.nacp(10, 1000);
    set.mops(MOPS_UNKNOWN, 2000);
    set.quality(9, 3000);
    EXPECT_FALSE(target.nucpValid());
    EXPECT_EQ(target.nucp(), 0);
    EXPECT_FALSE(target.nicValid());
}

TEST(ADSBTarget, Statistics) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    EXPECT_FALSE(target.statisticValid());
    uint32_t expectedSum = 0;
    for (int df = 0; df < kDownlinkFormatCount; ++df) {
        for (int i = 0; i <= df % 4; ++i) {
            EXPECT_EQ(set.count(static_cast<DownlinkFormat>(df), 1000 + df), i + 1u);
            ++expectedSum;
        }
    }
    EXPECT_EQ(target.statisticDfMsgCount(), expectedSum);
    EXPECT_EQ(target.statisticDfMsgCount(DF_17), 2u);
    EXPECT_EQ(target.statisticLastUpdate(), 1024u);
    EXPECT_TRUE(target.statisticValid());
    EXPECT_EQ(set.count(POS_AIR, 5000), 1u);
    EXPECT_EQ(set.count(POS_AIR, 6000), 2u);
    EXPECT_EQ(target.statisticADSBMsgCount(POS_AIR), 2u);
    EXPECT_EQ(target.statisticADSBMsgCount(AIR_VEL), 0u);
    EXPECT_EQ(target.statisticLastUpdate(), 6000u);
    // Values outside the enumerations count nothing and read as 0.
    EXPECT_EQ(set.count(static_cast<DownlinkFormat>(25), 7000), 0u);
    EXPECT_EQ(set.count(static_cast<ADSBMessageType>(-1), 7000), 0u);
    EXPECT_EQ(target.statisticDfMsgCount(static_cast<DownlinkFormat>(99)), 0u);
    EXPECT_EQ(target.statisticLastUpdate(), 6000u);
    set.resetStatistic();
    EXPECT_EQ(target.statisticDfMsgCount(), 0u);
    EXPECT_EQ(target.statisticADSBMsgCount(POS_AIR), 0u);
    EXPECT_FALSE(target.statisticValid());
}

TEST(ADSBTarget, CopiesAreIndependent) {
    ADSBTarget target(1);
    ADSBTargetTestAccess set(target);
    set.squawk(01200, 1000);
    ADSBTarget copy = target;
    set.squawk(07700, 2000);
    EXPECT_EQ(copy.squawk(), 01200u);
    EXPECT_EQ(target.squawk(), 07700u);
}

TEST(ADSBTarget, ReportCarriesTargetValidity) {
    ADSBTarget target(0x4840D6);
    ADSBTargetTestAccess set(target);
    set.trackId(12);
    set.lastUpdate(9000);
    set.callsign("KLM1023 ", 1000);
    set.squawk(0, 2000);  // a stored code of 0 is valid in the target, so in the report too
    set.position(52.3, 4.7, 3000);
    set.heading(271.0, 0);  // heading validity is a flag, not a time
    set.altitude(38000, 4000);
    set.groundStatus(ADSBTarget::ON_GROUND, 5000);
    set.mops(MOPS_V1, 6000);
    set.confirmed(6000);
    set.suppA(true, 6500);
    set.suppB(true, 6500);
    set.quality(7, 7000);
    set.nacp(9, 7000);

    const ADSBTargetReport r = target.report();
    EXPECT_TRUE(r.valid());
    EXPECT_EQ(r.trackId(), 12u);
    EXPECT_EQ(r.lastUpdate(), 9000u);
    EXPECT_EQ(r.icaoAddress(), 0x4840D6u);
    EXPECT_TRUE(r.callsignValid());
    EXPECT_EQ(r.callsignLastChange(), 1000u);
    EXPECT_TRUE(r.squawkValid());
    EXPECT_EQ(r.squawkLastUpdate(), 2000u);
    EXPECT_TRUE(r.positionValid());
    EXPECT_EQ(r.positionLastUpdate(), 3000u);
    EXPECT_TRUE(r.headingValid());
    EXPECT_FALSE(r.groundSpeedValid());
    EXPECT_FALSE(r.verticalRateBaroValid());
    EXPECT_FALSE(r.signalAmplitudeValid());
    EXPECT_FALSE(r.emitterCategoryValid());
    EXPECT_TRUE(r.altitudeBaroValid());
    EXPECT_TRUE(r.groundStatus());
    EXPECT_TRUE(r.groundStatusValid());
    EXPECT_EQ(r.mopsVersion(), MOPS_V1);
    EXPECT_TRUE(r.mopsVersionConfirmed());
    EXPECT_EQ(r.mopsVersionLastChange(), 6000u);
    EXPECT_TRUE(r.nicSuppAValid());
    EXPECT_FALSE(r.nicSuppBValid());
    EXPECT_EQ(r.nic(), 9);
    EXPECT_EQ(r.pic(), 12);
    EXPECT_TRUE(r.nacpValid());
    EXPECT_EQ(r.nacp(), 9);
    EXPECT_FALSE(r.silValid());
    EXPECT_FALSE(r.nucrValid());
    EXPECT_FALSE(r.spiStatusValid());

    ADSBTarget airborne(1);
    ADSBTargetTestAccess(airborne).groundStatus(ADSBTarget::AIRBORNE, 1000);
    EXPECT_FALSE(airborne.report().groundStatus());
    EXPECT_FALSE(airborne.report().valid());  // no last update yet
}

}  // namespace
}  // namespace modes
}  // namespace brannic
