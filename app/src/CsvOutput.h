#ifndef VELTMAR_CSVOUTPUT_H
#define VELTMAR_CSVOUTPUT_H

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUdpSocket>

namespace brannic {
namespace modes {
class ADSBTracker;
}  // namespace modes
}  // namespace brannic

// The CSV output: every cycle, each target updated since the previous cycle that has a position
// becomes one text record (CsvRecord), sent Latin-1 encoded as one UDP datagram when sending is
// on. The socket is never bound explicitly; the first datagram binds it. Send errors are
// ignored. The first cycle after start() reports every target with a position.
class CsvOutput : public QObject {
    Q_OBJECT

public:
    struct Settings {
        bool udpOutput = false;  // send the records, or only build them
        QHostAddress address = QHostAddress(QHostAddress::LocalHost);
        quint16 port = 5555;
    };

    explicit CsvOutput(QObject* parent = nullptr);

    // Time (ms since the epoch) of the previous cycle, 0 before the first.
    quint64 lastCsvOutput() const { return _lastCsvOutput; }

    // Starts afresh with `settings` (previous-cycle time back to 0): "CSV output is not
    // activated." (log) when sending is off; else "CSV output is running." (show and log) when
    // the socket is already bound, or "CSV output is sending to remote address %1 port %2"
    // (log).
    void start(const Settings& settings);
    // Closes the socket; "CSV output has stopped." (show and log). Previous-cycle time back to 0.
    void stop();

    // One cycle at the time `nowMs` (ms since the epoch); field 12 of each record is the local
    // time of day of `nowMs`. Returns the records built, in the tracker's order, sent or not.
    QStringList outputCycle(const brannic::modes::ADSBTracker& tracker, quint64 nowMs);

signals:
    // A text for the general log; showInStatusBar asks for the status bar as well.
    void message(const QString& text, bool showInStatusBar);

private:
    Settings _settings;
    QUdpSocket _socket;
    quint64 _lastCsvOutput = 0;
};

#endif  // VELTMAR_CSVOUTPUT_H
