#include <avistore/RegionDictionary.h>

#include <QDataStream>
#include <QVariant>

#include "DataStreamIO.h"
#include "SqlLoad.h"

namespace brannic {
namespace avistore {

Region RegionDictionary::fromCode(const QString& code) const {
    return _regions.value(code);
}

bool RegionDictionary::loadFromSqlDb(const QSqlDatabase& db) {
    QSqlQuery query;
    if (!sqlload::run(db, query, QStringLiteral("SELECT code, name FROM region")))
        return false;
    sqlload::logLoading("region");
    _regions.clear();
    while (query.next()) {
        const QString code = query.value(0).toString().toUpper();
        _regions.insert(code, Region(code, query.value(1).toString()));
    }
    sqlload::logLoaded(_regions.size(), "regions loaded.");
    return true;
}

void RegionDictionary::loadFromDataStream(QDataStream& in) {
    readSection(in);
}

void RegionDictionary::loadFromPayload(datastream::PayloadReader& in) {
    readSection(in);
}

template <typename Stream>
void RegionDictionary::readSection(Stream& in) {
    datastream::readSection(
        in, [this] { _regions.clear(); },
        [this](Stream& s) {
            QString key;
            s >> key;
            const Region region = datastream::readRegion(s);
            if (s.status() == QDataStream::Ok)
                _regions.insert(_regions.constBegin(), key, region);
        });
}

void RegionDictionary::saveToDataStream(QDataStream& out) const {
    datastream::writeCount(out, _regions.size());
    for (auto it = _regions.constEnd(); it != _regions.constBegin();) {
        --it;
        out << it.key();
        datastream::writeRegion(out, it.value());
    }
}

}  // namespace avistore
}  // namespace brannic
