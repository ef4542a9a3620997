// Run: build/bin/bench/asterix_bench --benchmark_filter='Fspec|Item|Size|Record'
//
// FSPEC and generic item services: the inner loop of every record decode.

#include <cstring>

#include <benchmark/benchmark.h>

#include <asterix/asterix.h>

namespace {

const uint8_t FSPEC[] = {0xFB, 0xB7, 0xFF, 0x6B, 0x00};
const uint8_t RECORD_048[] = {0xCC, 0x19, 0xC8, 0xA8, 0xBF, 0xFF, 0x0F, 0xFF, 0x05, 0x78};

void BM_FspecDecode(benchmark::State& state) {
    for (auto _ : state) {
        ast_fspec_t f = ast_fspec_decode(FSPEC, sizeof FSPEC);
        benchmark::DoNotOptimize(f);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FspecDecode);

void BM_FspecIsSetAll(benchmark::State& state) {
    const ast_fspec_t f = ast_fspec_decode(FSPEC, sizeof FSPEC);
    for (auto _ : state) {
        unsigned set = 0;
        for (uint32_t frn = 1; frn <= f.bits; ++frn)
            set += ast_fspec_is_set(&f, frn);
        benchmark::DoNotOptimize(set);
    }
    state.SetItemsProcessed(state.iterations() * 35);
}
BENCHMARK(BM_FspecIsSetAll);

void BM_ItemDecodeFixed(benchmark::State& state) {
    for (auto _ : state) {
        ast_dataitem_t item = ast_dataitem_decode(RECORD_048 + 1, sizeof RECORD_048 - 1, 48010);
        benchmark::DoNotOptimize(item);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemDecodeFixed);

void BM_ItemTimeOfDayDecode(benchmark::State& state) {
    const ast_dataitem_t item = ast_dataitem_decode(RECORD_048 + 3, 3, 48140);
    for (auto _ : state) {
        ast_time_of_day_t t = ast_dataitem_time_of_day_decode(&item);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemTimeOfDayDecode);

void BM_ItemEncodeDataSource(benchmark::State& state) {
    ast_data_source_t ds = {1, 25, 200};
    ast_dataitem_value_t value = {48010, &ds};
    uint8_t out[4];
    for (auto _ : state) {
        ast_dataitem_t item = ast_dataitem_encode(out, sizeof out, &value);
        benchmark::DoNotOptimize(item);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemEncodeDataSource);

void BM_ItemSummary(benchmark::State& state) {
    const ast_dataitem_t item = ast_dataitem_decode(RECORD_048 + 3, 3, 48140);
    char text[64];
    for (auto _ : state) {
        ast_dataitem_get_summary(text, sizeof text, &item);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemSummary);

void BM_SizeVariable(benchmark::State& state) {
    const uint8_t data[] = {0x01, 0x01, 0x01, 0x00};
    for (auto _ : state) {
        uint64_t size = ast_dataitem_get_size_var_unlimited(data, sizeof data);
        benchmark::DoNotOptimize(size);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SizeVariable);

// A CAT048 record of four shared items, decoded with the standard UAP.
void BM_RecordDecode048(benchmark::State& state) {
    for (auto _ : state) {
        ast_datarecord_t r =
            ast_datarecord_decode(RECORD_048, sizeof RECORD_048, 48, &AST_UAP_STANDARD);
        benchmark::DoNotOptimize(r.ok);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordDecode048);

}  // namespace
