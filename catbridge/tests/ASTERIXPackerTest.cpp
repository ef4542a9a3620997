#include <catbridge/ASTERIXPacker.h>

#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LogCapture.h"

namespace brannic {
namespace modes {
namespace {

constexpr uint64_t kTime = 1709296496789ULL;

// A record of `size` octets whose bytes tell it apart: its index, then its size.
DataRecord record(int index, std::size_t size, uint8_t category = 21) {
    std::string bytes(size, static_cast<char>(index));
    return DataRecord(category, bytes, kTime + static_cast<uint64_t>(index));
}

std::list<DataRecord> records(int count, std::size_t size) {
    std::list<DataRecord> list;
    for (int i = 0; i < count; ++i)
        list.push_back(record(i + 1, size));
    return list;
}

unsigned lenField(const DataBlock& block) {
    const std::string& d = block.constData();
    return static_cast<unsigned>(static_cast<uint8_t>(d[1])) << 8 | static_cast<uint8_t>(d[2]);
}

// The record octets of each block, checked against the header on the way.
std::vector<std::size_t> recordOctets(const std::list<DataBlock>& blocks) {
    std::vector<std::size_t> sizes;
    for (const DataBlock& block : blocks) {
        EXPECT_TRUE(block.valid());
        EXPECT_EQ(lenField(block), block.constData().size());
        EXPECT_EQ(static_cast<uint8_t>(block.constData()[0]), block.category());
        sizes.push_back(block.constData().size() - 3);
    }
    return sizes;
}

TEST(DataRecord, ValidityAndTimeStamp) {
    LogCapture log;
    const DataRecord empty;
    EXPECT_FALSE(empty.valid());
    EXPECT_EQ(empty.category(), 0);
    EXPECT_EQ(empty.timeStamp(), 0u);
    EXPECT_TRUE(empty.constData().empty());

    EXPECT_TRUE(DataRecord(21, "x", 5).valid());
    EXPECT_FALSE(DataRecord(0, "x", 5).valid());
    EXPECT_FALSE(DataRecord(21, "", 5).valid());
    EXPECT_EQ(DataRecord(21, "x", 5).timeStamp(), 5u);
    // A time of 0 means "now".
    const DataRecord now(21, "x", 0);
    EXPECT_TRUE(now.valid());
    EXPECT_GT(now.timeStamp(), kTime);

    const DataBlock block(21, "abc", 0);
    EXPECT_TRUE(block.valid());
    EXPECT_GT(block.timeStamp(), kTime);
    EXPECT_FALSE(DataBlock().valid());
    EXPECT_FALSE(DataBlock(21, "", 5).valid());
}

TEST(ASTERIXPacker, InitializedAndDefaults) {
    LogCapture log;
    const ASTERIXPacker packer;
    EXPECT_EQ(log.count("Initialized."), 1);
    EXPECT_EQ(log.countContaining("ASTERIXPacker"), 1);
    EXPECT_EQ(packer.maxDataBlockSize(), 1024);
    EXPECT_EQ(packer.maxDataRecords(), 16);
}

TEST(ASTERIXPacker, SingleRecordBlockKeepsItsTimeAndIgnoresLimits) {
    LogCapture log;
    ASTERIXPacker packer;
    packer.setMaxDataBlockSize(10);
    packer.setMaxDataRecords(0);
    const DataBlock block = packer.pack(record(7, 300));
    ASSERT_TRUE(block.valid());
    EXPECT_EQ(block.constData().size(), 303u);
    EXPECT_EQ(lenField(block), 303u);
    EXPECT_EQ(block.constData().substr(3), std::string(300, '\7'));
    EXPECT_EQ(block.timeStamp(), kTime + 7);
    EXPECT_EQ(block.category(), 21);

    EXPECT_FALSE(packer.pack(DataRecord()).valid());
}

// LEN is sixteen bits: 65,532 record octets are the most one block can carry.
TEST(ASTERIXPacker, RecordTooLongForAnyBlockIsRefused) {
    LogCapture log;
    const ASTERIXPacker packer;
    const DataBlock largest = packer.pack(record(1, 65532));
    ASSERT_TRUE(largest.valid());
    EXPECT_EQ(lenField(largest), 65535u);
    EXPECT_FALSE(packer.pack(record(1, 65533)).valid());

    const std::list<DataBlock> blocks =
        packer.pack(std::list<DataRecord>{record(1, 10), record(2, 65533), record(3, 10)});
    EXPECT_EQ(recordOctets(blocks), (std::vector<std::size_t>{20}));
    EXPECT_EQ(log.countContaining("Data record size 65533 exceeds the largest data block"), 1);
}

struct PackCase {
    const char* name;
    uint16_t maxSize;
    uint16_t maxRecords;
    std::vector<std::size_t> recordSizes;
    std::vector<std::size_t> expectedBlocks;  // record octets per block
    int sizeClosures;
    int countClosures;
};

TEST(ASTERIXPacker, BlocksRespectSizeAndRecordLimits) {
    const std::vector<PackCase> cases = {
        // 3 + 16 × 40 = 643 octets: the record limit, not the size, closes the first two.
        {"defaults, 40 records of 40", 1024, 16, std::vector<std::size_t>(40, 40),
         {640, 640, 320}, 0, 2},
        // 3 + 48 + 48 = 99 is below 100; a third would need 147.
        {"size 100, records of 48", 100, 16, std::vector<std::size_t>(5, 48), {96, 96, 48}, 2, 0},
        // Reaching the limit exactly closes: 3 + 48 + 49 = 100.
        {"size 100, 48 then 49", 100, 16, {48, 49}, {48, 49}, 1, 0},
        {"size 100, 48 then 48", 100, 16, {48, 48}, {96}, 0, 0},
        // A record that alone reaches the limit gets a block of its own, with no empty block
        // before it, and closes behind itself.
        {"oversize first", 100, 16, {200, 10}, {200, 10}, 1, 0},
        {"oversize between", 100, 16, {10, 200, 10}, {10, 200, 10}, 2, 0},
        {"oversize only", 100, 16, {97}, {97}, 0, 0},
        {"two oversize", 100, 16, {150, 150}, {150, 150}, 1, 0},
        {"one record per block", 1024, 1, {5, 5, 5}, {5, 5, 5}, 0, 2},
        {"no record limit", 1024, 0, {5, 5}, {5, 5}, 0, 1},
        {"empty list", 1024, 16, {}, {}, 0, 0},
    };
    for (const PackCase& c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        ASTERIXPacker packer;
        packer.setMaxDataBlockSize(c.maxSize);
        packer.setMaxDataRecords(c.maxRecords);
        std::list<DataRecord> list;
        int index = 0;
        for (std::size_t size : c.recordSizes)
            list.push_back(record(++index, size));
        const std::list<DataBlock> blocks = packer.pack(list);
        EXPECT_EQ(recordOctets(blocks), c.expectedBlocks);
        EXPECT_EQ(log.countContaining("Current datablock size ("), c.sizeClosures);
        EXPECT_EQ(log.countContaining("Datarecords in current datablock  ("), c.countClosures);

        // The records, in order, with nothing lost or repeated.
        std::string all, packed;
        for (const DataRecord& r : list)
            all += r.constData();
        for (const DataBlock& b : blocks)
            packed += b.constData().substr(3);
        EXPECT_EQ(packed, all);
    }
}

TEST(ASTERIXPacker, ClosingMessagesCarryTheirNumbers) {
    LogCapture log;
    ASTERIXPacker packer;
    packer.setMaxDataBlockSize(100);
    packer.pack(records(3, 48));
    EXPECT_EQ(log.count("Current datablock size (99) has reached its limitation (100), a new "
                        "datablock will be created."),
              1);
    log.clear();
    packer.setMaxDataBlockSize(1024);
    packer.setMaxDataRecords(2);
    packer.pack(records(3, 10));
    EXPECT_EQ(log.count("Datarecords in current datablock  (2) has reached its limitation (2), a "
                        "new datablock will be created."),
              1);
}

TEST(ASTERIXPacker, ForeignCategoryIsDroppedWithOneCriticalLine) {
    LogCapture log;
    const ASTERIXPacker packer;
    const std::list<DataBlock> blocks =
        packer.pack(std::list<DataRecord>{record(1, 10), record(2, 10, 48), record(3, 10)});
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks.front().category(), 21);
    EXPECT_EQ(blocks.front().constData().substr(3), std::string(10, '\1') + std::string(10, '\3'));
    EXPECT_EQ(log.count("Data record category 48 is different with data block category 21, data "
                        "record has been ignored."),
              1);
    EXPECT_EQ(log.countContaining("[CRITICAL]"), 1);
}

TEST(ASTERIXPacker, ListBlocksAreStampedNow) {
    LogCapture log;
    const ASTERIXPacker packer;
    const std::list<DataBlock> blocks = packer.pack(records(2, 10));
    ASSERT_EQ(blocks.size(), 1u);
    // Not the records' own times, which lie in the past.
    EXPECT_GT(blocks.front().timeStamp(), kTime + 1000);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
