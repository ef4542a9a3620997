#ifndef MAPBUILD_GEOJSONMAPREADER_H
#define MAPBUILD_GEOJSONMAPREADER_H

#include <QByteArray>
#include <QString>

#include "MapData.h"

// Reads the Natural Earth GeoJSON layers (RFC 7946 FeatureCollections, longitude before
// latitude) into the scope's map data.
namespace mapbuild {

// Longest polyline piece written to the map: short pieces let the scope skip everything outside
// its view with one box test each.
constexpr int kMaxPiecePoints = 64;

// Adds every line of the collection to the layer: LineString and MultiLineString lines, and the
// rings of Polygon and MultiPolygon features. Lines are cut into pieces of at most maxPoints
// points, each piece starting at the last point of the one before, so nothing is lost at the
// cuts; repeated points are dropped and a piece needs two points. Features without geometry
// and other geometry types are skipped. False, with a message, when the bytes are not a
// FeatureCollection; the map may then hold the lines of the features before the damage.
bool addLines(const QByteArray& json, MapData::Layer layer, MapData* map, QString* error,
              int maxPoints = kMaxPiecePoints);

// Adds every Point feature whose "gps_code" property is a four-letter ICAO location indicator
// (letters and digits), with its "name" and "scalerank" (clamped to 1..10) as the rank. The
// others are skipped. False, with a message, when the bytes are not a FeatureCollection.
bool addAirports(const QByteArray& json, MapData* map, QString* error);

}  // namespace mapbuild

#endif  // MAPBUILD_GEOJSONMAPREADER_H
