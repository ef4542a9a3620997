#include "BeastFramer.h"

int BeastFramer::replyLength(char type) {
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

void BeastFramer::feed(const QByteArray& chunk, quint64 receiveTimeMs, const ModeSFrameSink& sink) {
    _buffer.append(chunk);
    const auto* bytes = reinterpret_cast<const unsigned char*>(_buffer.constData());
    const int size = _buffer.size();
    int pos = 0;  // everything before pos is used up
    for (;;) {
        // The next marker followed by a type we read. A doubled 0x1a met here is a data byte
        // of a frame we are not in; a marker of another type is stepped over with its type.
        int start = -1;
        int i = pos;
        while (i < size) {
            if (bytes[i] != kMarker) {
                ++i;
                continue;
            }
            if (i + 1 >= size)
                break;  // marker or escape: the next chunk tells
            const unsigned char type = bytes[i + 1];
            if (type != kMarker && replyLength(char(type)) > 0) {
                start = i;
                break;
            }
            i += 2;
        }
        if (start < 0) {
            pos = i;
            break;
        }

        const char type = char(bytes[start + 1]);
        const int need = 6 + 1 + replyLength(type);
        unsigned char body[6 + 1 + 14];
        int got = 0;
        int k = start + 2;
        bool cut = false;
        while (got < need && k < size) {
            if (bytes[k] != kMarker) {
                body[got++] = bytes[k++];
                continue;
            }
            if (k + 1 >= size)
                break;  // marker or escape: the next chunk tells
            if (bytes[k + 1] != kMarker) {
                cut = true;  // a lone marker: this frame ends unfinished, the next begins
                break;
            }
            body[got++] = kMarker;
            k += 2;
        }
        if (cut) {
            pos = k;
            continue;
        }
        if (got < need) {
            pos = start;
            break;
        }
        pos = k;
        if (type == '4')
            continue;  // receiver status, not a reply

        ModeSFrame frame;
        frame.timeStamp = _clock.frameTime(body, receiveTimeMs);
        frame.hasSignal = true;
        frame.signal = body[6];
        frame.reply = QByteArray(reinterpret_cast<const char*>(body + 7), need - 7);
        for (int b = 0; b < 6; ++b)
            frame.stamp = (frame.stamp << 8) | body[b];
        frame.receiveTime = receiveTimeMs;
        sink(frame);
    }
    _buffer.remove(0, pos);
}

QByteArray BeastFramer::encode(char type, const unsigned char* stamp, quint8 signal,
                               const QByteArray& reply) {
    QByteArray out;
    out.reserve(kMaxFrameBytes);
    out.append(char(kMarker));
    out.append(type);
    auto put = [&out](char byte) {
        out.append(byte);
        if (static_cast<unsigned char>(byte) == kMarker)
            out.append(byte);
    };
    for (int i = 0; i < 6; ++i)
        put(char(stamp[i]));
    put(char(signal));
    for (const char byte : reply)
        put(byte);
    return out;
}
