// Data records and data blocks: decode, smart decode, encode, modify, copy and the limits.

#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "PcapReader.h"

namespace {

// CAT048 record: FRN 1 I048/010, FRN 2 I048/140, FRN 5 I048/070, FRN 6 I048/090.
const char* const RECORD_048 = "CC 19 C8 A8 BF FF 0F FF 05 78";

Bytes block(uint8_t category, const std::string& records) {
    Bytes out = hexBytes("000000 " + records);
    const size_t length = out.size();
    out[0] = category;
    out[1] = static_cast<uint8_t>(length >> 8);
    out[2] = static_cast<uint8_t>(length);
    return out;
}

// One octet as the dump writes it, separator included.
std::string hexDumpOctet(uint8_t octet) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%.2X, ", octet);
    return text;
}

std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text + " ";
    return out;
}

// A profile whose every FRN is I048/010, to fill the 32 items of a record.
uint32_t allMaxFrn(uint32_t) {
    return 70;
}
ast_dataitem_type_t allDataSource(uint32_t, uint32_t) {
    return 48010;
}
const ast_uap_t ALL_DATA_SOURCE = {&allMaxFrn, &allDataSource};

}  // namespace

TEST(Record, DecodesItemsInUapOrder) {
    const Bytes data = hexBytes(RECORD_048);
    const ast_datarecord_t r =
        ast_datarecord_decode(data.data(), data.size(), 48, &AST_UAP_STANDARD);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.length, 10u);
    EXPECT_EQ(r.category, 48u);
    ASSERT_EQ(r.count, 4u);
    const ast_dataitem_type_t types[] = {48010, 48140, 48070, 48090};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(r.items[i].type, types[i]) << i;
    EXPECT_EQ(r.items[3].data, data.data() + 8);
}

TEST(Record, FailuresKeepWhatDecoded) {
    const struct {
        const char* name;
        const char* hex;
        uint64_t items;
        const char* line;
    } rows[] = {
        {"only FX bits", "01 00", 0, nullptr},
        {"FSPEC past the buffer", "FF", 0, nullptr},
        {"short last item", "CC 19 C8 A8 BF FF 0F FF 05", 3, nullptr},
        // I048/210 (FRN 15) has no descriptor.
        {"unsupported item", "81 01 80 19 C8 00 00 00 00", 1, "Unsupported dataitem I048/210"},
    };
    for (const auto& row : rows) {
        AstLogCapture log;
        const Bytes data = hexBytes(row.hex);
        const ast_datarecord_t r =
            ast_datarecord_decode(data.data(), data.size(), 48, &AST_UAP_STANDARD);
        EXPECT_FALSE(r.ok) << row.name;
        EXPECT_EQ(r.length, 0u) << row.name;
        EXPECT_EQ(r.count, row.items) << row.name;
        if (row.line) {
            EXPECT_EQ(log.count(AST_LOG_CRITICAL, row.line), 1) << row.name;
        }
    }
}

TEST(Record, FspecLongerThanTheUapLogsEachUndefinedFrn) {
    AstLogCapture log;
    // Five FSPEC octets cover FRNs 1 to 35; CAT048 has 28.
    const Bytes data = hexBytes("81 01 01 01 00 19 C8");
    const ast_datarecord_t r =
        ast_datarecord_decode(data.data(), data.size(), 48, &AST_UAP_STANDARD);
    EXPECT_TRUE(r.ok);
    for (int frn = 29; frn <= 35; ++frn)
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, "UAP CAT048: Undefined FRN " + std::to_string(frn)),
                  1)
            << frn;
    EXPECT_EQ(log.size(), 7u);
}

TEST(Record, ThirtyTwoItemsFitAndTheThirtyThirdFails) {
    // 32 FRN bits set in five FSPEC octets, then 32 data source items.
    std::string fspec32 = "FF FF FF FF 78", items32 = repeat("01 02", 32);
    Bytes data = hexBytes(fspec32 + items32);
    ast_datarecord_t r = ast_datarecord_decode(data.data(), data.size(), 48, &ALL_DATA_SOURCE);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 32u);
    data = hexBytes("FF FF FF FF 7C " + repeat("01 02", 33));
    r = ast_datarecord_decode(data.data(), data.size(), 48, &ALL_DATA_SOURCE);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.count, 32u);
}

