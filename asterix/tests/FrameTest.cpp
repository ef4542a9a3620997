// Library information, the log handler, text functions and UAP tables.

#include <cstring>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "Frame.h"

TEST(Library, VersionAndInformation) {
    EXPECT_TRUE(ast_library_init("test host"));
    EXPECT_STREQ(ast_library_version(), "1.7.0");
    EXPECT_EQ(ast_library_version_major(), 1);
    EXPECT_EQ(ast_library_version_minor(), 7);
    EXPECT_EQ(ast_library_version_patch(), 0);
    EXPECT_STREQ(ast_library_build(), "Jan 10 2021");
    EXPECT_NE(std::strstr(ast_library_about(), "Brannic"), nullptr);
    EXPECT_GT(std::strlen(ast_library_contact()), 0u);
}

TEST(Library, StdoutHandlerLabels) {
    const struct {
        int level;
        const char* line;
    } rows[] = {{0, "[DEBUG   ] m\n"}, {1, "[INFO    ] m\n"}, {2, "[WARNING ] m\n"},
                {3, "[CRITICAL] m\n"}, {4, "[PANIC   ] m\n"}, {5, "[UNKNOWN ] m\n"},
                {-1, "[UNKNOWN ] m\n"}};
    for (const auto& row : rows) {
        testing::internal::CaptureStdout();
        ast_log_stdout(row.level, "m");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), row.line) << "level " << row.level;
    }
}

TEST(Library, LogIsOffWithoutHandlerAndTruncatedAt511) {
    ast_log_handler_reg(nullptr);
    ast_dataitem_decode(hexBytes("00").data(), 1, 99001);  // logs nothing, must not crash
    AstLogCapture log;
    ast_dataitem_decode(hexBytes("00").data(), 1, 99001);
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Unsupported dataitem I099/001"), 1);
    log.clear();
    ast::log(AST_LOG_INFO, "%s", std::string(600, 'x').c_str());
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log.all()[0].second, std::string(511, 'x'));
}

TEST(Text, CategoryAndTypeTexts) {
    EXPECT_STREQ(ast_category_to_str(62), "I062");
    EXPECT_STREQ(ast_category_to_str(1), "I001");
    const struct {
        ast_dataitem_type_t type;
        const char* text;
    } rows[] = {{21010, "I021/010"}, {240052, "I240/052"}, {21998, "I021/REF"}, {21999, "I021/SPF"},
                {21902, "I021/130"}, {21903, "I021/040"},  {21904, "I021/131"}, {21905, "I021/090"},
                {21906, "I021/210"}, {21907, "I021/271"},  {21908, "I021/200"}, {2000, "I002/000"},
                {48998, "I048/REF"}, {0, "I000/000"}, {999999, "I999/SPF"}, {255100, "I255/100"},
                // Categories above 999 (no such category, but a type is any 32-bit number).
                {1000001, "I1000/001"}, {4294967295u, "I4294967/295"}, {1234998, "I1234/REF"}};
    for (const auto& row : rows)
        EXPECT_STREQ(ast_dataitem_type_to_str(row.type), row.text) << row.type;
}

// ---- UAP tables ----------------------------------------------------------------------------

struct UapRow {
    const char* name;
    const ast_uap_t* uap;
    uint32_t category;
    uint32_t frn;
    ast_dataitem_type_t expected;
};

TEST(Uap, TablesGiveTheItemOfEachFrn) {
    const UapRow rows[] = {
        {"std 001 frn1", &AST_UAP_STANDARD, 1, 1, 1010},
        {"std 001 frn20", &AST_UAP_STANDARD, 1, 20, 1998},
        {"std 002 frn2 (I002/000)", &AST_UAP_STANDARD, 2, 2, 2000},
        {"std 002 frn12 spare", &AST_UAP_STANDARD, 2, 12, 0},
        {"std 002 frn13", &AST_UAP_STANDARD, 2, 13, 2999},
        {"std 004 frn18", &AST_UAP_STANDARD, 4, 18, 4110},
        {"std 008 frn12", &AST_UAP_STANDARD, 8, 12, 8038},
        {"std 010 frn28", &AST_UAP_STANDARD, 10, 28, 10998},
        {"std 019 frn10", &AST_UAP_STANDARD, 19, 10, 19620},
        {"std 020 frn25", &AST_UAP_STANDARD, 20, 25, 20055},
        {"std 021 is 0.26", &AST_UAP_STANDARD, 21, 4, 21902},
        {"std 021 frn28", &AST_UAP_STANDARD, 21, 28, 21904},
        {"std 023 frn7", &AST_UAP_STANDARD, 23, 7, 23200},
        {"std 034 frn12", &AST_UAP_STANDARD, 34, 12, 34090},
        {"std 048 frn27", &AST_UAP_STANDARD, 48, 27, 48999},
        {"std 062 frn2 spare", &AST_UAP_STANDARD, 62, 2, 0},
        {"std 062 frn35", &AST_UAP_STANDARD, 62, 35, 62999},
        {"std 065 frn7", &AST_UAP_STANDARD, 65, 7, 65050},
        {"std 240 frn12", &AST_UAP_STANDARD, 240, 12, 240140},
        {"plot 001 frn3", &AST_UAP_CAT001_PLOT, 1, 3, 1040},
        {"plot 001 frn15", &AST_UAP_CAT001_PLOT, 1, 15, 1150},
        {"plot 048 falls back", &AST_UAP_CAT001_PLOT, 48, 2, 48140},
        {"v023 frn4", &AST_UAP_CAT021_VER023, 21, 4, 21130},
        {"v023 frn27 spare", &AST_UAP_CAT021_VER023, 21, 27, 0},
        {"v023 frn34", &AST_UAP_CAT021_VER023, 21, 34, 21998},
        {"v023 frn35", &AST_UAP_CAT021_VER023, 21, 35, 21999},
        {"v026 frn4", &AST_UAP_CAT021_VER026, 21, 4, 21902},
        {"v21 frn37", &AST_UAP_CAT021_VER21, 21, 37, 21907},
        {"v24 frn37", &AST_UAP_CAT021_VER24, 21, 37, 21271},
        {"v24 frn6", &AST_UAP_CAT021_VER24, 21, 6, 21130},
        {"v24 frn43 spare", &AST_UAP_CAT021_VER24, 21, 43, 0},
        {"v24 frn48", &AST_UAP_CAT021_VER24, 21, 48, 21998},
        {"v24 048 falls back", &AST_UAP_CAT021_VER24, 48, 1, 48010},
        {"raytheon 001 frn5 spare", &AST_UAP_RAYTHEON, 1, 5, 0},
        {"raytheon 001 frn15", &AST_UAP_RAYTHEON, 1, 15, 1050},
        {"raytheon 002 frn6", &AST_UAP_RAYTHEON, 2, 6, 2050},
        {"thales 021 frn4", &AST_UAP_THALES, 21, 4, 21130},
        {"thales 021 frn21", &AST_UAP_THALES, 21, 21, 21200},
        {"thales 021 frn28", &AST_UAP_THALES, 21, 28, 21070},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ast_uap_get_dataitem(row.uap, row.category, row.frn), row.expected) << row.name;
}

