#ifndef VELTMAR_AVRFRAMER_H
#define VELTMAR_AVRFRAMER_H

#include <QByteArray>

#include "FrameClock.h"
#include "ModeSFrame.h"

// Cuts an AVR text feed into replies. Each line (ended by "\n" or "\r\n") is one reply in
// hexadecimal between a header character and a closing ';':
//
//   *8D4840D6202CC371C32CE0576098;       no time stamp: the receive time
//   :8D4840D6202CC371C32CE0576098;       the same
//   @0123456789AB8D4840D6202CC371C32CE0576098;   six time-stamp bytes first (see FrameClock)
//   ?...                                 receiver chatter, skipped silently
//
// A line that breaks these rules is logged and skipped: "Corrupted AVR message received
// (header error): %1" for any other first character, "(tailer error)" when it does not end
// with ';', "(length error)" when the digits are not whole hexadecimal bytes or the reply is
// not 2, 7 or 14 bytes long. A line whose reply the sink refuses is written to the debug
// output as "AVR: Unknown data format." and the line.
//
// The last line of a chunk without its line end waits for the next chunk. A pending line
// longer than kMaxLineBytes, far beyond any valid line, is taken as a line at once (and so
// logged as corrupted), so that a feed without line ends cannot grow the buffer.
class AvrFramer {
public:
    static constexpr int kMaxLineBytes = 256;

    void setLogSink(InputLogSink sink);
    void setPlaybackMode(bool on) { _clock.setPlaybackMode(on); }
    void sourceStarted() { _clock.reset(); }
    const FrameClock& clock() const { return _clock; }

    // Appends the chunk and delivers the reply of every complete valid line to sink,
    // in order. The sink must not feed this framer.
    void feed(const QByteArray& chunk, quint64 receiveTimeMs, const ModeSFrameSink& sink);
    // Bytes of a line waiting for its end.
    int bufferedBytes() const { return _buffer.size(); }

private:
    void readLine(const QByteArray& line, quint64 receiveTimeMs, const ModeSFrameSink& sink);
    enum class Fault { Header, Tailer, Length };
    void logCorrupted(Fault fault, const QByteArray& line) const;

    QByteArray _buffer;
    FrameClock _clock;
    InputLogSink _log;
};

#endif  // VELTMAR_AVRFRAMER_H
