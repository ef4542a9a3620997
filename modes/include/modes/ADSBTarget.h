#ifndef MODES_ADSBTARGET_H
#define MODES_ADSBTARGET_H

#include <array>
#include <cstdint>
#include <string>

#include <modes/ADSBMessageType.h>
#include <modes/DownlinkFormat.h>
#include <modes/MOPSVersion.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

class ADSBTargetReport;
class ADSBTracker;

// The tracked state of one aircraft, keyed by its 24-bit ICAO address.
//
// Every value carries the time (milliseconds since 1970-01-01 UTC) it was last received and,
// where changes matter to the surveillance picture, the time it last changed; 0 means never,
// and a value whose time is 0 is not valid. The target also derives the position quality
// indicators (NUCp for DO-260, NIC/PIC for DO-260A and DO-260B) from the airborne position
// type code, the ADS-B version and the NIC supplements, and counts replies by downlink format
// and ADS-B messages by kind.
//
// The public interface reads only; the tracker is the one writer. Copies are independent
// snapshots.
class MODES_EXPORT ADSBTarget {
public:
    enum GroundStatus : int32_t { UNKNOWN = 0, ON_GROUND = 1, AIRBORNE = 2 };

    explicit ADSBTarget(unsigned int icaoAddr);
    ADSBTarget(const ADSBTarget&) = default;
    ADSBTarget(ADSBTarget&&) = default;
    ADSBTarget& operator=(const ADSBTarget&) = default;
    ADSBTarget& operator=(ADSBTarget&&) = default;
    ~ADSBTarget();

    uint32_t trackId() const { return _trackId; }
    uint64_t lastUpdate() const { return _lastUpdate; }
    uint32_t icaoAddr() const { return _icaoAddr; }

    // Eight characters with the trailing spaces of the identification message; empty until
    // the first identification.
    std::string callsign() const { return _callsign; }
    uint64_t callsignLastUpdate() const { return _callsignLastUpdate; }
    uint64_t callsignLastChange() const { return _callsignLastChange; }

    uint8_t emitterCategory() const { return _emitterCategory; }
    bool emitterCategoryValid() const { return _emitterCategoryLastChange > 0; }
    uint64_t emitterCategoryLastUpdate() const { return _emitterCategoryLastUpdate; }
    uint64_t emitterCategoryLastChange() const { return _emitterCategoryLastChange; }

    uint32_t squawk() const { return _squawk; }
    bool squawkValid() const { return _squawkLastUpdate > 0; }
    uint64_t squawkLastUpdate() const { return _squawkLastUpdate; }
    uint64_t squawkLastChange() const { return _squawkLastChange; }

    double latitude() const { return _latitude; }
    double longitude() const { return _longitude; }
    bool positionValid() const { return _positionLastUpdate > 0; }
    uint64_t positionLastUpdate() const { return _positionLastUpdate; }

    uint8_t signalAmplitude() const { return _signalAmplitude; }
    bool signalAmplitudeValid() const { return _signalAmplitudeLastUpdate > 0; }
    uint64_t signalAmplitudeLastUpdate() const { return _signalAmplitudeLastUpdate; }

    int32_t altitudeBaro() const { return _altitudeBaro; }
    bool altitudeBaroValid() const { return _altitudeBaroLastUpdate > 0; }
    uint64_t altitudeBaroLastUpdate() const { return _altitudeBaroLastUpdate; }

    double groundSpeed() const { return _groundSpeed; }
    bool groundSpeedValid() const { return _groundSpeedLastUpdate > 0; }
    uint64_t groundSpeedLastUpdate() const { return _groundSpeedLastUpdate; }

    // Valid from the first heading on, whatever its time: a heading is never withdrawn.
    double heading() const { return _heading; }
    bool headingValid() const { return _headingValid; }
    uint64_t headingLastUpdate() const { return _headingLastUpdate; }

    int32_t verticalRateBaro() const { return _verticalRateBaro; }
    bool verticalRateBaroValid() const { return _verticalRateBaroLastUpdate > 0; }
    uint64_t verticalRateBaroLastUpdate() const { return _verticalRateBaroLastUpdate; }

