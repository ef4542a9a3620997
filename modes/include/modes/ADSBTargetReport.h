#ifndef MODES_ADSBTARGETREPORT_H
#define MODES_ADSBTARGETREPORT_H

#include <cstdint>
#include <string>

#include <modes/MOPSVersion.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// A plain snapshot of one target in which every value carries an explicit valid flag and its
// times (milliseconds since 1970-01-01 UTC, 0 = never). Reports come from the tracker's own
// targets (ADSBTarget::report()) or from an external tracker (the JSON decoder), and render
// themselves as text fragments and as a self-contained HTML page.
//
// The value setters listed with "decides validity" also set the valid flag; every other setter
// leaves the flags alone, and the flag setters override whatever a value setter decided.
// A default-constructed report is all zero, false and empty.
class MODES_EXPORT ADSBTargetReport {
public:
    ADSBTargetReport();
    ADSBTargetReport(const ADSBTargetReport&) = default;
    ADSBTargetReport(ADSBTargetReport&&) = default;
    ADSBTargetReport& operator=(const ADSBTargetReport&) = default;
    ADSBTargetReport& operator=(ADSBTargetReport&&) = default;
    ~ADSBTargetReport();

    // A report needs a time and a non-zero aircraft address.
    bool valid() const { return _lastUpdate > 0 && _icaoAddressValid; }

    uint32_t trackId() const { return _trackId; }
    void setTrackId(uint32_t trackId) { _trackId = trackId; }
    bool trackIdValid() const { return _trackId > 0; }

    uint64_t lastUpdate() const { return _lastUpdate; }
    void setLastUpdate(const uint64_t& time) { _lastUpdate = time; }

    uint32_t icaoAddress() const { return _icaoAddress; }
    void setIcaoAddress(uint32_t address);  // decides validity: not 0
    bool icaoAddressValid() const { return _icaoAddressValid; }
    void setIcaoAddressValid(bool valid) { _icaoAddressValid = valid; }

    // Value setters deciding validity: setCallsign (not empty), setSquawk (1 to 4095),
    // setSignalAmplitude (not 0); setEmitterCategory, setAltitudeBaro, setGroundSpeed,
    // setHeading, setVerticalRateBaro and setGroundStatus (always valid).
    const std::string& callsign() const { return _callsign; }
    void setCallsign(const std::string& value);
    bool callsignValid() const { return _callsignValid; }
    void setCallsignValid(bool valid) { _callsignValid = valid; }
    uint64_t callsignLastUpdate() const { return _callsignLastUpdate; }
    void setCallsignLastUpdate(const uint64_t& time) { _callsignLastUpdate = time; }
    uint64_t callsignLastChange() const { return _callsignLastChange; }
    void setCallsignLastChange(const uint64_t& time) { _callsignLastChange = time; }

    uint8_t emitterCategory() const { return _emitterCategory; }
    void setEmitterCategory(uint8_t value);
    bool emitterCategoryValid() const { return _emitterCategoryValid; }
    void setEmitterCategoryValid(bool valid) { _emitterCategoryValid = valid; }
    uint64_t emitterCategoryLastUpdate() const { return _emitterCategoryLastUpdate; }
    void setEmitterCategoryLastUpdate(const uint64_t& time) { _emitterCategoryLastUpdate = time; }
    uint64_t emitterCategoryLastChange() const { return _emitterCategoryLastChange; }
    void setEmitterCategoryLastChange(const uint64_t& time) { _emitterCategoryLastChange = time; }

    // Mode A code as a number: 4032 is code 7700.
    uint32_t squawk() const { return _squawk; }
    void setSquawk(uint32_t value);
    bool squawkValid() const { return _squawkValid; }
    void setSquawkValid(bool valid) { _squawkValid = valid; }
    uint64_t squawkLastUpdate() const { return _squawkLastUpdate; }
    void setSquawkLastUpdate(const uint64_t& time) { _squawkLastUpdate = time; }
    uint64_t squawkLastChange() const { return _squawkLastChange; }
    void setSquawkLastChange(const uint64_t& time) { _squawkLastChange = time; }

