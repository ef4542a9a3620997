#ifndef VELTMAR_TESTS_NETWORKTESTSUPPORT_H
#define VELTMAR_TESTS_NETWORKTESTSUPPORT_H

// Test support for the TCP outputs and the recordings: the 406B90 recording (2000 DF17 replies
// of EZY85MH, 14 March 2016, from the modes library's test data) as the frames a framer would
// deliver, and loopback clients that are read through the event loop (server and client share
// the test's thread, so a blocking wait would starve the server).

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "ModeSFrame.h"
#include "StreamServer.h"

namespace nettest {

inline QString recording406B90Path() {
    return QStringLiteral(VELTMAR_SOURCE_DIR "/modes/tests/data/sample_data_adsb.csv");
}

// The recording's replies in order. Its times are whole seconds: the replies of one second are
// spread 150 ms apart. Each frame gets a 12 MHz counter stamp of its time and a signal level
// that runs through every byte value (0x1a included), so that escapes are exercised.
inline std::vector<ModeSFrame> load406B90() {
    std::vector<ModeSFrame> frames;
    QFile file(recording406B90Path());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    qint64 second = -1;
    int inSecond = 0;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(',');
        if (fields.size() < 2)
            continue;
        const qint64 s = fields[0].toLongLong();
        inSecond = s == second ? inSecond + 1 : 0;
        second = s;
        ModeSFrame f;
        f.reply = QByteArray::fromHex(QByteArray(fields[1]).replace('"', ""));
        f.timeStamp = quint64(s) * 1000 + quint64(inSecond) * 150;
        f.receiveTime = f.timeStamp;
        f.stamp = (f.timeStamp * 12000) & 0xFFFFFFFFFFFFULL;
        f.hasSignal = true;
        f.signal = static_cast<quint8>(frames.size() % 256);
        frames.push_back(f);
    }
    return frames;
}

// Runs the event loop until `done` or `timeoutMs` passes.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

// A client of a StreamServer on loopback that collects what it receives.
struct Client {
    QTcpSocket socket;
    QByteArray received;
    explicit Client(StreamServer& server, bool reads = true) {
        const int before = server.clientCount();
        if (!reads) {
            // Qt stops reading from the system once this much is buffered: a client that
            // never reads.
            socket.setReadBufferSize(1024);
        } else {
            QObject::connect(&socket, &QTcpSocket::readyRead,
                             [this] { received += socket.readAll(); });
        }
        socket.connectToHost(QHostAddress(QHostAddress::LocalHost), server.serverPort());
        EXPECT_TRUE(waitUntil([&] {
            return socket.state() == QAbstractSocket::ConnectedState &&
                   server.clientCount() > before;
        }));
    }
};

}  // namespace nettest

#endif  // VELTMAR_TESTS_NETWORKTESTSUPPORT_H
