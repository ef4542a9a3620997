#ifndef VELTMAR_MAPDATAFILE_H
#define VELTMAR_MAPDATAFILE_H

#include <QByteArray>
#include <QString>

#include "MapData.h"

// The compact map file, "veltmar-map.dat" beside the program, written at build time by the
// map converter from the Natural Earth data and read at start-up in a few milliseconds.
//
// Layout, all numbers little-endian:
//   "VMAP", u32 version (1), u32 polyline count, u32 point count, u32 airport count;
//   per polyline: u8 layer, three zero bytes, u32 point count (the polylines take the points
//     in turn, so the counts add up to the point count);
//   per point: f32 latitude, f32 longitude (degrees);
//   per airport: f32 latitude, f32 longitude, u8 rank, u8 length + ICAO indicator (ASCII),
//     u8 length + name (UTF-8).
// Nothing may follow the last airport.
namespace MapDataFile {

constexpr uint32_t kVersion = 1;

// The file's bytes for map data whose polylines use their points in order (as addPolyline
// builds them); ICAO indicators and names longer than 255 bytes (UTF-8) are cut to whole
// characters.
QByteArray write(const MapData& map);

// Parses file bytes. On any damage (bad magic or version, counts that do not fit the size,
// a point off the globe or not a number, a polyline of fewer than 2 points, an unknown layer,
// an empty ICAO indicator, bytes left over) returns false with a message in error (when not
// null) and leaves map untouched. Never reads outside the bytes, and allocates no more than
// the bytes can describe.
bool read(const QByteArray& bytes, MapData* map, QString* error);

// Reads a file from disk; false with a message when it cannot be opened or read().
bool load(const QString& path, MapData* map, QString* error);

}  // namespace MapDataFile

#endif  // VELTMAR_MAPDATAFILE_H
