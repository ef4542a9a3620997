#include "ProjectedMap.h"

#include <algorithm>

namespace {

QRectF boundsOf(const QPointF* points, int count) {
    double left = points[0].x(), right = left, bottom = points[0].y(), top = bottom;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].x());
        right = std::max(right, points[i].x());
        bottom = std::min(bottom, points[i].y());
        top = std::max(top, points[i].y());
    }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

}  // namespace

ProjectedMap::ProjectedMap(std::shared_ptr<const MapData> map,
                           const AzimuthalEquidistantProjection& projection)
    : _map(std::move(map)) {
    if (!_map)
        return;
    _points.reserve(_map->points.size());
    _runs.reserve(_map->polylines.size());
    for (const MapData::Polyline& line : _map->polylines) {
        int runStart = int(_points.size());
        // Keeps the points since runStart as a run when there are two or more, else drops them.
        const auto closeRun = [&]() {
            const int count = int(_points.size()) - runStart;
            if (count >= 2)
                _runs.push_back(
                    Run{line.layer, runStart, count, boundsOf(&_points[size_t(runStart)], count)});
            else
                _points.resize(size_t(runStart));
            runStart = int(_points.size());
        };
        for (uint32_t i = 0; i < line.count; ++i) {
            const MapData::Point& p = _map->points[line.first + i];
            double distance;
            const QPointF plane = projection.forward(GeoPoint{p.lat, p.lon}, &distance);
            if (distance > kMaxAngularDistance)
                closeRun();
            else
                _points.push_back(plane);
        }
        closeRun();
    }
    for (size_t i = 0; i < _map->airports.size(); ++i) {
        const MapData::Airport& a = _map->airports[i];
        double distance;
        const QPointF plane = projection.forward(GeoPoint{a.lat, a.lon}, &distance);
        if (distance <= kMaxAngularDistance)
            _airports.push_back(Airport{plane, int(i)});
    }
}
