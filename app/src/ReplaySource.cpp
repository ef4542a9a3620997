#include "ReplaySource.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

ReplaySource::ReplaySource(QObject* parent) : InputSource(parent) {
    _timer.setSingleShot(true);
    connect(&_timer, &QTimer::timeout, this, &ReplaySource::tick);
    _wall.start();
}

qint64 ReplaySource::clockUs() const {
    if (_paused || _speed <= 0)
        return _anchorTimelineUs;
    const double elapsedUs = double(_wall.nsecsElapsed() - _anchorWallNs) / 1000.0;
    return _anchorTimelineUs + static_cast<qint64>(elapsedUs * _speed);
}

void ReplaySource::setSpeed(double speed) {
    if (!_paused && _speed > 0)
        _anchorTimelineUs = std::max(clockUs(), _playedTimelineUs);
    else
        _anchorTimelineUs = _playedTimelineUs;
    _anchorWallNs = _wall.nsecsElapsed();
    _speed = speed < 0 ? 0 : speed;
    if (_active && !_paused && !_finished)
        _timer.start(0);
}

void ReplaySource::setPaused(bool paused) {
    if (paused == _paused)
        return;
    if (paused) {
        _anchorTimelineUs = std::max(clockUs(), _playedTimelineUs);
        _paused = true;
        _timer.stop();
        return;
    }
    _paused = false;
    _anchorWallNs = _wall.nsecsElapsed();
    if (_active && !_finished)
        _timer.start(0);
}

void ReplaySource::start() {
    if (_active)
        stop();
    const QString name = QFileInfo(_path).fileName();
    if (!_reader.open(_path)) {
        report(tr("Failed to open recording %1: %2").arg(_path, _reader.errorString()));
        emit actionsChanged(true, false);
        return;
    }
    _active = true;
    _finished = false;
    _replayed = 0;
    _hasNext = false;
    _readCount = 0;
    _haveLastTime = false;
    _lastTimeUs = 0;
    _timelineUs = 0;
    _playedTimelineUs = 0;
    _playedTimed = false;
    _playedTimeUs = 0;
    report(tr("Replaying %1 (%2).").arg(name, RecordingReader::formatName(_reader.format())));
    emit actionsChanged(false, true);
    readNext();
    _anchorTimelineUs = 0;
    _anchorWallNs = _wall.nsecsElapsed();
    if (!_paused)
        _timer.start(0);
}

void ReplaySource::stop() {
    _timer.stop();
    if (_active) {
        report(tr("Replay of %1 stopped.").arg(QFileInfo(_path).fileName()));
    }
    _active = false;
    _hasNext = false;
    _reader.close();
    emit actionsChanged(true, false);
}

bool ReplaySource::readNext() {
    _hasNext = _reader.next(_next);
    if (!_hasNext)
        return false;
    qint64 delta = kUntimedSpacingUs;
    if (_next.timed) {
        delta = _haveLastTime ? std::clamp(_next.timeUs - _lastTimeUs, qint64(0), kMaxGapUs) : 0;
        _lastTimeUs = _next.timeUs;
        _haveLastTime = true;
    } else if (_readCount == 0) {
        delta = 0;
    }
    ++_readCount;
    _timelineUs += delta;
    _nextTimelineUs = _timelineUs;
    return true;
}

void ReplaySource::tick() {
    if (!_active || _paused)
        return;
    const qint64 clock = clockUs();
    const bool stampsPass = _reader.format() == RecordingReader::Format::Veltmar ||
                            _reader.format() == RecordingReader::Format::Beast;
    int delivered = 0;
    while (_hasNext && delivered < kBatch && (_speed <= 0 || _nextTimelineUs <= clock)) {
        ModeSFrame frame;
        frame.reply = _next.reply;
        frame.hasSignal = _next.hasSignal;
        frame.signal = _next.signal;
        frame.stamp = stampsPass ? _next.stamp : 0;
        frame.receiveTime = currentTimeMs();
        frame.timeStamp = frame.receiveTime;
        _playedTimelineUs = _nextTimelineUs;
        if (_next.timed) {
            _playedTimed = true;
            _playedTimeUs = _next.timeUs;
        }
        ++_replayed;
        ++delivered;
        readNext();
        emit frameReplayed(frame);
        if (!_active || _paused)
            return;  // stopped or paused by a receiver of the frame
    }
    if (!_hasNext) {
        _finished = true;
        report(tr("Replay of %1 finished: %2 replies.")
                   .arg(QFileInfo(_path).fileName())
                   .arg(_replayed));
        emit finished();
        return;
    }
    if (_speed <= 0) {
        _timer.start(0);
        return;
    }
    const double waitMs = double(_nextTimelineUs - clockUs()) / _speed / 1000.0;
    _timer.start(static_cast<int>(std::clamp(waitMs, 0.0, 200.0)));
}

QString ReplaySource::recordingTimeText() const {
    if (_replayed == 0)
        return QString();
    if (_playedTimed) {
        switch (_reader.timeBase()) {
            case RecordingReader::TimeBase::Epoch:
                return QDateTime::fromMSecsSinceEpoch(_playedTimeUs / 1000, Qt::UTC)
                    .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss UTC"));
            case RecordingReader::TimeBase::TimeOfDay:
                return QTime::fromMSecsSinceStartOfDay(int((_playedTimeUs / 1000) % 86400000))
                    .toString(QStringLiteral("hh:mm:ss 'UTC'"));
            case RecordingReader::TimeBase::Counter:
                break;
        }
    }
    const qint64 s = _playedTimelineUs / 1000000;
    return QStringLiteral("+%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}
