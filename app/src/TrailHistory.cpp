#include "TrailHistory.h"

#include <algorithm>
#include <unordered_set>

using brannic::modes::ADSBTarget;

namespace {

// QRectF::united() ignores rectangles without extent, which a box around one point is.
void extendBounds(QRectF* bounds, QPointF p, bool first) {
    if (first) {
        *bounds = QRectF(p, QSizeF(0.0, 0.0));
        return;
    }
    *bounds = QRectF(QPointF(std::min(bounds->left(), p.x()), std::min(bounds->top(), p.y())),
                     QPointF(std::max(bounds->right(), p.x()), std::max(bounds->bottom(), p.y())));
}

}  // namespace

void TrailHistory::update(const std::vector<ADSBTarget>& targets, uint64_t nowMs,
                          const AzimuthalEquidistantProjection& projection) {
    std::unordered_set<uint32_t> present;
    present.reserve(targets.size());
    const uint64_t oldest = nowMs > _durationMs ? nowMs - _durationMs : 0;
    for (const ADSBTarget& target : targets) {
        present.insert(target.icaoAddr());
        if (!target.positionValid() || target.positionLastUpdate() < oldest)
            continue;
        Trail& trail = _trails[target.icaoAddr()];
        if (!trail.points.empty() && trail.points.back().timeMs >= target.positionLastUpdate())
            continue;
        const GeoPoint geo{target.latitude(), target.longitude()};
        const QPointF plane = projection.forward(geo);
        trail.points.push_back(Point{target.positionLastUpdate(), geo, plane});
        extendBounds(&trail.planeBounds, plane, trail.points.size() == 1);
    }
    for (auto it = _trails.begin(); it != _trails.end();) {
        Trail& trail = it->second;
        if (present.count(it->first) == 0) {
            it = _trails.erase(it);
            continue;
        }
        const size_t before = trail.points.size();
        while (!trail.points.empty() && trail.points.front().timeMs < oldest)
            trail.points.pop_front();
        if (trail.points.empty()) {
            it = _trails.erase(it);
            continue;
        }
        if (trail.points.size() != before)
            recomputeBounds(&trail);
        ++it;
    }
}

void TrailHistory::reproject(const AzimuthalEquidistantProjection& projection) {
    for (auto& entry : _trails) {
        for (Point& point : entry.second.points)
            point.plane = projection.forward(point.geo);
        recomputeBounds(&entry.second);
    }
}

const TrailHistory::Trail* TrailHistory::trail(uint32_t icaoAddr) const {
    const auto it = _trails.find(icaoAddr);
    return it == _trails.end() ? nullptr : &it->second;
}

int TrailHistory::fadeStep(int64_t ageMs, uint64_t durationMs) {
    if (ageMs <= 0 || durationMs == 0)
        return 0;
    const int64_t step = ageMs * kFadeSteps / int64_t(durationMs);
    return int(std::min<int64_t>(step, kFadeSteps - 1));
}

int TrailHistory::fadeAlpha(int step) {
    step = std::clamp(step, 0, kFadeSteps - 1);
    return 230 - step * (230 - 40) / (kFadeSteps - 1);
}

void TrailHistory::recomputeBounds(Trail* trail) {
    if (trail->points.empty()) {
        trail->planeBounds = QRectF();
        return;
    }
    bool first = true;
    for (const Point& p : trail->points) {
        extendBounds(&trail->planeBounds, p.plane, first);
        first = false;
    }
}
