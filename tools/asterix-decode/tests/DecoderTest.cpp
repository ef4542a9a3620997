// The decoding of blocks as the tool writes them: the samples in each output format, filters,
// failures with their place and reason, and the inspection of every profile.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstTestData.h"
#include "Decoder.h"
#include "Run.h"

using asterixdecode::DecodeOptions;
using asterixdecode::Format;

namespace {

struct Result {
    std::string out;
    std::string err;
    std::map<uint32_t, asterixdecode::CategoryCount> counts;
    uint64_t failures = 0;
};

std::vector<uint32_t> allKeywords() {
    std::vector<uint32_t> k;
    for (uint32_t i = 0; i < AST_KEYWORD_COUNT; ++i)
        k.push_back(i);
    return k;
}

Result decodeBytes(const Bytes& input, DecodeOptions options, size_t skip = 0) {
    if (options.keywords.empty())
        options.keywords = allKeywords();
    asterixdecode::Output out, err;
    asterixdecode::Decoder decoder(options, out, err);
    asterixdecode::MemorySource source(input.data(), input.size());
    EXPECT_TRUE(asterixdecode::decodeInput(source, "test", skip, decoder, err));
    Result r;
    r.counts = decoder.counts();
    r.failures = decoder.failures();
    decoder.writeCounts();
    r.out = out.text();
    r.err = err.text();
    return r;
}

Result decodeFile(const char* file, DecodeOptions options = {}, size_t skip = 0) {
    return decodeBytes(readFile(file), std::move(options), skip);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

Bytes blockOf(uint8_t category, const std::string& records) {
    Bytes out = hexBytes("000000 " + records);
    out[0] = category;
    out[1] = static_cast<uint8_t>(out.size() >> 8);
    out[2] = static_cast<uint8_t>(out.size());
    return out;
}

}  // namespace

// Every sample: blocks and records per category. CAT062 and CAT065 items that the library
// does not decode yet make their blocks fail, but only for want of a descriptor.
TEST(Decoder, EverySampleDecodes) {
    const struct {
        const char* file;
        size_t skip;
        std::map<uint32_t, std::pair<uint64_t, uint64_t>> counts;  // blocks, records
        std::vector<uint32_t> pending;  // categories whose items may still lack descriptors
    } rows[] = {
        {"cat048.raw", 0, {{48, {1, 1}}}, {}},
        {"cat034.raw", 0, {{34, {1, 1}}}, {}},
        {"cat21_re.ast", 0, {{21, {2, 2}}}, {}},
        {"cat_034_048.pcap", 0, {{34, {34, 34}}, {48, {86, 128}}}, {}},
        {"cat_001_002.pcap", 6, {{1, {5, 7}}, {2, {1, 1}}}, {}},
        {"cat062cat065.raw", 0, {{62, {1, 2}}, {65, {1, 1}}}, {62, 65}},
        {"cat_062_065.pcap", 0, {{62, {1, 2}}, {65, {1, 1}}}, {62, 65}},
    };
    for (const auto& row : rows) {
        const Result r = decodeFile(row.file, {}, row.skip);
        ASSERT_EQ(r.counts.size(), row.counts.size()) << row.file;
        for (const auto& expected : row.counts) {
            const asterixdecode::CategoryCount& c = r.counts.at(expected.first);
            EXPECT_EQ(c.blocks, expected.second.first) << row.file << " CAT" << expected.first;
            const bool pending =
                std::find(row.pending.begin(), row.pending.end(), expected.first) != row.pending.end();
            if (pending && c.failed) {
                EXPECT_NE(r.err.find("is not supported"), std::string::npos) << r.err;
            } else {
                EXPECT_EQ(c.records, expected.second.second) << row.file << " CAT" << expected.first;
                EXPECT_EQ(c.failed, 0u) << row.file << "\n" << r.err;
            }
        }
    }
}

TEST(Decoder, TextAsTheAsterixViewShowsIt) {
    const Result r = decodeFile("cat048.raw");
    EXPECT_EQ(r.out,
              "I048 block at offset 0, 48 octets, profile standard\n"
              "Data record: 1\n"
              "  [I048/010][Size: 2] SAC:025 SIC:201\n"
              "  [I048/140][Size: 3] TOD:07:35:54.601\n"
              "  [I048/020][Size: 1] TYPE:ROLL_CALL\n"
              "  [I048/040][Size: 4] RHO:197.7 THETA:340.1\n"
              "  [I048/070][Size: 2] MODE_3/A:1000\n"
              "  [I048/090][Size: 2] MODE_C:1320\n"
              "  [I048/220][Size: 3] ADDR:3C660C\n"
              "  [I048/240][Size: 6] ACID:DLH65A  \n"
              "  [I048/250][Size: 9] BDS:40 \n"
              "  [I048/161][Size: 2] TRACK_NUM:3563\n"
              "  [I048/200][Size: 4] SPD:434.40 HDG:124.00\n"
              "  [I048/170][Size: 2] TYPE:SSR\n"
              "  [I048/230][Size: 2] FS:AIR\n"
              "\n");
    EXPECT_EQ(r.err, "I048: 1 block, 1 record\ntotal: 1 blocks, 1 records (1 shown), 0 failures\n");
}

TEST(Decoder, KeywordLinesAndFilters) {
    DecodeOptions options;
    options.format = Format::Keywords;
    options.keywords = {AST_KEYWORD_SACSIC, AST_KEYWORD_TIMESTAMP, AST_KEYWORD_CALLSIGN,
                        AST_KEYWORD_MODE3A, AST_KEYWORD_FLIGHTLEVEL, AST_KEYWORD_ICAOADDR};
    const Result all = decodeFile("cat_034_048.pcap", options);
    const std::vector<std::string> l = lines(all.out);
    ASSERT_EQ(l.size(), 163u);
    EXPECT_EQ(l[0], "# cat\tsacsic\ttime\tcallsign\tsquawk\tfl\taddress");
    EXPECT_EQ(l[1], "I048\t025/201\t07:35:54.601\tDLH65A\t1000\t330.00\t3C660C");
    EXPECT_EQ(l[3], "I048\t025/013\t07:35:55.859\tTHY9TX\t2303\t360.00\t4BAACD");
    EXPECT_EQ(l[4], "I034\t-\t-\t-\t-\t-\t-");

    const struct {
        std::vector<std::pair<uint32_t, std::string>> filters;
        bool caseSensitive;
        uint64_t shown;
    } rows[] = {
        {{{AST_KEYWORD_CALLSIGN, "thy9tx"}}, false, 2},
        {{{AST_KEYWORD_CALLSIGN, "thy9tx"}}, true, 0},
        {{{AST_KEYWORD_ICAOADDR, "3c660c"}}, false, 2},
        {{{AST_KEYWORD_MODE3A, "2303"}, {AST_KEYWORD_FLIGHTLEVEL, "360"}}, false, 2},
        {{{AST_KEYWORD_MODE3A, "2303"}, {AST_KEYWORD_FLIGHTLEVEL, "330"}}, false, 0},
        {{{AST_KEYWORD_SACSIC, "25"}}, false, 128},  // every CAT048 record, no CAT034 one
    };
    for (const auto& row : rows) {
        DecodeOptions filtered = options;
        filtered.filters = row.filters;
        filtered.caseSensitive = row.caseSensitive;
        const Result r = decodeFile("cat_034_048.pcap", filtered);
        EXPECT_EQ(r.counts.at(48).shown + r.counts.at(34).shown, row.shown) << row.filters[0].second;
        EXPECT_EQ(r.counts.at(48).records, 128u);
        EXPECT_EQ(lines(r.out).size(), row.shown ? row.shown + 1 : 0u);
    }
}

TEST(Decoder, JsonLines) {
    DecodeOptions options;
    options.format = Format::Json;
    const Result r = decodeFile("cat21_re.ast", options);
    const std::vector<std::string> l = lines(r.out);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].find("{\"offset\":0,\"cat\":21,\"profile\":\"2.1\",\"record\":1,\"length\":41,"
                        "\"items\":[{\"id\":\"I021/010\",\"size\":2,\"summary\":\"SAC:000 SIC:001\"},"),
              0u)
        << l[0];
    EXPECT_NE(l[0].find(",\"values\":{\"sacsic\":\"000/001\",\"time\":\"08:00:02.921\",\"type\":"
                        "\"ADS-B\",\"address\":\"000001\",\"position\":\"61.475329 -7.878699\"}}"),
              std::string::npos)
        << l[0];
    EXPECT_EQ(l[1].substr(0, 12), "{\"offset\":44");
    // Captures name the frame.
    const Result pcap = decodeFile("cat_062_065.pcap", options);
    (void)pcap;
    const Result radar = decodeFile("cat_034_048.pcap", options);
    EXPECT_EQ(lines(radar.out)[0].substr(0, 20), "{\"frame\":1,\"offset\":");
}

