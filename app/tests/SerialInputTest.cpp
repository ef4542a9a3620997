// The serial source on a real serial line: a pseudo-terminal pair made by socat, Beast bytes
// written into one end, replies framed, decoded and tracked from the other.

#include <memory>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessage.h>

#include "BeastFramer.h"
#include "InputTestSupport.h"
#include "SerialInput.h"

namespace {

// Two linked pseudo-terminals, DIR/receiver and DIR/program, for as long as the object lives.
class SerialLine {
public:
    SerialLine() {
        const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
        if (socat.isEmpty())
            return;
        _process.setProgram(socat);
        _process.setArguments({QStringLiteral("-d"), QStringLiteral("-d"),
                               QStringLiteral("pty,raw,echo=0,link=%1").arg(receiverEnd()),
                               QStringLiteral("pty,raw,echo=0,link=%1").arg(programEnd())});
        _process.start();
        if (!_process.waitForStarted(5000))
            return;
        // socat says when both ends exist and it copies between them.
        QSignalSpy said(&_process, &QProcess::readyReadStandardError);
        QByteArray text;
        while (!text.contains("starting data transfer loop")) {
            if (!said.wait(5000))
                return;
            text += _process.readAllStandardError();
        }
        _ready = true;
    }
    ~SerialLine() {
        if (_process.state() != QProcess::NotRunning) {
            _process.terminate();
            if (!_process.waitForFinished(5000))
                _process.kill();
            _process.waitForFinished(5000);
        }
    }
    static bool available() {
        return !QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty();
    }
    bool ready() const { return _ready; }
    QString receiverEnd() const { return _dir.filePath(QStringLiteral("receiver")); }
    QString programEnd() const { return _dir.filePath(QStringLiteral("program")); }

private:
    QTemporaryDir _dir;
    QProcess _process;
    bool _ready = false;
};

using testsupport::SourceSpies;

TEST(SerialInputTest, BeastFromASerialLineBecomesTargets) {
    if (!SerialLine::available())
        GTEST_SKIP() << "socat is not installed (scripts/install-deps.sh installs it)";
    SerialLine line;
    ASSERT_TRUE(line.ready());

    SerialInput input;
    input.setPortName(line.programEnd());
    input.setBaudRate(115200);
    SourceSpies spies(&input);
    input.start();
    // A pseudo-terminal is not among the system's serial ports, and opens all the same.
    EXPECT_EQ(spies.logLines(),
              QStringList{QStringLiteral("Serial port not found: %1").arg(line.programEnd())});
    ASSERT_EQ(spies.actions.size(), 1);
    EXPECT_EQ(spies.lastActions(), testsupport::kRunning);

    // The receiver: two identification squitters of one aircraft, one with a 0x1a in its
    // stamp, and a short reply of another, between receiver status frames.
    QFile receiver(line.receiverEnd());
    ASSERT_TRUE(receiver.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray beast = testsupport::hex(
        "1a 34 000000000000 00 0000000000000000000000000000"
        "1a 33 000000000001 c8 8d4840d6202cc371c32ce0576098"
        "1a 33 1a1a 0000000002 c9 8d4840d6202cc371c32ce0576098"
        "1a 32 000000000003 30 5d3c6444f4e2a1"  // DF11 all-call: not confirmed alone
        "1a 34 000000000000 00 0000000000000000000000000000");
    ASSERT_EQ(receiver.write(beast), beast.size());

    BeastFramer framer;
    framer.setPlaybackMode(true);
    brannic::modes::ModeSDecoder decoder;
    brannic::modes::ADSBTracker tracker;
    int frames = 0;
    const ModeSFrameSink sink = [&](const ModeSFrame& frame) {
        ++frames;
        std::unique_ptr<brannic::modes::ModeSMessage> message(decoder.decode(
            brannic::modes::ModeSMessage::DOWNLINK, frame.reply.toStdString(), frame.timeStamp));
        if (!message)
            return false;
        message->setSignalAmplitude(frame.signal);
        tracker.procModeSMsg(message.get());
        return true;
    };
    QByteArray received;
    int seen = 0;
    while (frames < 3) {
        if (seen == spies.chunks.size()) {
            ASSERT_TRUE(spies.chunks.wait(5000)) << "got " << received.toHex().toStdString();
        }
        for (; seen < spies.chunks.size(); ++seen) {
            const QByteArray chunk = spies.chunks.at(seen).at(0).toByteArray();
            received += chunk;
            framer.feed(chunk, spies.chunks.at(seen).at(1).value<quint64>(), sink);
        }
    }
    EXPECT_EQ(received, beast);

    const std::vector<brannic::modes::ADSBTarget> targets = tracker.allTargets();
    ASSERT_GE(targets.size(), 1u);
    EXPECT_EQ(targets[0].icaoAddr(), 0x4840D6u);
    EXPECT_EQ(targets[0].callsign(), "KLM1023 ");

    input.stop();
    EXPECT_EQ(spies.logLines().last(), QStringLiteral("Close async serial port"));
    EXPECT_EQ(spies.lastActions(), testsupport::kIdle);
}

TEST(SerialInputTest, MissingPortIsReported) {
    SerialInput input;
    input.setPortName(QStringLiteral("/nonexistent/ttyVELTMAR"));
    SourceSpies spies(&input);
    input.start();
    EXPECT_EQ(spies.logLines(),
              (QStringList{QStringLiteral("Serial port not found: /nonexistent/ttyVELTMAR"),
                           QStringLiteral("Failed to open serial port: %1")
                               .arg(int(QSerialPort::DeviceNotFoundError))}));
    EXPECT_TRUE(spies.actions.isEmpty());
}

}  // namespace
