#ifndef MODES_MODESMESSAGEFIELDAP_H
#define MODES_MODESMESSAGEFIELDAP_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// AP, address/parity: the last 24 bits of a surveillance or Comm-B reply (bits 32 to 55 of a
// short reply, 88 to 111 of a long one). The transponder sends its parity overlaid (xor) with
// its own address, so the receiver recovers the address as AP xor the parity it computes over
// the rest of the reply. Nothing checks the result: a damaged reply yields another address.
class MODES_EXPORT ModeSMessageFieldAP final : public ModeSMessageField {
public:
    ModeSMessageFieldAP() : ModeSMessageField(AP) {}

    uint8_t bits() const override { return 24; }
    // The raw 24 bits as "%.2X".
    std::string description() const override;

    uint32_t addressParity() const { return _addressParity; }  // the raw 24 bits
    uint32_t parity() const { return _parity; }
    uint32_t icaoAddress() const { return _icaoAddress; }
    std::string addressParityHexString() const;

    // Takes the parity computed over the reply and returns the address it reveals
    // (addressParity() xor parity).
    uint32_t setParity(unsigned int parity);

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    uint32_t _addressParity = 0;
    uint32_t _parity = 0;
    uint32_t _icaoAddress = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDAP_H