TEST(Decoder, JsonEscapes) {
    const struct {
        const char* text;
        const char* json;
    } rows[] = {{"plain", "plain"},
                {"a\"b\\c", "a\\\"b\\\\c"},
                {"tab\there", "tab\\u0009here"},
                {"\xE9t\xE9", "\\u00e9t\\u00e9"},
                {"\x7F", "\\u007f"}};
    for (const auto& row : rows) {
        asterixdecode::Output out;
        asterixdecode::appendJsonEscaped(out, row.text);
        EXPECT_EQ(out.text(), row.json);
    }
}

// Bad blocks are reported with their place and reason, and decoding goes on with the next.
TEST(Decoder, FailuresSayWhereAndWhy) {
    const Bytes good = blockOf(48, "80 19 C9");
    const struct {
        const char* name;
        Bytes input;
        std::map<uint32_t, const ast_uap_t*> uaps;
        uint64_t records;
        const char* err;
    } rows[] = {
        {"short item", blockOf(48, "C0 19 C9 A8"), {}, 0,
         "offset 6: I048 block of 7 octets: no profile decodes it; with the standard profile "
         "record 1 fails at offset 12: I048/140 cannot be sized within the 1 octets left "
         "(--inspect tries each profile)"},
        {"unsupported item", blockOf(48, "80 19 C9 81 01 80 19 C8 00 00 00 00"), {{48, &AST_UAP_STANDARD}},
         1,
         "offset 6: I048 block of 15 octets: profile standard: record 2 fails at offset 17: "
         "I048/210 is not supported"},
        {"FSPEC past the end", blockOf(48, "80 19 C9 81 01"), {{48, &AST_UAP_STANDARD}}, 1,
         "record 2 fails at offset 12: its FSPEC runs past the end of the block"},
        {"FSPEC of FX bits only", blockOf(48, "01 00"), {{48, &AST_UAP_STANDARD}}, 0,
         "record 1 fails at offset 9: its FSPEC announces no item"},
        {"spare FRN", blockOf(62, "40"), {{62, &AST_UAP_STANDARD}}, 0,
         "record 1 fails at offset 10: FRN 2 is spare or beyond the profile"},
        {"CAT021 2.x forced to 0.26", readFile("cat21_re.ast"), {{21, &AST_UAP_CAT021_VER026}}, 0,
         "offset 50: I021 block of 47 octets: profile 0.26: record 1 fails at offset 79: FRN 30 "
         "is spare or beyond the profile"},
    };
    for (const auto& row : rows) {
        Bytes input = good;
        input.insert(input.end(), row.input.begin(), row.input.end());
        input.insert(input.end(), good.begin(), good.end());
        DecodeOptions options;
        options.uaps = row.uaps;
        const Result r = decodeBytes(input, options);
        EXPECT_NE(r.err.find(row.err), std::string::npos) << row.name << ":\n" << r.err;
        // Places count from the start of the input: the good block in front is 6 octets.
        // Without a chosen profile nothing of the failed block is shown, not even its header.
        if (row.uaps.empty()) {
            EXPECT_EQ(r.out.find("block at offset 6"), std::string::npos) << row.name << r.out;
        }
        EXPECT_GE(r.failures, 1u) << row.name;
        // The good blocks on both sides are shown.
        const uint32_t category = row.input[0];
        const uint64_t goodRecords = category == 48 ? 2 + row.records : 2;
        EXPECT_EQ(r.counts.at(48).records, goodRecords) << row.name;
        EXPECT_EQ(r.counts.at(48).blocks, category == 48 ? 3u : 2u) << row.name;
    }
}

