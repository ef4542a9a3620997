#ifndef AVISTORE_AIRCRAFTDICTIONARY_H
#define AVISTORE_AIRCRAFTDICTIONARY_H

#include <cstdint>

#include <QMap>

#include <avistore/Aircraft.h>
#include <avistore/ICAOAddr.h>
#include <avistore/avistore_export.h>

class QDataStream;
class QSqlDatabase;

namespace brannic {
namespace avistore {

class LibAvistore;
namespace datastream {
class PayloadReader;
}

// Individual aircraft by ICAO 24-bit address.
class AVISTORE_EXPORT AircraftDictionary {
public:
    AircraftDictionary() = default;
    AircraftDictionary(const AircraftDictionary&) = delete;
    AircraftDictionary& operator=(const AircraftDictionary&) = delete;

    bool isInited() const { return !_aircraft.isEmpty(); }

    // The aircraft stored under the address, else an invalid Aircraft.
    Aircraft getAircraft(uint32_t icaoAddr) const;
    Aircraft getAircraft(const ICAOAddr& icaoAddr) const { return getAircraft(icaoAddr.toUInt()); }

    // Replaces the content with the rows of "SELECT icao_addr, registration, aircraft_type,
    // aircraft_type_description, operator FROM aircraft" (registration upper-cased; a later
    // row with the same address replaces an earlier one). Logs "Loading aircraft ..." and
    // "<n> aircrafts loaded.".
    bool loadFromSqlDb(const QSqlDatabase& db);
    // Data file section: count, then from the highest address down: key (int32), valid,
    // address (int32), registration, type, type description, operator.
    void loadFromDataStream(QDataStream& in);
    void saveToDataStream(QDataStream& out) const;

    const QMap<uint32_t, Aircraft>& aircraft() const { return _aircraft; }
    void clear() { _aircraft.clear(); }

private:
    friend class LibAvistore;
    // The data-file section from a payload in memory; the same reading as
    // loadFromDataStream, faster.
    void loadFromPayload(datastream::PayloadReader& in);
    template <typename Stream>
    void readSection(Stream& in);

    QMap<uint32_t, Aircraft> _aircraft;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_AIRCRAFTDICTIONARY_H
