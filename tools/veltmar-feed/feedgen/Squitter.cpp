#include "feedgen/Squitter.h"

#include <algorithm>
#include <cmath>

#include "feedgen/Bits.h"
#include "feedgen/Callsign.h"
#include "feedgen/ModeACode.h"
#include "feedgen/Parity.h"

namespace feedgen {
namespace squitter {

namespace {

// Type code, and the subtype where the message has one.
MEField header(unsigned typeCode, unsigned subtype = 0) {
    MEField me{};
    bits::put(me.data(), 0, 4, typeCode);
    bits::put(me.data(), 5, 7, subtype);
    return me;
}

void putCpr(MEField& me, bool utc, cpr::Format format, const cpr::Encoded& position) {
    bits::put(me.data(), 20, 20, utc ? 1 : 0);
    bits::put(me.data(), 21, 21, format == cpr::Format::Odd ? 1 : 0);
    bits::put(me.data(), 22, 38, position.latitude);
    bits::put(me.data(), 39, 55, position.longitude);
}

bool validPosition(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && latitude >= -90.0 &&
           latitude <= 90.0;
}

// A velocity component as a direction bit and 10-bit magnitude: 0 for no information,
// otherwise the speed in steps of 1 kt (4 kt supersonic) plus one, at most 1023.
void putComponent(MEField& me, unsigned signBit, const std::optional<double>& knots,
                  bool supersonic) {
    uint32_t value = 0;
    bool negative = false;
    if (knots) {
        negative = *knots < 0;
        const double steps = std::fabs(*knots) / (supersonic ? 4.0 : 1.0);
        value = static_cast<uint32_t>(std::min(1022.0, std::round(steps))) + 1;
    }
    bits::put(me.data(), signBit, signBit, negative ? 1 : 0);
    bits::put(me.data(), signBit + 1, signBit + 10, value);
}

}  // namespace

std::optional<MEField> encode(const Identification& message) {
    std::array<uint8_t, 8> codes{};
    if (message.categorySet < 'A' || message.categorySet > 'D' || message.category > 7 ||
        !callsign::encode(message.callsign, codes))
        return std::nullopt;
    MEField me = header(4u - static_cast<unsigned>(message.categorySet - 'A'), message.category);
    for (unsigned i = 0; i < codes.size(); ++i)
        bits::put(me.data(), 8 + 6 * i, 13 + 6 * i, codes[i]);
    return me;
}

std::optional<MEField> encode(const AirbornePosition& message) {
    const unsigned tc = message.typeCode;
    if (tc < 9 || tc > 22 || tc == 19 || message.surveillanceStatus > 3 ||
        !validPosition(message.latitude, message.longitude))
        return std::nullopt;
    uint32_t altitudeCode = 0;
    if (message.altitudeFeet &&
        !altitude::encode12(*message.altitudeFeet, message.altitudeCoding, altitudeCode))
        return std::nullopt;
    MEField me = header(tc);
    bits::put(me.data(), 5, 6, message.surveillanceStatus);
    bits::put(me.data(), 7, 7, message.singleAntennaOrNicB ? 1 : 0);
    bits::put(me.data(), 8, 19, altitudeCode);
    putCpr(me, message.utcSynchronised, message.format,
           cpr::encodeAirborne(message.latitude, message.longitude, message.format));
    return me;
}

uint8_t movementCode(double knots) {
    // DO-260B Table 2-15: ever finer steps towards standstill. Each row: the lowest speed of
    // the range, its first code and the step.
    struct Band {
        double from;
        int code;
        double step;
    };
    static const Band kBands[] = {
        {175.0, 124, 0.0}, {100.0, 109, 5.0}, {70.0, 94, 2.0},    {15.0, 39, 1.0},
        {2.0, 13, 0.5},    {1.0, 9, 0.25},    {0.146, 3, 0.1458}, {0.125, 2, 0.0},
    };
    if (!(knots >= 0.0))
        return 0;
    for (const Band& band : kBands) {
        if (knots >= band.from) {
            const int offset = band.step > 0 ? static_cast<int>((knots - band.from) / band.step) : 0;
            return static_cast<uint8_t>(band.code + offset);
        }
    }
    return 1;  // stopped
}

std::optional<MEField> encode(const SurfacePosition& message) {
    if (message.typeCode < 5 || message.typeCode > 8 ||
        !validPosition(message.latitude, message.longitude) ||
        !std::isfinite(message.trackDegrees))
        return std::nullopt;
    MEField me = header(message.typeCode);
    bits::put(me.data(), 5, 11, movementCode(message.groundSpeedKnots));
    bits::put(me.data(), 12, 12, message.trackValid ? 1 : 0);
    if (message.trackValid) {
        const long steps = std::lround(message.trackDegrees * 128.0 / 360.0);
        bits::put(me.data(), 13, 19, static_cast<uint32_t>(((steps % 128) + 128) % 128));
    }
    putCpr(me, message.utcSynchronised, message.format,
           cpr::encodeSurface(message.latitude, message.longitude, message.format));
    return me;
}

std::optional<MEField> encode(const AirborneVelocity& message) {
    if (message.nacv > 7)
        return std::nullopt;
    MEField me = header(19, message.supersonic ? 2 : 1);
    bits::put(me.data(), 8, 8, message.intentChange ? 1 : 0);
    bits::put(me.data(), 9, 9, message.ifrCapability ? 1 : 0);
    bits::put(me.data(), 10, 12, message.nacv);
    // The direction bits mean "towards the west" and "towards the south".
    putComponent(me, 13, message.eastKnots, message.supersonic);
    putComponent(me, 24, message.northKnots, message.supersonic);
    bits::put(me.data(), 35, 35, message.verticalRateBaro ? 1 : 0);
    if (message.verticalRateFeetPerMinute) {
        const int rate = *message.verticalRateFeetPerMinute;
        const long steps = std::min(510L, std::lround(std::abs(rate) / 64.0));
        bits::put(me.data(), 36, 36, rate < 0 ? 1 : 0);
        bits::put(me.data(), 37, 45, static_cast<uint32_t>(steps + 1));
    }
    if (message.gnssAboveBaroFeet) {
        const int difference = *message.gnssAboveBaroFeet;
        const long steps = std::min(126L, std::lround(std::abs(difference) / 25.0));
        bits::put(me.data(), 48, 48, difference < 0 ? 1 : 0);
        bits::put(me.data(), 49, 55, static_cast<uint32_t>(steps + 1));
    }
    return me;
}

std::optional<MEField> encode(const OperationalStatus& message) {
    if (message.version > 7 || message.nacp > 15 || message.gva > 3 || message.sil > 3 ||
        message.lengthWidth > 15 || (message.surface && message.capabilityClass > 0xFFF))
        return std::nullopt;
    MEField me = header(31, message.surface ? 1 : 0);
    if (message.surface) {
        bits::put(me.data(), 8, 19, message.capabilityClass);
        bits::put(me.data(), 20, 23, message.lengthWidth);
    } else {
        bits::put(me.data(), 8, 23, message.capabilityClass);
    }
    bits::put(me.data(), 24, 39, message.operationalMode);
    bits::put(me.data(), 40, 42, message.version);
    bits::put(me.data(), 43, 43, message.nicSupplementA ? 1 : 0);
    bits::put(me.data(), 44, 47, message.nacp);
    if (!message.surface)
        bits::put(me.data(), 48, 49, message.gva);
    bits::put(me.data(), 50, 51, message.sil);
    bits::put(me.data(), 52, 52, (message.surface ? message.trackAngle : message.nicBaro) ? 1 : 0);
    bits::put(me.data(), 53, 53, message.headingReferenceMagnetic ? 1 : 0);
    bits::put(me.data(), 54, 54, message.silPerSample ? 1 : 0);
    return me;
}

std::optional<MEField> encode(const AircraftStatus& message) {
    if (message.emergencyState > 7 || message.squawk > 07777)
        return std::nullopt;
    MEField me = header(28, 1);
    bits::put(me.data(), 8, 10, message.emergencyState);
    bits::put(me.data(), 11, 23, modea::identityBits(message.squawk));
    return me;
}

Frame df17(uint32_t address, const MEField& me, uint8_t capability) {
    Frame frame;
    frame.size = Frame::kLongBytes;
    bits::put(frame.data(), 0, 4, 17);
    bits::put(frame.data(), 5, 7, capability);
    bits::put(frame.data(), 8, 31, address);
    std::copy(me.begin(), me.end(), frame.bytes.begin() + 4);
    parity::seal(frame, 0);
    return frame;
}

}  // namespace squitter
}  // namespace feedgen
