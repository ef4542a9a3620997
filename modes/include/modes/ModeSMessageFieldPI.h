#ifndef MODES_MODESMESSAGEFIELDPI_H
#define MODES_MODESMESSAGEFIELDPI_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// PI, parity/interrogator identifier: the last 24 bits of an all-call reply (bits 32 to 55) or
// an extended squitter (bits 88 to 111). The parity is overlaid with the interrogator code of
// the interrogation being answered: the 4-bit interrogator identifier (II) or the 6-bit
// surveillance identifier (SI) in the low seven bits, with a 3-bit code label above them
// (0 for II, 1 to 4 for SI). Squitters carry II = 0, so their PI is the bare parity.
class MODES_EXPORT ModeSMessageFieldPI final : public ModeSMessageField {
public:
    ModeSMessageFieldPI() : ModeSMessageField(PI) {}

    uint8_t bits() const override { return 24; }
    // The raw 24 bits as "%.2X".
    std::string description() const override;

    uint32_t parityInterrogatorId() const { return _parityInterrogatorId; }  // the raw 24 bits
    uint32_t parity() const { return _parity; }
    uint32_t interrogatorId() const { return _interrogatorId; }
    // True when the interrogator code is below 128 with a code label of 0 to 4.
    bool interrogatorIdValid() const;
    std::string parityInterrogatorIdHexString() const;

    // Takes the parity computed over the reply; returns the interrogator code it reveals.
    uint32_t setParity(unsigned int parity);
    // Takes the interrogator code the reply answers; returns the parity the reply must then
    // carry (0 gives the received PI itself).
    uint32_t setInterrogatorId(unsigned int interrogatorId);

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    uint32_t _parityInterrogatorId = 0;
    uint32_t _parity = 0;
    uint32_t _interrogatorId = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDPI_H
