#ifndef MODES_ADSBAIRCRAFTSTATUSMESSAGEV2_H
#define MODES_ADSBAIRCRAFTSTATUSMESSAGEV2_H

#include <cstdint>
#include <string>

#include <modes/ADSBAircraftStatusMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Aircraft status of a version-2 (DO-260B) transmitter: subtype 1 also carries the Mode A
// code in ME bits 11-23, in the bit order of the Mode S ID field (C1 A1 C2 A2 C4 A4 X B1 D1
// B2 D2 B4 D4). The TCAS resolution advisory broadcast (subtype 2) is logged and refused.
class MODES_EXPORT ADSBAircraftStatusMessageV2 : public ADSBAircraftStatusMessage {
public:
    ADSBAircraftStatusMessageV2() = default;

    std::string description() const override;

    // The number whose four octal digits are the code: 7700 is 0o7700.
    uint32_t modeACode() const { return _modeACode; }
    std::string modeAOctString() const;  // "%.4o"

protected:
    bool decodeImpl() override;

private:
    uint32_t _modeACode = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRCRAFTSTATUSMESSAGEV2_H
