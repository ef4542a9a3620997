#ifndef MODES_TESTS_TESTREPLY_H
#define MODES_TESTS_TESTREPLY_H

// A bare reply of a given length whose fields decode trivially, giving tests (and the
// benchmarks) access to the parity machinery of ModeSMessage, and the literal brute-force
// repair search that the table-driven repair must match exactly.

#include <string>
#include <vector>

#include <modes/ModeSMessage.h>

namespace brannic {
namespace modes {

template <uint8_t Bits>
class TestReply : public ModeSMessage {
public:
    TestReply() : ModeSMessage(DOWNLINK) {}

    uint8_t bits() const override { return Bits; }
    std::vector<const ModeSMessageField*> fields() const override { return {}; }

    using ModeSMessage::calculateParity;
    using ModeSMessage::setIcaoAddress;

    int decodeCalls = 0;

protected:
    bool decodeImpl() override {
        ++decodeCalls;
        return true;
    }
};

using ShortReply = TestReply<56>;
using LongReply = TestReply<112>;

// The literal searches: copy, invert, compute the parity, first match wins.
template <typename Reply>
bool bruteForceFix1Bit(const Reply& reply, std::string& data, uint8_t& bitPos, uint32_t parity) {
    const unsigned n = reply.bits();
    if (data.size() < n / 8)
        return false;
    for (unsigned i = 0; i < n; ++i) {
        std::string copy = data;
        copy[i / 8] = static_cast<char>(copy[i / 8] ^ (0x80 >> (i % 8)));
        if (reply.calculateParity(copy) == parity) {
            data = copy;
            bitPos = static_cast<uint8_t>(i);
            return true;
        }
    }
    return false;
}

template <typename Reply>
bool bruteForceFix2Bits(const Reply& reply, std::string& data, uint8_t& bitPos1, uint8_t& bitPos2,
                        uint32_t parity) {
    const unsigned n = reply.bits();
    if (data.size() < n / 8)
        return false;
    for (unsigned i = 0; i < n; ++i) {
        for (unsigned j = i + 1; j < n; ++j) {
            std::string copy = data;
            copy[i / 8] = static_cast<char>(copy[i / 8] ^ (0x80 >> (i % 8)));
            copy[j / 8] = static_cast<char>(copy[j / 8] ^ (0x80 >> (j % 8)));
            if (reply.calculateParity(copy) == parity) {
                data = copy;
                bitPos1 = static_cast<uint8_t>(i);
                bitPos2 = static_cast<uint8_t>(j);
                return true;
            }
        }
    }
    return false;
}

inline void flipBit(std::string& data, unsigned pos) {
    data[pos / 8] = static_cast<char>(data[pos / 8] ^ (0x80 >> (pos % 8)));
}

}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_TESTREPLY_H