TEST(Uap, FrnCounts) {
    const struct {
        const ast_uap_t* uap;
        uint32_t category;
        uint32_t expected;
    } rows[] = {{&AST_UAP_STANDARD, 1, 20},       {&AST_UAP_STANDARD, 2, 13},
                {&AST_UAP_STANDARD, 4, 21},       {&AST_UAP_STANDARD, 8, 12},
                {&AST_UAP_STANDARD, 10, 28},      {&AST_UAP_STANDARD, 19, 10},
                {&AST_UAP_STANDARD, 20, 28},      {&AST_UAP_STANDARD, 21, 28},
                {&AST_UAP_STANDARD, 23, 7},       {&AST_UAP_STANDARD, 34, 14},
                {&AST_UAP_STANDARD, 48, 28},      {&AST_UAP_STANDARD, 62, 35},
                {&AST_UAP_STANDARD, 65, 14},      {&AST_UAP_STANDARD, 240, 0},
                {&AST_UAP_STANDARD, 99, 0},       {&AST_UAP_CAT001_PLOT, 1, 15},
                {&AST_UAP_CAT021_VER023, 21, 26}, {&AST_UAP_CAT021_VER026, 21, 28},
                {&AST_UAP_CAT021_VER21, 21, 49},  {&AST_UAP_CAT021_VER24, 21, 49},
                {&AST_UAP_RAYTHEON, 1, 15},       {&AST_UAP_RAYTHEON, 2, 6},
                {&AST_UAP_THALES, 21, 28},        {&AST_UAP_THALES, 48, 28}};
    for (const auto& row : rows)
        EXPECT_EQ(row.uap->max_frn(row.category), row.expected) << row.category;
}

TEST(Uap, UndefinedFrnLogLines) {
    const struct {
        const ast_uap_t* uap;
        uint32_t category;
        uint32_t frn;
        const char* line;  // nullptr: silent
    } rows[] = {{&AST_UAP_STANDARD, 1, 21, "UAP CAT001: Undefined FRN 21"},
                {&AST_UAP_STANDARD, 48, 29, "UAP CAT048: Undefined FRN 29"},
                {&AST_UAP_STANDARD, 240, 15, "UAP CAT240: Undefined FRN 15"},
                {&AST_UAP_STANDARD, 21, 29, "UAP ADS-B v0.26: Undefined FRN 29"},
                {&AST_UAP_CAT021_VER023, 21, 36, "UAP ADS-B v0.23: Undefined FRN 36"},
                {&AST_UAP_CAT021_VER21, 21, 50, "UAP ADS-B v2.1: Undefined FRN 50"},
                {&AST_UAP_CAT021_VER24, 21, 50, "UAP ADS-B v2.4: Undefined FRN 50"},
                {&AST_UAP_STANDARD, 99, 1, "UAP STD: Unknown category 99"},
                {&AST_UAP_CAT001_PLOT, 1, 16, nullptr},
                {&AST_UAP_RAYTHEON, 2, 7, nullptr},
                {&AST_UAP_THALES, 21, 29, nullptr},
                {&AST_UAP_CAT021_VER023, 21, 30, nullptr}};
    for (const auto& row : rows) {
        AstLogCapture log;
        EXPECT_EQ(ast_uap_get_dataitem(row.uap, row.category, row.frn), 0u) << row.frn;
        if (row.line) {
            EXPECT_EQ(log.count(AST_LOG_CRITICAL, row.line), 1) << row.line;
            EXPECT_EQ(log.size(), 1u) << row.line;
        } else {
            EXPECT_EQ(log.size(), 0u) << row.category << " " << row.frn;
        }
    }
}
