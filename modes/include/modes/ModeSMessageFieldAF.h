#ifndef MODES_MODESMESSAGEFIELDAF_H
#define MODES_MODESMESSAGEFIELDAF_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// AF, application field: 3 bits of DF19 (bits 5 to 7) telling military squitters
// (codes 1 to 7) from the extended squitter of non-transponder devices (code 0).
class MODES_EXPORT ModeSMessageFieldAF final : public ModeSMessageField {
public:
    ModeSMessageFieldAF() : ModeSMessageField(AF) {}

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

#endif  // MODES_MODESMESSAGEFIELDAF_H
