#ifndef CATBRIDGE_CLOCK_H
#define CATBRIDGE_CLOCK_H

#include <cstdint>

namespace brannic {
namespace modes {
namespace catbridge {

// The current UTC time in milliseconds since 1970-01-01, from the system clock. The one place
// of the library that reads a clock; everything that can take the time as an input does.
uint64_t currentTimeMs();

}  // namespace catbridge
}  // namespace modes
}  // namespace brannic

#endif  // CATBRIDGE_CLOCK_H
