#ifndef MODES_ADSBTARGETSTATUSMESSAGEV2_H
#define MODES_ADSBTARGETSTATUSMESSAGEV2_H

#include <cstdint>
#include <string>

#include <modes/ADSBTargetStatusMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Target state and status of a version-2 (DO-260B) transmitter: only subtype 1 exists; any
// other subtype fails without a log line. Adds the SIL supplement (ME bit 7).
class MODES_EXPORT ADSBTargetStatusMessageV2 : public ADSBTargetStatusMessage {
public:
    ADSBTargetStatusMessageV2() = default;

    std::string description() const override;

    uint8_t silSupplement() const { return _silSupplement; }

protected:
    bool decodeImpl() override;

private:
    uint8_t _silSupplement = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGETSTATUSMESSAGEV2_H
