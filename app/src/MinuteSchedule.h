#ifndef VELTMAR_MINUTESCHEDULE_H
#define VELTMAR_MINUTESCHEDULE_H

#include <QtGlobal>

// Says when a once-a-minute job is due, given the time of each tick: at the first tick of
// every new UTC minute, however the ticks fall on the seconds (a one-second timer drifts and
// skips seconds, so "the second is a multiple of 60" misses whole minutes). A clock that steps
// back into an earlier minute counts as a new minute too.
class MinuteSchedule {
public:
    // Starts counting at nowMs: the job is first due in the minute after it.
    void start(quint64 nowMs) { _minute = nowMs / 60000; }
    // True once per minute: on the first call whose time lies in a minute other than that of
    // start() or of the previous true answer.
    bool due(quint64 nowMs) {
        const quint64 minute = nowMs / 60000;
        if (minute == _minute)
            return false;
        _minute = minute;
        return true;
    }

private:
    quint64 _minute = 0;
};

#endif  // VELTMAR_MINUTESCHEDULE_H
