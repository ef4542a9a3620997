#ifndef MODES_TESTS_TRACKERTESTSUPPORT_H
#define MODES_TESTS_TRACKERTESTSUPPORT_H

// Building real Mode S replies with correct parity for tracker tests, and decoding them with
// a given time stamp and confidence.

#include <memory>
#include <string>

#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessage.h>

#include "TestReply.h"

namespace brannic {
namespace modes {
namespace trackertest {

inline std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

inline void putParity(std::string& frame, uint32_t overlay) {
    const std::size_t n = frame.size();
    uint32_t parity = frame.size() == 14 ? LongReply().calculateParity(frame)
                                         : ShortReply().calculateParity(frame);
    parity ^= overlay;
    frame[n - 3] = static_cast<char>(parity >> 16);
    frame[n - 2] = static_cast<char>(parity >> 8);
    frame[n - 1] = static_cast<char>(parity);
}

// An extended squitter (DF17, CA 5) of `address` carrying the 7-byte `me`.
inline std::string squitter(uint32_t address, const std::string& me) {
    std::string frame =
        bytesOf({0x8D, int(address >> 16 & 0xFF), int(address >> 8 & 0xFF), int(address & 0xFF)});
    frame += me;
    frame += std::string(3, '\0');
    putParity(frame, 0);
    return frame;
}

// A reply of `df` whose address is overlaid on its parity field (DF0/4/5/16/20/21), with the
// 13 bits after the first byte's format field (bits 5..31) given as `body` (bits 5 to 31).
inline std::string addressParityReply(int df, uint32_t body27, uint32_t address) {
    const bool longReply = df >= 16;
    std::string frame(longReply ? 14 : 7, '\0');
    const uint32_t head = static_cast<uint32_t>(df) << 27 | (body27 & 0x7FFFFFF);
    for (int i = 0; i < 4; ++i)
        frame[i] = static_cast<char>(head >> (24 - 8 * i));
    putParity(frame, address);
    return frame;
}

// DF11 all-call reply of `address` with capability `ca` and interrogator `ii`.
inline std::string allCallReply(uint32_t address, int ca, uint32_t ii) {
    std::string frame = bytesOf(
        {(11 << 3) | ca, int(address >> 16 & 0xFF), int(address >> 8 & 0xFF), int(address & 0xFF)});
    frame += std::string(3, '\0');
    putParity(frame, ii);
    return frame;
}

// Decodes with the time stamp and, when `confidence` is not negative, forces that grade.
inline std::unique_ptr<ModeSMessage> decode(ModeSDecoder& decoder, const std::string& frame,
                                            uint64_t timeMs, int confidence = -1) {
    std::unique_ptr<ModeSMessage> msg(decoder.decode(ModeSMessage::DOWNLINK, frame, timeMs));
    if (msg && confidence >= 0)
        msg->setConfidence(static_cast<ModeSMessage::Confidence>(confidence));
    return msg;
}

// ME of an airborne position (TC 11, Q = 1) with the given 25-ft altitude, format and CPR values.
inline std::string airbornePositionME(int altitudeFeet, bool odd, uint32_t cprLat, uint32_t cprLon,
                                      int typeCode = 11) {
    const uint32_t n = static_cast<uint32_t>((altitudeFeet + 1000) / 25);
    const uint32_t altitudeField = ((n >> 4) << 5) | 0x10 | (n & 0xF);  // Q bit in the middle
    uint64_t me = 0;
    me |= uint64_t(typeCode) << 51;
    me |= uint64_t(altitudeField) << 36;
    me |= uint64_t(odd ? 1 : 0) << 34;
    me |= uint64_t(cprLat & 0x1FFFF) << 17;
    me |= uint64_t(cprLon & 0x1FFFF);
    std::string s(7, '\0');
    for (int i = 0; i < 7; ++i)
        s[i] = static_cast<char>(me >> (48 - 8 * i));
    return s;
}

// ME of an identification message (TC 4) with an 8-character callsign of letters, digits, spaces.
inline std::string identificationME(const std::string& callsign, int category = 3) {
    uint64_t me = uint64_t(4) << 51 | uint64_t(category) << 48;
    for (int i = 0; i < 8; ++i) {
        const char c = i < static_cast<int>(callsign.size()) ? callsign[i] : ' ';
        const uint64_t code = c == ' '                 ? 32
                              : (c >= 'A' && c <= 'Z') ? uint64_t(c - 'A' + 1)
                                                       : uint64_t(c - '0' + 48);
        me |= code << (42 - 6 * i);
    }
    std::string s(7, '\0');
    for (int i = 0; i < 7; ++i)
        s[i] = static_cast<char>(me >> (48 - 8 * i));
    return s;
}

}  // namespace trackertest
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_TRACKERTESTSUPPORT_H
