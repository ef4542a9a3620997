// Output framings: Beast escaping checked by a plain parser written here, time stamps of both
// receiver clocks, and AVR lines.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "feedgen/AvrWriter.h"
#include "feedgen/BeastWriter.h"
#include "feedgen/Random.h"
#include "feedgen/ReceiverClock.h"

namespace {

using feedgen::ClockKind;
using feedgen::Frame;
using feedgen::ReceiverClock;
using feedgen::Transmission;

constexpr int64_t kNs = 1000000000;

struct ParsedFrame {
    char type = 0;
    uint64_t stamp = 0;
    uint8_t signal = 0;
    std::vector<uint8_t> reply;
};

// Reads Beast bytes the simplest way: a marker, a type, then bytes where every 0x1a must come
// twice. Fails the test on anything else.
std::vector<ParsedFrame> parseBeast(const std::string& bytes) {
    std::vector<ParsedFrame> frames;
    size_t i = 0;
    auto next = [&](uint8_t& out) {
        if (i >= bytes.size())
            return false;
        out = static_cast<uint8_t>(bytes[i++]);
        if (out == 0x1a) {
            if (i >= bytes.size() || static_cast<uint8_t>(bytes[i]) != 0x1a)
                return false;
            ++i;
        }
        return true;
    };
    while (i < bytes.size()) {
        EXPECT_EQ(static_cast<uint8_t>(bytes[i]), 0x1a) << "frame must start with the marker at " << i;
        ParsedFrame frame;
        frame.type = bytes[i + 1];
        i += 2;
        const size_t length = frame.type == '1' ? 2 : frame.type == '2' ? 7 : 14;
        uint8_t byte = 0;
        for (int k = 0; k < 6; ++k) {
            EXPECT_TRUE(next(byte));
            frame.stamp = (frame.stamp << 8) | byte;
        }
        EXPECT_TRUE(next(frame.signal));
        for (size_t k = 0; k < length; ++k) {
            EXPECT_TRUE(next(byte)) << "reply byte " << k;
            frame.reply.push_back(byte);
        }
        frames.push_back(frame);
    }
    return frames;
}

TEST(FeedFraming, BeastEscapesEveryMarkerByteAfterTheType) {
    feedgen::Random random(3);
    const ReceiverClock clock(ClockKind::Counter12MHz, 0);
    const feedgen::BeastWriter writer(clock);
    std::vector<Transmission> sent;
    std::string bytes;
    for (int n = 0; n < 2000; ++n) {
        Transmission t;
        t.frame.size = n % 3 == 0 ? 2 : (n % 3 == 1 ? 7 : 14);
        for (unsigned k = 0; k < t.frame.size; ++k)
            t.frame.bytes[k] = random.chance(0.3) ? 0x1a : static_cast<uint8_t>(random.next());
        t.signal = random.chance(0.3) ? 0x1a : static_cast<uint8_t>(random.next());
        // Stamps whose bytes are 0x1a: 0x1a1a1a1a1a1a ticks, and random ones.
        t.timeNs = n == 0 ? static_cast<int64_t>(0x1a1a1a1a1a1aull / 12 * 1000)
                          : static_cast<int64_t>(random.below(uint64_t{1} << 40));
        ASSERT_TRUE(writer.append(t, bytes));
        sent.push_back(t);
    }
    const auto parsed = parseBeast(bytes);
    ASSERT_EQ(parsed.size(), sent.size());
    for (size_t n = 0; n < sent.size(); ++n) {
        const Frame& f = sent[n].frame;
        EXPECT_EQ(parsed[n].type, f.size == 2 ? '1' : (f.size == 7 ? '2' : '3'));
        EXPECT_EQ(parsed[n].stamp, clock.stamp(sent[n].timeNs)) << n;
        EXPECT_EQ(parsed[n].signal, sent[n].signal) << n;
        EXPECT_EQ(parsed[n].reply, std::vector<uint8_t>(f.data(), f.data() + f.size)) << n;
    }
    EXPECT_EQ(parsed[0].stamp >> 8, 0x1a1a1a1a1aull) << "a stamp made of markers";
}

TEST(FeedFraming, BeastFrameOfKnownBytes) {
    Transmission t;
    t.frame = Frame::fromHex("8D4840D6202CC371C32CE0576098");
    t.signal = 0x1a;
    t.timeNs = 1 * kNs;  // 12,000,000 ticks = 0xB71B00
    std::string bytes;
    ASSERT_TRUE(feedgen::BeastWriter(ReceiverClock(ClockKind::Counter12MHz, 0)).append(t, bytes));
    const std::string expected("\x1a" "3" "\x00\x00\x00\xB7\x1B\x00" "\x1a\x1a"
                               "\x8D\x48\x40\xD6\x20\x2C\xC3\x71\xC3\x2C\xE0\x57\x60\x98",
                               2 + 6 + 2 + 14);
    EXPECT_EQ(bytes, expected);
    Transmission empty;
    EXPECT_FALSE(feedgen::BeastWriter(ReceiverClock(ClockKind::Counter12MHz, 0)).append(empty, bytes));
    EXPECT_EQ(bytes, expected) << "nothing appended for an empty frame";
}

TEST(FeedFraming, ReceiverClockStamps) {
    struct Row {
        ClockKind kind;
        int64_t originNs;
        int64_t timeNs;
        uint64_t stamp;
    };
    const int64_t day = 86400 * kNs;
    const Row rows[] = {
        {ClockKind::Counter12MHz, 0, 0, 0},
        {ClockKind::Counter12MHz, 5 * kNs, 6 * kNs, 12000000},
        {ClockKind::Counter12MHz, 0, 1000, 12},
        {ClockKind::Counter12MHz, 0, 83, 0},  // under a tick
        {ClockKind::Counter12MHz, 0, 84, 1},
        {ClockKind::Counter12MHz, 1 * kNs, 0, (uint64_t{1} << 48) - 12000000},  // before the origin: wraps
        {ClockKind::GpsTimeOfDay, 0, 1700000000 * kNs + 500000000,
         (uint64_t{1700000000 % 86400} << 30) | 500000000},
        {ClockKind::GpsTimeOfDay, 0, 20000 * day + day - 1, (uint64_t{86399} << 30) | 999999999},
        {ClockKind::GpsTimeOfDay, 12345, 20000 * day, 0},
    };
    for (const Row& row : rows) {
        const ReceiverClock clock(row.kind, row.originNs);
        EXPECT_EQ(clock.stamp(row.timeNs), row.stamp) << row.timeNs;
        int64_t back = -1;
        ASSERT_TRUE(ReceiverClock::nanoseconds(row.kind, row.stamp, back));
        if (row.kind == ClockKind::GpsTimeOfDay) {
            EXPECT_EQ(back, ((row.timeNs % day) + day) % day);
        }
    }
    int64_t untouched = 7;
    EXPECT_FALSE(ReceiverClock::nanoseconds(ClockKind::GpsTimeOfDay, uint64_t{86400} << 30, untouched));
    EXPECT_FALSE(ReceiverClock::nanoseconds(ClockKind::GpsTimeOfDay, 1000000000, untouched));
    EXPECT_EQ(untouched, 7);
    int64_t ns = 0;
    ASSERT_TRUE(ReceiverClock::nanoseconds(ClockKind::Counter12MHz, 12000000, ns));
    EXPECT_EQ(ns, kNs);
}

TEST(FeedFraming, AvrLines) {
    Transmission t;
    t.frame = Frame::fromHex("8d4840d6202cc371c32ce0576098");
    t.timeNs = 2 * kNs;
    std::string text;
    const ReceiverClock clock(ClockKind::Counter12MHz, 0);
    ASSERT_TRUE(feedgen::AvrWriter(clock, false).append(t, text));
    t.frame = Frame::fromHex("5D4840D6BDC5E1");
    ASSERT_TRUE(feedgen::AvrWriter(clock, true).append(t, text));
    EXPECT_EQ(text,
              "*8D4840D6202CC371C32CE0576098;\n"
              "@0000016E36005D4840D6BDC5E1;\n");
    EXPECT_FALSE(feedgen::AvrWriter(clock, true).append(Transmission{}, text));
}

}  // namespace
