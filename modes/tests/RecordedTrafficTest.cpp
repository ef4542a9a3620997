// End to end on real traffic: recorded replies, in order and with their recorded times,
// through the Mode S decoder and the tracker.

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "TestData.h"

namespace brannic {
namespace modes {
namespace {

// An independent global CPR decode written from the textbook formulas, with NL computed from
// its closed form rather than from the published table, to check the tracker's positions.
struct ReferenceCPR {
    static int nl(double lat) {
        if (std::fabs(lat) >= 87.0)
            return 1;
        const double c = std::cos(lat * M_PI / 180.0);
        return static_cast<int>(
            std::floor(2 * M_PI / std::acos(1 - (1 - std::cos(M_PI / 30)) / (c * c))));
    }
    static double mod(double x, double y) { return x - y * std::floor(x / y); }

    // Returns false for a pair across an NL boundary.
    static bool decode(double evenLat, double evenLon, double oddLat, double oddLon, bool oddNewer,
                       double& lat, double& lon) {
        const double lat0 = evenLat / 131072, lat1 = oddLat / 131072;
        const double lon0 = evenLon / 131072, lon1 = oddLon / 131072;
        const double j = std::floor(59 * lat0 - 60 * lat1 + 0.5);
        double r0 = 6.0 * (mod(j, 60) + lat0);
        double r1 = 360.0 / 59 * (mod(j, 59) + lat1);
        if (r0 >= 270)
            r0 -= 360;
        if (r1 >= 270)
            r1 -= 360;
        if (nl(r0) != nl(r1))
            return false;
        const int zones = nl(r0);
        const double m = std::floor(lon0 * (zones - 1) - lon1 * zones + 0.5);
        const int ni = oddNewer ? std::max(zones - 1, 1) : std::max(zones, 1);
        lat = oddNewer ? r1 : r0;
        lon = 360.0 / ni * (mod(m, ni) + (oddNewer ? lon1 : lon0));
        if (lon > 180)
            lon -= 360;
        return true;
    }
};

// ME bits of a frame, as the reader of the recording sees them.
uint32_t meBits(const std::string& frame, int first, int last) {
    uint32_t v = 0;
    for (int i = first; i <= last; ++i) {
        const int bit = 32 + i;
        v = v << 1 | ((static_cast<unsigned char>(frame[bit / 8]) >> (7 - bit % 8)) & 1);
    }
    return v;
}

TEST(RecordedTraffic, OneAircraftOverTwelveMinutes) {
    // 2000 extended squitters of aircraft 406B90 (easyJet EZY85MH) over the Netherlands,
    // 2016-03-14: identification, airborne position and airborne velocity messages.
    const auto rows = testdata::readCsv("sample_data_adsb.csv", false);
    ASSERT_EQ(rows.size(), 2000u);

    ModeSDecoder decoder;
    ADSBTracker tracker;
    struct Slot {
        uint32_t lat = 0, lon = 0;
        uint64_t time = 0;
    } even, odd;
    int positionsChecked = 0;

    for (const auto& row : rows) {
        const uint64_t time = std::stoull(row[0]) * 1000;
        const std::string frame = testdata::fromHex(row[1]);
        std::unique_ptr<ModeSMessage> msg(decoder.decode(ModeSMessage::DOWNLINK, frame, time));
        ASSERT_NE(msg, nullptr) << row[1];
        ASSERT_EQ(msg->icaoAddress(), 0x406B90u);
        ASSERT_EQ(msg->confidence(), ModeSMessage::FULL);
        const ADSBTarget* target = tracker.procModeSMsg(msg.get());
        ASSERT_NE(target, nullptr);

        if (meBits(frame, 0, 4) != 11)
            continue;
        Slot& slot = meBits(frame, 21, 21) ? odd : even;
        slot = {meBits(frame, 22, 38), meBits(frame, 39, 55), time};
        const uint64_t gap = even.time > odd.time ? even.time - odd.time : odd.time - even.time;
        double lat = 0, lon = 0;
        if (even.time == 0 || odd.time == 0 || gap > 10000 ||
            !ReferenceCPR::decode(even.lat, even.lon, odd.lat, odd.lon, even.time <= odd.time, lat,
                                  lon)) {
            continue;
        }
        ASSERT_TRUE(target->positionValid()) << row[0];
        ASSERT_NEAR(target->latitude(), lat, 1e-9) << row[0];
        ASSERT_NEAR(target->longitude(), lon, 1e-9) << row[0];
        ASSERT_EQ(target->positionLastUpdate(), std::max(even.time, odd.time));
        ++positionsChecked;
    }
    EXPECT_EQ(positionsChecked, 927);

    const auto targets = tracker.allTargets();
    ASSERT_EQ(targets.size(), 1u);
    const ADSBTarget& t = targets[0];
    EXPECT_EQ(t.icaoAddr(), 0x406B90u);
    EXPECT_EQ(t.trackId(), 1u);
    EXPECT_EQ(t.callsign(), "EZY85MH ");
    EXPECT_TRUE(t.emitterCategoryValid());
    EXPECT_EQ(t.emitterCategory(), 0);
    EXPECT_EQ(t.lastUpdate(), 1457997130000ull);
    // Last airborne position: level at 36,000 ft over the Netherlands.
    EXPECT_EQ(t.altitudeBaro(), 36000);
    EXPECT_EQ(t.groundStatus(), ADSBTarget::AIRBORNE);
    EXPECT_NEAR(t.latitude(), 51.70003, 1e-5);
    EXPECT_NEAR(t.longitude(), 4.77341, 1e-5);
    // Last velocity: east 455 kt, north 179 kt -> 488.9 kt on a track of 291.5 degrees.
    EXPECT_NEAR(t.groundSpeed(), 488.94376, 1e-4);
    EXPECT_NEAR(t.heading(), 291.47500, 1e-4);
    // Its vertical rates are GNSS-sourced (ME bit 35 clear): no barometric vertical rate.
    EXPECT_FALSE(t.verticalRateBaroValid());
    // DO-260 behaviour: no operational status, so version 0, confirmed after 20 squitters.
    EXPECT_EQ(t.mopsVersion(), MOPS_V0);
    EXPECT_TRUE(t.mopsVersionConfirmed());
    EXPECT_TRUE(t.nucpValid());
    EXPECT_EQ(t.nucp(), 7);  // type code 11
    EXPECT_EQ(t.statisticDfMsgCount(DF_17), 2000u);
    EXPECT_EQ(t.statisticADSBMsgCount(ACID), 98u);
    EXPECT_EQ(t.statisticADSBMsgCount(POS_AIR), 937u);
    EXPECT_EQ(t.statisticADSBMsgCount(AIR_VEL), 965u);
}

TEST(RecordedTraffic, CommBRepliesOfUnconfirmedAddressesCreateNoTargets) {
    // DF20 and DF21 replies carry no parity check of their own: without an extended squitter
    // confirming the address, they are graded LOW and never start a track.
    ModeSDecoder decoder;
    ADSBTracker tracker;
    int decoded = 0;
    for (const char* file : {"sample_data_commb_df20.csv", "sample_data_commb_df21.csv"}) {
        for (const auto& row : testdata::readCsv(file, false)) {
            std::unique_ptr<ModeSMessage> msg(decoder.decode(
                ModeSMessage::DOWNLINK, testdata::fromHex(row[2]), std::stoull(row[0]) * 1000));
            if (!msg)
                continue;  // an altitude code that is not available or not legal
            ++decoded;
            EXPECT_EQ(msg->confidence(), ModeSMessage::LOW);
            EXPECT_EQ(tracker.procModeSMsg(msg.get()), nullptr);
        }
    }
    EXPECT_GT(decoded, 9000);
    EXPECT_TRUE(tracker.allTargets().empty());
}

}  // namespace
}  // namespace modes
}  // namespace brannic
