#ifndef MODES_SRC_CLOCK_H
#define MODES_SRC_CLOCK_H

// The library's one view of the system clock (UTC), used for default time stamps and for the
// Mode S decoder's address and interrogator tables. Tests set a fixed time here to move the
// clock without sleeping; the public classes never expose it.

#include <cstdint>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {
namespace clock {

// Milliseconds since 1970-01-01 UTC.
MODES_EXPORT uint64_t nowMilliseconds();

// Whole seconds since 1970-01-01 UTC.
MODES_EXPORT int64_t nowSeconds();

// From now on the clock reads `milliseconds`; 0 returns to the system clock.
MODES_EXPORT void setFixedTime(uint64_t milliseconds);

}  // namespace clock
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_CLOCK_H
