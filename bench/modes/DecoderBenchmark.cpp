// Throughput of ModeSDecoder::decode on a realistic reply mix (bench/data/modes-replies.csv):
// every downlink format a receiver hears, in the shares it hears them, one extended squitter in
// ten with one or two bits in error. The decoder lives across the whole run, as in the program,
// so its address and interrogator tables fill up; each returned message is deleted.
//
//   build/bin/bench/modes_bench --benchmark_filter=Decoder
//
// items_per_second is replies per second on one core.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include <modes/Log.h>
#include <modes/LogHandler.h>
#include <modes/ModeSDecoder.h>

namespace brannic {
namespace modes {
namespace {

// The program installs a handler of its own; writing to std::clog would measure the terminal.
class Discard : public LogHandler {
public:
    void logMessage(const std::string&) override {}
};

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// The mix, with every tenth extended squitter damaged: one bit, or two, at data positions
// (5 to 87) drawn from a fixed seed.
std::vector<std::string> loadMix(std::size_t* damagedCount) {
    std::ifstream in(std::string(VELTMAR_BENCH_DATA_DIR) + "/modes-replies.csv");
    std::vector<std::string> replies;
    std::string line;
    std::getline(in, line);  // header
    uint32_t state = 1090;
    auto next = [&state](unsigned bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    std::size_t squitters = 0;
    *damagedCount = 0;
    while (std::getline(in, line)) {
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        std::string reply = fromHex(line.substr(comma + 1));
        if (line.compare(0, comma, "df17") == 0 && ++squitters % 10 == 0) {
            const int flips = 1 + static_cast<int>(*damagedCount % 2);
            for (int k = 0; k < flips; ++k) {
                const unsigned pos = 5 + next(83);
                reply[pos / 8] = static_cast<char>(reply[pos / 8] ^ (0x80 >> (pos % 8)));
            }
            ++*damagedCount;
        }
        replies.push_back(reply);
    }
    return replies;
}

void BM_DecoderMix(benchmark::State& state) {
    Discard discard;
    Log::setLogHandler(&discard);
    std::size_t damaged = 0;
    const std::vector<std::string> replies = loadMix(&damaged);
    if (replies.empty()) {
        state.SkipWithError("bench/data/modes-replies.csv not found");
        Log::setLogHandler(nullptr);
        return;
    }
    ModeSDecoder decoder;
    std::size_t i = 0;
    std::size_t returned = 0;
    for (auto _ : state) {
        ModeSMessage* message = decoder.decode(ModeSMessage::DOWNLINK, replies[i]);
        benchmark::DoNotOptimize(message);
        returned += message != nullptr;
        delete message;
        if (++i == replies.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["replies"] = static_cast<double>(replies.size());
    state.counters["damaged"] = static_cast<double>(damaged);
    state.counters["returned"] =
        benchmark::Counter(static_cast<double>(returned) / static_cast<double>(state.iterations()));
    Log::setLogHandler(nullptr);
}
BENCHMARK(BM_DecoderMix);

// One valid extended squitter over and over: the floor of the per-reply cost.
void BM_DecoderSquitter(benchmark::State& state) {
    Discard discard;
    Log::setLogHandler(&discard);
    const std::string reply = fromHex("8D406B902015A678D4D220AA4BDA");
    ModeSDecoder decoder;
    for (auto _ : state) {
        ModeSMessage* message = decoder.decode(ModeSMessage::DOWNLINK, reply);
        benchmark::DoNotOptimize(message);
        delete message;
    }
    state.SetItemsProcessed(state.iterations());
    Log::setLogHandler(nullptr);
}
BENCHMARK(BM_DecoderSquitter);

}  // namespace
}  // namespace modes
}  // namespace brannic