TEST(Block, HeaderAndLengthRules) {
    const struct {
        const char* name;
        const char* hex;
        uint64_t available;
        bool ok;
        uint64_t length;
        uint32_t category;
        uint64_t records;
    } rows[] = {
        {"LEN 3, no records", "30 00 03", 3, true, 3, 48, 0},
        {"LEN 2", "30 00 02", 3, false, 2, 48, 0},
        {"LEN beyond available", "30 00 0E CC 19 C8 A8 BF FF 0F FF 05 78", 13, false, 0, 48, 0},
        {"fewer than 3 octets", "30 00", 2, false, 0, 0, 0},
        {"one record", "30 00 0D CC 19 C8 A8 BF FF 0F FF 05 78", 13, true, 13, 48, 1},
        {"records end before LEN", "30 00 0E CC 19 C8 A8 BF FF 0F FF 05 78 00", 14, false, 14, 48,
         1},
        {"record crosses LEN", "30 00 0C CC 19 C8 A8 BF FF 0F FF 05 78", 13, false, 12, 48, 1},
        {"FX-only FSPEC", "30 00 05 01 00", 5, false, 5, 48, 0},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        const ast_datablock_t b =
            ast_datablock_decode(data.data(), row.available, &AST_UAP_STANDARD);
        EXPECT_EQ(bool(b.ok), row.ok) << row.name;
        EXPECT_EQ(b.length, row.length) << row.name;
        EXPECT_EQ(b.category, row.category) << row.name;
        EXPECT_EQ(b.count, row.records) << row.name;
        EXPECT_EQ(b.records_data, data.data() + 3) << row.name;
    }
    EXPECT_FALSE(ast_datablock_decode(nullptr, 10, &AST_UAP_STANDARD).ok);
}

TEST(Block, SixtyFourRecordsFitAndTheSixtyFifthFails) {
    Bytes data = block(48, repeat(RECORD_048, 64));
    ast_datablock_t b = ast_datablock_decode(data.data(), data.size(), &AST_UAP_STANDARD);
    EXPECT_TRUE(b.ok);
    EXPECT_EQ(b.count, 64u);

    AstLogCapture log;
    data = block(48, repeat(RECORD_048, 65));
    b = ast_datablock_decode(data.data(), data.size(), &AST_UAP_STANDARD);
    EXPECT_FALSE(b.ok);
    EXPECT_EQ(b.count, 64u);
    EXPECT_EQ(log.count(AST_LOG_PANIC, "Number of datarecords 65 exceed limitation."), 1);
    EXPECT_EQ(log.all()[0].first, AST_LOG_PANIC);
}

