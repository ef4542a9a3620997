// veltmar-map-build: converts the Natural Earth GeoJSON layers (gzip or plain) into the compact
// map file that the traffic scope loads at start-up.
//
//   veltmar-map-build --coastline C --borders B --lakes L --airports A --output veltmar-map.dat
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include "GeoJsonMapReader.h"
#include "Gzip.h"
#include "MapDataFile.h"

namespace {

bool readInput(const QString& path, QByteArray* json, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (!avistorebuild::isGzip(bytes)) {
        *json = bytes;
        return true;
    }
    return avistorebuild::gunzip(bytes, json, error);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the traffic scope's map file."));
    parser.addHelpOption();
    const QCommandLineOption coastline(
        QStringLiteral("coastline"), QStringLiteral("Coastline GeoJSON."), QStringLiteral("file"));
    const QCommandLineOption borders(
        QStringLiteral("borders"), QStringLiteral("Land border GeoJSON."), QStringLiteral("file"));
    const QCommandLineOption lakes(QStringLiteral("lakes"), QStringLiteral("Lake GeoJSON."),
                                   QStringLiteral("file"));
    const QCommandLineOption airports(QStringLiteral("airports"),
                                      QStringLiteral("Airport GeoJSON."), QStringLiteral("file"));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("Map file to write."),
                                    QStringLiteral("file"));
    parser.addOptions({coastline, borders, lakes, airports, output});
    parser.process(app);
    if (!parser.isSet(output)) {
        std::fprintf(stderr, "veltmar-map-build: --output is required\n");
        return 2;
    }

    MapData map;
    const struct {
        const QCommandLineOption& option;
        MapData::Layer layer;
    } layers[] = {
        {coastline, MapData::Coastline}, {borders, MapData::Border}, {lakes, MapData::Lake}};
    for (const auto& layer : layers) {
        for (const QString& path : parser.values(layer.option)) {
            QByteArray json;
            QString error;
            if (!readInput(path, &json, &error) ||
                !mapbuild::addLines(json, layer.layer, &map, &error)) {
                std::fprintf(stderr, "veltmar-map-build: %s: %s\n", qPrintable(path),
                             qPrintable(error));
                return 1;
            }
        }
    }
    for (const QString& path : parser.values(airports)) {
        QByteArray json;
        QString error;
        if (!readInput(path, &json, &error) || !mapbuild::addAirports(json, &map, &error)) {
            std::fprintf(stderr, "veltmar-map-build: %s: %s\n", qPrintable(path),
                         qPrintable(error));
            return 1;
        }
    }

    QSaveFile file(parser.value(output));
    const QByteArray bytes = MapDataFile::write(map);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "veltmar-map-build: %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    std::printf("veltmar-map-build: %zu polylines, %zu points, %zu airports, %d bytes\n",
                map.polylines.size(), map.points.size(), map.airports.size(), int(bytes.size()));
    return 0;
}
