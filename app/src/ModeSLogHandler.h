#ifndef VELTMAR_MODESLOGHANDLER_H
#define VELTMAR_MODESLOGHANDLER_H

#include <functional>
#include <string>

#include <QString>

#include <modes/LogHandler.h>

// Receives the finished lines of the Mode S library log and hands each, as a QString, to the
// Mode-S log pane.
class ModeSLogHandler : public brannic::modes::LogHandler {
public:
    using Sink = std::function<void(const QString&)>;
    explicit ModeSLogHandler(Sink sink) : _sink(std::move(sink)) {}

    void logMessage(const std::string& line) override {
        if (_sink) {
            _sink(QString::fromStdString(line));
        }
    }

private:
    Sink _sink;
};

#endif  // VELTMAR_MODESLOGHANDLER_H
