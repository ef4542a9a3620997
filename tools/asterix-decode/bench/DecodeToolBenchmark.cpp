// Records per second through asterix-decode's own path: a capture read frame by frame, its
// datagrams cut into blocks, each block walked record by record (smart decode or a chosen
// profile) and every record formatted, the output written to /dev/null. The input is the
// 120-block radar capture (162 records) repeated 2,000 times in one capture: 324,000 records.

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <asterix/asterix.h>

#include "Run.h"

namespace {

constexpr int REPEATS = 2000;

// The capture with its frames repeated: the 24-octet file header once, then every frame
// (16-octet header and data) REPEATS times over.
const std::vector<uint8_t>& bigCapture() {
    static const std::vector<uint8_t> capture = [] {
        std::ifstream in(std::string(VELTMAR_BENCH_DATA_DIR) + "/cat_034_048.pcap",
                         std::ios::binary);
        const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        std::vector<uint8_t> out(file.begin(), file.begin() + 24);
        out.reserve(24 + (file.size() - 24) * REPEATS);
        for (int i = 0; i < REPEATS; ++i)
            out.insert(out.end(), file.begin() + 24, file.end());
        return out;
    }();
    return capture;
}

void decodeCapture(benchmark::State& state, asterixdecode::Format format, bool smart) {
    asterixdecode::DecodeOptions options;
    options.format = format;
    if (!smart) {
        options.uaps[34] = &AST_UAP_STANDARD;
        options.uaps[48] = &AST_UAP_STANDARD;
    }
    for (uint32_t k = 0; k < AST_KEYWORD_COUNT; ++k)
        if (format == asterixdecode::Format::Json || k == AST_KEYWORD_SACSIC ||
            k == AST_KEYWORD_TIMESTAMP || k == AST_KEYWORD_TRACKNUM || k == AST_KEYWORD_MODE3A ||
            k == AST_KEYWORD_CALLSIGN || k == AST_KEYWORD_ICAOADDR ||
            k == AST_KEYWORD_WGS84COORD || k == AST_KEYWORD_FLIGHTLEVEL)
            options.keywords.push_back(k);
    const std::vector<uint8_t>& capture = bigCapture();
    const int null = ::open("/dev/null", O_WRONLY);
    uint64_t records = 0;
    for (auto _ : state) {
        asterixdecode::Output out(null), err(null);
        asterixdecode::Decoder decoder(options, out, err);
        asterixdecode::MemorySource source(capture.data(), capture.size());
        asterixdecode::decodeInput(source, "bench", 0, decoder, err);
        out.flush();
        for (const auto& c : decoder.counts())
            records += c.second.records;
        if (decoder.failures())
            state.SkipWithError("a block failed");
    }
    ::close(null);
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
}

void BM_ToolText(benchmark::State& state) {
    decodeCapture(state, asterixdecode::Format::Text, true);
}
void BM_ToolTextChosenProfile(benchmark::State& state) {
    decodeCapture(state, asterixdecode::Format::Text, false);
}
void BM_ToolKeywords(benchmark::State& state) {
    decodeCapture(state, asterixdecode::Format::Keywords, true);
}
void BM_ToolJson(benchmark::State& state) {
    decodeCapture(state, asterixdecode::Format::Json, true);
}

}  // namespace

BENCHMARK(BM_ToolText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolTextChosenProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolKeywords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolJson)->Unit(benchmark::kMillisecond);
