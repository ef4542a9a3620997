#ifndef FEEDIO_PLAYER_H
#define FEEDIO_PLAYER_H

// Plays a stream of transmissions to an output, paced one of three ways:
// - in the stream's own time, or faster or slower by a factor (1 is real time): each frame
//   goes out when the time since the start, times the factor, reaches its time in the stream;
// - at a fixed rate of frames per second, whatever the stream's times;
// - as fast as the output takes them.
// A timer drives it (every 5 ms), so frames leave in small batches, as a receiver's do. The
// stream's first frame is its start; with a duration the play ends that many seconds of
// stream time later. Frames are framed by the writer and handed to the output in pieces of
// whole frames no larger than the output's largest.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "feedgen/FrameWriter.h"
#include "feedgen/Transmission.h"
#include "feedio/FeedOutput.h"

namespace feedio {

struct Pacing {
    enum class Mode { StreamTime, Rate, Fast };
    Mode mode = Mode::StreamTime;
    double speed = 1.0;          // StreamTime: stream seconds per second
    double framesPerSecond = 0;  // Rate
    double durationSeconds = 0;  // of stream time; 0: until the stream ends
};

class Player : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 5;

    // The source, writer and output must outlive the player.
    Player(feedgen::TransmissionSource& source, const feedgen::FrameWriter& writer,
           FeedOutput& output, Pacing pacing, QObject* parent = nullptr);

    void start();
    void stop();
    bool running() const { return _running; }

    // Plays what is due `elapsedSeconds` after the start (the timer calls this with the time
    // since start(); tests call it with times of their own). Emits finished() at the end.
    void advance(double elapsedSeconds);

    quint64 framesSent() const { return _framesSent; }
    quint64 bytesSent() const { return _bytesSent; }
    // Stream seconds played so far.
    double streamSeconds() const;

signals:
    // The stream or the duration has ended; everything is written.
    void finished();

private slots:
    void tick();

private:
    // The next transmission without taking it; false at the end of the stream or duration.
    bool peek();
    void take();
    void send(const feedgen::Transmission& transmission);
    void flushBatch();
    void finish();

    feedgen::TransmissionSource& _source;
    const feedgen::FrameWriter& _writer;
    FeedOutput& _output;
    Pacing _pacing;
    QTimer _timer;
    QElapsedTimer _clock;
    bool _running = false;
    bool _started = false;  // the first transmission fixed the stream's start
    int64_t _startNs = 0;
    int64_t _lastNs = 0;
    bool _havePending = false;
    bool _ended = false;
    feedgen::Transmission _pending;
    std::string _frame;
    QByteArray _batch;
    quint64 _framesSent = 0;
    quint64 _bytesSent = 0;
};

}  // namespace feedio

#endif  // FEEDIO_PLAYER_H
