#ifndef MODES_ADSBAIRBORNEPOSITIONMESSAGEV1_H
#define MODES_ADSBAIRBORNEPOSITIONMESSAGEV1_H

#include <modes/ADSBAirbornePositionMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne position of a version-1 transmitter, where ME bit 7 is the single antenna flag.
class MODES_EXPORT ADSBAirbornePositionMessageV1 : public ADSBAirbornePositionMessage {
public:
    ADSBAirbornePositionMessageV1() = default;

    bool singalAntena() const { return _singalAntena; }

protected:
    bool decodeImpl() override;

private:
    bool _singalAntena = false;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEPOSITIONMESSAGEV1_H
