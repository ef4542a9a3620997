// Fuzz entry point: arbitrary bytes as the content of avistore.dat, loaded into a fresh
// store. Two shapes are tried per input: the bytes as they are (exercising the qCompress
// header and zlib), and the bytes as an already decompressed payload (wrapped with
// qCompress), which reaches the section readers with hostile counts and lengths directly.
//
// The payload shape is also read section by section through the public QDataStream readers,
// and the two readings must agree: the data file is read by a direct reader that must match
// QDataStream's reading of the same bytes exactly.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QDataStream>
#include <QtGlobal>

#include <avistore/LibAvistore.h>

namespace {

using namespace brannic::avistore;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

void lookUps(const LibAvistore& store) {
    store.getICAOAddrDict().getICAOAddrInfo(ICAOAddr(0x3C6444));
    store.getAircraftDict().getAircraft(0x3C6444u);
    store.getSACDict().getSACInfo(Region(), 1);
    store.getSensorDict().getSensorInfoList(1, 2);
    for (const auto& country : store.getCountryDict().countries()) country.toAstCountry();
    // Whatever was read must write again.
    store.saveToData();
}

bool sameBlocks(const ICAOAddrDictionary& a, const ICAOAddrDictionary& b) {
    if (a.blocks().size() != b.blocks().size()) return false;
    for (int i = 0; i < a.blocks().size(); ++i) {
        const auto& x = a.blocks()[i];
        const auto& y = b.blocks()[i];
        if (x.addr != y.addr || x.mask != y.mask || x.country != y.country) return false;
    }
    return true;
}

void compareWithQDataStream(const LibAvistore& store, const QByteArray& payload) {
    RegionDictionary regions;
    CountryDictionary countries;
    ICAOAddrDictionary blocks(countries);
    SACDictionary sacs(regions, countries);
    SensorDictionary sensors(countries);
    AircraftDictionary aircraft;
    QDataStream in(payload);
    regions.loadFromDataStream(in);
    if (in.status() == QDataStream::Ok) countries.loadFromDataStream(in);
    if (in.status() == QDataStream::Ok) blocks.loadFromDataStream(in);
    if (in.status() == QDataStream::Ok) sacs.loadFromDataStream(in);
    if (in.status() == QDataStream::Ok) sensors.loadFromDataStream(in);
    if (in.status() == QDataStream::Ok) aircraft.loadFromDataStream(in);
    const bool same = regions.regions() == store.getRegionDict().regions() &&
                      countries.countries() == store.getCountryDict().countries() &&
                      sameBlocks(blocks, store.getICAOAddrDict()) &&
                      sacs.entries() == store.getSACDict().entries() &&
                      sensors.sensors() == store.getSensorDict().sensors() &&
                      aircraft.aircraft() == store.getAircraftDict().aircraft();
    if (!same) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qInstallMessageHandler(quiet);
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    {
        LibAvistore store;
        if (store.loadFromData(bytes)) lookUps(store);
    }
    if (!bytes.isEmpty()) {
        LibAvistore store;
        if (!store.loadFromData(qCompress(bytes, 1))) __builtin_trap();
        lookUps(store);
        compareWithQDataStream(store, bytes);
    }
    return 0;
}
