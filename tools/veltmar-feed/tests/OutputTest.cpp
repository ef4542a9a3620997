// The outputs on real loopback sockets and files: clients of the TCP server get decodable
// frames, a client that does not read is dropped while the others carry on, UDP datagrams hold
// whole frames, and a file holds exactly what the writer makes of the stream.

#include <fstream>
#include <memory>

#include <QSignalSpy>
#include <QTcpSocket>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include "ModesRoundTrip.h"
#include "QtApp.h"
#include "TempFile.h"
#include "feedgen/BeastReader.h"
#include "feedgen/BeastWriter.h"
#include "feedgen/Scene.h"
#include "feedio/FileOutput.h"
#include "feedio/Player.h"
#include "feedio/TcpServerOutput.h"
#include "feedio/UdpOutput.h"

namespace {

namespace modes = brannic::modes;
using feedio::Pacing;
using feedio::Player;

constexpr int64_t kStart = 1700000000LL * 1000000000LL;
constexpr int kWaitMs = 20000;

feedgen::SceneConfig scene(size_t aircraft) {
    feedgen::SceneConfig config;
    config.aircraft = aircraft;
    config.startNs = kStart;
    return config;
}

const feedgen::BeastWriter kBeast(feedgen::ReceiverClock(feedgen::ClockKind::Counter12MHz, kStart));

// Reads Beast bytes and decodes every frame; returns the frames, failing on any that does not
// decode or any framing error.
size_t decodeAll(const QByteArray& bytes) {
    feedgen::BeastReader reader(feedgen::ClockKind::Counter12MHz);
    std::vector<feedgen::RecordedFrame> frames;
    reader.feed(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()), frames);
    reader.finish(frames);
    EXPECT_EQ(reader.errors(), 0u);
    modes::ModeSDecoder decoder;
    for (const auto& f : frames)
        EXPECT_NE(feedtest::decodeReply(decoder, f.frame), nullptr) << f.frame.hex();
    return frames.size();
}

// A loopback client that keeps everything it receives.
struct Client {
    explicit Client(quint16 port, bool reads = true) {
        if (!reads)
            socket.setReadBufferSize(1);  // Qt stops taking bytes from the kernel
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (reads)
            QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
    }
    QTcpSocket socket;
    QByteArray received;
};

TEST(Output, TcpServerServesEveryClientTheSameDecodableFrames) {
    feedtest::ensureApp();
    feedio::TcpServerOutput server(QHostAddress::LocalHost, 0);
    ASSERT_TRUE(server.open());
    QSignalSpy connected(&server, &feedio::TcpServerOutput::clientConnected);
    Client a(server.port());
    Client b(server.port());
    while (connected.count() < 2)
        ASSERT_TRUE(connected.wait(kWaitMs));

    feedgen::Scene source(scene(30));
    Pacing pacing;
    pacing.mode = Pacing::Mode::Fast;
    pacing.durationSeconds = 20;
    Player player(source, kBeast, server, pacing);
    QSignalSpy finished(&player, &Player::finished);
    player.start();
    ASSERT_TRUE(finished.wait(kWaitMs));
    const auto everything = static_cast<int>(player.bytesSent());
    while (a.received.size() < everything || b.received.size() < everything) {
        QSignalSpy more(&a.socket, &QTcpSocket::readyRead);
        QSignalSpy moreB(&b.socket, &QTcpSocket::readyRead);
        if (a.received.size() < everything)
            ASSERT_TRUE(more.wait(kWaitMs));
        else
            ASSERT_TRUE(moreB.wait(kWaitMs));
    }
    EXPECT_EQ(a.received, b.received);
    EXPECT_EQ(decodeAll(a.received), player.framesSent());
    EXPECT_GT(player.framesSent(), 3000u);
}

TEST(Output, TcpServerDropsAClientThatDoesNotReadAndServesTheOthers) {
    feedtest::ensureApp();
    feedio::TcpServerOutput server(QHostAddress::LocalHost, 0);
    server.setStallTimeoutMs(300);
    ASSERT_TRUE(server.open());
    QSignalSpy connected(&server, &feedio::TcpServerOutput::clientConnected);
    QSignalSpy dropped(&server, &feedio::TcpServerOutput::clientDropped);
    Client reader(server.port());
    Client sleeper(server.port(), false);
    while (connected.count() < 2)
        ASSERT_TRUE(connected.wait(kWaitMs));

    // More than the kernel's buffers on both sides hold: about 10 MB.
    feedgen::Scene source(scene(300));
    Pacing pacing;
    pacing.mode = Pacing::Mode::Fast;
    pacing.durationSeconds = 250;
    Player player(source, kBeast, server, pacing);
    QSignalSpy finished(&player, &Player::finished);
    player.start();
    while (finished.isEmpty())
        ASSERT_TRUE(finished.wait(kWaitMs));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(server.clientCount(), 1);
    EXPECT_NE(dropped.first().first().toString(), QString());
    const auto everything = static_cast<int>(player.bytesSent());
    while (reader.received.size() < everything) {
        QSignalSpy more(&reader.socket, &QTcpSocket::readyRead);
        ASSERT_TRUE(more.wait(kWaitMs));
    }
    EXPECT_EQ(reader.received.size(), everything) << "the reading client got the whole stream";
    EXPECT_GT(everything, 8 * 1024 * 1024);
}