TEST(Decoder, BlocksOfMoreThanSixtyFourRecords) {
    std::string records;
    for (int i = 0; i < 300; ++i)
        records += "80 19 C9 ";
    DecodeOptions options;
    options.format = Format::Keywords;
    options.keywords = {AST_KEYWORD_SACSIC};
    const Result r = decodeBytes(blockOf(48, records), options);
    EXPECT_EQ(r.counts.at(48).records, 300u);
    EXPECT_EQ(r.failures, 0u);
    EXPECT_EQ(lines(r.out).size(), 301u);
}

TEST(Decoder, InspectionComparesEveryProfile) {
    DecodeOptions options;
    options.inspect = true;
    Result r = decodeFile("cat21_re.ast", options);
    EXPECT_EQ(lines(r.out)[0], "I021 block at offset 0, 44 octets:");
    EXPECT_EQ(r.out.substr(0, r.out.find("\n\n") + 2),
              "I021 block at offset 0, 44 octets:\n"
              "  0.23       fails: record 1 fails at offset 30: FRN 30 is spare or beyond the profile\n"
              "  0.26       fails: record 1 fails at offset 30: FRN 30 is spare or beyond the profile\n"
              "  2.1        decodes 1 record\n"
              "  2.4        decodes 1 record\n"
              "  thales     fails: record 1 fails at offset 30: FRN 30 is spare or beyond the profile\n"
              "  2.4        reads every item as 2.1 does\n"
              "\n");
    EXPECT_EQ(r.failures, 0u);
    // A CAT001 track decodes with the standard and the per-record choice, as a plot it reads
    // other items: the first record where they part is shown.
    r = decodeBytes(blockOf(1, "F0 19 C9 80 0D EB 01 00 40 00"), options);
    EXPECT_NE(r.out.find("  standard   decodes 1 record\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  plot/track reads every item as standard does\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("  plot       differs from standard from record 1:\n"
                         "    standard I001/010:2 I001/020:1 I001/161:2 I001/040:4\n"
                         "    plot     I001/010:2 I001/020:1 I001/040:4 I001/070:2\n"),
              std::string::npos)
        << r.out;
    // Without I001/020 no profile can be chosen per record.
    r = decodeBytes(blockOf(1, "80 19 C9"), options);
    EXPECT_NE(r.out.find("  plot/track fails: record 1 fails at offset 3: it has no I001/020 to tell "
                         "a plot from a track\n"),
              std::string::npos)
        << r.out;
}

