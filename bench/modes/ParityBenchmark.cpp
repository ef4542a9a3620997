// Parity and repair of single replies. The repair searches answer from syndrome tables;
// BM_BruteForce* run the literal search that they replace, for comparison.
//
//   build/bin/bench/modes_bench --benchmark_filter='Parity|Fix'

#include <benchmark/benchmark.h>

#include <string>

#include "TestReply.h"

namespace brannic {
namespace modes {
namespace {

std::string hex(const char* text) {
    std::string bytes;
    for (const char* p = text; p[0] && p[1]; p += 2) {
        bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
    }
    return bytes;
}

const std::string kSquitter = hex("8D406B902015A678D4D220AA4BDA");
constexpr uint32_t kPI = 0xAA4BDA;

std::string damaged(std::initializer_list<unsigned> positions) {
    std::string data = kSquitter;
    for (unsigned pos : positions)
        flipBit(data, pos);
    return data;
}

void BM_Parity112(benchmark::State& state) {
    LongReply reply;
    std::string data = kSquitter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reply.calculateParity(data));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Parity112);

void BM_FixError1Bit(benchmark::State& state) {
    LongReply reply;
    const std::string input = damaged({77});
    for (auto _ : state) {
        std::string data = input;
        uint8_t pos = 0;
        benchmark::DoNotOptimize(reply.fixError1Bit(data, pos, kPI));
    }
}
BENCHMARK(BM_FixError1Bit);

void BM_FixError2Bits_Repairable(benchmark::State& state) {
    LongReply reply;
    const std::string input = damaged({50, 86});
    for (auto _ : state) {
        std::string data = input;
        uint8_t a = 0, b = 0;
        benchmark::DoNotOptimize(reply.fixError2Bits(data, a, b, kPI));
    }
}
BENCHMARK(BM_FixError2Bits_Repairable);

void BM_FixError2Bits_ThreeBitError(benchmark::State& state) {
    LongReply reply;
    const std::string input = damaged({3, 40, 77});
    for (auto _ : state) {
        std::string data = input;
        uint8_t a = 0, b = 0;
        benchmark::DoNotOptimize(reply.fixError2Bits(data, a, b, kPI));
    }
}
BENCHMARK(BM_FixError2Bits_ThreeBitError);

void BM_BruteForceFix2Bits_ThreeBitError(benchmark::State& state) {
    LongReply reply;
    const std::string input = damaged({3, 40, 77});
    for (auto _ : state) {
        std::string data = input;
        uint8_t a = 0, b = 0;
        benchmark::DoNotOptimize(bruteForceFix2Bits(reply, data, a, b, kPI));
    }
}
BENCHMARK(BM_BruteForceFix2Bits_ThreeBitError)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace modes
}  // namespace brannic
