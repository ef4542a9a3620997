// Data block decoding of CAT021 edition 2.4 traffic: records per second with the edition's UAP
// and with smart decode, results built in place or returned by value, and what clearing the
// 64-record result structure would cost.
//
// Run: build/bin/bench/asterix_bench --benchmark_filter=Cat021

#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include <asterix/asterix.h>

namespace {

// A stream of blocks of `perBlock` typical ADS-B reports each (14 items, 58 octets a record).
struct Stream {
    std::vector<uint8_t> octets;
    std::vector<size_t> starts;
    size_t records = 0;
};

Stream makeStream(int blocks, int perBlock) {
    Stream s;
    static ast_datablock_spec_t spec;
    static ast_cat021_v24_record_t forms[AST_MAX_DATARECORDS];
    uint8_t buffer[65536];
    for (int b = 0; b < blocks; ++b) {
        spec = {};
        spec.category = 21;
        spec.uap = AST_UAP_CAT021_VER24;
        spec.count = 0;
        std::vector<uint8_t> block(3);
        for (int r = 0; r < perBlock; ++r) {
            ast_cat021_v24_record_t& f = forms[r];
            f = {};
            f.i010 = {1, 25, 200};
            f.i040.present = 1;
            f.i040.arc = 1;
            f.i071 = {1, static_cast<uint32_t>(0x2A3000 + r), 0, 0, 0, 0};
            f.i072 = f.i071;
            f.i073 = f.i071;
            f.i080 = {1, {0, 0, 0}, static_cast<uint32_t>(0x780000 + b * 64 + r)};
            f.i090 = {1, 2, 7, 1, 3, 9, 0, 2, 1, 0};
            f.i130 = {1, 0, 0, 22.5 + r * 0.01, 114.25};
            f.i131 = {1, 0, 0, 22.5 + r * 0.01, 114.25};
            f.i145 = {1, 1400};
            f.i155 = {1, 0, 0, -640.0};
            f.i160 = {1, 0, 0, 450.0, 0, 270.0};
            f.i170 = {1, "CPA123"};
            f.i210 = {1, 0, 2, 2};
            uint8_t record[256];
            const ast_datarecord_t rec =
                ast_datarecord_021_v24_assemble(record, sizeof record, &f, AST_UAP_CAT021_VER24);
            if (!rec.ok)
                continue;
            block.insert(block.end(), record, record + rec.length);
            ++s.records;
        }
        block[0] = 21;
        block[1] = static_cast<uint8_t>(block.size() >> 8);
        block[2] = static_cast<uint8_t>(block.size());
        (void)buffer;
        s.starts.push_back(s.octets.size());
        s.octets.insert(s.octets.end(), block.begin(), block.end());
    }
    return s;
}

const Stream& stream(int perBlock) {
    static const Stream s8 = makeStream(1000, 8);
    static const Stream s64 = makeStream(200, 64);
    return perBlock == 64 ? s64 : s8;
}

ast_datablock_t g_block;

void BM_Cat021DecodeV24InPlace(benchmark::State& state) {
    const Stream& s = stream(static_cast<int>(state.range(0)));
    size_t records = 0;
    for (auto _ : state) {
        for (size_t start : s.starts) {
            ast_datablock_decode_into(&g_block, s.octets.data() + start, s.octets.size() - start,
                                      &AST_UAP_CAT021_VER24);
            records += g_block.count;
        }
        benchmark::ClobberMemory();
    }
    if (records != s.records * state.iterations())
        state.SkipWithError("records lost");
    state.SetItemsProcessed(static_cast<int64_t>(records));
}
BENCHMARK(BM_Cat021DecodeV24InPlace)->Arg(8)->Arg(64);

void BM_Cat021DecodeV24ByValue(benchmark::State& state) {
    const Stream& s = stream(static_cast<int>(state.range(0)));
    size_t records = 0;
    for (auto _ : state) {
        for (size_t start : s.starts) {
            g_block = ast_datablock_decode(s.octets.data() + start, s.octets.size() - start,
                                           &AST_UAP_CAT021_VER24);
            records += g_block.count;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(records));
}
BENCHMARK(BM_Cat021DecodeV24ByValue)->Arg(8)->Arg(64);

void BM_Cat021SmartDecodeInPlace(benchmark::State& state) {
    const Stream& s = stream(static_cast<int>(state.range(0)));
    size_t records = 0;
    for (auto _ : state) {
        for (size_t start : s.starts) {
            ast_datablock_smart_decode_into(&g_block, s.octets.data() + start,
                                            s.octets.size() - start);
            records += g_block.count;
        }
        benchmark::ClobberMemory();
    }
    if (records != s.records * state.iterations())
        state.SkipWithError("records lost");
    state.SetItemsProcessed(static_cast<int64_t>(records));
}
BENCHMARK(BM_Cat021SmartDecodeInPlace)->Arg(8)->Arg(64);

void BM_Cat021SmartDecodeByValue(benchmark::State& state) {
    const Stream& s = stream(static_cast<int>(state.range(0)));
    size_t records = 0;
    for (auto _ : state) {
        for (size_t start : s.starts) {
            g_block = ast_datablock_smart_decode(s.octets.data() + start, s.octets.size() - start);
            records += g_block.count;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(records));
}
BENCHMARK(BM_Cat021SmartDecodeByValue)->Arg(8)->Arg(64);

// What zero-initialising the result once per block would cost (the decoder does not do it).
void BM_Cat021ClearBlockStructure(benchmark::State& state) {
    for (auto _ : state) {
        std::memset(&g_block, 0, sizeof g_block);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sizeof g_block));
    state.counters["bytes_per_block"] = sizeof(ast_datablock_t);
}
BENCHMARK(BM_Cat021ClearBlockStructure);

}  // namespace
