#include "Clock.h"

#include <chrono>
#include <ctime>

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

// Whole seconds come from the coarse real-time clock where the system has one: the same clock
// without the hardware read, several times cheaper, which matters because every decoded reply
// is stamped; it lags the precise clock by at most one scheduler tick.
int64_t nowSeconds() {
    if (_fixedTime != 0)
        return static_cast<int64_t>(_fixedTime / 1000);
#ifdef CLOCK_REALTIME_COARSE
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME_COARSE, &now) == 0)
        return static_cast<int64_t>(now.tv_sec);
#endif
    return static_cast<int64_t>(nowMilliseconds() / 1000);
}

void setFixedTime(uint64_t milliseconds) {
    _fixedTime = milliseconds;
}

}  // namespace clock
}  // namespace modes
}  // namespace brannic
