#ifndef AVISTORE_LIBAVISTORE_H
#define AVISTORE_LIBAVISTORE_H

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <avistore/AircraftDictionary.h>
#include <avistore/CountryDictionary.h>
#include <avistore/ICAOAddrDictionary.h>
#include <avistore/RegionDictionary.h>
#include <avistore/SACDictionary.h>
#include <avistore/SensorDictionary.h>
#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// Owner of the six dictionaries of aviation reference data, filled from the SQLite database
// avistore.db or from the compressed data file avistore.dat that it writes.
//
// The data file is Qt's qCompress form (4-byte big-endian payload length, then a zlib
// stream) of a big-endian QDataStream payload of six sections, in this order: regions,
// countries, ICAO address blocks, SAC areas, sensors, aircraft. Each section is a 32-bit
// count and its entries, written the way Qt streams a QMap (from the last entry back).
//
// Not thread-safe; meant for the GUI thread.
class AVISTORE_EXPORT LibAvistore {
public:
    LibAvistore();
    LibAvistore(const LibAvistore&) = delete;
    LibAvistore& operator=(const LibAvistore&) = delete;

    // The process-wide instance that the program fills at start-up.
    static LibAvistore& instance();

    static QString version();  // "0.7.0"
    static QString build();    // the build date, "Dec  8 2026"
    static QString copyright();
    static QString contact();

    const RegionDictionary& getRegionDict() const { return _regions; }
    const CountryDictionary& getCountryDict() const { return _countries; }
    const ICAOAddrDictionary& getICAOAddrDict() const { return _icaoAddrs; }
    const SACDictionary& getSACDict() const { return _sacs; }
    const SensorDictionary& getSensorDict() const { return _sensors; }
    const AircraftDictionary& getAircraftDict() const { return _aircraft; }

    // Opens the SQLite file under Qt's default connection and loads regions, countries, ICAO
    // address blocks, SAC areas, sensors and aircraft in that order. False (and "Failed to open
    // database: <path>" in the debug log) only when the file cannot be opened; a missing table
    // leaves its dictionary as it was and is reported by that dictionary's log line.
    bool loadFromSQLite(const QFileInfo& file);

    // Loads the data file. False, dictionaries untouched, when the file is missing or
    // unreadable ("Failed to open data file: <path>"), or when it does not decompress to a
    // non-empty payload (not qCompress form, or a claimed length that no zlib stream of that
    // size could produce). Otherwise true: a section that does not read completely is left
    // empty, and so is every section after it.
    bool loadFromDataFile(const QFileInfo& file);
    // The same from the file's bytes (what loadFromDataFile reads); for tests and fuzzing.
    bool loadFromData(const QByteArray& data);

    // Writes the data file (compression level 9). False when the file cannot be opened for
    // writing or not every byte could be written.
    bool saveToDataFile(const QFileInfo& file) const;
    // The data file's bytes.
    QByteArray saveToData() const;

private:
    RegionDictionary _regions;
    CountryDictionary _countries;
    ICAOAddrDictionary _icaoAddrs;
    SACDictionary _sacs;
    SensorDictionary _sensors;
    AircraftDictionary _aircraft;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_LIBAVISTORE_H
