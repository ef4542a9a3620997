#include <avistore/AircraftDictionary.h>

#include <QDataStream>
#include <QVariant>

#include "DataStreamIO.h"
#include "SqlLoad.h"

namespace brannic {
namespace avistore {

Aircraft AircraftDictionary::getAircraft(uint32_t icaoAddr) const {
    return _aircraft.value(icaoAddr);
}

bool AircraftDictionary::loadFromSqlDb(const QSqlDatabase& db) {
    QSqlQuery query;
    if (!sqlload::run(db, query,
                      QStringLiteral("SELECT icao_addr, registration, aircraft_type, "
                                     "aircraft_type_description, operator FROM aircraft"))) {
        return false;
    }
    sqlload::logLoading("aircraft");
    _aircraft.clear();
    while (query.next()) {
        Aircraft aircraft;
        aircraft.setIcaoAddr(query.value(0).toUInt());
        aircraft.setRegistration(query.value(1).toString().toUpper());
        aircraft.setAcType(query.value(2).toString());
        aircraft.setAcTypeDescription(query.value(3).toString());
        aircraft.setOperatorName(query.value(4).toString());
        aircraft.setValid(true);
        _aircraft.insert(aircraft.icaoAddr(), aircraft);
    }
    sqlload::logLoaded(_aircraft.size(), "aircrafts loaded.");
    return true;
}

void AircraftDictionary::loadFromDataStream(QDataStream& in) {
    readSection(in);
}

void AircraftDictionary::loadFromPayload(datastream::PayloadReader& in) {
    readSection(in);
}

template <typename Stream>
void AircraftDictionary::readSection(Stream& in) {
    datastream::readSection(
        in, [this] { _aircraft.clear(); },
        [this](Stream& s) {
            qint32 key = 0, addr = 0;
            bool valid = false;
            QString registration, type, description, operatorName;
            s >> key >> valid >> addr >> registration >> type >> description >> operatorName;
            if (s.status() != QDataStream::Ok)
                return;
            // Entries come from the highest address down: the front of the map is the
            // right place for each, which the hint makes a constant-time insertion (a wrong
            // hint from a hostile file falls back to an ordinary insertion). The texts are
            // moved into the map's own node rather than copied.
            Aircraft& aircraft =
                _aircraft.insert(_aircraft.constBegin(), uint32_t(key), Aircraft()).value();
            aircraft = Aircraft(uint32_t(addr), std::move(registration), std::move(type),
                                std::move(description), std::move(operatorName));
            aircraft.setValid(valid);
        });
}

void AircraftDictionary::saveToDataStream(QDataStream& out) const {
    datastream::writeCount(out, _aircraft.size());
    for (auto it = _aircraft.constEnd(); it != _aircraft.constBegin();) {
        --it;
        const Aircraft& aircraft = it.value();
        out << qint32(it.key()) << aircraft.isValid() << qint32(aircraft.icaoAddr())
            << aircraft.registration() << aircraft.acType() << aircraft.acTypeDescription()
            << aircraft.operatorName();
    }
}

}  // namespace avistore
}  // namespace brannic
