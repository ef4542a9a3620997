#include "feedgen/Recording.h"

#include <algorithm>
#include <cmath>

namespace feedgen {

namespace {

constexpr int64_t kNsPerSecond = 1000000000;
constexpr int64_t kNsPerDay = 86400 * kNsPerSecond;
constexpr size_t kBlock = 64 * 1024;

int64_t toNs(double seconds) {
    return static_cast<int64_t>(std::llround(seconds * kNsPerSecond));
}

}  // namespace

Recording::Recording(RecordingConfig config) : _config(std::move(config)) {
    open();
}

bool Recording::open() {
    _file.close();
    _file.clear();
    _file.open(_config.path, std::ios::binary);
    if (!_file) {
        _error = "cannot open " + _config.path;
        return false;
    }
    if (_config.format) {
        _format = *_config.format;
    } else {
        uint8_t head[1] = {0};
        _file.read(reinterpret_cast<char*>(head), 1);
        _format = detectRecordingFormat(head, static_cast<size_t>(_file.gcount()));
        _file.clear();
        _file.seekg(0);
    }
    if (_reader)
        _previousErrors += _reader->errors();
    _reader = RecordingReader::create(_format, _config.clock);
    _ended = false;
    return true;
}

uint64_t Recording::errors() const {
    return _previousErrors + (_reader ? _reader->errors() : 0);
}

bool Recording::fill(size_t count) {
    std::vector<char> block(kBlock);
    while (_buffer.size() < count) {
        if (_ended) {
            if (!_config.loop || _framesRead == 0 || !open())
                return false;
            _restarted = true;
        }
        _file.read(block.data(), static_cast<std::streamsize>(block.size()));
        const size_t got = static_cast<size_t>(_file.gcount());
        _read.clear();
        if (got > 0)
            _reader->feed(reinterpret_cast<const uint8_t*>(block.data()), got, _read);
        if (got < block.size()) {
            _reader->finish(_read);
            _ended = true;
        }
        _framesRead += _read.size();
        for (const RecordedFrame& frame : _read) {
            _buffer.push_back(Buffered{frame, _restarted});
            _restarted = false;
        }
    }
    return true;
}

int64_t Recording::spreadTime() {
    const TimeBase base = _buffer.front().frame.timeBase;
    const int64_t time = _buffer.front().frame.timeNs;
    if (base != TimeBase::Epoch || time % kNsPerSecond != 0)
        return time;
    if (time != _groupTime || _groupIndex >= _groupSize) {
        // A new second: count the frames stamped with it.
        _groupTime = time;
        _groupIndex = 0;
        _groupSize = 1;
        while (_groupSize < _buffer.size() || fill(_groupSize + 1)) {
            const RecordedFrame& later = _buffer[_groupSize].frame;
            if (later.timeBase != TimeBase::Epoch || later.timeNs != _groupTime)
                break;
            ++_groupSize;
        }
    }
    return _groupTime + static_cast<int64_t>(_groupIndex) * kNsPerSecond /
                            static_cast<int64_t>(_groupSize);
}

bool Recording::next(Transmission& out) {
    if (!ok() || (_buffer.empty() && !fill(1)))
        return false;
    const int64_t sourceNs = spreadTime();
    const RecordedFrame frame = _buffer.front().frame;
    const bool newPass = _buffer.front().firstOfPass;
    _buffer.pop_front();
    if (frame.timeBase == TimeBase::Epoch && frame.timeNs == _groupTime)
        ++_groupIndex;

    int64_t outNs = 0;
    if (_first) {
        if (frame.timeBase == TimeBase::Epoch)
            outNs = sourceNs;
        else if (frame.timeBase == TimeBase::Receiver && _config.clock == ClockKind::GpsTimeOfDay)
            outNs = _config.anchorNs - ((_config.anchorNs % kNsPerDay) + kNsPerDay) % kNsPerDay +
                    sourceNs;
        else
            outNs = _config.anchorNs;
    } else {
        int64_t gap = toNs(_config.untimedSpacingSeconds);
        if (!newPass && frame.timeBase != TimeBase::None && frame.timeBase == _previousBase) {
            gap = sourceNs - _previousSourceNs;
            if (frame.timeBase == TimeBase::Receiver && _config.clock == ClockKind::GpsTimeOfDay &&
                gap < -kNsPerDay / 2)
                gap += kNsPerDay;  // past midnight
            gap = std::clamp<int64_t>(gap, 0, toNs(_config.maxGapSeconds));
        }
        outNs = _previousOutNs + gap;
    }
    _first = false;
    _previousBase = frame.timeBase;
    _previousSourceNs = sourceNs;
    _previousOutNs = outNs;

    out.timeNs = outNs;
    out.frame = frame.frame;
    out.signal = frame.signal;
    return true;
}

}  // namespace feedgen
