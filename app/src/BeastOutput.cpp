#include "BeastOutput.h"

#include "BeastFramer.h"

BeastOutput::BeastOutput(QObject* parent) : StreamServer(tr("Beast output"), parent) {}

QByteArray BeastOutput::encode(const ModeSFrame& frame) {
    char type = 0;
    if (frame.reply.size() == 7)
        type = '2';
    else if (frame.reply.size() == 14)
        type = '3';
    else
        return QByteArray();
    unsigned char stamp[6];
    for (int i = 0; i < 6; ++i)
        stamp[i] = static_cast<unsigned char>(frame.stamp >> (8 * (5 - i)));
    return BeastFramer::encode(type, stamp, frame.hasSignal ? frame.signal : 0, frame.reply);
}

bool BeastOutput::sendFrame(const ModeSFrame& frame) {
    const QByteArray bytes = encode(frame);
    if (bytes.isEmpty())
        return false;
    ++_framesSent;
    send(bytes);
    return true;
}
