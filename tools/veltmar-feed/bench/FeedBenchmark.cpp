// How fast the generator makes streams: a scene's transmissions, the measurement streams of
// arriving aircraft, and Beast framing. Figures are frames per second of CPU.
//
//   build/bin/bench/veltmar_feed_bench

#include <string>

#include <benchmark/benchmark.h>

#include "feedgen/BeastReader.h"
#include "feedgen/BeastWriter.h"
#include "feedgen/Scene.h"

namespace {

void generate(benchmark::State& state, feedgen::SceneConfig config) {
    int64_t frames = 0;
    for (auto _ : state) {
        feedgen::Scene scene(config);
        feedgen::Transmission t;
        for (int i = 0; i < 200000 && scene.next(t); ++i)
            ++frames;
        benchmark::DoNotOptimize(t);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}

void BM_Scene150(benchmark::State& state) {
    feedgen::SceneConfig config;
    config.aircraft = 150;
    generate(state, config);
}
BENCHMARK(BM_Scene150)->Unit(benchmark::kMillisecond);

void BM_ArrivalsAdsbOnly(benchmark::State& state) {
    generate(state, feedgen::arrivalStream(5000, false));
}
BENCHMARK(BM_ArrivalsAdsbOnly)->Unit(benchmark::kMillisecond);

void BM_ArrivalsMixed(benchmark::State& state) {
    generate(state, feedgen::arrivalStream(20000, true));
}
BENCHMARK(BM_ArrivalsMixed)->Unit(benchmark::kMillisecond);

// Framing and reading back 100,000 frames of a scene.
void BM_BeastWriteAndRead(benchmark::State& state) {
    feedgen::SceneConfig config;
    config.aircraft = 150;
    feedgen::Scene scene(config);
    std::vector<feedgen::Transmission> stream(100000);
    for (auto& t : stream)
        scene.next(t);
    const feedgen::BeastWriter writer(feedgen::ReceiverClock(feedgen::ClockKind::Counter12MHz, 0));
    std::string bytes;
    std::vector<feedgen::RecordedFrame> frames;
    for (auto _ : state) {
        bytes.clear();
        frames.clear();
        for (const auto& t : stream)
            writer.append(t, bytes);
        feedgen::BeastReader reader(feedgen::ClockKind::Counter12MHz);
        reader.feed(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), frames);
        benchmark::DoNotOptimize(frames.data());
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(stream.size() * state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BeastWriteAndRead)->Unit(benchmark::kMillisecond);

}  // namespace
