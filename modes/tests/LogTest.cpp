#include <modes/Log.h>
#include <modes/Tarrow.h>

#include <iostream>
#include <sstream>

#include <gtest/gtest.h>

#include "LogCapture.h"

namespace brannic {
namespace modes {
namespace {

TEST(Log, DropsLinesBelowTheShowLevel) {
    LogCapture capture(Log::INFO);
    Log::log(Log::DEBUG, "ModeSDecoder", "Unsupported UF message detected.");
    Log::log(Log::INFO, "ModeSDecoder", "Initialized.");
    ASSERT_EQ(capture.lines.size(), 1u);
    EXPECT_EQ(capture.count("Initialized."), 1);
}

TEST(Log, StartsAtInfo) {
    // The first test of a fresh process sees the start value; LogCapture restores it after.
    EXPECT_EQ(Log::showLevel(), Log::INFO);
}

TEST(Log, LineIsTagSourceAndMessage) {
    LogCapture capture;
    Log::log(Log::WARNING, "X", "text");
    ASSERT_EQ(capture.lines.size(), 1u);
    const std::string& line = capture.lines[0];
    EXPECT_EQ(line.substr(0, 12), "[WARNING ][X");
    EXPECT_EQ(line.substr(line.size() - 6), "] text");
    // The source is padded to at least ten characters.
    EXPECT_GE(line.find("] "), 10u + 1u + 10u);
}

TEST(Log, TagsAreTenCharactersAndUnknownLevelsAreNamed) {
    const struct {
        int level;
        const char* tag;
    } rows[] = {{0, "[DEBUG   ]"}, {1, "[INFO    ]"}, {2, "[WARNING ]"}, {3, "[CRITICAL]"},
                {4, "[PANIC   ]"}, {7, "[UNKNOWN ]"}, {-1, "[UNKNOWN ]"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.level);
        EXPECT_EQ(Log::levelTag(static_cast<Log::Level>(row.level)), row.tag);
        EXPECT_EQ(Log::levelTag(static_cast<Log::Level>(row.level)).size(), 10u);
    }
    LogCapture capture;
    Log::log(static_cast<Log::Level>(7), "Source", "odd level");
    ASSERT_EQ(capture.lines.size(), 1u);
    EXPECT_EQ(capture.lines[0].substr(0, 10), "[UNKNOWN ]");
}

TEST(Log, SourceWidthGrowsToTheLongestSourceSeen) {
    LogCapture capture;
    Log::log(Log::INFO, "ADSBTracker", "first");
    Log::log(Log::INFO, "ADSBTarget", "second");
    ASSERT_EQ(capture.lines.size(), 2u);
    // Both sources end at the same column, the width of the longest source seen so far
    // (at least "ADSBTracker", 11 characters).
    const auto close1 = capture.lines[0].find("] first");
    const auto close2 = capture.lines[1].find("] second");
    EXPECT_EQ(close1, close2);
    EXPECT_GE(close1, 11u + 11u);
    EXPECT_EQ(capture.lines[1].substr(11, 10), "ADSBTarget");
    EXPECT_EQ(capture.lines[1][21], ' ');

    // A longer source widens every later line.
    const std::string longSource(40, 'S');
    Log::log(Log::INFO, longSource, "wide");
    Log::log(Log::INFO, "ADSBTarget", "after");
    EXPECT_EQ(capture.lines[3], "[INFO    ][ADSBTarget" + std::string(30, ' ') + "] after");
}

TEST(Log, FormattedMessagesAreCutAt1023Characters) {
    LogCapture capture;
    const std::string longText(2000, 'x');
    Log::log(Log::INFO, "Cut", "%s", longText.c_str());
    ASSERT_EQ(capture.lines.size(), 1u);
    const auto start = capture.lines[0].find("] ") + 2;
    EXPECT_EQ(capture.lines[0].size() - start, 1023u);

    capture.clear();
    Log::log(Log::INFO, "Fmt", "Fix 2 bits error in DF-17 message at %u and %u.", 3u, 40u);
    EXPECT_EQ(capture.count("Fix 2 bits error in DF-17 message at 3 and 40."), 1);
}

TEST(Log, WithoutHandlerLinesGoToTheStandardLog) {
    std::stringstream sink;
    auto* previous = std::clog.rdbuf(sink.rdbuf());
    Log::log(Log::CRITICAL, "Stream", "to clog");
    Log::log(Log::DEBUG, "Stream", "dropped");
    std::clog.rdbuf(previous);
    const std::string text = sink.str();
    EXPECT_EQ(text.substr(0, 10), "[CRITICAL]");
    EXPECT_NE(text.find("] to clog\n"), std::string::npos);
    EXPECT_EQ(text.find("dropped"), std::string::npos);
}

TEST(Tarrow, VersionAndBuild) {
    EXPECT_EQ(Tarrow::version(), "0.4.0");
    EXPECT_EQ(Tarrow::build(), "Jan 10 2021");
    EXPECT_FALSE(Tarrow::about().empty());
    EXPECT_FALSE(Tarrow::contact().empty());
}

}  // namespace
}  // namespace modes
}  // namespace brannic
