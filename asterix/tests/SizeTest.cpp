// FSPEC handling and every size rule, with short and exact inputs.

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

TEST(Fspec, Decode) {
    const struct {
        const char* hex;
        uint64_t available;
        uint64_t length, bits, set;
        bool ok;
    } rows[] = {
        {"80", 1, 1, 7, 1, true},         {"FE", 1, 1, 7, 7, true},
        {"01 80", 2, 2, 14, 1, true},     {"FF FF 02", 3, 3, 21, 15, true},
        {"01 01 00", 3, 3, 21, 0, false},                                // only FX bits: not ok
        {"00", 1, 1, 7, 0, false},        {"81 80", 1, 0, 0, 0, false},  // runs past the buffer
        {"80", 0, 0, 0, 0, false},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        const ast_fspec_t f = ast_fspec_decode(data.data(), row.available);
        EXPECT_EQ(f.data, data.data()) << row.hex;
        EXPECT_EQ(f.length, row.length) << row.hex;
        EXPECT_EQ(f.bits, row.bits) << row.hex;
        EXPECT_EQ(f.set, row.set) << row.hex;
        EXPECT_EQ(bool(f.ok), row.ok) << row.hex;
    }
    EXPECT_FALSE(ast_fspec_decode(nullptr, 10).ok);
}

TEST(Fspec, IsSetSetAndCopy) {
    const Bytes data = hexBytes("A1 40");  // FRN 1, 3 and FRN 9
    const ast_fspec_t f = ast_fspec_decode(data.data(), data.size());
    const struct {
        uint32_t frn;
        bool set;
    } rows[] = {{0, false}, {1, true}, {2, false},  {3, true},
                {8, false}, {9, true}, {14, false}, {15, false}};
    for (const auto& row : rows)
        EXPECT_EQ(ast_fspec_is_set(&f, row.frn), row.set) << row.frn;

    uint8_t buffer[2] = {0x01, 0x00};
    EXPECT_FALSE(ast_fspec_set(buffer, 2, 0, true));
    EXPECT_TRUE(ast_fspec_set(buffer, 2, 7, true));
    EXPECT_TRUE(ast_fspec_set(buffer, 2, 8, true));
    EXPECT_FALSE(ast_fspec_set(buffer, 2, 15, true));  // octet 3 beyond capacity
    EXPECT_FALSE(ast_fspec_set(buffer, 1, 8, true));
    EXPECT_EQ(buffer[0], 0x03);  // FX untouched
    EXPECT_EQ(buffer[1], 0x80);
    EXPECT_TRUE(ast_fspec_set(buffer, 2, 7, false));
    EXPECT_EQ(buffer[0], 0x01);

    uint8_t copy[4];
    std::fill(copy, copy + 4, POISON);
    ast_fspec_t c = ast_fspec_copy(copy, 1, &f);
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.length, 0u);
    EXPECT_EQ(c.bits, 14u);
    EXPECT_EQ(copy[0], POISON);
    c = ast_fspec_copy(copy, 2, &f);
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.length, 2u);
    EXPECT_EQ(hexText(copy, 2), "A1 40");
    EXPECT_FALSE(ast_fspec_copy(nullptr, 2, &f).ok);
}

using SizeRule = uint64_t (*)(const uint8_t*, uint64_t);

struct SizeRow {
    const char* name;
    SizeRule rule;
    const char* hex;
    uint64_t available;  // octets offered (may be fewer than the hex)
    uint64_t expected;
};

