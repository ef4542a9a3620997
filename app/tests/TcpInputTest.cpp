// The TCP source against a real loopback server: connection texts and action states, bytes
// delivered, a server that closes, a refused connection and automatic reconnection.

#include <memory>

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include "InputTestSupport.h"
#include "TcpInput.h"

namespace {

using testsupport::kIdle;
using testsupport::kRunning;
using TcpSpies = testsupport::SourceSpies;

// A loopback server and the one connection it accepted last.
struct Server {
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    explicit Server(quint16 port = 0) { EXPECT_TRUE(server.listen(QHostAddress::LocalHost, port)); }
    quint16 port() const { return server.serverPort(); }
    // Waits in the event loop (the source's timers must run meanwhile) for a new connection.
    bool accept(int timeoutMs = 5000) {
        QSignalSpy arrived(&server, &QTcpServer::newConnection);
        if (!server.hasPendingConnections() && !arrived.wait(timeoutMs))
            return false;
        peer = server.nextPendingConnection();
        return peer != nullptr;
    }
};

// A source aimed at a loopback port.
void aim(TcpInput* input, quint16 port, bool reconnect = false) {
    input->setServerAddress(QHostAddress::LocalHost);
    input->setServerPort(port);
    input->setAutoReconnect(reconnect);
}

QString address(quint16 port) {
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

// A loopback port on which nothing listens.
quint16 closedPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

TEST(TcpInputTest, ConnectsReadsAndStops) {
    Server server;
    TcpInput input;
    aim(&input, server.port());
    TcpSpies spies(&input);
    input.start();
    EXPECT_EQ(spies.lastActions(), kRunning);
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("TCP connection establishd to ")));
    EXPECT_EQ(spies.lastLog(),
              QStringLiteral("TCP connection establishd to ") + address(server.port()));
    EXPECT_EQ(spies.lastStatus(), spies.lastLog());

    QByteArray sent;
    for (int i = 0; i < 200; ++i)
        sent += testsupport::hex("1a 32 000000000000 40 5d4840d6a4b2c1");
    server.peer->write(sent);
    while (spies.allBytes().size() < sent.size())
        ASSERT_TRUE(spies.chunks.wait(5000));
    EXPECT_EQ(spies.allBytes(), sent);

    // Started again while connected: the status bar only.
    const int logs = spies.logs.size();
    input.start();
    EXPECT_EQ(spies.lastStatus(), QStringLiteral("TCP input has started."));
    EXPECT_EQ(spies.logs.size(), logs);

    input.stop();
    EXPECT_EQ(spies.lastLog(),
              QStringLiteral("TCP connection disconnected from ") + address(server.port()));
    EXPECT_EQ(spies.lastActions(), kIdle);
    QSignalSpy closed(server.peer, &QTcpSocket::disconnected);
    EXPECT_TRUE(closed.wait(5000));
}

TEST(TcpInputTest, ServerCloseLeavesTheSourceStartedAndSilent) {
    Server server;
    TcpInput input;
    aim(&input, server.port());
    TcpSpies spies(&input);
    input.start();
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("TCP connection establishd")));
    server.peer->close();
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("TCP connection disconnected from ")));
    EXPECT_EQ(spies.lastLog(),
              QStringLiteral("TCP connection disconnected from ") + address(server.port()));
    // No reconnection is planned, and Stop stays the action to take.
    for (const QString& line : spies.logLines())
        EXPECT_FALSE(line.startsWith(QStringLiteral("TCP input reconnects"))) << line.toStdString();
    EXPECT_EQ(spies.lastActions(), kRunning);
    // Stopping names the server that was configured, the peer being gone.
    input.stop();
    EXPECT_EQ(spies.lastLog(),
              QStringLiteral("TCP connection disconnected from ") + address(server.port()));
}

TEST(TcpInputTest, RefusedConnectionIsReported) {
    const quint16 port = closedPort();
    TcpInput input;
    aim(&input, port);
    TcpSpies spies(&input);
    input.start();
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("Failed to connect to TCP server ")));
    EXPECT_TRUE(spies.lastLog().startsWith(
        QStringLiteral("Failed to connect to TCP server %1: ").arg(address(port))));
    EXPECT_EQ(spies.logs.size(), 1);
    EXPECT_EQ(spies.lastActions(), kRunning);
    input.stop();
    EXPECT_EQ(spies.lastActions(), kIdle);
}

TEST(TcpInputTest, StopBeforeStartSaysSo) {
    TcpInput input;
    TcpSpies spies(&input);
    input.stop();
    EXPECT_EQ(spies.logLines(),
              QStringList{QStringLiteral("Failed to disconnect TCP input connection.")});
    EXPECT_EQ(spies.lastActions(), kIdle);
}

// With the option on: a refused connection is retried until a server appears, a server close
// is followed by a new connection, and the delay is back at 1 s once data has flowed.
TEST(TcpInputTest, ReconnectsWhenAskedTo) {
    const quint16 port = closedPort();
    TcpInput input;
    aim(&input, port, true);
    TcpSpies spies(&input);
    input.start();
    ASSERT_TRUE(spies.waitForLog(
        QStringLiteral("TCP input reconnects to %1 in 1 s (attempt 1).").arg(address(port))));

    Server server(port);
    ASSERT_TRUE(server.accept(10000));
    QTcpSocket* peer = server.peer;
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("TCP connection establishd to ") + address(port)));
    peer->write("*2345;\n");
    ASSERT_TRUE(spies.chunks.wait(5000));

    const int before = spies.logs.size();
    peer->close();
    ASSERT_TRUE(spies.waitForLog(
        QStringLiteral("TCP input reconnects to %1 in 1 s (attempt 1).").arg(address(port)),
        before));
    ASSERT_TRUE(server.accept(10000));
    ASSERT_TRUE(
        spies.waitForLog(QStringLiteral("TCP connection establishd to ") + address(port), before));
    input.stop();
    EXPECT_EQ(spies.lastActions(), kIdle);
}

TEST(TcpInputTest, SilentConnectionIsDroppedAndMadeAgain) {
    Server server;
    TcpInput input;
    aim(&input, server.port(), true);
    input.setWatchdogTime(300);
    TcpSpies spies(&input);
    input.start();
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(
        spies.waitForLog(QStringLiteral("No data from TCP server %1 for 0.3 s: reconnecting.")
                             .arg(address(server.port()))));
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("TCP input reconnects to %1 in 1 s (attempt 1).")
                                     .arg(address(server.port()))));
    ASSERT_TRUE(server.accept());
    input.stop();
}

// Without the option the watchdog is off: a silent connection stays.
TEST(TcpInputTest, WatchdogBelongsToTheReconnectOption) {
    Server server;
    TcpInput input;
    aim(&input, server.port());
    input.setWatchdogTime(1);
    TcpSpies spies(&input);
    input.start();
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(spies.waitForLog(QStringLiteral("TCP connection establishd")));
    server.peer->write("x");
    ASSERT_TRUE(spies.chunks.wait(5000));
    EXPECT_EQ(spies.logs.size(), 1);
    input.stop();
}

TEST(TcpInputTest, ReconnectionDelayGrowsToThirtySeconds) {
    const int expected[] = {1000, 1000, 2000, 4000, 8000, 16000, 30000, 30000, 30000};
    for (int attempt = 0; attempt < 9; ++attempt)
        EXPECT_EQ(TcpInput::reconnectDelayMs(attempt), expected[attempt]) << attempt;
    EXPECT_EQ(TcpInput::reconnectDelayMs(1000), 30000);
}

}  // namespace
