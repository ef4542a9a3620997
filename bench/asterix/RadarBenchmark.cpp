// Data block decoding of real monoradar traffic: the CAT048 blocks of the radar capture
// (asterix/tests/data/cat_034_048.pcap, 86 blocks of 128 records, Mode S tracks with MB data),
// in records per second, with the standard UAP and with smart decode; and the same records read
// further, into their record forms.
//
// Run: build/bin/bench/asterix_bench --benchmark_filter=Cat048

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <asterix/asterix.h>

#include "PcapReader.h"

namespace {

struct Blocks {
    std::vector<std::vector<uint8_t>> blocks;
    size_t records = 0;
};

// The CAT048 blocks of the capture, each on its own.
const Blocks& cat048Blocks() {
    static const Blocks blocks = [] {
        Blocks out;
        std::ifstream in(std::string(VELTMAR_SOURCE_DIR) + "/asterix/tests/data/cat_034_048.pcap",
                         std::ios::binary);
        const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        static ast_datablock_t block;
        for (const UdpDatagram& datagram : readPcap(file).datagrams) {
            size_t pos = 0;
            while (pos + 3 <= datagram.payload.size()) {
                const size_t length = datagram.payload[pos + 1] << 8 | datagram.payload[pos + 2];
                if (length < 3 || pos + length > datagram.payload.size())
                    break;
                if (datagram.payload[pos] == 48) {
                    out.blocks.emplace_back(
                        datagram.payload.begin() + static_cast<long>(pos),
                        datagram.payload.begin() + static_cast<long>(pos + length));
                    ast_datablock_decode_into(&block, out.blocks.back().data(), length,
                                              &AST_UAP_STANDARD);
                    out.records += block.count;
                }
                pos += length;
            }
        }
        return out;
    }();
    return blocks;
}

void BM_Cat048BlockDecode(benchmark::State& state) {
    const Blocks& blocks = cat048Blocks();
    static ast_datablock_t block;
    for (auto _ : state) {
        for (const auto& octets : blocks.blocks) {
            ast_datablock_decode_into(&block, octets.data(), octets.size(), &AST_UAP_STANDARD);
            benchmark::DoNotOptimize(block.count);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * blocks.records));
    state.counters["records"] = static_cast<double>(blocks.records);
}
BENCHMARK(BM_Cat048BlockDecode);

void BM_Cat048BlockSmartDecode(benchmark::State& state) {
    const Blocks& blocks = cat048Blocks();
    static ast_datablock_t block;
    for (auto _ : state) {
        for (const auto& octets : blocks.blocks) {
            ast_datablock_smart_decode_into(&block, octets.data(), octets.size());
            benchmark::DoNotOptimize(block.count);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * blocks.records));
}
BENCHMARK(BM_Cat048BlockSmartDecode);

// Decode and disassemble every record into its record form (every item decoded, Mode S MB data
// and the ACAS report included).
void BM_Cat048BlockDecodeAndDisassemble(benchmark::State& state) {
    const Blocks& blocks = cat048Blocks();
    static ast_datablock_t block;
    static ast_cat048_record_t form;
    for (auto _ : state) {
        for (const auto& octets : blocks.blocks) {
            ast_datablock_decode_into(&block, octets.data(), octets.size(), &AST_UAP_STANDARD);
            for (uint64_t r = 0; r < block.count; ++r) {
                form = ast_datarecord_048_disassemble(&block.records[r]);
                benchmark::DoNotOptimize(form.ok);
            }
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * blocks.records));
}
BENCHMARK(BM_Cat048BlockDecodeAndDisassemble);

}  // namespace
