#ifndef ASTERIX_TESTS_COMPOUNDITEMS_H
#define ASTERIX_TESTS_COMPOUNDITEMS_H

// A compound item with every subfield that it defines present: the primary subfield with all
// its bits set (FX on every octet but the last), then each subfield at its smallest size (a
// fixed subfield of zeros, a repetitive one with no element, an extensible one of one octet).
// The item must size to the whole, decode every subfield at its place, and summarise and detail
// each one without a log line at CRITICAL or above.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

inline Bytes everySubfield(ast_dataitem_type_t type, std::vector<uint64_t>* sizes = nullptr) {
    const uint32_t count = ast_dataitem_subfields_get_number(type);
    Bytes primary((count + 6) / 7, 0);
    for (uint32_t index = 1; index <= count; ++index)
        primary[(index - 1) / 7] |= static_cast<uint8_t>(0x80 >> ((index - 1) % 7));
    for (size_t i = 0; i + 1 < primary.size(); ++i)
        primary[i] |= 0x01;
    Bytes item = primary;
    const Bytes zeros(64, 0);
    for (uint32_t index = 1; index <= count; ++index) {
        const uint64_t size = ast_subfield_get_size(zeros.data(), zeros.size(), type * 1000 + index);
        if (sizes)
            sizes->push_back(size);
        item.insert(item.end(), zeros.begin(), zeros.begin() + static_cast<long>(size));
    }
    return item;
}

inline void checkEverySubfield(ast_dataitem_type_t type) {
    SCOPED_TRACE(ast_dataitem_type_to_str(type));
    std::vector<uint64_t> sizes;
    AstLogCapture log;
    const Bytes data = everySubfield(type, &sizes);
    const uint32_t count = static_cast<uint32_t>(sizes.size());
    ASSERT_GT(count, 0u);
    const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), type);
    ASSERT_TRUE(item.ok);
    EXPECT_EQ(item.size, data.size());
    // One octet short, the item cannot be sized.
    EXPECT_FALSE(ast_dataitem_decode(data.data(), data.size() - 1, type).ok);
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(&item);
    ASSERT_TRUE(compound.present);
    ASSERT_EQ(compound.count, count);
    uint64_t pos = (count + 6) / 7;
    for (uint32_t i = 0; i < count; ++i) {
        const ast_subfield_t& sf = compound.subfields[i];
        EXPECT_TRUE(sf.present) << i + 1;
        EXPECT_EQ(sf.size, sizes[i]) << i + 1;
        EXPECT_EQ(sf.data, item.data + pos) << i + 1;
        EXPECT_GT(sf.size, 0u) << i + 1;
        EXPECT_STRNE(ast_subfield_get_id(sf.type), "") << i + 1;
        char text[8192];
        EXPECT_STRNE(ast_subfield_get_summary(text, sizeof text, &sf), "NOT_IMPLEMENTED") << i + 1;
        ast_subfield_get_detail_html(text, sizeof text, &sf);
        pos += sf.size;
    }
    char text[65536];
    char expected[32];
    std::snprintf(expected, sizeof expected, "SUBFIELDS:%02u/%02u", count, count);
    EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &item), expected);
    ast_dataitem_get_detail_html(text, sizeof text, &item);
    for (const auto& line : log.all())
        EXPECT_LT(line.first, AST_LOG_CRITICAL) << line.second;
}

#endif  // ASTERIX_TESTS_COMPOUNDITEMS_H
