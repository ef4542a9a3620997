#include <modes/ADSBDecoder.h>

#include <memory>

#include <modes/ADSBAirbornePositionMessageV0.h>
#include <modes/ADSBAirbornePositionMessageV1.h>
#include <modes/ADSBAirbornePositionMessageV2.h>
#include <modes/ADSBAirborneVelocityMessageV0.h>
#include <modes/ADSBAirborneVelocityMessageV1.h>
#include <modes/ADSBAirborneVelocityMessageV2.h>
#include <modes/ADSBAircraftOperationalStatusMessage.h>
#include <modes/ADSBAircraftStatusMessageV0.h>
#include <modes/ADSBAircraftStatusMessageV2.h>
#include <modes/ADSBIdentityMessage.h>
#include <modes/ADSBSurfacePositionMessage.h>
#include <modes/ADSBTargetStatusMessageV1.h>
#include <modes/ADSBTargetStatusMessageV2.h>
#include <modes/ADSBTestMessage.h>
#include <modes/Log.h>

namespace brannic {
namespace modes {

namespace {

// The message classes, one per type and transmitter version.
enum Kind {
    IDENTITY,
    SURFACE_POSITION,
    AIRBORNE_POSITION_V0,
    AIRBORNE_POSITION_V1,
    AIRBORNE_POSITION_V2,
    AIRBORNE_VELOCITY_V0,
    AIRBORNE_VELOCITY_V1,
    AIRBORNE_VELOCITY_V2,
    TEST_MESSAGE,
    AIRCRAFT_STATUS_V0,
    AIRCRAFT_STATUS_V2,
    TARGET_STATUS_V1,
    TARGET_STATUS_V2,
    OPERATIONAL_STATUS,
    KIND_COUNT,
    NO_CLASS = KIND_COUNT
};

// The message class of a type for a transmitter version; none where the version has none
// (a refusal by version is not logged: the caller's idea of the version may be wrong for a
// while, and such messages come by the thousand).
Kind kindOf(ADSBMessageType type, MOPSVersion version) {
    switch (type) {
        case ACID:
            return IDENTITY;
        case POS_GND:
            return SURFACE_POSITION;
        case POS_AIR:
            switch (version) {
                case MOPS_V0:
                    return AIRBORNE_POSITION_V0;
                case MOPS_V1:
                    return AIRBORNE_POSITION_V1;
                case MOPS_V2:
                    return AIRBORNE_POSITION_V2;
                default:
                    return NO_CLASS;
            }
        case AIR_VEL:
            switch (version) {
                case MOPS_V0:
                    return AIRBORNE_VELOCITY_V0;
                case MOPS_V1:
                    return AIRBORNE_VELOCITY_V1;
                case MOPS_V2:
                    return AIRBORNE_VELOCITY_V2;
                default:
                    return NO_CLASS;
            }
        case TEST:
            return TEST_MESSAGE;
        case AC_STATUS:
            switch (version) {
                case MOPS_V0:
                case MOPS_V1:
                    return AIRCRAFT_STATUS_V0;
                case MOPS_V2:
                    return AIRCRAFT_STATUS_V2;
                default:
                    return NO_CLASS;
            }
        case TG_STATUS:
            // DO-260 (version 0) has no target state and status message.
            switch (version) {
                case MOPS_V1:
                    return TARGET_STATUS_V1;
                case MOPS_V2:
                    return TARGET_STATUS_V2;
                default:
                    return NO_CLASS;
            }
        case OP_STATUS:
            switch (version) {
                case MOPS_V0:
                case MOPS_V1:
                case MOPS_V2:
                    return OPERATIONAL_STATUS;
                default:
                    return NO_CLASS;
            }
        case RESERVED:
        default:
            return NO_CLASS;
    }
}

template <typename Message>
ADSBMessage* create() {
    return new Message();
}

// A used message object back to the state of a new one (but for its time stamp, which the
// tracker sets), without allocating: assignment from a pristine object of its class.
template <typename Message>
void renew(ADSBMessage& message) {
    static const Message pristine;
    static_cast<Message&>(message) = pristine;
}

struct ClassOps {
    ADSBMessage* (*create)();
    void (*renew)(ADSBMessage&);
};

template <typename Message>
constexpr ClassOps opsOf() {
    return {create<Message>, renew<Message>};
}

// By Kind.
constexpr ClassOps kClasses[KIND_COUNT] = {
    opsOf<ADSBIdentityMessage>(),
    opsOf<ADSBSurfacePositionMessage>(),
    opsOf<ADSBAirbornePositionMessageV0>(),
    opsOf<ADSBAirbornePositionMessageV1>(),
    opsOf<ADSBAirbornePositionMessageV2>(),
    opsOf<ADSBAirborneVelocityMessageV0>(),
    opsOf<ADSBAirborneVelocityMessageV1>(),
    opsOf<ADSBAirborneVelocityMessageV2>(),
    opsOf<ADSBTestMessage>(),
    opsOf<ADSBAircraftStatusMessageV0>(),
    opsOf<ADSBAircraftStatusMessageV2>(),
    opsOf<ADSBTargetStatusMessageV1>(),
    opsOf<ADSBTargetStatusMessageV2>(),
    opsOf<ADSBAircraftOperationalStatusMessage>(),
};

// The message class of an ME field for a transmitter version: none for fewer than 7 bytes,
// for a reserved type code (logged) and for a version without a class of that type.
Kind classOf(MOPSVersion version, const std::string& me) {
    if (me.size() < 7)
        return NO_CLASS;
    const unsigned char typeCode = static_cast<unsigned char>(me[0]) >> 3;
    const ADSBMessageType type = ADSBMessage::typeByCode(typeCode);
    if (type == RESERVED) {
        Log::log(Log::WARNING, "ADSBDecoder", "Unsupported type code = %u (%s).", typeCode,
                 ADSBMessage::typeFullName(type).c_str());
        return NO_CLASS;
    }
    return kindOf(type, version);
}

}  // namespace

struct ADSBDecoder::Scratch {
    std::unique_ptr<ADSBMessage> messages[KIND_COUNT];
};

ADSBDecoder::ADSBDecoder() {
    Log::log(Log::INFO, "ADSBDecoder", "Initialized.");
}

// A copy makes reusable messages of its own when it needs them.
ADSBDecoder::ADSBDecoder(const ADSBDecoder&) {}

ADSBDecoder& ADSBDecoder::operator=(const ADSBDecoder&) {
    return *this;
}

ADSBDecoder::ADSBDecoder(ADSBDecoder&& other) noexcept = default;
ADSBDecoder& ADSBDecoder::operator=(ADSBDecoder&& other) noexcept = default;
ADSBDecoder::~ADSBDecoder() = default;

ADSBMessage* ADSBDecoder::decode(MOPSVersion version, const std::string& me) const {
    const Kind kind = classOf(version, me);
    if (kind == NO_CLASS)
        return nullptr;
    std::unique_ptr<ADSBMessage> message(kClasses[kind].create());
    if (!message->decode(me))
        return nullptr;
    return message.release();
}

bool ADSBDecoder::hasClass(ADSBMessageType type, MOPSVersion version) {
    return kindOf(type, version) != NO_CLASS;
}

ADSBMessage* ADSBDecoder::decodeForTracking(MOPSVersion version, const std::string& me) {
    const Kind kind = classOf(version, me);
    if (kind == NO_CLASS)
        return nullptr;
    if (!_scratch)
        _scratch.reset(new Scratch);
    std::unique_ptr<ADSBMessage>& message = _scratch->messages[kind];
    if (message) {
        // The byte string outlives the renewal: decode() writes the new bytes over the old
        // ones in place (it always stores them first).
        std::string bytes = std::move(message->_data);
        kClasses[kind].renew(*message);
        message->_data = std::move(bytes);
    } else {
        message.reset(kClasses[kind].create());
    }
    message->_listFields = false;
    if (!message->decode(me))
        return nullptr;
    return message.get();
}

}  // namespace modes
}  // namespace brannic
