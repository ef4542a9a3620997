#include "MapDataFile.h"

#include <cmath>
#include <cstring>
#include <functional>

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

MapData smallMap() {
    MapData map;
    const MapData::Point coast[] = {{51.0f, 2.5f}, {51.4f, 3.4f}, {52.0f, 4.2f}};
    const MapData::Point border[] = {{51.4f, 6.1f}, {50.8f, 6.0f}};
    const MapData::Point lake[] = {{52.6f, 5.4f}, {52.7f, 5.6f}, {52.5f, 5.7f}, {52.6f, 5.4f}};
    map.addPolyline(MapData::Coastline, coast, 3);
    map.addPolyline(MapData::Border, border, 2);
    map.addPolyline(MapData::Lake, lake, 4);
    map.airports.push_back({QStringLiteral("EHAM"), QStringLiteral("Schiphol"), 52.31f, 4.76f, 2});
    map.airports.push_back(
        {QStringLiteral("EBBR"), QStringLiteral("Bruxelles-National ✈"), 50.90f, 4.48f, 3});
    return map;
}

// A map that a failed read must leave as it was.
MapData poisoned() {
    MapData map;
    map.airports.push_back({QStringLiteral("XXXX"), QStringLiteral("untouched"), 1.0f, 2.0f, 9});
    return map;
}

void putU32(QByteArray& bytes, int offset, uint32_t value) {
    char little[4];
    qToLittleEndian(value, little);
    bytes.replace(offset, 4, little, 4);
}

void putFloat(QByteArray& bytes, int offset, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    putU32(bytes, offset, bits);
}

// Offsets in the bytes of smallMap(): header 20, 3 polyline records of 8, 9 points of 8.
constexpr int kPolylines = 20;
constexpr int kPoints = kPolylines + 3 * 8;
constexpr int kAirports = kPoints + 9 * 8;
constexpr int kLastNameBytes = 22;  // "Bruxelles-National ✈" in UTF-8

TEST(MapDataFile, RoundTrip) {
    const MapData map = smallMap();
    const QByteArray bytes = MapDataFile::write(map);
    MapData read = poisoned();
    QString error;
    ASSERT_TRUE(MapDataFile::read(bytes, &read, &error)) << error.toStdString();
    ASSERT_EQ(read.points.size(), 9u);
    ASSERT_EQ(read.polylines.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.polylines[i].layer, map.polylines[i].layer);
        EXPECT_EQ(read.polylines[i].first, map.polylines[i].first);
        EXPECT_EQ(read.polylines[i].count, map.polylines[i].count);
    }
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(read.points[i].lat, map.points[i].lat);
        EXPECT_EQ(read.points[i].lon, map.points[i].lon);
    }
    // Boxes are worked out on reading.
    EXPECT_EQ(read.polylines[2].minLat, 52.5f);
    EXPECT_EQ(read.polylines[2].maxLat, 52.7f);
    EXPECT_EQ(read.polylines[2].minLon, 5.4f);
    EXPECT_EQ(read.polylines[2].maxLon, 5.7f);
    ASSERT_EQ(read.airports.size(), 2u);
    EXPECT_EQ(read.airports[1].icao, QStringLiteral("EBBR"));
    EXPECT_EQ(read.airports[1].name, QStringLiteral("Bruxelles-National ✈"));
    EXPECT_EQ(read.airports[1].rank, 3);
    EXPECT_EQ(read.airports[1].lat, 50.90f);
    EXPECT_EQ(MapDataFile::write(read), bytes);
}

TEST(MapDataFile, LongNamesAreCutToWholeCharacters) {
    MapData map;
    // 127 two-byte characters and a third-last byte that would split the 128th.
    map.airports.push_back(
        {QStringLiteral("ABCD"), QString(128, QChar(0x00E9)) + QStringLiteral("x"), 1.0f, 2.0f, 5});
    MapData read = poisoned();
    ASSERT_TRUE(MapDataFile::read(MapDataFile::write(map), &read, nullptr));
    EXPECT_EQ(read.airports[0].name, QString(127, QChar(0x00E9)));
}

TEST(MapDataFile, EmptyMapIsAMap) {
    MapData read = poisoned();
    ASSERT_TRUE(MapDataFile::read(MapDataFile::write(MapData()), &read, nullptr));
    EXPECT_TRUE(read.empty());
}

