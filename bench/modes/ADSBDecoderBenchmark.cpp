// ADS-B decoding of a real recording (2000 extended squitters of one aircraft: identity,
// airborne position and velocity), message by message through the decoder, which allocates
// each message, decodes it and builds its field list.
//
//   build/bin/bench/modes_bench --benchmark_filter=ADSB

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <modes/ADSBDecoder.h>
#include <modes/Log.h>

namespace brannic {
namespace modes {
namespace {

// ME fields (bytes 4 to 10) of the recording kept with the library's tests.
std::vector<std::string> recordedMeFields() {
    // The benchmarks' data folder is bench/data; the recording lives beside the tests.
    std::string bench = VELTMAR_BENCH_DATA_DIR;
    bench = bench.substr(0, bench.rfind('/'));
    std::ifstream in(bench + "/../modes/tests/data/sample_data_adsb.csv");
    std::vector<std::string> fields;
    std::string line;
    while (std::getline(in, line)) {
        const auto open = line.find('"');
        if (open == std::string::npos || line.size() < open + 1 + 28)
            continue;
        std::string me;
        for (std::size_t i = 8; i < 22; i += 2) {
            me += static_cast<char>(std::stoi(line.substr(open + 1 + i, 2), nullptr, 16));
        }
        fields.push_back(me);
    }
    return fields;
}

void BM_ADSBDecoderRecording(benchmark::State& state) {
    const auto fields = recordedMeFields();
    if (fields.empty()) {
        state.SkipWithError("recording not found");
        return;
    }
    const MOPSVersion version = static_cast<MOPSVersion>(state.range(0));
    Log::setShowLevel(Log::WARNING);
    const ADSBDecoder decoder;
    for (auto _ : state) {
        for (const auto& me : fields) {
            std::unique_ptr<ADSBMessage> message(decoder.decode(version, me));
            benchmark::DoNotOptimize(message.get());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fields.size()));
}
BENCHMARK(BM_ADSBDecoderRecording)->Arg(MOPS_V0)->Arg(MOPS_V2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace modes
}  // namespace brannic
