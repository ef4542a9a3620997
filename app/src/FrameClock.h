#ifndef VELTMAR_FRAMECLOCK_H
#define VELTMAR_FRAMECLOCK_H

#include <cstdint>

#include <QtGlobal>

#include "ModeSFrame.h"

// The time of a Beast frame or an AVR '@' line, from the six time-stamp bytes the receiver
// put in front of the reply.
//
// Receivers with a GPS clock write the time of day there: an 18-bit count of seconds since
// UTC midnight, then a 30-bit count of nanoseconds. Most receivers instead write a free-running
// 12 MHz counter, which read as a time of day gives "seconds" that step once every 89 s and
// bear no relation to the clock. So the clock judges each source afresh when it starts
// (reset()):
//
//  - The first stamped frame whose stamp is a valid time of day (seconds below 86,400,
//    nanoseconds below 10^9, not all zero) within kTolerance of its receive time makes the
//    stamps provisionally a time of day. Any other first frame decides at once for the
//    receive time.
//  - The first frame at least kConfirmAfter (receive time) after that first one confirms
//    the time of day when the stamps advanced at between half and twice the pace of the
//    receive clock, and when every stamp so far stayed within kTolerance of its receive time.
//    A counter that happened to look like the time of day fails here: it advances at about
//    1/80 of the pace.
//  - Once the stamps are judged not to be a time of day, every frame of the source takes its
//    receive time and the general log says so once.
//
// A time of day becomes a date by taking whichever of the receive time's UTC date and its
// neighbours puts it nearest the receive time, so that a stamp from just before midnight that
// arrives just after it stays on the previous date.
//
// In playback mode every frame takes its receive time and nothing is judged.
class FrameClock {
public:
    enum class Judgement {
        Undecided,    // no stamped frame since the start
        Provisional,  // looks like a time of day; not yet confirmed by its pace
        TimeOfDay,
        ReceiveTime,
    };

    static constexpr quint64 kTolerance = 5 * 60 * 1000;  // ms between a stamp and its arrival
    static constexpr quint64 kConfirmAfter = 10 * 1000;   // ms of receive time to judge the pace
    static constexpr quint64 kDayMs = 86400000;

    // The general-log line written when a source's stamps are not a time of day.
    static QString notTimeOfDayText();

    void setLogSink(InputLogSink sink) { _log = std::move(sink); }
    void setPlaybackMode(bool on) { _playback = on; }
    bool playbackMode() const { return _playback; }

    // A new source starts: forget the judgement of the previous one.
    void reset();
    Judgement judgement() const { return _judgement; }

    // The time of a frame with these six stamp bytes that arrived at receiveTimeMs (ms since
    // the epoch). In playback mode, and for a source whose stamps are not a time of day, the
    // receive time; a single stamp that is not a valid time of day also takes its receive time.
    quint64 frameTime(const unsigned char* stamp, quint64 receiveTimeMs);

    // The stamp as milliseconds since UTC midnight: false, *msOfDay untouched, when the
    // seconds reach 86,400, the nanoseconds 10^9, or every byte is zero (no stamp at all).
    static bool timeOfDay(const unsigned char* stamp, quint32* msOfDay);
    // msOfDay on the UTC date (the receive time's, the day before or the day after) that puts
    // it nearest to receiveTimeMs.
    static quint64 onNearestDate(quint32 msOfDay, quint64 receiveTimeMs);

private:
    // The UTC midnight starting the receive time's date.
    static std::int64_t midnightOf(quint64 receiveTimeMs);
    static quint64 onNearestDate(quint32 msOfDay, quint64 receiveTimeMs, std::int64_t midnight);
    quint64 decideReceiveTime(quint64 receiveTimeMs);

    InputLogSink _log;
    bool _playback = false;
    Judgement _judgement = Judgement::Undecided;
    quint64 _firstStamp = 0;    // the provisional time of day's first frame: its time
    quint64 _firstReceive = 0;  // and its receive time
    quint64 _midnightOfReceive = 0;  // the last receive time seen, and its midnight
    std::int64_t _midnight = 0;
};

#endif  // VELTMAR_FRAMECLOCK_H
