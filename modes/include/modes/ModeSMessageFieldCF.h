#ifndef MODES_MODESMESSAGEFIELDCF_H
#define MODES_MODESMESSAGEFIELDCF_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// CF, control field: 3 bits (bits 5 to 7) of DF18 saying what kind of non-transponder
// device sends the squitter and how its address is to be read.
class MODES_EXPORT ModeSMessageFieldCF final : public ModeSMessageField {
public:
    ModeSMessageFieldCF() : ModeSMessageField(CF) {}

    uint8_t bits() const override { return 3; }
    // The code as a decimal number.
    std::string description() const override;

    uint8_t code() const { return _code; }

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    uint8_t _code = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDCF_H
