#include "BeastFramer.h"

#include <cstring>

namespace {

// The first 0x1a in bytes[from, size), or size when there is none.
int nextMarker(const unsigned char* bytes, int from, int size) {
    if (from >= size || bytes[from] == BeastFramer::kMarker)
        return from;
    const void* found = std::memchr(bytes + from, BeastFramer::kMarker, size_t(size - from));
    return found != nullptr ? int(static_cast<const unsigned char*>(found) - bytes) : size;
}

// Copies one of the few lengths of a reply (2, 7, 14) or of a frame body (9, 14, 21) as a copy of
// fixed size.
inline void copyBytes(unsigned char* to, const unsigned char* from, int count) {
    switch (count) {
        case 2:
            std::memcpy(to, from, 2);
            break;
        case 7:
            std::memcpy(to, from, 7);
            break;
        case 14:  // a long reply, or the body of a short one
            std::memcpy(to, from, 14);
            break;
        case 6 + 1 + 2:
            std::memcpy(to, from, 6 + 1 + 2);
            break;
        case 6 + 1 + 14:
            std::memcpy(to, from, 6 + 1 + 14);
            break;
        default:
            std::memcpy(to, from, size_t(count));
            break;
    }
}

}  // namespace

void BeastFramer::feed(const QByteArray& chunk, quint64 receiveTimeMs, const ModeSFrameSink& sink) {
    if (!_buffer.isEmpty()) {
        _buffer.append(chunk);
        const int used = cutFrames(reinterpret_cast<const unsigned char*>(_buffer.constData()),
                                   _buffer.size(), receiveTimeMs, sink);
        _buffer.remove(0, used);
        return;
    }
    // Nothing waits: the chunk is read where it lies and only its unfinished end is kept.
    const int used = cutFrames(reinterpret_cast<const unsigned char*>(chunk.constData()),
                               chunk.size(), receiveTimeMs, sink);
    if (used < chunk.size())
        _buffer.append(chunk.constData() + used, chunk.size() - used);
}

int BeastFramer::cutFrames(const unsigned char* bytes, int size, quint64 receiveTimeMs,
                           const ModeSFrameSink& sink) {
    // One frame object for the whole chunk: its reply bytes are rewritten in place, and a sink
    // that keeps a copy of a reply keeps it intact (the next write detaches).
    ModeSFrame frame;
    frame.reply.reserve(14);
    int pos = 0;  // everything before pos is used up
    for (;;) {
        // The next marker followed by a type we read. A doubled 0x1a met here is a data byte
        // of a frame we are not in; a marker of another type is stepped over with its type.
        int start = -1;
        int i = nextMarker(bytes, pos, size);
        while (i < size) {
            if (i + 1 >= size)
                break;  // marker or escape: the next chunk tells
            const unsigned char type = bytes[i + 1];
            if (type != kMarker && replyLength(char(type)) > 0) {
                start = i;
                break;
            }
            i = nextMarker(bytes, i + 2, size);
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
        if (k + need <= size && std::memchr(bytes + k, kMarker, size_t(need)) == nullptr) {
            // No marker in the frame (the common case): one copy.
            copyBytes(body, bytes + k, need);
            got = need;
            k += need;
        }
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

        const int replyBytes = need - 7;
        frame.timeStamp = _clock.frameTime(body, receiveTimeMs);
        frame.hasSignal = true;
        frame.signal = body[6];
        if (frame.reply.size() != replyBytes)
            frame.reply.resize(replyBytes);
        copyBytes(reinterpret_cast<unsigned char*>(frame.reply.data()), body + 7, replyBytes);
        frame.stamp = (quint64(body[0]) << 40) | (quint64(body[1]) << 32) |
                      (quint64(body[2]) << 24) | (quint64(body[3]) << 16) |
                      (quint64(body[4]) << 8) | quint64(body[5]);
        frame.receiveTime = receiveTimeMs;
        sink(frame);
    }
    return pos;
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
