#include "CsvOutput.h"

#include <vector>

#include <QDateTime>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>

#include "CsvRecord.h"

CsvOutput::CsvOutput(QObject* parent) : QObject(parent), _socket(this) {}

void CsvOutput::start(const Settings& settings) {
    _settings = settings;
    _lastCsvOutput = 0;
    if (!_settings.udpOutput) {
        emit message(tr("CSV output is not activated."), false);
    } else if (_socket.state() == QAbstractSocket::BoundState) {
        emit message(tr("CSV output is running."), true);
    } else {
        emit message(tr("CSV output is sending to remote address %1 port %2")
                         .arg(_settings.address.toString())
                         .arg(_settings.port),
                     false);
    }
}

void CsvOutput::stop() {
    _socket.close();
    _lastCsvOutput = 0;
    emit message(tr("CSV output has stopped."), true);
}

QStringList CsvOutput::outputCycle(const brannic::modes::ADSBTracker& tracker, quint64 nowMs) {
    const std::vector<brannic::modes::ADSBTarget> targets = tracker.allTargetsSince(_lastCsvOutput);
    _lastCsvOutput = nowMs;
    const QTime localTime =
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(nowMs), Qt::LocalTime).time();
    QStringList records;
    for (const auto& target : targets) {
        if (!target.positionValid())
            continue;
        const QString record = CsvRecord::build(target, localTime);
        if (_settings.udpOutput)
            _socket.writeDatagram(record.toLatin1(), _settings.address, _settings.port);
        records.append(record);
    }
    return records;
}
