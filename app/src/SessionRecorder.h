#ifndef VELTMAR_SESSIONRECORDER_H
#define VELTMAR_SESSIONRECORDER_H

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

#include "ModeSFrame.h"

// Records what the input delivers, so that a session can be replayed later (ReplaySource).
//
// The file is a Mode-S Beast binary stream: every reply as a Beast frame with the receiver's
// time stamp and signal level as they came (AVR replies with a zero stamp), and, before the
// first reply and whenever the receive time has moved on since the last marker, a receive-time
// marker: 0x1a, 'T', and the receive time as eight big-endian bytes of milliseconds since
// 1970-01-01 UTC, 0x1a doubled like in any other frame. Readers of plain Beast skip the marker
// as a frame of an unknown type; the replay takes each reply's time from the marker before it,
// so it keeps the original timing whatever the receiver's stamps are. A recording starts with a
// marker, which is how it is told from a plain Beast dump.
//
// Writes go through the file's buffer; size() counts what has been handed over.
class SessionRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr char kTimeMarkerType = 'T';

    explicit SessionRecorder(QObject* parent = nullptr);
    ~SessionRecorder() override;

    // Starts recording into `path` (a recording already running is stopped first). Logs
    // "Recording to %1." or "Failed to open recording file %1: %2." (shown in the status
    // bar as well).
    bool start(const QString& path);
    // Ends the recording: "Recording to %1 stopped: %2 replies, %3 bytes."
    void stop();
    bool isRecording() const { return _file.isOpen(); }
    QString path() const { return _file.fileName(); }
    quint64 size() const { return _size; }
    quint64 replies() const { return _replies; }

    // Writes one reply (a Mode S or Mode A/C reply; other lengths are ignored). Nothing while
    // not recording.
    void record(const ModeSFrame& frame);
    // Hands buffered bytes to the system.
    void flush();

    // The marker frame of a receive time.
    static QByteArray timeMarker(quint64 receiveTimeMs);

signals:
    void message(const QString& text, bool showInStatusBar);

private:
    void write(const QByteArray& bytes);

    QFile _file;
    quint64 _size = 0;
    quint64 _replies = 0;
    quint64 _lastMarker = 0;
    bool _markerWritten = false;
};

#endif  // VELTMAR_SESSIONRECORDER_H
