// The ASTERIX output cycle as the program runs it once a second: the tracker's changed targets
// copied out, each with a position encoded as a CAT021 record, the records packed into blocks
// under the default limits (1024 octets, 16 records). 2,000 tracked targets, every one
// changed, in edition 0.26 and in edition 2.4. The library log stays at INFO with a handler
// that drops the lines, so formatting the packer's block lines is counted as in the program.

#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <catbridge/ASTERIXEncoder.h>
#include <catbridge/ASTERIXPacker.h>
#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/LogHandler.h>

namespace {

using namespace brannic::modes;

constexpr uint64_t kNoon = 1709296496789ULL;
constexpr int kTargets = 2000;

class DropLines : public LogHandler {
public:
    void logMessage(const std::string&) override { ++lines; }
    long lines = 0;
};

// 2,000 airborne targets spread over a region, each with identity, position, altitude and
// velocity, as a busy receiver would hold them.
ADSBTracker busyTracker() {
    ADSBTracker tracker;
    for (int i = 0; i < kTargets; ++i) {
        ADSBTargetReport r;
        const uint64_t time = kNoon - static_cast<uint64_t>(i % 1000);
        r.setIcaoAddress(0x400000u + static_cast<uint32_t>(i) * 37u);
        r.setLastUpdate(time);
        r.setTrackId(static_cast<uint32_t>(i + 1));
        r.setCallsign("TST" + std::to_string(1000 + i));
        r.setCallsignLastUpdate(time);
        r.setCallsignLastChange(time);
        r.setSquawk(static_cast<uint32_t>(i % 4096));
        r.setSquawkLastUpdate(time);
        r.setPosition(40.0 + (i % 100) * 0.1, -5.0 + (i / 100) * 0.5);
        r.setPositionLastUpdate(time);
        r.setAltitudeBaro(1000 + (i % 400) * 100);
        r.setAltitudeBaroLastUpdate(time);
        r.setGroundSpeed(150.0 + i % 350);
        r.setGroundSpeedLastUpdate(time);
        r.setHeading((i * 7) % 360);
        r.setHeadingLastUpdate(time);
        r.setVerticalRateBaro((i % 41 - 20) * 64);
        r.setVerticalRateBaroLastUpdate(time);
        tracker.procTargetReport(&r);
    }
    return tracker;
}

void BM_OutputCycle(benchmark::State& state) {
    DropLines handler;
    Log::setLogHandler(&handler);
    const ADSBTracker tracker = busyTracker();
    const ASTERIXEncoder encoder;
    const ASTERIXPacker packer;
    ADSBServiceStatus status;
    status.setSac(25);
    status.setSic(201);
    const auto version = static_cast<ASTERIXEncoder::ASTERIXVersion>(state.range(0));

    std::size_t blocks = 0;
    std::size_t octets = 0;
    for (auto _ : state) {
        const std::vector<ADSBTarget> targets = tracker.allTargetsSince(0);
        std::list<DataRecord> records;
        for (const ADSBTarget& target : targets) {
            if (!target.positionValid())
                continue;
            DataRecord record = encoder.createTargetReport(&target, &status, version);
            if (record.valid())
                records.push_back(std::move(record));
        }
        const std::list<DataBlock> packed = packer.pack(records);
        blocks = packed.size();
        octets = 0;
        for (const DataBlock& b : packed)
            octets += b.constData().size();
        benchmark::DoNotOptimize(packed);
    }
    Log::setLogHandler(nullptr);
    state.counters["targets"] = kTargets;
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["octets"] = static_cast<double>(octets);
    state.SetItemsProcessed(state.iterations() * kTargets);
}
BENCHMARK(BM_OutputCycle)->Arg(26)->Arg(240)->Unit(benchmark::kMillisecond);

}  // namespace
