#ifndef VELTMAR_MAPDATA_H
#define VELTMAR_MAPDATA_H

#include <cstdint>
#include <vector>

#include <QString>

// The world outline a scope draws behind the traffic: coastlines, land borders and lake shores
// as polylines of latitude/longitude points, and airports with their ICAO location indicators.
//
// Polylines are short (the map converter cuts long lines into pieces), each with its own
// latitude/longitude box, so that a view of a few hundred miles touches only the pieces near
// it. Single precision is enough: a float degree resolves about a metre.
struct MapData {
    enum Layer : uint8_t { Coastline = 0, Border = 1, Lake = 2 };
    static constexpr int kLayerCount = 3;

    struct Point {
        float lat;
        float lon;
    };
    struct Polyline {
        Layer layer;
        uint32_t first;  // index into points
        uint32_t count;  // at least 2
        float minLat, minLon, maxLat, maxLon;
    };
    struct Airport {
        QString icao;  // ICAO location indicator, "EHAM"
        QString name;
        float lat;
        float lon;
        uint8_t rank;  // 1 (most important) to 10, from the source's scale rank
    };

    std::vector<Point> points;
    std::vector<Polyline> polylines;
    std::vector<Airport> airports;

    // Appends one polyline (at least 2 points, else nothing) and computes its box.
    void addPolyline(Layer layer, const Point* first, uint32_t count);
    bool empty() const { return polylines.empty() && airports.empty(); }
};

#endif  // VELTMAR_MAPDATA_H
