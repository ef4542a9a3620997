#include "feedgen/Callsign.h"

namespace feedgen {
namespace callsign {

bool encode(const std::string& text, std::array<uint8_t, 8>& codes) {
    if (text.size() > codes.size())
        return false;
    std::array<uint8_t, 8> result{};
    result.fill(32);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= 'A' && c <= 'Z')
            result[i] = static_cast<uint8_t>(c - 'A' + 1);
        else if (c >= 'a' && c <= 'z')
            result[i] = static_cast<uint8_t>(c - 'a' + 1);
        else if (c >= '0' && c <= '9')
            result[i] = static_cast<uint8_t>(c - '0' + 48);
        else if (c != ' ')
            return false;
    }
    codes = result;
    return true;
}

}  // namespace callsign
}  // namespace feedgen
