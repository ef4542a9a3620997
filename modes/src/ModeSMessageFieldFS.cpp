#include <modes/ModeSMessageFieldFS.h>

#include <array>

#include "Bits.h"

namespace brannic {
namespace modes {

bool ModeSMessageFieldFS::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != 5)
        return false;
    _flightStatus = static_cast<FlightStatus>(bits::field(data, 5, 7));
    return true;
}

std::string ModeSMessageFieldFS::description() const {
    static const std::array<const char*, 8> texts = {
        "AIR", "GND", "AIR, ALERT", "GND, ALERT", "ALERT, SPI", "SPI", "UNKNOWN", "UNKNOWN"};
    const auto index = static_cast<int32_t>(_flightStatus);
    return index >= 0 && index < static_cast<int32_t>(texts.size()) ? texts[index] : "UNKNOWN";
}

}  // namespace modes
}  // namespace brannic
