// The Beast output read back by the program's own Beast framer over a real loopback
// connection, and the behaviour of the TCP servers towards clients that do not read.
#include <QElapsedTimer>

#include <vector>

#include <gtest/gtest.h>

#include "BaseStationOutput.h"
#include "BeastFramer.h"
#include "BeastOutput.h"
#include "InputTestSupport.h"
#include "NetworkTestSupport.h"

using nettest::Client;
using nettest::waitUntil;
using testsupport::hex;

namespace {

std::vector<ModeSFrame> readBack(const QByteArray& bytes) {
    BeastFramer framer;
    framer.setPlaybackMode(true);
    std::vector<ModeSFrame> frames;
    framer.feed(bytes, 1, [&](const ModeSFrame& f) {
        frames.push_back(f);
        return true;
    });
    EXPECT_EQ(framer.bufferedBytes(), 0);
    return frames;
}

TEST(BeastOutput, FramesAreEscapedAndCarryStampAndSignal) {
    ModeSFrame f;
    f.reply = hex("8D1A6B902015A678D4D220AA4B1A");
    f.stamp = 0x1A00001A1A01ULL;
    f.hasSignal = true;
    f.signal = 0x1A;
    const QByteArray bytes = BeastOutput::encode(f);
    EXPECT_EQ(bytes, hex("1a 33 1a1a 00 00 1a1a 1a1a 01 1a1a"
                         "8d 1a1a 6b 90 20 15 a6 78 d4 d2 20 aa 4b 1a1a"));
    const std::vector<ModeSFrame> back = readBack(bytes);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].reply, f.reply);
    EXPECT_EQ(back[0].stamp, f.stamp);
    EXPECT_EQ(back[0].signal, 0x1A);
    // A short reply is type '2'; a reply without stamp or signal (AVR input) gets zeros.
    ModeSFrame avr;
    avr.reply = hex("5D406B90C94FC3");
    EXPECT_EQ(BeastOutput::encode(avr), hex("1a 32 000000000000 00 5d406b90c94fc3"));
    // Mode A/C replies and anything else are not Mode S replies: not sent.
    ModeSFrame ac;
    ac.reply = hex("1234");
    EXPECT_TRUE(BeastOutput::encode(ac).isEmpty());
    BeastOutput output;
    EXPECT_FALSE(output.sendFrame(ac));
    EXPECT_EQ(output.framesSent(), 0u);
}

TEST(BeastOutput, EveryReplyOfTheRecordingArrivesOnceWithItsStamp) {
    BeastOutput output;
    ASSERT_TRUE(output.listen(QHostAddress(QHostAddress::LocalHost), 0));
    Client first(output);
    Client second(output);
    const std::vector<ModeSFrame> frames = nettest::load406B90();
    ASSERT_EQ(frames.size(), 2000u);
    QByteArray sent;
    int escapes = 0;
    for (const ModeSFrame& f : frames) {
        ASSERT_TRUE(output.sendFrame(f));
        const QByteArray one = BeastOutput::encode(f);
        escapes += one.size() - (2 + 6 + 1 + 14);
        sent += one;
    }
    EXPECT_GT(escapes, 0) << "the recording's stamps and signals should need escapes";
    ASSERT_TRUE(waitUntil([&] {
        return first.received.size() >= sent.size() && second.received.size() >= sent.size();
    }));
    EXPECT_EQ(first.received, sent);
    EXPECT_EQ(second.received, sent);
    const std::vector<ModeSFrame> back = readBack(first.received);
    ASSERT_EQ(back.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(back[i].reply, frames[i].reply) << i;
        EXPECT_EQ(back[i].stamp, frames[i].stamp) << i;
        EXPECT_EQ(back[i].signal, frames[i].signal) << i;
    }
    EXPECT_EQ(output.framesSent(), 2000u);
}

