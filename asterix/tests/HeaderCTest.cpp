#include <gtest/gtest.h>

extern "C" int asterix_header_c_check(void);

TEST(HeaderC, PublicHeaderCompilesAndLinksAsC) {
    EXPECT_EQ(asterix_header_c_check(), 1);
}
