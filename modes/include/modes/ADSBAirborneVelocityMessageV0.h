#ifndef MODES_ADSBAIRBORNEVELOCITYMESSAGEV0_H
#define MODES_ADSBAIRBORNEVELOCITYMESSAGEV0_H

#include <cstdint>
#include <string>

#include <modes/ADSBAirborneVelocityMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Airborne velocity of a version-0 transmitter, which also reports NUCr (ME bits 10-12).
class MODES_EXPORT ADSBAirborneVelocityMessageV0 : public ADSBAirborneVelocityMessage {
public:
    ADSBAirborneVelocityMessageV0() = default;

    std::string description() const override;

    uint8_t nucr() const { return _nucr; }
    // NUCr (ME bits 10-12) of an ME field's 7 bytes.
    static uint8_t decodeNUCr(const unsigned char* me);

protected:
    bool decodeImpl() override;

private:
    uint8_t _nucr = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRBORNEVELOCITYMESSAGEV0_H
