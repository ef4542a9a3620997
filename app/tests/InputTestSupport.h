#ifndef VELTMAR_TESTS_INPUTTESTSUPPORT_H
#define VELTMAR_TESTS_INPUTTESTSUPPORT_H

// Helpers shared by the framer, source and table tests: hexadecimal byte strings, frames as
// comparable texts, and captures of the log sinks and of the debug output.

#include <ostream>
#include <string>
#include <vector>

#include <QByteArray>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "InputSource.h"
#include "ModeSFrame.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << bytes.toHex(' ').toStdString();
}

namespace testsupport {

// "1a 33 00ff" -> bytes; blanks are ignored.
inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A frame as "reply-hex" plus "/s<signal>" for Beast frames and "@<time>" when asked for.
inline std::string describe(const ModeSFrame& frame, bool withTime) {
    std::string text = frame.reply.toHex().toStdString();
    if (frame.hasSignal)
        text += "/s" + std::to_string(frame.signal);
    if (withTime)
        text += "@" + std::to_string(frame.timeStamp);
    return text;
}

// Collects frames delivered to a sink; the sink answers `accept`.
struct FrameCollector {
    std::vector<ModeSFrame> frames;
    bool accept = true;
    ModeSFrameSink sink() {
        return [this](const ModeSFrame& frame) {
            frames.push_back(frame);
            return accept;
        };
    }
    std::vector<std::string> texts(bool withTime = false) const {
        std::vector<std::string> out;
        for (const ModeSFrame& frame : frames)
            out.push_back(describe(frame, withTime));
        return out;
    }
};

// Collects the lines written to a framer's log sink.
struct LogCollector {
    QStringList lines;
    InputLogSink sink() {
        return [this](const QString& line) { lines << line; };
    }
};

// Collects what is written with qDebug() while it exists.
class DebugCapture {
public:
    DebugCapture() {
        lines().clear();
        _previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture() { qInstallMessageHandler(_previous); }
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    static QStringList& lines() {
        static QStringList captured;
        return captured;
    }
    int count(const QString& line) const { return lines().count(line); }
    int countStartingWith(const QString& start) const {
        int n = 0;
        for (const QString& line : lines())
            n += line.startsWith(start) ? 1 : 0;
        return n;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) {
        lines() << message;
    }
    QtMessageHandler _previous;
};

// Everything an input source says, and helpers to wait for it.
struct SourceSpies {
    QSignalSpy chunks;
    QSignalSpy logs;
    QSignalSpy statuses;
    QSignalSpy actions;
    explicit SourceSpies(InputSource* input)
        : chunks(input, &InputSource::chunkReceived),
          logs(input, &InputSource::logMessage),
          statuses(input, &InputSource::statusMessage),
          actions(input, &InputSource::actionsChanged) {}

    static QStringList texts(const QSignalSpy& spy) {
        QStringList lines;
        for (const QList<QVariant>& args : spy)
            lines << args.at(0).toString();
        return lines;
    }
    QStringList logLines() const { return texts(logs); }
    QString lastLog() const { return logs.isEmpty() ? QString() : logs.last().at(0).toString(); }
    QString lastStatus() const {
        return statuses.isEmpty() ? QString() : statuses.last().at(0).toString();
    }
    QList<QVariant> lastActions() const {
        return actions.isEmpty() ? QList<QVariant>() : actions.last();
    }
    // Waits until the log has a line starting with `start`, counted from line `from`.
    bool waitForLog(const QString& start, int from = 0, int timeoutMs = 5000) {
        for (;;) {
            const QStringList lines = logLines();
            for (int i = from; i < lines.size(); ++i) {
                if (lines.at(i).startsWith(start))
                    return true;
            }
            if (!logs.wait(timeoutMs))
                return false;
        }
    }
    QByteArray allBytes() const {
        QByteArray bytes;
        for (const QList<QVariant>& args : chunks)
            bytes += args.at(0).toByteArray();
        return bytes;
    }
};

// The action states: Start disabled and Stop enabled while running, the reverse when idle.
inline const QList<QVariant> kRunning = {false, true};
inline const QList<QVariant> kIdle = {true, false};

}  // namespace testsupport

#endif  // VELTMAR_TESTS_INPUTTESTSUPPORT_H
