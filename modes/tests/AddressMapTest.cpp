// The flat address table against std::map under random inserts and erases, with keys chosen to
// collide (one country's block) so that probe chains are long and erasing must shift them back.

#include <map>
#include <random>

#include <gtest/gtest.h>

#include <modes/AddressMap.h>

namespace brannic {
namespace modes {
namespace {

TEST(AddressMap, AgreesWithAnOrderedMapUnderInsertsAndErases) {
    AddressMap<int> table;
    std::map<uint32_t, int> reference;
    std::mt19937 random(7);
    for (int step = 0; step < 200000; ++step) {
        const uint32_t key = 0x3C0000 + random() % 3000;
        switch (random() % 3) {
            case 0:
            case 1: {
                int* value = table.findOrInsert(key);
                ASSERT_NE(value, nullptr);
                EXPECT_EQ(*value, reference[key]) << std::hex << key;  // 0 when new
                *value = step;
                reference[key] = step;
                break;
            }
            case 2:
                ASSERT_EQ(table.erase(key), reference.erase(key) == 1) << std::hex << key;
                break;
        }
        ASSERT_EQ(table.size(), reference.size());
        if (step % 20000 == 0) {
            for (uint32_t k = 0x3C0000; k < 0x3C0000 + 3000; ++k) {
                const auto it = reference.find(k);
                const int* value = table.find(k);
                ASSERT_EQ(value != nullptr, it != reference.end()) << std::hex << k;
                if (value != nullptr) {
                    EXPECT_EQ(*value, it->second);
                }
            }
        }
    }
    size_t visited = 0;
    table.forEach([&](uint32_t key, int value) {
        EXPECT_EQ(reference.at(key), value);
        ++visited;
    });
    EXPECT_EQ(visited, reference.size());
}

// Target reports from outside may carry any 32-bit address; only the empty-slot marker is
// refused.
TEST(AddressMap, EveryKeyButTheEmptyMarkerIsKept) {
    AddressMap<int> table;
    *table.findOrInsert(0x1000000) = 7;
    *table.findOrInsert(0xFFFFFFFE) = 8;
    EXPECT_EQ(*table.find(0x1000000), 7);
    EXPECT_EQ(*table.find(0xFFFFFFFE), 8);
    EXPECT_EQ(table.findOrInsert(0xFFFFFFFF), nullptr);
    EXPECT_EQ(table.find(0xFFFFFFFF), nullptr);
    EXPECT_FALSE(table.erase(0xFFFFFFFF));
    *table.findOrInsert(0xFFFFFF) = 5;
    EXPECT_EQ(*table.find(0xFFFFFF), 5);
    AddressMap<int> copy = table;
    table.clear();
    EXPECT_EQ(table.find(0xFFFFFF), nullptr);
    EXPECT_EQ(*copy.find(0xFFFFFF), 5);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
