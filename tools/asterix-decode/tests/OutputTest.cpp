// The output buffer (numbers, writing in place, growth, taking back) and the item names kept per
// type, which must stay the library's names whatever the order of the types asked for.

#include <string>

#include <gtest/gtest.h>

#include <asterix/asterix.h>

#include "ItemNames.h"
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

TEST(ItemNames, TheLibrarysNamesInAnyOrder) {
    // Aliased CAT021 layouts, REF and SPF, and types that share a slot of the cache (256 apart).
    const ast_dataitem_type_t types[] = {48010,  48266, 48010,      21902, 21998, 21999,
                                         48522,  21902, 34000,      34256, 62500, 48010,
                                         240010, 1020,  1020 + 256, 1020};
    asterixdecode::ItemNames names;
    for (int round = 0; round < 2; ++round)
        for (ast_dataitem_type_t type : types) {
            const std::string expected = ast_dataitem_type_to_str(type);
            const asterixdecode::ItemNames::Name& name = names.of(type);
            EXPECT_EQ(std::string(name.text, name.length), expected) << type;
            EXPECT_STREQ(name.text, expected.c_str()) << type;
        }
}
