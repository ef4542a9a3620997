#ifndef MODES_MODESMESSAGEFIELDID_H
#define MODES_MODESMESSAGEFIELDID_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// ID, identity: the Mode A code (squawk) of DF5 and DF21, bits 19 to 31 in the order
// C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4 (ICAO Annex 10 Vol. IV 3.1.2.6.7.1).
class MODES_EXPORT ModeSMessageFieldID final : public ModeSMessageField {
public:
    ModeSMessageFieldID() : ModeSMessageField(ID) {}

    uint8_t bits() const override { return 13; }
    // The four octal digits of the Mode A code ("%.4o"), for example "7700".
    std::string description() const override;

    // The number whose octal digits are A, B, C and D: 0 to 4095.
    uint32_t identity() const { return _identity; }

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    uint32_t _identity = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDID_H
