#ifndef VELTMAR_PROJECTEDMAP_H
#define VELTMAR_PROJECTEDMAP_H

#include <memory>
#include <vector>

#include <QPointF>
#include <QRectF>
#include <QString>

#include "AzimuthalEquidistantProjection.h"
#include "MapData.h"

// The world outline projected once for one projection centre: plane points in nautical miles,
// grouped into runs with a plane box each. Zooming and panning only change the painter's
// transform, so the trigonometry is done again only when the centre moves (a new receiver
// position), never per frame.
//
// The far side of the globe is left out: a run ends at the first point more than
// kMaxAngularDistance from the centre, where the projection tears apart near the antipode.
class ProjectedMap {
public:
    static constexpr double kMaxAngularDistance = 1.6;  // radians, a little over 90 degrees

    struct Run {
        MapData::Layer layer;
        int first;  // index into points()
        int count;  // at least 2
        QRectF bounds;
    };
    struct Airport {
        QPointF plane;
        int index;  // into the map data's airports
    };

    ProjectedMap() = default;
    ProjectedMap(std::shared_ptr<const MapData> map,
                 const AzimuthalEquidistantProjection& projection);

    const MapData* map() const { return _map.get(); }
    const std::vector<QPointF>& points() const { return _points; }
    const std::vector<Run>& runs() const { return _runs; }
    const std::vector<Airport>& airports() const { return _airports; }

private:
    std::shared_ptr<const MapData> _map;
    std::vector<QPointF> _points;
    std::vector<Run> _runs;
    std::vector<Airport> _airports;
};

#endif  // VELTMAR_PROJECTEDMAP_H