    // Capability (CA) of the all-call reply DF11.
    uint8_t transponderCommCapability() const { return _transponderCommCapability; }
    bool transponderCommCapabilityValid() const { return _transponderCommCapabilityLastUpdate > 0; }
    uint64_t transponderCommCapabilityLastUpdate() const {
        return _transponderCommCapabilityLastUpdate;
    }

    GroundStatus groundStatus() const { return _groundStatus; }
    bool groundStatusValid() const { return _groundStatusLastUpdate > 0; }
    uint64_t groundStatusLastUpdate() const { return _groundStatusLastUpdate; }
    uint64_t groundStatusLastChange() const { return _groundStatusLastChange; }

    bool spiStatus() const { return _spiStatus; }
    bool spiStatusValid() const { return _spiStatusLastUpdate > 0; }
    uint64_t spiStatusLastUpdate() const { return _spiStatusLastUpdate; }
    uint64_t spiStatusLastChange() const { return _spiStatusLastChange; }

    bool alertStatus() const { return _alertStatus; }
    bool alertStatusValid() const { return _alertStatusLastUpdate > 0; }
    uint64_t alertStatusLastUpdate() const { return _alertStatusLastUpdate; }
    uint64_t alertStatusLastChange() const { return _alertStatusLastChange; }

    // Version 0 and assumed until an operational status message says otherwise.
    MOPSVersion mopsVersion() const { return _mopsVersion; }
    bool mopsVersionAssumed() const { return !_mopsVersionConfirmed; }
    bool mopsVersionConfirmed() const { return _mopsVersionConfirmed; }
    uint64_t mopsVersionLastUpdate() const { return _mopsVersionLastUpdate; }
    uint64_t mopsVersionLastChange() const { return _mopsVersionLastChange; }

    uint8_t nucp() const { return _nucp; }
    bool nucpValid() const { return _nucpLastUpdate > 0; }
    uint64_t nucpLastUpdate() const { return _nucpLastUpdate; }
    uint64_t nucpLastChange() const { return _nucpLastChange; }

    // NUCr only exists in DO-260 (version 0); later versions report NACv instead.
    uint8_t nucr() const { return _nucr; }
    bool nucrValid() const { return _mopsVersion == MOPS_V0 && _nucrLastUpdate > 0; }
    uint64_t nucrLastUpdate() const { return _nucrLastUpdate; }
    uint64_t nucrLastChange() const { return _nucrLastChange; }

    uint8_t nic() const { return _nic; }
    bool nicValid() const { return _nicLastUpdate > 0; }
    uint64_t nicLastUpdate() const { return _nicLastUpdate; }
    uint64_t nicLastChange() const { return _nicLastChange; }

    // NIC supplement A exists from DO-260A (version 1), B and C from DO-260B (version 2).
    bool nicSupplementA() const { return _nicSupplementA; }
    bool nicSupplementAValid() const { return _mopsVersion >= MOPS_V1 && _nicSuppALastUpdate > 0; }
    uint64_t nicSuppALastUpdate() const { return _nicSuppALastUpdate; }
    bool nicSupplementB() const { return _nicSupplementB; }
    bool nicSupplementBValid() const { return _mopsVersion >= MOPS_V2 && _nicSuppBLastUpdate > 0; }
    uint64_t nicSuppBLastUpdate() const { return _nicSuppBLastUpdate; }
    bool nicSupplementC() const { return _nicSupplementC; }
    bool nicSupplementCValid() const { return _mopsVersion >= MOPS_V2 && _nicSuppCLastUpdate > 0; }
    uint64_t nicSuppCLastUpdate() const { return _nicSuppCLastUpdate; }

    uint8_t pic() const { return _pic; }
    bool picValid() const { return _picLastUpdate > 0; }
    uint64_t picLastUpdate() const { return _picLastUpdate; }
    uint64_t picLastChange() const { return _picLastChange; }

    uint8_t nacp() const { return _nacp; }
    bool nacpValid() const { return _nacpLastChange > 0; }
    uint64_t nacpLastUpdate() const { return _nacpLastUpdate; }
    uint64_t nacpLastChange() const { return _nacpLastChange; }

    uint8_t sil() const { return _sil; }
    bool silValid() const { return _silLastChange > 0; }
    uint64_t silLastUpdate() const { return _silLastUpdate; }
    uint64_t silLastChange() const { return _silLastChange; }

