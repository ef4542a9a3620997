#include "SessionRecorder.h"

#include "BeastFramer.h"

SessionRecorder::SessionRecorder(QObject* parent) : QObject(parent) {}

SessionRecorder::~SessionRecorder() {
    if (_file.isOpen())
        _file.close();
}

bool SessionRecorder::start(const QString& path) {
    if (_file.isOpen())
        stop();
    _file.setFileName(path);
    _size = 0;
    _replies = 0;
    _lastMarker = 0;
    _markerWritten = false;
    if (!_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        emit message(tr("Failed to open recording file %1: %2.").arg(path, _file.errorString()),
                     true);
        return false;
    }
    emit message(tr("Recording to %1.").arg(path), true);
    return true;
}

void SessionRecorder::stop() {
    if (!_file.isOpen())
        return;
    _file.close();
    emit message(tr("Recording to %1 stopped: %2 replies, %3 bytes.")
                     .arg(_file.fileName())
                     .arg(_replies)
                     .arg(_size),
                 true);
}

void SessionRecorder::flush() {
    if (_file.isOpen())
        _file.flush();
}

QByteArray SessionRecorder::timeMarker(quint64 receiveTimeMs) {
    QByteArray out;
    out.append(char(BeastFramer::kMarker));
    out.append(kTimeMarkerType);
    for (int i = 7; i >= 0; --i) {
        const char byte = char(receiveTimeMs >> (8 * i));
        out.append(byte);
        if (static_cast<unsigned char>(byte) == BeastFramer::kMarker)
            out.append(byte);
    }
    return out;
}

void SessionRecorder::write(const QByteArray& bytes) {
    if (_file.write(bytes) == bytes.size())
        _size += static_cast<quint64>(bytes.size());
}

void SessionRecorder::record(const ModeSFrame& frame) {
    if (!_file.isOpen())
        return;
    char type = 0;
    switch (frame.reply.size()) {
        case 2: type = '1'; break;
        case 7: type = '2'; break;
        case 14: type = '3'; break;
        default: return;
    }
    if (!_markerWritten || frame.receiveTime != _lastMarker) {
        write(timeMarker(frame.receiveTime));
        _lastMarker = frame.receiveTime;
        _markerWritten = true;
    }
    unsigned char stamp[6];
    for (int i = 0; i < 6; ++i)
        stamp[i] = static_cast<unsigned char>(frame.stamp >> (8 * (5 - i)));
    write(BeastFramer::encode(type, stamp, frame.hasSignal ? frame.signal : 0, frame.reply));
    ++_replies;
}
