#include <avistore/SensorDictionary.h>

#include <QDataStream>
#include <QVariant>

#include <avistore/CountryDictionary.h>

#include "DataStreamIO.h"
#include "SqlLoad.h"

namespace brannic {
namespace avistore {

QList<SensorInfo> SensorDictionary::getSensorInfoList(uint sac, uint sic) const {
    return _sensors.values(key(sac, sic));
}

bool SensorDictionary::loadFromSqlDb(const QSqlDatabase& db) {
    QSqlQuery query;
    if (!sqlload::run(db, query,
                      QStringLiteral("SELECT name, type, sac, sic, country_code, manufacturer, "
                                     "model, description FROM sensor_view"))) {
        return false;
    }
    sqlload::logLoading("sensor");
    _sensors.clear();
    while (query.next()) {
        SensorInfo sensor;
        sensor.setName(query.value(0).toString());
        sensor.setType(query.value(1).toString());
        sensor.setSac(query.value(2).toUInt());
        sensor.setSic(query.value(3).toUInt());
        sensor.setCountry(_countries.fromCode(query.value(4).toString().toUpper()));
        sensor.setManufacturer(query.value(5).toString());
        sensor.setModel(query.value(6).toString());
        sensor.setDescription(query.value(7).toString());
        sensor.setValid(true);
        _sensors.insert(key(sensor.sac(), sensor.sic()), sensor);
    }
    sqlload::logLoaded(_sensors.size(), "sensors loaded.");
    return true;
}

void SensorDictionary::loadFromDataStream(QDataStream& in) {
    readSection(in);
}

void SensorDictionary::loadFromPayload(datastream::PayloadReader& in) {
    readSection(in);
}

template <typename Stream>
void SensorDictionary::readSection(Stream& in) {
    datastream::readSection(
        in, [this] { _sensors.clear(); },
        [this](Stream& s) {
            qint32 key = 0, sac = 0, sic = 0;
            QString name, type, manufacturer, model, description;
            s >> key >> name >> type >> sac >> sic;
            const Country country = datastream::readCountry(s);
            s >> manufacturer >> model >> description;
            if (s.status() != QDataStream::Ok)
                return;
            SensorInfo sensor;
            sensor.setName(name);
            sensor.setType(type);
            sensor.setSac(uint(sac));
            sensor.setSic(uint(sic));
            sensor.setCountry(country);
            sensor.setManufacturer(manufacturer);
            sensor.setModel(model);
            sensor.setDescription(description);
            sensor.setValid(true);
            _sensors.insert(uint(key), sensor);
        });
}

void SensorDictionary::saveToDataStream(QDataStream& out) const {
    datastream::writeCount(out, _sensors.size());
    for (auto it = _sensors.constEnd(); it != _sensors.constBegin();) {
        --it;
        const SensorInfo& sensor = it.value();
        out << qint32(it.key()) << sensor.name() << sensor.type() << qint32(sensor.sac())
            << qint32(sensor.sic());
        datastream::writeCountry(out, sensor.country());
        out << sensor.manufacturer() << sensor.model() << sensor.description();
    }
}

}  // namespace avistore
}  // namespace brannic
