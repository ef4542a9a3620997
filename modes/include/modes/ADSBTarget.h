#ifndef MODES_ADSBTARGET_H
#define MODES_ADSBTARGET_H

#include <array>
#include <cstdint>
#include <string>

#include <modes/ADSBMessageType.h>
#include <modes/DownlinkFormat.h>
#include <modes/GeoPosition.h>
#include <modes/MOPSVersion.h>
#include <modes/TimedValue.h>
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
    std::string callsign() const { return _callsign.value(); }
    uint64_t callsignLastUpdate() const { return _callsign.lastUpdate(); }
    uint64_t callsignLastChange() const { return _callsign.lastChange(); }

    uint8_t emitterCategory() const { return _emitterCategory.value(); }
    bool emitterCategoryValid() const { return _emitterCategory.valid(); }
    uint64_t emitterCategoryLastUpdate() const { return _emitterCategory.lastUpdate(); }
    uint64_t emitterCategoryLastChange() const { return _emitterCategory.lastChange(); }

    uint32_t squawk() const { return _squawk.value(); }
    bool squawkValid() const { return _squawk.valid(); }
    uint64_t squawkLastUpdate() const { return _squawk.lastUpdate(); }
    uint64_t squawkLastChange() const { return _squawk.lastChange(); }

    double latitude() const { return _position.value().latitude; }
    double longitude() const { return _position.value().longitude; }
    bool positionValid() const { return _position.valid(); }
    uint64_t positionLastUpdate() const { return _position.lastUpdate(); }

    uint8_t signalAmplitude() const { return _signalAmplitude.value(); }
    bool signalAmplitudeValid() const { return _signalAmplitude.valid(); }
    uint64_t signalAmplitudeLastUpdate() const { return _signalAmplitude.lastUpdate(); }

    int32_t altitudeBaro() const { return _altitudeBaro.value(); }
    bool altitudeBaroValid() const { return _altitudeBaro.valid(); }
    uint64_t altitudeBaroLastUpdate() const { return _altitudeBaro.lastUpdate(); }

    // Geometric altitude, feet: the GNSS height above the ellipsoid of airborne positions with
    // type codes 20 to 22. Not a pressure altitude, so never a flight level.
    int32_t altitudeGeo() const { return _altitudeGeo.value(); }
    bool altitudeGeoValid() const { return _altitudeGeo.valid(); }
    uint64_t altitudeGeoLastUpdate() const { return _altitudeGeo.lastUpdate(); }

    double groundSpeed() const { return _groundSpeed.value(); }
    bool groundSpeedValid() const { return _groundSpeed.valid(); }
    uint64_t groundSpeedLastUpdate() const { return _groundSpeed.lastUpdate(); }

    // Valid from the first heading on, whatever its time: a heading is never withdrawn.
    double heading() const { return _heading.value(); }
    bool headingValid() const { return _heading.valid(); }
    uint64_t headingLastUpdate() const { return _heading.lastUpdate(); }

    int32_t verticalRateBaro() const { return _verticalRateBaro.value(); }
    bool verticalRateBaroValid() const { return _verticalRateBaro.valid(); }
    uint64_t verticalRateBaroLastUpdate() const { return _verticalRateBaro.lastUpdate(); }

    // Capability (CA) of the all-call reply DF11.
    uint8_t transponderCommCapability() const { return _transponderCommCapability.value(); }
    bool transponderCommCapabilityValid() const { return _transponderCommCapability.valid(); }
    uint64_t transponderCommCapabilityLastUpdate() const {
        return _transponderCommCapability.lastUpdate();
    }

    GroundStatus groundStatus() const { return _groundStatus.value(); }
    bool groundStatusValid() const { return _groundStatus.valid(); }
    uint64_t groundStatusLastUpdate() const { return _groundStatus.lastUpdate(); }
    uint64_t groundStatusLastChange() const { return _groundStatus.lastChange(); }

    bool spiStatus() const { return _spiStatus.value(); }
    bool spiStatusValid() const { return _spiStatus.valid(); }
    uint64_t spiStatusLastUpdate() const { return _spiStatus.lastUpdate(); }
    uint64_t spiStatusLastChange() const { return _spiStatus.lastChange(); }

    bool alertStatus() const { return _alertStatus.value(); }
    bool alertStatusValid() const { return _alertStatus.valid(); }
    uint64_t alertStatusLastUpdate() const { return _alertStatus.lastUpdate(); }
    uint64_t alertStatusLastChange() const { return _alertStatus.lastChange(); }

    // Version 0 and assumed until an operational status message says otherwise. The times
    // cover both the version and the confirmed flag.
    MOPSVersion mopsVersion() const { return _mopsVersion.value(); }
    bool mopsVersionAssumed() const { return !_mopsVersionConfirmed; }
    bool mopsVersionConfirmed() const { return _mopsVersionConfirmed; }
    uint64_t mopsVersionLastUpdate() const { return _mopsVersion.lastUpdate(); }
    uint64_t mopsVersionLastChange() const { return _mopsVersion.lastChange(); }

    uint8_t nucp() const { return _nucp.value(); }
    bool nucpValid() const { return _nucp.valid(); }
    uint64_t nucpLastUpdate() const { return _nucp.lastUpdate(); }
    uint64_t nucpLastChange() const { return _nucp.lastChange(); }

    // NUCr only exists in DO-260 (version 0); later versions report NACv instead.
    uint8_t nucr() const { return _nucr.value(); }
    bool nucrValid() const { return mopsVersion() == MOPS_V0 && _nucr.valid(); }
    uint64_t nucrLastUpdate() const { return _nucr.lastUpdate(); }
    uint64_t nucrLastChange() const { return _nucr.lastChange(); }

    uint8_t nic() const { return _nic.value(); }
    bool nicValid() const { return _nic.valid(); }
    uint64_t nicLastUpdate() const { return _nic.lastUpdate(); }
    uint64_t nicLastChange() const { return _nic.lastChange(); }

    // NIC supplement A exists from DO-260A (version 1), B and C from DO-260B (version 2).
    bool nicSupplementA() const { return _nicSupplementA.value(); }
    bool nicSupplementAValid() const { return mopsVersion() >= MOPS_V1 && _nicSupplementA.valid(); }
    uint64_t nicSuppALastUpdate() const { return _nicSupplementA.lastUpdate(); }
    bool nicSupplementB() const { return _nicSupplementB.value(); }
    bool nicSupplementBValid() const { return mopsVersion() >= MOPS_V2 && _nicSupplementB.valid(); }
    uint64_t nicSuppBLastUpdate() const { return _nicSupplementB.lastUpdate(); }
    bool nicSupplementC() const { return _nicSupplementC.value(); }
    bool nicSupplementCValid() const { return mopsVersion() >= MOPS_V2 && _nicSupplementC.valid(); }
    uint64_t nicSuppCLastUpdate() const { return _nicSupplementC.lastUpdate(); }

    uint8_t pic() const { return _pic.value(); }
    bool picValid() const { return _pic.valid(); }
    uint64_t picLastUpdate() const { return _pic.lastUpdate(); }
    uint64_t picLastChange() const { return _pic.lastChange(); }

    uint8_t nacp() const { return _nacp.value(); }
    bool nacpValid() const { return _nacp.valid(); }
    uint64_t nacpLastUpdate() const { return _nacp.lastUpdate(); }
    uint64_t nacpLastChange() const { return _nacp.lastChange(); }

    uint8_t sil() const { return _sil.value(); }
    bool silValid() const { return _sil.valid(); }
    uint64_t silLastUpdate() const { return _sil.lastUpdate(); }
    uint64_t silLastChange() const { return _sil.lastChange(); }

    // Replies counted for one downlink format (0 for a value outside DF_0..DF_24), and the sum
    // over all 25 formats.
    uint32_t statisticDfMsgCount(DownlinkFormat df) const;
    uint32_t statisticDfMsgCount() const;
    // ADS-B messages counted for one kind (0 for a value outside the enumeration).
    uint32_t statisticADSBMsgCount(ADSBMessageType type) const;
    // Positions decoded for this target but refused: local and global decoding disagreed, or
    // the position was too far from the receiver or too far from the last one.
    uint32_t statisticRefusedPositionCount() const { return _statisticRefusedPositions; }
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
    void setAltitudeGeo(int32_t altitude, uint64_t time);
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

    // The two most recent CPR-encoded airborne positions, one per format (odd and even),
    // that the tracker pairs for a globally unambiguous decode; and the same for surface
    // positions, which are encoded in zones a quarter the size and never pair with airborne
    // ones. A slot's time is 0 until it is filled.
    struct CPRSlot {
        int32_t latitude = 0;
        int32_t longitude = 0;
        uint64_t time = 0;
    };
    void setCPROdd(int32_t latitude, int32_t longitude, uint64_t time);
    void setCPREven(int32_t latitude, int32_t longitude, uint64_t time);
    void setCPRSurface(bool odd, int32_t latitude, int32_t longitude, uint64_t time);
    // Global CPR decode of the odd and even airborne slots; the newer slot gives the position
    // (odd on a tie), timed by the newer slot. False, leaving the position as it was, when the
    // pair straddles a longitude-zone boundary. The caller checks that the slots are close in
    // time.
    bool decodeCPRPosition();
    const CPRSlot& cprOdd() const { return _cprOdd; }
    const CPRSlot& cprEven() const { return _cprEven; }
    const CPRSlot& cprSurfaceOdd() const { return _cprSurfaceOdd; }
    const CPRSlot& cprSurfaceEven() const { return _cprSurfaceEven; }
    uint64_t cprOddTime() const { return _cprOdd.time; }
    uint64_t cprEvenTime() const { return _cprEven.time; }

    // Whether the position was last set from a surface position message.
    bool positionOnSurface() const { return _positionOnSurface; }
    void setPositionOnSurface(bool onSurface) { _positionOnSurface = onSurface; }

    // One more refused position in the statistics.
    void countRefusedPosition(uint64_t time);

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

    TimedValue<std::string> _callsign;
    TimedValue<uint8_t, Validity::BY_CHANGE> _emitterCategory;
    TimedValue<uint32_t> _squawk;

    CPRSlot _cprOdd;
    CPRSlot _cprEven;
    CPRSlot _cprSurfaceOdd;
    CPRSlot _cprSurfaceEven;

    TimedValue<GeoPosition> _position;
    bool _positionOnSurface = false;
    TimedValue<uint8_t> _signalAmplitude;
    TimedValue<int32_t> _altitudeBaro;
    TimedValue<int32_t> _altitudeGeo;
    TimedValue<double> _groundSpeed;
    TimedValue<double, Validity::BY_FLAG> _heading;
    TimedValue<int32_t> _verticalRateBaro;
    TimedValue<uint8_t> _transponderCommCapability;
    TimedValue<GroundStatus> _groundStatus;
    TimedValue<bool> _spiStatus;
    TimedValue<bool> _alertStatus;

    TimedValue<MOPSVersion> _mopsVersion;
    bool _mopsVersionConfirmed = false;

    TimedValue<uint8_t> _nucp;
    TimedValue<uint8_t> _nucr;
    TimedValue<uint8_t> _nic;
    TimedValue<bool> _nicSupplementA;
    TimedValue<bool> _nicSupplementB;
    TimedValue<bool> _nicSupplementC;
    TimedValue<uint8_t> _pic;
    TimedValue<uint8_t, Validity::BY_CHANGE> _nacp;
    TimedValue<uint8_t, Validity::BY_CHANGE> _sil;

    std::array<uint32_t, kDownlinkFormatCount> _statisticDf{};
    std::array<uint32_t, kADSBMessageTypeCount> _statisticADSB{};
    uint32_t _statisticRefusedPositions = 0;
    uint64_t _statisticLastUpdate = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTARGET_H
