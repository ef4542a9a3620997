#include <avistore/SACDictionary.h>

#include <QDataStream>
#include <QVariant>

#include <avistore/CountryDictionary.h>
#include <avistore/RegionDictionary.h>

#include "DataStreamIO.h"
#include "SqlLoad.h"

namespace brannic {
namespace avistore {

QList<SACInfo> SACDictionary::getSACInfoList(uint sac) const {
    return _entries.values(sac);
}

SACInfo SACDictionary::getSACInfo(Region region, uint sac) const {
    auto it = _entries.constFind(sac);
    if (it == _entries.constEnd())
        return SACInfo();
    auto last = it;
    for (; it != _entries.constEnd() && it.key() == sac; ++it) {
        const Region& r = it.value().region();
        const bool matches =
            r.isValid() == region.isValid() && (!region.isValid() || r.code() == region.code());
        if (matches)
            return it.value();
        last = it;
    }
    return last.value();
}

bool SACDictionary::loadFromSqlDb(const QSqlDatabase& db) {
    QSqlQuery query;
    if (!sqlload::run(db, query,
                      QStringLiteral("SELECT sac_code, region_code, country_code FROM sac_view"))) {
        return false;
    }
    sqlload::logLoading("SAC area");
    _entries.clear();
    while (query.next()) {
        const uint sac = query.value(0).toUInt();
        _entries.insert(sac, SACInfo(_regions.fromCode(query.value(1).toString().toUpper()), sac,
                                     _countries.fromCode(query.value(2).toString().toUpper())));
    }
    sqlload::logLoaded(_entries.size(), "SAC areas loaded.");
    return true;
}

void SACDictionary::loadFromDataStream(QDataStream& in) {
    readSection(in);
}

void SACDictionary::loadFromPayload(datastream::PayloadReader& in) {
    readSection(in);
}

template <typename Stream>
void SACDictionary::readSection(Stream& in) {
    datastream::readSection(
        in, [this] { _entries.clear(); },
        [this](Stream& s) {
            qint32 key = 0, sac = 0;
            s >> key;
            const Region region = datastream::readRegion(s);
            s >> sac;
            const Country country = datastream::readCountry(s);
            if (s.status() == QDataStream::Ok) {
                _entries.insert(uint(key), SACInfo(region, uint(sac), country));
            }
        });
}

void SACDictionary::saveToDataStream(QDataStream& out) const {
    datastream::writeCount(out, _entries.size());
    for (auto it = _entries.constEnd(); it != _entries.constBegin();) {
        --it;
        out << qint32(it.key());
        datastream::writeRegion(out, it.value().region());
        out << qint32(it.value().sac());
        datastream::writeCountry(out, it.value().country());
    }
}

}  // namespace avistore
}  // namespace brannic