    // Replies counted for one downlink format (0 for a value outside DF_0..DF_24), and the sum
    // over all 25 formats.
    uint32_t statisticDfMsgCount(DownlinkFormat df) const;
    uint32_t statisticDfMsgCount() const;
    // ADS-B messages counted for one kind (0 for a value outside the enumeration).
    uint32_t statisticADSBMsgCount(ADSBMessageType type) const;
    bool statisticValid() { return _statisticLastUpdate > 0; }
    uint64_t statisticLastUpdate() const { return _statisticLastUpdate; }

    // A snapshot with an explicit valid flag for every value.
    ADSBTargetReport report() const;

private:
    friend class ADSBTracker;
    friend class ADSBTargetTestAccess;  // unit tests only

    void setTrackId(uint32_t trackId) { _trackId = trackId; }
    void setLastUpdate(uint64_t time) { _lastUpdate = time; }

    // Change-tracked: an unchanged value that already has a last change only moves its last
    // update; anything else stores the value and sets both times. The three-argument forms
    // take both times from a report.
    void setCallsign(const std::string& callsign, uint64_t time);
    void setCallsign(const std::string& callsign, uint64_t lastUpdate, uint64_t lastChange);
    void setEmitterCategory(uint8_t category, uint64_t time);
    void setEmitterCategory(uint8_t category, uint64_t lastUpdate, uint64_t lastChange);
    void setSquawk(uint32_t squawk, uint64_t time);
    // A squawk taken over from an external report: value and last update as they come, without
    // the change rule or its log line.
    void copySquawk(uint32_t squawk, uint64_t lastUpdate);
    void setSpi(bool spi, uint64_t time);
    void setAlert(bool alert, uint64_t time);
    void setNUCp(uint8_t nucp, uint64_t time);
    void setNUCr(uint8_t nucr, uint64_t time);  // ignored unless the version is 0
    void setNIC(uint8_t nic, uint64_t time);
    void setPIC(uint8_t pic, uint64_t time);
    void setNACp(uint8_t nacp, uint64_t time);
    void setSIL(uint8_t sil, uint64_t time);

    // Plain: the value and its last update.
    void setPosition(double latitude, double longitude, uint64_t time);
    void setSignalAmplitude(uint8_t amplitude, uint64_t time);
    void setAltitudeBaro(int32_t altitude, uint64_t time);
    void setGroundSpeed(double speed, uint64_t time);
    void setHeading(double heading, uint64_t time);  // also makes the heading valid
    void setVerticalRateBaro(int32_t rate, uint64_t time);
    void setTransponderCommCapability(uint8_t capability, uint64_t time);
    void setNICSupplementA(bool supplement, uint64_t time);
    void setNICSupplementB(bool supplement, uint64_t time);
    void setNICSupplementC(bool supplement, uint64_t time);

    // Always moves the last update; the value and its last change only when it differs.
    void setGroundStatus(GroundStatus status, uint64_t time);

    // A different version resets the quality indicators, which were derived under the old one.
    void setMOPSVersion(MOPSVersion version, uint64_t time);
    void setMOPSVersionAssumed(uint64_t time);
    void setMOPSVersionConfirmed(uint64_t time);

    // The two most recent CPR-encoded positions, one per format (odd and even), that the
    // tracker pairs for a globally unambiguous decode.
    void setCPROdd(int32_t latitude, int32_t longitude, uint64_t time);
    void setCPREven(int32_t latitude, int32_t longitude, uint64_t time);
    // Global CPR decode of the odd and even slots; the newer slot gives the position (odd on a
    // tie), timed by the newer slot. False, leaving the position as it was, when the pair
    // straddles a longitude-zone boundary. The caller checks that the slots are close in time.
    bool decodeCPRPosition();
    int32_t cprOddLatitude() const { return _cprOddLatitude; }
    int32_t cprOddLongitude() const { return _cprOddLongitude; }
    uint64_t cprOddTime() const { return _cprOddTime; }
    int32_t cprEvenLatitude() const { return _cprEvenLatitude; }
    int32_t cprEvenLongitude() const { return _cprEvenLongitude; }
    uint64_t cprEvenTime() const { return _cprEvenTime; }

