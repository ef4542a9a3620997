#ifndef AVISTORE_TESTS_DATAFILECOMPARE_H
#define AVISTORE_TESTS_DATAFILECOMPARE_H

// Two stores hold the same dictionaries: same entries, in the same order (which decides
// address-block first matches and multimap list order), so every look-up answers alike.

#include <gtest/gtest.h>

#include <avistore/LibAvistore.h>

namespace brannic {
namespace avistore {

inline void expectSameDictionaries(const LibAvistore& a, const LibAvistore& b) {
    EXPECT_EQ(a.getRegionDict().regions(), b.getRegionDict().regions());
    EXPECT_EQ(a.getCountryDict().countries(), b.getCountryDict().countries());
    const auto& blocksA = a.getICAOAddrDict().blocks();
    const auto& blocksB = b.getICAOAddrDict().blocks();
    ASSERT_EQ(blocksA.size(), blocksB.size());
    for (int i = 0; i < blocksA.size(); ++i) {
        EXPECT_EQ(blocksA[i].addr, blocksB[i].addr) << i;
        EXPECT_EQ(blocksA[i].mask, blocksB[i].mask) << i;
        EXPECT_EQ(blocksA[i].country, blocksB[i].country) << i;
    }
    // QMultiMap equality compares values key by key in stored order.
    EXPECT_TRUE(a.getSACDict().entries() == b.getSACDict().entries());
    EXPECT_TRUE(a.getSensorDict().sensors() == b.getSensorDict().sensors());
    EXPECT_TRUE(a.getAircraftDict().aircraft() == b.getAircraftDict().aircraft());
}

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_TESTS_DATAFILECOMPARE_H