    // Degrees, north and east positive.
    double latitude() const { return _latitude; }
    double longitude() const { return _longitude; }
    // Stores both; valid when the latitude is within [-90, 90] and the longitude within
    // [-180, 180].
    void setPosition(double latitude, double longitude);
    bool positionValid() const { return _positionValid; }
    void setPositionValid(bool valid) { _positionValid = valid; }
    uint64_t positionLastUpdate() const { return _positionLastUpdate; }
    void setPositionLastUpdate(const uint64_t& time) { _positionLastUpdate = time; }

    uint8_t signalAmplitude() const { return _signalAmplitude; }
    void setSignalAmplitude(uint8_t value);
    bool signalAmplitudeValid() const { return _signalAmplitudeValid; }
    void setSignalAmplitudeValid(bool valid) { _signalAmplitudeValid = valid; }
    uint64_t signalAmplitudeLastUpdate() const { return _signalAmplitudeLastUpdate; }
    void setSignalAmplitudeLastUpdate(const uint64_t& time) { _signalAmplitudeLastUpdate = time; }

    // Feet, from the barometric (pressure) altitude.
    int32_t altitudeBaro() const { return _altitudeBaro; }
    void setAltitudeBaro(int32_t value);
    bool altitudeBaroValid() const { return _altitudeBaroValid; }
    void setAltitudeBaroValid(bool valid) { _altitudeBaroValid = valid; }
    uint64_t altitudeBaroLastUpdate() const { return _altitudeBaroLastUpdate; }
    void setAltitudeBaroLastUpdate(const uint64_t& time) { _altitudeBaroLastUpdate = time; }

    // Knots.
    double groundSpeed() const { return _groundSpeed; }
    void setGroundSpeed(double value);
    bool groundSpeedValid() const { return _groundSpeedValid; }
    void setGroundSpeedValid(bool valid) { _groundSpeedValid = valid; }
    uint64_t groundSpeedLastUpdate() const { return _groundSpeedLastUpdate; }
    void setGroundSpeedLastUpdate(const uint64_t& time) { _groundSpeedLastUpdate = time; }

    // Degrees clockwise from true north (the track angle over ground).
    double heading() const { return _heading; }
    void setHeading(double value);
    bool headingValid() const { return _headingValid; }
    void setHeadingValid(bool valid) { _headingValid = valid; }
    uint64_t headingLastUpdate() const { return _headingLastUpdate; }
    void setHeadingLastUpdate(const uint64_t& time) { _headingLastUpdate = time; }

    // Feet per minute, positive climbing.
    int32_t verticalRateBaro() const { return _verticalRateBaro; }
    void setVerticalRateBaro(int32_t value);
    bool verticalRateBaroValid() const { return _verticalRateBaroValid; }
    void setVerticalRateBaroValid(bool valid) { _verticalRateBaroValid = valid; }
    uint64_t verticalRateBaroLastUpdate() const { return _verticalRateBaroLastUpdate; }
    void setVerticalRateBaroLastUpdate(const uint64_t& time) { _verticalRateBaroLastUpdate = time; }

    // True when on the ground.
    bool groundStatus() const { return _groundStatus; }
    void setGroundStatus(bool value);
    bool groundStatusValid() const { return _groundStatusValid; }
    void setGroundStatusValid(bool valid) { _groundStatusValid = valid; }
    uint64_t groundStatusLastUpdate() const { return _groundStatusLastUpdate; }
    void setGroundStatusLastUpdate(const uint64_t& time) { _groundStatusLastUpdate = time; }
    uint64_t groundStatusLastChange() const { return _groundStatusLastChange; }
    void setGroundStatusLastChange(const uint64_t& time) { _groundStatusLastChange = time; }

