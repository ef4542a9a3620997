#ifndef FEEDGEN_FRAME_H
#define FEEDGEN_FRAME_H

// One reply as it travels over the air: the bytes of a Mode S reply (7 bytes for the 56-bit
// formats, 14 for the 112-bit ones) or of a Mode A/C reply (2 bytes, as receivers forward
// them). A default-constructed frame is empty: size 0 means "no frame", which is how the
// encoders report input they cannot encode.

#include <array>
#include <cstdint>
#include <string>

namespace feedgen {

struct Frame {
    static constexpr unsigned kShortBytes = 7;   // DF0, 4, 5, 11
    static constexpr unsigned kLongBytes = 14;   // DF16, 17, 18, 19, 20, 21
    static constexpr unsigned kModeACBytes = 2;  // Mode A/C reply as receivers forward it

    std::array<uint8_t, kLongBytes> bytes{};
    uint8_t size = 0;

    bool empty() const { return size == 0; }
    unsigned bits() const { return size * 8u; }
    const uint8_t* data() const { return bytes.data(); }
    uint8_t* data() { return bytes.data(); }
    // The downlink format: the first five bits (meaningless for Mode A/C frames).
    unsigned downlinkFormat() const { return bytes[0] >> 3; }

    // Upper-case hexadecimal digits, two per byte, no separators.
    std::string hex() const;
    // The bytes as a string, for the modes library's decoders.
    std::string toString() const { return std::string(reinterpret_cast<const char*>(data()), size); }

    // A frame of `count` bytes (2, 7 or 14) copied from `source`; empty for any other count.
    static Frame fromBytes(const uint8_t* source, unsigned count);
    // A frame from 4, 14 or 28 hexadecimal digits (either case); empty for anything else.
    static Frame fromHex(const std::string& digits);

    bool operator==(const Frame& other) const;
    bool operator!=(const Frame& other) const { return !(*this == other); }
};

}  // namespace feedgen

#endif  // FEEDGEN_FRAME_H
