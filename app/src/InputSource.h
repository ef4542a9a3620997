#ifndef VELTMAR_INPUTSOURCE_H
#define VELTMAR_INPUTSOURCE_H

#include <QByteArray>
#include <QObject>
#include <QString>

// One of the program's feeds (a UDP port, a TCP server, a serial port): started and stopped by
// the main window, delivering what it reads as chunks with their receive time.
//
// What a source has to say goes out as signals: logMessage for the general log, statusMessage
// for the status bar (most texts go to both), and actionsChanged with the state the Start and
// Stop actions should take. A source never touches a widget.
class InputSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the device (and reports how that went); stop() closes it. Both may be called in
    // any state.
    virtual void start() = 0;
    virtual void stop() = 0;

    // The current UTC time in milliseconds since the epoch: the receive time of a chunk.
    static quint64 currentTimeMs();

signals:
    void chunkReceived(const QByteArray& bytes, quint64 receiveTimeMs);
    void logMessage(const QString& text);
    void statusMessage(const QString& text);
    void actionsChanged(bool startEnabled, bool stopEnabled);

protected:
    // A text for both the general log and the status bar.
    void report(const QString& text);
};

#endif  // VELTMAR_INPUTSOURCE_H
