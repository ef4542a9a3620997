#include "Clock.h"

#include <chrono>

namespace brannic {
namespace modes {
namespace catbridge {

uint64_t currentTimeMs() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace catbridge
}  // namespace modes
}  // namespace brannic
