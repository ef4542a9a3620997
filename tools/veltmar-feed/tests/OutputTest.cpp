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

// Plays the first `seconds` of `source` to the output as fast as it takes them, and waits
// for the end.
std::unique_ptr<Player> playToEnd(feedgen::Scene& source, feedio::FeedOutput& output, double seconds) {
    Pacing pacing;
    pacing.mode = Pacing::Mode::Fast;
    pacing.durationSeconds = seconds;
    auto player = std::make_unique<Player>(source, kBeast, output, pacing);
    QSignalSpy finished(player.get(), &Player::finished);
    player->start();
    while (finished.isEmpty()) {
        if (!finished.wait(kWaitMs)) {
            ADD_FAILURE() << "the player did not finish";
            break;
        }
    }
    return player;
}

// A server on a free loopback port with `count` clients connected, the last of them not
// reading when `lastSleeps`.
struct ServerWithClients {
    ServerWithClients(int count, bool lastSleeps) : server(QHostAddress::LocalHost, 0) {
        EXPECT_TRUE(server.open());
        QSignalSpy connected(&server, &feedio::TcpServerOutput::clientConnected);
        for (int i = 0; i < count; ++i)
            clients.push_back(std::make_unique<Client>(server.port(), !(lastSleeps && i == count - 1)));
        while (connected.count() < count) {
            if (!connected.wait(kWaitMs)) {
                ADD_FAILURE() << "clients did not connect";
                break;
            }
        }
    }
    // Waits until client `i` has received `size` bytes.
    void receive(size_t i, int size) {
        while (clients[i]->received.size() < size) {
            QSignalSpy more(&clients[i]->socket, &QTcpSocket::readyRead);
            if (!more.wait(kWaitMs)) {
                ADD_FAILURE() << "client " << i << " has " << clients[i]->received.size() << " of " << size;
                return;
            }
        }
    }
    feedio::TcpServerOutput server;
    std::vector<std::unique_ptr<Client>> clients;
};

TEST(FeedOutput, TcpServerServesEveryClientTheSameDecodableFrames) {
    feedtest::ensureApp();
    ServerWithClients s(2, false);
    feedgen::Scene source(scene(30));
    const auto player = playToEnd(source, s.server, 20);
    const auto everything = static_cast<int>(player->bytesSent());
    s.receive(0, everything);
    s.receive(1, everything);
    EXPECT_EQ(s.clients[0]->received, s.clients[1]->received);
    EXPECT_EQ(decodeAll(s.clients[0]->received), player->framesSent());
    EXPECT_GT(player->framesSent(), 3000u);
    // At the end of the stream the server closes the connections, everything delivered.
    QTcpSocket& socket = s.clients[0]->socket;
    if (socket.state() != QAbstractSocket::UnconnectedState) {
        QSignalSpy gone(&socket, &QTcpSocket::disconnected);
        EXPECT_TRUE(gone.wait(kWaitMs));
    }
}

TEST(FeedOutput, TcpServerDropsAClientThatDoesNotReadAndServesTheOthers) {
    feedtest::ensureApp();
    ServerWithClients s(2, true);
    s.server.setStallTimeoutMs(300);
    QSignalSpy dropped(&s.server, &feedio::TcpServerOutput::clientDropped);
    // More than the kernel's buffers on both sides hold: about 10 MB.
    feedgen::Scene source(scene(300));
    const auto player = playToEnd(source, s.server, 250);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_TRUE(dropped.first().first().toString().endsWith(
        QStringLiteral(":%1").arg(s.clients[1]->socket.localPort())))
        << "the sleeping client is the one dropped";
    const auto everything = static_cast<int>(player->bytesSent());
    s.receive(0, everything);
    EXPECT_EQ(s.clients[0]->received.size(), everything) << "the reading client got the whole stream";
    EXPECT_GT(everything, 8 * 1024 * 1024);
}

TEST(FeedOutput, TcpServerDropsABackloggedClientWithoutWaitingForIt) {
    feedtest::ensureApp();
    ServerWithClients s(1, true);
    s.server.setMaxBacklog(64 * 1024);
    QSignalSpy dropped(&s.server, &feedio::TcpServerOutput::clientDropped);
    // Written straight on, as real-time play does: the server never waits for the client.
    const QByteArray block(32 * 1024, '\x55');
    for (int i = 0; i < 4000 && dropped.isEmpty(); ++i) {
        s.server.write(block);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(s.server.clientCount(), 0);
}

TEST(FeedOutput, UdpDatagramsHoldWholeFrames) {
    feedtest::ensureApp();
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), 0));
    receiver.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    feedio::UdpOutput output(QStringLiteral("127.0.0.1"), receiver.localPort());
    ASSERT_TRUE(output.open());

    feedgen::Scene source(scene(20));
    const auto player = playToEnd(source, output, 10);
    size_t frames = 0;
    size_t datagrams = 0;
    while (frames < player->framesSent()) {
        if (!receiver.hasPendingDatagrams()) {
            QSignalSpy more(&receiver, &QUdpSocket::readyRead);
            ASSERT_TRUE(more.wait(kWaitMs)) << frames << " of " << player->framesSent();
            continue;
        }
        QByteArray datagram(static_cast<int>(receiver.pendingDatagramSize()), '\0');
        receiver.readDatagram(datagram.data(), datagram.size());
        EXPECT_LE(datagram.size(), feedio::UdpOutput::kMaxDatagram);
        frames += decodeAll(datagram);  // a datagram read alone: no frame cut in two
        ++datagrams;
    }
    EXPECT_EQ(frames, player->framesSent());
    EXPECT_GT(datagrams, 10u);
}

TEST(FeedOutput, FileHoldsTheWritersBytes) {
    feedtest::ensureApp();
    const feedtest::TempFile file("", ".beast");
    {
        feedio::FileOutput output(QString::fromStdString(file.path()));
        ASSERT_TRUE(output.open());
        feedgen::Scene source(scene(25));
        playToEnd(source, output, 30);
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

TEST(FeedOutput, PortInUseIsReported) {
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
