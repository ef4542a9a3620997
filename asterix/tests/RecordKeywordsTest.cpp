// Record views, the generic record getters and keywords: names, formats, containment and
// matching, on real records and on records written octet by octet.

#include <array>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

using Values = std::array<const char*, AST_KEYWORD_COUNT>;

// A decoded record that keeps its octets.
struct Record {
    Bytes octets;
    ast_datarecord_t record{};
};

// The first record of a data block read from a sample file (smart decode, the program's way).
Record sampleRecord(const char* file) {
    Record out;
    out.octets = readFile(file);
    const ast_datablock_t block = ast_datablock_smart_decode(out.octets.data(), out.octets.size());
    EXPECT_TRUE(block.ok) << file;
    out.record = block.records[0];
    return out;
}

Record handRecord(uint32_t category, const char* hex) {
    Record out;
    out.octets = hexBytes(hex);
    out.record =
        ast_datarecord_decode(out.octets.data(), out.octets.size(), category, &AST_UAP_STANDARD);
    EXPECT_TRUE(out.record.ok) << hex;
    return out;
}

std::string keyword(const ast_datarecord_t* record, uint32_t keyword) {
    char buffer[64];
    std::memset(buffer, POISON, sizeof buffer);
    return ast_datarecord_get_keyword(buffer, sizeof buffer, record, keyword);
}

// A CAT001 track: I001/010 01 02, I001/020 80 (TYP 1), I001/161 0D EB, I001/040 01 00 40 00
// (2 NM at 90 degrees), I001/042, I001/200, I001/070 02 00, I001/090 05 28 (FL 330).
const char* const CAT001_TRACK =
    "FF 80 01 02 80 0D EB 01 00 40 00 00 40 FF C0 07 B9 58 2E 02 00 05 28";
// A CAT002 north marker at 23:59:59.992: I002/010, I002/000 01, I002/030 A8 BF FF.
const char* const CAT002_NORTH = "D0 01 02 01 A8 BF FF";

}  // namespace

TEST(Keyword, NamesInKeywordOrder) {
    const char* const names[] = {"SAC/SIC",      "Time Stamp",        "Type",
                                 "Track Number", "Mode 3/A",          "Flight Level",
                                 "Callsign",     "ICAO Address",      "Polar Coordinates",
                                 "WGS84 Coordinates", "Speed",        "Heading"};
    char buffer[32];
    for (uint32_t k = 0; k < AST_KEYWORD_COUNT; ++k)
        EXPECT_STREQ(ast_keyword_to_str(buffer, sizeof buffer, k), names[k]) << k;
    std::memset(buffer, POISON, sizeof buffer);
    EXPECT_STREQ(ast_keyword_to_str(buffer, sizeof buffer, AST_KEYWORD_COUNT), "");
    // A short buffer is cut and terminated; capacity 0 writes nothing.
    EXPECT_STREQ(ast_keyword_to_str(buffer, 5, AST_KEYWORD_TIMESTAMP), "Time");
    buffer[0] = 'x';
    ast_keyword_to_str(buffer, 0, AST_KEYWORD_TIMESTAMP);
    EXPECT_EQ(buffer[0], 'x');
}

