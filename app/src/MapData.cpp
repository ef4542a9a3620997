#include "MapData.h"

#include <algorithm>

void MapData::addPolyline(Layer layer, const Point* first, uint32_t count) {
    if (count < 2)
        return;
    Polyline line{layer,        static_cast<uint32_t>(points.size()),
                  count,        first[0].lat,
                  first[0].lon, first[0].lat,
                  first[0].lon};
    for (uint32_t i = 0; i < count; ++i) {
        const Point& p = first[i];
        line.minLat = std::min(line.minLat, p.lat);
        line.maxLat = std::max(line.maxLat, p.lat);
        line.minLon = std::min(line.minLon, p.lon);
        line.maxLon = std::max(line.maxLon, p.lon);
        points.push_back(p);
    }
    polylines.push_back(line);
}
