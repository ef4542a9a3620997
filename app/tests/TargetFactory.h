#ifndef VELTMAR_TESTS_TARGETFACTORY_H
#define VELTMAR_TESTS_TARGETFACTORY_H

#include <modes/ADSBTarget.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>

#include <string>
#include <vector>

// Targets with chosen values, made the only way targets are made: by a real tracker, here fed
// with target reports.
struct TargetSpec {
    uint32_t address = 0x3C6444;
    uint64_t time = 1'000'000;
    std::string callsign;
    uint32_t squawk = 0;  // octal value as a number (07700); 0: none
    bool position = false;
    double lat = 0.0;
    double lon = 0.0;
    bool altitude = false;
    int32_t altitudeFt = 0;
    bool speed = false;
    double speedKt = 0.0;
    double headingDeg = 0.0;
    bool verticalRate = false;
    int32_t verticalRateFpm = 0;
    bool alert = false;
    bool spi = false;
    bool groundStatus = false;  // a ground status is reported: onGround
    bool onGround = false;
};

inline brannic::modes::ADSBTargetReport reportOf(const TargetSpec& s) {
    brannic::modes::ADSBTargetReport r;
    r.setIcaoAddress(s.address);
    r.setLastUpdate(s.time);
    if (!s.callsign.empty()) {
        r.setCallsign(s.callsign);
        r.setCallsignLastUpdate(s.time);
        r.setCallsignLastChange(s.time);
    }
    if (s.squawk != 0) {
        r.setSquawk(s.squawk);
        r.setSquawkLastUpdate(s.time);
        r.setSquawkLastChange(s.time);
    }
    if (s.position) {
        r.setPosition(s.lat, s.lon);
        r.setPositionLastUpdate(s.time);
    }
    if (s.altitude) {
        r.setAltitudeBaro(s.altitudeFt);
        r.setAltitudeBaroLastUpdate(s.time);
    }
    if (s.speed) {
        r.setGroundSpeed(s.speedKt);
        r.setGroundSpeedLastUpdate(s.time);
        r.setHeading(s.headingDeg);
        r.setHeadingLastUpdate(s.time);
    }
    if (s.verticalRate) {
        r.setVerticalRateBaro(s.verticalRateFpm);
        r.setVerticalRateBaroLastUpdate(s.time);
    }
    if (s.groundStatus) {
        r.setGroundStatus(s.onGround);
        r.setGroundStatusLastUpdate(s.time);
        r.setGroundStatusLastChange(s.time);
    }
    r.setAlertStatus(s.alert);
    r.setAlertStatusValid(true);
    r.setAlertStatusLastUpdate(s.time);
    r.setSpiStatus(s.spi);
    r.setSpiStatusValid(true);
    r.setSpiStatusLastUpdate(s.time);
    return r;
}

// Feeds `specs` in order to `tracker` and returns the tracker's copies of all targets.
inline std::vector<brannic::modes::ADSBTarget> feed(brannic::modes::ADSBTracker& tracker,
                                                    const std::vector<TargetSpec>& specs) {
    for (const TargetSpec& s : specs) {
        const brannic::modes::ADSBTargetReport r = reportOf(s);
        tracker.procTargetReport(&r);
    }
    return tracker.allTargets();
}

inline brannic::modes::ADSBTarget targetOf(const TargetSpec& s) {
    brannic::modes::ADSBTracker tracker;
    return feed(tracker, {s}).front();
}

#endif  // VELTMAR_TESTS_TARGETFACTORY_H
