#ifndef MODES_ADSBAIRBORNEVELOCITYMESSAGEV2_H
#define MODES_ADSBAIRBORNEVELOCITYMESSAGEV2_H

#include <modes/ADSBAirborneVelocityMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne velocity of a version-2 transmitter: decoded as the common message.
class MODES_EXPORT ADSBAirborneVelocityMessageV2 : public ADSBAirborneVelocityMessage {
public:
    ADSBAirborneVelocityMessageV2() = default;
    ~ADSBAirborneVelocityMessageV2() override;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEVELOCITYMESSAGEV2_H
