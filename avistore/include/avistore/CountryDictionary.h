#ifndef AVISTORE_COUNTRYDICTIONARY_H
#define AVISTORE_COUNTRYDICTIONARY_H

#include <QMap>
#include <QString>

#include <avistore/Country.h>
#include <avistore/avistore_export.h>

class QDataStream;
class QSqlDatabase;

namespace brannic {
namespace avistore {

class LibAvistore;
namespace datastream {
class PayloadReader;
}

// Countries by their upper-case ISO 3166-1 two-letter code.
class AVISTORE_EXPORT CountryDictionary {
public:
    CountryDictionary() = default;
    CountryDictionary(const CountryDictionary&) = delete;
    CountryDictionary& operator=(const CountryDictionary&) = delete;

    bool isInited() const { return !_countries.isEmpty(); }

    // The country stored under exactly `isoCode2` (keys are upper case), else an invalid
    // Country.
    Country fromCode(const QString& isoCode2) const;

    // Replaces the content with the rows of "SELECT iso_code_2, iso_code_3, name, full_name,
    // chinese_name FROM country_view". False, content untouched, when the database is not
    // open or the query fails. Logs "Loading country ..." and "<n> countries loaded.".
    bool loadFromSqlDb(const QSqlDatabase& db);
    // Data file section: count, then from the highest key down: key, country.
    void loadFromDataStream(QDataStream& in);
    void saveToDataStream(QDataStream& out) const;

    const QMap<QString, Country>& countries() const { return _countries; }
    void clear() { _countries.clear(); }

private:
    friend class LibAvistore;
    // The data-file section from a payload in memory; the same reading as
    // loadFromDataStream, faster.
    void loadFromPayload(datastream::PayloadReader& in);
    template <typename Stream>
    void readSection(Stream& in);

    QMap<QString, Country> _countries;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_COUNTRYDICTIONARY_H
