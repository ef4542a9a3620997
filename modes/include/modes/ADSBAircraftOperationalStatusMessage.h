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

    // What the message carries. The tracker decodes these straight from the ME field, without
    // a message object.
    struct Values {
        uint8_t versionNumber = 0;
        bool nicSupplementA = false;

        // MOPS_V0 to MOPS_V2 for 0 to 2, MOPS_UNKNOWN above.
        MOPSVersion version() const {
            return versionNumber <= 2 ? static_cast<MOPSVersion>(versionNumber) : MOPS_UNKNOWN;
        }
    };
    // Decodes the 7 bytes of an operational status ME field into `values`, in the order of the
    // field: version 0 (logged) gives false with only the version number stored; a version
    // above 2 is logged and decoded.
    static bool decodeValues(const unsigned char* me, Values& values);

    std::string description() const override;

    uint8_t versionNumber() const { return _values.versionNumber; }
    // MOPS_V0 to MOPS_V2 for 0 to 2, MOPS_UNKNOWN above.
    MOPSVersion version() const { return _values.version(); }
    bool nicSupplementA() const { return _values.nicSupplementA; }

protected:
    bool decodeImpl() override;

private:
    Values _values;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRCRAFTOPERATIONALSTATUSMESSAGE_H
