#ifndef CATBRIDGE_TIMEOFDAY_H
#define CATBRIDGE_TIMEOFDAY_H

#include <cstdint>

namespace brannic {
namespace modes {
namespace catbridge {

constexpr uint64_t kMillisecondsPerDay = 86400000;

// The ASTERIX time of day of `timeMs` (milliseconds since 1970-01-01 UTC) in units of 1/128 s,
// truncated: the time elapsed since the UTC midnight of the current day, wrapped modulo
// 24 hours. ASTERIX time items restart at zero every midnight, so a target last heard at
// 23:59:59 and reported just after midnight keeps 23:59:59 instead of a value the 24-bit item
// cannot hold. Since every UTC midnight is a whole number of days after the epoch, wrapping
// the time since today's midnight gives the time's own place in its day, whatever the clock
// says. Always below 86,400 × 128.
uint32_t asterixTimeOfDay(uint64_t timeMs);

}  // namespace catbridge
}  // namespace modes
}  // namespace brannic

#endif  // CATBRIDGE_TIMEOFDAY_H
