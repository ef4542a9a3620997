// Decoding a feed document of an external tracker, sized like one busy receiver's picture,
// and rendering one report as an HTML page.
//
//   build/bin/bench/reportcodec_bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <modes/Log.h>
#include <reportcodec/ADSBTargetReportJsonDecoder.h>

namespace brannic {
namespace modes {
namespace {

std::string document(int targets) {
    std::string text = "[";
    for (int i = 1; i <= targets; ++i) {
        char element[256];
        std::snprintf(element, sizeof element,
                      "%s{\"uti\":%d,\"hex\":\"%06X\",\"fli\":\"TST%04d \",\"squ\":\"%04o\","
                      "\"lat\":%d.123456,\"lon\":%d.654321,\"alt\":%d,\"spd\":%d,\"trk\":%d,"
                      "\"vrt\":%d,\"gda\":\"A\"}",
                      i > 1 ? "," : "", 1610265903 + i, 0x400000 + i, i, i % 4096, i % 90, i % 180,
                      1000 + i * 25, 100 + i % 400, i % 360, (i % 40 - 20) * 64);
        text += element;
    }
    return text + "]";
}

void BM_DecodeDocument(benchmark::State& state) {
    Log::setShowLevel(Log::WARNING);
    const ADSBTargetReportJsonDecoder decoder;
    const std::string text = document(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(decoder.decode(text));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_DecodeDocument)->Arg(1)->Arg(200)->Arg(2000);

void BM_ReportToHtml(benchmark::State& state) {
    Log::setShowLevel(Log::WARNING);
    const auto reports = ADSBTargetReportJsonDecoder().decode(document(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(reports[0].toHtml("td { padding: 2px; }"));
    }
}
BENCHMARK(BM_ReportToHtml);

}  // namespace
}  // namespace modes
}  // namespace brannic
