// The UDP source on a real loopback socket: texts and action states, datagrams delivered whole,
// and a port that is taken.

#include <QSignalSpy>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include "InputTestSupport.h"
#include "UdpInput.h"

namespace {

using testsupport::kIdle;
using testsupport::kRunning;
using UdpSpies = testsupport::SourceSpies;

TEST(UdpInputTest, DeliversEachDatagramWithItsReceiveTime) {
    UdpInput input;
    input.setLocalPort(0);
    UdpSpies spies(&input);
    input.start();
    const quint16 port = input.boundPort();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(spies.lastLog().startsWith(QStringLiteral("Listening on UDP ")));
    EXPECT_TRUE(spies.lastLog().endsWith(QStringLiteral(":%1.").arg(port)))
        << spies.lastLog().toStdString();
    EXPECT_EQ(spies.statuses.size(), 1);
    EXPECT_EQ(spies.lastActions(), kRunning);

    QUdpSocket sender;
    const QByteArray first = testsupport::hex("1a 33 000000000000 c8 8d4840d6202cc371c32ce0576098");
    const QByteArray second(1400, '\x1a');
    const quint64 before = InputSource::currentTimeMs();
    sender.writeDatagram(first, QHostAddress::LocalHost, port);
    sender.writeDatagram(second, QHostAddress::LocalHost, port);
    while (spies.chunks.size() < 2)
        ASSERT_TRUE(spies.chunks.wait(5000));
    EXPECT_EQ(spies.chunks.at(0).at(0).toByteArray(), first);
    EXPECT_EQ(spies.chunks.at(1).at(0).toByteArray(), second);
    const quint64 received = spies.chunks.at(0).at(1).value<quint64>();
    EXPECT_GE(received, before);
    EXPECT_LE(received, InputSource::currentTimeMs());

    input.start();
    EXPECT_EQ(spies.lastLog(), QStringLiteral("UDP input has started."));
    input.stop();
    EXPECT_EQ(spies.lastLog(), QStringLiteral("UDP input has stopped."));
    EXPECT_EQ(spies.lastStatus(), QStringLiteral("UDP input has stopped."));
    EXPECT_EQ(spies.lastActions(), kIdle);
    EXPECT_EQ(input.boundPort(), 0);
}

TEST(UdpInputTest, TakenPortIsReported) {
    QUdpSocket other;
    ASSERT_TRUE(other.bind(QHostAddress(QHostAddress::Any), quint16(0)));
    UdpInput input;
    input.setLocalPort(other.localPort());
    UdpSpies spies(&input);
    input.start();
    EXPECT_EQ(spies.lastLog(),
              QStringLiteral("Failed to bind UDP port %1.").arg(other.localPort()));
    EXPECT_EQ(spies.lastStatus(), spies.lastLog());
    EXPECT_EQ(spies.lastActions(), kIdle);
}

// A stopped input can start again on the same port and reads only what comes after.
TEST(UdpInputTest, RestartsOnTheSamePort) {
    QUdpSocket probe;
    ASSERT_TRUE(probe.bind(QHostAddress(QHostAddress::Any), quint16(0)));
    const quint16 port = probe.localPort();
    probe.close();
    UdpInput input;
    input.setLocalPort(port);
    UdpSpies spies(&input);
    input.start();
    input.stop();
    input.start();
    EXPECT_EQ(spies.lastActions(), kRunning);
    QUdpSocket sender;
    sender.writeDatagram("*2345;\n", QHostAddress::LocalHost, port);
    ASSERT_TRUE(spies.chunks.wait(5000));
    EXPECT_EQ(spies.chunks.at(0).at(0).toByteArray(), QByteArray("*2345;\n"));
    input.stop();
}

}  // namespace
