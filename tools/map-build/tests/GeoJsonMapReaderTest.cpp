#include "GeoJsonMapReader.h"

#include <gtest/gtest.h>

namespace {

QByteArray collection(const char* features) {
    return QByteArray("{\"type\":\"FeatureCollection\",\"features\":[") + features + "]}";
}

TEST(GeoJsonMapReader, LongLinesAreCutIntoJoinedPieces) {
    // Ten points along the equator, cut into pieces of at most four.
    QByteArray line =
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"LineString\",\"coordinates\":[";
    for (int i = 0; i < 10; ++i)
        line += QByteArray(i ? "," : "") + "[" + QByteArray::number(i) + ",0.5]";
    line += "]}}";
    MapData map;
    QString error;
    ASSERT_TRUE(mapbuild::addLines(collection(line), MapData::Coastline, &map, &error, 4));
    ASSERT_EQ(map.polylines.size(), 3u);  // points 0-3, 3-6, 6-9
    const uint32_t counts[] = {4, 4, 4};
    const float firstLon[] = {0, 3, 6};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(map.polylines[i].count, counts[i]);
        EXPECT_EQ(map.points[map.polylines[i].first].lon, firstLon[i]);
        EXPECT_EQ(map.polylines[i].layer, MapData::Coastline);
    }
    // Longitude first in GeoJSON, latitude first in the map.
    EXPECT_EQ(map.points[0].lat, 0.5f);
    EXPECT_EQ(map.polylines[2].maxLon, 9.0f);
}

TEST(GeoJsonMapReader, EveryGeometryKindGivesItsLines) {
    const QByteArray json = collection(
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"MultiLineString\",\"coordinates\":"
        "  [[[0,0],[1,1]],[[2,2],[3,3],[3,3]]]}},"
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\",\"coordinates\":"
        "  [[[10,10],[11,10],[11,11],[10,10]],[[10.2,10.2],[10.4,10.2],[10.2,10.2]]]}},"
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"MultiPolygon\",\"coordinates\":"
        "  [[[[20,20],[21,20],[20,20]]],[[[30,30],[31,30],[30,30]]]]}},"
        "{\"type\":\"Feature\",\"geometry\":null},"
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[5,5]}},"
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"LineString\",\"coordinates\":[[4,4],[4,4]]}"
        "},"
        "{\"type\":\"Feature\",\"geometry\":{\"type\":\"LineString\",\"coordinates\":[[4,4],[\"x\","
        "1],[500,1],[5,5]]}}");
    MapData map;
    QString error;
    ASSERT_TRUE(mapbuild::addLines(json, MapData::Lake, &map, &error));
    // 2 lines, 2 rings, 2 polygons' rings, the line of repeated points gives nothing, the
    // last line keeps its two good points.
    ASSERT_EQ(map.polylines.size(), 7u);
    EXPECT_EQ(map.polylines[1].count, 2u);  // the repeated [3,3] dropped
    EXPECT_EQ(map.polylines[2].count, 4u);
    EXPECT_EQ(map.polylines[6].count, 2u);
    EXPECT_EQ(map.points.back().lon, 5.0f);
}

TEST(GeoJsonMapReader, AirportsNeedAnICAOIndicator) {
    const QByteArray json = collection(
        "{\"type\":\"Feature\",\"properties\":{\"gps_code\":\"EHAM\",\"name\":\"Schiphol\","
        "\"scalerank\":2},"
        "  \"geometry\":{\"type\":\"Point\",\"coordinates\":[4.76,52.31]}},"
        "{\"type\":\"Feature\",\"properties\":{\"gps_code\":\"EDDMf\",\"name\":\"Freight\","
        "\"scalerank\":9},"
        "  \"geometry\":{\"type\":\"Point\",\"coordinates\":[11.7,48.3]}},"
        "{\"type\":\"Feature\",\"properties\":{\"gps_code\":\"\",\"name\":\"Nameless\"},"
        "  \"geometry\":{\"type\":\"Point\",\"coordinates\":[1,1]}},"
        "{\"type\":\"Feature\",\"properties\":{\"gps_code\":\"K2O8\",\"name\":\"Small\","
        "\"scalerank\":14},"
        "  \"geometry\":{\"type\":\"Point\",\"coordinates\":[-100,40]}}");
    MapData map;
    QString error;
    ASSERT_TRUE(mapbuild::addAirports(json, &map, &error));
    ASSERT_EQ(map.airports.size(), 2u);
    EXPECT_EQ(map.airports[0].icao, QStringLiteral("EHAM"));
    EXPECT_EQ(map.airports[0].name, QStringLiteral("Schiphol"));
    EXPECT_EQ(map.airports[0].rank, 2);
    EXPECT_FLOAT_EQ(map.airports[0].lat, 52.31f);
    EXPECT_EQ(map.airports[1].icao, QStringLiteral("K2O8"));
    EXPECT_EQ(map.airports[1].rank, 10);
}

TEST(GeoJsonMapReader, OtherDocumentsAreRefused) {
    const QByteArray documents[] = {"", "{", "[]", "{\"type\":\"Feature\"}",
                                    "{\"type\":\"FeatureCollection\",\"features\":{}}"};
    for (const QByteArray& json : documents) {
        MapData map;
        QString error;
        EXPECT_FALSE(mapbuild::addLines(json, MapData::Border, &map, &error)) << json.constData();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(mapbuild::addAirports(json, &map, &error)) << json.constData();
    }
}

}  // namespace
