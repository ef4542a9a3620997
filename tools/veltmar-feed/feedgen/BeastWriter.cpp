#include "feedgen/BeastWriter.h"

namespace feedgen {

namespace {

constexpr char kMarker = 0x1a;

void putEscaped(std::string& out, uint8_t byte) {
    out.push_back(static_cast<char>(byte));
    if (byte == static_cast<uint8_t>(kMarker))
        out.push_back(kMarker);
}

}  // namespace

bool BeastWriter::append(const Transmission& transmission, std::string& out) const {
    char type = 0;
    switch (transmission.frame.size) {
    case Frame::kModeACBytes: type = '1'; break;
    case Frame::kShortBytes: type = '2'; break;
    case Frame::kLongBytes: type = '3'; break;
    default: return false;
    }
    out.push_back(kMarker);
    out.push_back(type);
    const uint64_t stamp = _clock.stamp(transmission.timeNs);
    for (int shift = 40; shift >= 0; shift -= 8)
        putEscaped(out, static_cast<uint8_t>(stamp >> shift));
    putEscaped(out, transmission.signal);
    for (unsigned i = 0; i < transmission.frame.size; ++i)
        putEscaped(out, transmission.frame.bytes[i]);
    return true;
}

}  // namespace feedgen
