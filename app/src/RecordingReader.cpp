#include "RecordingReader.h"

#include <QCoreApplication>

#include <cmath>

#include "BeastFramer.h"
#include "FrameClock.h"
#include "SessionRecorder.h"

namespace {

// The six stamp bytes of a 48-bit stamp.
void stampBytes(quint64 stamp, unsigned char* out) {
    for (int i = 0; i < 6; ++i)
        out[i] = static_cast<unsigned char>(stamp >> (8 * (5 - i)));
}

int bodyLength(unsigned char type) {
    if (type == static_cast<unsigned char>(SessionRecorder::kTimeMarkerType))
        return 8;
    const int reply = BeastFramer::replyLength(char(type));
    return reply > 0 ? 7 + reply : 0;
}

bool hexDigits(const QByteArray& text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

}  // namespace

RecordingReader::Format RecordingReader::detect(const QByteArray& head) {
    int i = 0;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n'))
        ++i;
    if (i >= head.size())
        return Format::None;
    const char first = head[i];
    if (static_cast<unsigned char>(first) == BeastFramer::kMarker) {
        return i + 1 < head.size() && head[i + 1] == SessionRecorder::kTimeMarkerType
                   ? Format::Veltmar
                   : Format::Beast;
    }
    if (first == '*' || first == ':' || first == '@' || first == '?')
        return Format::Avr;
    // Text is CSV; anything else is binary, read as Beast after whatever precedes a frame.
    const unsigned char c = static_cast<unsigned char>(first);
    return c >= 0x20 && c < 0x7f ? Format::Csv : Format::Beast;
}

QString RecordingReader::formatName(Format format) {
    switch (format) {
        case Format::Veltmar:
            return QCoreApplication::translate("RecordingReader", "Veltmar recording");
        case Format::Beast:
            return QCoreApplication::translate("RecordingReader", "Mode-S Beast dump");
        case Format::Avr:
            return QCoreApplication::translate("RecordingReader", "AVR text");
        case Format::Csv:
            return QCoreApplication::translate("RecordingReader", "CSV of frames with times");
        case Format::None:
            break;
    }
    return QString();
}

bool RecordingReader::open(const QString& path) {
    close();
    _file.setFileName(path);
    if (!_file.open(QIODevice::ReadOnly)) {
        _error = _file.errorString();
        return false;
    }
    const QByteArray head = _file.peek(256 * 1024);
    _format = detect(head);
    if (_format == Format::None) {
        _error = QCoreApplication::translate("RecordingReader", "The file holds no replies.");
        _file.close();
        return false;
    }
    _timeBase = TimeBase::Epoch;
    if (_format == Format::Beast || _format == Format::Avr) {
        // Stamps read as a time of day when all of those in the first part are valid ones.
        RecordingReader probe;
        probe._format = _format;
        probe._timeBase = TimeBase::Counter;
        probe._buffer = head;
        probe.parse(true);
        int stamped = 0;
        bool allTimeOfDay = true;
        for (const RecordedReply& r : probe._ready) {
            if (r.stamp == 0)
                continue;
            ++stamped;
            unsigned char bytes[6];
            stampBytes(r.stamp, bytes);
            quint32 ms = 0;
            allTimeOfDay = allTimeOfDay && FrameClock::timeOfDay(bytes, &ms);
        }
        _timeBase = stamped > 0 && allTimeOfDay ? TimeBase::TimeOfDay : TimeBase::Counter;
    }
    return true;
}

void RecordingReader::close() {
    if (_file.isOpen())
        _file.close();
    _error.clear();
    _format = Format::None;
    _buffer.clear();
    _ready.clear();
    _errors = 0;
    _markerSeen = false;
    _markerUs = 0;
    _firstLine = true;
}

bool RecordingReader::next(RecordedReply& out) {
    while (_ready.empty()) {
        if (!readMore())
            break;
    }
    if (_ready.empty())
        return false;
    out = std::move(_ready.front());
    _ready.pop_front();
    return true;
}

bool RecordingReader::readMore() {
    if (!_file.isOpen())
        return false;
    const QByteArray chunk = _file.read(kReadBytes);
    if (chunk.isEmpty()) {
        parse(true);
        _file.close();
        return !_ready.empty();
    }
    _buffer.append(chunk);
    parse(false);
    return true;
}

void RecordingReader::parse(bool atEnd) {
    if (_format == Format::Veltmar || _format == Format::Beast)
        parseBeast(atEnd);
    else
        parseLines(atEnd);
}

bool RecordingReader::stampTime(quint64 stamp, qint64* timeUs) const {
    if (stamp == 0)
        return false;
    if (_timeBase == TimeBase::TimeOfDay) {
        unsigned char bytes[6];
        stampBytes(stamp, bytes);
        quint32 ms = 0;
        if (!FrameClock::timeOfDay(bytes, &ms))
            return false;
        const quint64 ns = stamp & 0x3FFFFFFFu;
        *timeUs = qint64(stamp >> 30) * 1000000 + qint64(ns / 1000);
        return true;
    }
    *timeUs = qint64(stamp / 12);  // 12 MHz
    return true;
}

void RecordingReader::parseBeast(bool atEnd) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(_buffer.constData());
    const int size = _buffer.size();
    const unsigned char marker = BeastFramer::kMarker;
    int pos = 0;
    bool inGarbage = false;
    for (;;) {
        int start = -1;
        int i = pos;
        while (i < size) {
            if (bytes[i] != marker) {
                inGarbage = true;
                ++i;
                continue;
            }
            if (i + 1 >= size)
                break;
            if (bodyLength(bytes[i + 1]) > 0) {
                start = i;
                break;
            }
            inGarbage = true;
            i += 2;
        }
        if (inGarbage) {
            ++_errors;
            inGarbage = false;
        }
        if (start < 0) {
            pos = atEnd ? size : i;
            break;
        }
        const unsigned char type = bytes[start + 1];
        const int need = bodyLength(type);
        unsigned char body[7 + 14];
        int got = 0;
        int k = start + 2;
        bool cut = false;
        while (got < need && k < size) {
            if (bytes[k] != marker) {
                body[got++] = bytes[k++];
                continue;
            }
            if (k + 1 >= size)
                break;
            if (bytes[k + 1] != marker) {
                cut = true;
                break;
            }
            body[got++] = marker;
            k += 2;
        }
        if (cut) {
            ++_errors;
            pos = k;
            continue;
        }
        if (got < need) {
            if (atEnd) {
                ++_errors;
                pos = size;
            } else {
                pos = start;
            }
            break;
        }
        pos = k;
        if (type == static_cast<unsigned char>(SessionRecorder::kTimeMarkerType)) {
            quint64 ms = 0;
            for (int b = 0; b < 8; ++b)
                ms = (ms << 8) | body[b];
            _markerSeen = true;
            _markerUs = qint64(ms) * 1000;
            continue;
        }
        if (type == '4')
            continue;  // receiver status
        RecordedReply r;
        for (int b = 0; b < 6; ++b)
            r.stamp = (r.stamp << 8) | body[b];
        r.hasSignal = true;
        r.signal = body[6];
        r.reply = QByteArray(reinterpret_cast<const char*>(body + 7), need - 7);
        if (_format == Format::Veltmar) {
            r.timed = _markerSeen;
            r.timeUs = _markerUs;
        } else {
            r.timed = stampTime(r.stamp, &r.timeUs);
        }
        _ready.push_back(std::move(r));
    }
    _buffer.remove(0, pos);
}

