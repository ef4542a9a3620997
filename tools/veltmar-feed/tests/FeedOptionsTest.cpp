// The command line: defaults, each source, pace and output, and the refusals, each with the
// text the user sees.

#include <gtest/gtest.h>

#include "QtApp.h"
#include "feedio/FeedOptions.h"

namespace {

using feedio::FeedOptions;
using feedio::ParseResult;

ParseResult parse(QStringList args, FeedOptions& options, QString& text) {
    args.prepend(QStringLiteral("veltmar-feed"));
    return feedio::parseFeedOptions(args, options, text);
}

TEST(FeedOptions, DemoIsASceneOf150OnTcpPort31005) {
    feedtest::ensureApp();
    FeedOptions o;
    QString text;
    ASSERT_EQ(parse({"--demo"}, o, text), ParseResult::Ok) << qPrintable(text);
    EXPECT_EQ(o.source, FeedOptions::Source::Scene);
    EXPECT_EQ(o.aircraft, 150u);
    ASSERT_TRUE(o.tcpPort);
    EXPECT_EQ(*o.tcpPort, 31005);
    EXPECT_EQ(o.format, FeedOptions::Format::Beast);
    EXPECT_EQ(o.pacing.mode, feedio::Pacing::Mode::StreamTime);
    EXPECT_DOUBLE_EQ(o.pacing.speed, 1.0);
    EXPECT_EQ(o.clock, feedgen::ClockKind::Counter12MHz);
    EXPECT_NEAR(o.centre.latitude, 50.0333, 1e-9);
    ASSERT_EQ(parse({"--demo", "--tcp", "31006", "--seed", "9"}, o, text), ParseResult::Ok);
    EXPECT_EQ(*o.tcpPort, 31006);
    EXPECT_EQ(o.seed, 9u);
}

TEST(FeedOptions, PreGeneratedStreamsAndReplays) {
    feedtest::ensureApp();
    FeedOptions o;
    QString text;
    ASSERT_EQ(parse({"--scene", "500", "--duration", "120", "--out", "s.beast", "--fast", "--start-time",
                     "2024-06-01T12:00:00Z"}, o, text), ParseResult::Ok) << qPrintable(text);
    EXPECT_EQ(o.aircraft, 500u);
    EXPECT_EQ(o.pacing.mode, feedio::Pacing::Mode::Fast);
    EXPECT_DOUBLE_EQ(o.pacing.durationSeconds, 120.0);
    EXPECT_EQ(o.outFile, "s.beast");
    EXPECT_EQ(*o.startTimeNs, 1717243200LL * 1000000000LL);

    ASSERT_EQ(parse({"--arrivals", "20000", "--lifetime", "90", "--max-alive", "1000", "--out", "-",
                     "--fast"}, o, text), ParseResult::Ok) << qPrintable(text);
    EXPECT_EQ(o.source, FeedOptions::Source::Arrivals);
    EXPECT_EQ(o.aircraft, 20000u);
    EXPECT_DOUBLE_EQ(o.lifetimeSeconds, 90.0);

    ASSERT_EQ(parse({"--replay", "r.csv", "--rate", "20000", "--tcp", "30005", "--wait-client", "--loop",
                     "--input-format", "csv", "--clock", "gps", "--format", "avr", "--avr-timestamps"},
                    o, text), ParseResult::Ok) << qPrintable(text);
    EXPECT_EQ(o.source, FeedOptions::Source::Replay);
    EXPECT_EQ(o.recording, "r.csv");
    EXPECT_EQ(o.pacing.mode, feedio::Pacing::Mode::Rate);
    EXPECT_DOUBLE_EQ(o.pacing.framesPerSecond, 20000.0);
    EXPECT_TRUE(o.waitForClient);
    EXPECT_TRUE(o.loop);
    EXPECT_EQ(*o.inputFormat, feedgen::RecordingFormat::Csv);
    EXPECT_EQ(o.clock, feedgen::ClockKind::GpsTimeOfDay);
    EXPECT_EQ(o.format, FeedOptions::Format::Avr);
    EXPECT_TRUE(o.avrTimeStamps);

    ASSERT_EQ(parse({"--udp", "[::1]:30002", "--bad-pairs", "0.5", "--damaged", "2", "--noise", "10",
                     "--bit-errors", "0.01", "--error-bits", "2", "--adsb-only", "--centre", "-33.9,151.2"},
                    o, text), ParseResult::Ok) << qPrintable(text);
    EXPECT_EQ(o.udpHost, "::1");
    EXPECT_EQ(o.udpPort, 30002);
    EXPECT_FALSE(o.modeSReplies);
    EXPECT_EQ(o.bitErrorBits, 2u);
    EXPECT_DOUBLE_EQ(o.centre.latitude, -33.9);
}

TEST(FeedOptions, Refusals) {
    feedtest::ensureApp();
    struct Row {
        QStringList args;
        const char* says;
    };
    const Row rows[] = {
        {{}, "choose one output"},
        {{"--tcp", "1", "--out", "x"}, "choose one output"},
        {{"--scene", "5", "--replay", "x", "--tcp", "1"}, "choose one source"},
        {{"--fast", "--rate", "5", "--tcp", "1"}, "choose one pace"},
        {{"--speed", "0", "--tcp", "1"}, "--speed takes a number"},
        {{"--scene", "2.5", "--tcp", "1"}, "--scene takes a whole number"},
        {{"--error-bits", "4", "--tcp", "1"}, "--error-bits takes a number from 1 to 3"},
        {{"--bit-errors", "1.5", "--tcp", "1"}, "--bit-errors takes a number from 0 to 1"},
        {{"--tcp", "70000"}, "--tcp takes a number"},
        {{"--udp", "localhost"}, "--udp takes host:port"},
        {{"--udp", "localhost:0"}, "--udp takes host:port"},
        {{"--format", "json", "--tcp", "1"}, "--format is beast or avr"},
        {{"--clock", "utc", "--tcp", "1"}, "--clock is counter or gps"},
        {{"--input-format", "raw", "--replay", "x", "--tcp", "1"}, "--input-format is beast, avr or csv"},
        {{"--centre", "95,8", "--tcp", "1"}, "--centre takes"},
        {{"--start-time", "yesterday", "--tcp", "1"}, "--start-time takes"},
        {{"--wait-client", "--out", "x"}, "--wait-client goes with --tcp"},
        {{"--loop", "--tcp", "1"}, "--loop goes with --replay"},
        {{"--demo", "--replay", "x"}, "--demo is a scene"},
        {{"--tcp", "1", "stray"}, "unexpected argument"},
        {{"--no-such-option"}, "no-such-option"},
    };
    for (const Row& row : rows) {
        FeedOptions o;
        o.aircraft = 77;
        QString text;
        EXPECT_EQ(parse(row.args, o, text), ParseResult::Error) << qPrintable(row.args.join(' '));
        EXPECT_TRUE(text.contains(QLatin1String(row.says))) << qPrintable(row.args.join(' ')) << ": " << qPrintable(text);
        EXPECT_EQ(o.aircraft, 77u) << "options untouched on an error";
    }
}

TEST(FeedOptions, HelpListsEveryOption) {
    feedtest::ensureApp();
    FeedOptions o;
    QString text;
    ASSERT_EQ(parse({"--help"}, o, text), ParseResult::Help);
    for (const char* option : {"--demo", "--scene", "--replay", "--arrivals", "--fast", "--rate", "--speed",
                               "--tcp", "--udp", "--out", "--clock", "--bad-pairs", "--damaged", "--noise"})
        EXPECT_TRUE(text.contains(QLatin1String(option))) << option;
}

TEST(FeedOptions, Times) {
    EXPECT_EQ(*feedio::parseTime("1700000000"), 1700000000LL * 1000000000LL);
    EXPECT_EQ(*feedio::parseTime("1700000000.25"), 1700000000250000000LL);
    EXPECT_EQ(*feedio::parseTime("2024-06-01T12:00:00Z"), 1717243200LL * 1000000000LL);
    EXPECT_EQ(*feedio::parseTime("2024-06-01T12:00:00"), 1717243200LL * 1000000000LL) << "UTC unless said";
    EXPECT_EQ(*feedio::parseTime("2024-06-01T14:00:00+02:00"), 1717243200LL * 1000000000LL);
    EXPECT_FALSE(feedio::parseTime("noon"));
    EXPECT_FALSE(feedio::parseTime("-5"));
    EXPECT_FALSE(feedio::parseTime("9999999999")) << "beyond 64-bit nanoseconds";
}

}  // namespace
