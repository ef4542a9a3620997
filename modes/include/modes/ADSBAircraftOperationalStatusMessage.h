#ifndef MODES_ADSBAIRCRAFTOPERATIONALSTATUSMESSAGE_H
#define MODES_ADSBAIRCRAFTOPERATIONALSTATUSMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/MOPSVersion.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Aircraft operational status (type code 31): the ADS-B version number of the transmitter
// (ME bits 40-42) and NIC supplement A (ME bit 43). Version number 0 cannot appear in this
// message (version-0 transmitters do not send it) and is logged and refused; a number above 2
// is logged and accepted.
class MODES_EXPORT ADSBAircraftOperationalStatusMessage : public ADSBMessage {
public:
    ADSBAircraftOperationalStatusMessage();

    std::string description() const override;

    uint8_t versionNumber() const { return _versionNumber; }
    // MOPS_V0 to MOPS_V2 for 0 to 2, MOPS_UNKNOWN above.
    MOPSVersion version() const;
    bool nicSupplementA() const { return _nicSupplementA; }

protected:
    bool decodeImpl() override;

private:
    uint8_t _versionNumber = 0;
    bool _nicSupplementA = false;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRCRAFTOPERATIONALSTATUSMESSAGE_H
