// Blocks cut out of datagrams and streams, behind a recorder's prefix or not, and the input
// that is no block.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstTestData.h"
#include "Framing.h"

using asterixdecode::Position;

namespace {

// What a framing handed over: "block <offset> <size>" and "damaged <offset>: <why>".
struct Recorder : asterixdecode::BlockHandler {
    std::vector<std::string> events;
    void block(const uint8_t* data, size_t size, const Position& at) override {
        events.push_back("block " + positionText(at) + " " + std::to_string(size) + " CAT" +
                         std::to_string(data[0]));
    }
    void damaged(const Position& at, const std::string& why) override {
        events.push_back("damaged " + positionText(at) + ": " + why);
    }
};

// A source that hands out one octet at a time: every block is cut across reads.
struct Trickle : asterixdecode::ByteSource {
    Trickle(const Bytes& bytes) : data(bytes) {}
    size_t read(uint8_t* out, size_t capacity) override {
        if (pos >= data.size() || capacity == 0)
            return 0;
        *out = data[pos++];
        return 1;
    }
    Bytes data;
    size_t pos = 0;
};

}  // namespace

TEST(Framing, DatagramsAndStreamsCutTheSameBlocks) {
    const struct {
        const char* name;
        const char* hex;
        size_t skip;
        std::vector<std::string> events;
    } rows[] = {
        {"two blocks", "30 00 04 AA 22 00 03", 0,
         {"block offset 0 4 CAT48", "block offset 4 3 CAT34"}},
        {"prefix of 6", "00 0A 01 02 03 04 30 00 04 AA 00 09 01 02 03 04 22 00 03", 6,
         {"block offset 6 4 CAT48", "block offset 16 3 CAT34"}},
        {"LEN 2", "30 00 04 AA 22 00 02 FF", 0,
         {"block offset 0 4 CAT48",
          "damaged offset 4: LEN 2 is below the 3 octets of the block header; the rest is not "
          "read"}},
        {"LEN past the end", "30 00 04 AA 22 00 09 01 02", 0,
         {"block offset 0 4 CAT48", "damaged offset 4: LEN 9 runs past the end (5 octets left)"}},
        {"trailing octets", "30 00 04 AA 22 00", 0,
         {"block offset 0 4 CAT48",
          "damaged offset 4: 2 octets at the end are too few for a block"}},
        {"prefix without block", "30 00 04 AA 00 01 02 03 04 05 06 07", 6,
         {"damaged offset 6: LEN 772 runs past the end (6 octets left)"}},
        {"empty", "", 0, {}},
        {"largest block", nullptr, 0, {"block offset 0 65535 CAT62"}},
    };
    for (const auto& row : rows) {
        Bytes data;
        if (row.hex) {
            data = hexBytes(row.hex);
        } else {
            data.assign(65535, 0);
            data[0] = 62;
            data[1] = 0xFF;
            data[2] = 0xFF;
        }
        Recorder datagram;
        asterixdecode::frameDatagram(data.data(), data.size(), row.skip, 0, datagram);
        EXPECT_EQ(datagram.events, row.events) << row.name;
        Recorder stream;
        Trickle trickle(data);
        asterixdecode::frameStream(trickle, row.skip, stream);
        EXPECT_EQ(stream.events, row.events) << row.name << " (stream)";
        asterixdecode::MemorySource whole(data.data(), data.size());
        Recorder chunks;
        asterixdecode::frameStream(whole, row.skip, chunks);
        EXPECT_EQ(chunks.events, row.events) << row.name << " (one read)";
    }
}

// A stream far longer than the framing's buffer: every block arrives, at its offset.
TEST(Framing, LongStreamsKeepTheirOffsets) {
    Bytes data;
    const size_t blocks = 3000;
    for (size_t i = 0; i < blocks; ++i) {
        const size_t size = 3 + (i * 37) % 500;
        Bytes block(size, static_cast<uint8_t>(i));
        block[0] = 48;
        block[1] = static_cast<uint8_t>(size >> 8);
        block[2] = static_cast<uint8_t>(size);
        data.insert(data.end(), block.begin(), block.end());
    }
    asterixdecode::MemorySource source(data.data(), data.size());
    Recorder recorder;
    asterixdecode::frameStream(source, 0, recorder);
    ASSERT_EQ(recorder.events.size(), blocks);
    size_t offset = 0;
    for (size_t i = 0; i < blocks; ++i) {
        const size_t size = 3 + (i * 37) % 500;
        EXPECT_EQ(recorder.events[i],
                  "block offset " + std::to_string(offset) + " " + std::to_string(size) + " CAT48");
        offset += size;
    }
}
