#ifndef MODES_MODESMESSAGEFIELDMV_H
#define MODES_MODESMESSAGEFIELDMV_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// MV, ACAS message: the 56 bits (bits 32 to 87) of DF16 carrying air-to-air
// coordination data.
class MODES_EXPORT ModeSMessageFieldMV final : public ModeSMessageField {
public:
    ModeSMessageFieldMV() : ModeSMessageField(MV) {}
    ModeSMessageFieldMV(const ModeSMessageFieldMV&) = default;
    ModeSMessageFieldMV(ModeSMessageFieldMV&&) = default;
    ModeSMessageFieldMV& operator=(const ModeSMessageFieldMV&) = default;
    ModeSMessageFieldMV& operator=(ModeSMessageFieldMV&&) = default;

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

#endif  // MODES_MODESMESSAGEFIELDMV_H
