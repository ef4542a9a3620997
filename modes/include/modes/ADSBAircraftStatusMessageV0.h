#ifndef MODES_ADSBAIRCRAFTSTATUSMESSAGEV0_H
#define MODES_ADSBAIRCRAFTSTATUSMESSAGEV0_H

#include <modes/ADSBAircraftStatusMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Aircraft status of a version-0 or version-1 transmitter: decoded as the common message.
class MODES_EXPORT ADSBAircraftStatusMessageV0 : public ADSBAircraftStatusMessage {
public:
    ADSBAircraftStatusMessageV0() = default;
    ~ADSBAircraftStatusMessageV0() override;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRCRAFTSTATUSMESSAGEV0_H