    bool spiStatus() const { return _spiStatus; }
    void setSpiStatus(bool value) { _spiStatus = value; }
    bool spiStatusValid() const { return _spiStatusValid; }
    void setSpiStatusValid(bool valid) { _spiStatusValid = valid; }
    uint64_t spiStatusLastUpdate() const { return _spiStatusLastUpdate; }
    void setSpiStatusLastUpdate(const uint64_t& time) { _spiStatusLastUpdate = time; }
    uint64_t spiStatusLastChange() const { return _spiStatusLastChange; }
    void setSpiStatusLastChange(const uint64_t& time) { _spiStatusLastChange = time; }

    bool alertStatus() const { return _alertStatus; }
    void setAlertStatus(bool value) { _alertStatus = value; }
    bool alertStatusValid() const { return _alertStatusValid; }
    void setAlertStatusValid(bool valid) { _alertStatusValid = valid; }
    uint64_t alertStatusLastUpdate() const { return _alertStatusLastUpdate; }
    void setAlertStatusLastUpdate(const uint64_t& time) { _alertStatusLastUpdate = time; }
    uint64_t alertStatusLastChange() const { return _alertStatusLastChange; }
    void setAlertStatusLastChange(const uint64_t& time) { _alertStatusLastChange = time; }

    MOPSVersion mopsVersion() const { return _mopsVersion; }
    void setMopsVersion(MOPSVersion version) { _mopsVersion = version; }
    bool mopsVersionConfirmed() const { return _mopsVersionConfirmed; }
    void setMopsVersionConfirmed(bool confirmed) { _mopsVersionConfirmed = confirmed; }
    uint64_t mopsVersionLastUpdate() const { return _mopsVersionLastUpdate; }
    void setMopsVersionLastUpdate(const uint64_t& time) { _mopsVersionLastUpdate = time; }
    uint64_t mopsVersionLastChange() const { return _mopsVersionLastChange; }
    void setMopsVersionLastChange(const uint64_t& time) { _mopsVersionLastChange = time; }

    // Quality indicators: DO-260 NUCp and NUCr, DO-260A/B NIC and its supplements, NACp, SIL,
    // and PIC, the position integrity category of ASTERIX I021/090.
    uint8_t nucp() const { return _nucp; }
    void setNUCp(uint8_t value) { _nucp = value; }
    bool nucpValid() const { return _nucpValid; }
    void setNUCpValid(bool valid) { _nucpValid = valid; }
    uint64_t nucpLastUpdate() const { return _nucpLastUpdate; }
    void setNUCpLastUpdate(const uint64_t& time) { _nucpLastUpdate = time; }
    uint64_t nucpLastChange() const { return _nucpLastChange; }
    void setNUCpLastChange(const uint64_t& time) { _nucpLastChange = time; }

    uint8_t nucr() const { return _nucr; }
    void setNUCr(uint8_t value) { _nucr = value; }
    bool nucrValid() const { return _nucrValid; }
    void setNUCrValid(bool valid) { _nucrValid = valid; }
    uint64_t nucrLastUpdate() const { return _nucrLastUpdate; }
    void setNUCrLastUpdate(const uint64_t& time) { _nucrLastUpdate = time; }
    uint64_t nucrLastChange() const { return _nucrLastChange; }
    void setNUCrLastChange(const uint64_t& time) { _nucrLastChange = time; }

    uint8_t nic() const { return _nic; }
    void setNIC(uint8_t value) { _nic = value; }
    bool nicValid() const { return _nicValid; }
    void setNICValid(bool valid) { _nicValid = valid; }
    uint64_t nicLastUpdate() const { return _nicLastUpdate; }
    void setNICLastUpdate(const uint64_t& time) { _nicLastUpdate = time; }
    uint64_t nicLastChange() const { return _nicLastChange; }
    void setNICLastChange(const uint64_t& time) { _nicLastChange = time; }

