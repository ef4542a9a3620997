#ifndef VELTMAR_TESTS_TRACKEDTARGET_H
#define VELTMAR_TESTS_TRACKEDTARGET_H

// Targets in a chosen state for tests. Only the tracker writes targets, so a report with the
// wanted values goes through a tracker of its own.

#include <cstdint>
#include <string>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>

// A report carrying an address and a time, to which tests add the values they need.
inline brannic::modes::ADSBTargetReport reportOf(uint32_t address, uint64_t time) {
    brannic::modes::ADSBTargetReport report;
    report.setIcaoAddress(address);
    report.setLastUpdate(time);
    return report;
}

inline void withPosition(brannic::modes::ADSBTargetReport& report, double lat, double lon) {
    report.setPosition(lat, lon);
    report.setPositionLastUpdate(report.lastUpdate());
}

inline brannic::modes::ADSBTarget trackedTarget(const brannic::modes::ADSBTargetReport& report) {
    brannic::modes::ADSBTracker tracker;
    const brannic::modes::ADSBTarget* target = tracker.procTargetReport(&report);
    return target ? *target : brannic::modes::ADSBTarget(report.icaoAddress());
}

#endif  // VELTMAR_TESTS_TRACKEDTARGET_H