TEST(Output, TcpServerDropsABackloggedClientWithoutWaitingForIt) {
    feedtest::ensureApp();
    feedio::TcpServerOutput server(QHostAddress::LocalHost, 0);
    server.setMaxBacklog(64 * 1024);
    ASSERT_TRUE(server.open());
    QSignalSpy connected(&server, &feedio::TcpServerOutput::clientConnected);
    QSignalSpy dropped(&server, &feedio::TcpServerOutput::clientDropped);
    Client sleeper(server.port(), false);
    ASSERT_TRUE(connected.wait(kWaitMs));
    // Written straight on, as real-time play does: the server never waits for the client.
    const QByteArray block(32 * 1024, '\x55');
    for (int i = 0; i < 4000 && dropped.isEmpty(); ++i) {
        server.write(block);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(server.clientCount(), 0);
}

TEST(Output, UdpDatagramsHoldWholeFrames) {
    feedtest::ensureApp();
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), 0));
    receiver.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    feedio::UdpOutput output(QStringLiteral("127.0.0.1"), receiver.localPort());
    ASSERT_TRUE(output.open());

    feedgen::Scene source(scene(20));
    Pacing pacing;
    pacing.mode = Pacing::Mode::Fast;
    pacing.durationSeconds = 10;
    Player player(source, kBeast, output, pacing);
    QSignalSpy finished(&player, &Player::finished);
    player.start();
    ASSERT_TRUE(finished.wait(kWaitMs));
    size_t frames = 0;
    size_t datagrams = 0;
    while (frames < player.framesSent()) {
        if (!receiver.hasPendingDatagrams()) {
            QSignalSpy more(&receiver, &QUdpSocket::readyRead);
            ASSERT_TRUE(more.wait(kWaitMs)) << frames << " of " << player.framesSent();
            continue;
        }
        QByteArray datagram(static_cast<int>(receiver.pendingDatagramSize()), '\0');
        receiver.readDatagram(datagram.data(), datagram.size());
        EXPECT_LE(datagram.size(), feedio::UdpOutput::kMaxDatagram);
        frames += decodeAll(datagram);  // a datagram read alone: no frame cut in two
        ++datagrams;
    }
    EXPECT_EQ(frames, player.framesSent());
    EXPECT_GT(datagrams, 10u);
}

TEST(Output, FileHoldsTheWritersBytes) {
    feedtest::ensureApp();
    const feedtest::TempFile file("", ".beast");
    {
        feedio::FileOutput output(QString::fromStdString(file.path()));
        ASSERT_TRUE(output.open());
        feedgen::Scene source(scene(25));
        Pacing pacing;
        pacing.mode = Pacing::Mode::Fast;
        pacing.durationSeconds = 30;
        Player player(source, kBeast, output, pacing);
        QSignalSpy finished(&player, &Player::finished);
        player.start();
        ASSERT_TRUE(finished.wait(kWaitMs));
    }
    std::string expected;
    feedgen::Scene again(scene(25));
    feedgen::Transmission t;
    int64_t first = -1;  // the duration counts from the first frame
    while (again.next(t) && (first < 0 || t.timeNs < first + 30LL * 1000000000LL)) {
        if (first < 0)
            first = t.timeNs;
        kBeast.append(t, expected);
    }
    std::ifstream in(file.path(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);

    feedio::FileOutput nowhere(QStringLiteral("/nonexistent/dir/out.beast"));
    QSignalSpy failed(&nowhere, &feedio::FeedOutput::failed);
    EXPECT_FALSE(nowhere.open());
    EXPECT_EQ(failed.count(), 1);
}

TEST(Output, PortInUseIsReported) {
    feedtest::ensureApp();
    feedio::TcpServerOutput first(QHostAddress::LocalHost, 0);
    ASSERT_TRUE(first.open());
    feedio::TcpServerOutput second(QHostAddress::LocalHost, first.port());
    QSignalSpy failed(&second, &feedio::FeedOutput::failed);
    EXPECT_FALSE(second.open());
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.first().first().toString().contains(QString::number(first.port())));
}

}  // namespace
