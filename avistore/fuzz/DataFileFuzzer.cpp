// Fuzz entry point: arbitrary bytes as the content of avistore.dat, loaded into a fresh
// store. Two shapes are tried per input: the bytes as they are (exercising the qCompress
// header and zlib), and the bytes as an already decompressed payload (wrapped with
// qCompress), which reaches the section readers with hostile counts and lengths directly.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QtGlobal>

#include <avistore/LibAvistore.h>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

void lookUps(const brannic::avistore::LibAvistore& store) {
    using namespace brannic::avistore;
    store.getICAOAddrDict().getICAOAddrInfo(ICAOAddr(0x3C6444));
    store.getAircraftDict().getAircraft(0x3C6444u);
    store.getSACDict().getSACInfo(Region(), 1);
    store.getSensorDict().getSensorInfoList(1, 2);
    for (const auto& country : store.getCountryDict().countries())
        country.toAstCountry();
    // Whatever was read must write again.
    store.saveToData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qInstallMessageHandler(quiet);
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    {
        brannic::avistore::LibAvistore store;
        if (store.loadFromData(bytes))
            lookUps(store);
    }
    {
        brannic::avistore::LibAvistore store;
        if (store.loadFromData(qCompress(bytes, 1)))
            lookUps(store);
    }
    return 0;
}
