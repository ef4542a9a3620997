// The whole core path of one reply: bytes to ModeSDecoder::decode to ADSBTracker::procModeSMsg,
// on a realistic mix with a few hundred live targets.
//
//   build/bin/bench/modes_bench --benchmark_filter=CorePath

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>

#include "ReplyMix.h"

namespace brannic {
namespace modes {
namespace {

void BM_CorePath_DecodeAndTrack(benchmark::State& state) {
    Log::setShowLevel(Log::PANIC);
    const std::vector<std::string> mix = bench::realisticMix(300);
    ModeSDecoder decoder;
    ADSBTracker tracker;
    uint64_t time = 1600000000000ull;
    size_t i = 0;
    for (auto _ : state) {
        std::unique_ptr<ModeSMessage> msg(decoder.decode(ModeSMessage::DOWNLINK, mix[i], time));
        if (msg)
            benchmark::DoNotOptimize(tracker.procModeSMsg(msg.get()));
        if (++i == mix.size())
            i = 0;
        time += 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["targets"] = static_cast<double>(tracker.allTargets().size());
    Log::setShowLevel(Log::INFO);
}
BENCHMARK(BM_CorePath_DecodeAndTrack);

}  // namespace
}  // namespace modes
}  // namespace brannic