// The refused block follows the PANIC line in the log, but only its first 256 octets: a whole
// block of up to 65535 octets would be some 4,000 lines, and a log pane that keeps its last
// thousand lines would lose the PANIC line itself.
TEST(Block, TheSixtyFifthRecordDumpsAtMost256Octets) {
    const struct {
        const char* name;
        const char* record;
        size_t available;  // the block padded with zeros to this size, or 0 for the block alone
        size_t dumpLines;
        const char* leftOut;  // the closing line, or nullptr for none
    } rows[] = {
        // 65 records of FSPEC and I048/010: 198 octets, all shown.
        {"short block", "80 19 C8", 0, 13, nullptr},
        {"exactly 256 octets", "80 19 C8", 256, 16, nullptr},
        {"257 octets", "80 19 C8", 257, 16, "1 further octets left out."},
        // 65 records of 10 octets: 653 octets.
        {"long block", RECORD_048, 0, 16, "397 further octets left out."},
    };
    for (const auto& row : rows) {
        Bytes data = block(48, repeat(row.record, 65));
        if (row.available)
            data.resize(row.available, 0);
        AstLogCapture log;
        const ast_datablock_t b = ast_datablock_decode(data.data(), data.size(), &AST_UAP_STANDARD);
        EXPECT_FALSE(b.ok) << row.name;
        EXPECT_EQ(b.count, 64u) << row.name;
        ASSERT_GE(log.size(), 2u) << row.name;
        EXPECT_EQ(log.all()[0], std::make_pair(int{AST_LOG_PANIC},
                                               std::string("Number of datarecords 65 exceed limitation.")))
            << row.name;
        EXPECT_EQ(log.all()[1].second, "Binary data size: " + std::to_string(data.size())) << row.name;
        EXPECT_EQ(log.size(), 2 + row.dumpLines + (row.leftOut ? 1 : 0)) << row.name;
        // The dump: 16 octets a line, trailing separator removed, the last line as far as it goes.
        EXPECT_EQ(log.all()[2].second.substr(0, 18), "0x30, " + hexDumpOctet(data[1]) + hexDumpOctet(data[2]))
            << row.name;
        const std::string& last = log.all()[1 + row.dumpLines].second;
        EXPECT_NE(last.back(), ' ') << row.name;
        const size_t shown = data.size() < 256 ? data.size() : 256;
        EXPECT_EQ(last.size(), (shown - 16 * (row.dumpLines - 1)) * 6 - 2) << row.name;
        if (row.leftOut) {
            EXPECT_EQ(log.all().back(), std::make_pair(int{AST_LOG_DEBUG}, std::string(row.leftOut)))
                << row.name;
        }
        for (const auto& line : log.all())
            if (&line != &log.all()[0]) {
                EXPECT_EQ(line.first, AST_LOG_DEBUG) << row.name << ": " << line.second;
            }
    }
}

// ---- the record iterator ---------------------------------------------------------------------

namespace {

// Walks a block to its end; the records' lengths in order.
struct Walk {
    std::vector<uint64_t> lengths;
    bool ok = false;
    ast_datablock_iter_t iter{};
};

Walk walk(ast_datablock_iter_t iter) {
    Walk out;
    ast_datarecord_t record;
    while (ast_datablock_iter_next(&iter, &record))
        out.lengths.push_back(record.length);
    out.ok = ast_datablock_iter_ok(&iter);
    out.iter = iter;
    return out;
}

}  // namespace

// The iterator follows the block decode's rules for the header and LEN, record for record.
TEST(BlockIter, AgreesWithBlockDecodeOnHeaderAndLength) {
    const char* const blocks[] = {
        "30 00 03",
        "30 00 02",
        "30 00 0E CC 19 C8 A8 BF FF 0F FF 05 78",
        "30 00",
        "30 00 0D CC 19 C8 A8 BF FF 0F FF 05 78",
        "30 00 0E CC 19 C8 A8 BF FF 0F FF 05 78 00",
        "30 00 0C CC 19 C8 A8 BF FF 0F FF 05 78",
        "30 00 05 01 00",
        "30 00 10 CC 19 C8 A8 BF FF 0F FF 05 78 80 19 C8",
    };
    for (const char* hex : blocks) {
        const Bytes data = hexBytes(hex);
        const ast_datablock_t b = ast_datablock_decode(data.data(), data.size(), &AST_UAP_STANDARD);
        const Walk w = walk(ast_datablock_iter_begin(data.data(), data.size(), &AST_UAP_STANDARD));
        EXPECT_EQ(w.ok, bool(b.ok)) << hex;
        EXPECT_EQ(w.iter.length, b.length) << hex;
        EXPECT_EQ(w.iter.category, b.category) << hex;
        ASSERT_EQ(w.lengths.size(), b.count) << hex;
        for (size_t i = 0; i < w.lengths.size(); ++i)
            EXPECT_EQ(w.lengths[i], b.records[i].length) << hex << " record " << i;
    }
    const Walk none = walk(ast_datablock_iter_begin(nullptr, 10, &AST_UAP_STANDARD));
    EXPECT_FALSE(none.ok);
    EXPECT_TRUE(none.lengths.empty());
}

