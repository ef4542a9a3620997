#ifndef AVISTORE_REGIONDICTIONARY_H
#define AVISTORE_REGIONDICTIONARY_H

#include <QMap>
#include <QString>

#include <avistore/Region.h>
#include <avistore/avistore_export.h>

class QDataStream;
class QSqlDatabase;

namespace brannic {
namespace avistore {

class LibAvistore;
namespace datastream {
class PayloadReader;
}

// Regions by their upper-case code.
class AVISTORE_EXPORT RegionDictionary {
public:
    RegionDictionary() = default;
    RegionDictionary(const RegionDictionary&) = delete;
    RegionDictionary& operator=(const RegionDictionary&) = delete;

    // True when at least one region is held.
    bool isInited() const { return !_regions.isEmpty(); }

    // The region stored under exactly `code` (keys are upper case), else an invalid Region.
    Region fromCode(const QString& code) const;

    // Replaces the content with the rows of "SELECT code, name FROM region". False, content
    // untouched, when the database is not open or the query fails (its error goes to the
    // debug log). Logs "Loading region ..." and "<n> regions loaded.".
    bool loadFromSqlDb(const QSqlDatabase& db);
    // Data file section: count, then from the highest key down: key, valid, code, name. A
    // section that does not read completely leaves the dictionary empty and the stream's
    // status bad.
    void loadFromDataStream(QDataStream& in);
    void saveToDataStream(QDataStream& out) const;

    const QMap<QString, Region>& regions() const { return _regions; }
    void clear() { _regions.clear(); }

private:
    friend class LibAvistore;
    // The data-file section from a payload in memory; the same reading as
    // loadFromDataStream, faster.
    void loadFromPayload(datastream::PayloadReader& in);
    template <typename Stream>
    void readSection(Stream& in);

    QMap<QString, Region> _regions;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_REGIONDICTIONARY_H
