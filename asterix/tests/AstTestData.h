#ifndef ASTERIX_TESTS_ASTTESTDATA_H
#define ASTERIX_TESTS_ASTTESTDATA_H

// Hex text to octets and back, and the sample files of tests/data.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <asterix/asterix.h>

using Bytes = std::vector<uint8_t>;

// "01 0A ff" or "010aff" to octets.
inline Bytes hexBytes(const std::string& text) {
    Bytes out;
    int high = -1;
    for (char c : text) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            continue;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    return out;
}

inline std::string hexText(const uint8_t* data, uint64_t size) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (uint64_t i = 0; i < size; ++i) {
        if (i)
            out += ' ';
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

inline std::string hexText(const Bytes& bytes) {
    return hexText(bytes.data(), bytes.size());
}
inline std::string hexText(const ast_dataitem_t& item) {
    return hexText(item.data, item.size);
}

inline Bytes readFile(const std::string& name) {
    std::ifstream in(std::string(VELTMAR_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A value that a call must overwrite: tests fill results with it first.
constexpr uint8_t POISON = 0xA5;

#endif  // ASTERIX_TESTS_ASTTESTDATA_H
