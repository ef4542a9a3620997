#ifndef MODES_ADSBAIRCRAFTSTATUSMESSAGE_H
#define MODES_ADSBAIRCRAFTSTATUSMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Aircraft status (type code 28). Of subtype 1 (emergency/priority status) the emergency state
// is decoded; subtypes 0 and 2 are logged as unsupported and accepted; subtypes 3-7 are logged
// as unknown and refused.
class MODES_EXPORT ADSBAircraftStatusMessage : public ADSBMessage {
public:
    enum AircraftStatusSubtype : int32_t {
        NO_INFO = 0,
        EMERGENCY_PRIORITY = 1,  // text "EMERGENCY"
        TCAS_RA = 2,
        SUBTYPE_UNDEFINED = 3  // text "UNDEFINED"
    };
    enum EmergencyState : int32_t {
        NO_EMG = 0,
        EMERGENCY = 1,
        MEDICAL = 2,
        MIN_FUEL = 3,
        NO_COMM = 4,
        HIJACK = 5,
        AC_DOWNED = 6,
        EMG_UNDEFINED = 7  // text "UNDEFINED"
    };

    std::string description() const override;

    AircraftStatusSubtype subtype() const { return _subtype; }
    EmergencyState emergencyState() const { return _emergencyState; }

    // Texts of the enumerations; "UNDEFINED" outside them.
    static const std::string& subtypeName(AircraftStatusSubtype subtype);
    static const std::string& emergencyStateName(EmergencyState state);

protected:
    ADSBAircraftStatusMessage();
    bool decodeImpl() override;

private:
    AircraftStatusSubtype _subtype = SUBTYPE_UNDEFINED;
    EmergencyState _emergencyState = NO_EMG;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBAIRCRAFTSTATUSMESSAGE_H
