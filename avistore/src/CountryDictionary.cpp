#include <avistore/CountryDictionary.h>

#include <QDataStream>
#include <QVariant>

#include "DataStreamIO.h"
#include "SqlLoad.h"

namespace brannic {
namespace avistore {

Country CountryDictionary::fromCode(const QString& isoCode2) const {
    return _countries.value(isoCode2);
}

bool CountryDictionary::loadFromSqlDb(const QSqlDatabase& db) {
    QSqlQuery query;
    if (!sqlload::run(db, query,
                      QStringLiteral("SELECT iso_code_2, iso_code_3, name, full_name, chinese_name "
                                     "FROM country_view"))) {
        return false;
    }
    sqlload::logLoading("country");
    _countries.clear();
    while (query.next()) {
        const QString code = query.value(0).toString().toUpper();
        _countries.insert(
            code, Country(code, query.value(1).toString().toUpper(), query.value(2).toString(),
                          query.value(3).toString(), query.value(4).toString()));
    }
    sqlload::logLoaded(_countries.size(), "countries loaded.");
    return true;
}

void CountryDictionary::loadFromDataStream(QDataStream& in) {
    readSection(in);
}

void CountryDictionary::loadFromPayload(datastream::PayloadReader& in) {
    readSection(in);
}

template <typename Stream>
void CountryDictionary::readSection(Stream& in) {
    datastream::readSection(
        in, [this] { _countries.clear(); },
        [this](Stream& s) {
            QString key;
            s >> key;
            const Country country = datastream::readCountry(s);
            if (s.status() == QDataStream::Ok)
                _countries.insert(_countries.constBegin(), key, country);
        });
}

void CountryDictionary::saveToDataStream(QDataStream& out) const {
    datastream::writeCount(out, _countries.size());
    for (auto it = _countries.constEnd(); it != _countries.constBegin();) {
        --it;
        out << it.key();
        datastream::writeCountry(out, it.value());
    }
}

}  // namespace avistore
}  // namespace brannic
