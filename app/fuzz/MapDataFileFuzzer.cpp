// libFuzzer entry point: the reader of the compact map file, which comes from disk beside the
// program and may be damaged. Whatever the bytes, the reader must refuse or accept them without
// reading outside them, and what it accepts must be a consistent map.
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "MapDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    MapData map;
    if (!MapDataFile::read(bytes, &map, nullptr))
        return 0;
    for (const MapData::Polyline& line : map.polylines) {
        if (line.count < 2 || uint64_t(line.first) + line.count > map.points.size())
            std::abort();
    }
    // What was read writes out to a file that reads back to the same map.
    MapData again;
    if (!MapDataFile::read(MapDataFile::write(map), &again, nullptr) ||
        again.points.size() != map.points.size() ||
        again.polylines.size() != map.polylines.size() ||
        again.airports.size() != map.airports.size())
        std::abort();
    // Names come back whole, or cut to whole characters when their UTF-8 (damaged bytes
    // having become replacement characters) grew beyond 255 bytes.
    for (size_t i = 0; i < map.airports.size(); ++i) {
        const QString& name = map.airports[i].name;
        const QString& back = again.airports[i].name;
        if (again.airports[i].icao != map.airports[i].icao ||
            (name.toUtf8().size() <= 255 ? back != name : !name.startsWith(back)))
            std::abort();
    }
    return 0;
}
