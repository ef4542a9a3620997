#include "feedgen/CommB.h"

#include <cmath>

#include "feedgen/Bits.h"
#include "feedgen/Callsign.h"

namespace feedgen {
namespace commb {

namespace {

// One value of a register: its status bit, then `width` bits from `first` holding
// round(value / lsb), two's complement when `isSigned`. False when the value does not fit.
bool putValue(MBField& mb, unsigned statusBit, unsigned first, unsigned width,
              const std::optional<double>& value, double lsb, bool isSigned) {
    if (!value)
        return true;
    if (!std::isfinite(*value))
        return false;
    const long steps = std::lround(*value / lsb);
    const long lowest = isSigned ? -(1L << (width - 1)) : 0;
    const long highest = isSigned ? (1L << (width - 1)) - 1 : (1L << width) - 1;
    if (steps < lowest || steps > highest)
        return false;
    bits::put(mb.data(), statusBit, statusBit, 1);
    bits::put(mb.data(), first, first + width - 1,
              static_cast<uint64_t>(steps) & ((uint64_t{1} << width) - 1));
    return true;
}

// An angle folded into [−180, 180) for the signed angle fields.
std::optional<double> signedAngle(const std::optional<double>& degrees) {
    if (!degrees || !std::isfinite(*degrees))
        return degrees;
    return *degrees - 360.0 * std::floor((*degrees + 180.0) / 360.0);
}

std::optional<double> asDouble(const std::optional<int>& value) {
    return value ? std::optional<double>(*value) : std::nullopt;
}

}  // namespace

std::optional<MBField> identification(const std::string& callsign) {
    std::array<uint8_t, 8> codes{};
    if (!callsign::encode(callsign, codes))
        return std::nullopt;
    MBField mb{};
    bits::put(mb.data(), 0, 7, 0x20);
    for (unsigned i = 0; i < codes.size(); ++i)
        bits::put(mb.data(), 8 + 6 * i, 13 + 6 * i, codes[i]);
    return mb;
}

std::optional<MBField> encode(const SelectedVerticalIntention& data) {
    MBField mb{};
    std::optional<double> baro;
    if (data.baroSettingMb)
        baro = *data.baroSettingMb - 800.0;
    if (!putValue(mb, 0, 1, 12, data.mcpAltitudeFeet, 16.0, false) ||
        !putValue(mb, 13, 14, 12, data.fmsAltitudeFeet, 16.0, false) ||
        !putValue(mb, 26, 27, 12, baro, 0.1, false))
        return std::nullopt;
    if (data.modeBitsValid) {
        bits::put(mb.data(), 47, 47, 1);
        bits::put(mb.data(), 48, 48, data.vnav ? 1 : 0);
        bits::put(mb.data(), 49, 49, data.altitudeHold ? 1 : 0);
        bits::put(mb.data(), 50, 50, data.approach ? 1 : 0);
    }
    if (data.targetSource) {
        if (*data.targetSource > 3)
            return std::nullopt;
        bits::put(mb.data(), 53, 53, 1);
        bits::put(mb.data(), 54, 55, *data.targetSource);
    }
    return mb;
}

std::optional<MBField> encode(const TrackAndTurn& data) {
    MBField mb{};
    if (data.rollDegrees && std::fabs(*data.rollDegrees) > 90.0)
        return std::nullopt;
    if (!putValue(mb, 0, 1, 10, data.rollDegrees, 45.0 / 256.0, true) ||
        !putValue(mb, 11, 12, 11, signedAngle(data.trueTrackDegrees), 90.0 / 512.0, true) ||
        !putValue(mb, 23, 24, 10, data.groundSpeedKnots, 2.0, false) ||
        !putValue(mb, 34, 35, 10, data.trackRateDegreesPerSecond, 8.0 / 256.0, true) ||
        !putValue(mb, 45, 46, 10, data.trueAirspeedKnots, 2.0, false))
        return std::nullopt;
    return mb;
}

std::optional<MBField> encode(const HeadingAndSpeed& data) {
    MBField mb{};
    if (!putValue(mb, 0, 1, 11, signedAngle(data.magneticHeadingDegrees), 90.0 / 512.0, true) ||
        !putValue(mb, 12, 13, 10, data.indicatedAirspeedKnots, 1.0, false) ||
        !putValue(mb, 23, 24, 10, data.mach, 2.048 / 512.0, false) ||
        !putValue(mb, 34, 35, 10, asDouble(data.baroRateFeetPerMinute), 32.0, true) ||
        !putValue(mb, 45, 46, 10, asDouble(data.inertialRateFeetPerMinute), 32.0, true))
        return std::nullopt;
    return mb;
}

}  // namespace commb
}  // namespace feedgen