TEST(BlockIter, WalksPastSixtyFourRecordsWithoutPanic) {
    const struct {
        const char* record;
        int records;
    } rows[] = {{"80 19 C8", 65}, {"80 19 C8", 21844}, {RECORD_048, 200}, {RECORD_048, 6553}};
    for (const auto& row : rows) {
        const Bytes data = block(48, repeat(row.record, row.records));
        AstLogCapture log;
        Walk w = walk(ast_datablock_iter_begin(data.data(), data.size(), &AST_UAP_STANDARD));
        EXPECT_TRUE(w.ok) << row.records;
        EXPECT_EQ(w.lengths.size(), size_t(row.records));
        EXPECT_EQ(w.iter.count, uint64_t(row.records));
        EXPECT_EQ(w.iter.pos, data.size());
        w = walk(ast_datablock_iter_smart_begin(data.data(), data.size()));
        EXPECT_TRUE(w.ok) << row.records;
        EXPECT_EQ(w.lengths.size(), size_t(row.records));
        EXPECT_EQ(log.size(), 0u) << row.records;
    }
}

TEST(BlockIter, AFailedRecordIsHandedOverAndEndsTheWalk) {
    // Record 2 announces I048/140 but the block ends after one of its octets.
    const Bytes data = hexBytes("30 00 0A 80 19 C8 C0 19 C8 A8");
    ast_datablock_iter_t iter = ast_datablock_iter_begin(data.data(), data.size(), &AST_UAP_STANDARD);
    ast_datarecord_t record;
    ASSERT_TRUE(ast_datablock_iter_next(&iter, &record));
    EXPECT_EQ(record.data, data.data() + 3);
    std::memset(&record, POISON, sizeof record);
    EXPECT_FALSE(ast_datablock_iter_next(&iter, &record));
    EXPECT_FALSE(record.ok);
    EXPECT_EQ(record.data, data.data() + 6);
    EXPECT_EQ(record.count, 1u);  // I048/010 decoded, I048/140 short
    EXPECT_EQ(record.fspec.length, 1u);
    EXPECT_TRUE(iter.failed);
    EXPECT_EQ(iter.count, 1u);
    // Later calls leave the record as it is.
    std::memset(&record, POISON, sizeof record);
    EXPECT_FALSE(ast_datablock_iter_next(&iter, &record));
    EXPECT_EQ(record.ok, POISON);
    EXPECT_FALSE(ast_datablock_iter_ok(&iter));
}

TEST(BlockIter, SmartBeginChoosesCat001ProfilesPerRecord) {
    // 40 plots (TYP 0) and 40 tracks (TYP 1): more than a decoded block holds.
    const Bytes data = block(1, repeat("C0 01 02 00 C0 01 02 80", 40));
    ast_datablock_iter_t iter = ast_datablock_iter_smart_begin(data.data(), data.size());
    EXPECT_TRUE(iter.cat001_by_typ);
    ast_datarecord_t record;
    int plots = 0, tracks = 0;
    while (ast_datablock_iter_next(&iter, &record)) {
        plots += record.uap.get_dataitem == AST_UAP_CAT001_PLOT.get_dataitem;
        tracks += record.uap.get_dataitem == AST_UAP_STANDARD.get_dataitem;
    }
    EXPECT_TRUE(ast_datablock_iter_ok(&iter));
    EXPECT_EQ(plots, 40);
    EXPECT_EQ(tracks, 40);
    // Without I001/020 there is no TYP to choose by: the record fails before its first item.
    const Bytes noTyp = block(1, "80 01 02");
    iter = ast_datablock_iter_begin(noTyp.data(), noTyp.size(), &AST_UAP_STANDARD);
    iter.cat001_by_typ = 1;
    EXPECT_FALSE(ast_datablock_iter_next(&iter, &record));
    EXPECT_FALSE(record.ok);
    EXPECT_EQ(record.data, noTyp.data() + 3);
    EXPECT_EQ(record.count, 0u);
}