// Every keyword of real and hand-written records of each category with a getter table; ""
// where the record does not carry the value, which containment must agree with.
TEST(Keyword, ValuesOfEachCategory) {
    const struct {
        const char* name;
        Record record;
        Values values;
    } rows[] = {
        // The Mode S roll-call track of cat048.raw (its items checked octet by octet elsewhere);
        // CAT048 has a heading getter but no speed getter.
        {"CAT048 sample", sampleRecord("cat048.raw"),
         {"025/201", "07:35:54.601", "Track", "3563", "1000", "330.00", "DLH65A", "3C660C",
          "R:197.6836 T:340.14", "", "", "M:434.40 T:124.00"}},
        // The first ADS-B report of cat21_re.ast: only the time of reception for position.
        {"CAT021 sample", sampleRecord("cat21_re.ast"),
         {"000/001", "08:00:02.921", "ADS-B", "", "", "", "", "000001", "", "61.475329 -7.878699",
          "", ""}},
        {"CAT001 track", handRecord(1, CAT001_TRACK),
         {"001/002", "", "Track", "3563", "1000", "330.00", "", "", "R:002.0000 T:090.00", "", "",
          ""}},
        {"CAT002 north marker", handRecord(2, CAT002_NORTH),
         {"001/002", "23:59:59.992", "North", "", "", "", "", "", "", "", "", ""}},
        // CAT034 has no getter table: a valid record carries no keyword.
        {"CAT034 sample", sampleRecord("cat034.raw"),
         {"", "", "", "", "", "", "", "", "", "", "", ""}},
    };
    for (const auto& row : rows) {
        for (uint32_t k = 0; k < AST_KEYWORD_COUNT; ++k) {
            EXPECT_EQ(keyword(&row.record.record, k), row.values[k]) << row.name << ", keyword " << k;
            EXPECT_EQ(ast_datarecord_contain_keyword(&row.record.record, k), row.values[k][0] != 0)
                << row.name << ", keyword " << k;
        }
        EXPECT_EQ(keyword(&row.record.record, AST_KEYWORD_COUNT), "") << row.name;
        EXPECT_FALSE(ast_datarecord_contain_keyword(&row.record.record, AST_KEYWORD_COUNT));
    }
}

// Speed and heading show what the source item gives: a CAT021 ground vector gives both.
TEST(Keyword, VelocityShowsBothParts) {
    // Edition 0.26: FRN 1 I021/010, FRN 16 I021/160 (speed raw 0x0800, track 0x8000).
    const Record r = handRecord(21, "81 01 40 01 02 08 00 80 00");
    EXPECT_EQ(keyword(&r.record, AST_KEYWORD_SPEED), "M:450.00 T:180.00");
    EXPECT_EQ(keyword(&r.record, AST_KEYWORD_HEADING), "M:450.00 T:180.00");
}

// A callsign of all eight characters is shown whole; padding blanks are not shown.
TEST(Keyword, CallsignsOfEveryLength) {
    const struct {
        const char* octets;  // I021/170: eight 6-bit characters
        const char* text;
    } rows[] = {{"04 20 C4 14 61 C8", "ABCDEFGH"},
                {"04 20 E0 82 08 20", "ABC"},
                {"82 08 20 82 08 20", ""},
                {"04 28 20 82 08 01", "AB     A"}};
    for (const auto& row : rows) {
        // Edition 0.26: FRN 1 I021/010, FRN 18 I021/170.
        const Record r = handRecord(21, (std::string("81 01 10 01 02 ") + row.octets).c_str());
        EXPECT_EQ(keyword(&r.record, AST_KEYWORD_CALLSIGN), row.text) << row.octets;
        EXPECT_TRUE(ast_datarecord_contain_keyword(&r.record, AST_KEYWORD_CALLSIGN)) << row.octets;
    }
}

TEST(Keyword, NothingOfARecordThatIsNotOk) {
    Record r = sampleRecord("cat048.raw");
    ASSERT_TRUE(ast_datarecord_get_sacsic(&r.record).valid);
    r.record.ok = 0;
    for (uint32_t k = 0; k < AST_KEYWORD_COUNT; ++k) {
        EXPECT_FALSE(ast_datarecord_contain_keyword(&r.record, k)) << k;
        EXPECT_EQ(keyword(&r.record, k), "") << k;
    }
    EXPECT_FALSE(ast_datarecord_get_sacsic(&r.record).valid);
    EXPECT_FALSE(ast_datarecord_get_timeofday(&r.record).valid);
    EXPECT_FALSE(ast_datarecord_get_heading(&r.record).valid);
    EXPECT_FALSE(ast_datarecord_match_keyword(&r.record, AST_KEYWORD_TRACKNUM, "3563", true));
    for (uint32_t k = 0; k < AST_KEYWORD_COUNT; ++k)
        EXPECT_FALSE(ast_datarecord_contain_keyword(nullptr, k)) << k;
    EXPECT_FALSE(ast_datarecord_get_speed(nullptr).valid);
}

