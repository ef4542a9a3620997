#include "CsvOutput.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "OutputTestSupport.h"

namespace {

using outputtest::kNoon;
using outputtest::MessageLog;
using outputtest::TargetSpec;

struct Harness {
    outputtest::QuietLibraryLog quiet;
    MessageLog log;
    CsvOutput output;
    brannic::modes::ADSBTracker tracker;
    brannic::modes::ModeSDecoder decoder;

    Harness() {
        log.attach(&output);
    }

    void addTarget(uint32_t address, uint64_t time, bool position = true) {
        TargetSpec spec;
        spec.address = address;
        spec.time = time;
        spec.hasPosition = position;
        spec.latitude = 10.5;
        spec.longitude = 20.25;
        outputtest::feed(tracker, decoder, spec);
    }
};

// The epoch time of the local `time` on the day after the targets were heard.
quint64 localTimeMs(const QTime& time) {
    return static_cast<quint64>(
        QDateTime(QDate(2024, 3, 2), time, Qt::LocalTime).toMSecsSinceEpoch());
}

TEST(CsvOutput, StartTexts) {
    Harness h;
    CsvOutput::Settings settings;
    settings.udpOutput = false;
    h.output.start(settings);
    EXPECT_EQ(h.log.logged, QStringList{"CSV output is not activated."});
    EXPECT_TRUE(h.log.shown.isEmpty());

    h.log.logged.clear();
    settings.udpOutput = true;
    settings.address = QHostAddress("127.0.0.1");
    settings.port = 5555;
    h.output.start(settings);
    EXPECT_EQ(h.log.logged, QStringList{"CSV output is sending to remote address 127.0.0.1 port 5555"});
    EXPECT_TRUE(h.log.shown.isEmpty());

    h.output.stop();
    EXPECT_EQ(h.log.shown, QStringList{"CSV output has stopped."});
}

TEST(CsvOutput, SendsOneDatagramPerTargetWithAPosition) {
    Harness h;
    auto receiver = outputtest::loopbackReceiver();
    h.addTarget(0x00ABCD, kNoon);
    h.addTarget(0x00ABCE, kNoon, false);
    h.addTarget(0x00ABCF, kNoon);
    CsvOutput::Settings settings;
    settings.udpOutput = true;
    settings.address = QHostAddress::LocalHost;
    settings.port = receiver->localPort();
    h.output.start(settings);

    const quint64 now = localTimeMs(QTime(1, 0, 5));
    const QStringList records = h.output.outputCycle(h.tracker, now);
    EXPECT_EQ(h.output.lastCsvOutput(), now);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0], "@00abcd,,10.5,20.25,0,0,0,0,0,,0,3605#");
    EXPECT_EQ(records[1], "@00abcf,,10.5,20.25,0,0,0,0,0,,0,3605#");
    const QList<QByteArray> got = outputtest::receive(*receiver, 2);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], records[0].toLatin1());
    EXPECT_EQ(got[1], records[1].toLatin1());

    // Only what changed since.
    h.addTarget(0x00ABCF, now + 10);
    EXPECT_EQ(h.output.outputCycle(h.tracker, now + 1000).size(), 1);
    ASSERT_EQ(outputtest::receive(*receiver, 1).size(), 1);

    // The socket is bound now: starting again finds it running, and sees every target again.
    h.log.shown.clear();
    h.output.start(settings);
    EXPECT_EQ(h.log.shown, QStringList{"CSV output is running."});
    EXPECT_EQ(h.output.lastCsvOutput(), 0u);
    EXPECT_EQ(h.output.outputCycle(h.tracker, now + 2000).size(), 2);
}

TEST(CsvOutput, RecordsBuiltButNotSentWhenSendingIsOff) {
    Harness h;
    auto receiver = outputtest::loopbackReceiver();
    h.addTarget(0x00ABCD, kNoon);
    CsvOutput::Settings settings;
    settings.udpOutput = false;
    settings.address = QHostAddress::LocalHost;
    settings.port = receiver->localPort();
    h.output.start(settings);
    EXPECT_EQ(h.output.outputCycle(h.tracker, kNoon + 1000).size(), 1);
    outputtest::expectNothingReceived(*receiver);
}

}  // namespace
