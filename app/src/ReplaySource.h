#ifndef VELTMAR_REPLAYSOURCE_H
#define VELTMAR_REPLAYSOURCE_H

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include "InputSource.h"
#include "ModeSFrame.h"
#include "RecordingReader.h"

// Plays a recording (see RecordingReader for the formats) through the program as if it were
// the input, at its own pace scaled by a speed: 1 (as recorded), 10, or 0 for as fast as
// possible; it can be paused.
//
// The recording's intervals set the pace: a reply comes as long after the one before it as it
// came in the recording, divided by the speed. Intervals that go backwards (a receiver counter
// restarted) count as none and silences longer than kMaxGapUs are cut to that; a reply without
// a time follows the one before it by kUntimedSpacingUs. Each reply is delivered
// (frameReplayed) stamped with the time it is replayed, so the targets it makes live and age by
// the program's clock, only faster; the receiver's time stamp of a Beast reply travels with it
// unchanged (AVR and CSV replies carry none).
//
// start(): "Replaying %1 (%2)." with the file and its format, or "Failed to open recording
// %1: %2."; stop(): "Replay of %1 stopped."; at the end "Replay of %1 finished: %2 replies."
// The source stays started at the end, so that the targets age out as they would.
class ReplaySource : public InputSource {
    Q_OBJECT
public:
    static constexpr qint64 kMaxGapUs = 60LL * 1000 * 1000;
    static constexpr qint64 kUntimedSpacingUs = 1000;
    // Replies delivered at most in one go, so that the window stays responsive.
    static constexpr int kBatch = 500;

    explicit ReplaySource(QObject* parent = nullptr);

    void setFile(const QString& path) { _path = path; }
    QString file() const { return _path; }
    // 1, 10, ...; 0: as fast as possible. May change while playing.
    void setSpeed(double speed);
    double speed() const { return _speed; }
    void setPaused(bool paused);
    bool isPaused() const { return _paused; }

    void start() override;
    void stop() override;
    bool isActive() const { return _active; }
    bool isFinished() const { return _finished; }
    RecordingReader::Format format() const { return _reader.format(); }

    quint64 repliesReplayed() const { return _replayed; }
    // The recording's own time of the last reply replayed: the date and time (UTC) for
    // recordings with times since the epoch, the time of day (UTC) for GPS-stamped Beast, the
    // time since the first reply otherwise. Empty before the first reply.
    QString recordingTimeText() const;

signals:
    void frameReplayed(const ModeSFrame& frame);
    void finished();

private slots:
    void tick();

private:
    bool readNext();
    qint64 clockUs() const;

    QString _path;
    RecordingReader _reader;
    QTimer _timer;
    QElapsedTimer _wall;
    double _speed = 1.0;
    bool _paused = false;
    bool _active = false;
    bool _finished = false;
    quint64 _replayed = 0;

    RecordedReply _next;
    bool _hasNext = false;
    quint64 _readCount = 0;
    qint64 _nextTimelineUs = 0;  // when the next reply is due on the recording's timeline
    bool _haveLastTime = false;
    qint64 _lastTimeUs = 0;      // the last timed reply's own time
    qint64 _timelineUs = 0;      // timeline position of the last reply read
    qint64 _playedTimelineUs = 0;
    bool _playedTimed = false;
    qint64 _playedTimeUs = 0;

    qint64 _anchorWallNs = 0;
    qint64 _anchorTimelineUs = 0;
};

#endif  // VELTMAR_REPLAYSOURCE_H