TEST(BeastOutput, AClientThatDoesNotReadIsDroppedWithoutHoldingUpTheOthers) {
    BeastOutput output;
    output.setMaxPendingBytes(64 * 1024);
    QStringList log;
    QObject::connect(&output, &StreamServer::message,
                     [&](const QString& text, bool) { log << text; });
    ASSERT_TRUE(output.listen(QHostAddress(QHostAddress::LocalHost), 0));
    Client reader(output);
    Client stalled(output, false);
    ASSERT_EQ(output.clientCount(), 2);
    const quint16 stalledPort = stalled.socket.localPort();

    const std::vector<ModeSFrame> frames = nettest::load406B90();
    qint64 slowest = 0;
    QByteArray sent;
    QElapsedTimer run;
    run.start();
    // Until the stalled client is dropped; bounded in bytes and time.
    while (output.droppedClients() == 0 && sent.size() < 256 * 1024 * 1024 && run.elapsed() < 60000) {
        for (const ModeSFrame& f : frames) {
            QElapsedTimer one;
            one.start();
            output.sendFrame(f);
            slowest = qMax(slowest, one.nsecsElapsed());
            sent += BeastOutput::encode(f);
        }
        QTest::qWait(1);
    }
    ASSERT_EQ(output.droppedClients(), 1);
    EXPECT_EQ(output.clientCount(), 1);
    // Sending never waited for the stalled client.
    EXPECT_LT(slowest, 50 * 1000 * 1000) << slowest << " ns";
    const QString expected = QStringLiteral("Beast output: client 127.0.0.1:%1 dropped").arg(stalledPort);
    ASSERT_FALSE(log.filter(expected).isEmpty()) << log.join(QLatin1Char('\n')).toStdString();
    // The client that reads got everything.
    ASSERT_TRUE(waitUntil([&] { return reader.received.size() >= sent.size(); }, 60000));
    EXPECT_EQ(reader.received.size(), sent.size());
    EXPECT_TRUE(reader.received == sent);
    // The dropped client sees its connection closed.
    EXPECT_TRUE(waitUntil([&] {
        stalled.socket.setReadBufferSize(0);
        stalled.socket.readAll();
        return stalled.socket.state() == QAbstractSocket::UnconnectedState;
    }));
}

TEST(StreamServer, ListenReportsAndCloseDisconnectsClients) {
    BaseStationOutput output;
    QStringList log;
    QObject::connect(&output, &StreamServer::message,
                     [&](const QString& text, bool) { log << text; });
    ASSERT_TRUE(output.listen(QHostAddress(QHostAddress::LocalHost), 0));
    EXPECT_EQ(log.last(), QStringLiteral("BaseStation output is listening on 127.0.0.1:%1.")
                              .arg(output.serverPort()));
    // A second server on the same port fails with a line that says why.
    BeastOutput other;
    QStringList otherLog;
    QObject::connect(&other, &StreamServer::message,
                     [&](const QString& text, bool) { otherLog << text; });
    EXPECT_FALSE(other.listen(QHostAddress(QHostAddress::LocalHost), output.serverPort()));
    ASSERT_FALSE(otherLog.isEmpty());
    EXPECT_TRUE(otherLog.last().startsWith(
        QStringLiteral("Beast output failed to listen on 127.0.0.1:%1: ").arg(output.serverPort())));

    Client client(output);
    EXPECT_EQ(output.clientCount(), 1);
    output.close();
    EXPECT_EQ(log.last(), QStringLiteral("BaseStation output has stopped."));
    EXPECT_EQ(output.clientCount(), 0);
    EXPECT_FALSE(output.isListening());
    EXPECT_TRUE(waitUntil(
        [&] { return client.socket.state() == QAbstractSocket::UnconnectedState; }));
    // A client leaving is noticed.
    ASSERT_TRUE(output.listen(QHostAddress(QHostAddress::LocalHost), 0));
    {
        Client leaving(output);
        leaving.socket.disconnectFromHost();
    }
    EXPECT_TRUE(waitUntil([&] { return output.clientCount() == 0; }));
}

}  // namespace