TEST(Size, EveryRuleWithShortAndExactInput) {
    const SizeRow rows[] = {
        {"fixed 1 exact", ast_dataitem_get_size_fixed_1_byte, "00", 1, 1},
        {"fixed 1 none", ast_dataitem_get_size_fixed_1_byte, "00", 0, 0},
        {"fixed 2 exact", ast_dataitem_get_size_fixed_2_byte, "0000", 2, 2},
        {"fixed 2 short", ast_dataitem_get_size_fixed_2_byte, "00", 1, 0},
        {"fixed 3 short", ast_dataitem_get_size_fixed_3_byte, "0000", 2, 0},
        {"fixed 3 more", ast_dataitem_get_size_fixed_3_byte, "00000000", 4, 3},
        {"fixed 4 exact", ast_dataitem_get_size_fixed_4_byte, "00000000", 4, 4},
        {"fixed 5 short", ast_dataitem_get_size_fixed_5_byte, "00000000", 4, 0},
        {"fixed 6 exact", ast_dataitem_get_size_fixed_6_byte, "000000000000", 6, 6},
        {"fixed 7 short", ast_dataitem_get_size_fixed_7_byte, "000000000000", 6, 0},
        {"fixed 8 exact", ast_dataitem_get_size_fixed_8_byte, "0000000000000000", 8, 8},
        {"fixed 9 short", ast_dataitem_get_size_fixed_9_byte, "0000000000000000", 8, 0},
        {"fixed 12 exact", ast_dataitem_get_size_fixed_12_byte, "000000000000000000000000", 12, 12},
        {"rep 1 two", ast_dataitem_get_size_rep_1_byte, "02 AA BB", 3, 3},
        {"rep 1 short", ast_dataitem_get_size_rep_1_byte, "02 AA", 2, 0},
        {"rep 2 one", ast_dataitem_get_size_rep_2_byte, "01 AA BB", 3, 3},
        {"rep 3 one", ast_dataitem_get_size_rep_3_byte, "01 AA BB CC", 4, 4},
        {"rep 4 short", ast_dataitem_get_size_rep_4_byte, "01 AA BB CC", 4, 0},
        {"rep 8 zero", ast_dataitem_get_size_rep_8_byte, "00", 1, 1},
        {"rep 8 one", ast_dataitem_get_size_rep_8_byte, "01 0102030405060708", 9, 9},
        {"rep 8 short", ast_dataitem_get_size_rep_8_byte, "01 01020304050607", 8, 0},
        {"rep 15 none", ast_dataitem_get_size_rep_15_byte, "", 0, 0},
        {"rep 64 zero", ast_dataitem_get_size_rep_64_byte, "00", 1, 1},
        {"rep 256 one short", ast_dataitem_get_size_rep_256_byte, "01 00", 2, 0},
        {"var 1 one", ast_dataitem_get_size_var_1_byte, "02", 1, 1},
        {"var 2 two", ast_dataitem_get_size_var_2_byte, "01 02", 2, 2},
        {"var 2 short", ast_dataitem_get_size_var_2_byte, "01", 1, 0},
        {"var 3 one", ast_dataitem_get_size_var_3_byte, "00 01", 2, 1},
        {"var 4 three", ast_dataitem_get_size_var_4_byte, "01 01 00", 3, 3},
        {"var 5 short", ast_dataitem_get_size_var_5_byte, "01 01 01", 3, 0},
        {"var 6 six", ast_dataitem_get_size_var_6_byte, "01 01 01 01 01 00", 6, 6},
        {"var 23 none", ast_dataitem_get_size_var_23_byte, "", 0, 0},
        {"var unlimited", ast_dataitem_get_size_var_unlimited, "01 01 01 01 01 01 01 01 00", 9, 9},
        {"SPF exact", ast_dataitem_special_purpose_field_get_size, "03 AA BB", 3, 3},
        {"SPF beyond", ast_dataitem_special_purpose_field_get_size, "04 AA BB", 3, 0},
        {"SPF zero", ast_dataitem_special_purpose_field_get_size, "00 AA", 2, 0},
        {"SPF none", ast_dataitem_special_purpose_field_get_size, "", 0, 0},
        {"REF exact", ast_dataitem_reserved_expansion_field_get_size, "01", 1, 1},
        {"REF beyond", ast_dataitem_reserved_expansion_field_get_size, "05 00 00", 3, 0},
    };
    for (const auto& row : rows) {
        AstLogCapture log;
        Bytes data = hexBytes(row.hex);
        data.resize(data.size() + 1);  // never read: available excludes it
        EXPECT_EQ(row.rule(data.data(), row.available), row.expected) << row.name;
        EXPECT_EQ(log.size(), 0u) << row.name;
    }
}

// FX set on the last allowed octet announces a part the layout does not have: the item cannot
// be sized, so that its record fails instead of reading on from the wrong octets.
TEST(Size, ExtensibleWithFxOnItsLastAllowedOctetFails) {
    const struct {
        SizeRule rule;
        const char* hex;
        const char* line;
    } rows[] = {{ast_dataitem_get_size_var_1_byte, "01 00", "Dataitem length exceed max: 1"},
                {ast_dataitem_get_size_var_3_byte, "01 01 01", "Dataitem length exceed max: 3"},
                {ast_dataitem_get_size_var_3_byte, "01 01 01 00", "Dataitem length exceed max: 3"},
                {ast_dataitem_get_size_var_6_byte, "01 01 01 01 01 01 00",
                 "Dataitem length exceed max: 6"}};
    for (const auto& row : rows) {
        AstLogCapture log;
        const Bytes data = hexBytes(row.hex);
        EXPECT_EQ(row.rule(data.data(), data.size()), 0u) << row.hex;
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, row.line), 1) << row.hex;
    }
    AstLogCapture log;
    const Bytes data = hexBytes("01 01 01");
    EXPECT_EQ(ast_subfield_get_size_variable(data.data(), 3, 2), 0u);
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Subfield length exceed max: 2"), 1);
    // One octet fewer is the largest item: its last octet ends the chain.
    const Bytes largest = hexBytes("01 00");
    EXPECT_EQ(ast_subfield_get_size_variable(largest.data(), 2, 2), 2u);
    EXPECT_EQ(ast_dataitem_get_size_var_2_byte(largest.data(), 2), 2u);
}

