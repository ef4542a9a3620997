// The receiver clock: the six stamp bytes as a GPS time of day, the date chosen around
// midnight, and the judgement of a source's stamps from its first frames.

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "FrameClock.h"
#include "InputTestSupport.h"

namespace {

using testsupport::hex;
using testsupport::LogCollector;

constexpr quint64 kMidnight = 1709251200000ull;  // 2024-03-01 00:00:00 UTC
constexpr quint64 kDay = FrameClock::kDayMs;

struct StampCase {
    const char* bytes;
    bool valid;
    quint32 msOfDay;
};

TEST(FrameClockTest, StampBytesAsTimeOfDay) {
    const StampCase cases[] = {
        {"2a301dcd6500", true, 43200500},  // 12:00:00.5
        {"545ffb9ac9ff", true, 86399999},  // 23:59:59.999999999, largest of the day
        {"0000000f4240", true, 1},         // 00:00:00.001
        {"000000000001", true, 0},         // 1 ns after midnight
        {"546000000001", false, 0},        // second 86,400
        {"ffffffffffff", false, 0},        // second 262,143
        {"00003b9aca00", false, 0},        // 10^9 ns
        {"000000000000", false, 0},        // no stamp at all
    };
    for (const StampCase& c : cases) {
        const QByteArray bytes = hex(c.bytes);
        quint32 ms = 0xdeadbeef;
        const bool valid =
            FrameClock::timeOfDay(reinterpret_cast<const unsigned char*>(bytes.constData()), &ms);
        EXPECT_EQ(valid, c.valid) << c.bytes;
        EXPECT_EQ(ms, c.valid ? c.msOfDay : 0xdeadbeef) << c.bytes;
    }
}

TEST(FrameClockTest, DateNearestToTheReceiveTime) {
    struct Row {
        quint32 msOfDay;
        quint64 receive;
        quint64 expected;
    } rows[] = {
        {43200500, kMidnight + 43202500, kMidnight + 43200500},
        // Stamped just before midnight, received just after: the previous date.
        {86399000, kMidnight + 500, kMidnight - 1000},
        // Stamped just after midnight, received just before it (a fast receiver clock).
        {200, kMidnight - 300, kMidnight + 200},
        // Twelve hours either way stay on the receive date.
        {0 + 1, kMidnight + 43200000, kMidnight + 1},
        // Exactly twelve hours either way: the receive date too.
        {0, kMidnight + 43200000, kMidnight},
        {43200000, kMidnight, kMidnight + 43200000},
        // Just over twelve hours: the neighbouring date.
        {43200001, kMidnight, kMidnight - 43199999},
        {0, kMidnight + 43200001, kMidnight + 86400000},
        // Near the epoch there is no day before.
        {86399000, 500, 86399000},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FrameClock::onNearestDate(r.msOfDay, r.receive), r.expected) << r.receive;
}

// The stamp of a GPS receiver for a time (ms since the epoch).
std::vector<unsigned char> gpsStamp(quint64 time) {
    const quint64 ms = time % kDay;
    const quint32 seconds = quint32(ms / 1000);
    const quint32 ns = quint32(ms % 1000) * 1000000;
    return {static_cast<unsigned char>(seconds >> 10),
            static_cast<unsigned char>(seconds >> 2),
            static_cast<unsigned char>((seconds & 3) << 6 | ns >> 24),
            static_cast<unsigned char>(ns >> 16),
            static_cast<unsigned char>(ns >> 8),
            static_cast<unsigned char>(ns)};
}

// The stamp of a receiver with a free-running 12 MHz counter.
std::vector<unsigned char> counterStamp(quint64 ticks) {
    std::vector<unsigned char> bytes(6);
    for (int i = 5; i >= 0; --i, ticks >>= 8)
        bytes[size_t(i)] = static_cast<unsigned char>(ticks);
    return bytes;
}

struct Source {
    FrameClock clock;
    LogCollector log;
    Source() { clock.setLogSink(log.sink()); }
    quint64 frame(const std::vector<unsigned char>& stamp, quint64 receive) {
        return clock.frameTime(stamp.data(), receive);
    }
};

TEST(FrameClockTest, GpsReceiverKeepsItsStamps) {
    Source source;
    const quint64 start = kMidnight + 3600000;
    // The frames left the receiver 150 ms before they arrived; a frame every 100 ms for 20 s.
    for (quint64 t = start; t < start + 20000; t += 100) {
        ASSERT_EQ(source.frame(gpsStamp(t - 150), t), t - 150) << t - start;
    }
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::TimeOfDay);
    EXPECT_TRUE(source.log.lines.isEmpty());
}

