#ifndef MODES_MODESMESSAGEFIELDVS_H
#define MODES_MODESMESSAGEFIELDVS_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// VS, vertical status: bit 5 of the ACAS replies DF0 and DF16, set when the aircraft is on the
// ground.
class MODES_EXPORT ModeSMessageFieldVS final : public ModeSMessageField {
public:
    enum VerticalStatus : int32_t { AIRBORNE = 0, ON_GROUND = 1 };

    ModeSMessageFieldVS() : ModeSMessageField(VS) {}

    uint8_t bits() const override { return 1; }
    // "AIR", "GND", or "UNKNOWN" for any other value.
    std::string description() const override;

    VerticalStatus verticalStatus() const { return _verticalStatus; }

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    VerticalStatus _verticalStatus = AIRBORNE;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDVS_H