    bool nicSuppA() const { return _nicSuppA; }
    void setNICSuppA(bool value) { _nicSuppA = value; }
    bool nicSuppAValid() const { return _nicSuppAValid; }
    void setNICSuppAValid(bool valid) { _nicSuppAValid = valid; }
    uint64_t nicSuppALastUpdate() const { return _nicSuppALastUpdate; }
    void setNICSuppALastUpdate(const uint64_t& time) { _nicSuppALastUpdate = time; }

    bool nicSuppB() const { return _nicSuppB; }
    void setNICSuppB(bool value) { _nicSuppB = value; }
    bool nicSuppBValid() const { return _nicSuppBValid; }
    void setNICSuppBValid(bool valid) { _nicSuppBValid = valid; }
    uint64_t nicSuppBLastUpdate() const { return _nicSuppBLastUpdate; }
    void setNICSuppBLastUpdate(const uint64_t& time) { _nicSuppBLastUpdate = time; }

    bool nicSuppC() const { return _nicSuppC; }
    void setNICSuppC(bool value) { _nicSuppC = value; }
    bool nicSuppCValid() const { return _nicSuppCValid; }
    void setNICSuppCValid(bool valid) { _nicSuppCValid = valid; }
    uint64_t nicSuppCLastUpdate() const { return _nicSuppCLastUpdate; }
    void setNICSuppCLastUpdate(const uint64_t& time) { _nicSuppCLastUpdate = time; }

    uint8_t pic() const { return _pic; }
    void setPIC(uint8_t value) { _pic = value; }
    bool picValid() const { return _picValid; }
    void setPICValid(bool valid) { _picValid = valid; }
    uint64_t picLastUpdate() const { return _picLastUpdate; }
    void setPICLastUpdate(const uint64_t& time) { _picLastUpdate = time; }
    uint64_t picLastChange() const { return _picLastChange; }
    void setPICLastChange(const uint64_t& time) { _picLastChange = time; }

    uint8_t nacp() const { return _nacp; }
    void setNACp(uint8_t value) { _nacp = value; }
    bool nacpValid() const { return _nacpValid; }
    void setNACpValid(bool valid) { _nacpValid = valid; }
    uint64_t nacpLastUpdate() const { return _nacpLastUpdate; }
    void setNACpLastUpdate(const uint64_t& time) { _nacpLastUpdate = time; }
    uint64_t nacpLastChange() const { return _nacpLastChange; }
    void setNACpLastChange(const uint64_t& time) { _nacpLastChange = time; }

    uint8_t sil() const { return _sil; }
    void setSIL(uint8_t value) { _sil = value; }
    bool silValid() const { return _silValid; }
    void setSILValid(bool valid) { _silValid = valid; }
    uint64_t silLastUpdate() const { return _silLastUpdate; }
    void setSILLastUpdate(const uint64_t& time) { _silLastUpdate = time; }
    uint64_t silLastChange() const { return _silLastChange; }
    void setSILLastChange(const uint64_t& time) { _silLastChange = time; }

    // Text forms. The address as "%6.2X" (upper-case hexadecimal, at least two digits, right-
    // aligned in six characters) or empty when not valid.
    std::string icaoAddressString() const;
    // Four octal digits: "2000" for 1024.
    std::string squawkString() const;
    // DDMMSS + "N" or "S" (S for 0 and below), seconds rounded, so 60 can appear; empty for a
    // latitude that is not a finite number.
    std::string latitudeString() const;
    // DDDMMSS + "E" or "W" (W for 0 and below); empty for a longitude that is not finite.
    std::string longitudeString() const;
    // Latitude string immediately followed by the longitude string.
    std::string positionString() const;

    // The report as an HTML5 page in four tables (identification, static, tactical, quality
    // indicators), styled with `css`. Every text is escaped for HTML.
    std::string toHtml(const std::string& css) const;