    // Derives NUCp, NIC and PIC (and for version 0 also NACp and SIL) from the type code of an
    // airborne position message, the version and the NIC supplements received so far. A
    // version outside 0..2 resets the indicators instead.
    void updateQualityIndicators(uint8_t typeCode, uint64_t time);
    // NUCp, NIC, PIC, NACp and SIL back to 0 and invalid (both times cleared); NUCr and the
    // supplements stay.
    void resetQualityIndicators();

    void resetStatistic();
    // Each adds one to its counter, stamps the statistics and returns the new count; a value
    // outside the enumeration counts nothing and returns 0.
    uint32_t increaseStatistic(DownlinkFormat df, uint64_t time);
    uint32_t increaseStatistic(ADSBMessageType type, uint64_t time);

    uint32_t _trackId = 0;
    uint64_t _lastUpdate = 0;
    uint32_t _icaoAddr = 0;

    std::string _callsign;
    uint64_t _callsignLastUpdate = 0;
    uint64_t _callsignLastChange = 0;

    uint8_t _emitterCategory = 0;
    uint64_t _emitterCategoryLastUpdate = 0;
    uint64_t _emitterCategoryLastChange = 0;

    uint32_t _squawk = 0;
    uint64_t _squawkLastUpdate = 0;
    uint64_t _squawkLastChange = 0;

    int32_t _cprOddLatitude = 0;
    int32_t _cprOddLongitude = 0;
    uint64_t _cprOddTime = 0;
    int32_t _cprEvenLatitude = 0;
    int32_t _cprEvenLongitude = 0;
    uint64_t _cprEvenTime = 0;

    double _latitude = 0.0;
    double _longitude = 0.0;
    uint64_t _positionLastUpdate = 0;

    uint8_t _signalAmplitude = 0;
    uint64_t _signalAmplitudeLastUpdate = 0;

    int32_t _altitudeBaro = 0;
    uint64_t _altitudeBaroLastUpdate = 0;

    double _groundSpeed = 0.0;
    uint64_t _groundSpeedLastUpdate = 0;

    double _heading = 0.0;
    bool _headingValid = false;
    uint64_t _headingLastUpdate = 0;

    int32_t _verticalRateBaro = 0;
    uint64_t _verticalRateBaroLastUpdate = 0;

    uint8_t _transponderCommCapability = 0;
    uint64_t _transponderCommCapabilityLastUpdate = 0;

    GroundStatus _groundStatus = UNKNOWN;
    uint64_t _groundStatusLastUpdate = 0;
    uint64_t _groundStatusLastChange = 0;

    bool _spiStatus = false;
    uint64_t _spiStatusLastUpdate = 0;
    uint64_t _spiStatusLastChange = 0;

    bool _alertStatus = false;
    uint64_t _alertStatusLastUpdate = 0;
    uint64_t _alertStatusLastChange = 0;

    MOPSVersion _mopsVersion = MOPS_V0;
    bool _mopsVersionConfirmed = false;
    uint64_t _mopsVersionLastUpdate = 0;
    uint64_t _mopsVersionLastChange = 0;

    uint8_t _nucp = 0;
    uint64_t _nucpLastUpdate = 0;
    uint64_t _nucpLastChange = 0;

    uint8_t _nucr = 0;
    uint64_t _nucrLastUpdate = 0;
    uint64_t _nucrLastChange = 0;

    uint8_t _nic = 0;
    uint64_t _nicLastUpdate = 0;
    uint64_t _nicLastChange = 0;

    bool _nicSupplementA = false;
    uint64_t _nicSuppALastUpdate = 0;
    bool _nicSupplementB = false;
    uint64_t _nicSuppBLastUpdate = 0;
    bool _nicSupplementC = false;
    uint64_t _nicSuppCLastUpdate = 0;

    uint8_t _pic = 0;
    uint64_t _picLastUpdate = 0;
    uint64_t _picLastChange = 0;

    uint8_t _nacp = 0;
    uint64_t _nacpLastUpdate = 0;
    uint64_t _nacpLastChange = 0;

    uint8_t _sil = 0;
    uint64_t _silLastUpdate = 0;
    uint64_t _silLastChange = 0;

    std::array<uint32_t, kDownlinkFormatCount> _statisticDf{};
    std::array<uint32_t, kADSBMessageTypeCount> _statisticADSB{};
    uint64_t _statisticLastUpdate = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGET_H
