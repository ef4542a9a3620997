#ifndef MODES_MODESMESSAGEFIELDCA_H
#define MODES_MODESMESSAGEFIELDCA_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// CA, capability: the transponder's capability, 3 bits (bits 5 to 7) of DF11 and DF17.
class MODES_EXPORT ModeSMessageFieldCA final : public ModeSMessageField {
public:
    ModeSMessageFieldCA() : ModeSMessageField(CA) {}

    uint8_t bits() const override { return 3; }
    // The code as a decimal number.
    std::string description() const override;

    uint8_t capability() const { return _capability; }

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    uint8_t _capability = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDCA_H
