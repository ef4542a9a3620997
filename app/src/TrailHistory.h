#ifndef VELTMAR_TRAILHISTORY_H
#define VELTMAR_TRAILHISTORY_H

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include <QPointF>
#include <QRectF>

#include <modes/ADSBTarget.h>

#include "AzimuthalEquidistantProjection.h"
#include "GeoPoint.h"

// The recent positions of each target, kept by the scope because the tracker remembers only the
// latest one. One point is added per new position time (a target refreshed without a new
// position adds nothing); points older than the trail duration age out; the trail of an address
// that is no longer among the targets is forgotten.
//
// Each point carries its plane position for the current projection, so drawing needs no
// trigonometry, and each trail keeps the plane box of its points, so a scope skips a trail
// outside its view with one box test.
class TrailHistory {
public:
    struct Point {
        uint64_t timeMs;  // the target's position time
        GeoPoint geo;
        QPointF plane;
    };
    struct Trail {
        std::deque<Point> points;  // oldest first
        QRectF planeBounds;        // of all points (x west to east, y south to north)
    };

    // Number of age steps a drawn trail fades through.
    static constexpr int kFadeSteps = 6;

    static constexpr uint64_t kDefaultDurationMs = 180000;

    uint64_t durationMs() const { return _durationMs; }
    // Takes effect at the next update.
    void setDurationMs(uint64_t durationMs) { _durationMs = durationMs; }

    // Adds the targets' new positions, ages every trail at nowMs and forgets absent addresses.
    void update(const std::vector<brannic::modes::ADSBTarget>& targets, uint64_t nowMs,
                const AzimuthalEquidistantProjection& projection);
    // Recomputes every plane position for a new projection centre.
    void reproject(const AzimuthalEquidistantProjection& projection);
    void clear() { _trails.clear(); }

    // Null when the address has no trail.
    const Trail* trail(uint32_t icaoAddr) const;
    size_t size() const { return _trails.size(); }

    // The fade step of a point of this age: 0 for the newest, kFadeSteps - 1 for the oldest.
    // A point from the future (clock differences between sources) counts as new.
    static int fadeStep(int64_t ageMs, uint64_t durationMs);
    // Opacity (0 to 255) of a fade step, falling linearly from fully opaque to faint.
    static int fadeAlpha(int step);

private:
    static void recomputeBounds(Trail* trail);

    uint64_t _durationMs = kDefaultDurationMs;
    std::unordered_map<uint32_t, Trail> _trails;
};

#endif  // VELTMAR_TRAILHISTORY_H
