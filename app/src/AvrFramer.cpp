#include "AvrFramer.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Whole hexadecimal bytes, nothing else: false for an odd count or any other character.
bool fromHex(const char* text, int count, QByteArray* bytes) {
    if (count % 2 != 0)
        return false;
    bytes->resize(count / 2);
    for (int i = 0; i < count; i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        (*bytes)[i / 2] = char(high << 4 | low);
    }
    return true;
}

}  // namespace

void AvrFramer::setLogSink(InputLogSink sink) {
    _log = sink;
    _clock.setLogSink(std::move(sink));
}

void AvrFramer::feed(const QByteArray& chunk, quint64 receiveTimeMs, const ModeSFrameSink& sink) {
    _buffer.append(chunk);
    int from = 0;
    for (int end = _buffer.indexOf('\n'); end >= 0; end = _buffer.indexOf('\n', from)) {
        int length = end - from;
        if (length > 0 && _buffer.at(end - 1) == '\r')
            --length;
        readLine(_buffer.mid(from, length), receiveTimeMs, sink);
        from = end + 1;
    }
    _buffer.remove(0, from);
    if (_buffer.size() > kMaxLineBytes) {
        const QByteArray line = _buffer;
        _buffer.clear();
        readLine(line, receiveTimeMs, sink);
    }
}

void AvrFramer::logCorrupted(Fault fault, const QByteArray& line) const {
    if (!_log)
        return;
    const char* text = nullptr;
    switch (fault) {
        case Fault::Header:
            text =
                QT_TRANSLATE_NOOP("AvrFramer", "Corrupted AVR message received (header error): %1");
            break;
        case Fault::Tailer:
            text =
                QT_TRANSLATE_NOOP("AvrFramer", "Corrupted AVR message received (tailer error): %1");
            break;
        case Fault::Length:
            text =
                QT_TRANSLATE_NOOP("AvrFramer", "Corrupted AVR message received (length error): %1");
            break;
    }
    _log(QCoreApplication::translate("AvrFramer", text).arg(QString::fromLatin1(line)));
}

void AvrFramer::readLine(const QByteArray& line, quint64 receiveTimeMs,
                         const ModeSFrameSink& sink) {
    const char header = line.isEmpty() ? '\0' : line.at(0);
    if (header == '?')
        return;
    if (header != '@' && header != '*' && header != ':') {
        logCorrupted(Fault::Header, line);
        return;
    }
    if (line.size() < 2 || !line.endsWith(';')) {
        logCorrupted(Fault::Tailer, line);
        return;
    }
    QByteArray bytes;
    const int stampBytes = header == '@' ? 6 : 0;
    if (!fromHex(line.constData() + 1, line.size() - 2, &bytes) || bytes.size() < stampBytes) {
        logCorrupted(Fault::Length, line);
        return;
    }
    ModeSFrame frame;
    frame.reply = bytes.mid(stampBytes);
    frame.receiveTime = receiveTimeMs;
    const int length = frame.reply.size();
    if (length != 2 && length != 7 && length != 14) {
        logCorrupted(Fault::Length, line);
        return;
    }
    frame.timeStamp =
        stampBytes > 0 ? _clock.frameTime(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                          receiveTimeMs)
                       : receiveTimeMs;
    if (!sink(frame))
        qDebug().noquote() << "AVR: Unknown data format." << QString::fromLatin1(line);
}
