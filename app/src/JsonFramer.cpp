#include "JsonFramer.h"

#include <QCoreApplication>

void JsonFramer::restart() {
    _scanned = 0;
    _depth = 0;
    _inString = false;
    _escaped = false;
}

void JsonFramer::feed(const QByteArray& chunk, quint64 receiveTimeMs, const ArraySink& sink) {
    _buffer.reserve(_buffer.size() + chunk.size());
    for (const char c : chunk) {
        if (c != '\r' && c != '\n')
            _buffer.append(c);
    }

    int used = 0;  // bytes before this are delivered or dropped
    for (;;) {
        if (_depth == 0) {
            const int open = _buffer.indexOf('[', used);
            if (open < 0) {
                used = _buffer.size();
                break;
            }
            used = open;
            _scanned = open + 1;
            _depth = 1;
        }
        const char* text = _buffer.constData();
        const int size = _buffer.size();
        int i = _scanned;
        for (; i < size && _depth > 0; ++i) {
            const char c = text[i];
            if (_inString) {
                if (_escaped)
                    _escaped = false;
                else if (c == '\\')
                    _escaped = true;
                else if (c == '"')
                    _inString = false;
            } else if (c == '"') {
                _inString = true;
            } else if (c == '[') {
                ++_depth;
            } else if (c == ']') {
                --_depth;
            }
        }
        _scanned = i;
        if (_depth > 0)
            break;
        sink(_buffer.mid(used, i - used), receiveTimeMs, chunk.size());
        used = i;
        restart();
    }

    _buffer.remove(0, used);
    _scanned = _depth > 0 ? _scanned - used : 0;
    if (_buffer.size() > kMaxBufferBytes) {
        if (_log)
            _log(QCoreApplication::translate("JsonFramer",
                                             "Oversized JSON message dropped (size %1).")
                     .arg(_buffer.size()));
        _buffer.clear();
        restart();
    }
}