    // "2021-01-10T08:05:03.042Z" (UTC), the year as wide as it needs; empty for 0.
    static std::string timeToString(uint64_t time);
    // "TRUE" or "FALSE".
    static std::string boolToString(bool value);

private:
    uint32_t _trackId = 0;
    uint64_t _lastUpdate = 0;
    uint32_t _icaoAddress = 0;
    bool _icaoAddressValid = false;
    std::string _callsign;
    bool _callsignValid = false;
    uint64_t _callsignLastUpdate = 0;
    uint64_t _callsignLastChange = 0;
    uint8_t _emitterCategory = 0;
    bool _emitterCategoryValid = false;
    uint64_t _emitterCategoryLastUpdate = 0;
    uint64_t _emitterCategoryLastChange = 0;
    uint32_t _squawk = 0;
    bool _squawkValid = false;
    uint64_t _squawkLastUpdate = 0;
    uint64_t _squawkLastChange = 0;
    double _latitude = 0.0;
    double _longitude = 0.0;
    bool _positionValid = false;
    uint64_t _positionLastUpdate = 0;
    uint8_t _signalAmplitude = 0;
    bool _signalAmplitudeValid = false;
    uint64_t _signalAmplitudeLastUpdate = 0;
    int32_t _altitudeBaro = 0;
    bool _altitudeBaroValid = false;
    uint64_t _altitudeBaroLastUpdate = 0;
    double _groundSpeed = 0.0;
    bool _groundSpeedValid = false;
    uint64_t _groundSpeedLastUpdate = 0;
    double _heading = 0.0;
    bool _headingValid = false;
    uint64_t _headingLastUpdate = 0;
    int32_t _verticalRateBaro = 0;
    bool _verticalRateBaroValid = false;
    uint64_t _verticalRateBaroLastUpdate = 0;
    bool _groundStatus = false;
    bool _groundStatusValid = false;
    uint64_t _groundStatusLastUpdate = 0;
    uint64_t _groundStatusLastChange = 0;
    bool _spiStatus = false;
    bool _spiStatusValid = false;
    uint64_t _spiStatusLastUpdate = 0;
    uint64_t _spiStatusLastChange = 0;
    bool _alertStatus = false;
    bool _alertStatusValid = false;
    uint64_t _alertStatusLastUpdate = 0;
    uint64_t _alertStatusLastChange = 0;
    MOPSVersion _mopsVersion = MOPS_V0;
    bool _mopsVersionConfirmed = false;
    uint64_t _mopsVersionLastUpdate = 0;
    uint64_t _mopsVersionLastChange = 0;
    uint8_t _nucp = 0;
    bool _nucpValid = false;
    uint64_t _nucpLastUpdate = 0;
    uint64_t _nucpLastChange = 0;
    uint8_t _nucr = 0;
    bool _nucrValid = false;
    uint64_t _nucrLastUpdate = 0;
    uint64_t _nucrLastChange = 0;
    uint8_t _nic = 0;
    bool _nicValid = false;
    uint64_t _nicLastUpdate = 0;
    uint64_t _nicLastChange = 0;
    bool _nicSuppA = false;
    bool _nicSuppAValid = false;
    uint64_t _nicSuppALastUpdate = 0;
    bool _nicSuppB = false;
    bool _nicSuppBValid = false;
    uint64_t _nicSuppBLastUpdate = 0;
    bool _nicSuppC = false;
    bool _nicSuppCValid = false;
    uint64_t _nicSuppCLastUpdate = 0;
    uint8_t _pic = 0;
    bool _picValid = false;
    uint64_t _picLastUpdate = 0;
    uint64_t _picLastChange = 0;
    uint8_t _nacp = 0;
    bool _nacpValid = false;
    uint64_t _nacpLastUpdate = 0;
    uint64_t _nacpLastChange = 0;
    uint8_t _sil = 0;
    bool _silValid = false;
    uint64_t _silLastUpdate = 0;
    uint64_t _silLastChange = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGETREPORT_H
