#ifndef MODES_ADSBTARGETSTATUSMESSAGE_H
#define MODES_ADSBTARGETSTATUSMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Target state and status (type code 29). Only the accuracy and integrity figures are
// decoded: NACp (ME bits 39-42), NIC baro (43) and SIL (44-45). Subtypes 2 and 3 (ME bits 5-6)
// are logged as unknown and refused.
class MODES_EXPORT ADSBTargetStatusMessage : public ADSBMessage {
public:
    std::string description() const override;

    uint8_t subtype() const { return _subtype; }
    uint8_t nacp() const { return _nacp; }
    uint8_t nicBaro() const { return _nicBaro; }
    uint8_t sil() const { return _sil; }

protected:
    ADSBTargetStatusMessage();
    bool decodeImpl() override;

private:
    uint8_t _subtype = 0;
    uint8_t _nacp = 0;
    uint8_t _nicBaro = 0;
    uint8_t _sil = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGETSTATUSMESSAGE_H
