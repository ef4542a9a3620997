// The output buffer (numbers, writing in place, growth, taking back) and what is kept per item
// type, which must stay the library's names and summaries whatever the order of the types.

#include <string>

#include <gtest/gtest.h>

#include <asterix/asterix.h>

#include "ItemTypes.h"
#include "Output.h"

TEST(Output, NumbersAndWidths) {
    const struct {
        unsigned long long value;
        unsigned width;
        const char* text;
    } cases[] = {{0, 0, "0"},         {7, 0, "7"},
                 {7, 3, "007"},       {42, 1, "42"},
                 {42, 3, "042"},      {255, 3, "255"},
                 {1000, 3, "1000"},   {0, 3, "000"},
                 {65535, 0, "65535"}, {18446744073709551615ULL, 0, "18446744073709551615"}};
    for (const auto& c : cases) {
        asterixdecode::Output out;
        out.append('[');
        out.appendNumber(c.value, c.width);
        out.append(']');
        EXPECT_EQ(out.text(), std::string("[") + c.text + "]") << c.value << " " << c.width;
    }
}

TEST(Output, InPlaceWritesGrowthAndRollback) {
    asterixdecode::Output out;
    out.appendLiteral("head ");
    const size_t mark = out.mark();
    // Far beyond the first capacity, in pieces written in place and appended.
    std::string expected = "head ";
    for (int i = 0; i < 5000; ++i) {
        char* p = out.room(300);
        p[0] = 'a' + static_cast<char>(i % 26);
        p[1] = ';';
        out.commit(2);
        out.append("xyz");
        expected += std::string(1, static_cast<char>('a' + i % 26)) + ";xyz";
    }
    EXPECT_EQ(out.text(), expected);
    out.rollback(mark);
    out.append(std::string("tail"));
    EXPECT_EQ(out.text(), "head tail");
}

TEST(ItemTypes, TheLibrarysNamesAndSummariesInAnyOrder) {
    // Aliased CAT021 layouts, REF and SPF, types that share a slot of the cache (256 apart), a
    // compound item, a type without a summary writer and one the library does not know.
    const ast_dataitem_type_t types[] = {48010, 48266, 48010, 21902,  21998, 21999,  48522,
                                         21902, 34000, 34256, 62500,  48010, 240010, 48130,
                                         1020,  1276,  1020,  240052, 48999, 48040};
    const uint8_t data[] = {0xE0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x01, 0x02,
                            0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D};
    asterixdecode::ItemTypes itemTypes;
    for (int round = 0; round < 2; ++round)
        for (ast_dataitem_type_t type : types)
            for (uint64_t available : {sizeof data, uint64_t{1}}) {  // whole, then cut short
                const std::string name = ast_dataitem_type_to_str(type);
                const asterixdecode::ItemTypes::Type& entry = itemTypes.of(type);
                EXPECT_EQ(std::string(entry.name, entry.length), name) << type;
                EXPECT_STREQ(entry.name, name.c_str()) << type;

                const ast_dataitem_t item = ast_dataitem_decode(data, available, type);
                char expected[256], got[256];
                ast_dataitem_get_summary(expected, sizeof expected, &item);
                asterixdecode::ItemTypes::writeSummary(entry, got, sizeof got, item);
                EXPECT_STREQ(got, expected) << type << " of " << available << " octets";
            }
}
