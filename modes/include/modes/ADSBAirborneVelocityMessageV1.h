#ifndef MODES_ADSBAIRBORNEVELOCITYMESSAGEV1_H
#define MODES_ADSBAIRBORNEVELOCITYMESSAGEV1_H

#include <modes/ADSBAirborneVelocityMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne velocity of a version-1 transmitter: decoded as the common message.
class MODES_EXPORT ADSBAirborneVelocityMessageV1 : public ADSBAirborneVelocityMessage {
public:
    ADSBAirborneVelocityMessageV1() = default;
    ~ADSBAirborneVelocityMessageV1() override;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEVELOCITYMESSAGEV1_H
