#include "FrameClock.h"

#include <cstdint>

#include <QCoreApplication>

namespace {

quint64 distance(quint64 a, quint64 b) {
    return a > b ? a - b : b - a;
}

}  // namespace

QString FrameClock::notTimeOfDayText() {
    return QCoreApplication::translate(
        "FrameClock", "Receiver time stamps are not a time of day: using the receive time.");
}

void FrameClock::reset() {
    _judgement = Judgement::Undecided;
    _firstStamp = 0;
    _firstReceive = 0;
}

bool FrameClock::timeOfDay(const unsigned char* stamp, quint32* msOfDay) {
    const quint32 seconds = (quint32(stamp[0]) << 10) | (quint32(stamp[1]) << 2) | (stamp[2] >> 6);
    const quint32 nanoseconds = (quint32(stamp[2] & 0x3f) << 24) | (quint32(stamp[3]) << 16) |
                                (quint32(stamp[4]) << 8) | stamp[5];
    if (seconds >= 86400 || nanoseconds >= 1000000000u || (seconds == 0 && nanoseconds == 0))
        return false;
    *msOfDay = seconds * 1000 + nanoseconds / 1000000;
    return true;
}

quint64 FrameClock::onNearestDate(quint32 msOfDay, quint64 receiveTimeMs) {
    return onNearestDate(msOfDay, receiveTimeMs, midnightOf(receiveTimeMs));
}

std::int64_t FrameClock::midnightOf(quint64 receiveTimeMs) {
    const std::int64_t receive = std::int64_t(receiveTimeMs);
    return receive - receive % std::int64_t(kDayMs);
}

quint64 FrameClock::onNearestDate(quint32 msOfDay, quint64 receiveTimeMs, std::int64_t midnight) {
    // On the receive time's date the time lies less than a day from the receive time; the day
    // before is nearer when it lies more than half a day after it (and the date exists), the
    // day after when more than half a day before. At exactly half a day the date stays.
    const std::int64_t day = std::int64_t(kDayMs);
    const std::int64_t onDate = midnight + msOfDay;
    const std::int64_t after = onDate - std::int64_t(receiveTimeMs);
    if (2 * after > day && onDate - day >= 0)
        return quint64(onDate - day);
    if (-2 * after > day)
        return quint64(onDate + day);
    return quint64(onDate);
}

quint64 FrameClock::decideReceiveTime(quint64 receiveTimeMs) {
    _judgement = Judgement::ReceiveTime;
    if (_log)
        _log(notTimeOfDayText());
    return receiveTimeMs;
}

quint64 FrameClock::frameTime(const unsigned char* stamp, quint64 receiveTimeMs) {
    if (_playback || _judgement == Judgement::ReceiveTime)
        return receiveTimeMs;

    quint32 msOfDay = 0;
    const bool valid = timeOfDay(stamp, &msOfDay);
    // The frames of one chunk share their receive time, and so its midnight.
    if (receiveTimeMs != _midnightOfReceive) {
        _midnightOfReceive = receiveTimeMs;
        _midnight = midnightOf(receiveTimeMs);
    }
    const quint64 time = valid ? onNearestDate(msOfDay, receiveTimeMs, _midnight) : 0;
    const bool near = valid && distance(time, receiveTimeMs) <= kTolerance;

    switch (_judgement) {
        case Judgement::Undecided:
            if (!near)
                return decideReceiveTime(receiveTimeMs);
            _judgement = Judgement::Provisional;
            _firstStamp = time;
            _firstReceive = receiveTimeMs;
            return time;
        case Judgement::Provisional: {
            if (!valid)
                return receiveTimeMs;  // one damaged stamp says nothing about the source
            if (!near)
                return decideReceiveTime(receiveTimeMs);
            if (receiveTimeMs < _firstReceive + kConfirmAfter)
                return time;
            // Pace: stamps advance with the receive clock, allowing for a feed delivered in bursts.
            const quint64 received = receiveTimeMs - _firstReceive;
            const quint64 stamped = time > _firstStamp ? time - _firstStamp : 0;
            if (2 * stamped < received || stamped > 2 * received)
                return decideReceiveTime(receiveTimeMs);
            _judgement = Judgement::TimeOfDay;
            return time;
        }
        case Judgement::TimeOfDay:
            return valid ? time : receiveTimeMs;
        case Judgement::ReceiveTime:
            break;
    }
    return receiveTimeMs;
}
