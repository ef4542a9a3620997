#ifndef AVISTORE_SACDICTIONARY_H
#define AVISTORE_SACDICTIONARY_H

#include <QList>
#include <QMultiMap>

#include <avistore/Region.h>
#include <avistore/SACInfo.h>
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
class RegionDictionary;

// ASTERIX System Area Codes. One SAC may be allocated in several regions, so every row is
// kept, under its SAC.
class AVISTORE_EXPORT SACDictionary {
public:
    // Both dictionaries must be loaded before this one and outlive it.
    SACDictionary(const RegionDictionary& regions, const CountryDictionary& countries)
        : _regions(regions), _countries(countries) {}
    SACDictionary(const SACDictionary&) = delete;
    SACDictionary& operator=(const SACDictionary&) = delete;

    bool isInited() const { return !_entries.isEmpty(); }

    // Every entry stored under `sac`, in multimap order (the row loaded last first).
    QList<SACInfo> getSACInfoList(uint sac) const;
    // The first entry under `sac` whose region matches `region` (both invalid, or both valid
    // with equal codes); when none matches, the last entry under `sac`; when there is none,
    // an invalid SACInfo.
    SACInfo getSACInfo(Region region, uint sac) const;

    // Replaces the content with the rows of "SELECT sac_code, region_code, country_code FROM
    // sac_view". Logs "Loading SAC area ..." and "<n> SAC areas loaded.".
    bool loadFromSqlDb(const QSqlDatabase& db);
    // Data file section: count, then from the last entry to the first: key SAC (int32),
    // region (valid, code, name), SAC (int32), country.
    void loadFromDataStream(QDataStream& in);
    void saveToDataStream(QDataStream& out) const;

    const QMultiMap<uint, SACInfo>& entries() const { return _entries; }
    void clear() { _entries.clear(); }

private:
    friend class LibAvistore;
    // The data-file section from a payload in memory; the same reading as
    // loadFromDataStream, faster.
    void loadFromPayload(datastream::PayloadReader& in);
    template <typename Stream>
    void readSection(Stream& in);

    const RegionDictionary& _regions;
    const CountryDictionary& _countries;
    QMultiMap<uint, SACInfo> _entries;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_SACDICTIONARY_H
