#ifndef VELTMAR_JSONFRAMER_H
#define VELTMAR_JSONFRAMER_H

#include <functional>

#include <QByteArray>

#include "ModeSFrame.h"

// Cuts a feed of JSON target-report documents into top-level arrays ("[{...},{...}]").
//
// Line ends ('\r', '\n') are dropped as they arrive. Text before an array's '[' is dropped. An
// array ends at the ']' that closes its '[', counting brackets outside strings only (a string
// runs from '"' to the next '"' not escaped by a backslash), so a ']' inside a text value does
// not cut an object. Every array completed by a chunk is delivered before feed() returns.
//
// An unfinished array waits for the next chunk; when it grows past kMaxBufferBytes it is
// dropped with the log line "Oversized JSON message dropped (size %1)." and the search starts
// again at the next '['. The scan keeps its place between chunks, so a large array arriving in
// small pieces is read once, not once per piece.
class JsonFramer {
public:
    static constexpr int kMaxBufferBytes = 4 * 1024 * 1024;

    // An array's bytes (in the feed's 8-bit encoding), the receive time of the chunk that
    // completed it and that chunk's size.
    using ArraySink =
        std::function<void(const QByteArray& array, quint64 receiveTimeMs, int chunkSize)>;

    void setLogSink(InputLogSink sink) { _log = std::move(sink); }
    // Appends the chunk and delivers every array it completes to sink, in order. The sink
    // must not feed this framer.
    void feed(const QByteArray& chunk, quint64 receiveTimeMs, const ArraySink& sink);
    // Bytes of an unfinished array (or of text that may still precede one).
    int bufferedBytes() const { return _buffer.size(); }

private:
    void restart();

    QByteArray _buffer;  // starts with the '[' of an unfinished array, or is empty
    InputLogSink _log;
    // Scan state inside the unfinished array.
    int _scanned = 0;
    int _depth = 0;
    bool _inString = false;
    bool _escaped = false;
};

#endif  // VELTMAR_JSONFRAMER_H