TEST(Size, GenericRulesWithAnyCount) {
    const Bytes data = hexBytes("03 01 02 03 04 05 06");
    EXPECT_EQ(ast_dataitem_get_size_fixed(data.data(), 7, 7), 7u);
    EXPECT_EQ(ast_dataitem_get_size_fixed(data.data(), 6, 7), 0u);
    EXPECT_EQ(ast_dataitem_get_size_repeat(data.data(), 7, 2), 7u);
    EXPECT_EQ(ast_dataitem_get_size_repeat(data.data(), 6, 2), 0u);
    EXPECT_EQ(ast_dataitem_get_size_variable(data.data(), 7, 10),
              3u);  // 03 and 01 have FX, 02 ends
    EXPECT_EQ(ast_dataitem_get_size_fixed(nullptr, 7, 1), 0u);
    EXPECT_EQ(ast_dataitem_get_size_repeat(nullptr, 7, 1), 0u);
    EXPECT_EQ(ast_dataitem_get_size_variable(nullptr, 7, 1), 0u);
}

TEST(Size, CompoundItemsCountSubfieldsAndRefuseOthers) {
    const struct {
        ast_dataitem_type_t type;
        uint32_t count;
    } rows[] = {{4100, 6},   {4120, 4},   {4170, 10}, {4171, 10},  {21110, 2},  {21220, 4},
                {21295, 23}, {34050, 7},  {34060, 7}, {48120, 2},  {48130, 7},  {62110, 7},
                {62290, 10}, {62295, 31}, {62340, 6}, {62380, 28}, {62390, 18}, {62500, 8}};
    for (const auto& row : rows)
        EXPECT_EQ(ast_dataitem_subfields_get_number(row.type), row.count) << row.type;
    AstLogCapture log;
    EXPECT_EQ(ast_dataitem_subfields_get_number(21010), 0u);
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Undefined Subfield I021/010"), 1);
}

TEST(Size, CompoundWhoseAnnouncedSubfieldHasNoSizeRuleFails) {
    // I048/120 defines two subfields; a primary subfield announcing a third (0x20) cannot be
    // sized, nor can one whose primary part runs past the octets or announces nothing.
    const Bytes third = hexBytes("20 AA BB");
    EXPECT_EQ(ast_dataitem_subfields_get_size(third.data(), 3, 48120), 0u);
    const Bytes data = hexBytes("81 40 AA");
    EXPECT_EQ(ast_dataitem_subfields_get_size(data.data(), 1, 62380), 0u);  // primary runs past
    const Bytes empty = hexBytes("00");
    EXPECT_EQ(ast_dataitem_subfields_get_size(empty.data(), 1, 62380),
              0u);  // no subfield announced
}

// A compound item that was sized elsewhere decodes into its subfield entries.
TEST(Size, CompoundDecodeListsEverySubfieldPosition) {
    const Bytes data = hexBytes("81 40 AA");
    const ast_dataitem_t item = {data.data(), 2, 62380, 1};
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(&item);
    ASSERT_TRUE(compound.present);
    EXPECT_EQ(compound.primary.length, 2u);
    EXPECT_EQ(compound.count, 14u);
    EXPECT_TRUE(compound.subfields[0].present);
    EXPECT_EQ(compound.subfields[0].type, 62380001u);
    EXPECT_FALSE(compound.subfields[1].present);
    EXPECT_TRUE(compound.subfields[1].defined);
    EXPECT_TRUE(compound.subfields[8].present);  // 0x40 of octet 2 is subfield 9
    char text[64];
    EXPECT_STREQ(ast_dataitem_subfields_get_summary(text, sizeof text, &item), "SUBFIELDS:02/14");
    // The subfield announced is one octet of the three of its address: it is not summarised.
    AstLogCapture log;
    EXPECT_STREQ(ast_subfield_get_summary(text, sizeof text, &compound.subfields[0]), "");
    // A subfield type without an entry is.
    ast_subfield_t unknown = compound.subfields[0];
    unknown.type = 62380029;
    EXPECT_STREQ(ast_subfield_get_summary(text, sizeof text, &unknown), "NOT_IMPLEMENTED");
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Unsupported Subfield type 62380029"), 1);
}
