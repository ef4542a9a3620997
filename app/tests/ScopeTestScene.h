#ifndef VELTMAR_TESTS_SCOPETESTSCENE_H
#define VELTMAR_TESTS_SCOPETESTSCENE_H

// A synthetic traffic scene for the scope's tests and benchmark: aircraft flying straight
// tracks around a reference point, fed to a real ADSBTracker as target reports once a second,
// so that the scope sees targets exactly as the program hands them over.

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>

#include "AzimuthalEquidistantProjection.h"
#include "GeoPoint.h"

class ScopeTestScene {
public:
    struct Flight {
        uint32_t address = 0;
        std::string callsign;  // empty: the label shows the address
        GeoPoint start;        // position at the scene's start time
        double trackDeg = 0.0;
        double speedKt = 0.0;
        bool hasHeading = true;
        bool hasAltitude = true;
        int altitudeFt = 0;
        int verticalRateFpm = 0;
        bool onGround = false;
        bool hasPosition = true;
        uint64_t silentFromMs = UINT64_MAX;  // no reports from this scene time on
    };

    static constexpr uint64_t kStartMs = 1700000000000ull;  // 2023-11-14T22:13:20Z

    ScopeTestScene() = default;

    // count flights at random (but repeatable) places within radiusNm of the reference: a few on
    // the ground, a few without callsign, heading or altitude, one without position, and a few
    // that fall silent after a minute.
    ScopeTestScene(GeoPoint reference, int count, double radiusNm, uint32_t seed = 19) {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const AzimuthalEquidistantProjection around(reference);
        static const char* const kOperators[] = {"KLM", "DLH", "BAW", "AFR", "EZY",
                                                 "RYR", "TRA", "BEL", "SAS", "UAE"};
        for (int i = 0; i < count; ++i) {
            Flight f;
            f.address = 0x400000u + uint32_t(i) * 0x111u;
            const double range = radiusNm * std::sqrt(unit(random));
            const double bearing = 2.0 * M_PI * unit(random);
            around.inverse(QPointF(range * std::sin(bearing), range * std::cos(bearing)), &f.start);
            f.trackDeg = 360.0 * unit(random);
            f.altitudeFt = int(std::lround(45000.0 * unit(random) / 25.0)) * 25;
            f.speedKt = 140.0 + f.altitudeFt / 100.0 + 80.0 * unit(random);
            f.verticalRateFpm = i % 3 == 0 ? 0 : int(std::lround(4000.0 * unit(random) - 2000.0));
            if (i % 5 != 4) {
                f.callsign = std::string(kOperators[i % 10]) + std::to_string(100 + (i * 37) % 900);
                f.callsign.resize(8, ' ');
            }
            if (i % 17 == 5) {
                f.onGround = true;
                f.speedKt = 15.0;
                f.altitudeFt = 0;
            }
            f.hasHeading = i % 19 != 7;
            f.hasAltitude = i % 23 != 11;
            f.hasPosition = i % 29 != 13;
            if (i % 11 == 3)
                f.silentFromMs = 60000;
            flights.push_back(f);
        }
    }

    // Where a flight is at a scene time (milliseconds since the start).
    static GeoPoint positionAt(const Flight& f, uint64_t sceneMs) {
        const double distance = f.speedKt * double(sceneMs) / 3600000.0;
        const double track = f.trackDeg * M_PI / 180.0;
        GeoPoint at = f.start;
        AzimuthalEquidistantProjection(f.start).inverse(
            QPointF(distance * std::sin(track), distance * std::cos(track)), &at);
        return at;
    }

    // Feeds the tracker one report per flight still talking at this scene time and returns
    // all its targets.
    std::vector<brannic::modes::ADSBTarget> step(uint64_t sceneMs) {
        const uint64_t now = kStartMs + sceneMs;
        for (const Flight& f : flights) {
            if (sceneMs >= f.silentFromMs)
                continue;
            brannic::modes::ADSBTargetReport report;
            report.setIcaoAddress(f.address);
            report.setLastUpdate(now);
            if (!f.callsign.empty()) {
                report.setCallsign(f.callsign);
                report.setCallsignLastUpdate(now);
                report.setCallsignLastChange(kStartMs);
            }
            if (f.hasPosition) {
                const GeoPoint at = positionAt(f, sceneMs);
                report.setPosition(at.lat, at.lon);
                report.setPositionLastUpdate(now);
            }
            if (f.hasAltitude && !f.onGround) {
                report.setAltitudeBaro(f.altitudeFt);
                report.setAltitudeBaroLastUpdate(now);
            }
            report.setGroundSpeed(f.speedKt);
            report.setGroundSpeedLastUpdate(now);
            if (f.hasHeading) {
                report.setHeading(f.trackDeg);
                report.setHeadingLastUpdate(now);
            }
            report.setVerticalRateBaro(f.verticalRateFpm);
            report.setVerticalRateBaroLastUpdate(now);
            report.setGroundStatus(f.onGround);
            report.setGroundStatusLastUpdate(now);
            report.setGroundStatusLastChange(kStartMs);
            tracker.procTargetReport(&report);
        }
        return tracker.allTargets();
    }

    std::vector<Flight> flights;
    brannic::modes::ADSBTracker tracker;
};

#endif  // VELTMAR_TESTS_SCOPETESTSCENE_H
