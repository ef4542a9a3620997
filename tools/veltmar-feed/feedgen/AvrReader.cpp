#include "feedgen/AvrReader.h"

#include "feedgen/Hex.h"

namespace feedgen {

namespace {

constexpr size_t kStampDigits = 12;

bool parseStamp(const std::string& digits, uint64_t& stamp) {
    uint64_t value = 0;
    for (char c : digits) {
        const int nibble = hex::digit(c);
        if (nibble < 0)
            return false;
        value = (value << 4) | static_cast<uint64_t>(nibble);
    }
    stamp = value;
    return true;
}

}  // namespace

void AvrReader::readLine(const std::string& line, std::vector<RecordedFrame>& out) {
    const char head = line.front();
    if (head == '?')
        return;
    if ((head != '*' && head != ':' && head != '@') || line.size() < 2 || line.back() != ';') {
        ++_errors;
        return;
    }
    std::string body = line.substr(1, line.size() - 2);
    RecordedFrame recorded;
    if (head == '@') {
        uint64_t stamp = 0;
        if (body.size() < kStampDigits || !parseStamp(body.substr(0, kStampDigits), stamp)) {
            ++_errors;
            return;
        }
        body.erase(0, kStampDigits);
        if (stamp != 0 && ReceiverClock::nanoseconds(_clock, stamp, recorded.timeNs))
            recorded.timeBase = TimeBase::Receiver;
    }
    recorded.frame = Frame::fromHex(body);
    if (recorded.frame.empty()) {
        ++_errors;
        return;
    }
    out.push_back(recorded);
}

}  // namespace feedgen
