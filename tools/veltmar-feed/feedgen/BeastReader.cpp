#include "feedgen/BeastReader.h"

#include <array>

namespace feedgen {

namespace {

constexpr uint8_t kMarker = 0x1a;
constexpr size_t kStampBytes = 6;

// Reply bytes of each frame type; 0 for a type that does not exist.
size_t replyBytes(uint8_t type) {
    switch (type) {
    case '1': return Frame::kModeACBytes;
    case '2': return Frame::kShortBytes;
    case '3': return Frame::kLongBytes;
    case '4': return Frame::kLongBytes;  // receiver status, same size as a long reply
    default: return 0;
    }
}

}  // namespace

void BeastReader::skipGarbage() {
    if (!_inGarbage)
        ++_errors;
    _inGarbage = true;
}

size_t BeastReader::readFrame(size_t start, std::vector<RecordedFrame>& out) {
    const uint8_t type = static_cast<uint8_t>(_pending[start + 1]);
    const size_t need = kStampBytes + 1 + replyBytes(type);
    std::array<uint8_t, kStampBytes + 1 + Frame::kLongBytes> body{};
    size_t collected = 0;
    size_t i = start + 2;
    while (collected < need) {
        if (i >= _pending.size())
            return 0;
        const uint8_t byte = static_cast<uint8_t>(_pending[i]);
        if (byte == kMarker) {
            if (i + 1 >= _pending.size())
                return 0;
            if (static_cast<uint8_t>(_pending[i + 1]) != kMarker) {
                ++_errors;  // a lone marker: this frame was cut, the next one starts here
                _inGarbage = false;
                return i - start;
            }
            ++i;
        }
        body[collected++] = byte;
        ++i;
    }
    _inGarbage = false;
    if (type == '4')
        return i - start;
    RecordedFrame recorded;
    uint64_t stamp = 0;
    for (size_t k = 0; k < kStampBytes; ++k)
        stamp = (stamp << 8) | body[k];
    if (stamp != 0 && ReceiverClock::nanoseconds(_clock, stamp, recorded.timeNs))
        recorded.timeBase = TimeBase::Receiver;
    recorded.signal = body[kStampBytes];
    recorded.frame = Frame::fromBytes(body.data() + kStampBytes + 1,
                                      static_cast<unsigned>(replyBytes(type)));
    out.push_back(recorded);
    return i - start;
}

void BeastReader::feed(const uint8_t* data, size_t size, std::vector<RecordedFrame>& out) {
    _pending.append(reinterpret_cast<const char*>(data), size);
    size_t pos = 0;
    while (pos < _pending.size()) {
        if (static_cast<uint8_t>(_pending[pos]) != kMarker) {
            skipGarbage();
            ++pos;
            continue;
        }
        if (pos + 1 >= _pending.size())
            break;
        const uint8_t type = static_cast<uint8_t>(_pending[pos + 1]);
        if (type == kMarker) {  // an escaped data byte seen out of step
            skipGarbage();
            pos += 2;
            continue;
        }
        if (replyBytes(type) == 0) {
            skipGarbage();
            ++pos;
            continue;
        }
        const size_t used = readFrame(pos, out);
        if (used == 0)
            break;
        pos += used;
    }
    _pending.erase(0, pos);
}

void BeastReader::finish(std::vector<RecordedFrame>& /*out*/) {
    if (!_pending.empty())
        ++_errors;  // a frame cut short by the end of the recording
    _pending.clear();
}

}  // namespace feedgen
