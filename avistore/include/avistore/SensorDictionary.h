#ifndef AVISTORE_SENSORDICTIONARY_H
#define AVISTORE_SENSORDICTIONARY_H

#include <QList>
#include <QMultiMap>

#include <avistore/SensorInfo.h>
#include <avistore/avistore_export.h>

class QDataStream;
class QSqlDatabase;

namespace brannic {
namespace avistore {

class LibAvistore;
namespace datastream {
class PayloadReader;
}

class CountryDictionary;

// Surveillance sensors under the key SAC × 1000 + SIC (SAC 1, SIC 2 is key 1002). Every row
// is kept: two sensors may share a SAC and SIC.
class AVISTORE_EXPORT SensorDictionary {
public:
    // `countries` must be loaded before this dictionary and outlive it.
    explicit SensorDictionary(const CountryDictionary& countries) : _countries(countries) {}
    SensorDictionary(const SensorDictionary&) = delete;
    SensorDictionary& operator=(const SensorDictionary&) = delete;

    bool isInited() const { return !_sensors.isEmpty(); }

    static uint key(uint sac, uint sic) { return sac * 1000 + sic; }

    // Every sensor stored under SAC × 1000 + SIC, in multimap order.
    QList<SensorInfo> getSensorInfoList(uint sac, uint sic) const;

    // Replaces the content with the rows of "SELECT name, type, sac, sic, country_code,
    // manufacturer, model, description FROM sensor_view". Logs "Loading sensor ..." and
    // "<n> sensors loaded.".
    bool loadFromSqlDb(const QSqlDatabase& db);
    // Data file section: count, then from the last entry to the first: key (int32), name,
    // type, SAC (int32), SIC (int32), country, manufacturer, model, description.
    void loadFromDataStream(QDataStream& in);
    void saveToDataStream(QDataStream& out) const;

    const QMultiMap<uint, SensorInfo>& sensors() const { return _sensors; }
    void clear() { _sensors.clear(); }

private:
    friend class LibAvistore;
    // The data-file section from a payload in memory; the same reading as
    // loadFromDataStream, faster.
    void loadFromPayload(datastream::PayloadReader& in);
    template <typename Stream>
    void readSection(Stream& in);

    const CountryDictionary& _countries;
    QMultiMap<uint, SensorInfo> _sensors;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_SENSORDICTIONARY_H
