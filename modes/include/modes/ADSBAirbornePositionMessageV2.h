#ifndef MODES_ADSBAIRBORNEPOSITIONMESSAGEV2_H
#define MODES_ADSBAIRBORNEPOSITIONMESSAGEV2_H

#include <modes/ADSBAirbornePositionMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne position of a version-2 (DO-260B) transmitter, where ME bit 7 is NIC supplement B.
class MODES_EXPORT ADSBAirbornePositionMessageV2 : public ADSBAirbornePositionMessage {
public:
    ADSBAirbornePositionMessageV2() = default;

    bool nicSupplementB() const { return _nicSupplementB; }
    // The NIC supplement-B bit (ME bit 7) of an ME field's 7 bytes.
    static bool decodeNICSupplementB(const unsigned char* me);

protected:
    bool decodeImpl() override;

private:
    bool _nicSupplementB = false;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEPOSITIONMESSAGEV2_H
