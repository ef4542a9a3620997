#ifndef MODES_SRC_TEXT_H
#define MODES_SRC_TEXT_H

// Text forms shared by the message and field classes.

#include <cstdint>
#include <cstdio>
#include <string>

namespace brannic {
namespace modes {
namespace text {

// "%.2X": upper-case hexadecimal, at least two digits, not zero-filled further.
inline std::string hex(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%.2X", value);
    return buffer;
}

// Two upper-case hexadecimal digits per byte, no separators.
inline std::string hexBytes(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        result += digits[byte >> 4];
        result += digits[byte & 0x0F];
    }
    return result;
}

}  // namespace text
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_TEXT_H
