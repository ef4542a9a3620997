#include "feedgen/ReceiverClock.h"

namespace feedgen {

namespace {

constexpr uint64_t kStampMask = (uint64_t{1} << 48) - 1;
constexpr int64_t kNsPerSecond = 1000000000;
constexpr int64_t kSecondsPerDay = 86400;

}  // namespace

uint64_t ReceiverClock::stamp(int64_t timeNs) const {
    if (_kind == ClockKind::Counter12MHz) {
        // 12 ticks per microsecond; split to keep the product far from overflow.
        const int64_t elapsed = timeNs - _originNs;
        const int64_t micros = elapsed / 1000;
        const int64_t ticks = micros * 12 + (elapsed % 1000) * 12 / 1000;
        return static_cast<uint64_t>(ticks) & kStampMask;
    }
    int64_t ofDay = timeNs % (kSecondsPerDay * kNsPerSecond);
    if (ofDay < 0)
        ofDay += kSecondsPerDay * kNsPerSecond;
    const uint64_t seconds = static_cast<uint64_t>(ofDay / kNsPerSecond);
    const uint64_t nanos = static_cast<uint64_t>(ofDay % kNsPerSecond);
    return (seconds << 30) | nanos;
}

bool ReceiverClock::nanoseconds(ClockKind kind, uint64_t stamp, int64_t& ns) {
    stamp &= kStampMask;
    if (kind == ClockKind::Counter12MHz) {
        const int64_t ticks = static_cast<int64_t>(stamp);
        ns = ticks / 12 * 1000 + ticks % 12 * 1000 / 12;
        return true;
    }
    const int64_t seconds = static_cast<int64_t>(stamp >> 30);
    const int64_t nanos = static_cast<int64_t>(stamp & 0x3FFFFFFF);
    if (seconds >= kSecondsPerDay || nanos >= kNsPerSecond)
        return false;
    ns = seconds * kNsPerSecond + nanos;
    return true;
}

}  // namespace feedgen
