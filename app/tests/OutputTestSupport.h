#ifndef VELTMAR_TESTS_OUTPUTTESTSUPPORT_H
#define VELTMAR_TESTS_OUTPUTTESTSUPPORT_H

// Test support for the output mechanisms: tracked targets made the way the program makes them
// (a real tracker fed with target reports and Mode S replies with correct parity), and
// receiving datagrams on loopback without sleeping.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QSignalSpy>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessage.h>

namespace outputtest {

// 2024-03-01 12:34:56.789 UTC.
constexpr uint64_t kNoon = 1709296496789ULL;

// What a test wants a target to be; everything but the address, time and position optional.
struct TargetSpec {
    uint32_t address = 0;
    uint64_t time = kNoon;
    uint32_t trackId = 0;
    bool hasPosition = true;
    double latitude = 0.0;
    double longitude = 0.0;
    std::string callsign;
    uint32_t squawk = 0;  // Mode A code as a number (07700); 0 for none
    bool hasAltitude = false;
    int32_t altitude = 0;  // ft
    bool hasVelocity = false;
    double groundSpeed = 0.0;  // kt
    double heading = 0.0;      // degrees
    bool hasVerticalRate = false;
    int32_t verticalRate = 0;  // ft/min
    bool spi = false;
    bool alert = false;
    // Confirmed when 0 to 2: version 1 or 2 by an operational status squitter, version 0 the
    // way the tracker decides it, after enough squitters without any message of a later
    // version.
    int mopsVersion = -1;
};

// The 24-bit Mode S parity (ICAO Annex 10, Vol. IV): the remainder of the message bits, times
// x^24, divided by the generator polynomial 0x1FFF409.
inline uint32_t modeSParity(const std::string& bits) {
    uint32_t remainder = 0;
    for (const char c : bits) {
        remainder ^= static_cast<uint32_t>(static_cast<unsigned char>(c)) << 16;
        for (int i = 0; i < 8; ++i) {
            remainder <<= 1;
            if (remainder & 0x1000000u)
                remainder ^= 0x1FFF409u;
        }
    }
    return remainder & 0xFFFFFFu;
}

inline std::string withParity(std::string frame, uint32_t overlay) {
    const uint32_t parity = modeSParity(frame) ^ overlay;
    frame += static_cast<char>(parity >> 16);
    frame += static_cast<char>(parity >> 8);
    frame += static_cast<char>(parity);
    return frame;
}

// DF17 extended squitter of `address` (capability 5) carrying the 7-octet `me`.
inline std::string squitter(uint32_t address, const std::string& me) {
    std::string frame;
    frame += static_cast<char>(0x8D);
    frame += static_cast<char>(address >> 16);
    frame += static_cast<char>(address >> 8);
    frame += static_cast<char>(address);
    frame += me;
    return withParity(frame, 0);
}

// ME of an airborne aircraft operational status message (type code 31, subtype 0) with the
// version number in ME bits 41 to 43.
inline std::string operationalStatusME(int version) {
    std::string me(7, '\0');
    me[0] = static_cast<char>(31 << 3);
    me[5] = static_cast<char>((version & 7) << 5);
    return me;
}

// ME of a surface position message (type code 5) with every field zero.
inline std::string surfacePositionME() {
    std::string me(7, '\0');
    me[0] = static_cast<char>(5 << 3);
    return me;
}

// DF5 surveillance identity reply of `address` with flight status `fs` (ICAO Annex 10: 2
// alert, 4 alert and SPI, 5 SPI) and identity 0.
inline std::string identityReply(uint32_t address, int fs) {
    std::string frame(4, '\0');
    frame[0] = static_cast<char>(5 << 3 | (fs & 7));
    return withParity(frame, address);
}

inline void feedReply(brannic::modes::ADSBTracker& tracker,
                      brannic::modes::ModeSDecoder& decoder, const std::string& frame,
                      uint64_t time, bool forceHighConfidence) {
    using brannic::modes::ModeSMessage;
    std::unique_ptr<ModeSMessage> msg(decoder.decode(ModeSMessage::DOWNLINK, frame, time));
    ASSERT_NE(msg, nullptr);
    if (forceHighConfidence)
        msg->setConfidence(ModeSMessage::HIGH);
    ASSERT_NE(tracker.procModeSMsg(msg.get()), nullptr);
}

// Puts the target of `spec` into `tracker`: flight status and version replies first, then one
// target report with the rest, last updated at spec.time.
inline void feed(brannic::modes::ADSBTracker& tracker, brannic::modes::ModeSDecoder& decoder,
                 const TargetSpec& spec) {
    using brannic::modes::ADSBTargetReport;
    if (spec.spi || spec.alert) {
        const int fs = spec.alert && spec.spi ? 4 : spec.spi ? 5 : 2;
        feedReply(tracker, decoder, identityReply(spec.address, fs), spec.time - 20, true);
    }
    if (spec.mopsVersion > 0) {
        feedReply(tracker, decoder, squitter(spec.address, operationalStatusME(spec.mopsVersion)),
                  spec.time - 10, false);
    } else if (spec.mopsVersion == 0) {
        for (int i = 0; i < 21; ++i) {
            feedReply(tracker, decoder, squitter(spec.address, surfacePositionME()),
                      spec.time - 100 + i, false);
        }
    }
    ADSBTargetReport r;
    r.setIcaoAddress(spec.address);
    r.setLastUpdate(spec.time);
    r.setTrackId(spec.trackId);
    if (!spec.callsign.empty()) {
        r.setCallsign(spec.callsign);
        r.setCallsignLastUpdate(spec.time);
        r.setCallsignLastChange(spec.time);
    }
    if (spec.squawk != 0) {
        r.setSquawk(spec.squawk);
        r.setSquawkLastUpdate(spec.time);
        r.setSquawkLastChange(spec.time);
    }
    if (spec.hasPosition) {
        r.setPosition(spec.latitude, spec.longitude);
        r.setPositionLastUpdate(spec.time);
    }
    if (spec.hasAltitude) {
        r.setAltitudeBaro(spec.altitude);
        r.setAltitudeBaroLastUpdate(spec.time);
    }
    if (spec.hasVelocity) {
        r.setGroundSpeed(spec.groundSpeed);
        r.setGroundSpeedLastUpdate(spec.time);
        r.setHeading(spec.heading);
        r.setHeadingLastUpdate(spec.time);
    }
    if (spec.hasVerticalRate) {
        r.setVerticalRateBaro(spec.verticalRate);
        r.setVerticalRateBaroLastUpdate(spec.time);
    }
    ASSERT_NE(tracker.procTargetReport(&r), nullptr);
}

// A receiver on 127.0.0.1 at a free port.
inline std::unique_ptr<QUdpSocket> loopbackReceiver() {
    auto socket = std::make_unique<QUdpSocket>();
    EXPECT_TRUE(socket->bind(QHostAddress(QHostAddress::LocalHost), 0));
    return socket;
}

// The next `count` datagrams, waiting for each up to `timeoutMs`; fewer when they do not come.
inline QList<QByteArray> receive(QUdpSocket& socket, int count, int timeoutMs = 5000) {
    QList<QByteArray> datagrams;
    QSignalSpy ready(&socket, &QUdpSocket::readyRead);
    while (datagrams.size() < count) {
        if (!socket.hasPendingDatagrams() && !ready.wait(timeoutMs))
            break;
        while (socket.hasPendingDatagrams() && datagrams.size() < count) {
            QByteArray datagram(static_cast<int>(socket.pendingDatagramSize()), '\0');
            socket.readDatagram(datagram.data(), datagram.size());
            datagrams.append(datagram);
        }
    }
    return datagrams;
}

// Proves that nothing reached `socket` so far, without waiting for an absence: a marker sent
// now from another socket must be the first datagram to arrive.
inline void expectNothingReceived(QUdpSocket& socket) {
    QUdpSocket marker;
    const QByteArray text("marker");
    marker.writeDatagram(text, QHostAddress::LocalHost, socket.localPort());
    const QList<QByteArray> first = receive(socket, 1);
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first.front(), text);
}

// Silences the library log (its "Initialized." lines and the packer's block lines) while it
// lives; the first member of a test harness, so that it outlives the objects that log.
class QuietLibraryLog {
public:
    QuietLibraryLog() : _previous(brannic::modes::Log::showLevel()) {
        brannic::modes::Log::setShowLevel(brannic::modes::Log::PANIC);
    }
    ~QuietLibraryLog() { brannic::modes::Log::setShowLevel(_previous); }
    QuietLibraryLog(const QuietLibraryLog&) = delete;
    QuietLibraryLog& operator=(const QuietLibraryLog&) = delete;

private:
    brannic::modes::Log::Level _previous;
};

// Collects the texts of a message(text, showInStatusBar) signal.
struct MessageLog {
    QStringList logged;
    QStringList shown;
    template <typename Sender>
    void attach(Sender* sender) {
        QObject::connect(sender, &Sender::message, [this](const QString& text, bool show) {
            logged.append(text);
            if (show)
                shown.append(text);
        });
    }
};

}  // namespace outputtest

#endif  // VELTMAR_TESTS_OUTPUTTESTSUPPORT_H
