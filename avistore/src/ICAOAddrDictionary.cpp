#include <avistore/ICAOAddrDictionary.h>

#include <QDataStream>
#include <QVariant>

#include <avistore/CountryDictionary.h>

#include "DataStreamIO.h"
#include "SqlLoad.h"

namespace brannic {
namespace avistore {

namespace {
// Packed block key: mask in the high half, address in the low half.
inline uint64_t packKey(uint32_t addr, uint32_t mask) {
    return uint64_t(mask) << 32 | addr;
}
}  // namespace

ICAOAddrInfo ICAOAddrDictionary::getICAOAddrInfo(const ICAOAddr& icaoAddr) const {
    // A first-match walk in stored order: with overlapping blocks the order decides, so no
    // reordering index may replace it. Over the packed keys the ~200 blocks of Annex 10 take
    // well under a microsecond.
    const uint32_t a = icaoAddr.toUInt();
    const uint64_t* keys = _keys.constData();
    const int n = _keys.size();
    for (int i = 0; i < n; ++i) {
        const uint64_t key = keys[i];
        if ((a & uint32_t(key >> 32)) == uint32_t(key)) {
            return ICAOAddrInfo(icaoAddr, _blocks.at(i).country);
        }
    }
    return ICAOAddrInfo();
}

void ICAOAddrDictionary::clear() {
    _blocks.clear();
    _keys.clear();
}

void ICAOAddrDictionary::append(const Block& block) {
    _blocks.append(block);
    _keys.append(packKey(block.addr, block.mask));
}

bool ICAOAddrDictionary::loadFromSqlDb(const QSqlDatabase& db) {
    QSqlQuery query;
    if (!sqlload::run(db, query,
                      QStringLiteral("SELECT addr, mask, iso_code_2 FROM icao_addr_country_view "
                                     "ORDER BY addr"))) {
        return false;
    }
    sqlload::logLoading("ICAO address");
    clear();
    while (query.next()) {
        Block block;
        block.addr = query.value(0).toUInt();
        block.mask = query.value(1).toUInt();
        block.country = _countries.fromCode(query.value(2).toString().toUpper());
        append(block);
    }
    sqlload::logLoaded(_blocks.size(), "ICAO addresses loaded.");
    return true;
}

void ICAOAddrDictionary::loadFromDataStream(QDataStream& in) {
    readSection(in);
}

void ICAOAddrDictionary::loadFromPayload(datastream::PayloadReader& in) {
    readSection(in);
}

template <typename Stream>
void ICAOAddrDictionary::readSection(Stream& in) {
    datastream::readSection(
        in, [this] { clear(); },
        [this](Stream& s) {
            qint32 addr = 0, mask = 0;
            s >> addr >> mask;
            Block block;
            block.addr = uint32_t(addr);
            block.mask = uint32_t(mask);
            block.country = datastream::readCountry(s);
            if (s.status() == QDataStream::Ok)
                append(block);
        });
}

void ICAOAddrDictionary::saveToDataStream(QDataStream& out) const {
    datastream::writeCount(out, _blocks.size());
    for (const Block& block : _blocks) {
        out << qint32(block.addr) << qint32(block.mask);
        datastream::writeCountry(out, block.country);
    }
}

}  // namespace avistore
}  // namespace brannic
