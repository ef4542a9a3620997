#include "feedgen/Frame.h"

#include <algorithm>

#include "feedgen/Hex.h"

namespace feedgen {

namespace {

bool validSize(unsigned count) {
    return count == Frame::kModeACBytes || count == Frame::kShortBytes ||
           count == Frame::kLongBytes;
}

}  // namespace

std::string Frame::hex() const {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(size * 2u);
    for (unsigned i = 0; i < size; ++i) {
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0x0F]);
    }
    return text;
}

Frame Frame::fromBytes(const uint8_t* source, unsigned count) {
    Frame frame;
    if (!validSize(count))
        return frame;
    std::copy(source, source + count, frame.bytes.begin());
    frame.size = static_cast<uint8_t>(count);
    return frame;
}

Frame Frame::fromHex(const std::string& digits) {
    Frame frame;
    if (digits.size() % 2 != 0 || !validSize(static_cast<unsigned>(digits.size() / 2)))
        return frame;
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int high = hex::digit(digits[i]);
        const int low = hex::digit(digits[i + 1]);
        if (high < 0 || low < 0)
            return Frame{};
        frame.bytes[i / 2] = static_cast<uint8_t>(high * 16 + low);
    }
    frame.size = static_cast<uint8_t>(digits.size() / 2);
    return frame;
}

bool Frame::operator==(const Frame& other) const {
    return size == other.size && std::equal(data(), data() + size, other.data());
}

}  // namespace feedgen