// Smart decode starts with the profile of the category's last block, and falls back to the
// whole guess when that profile does not read the block.
TEST(Decoder, SmartDecodeFollowsAChangeOfProfile) {
    Bytes input = readFile("cat21_re.ast");  // editions 2.x
    const Bytes v026 = blockOf(21, "81 01 40 01 02 08 00 80 00");  // I021/010, I021/160 of 0.26
    input.insert(input.end(), v026.begin(), v026.end());
    const Bytes again = readFile("cat21_re.ast");
    input.insert(input.end(), again.begin(), again.end());
    const Result r = decodeBytes(input, {});
    EXPECT_EQ(r.failures, 0u) << r.err;
    EXPECT_EQ(r.counts.at(21).records, 5u);
    const std::vector<std::string> l = lines(r.out);
    std::vector<std::string> headers;
    for (const std::string& line : l)
        if (line.find(" block at ") != std::string::npos)
            headers.push_back(line.substr(line.find("profile ")));
    EXPECT_EQ(headers, (std::vector<std::string>{"profile 2.1", "profile 2.1", "profile 0.26",
                                                 "profile 2.1", "profile 2.1"}));
    EXPECT_NE(r.out.find("  [I021/160][Size: 4] SPD:450.00KT AGL:180.00DEG\n"), std::string::npos)
        << r.out;
}
