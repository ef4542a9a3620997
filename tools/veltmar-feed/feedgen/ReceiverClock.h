#ifndef FEEDGEN_RECEIVERCLOCK_H
#define FEEDGEN_RECEIVERCLOCK_H

// The 48-bit time stamp that Beast frames and AVR '@' lines carry. Most receivers put a
// free-running 12 MHz counter there (it starts when the receiver starts and wraps after about
// 271 days); receivers with a GPS time reference put the time of day instead: 18 bits of
// seconds since midnight UTC and 30 bits of nanoseconds.

#include <cstdint>

namespace feedgen {

enum class ClockKind { Counter12MHz, GpsTimeOfDay };

class ReceiverClock {
public:
    // `originNs` (nanoseconds since the epoch) is the moment the counter reads 0; the time of
    // day does not use it.
    ReceiverClock(ClockKind kind, int64_t originNs) : _kind(kind), _originNs(originNs) {}

    ClockKind kind() const { return _kind; }

    // The 48-bit stamp of a moment (nanoseconds since the epoch). A counter stamp of a moment
    // before the origin wraps like the counter would.
    uint64_t stamp(int64_t timeNs) const;

    // Nanoseconds of a stamp: since the counter's origin, or since midnight for the time of
    // day. False, leaving `ns` untouched, for a time of day whose fields are out of range
    // (86,400 seconds or more, 10^9 nanoseconds or more).
    static bool nanoseconds(ClockKind kind, uint64_t stamp, int64_t& ns);

private:
    ClockKind _kind;
    int64_t _originNs;
};

}  // namespace feedgen

#endif  // FEEDGEN_RECEIVERCLOCK_H