// Every block of the real radar capture walks as smart decode decodes it.
TEST(BlockIter, RealCaptureAgreesWithSmartDecode) {
    const PcapCapture capture = readPcap(readFile("cat_034_048.pcap"));
    ASSERT_TRUE(capture.ok);
    size_t blocks = 0;
    for (const UdpDatagram& datagram : capture.datagrams) {
        const uint8_t* data = datagram.payload.data();
        const uint64_t size = datagram.payload.size();
        for (uint64_t at = 0; at + 3 <= size;) {
            const ast_datablock_t b = ast_datablock_smart_decode(data + at, size - at);
            const Walk w = walk(ast_datablock_iter_smart_begin(data + at, size - at));
            ASSERT_TRUE(b.ok);
            EXPECT_TRUE(w.ok);
            ASSERT_EQ(w.lengths.size(), b.count);
            for (size_t i = 0; i < b.count; ++i)
                EXPECT_EQ(w.lengths[i], b.records[i].length);
            at += b.length;
            ++blocks;
        }
    }
    EXPECT_EQ(blocks, 120u);
}

TEST(SmartDecode, Cat001PlotOrTrackByTyp) {
    // FRN 1 I001/010, FRN 2 I001/020: TYP 0 is a plot, TYP 1 a track.
    const Bytes plot = block(1, "C0 01 02 00");
    const Bytes track = block(1, "C0 01 02 80");
    ast_datablock_t b = ast_datablock_smart_decode(plot.data(), plot.size());
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.records[0].uap.get_dataitem, AST_UAP_CAT001_PLOT.get_dataitem);
    b = ast_datablock_smart_decode(track.data(), track.size());
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.records[0].uap.get_dataitem, AST_UAP_STANDARD.get_dataitem);
    const Bytes both = block(1, "C0 01 02 00 C0 01 02 80");
    b = ast_datablock_smart_decode(both.data(), both.size());
    ASSERT_TRUE(b.ok);
    ASSERT_EQ(b.count, 2u);
    EXPECT_EQ(b.records[0].uap.get_dataitem, AST_UAP_CAT001_PLOT.get_dataitem);
    EXPECT_EQ(b.records[1].uap.get_dataitem, AST_UAP_STANDARD.get_dataitem);
}

TEST(SmartDecode, CachedUapDecodesTheNextBlockAtOnce) {
    // FRN 1 I021/010 and FRN 35: I021/016 in editions 2.x, beyond the 28 FRNs of edition 0.26;
    // the first UAP to decode it is edition 2.1.
    const Bytes data = block(21, "81 01 01 01 02 01 02 08");
    // The cache is process-wide: leave it at the last profile tried by a block nothing decodes.
    const Bytes nothing = hexBytes("30 00 05 01 00");
    ast_datablock_smart_decode(nothing.data(), nothing.size());
    AstLogCapture log;
    ast_datablock_t b = ast_datablock_smart_decode(data.data(), data.size());
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.uap.get_dataitem, AST_UAP_CAT021_VER21.get_dataitem);
    EXPECT_GT(log.count(AST_LOG_CRITICAL, "UAP ADS-B v0.26: Undefined FRN 35"), 0);
    log.clear();
    b = ast_datablock_smart_decode(data.data(), data.size());
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.uap.get_dataitem, AST_UAP_CAT021_VER21.get_dataitem);
    EXPECT_EQ(log.size(), 0u);  // first attempt, nothing tried and failed
}

TEST(SmartDecode, NothingFitsGivesTheLastAttempt) {
    const Bytes data = hexBytes("30 00 05 01 00");
    const ast_datablock_t b = ast_datablock_smart_decode(data.data(), data.size());
    EXPECT_FALSE(b.ok);
    EXPECT_EQ(b.uap.get_dataitem, AST_UAP_THALES.get_dataitem);
    EXPECT_FALSE(ast_datablock_smart_decode(data.data(), 2).ok);
}

