#ifndef MODES_MODESMESSAGEFIELDAC_H
#define MODES_MODESMESSAGEFIELDAC_H

#include <modes/AltitudeResolution.h>
#include <modes/ModeSMessageField.h>

namespace brannic {
namespace modes {

// AC, altitude code: the 13-bit pressure altitude of surveillance replies (DF0, DF4, DF16,
// DF20), bits 19 to 31, in the order C1 A1 C2 A2 C4 A4 M B1 Q B2 D2 B4 D4.
//
// With Q set the eleven bits other than M and Q count 25-ft steps from -1000 ft. With Q clear
// the code is the 100-ft Gillham code of Mode C (ICAO Annex 10 Vol. IV 3.1.2.6.5.4). A code
// that carries no altitude (all bits zero: altitude not available) or an illegal Gillham code
// is refused: decoding returns false and the field stays invalid, so that no made-up altitude
// can reach a track. The M bit is recorded but the altitude is computed the same way whatever
// its value.
class MODES_EXPORT ModeSMessageFieldAC final : public ModeSMessageField {
public:
    // The M bit: 0 for feet, 1 for metres.
    enum ALtitudeUnit : int32_t { FEET = 0, METERS = 1 };

    ModeSMessageFieldAC() : ModeSMessageField(AC) {}

    uint8_t bits() const override { return 13; }
    // The altitude in feet as a signed decimal number.
    std::string description() const override;

    int32_t altitude() const { return _altitude; }
    ALtitudeUnit altitudeUnit() const { return _altitudeUnit; }
    AltitudeResolution altitudeResolution() const { return _altitudeResolution; }

private:
    bool decodeImpl(const std::string& data, uint8_t pos) override;

    ALtitudeUnit _altitudeUnit = FEET;
    AltitudeResolution _altitudeResolution = RES_25FT;
    int32_t _altitude = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELDAC_H
