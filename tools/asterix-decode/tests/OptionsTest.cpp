// The command line: what each option sets, and the refusals with their reasons.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Options.h"

using asterixdecode::Format;
using asterixdecode::ParseResult;
using asterixdecode::RunOptions;

namespace {

ParseResult parse(std::vector<const char*> args, RunOptions* options, std::string* error) {
    args.insert(args.begin(), "asterix-decode");
    return asterixdecode::parseOptions(static_cast<int>(args.size()), args.data(), options, error);
}

}  // namespace

TEST(Options, WhatEachOptionSets) {
    RunOptions o;
    std::string error;
    ASSERT_EQ(parse({"--uap", "21=2.4", "--uap", "1=plot", "--format", "keywords", "--keywords",
                     "callsign,fl", "--filter", "callsign=DLH", "--filter", "fl=330",
                     "--case-sensitive", "--skip", "6", "--no-counts", "a.pcap", "-"},
                    &o, &error),
              ParseResult::Run)
        << error;
    EXPECT_EQ(o.decode.uaps.at(21)->get_dataitem, AST_UAP_CAT021_VER24.get_dataitem);
    EXPECT_EQ(o.decode.uaps.at(1)->get_dataitem, AST_UAP_CAT001_PLOT.get_dataitem);
    EXPECT_EQ(o.decode.format, Format::Keywords);
    EXPECT_EQ(o.decode.keywords, (std::vector<uint32_t>{AST_KEYWORD_CALLSIGN, AST_KEYWORD_FLIGHTLEVEL}));
    ASSERT_EQ(o.decode.filters.size(), 2u);
    EXPECT_EQ(o.decode.filters[1].first, uint32_t{AST_KEYWORD_FLIGHTLEVEL});
    EXPECT_EQ(o.decode.filters[1].second, "330");
    EXPECT_TRUE(o.decode.caseSensitive);
    EXPECT_EQ(o.skip, 6u);
    EXPECT_FALSE(o.counts);
    EXPECT_EQ(o.files, (std::vector<std::string>{"a.pcap", "-"}));

    RunOptions udp;
    ASSERT_EQ(parse({"--udp", "239.1.2.3:8600", "--interface", "lo", "--count", "5", "--timeout",
                     "0.5", "--format", "json"},
                    &udp, &error),
              ParseResult::Run)
        << error;
    EXPECT_TRUE(udp.udp);
    EXPECT_EQ(udp.group, "239.1.2.3");
    EXPECT_EQ(udp.port, 8600);
    EXPECT_EQ(udp.interface, "lo");
    EXPECT_EQ(udp.count, 5u);
    EXPECT_DOUBLE_EQ(udp.timeout, 0.5);
    // JSON carries every keyword unless told otherwise.
    EXPECT_EQ(udp.decode.keywords.size(), size_t{AST_KEYWORD_COUNT});

    RunOptions plain;
    ASSERT_EQ(parse({}, &plain, &error), ParseResult::Run);
    EXPECT_EQ(plain.decode.format, Format::Text);
    EXPECT_TRUE(plain.decode.uaps.empty());
    EXPECT_TRUE(plain.files.empty());
    EXPECT_EQ(parse({"--help"}, &plain, &error), ParseResult::Help);
}

TEST(Options, Refusals) {
    const struct {
        std::vector<const char*> args;
        const char* error;  // a part of the message
    } rows[] = {
        {{"--uap", "21"}, "CATEGORY=PROFILE"},
        {{"--uap", "21=9.9"}, "profiles: 0.23, 0.26, 2.1, 2.4, thales"},
        {{"--uap", "48=2.4"}, "profiles: standard"},
        {{"--uap", "256=standard"}, "CATEGORY=PROFILE"},
        {{"--uap"}, "--uap needs a value"},
        {{"--format", "xml"}, "text, keywords or json"},
        {{"--keywords", "sacsic,altitude"}, "unknown keyword 'altitude'"},
        {{"--filter", "time=12:00"}, "sacsic, track, squawk, fl, callsign, address"},
        {{"--filter", "callsign"}, "KEYWORD=TEXT"},
        {{"--udp", "0"}, "PORT or GROUP:PORT"},
        {{"--udp", "65536"}, "PORT or GROUP:PORT"},
        {{"--udp", "8600", "file.raw"}, "cannot be read together"},
        {{"--count", "3"}, "go with --udp"},
        {{"--udp", "8600", "--interface", "lo"}, "multicast group"},
        {{"--timeout", "0", "--udp", "1"}, "above 0"},
        {{"--skip", "-1"}, "--skip wants"},
        {{"--skip", "65536"}, "--skip wants"},
        {{"--verbose"}, "unknown option --verbose"},
    };
    for (const auto& row : rows) {
        RunOptions o;
        std::string error;
        EXPECT_EQ(parse(row.args, &o, &error), ParseResult::Error) << row.error;
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
    }
}

TEST(Options, UsageNamesEveryProfileAndKeyword) {
    const std::string usage = asterixdecode::usageText();
    for (const char* text : {"CAT21: 0.23 0.26 2.1 2.4 thales", "CAT1: standard plot raytheon",
                             "--inspect", "--udp [GROUP:]PORT", "sacsic, time, type, track"})
        EXPECT_NE(usage.find(text), std::string::npos) << text;
}