TEST(FrameClockTest, GpsStampsAcrossMidnightStayOnTheirDate) {
    Source source;
    // Arrive from 5 s before midnight to 5 s after, each stamped 800 ms before it arrives.
    for (quint64 t = kMidnight - 5000; t < kMidnight + 15000; t += 250)
        ASSERT_EQ(source.frame(gpsStamp(t - 800), t), t - 800) << qint64(t - kMidnight);
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::TimeOfDay);
}

TEST(FrameClockTest, CounterReceiverGetsTheReceiveTimeAndOneLogLine) {
    Source source;
    const quint64 start = kMidnight + 50000000;
    quint64 ticks = 1036800000000ull;  // up for a day
    for (quint64 t = start; t < start + 5000; t += 10, ticks += 120000)
        ASSERT_EQ(source.frame(counterStamp(ticks), t), t);
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::ReceiveTime);
    EXPECT_EQ(source.log.lines, QStringList{FrameClock::notTimeOfDayText()});
}

// A counter whose value happens to read as a time of day within minutes of the clock passes
// the first look; its pace gives it away once ten seconds have passed.
TEST(FrameClockTest, CounterThatLooksLikeTheTimeIsCaughtByItsPace) {
    Source source;
    // 2^30 ticks per "second" of time of day: pick the counter so it reads as the receive time.
    const quint64 start = kMidnight + 1000000;  // 00:16:40
    quint64 ticks = quint64(1000) << 30;        // reads as second 1000
    quint64 t = start;
    for (; t < start + FrameClock::kConfirmAfter; t += 100, ticks += 1200000) {
        const quint64 time = source.frame(counterStamp(ticks), t);
        ASSERT_LT(time > t ? time - t : t - time, FrameClock::kTolerance);
    }
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::Provisional);
    EXPECT_EQ(source.frame(counterStamp(ticks), t), t);
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::ReceiveTime);
    EXPECT_EQ(source.frame(counterStamp(ticks + 1200000), t + 100), t + 100);
    EXPECT_EQ(source.log.lines.size(), 1);
}

TEST(FrameClockTest, FirstStampDecides) {
    struct Row {
        const char* name;
        qint64 offset;  // of the stamp from the receive time, ms
        bool timeOfDay;
    } rows[] = {
        {"on time", 0, true},
        {"a second late", -1000, true},
        {"within the tolerance", -qint64(FrameClock::kTolerance), true},
        {"ahead within the tolerance", qint64(FrameClock::kTolerance), true},
        {"just beyond", -qint64(FrameClock::kTolerance) - 1, false},
        {"an hour off", 3600000, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Source source;
        const quint64 receive = kMidnight + 40000000;
        const quint64 stamped = quint64(qint64(receive) + r.offset);
        EXPECT_EQ(source.frame(gpsStamp(stamped), receive), r.timeOfDay ? stamped : receive);
        EXPECT_EQ(source.log.lines.size(), r.timeOfDay ? 0 : 1);
    }
}

TEST(FrameClockTest, ProvisionalSourceThatDriftsAwayIsDropped) {
    Source source;
    const quint64 t = kMidnight + 40000000;
    EXPECT_EQ(source.frame(gpsStamp(t), t), t);
    // A damaged stamp within the first frames takes its receive time and decides nothing.
    EXPECT_EQ(source.frame(counterStamp(0xffffffffffffull), t + 10), t + 10);
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::Provisional);
    EXPECT_EQ(source.frame(gpsStamp(t + 20 + FrameClock::kTolerance + 1), t + 20), t + 20);
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::ReceiveTime);
    EXPECT_EQ(source.log.lines.size(), 1);
}

TEST(FrameClockTest, ResetJudgesTheNextSourceAfresh) {
    Source source;
    const quint64 t = kMidnight + 40000000;
    EXPECT_EQ(source.frame(counterStamp(12345678), t), t);
    EXPECT_EQ(source.frame(gpsStamp(t + 1), t + 2), t + 2);
    source.clock.reset();
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::Undecided);
    EXPECT_EQ(source.frame(gpsStamp(t + 3), t + 4), t + 3);
    source.clock.reset();
    EXPECT_EQ(source.frame(counterStamp(12345678), t + 5), t + 5);
    EXPECT_EQ(source.log.lines.size(), 2);
}

TEST(FrameClockTest, PlaybackTakesTheReceiveTimeAndJudgesNothing) {
    Source source;
    source.clock.setPlaybackMode(true);
    const quint64 t = kMidnight + 40000000;
    EXPECT_EQ(source.frame(gpsStamp(t - 700), t), t);
    EXPECT_EQ(source.frame(counterStamp(99), t + 1), t + 1);
    EXPECT_EQ(source.clock.judgement(), FrameClock::Judgement::Undecided);
    EXPECT_TRUE(source.log.lines.isEmpty());
}

}  // namespace
