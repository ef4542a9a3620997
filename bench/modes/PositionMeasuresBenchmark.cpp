// Decode and track generated traffic with the tracker's position measures off (their
// defaults) and all on (receiver position, local and surface decoding, range and speed
// checks, new targets only from error-free replies): what the measures cost per reply.
//
//   build/bin/bench/modes_bench --benchmark_filter=PositionMeasures

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>

#include "TrafficGenerator.h"

namespace brannic {
namespace modes {
namespace {

// 300 aircraft around 51.5 N 5.5 E, one in eight on the ground, with Mode S replies, every
// kind of squitter, 2 % damaged squitters and 1 % noise.
const std::vector<traffic::Frame>& scene() {
    static const std::vector<traffic::Frame> frames = [] {
        traffic::Options o;
        o.aircraft = 300;
        o.heardSeconds = 120;
        o.arrivalMs = 300;
        o.modeS = true;
        o.squitterVariety = true;
        o.surface = true;
        o.damaged = 0.02;
        o.noise = 0.01;
        o.seed = 5;
        return traffic::generate(o);
    }();
    return frames;
}

void BM_PositionMeasures_DecodeAndTrack(benchmark::State& state) {
    Log::setShowLevel(Log::PANIC);
    const auto& frames = scene();
    ModeSDecoder decoder;
    ADSBTracker tracker;
    if (state.range(0) != 0) {
        ADSBTrackerSettings s;
        s.receiverPositionSet = true;
        s.receiverPosition = {51.5, 5.5};
        s.localDecoding = true;
        s.airborneSpeedLimit = 1000;
        s.surfaceSpeedLimit = 100;
        s.maximumRange = 180;
        s.newTargetsOnlyFromErrorFreeReplies = true;
        tracker.setSettings(s);
    }
    // Each pass replays the scene an hour later, after the previous pass's targets expired.
    const uint64_t span = frames.back().time - frames.front().time + 3600000;
    uint64_t offset = 0;
    std::size_t i = 0;
    uint64_t positions = 0;
    for (auto _ : state) {
        const traffic::Frame& f = frames[i];
        const uint64_t time = f.time + offset;
        std::unique_ptr<ModeSMessage> msg(decoder.decode(
            ModeSMessage::DOWNLINK, reinterpret_cast<const unsigned char*>(f.bytes), f.size, time));
        if (msg) {
            const ADSBTarget* target = tracker.procModeSMsg(msg.get());
            positions += target != nullptr && target->positionLastUpdate() == time;
        }
        if (++i == frames.size()) {
            i = 0;
            offset += span;
            state.PauseTiming();
            tracker.killTargets(time);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["placed"] = benchmark::Counter(static_cast<double>(positions) /
                                                  static_cast<double>(state.iterations()));
    Log::setShowLevel(Log::INFO);
}
BENCHMARK(BM_PositionMeasures_DecodeAndTrack)->Arg(0)->Arg(1)->ArgName("measures");

}  // namespace
}  // namespace modes
}  // namespace brannic