TEST(RecordEncode, UapOrderAndFxBits) {
    ast_data_source_t ds = {1, 25, 200};
    ast_mode_3a_t m3a = {1, 1, 0, 0, 0, 07777};
    ast_mode_c_t mc = {1, 1, 0, 1400};
    ast_track_number_t tn = {1, 17};
    const struct {
        const char* name;
        std::vector<ast_dataitem_value_t> values;
        const char* expected;
    } rows[] = {
        {"reverse order", {{48090, &mc}, {48070, &m3a}, {48010, &ds}}, "8C 19 C8 0F FF 05 78"},
        {"second FSPEC octet", {{48161, &tn}, {48010, &ds}}, "81 10 19 C8 00 11"},
        {"type the UAP does not place is ignored", {{21010, &ds}, {48010, &ds}}, "80 19 C8"},
        {"first of two values of one type counts", {{48010, &ds}, {48010, &tn}}, "80 19 C8"},
    };
    for (const auto& row : rows) {
        ast_datarecord_spec_t spec = {};
        spec.category = 48;
        spec.uap = AST_UAP_STANDARD;
        for (const auto& v : row.values)
            spec.values[spec.count++] = v;
        uint8_t out[64];
        std::memset(out, POISON, sizeof out);
        const ast_datarecord_t r = ast_datarecord_encode(out, sizeof out, &spec);
        ASSERT_TRUE(r.ok) << row.name;
        EXPECT_EQ(hexText(out, r.length), row.expected) << row.name;
        const ast_datarecord_t back = ast_datarecord_decode(out, r.length, 48, &AST_UAP_STANDARD);
        EXPECT_TRUE(back.ok) << row.name;
        EXPECT_EQ(back.length, r.length) << row.name;
    }
}

TEST(RecordEncode, AProfileGivingOneTypeToManyFrnsWritesItAtEach) {
    // Seventy FRNs of I048/010: more items than a decoded record holds, all written in order.
    ast_data_source_t ds = {1, 25, 200};
    ast_datarecord_spec_t spec = {};
    spec.category = 48;
    spec.uap = ALL_DATA_SOURCE;
    spec.values[0] = {48010, &ds};
    spec.count = 1;
    uint8_t out[256];
    const ast_datarecord_t r = ast_datarecord_encode(out, sizeof out, &spec);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hexText(out, r.length), repeat("FF", 9) + "FE " + repeat("19 C8", 69) + "19 C8");
}

TEST(RecordEncode, FspecBitsBehindTheLastFrnAreClear) {
    // Edition 0.23 of CAT021 has 26 FRNs: FRNs 27 and 28 share the fourth FSPEC octet.
    ast_one_octet_t emitter = {1, 3};
    ast_data_source_t ds = {1, 1, 2};
    ast_datarecord_spec_t spec = {};
    spec.category = 21;
    spec.uap = AST_UAP_CAT021_VER023;
    spec.values[0] = {21010, &ds};
    spec.values[1] = {21020, &emitter};  // FRN 22
    spec.count = 2;
    uint8_t out[16];
    std::memset(out, 0xFF, sizeof out);
    const ast_datarecord_t r = ast_datarecord_encode(out, sizeof out, &spec);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hexText(out, r.length), "81 01 01 80 01 02 03");
}

