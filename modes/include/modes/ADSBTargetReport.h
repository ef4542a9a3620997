#ifndef MODES_ADSBTARGETREPORT_H
#define MODES_ADSBTARGETREPORT_H

#include <cstdint>
#include <string>

#include <modes/GeoPosition.h>
#include <modes/MOPSVersion.h>
#include <modes/TimedValue.h>
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
    // setSignalAmplitude (not 0); setEmitterCategory, setAltitudeBaro, setAltitudeGeo,
    // setGroundSpeed, setHeading, setVerticalRateBaro and setGroundStatus (always valid).
    const std::string& callsign() const { return _callsign.value(); }
    void setCallsign(const std::string& value);
    bool callsignValid() const { return _callsign.valid(); }
    void setCallsignValid(bool valid) { _callsign.setValid(valid); }
    uint64_t callsignLastUpdate() const { return _callsign.lastUpdate(); }
    void setCallsignLastUpdate(const uint64_t& time) { _callsign.setLastUpdate(time); }
    uint64_t callsignLastChange() const { return _callsign.lastChange(); }
    void setCallsignLastChange(const uint64_t& time) { _callsign.setLastChange(time); }

    uint8_t emitterCategory() const { return _emitterCategory.value(); }
    void setEmitterCategory(uint8_t value);
    bool emitterCategoryValid() const { return _emitterCategory.valid(); }
    void setEmitterCategoryValid(bool valid) { _emitterCategory.setValid(valid); }
    uint64_t emitterCategoryLastUpdate() const { return _emitterCategory.lastUpdate(); }
    void setEmitterCategoryLastUpdate(const uint64_t& time) { _emitterCategory.setLastUpdate(time); }
    uint64_t emitterCategoryLastChange() const { return _emitterCategory.lastChange(); }
    void setEmitterCategoryLastChange(const uint64_t& time) { _emitterCategory.setLastChange(time); }

    // Mode A code as a number: 4032 is code 7700.
    uint32_t squawk() const { return _squawk.value(); }
    void setSquawk(uint32_t value);
    bool squawkValid() const { return _squawk.valid(); }
    void setSquawkValid(bool valid) { _squawk.setValid(valid); }
    uint64_t squawkLastUpdate() const { return _squawk.lastUpdate(); }
    void setSquawkLastUpdate(const uint64_t& time) { _squawk.setLastUpdate(time); }
    uint64_t squawkLastChange() const { return _squawk.lastChange(); }
    void setSquawkLastChange(const uint64_t& time) { _squawk.setLastChange(time); }

    // Degrees, north and east positive.
    double latitude() const { return _position.value().latitude; }
    double longitude() const { return _position.value().longitude; }
    // Stores both; valid when the latitude is within [-90, 90] and the longitude within
    // [-180, 180].
    void setPosition(double latitude, double longitude);
    bool positionValid() const { return _position.valid(); }
    void setPositionValid(bool valid) { _position.setValid(valid); }
    uint64_t positionLastUpdate() const { return _position.lastUpdate(); }
    void setPositionLastUpdate(const uint64_t& time) { _position.setLastUpdate(time); }

    uint8_t signalAmplitude() const { return _signalAmplitude.value(); }
    void setSignalAmplitude(uint8_t value);
    bool signalAmplitudeValid() const { return _signalAmplitude.valid(); }
    void setSignalAmplitudeValid(bool valid) { _signalAmplitude.setValid(valid); }
    uint64_t signalAmplitudeLastUpdate() const { return _signalAmplitude.lastUpdate(); }
    void setSignalAmplitudeLastUpdate(const uint64_t& time) { _signalAmplitude.setLastUpdate(time); }

    // Feet, from the barometric (pressure) altitude.
    int32_t altitudeBaro() const { return _altitudeBaro.value(); }
    void setAltitudeBaro(int32_t value);
    bool altitudeBaroValid() const { return _altitudeBaro.valid(); }
    void setAltitudeBaroValid(bool valid) { _altitudeBaro.setValid(valid); }
    uint64_t altitudeBaroLastUpdate() const { return _altitudeBaro.lastUpdate(); }
    void setAltitudeBaroLastUpdate(const uint64_t& time) { _altitudeBaro.setLastUpdate(time); }

    // Feet, the geometric (GNSS) height above the ellipsoid; not a pressure altitude.
    int32_t altitudeGeo() const { return _altitudeGeo.value(); }
    void setAltitudeGeo(int32_t value);  // decides validity: always valid
    bool altitudeGeoValid() const { return _altitudeGeo.valid(); }
    void setAltitudeGeoValid(bool valid) { _altitudeGeo.setValid(valid); }
    uint64_t altitudeGeoLastUpdate() const { return _altitudeGeo.lastUpdate(); }
    void setAltitudeGeoLastUpdate(const uint64_t& time) { _altitudeGeo.setLastUpdate(time); }

    // Knots.
    double groundSpeed() const { return _groundSpeed.value(); }
    void setGroundSpeed(double value);
    bool groundSpeedValid() const { return _groundSpeed.valid(); }
    void setGroundSpeedValid(bool valid) { _groundSpeed.setValid(valid); }
    uint64_t groundSpeedLastUpdate() const { return _groundSpeed.lastUpdate(); }
    void setGroundSpeedLastUpdate(const uint64_t& time) { _groundSpeed.setLastUpdate(time); }

    // Degrees clockwise from true north (the track angle over ground).
    double heading() const { return _heading.value(); }
    void setHeading(double value);
    bool headingValid() const { return _heading.valid(); }
    void setHeadingValid(bool valid) { _heading.setValid(valid); }
    uint64_t headingLastUpdate() const { return _heading.lastUpdate(); }
    void setHeadingLastUpdate(const uint64_t& time) { _heading.setLastUpdate(time); }

    // Feet per minute, positive climbing.
    int32_t verticalRateBaro() const { return _verticalRateBaro.value(); }
    void setVerticalRateBaro(int32_t value);
    bool verticalRateBaroValid() const { return _verticalRateBaro.valid(); }
    void setVerticalRateBaroValid(bool valid) { _verticalRateBaro.setValid(valid); }
    uint64_t verticalRateBaroLastUpdate() const { return _verticalRateBaro.lastUpdate(); }
    void setVerticalRateBaroLastUpdate(const uint64_t& time) { _verticalRateBaro.setLastUpdate(time); }

    // True when on the ground.
    bool groundStatus() const { return _groundStatus.value(); }
    void setGroundStatus(bool value);
    bool groundStatusValid() const { return _groundStatus.valid(); }
    void setGroundStatusValid(bool valid) { _groundStatus.setValid(valid); }
    uint64_t groundStatusLastUpdate() const { return _groundStatus.lastUpdate(); }
    void setGroundStatusLastUpdate(const uint64_t& time) { _groundStatus.setLastUpdate(time); }
    uint64_t groundStatusLastChange() const { return _groundStatus.lastChange(); }
    void setGroundStatusLastChange(const uint64_t& time) { _groundStatus.setLastChange(time); }

    bool spiStatus() const { return _spiStatus.value(); }
    void setSpiStatus(bool value) { _spiStatus.setValue(value); }
    bool spiStatusValid() const { return _spiStatus.valid(); }
    void setSpiStatusValid(bool valid) { _spiStatus.setValid(valid); }
    uint64_t spiStatusLastUpdate() const { return _spiStatus.lastUpdate(); }
    void setSpiStatusLastUpdate(const uint64_t& time) { _spiStatus.setLastUpdate(time); }
    uint64_t spiStatusLastChange() const { return _spiStatus.lastChange(); }
    void setSpiStatusLastChange(const uint64_t& time) { _spiStatus.setLastChange(time); }

    bool alertStatus() const { return _alertStatus.value(); }
    void setAlertStatus(bool value) { _alertStatus.setValue(value); }
    bool alertStatusValid() const { return _alertStatus.valid(); }
    void setAlertStatusValid(bool valid) { _alertStatus.setValid(valid); }
    uint64_t alertStatusLastUpdate() const { return _alertStatus.lastUpdate(); }
    void setAlertStatusLastUpdate(const uint64_t& time) { _alertStatus.setLastUpdate(time); }
    uint64_t alertStatusLastChange() const { return _alertStatus.lastChange(); }
    void setAlertStatusLastChange(const uint64_t& time) { _alertStatus.setLastChange(time); }

    MOPSVersion mopsVersion() const { return _mopsVersion.value(); }
    void setMopsVersion(MOPSVersion version) { _mopsVersion.setValue(version); }
    bool mopsVersionConfirmed() const { return _mopsVersionConfirmed; }
    void setMopsVersionConfirmed(bool confirmed) { _mopsVersionConfirmed = confirmed; }
    uint64_t mopsVersionLastUpdate() const { return _mopsVersion.lastUpdate(); }
    void setMopsVersionLastUpdate(const uint64_t& time) { _mopsVersion.setLastUpdate(time); }
    uint64_t mopsVersionLastChange() const { return _mopsVersion.lastChange(); }
    void setMopsVersionLastChange(const uint64_t& time) { _mopsVersion.setLastChange(time); }

    // Quality indicators: DO-260 NUCp and NUCr, DO-260A/B NIC and its supplements, NACp, SIL,
    // and PIC, the position integrity category of ASTERIX I021/090.
    uint8_t nucp() const { return _nucp.value(); }
    void setNUCp(uint8_t value) { _nucp.setValue(value); }
    bool nucpValid() const { return _nucp.valid(); }
    void setNUCpValid(bool valid) { _nucp.setValid(valid); }
    uint64_t nucpLastUpdate() const { return _nucp.lastUpdate(); }
    void setNUCpLastUpdate(const uint64_t& time) { _nucp.setLastUpdate(time); }
    uint64_t nucpLastChange() const { return _nucp.lastChange(); }
    void setNUCpLastChange(const uint64_t& time) { _nucp.setLastChange(time); }

    uint8_t nucr() const { return _nucr.value(); }
    void setNUCr(uint8_t value) { _nucr.setValue(value); }
    bool nucrValid() const { return _nucr.valid(); }
    void setNUCrValid(bool valid) { _nucr.setValid(valid); }
    uint64_t nucrLastUpdate() const { return _nucr.lastUpdate(); }
    void setNUCrLastUpdate(const uint64_t& time) { _nucr.setLastUpdate(time); }
    uint64_t nucrLastChange() const { return _nucr.lastChange(); }
    void setNUCrLastChange(const uint64_t& time) { _nucr.setLastChange(time); }

    uint8_t nic() const { return _nic.value(); }
    void setNIC(uint8_t value) { _nic.setValue(value); }
    bool nicValid() const { return _nic.valid(); }
    void setNICValid(bool valid) { _nic.setValid(valid); }
    uint64_t nicLastUpdate() const { return _nic.lastUpdate(); }
    void setNICLastUpdate(const uint64_t& time) { _nic.setLastUpdate(time); }
    uint64_t nicLastChange() const { return _nic.lastChange(); }
    void setNICLastChange(const uint64_t& time) { _nic.setLastChange(time); }

    bool nicSuppA() const { return _nicSuppA.value(); }
    void setNICSuppA(bool value) { _nicSuppA.setValue(value); }
    bool nicSuppAValid() const { return _nicSuppA.valid(); }
    void setNICSuppAValid(bool valid) { _nicSuppA.setValid(valid); }
    uint64_t nicSuppALastUpdate() const { return _nicSuppA.lastUpdate(); }
    void setNICSuppALastUpdate(const uint64_t& time) { _nicSuppA.setLastUpdate(time); }

    bool nicSuppB() const { return _nicSuppB.value(); }
    void setNICSuppB(bool value) { _nicSuppB.setValue(value); }
    bool nicSuppBValid() const { return _nicSuppB.valid(); }
    void setNICSuppBValid(bool valid) { _nicSuppB.setValid(valid); }
    uint64_t nicSuppBLastUpdate() const { return _nicSuppB.lastUpdate(); }
    void setNICSuppBLastUpdate(const uint64_t& time) { _nicSuppB.setLastUpdate(time); }

    bool nicSuppC() const { return _nicSuppC.value(); }
    void setNICSuppC(bool value) { _nicSuppC.setValue(value); }
    bool nicSuppCValid() const { return _nicSuppC.valid(); }
    void setNICSuppCValid(bool valid) { _nicSuppC.setValid(valid); }
    uint64_t nicSuppCLastUpdate() const { return _nicSuppC.lastUpdate(); }
    void setNICSuppCLastUpdate(const uint64_t& time) { _nicSuppC.setLastUpdate(time); }

    uint8_t pic() const { return _pic.value(); }
    void setPIC(uint8_t value) { _pic.setValue(value); }
    bool picValid() const { return _pic.valid(); }
    void setPICValid(bool valid) { _pic.setValid(valid); }
    uint64_t picLastUpdate() const { return _pic.lastUpdate(); }
    void setPICLastUpdate(const uint64_t& time) { _pic.setLastUpdate(time); }
    uint64_t picLastChange() const { return _pic.lastChange(); }
    void setPICLastChange(const uint64_t& time) { _pic.setLastChange(time); }

    uint8_t nacp() const { return _nacp.value(); }
    void setNACp(uint8_t value) { _nacp.setValue(value); }
    bool nacpValid() const { return _nacp.valid(); }
    void setNACpValid(bool valid) { _nacp.setValid(valid); }
    uint64_t nacpLastUpdate() const { return _nacp.lastUpdate(); }
    void setNACpLastUpdate(const uint64_t& time) { _nacp.setLastUpdate(time); }
    uint64_t nacpLastChange() const { return _nacp.lastChange(); }
    void setNACpLastChange(const uint64_t& time) { _nacp.setLastChange(time); }

    uint8_t sil() const { return _sil.value(); }
    void setSIL(uint8_t value) { _sil.setValue(value); }
    bool silValid() const { return _sil.valid(); }
    void setSILValid(bool valid) { _sil.setValid(valid); }
    uint64_t silLastUpdate() const { return _sil.lastUpdate(); }
    void setSILLastUpdate(const uint64_t& time) { _sil.setLastUpdate(time); }
    uint64_t silLastChange() const { return _sil.lastChange(); }
    void setSILLastChange(const uint64_t& time) { _sil.setLastChange(time); }

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
    friend class ADSBTarget;  // report() copies whole timed values

    template <typename T>
    using Item = TimedValue<T, Validity::BY_FLAG>;

    uint32_t _trackId = 0;
    uint64_t _lastUpdate = 0;
    uint32_t _icaoAddress = 0;
    bool _icaoAddressValid = false;
    Item<std::string> _callsign;
    Item<uint8_t> _emitterCategory;
    Item<uint32_t> _squawk;
    Item<GeoPosition> _position;
    Item<uint8_t> _signalAmplitude;
    Item<int32_t> _altitudeBaro;
    Item<int32_t> _altitudeGeo;
    Item<double> _groundSpeed;
    Item<double> _heading;
    Item<int32_t> _verticalRateBaro;
    Item<bool> _groundStatus;
    Item<bool> _spiStatus;
    Item<bool> _alertStatus;
    TimedValue<MOPSVersion> _mopsVersion;
    bool _mopsVersionConfirmed = false;
    Item<uint8_t> _nucp;
    Item<uint8_t> _nucr;
    Item<uint8_t> _nic;
    Item<bool> _nicSuppA;
    Item<bool> _nicSuppB;
    Item<bool> _nicSuppC;
    Item<uint8_t> _pic;
    Item<uint8_t> _nacp;
    Item<uint8_t> _sil;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGETREPORT_H
