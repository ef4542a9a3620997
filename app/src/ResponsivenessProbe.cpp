#include "ResponsivenessProbe.h"

#include <algorithm>
#include <cmath>
#include <ctime>

ResponsivenessProbe::ResponsivenessProbe(int intervalMs, QObject* parent)
    : QObject(parent), _intervalMs(intervalMs) {
    _timer.setTimerType(Qt::PreciseTimer);
    _timer.setInterval(intervalMs);
    connect(&_timer, &QTimer::timeout, this, &ResponsivenessProbe::tick);
}

void ResponsivenessProbe::start() {
    _lateness.clear();
    _lateness.reserve(1 << 16);
    _clock.start();
    _last = -1;
    _timer.start();
}

void ResponsivenessProbe::stop() {
    _timer.stop();
}

void ResponsivenessProbe::tick() {
    const qint64 now = _clock.nsecsElapsed();
    if (_last >= 0) {
        const double late = (now - _last) / 1e6 - _intervalMs;
        _lateness.push_back(std::max(0.0, late));
    }
    _last = now;
}

double ResponsivenessProbe::percentile(double p) const {
    if (_lateness.empty()) {
        return 0.0;
    }
    std::vector<double> sorted = _lateness;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::clamp(p, 0.0, 100.0) / 100.0 * static_cast<double>(sorted.size() - 1);
    return sorted[static_cast<std::size_t>(std::lround(rank))];
}

double ResponsivenessProbe::maximum() const {
    return _lateness.empty() ? 0.0 : *std::max_element(_lateness.begin(), _lateness.end());
}

double ResponsivenessProbe::processCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}
