#include "AsterixOutputChannel.h"

#include <QNetworkInterface>

#include <gtest/gtest.h>

#include "OutputTestSupport.h"

namespace {

using outputtest::MessageLog;

QNetworkInterface loopbackInterface() {
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (i.type() == QNetworkInterface::Loopback)
            return i;
    }
    return QNetworkInterface();
}

// A receiver of the multicast `group` on the loopback interface, at a free port.
std::unique_ptr<QUdpSocket> multicastReceiver(const QHostAddress& group) {
    auto socket = std::make_unique<QUdpSocket>();
    EXPECT_TRUE(socket->bind(QHostAddress(QHostAddress::AnyIPv4), 0, QUdpSocket::ShareAddress));
    EXPECT_TRUE(socket->joinMulticastGroup(group, loopbackInterface()));
    return socket;
}

TEST(AsterixOutputChannel, DisabledChannelSaysSoAndSendsNothing) {
    MessageLog log;
    AsterixOutputChannel channel(2);
    log.attach(&channel);
    auto receiver = outputtest::loopbackReceiver();
    AsterixOutputChannel::Settings settings;
    settings.enabled = false;
    settings.address = QHostAddress::LocalHost;
    settings.port = receiver->localPort();
    channel.start(settings, false);
    EXPECT_EQ(log.logged, QStringList{"ASTERIX output channel 2 is not activated."});
    EXPECT_TRUE(log.shown.isEmpty());
    EXPECT_FALSE(channel.send("block"));
    outputtest::expectNothingReceived(*receiver);
}

TEST(AsterixOutputChannel, UnicastSendsEachBlockAsOneDatagram) {
    MessageLog log;
    AsterixOutputChannel channel(1);
    log.attach(&channel);
    auto receiver = outputtest::loopbackReceiver();
    AsterixOutputChannel::Settings settings;
    settings.enabled = true;
    settings.address = QHostAddress("127.0.0.1");
    settings.port = receiver->localPort();
    channel.start(settings, false);
    EXPECT_EQ(log.logged, QStringList{QStringLiteral("ASTERIX output channel 1 is sending to "
                                                     "address 127.0.0.1 port %1")
                                          .arg(settings.port)});
    EXPECT_EQ(channel.localPort(), 0);  // nothing bound before the first datagram

    EXPECT_TRUE(channel.send(QByteArray("\x15\x00\x05\xAA\xBB", 5)));
    EXPECT_TRUE(channel.send(QByteArray("\x15\x00\x04\xCC", 4)));
    const QList<QByteArray> got = outputtest::receive(*receiver, 2);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], QByteArray("\x15\x00\x05\xAA\xBB", 5));
    EXPECT_EQ(got[1], QByteArray("\x15\x00\x04\xCC", 4));

    // The first datagram bound the socket: starting again finds it running.
    log.logged.clear();
    channel.start(settings, false);
    EXPECT_EQ(log.shown, QStringList{"ASTERIX output channel 1 is running."});

    // Closed, it starts afresh.
    channel.close();
    log.logged.clear();
    log.shown.clear();
    channel.start(settings, false);
    EXPECT_TRUE(log.shown.isEmpty());
}

TEST(AsterixOutputChannel, MulticastOnTheLoopbackInterfaceWithLoopBack) {
    const QNetworkInterface lo = loopbackInterface();
    ASSERT_TRUE(lo.isValid());
    const QHostAddress group("239.255.21.24");
    auto receiver = multicastReceiver(group);

    MessageLog log;
    AsterixOutputChannel channel(2);
    log.attach(&channel);
    AsterixOutputChannel::Settings settings;
    settings.enabled = true;
    settings.address = group;
    settings.port = receiver->localPort();
    settings.multicastInterface = lo;
    channel.start(settings, true);
    ASSERT_NE(channel.localPort(), 0);
    EXPECT_EQ(log.logged,
              QStringList{QStringLiteral("ASTERIX output channel 2 is using local port %1 at "
                                         "interface %2, sending to multicast group "
                                         "239.255.21.24 port %3")
                              .arg(channel.localPort())
                              .arg(lo.humanReadableName())
                              .arg(settings.port)});
    EXPECT_TRUE(log.shown.isEmpty());

    const QByteArray block("\x15\x00\x06\x01\x02\x03", 6);
    EXPECT_TRUE(channel.send(block));
    const QList<QByteArray> got = outputtest::receive(*receiver, 1);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0], block);

    log.logged.clear();
    channel.start(settings, true);
    EXPECT_EQ(log.shown, QStringList{"ASTERIX output channel 2 is running."});
}

// An interface that is gone (or was never chosen) is reported at start; the channel still
// writes its blocks, the system choosing the interface.
TEST(AsterixOutputChannel, MulticastWithoutAValidInterface) {
    MessageLog log;
    AsterixOutputChannel channel(1);
    log.attach(&channel);
    AsterixOutputChannel::Settings settings;
    settings.enabled = true;
    settings.address = QHostAddress("239.255.21.25");
    settings.port = 50005;
    settings.multicastInterface = QNetworkInterface::interfaceFromIndex(0);
    channel.start(settings, true);
    EXPECT_EQ(log.shown, QStringList{"ASTERIX output channel 1 LAN interface invalid."});
    EXPECT_EQ(log.logged, log.shown);
    EXPECT_EQ(channel.localPort(), 0);
}

}  // namespace
