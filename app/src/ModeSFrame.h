#ifndef VELTMAR_MODESFRAME_H
#define VELTMAR_MODESFRAME_H

#include <functional>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One Mode S reply cut out of a receiver feed by the Beast or AVR framer: the 2, 7 or 14
// reply bytes as received (a 2-byte Mode A/C reply is passed on too; the Mode S decoder
// refuses it), the time the reply is taken to have been received and, for Beast frames,
// the receiver's signal level byte. A Beast frame also keeps the receiver's own six time-stamp
// bytes as they came (a 48-bit number, 0 for none: AVR lines and replies without a stamp), so
// that the Beast output and recordings pass them on unchanged; every frame keeps the receive
// time of the chunk it came in.
struct ModeSFrame {
    QByteArray reply;
    quint64 timeStamp = 0;  // milliseconds since 1970-01-01 UTC
    bool hasSignal = false;
    quint8 signal = 0;
    quint64 stamp = 0;        // the receiver's 48-bit time stamp, big-endian bytes 0..5
    quint64 receiveTime = 0;  // milliseconds since 1970-01-01 UTC
};

// Where a framer delivers its frames, in the order they were received. The result says
// whether the reply decoded as a Mode S message; the AVR framer writes a debug line for a
// line whose reply did not, the Beast framer ignores it.
using ModeSFrameSink = std::function<bool(const ModeSFrame& frame)>;

// Where the framers write their lines for the general log.
using InputLogSink = std::function<void(const QString& text)>;

#endif  // VELTMAR_MODESFRAME_H
