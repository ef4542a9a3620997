#ifndef MODES_MODESMESSAGEFIELDAA_H
#define MODES_MODESMESSAGEFIELDAA_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// AA, address announced: the 24-bit aircraft address sent in clear in all-call replies and
// extended squitters (DF11, DF17, DF18, DF19), bits 8 to 31.
class MODES_EXPORT ModeSMessageFieldAA final : public ModeSMessageField {
public:
    ModeSMessageFieldAA() : ModeSMessageField(AA) {}

    uint8_t bits() const override { return 24; }
    // The address as "%.2X" (not zero-filled to six digits).
    std::string description() const override;

    uint32_t icaoAddress() const { return _icaoAddress; }
    std::string icaoAddressHexString() const;

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    uint32_t _icaoAddress = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDAA_H
