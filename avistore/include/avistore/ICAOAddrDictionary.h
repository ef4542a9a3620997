#ifndef AVISTORE_ICAOADDRDICTIONARY_H
#define AVISTORE_ICAOADDRDICTIONARY_H

#include <cstdint>

#include <QVector>

#include <avistore/Country.h>
#include <avistore/ICAOAddr.h>
#include <avistore/ICAOAddrInfo.h>
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

// The allocation of ICAO 24-bit address blocks to States (ICAO Annex 10 Vol. III, Chapter
// 9, Appendix): each block is a start address and a mask, and an address A lies in the block
// when (A & mask) == address. Blocks are kept in the order loaded (ascending address from the
// database); where blocks overlap, the first one in that order answers.
class AVISTORE_EXPORT ICAOAddrDictionary {
public:
    struct Block {
        uint32_t addr = 0;
        uint32_t mask = 0;
        Country country;
    };

    // `countries` must be loaded before this dictionary and outlive it.
    explicit ICAOAddrDictionary(const CountryDictionary& countries) : _countries(countries) {}
    ICAOAddrDictionary(const ICAOAddrDictionary&) = delete;
    ICAOAddrDictionary& operator=(const ICAOAddrDictionary&) = delete;

    bool isInited() const { return !_blocks.isEmpty(); }

    // The first block, in stored order, that holds the address: a valid answer with the
    // asked address and that block's country (which may itself be invalid for the blocks
    // ICAO administers). No block: an invalid answer.
    ICAOAddrInfo getICAOAddrInfo(const ICAOAddr& icaoAddr) const;

    // Replaces the content with the rows of "SELECT addr, mask, iso_code_2 FROM
    // icao_addr_country_view ORDER BY addr", the country of each block taken from the
    // country dictionary (invalid when the code is unknown). Logs "Loading ICAO address ..."
    // and "<n> ICAO addresses loaded.".
    bool loadFromSqlDb(const QSqlDatabase& db);
    // Data file section: count, then in stored order: address, mask (int32), country.
    void loadFromDataStream(QDataStream& in);
    void saveToDataStream(QDataStream& out) const;

    const QVector<Block>& blocks() const { return _blocks; }
    void clear();

private:
    friend class LibAvistore;
    // The data-file section from a payload in memory; the same reading as
    // loadFromDataStream, faster.
    void loadFromPayload(datastream::PayloadReader& in);
    template <typename Stream>
    void readSection(Stream& in);

    void append(const Block& block);

    const CountryDictionary& _countries;
    QVector<Block> _blocks;
    // The address and mask of each block again, packed, so that a look-up walks 8 bytes per
    // block instead of the whole Block with its country texts.
    QVector<uint64_t> _keys;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_ICAOADDRDICTIONARY_H