TEST(RecordEncode, Failures) {
    ast_data_source_t ds = {1, 25, 200}, bad = {1, 300, 1};
    uint8_t out[8];
    ast_datarecord_spec_t spec = {};
    spec.category = 48;
    spec.uap = AST_UAP_STANDARD;
    {
        AstLogCapture log;
        EXPECT_FALSE(ast_datarecord_encode(out, sizeof out, &spec).ok);
        EXPECT_EQ(log.count(AST_LOG_DEBUG, "Failed to encode FSPEC."), 1);
    }
    {
        AstLogCapture log;
        spec.values[0] = {48010, &bad};
        spec.count = 1;
        EXPECT_FALSE(ast_datarecord_encode(out, sizeof out, &spec).ok);
        EXPECT_EQ(log.count(AST_LOG_DEBUG, "Failed to encode dataitem I048/010."), 1);
    }
    {
        AstLogCapture log;
        spec.values[0] = {48010, &ds};
        EXPECT_FALSE(ast_datarecord_encode(out, 2, &spec).ok);  // FSPEC fits, the item does not
        EXPECT_TRUE(ast_datarecord_encode(out, 3, &spec).ok);
    }
    {
        // Only the first 32 values are read.
        AstLogCapture log;
        ast_datarecord_spec_t many = {};
        many.category = 48;
        many.uap = AST_UAP_STANDARD;
        for (int i = 0; i < 32; ++i)
            many.values[i] = {99999, &ds};
        many.count = 33;
        EXPECT_FALSE(ast_datarecord_encode(out, sizeof out, &many).ok);
        EXPECT_EQ(log.count("Failed to encode FSPEC."), 1);
    }
    {
        AstLogCapture log;
        spec.category = 240;  // no FRN count
        EXPECT_FALSE(ast_datarecord_encode(out, sizeof out, &spec).ok);
        EXPECT_EQ(log.count("Failed to encode FSPEC."), 1);
    }
}

TEST(BlockEncode, RecordCountsAndCategories) {
    static ast_datablock_spec_t spec;
    static uint8_t out[65536];
    ast_data_source_t ds = {1, 1, 2};
    spec = {};
    spec.category = 48;
    spec.uap = AST_UAP_STANDARD;
    for (auto& record : spec.records) {
        record.category = 48;
        record.uap = AST_UAP_STANDARD;
        record.values[0] = {48010, &ds};
        record.count = 1;
    }
    spec.count = 0;
    EXPECT_FALSE(ast_datablock_encode(out, sizeof out, &spec).ok);
    spec.count = 65;
    EXPECT_FALSE(ast_datablock_encode(out, sizeof out, &spec).ok);
    spec.count = 64;
    ast_datablock_t b = ast_datablock_encode(out, sizeof out, &spec);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.length, 3u + 64 * 3);
    EXPECT_EQ(hexText(out, 6), "30 00 C3 80 01 02");
    const ast_datablock_t back = ast_datablock_decode(out, b.length, &AST_UAP_STANDARD);
    EXPECT_TRUE(back.ok);
    EXPECT_EQ(back.count, 64u);

    spec.count = 2;
    spec.records[1].category = 34;
    std::memset(out, POISON, 3);
    EXPECT_FALSE(ast_datablock_encode(out, sizeof out, &spec).ok);
    EXPECT_EQ(out[0], POISON);  // header unwritten
    spec.records[1].category = 48;
    EXPECT_FALSE(ast_datablock_encode(out, 8, &spec).ok);  // second record does not fit
    EXPECT_TRUE(ast_datablock_encode(out, 9, &spec).ok);
}

