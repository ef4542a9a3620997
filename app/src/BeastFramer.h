#ifndef VELTMAR_BEASTFRAMER_H
#define VELTMAR_BEASTFRAMER_H

#include <QByteArray>

#include "FrameClock.h"
#include "ModeSFrame.h"

// Cuts a Mode-S Beast binary feed into replies.
//
// A frame is the marker 0x1a, a type byte, six time-stamp bytes, one signal-level byte and
// the reply: type '1' a 2-byte Mode A/C reply, '2' a 7-byte short and '3' a 14-byte long
// Mode S reply, '4' a 14-byte receiver status. Every 0x1a after the type byte is sent
// doubled, so a lone 0x1a can only be a marker:
//
//  - a doubled 0x1a inside a frame is one data byte;
//  - a lone 0x1a inside a frame ends that frame unfinished (it is dropped) and starts the next;
//  - frames of other types are skipped by searching on for the next marker, and status
//    frames ('4') are read to their end but not delivered;
//  - bytes before the first marker are dropped.
//
// A frame cut at the end of a chunk waits in the buffer for the next; the buffer never holds
// more than one unfinished frame (at most kMaxFrameBytes), whatever arrives.
//
// Frame times come from a FrameClock (see there); call sourceStarted() whenever a source
// starts so that the new source's stamps are judged afresh. The buffer itself is kept.
class BeastFramer {
public:
    static constexpr unsigned char kMarker = 0x1a;
    // Marker, type, and every body byte doubled.
    static constexpr int kMaxFrameBytes = 2 + 2 * (6 + 1 + 14);

    // Reply length of a frame type, 0 for a type that is not read.
    static constexpr int replyLength(char type) {
        switch (type) {
            case '1':
                return 2;
            case '2':
                return 7;
            case '3':
            case '4':
                return 14;
            default:
                return 0;
        }
    }

    void setLogSink(InputLogSink sink) { _clock.setLogSink(std::move(sink)); }
    void setPlaybackMode(bool on) { _clock.setPlaybackMode(on); }
    void sourceStarted() { _clock.reset(); }
    const FrameClock& clock() const { return _clock; }

    // Appends the chunk and delivers every complete Mode A/C and Mode S frame to sink,
    // in order. The sink must not feed this framer.
    void feed(const QByteArray& chunk, quint64 receiveTimeMs, const ModeSFrameSink& sink);
    // Bytes waiting for the rest of their frame.
    int bufferedBytes() const { return _buffer.size(); }

    // One frame in the wire form, 0x1a doubled; for tests and feeds. The reply must have the
    // type's length.
    static QByteArray encode(char type, const unsigned char* stamp, quint8 signal,
                             const QByteArray& reply);

private:
    // Delivers the complete frames of bytes[0, size) and returns how many bytes they used up
    // (everything before the first unfinished frame).
    int cutFrames(const unsigned char* bytes, int size, quint64 receiveTimeMs,
                  const ModeSFrameSink& sink);

    QByteArray _buffer;
    FrameClock _clock;
};

#endif  // VELTMAR_BEASTFRAMER_H
