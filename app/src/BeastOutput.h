#ifndef VELTMAR_BEASTOUTPUT_H
#define VELTMAR_BEASTOUTPUT_H

#include <QByteArray>

#include "ModeSFrame.h"
#include "StreamServer.h"

// The Beast output: a TCP server (port 30005 by convention) that re-sends every received
// Mode S reply as a Mode-S Beast binary frame, the form that feeders, multilateration clients
// and a second decoder read.
//
// Each frame is the marker 0x1a, the type ('2' for a 7-byte, '3' for a 14-byte reply), the
// receiver's six time-stamp bytes as they came with the reply (zero for replies that came
// without one: AVR input), the signal level byte (zero without one) and the reply as
// received, uncorrected; every 0x1a after the type byte is doubled. Replies of other lengths
// (Mode A/C) are not sent. Slow clients are dropped as StreamServer says.
class BeastOutput : public StreamServer {
    Q_OBJECT
public:
    explicit BeastOutput(QObject* parent = nullptr);

    // The frame of a reply, empty for a reply that is not 7 or 14 bytes long.
    static QByteArray encode(const ModeSFrame& frame);

    // Sends the reply to every client. Returns false (nothing sent) for a reply that is not a
    // Mode S reply.
    bool sendFrame(const ModeSFrame& frame);
    // Replies sent since the output was made.
    quint64 framesSent() const { return _framesSent; }

private:
    quint64 _framesSent = 0;
};

#endif  // VELTMAR_BEASTOUTPUT_H