TEST(MapDataFile, DamageIsRefusedAndLeavesTheMapAlone) {
    const QByteArray good = MapDataFile::write(smallMap());
    const struct {
        const char* name;
        std::function<void(QByteArray&)> damage;
    } rows[] = {
        {"empty file", [](QByteArray& b) { b.clear(); }},
        {"other signature", [](QByteArray& b) { b[0] = 'X'; }},
        {"newer version", [](QByteArray& b) { putU32(b, 4, 2); }},
        {"polyline count beyond the file", [](QByteArray& b) { putU32(b, 8, 0xFFFFFFFFu); }},
        {"point count beyond the file", [](QByteArray& b) { putU32(b, 12, 0x7FFFFFFFu); }},
        {"airport count beyond the file", [](QByteArray& b) { putU32(b, 16, 3); }},
        {"unknown layer", [](QByteArray& b) { b[kPolylines] = 3; }},
        {"polyline of one point", [](QByteArray& b) { putU32(b, kPolylines + 4, 1); }},
        {"polylines use more points than stored",
         [](QByteArray& b) { putU32(b, kPolylines + 4, 4); }},
        {"latitude not a number", [](QByteArray& b) { putFloat(b, kPoints, std::nanf("")); }},
        {"latitude beyond the pole", [](QByteArray& b) { putFloat(b, kPoints, 90.5f); }},
        {"longitude beyond the antimeridian",
         [](QByteArray& b) { putFloat(b, kPoints + 4, -180.5f); }},
        {"infinite airport latitude", [](QByteArray& b) { putFloat(b, kAirports, INFINITY); }},
        {"airport without ICAO indicator",
         [](QByteArray& b) {
             MapData map = smallMap();
             map.airports[0].icao.clear();
             b = MapDataFile::write(map);
         }},
        {"airport name longer than the file",
         [](QByteArray& b) { b[b.size() - 1 - kLastNameBytes] = char(200); }},
        {"stray byte at the end", [](QByteArray& b) { b.append('\0'); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray bytes = good;
        row.damage(bytes);
        MapData read = poisoned();
        QString error;
        EXPECT_FALSE(MapDataFile::read(bytes, &read, &error));
        EXPECT_FALSE(error.isEmpty());
        ASSERT_EQ(read.airports.size(), 1u);
        EXPECT_EQ(read.airports[0].name, QStringLiteral("untouched"));
    }
}

TEST(MapDataFile, EveryTruncationIsRefused) {
    const QByteArray good = MapDataFile::write(smallMap());
    for (int size = 0; size < good.size(); ++size) {
        MapData read = poisoned();
        EXPECT_FALSE(MapDataFile::read(good.left(size), &read, nullptr)) << size << " bytes";
        EXPECT_EQ(read.airports.size(), 1u);
    }
}

TEST(MapDataFile, MissingFileIsAnError) {
    MapData read = poisoned();
    QString error;
    EXPECT_FALSE(MapDataFile::load(QStringLiteral("/nonexistent/veltmar-map.dat"), &read, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/veltmar-map.dat")));
    EXPECT_EQ(read.airports.size(), 1u);
}

// The file the build writes from the Natural Earth data.
TEST(MapDataFile, TheShippedWorldLoads) {
    MapData world;
    QString error;
    ASSERT_TRUE(
        MapDataFile::load(QStringLiteral(VELTMAR_BIN_DIR "/veltmar-map.dat"), &world, &error))
        << error.toStdString();
    EXPECT_GT(world.points.size(), 90000u);
    int layers[MapData::kLayerCount] = {};
    for (const MapData::Polyline& line : world.polylines) {
        ++layers[line.layer];
        EXPECT_LE(line.count, 64u);
    }
    for (int count : layers)
        EXPECT_GT(count, 100);
    const auto eham =
        std::find_if(world.airports.begin(), world.airports.end(),
                     [](const MapData::Airport& a) { return a.icao == QLatin1String("EHAM"); });
    ASSERT_NE(eham, world.airports.end());
    EXPECT_NEAR(eham->lat, 52.31, 0.02);
    EXPECT_NEAR(eham->lon, 4.76, 0.02);
    EXPECT_GT(world.airports.size(), 850u);
}

}  // namespace
