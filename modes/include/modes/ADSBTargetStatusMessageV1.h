#ifndef MODES_ADSBTARGETSTATUSMESSAGEV1_H
#define MODES_ADSBTARGETSTATUSMESSAGEV1_H

#include <modes/ADSBTargetStatusMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Target state and status of a version-1 (DO-260A) transmitter, subtypes 0 and 1.
class MODES_EXPORT ADSBTargetStatusMessageV1 : public ADSBTargetStatusMessage {
public:
    ADSBTargetStatusMessageV1() = default;
    ~ADSBTargetStatusMessageV1() override;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGETSTATUSMESSAGEV1_H
