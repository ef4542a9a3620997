#ifndef MODES_MODESMESSAGEFIELDMB_H
#define MODES_MODESMESSAGEFIELDMB_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// MB, Comm-B message: the 56 bits (bits 32 to 87) of DF20 and DF21 carrying the
// contents of a transponder register (BDS) asked for by the interrogator.
class MODES_EXPORT ModeSMessageFieldMB final : public ModeSMessageField {
public:
    ModeSMessageFieldMB() : ModeSMessageField(MB) {}
    ModeSMessageFieldMB(const ModeSMessageFieldMB&) = default;
    ModeSMessageFieldMB(ModeSMessageFieldMB&&) = default;
    ModeSMessageFieldMB& operator=(const ModeSMessageFieldMB&) = default;
    ModeSMessageFieldMB& operator=(ModeSMessageFieldMB&&) = default;

    uint8_t bits() const override { return 56; }
    // dataHexString().
    std::string description() const override;

    // The 7 bytes of the field (7 zero bytes until decoded).
    const std::string& data() const { return _data; }
    // 14 upper-case hexadecimal digits.
    std::string dataHexString() const;

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    std::string _data = std::string(7, '\0');
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDMB_H
