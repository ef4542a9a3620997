#include "GeoJsonMapReader.h"

#include <algorithm>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace mapbuild {

namespace {

bool featuresOf(const QByteArray& json, QJsonArray* features, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        *error = QStringLiteral("not JSON: %1 at offset %2")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return false;
    }
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("type")).toString() != QLatin1String("FeatureCollection") ||
        !root.value(QStringLiteral("features")).isArray()) {
        *error = QStringLiteral("not a GeoJSON FeatureCollection");
        return false;
    }
    *features = root.value(QStringLiteral("features")).toArray();
    return true;
}

// One GeoJSON position array, [longitude, latitude, ...]; false when it is not two numbers on
// the globe.
bool positionOf(const QJsonValue& value, MapData::Point* point) {
    const QJsonArray pair = value.toArray();
    if (pair.size() < 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble())
        return false;
    const double lon = pair.at(0).toDouble();
    const double lat = pair.at(1).toDouble();
    if (lat < -90.0 || lat > 90.0 || lon < -180.0 || lon > 180.0)
        return false;
    point->lat = float(lat);
    point->lon = float(lon);
    return true;
}

void addLine(const QJsonArray& positions, MapData::Layer layer, int maxPoints, MapData* map) {
    std::vector<MapData::Point> line;
    line.reserve(positions.size());
    for (const QJsonValue& value : positions) {
        MapData::Point p;
        if (!positionOf(value, &p))
            continue;
        if (!line.empty() && line.back().lat == p.lat && line.back().lon == p.lon)
            continue;
        line.push_back(p);
    }
    const size_t step = size_t(std::max(2, maxPoints)) - 1;
    for (size_t start = 0; start + 1 < line.size(); start += step) {
        const size_t count = std::min(step + 1, line.size() - start);
        map->addPolyline(layer, line.data() + start, uint32_t(count));
    }
}

}  // namespace

bool addLines(const QByteArray& json, MapData::Layer layer, MapData* map, QString* error,
              int maxPoints) {
    QJsonArray features;
    if (!featuresOf(json, &features, error))
        return false;
    for (const QJsonValue& feature : features) {
        const QJsonObject geometry =
            feature.toObject().value(QStringLiteral("geometry")).toObject();
        const QString type = geometry.value(QStringLiteral("type")).toString();
        const QJsonArray coordinates = geometry.value(QStringLiteral("coordinates")).toArray();
        if (type == QLatin1String("LineString")) {
            addLine(coordinates, layer, maxPoints, map);
        } else if (type == QLatin1String("MultiLineString") || type == QLatin1String("Polygon")) {
            for (const QJsonValue& line : coordinates)
                addLine(line.toArray(), layer, maxPoints, map);
        } else if (type == QLatin1String("MultiPolygon")) {
            for (const QJsonValue& polygon : coordinates) {
                for (const QJsonValue& ring : polygon.toArray())
                    addLine(ring.toArray(), layer, maxPoints, map);
            }
        }
    }
    return true;
}

bool addAirports(const QByteArray& json, MapData* map, QString* error) {
    QJsonArray features;
    if (!featuresOf(json, &features, error))
        return false;
    static const QRegularExpression icaoPattern(QStringLiteral("^[A-Z0-9]{4}$"));
    for (const QJsonValue& value : features) {
        const QJsonObject feature = value.toObject();
        const QJsonObject geometry = feature.value(QStringLiteral("geometry")).toObject();
        const QJsonObject properties = feature.value(QStringLiteral("properties")).toObject();
        MapData::Point p;
        if (geometry.value(QStringLiteral("type")).toString() != QLatin1String("Point") ||
            !positionOf(geometry.value(QStringLiteral("coordinates")), &p))
            continue;
        const QString icao = properties.value(QStringLiteral("gps_code")).toString();
        if (!icaoPattern.match(icao).hasMatch())
            continue;
        const int rank = properties.value(QStringLiteral("scalerank")).toInt(10);
        map->airports.push_back(
            MapData::Airport{icao, properties.value(QStringLiteral("name")).toString(), p.lat,
                             p.lon, uint8_t(std::clamp(rank, 1, 10))});
    }
    return true;
}

}  // namespace mapbuild
