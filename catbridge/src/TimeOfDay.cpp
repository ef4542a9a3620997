#include "TimeOfDay.h"

namespace brannic {
namespace modes {
namespace catbridge {

uint32_t asterixTimeOfDay(uint64_t timeMs) {
    return static_cast<uint32_t>(timeMs % kMillisecondsPerDay * 128 / 1000);
}

}  // namespace catbridge
}  // namespace modes
}  // namespace brannic
