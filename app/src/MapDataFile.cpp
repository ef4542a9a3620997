#include "MapDataFile.h"

#include <cmath>
#include <cstring>

#include <QFile>
#include <QtEndian>

namespace {

constexpr char kMagic[4] = {'V', 'M', 'A', 'P'};
constexpr int kHeaderSize = 20;
constexpr int kPolylineRecordSize = 8;
constexpr int kPointRecordSize = 8;
constexpr int kAirportMinimumSize = 11;  // two floats, rank, two empty strings' lengths

void appendU32(QByteArray& out, uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendFloat(QByteArray& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    appendU32(out, bits);
}

// A length byte and up to 255 bytes of text; longer UTF-8 is cut before a character rather
// than inside one (continuation bytes are 10xxxxxx).
void appendShortString(QByteArray& out, const QByteArray& text) {
    int size = text.size();
    if (size > 255) {
        size = 255;
        while (size > 0 && (uchar(text[size]) & 0xC0) == 0x80)
            --size;
    }
    out.append(static_cast<char>(size));
    out.append(text.constData(), size);
}

// A cursor over the file bytes that fails, once and for all, instead of reading past the end.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes)
        : _data(reinterpret_cast<const uchar*>(bytes.constData())), _size(bytes.size()) {}

    bool ok() const { return _ok; }
    qint64 remaining() const { return _size - _pos; }

    uint8_t u8() {
        if (!take(1))
            return 0;
        return _data[_pos - 1];
    }
    uint32_t u32() {
        if (!take(4))
            return 0;
        return qFromLittleEndian<quint32>(_data + _pos - 4);
    }
    float f32() {
        const uint32_t bits = u32();
        float value;
        std::memcpy(&value, &bits, 4);
        return value;
    }
    QByteArray bytes(int count) {
        if (!take(count))
            return QByteArray();
        return QByteArray(reinterpret_cast<const char*>(_data + _pos - count), count);
    }

private:
    bool take(qint64 count) {
        if (!_ok || count > _size - _pos) {
            _ok = false;
            return false;
        }
        _pos += count;
        return true;
    }

    const uchar* _data;
    qint64 _size;
    qint64 _pos = 0;
    bool _ok = true;
};

bool validPoint(float lat, float lon) {
    return std::isfinite(lat) && std::isfinite(lon) && lat >= -90.0f && lat <= 90.0f &&
           lon >= -180.0f && lon <= 180.0f;
}

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

}  // namespace

namespace MapDataFile {

QByteArray write(const MapData& map) {
    QByteArray out;
    out.reserve(kHeaderSize + int(map.polylines.size()) * kPolylineRecordSize +
                int(map.points.size()) * kPointRecordSize + int(map.airports.size()) * 40);
    out.append(kMagic, 4);
    appendU32(out, kVersion);
    appendU32(out, uint32_t(map.polylines.size()));
    appendU32(out, uint32_t(map.points.size()));
    appendU32(out, uint32_t(map.airports.size()));
    for (const MapData::Polyline& line : map.polylines) {
        out.append(static_cast<char>(line.layer));
        out.append(3, '\0');
        appendU32(out, line.count);
    }
    for (const MapData::Point& p : map.points) {
        appendFloat(out, p.lat);
        appendFloat(out, p.lon);
    }
    for (const MapData::Airport& a : map.airports) {
        appendFloat(out, a.lat);
        appendFloat(out, a.lon);
        out.append(static_cast<char>(a.rank));
        appendShortString(out, a.icao.toLatin1());
        appendShortString(out, a.name.toUtf8());
    }
    return out;
}

bool read(const QByteArray& bytes, MapData* map, QString* error) {
    ByteReader in(bytes);
    const QByteArray magic = in.bytes(4);
    if (!in.ok() || std::memcmp(magic.constData(), kMagic, 4) != 0)
        return fail(error, QStringLiteral("not a map file (no VMAP signature)"));
    const uint32_t version = in.u32();
    if (!in.ok() || version != kVersion)
        return fail(error, QStringLiteral("unsupported map file version %1").arg(version));
    const uint32_t polylineCount = in.u32();
    const uint32_t pointCount = in.u32();
    const uint32_t airportCount = in.u32();
    // Every count must fit the bytes that are left before anything is allocated, so that a
    // damaged header cannot ask for gigabytes.
    const qint64 fixedSize = qint64(polylineCount) * kPolylineRecordSize +
                             qint64(pointCount) * kPointRecordSize +
                             qint64(airportCount) * kAirportMinimumSize;
    if (!in.ok() || fixedSize > in.remaining())
        return fail(error, QStringLiteral("map file is truncated"));

    MapData result;
    std::vector<std::pair<uint8_t, uint32_t>> lines(polylineCount);
    uint64_t pointSum = 0;
    for (auto& line : lines) {
        line.first = in.u8();
        in.bytes(3);
        line.second = in.u32();
        if (line.first >= MapData::kLayerCount)
            return fail(error, QStringLiteral("unknown map layer %1").arg(line.first));
        if (line.second < 2)
            return fail(error, QStringLiteral("polyline of fewer than two points"));
        pointSum += line.second;
    }
    if (pointSum != pointCount)
        return fail(error,
                    QStringLiteral("polylines use %1 points of %2").arg(pointSum).arg(pointCount));

    std::vector<MapData::Point> points(pointCount);
    for (MapData::Point& p : points) {
        p.lat = in.f32();
        p.lon = in.f32();
        if (!validPoint(p.lat, p.lon))
            return fail(error, QStringLiteral("map point off the globe"));
    }
    result.points.reserve(pointCount);
    result.polylines.reserve(polylineCount);
    uint32_t first = 0;
    for (const auto& line : lines) {
        result.addPolyline(static_cast<MapData::Layer>(line.first), points.data() + first,
                           line.second);
        first += line.second;
    }

    result.airports.reserve(airportCount);
    for (uint32_t i = 0; i < airportCount; ++i) {
        MapData::Airport a;
        a.lat = in.f32();
        a.lon = in.f32();
        a.rank = in.u8();
        a.icao = QString::fromLatin1(in.bytes(in.u8()));
        a.name = QString::fromUtf8(in.bytes(in.u8()));
        if (!in.ok())
            return fail(error, QStringLiteral("map file is truncated"));
        if (!validPoint(a.lat, a.lon))
            return fail(error, QStringLiteral("airport off the globe"));
        if (a.icao.isEmpty())
            return fail(error, QStringLiteral("airport without ICAO indicator"));
        result.airports.push_back(std::move(a));
    }
    if (in.remaining() != 0)
        return fail(error, QStringLiteral("%1 stray bytes after the map").arg(in.remaining()));
    *map = std::move(result);
    return true;
}

bool load(const QString& path, MapData* map, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QString why;
    if (!read(bytes, map, &why))
        return fail(error, QStringLiteral("%1: %2").arg(path, why));
    return true;
}

}  // namespace MapDataFile
