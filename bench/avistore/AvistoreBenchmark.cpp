// Start-up loading of the full aviation database, and the look-ups made for every target.
// Reads bin/avistore.db of the build tree (written by tools/avistore-build).
//
//   build/bin/bench/avistore_bench

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

#include <avistore/LibAvistore.h>

namespace brannic {
namespace avistore {
namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QFileInfo database() {
    return QFileInfo(QStringLiteral(VELTMAR_AVISTORE_DB));
}

// The full store, loaded once.
const LibAvistore& full() {
    static LibAvistore* store = [] {
        qInstallMessageHandler(quiet);
        auto* s = new LibAvistore;
        if (!s->loadFromSQLite(database()))
            std::abort();
        return s;
    }();
    return *store;
}

void BM_LoadFromSQLite(benchmark::State& state) {
    qInstallMessageHandler(quiet);
    for (auto _ : state) {
        auto* store = new LibAvistore;
        benchmark::DoNotOptimize(store->loadFromSQLite(database()));
        state.PauseTiming();  // start-up cost only: not the freeing
        delete store;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadFromSQLite)->Unit(benchmark::kMillisecond);

void BM_LoadFromDataFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QFileInfo dat(dir.filePath(QStringLiteral("avistore.dat")));
    if (!full().saveToDataFile(dat))
        std::abort();
    state.counters["file_bytes"] = double(dat.size());
    for (auto _ : state) {
        auto* store = new LibAvistore;
        benchmark::DoNotOptimize(store->loadFromDataFile(dat));
        state.PauseTiming();
        delete store;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadFromDataFile)->Unit(benchmark::kMillisecond);

void BM_SaveToDataFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QFileInfo dat(dir.filePath(QStringLiteral("avistore.dat")));
    const LibAvistore& store = full();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.saveToDataFile(dat));
}
BENCHMARK(BM_SaveToDataFile)->Unit(benchmark::kMillisecond);

// Addresses spread over the whole 24-bit space: most fall in a block, some in none (the
// worst case, a walk over every block).
void BM_GetICAOAddrInfo(benchmark::State& state) {
    const ICAOAddrDictionary& blocks = full().getICAOAddrDict();
    uint32_t addr = 0;
    for (auto _ : state) {
        addr = (addr + 0x9E3779) & 0xFFFFFF;
        benchmark::DoNotOptimize(blocks.getICAOAddrInfo(ICAOAddr(addr)));
    }
}
BENCHMARK(BM_GetICAOAddrInfo);

// An address in no block: the longest walk.
void BM_GetICAOAddrInfoMiss(benchmark::State& state) {
    const ICAOAddrDictionary& blocks = full().getICAOAddrDict();
    for (auto _ : state)
        benchmark::DoNotOptimize(blocks.getICAOAddrInfo(ICAOAddr(0xFFFFFF)));
}
BENCHMARK(BM_GetICAOAddrInfoMiss);

// Known aircraft in turn, then an unknown address.
void BM_GetAircraft(benchmark::State& state) {
    const AircraftDictionary& aircraft = full().getAircraftDict();
    const QList<uint32_t> keys = aircraft.aircraft().keys();
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(aircraft.getAircraft(keys[i]));
        if (++i == keys.size())
            i = 0;
    }
}
BENCHMARK(BM_GetAircraft);

void BM_GetAircraftMiss(benchmark::State& state) {
    const AircraftDictionary& aircraft = full().getAircraftDict();
    for (auto _ : state)
        benchmark::DoNotOptimize(aircraft.getAircraft(0xFFFFFFu));
}
BENCHMARK(BM_GetAircraftMiss);

}  // namespace
}  // namespace avistore
}  // namespace brannic