// The encode results leave their item list (records: their record list beyond the encoded
// ones) empty, and empty means written as zero. Each result is built straight into poisoned
// storage (C++17 guarantees the elision), so memory the encoder never wrote shows up.
TEST(RecordEncode, ResultsHoldNoUninitialisedEntries) {
    ast_data_source_t ds = {1, 1, 2};
    alignas(ast_datarecord_t) static unsigned char recordStorage[sizeof(ast_datarecord_t)];
    alignas(ast_datablock_t) static unsigned char blockStorage[sizeof(ast_datablock_t)];
    static ast_datablock_spec_t blockSpec;
    uint8_t out[64];
    ast_datarecord_spec_t spec = {};
    spec.category = 48;
    spec.uap = AST_UAP_STANDARD;
    spec.values[0] = {48010, &ds};
    spec.count = 1;
    const ast_dataitem_t zero = {};
    for (uint64_t capacity : {uint64_t{64}, uint64_t{1}}) {  // encoded, then refused
        std::memset(recordStorage, POISON, sizeof recordStorage);
        const ast_datarecord_t* r =
            new (recordStorage) ast_datarecord_t(ast_datarecord_encode(out, capacity, &spec));
        EXPECT_EQ(r->ok, capacity == 64) << capacity;
        EXPECT_EQ(r->count, 1u) << capacity;
        for (const ast_dataitem_t& item : r->items)
            EXPECT_EQ(std::memcmp(&item, &zero, sizeof zero), 0) << capacity;
    }
    blockSpec = {};
    blockSpec.category = 48;
    blockSpec.uap = AST_UAP_STANDARD;
    blockSpec.records[0] = spec;
    blockSpec.records[1] = spec;
    for (uint64_t count : {uint64_t{2}, uint64_t{0}}) {  // encoded, then refused
        blockSpec.count = count;
        std::memset(blockStorage, POISON, sizeof blockStorage);
        const ast_datablock_t* b =
            new (blockStorage) ast_datablock_t(ast_datablock_encode(out, sizeof out, &blockSpec));
        EXPECT_EQ(b->ok, count == 2) << count;
        EXPECT_EQ(b->count, count) << count;
        for (uint64_t i = count; i < AST_MAX_DATARECORDS; ++i) {
            EXPECT_EQ(b->records[i].count, 0u) << i;
            EXPECT_EQ(b->records[i].data, nullptr) << i;
        }
        for (uint64_t i = 0; i < AST_MAX_DATARECORDS; ++i)
            for (const ast_dataitem_t& item : b->records[i].items)
                ASSERT_EQ(std::memcmp(&item, &zero, sizeof zero), 0) << i;
    }
}

TEST(Modify, ReplacesPresentItemsOnly) {
    const Bytes data = block(48, std::string(RECORD_048) + " " + RECORD_048);
    const ast_datablock_t source =
        ast_datablock_decode(data.data(), data.size(), &AST_UAP_STANDARD);
    ASSERT_TRUE(source.ok);
    ast_mode_3a_t m3a = {1, 1, 0, 0, 0, 01234};
    ast_track_number_t tn = {1, 5};  // I048/161 is not in the record: cannot be added
    ast_dataitem_mods_t mods = {};
    mods.values[0] = {48070, &m3a};
    mods.values[1] = {48161, &tn};
    mods.count = 2;
    uint8_t out[64];
    std::memset(out, POISON, sizeof out);
    const ast_datarecord_t r = ast_datarecord_modify(out, sizeof out, &source.records[0], &mods);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hexText(out, r.length), "CC 19 C8 A8 BF FF 02 9C 05 78");
    EXPECT_FALSE(ast_datarecord_modify(out, 9, &source.records[0], &mods).ok);

    std::memset(out, POISON, sizeof out);
    const ast_datablock_t b = ast_datablock_modify(out, sizeof out, &source, &mods);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.count, 2u);
    EXPECT_EQ(hexText(out, b.length),
              "30 00 17 CC 19 C8 A8 BF FF 02 9C 05 78 CC 19 C8 A8 BF FF 02 9C 05 78");
    EXPECT_FALSE(ast_datablock_modify(out, 15, &source, &mods).ok);
    ast_datablock_t failed = source;
    failed.ok = 0;
    EXPECT_FALSE(ast_datablock_modify(out, sizeof out, &failed, &mods).ok);
}

TEST(Copy, RecordCopyPointsIntoTheNewBuffer) {
    const Bytes data = hexBytes(RECORD_048);
    const ast_datarecord_t source =
        ast_datarecord_decode(data.data(), data.size(), 48, &AST_UAP_STANDARD);
    uint8_t out[16];
    std::memset(out, POISON, sizeof out);
    ast_datarecord_t copy = ast_datarecord_copy(out, 9, &source);
    EXPECT_FALSE(copy.ok);
    EXPECT_EQ(out[0], POISON);
    copy = ast_datarecord_copy(out, sizeof out, &source);
    ASSERT_TRUE(copy.ok);
    EXPECT_EQ(copy.length, 10u);
    EXPECT_EQ(copy.count, 4u);
    EXPECT_EQ(copy.items[1].data, out + 3);
    EXPECT_EQ(hexText(out, 10), hexText(data));
}