// The generic getters reach a category's table only for categories 1 to 62: a CAT021 record
// relabelled as another category is read through that category's table (or none).
TEST(Keyword, GettersGoThroughTheCategoryTable) {
    Record r = sampleRecord("cat21_re.ast");
    const struct {
        uint32_t category;
        bool sacsic;
    } rows[] = {{21, true}, {34, false}, {0, false}, {63, false}, {240, false}, {1021, false}};
    for (const auto& row : rows) {
        r.record.category = row.category;
        EXPECT_EQ(bool(ast_datarecord_get_sacsic(&r.record).valid), row.sacsic) << row.category;
        EXPECT_EQ(bool(ast_datarecord_get_coordinate(&r.record).valid), row.sacsic)
            << row.category;
    }
}

TEST(Keyword, MatchesWhatAUserTypes) {
    const Record cat048 = sampleRecord("cat048.raw");
    const struct {
        uint32_t keyword;
        const char* text;
        bool caseSensitive;
        bool match;
    } rows[] = {
        {AST_KEYWORD_SACSIC, "25/201", true, true},
        {AST_KEYWORD_SACSIC, "025/201", true, true},
        {AST_KEYWORD_SACSIC, " 25 / 201 ", true, true},
        {AST_KEYWORD_SACSIC, "25", true, true},  // a lone SAC
        {AST_KEYWORD_SACSIC, "25/200", true, false},
        {AST_KEYWORD_SACSIC, "26/201", true, false},
        {AST_KEYWORD_SACSIC, "25/", true, false},
        {AST_KEYWORD_SACSIC, "25-201", true, false},
        {AST_KEYWORD_TRACKNUM, "3563", true, true},
        {AST_KEYWORD_TRACKNUM, " 3563 ", true, true},
        {AST_KEYWORD_TRACKNUM, "+3563", true, true},
        {AST_KEYWORD_TRACKNUM, "3563x", true, false},
        {AST_KEYWORD_TRACKNUM, "3564", true, false},
        {AST_KEYWORD_TRACKNUM, "", true, false},
        {AST_KEYWORD_MODE3A, "1000", true, true},
        {AST_KEYWORD_MODE3A, "01000", true, true},
        {AST_KEYWORD_MODE3A, "  +1000", true, true},
        {AST_KEYWORD_MODE3A, "512", true, false},  // decimal 512 is octal 1000
        {AST_KEYWORD_MODE3A, "1008", true, false},  // 8 is no octal digit
        {AST_KEYWORD_FLIGHTLEVEL, "330", true, true},
        {AST_KEYWORD_FLIGHTLEVEL, "330.1", true, true},
        {AST_KEYWORD_FLIGHTLEVEL, "329.9", true, true},
        {AST_KEYWORD_FLIGHTLEVEL, "330.25", true, false},
        {AST_KEYWORD_FLIGHTLEVEL, "FL330", true, false},
        {AST_KEYWORD_ICAOADDR, "3C660C", true, true},
        {AST_KEYWORD_ICAOADDR, "3c660c", true, true},
        {AST_KEYWORD_ICAOADDR, "0x3C660C", true, true},
        {AST_KEYWORD_ICAOADDR, "3C660D", true, false},
        {AST_KEYWORD_CALLSIGN, "DLH65A", true, true},
        {AST_KEYWORD_CALLSIGN, "dlh65a", false, true},
        {AST_KEYWORD_CALLSIGN, "dlh65a", true, false},
        {AST_KEYWORD_CALLSIGN, "DLH65", true, false},
        {AST_KEYWORD_CALLSIGN, "DLH65AB", true, false},
        {AST_KEYWORD_CALLSIGN, "  DLH65A more", true, true},
        // Keywords without a match rule never match, not even their own text.
        {AST_KEYWORD_TIMESTAMP, "07:35:54.601", true, false},
        {AST_KEYWORD_TYPE, "Track", false, false},
        {AST_KEYWORD_POLARCOORD, "R:197.6836 T:340.14", true, false},
        {AST_KEYWORD_COUNT, "1", true, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ast_datarecord_match_keyword(&cat048.record, row.keyword, row.text,
                                               row.caseSensitive),
                  row.match)
            << row.keyword << " '" << row.text << "' case " << row.caseSensitive;
    EXPECT_FALSE(ast_datarecord_match_keyword(&cat048.record, AST_KEYWORD_TRACKNUM, nullptr, true));
    // A record without the value matches nothing.
    const Record north = handRecord(2, CAT002_NORTH);
    EXPECT_FALSE(ast_datarecord_match_keyword(&north.record, AST_KEYWORD_TRACKNUM, "0", true));
}

TEST(Keyword, WordMatch) {
    const struct {
        const char* pattern;
        const char* text;
        bool caseSensitive;
        bool match;
    } rows[] = {
        {"ABC", "abc def", false, true},
        {"ABC", "abc def", true, false},
        {"ABC", "ABC", true, true},
        {"  ABC", "ABC  ", true, true},
        {"ABC DEF", "ABC", true, true},  // the pattern ends at its first blank
        {"ABC", "ABCD", true, false},
        {"ABCD", "ABC", true, false},  // the text ends first
        {"ABD", "ABC", true, false},
        {"", "", true, true},
        {"", "   ", true, true},
        {"", "A", true, false},
        {"   ", "", true, true},
        {"abc", "ABC\tX", false, true},
        {"a1-", "A1-", false, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ast_keyword_match(row.pattern, row.text, row.caseSensitive), row.match)
            << "'" << row.pattern << "' '" << row.text << "' case " << row.caseSensitive;
    EXPECT_FALSE(ast_keyword_match(nullptr, "A", true));
    EXPECT_FALSE(ast_keyword_match("A", nullptr, true));
}

TEST(RecordView, DetailTableOfTheItems) {
    const Record r = handRecord(2, CAT002_NORTH);
    char buffer[1024];
    std::memset(buffer, POISON, sizeof buffer);
    ast_datarecord_get_detail_html(buffer, sizeof buffer, &r.record);
    EXPECT_STREQ(buffer,
                 "<table class=\"detail_table\">"
                 "<tr><th>Dataitem</th><th>Name</th><th>Size</th><th>Summary</th></tr>"
                 "<tr><td>I002/010</td><td>Data Source Identifier</td><td>02</td>"
                 "<td>SAC:001 SIC:002</td></tr>"
                 "<tr class=\"even_row\"><td>I002/000</td><td>Message Type</td><td>01</td>"
                 "<td>MSG_TYPE:NORTH_MARKER</td></tr>"
                 "<tr><td>I002/030</td><td>Time of Day</td><td>03</td>"
                 "<td>TOD:23:59:59.992</td></tr>"
                 "</table><br/>");
    // Cut at the capacity, terminated; nothing for no record.
    std::memset(buffer, POISON, sizeof buffer);
    ast_datarecord_get_detail_html(buffer, 40, &r.record);
    EXPECT_EQ(std::strlen(buffer), 39u);
    ast_datarecord_get_detail_html(buffer, sizeof buffer, nullptr);
    EXPECT_STREQ(buffer, "");
}

TEST(RecordView, HexTableOfTheRecordOctets) {
    const Record r = handRecord(2, CAT002_NORTH);
    char buffer[1024];
    ast_datarecord_get_hex_html(buffer, sizeof buffer, &r.record);
    const std::string html = buffer;
    EXPECT_EQ(html.find("<table class=\"hex_table\">"), 0u);
    EXPECT_NE(html.find("<td>D0</td><td>01</td><td>02</td><td>01</td><td>A8</td><td>BF</td>"
                        "<td>FF</td><td>--</td>"),
              std::string::npos);
}
