#include <modes/ADSBAirborneVelocityMessage.h>

#include <cmath>

#include <modes/Log.h>

#include "ADSBText.h"
#include "Bits.h"

namespace brannic {
namespace modes {

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

ADSBAirborneVelocityMessage::ADSBAirborneVelocityMessage() : ADSBMessage(AIR_VEL) {}

const std::string& ADSBAirborneVelocityMessage::velocityTypeName(AirborneVelocityType type) {
    static const std::string names[] = {"UNKNOWN", "GROUND_SPEED", "GROUND_SPEED_SUPER_SONIC",
                                        "AIR_SPEED", "AIR_SPEED_SUPER_SONIC"};
    return type >= GROUND_SPEED && type <= AIR_SPEED_SUPER_SONIC ? names[type] : names[0];
}

bool ADSBAirborneVelocityMessage::decodeValues(const unsigned char* me, Values& values) {
    const uint32_t subtype = bits::field(me, 5, 7);
    if (!subtypeKnown(subtype)) {
        Log::log(Log::CRITICAL, "ADSBAirVelMsg", "Unknown Subtype=%u.", subtype);
        return false;
    }
    values.velocityType = static_cast<AirborneVelocityType>(subtype);
    if (values.velocityType == AIR_SPEED || values.velocityType == AIR_SPEED_SUPER_SONIC) {
        Log::log(Log::WARNING, "ADSBAirVelMsg", "Unsupported AIR_SPD message detected.");
        return false;
    }

    // East-west and north-south velocity: a direction bit (1 = west, 1 = south) and the
    // magnitude plus one (0 = no information), in knots, or 4-knot units when supersonic.
    const unsigned dirEW = bits::bit(me, 13);
    const int32_t velEW = static_cast<int32_t>(bits::field(me, 14, 23));
    const unsigned dirNS = bits::bit(me, 24);
    const int32_t velNS = static_cast<int32_t>(bits::field(me, 25, 34));
    values.groundSpeed = 0;
    values.heading = 0;
    values.groundSpeedValid = velEW != 0 && velNS != 0;
    if (values.groundSpeedValid) {
        const int32_t factor = values.velocityType == GROUND_SPEED_SUPER_SONIC ? 4 : 1;
        const int32_t east = (dirEW != 0 ? -1 : 1) * factor * (velEW - 1);
        const int32_t north = (dirNS != 0 ? -1 : 1) * factor * (velNS - 1);
        values.groundSpeed =
            std::sqrt(static_cast<double>(east) * east + static_cast<double>(north) * north);
        values.heading =
            std::atan2(static_cast<double>(east), static_cast<double>(north)) * 360.0 / (2.0 * kPi);
        if (values.heading < 0)
            values.heading += 360.0;
    }
    if (values.groundSpeed == 0)
        values.heading = 0;

    // DO-260B: 1 = barometric, 0 = GNSS.
    values.verticalRateSource = bits::bit(me, 35) != 0 ? BARO : GNSS;
    const unsigned sign = bits::bit(me, 36);
    const int32_t rate = static_cast<int32_t>(bits::field(me, 37, 45));
    values.verticalRateValid = rate != 0;
    values.verticalRate = rate == 0 ? 0 : (rate - 1) * 64 * (sign != 0 ? -1 : 1);
    return true;
}

bool ADSBAirborneVelocityMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());
    const bool decoded = decodeValues(me, _values);
    if (!listingFields())
        return decoded;
    if (!subtypeKnown(bits::field(me, 5, 7)))
        return false;
    addField(Field(Field::VEL_SUB_TYPE, 5, 3, velocityTypeName(_values.velocityType)));
    if (!decoded)
        return false;
    addField(Field(Field::DIR_EW, 13, 1, bits::bit(me, 13) != 0 ? "E->W" : "W->E"));
    addField(Field(Field::VEL_EW, 14, 10, std::to_string(bits::field(me, 14, 23))));
    addField(Field(Field::DIR_NS, 24, 1, bits::bit(me, 24) != 0 ? "N->S" : "S->N"));
    addField(Field(Field::VEL_NS, 25, 10, std::to_string(bits::field(me, 25, 34))));
    addField(Field(Field::VR_SRC, 35, 1, _values.verticalRateSource == BARO ? "BARO" : "GNSS"));
    addField(Field(Field::VR_SIGN, 36, 1, bits::bit(me, 36) != 0 ? "DOWN" : "UP"));
    addField(Field(Field::VR, 37, 9, std::to_string(bits::field(me, 37, 45))));
    return true;
}

std::string ADSBAirborneVelocityMessage::description() const {
    std::string text = "TC=AIR_VEL, ST=";
    switch (velocityType()) {
        case GROUND_SPEED:
        case GROUND_SPEED_SUPER_SONIC:
            text += velocityType() == GROUND_SPEED ? "GS" : "GS_SS";
            text +=
                ", GS=" + adsbtext::number(groundSpeed()) + ", HDG=" + adsbtext::number(heading());
            break;
        case AIR_SPEED:
            text += "AS";
            break;
        case AIR_SPEED_SUPER_SONIC:
            text += "AS_SS";
            break;
    }
    return text + ", VR=" + std::to_string(verticalRate());
}

}  // namespace modes
}  // namespace brannic
