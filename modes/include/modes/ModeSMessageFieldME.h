#ifndef MODES_MODESMESSAGEFIELDME_H
#define MODES_MODESMESSAGEFIELDME_H

#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// ME, extended squitter message: the 56 bits (bits 32 to 87) of DF17, DF18 and DF19
// carrying an ADS-B message, its type code in the first five bits.
class MODES_EXPORT ModeSMessageFieldME final : public ModeSMessageField {
public:
    ModeSMessageFieldME() : ModeSMessageField(ME) {}
    ModeSMessageFieldME(const ModeSMessageFieldME&) = default;
    ModeSMessageFieldME(ModeSMessageFieldME&&) = default;
    ModeSMessageFieldME& operator=(const ModeSMessageFieldME&) = default;
    ModeSMessageFieldME& operator=(ModeSMessageFieldME&&) = default;

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

#endif  // MODES_MODESMESSAGEFIELDME_H
