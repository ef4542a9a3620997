// The program's input mechanisms: framer throughput on a receiver-like feed, and one minute's
// update of the aircraft table with 2,000 aircraft.
//
//   build/bin/bench/app_bench

#include <cstdlib>
#include <vector>

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtGlobal>

#include <avistore/LibAvistore.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>

#include "AircraftDatabase.h"
#include "AvrFramer.h"
#include "BeastFramer.h"
#include "JsonFramer.h"

namespace {

using brannic::avistore::LibAvistore;
using brannic::modes::ADSBTarget;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// A receiver's feed: 1 MiB of long and short replies with GPS-free stamps, some with a 0x1a.
QByteArray beastFeed() {
    QByteArray feed;
    quint32 n = 0;
    while (feed.size() < (1 << 20)) {
        const unsigned char stamp[6] = {
            0, 0x12, 0x34, static_cast<unsigned char>(n >> 8), static_cast<unsigned char>(n), 0x1a};
        if (n % 4 == 0)
            feed += BeastFramer::encode('2', stamp, 0x40, QByteArray::fromHex("5d4840d6a4b2c1"));
        else
            feed += BeastFramer::encode('3', stamp, 0x80,
                                        QByteArray::fromHex("8d4840d6202cc371c32ce0576098"));
        ++n;
    }
    return feed;
}

// The feed in the pieces a socket would deliver.
template <typename Framer, typename Sink>
void feedInChunks(benchmark::State& state, const QByteArray& feed, const Sink& sink) {
    constexpr int kChunk = 4096;
    for (auto _ : state) {
        Framer framer;
        for (int pos = 0; pos < feed.size(); pos += kChunk)
            framer.feed(feed.mid(pos, kChunk), 1700000000000ull, sink);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * feed.size());
}

void BM_BeastFramer(benchmark::State& state) {
    const QByteArray feed = beastFeed();
    int64_t frames = 0;
    feedInChunks<BeastFramer>(state, feed, [&frames](const ModeSFrame& frame) {
        benchmark::DoNotOptimize(frame.reply.constData());
        ++frames;
        return true;
    });
    state.counters["frames/s"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BeastFramer)->Unit(benchmark::kMillisecond);

void BM_AvrFramer(benchmark::State& state) {
    QByteArray feed;
    while (feed.size() < (1 << 20))
        feed += "*8D4840D6202CC371C32CE0576098;\r\n*5D4840D6A4B2C1;\r\n";
    int64_t frames = 0;
    feedInChunks<AvrFramer>(state, feed, [&frames](const ModeSFrame& frame) {
        benchmark::DoNotOptimize(frame.reply.constData());
        ++frames;
        return true;
    });
    state.counters["frames/s"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AvrFramer)->Unit(benchmark::kMillisecond);

void BM_JsonFramer(benchmark::State& state) {
    QByteArray array = "[";
    for (int i = 0; i < 100; ++i) {
        array += (i ? "," : "") + QByteArray(R"({"icao":"3C6444","callsign":"DLH1234 ",)") +
                 R"("lat":50.0333,"lon":8.5706,"alt_baro":36000,"gs":451.5,"track":271.2})";
    }
    array += "]\n";
    QByteArray feed;
    while (feed.size() < (1 << 20))
        feed += array;
    feedInChunks<JsonFramer>(state, feed, [](const QByteArray& text, quint64, int) {
        benchmark::DoNotOptimize(text.constData());
    });
}
BENCHMARK(BM_JsonFramer)->Unit(benchmark::kMillisecond);

// The aviation database of the build when there is one (the real address blocks), else none.
const LibAvistore& aviation() {
    static LibAvistore* store = [] {
        qInstallMessageHandler(quiet);
        auto* s = new LibAvistore;
#ifdef VELTMAR_AVISTORE_DB
        s->loadFromSQLite(QFileInfo(QStringLiteral(VELTMAR_AVISTORE_DB)));
#endif
        return s;
    }();
    return *store;
}

// 2,000 aircraft of a busy sky as the tracker holds them, every other one on an airline flight.
std::vector<ADSBTarget> busySky(const char* airline) {
    brannic::modes::ADSBTracker tracker;
    for (quint32 i = 0; i < 2000; ++i) {
        brannic::modes::ADSBTargetReport report;
        report.setIcaoAddress(0x300000 + i * 389);  // Italy, Spain and France
        report.setLastUpdate(1709251200000ull);
        if (i % 2 == 0) {
            report.setCallsign(std::string(airline) + std::to_string(100 + i % 9000) + " ");
            report.setCallsignLastUpdate(1709251200000ull);
        }
        tracker.procTargetReport(&report);
    }
    return tracker.allTargets();
}

// The first minute of a new file: 2,000 inserts.
void BM_AircraftTableFirstMinute(benchmark::State& state) {
    const std::vector<ADSBTarget> targets = busySky("DLH");
    QTemporaryDir dir;
    AircraftDatabase table(aviation().getICAOAddrDict());
    table.setEnabled(true);
    for (auto _ : state) {
        state.PauseTiming();
        table.close();
        QFile::remove(dir.filePath(QStringLiteral("aircraft.db")));
        table.setFile(dir.filePath(QStringLiteral("aircraft.db")));
        if (!table.open())
            std::abort();
        state.ResumeTiming();
        table.update(targets);
    }
    state.counters["aircraft"] = double(targets.size());
}
BENCHMARK(BM_AircraftTableFirstMinute)->Unit(benchmark::kMillisecond);

// A later minute: 2,000 known aircraft, each row's airline changing.
void BM_AircraftTableLaterMinute(benchmark::State& state) {
    const std::vector<ADSBTarget> skies[2] = {busySky("DLH"), busySky("BAW")};
    QTemporaryDir dir;
    AircraftDatabase table(aviation().getICAOAddrDict());
    table.setEnabled(true);
    table.setFile(dir.filePath(QStringLiteral("aircraft.db")));
    if (!table.open())
        std::abort();
    table.update(skies[1]);
    int minute = 0;
    for (auto _ : state)
        table.update(skies[minute++ % 2]);
    state.counters["aircraft"] = double(skies[0].size());
}
BENCHMARK(BM_AircraftTableLaterMinute)->Unit(benchmark::kMillisecond);

}  // namespace
