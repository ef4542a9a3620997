#include "AsterixOutput.h"

#include <list>
#include <utility>
#include <vector>

#include <QByteArray>

#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>

using brannic::modes::ADSBTarget;
using brannic::modes::ASTERIXEncoder;
using brannic::modes::DataBlock;
using brannic::modes::DataRecord;

AsterixOutput::AsterixOutput(QObject* parent) : QObject(parent) {
    qRegisterMetaType<DataBlock>();
    for (int i = 0; i < 2; ++i) {
        _channels[i] = std::make_unique<AsterixOutputChannel>(i + 1);
        connect(_channels[i].get(), &AsterixOutputChannel::message, this, &AsterixOutput::message);
    }
}

AsterixOutput::~AsterixOutput() = default;

void AsterixOutput::start(const Settings& settings) {
    _settings = settings;
    _lastAsterixOutput = 0;
    _asterixSequence = 0;
    for (int i = 0; i < 2; ++i)
        _channels[i]->start(_settings.channels[i], _settings.multicast);
}

void AsterixOutput::stop() {
    for (const auto& channel : _channels)
        channel->close();
    _lastAsterixOutput = 0;
    _asterixSequence = 0;
    emit message(tr("ASTERIX output has stopped."), true);
}

void AsterixOutput::outputCycle(const brannic::modes::ADSBTracker& tracker,
                                const brannic::modes::ADSBServiceStatus& serviceStatus,
                                quint64 nowMs) {
    const std::vector<ADSBTarget> targets = tracker.allTargetsSince(_lastAsterixOutput);
    _lastAsterixOutput = nowMs;

    const auto version = static_cast<ASTERIXEncoder::ASTERIXVersion>(_settings.cat21Version);
    std::list<DataRecord> records;
    for (const ADSBTarget& target : targets) {
        if (!target.positionValid())
            continue;
        DataRecord record = _encoder.createTargetReport(&target, &serviceStatus, version);
        if (record.valid())
            records.push_back(std::move(record));
    }

    for (const DataBlock& block : _packer.pack(records)) {
        ++_asterixSequence;
        emit blockProduced(block, _asterixSequence);
        const std::string& bytes = block.constData();
        const QByteArray datagram(bytes.data(), static_cast<int>(bytes.size()));
        for (const auto& channel : _channels)
            channel->send(datagram);
    }
}
