#include <modes/ModeSMessageFieldAC.h>

#include "AltitudeCode.h"
#include "Bits.h"

namespace brannic {
namespace modes {

namespace {
constexpr unsigned kFirst = 19;
constexpr unsigned kLast = 31;
constexpr unsigned kM = 25;  // metric unit bit
constexpr unsigned kQ = 27;  // 25-ft resolution bit
}  // namespace

bool ModeSMessageFieldAC::decodeImpl(const std::string& data, uint8_t pos) {
    if (pos != kFirst)
        return false;
    const uint32_t code = bits::field(data, kFirst, kLast);
    const bool q = bits::bit(data, kQ) != 0;
    int32_t feet = 0;
    if (q) {
        feet = static_cast<int32_t>(altitude::binaryCount(code)) * 25 - 1000;
    } else if (!altitude::gillhamToFeet(code, feet)) {
        // Altitude not available (all zeros) or not a Gillham code: no altitude at all.
        return false;
    }
    _altitudeUnit = bits::bit(data, kM) != 0 ? METERS : FEET;
    _altitudeResolution = q ? RES_25FT : RES_100FT;
    _altitude = feet;
    return true;
}

std::string ModeSMessageFieldAC::description() const {
    return std::to_string(_altitude);
}

}  // namespace modes
}  // namespace brannic
