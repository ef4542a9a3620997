// The recording readers, table by table: what comes out of each input, how many errors it
// counts, and that neither depends on how the bytes are split.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestData.h"
#include "feedgen/BeastWriter.h"
#include "feedgen/Random.h"
#include "feedgen/RecordingReader.h"

namespace {

using feedgen::ClockKind;
using feedgen::RecordedFrame;
using feedgen::RecordingFormat;
using feedgen::TimeBase;

struct Result {
    std::vector<std::string> frames;  // hex, with "@<ns>" when timed
    uint64_t errors = 0;
};

std::string describe(const RecordedFrame& f) {
    std::string text = f.frame.hex();
    if (f.timeBase != TimeBase::None)
        text += "@" + std::to_string(f.timeNs);
    return text;
}

// Reads `input` in pieces of the given sizes (repeated), then finishes.
Result readInPieces(RecordingFormat format, const std::string& input, const std::vector<size_t>& pieces,
                    ClockKind clock = ClockKind::Counter12MHz) {
    auto reader = feedgen::RecordingReader::create(format, clock);
    std::vector<RecordedFrame> out;
    size_t pos = 0;
    for (size_t k = 0; pos < input.size(); ++k) {
        const size_t size = std::min(pieces[k % pieces.size()], input.size() - pos);
        reader->feed(reinterpret_cast<const uint8_t*>(input.data()) + pos, size, out);
        pos += size;
    }
    reader->finish(out);
    Result result;
    for (const auto& f : out)
        result.frames.push_back(describe(f));
    result.errors = reader->errors();
    return result;
}

struct Row {
    const char* name;
    std::string input;
    std::vector<std::string> frames;
    uint64_t errors;
};

void checkTable(RecordingFormat format, const std::vector<Row>& rows) {
    feedgen::Random random(11);
    for (const Row& row : rows) {
        const Result whole = readInPieces(format, row.input, {row.input.size() + 1});
        EXPECT_EQ(whole.frames, row.frames) << row.name;
        EXPECT_EQ(whole.errors, row.errors) << row.name;
        const Result bytewise = readInPieces(format, row.input, {1});
        EXPECT_EQ(bytewise.frames, row.frames) << row.name << " read a byte at a time";
        EXPECT_EQ(bytewise.errors, row.errors) << row.name << " read a byte at a time";
        for (int trial = 0; trial < 20; ++trial) {
            const std::vector<size_t> pieces{1 + random.below(7), 1 + random.below(30), 1 + random.below(3)};
            const Result split = readInPieces(format, row.input, pieces);
            EXPECT_EQ(split.frames, row.frames) << row.name << " split " << pieces[0] << "/" << pieces[1];
            EXPECT_EQ(split.errors, row.errors) << row.name;
        }
    }
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

const std::string kLong = bytes({0x8D, 0x48, 0x40, 0xD6, 0x20, 0x2C, 0xC3, 0x71, 0xC3, 0x2C, 0xE0, 0x57, 0x60, 0x98});
const std::string kLongHex = "8D4840D6202CC371C32CE0576098";
const std::string kStamp1s = bytes({0x00, 0x00, 0x00, 0xB7, 0x1B, 0x00});  // 12,000,000 ticks
const std::string kOneSecond = std::to_string(1000000000);

TEST(FeedRecordingReader, Beast) {
    const std::string frame3 = bytes({0x1a, '3'}) + kStamp1s + bytes({0x40}) + kLong;
    const std::string frame2 = bytes({0x1a, '2'}) + kStamp1s + bytes({0x10, 0x5D, 0x48, 0x40, 0xD6, 0xBD, 0xC5, 0xE1});
    const std::string modeAC = bytes({0x1a, '1'}) + kStamp1s + bytes({0x10, 0x12, 0x34});
    const std::string status = bytes({0x1a, '4'}) + kStamp1s + bytes({0x10}) + std::string(14, '\x01');
    // A reply with 0x1a in it, escaped; and zero stamp (no time).
    const std::string escaped = bytes({0x1a, '2', 0, 0, 0, 0, 0, 0, 0x1a, 0x1a, 0x28, 0x1a, 0x1a, 0, 0, 0, 0, 0x1a, 0x1a});
    const std::vector<Row> rows = {
        {"long reply", frame3, {kLongHex + "@" + kOneSecond}, 0},
        {"short reply", frame2, {"5D4840D6BDC5E1@" + kOneSecond}, 0},
        {"Mode A/C reply", modeAC, {"1234@" + kOneSecond}, 0},
        {"status frame dropped", status + frame2, {"5D4840D6BDC5E1@" + kOneSecond}, 0},
        {"escaped markers", escaped, {"281A000000001A"}, 0},
        {"garbage before", std::string("\x01\x02\x33xyz", 6) + frame3, {kLongHex + "@" + kOneSecond}, 1},
        {"garbage between", frame2 + "abc" + frame2, {"5D4840D6BDC5E1@" + kOneSecond, "5D4840D6BDC5E1@" + kOneSecond}, 1},
        {"lone marker cuts a frame", frame3.substr(0, 12) + frame2,
         {"5D4840D6BDC5E1@" + kOneSecond}, 1},
        {"unknown type", bytes({0x1a, '5'}) + frame2, {"5D4840D6BDC5E1@" + kOneSecond}, 1},
        {"doubled marker out of step", bytes({0x1a, 0x1a}) + frame2, {"5D4840D6BDC5E1@" + kOneSecond}, 1},
        {"cut short at the end", frame2 + frame3.substr(0, 10), {"5D4840D6BDC5E1@" + kOneSecond}, 1},
        {"marker alone at the end", frame2 + bytes({0x1a}), {"5D4840D6BDC5E1@" + kOneSecond}, 1},
        {"empty", "", {}, 0},
    };
    checkTable(RecordingFormat::Beast, rows);
}

TEST(FeedRecordingReader, BeastWithGpsTimeOfDay) {
    // 12:00:00.25 as seconds << 30 | nanoseconds; and a time of day out of range (no time).
    const uint64_t stamp = (uint64_t{43200} << 30) | 250000000;
    std::string frame = bytes({0x1a, '2'});
    for (int shift = 40; shift >= 0; shift -= 8)
        frame.push_back(static_cast<char>(stamp >> shift));
    frame += bytes({0x10, 0x5D, 0x48, 0x40, 0xD6, 0xBD, 0xC5, 0xE1});
    const std::string bad = bytes({0x1a, '2', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x5D, 0x48, 0x40, 0xD6, 0xBD, 0xC5, 0xE1});
    const Result result = readInPieces(RecordingFormat::Beast, frame + bad, {5}, ClockKind::GpsTimeOfDay);
    EXPECT_EQ(result.frames, (std::vector<std::string>{"5D4840D6BDC5E1@43200250000000", "5D4840D6BDC5E1"}));
}

TEST(FeedRecordingReader, Avr) {
    const std::vector<Row> rows = {
        {"plain line", "*" + kLongHex + ";\n", {kLongHex}, 0},
        {"colon line", ":5D4840D6BDC5E1;\n", {"5D4840D6BDC5E1"}, 0},
        {"time-stamped line", "@000000B71B00" + kLongHex + ";\n", {kLongHex + "@" + kOneSecond}, 0},
        {"lower case, CRLF, spaces", "  *8d4840d6202cc371c32ce0576098;\r\n", {kLongHex}, 0},
        {"Mode A/C", "*2345;\n", {"2345"}, 0},
        {"last line without its end", "*5D4840D6BDC5E1;", {"5D4840D6BDC5E1"}, 0},
        {"receiver message skipped", "?hello\n*5D4840D6BDC5E1;\n", {"5D4840D6BDC5E1"}, 0},
        {"empty lines", "\n\n\r\n*5D4840D6BDC5E1;\n\n", {"5D4840D6BDC5E1"}, 0},
        {"no closing semicolon", "*5D4840D6BDC5E1\n*5D4840D6BDC5E1;\n", {"5D4840D6BDC5E1"}, 1},
        {"unknown first character", "#5D4840D6BDC5E1;\n", {}, 1},
        {"not hexadecimal", "*5D4840D6BDC5EG;\n", {}, 1},
        {"odd digit count", "*5D4840D6BDC5E;\n", {}, 1},
        {"wrong length", "*5D4840D6BD;\n", {}, 1},
        {"time stamp too short", "@0000B71B;\n", {}, 1},
        {"time stamp not hexadecimal", "@00000000B7ZZ5D4840D6BDC5E1;\n", {}, 1},
        {"just the markers", "*;\n@;\n", {}, 2},
        {"overlong line skipped to its end", "*" + std::string(2000, 'A') + ";\n*5D4840D6BDC5E1;\n", {"5D4840D6BDC5E1"}, 1},
    };
    checkTable(RecordingFormat::Avr, rows);
}

TEST(FeedRecordingReader, Csv) {
    const std::vector<Row> rows = {
        {"frame, address, type code", "1457996400,\"8D406B909945DE10000405999BE4\",\"406B90\",19\n",
         {"8D406B909945DE10000405999BE4@1457996400000000000"}, 0},
        {"address, frame", "1495353600,406674,A8000D9FA55A032DBFFC000D8123\n",
         {"A8000D9FA55A032DBFFC000D8123@1495353600000000000"}, 0},
        {"fraction of a second", "1.5,5D4840D6BDC5E1\n10.000000001,5D4840D6BDC5E1\n",
         {"5D4840D6BDC5E1@1500000000", "5D4840D6BDC5E1@10000000001"}, 0},
        {"header skipped", "time,frame\n2,5D4840D6BDC5E1\n", {"5D4840D6BDC5E1@2000000000"}, 0},
        {"comment skipped", "# recorded at home\n2,5D4840D6BDC5E1\n", {"5D4840D6BDC5E1@2000000000"}, 0},
        {"no frame", "2,406B90,19\n", {}, 1},
        {"bad time after the first line", "2,5D4840D6BDC5E1\nnow,5D4840D6BDC5E1\n-1,5D4840D6BDC5E1\n",
         {"5D4840D6BDC5E1@2000000000"}, 2},
        {"time with an empty fraction", "2.,5D4840D6BDC5E1\n", {}, 0},
        {"time too long", "2,5D4840D6BDC5E1\n12345678901,5D4840D6BDC5E1\n", {"5D4840D6BDC5E1@2000000000"}, 1},
        {"time beyond 64-bit nanoseconds", "2,5D4840D6BDC5E1\n9999999999,5D4840D6BDC5E1\n", {"5D4840D6BDC5E1@2000000000"}, 1},
        {"latest time", "9000000000.999999999,5D4840D6BDC5E1\n", {"5D4840D6BDC5E1@9000000000999999999"}, 0},
        {"frame of the wrong length", "2,5D4840D6BDC5\n", {}, 1},
        {"no line end at the end", "3,5D4840D6BDC5E1", {"5D4840D6BDC5E1@3000000000"}, 0},
    };
    checkTable(RecordingFormat::Csv, rows);
}

TEST(FeedRecordingReader, RecordedFilesReadWithoutErrors) {
    struct File {
        const char* name;
        size_t frames;
    };
    for (const File& file : {File{"sample_data_adsb.csv", 2000}, File{"sample_data_commb_df20.csv", 5000},
                             File{"sample_data_commb_df21.csv", 5000}}) {
        std::string text;
        for (const std::string& line : feedtest::dataLines(file.name))
            text += line + "\n";
        const Result result = readInPieces(RecordingFormat::Csv, text, {4096});
        EXPECT_EQ(result.frames.size(), file.frames) << file.name;
        EXPECT_EQ(result.errors, 0u) << file.name;
    }
}

TEST(FeedRecordingReader, FormatFromTheFirstByte) {
    const uint8_t beast[] = {0x1a, '3'};
    EXPECT_EQ(feedgen::detectRecordingFormat(beast, 2), RecordingFormat::Beast);
    for (char c : {'*', '@', ':'}) {
        const uint8_t avr[] = {static_cast<uint8_t>(c)};
        EXPECT_EQ(feedgen::detectRecordingFormat(avr, 1), RecordingFormat::Avr) << c;
    }
    const uint8_t csv[] = {'1'};
    EXPECT_EQ(feedgen::detectRecordingFormat(csv, 1), RecordingFormat::Csv);
    EXPECT_EQ(feedgen::detectRecordingFormat(nullptr, 0), RecordingFormat::Csv);
}

}  // namespace
