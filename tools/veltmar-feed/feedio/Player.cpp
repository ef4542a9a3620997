#include "feedio/Player.h"

#include <cmath>

namespace feedio {

namespace {

constexpr int kFastBudgetMs = 20;           // of work per turn of the event loop
constexpr int kFastBatchBytes = 64 * 1024;  // written at once when as fast as possible

}  // namespace

Player::Player(feedgen::TransmissionSource& source, const feedgen::FrameWriter& writer,
               FeedOutput& output, Pacing pacing, QObject* parent)
    : QObject(parent), _source(source), _writer(writer), _output(output), _pacing(pacing) {
    _timer.setTimerType(Qt::PreciseTimer);
    connect(&_timer, &QTimer::timeout, this, &Player::tick);
    connect(&_output, &FeedOutput::readyForMore, this, [this] {
        if (_running && _pacing.mode == Pacing::Mode::Fast && !_timer.isActive())
            _timer.start(0);
    });
}

void Player::start() {
    if (_running || _ended)
        return;
    _running = true;
    _clock.start();
    _timer.start(_pacing.mode == Pacing::Mode::Fast ? 0 : kTickMs);
}

void Player::stop() {
    _running = false;
    _timer.stop();
}

double Player::streamSeconds() const {
    return _started ? static_cast<double>(_lastNs - _startNs) / 1e9 : 0.0;
}

bool Player::peek() {
    if (_havePending)
        return true;
    if (_ended || !_source.next(_pending))
        return false;
    if (!_started) {
        _started = true;
        _startNs = _pending.timeNs;
    }
    if (_pacing.durationSeconds > 0 &&
        _pending.timeNs - _startNs >= static_cast<int64_t>(std::llround(_pacing.durationSeconds * 1e9)))
        return false;
    _havePending = true;
    return true;
}

void Player::take() {
    _havePending = false;
    send(_pending);
}

void Player::send(const feedgen::Transmission& transmission) {
    _frame.clear();
    if (!_writer.append(transmission, _frame))
        return;
    const int limit = _output.maxChunk();
    if (limit > 0 && _batch.size() + static_cast<int>(_frame.size()) > limit)
        flushBatch();
    _batch.append(_frame.data(), static_cast<int>(_frame.size()));
    _lastNs = transmission.timeNs;
    ++_framesSent;
}

void Player::flushBatch() {
    if (_batch.isEmpty())
        return;
    _output.write(_batch);
    _bytesSent += static_cast<quint64>(_batch.size());
    _batch.clear();
}

void Player::finish() {
    flushBatch();
    _output.flush();
    _ended = true;
    stop();
    emit finished();
}

void Player::tick() {
    if (_running)
        advance(static_cast<double>(_clock.nsecsElapsed()) / 1e9);
}

void Player::advance(double elapsed) {
    if (_ended)
        return;
    switch (_pacing.mode) {
    case Pacing::Mode::StreamTime: {
        while (peek()) {
            const double due = static_cast<double>(_pending.timeNs - _startNs) / 1e9 / _pacing.speed;
            if (due > elapsed)
                break;
            take();
        }
        break;
    }
    case Pacing::Mode::Rate: {
        const auto due = static_cast<quint64>(elapsed * _pacing.framesPerSecond);
        while (_framesSent < due && peek())
            take();
        break;
    }
    case Pacing::Mode::Fast: {
        QElapsedTimer budget;
        budget.start();
        while (_output.wantsMore() && budget.elapsed() < kFastBudgetMs && peek()) {
            take();
            if (_batch.size() >= kFastBatchBytes)
                flushBatch();
        }
        flushBatch();
        if (!_output.wantsMore() && peek())
            _timer.stop();  // readyForMore starts it again
        break;
    }
    }
    if (!peek()) {
        finish();
        return;
    }
    flushBatch();
}

}  // namespace feedio
