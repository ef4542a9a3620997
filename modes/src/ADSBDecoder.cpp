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

// The message class of a type for a transmitter version; null where the version has none
// (a refusal by version is not logged: the caller's idea of the version may be wrong for a
// while, and such messages come by the thousand).
ADSBMessage* create(ADSBMessageType type, MOPSVersion version) {
    switch (type) {
        case ACID:
            return new ADSBIdentityMessage();
        case POS_GND:
            return new ADSBSurfacePositionMessage();
        case POS_AIR:
            switch (version) {
                case MOPS_V0:
                    return new ADSBAirbornePositionMessageV0();
                case MOPS_V1:
                    return new ADSBAirbornePositionMessageV1();
                case MOPS_V2:
                    return new ADSBAirbornePositionMessageV2();
                default:
                    return nullptr;
            }
        case AIR_VEL:
            switch (version) {
                case MOPS_V0:
                    return new ADSBAirborneVelocityMessageV0();
                case MOPS_V1:
                    return new ADSBAirborneVelocityMessageV1();
                case MOPS_V2:
                    return new ADSBAirborneVelocityMessageV2();
                default:
                    return nullptr;
            }
        case TEST:
            return new ADSBTestMessage();
        case AC_STATUS:
            switch (version) {
                case MOPS_V0:
                case MOPS_V1:
                    return new ADSBAircraftStatusMessageV0();
                case MOPS_V2:
                    return new ADSBAircraftStatusMessageV2();
                default:
                    return nullptr;
            }
        case TG_STATUS:
            // DO-260 (version 0) has no target state and status message.
            switch (version) {
                case MOPS_V1:
                    return new ADSBTargetStatusMessageV1();
                case MOPS_V2:
                    return new ADSBTargetStatusMessageV2();
                default:
                    return nullptr;
            }
        case OP_STATUS:
            switch (version) {
                case MOPS_V0:
                case MOPS_V1:
                case MOPS_V2:
                    return new ADSBAircraftOperationalStatusMessage();
                default:
                    return nullptr;
            }
        case RESERVED:
        default:
            return nullptr;
    }
}

}  // namespace

ADSBDecoder::ADSBDecoder() {
    Log::log(Log::INFO, "ADSBDecoder", "Initialized.");
}

ADSBMessage* ADSBDecoder::decode(MOPSVersion version, const std::string& me) const {
    return decode(version, me, true);
}

ADSBMessage* ADSBDecoder::decode(MOPSVersion version, const std::string& me,
                                 bool withFields) const {
    if (me.size() < 7)
        return nullptr;
    const unsigned char typeCode = static_cast<unsigned char>(me[0]) >> 3;
    const ADSBMessageType type = ADSBMessage::typeByCode(typeCode);
    if (type == RESERVED) {
        Log::log(Log::WARNING, "ADSBDecoder", "Unsupported type code = %u (%s).", typeCode,
                 ADSBMessage::typeFullName(type).c_str());
        return nullptr;
    }
    std::unique_ptr<ADSBMessage> message(create(type, version));
    if (!message)
        return nullptr;
    message->_listFields = withFields;
    if (!message->decode(me))
        return nullptr;
    return message.release();
}

}  // namespace modes
}  // namespace brannic
