#include <modes/ModeSMessage.h>

#include <cstdio>

#include "Bits.h"
#include "ByteCopy.h"
#include "Clock.h"
#include "Parity.h"

namespace brannic {
namespace modes {

namespace {

std::string hexOf(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%.2X", value);
    return text;
}

}  // namespace

ModeSMessage::ModeSMessage(ModeSMsgType type)
    : _modeSMsgType(type), _timeStamp(static_cast<uint64_t>(clock::nowSeconds()) * 1000) {}

ModeSMessage::~ModeSMessage() = default;

std::string ModeSMessage::description() const {
    return "Mode-S " + modeSMsgTypeName() + " Format Message";
}

bool ModeSMessage::decode(const std::string& data) {
    if (&data != &_data)
        bytecopy::assign(_data, data.data(), data.size());
    if (_data.size() < size()) {
        _valid = false;
        return false;
    }
    _calculatedParity = calculateParity(_data);
    _valid = decodeImpl();
    return _valid;
}

bool ModeSMessage::decode(const unsigned char* data, uint64_t count) {
    if (data == nullptr)
        count = 0;
    bytecopy::assign(_data, data, static_cast<std::size_t>(count));
    return decode(_data);
}

std::string ModeSMessage::dataHexString() const {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(_data.size() * 2);
    for (unsigned char byte : _data) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

const std::string& ModeSMessage::modeSMsgTypeName() const {
    static const std::string uplink = "Uplink";
    static const std::string downlink = "Downlink";
    return _modeSMsgType == UPLINK ? uplink : downlink;
}

std::string ModeSMessage::icaoAddressHexString() const {
    return hexOf(_icaoAddress);
}

std::string ModeSMessage::calculatedParityHexString() const {
    return hexOf(_calculatedParity);
}

uint32_t ModeSMessage::calculateParity(const std::string& data) const {
    return parity::compute(bits::bytes(data), data.size(), bits());
}

uint32_t ModeSMessage::calculateParity() const {
    return calculateParity(_data);
}

// The search that tries every position in turn is answered from a table of syndromes
// (computed parity xor wanted parity), built once in that same order: same result, one look-up.
bool ModeSMessage::fixError1Bit(std::string& data, uint8_t& bitPos, uint32_t parity) const {
    const unsigned n = bits();
    if (data.size() < n / 8)
        return false;
    const int pos = parity::findSingle(calculateParity(data) ^ parity, n);
    if (pos < 0 || static_cast<unsigned>(pos) / 8 >= data.size())
        return false;
    bits::flip(data, static_cast<unsigned>(pos));
    bitPos = static_cast<uint8_t>(pos);
    return true;
}

bool ModeSMessage::fixError2Bits(std::string& data, uint8_t& bitPos1, uint8_t& bitPos2,
                                 uint32_t parity) const {
    const unsigned n = bits();
    if (data.size() < n / 8)
        return false;
    unsigned first = 0;
    unsigned second = 0;
    if (!parity::findPair(calculateParity(data) ^ parity, n, first, second))
        return false;
    if (second / 8 >= data.size())
        return false;
    bits::flip(data, first);
    bits::flip(data, second);
    bitPos1 = static_cast<uint8_t>(first);
    bitPos2 = static_cast<uint8_t>(second);
    return true;
}

}  // namespace modes
}  // namespace brannic