void RecordingReader::parseLines(bool atEnd) {
    int pos = 0;
    for (;;) {
        const int end = _buffer.indexOf('\n', pos);
        if (end < 0) {
            if (atEnd && pos < _buffer.size()) {
                const QByteArray line = _buffer.mid(pos).trimmed();
                pos = _buffer.size();
                if (!line.isEmpty())
                    _format == Format::Avr ? parseAvrLine(line) : parseCsvLine(line);
            } else if (_buffer.size() - pos > kMaxLineBytes) {
                ++_errors;  // an endless line: drop what there is
                pos = _buffer.size();
            }
            break;
        }
        const QByteArray line = _buffer.mid(pos, end - pos).trimmed();
        pos = end + 1;
        if (line.isEmpty())
            continue;
        if (line.size() > kMaxLineBytes) {
            ++_errors;
            continue;
        }
        _format == Format::Avr ? parseAvrLine(line) : parseCsvLine(line);
    }
    _buffer.remove(0, pos);
}

void RecordingReader::parseAvrLine(const QByteArray& line) {
    const char header = line[0];
    if (header == '?')
        return;
    if ((header != '*' && header != ':' && header != '@') || !line.endsWith(';') ||
        line.size() < 3) {
        ++_errors;
        return;
    }
    const QByteArray digits = line.mid(1, line.size() - 2);
    if (digits.size() % 2 != 0 || !hexDigits(digits)) {
        ++_errors;
        return;
    }
    QByteArray bytes = QByteArray::fromHex(digits);
    RecordedReply r;
    if (header == '@') {
        if (bytes.size() < 6) {
            ++_errors;
            return;
        }
        for (int b = 0; b < 6; ++b)
            r.stamp = (r.stamp << 8) | static_cast<unsigned char>(bytes[b]);
        bytes.remove(0, 6);
    }
    if (bytes.size() != 2 && bytes.size() != 7 && bytes.size() != 14) {
        ++_errors;
        return;
    }
    r.reply = bytes;
    r.timed = stampTime(r.stamp, &r.timeUs);
    _ready.push_back(std::move(r));
}

void RecordingReader::parseCsvLine(const QByteArray& line) {
    const bool first = _firstLine;
    _firstLine = false;
    if (line.startsWith('#'))
        return;
    const QList<QByteArray> fields = line.split(',');
    bool ok = false;
    const double seconds = fields[0].trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 1e11) {
        if (!first)
            ++_errors;  // a first line that is no record is a header
        return;
    }
    for (int i = 1; i < fields.size(); ++i) {
        QByteArray field = fields[i].trimmed();
        if (field.size() >= 2 && field.startsWith('"') && field.endsWith('"'))
            field = field.mid(1, field.size() - 2).trimmed();
        if ((field.size() == 14 || field.size() == 28) && hexDigits(field)) {
            RecordedReply r;
            r.reply = QByteArray::fromHex(field);
            r.timed = true;
            r.timeUs = std::llround(seconds * 1e6);
            _ready.push_back(std::move(r));
            return;
        }
    }
    ++_errors;
}
