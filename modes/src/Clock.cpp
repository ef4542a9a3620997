#include "Clock.h"

#include <chrono>

namespace brannic {
namespace modes {
namespace clock {

namespace {
uint64_t _fixedTime = 0;
}  // namespace

uint64_t nowMilliseconds() {
    if (_fixedTime != 0)
        return _fixedTime;
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int64_t nowSeconds() {
    return static_cast<int64_t>(nowMilliseconds() / 1000);
}

void setFixedTime(uint64_t milliseconds) {
    _fixedTime = milliseconds;
}

}  // namespace clock
}  // namespace modes
}  // namespace brannic
