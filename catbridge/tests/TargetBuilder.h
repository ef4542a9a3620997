#ifndef CATBRIDGE_TESTS_TARGETBUILDER_H
#define CATBRIDGE_TESTS_TARGETBUILDER_H

// Tracked targets in exactly the state a test needs. The tracker is the only writer of a
// target in the library; ADSBTargetTestAccess, a friend of ADSBTarget for unit tests, reaches
// the same setters the tracker uses.

#include <cstdint>
#include <string>

#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>

namespace brannic {
namespace modes {

class ADSBTargetTestAccess {
public:
    explicit ADSBTargetTestAccess(ADSBTarget& target) : t(target) {}
    void trackId(uint32_t id) { t.setTrackId(id); }
    void lastUpdate(uint64_t time) { t.setLastUpdate(time); }
    void callsign(const std::string& v, uint64_t time) { t.setCallsign(v, time); }
    void emitterCategory(uint8_t v, uint64_t time) { t.setEmitterCategory(v, time); }
    void squawk(uint32_t v, uint64_t time) { t.copySquawk(v, time); }
    void spi(bool v, uint64_t time) { t.setSpi(v, time); }
    void alert(bool v, uint64_t time) { t.setAlert(v, time); }
    void position(double lat, double lon, uint64_t time) { t.setPosition(lat, lon, time); }
    void amplitude(uint8_t v, uint64_t time) { t.setSignalAmplitude(v, time); }
    void altitude(int32_t v, uint64_t time) { t.setAltitudeBaro(v, time); }
    void groundSpeed(double v, uint64_t time) { t.setGroundSpeed(v, time); }
    void heading(double v, uint64_t time) { t.setHeading(v, time); }
    void verticalRate(int32_t v, uint64_t time) { t.setVerticalRateBaro(v, time); }
    void groundStatus(ADSBTarget::GroundStatus v, uint64_t time) { t.setGroundStatus(v, time); }
    void mops(MOPSVersion v, uint64_t time) { t.setMOPSVersion(v, time); }
    void confirmed(uint64_t time) { t.setMOPSVersionConfirmed(time); }
    void nucp(uint8_t v, uint64_t time) { t.setNUCp(v, time); }
    void nucr(uint8_t v, uint64_t time) { t.setNUCr(v, time); }
    void nacp(uint8_t v, uint64_t time) { t.setNACp(v, time); }
    void sil(uint8_t v, uint64_t time) { t.setSIL(v, time); }
    void pic(uint8_t v, uint64_t time) { t.setPIC(v, time); }

private:
    ADSBTarget& t;
};

namespace catbridgetest {

// 2024-03-01 12:34:56.789 UTC.
constexpr uint64_t kNoon = 1709296496789ULL;
constexpr uint64_t kMillisecondsPerDay = 86400000ULL;

// The smallest target every edition reports: an address, a track number and a position, all
// heard at `time`.
inline ADSBTarget positionedTarget(uint32_t address = 0x4840D6, uint64_t time = kNoon) {
    ADSBTarget target(address);
    ADSBTargetTestAccess set(target);
    set.trackId(17);
    set.lastUpdate(time);
    set.position(52.25, 4.75, time);
    return target;
}

// The ground service of every test: SAC 25, SIC 201, service 5.
inline ADSBServiceStatus serviceStatus() {
    ADSBServiceStatus status;
    status.setSac(0x19);
    status.setSic(0xC9);
    status.setServiceId(5);
    return status;
}

}  // namespace catbridgetest
}  // namespace modes
}  // namespace brannic

#endif  // CATBRIDGE_TESTS_TARGETBUILDER_H
